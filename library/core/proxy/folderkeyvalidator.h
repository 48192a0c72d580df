#ifndef FOLDERKEYVALIDATOR_H
#define FOLDERKEYVALIDATOR_H

#include "keyvalidator.h"

namespace qorv::data
{
class FolderKey;
}

class FolderKeyReader;

// The flags of a folder key now: those of KeyValidator, and
// KeyViewPermissionDenied when the key does not permit viewing. Made on the
// stack for one decision; the key is not kept.
class FolderKeyValidator : public KeyValidator<FolderKeyReader>
{
public:
    // The program passes the zone table of the TimeZoneDatabase singleton.
    FolderKeyValidator(const qorv::data::FolderKey &folderKey, const ZoneTable &zoneTable);
    ~FolderKeyValidator() override;
};

#endif // FOLDERKEYVALIDATOR_H
