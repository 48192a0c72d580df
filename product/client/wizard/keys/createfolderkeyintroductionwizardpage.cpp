#include "createfolderkeyintroductionwizardpage.h"

#include <QPixmap>
#include <QWizard>

CreateFolderKeyIntroductionWizardPage::CreateFolderKeyIntroductionWizardPage(QWidget *parent)
    : QWizardPage(parent)
{
    setTitle(tr("CreateFolderKeyIntroductionWizardPageTitle"));
    setSubTitle(tr("CreateFolderKeyIntroductionWizardPageSubTitle"));
    setPixmap(QWizard::WatermarkPixmap, QPixmap(QStringLiteral(":icons/256x256/magic_wand_folder_key.png")));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/key_add.png")));
}

CreateFolderKeyIntroductionWizardPage::~CreateFolderKeyIntroductionWizardPage() = default;
