#include "setexpirationdateconfirmationwizardpage.h"

#include "keysummary.h"
#include "setexpirationdatewizard.h"
#include "wizardpagewidgets.h"

#include <QDate>
#include <QPixmap>
#include <QTextEdit>
#include <QWizard>

SetExpirationDateConfirmationWizardPage::SetExpirationDateConfirmationWizardPage(const QString &name,
                                                                                 const QString &user,
                                                                                 SetExpirationDateWizard *wizard)
    : QWizardPage(wizard)
    , m_name(name)
    , m_user(user)
    , m_wizard(wizard)
    , m_summary(wizardpage::CreateSummaryView(this))
{
    m_summary->setObjectName(QStringLiteral("summaryTextEdit"));
    setTitle(tr("SetExpirationDateConfirmationWizardPageTitle"));
    setSubTitle(tr("SetExpirationDateConfirmationWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/signal_flag_checkered.png")));
}

SetExpirationDateConfirmationWizardPage::~SetExpirationDateConfirmationWizardPage() = default;

void SetExpirationDateConfirmationWizardPage::initializePage()
{
    m_summary->setHtml(keysummary::Expiration(field(QStringLiteral("expirationDateCalendar")).toDate(),
                                              tr("Translation0"), tr("Translation1"), tr("TranslationN")));
}

void SetExpirationDateConfirmationWizardPage::cleanupPage()
{
}

bool SetExpirationDateConfirmationWizardPage::isComplete() const
{
    return field(QStringLiteral("expirationDateCalendar")).toDate().isValid();
}

QString SetExpirationDateConfirmationWizardPage::name() const
{
    return m_name.toHtmlEscaped();
}

QString SetExpirationDateConfirmationWizardPage::user() const
{
    return m_user.toHtmlEscaped();
}
