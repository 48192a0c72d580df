#include "selectlogevent.h"

#include "joinids.h"

SelectLogEvent::~SelectLogEvent() = default;

void SelectLogEvent::addIdList(const std::vector<int> &ids, const char *labelKey)
{
    // Every id, in the server's order, duplicates included: the line shows
    // exactly what was read. An empty reply adds no list at all.
    if (!ids.empty())
        addLabelledText("cs1", labelKey, JoinIds(ids));
}
