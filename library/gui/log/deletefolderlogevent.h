#ifndef DELETEFOLDERLOGEVENT_H
#define DELETEFOLDERLOGEVENT_H

#include "replylogevent.h"

// The reply to a folder deletion. Counts the replies since start-up by outcome, audited or not.
class DeleteFolderLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    DeleteFolderLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode, int minorErcode,
                         const std::string &reply, QObject *parent);
    ~DeleteFolderLogEvent() override;

    bool handleEvent() override;

    unsigned int getSuccessOutcomeCnt() const;
    unsigned int getFailureOutcomeCnt() const;

private:
    static unsigned int m_SuccessOutcomeCnt;
    static unsigned int m_FailureOutcomeCnt;
};

#endif // DELETEFOLDERLOGEVENT_H
