#include "setactivehoursconfirmationwizardpage.h"

#include "keyrules.h"
#include "setactivehourswizard.h"
#include "wizardpagewidgets.h"

#include <QDateTime>
#include <QPixmap>
#include <QTextEdit>
#include <QTime>
#include <QWizard>

SetActiveHoursConfirmationWizardPage::SetActiveHoursConfirmationWizardPage(const QString &name, const QString &user,
                                                                           SetActiveHoursWizard *wizard)
    : QWizardPage(wizard)
    , m_name(name)
    , m_user(user)
    , m_wizard(wizard)
    , m_summary(wizardpage::CreateSummaryView(this))
{
    m_summary->setObjectName(QStringLiteral("summaryTextEdit"));
    setTitle(tr("SetActiveHoursConfirmationWizardPageTitle"));
    setSubTitle(tr("SetActiveHoursConfirmationWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/signal_flag_checkered.png")));
}

SetActiveHoursConfirmationWizardPage::~SetActiveHoursConfirmationWizardPage() = default;

void SetActiveHoursConfirmationWizardPage::initializePage()
{
    const bool restricted = field(QStringLiteral("restrictedHours")).toBool();
    const QTime from = field(QStringLiteral("fromTime")).toDateTime().time();
    const QTime to = field(QStringLiteral("toTime")).toDateTime().time();
    if (restricted && from.isValid() && to.isValid())
        m_summary->setHtml(
            tr("RestrictedHours").arg(name(), user(), keyrules::ShortTime(from), keyrules::ShortTime(to)));
    else
        m_summary->setHtml(tr("NoRestrictedHours").arg(name(), user()));
}

void SetActiveHoursConfirmationWizardPage::cleanupPage()
{
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

QString SetActiveHoursConfirmationWizardPage::name() const
{
    return m_name.toHtmlEscaped();
}

QString SetActiveHoursConfirmationWizardPage::user() const
{
    return m_user.toHtmlEscaped();
}
