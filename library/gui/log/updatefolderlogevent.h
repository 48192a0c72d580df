#ifndef UPDATEFOLDERLOGEVENT_H
#define UPDATEFOLDERLOGEVENT_H

#include "replylogevent.h"

// The reply to a folder update. Counts the replies since start-up by outcome, audited or not.
class UpdateFolderLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    UpdateFolderLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode, int minorErcode,
                         const std::string &reply, QObject *parent);
    ~UpdateFolderLogEvent() override;

    bool handleEvent() override;

    unsigned int getSuccessOutcomeCnt() const;
    unsigned int getFailureOutcomeCnt() const;

private:
    static unsigned int m_SuccessOutcomeCnt;
    static unsigned int m_FailureOutcomeCnt;
};

#endif // UPDATEFOLDERLOGEVENT_H
