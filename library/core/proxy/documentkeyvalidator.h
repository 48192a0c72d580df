#ifndef DOCUMENTKEYVALIDATOR_H
#define DOCUMENTKEYVALIDATOR_H

#include "keyvalidator.h"

namespace qorv::data
{
class DocumentKey;
}

class DocumentKeyReader;

// The flags of a document key now: those of KeyValidator, and
// KeyViewPermissionDenied when the key does not permit viewing. Made on the
// stack for one decision; the key is not kept.
class DocumentKeyValidator : public KeyValidator<DocumentKeyReader>
{
public:
    // The program passes the zone table of the TimeZoneDatabase singleton.
    DocumentKeyValidator(const qorv::data::DocumentKey &documentKey, const ZoneTable &zoneTable);
    ~DocumentKeyValidator() override;
};

#endif // DOCUMENTKEYVALIDATOR_H
