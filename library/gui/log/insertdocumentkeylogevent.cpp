#include "insertdocumentkeylogevent.h"

#include "dbid.h"

#include "insertdocumentkeyrequest3.pb.h"

unsigned int InsertDocumentKeyLogEvent::m_SuccessOutcomeCnt = 0;
unsigned int InsertDocumentKeyLogEvent::m_FailureOutcomeCnt = 0;

InsertDocumentKeyLogEvent::InsertDocumentKeyLogEvent(int majorOpcode, int minorOpcode, const std::string &request,
                                                     int majorErcode, int minorErcode, const std::string &reply,
                                                     QObject *parent)
    : ReplyLogEvent(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply, parent)
{
    m_cefDeviceEventClassId = 25;
    m_cefName = tr("Name").toStdString();
    m_cefSeverity = cef::Severity(4);
    addKeyValuePair("cnt", majorErcode != 0 ? ++m_FailureOutcomeCnt : ++m_SuccessOutcomeCnt);
}

InsertDocumentKeyLogEvent::~InsertDocumentKeyLogEvent() = default;

bool InsertDocumentKeyLogEvent::handleEvent()
{
    qorv::data::InsertDocumentKeyRequest request;
    if (!request.ParseFromString(m_request))
        return refuse("ParseFromString failed!");
    if (!request.has_document_key())
        return refuse("Bad document key!");
    const qorv::data::DocumentKey &key = request.document_key();
    if (!key.has_document_key_document())
        return refuse("Bad document key document!");
    // The user the key is given to, not its owner.
    if (!key.has_document_key_user())
        return refuse("Bad document key user!");
    const qorv::data::Document &document = key.document_key_document();
    const qorv::data::User &user = key.document_key_user();
    if (!document.has_document_id())
        return refuse("Bad document id!");
    if (!user.has_user_id())
        return refuse("Bad user id!");
    if (DbId(document.document_id()).null())
        return refuse("Invalid document id!");
    if (DbId(user.user_id()).null())
        return refuse("Invalid user id!");

    addKeyValuePair("cn1Label", label("documentId"));
    addKeyValuePair("cn1", document.document_id());
    addKeyValuePair("cn2Label", label("userId"));
    addKeyValuePair("cn2", user.user_id());
    if (!addEventDetails())
        return true;

    if (!document.has_document_name())
        return refuse("Bad document name!");
    if (!user.has_user_last_name())
        return refuse("Bad user last name!");
    if (!user.has_user_first_name())
        return refuse("Bad user first name!");
    if (!document.document_name().empty()) {
        addKeyValuePair("cs1Label", label("documentName"));
        addKeyValuePair("cs1", document.document_name());
    }
    if (!user.user_last_name().empty()) {
        addKeyValuePair("cs2Label", label("userLastName"));
        addKeyValuePair("cs2", user.user_last_name());
    }
    if (!user.user_first_name().empty()) {
        addKeyValuePair("cs3Label", label("userFirstName"));
        addKeyValuePair("cs3", user.user_first_name());
    }
    // Many users have no middle name, so its absence is no error.
    if (!user.user_middle_name().empty()) {
        addKeyValuePair("cs4Label", label("userMiddleName"));
        addKeyValuePair("cs4", user.user_middle_name());
    }
    return true;
}

unsigned int InsertDocumentKeyLogEvent::getSuccessOutcomeCnt() const
{
    return m_SuccessOutcomeCnt;
}

unsigned int InsertDocumentKeyLogEvent::getFailureOutcomeCnt() const
{
    return m_FailureOutcomeCnt;
}
