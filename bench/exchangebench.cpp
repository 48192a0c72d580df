// One whole exchange on 127.0.0.1 as the client makes it (frame, cipher, one
// connection each way), against a bare client that connects, seals the same
// payload under AES-128-GCM, writes the frame in one call, reads the reply,
// opens it and closes. Both talk to the same echo peer, which does the same
// work for either, so that only the client side differs.
#include "baregcm.h"
#include "benchpair.h"
#include "loopbackechopeer.h"

#include "cryptographer.h"
#include "messagedispatcher.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>

namespace
{
constexpr int EchoOpcode = 57;

// The key the client seals under before anyone has logged on.
bench::BareGcm::Key ClientKey()
{
    const unsigned char *key = CryptographerSingleton::instance()->getEkey();
    if (!key)
        throw bench::Failure("the client's key cannot be read");
    bench::BareGcm::Key copy{};
    std::memcpy(copy.data(), key, copy.size());
    return copy;
}

// The one peer of a pair, made by whichever side gets ready first and gone
// with the last of their rounds.
class SharedPeer
{
public:
    std::shared_ptr<bench::LoopbackEchoPeer> get()
    {
        std::shared_ptr<bench::LoopbackEchoPeer> peer = m_peer.lock();
        if (!peer) {
            peer = std::make_shared<bench::LoopbackEchoPeer>(ClientKey());
            if (!peer->isListening())
                throw bench::Failure("the echo peer did not start");
            m_peer = peer;
        }
        return peer;
    }

private:
    std::weak_ptr<bench::LoopbackEchoPeer> m_peer;
};

bench::Round ProjectExchange(SharedPeer &shared, std::size_t size, int calls)
{
    std::shared_ptr<bench::LoopbackEchoPeer> peer = shared.get();
    MessageDispatcher::setServerName("127.0.0.1");
    MessageDispatcher::setServerPort(peer->port());
    return bench::Repeated(calls, [peer, request = std::string(size, 'q'), size] {
        MessageDispatcher dispatcher(EchoOpcode, 1, request);
        if (!dispatcher.dispatch() || dispatcher.getReply().size() != size)
            throw bench::Failure("the exchange failed");
        benchmark::DoNotOptimize(dispatcher.getReply().data());
    });
}

bench::Round BareExchange(SharedPeer &shared, std::size_t size, int calls)
{
    std::shared_ptr<bench::LoopbackEchoPeer> peer = shared.get();
    auto exchange = std::make_shared<bench::BareExchange>(ClientKey());
    auto reply = std::make_shared<std::string>();
    return bench::Repeated(calls, [peer, exchange, reply, request = std::string(size, 'q'), size] {
        if (!(*exchange)(peer->port(), request, *reply) || reply->size() != size)
            throw bench::Failure("the bare exchange failed");
        benchmark::DoNotOptimize(reply->data());
    });
}

const bool Registered = [] {
    for (const std::size_t size : {std::size_t(1024), std::size_t(1024 * 1024)}) {
        const int calls = size == 1024 ? 200 : 10;
        auto peer = std::make_shared<SharedPeer>();
        bench::RegisterPair(
            std::string("exchange/") + (size == 1024 ? "1KiB" : "1MiB"),
            [peer, size, calls] { return ProjectExchange(*peer, size, calls); },
            [peer, size, calls] { return BareExchange(*peer, size, calls); });
    }
    return true;
}();
}
