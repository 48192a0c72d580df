#include "setactivehoursconfirmationwizardpage.h"

#include "keyrules.h"
#include "setactivehourswizard.h"

#include <QDateTime>
#include <QTime>

SetActiveHoursConfirmationWizardPage::SetActiveHoursConfirmationWizardPage(const QString &name, const QString &user,
                                                                           SetActiveHoursWizard *wizard)
    : AbstractKeyChangeConfirmationWizardPage(name, user, tr("SetActiveHoursConfirmationWizardPageTitle"),
                                              tr("SetActiveHoursConfirmationWizardPageSubTitle"), wizard)
{
}

SetActiveHoursConfirmationWizardPage::~SetActiveHoursConfirmationWizardPage() = default;

void SetActiveHoursConfirmationWizardPage::initializePage()
{
    const bool restricted = field(QStringLiteral("restrictedHours")).toBool();
    const QTime from = field(QStringLiteral("fromTime")).toDateTime().time();
    const QTime to = field(QStringLiteral("toTime")).toDateTime().time();
    if (restricted && from.isValid() && to.isValid())
        setSummary(tr("RestrictedHours").arg(name(), user(), keyrules::ShortTime(from), keyrules::ShortTime(to)));
    else
        setSummary(tr("NoRestrictedHours").arg(name(), user()));
}

bool SetActiveHoursConfirmationWizardPage::isComplete() const
{
    // The order of the two times is the keyring window's to judge.
    if (!field(QStringLiteral("restrictedHours")).toBool())
        return true;
    return field(QStringLiteral("fromTime")).toDateTime().time().isValid()
           && field(QStringLiteral("toTime")).toDateTime().time().isValid()
           && !field(QStringLiteral("region")).toString().isEmpty();
}
