#include "setexpirationdateintroductionwizardpage.h"

#include "wizardpagewidgets.h"

#include <QPixmap>
#include <QTextEdit>
#include <QWizard>

SetExpirationDateIntroductionWizardPage::SetExpirationDateIntroductionWizardPage(const QString &name,
                                                                                 const QString &user, QWidget *parent)
    : QWizardPage(parent)
    , m_name(name)
    , m_user(user)
{
    setTitle(tr("SetExpirationDateIntroductionWizardPageTitle"));
    setSubTitle(tr("SetExpirationDateIntroductionWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/hourglass.png")));
    QTextEdit *text = wizardpage::CreateSummaryView(this);
    text->setObjectName(QStringLiteral("textView"));
    // The names are the user's data, never markup.
    text->setHtml(tr("Text").arg(m_user.toHtmlEscaped(), m_name.toHtmlEscaped()));
}

SetExpirationDateIntroductionWizardPage::~SetExpirationDateIntroductionWizardPage() = default;
