#include "restoredocumentconfirmationwizardpage.h"

#include "dbtimestamp.h"
#include "linguist.h"
#include "restoredocumentwizard.h"
#include "wizardpagewidgets.h"

#include <QPixmap>
#include <QTextEdit>

namespace
{
bool IsWizardDataValid(const QWizard *wizard)
{
    const QVariant document = wizard->property("document");
    const QVariant folderId = wizard->property("documentFolderId");
    const QVariant folderName = wizard->property("documentFolderName");
    if (document.metaType() != QMetaType::fromType<qorv::data::Document>() || !folderName.canConvert<QString>()
        || !folderId.canConvert<int>())
        return false;
    return folderId.toInt() == RestoreDocumentWizard::HomeFolderId() || !folderName.toString().isEmpty();
}
}

RestoreDocumentConfirmationWizardPage::RestoreDocumentConfirmationWizardPage(QWidget *parent)
    : QWizardPage(parent)
    , m_textEdit(wizardpage::CreateSummaryView(this))
{
    setTitle(tr("RestoreDocumentConfirmationWizardPageTitle"));
    setSubTitle(tr("RestoreDocumentConfirmationWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/signal_flag_checkered.png")));
    setFinalPage(true);
}

void RestoreDocumentConfirmationWizardPage::initializePage()
{
    if (!IsWizardDataValid(wizard())) {
        m_textEdit->clear();
        return;
    }
    const auto document = wizard()->property("document").value<qorv::data::Document>();
    const int folderId = wizard()->property("documentFolderId").toInt();
    const DbTimestamp from(document.sys_period().from());
    const QString revision =
        from.isValid() ? QString::fromStdString(from.toLocalDbString(DbTimestamp::TimeZonePtr())) : QString();
    const QString folder = folderId == RestoreDocumentWizard::HomeFolderId()
                               ? Linguist::tr("HomeFolder")
                               : wizard()->property("documentFolderName").toString();
    m_textEdit->setText(tr("ConfirmationText").arg(QString::fromStdString(document.document_name()), revision, folder));
}

bool RestoreDocumentConfirmationWizardPage::validatePage()
{
    return IsWizardDataValid(wizard());
}
