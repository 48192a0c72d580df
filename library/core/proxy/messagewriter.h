#ifndef MESSAGEWRITER_H
#define MESSAGEWRITER_H

#include "messageproxy.h"

#include "message3.pb.h"

#include <string>

class MessageReader;

// Sets the fields of a message that the caller owns. Making a writer first
// gives every absent field its default, so a message that the client builds
// or edits always leaves complete; a present field keeps its value, even
// when it is empty or 0.
class MessageWriter : public MessageProxy
{
public:
    explicit MessageWriter(qorv::data::Message &message);
    // The given user becomes the sender (and the message's user, unless the
    // message already names one).
    MessageWriter(qorv::data::Message &message, const qorv::data::User &user);
    ~MessageWriter() override;

    MessageWriter(const MessageWriter &) = delete;
    MessageWriter &operator=(const MessageWriter &) = delete;

    // Replaces the whole message by a copy of the one the reader views.
    MessageWriter &operator=(const MessageReader &reader);

    // Fills the absent fields; the constructors run it.
    void initialize();

    void setId(int id);
    void setUserId(int id);
    void setParentId(int id);
    // The folder of the writing user's side: the recipient's own folder on a
    // received copy, else the sender's.
    void setFolderId(int id);
    void setParentRelation(qorv::data::Message_rfield relation);
    void setSubject(const std::string &subject);
    void setDescription(const std::string &description);
    void setBody(const std::string &body);
    void setProperties(int properties);
    void setCreationDate(const std::string &date);
    void setModificationDate(const std::string &date);
    void setBodyFormat(TextFormat format);

    // The descriptor's switch (bit 0 of the active word).
    void setActive(bool value);
    void setPermission(Permission permission, bool value);
    void setPermissions(int permissions);
    void setAudits(int audits);
    void setExpirationAction(int action);
    void setSessionDuration(int seconds);
    void setPassword(const std::string &password);
    void setExpirationDate(const std::string &date);
    void setActiveFrom(const std::string &time);
    void setActiveTo(const std::string &time);
    void setActiveRegion(const std::string &region);

private:
    qorv::data::SecurityDescriptor &descriptor();

    qorv::data::Message *m_message;
};

#endif // MESSAGEWRITER_H
