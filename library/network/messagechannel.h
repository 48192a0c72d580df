#ifndef MESSAGECHANNEL_H
#define MESSAGECHANNEL_H

#include <ace/SOCK_Connector.h>
#include <ace/SOCK_Stream.h>

#include <cstddef>
#include <string>
#include <sys/types.h>
#include <sys/uio.h>

// The TCP connection of one frame. It is opened once, used for one request
// and its reply, and closed when the frame goes away; every read and write
// blocks without a time-out.
class MessageChannel
{
public:
    MessageChannel(unsigned short port, const std::string &host);
    virtual ~MessageChannel();

    MessageChannel(const MessageChannel &) = delete;
    MessageChannel &operator=(const MessageChannel &) = delete;

    unsigned short getPort() const { return m_port; }
    const std::string &getHost() const { return m_host; }
    ACE_SOCK_Connector &getSockConnector() { return m_sockConnector; }
    ACE_SOCK_Stream &getSockStream() { return m_sockStream; }

    // 0 when connected to the host and port, -1 otherwise.
    int connect();

    // Writes every buffer in one gathered write; returns the bytes written,
    // or -1 when the connection failed before all of them went out.
    ssize_t sendAll(const iovec buffers[], int count);

    // Reads exactly length bytes into buffer; false when fewer arrive.
    bool receiveExact(void *buffer, std::size_t length);

    // Reads exactly length bytes into text. The text grows only as the bytes
    // arrive, so a length announced by the peer reserves no memory it does
    // not actually send.
    bool receiveExact(std::string &text, std::size_t length);

private:
    unsigned short m_port;
    std::string m_host;
    ACE_SOCK_Stream m_sockStream;
    ACE_SOCK_Connector m_sockConnector;
};

#endif // MESSAGECHANNEL_H
