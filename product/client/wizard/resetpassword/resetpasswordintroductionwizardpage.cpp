#include "resetpasswordintroductionwizardpage.h"

#include <QPixmap>

ResetPasswordIntroductionWizardPage::ResetPasswordIntroductionWizardPage(QWidget *parent)
    : QWizardPage(parent)
{
    setTitle(tr("ResetPasswordIntroductionWizardPageTitle"));
    setSubTitle(tr("ResetPasswordIntroductionWizardPageSubTitle"));
    setPixmap(QWizard::WatermarkPixmap, QPixmap(QStringLiteral(":icons/256x256/magic_wand_password_field.png")));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/password_field.png")));
}

ResetPasswordIntroductionWizardPage::~ResetPasswordIntroductionWizardPage() = default;
