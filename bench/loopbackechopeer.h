#ifndef LOOPBACKECHOPEER_H
#define LOOPBACKECHOPEER_H

#include <atomic>
#include <cstddef>
#include <thread>

namespace bench
{
// The least a server can do on 127.0.0.1: accept, read exactly the agreed
// number of bytes, write them back, close. No framing, no cipher.
class LoopbackEchoPeer
{
public:
    explicit LoopbackEchoPeer(std::size_t size);
    ~LoopbackEchoPeer();

    LoopbackEchoPeer(const LoopbackEchoPeer &) = delete;
    LoopbackEchoPeer &operator=(const LoopbackEchoPeer &) = delete;

    bool isListening() const { return m_listener >= 0; }
    unsigned short port() const { return m_port; }

private:
    void run();

    std::size_t m_size;
    int m_listener = -1;
    unsigned short m_port = 0;
    std::atomic<bool> m_stopping{false};
    std::thread m_thread;
};

// One bare exchange with such a peer: connect, send the bytes, read as many
// back, close. False when any step failed.
bool BareExchange(unsigned short port, const char *bytes, char *back, std::size_t size);
}

#endif // LOOPBACKECHOPEER_H
