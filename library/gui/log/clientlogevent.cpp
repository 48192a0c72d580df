#include "clientlogevent.h"

#include "auditedid.h"
#include "auditedrecord.h"
#include "dbid.h"
#include "eventidentity.h"
#include "messagedispatcher.h"

#include <QCoreApplication>

#include <ace/INET_Addr.h>

#include <google/protobuf/message_lite.h>

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

void ClientLogEvent::setIdentity(const EventIdentity &identity)
{
    m_cefDeviceEventClassId = identity.classId;
    m_cefName = identity.name.toStdString();
    m_cefSeverity = identity.severity;
}

bool ClientLogEvent::parse(const std::string &payload, google::protobuf::MessageLite *message)
{
    if (message->ParseFromString(payload))
        return true;
    return refuse("ParseFromString failed!");
}

bool ClientLogEvent::require(bool present, const char *missing)
{
    return present || refuse(missing);
}

void ClientLogEvent::addLabelled(const std::string &key, const char *labelKey, int value)
{
    addKeyValuePair(key + "Label", label(labelKey));
    addKeyValuePair(key, value);
}

void ClientLogEvent::addLabelledText(const std::string &key, const char *labelKey, const std::string &text)
{
    if (text.empty())
        return;
    addKeyValuePair(key + "Label", label(labelKey));
    addKeyValuePair(key, text);
}

bool ClientLogEvent::addRecordId(const AuditedRecord &record, NameRule nameRule)
{
    if (!record.present)
        return refuse(record.kind->missingRecord);
    if (!record.hasId)
        return refuse(record.kind->missingId);
    if (nameRule == NameRule::Required && !record.hasName)
        return refuse(record.kind->missingName);
    if (DbId(record.id).null())
        return refuse(record.kind->invalidId);
    addLabelled("cn1", record.kind->idLabel, record.id);
    return true;
}

bool ClientLogEvent::addRecordName(const AuditedRecord &record, NameRule nameRule)
{
    if (!record.present)
        return refuse(record.kind->missingRecord);
    if (nameRule == NameRule::Required && !record.hasName)
        return refuse(record.kind->missingName);
    addLabelledText("cs1", record.kind->nameLabel, record.name);
    return true;
}

bool ClientLogEvent::addRecordKeys(const AuditedRecord &record, NameRule nameRule)
{
    // The name was judged with the id, so the details only add it.
    return addRecordId(record, nameRule) && (!addEventDetails() || addRecordName(record, NameRule::Optional));
}

bool ClientLogEvent::addIdPair(const std::pair<AuditedId, AuditedId> &ids)
{
    const auto &[first, second] = ids;
    if (!first.present)
        return refuse(first.missing);
    if (!second.present)
        return refuse(second.missing);
    if (DbId(first.id).null())
        return refuse(first.invalid);
    if (DbId(second.id).null())
        return refuse(second.invalid);
    addLabelled("cn1", first.label, first.id);
    addLabelled("cn2", second.label, second.id);
    return true;
}
