#ifndef MESSAGEREADER_H
#define MESSAGEREADER_H

#include "messageproxy.h"

#include "user3.pb.h"

#include <string>

namespace qorv::data
{
class Message;
class SecurityDescriptor;
}

// A read-only view over a message that the caller owns and keeps alive. The
// record is either the sender's copy or a recipient's; the side decides which
// folder the message lives in. An absent field reads as the null id, 0, the
// empty text or false, with the exceptions noted below.
class MessageReader : public MessageProxy
{
public:
    explicit MessageReader(const qorv::data::Message &message);
    ~MessageReader() override;

    operator const qorv::data::Message &() const;

    int id() const;
    int userId() const;
    int parentId() const;
    // -1 when the record does not say.
    int parentRelation() const;
    std::string subject() const;
    std::string description() const;
    std::string body() const;
    unsigned int properties() const;
    int bodyFormat() const;
    // The ISO basic form in UTC, "20240305T140709Z"; empty when absent or
    // unreadable.
    std::string creationDate() const;
    std::string modificationDate() const;
    // The display form in UTC, "2024-03-05 14:07:09"; empty when absent or
    // unreadable.
    std::string creationDateDisplay() const;
    std::string modificationDateDisplay() const;

    unsigned int permissions() const;
    bool permission(Permission permission) const;

    qorv::data::User sender() const;
    qorv::data::User recipient() const;
    std::string senderLastName() const;
    std::string senderFirstName() const;
    std::string senderMiddleName() const;
    std::string recipientLastName() const;
    std::string recipientFirstName() const;
    std::string recipientMiddleName() const;
    int senderFolderId() const;
    int recipientFolderId() const;
    int senderMessageFolderId() const;
    int recipientMessageFolderId() const;

    bool messageUserIsRecipient() const;
    bool messageUserIsSender() const;
    // The folder of the viewing user's side: the sender's folder, or the
    // recipient's. 0, not the null id, when that field is absent.
    int folderId() const;

    std::string senderDisplayName() const;
    std::string senderDisplayNameAlphabetical() const;
    std::string recipientDisplayName() const;
    std::string recipientDisplayNameAlphabetical() const;

    // Id, parent and user are all set (an absent one counts as not set).
    bool isValid() const;

private:
    const qorv::data::SecurityDescriptor &descriptor() const;

    const qorv::data::Message *m_message;
};

#endif // MESSAGEREADER_H
