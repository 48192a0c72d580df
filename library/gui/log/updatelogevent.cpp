#include "updatelogevent.h"

UpdateLogEvent::~UpdateLogEvent() = default;

bool UpdateLogEvent::addUpdatedRecordKeys(const AuditedRecord &record, NameRule nameRule)
{
    if (!addRecordKeys(record, nameRule))
        return false;
    // The name says best which record changed; the description stands in
    // only for a record without a name.
    if (addEventDetails() && record.name.empty())
        addLabelledText("cs1", record.kind->descriptionLabel, record.description);
    return true;
}
