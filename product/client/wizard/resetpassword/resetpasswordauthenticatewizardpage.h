#ifndef RESETPASSWORDAUTHENTICATEWIZARDPAGE_H
#define RESETPASSWORDAUTHENTICATEWIZARDPAGE_H

#include <QWizardPage>

#include <string>

class QLineEdit;

// Asks for the user name and the current password and checks them against
// the session's user record, without asking the server.
class ResetPasswordAuthenticateWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit ResetPasswordAuthenticateWizardPage(QWidget *parent);
    ~ResetPasswordAuthenticateWizardPage() override;

    void initializePage() override;
    bool validatePage() override;

private:
    bool refuse(const QString &text);
    // pass: the typed password's hash.
    bool isCurrentPassword(const std::string &pass) const;

    QLineEdit *m_userName;
    QLineEdit *m_currentPassword;
};

#endif // RESETPASSWORDAUTHENTICATEWIZARDPAGE_H
