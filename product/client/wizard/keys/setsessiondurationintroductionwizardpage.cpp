#include "setsessiondurationintroductionwizardpage.h"

#include "wizardpagewidgets.h"

#include <QPixmap>
#include <QTextEdit>
#include <QWizard>

SetSessionDurationIntroductionWizardPage::SetSessionDurationIntroductionWizardPage(const QString &name,
                                                                                   const QString &user, QWidget *parent)
    : QWizardPage(parent)
    , m_name(name)
    , m_user(user)
{
    setTitle(tr("SetSessionDurationIntroductionWizardPageTitle"));
    setSubTitle(tr("SetSessionDurationIntroductionWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/stopwatch.png")));
    QTextEdit *text = wizardpage::CreateSummaryView(this);
    text->setObjectName(QStringLiteral("textView"));
    // The names are the user's data, never markup.
    text->setHtml(tr("Text").arg(m_user.toHtmlEscaped(), m_name.toHtmlEscaped()));
}

SetSessionDurationIntroductionWizardPage::~SetSessionDurationIntroductionWizardPage() = default;
