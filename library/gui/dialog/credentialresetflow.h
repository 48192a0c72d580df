#ifndef CREDENTIALRESETFLOW_H
#define CREDENTIALRESETFLOW_H

#include <QString>

#include <string>

class QWidget;

// One run of the log-on dialog's forgotten-user-name or forgotten-password
// flow: the account's e-mail address, a verify exchange that makes the server
// send an authorization code, the code typed back, the new value typed twice,
// and the reset exchange. Everything happens inside run(), modal on the log-on
// dialog; the code and the new value live only there. Only the hash (user
// name) or the stored form (password) of the new value leaves the client.
class CredentialResetFlow
{
public:
    enum Kind
    {
        UserName,
        Password
    };

    CredentialResetFlow(QWidget *dialog, Kind kind);

    // dialogServerName and serverPort are the log-on dialog's fields; an empty
    // server name falls back to the stored one. Every outcome is shown to the
    // user; a reset counts as done only when the server says so.
    void run(const QString &dialogServerName, int serverPort);

private:
    enum class Outcome
    {
        Done,
        NotUnique,
        Failed
    };

    std::string requestCode(const std::string &address) const;
    [[nodiscard]] bool confirmCode(const std::string &code) const;
    // The new value as typed, or empty when the user cancelled.
    std::string askNewValue() const;
    Outcome reset(const std::string &address, const std::string &code, const std::string &value) const;
    Outcome resetUserName(const std::string &address, const std::string &code, const std::string &value) const;
    Outcome resetPassword(const std::string &address, const std::string &code, const std::string &value) const;
    void report(Outcome outcome) const;
    void useServer() const;

    QWidget *m_dialog;
    Kind m_kind;
    std::string m_serverName;
    int m_serverPort = 0;
};

#endif // CREDENTIALRESETFLOW_H
