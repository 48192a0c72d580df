#ifndef CLIENTLOGEVENT_H
#define CLIENTLOGEVENT_H

#include "logevent.h"

// An audit event of this client: the header names the product, and the
// extension the server the session talks to and the session itself. This
// class is also the translation context of the field labels.
class ClientLogEvent : public LogEvent
{
    Q_OBJECT

public:
    explicit ClientLogEvent(QObject *parent);
    ~ClientLogEvent() override;

protected:
    // The text of a field label such as "documentId", as UTF-8.
    static std::string label(const char *key);
};

#endif // CLIENTLOGEVENT_H
