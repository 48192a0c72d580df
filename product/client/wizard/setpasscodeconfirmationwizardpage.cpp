#include "setpasscodeconfirmationwizardpage.h"

#include "setpasscodewizard.h"
#include "wizardpagewidgets.h"

#include <QPixmap>
#include <QTextEdit>
#include <QWizard>

SetPasscodeConfirmationWizardPage::SetPasscodeConfirmationWizardPage(const QString &name, const QString &user,
                                                                     SetPasscodeWizard *wizard)
    : QWizardPage(wizard)
    , m_name(name)
    , m_user(user)
    , m_wizard(wizard)
    , m_summary(wizardpage::CreateSummaryView(this))
{
    m_summary->setObjectName(QStringLiteral("summaryTextEdit"));
    setTitle(tr("SetPasscodeConfirmationWizardPageTitle"));
    setSubTitle(tr("SetPasscodeConfirmationWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/signal_flag_checkered.png")));
}

SetPasscodeConfirmationWizardPage::~SetPasscodeConfirmationWizardPage() = default;

void SetPasscodeConfirmationWizardPage::initializePage()
{
    if (field(QStringLiteral("noPasscode")).toBool())
        m_summary->setHtml(tr("NoPasscode").arg(name(), user()));
    else if (field(QStringLiteral("passcodeIsValid")).toBool())
        m_summary->setHtml(tr("ValidPasscode").arg(name(), user()));
    else
        m_summary->setHtml(tr("InvalidPasscode").arg(name(), user()));
}

void SetPasscodeConfirmationWizardPage::cleanupPage()
{
}

bool SetPasscodeConfirmationWizardPage::isComplete() const
{
    return field(QStringLiteral("noPasscode")).toBool() || field(QStringLiteral("passcodeIsValid")).toBool();
}

QString SetPasscodeConfirmationWizardPage::name() const
{
    return m_name.toHtmlEscaped();
}

QString SetPasscodeConfirmationWizardPage::user() const
{
    return m_user.toHtmlEscaped();
}
