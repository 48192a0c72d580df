#ifndef CREDENTIALINPUT_H
#define CREDENTIALINPUT_H

#include <QString>

#include <string>

class QWidget;

namespace qorv::data
{
class SQLDiagRec;
}

// The small steps that the forgotten-credentials flows of the log-on dialog
// and the user options share: where to send the exchanges, asking for the
// account's e-mail address, and checking a typed authorization code.
namespace credentials
{
// Lower-case letters only; the server stores addresses in this form.
QString UserEmailAddressPattern();
bool IsUserEmailAddress(const std::string &address);

// The text without any ASCII white space (blank, tab, line feed, vertical
// tab, form feed, carriage return), wherever it stood. Codes arrive by
// e-mail and are often pasted with blanks or line breaks.
std::string RemoveWhiteSpace(const std::string &text);

// True when the server's diagnostic reports no error at all.
bool ServerReportsSuccess(const qorv::data::SQLDiagRec &diagnostic);

// The server name typed into the dialog (trimmed, UTF-8); when that is empty,
// the stored one.
std::string GetServerName(const QString &dialogServerName);

// False, after a warning, when there is no server to ask.
[[nodiscard]] bool ValidNetworkSettings(QWidget *dialog, const std::string &serverName, int serverPort);

// Asks for the account's e-mail address; empty when the user cancelled or
// entered no valid address (after a warning).
std::string GetUserEmailAddress(QWidget *parent);

// Asks for the authorization code the user received and compares it, white
// space removed, byte for byte with the server's code. False when the user
// cancelled, or after the invalid-code warning when the code differs.
[[nodiscard]] bool ConfirmAuthorizationCode(QWidget *parent, const QString &title, const QString &label,
                                            const QString &invalidCodeText, const std::string &code);
}

#endif // CREDENTIALINPUT_H
