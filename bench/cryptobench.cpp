// Sealing and opening a payload: the frame path a real request and its reply
// take, against OpenSSL's AES-128-GCM doing only the cipher work on the same
// bytes.
#include "benchpair.h"

#include "message.h"
#include "messagedispatcher.h"
#include "openssldeleters.h"

#include <openssl/evp.h>

#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace
{
const std::array<unsigned char, 16> SessionKey = {0x3c, 0x01, 0x9f, 0x44, 0x70, 0x12, 0xd5, 0x8e,
                                                  0x21, 0xab, 0x05, 0x6d, 0xe0, 0x37, 0xc8, 0x99};

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
void FramePath(benchmark::State &state, std::size_t size)
{
    const std::string request = Payload(size);
    for (auto _ : state) {
        MessageDispatcher dispatcher(57, 1, request);
        Message message(4000, "127.0.0.1");
        message.setMajorOpcode(57);
        message.setMinorOpcode(1);
        if (!dispatcher.sealRequest(message) || !dispatcher.openReply(message))
            state.SkipWithError("the frame did not round-trip");
        benchmark::DoNotOptimize(dispatcher.getReply().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

// Only the cipher: one fetched cipher, one context each way, buffers made once.
void BareCipher(benchmark::State &state, std::size_t size)
{
    const std::string plain = Payload(size);
    std::unique_ptr<unsigned char[]> sealed(new unsigned char[size]);
    std::unique_ptr<unsigned char[]> opened(new unsigned char[size]);
    std::array<unsigned char, 16> iv{};
    std::array<unsigned char, 16> tag{};
    const EvpCipherPtr cipher(EVP_CIPHER_fetch(nullptr, "AES-128-GCM", nullptr));
    const EvpCipherCtxPtr seal(EVP_CIPHER_CTX_new());
    const EvpCipherCtxPtr open(EVP_CIPHER_CTX_new());
    if (!cipher || !seal || !open || !EVP_EncryptInit_ex2(seal.get(), cipher.get(), nullptr, nullptr, nullptr)
        || !EVP_DecryptInit_ex2(open.get(), cipher.get(), nullptr, nullptr, nullptr)) {
        state.SkipWithError("no AES-128-GCM");
        return;
    }
    for (auto _ : state) {
        int length = 0;
        int finalLength = 0;
        bool ok = EVP_EncryptInit_ex2(seal.get(), nullptr, SessionKey.data(), iv.data(), nullptr)
                  && EVP_EncryptUpdate(seal.get(), sealed.get(), &length,
                                       reinterpret_cast<const unsigned char *>(plain.data()), static_cast<int>(size))
                  && EVP_EncryptFinal_ex(seal.get(), sealed.get() + length, &finalLength)
                  && EVP_CIPHER_CTX_ctrl(seal.get(), EVP_CTRL_GCM_GET_TAG, 16, tag.data());
        ok = ok && EVP_DecryptInit_ex2(open.get(), nullptr, SessionKey.data(), iv.data(), nullptr)
             && EVP_DecryptUpdate(open.get(), opened.get(), &length, sealed.get(), static_cast<int>(size))
             && EVP_CIPHER_CTX_ctrl(open.get(), EVP_CTRL_GCM_SET_TAG, 16, tag.data())
             && EVP_DecryptFinal_ex(open.get(), opened.get() + length, &finalLength);
        if (!ok)
            state.SkipWithError("the cipher failed");
        benchmark::DoNotOptimize(opened.get());
        ++iv[0];
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

const bool Registered = [] {
    for (const std::size_t size : {std::size_t(1024), std::size_t(1024 * 1024)}) {
        bench::RegisterPair(std::string("seal+open/") + (size == 1024 ? "1KiB" : "1MiB"),
                            [size](benchmark::State &state) { FramePath(state, size); },
                            [size](benchmark::State &state) { BareCipher(state, size); });
    }
    return true;
}();
}
