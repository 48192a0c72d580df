#ifndef EXPORTDOCUMENTTOPDFFILELOGEVENT_H
#define EXPORTDOCUMENTTOPDFFILELOGEVENT_H

#include "requestlogevent.h"

// An export of a document to a PDF file. Counts every such action since start-up, audited or not.
class ExportDocumentToPdfFileLogEvent : public RequestLogEvent
{
    Q_OBJECT

public:
    ExportDocumentToPdfFileLogEvent(int majorOpcode, int minorOpcode, const std::string &request, QObject *parent);
    ~ExportDocumentToPdfFileLogEvent() override;

    bool handleEvent() override;

    unsigned int getCnt() const;

private:
    static unsigned int m_Cnt;
};

#endif // EXPORTDOCUMENTTOPDFFILELOGEVENT_H
