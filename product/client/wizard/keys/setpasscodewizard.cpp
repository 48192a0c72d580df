#include "setpasscodewizard.h"

#include "keyrules.h"
#include "selectpasscodewizardpage.h"
#include "setpasscodeconfirmationwizardpage.h"
#include "setpasscodeintroductionwizardpage.h"
#include "wizardpagewidgets.h"

SetPasscodeWizard::SetPasscodeWizard(const QString &name, const QString &user, QWidget *parent)
    : QWizard(parent)
    , m_name(name)
    , m_user(user)
    , m_introductionPage(new SetPasscodeIntroductionWizardPage(name, user, this))
    , m_selectionPage(new SelectPasscodeWizardPage(this))
    , m_confirmationPage(new SetPasscodeConfirmationWizardPage(name, user, this))
{
    wizardpage::SetUpKeyChangeWizard(this, tr("SetPasscodeWizardTitle"), QStringLiteral(":icons/32x32/lock3.png"),
                                     m_introductionPage, m_selectionPage, m_confirmationPage);
}

SetPasscodeWizard::~SetPasscodeWizard() = default;

bool SetPasscodeWizard::noPasscode() const
{
    return field(QStringLiteral("noPasscode")).toBool();
}

bool SetPasscodeWizard::passcodeIsValid() const
{
    return field(QStringLiteral("passcodeIsValid")).toBool();
}

std::optional<std::string> SetPasscodeWizard::passcode() const
{
    return keyrules::StoredPasscode(field(QStringLiteral("passcode")).toString());
}
