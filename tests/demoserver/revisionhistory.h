#ifndef DEMOSERVER_REVISIONHISTORY_H
#define DEMOSERVER_REVISIONHISTORY_H

#include "document3.pb.h"

#include <mutex>
#include <string>
#include <vector>

namespace demoserver
{
// The earlier versions of the documents, each with the system period it was
// current in, as a table with system versioning keeps them: the sample's
// revisions and every version a save replaced.
class RevisionHistory
{
public:
    // The sample's revision; its sys_period says when it was current.
    void add(const qorv::data::Document &revision);
    // The version a save replaces, current from its last change until now.
    void replaced(const qorv::data::Document &version, const std::string &until);
    // The versions of the document current at some time in [from, to), the
    // current version (given) last, current until the end of time.
    std::vector<qorv::data::Document> select(const qorv::data::Document &current, const std::string &from,
                                             const std::string &to) const;

private:
    mutable std::mutex m_mutex;
    std::vector<qorv::data::Document> m_revisions;
};
}

#endif // DEMOSERVER_REVISIONHISTORY_H
