#include "revisionhistory.h"

namespace demoserver
{
namespace
{
const std::string EndOfTime = "9999-12-31 00:00:00";

// A period is half open: an instant asked for as from == to finds the one
// version current at that instant.
bool Overlaps(const qorv::data::SysPeriod &period, const std::string &from, const std::string &to)
{
    return period.from() <= to && (period.to() > from || (from == to && period.from() == from));
}
}

void RevisionHistory::add(const qorv::data::Document &revision)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_revisions.push_back(revision);
}

void RevisionHistory::replaced(const qorv::data::Document &version, const std::string &until)
{
    qorv::data::Document revision = version;
    revision.mutable_sys_period()->set_from(version.document_modification_date());
    revision.mutable_sys_period()->set_to(until);
    add(revision);
}

std::vector<qorv::data::Document> RevisionHistory::select(const qorv::data::Document &current, const std::string &from,
                                                          const std::string &to) const
{
    std::vector<qorv::data::Document> found;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (const qorv::data::Document &revision : m_revisions) {
            if (revision.document_id() == current.document_id() && Overlaps(revision.sys_period(), from, to))
                found.push_back(revision);
        }
    }
    qorv::data::Document now = current;
    now.mutable_sys_period()->set_from(current.document_modification_date());
    now.mutable_sys_period()->set_to(EndOfTime);
    if (Overlaps(now.sys_period(), from, to))
        found.push_back(now);
    return found;
}
}
