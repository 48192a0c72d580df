#ifndef EXPORTMESSAGETOTEXTFILELOGEVENT_H
#define EXPORTMESSAGETOTEXTFILELOGEVENT_H

#include "requestlogevent.h"

// An export of a message to a text file. Counts every such action since start-up, audited or not.
class ExportMessageToTextFileLogEvent : public RequestLogEvent
{
    Q_OBJECT

public:
    ExportMessageToTextFileLogEvent(int majorOpcode, int minorOpcode, const std::string &request, QObject *parent);
    ~ExportMessageToTextFileLogEvent() override;

    bool handleEvent() override;

    unsigned int getCnt() const;

private:
    static unsigned int m_Cnt;
};

#endif // EXPORTMESSAGETOTEXTFILELOGEVENT_H
