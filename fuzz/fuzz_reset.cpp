// The verify-reply decoders of the forgotten password and forgotten user name:
// the first byte picks the reply, the rest is its decrypted payload, which is
// parsed and its authorization code RSA-decrypted with this build's client
// key, as the log-on dialog's reset flows do.
#include "fuzzinput.h"
#include "verifypasswordresetclientpkihandler.h"
#include "verifyusernameresetclientpkihandler.h"

#include "verifypasswordresetreply3.pb.h"
#include "verifyusernameresetreply3.pb.h"

#include <ace/Log_Msg.h>
#include <google/protobuf/stubs/logging.h>

#include <cstddef>
#include <cstdint>

namespace
{
template <class Handler, class Reply, class Read>
void Decode(const std::string &payload, Read read)
{
    Reply reply;
    if (!reply.ParseFromString(payload))
        return;
    Handler handler;
    if (handler.decryptReply(reply) == 0)
        (void)(handler.*read)();
}
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    ACE_Log_Msg::instance()->priority_mask(0, ACE_Log_Msg::PROCESS);
    // Texts that are not UTF-8 are refused by the parser with a log line each.
    google::protobuf::SetLogHandler(nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const bool password = input.byte() % 2 == 0;
    const std::string payload = input.rest();
    if (password)
        Decode<VerifyPasswordResetClientPkiHandler, qorv::data::VerifyPasswordResetReply>(
            payload, &VerifyPasswordResetClientPkiHandler::getDecryptedPasswordResetAuthcode);
    else
        Decode<VerifyUserNameResetClientPkiHandler, qorv::data::VerifyUserNameResetReply>(
            payload, &VerifyUserNameResetClientPkiHandler::getDecryptedUserNameResetAuthcode);
    return 0;
}
