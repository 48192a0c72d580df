#include "messagedispatcher.h"

#include "cryptographer.h"
#include "isvalidport.h"
#include "message.h"
#include "qorvassert.h"

#include <ace/Log_Msg.h>

#include <exception>

std::string MessageDispatcher::m_serverName;
int MessageDispatcher::m_serverPort = 0;
DbId MessageDispatcher::m_sessionId(DbId::m_NullId);
std::string MessageDispatcher::m_sessionCreationDate;

MessageDispatcher::MessageDispatcher(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request)
    : m_majorOpcode(majorOpcode)
    , m_minorOpcode(minorOpcode)
    , m_request(request)
{
}

bool MessageDispatcher::dispatch()
{
    Message message(static_cast<unsigned short>(m_serverPort), m_serverName.c_str());
    message.setMajorOpcode(m_majorOpcode);
    message.setMinorOpcode(m_minorOpcode);
    message.setSessionId(m_sessionId);
    // A request that could not be sealed is not sent at all.
    if (!sealRequest(message))
        return false;
    return dispatchMessage(message);
}

bool MessageDispatcher::sealRequest(Message &message)
{
    // Without the session key the frame would go out under the all-zero key,
    // which any listener can open.
    const unsigned char *key = CryptographerSingleton::instance()->getEkey();
    if (!key) {
        ACE_ERROR((LM_WARNING, ACE_TEXT("(%P|%t) MessageDispatcher::sealRequest(): the session key cannot be read, ")
                                   ACE_TEXT("nothing sent\n")));
        return false;
    }
    try {
        const int length = message.encrypt(key, m_request);
        if (m_request.empty() || length == static_cast<int>(m_request.size()))
            return true;
        ACE_ERROR((LM_ERROR,
                   ACE_TEXT("(%P|%t) MessageDispatcher::sealRequest(): the cipher sealed %d of %B bytes, ")
                       ACE_TEXT("nothing sent\n"),
                   length, m_request.size()));
    } catch (const std::exception &error) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("(%P|%t) MessageDispatcher::sealRequest(): %C, nothing sent\n"), error.what()));
    }
    return false;
}

bool MessageDispatcher::dispatchMessage(Message &message)
{
    if (message.connect() != 0 || message.send() < 0 || message.receive() != 0) {
        m_majorErcode = message.getMajorErcode();
        m_minorErcode = message.getMinorErcode();
        return false;
    }
    return openReply(message);
}

bool MessageDispatcher::openReply(Message &message)
{
    const unsigned char *key = CryptographerSingleton::instance()->getEkey();
    if (!key) {
        ACE_ERROR(
            (LM_WARNING,
             ACE_TEXT("(%P|%t) MessageDispatcher::openReply(): the session key cannot be read, reply dropped\n")));
        return false;
    }
    try {
        if (message.decrypt(key) <= 0) {
            ACE_ERROR((LM_WARNING,
                       ACE_TEXT("(%P|%t) MessageDispatcher::openReply(): the reply did not authenticate and is ")
                           ACE_TEXT("dropped\n")));
            return false;
        }
    } catch (const std::exception &error) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("(%P|%t) MessageDispatcher::openReply(): %C, reply dropped\n"), error.what()));
        return false;
    }

    m_majorErcode = message.getMajorErcode();
    m_minorErcode = message.getMinorErcode();
    // The server may renumber the session at any reply; the next request
    // must carry whatever it said last.
    m_sessionId = message.getSessionId();
    m_reply = message.takeBody();
    return true;
}

void MessageDispatcher::setServerName(const std::string &name)
{
    QORV_ASSERT(!name.empty());
    if (name.empty())
        return;
    m_serverName = name;
}

std::string MessageDispatcher::getServerName()
{
    return m_serverName;
}

void MessageDispatcher::setServerPort(int port)
{
    QORV_ASSERT(network::IsValidPort(port));
    if (!network::IsValidPort(port))
        return;
    m_serverPort = port;
}

int MessageDispatcher::getServerPort()
{
    return m_serverPort;
}

void MessageDispatcher::setSessionId(int id)
{
    m_sessionId = id;
}

int MessageDispatcher::getSessionId()
{
    return m_sessionId;
}

void MessageDispatcher::setSessionCreationDate(const std::string &date)
{
    m_sessionCreationDate = date;
}

std::string MessageDispatcher::getSessionCreationDate()
{
    return m_sessionCreationDate;
}
