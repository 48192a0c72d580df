#include "messagewriter.h"

#include "currenttimestamp.h"
#include "dbid.h"
#include "dbtimestamp.h"
#include "messagereader.h"
#include "timezonedatabase.h"

namespace
{
// Bit 0 of the active word: the message is switched on.
constexpr unsigned int ActiveSwitch = 0;

const char *const MidnightTime = "00:00:00";
}

MessageWriter::MessageWriter(qorv::data::Message &message)
    : m_message(&message)
{
    initialize();
}

MessageWriter::MessageWriter(qorv::data::Message &message, const qorv::data::User &user)
    : m_message(&message)
{
    qorv::data::User *sender = m_message->mutable_message_sender();
    if (sender != &user)
        sender->CopyFrom(user);
    if (!m_message->has_message_user_id())
        m_message->set_message_user_id(user.user_id());
    initialize();
}

MessageWriter::~MessageWriter() = default;

MessageWriter &MessageWriter::operator=(const MessageReader &reader)
{
    const qorv::data::Message &source = reader;
    if (&source != m_message)
        m_message->CopyFrom(source);
    return *this;
}

void MessageWriter::initialize()
{
    qorv::data::Message &message = *m_message;
    if (!message.has_message_id())
        message.set_message_id(DbId::m_NullId);
    if (!message.has_message_user_id())
        message.set_message_user_id(DbId::m_NullId);
    if (!message.has_message_folder_id() && !message.has_message_user_message_folder_id())
        setFolderId(DbId::m_NullId);
    // A message that answers no other message hangs below the root.
    if (!message.has_message_parent_id())
        message.set_message_parent_id(DbId::m_RootId);
    if (!message.has_message_parent_relation())
        message.set_message_parent_relation(qorv::data::Message::PARENT_RELATION_NONE);
    if (!message.has_message_subject())
        message.set_message_subject(std::string());
    if (!message.has_message_description())
        message.set_message_description(std::string());
    if (!message.has_message_properties())
        message.set_message_properties(0);
    if (!message.has_message_creation_date())
        message.set_message_creation_date(records::CurrentTimestamp().toDbString());
    // A second reading, so that the modification follows the creation.
    if (!message.has_message_modification_date())
        message.set_message_modification_date(records::CurrentTimestamp().toDbString());
    if (!message.has_message_body())
        message.set_message_body(std::string());
    if (!message.has_message_body_format())
        message.set_message_body_format(HtmlFormat);

    // An absent descriptor reads as the empty one, which lacks every field.
    const qorv::data::SecurityDescriptor &present = message.message_security_descriptor();
    if (!present.has_active())
        setActive(true);
    qorv::data::SecurityDescriptor &target = descriptor();
    if (!target.has_active_region())
        target.set_active_region(TimeZoneDatabase::instance()->getDefaultTimeZoneRegion());
    if (!target.has_active_from())
        target.set_active_from(MidnightTime);
    if (!target.has_active_to())
        target.set_active_to(MidnightTime);
    if (!target.has_audits())
        target.set_audits(0);
    if (!target.has_password())
        target.set_password(std::string());
    if (!target.has_permissions())
        target.set_permissions(0);
    if (!target.has_session_duration())
        target.set_session_duration(0);
    if (!target.has_expiration_date())
        target.set_expiration_date(DbTimestamp(DbTimestamp::m_MaxTimestamp).toDbString());
    if (!target.has_expiration_action())
        target.set_expiration_action(0);
}

void MessageWriter::setId(int id)
{
    m_message->set_message_id(id);
}

void MessageWriter::setUserId(int id)
{
    m_message->set_message_user_id(id);
}

void MessageWriter::setParentId(int id)
{
    m_message->set_message_parent_id(id);
}

void MessageWriter::setFolderId(int id)
{
    if (m_message->message_user_is_recipient())
        m_message->set_message_user_message_folder_id(id);
    else
        m_message->set_message_folder_id(id);
}

void MessageWriter::setParentRelation(qorv::data::Message_rfield relation)
{
    m_message->set_message_parent_relation(relation);
}

void MessageWriter::setSubject(const std::string &subject)
{
    m_message->set_message_subject(subject);
}

void MessageWriter::setDescription(const std::string &description)
{
    m_message->set_message_description(description);
}

void MessageWriter::setBody(const std::string &body)
{
    m_message->set_message_body(body);
}

void MessageWriter::setProperties(int properties)
{
    m_message->set_message_properties(static_cast<unsigned int>(properties));
}

void MessageWriter::setCreationDate(const std::string &date)
{
    m_message->set_message_creation_date(date);
}

void MessageWriter::setModificationDate(const std::string &date)
{
    m_message->set_message_modification_date(date);
}

void MessageWriter::setBodyFormat(TextFormat format)
{
    m_message->set_message_body_format(format);
}

void MessageWriter::setActive(bool value)
{
    qorv::data::SecurityDescriptor &target = descriptor();
    target.set_active(setBit(ActiveSwitch, target.active(), value));
}

void MessageWriter::setPermission(Permission permission, bool value)
{
    qorv::data::SecurityDescriptor &target = descriptor();
    target.set_permissions(setBit(permission, target.permissions(), value));
}

void MessageWriter::setPermissions(int permissions)
{
    descriptor().set_permissions(static_cast<unsigned int>(permissions));
}

void MessageWriter::setAudits(int audits)
{
    descriptor().set_audits(static_cast<unsigned int>(audits));
}

void MessageWriter::setExpirationAction(int action)
{
    descriptor().set_expiration_action(static_cast<unsigned int>(action));
}

void MessageWriter::setSessionDuration(int seconds)
{
    descriptor().set_session_duration(seconds);
}

void MessageWriter::setPassword(const std::string &password)
{
    descriptor().set_password(password);
}

void MessageWriter::setExpirationDate(const std::string &date)
{
    descriptor().set_expiration_date(date);
}

void MessageWriter::setActiveFrom(const std::string &time)
{
    descriptor().set_active_from(time);
}

void MessageWriter::setActiveTo(const std::string &time)
{
    descriptor().set_active_to(time);
}

void MessageWriter::setActiveRegion(const std::string &region)
{
    descriptor().set_active_region(region);
}

qorv::data::SecurityDescriptor &MessageWriter::descriptor()
{
    return *m_message->mutable_message_security_descriptor();
}
