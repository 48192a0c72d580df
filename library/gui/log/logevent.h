#ifndef LOGEVENT_H
#define LOGEVENT_H

#include "cef.h"

#include <QObject>

#include <cstdint>
#include <map>
#include <string>

// One audit line in the common event format: the seven header fields, the
// key-value extension, and the decision, taken from the logged-on user's audit
// mask, whether the line is written at all and whether it carries details.
//
// Bit n (1 to 10) of the mask writes lines of severity n; bit n + 10 adds
// their detail keys. The mask is read anew for every decision, so an event
// follows a log-on or log-off that happened since it was built.
class LogEvent : public QObject
{
    Q_OBJECT

public:
    explicit LogEvent(QObject *parent);
    ~LogEvent() override;

    // Bit n of the audit mask; n above 31 throws std::out_of_range.
    bool auditSeverity(cef::Severity n) const;
    // Whether a line of this event's severity is written.
    bool auditEvent() const;
    // Whether the line carries the event's detail keys.
    bool addEventDetails() const;

    // Reads the event's payload and adds its keys; false suppresses the line.
    virtual bool handleEvent();

    // Empty while a text field of the header is still empty.
    std::string header() const;
    std::string extension() const;

    // A key keeps the first value it was given.
    void addKeyValuePair(const std::string &key, const std::string &value);
    void addKeyValuePair(const std::string &key, int value);
    void addKeyValuePair(const std::string &key, unsigned int value);

    // Completes the line with the outcome, writes it to the system log at the
    // priority of the event's severity and returns it.
    std::string logEvent(cef::Outcome outcome);

protected:
    // Names why the payload cannot be used, as one Qt warning, and returns
    // false for handleEvent() to return.
    static bool refuse(const char *cause);

    std::string m_cefVersion;
    std::string m_cefDeviceVendor;
    std::string m_cefDeviceProduct;
    std::string m_cefDeviceVersion;
    std::int32_t m_cefDeviceEventClassId;
    std::string m_cefName;
    cef::Severity m_cefSeverity;
    std::map<std::string, std::string> m_cefExtension;
};

#endif // LOGEVENT_H
