#include "credentialresetflow.h"

#include "common/majorcode.h"
#include "common/minortag.h"
#include "confirmtextvaluedialog.h"
#include "credentialinput.h"
#include "cryptographer.h"
#include "linguist.h"
#include "messagedispatcher.h"
#include "passwordvalidator.h"
#include "qorvassert.h"
#include "resetpasswordclientpkihandler.h"
#include "resetusernameclientpkihandler.h"
#include "secrettext.h"
#include "usernamevalidator.h"
#include "utils.h"
#include "verifypasswordresetclientpkihandler.h"
#include "verifyusernameresetclientpkihandler.h"

#include "resetpasswordrequest3.pb.h"
#include "resetusernamereply3.pb.h"
#include "resetusernamerequest3.pb.h"
#include "verifypasswordresetreply3.pb.h"
#include "verifypasswordresetrequest3.pb.h"
#include "verifyusernameresetreply3.pb.h"
#include "verifyusernameresetrequest3.pb.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMessageBox>

#include <exception>
#include <optional>
#include <utility>

namespace
{
// The texts of the flow stand in the log-on dialog's context (the flow runs
// on its behalf) or in the shared one.
QString LogonText(const char *key)
{
    return QCoreApplication::translate("LogonDialog", key);
}

QString SharedText(const char *key)
{
    return QCoreApplication::translate("Linguist", key);
}

struct FlowTexts
{
    const char *questionTitle;
    const char *questionText;
    const char *codeTitle;
    const char *codeLabel;
    const char *invalidCode;
    const char *newValueTitle;   // shared
    const char *enterNewValue;   // shared
    const char *confirmNewValue; // shared
    const char *doneTitle;       // shared
    const char *doneText;        // shared
    const char *failed;
};

const FlowTexts UserNameTexts = {
    QT_TRANSLATE_NOOP("LogonDialog", "ResetUserNameQuestionTitle"),
    QT_TRANSLATE_NOOP("LogonDialog", "ResetUserNameQuestionText"),
    QT_TRANSLATE_NOOP("LogonDialog", "UserNameResetAuthorizationCodeDialogTitle"),
    QT_TRANSLATE_NOOP("LogonDialog", "UserNameResetAuthorizationCodeDialogLabel"),
    QT_TRANSLATE_NOOP("LogonDialog", "InvalidUserNameResetAuthorizationCode"),
    QT_TRANSLATE_NOOP("Linguist", "NewUserNameDialogWindowTitle"),
    QT_TRANSLATE_NOOP("Linguist", "EnterNewUserName"),
    QT_TRANSLATE_NOOP("Linguist", "ConfirmNewUserName"),
    QT_TRANSLATE_NOOP("Linguist", "ResetUserNameConfirmationWindowTitle"),
    QT_TRANSLATE_NOOP("Linguist", "ResetUserNameConfirmationText"),
    QT_TRANSLATE_NOOP("LogonDialog", "ResetUserNameFailed"),
};

const FlowTexts PasswordTexts = {
    QT_TRANSLATE_NOOP("LogonDialog", "ResetPasswordQuestionTitle"),
    QT_TRANSLATE_NOOP("LogonDialog", "ResetPasswordQuestionText"),
    QT_TRANSLATE_NOOP("LogonDialog", "PasswordResetAuthorizationCodeDialogTitle"),
    QT_TRANSLATE_NOOP("LogonDialog", "PasswordResetAuthorizationCodeDialogLabel"),
    QT_TRANSLATE_NOOP("LogonDialog", "InvalidPasswordResetAuthorizationCode"),
    QT_TRANSLATE_NOOP("Linguist", "NewPasswordDialogWindowTitle"),
    QT_TRANSLATE_NOOP("Linguist", "EnterNewPassword"),
    QT_TRANSLATE_NOOP("Linguist", "ConfirmNewPassword"),
    QT_TRANSLATE_NOOP("Linguist", "ResetPasswordConfirmationWindowTitle"),
    QT_TRANSLATE_NOOP("Linguist", "ResetPasswordConfirmationText"),
    QT_TRANSLATE_NOOP("LogonDialog", "ResetPasswordFailed"),
};

const FlowTexts &TextsOf(CredentialResetFlow::Kind kind)
{
    return kind == CredentialResetFlow::UserName ? UserNameTexts : PasswordTexts;
}

const char *const UniqueViolation = "23505";

// Asks the server to send the account's address the code of this kind of
// reset, and returns the code as the reply carries it; empty, after a warning,
// when there is none to ask for. useServer points the dispatcher at the
// server once the request is built.
template <class Handler, class Request, class Reply, class UseServer>
std::string RequestResetCode(const std::string &address, common::Opcode opcode,
                             std::string (Handler::*readCode)() const, UseServer useServer)
{
    Handler handler;
    handler.setUserEmailAddress(address);
    Request request;
    std::string payload;
    if (handler.encryptRequest(request) != 0 || !request.SerializeToString(&payload)) {
        qWarning("The reset verification request could not be built; it is not sent.");
        return std::string();
    }

    useServer();
    MessageDispatcher dispatcher(opcode, common::tag::Plain, payload);
    if (!dispatcher.dispatch()) {
        qWarning("The reset verification exchange failed; no code is asked for.");
        return std::string();
    }
    Reply reply;
    if (!reply.ParseFromString(dispatcher.getReply()) || handler.decryptReply(reply) != 0) {
        qWarning("The reset verification reply holds no readable code; no code is asked for.");
        return std::string();
    }
    return (handler.*readCode)();
}

// The value the reset request carries in place of the typed one: the user
// name's hash or the password's stored form; none when it cannot be made (no
// hash because the Cryptographer's lock was not available, or no random salt).
std::optional<SecretText> ProtectNewValue(CredentialResetFlow::Kind kind, const std::string &typed)
{
    const Cryptographer &cryptographer = *CryptographerSingleton::instance();
    if (kind == CredentialResetFlow::UserName) {
        std::optional<std::string> hash = cryptographer.hashUserName(typed);
        if (!hash)
            return std::nullopt;
        return SecretText(std::move(*hash));
    }
    std::optional<std::string> hash = cryptographer.hashPassword(typed);
    if (!hash)
        return std::nullopt;
    const SecretText pass(std::move(*hash));
    try {
        return SecretText(cryptographer.encodePassword(pass.get()));
    } catch (const std::exception &error) {
        // No random salt: a stored form must never be made without one.
        qWarning("std::exception: %s", error.what());
        return std::nullopt;
    }
}
}

