#include "createdocumentkeyintroductionwizardpage.h"

#include <QPixmap>
#include <QWizard>

CreateDocumentKeyIntroductionWizardPage::CreateDocumentKeyIntroductionWizardPage(QWidget *parent)
    : QWizardPage(parent)
{
    setTitle(tr("CreateDocumentKeyIntroductionWizardPageTitle"));
    setSubTitle(tr("CreateDocumentKeyIntroductionWizardPageSubTitle"));
    setPixmap(QWizard::WatermarkPixmap, QPixmap(QStringLiteral(":icons/256x256/magic_wand_document_key.png")));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/key_add.png")));
}

CreateDocumentKeyIntroductionWizardPage::~CreateDocumentKeyIntroductionWizardPage() = default;
