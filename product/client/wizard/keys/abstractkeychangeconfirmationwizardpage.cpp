#include "abstractkeychangeconfirmationwizardpage.h"

#include "wizardpagewidgets.h"

#include <QPixmap>
#include <QTextEdit>
#include <QWizard>

AbstractKeyChangeConfirmationWizardPage::AbstractKeyChangeConfirmationWizardPage(
    const QString &name, const QString &user, const QString &title, const QString &subTitle, QWizard *wizard)
    : QWizardPage(wizard)
    , m_name(name)
    , m_user(user)
    , m_summary(wizardpage::CreateSummaryView(this))
{
    m_summary->setObjectName(QStringLiteral("summaryTextEdit"));
    setTitle(title);
    setSubTitle(subTitle);
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/signal_flag_checkered.png")));
}

AbstractKeyChangeConfirmationWizardPage::~AbstractKeyChangeConfirmationWizardPage() = default;

void AbstractKeyChangeConfirmationWizardPage::cleanupPage()
{
}

void AbstractKeyChangeConfirmationWizardPage::setSummary(const QString &html)
{
    m_summary->setHtml(html);
}

QString AbstractKeyChangeConfirmationWizardPage::name() const
{
    return m_name.toHtmlEscaped();
}

QString AbstractKeyChangeConfirmationWizardPage::user() const
{
    return m_user.toHtmlEscaped();
}
