#include "credentialinput.h"

#include "linguist.h"
#include "networksettings.h"

#include "sqldiagrec3.pb.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace credentials
{
namespace
{
bool IsAsciiWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

const QRegularExpression &UserEmailAddressExpression()
{
    static const QRegularExpression expression(UserEmailAddressPattern());
    return expression;
}

// False when the user cancelled.
bool AskUserEmailAddress(QWidget *parent, QString *typed)
{
    QInputDialog dialog(parent);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(QCoreApplication::translate("LogonDialog", "UserEmailAddressInputDialogTitle"));
    dialog.setLabelText(QCoreApplication::translate("LogonDialog", "UserEmailAddressInputDialogLabel"));
    dialog.setOkButtonText(Linguist::tr("Ok"));
    dialog.setCancelButtonText(Linguist::tr("Cancel"));
    // The validator refuses keystrokes that cannot lead to an address, such
    // as capitals and blanks.
    if (auto *lineEdit = dialog.findChild<QLineEdit *>()) {
        lineEdit->setValidator(new QRegularExpressionValidator(UserEmailAddressExpression(), lineEdit));
        lineEdit->setPlaceholderText(QStringLiteral("jane.doe@example.com"));
    }
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *typed = dialog.textValue();
    return true;
}

void WarnInvalidEmailAddress(QWidget *parent)
{
    QMessageBox::warning(parent, Linguist::tr("InvalidEmailAddress"), Linguist::tr("InvalidEmailAddressEntered"),
                         QMessageBox::Ok);
}
}

QString UserEmailAddressPattern()
{
    return QStringLiteral("^[a-z0-9._%+-]+@[a-z0-9.-]+\\.[a-z]{2,}$");
}

bool IsUserEmailAddress(const std::string &address)
{
    return UserEmailAddressExpression().match(QString::fromStdString(address)).hasMatch();
}

std::string RemoveWhiteSpace(const std::string &text)
{
    std::string result = text;
    result.erase(std::remove_if(result.begin(), result.end(), IsAsciiWhiteSpace), result.end());
    return result;
}

bool ServerReportsSuccess(const qorv::data::SQLDiagRec &diagnostic)
{
    return diagnostic.sqlc() == 0 && (diagnostic.sqls().empty() || diagnostic.sqls() == "00000");
}

std::string GetServerName(const QString &dialogServerName)
{
    const std::string typed = dialogServerName.trimmed().toStdString();
    if (!typed.empty())
        return typed;
    return NetworkSettings().getServerName().toStdString();
}

bool ValidNetworkSettings(QWidget *dialog, const std::string &serverName, int)
{
    // The port comes from a spin box that cannot leave the valid range.
    if (!serverName.empty())
        return true;
    QMessageBox::warning(dialog, Linguist::tr("Warning"), Linguist::tr("InvalidServerName"), QMessageBox::Ok);
    return false;
}

std::string GetUserEmailAddress(QWidget *parent)
{
    QString typed;
    if (!AskUserEmailAddress(parent, &typed))
        return std::string();
    const std::string address = RemoveWhiteSpace(typed.toStdString());
    if (IsUserEmailAddress(address))
        return address;
    WarnInvalidEmailAddress(parent);
    return std::string();
}

bool ConfirmAuthorizationCode(QWidget *parent, const QString &title, const QString &label,
                              const QString &invalidCodeText, const std::string &code)
{
    QInputDialog dialog(parent);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setOkButtonText(Linguist::tr("Ok"));
    dialog.setCancelButtonText(Linguist::tr("Cancel"));
    if (dialog.exec() != QDialog::Accepted)
        return false;

    if (RemoveWhiteSpace(dialog.textValue().toStdString()) == code)
        return true;
    QMessageBox::warning(parent, Linguist::tr("Warning"), invalidCodeText, QMessageBox::Ok);
    return false;
}
}
