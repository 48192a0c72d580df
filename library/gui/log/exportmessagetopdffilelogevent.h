#ifndef EXPORTMESSAGETOPDFFILELOGEVENT_H
#define EXPORTMESSAGETOPDFFILELOGEVENT_H

#include "requestlogevent.h"

// An export of a message to a PDF file. Counts every such action since start-up, audited or not.
class ExportMessageToPdfFileLogEvent : public RequestLogEvent
{
    Q_OBJECT

public:
    ExportMessageToPdfFileLogEvent(int majorOpcode, int minorOpcode, const std::string &request, QObject *parent);
    ~ExportMessageToPdfFileLogEvent() override;

    bool handleEvent() override;

    unsigned int getCnt() const;

private:
    static unsigned int m_Cnt;
};

#endif // EXPORTMESSAGETOPDFFILELOGEVENT_H
