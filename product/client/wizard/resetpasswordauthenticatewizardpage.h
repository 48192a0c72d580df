#ifndef RESETPASSWORDAUTHENTICATEWIZARDPAGE_H
#define RESETPASSWORDAUTHENTICATEWIZARDPAGE_H

#include <QWizardPage>

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
    bool isCurrentPassword(const QString &password) const;

    QLineEdit *m_userName;
    QLineEdit *m_currentPassword;
};

#endif // RESETPASSWORDAUTHENTICATEWIZARDPAGE_H
