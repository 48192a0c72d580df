#include "clientlogevent.h"

#include "messagedispatcher.h"

#include <QCoreApplication>

#include <ace/INET_Addr.h>

namespace
{
// The server's address as the resolver gives it now, or false when the name
// does not resolve (an empty name included); the line then names no server.
bool ResolveServer(ACE_INET_Addr *address)
{
    const std::string name = MessageDispatcher::getServerName();
    const auto port = static_cast<u_short>(MessageDispatcher::getServerPort());
    if (address->set(port, name.c_str(), 1, AF_UNSPEC) != 0)
        return false;
    // A name that resolves to an IPv4 address comes back as an IPv4-mapped
    // IPv6 address; the line shows the IPv4 address it stands for.
    if (address->is_ipv4_mapped_ipv6()) {
        const ACE_UINT32 ipv4 = address->get_ip_address();
        return address->set(port, ipv4) == 0;
    }
    return true;
}
}

ClientLogEvent::ClientLogEvent(QObject *parent)
    : LogEvent(parent)
{
    m_cefDeviceVendor = QCoreApplication::organizationName().toStdString();
    m_cefDeviceProduct = QCoreApplication::applicationName().toStdString();
    m_cefDeviceVersion = QCoreApplication::applicationVersion().toStdString();

    ACE_INET_Addr address;
    if (ResolveServer(&address)) {
        const int port = address.get_port_number();
        if (port != 0)
            addKeyValuePair("dpt", port);
        char host[INET6_ADDRSTRLEN + 1] = {};
        if (address.get_host_addr(host, sizeof host) != nullptr && host[0] != '\0')
            addKeyValuePair("dst", std::string(host));
    }

    // The null session id of a client that has not logged on is negative.
    const int sessionId = MessageDispatcher::getSessionId();
    if (sessionId > 0)
        addKeyValuePair("externalId", sessionId);
}

ClientLogEvent::~ClientLogEvent() = default;

std::string ClientLogEvent::label(const char *key)
{
    return tr(key).toStdString();
}
