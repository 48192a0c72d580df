#include "setactivehourswizard.h"

#include "selectactivehourswizardpage.h"
#include "setactivehoursconfirmationwizardpage.h"
#include "setactivehoursintroductionwizardpage.h"
#include "wizardpagewidgets.h"

SetActiveHoursWizard::SetActiveHoursWizard(const QString &name, const QString &user, QWidget *parent)
    : QWizard(parent)
    , m_name(name)
    , m_user(user)
    , m_introductionPage(new SetActiveHoursIntroductionWizardPage(name, user, this))
    , m_selectionPage(new SelectActiveHoursWizardPage(this))
    , m_confirmationPage(new SetActiveHoursConfirmationWizardPage(name, user, this))
{
    wizardpage::SetUpKeyChangeWizard(this, tr("SetActiveHoursWizardTitle"), QStringLiteral(":icons/32x32/clock.png"),
                                     m_introductionPage, m_selectionPage, m_confirmationPage);
}

SetActiveHoursWizard::~SetActiveHoursWizard() = default;

bool SetActiveHoursWizard::restrictedHours() const
{
    return field(QStringLiteral("restrictedHours")).toBool();
}

QTime SetActiveHoursWizard::activeFrom() const
{
    return field(QStringLiteral("fromTime")).toDateTime().time();
}

QTime SetActiveHoursWizard::activeTo() const
{
    return field(QStringLiteral("toTime")).toDateTime().time();
}

QString SetActiveHoursWizard::activeRegion() const
{
    return field(QStringLiteral("region")).toString();
}
