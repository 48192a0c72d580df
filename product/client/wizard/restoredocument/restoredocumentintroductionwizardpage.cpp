#include "restoredocumentintroductionwizardpage.h"

#include <QPixmap>

RestoreDocumentIntroductionWizardPage::RestoreDocumentIntroductionWizardPage(QWidget *parent)
    : QWizardPage(parent)
{
    setTitle(tr("RestoreDocumentIntroductionWizardPageTitle"));
    setSubTitle(tr("RestoreDocumentIntroductionWizardPageSubTitle"));
    setPixmap(QWizard::WatermarkPixmap, QPixmap(QStringLiteral(":icons/256x256/magic_wand_recycle.png")));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/recycle.png")));
}
