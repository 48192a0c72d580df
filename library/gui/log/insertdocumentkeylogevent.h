#ifndef INSERTDOCUMENTKEYLOGEVENT_H
#define INSERTDOCUMENTKEYLOGEVENT_H

#include "insertkeylogevent.h"

// The reply to a document key given to a user. Counts the replies since start-up by outcome, audited or not.
class InsertDocumentKeyLogEvent : public InsertKeyLogEvent
{
    Q_OBJECT

public:
    InsertDocumentKeyLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode,
                              int minorErcode, const std::string &reply, QObject *parent);
    ~InsertDocumentKeyLogEvent() override;

    bool handleEvent() override;

    unsigned int getSuccessOutcomeCnt() const;
    unsigned int getFailureOutcomeCnt() const;

private:
    static unsigned int m_SuccessOutcomeCnt;
    static unsigned int m_FailureOutcomeCnt;
};

#endif // INSERTDOCUMENTKEYLOGEVENT_H
