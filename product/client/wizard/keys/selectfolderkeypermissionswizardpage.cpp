#include "selectfolderkeypermissionswizardpage.h"

#include <QCheckBox>
#include <QPixmap>
#include <QVBoxLayout>
#include <QWizard>

SelectFolderKeyPermissionsWizardPage::SelectFolderKeyPermissionsWizardPage(QWidget *parent)
    : QWizardPage(parent)
    , m_viewCheckBox(new QCheckBox(tr("PermissionViewFolderContents"), this))
    , m_searchCheckBox(new QCheckBox(tr("PermissionSearchFolderContents"), this))
{
    setTitle(tr("SelectFolderKeyPermissionsWizardPageTitle"));
    setSubTitle(tr("SelectFolderKeyPermissionsWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/checkbox.png")));

    m_viewCheckBox->setObjectName(QStringLiteral("permissionViewFolderContentsCheckBox"));
    m_searchCheckBox->setObjectName(QStringLiteral("permissionSearchFolderContentsCheckBox"));
    m_viewCheckBox->setChecked(true);
    m_searchCheckBox->setChecked(true);
    registerField(QStringLiteral("permissionViewFolderContents"), m_viewCheckBox);
    registerField(QStringLiteral("permissionSearchFolderContents"), m_searchCheckBox);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_viewCheckBox);
    layout->addWidget(m_searchCheckBox);
}

SelectFolderKeyPermissionsWizardPage::~SelectFolderKeyPermissionsWizardPage() = default;

void SelectFolderKeyPermissionsWizardPage::cleanupPage()
{
}
