#include "resetpasswordconfirmationwizardpage.h"

#include <QPixmap>
#include <QTextEdit>
#include <QVBoxLayout>

ResetPasswordConfirmationWizardPage::ResetPasswordConfirmationWizardPage(QWidget *parent)
    : QWizardPage(parent)
    , m_summary(new QTextEdit)
{
    m_summary->setObjectName(QStringLiteral("summaryTextEdit"));
    setTitle(tr("ResetPasswordConfirmationWizardPageTitle"));
    setSubTitle(tr("ResetPasswordConfirmationWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/signal_flag_checkered.png")));
    setFinalPage(true);

    m_summary->setReadOnly(true);
    m_summary->setFocusPolicy(Qt::NoFocus);
    m_summary->setTextInteractionFlags(Qt::NoTextInteraction);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
}

ResetPasswordConfirmationWizardPage::~ResetPasswordConfirmationWizardPage() = default;

void ResetPasswordConfirmationWizardPage::initializePage()
{
    QString text = tr("PasswordHasThisLength").arg(field(QStringLiteral("enterNewPassword")).toString().size());
    text += QStringLiteral("<br><br>");
    text += tr("PasswordSatisfiesTheseRequirements");
    text += QStringLiteral("<ul>");
    const auto item = [this, &text](const char *field, const QString &requirement) {
        if (this->field(QLatin1String(field)).toBool())
            text += QStringLiteral("<li>") + requirement + QStringLiteral("</li>");
    };
    item("passwordLowercaseRequirement", tr("PasswordLowercaseRequirement"));
    item("passwordUppercaseRequirement", tr("PasswordUppercaseRequirement"));
    item("passwordNumberRequirement", tr("PasswordNumberRequirement"));
    item("passwordSymbolRequirement", tr("PasswordSymbolRequirement"));
    text += QStringLiteral("</ul>");
    m_summary->setHtml(text);
}
