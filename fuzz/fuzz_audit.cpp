// The audit-line builder on audited replies: the log-event factory over
// (major, minor, request, codes, reply) as the router calls it, with a user
// whose audit mask selects every line and its details, and the line rendered.
#include "fuzzinput.h"
#include "logeventfactory.h"
#include "messagedispatcher.h"
#include "registry.h"
#include "replylogevent.h"

#include "common/majorcode.h"
#include "securitydescriptor3.pb.h"
#include "user3.pb.h"

#include <ace/Log_Msg.h>
#include <google/protobuf/stubs/logging.h>

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>

namespace
{
// The audited server operations, and one that is not audited.
constexpr common::Opcode Majors[] = {
    common::op::AuthenticateUser,      common::op::TerminateUserSession,
    common::op::DeleteDocument,        common::op::DeleteFolder,
    common::op::DeleteMessageDocument, common::op::DeleteMessage,
    common::op::DeleteMessageUser,     common::op::InsertDocumentKey,
    common::op::InsertDocument,        common::op::InsertFolderKey,
    common::op::InsertFolder,          common::op::InsertMessageDocument,
    common::op::InsertMessage,         common::op::InsertMessageUser,
    common::op::SelectDocument,        common::op::SelectFolder,
    common::op::SelectMessage,         common::op::SelectUser,
    common::op::UpdateDocument,        common::op::UpdateFolder,
    common::op::UpdateMessage,         2,
};
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    ACE_Log_Msg::instance()->priority_mask(0, ACE_Log_Msg::PROCESS);
    // Texts that are not UTF-8 are refused by the parser with a log line each.
    google::protobuf::SetLogHandler(nullptr);
    qorv::data::User user;
    user.set_user_id(1001);
    user.set_user_name("jdoe");
    user.mutable_user_security_descriptor()->set_audits(0xFFFFFFFFu);
    RegistrySingleton::instance()->setUser(user);
    // A numeric address, so that no line waits on a name server.
    MessageDispatcher::setServerName("127.0.0.1");
    MessageDispatcher::setServerPort(4433);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const common::Opcode major = Majors[input.byte() % std::size(Majors)];
    const common::Opcode minor = static_cast<std::int8_t>(input.byte());
    // Mostly success, sometimes each kind of failure pair.
    const common::Ercode majorErcode = static_cast<std::int8_t>(input.byte());
    const common::Ercode minorErcode = static_cast<std::int8_t>(input.byte());
    const std::string request = input.text();
    const std::string reply = input.rest();
    const std::unique_ptr<ReplyLogEvent> event =
        MakeReplyLogEvent(major, minor, request, majorErcode, minorErcode, reply);
    if (event) {
        const std::string line = (*event)();
        asm volatile("" : : "r"(line.data()) : "memory");
    }
    return 0;
}
