#include "messagestore.h"

#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"

namespace demoserver
{
MessageStore::MessageStore(testsupport::TestServer &server)
    : m_server(server)
{
}

void MessageStore::install()
{
    m_server.onRequest(50, [this](const testsupport::TestRequest &received) {
        qorv::data::SelectMessageRequest request;
        qorv::data::SelectMessageReply reply;
        testsupport::TestReply answer;
        if (!request.ParseFromString(received.payload)) {
            reply.mutable_sql_diag_rec()->set_sqlc(1);
            answer.payload = reply.SerializeAsString();
            return answer;
        }
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (const qorv::data::Message &message : m_messages) {
            if ((request.has_message_id() && message.message_id() != request.message_id())
                || (request.has_message_user_id() && message.message_user_id() != request.message_user_id())
                || (request.has_message_folder_id() && message.message_folder_id() != request.message_folder_id()))
                continue;
            *reply.add_message() = message;
        }
        answer.payload = reply.SerializeAsString();
        return answer;
    });
}

void MessageStore::addMessage(const qorv::data::Message &message)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_messages.push_back(message);
}
}
