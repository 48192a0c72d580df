#include "setactivehoursintroductionwizardpage.h"

#include "wizardpagewidgets.h"

#include <QPixmap>
#include <QTextEdit>
#include <QWizard>

SetActiveHoursIntroductionWizardPage::SetActiveHoursIntroductionWizardPage(const QString &name, const QString &user,
                                                                           QWidget *parent)
    : QWizardPage(parent)
    , m_name(name)
    , m_user(user)
{
    setTitle(tr("SetActiveHoursIntroductionWizardPageTitle"));
    setSubTitle(tr("SetActiveHoursIntroductionWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/clock.png")));
    QTextEdit *text = wizardpage::CreateSummaryView(this);
    text->setObjectName(QStringLiteral("textView"));
    // The names are the user's data, never markup.
    text->setHtml(tr("Text").arg(m_user.toHtmlEscaped(), m_name.toHtmlEscaped()));
}

SetActiveHoursIntroductionWizardPage::~SetActiveHoursIntroductionWizardPage() = default;
