#include "setsessiondurationconfirmationwizardpage.h"

#include "keysummary.h"
#include "setsessiondurationwizard.h"

SetSessionDurationConfirmationWizardPage::SetSessionDurationConfirmationWizardPage(const QString &name,
                                                                                   const QString &user,
                                                                                   SetSessionDurationWizard *wizard)
    : AbstractKeyChangeConfirmationWizardPage(name, user, tr("SetSessionDurationConfirmationWizardPageTitle"),
                                              tr("SetSessionDurationConfirmationWizardPageSubTitle"), wizard)
{
}

SetSessionDurationConfirmationWizardPage::~SetSessionDurationConfirmationWizardPage() = default;

void SetSessionDurationConfirmationWizardPage::initializePage()
{
    const unsigned int amount = field(QStringLiteral("durationSpinBox")).toUInt();
    if (field(QStringLiteral("restrictedDuration")).toBool() && amount != 0)
        setSummary(tr("RestrictedDuration")
                       .arg(name(), user(), QString::number(amount),
                            keysummary::DurationUnit(field(QStringLiteral("durationComboBox")).toUInt())));
    else
        setSummary(tr("NoRestrictedDuration").arg(name(), user()));
}

bool SetSessionDurationConfirmationWizardPage::isComplete() const
{
    return !(field(QStringLiteral("restrictedDuration")).toBool()
             && field(QStringLiteral("durationSpinBox")).toUInt() == 0);
}
