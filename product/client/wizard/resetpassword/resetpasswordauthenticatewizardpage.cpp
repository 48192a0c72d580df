#include "resetpasswordauthenticatewizardpage.h"

#include "cryptographer.h"
#include "registry.h"
#include "secrettext.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>

#include <exception>
#include <optional>
#include <utility>

ResetPasswordAuthenticateWizardPage::ResetPasswordAuthenticateWizardPage(QWidget *parent)
    : QWizardPage(parent)
    , m_userName(new QLineEdit)
    , m_currentPassword(new QLineEdit)
{
    m_userName->setObjectName(QStringLiteral("userNameLineEdit"));
    m_currentPassword->setObjectName(QStringLiteral("currentPasswordLineEdit"));
    setTitle(tr("ResetPasswordAuthenticateWizardPageTitle"));
    setSubTitle(tr("ResetPasswordAuthenticateWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/password_field.png")));

    m_currentPassword->setEchoMode(QLineEdit::Password);
    registerField(QStringLiteral("userName"), m_userName);
    registerField(QStringLiteral("currentPassword"), m_currentPassword);

    auto *layout = new QFormLayout(this);
    layout->addRow(tr("UserName"), m_userName);
    layout->addRow(tr("CurrentPassword"), m_currentPassword);
}

ResetPasswordAuthenticateWizardPage::~ResetPasswordAuthenticateWizardPage() = default;

void ResetPasswordAuthenticateWizardPage::initializePage()
{
    m_userName->clear();
    m_currentPassword->clear();
}

bool ResetPasswordAuthenticateWizardPage::validatePage()
{
    // Both fields are taken as typed: blanks count as content and are hashed.
    const QString userName = m_userName->text();
    const QString password = m_currentPassword->text();
    if (userName.isEmpty())
        return refuse(tr("UserNameEmptyWarning"));
    if (password.isEmpty())
        return refuse(tr("CurrentPasswordEmptyWarning"));

    // Without the hashes (the Cryptographer's lock was not available) nothing
    // can be checked: that is no wrong entry, and the user is told so.
    const Cryptographer &cryptographer = *CryptographerSingleton::instance();
    const std::optional<std::string> userNameHash = cryptographer.hashUserName(userName.toStdString());
    std::optional<std::string> passwordHash = cryptographer.hashPassword(password.toStdString());
    if (!userNameHash || !passwordHash) {
        qWarning("The user name or password could not be hashed; they are not checked.");
        return refuse(tr("CredentialsCannotBeCheckedWarning"));
    }
    const SecretText pass(std::move(*passwordHash));
    if (*userNameHash != RegistrySingleton::instance()->getUserName())
        return refuse(tr("InvalidUserNameWarning"));
    if (!isCurrentPassword(pass.get()))
        return refuse(tr("InvalidPasswordWarning"));
    return true;
}

bool ResetPasswordAuthenticateWizardPage::isCurrentPassword(const std::string &pass) const
{
    try {
        return CryptographerSingleton::instance()->decodePassword(pass,
                                                                  RegistrySingleton::instance()->getUserPassword());
    } catch (const std::exception &) {
        // A session record without a stored form of the right length matches
        // no password.
        return false;
    }
}

bool ResetPasswordAuthenticateWizardPage::refuse(const QString &text)
{
    QMessageBox::warning(this, title(), text, QMessageBox::Ok);
    return false;
}
