#ifndef PRINTDOCUMENTLOGEVENT_H
#define PRINTDOCUMENTLOGEVENT_H

#include "requestlogevent.h"

// A print of a document. Counts every such action since start-up, audited or not.
class PrintDocumentLogEvent : public RequestLogEvent
{
    Q_OBJECT

public:
    PrintDocumentLogEvent(int majorOpcode, int minorOpcode, const std::string &request, QObject *parent);
    ~PrintDocumentLogEvent() override;

    bool handleEvent() override;

    unsigned int getCnt() const;

private:
    static unsigned int m_Cnt;
};

#endif // PRINTDOCUMENTLOGEVENT_H
