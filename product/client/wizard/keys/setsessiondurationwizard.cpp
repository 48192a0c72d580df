#include "setsessiondurationwizard.h"

#include "selectsessiondurationwizardpage.h"
#include "setsessiondurationconfirmationwizardpage.h"
#include "setsessiondurationintroductionwizardpage.h"
#include "wizardpagewidgets.h"

SetSessionDurationWizard::SetSessionDurationWizard(const QString &name, const QString &user, QWidget *parent)
    : QWizard(parent)
    , m_name(name)
    , m_user(user)
    , m_introductionPage(new SetSessionDurationIntroductionWizardPage(name, user, this))
    , m_selectionPage(new SelectSessionDurationWizardPage(this))
    , m_confirmationPage(new SetSessionDurationConfirmationWizardPage(name, user, this))
{
    wizardpage::SetUpKeyChangeWizard(this, tr("SetSessionDurationWizardTitle"),
                                     QStringLiteral(":icons/32x32/stopwatch.png"), m_introductionPage, m_selectionPage,
                                     m_confirmationPage);
}

SetSessionDurationWizard::~SetSessionDurationWizard() = default;

bool SetSessionDurationWizard::restrictedDuration() const
{
    return field(QStringLiteral("restrictedDuration")).toBool();
}

int SetSessionDurationWizard::durationSpinBox() const
{
    return field(QStringLiteral("durationSpinBox")).toInt();
}

int SetSessionDurationWizard::durationComboBox() const
{
    return field(QStringLiteral("durationComboBox")).toInt();
}
