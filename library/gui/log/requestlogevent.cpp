#include "requestlogevent.h"

#include "dbid.h"

#include "document3.pb.h"
#include "message3.pb.h"

// What the checks need of a document or a message, with the texts that name
// its kind.
struct RequestLogEvent::Record
{
    bool present;
    bool hasId;
    int id;
    bool hasName;
    std::string name;
    const char *badRecord;
    const char *badId;
    const char *badName;
    const char *invalidId;
    const char *idLabel;
    const char *nameLabel;
};

RequestLogEvent::RequestLogEvent(int majorOpcode, int minorOpcode, const std::string &request, QObject *parent)
    : ClientLogEvent(parent)
    , m_majorOpcode(majorOpcode)
    , m_minorOpcode(minorOpcode)
    , m_request(request)
{
}

RequestLogEvent::~RequestLogEvent() = default;

std::string RequestLogEvent::operator()()
{
    if (!auditEvent())
        return std::string();
    if (!handleEvent())
        return std::string();
    return logEvent(cef::Outcome::None);
}

bool RequestLogEvent::addDocumentKeys(const qorv::data::Document *document, NameRule nameRule, int size,
                                      Direction direction)
{
    const Record record{document != nullptr,
                        document && document->has_document_id(),
                        document ? document->document_id() : 0,
                        document && document->has_document_name(),
                        document ? document->document_name() : std::string(),
                        "Bad document!",
                        "Bad document id!",
                        "Bad document name!",
                        "Invalid document id!",
                        "documentId",
                        "documentName"};
    return addRecordKeys(record, nameRule, size, direction);
}

bool RequestLogEvent::addMessageKeys(const qorv::data::Message *message, NameRule nameRule, int size,
                                     Direction direction)
{
    const Record record{message != nullptr,
                        message && message->has_message_id(),
                        message ? message->message_id() : 0,
                        message && message->has_message_subject(),
                        message ? message->message_subject() : std::string(),
                        "Bad message!",
                        "Bad message id!",
                        "Bad message subject!",
                        "Invalid message id!",
                        "messageId",
                        "messageSubject"};
    return addRecordKeys(record, nameRule, size, direction);
}

bool RequestLogEvent::addRecordKeys(const Record &record, NameRule nameRule, int size, Direction direction)
{
    const char *failure = nullptr;
    if (!record.present)
        failure = record.badRecord;
    else if (!record.hasId)
        failure = record.badId;
    else if (nameRule == NameRule::Required && !record.hasName)
        failure = record.badName;
    else if (DbId(record.id).null())
        failure = record.invalidId;
    if (failure)
        return refuse(failure);

    addKeyValuePair("cn1Label", label(record.idLabel));
    addKeyValuePair("cn1", record.id);
    if (addEventDetails()) {
        if (direction == Direction::Out) {
            addKeyValuePair("deviceDirection", 1);
            addKeyValuePair("out", size);
        } else {
            addKeyValuePair("deviceDirection", 0);
            addKeyValuePair("in", size);
        }
        // An unset name reads as empty and is left out like an empty one.
        if (!record.name.empty()) {
            addKeyValuePair("cs1Label", label(record.nameLabel));
            addKeyValuePair("cs1", record.name);
        }
    }
    return true;
}
