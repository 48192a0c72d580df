#include "setpasscodeintroductionwizardpage.h"

#include "wizardpagewidgets.h"

#include <QPixmap>
#include <QTextEdit>
#include <QWizard>

SetPasscodeIntroductionWizardPage::SetPasscodeIntroductionWizardPage(const QString &name, const QString &user,
                                                                     QWidget *parent)
    : QWizardPage(parent)
    , m_name(name)
    , m_user(user)
{
    setTitle(tr("SetPasscodeIntroductionWizardPageTitle"));
    setSubTitle(tr("SetPasscodeIntroductionWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/lock3.png")));
    QTextEdit *text = wizardpage::CreateSummaryView(this);
    text->setObjectName(QStringLiteral("textView"));
    // The names are the user's data, never markup.
    text->setHtml(tr("Text").arg(m_user.toHtmlEscaped(), m_name.toHtmlEscaped()));
}

SetPasscodeIntroductionWizardPage::~SetPasscodeIntroductionWizardPage() = default;
