#ifndef AUDITTESTCASE_H
#define AUDITTESTCASE_H

#include <QObject>

#include <optional>
#include <string>

class QTranslator;

namespace testsupport
{
// The base of the audit tests, which sets up what every one of them needs.
// Before the first test function: the application's names, which head every
// line; the English texts of the events (names, labels, error texts), so that
// the tests read what the user would see; and the server that the session
// state names, which request and reply lines carry as dst and dpt. Before
// each test function: no user logged on, and any Qt warning that the test
// does not expect fails it.
//
// A test class that needs more declares the slot again and calls this one
// first.
class AuditTestCase : public QObject
{
    Q_OBJECT

public:
    struct Server
    {
        std::string name;
        int port;
    };
    static const Server LocalServer; // 127.0.0.1, port 4433

    // Without a server the session state is left as it is.
    explicit AuditTestCase(std::optional<Server> server = LocalServer);
    ~AuditTestCase() override;

    static void setServer(const Server &server);

protected slots:
    void initTestCase();
    void init();

protected:
    // Without the texts their keys show, so a missing text is visible.
    void removeTexts();
    void installTexts();

private:
    const std::optional<Server> m_server;
    QTranslator *const m_translator;
};
}

#endif // AUDITTESTCASE_H
