#include "setpasscodeconfirmationwizardpage.h"

#include "setpasscodewizard.h"

SetPasscodeConfirmationWizardPage::SetPasscodeConfirmationWizardPage(const QString &name, const QString &user,
                                                                     SetPasscodeWizard *wizard)
    : AbstractKeyChangeConfirmationWizardPage(name, user, tr("SetPasscodeConfirmationWizardPageTitle"),
                                              tr("SetPasscodeConfirmationWizardPageSubTitle"), wizard)
{
}

SetPasscodeConfirmationWizardPage::~SetPasscodeConfirmationWizardPage() = default;

void SetPasscodeConfirmationWizardPage::initializePage()
{
    if (field(QStringLiteral("noPasscode")).toBool())
        setSummary(tr("NoPasscode").arg(name(), user()));
    else if (field(QStringLiteral("passcodeIsValid")).toBool())
        setSummary(tr("ValidPasscode").arg(name(), user()));
    else
        setSummary(tr("InvalidPasscode").arg(name(), user()));
}

bool SetPasscodeConfirmationWizardPage::isComplete() const
{
    return field(QStringLiteral("noPasscode")).toBool() || field(QStringLiteral("passcodeIsValid")).toBool();
}
