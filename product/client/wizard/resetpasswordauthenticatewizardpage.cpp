#include "resetpasswordauthenticatewizardpage.h"

#include "cryptographer.h"
#include "registry.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>

#include <exception>

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

    // No hash (the lock was not available) must not match a record without
    // a user name.
    const std::string hash = CryptographerSingleton::instance()->hashUserName(userName.toStdString());
    if (hash.empty() || hash != RegistrySingleton::instance()->getUserName())
        return refuse(tr("InvalidUserNameWarning"));
    if (!isCurrentPassword(password))
        return refuse(tr("InvalidPasswordWarning"));
    return true;
}

bool ResetPasswordAuthenticateWizardPage::isCurrentPassword(const QString &password) const
{
    const Cryptographer &cryptographer = *CryptographerSingleton::instance();
    try {
        return cryptographer.decodePassword(cryptographer.hashPassword(password.toStdString()),
                                            RegistrySingleton::instance()->getUserPassword());
    } catch (const std::exception &) {
        // A session record without a stored form of the right length (or a
        // hash that could not be made) matches no password.
        return false;
    }
}

bool ResetPasswordAuthenticateWizardPage::refuse(const QString &text)
{
    QMessageBox::warning(this, title(), text, QMessageBox::Ok);
    return false;
}
