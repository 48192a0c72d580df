#ifndef RESETPASSWORDWIZARD_H
#define RESETPASSWORDWIZARD_H

#include <QWizard>

class ResetPasswordAuthenticateWizardPage;
class ResetPasswordConfirmationWizardPage;
class ResetPasswordIntroductionWizardPage;
class ResetPasswordReinitializeWizardPage;

// Lets the logged-on user change the password: introduction, the current
// credentials checked against the session, the new password (stored on the
// server when that page is committed), and a summary. It needs a logged-on
// session and talks to the server directly, outside the bus.
class ResetPasswordWizard : public QWizard
{
    Q_OBJECT

public:
    explicit ResetPasswordWizard(QWidget *parent);
    ~ResetPasswordWizard() override;

private:
    ResetPasswordIntroductionWizardPage *m_introductionPage;
    ResetPasswordAuthenticateWizardPage *m_authenticatePage;
    ResetPasswordReinitializeWizardPage *m_reinitializePage;
    ResetPasswordConfirmationWizardPage *m_confirmationPage;
};

#endif // RESETPASSWORDWIZARD_H
