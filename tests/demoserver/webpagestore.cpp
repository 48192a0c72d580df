#include "webpagestore.h"

#include "common/majorcode.h"

#include "crypto.h"
#include "testreplies.h"

#include "deletedocumentwebpagereply3.pb.h"
#include "deletedocumentwebpagerequest3.pb.h"
#include "insertdocumentwebpagerequest3.pb.h"
#include "selectdocumentwebpagereply3.pb.h"
#include "selectdocumentwebpagerequest3.pb.h"
#include "updatedocumentwebpagereply3.pb.h"
#include "updatedocumentwebpagerequest3.pb.h"

#include <algorithm>

namespace demoserver
{
namespace
{
bool Same(const qorv::data::DocumentWebpage &one, int documentId, const std::string &urlHash)
{
    return one.document_webpage_document_id() == documentId && one.document_webpage_url_hash() == urlHash;
}
}

void WebpageStore::install(testsupport::TestServer &server)
{
    server.onRequest(common::op::SelectDocumentWebpage, [this](const testsupport::TestRequest &received) {
        qorv::data::SelectDocumentWebpageRequest request;
        request.ParseFromString(received.payload);
        qorv::data::SelectDocumentWebpageReply reply;
        for (const qorv::data::DocumentWebpage &webpage : webpages(request.document_webpage_document_id())) {
            if (!request.has_document_webpage_url_hash()
                || webpage.document_webpage_url_hash() == request.document_webpage_url_hash())
                *reply.add_document_webpage() = webpage;
        }
        return testsupport::Answer(reply);
    });
    // The insert has no reply message: a refusal comes as an error pair.
    server.onRequest(common::op::InsertDocumentWebpage, [this](const testsupport::TestRequest &received) {
        qorv::data::InsertDocumentWebpageRequest request;
        testsupport::TestReply answer;
        if (!request.ParseFromString(received.payload)) {
            answer.majorErcode = 4;
            return answer;
        }
        add(request.document_webpage());
        return answer;
    });
    server.onRequest(common::op::UpdateDocumentWebpage, [this](const testsupport::TestRequest &received) {
        qorv::data::UpdateDocumentWebpageRequest request;
        request.ParseFromString(received.payload);
        const qorv::data::DocumentWebpage &change = request.document_webpage();
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (qorv::data::DocumentWebpage &webpage : m_webpages) {
            if (Same(webpage, change.document_webpage_document_id(), change.document_webpage_url_hash())) {
                webpage.MergeFrom(change);
                return testsupport::Done<qorv::data::UpdateDocumentWebpageReply>();
            }
        }
        return testsupport::Answer(qorv::data::UpdateDocumentWebpageReply());
    });
    server.onRequest(common::op::DeleteDocumentWebpage, [this](const testsupport::TestRequest &received) {
        qorv::data::DeleteDocumentWebpageRequest request;
        request.ParseFromString(received.payload);
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_webpages.erase(std::remove_if(m_webpages.begin(), m_webpages.end(),
                                        [&request](const qorv::data::DocumentWebpage &webpage) {
                                            return Same(webpage, request.document_webpage_document_id(),
                                                        request.document_webpage_url_hash());
                                        }),
                         m_webpages.end());
        return testsupport::Done<qorv::data::DeleteDocumentWebpageReply>();
    });
}

void WebpageStore::add(const qorv::data::DocumentWebpage &webpage)
{
    qorv::data::DocumentWebpage stored = webpage;
    // The sample names the address only; the hash is what requests name it by.
    if (!stored.has_document_webpage_url_hash())
        stored.set_document_webpage_url_hash(crypto::HashUrl(stored.document_webpage_url()));
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_webpages.push_back(stored);
}

std::vector<qorv::data::DocumentWebpage> WebpageStore::webpages(int documentId) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<qorv::data::DocumentWebpage> found;
    std::copy_if(m_webpages.begin(), m_webpages.end(), std::back_inserter(found),
                 [documentId](const qorv::data::DocumentWebpage &webpage) {
                     return webpage.document_webpage_document_id() == documentId;
                 });
    return found;
}
}
