#ifndef INSERTFOLDERKEYLOGEVENT_H
#define INSERTFOLDERKEYLOGEVENT_H

#include "insertkeylogevent.h"

// The reply to a folder key given to a user. Counts the replies since start-up by outcome, audited or not.
class InsertFolderKeyLogEvent : public InsertKeyLogEvent
{
    Q_OBJECT

public:
    InsertFolderKeyLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode,
                            int minorErcode, const std::string &reply, QObject *parent);
    ~InsertFolderKeyLogEvent() override;

    bool handleEvent() override;

    unsigned int getSuccessOutcomeCnt() const;
    unsigned int getFailureOutcomeCnt() const;

private:
    static unsigned int m_SuccessOutcomeCnt;
    static unsigned int m_FailureOutcomeCnt;
};

#endif // INSERTFOLDERKEYLOGEVENT_H
