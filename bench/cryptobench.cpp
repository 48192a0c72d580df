// Sealing and opening a payload: the frame path a real request and its reply
// take, against OpenSSL's AES-128-GCM doing only the cipher work on the same
// bytes.
#include "baregcm.h"
#include "benchpair.h"

#include "message.h"
#include "messagedispatcher.h"

#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>

namespace
{

std::string Payload(std::size_t size)
{
    std::string payload(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        payload[i] = static_cast<char>(i * 131 % 251);
    return payload;
}

// The request goes into a frame and is sealed as dispatch() seals it; the
// sealed frame then comes back as the reply and is opened and handed out as
// dispatch() and getReply() hand it out.
bench::Round FramePath(std::size_t size, int calls)
{
    return bench::Repeated(calls, [request = Payload(size)] {
        MessageDispatcher dispatcher(57, 1, request);
        Message message(4000, "127.0.0.1");
        message.setMajorOpcode(57);
        message.setMinorOpcode(1);
        if (!dispatcher.sealRequest(message) || !dispatcher.openReply(message))
            throw bench::Failure("the frame did not round-trip");
        benchmark::DoNotOptimize(dispatcher.getReply().data());
    });
}

// Only the cipher: one fetched cipher, one context each way, buffers made once.
bench::Round BareCipher(std::size_t size, int calls)
{
    auto cipher = std::make_shared<bench::BareGcm>();
    auto plain = std::make_shared<const std::string>(Payload(size));
    auto sealed = std::make_shared<std::string>(size, '\0');
    auto opened = std::make_shared<std::string>(size, '\0');
    auto iv = std::make_shared<bench::BareGcm::Iv>();
    return bench::Repeated(calls, [cipher, plain, sealed, opened, iv] {
        bench::BareGcm::Tag tag{};
        ++(*iv)[0];
        if (!cipher->seal(plain->data(), plain->size(), sealed->data(), *iv, tag)
            || !cipher->open(sealed->data(), sealed->size(), opened->data(), *iv, tag))
            throw bench::Failure("the cipher failed");
        benchmark::DoNotOptimize(opened->data());
    });
}

const bool Registered = [] {
    for (const std::size_t size : {std::size_t(1024), std::size_t(1024 * 1024)}) {
        const int calls = size == 1024 ? 2000 : 20;
        bench::RegisterPair(
            std::string("seal+open/") + (size == 1024 ? "1KiB" : "1MiB"),
            [size, calls] { return FramePath(size, calls); }, [size, calls] { return BareCipher(size, calls); });
    }
    return true;
}();
}