CredentialResetFlow::CredentialResetFlow(QWidget *dialog, Kind kind)
    : m_dialog(dialog)
    , m_kind(kind)
{
}

void CredentialResetFlow::run(const QString &dialogServerName, int serverPort)
{
    m_serverName = credentials::GetServerName(dialogServerName);
    m_serverPort = serverPort;
    if (!credentials::ValidNetworkSettings(m_dialog, m_serverName, m_serverPort))
        return;

    const std::string address = credentials::GetUserEmailAddress(m_dialog);
    if (address.empty())
        return;

    const FlowTexts &texts = TextsOf(m_kind);
    if (QMessageBox::question(m_dialog, LogonText(texts.questionTitle), LogonText(texts.questionText),
                              QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;

    // Whatever kept the server from handing out a code, the user only sees
    // that no code is asked for.
    const SecretText code(requestCode(address));
    if (code.empty())
        return;
    if (!confirmCode(code.get()))
        return;

    const SecretText typed(askNewValue());
    if (typed.empty())
        return;
    // Without the hash there is nothing that could be sent in place of the
    // new value: the reset fails here, and the user is told so.
    const std::optional<SecretText> value = ProtectNewValue(m_kind, typed.get());
    if (!value) {
        qWarning("The new value could not be hashed or given its stored form; no reset request is sent.");
        report(Outcome::Failed);
        return;
    }

    QORV_ASSERT(!address.empty() && !m_serverName.empty() && !code.empty() && !value->empty() && m_serverPort);
    report(reset(address, code.get(), value->get()));
}

void CredentialResetFlow::useServer() const
{
    // Set before each exchange; the values stay in force after the flow,
    // even when the log-on is then cancelled.
    MessageDispatcher::setServerName(m_serverName);
    MessageDispatcher::setServerPort(m_serverPort);
}

std::string CredentialResetFlow::requestCode(const std::string &address) const
{
    const auto useServer = [this] { this->useServer(); };
    if (m_kind == UserName)
        return RequestResetCode<VerifyUserNameResetClientPkiHandler, qorv::data::VerifyUserNameResetRequest,
                                qorv::data::VerifyUserNameResetReply>(
            address, common::op::VerifyUserNameReset,
            &VerifyUserNameResetClientPkiHandler::getDecryptedUserNameResetAuthcode, useServer);
    return RequestResetCode<VerifyPasswordResetClientPkiHandler, qorv::data::VerifyPasswordResetRequest,
                            qorv::data::VerifyPasswordResetReply>(
        address, common::op::VerifyPasswordReset,
        &VerifyPasswordResetClientPkiHandler::getDecryptedPasswordResetAuthcode, useServer);
}

bool CredentialResetFlow::confirmCode(const std::string &code) const
{
    const FlowTexts &texts = TextsOf(m_kind);
    return credentials::ConfirmAuthorizationCode(m_dialog, LogonText(texts.codeTitle), LogonText(texts.codeLabel),
                                                 LogonText(texts.invalidCode), code);
}

std::string CredentialResetFlow::askNewValue() const
{
    const FlowTexts &texts = TextsOf(m_kind);
    const bool userName = m_kind == UserName;
    ConfirmTextValueDialog dialog(m_dialog, SharedText(texts.newValueTitle), SharedText(texts.enterNewValue),
                                  SharedText(texts.confirmNewValue),
                                  userName ? QLineEdit::Normal : QLineEdit::Password);
    dialog.setWindowIcon(utils::ActionIcon(userName ? "user.png" : "password_field.png"));
    if (userName)
        dialog.setValidator(new UserNameValidator(&dialog));
    else
        dialog.setValidator(new PasswordValidator(&dialog));
    if (dialog.exec() != QDialog::Accepted)
        return std::string();
    return dialog.getTextValue().toStdString();
}

CredentialResetFlow::Outcome CredentialResetFlow::reset(const std::string &address, const std::string &code,
                                                        const std::string &value) const
{
    return m_kind == UserName ? resetUserName(address, code, value) : resetPassword(address, code, value);
}

CredentialResetFlow::Outcome CredentialResetFlow::resetUserName(const std::string &address, const std::string &code,
                                                                const std::string &value) const
{
    ResetUserNameClientPkiHandler handler;
    handler.setUserEmailAddress(address);
    handler.setUserNameResetAuthcode(code);
    handler.setUserName(value);
    qorv::data::ResetUserNameRequest request;
    std::string payload;
    if (handler.encryptRequest(request) != 0 || !request.SerializeToString(&payload))
        return Outcome::Failed;

    useServer();
    MessageDispatcher dispatcher(common::op::ResetUserName, common::tag::Plain, payload);
    if (!dispatcher.dispatch())
        return Outcome::Failed;
    qorv::data::ResetUserNameReply reply;
    if (!reply.ParseFromString(dispatcher.getReply()))
        return Outcome::Failed;
    if (reply.sql_diag_rec().sqls() == UniqueViolation)
        return Outcome::NotUnique;
    // A refusal must not read as a confirmation: the user would go looking
    // for an e-mail that never comes and try a name that was never set.
    if (!dispatcher.noEr() || !credentials::ServerReportsSuccess(reply.sql_diag_rec()))
        return Outcome::Failed;
    return Outcome::Done;
}

CredentialResetFlow::Outcome CredentialResetFlow::resetPassword(const std::string &address, const std::string &code,
                                                                const std::string &value) const
{
    ResetPasswordClientPkiHandler handler;
    handler.setUserEmailAddress(address);
    handler.setPasswordResetAuthcode(code);
    handler.setUserPassword(value);
    qorv::data::ResetPasswordRequest request;
    std::string payload;
    if (handler.encryptRequest(request) != 0 || !request.SerializeToString(&payload))
        return Outcome::Failed;

    useServer();
    MessageDispatcher dispatcher(common::op::ResetPassword, common::tag::Plain, payload);
    // The reply carries no fields: the error codes are the server's only word
    // on whether the password was changed.
    if (!dispatcher.dispatch() || !dispatcher.noEr())
        return Outcome::Failed;
    return Outcome::Done;
}

void CredentialResetFlow::report(Outcome outcome) const
{
    const FlowTexts &texts = TextsOf(m_kind);
    switch (outcome) {
    case Outcome::Done:
        QMessageBox::information(m_dialog, SharedText(texts.doneTitle), SharedText(texts.doneText));
        break;
    case Outcome::NotUnique:
        QMessageBox::warning(m_dialog, Linguist::tr("Warning"),
                             QCoreApplication::translate("LogonDialog", "SetUserNameErrUniqueViolation"),
                             QMessageBox::Ok);
        break;
    case Outcome::Failed:
        QMessageBox::warning(m_dialog, Linguist::tr("Warning"), LogonText(texts.failed), QMessageBox::Ok);
        break;
    }
}
