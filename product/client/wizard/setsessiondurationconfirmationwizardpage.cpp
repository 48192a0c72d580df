#include "setsessiondurationconfirmationwizardpage.h"

#include "keysummary.h"
#include "setsessiondurationwizard.h"
#include "wizardpagewidgets.h"

#include <QPixmap>
#include <QTextEdit>
#include <QWizard>

SetSessionDurationConfirmationWizardPage::SetSessionDurationConfirmationWizardPage(const QString &name,
                                                                                   const QString &user,
                                                                                   SetSessionDurationWizard *wizard)
    : QWizardPage(wizard)
    , m_name(name)
    , m_user(user)
    , m_wizard(wizard)
    , m_summary(wizardpage::CreateSummaryView(this))
{
    m_summary->setObjectName(QStringLiteral("summaryTextEdit"));
    setTitle(tr("SetSessionDurationConfirmationWizardPageTitle"));
    setSubTitle(tr("SetSessionDurationConfirmationWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/signal_flag_checkered.png")));
}

SetSessionDurationConfirmationWizardPage::~SetSessionDurationConfirmationWizardPage() = default;

void SetSessionDurationConfirmationWizardPage::initializePage()
{
    const unsigned int amount = field(QStringLiteral("durationSpinBox")).toUInt();
    if (field(QStringLiteral("restrictedDuration")).toBool() && amount != 0)
        m_summary->setHtml(tr("RestrictedDuration")
                               .arg(name(), user(), QString::number(amount),
                                    keysummary::DurationUnit(field(QStringLiteral("durationComboBox")).toUInt())));
    else
        m_summary->setHtml(tr("NoRestrictedDuration").arg(name(), user()));
}

void SetSessionDurationConfirmationWizardPage::cleanupPage()
{
}

bool SetSessionDurationConfirmationWizardPage::isComplete() const
{
    return !(field(QStringLiteral("restrictedDuration")).toBool()
             && field(QStringLiteral("durationSpinBox")).toUInt() == 0);
}

QString SetSessionDurationConfirmationWizardPage::name() const
{
    return m_name.toHtmlEscaped();
}

QString SetSessionDurationConfirmationWizardPage::user() const
{
    return m_user.toHtmlEscaped();
}
