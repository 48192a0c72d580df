// One whole exchange with the test server on 127.0.0.1 (frame, cipher, one
// connection each way, the server's own work included), against a bare TCP
// connect, send, receive and close of the same bytes to a peer that only
// echoes them.
#include "benchpair.h"
#include "loopbackechopeer.h"

#include "messagedispatcher.h"
#include "testserver.h"

#include <memory>
#include <string>

namespace
{
constexpr int EchoOpcode = 57;

void ProjectExchange(benchmark::State &state, std::size_t size)
{
    testsupport::TestServer server;
    if (!server.start()) {
        state.SkipWithError("the test server did not start");
        return;
    }
    server.onRequest(EchoOpcode, [](const testsupport::TestRequest &request) {
        testsupport::TestReply reply;
        reply.payload = request.payload;
        return reply;
    });
    MessageDispatcher::setServerName("127.0.0.1");
    MessageDispatcher::setServerPort(server.port());

    const std::string request(size, 'q');
    for (auto _ : state) {
        MessageDispatcher dispatcher(EchoOpcode, 1, request);
        if (!dispatcher.dispatch() || dispatcher.getReply().size() != size)
            state.SkipWithError("the exchange failed");
        benchmark::DoNotOptimize(dispatcher.getReply().data());
        // The test server keeps every request; a long run must not grow it.
        server.clearRequests();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(2 * state.iterations() * size));
}

void BareExchange(benchmark::State &state, std::size_t size)
{
    bench::LoopbackEchoPeer peer(size);
    if (!peer.isListening()) {
        state.SkipWithError("the echo peer did not start");
        return;
    }
    const std::string request(size, 'q');
    std::unique_ptr<char[]> back(new char[size]);
    for (auto _ : state) {
        if (!bench::BareExchange(peer.port(), request.data(), back.get(), size))
            state.SkipWithError("the bare exchange failed");
        benchmark::DoNotOptimize(back.get());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(2 * state.iterations() * size));
}

const bool Registered = [] {
    for (const std::size_t size : {std::size_t(1024), std::size_t(1024 * 1024)}) {
        const bench::Pair pair =
            bench::RegisterPair(std::string("exchange/") + (size == 1024 ? "1KiB" : "1MiB"),
                                [size](benchmark::State &state) { ProjectExchange(state, size); },
                                [size](benchmark::State &state) { BareExchange(state, size); });
        pair.project->UseRealTime();
        pair.bare->UseRealTime();
    }
    return true;
}();
}
