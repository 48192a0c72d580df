#ifndef EXPORTDOCUMENTTOTEXTFILELOGEVENT_H
#define EXPORTDOCUMENTTOTEXTFILELOGEVENT_H

#include "requestlogevent.h"

// An export of a document to a text file. Counts every such action since start-up, audited or not.
class ExportDocumentToTextFileLogEvent : public RequestLogEvent
{
    Q_OBJECT

public:
    ExportDocumentToTextFileLogEvent(int majorOpcode, int minorOpcode, const std::string &request, QObject *parent);
    ~ExportDocumentToTextFileLogEvent() override;

    bool handleEvent() override;

    unsigned int getCnt() const;

private:
    static unsigned int m_Cnt;
};

#endif // EXPORTDOCUMENTTOTEXTFILELOGEVENT_H
