#include "dictionarystore.h"

#include "common/majorcode.h"

#include "testreplies.h"

#include "insertdictionaryrequest3.pb.h"
#include "selectdictionaryreply3.pb.h"
#include "selectdictionaryrequest3.pb.h"

namespace demoserver
{
void DictionaryStore::install(testsupport::TestServer &server)
{
    server.onRequest(common::op::SelectDictionary, [this](const testsupport::TestRequest &received) {
        qorv::data::SelectDictionaryRequest request;
        request.ParseFromString(received.payload);
        qorv::data::SelectDictionaryReply reply;
        for (const std::string &word : words(request.dictionary_user_id())) {
            qorv::data::Dictionary *entry = reply.add_dictionary();
            entry->set_dictionary_user_id(request.dictionary_user_id());
            entry->set_dictionary_word(word);
        }
        return testsupport::Answer(reply);
    });
    // The insert has no reply message; a word saved twice is kept once.
    server.onRequest(common::op::InsertDictionary, [this](const testsupport::TestRequest &received) {
        qorv::data::InsertDictionaryRequest request;
        testsupport::TestReply answer;
        if (!request.ParseFromString(received.payload) || request.dictionary().dictionary_word().empty()) {
            answer.majorErcode = 4;
            return answer;
        }
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_words[request.dictionary().dictionary_user_id()].insert(request.dictionary().dictionary_word());
        return answer;
    });
}

std::set<std::string> DictionaryStore::words(int userId) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = m_words.find(userId);
    return found != m_words.end() ? found->second : std::set<std::string>();
}
}
