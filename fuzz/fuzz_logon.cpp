// The log-on reply decoder: the input is the decrypted payload of a log-on
// reply, as the console hands it on. An accepted reply is RSA-decrypted field
// by field with this build's client key and, when every field reads, installs
// the session key and the user.
#include "logoncompletion.h"

#include <ace/Log_Msg.h>
#include <google/protobuf/stubs/logging.h>

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    ACE_Log_Msg::instance()->priority_mask(0, ACE_Log_Msg::PROCESS);
    // Texts that are not UTF-8 are refused by the parser with a log line each.
    google::protobuf::SetLogHandler(nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    LogOnCompletion completion;
    (void)completion.complete(std::string(reinterpret_cast<const char *>(data), size));
    return 0;
}
