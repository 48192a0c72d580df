#include "selectdocumentkeypermissionswizardpage.h"

#include "linguist.h"

#include <QCheckBox>
#include <QPixmap>
#include <QVBoxLayout>
#include <QWizard>

SelectDocumentKeyPermissionsWizardPage::SelectDocumentKeyPermissionsWizardPage(QWidget *parent)
    : QWizardPage(parent)
    , m_viewCheckBox(new QCheckBox(this))
    , m_updateCheckBox(new QCheckBox(this))
    , m_copyFromClipboardCheckBox(new QCheckBox(this))
    , m_copyToClipboardCheckBox(new QCheckBox(this))
    , m_exportToTextFileCheckBox(new QCheckBox(this))
    , m_exportToPdfFileCheckBox(new QCheckBox(this))
    , m_printCheckBox(new QCheckBox(this))
    , m_searchCheckBox(new QCheckBox(this))
{
    setTitle(tr("SelectDocumentKeyPermissionsWizardPageTitle"));
    setSubTitle(tr("SelectDocumentKeyPermissionsWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/checkbox.png")));

    struct Permission
    {
        QCheckBox *box;
        const char *key; // the label's key, and the field's name with a lower-case initial
        bool checked;
    };
    const Permission permissions[] = {
        {m_viewCheckBox, QT_TRANSLATE_NOOP("Linguist", "PermissionViewDocumentContents"), true},
        {m_updateCheckBox, QT_TRANSLATE_NOOP("Linguist", "PermissionUpdateDocument"), false},
        {m_copyFromClipboardCheckBox, QT_TRANSLATE_NOOP("Linguist", "PermissionCopyDocumentContentsFromClipboard"),
         false},
        {m_copyToClipboardCheckBox, QT_TRANSLATE_NOOP("Linguist", "PermissionCopyDocumentContentsToClipboard"), false},
        {m_exportToTextFileCheckBox, QT_TRANSLATE_NOOP("Linguist", "PermissionExportDocumentContentsToTextFile"),
         false},
        {m_exportToPdfFileCheckBox, QT_TRANSLATE_NOOP("Linguist", "PermissionExportDocumentContentsToPdfFile"), false},
        {m_printCheckBox, QT_TRANSLATE_NOOP("Linguist", "PermissionPrintDocumentContents"), false},
        {m_searchCheckBox, QT_TRANSLATE_NOOP("Linguist", "PermissionSearchDocumentContents"), true},
    };
    auto *layout = new QVBoxLayout(this);
    for (const Permission &permission : permissions) {
        QString field = QString::fromLatin1(permission.key);
        field[0] = field[0].toLower();
        permission.box->setObjectName(field + QStringLiteral("CheckBox"));
        permission.box->setText(Linguist::tr(permission.key));
        permission.box->setChecked(permission.checked);
        registerField(field, permission.box);
        layout->addWidget(permission.box);
    }
}

SelectDocumentKeyPermissionsWizardPage::~SelectDocumentKeyPermissionsWizardPage() = default;

void SelectDocumentKeyPermissionsWizardPage::initializePage()
{
    if (field(QStringLiteral("currentRevision")).toBool())
        return;
    for (QCheckBox *box : {m_updateCheckBox, m_copyFromClipboardCheckBox}) {
        box->setChecked(false);
        box->setEnabled(false);
    }
}

void SelectDocumentKeyPermissionsWizardPage::cleanupPage()
{
    for (QCheckBox *box : {m_updateCheckBox, m_copyFromClipboardCheckBox}) {
        box->setChecked(false);
        box->setEnabled(true);
    }
}
