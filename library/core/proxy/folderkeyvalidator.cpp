#include "folderkeyvalidator.h"

#include "folderkeyreader.h"

FolderKeyValidator::FolderKeyValidator(const qorv::data::FolderKey &folderKey, const ZoneTable &zoneTable)
    : KeyValidator<FolderKeyReader>(FolderKeyReader(folderKey), zoneTable)
{
    if (!FolderKeyReader(folderKey).permission(FolderKeyProxy::View))
        addFlags(KeyViewPermissionDenied);
}

FolderKeyValidator::~FolderKeyValidator() = default;
