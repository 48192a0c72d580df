#include "setrevisionconfirmationwizardpage.h"

#include "setrevisionwizard.h"
#include "wizardpagewidgets.h"

#include <QDateTime>
#include <QPixmap>
#include <QTextEdit>
#include <QWizard>

SetRevisionConfirmationWizardPage::SetRevisionConfirmationWizardPage(const QString &name, const QString &user,
                                                                     SetRevisionWizard *wizard)
    : QWizardPage(wizard)
    , m_name(name)
    , m_user(user)
    , m_wizard(wizard)
    , m_summary(wizardpage::CreateSummaryView(this))
{
    m_summary->setObjectName(QStringLiteral("summaryTextEdit"));
    setTitle(tr("SetRevisionConfirmationWizardPageTitle"));
    setSubTitle(tr("SetRevisionConfirmationWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/signal_flag_checkered.png")));
}

SetRevisionConfirmationWizardPage::~SetRevisionConfirmationWizardPage() = default;

void SetRevisionConfirmationWizardPage::initializePage()
{
    const QString revisionDateTime = field(QStringLiteral("revisionDateTime")).toString();
    // Nothing selected counts as the current revision, as the wizard reports it.
    if (field(QStringLiteral("currentRevision")).toBool()
        || field(QStringLiteral("revisionSysStart")).toString().isEmpty()) {
        m_summary->setHtml(tr("CurrentRevision"));
        return;
    }
    const QDateTime revision = QDateTime::fromString(revisionDateTime, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    m_summary->setHtml(tr("PreviousRevision").arg(revision.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))));
}

void SetRevisionConfirmationWizardPage::cleanupPage()
{
}

bool SetRevisionConfirmationWizardPage::isComplete() const
{
    return true;
}

QString SetRevisionConfirmationWizardPage::name() const
{
    return m_name.toHtmlEscaped();
}

QString SetRevisionConfirmationWizardPage::user() const
{
    return m_user.toHtmlEscaped();
}
