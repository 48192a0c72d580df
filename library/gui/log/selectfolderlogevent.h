#ifndef SELECTFOLDERLOGEVENT_H
#define SELECTFOLDERLOGEVENT_H

#include "replylogevent.h"

// The reply to a query for folders. Counts the replies since start-up by outcome, audited or not.
class SelectFolderLogEvent : public ReplyLogEvent
{
    Q_OBJECT

public:
    SelectFolderLogEvent(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode, int minorErcode,
                         const std::string &reply, QObject *parent);
    ~SelectFolderLogEvent() override;

    bool handleEvent() override;

    unsigned int getSuccessOutcomeCnt() const;
    unsigned int getFailureOutcomeCnt() const;

private:
    static unsigned int m_SuccessOutcomeCnt;
    static unsigned int m_FailureOutcomeCnt;
};

#endif // SELECTFOLDERLOGEVENT_H
