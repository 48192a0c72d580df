#include "messagereader.h"

#include "dbid.h"
#include "dbtimestamp.h"
#include "displayname.h"

#include "message3.pb.h"

namespace
{
int IdOrNull(bool present, int id)
{
    return present ? id : DbId::m_NullId;
}

std::string IsoDate(bool present, const std::string &text)
{
    return present ? DbTimestamp(text).toIsoString() : std::string();
}

std::string DisplayDate(bool present, const std::string &text)
{
    return present ? DbTimestamp(text).toDisplayString() : std::string();
}

// Absent or unknown relation.
constexpr int NoParentRelation = -1;
}

MessageReader::MessageReader(const qorv::data::Message &message)
    : m_message(&message)
{
}

MessageReader::~MessageReader() = default;

MessageReader::operator const qorv::data::Message &() const
{
    return *m_message;
}

int MessageReader::id() const
{
    return IdOrNull(m_message->has_message_id(), m_message->message_id());
}

int MessageReader::userId() const
{
    return IdOrNull(m_message->has_message_user_id(), m_message->message_user_id());
}

int MessageReader::parentId() const
{
    return IdOrNull(m_message->has_message_parent_id(), m_message->message_parent_id());
}

int MessageReader::parentRelation() const
{
    return m_message->has_message_parent_relation() ? m_message->message_parent_relation() : NoParentRelation;
}

std::string MessageReader::subject() const
{
    return m_message->message_subject();
}

std::string MessageReader::description() const
{
    return m_message->message_description();
}

std::string MessageReader::body() const
{
    return m_message->message_body();
}

unsigned int MessageReader::properties() const
{
    return m_message->message_properties();
}

int MessageReader::bodyFormat() const
{
    return m_message->message_body_format();
}

std::string MessageReader::creationDate() const
{
    return IsoDate(m_message->has_message_creation_date(), m_message->message_creation_date());
}

std::string MessageReader::modificationDate() const
{
    return IsoDate(m_message->has_message_modification_date(), m_message->message_modification_date());
}

std::string MessageReader::creationDateDisplay() const
{
    return DisplayDate(m_message->has_message_creation_date(), m_message->message_creation_date());
}

std::string MessageReader::modificationDateDisplay() const
{
    return DisplayDate(m_message->has_message_modification_date(), m_message->message_modification_date());
}

unsigned int MessageReader::permissions() const
{
    return descriptor().permissions();
}

bool MessageReader::permission(Permission permission) const
{
    return getBit(permission, permissions());
}

qorv::data::User MessageReader::sender() const
{
    return m_message->message_sender();
}

qorv::data::User MessageReader::recipient() const
{
    return m_message->message_recipient();
}

std::string MessageReader::senderLastName() const
{
    return m_message->message_sender().user_last_name();
}

std::string MessageReader::senderFirstName() const
{
    return m_message->message_sender().user_first_name();
}

std::string MessageReader::senderMiddleName() const
{
    return m_message->message_sender().user_middle_name();
}

std::string MessageReader::recipientLastName() const
{
    return m_message->message_recipient().user_last_name();
}

std::string MessageReader::recipientFirstName() const
{
    return m_message->message_recipient().user_first_name();
}

std::string MessageReader::recipientMiddleName() const
{
    return m_message->message_recipient().user_middle_name();
}

int MessageReader::senderFolderId() const
{
    const qorv::data::User &user = m_message->message_sender();
    return IdOrNull(user.has_user_folder_id(), user.user_folder_id());
}

int MessageReader::recipientFolderId() const
{
    const qorv::data::User &user = m_message->message_recipient();
    return IdOrNull(user.has_user_folder_id(), user.user_folder_id());
}

int MessageReader::senderMessageFolderId() const
{
    const qorv::data::User &user = m_message->message_sender();
    return IdOrNull(user.has_user_message_folder_id(), user.user_message_folder_id());
}

int MessageReader::recipientMessageFolderId() const
{
    const qorv::data::User &user = m_message->message_recipient();
    return IdOrNull(user.has_user_message_folder_id(), user.user_message_folder_id());
}

bool MessageReader::messageUserIsRecipient() const
{
    return m_message->message_user_is_recipient();
}

bool MessageReader::messageUserIsSender() const
{
    return !messageUserIsRecipient();
}

int MessageReader::folderId() const
{
    return messageUserIsRecipient() ? m_message->message_user_message_folder_id() : m_message->message_folder_id();
}

std::string MessageReader::senderDisplayName() const
{
    return records::DisplayName(senderFirstName(), senderMiddleName(), senderLastName());
}

std::string MessageReader::senderDisplayNameAlphabetical() const
{
    return records::DisplayNameAlphabetical(senderFirstName(), senderMiddleName(), senderLastName());
}

std::string MessageReader::recipientDisplayName() const
{
    return records::DisplayName(recipientFirstName(), recipientMiddleName(), recipientLastName());
}

std::string MessageReader::recipientDisplayNameAlphabetical() const
{
    return records::DisplayNameAlphabetical(recipientFirstName(), recipientMiddleName(), recipientLastName());
}

bool MessageReader::isValid() const
{
    // An absent id counts as not set, rather than as the 0 that the record
    // itself reads for it: a record without ids is no stored message.
    return id() != DbId::m_NullId && parentId() != DbId::m_NullId && userId() != DbId::m_NullId;
}

const qorv::data::SecurityDescriptor &MessageReader::descriptor() const
{
    return m_message->message_security_descriptor();
}
