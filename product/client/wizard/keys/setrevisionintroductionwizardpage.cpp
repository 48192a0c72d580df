#include "setrevisionintroductionwizardpage.h"

#include "wizardpagewidgets.h"

#include <QPixmap>
#include <QTextEdit>
#include <QWizard>

SetRevisionIntroductionWizardPage::SetRevisionIntroductionWizardPage(const QString &name, const QString &user,
                                                                     QWidget *parent)
    : QWizardPage(parent)
    , m_name(name)
    , m_user(user)
{
    setTitle(tr("SetRevisionIntroductionWizardPageTitle"));
    setSubTitle(tr("SetRevisionIntroductionWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/document_empty_clock_back.png")));
    QTextEdit *text = wizardpage::CreateSummaryView(this);
    text->setObjectName(QStringLiteral("textView"));
    // The names are the user's data, never markup.
    text->setHtml(tr("SetRevisionIntroductionWizardPageText").arg(m_name.toHtmlEscaped(), m_user.toHtmlEscaped()));
}

SetRevisionIntroductionWizardPage::~SetRevisionIntroductionWizardPage() = default;
