#ifndef CLIENTLOGEVENT_H
#define CLIENTLOGEVENT_H

#include "logevent.h"

#include <string>
#include <utility>

namespace google::protobuf
{
class MessageLite;
}

struct AuditedId;
struct AuditedRecord;
struct EventIdentity;

// An audit event of this client: the header names the product, and the
// extension the server the session talks to and the session itself. This
// class is also the translation context of the field labels, and it holds
// the checks and keys that the events share for the records they name.
class ClientLogEvent : public LogEvent
{
    Q_OBJECT

public:
    explicit ClientLogEvent(QObject *parent);
    ~ClientLogEvent() override;

protected:
    // Whether the record must carry its name or subject, even an empty one.
    enum class NameRule
    {
        Optional,
        Required
    };

    // Sets the header fields that say which event this is.
    void setIdentity(const EventIdentity &identity);

    // The text of a field label such as "documentId", as UTF-8.
    static std::string label(const char *key);

    // Reads a payload into the message; false, after the warning, when it
    // does not parse. An empty payload parses as an empty message.
    static bool parse(const std::string &payload, google::protobuf::MessageLite *message);
    // Whether a part that the line needs is there; false, after the warning,
    // when it is missing.
    static bool require(bool present, const char *missing);

    // Adds key = value together with "<key>Label" = the label of labelKey,
    // as in "cn1" = 42 and "cn1Label" = "documentId".
    void addLabelled(const std::string &key, const char *labelKey, int value);
    // The same for a text; an empty text, an unset one included, is left out.
    void addLabelledText(const std::string &key, const char *labelKey, const std::string &text);

    // Checks the record, in this order, for being there, for its id, for its
    // name when the rule requires it, and for an id that is not null; then
    // adds the id as "cn1". False, after a warning, at the first failure.
    bool addRecordId(const AuditedRecord &record, NameRule nameRule);
    // Checks the record for being there and for its name when the rule
    // requires it, then adds the name as "cs1".
    bool addRecordName(const AuditedRecord &record, NameRule nameRule);
    // The id and, with the details, the name: the line of a record that its
    // payload names in full.
    bool addRecordKeys(const AuditedRecord &record, NameRule nameRule);

    // The two ids of a line that names two records: both must be there, then
    // neither may be null; they are added as "cn1" and "cn2".
    bool addIdPair(const std::pair<AuditedId, AuditedId> &ids);
};

#endif // CLIENTLOGEVENT_H
