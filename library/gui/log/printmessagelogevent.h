#ifndef PRINTMESSAGELOGEVENT_H
#define PRINTMESSAGELOGEVENT_H

#include "requestlogevent.h"

// A print of a message. Counts every such action since start-up, audited or not.
class PrintMessageLogEvent : public RequestLogEvent
{
    Q_OBJECT

public:
    PrintMessageLogEvent(int majorOpcode, int minorOpcode, const std::string &request, QObject *parent);
    ~PrintMessageLogEvent() override;

    bool handleEvent() override;

    unsigned int getCnt() const;

private:
    static unsigned int m_Cnt;
};

#endif // PRINTMESSAGELOGEVENT_H
