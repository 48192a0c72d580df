#include "resetpasswordwizard.h"

#include "resetpasswordauthenticatewizardpage.h"
#include "resetpasswordconfirmationwizardpage.h"
#include "resetpasswordintroductionwizardpage.h"
#include "resetpasswordreinitializewizardpage.h"
#include "utils.h"

#include <QIcon>

ResetPasswordWizard::ResetPasswordWizard(QWidget *parent)
    : QWizard(parent)
    , m_introductionPage(new ResetPasswordIntroductionWizardPage(this))
    , m_authenticatePage(new ResetPasswordAuthenticateWizardPage(this))
    , m_reinitializePage(new ResetPasswordReinitializeWizardPage(this))
    , m_confirmationPage(new ResetPasswordConfirmationWizardPage(this))
{
    setWindowTitle(tr("ResetPasswordWizardTitle"));
    setWindowIcon(utils::ActionIcon("password_field.png"));
    setMinimumSize(640, 480);
    setWizardStyle(QWizard::ModernStyle);
    setOptions(QWizard::NoCancelButtonOnLastPage);
    addPage(m_introductionPage);
    addPage(m_authenticatePage);
    addPage(m_reinitializePage);
    addPage(m_confirmationPage);
}

ResetPasswordWizard::~ResetPasswordWizard() = default;
