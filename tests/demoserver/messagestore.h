#ifndef MESSAGESTORE_H
#define MESSAGESTORE_H

#include "testserver.h"

#include "message3.pb.h"

#include <mutex>
#include <vector>

namespace demoserver
{
// The server's side of messages, answering the select of messages (50) on a
// TestServer by the message, its author or the author's message folder; the
// other criteria of the request are not modelled and select everything.
class MessageStore
{
public:
    explicit MessageStore(testsupport::TestServer &server);

    void install();
    void addMessage(const qorv::data::Message &message);

private:
    testsupport::TestServer &m_server;
    mutable std::mutex m_mutex;
    std::vector<qorv::data::Message> m_messages;
};
}

#endif // MESSAGESTORE_H
