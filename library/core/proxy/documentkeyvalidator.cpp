#include "documentkeyvalidator.h"

#include "documentkeyreader.h"

DocumentKeyValidator::DocumentKeyValidator(const qorv::data::DocumentKey &documentKey, const ZoneTable &zoneTable)
    : KeyValidator<DocumentKeyReader>(DocumentKeyReader(documentKey), zoneTable)
{
    if (!DocumentKeyReader(documentKey).permission(DocumentKeyProxy::View))
        addFlags(KeyViewPermissionDenied);
}

DocumentKeyValidator::~DocumentKeyValidator() = default;
