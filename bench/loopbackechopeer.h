#ifndef LOOPBACKECHOPEER_H
#define LOOPBACKECHOPEER_H

#include "baregcm.h"

#include <atomic>
#include <string>
#include <thread>

namespace bench
{
// The peer of both sides of the exchange case, on 127.0.0.1: accepts, reads
// one frame, opens its payload, seals it again under a fresh nonce, writes
// the reply frame and closes. It does the same for the client's frames as for
// the bare ones, so that only the client side differs between the two.
class LoopbackEchoPeer
{
public:
    explicit LoopbackEchoPeer(const BareGcm::Key &key);
    ~LoopbackEchoPeer();

    LoopbackEchoPeer(const LoopbackEchoPeer &) = delete;
    LoopbackEchoPeer &operator=(const LoopbackEchoPeer &) = delete;

    bool isListening() const { return m_listener >= 0; }
    unsigned short port() const { return m_port; }

private:
    void run();
    void answer(int connection);

    BareGcm m_gcm;
    BareGcm::Iv m_iv{};
    std::string m_frame;
    std::string m_plain;
    std::string m_sealed;
    int m_listener = -1;
    unsigned short m_port = 0;
    std::atomic<bool> m_stopping{false};
    std::thread m_thread;
};

// The least a client can do for one exchange with such a peer: connect, seal
// the request into a frame written in one call, read the reply frame, open
// it into reply, close. False when any step failed.
class BareExchange
{
public:
    explicit BareExchange(const BareGcm::Key &key);

    bool operator()(unsigned short port, const std::string &request, std::string &reply);

private:
    BareGcm m_gcm;
    BareGcm::Iv m_iv{};
    std::string m_sealed;
    std::string m_frame;
};
}

#endif // LOOPBACKECHOPEER_H
