#ifndef DEMOSERVER_WEBPAGESTORE_H
#define DEMOSERVER_WEBPAGESTORE_H

#include "testserver.h"

#include "documentwebpage3.pb.h"

#include <mutex>
#include <vector>

namespace demoserver
{
// The web addresses kept with documents (select 42, insert 23, update 58,
// delete 8), known by their document and the hash of their address.
class WebpageStore
{
public:
    void install(testsupport::TestServer &server);
    void add(const qorv::data::DocumentWebpage &webpage);
    std::vector<qorv::data::DocumentWebpage> webpages(int documentId) const;

private:
    mutable std::mutex m_mutex;
    std::vector<qorv::data::DocumentWebpage> m_webpages;
};
}

#endif // DEMOSERVER_WEBPAGESTORE_H
