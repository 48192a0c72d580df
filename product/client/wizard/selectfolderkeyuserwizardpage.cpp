#include "selectfolderkeyuserwizardpage.h"

#include "common/majorcode.h"
#include "createfolderkeywizard.h"
#include "directexchange.h"
#include "selectuserswidget.h"

#include "selectfolderkeyreply3.pb.h"
#include "selectfolderkeyrequest3.pb.h"

#include <QHBoxLayout>
#include <QPixmap>
#include <QWizard>

SelectFolderKeyUserWizardPage::SelectFolderKeyUserWizardPage(QWidget *parent)
    : QWizardPage(parent)
    , m_selectUsersWidget(new SelectUsersWidget(this))
{
    initializeWindow();
    initializeWidgets();
}

SelectFolderKeyUserWizardPage::~SelectFolderKeyUserWizardPage() = default;

void SelectFolderKeyUserWizardPage::cleanupPage()
{
}

bool SelectFolderKeyUserWizardPage::isComplete() const
{
    return !selectedItems().isEmpty();
}

QList<QListWidgetItem *> SelectFolderKeyUserWizardPage::selectedItems() const
{
    return m_selectUsersWidget->selectedItems();
}

SelectUsersWidget *SelectFolderKeyUserWizardPage::getSelectUsersWidget() const
{
    return m_selectUsersWidget;
}

void SelectFolderKeyUserWizardPage::setMode(int mode)
{
    for (SelectUsersWidget::PickerMode watched :
         {SelectUsersWidget::HomeGroupsListed, SelectUsersWidget::UserGroupsListed,
          SelectUsersWidget::SelectedUsersGrew, SelectUsersWidget::RemovedNoUserLeft}) {
        if (mode == m_selectUsersWidget->modeId(watched)) {
            emit completeChanged();
            return;
        }
    }
}

void SelectFolderKeyUserWizardPage::initializeWindow()
{
    setTitle(tr("SelectFolderKeyUserWizardPageTitle"));
    setSubTitle(tr("SelectFolderKeyUserWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/users.png")));
    setLayout(m_selectUsersWidget->getLayout());
}

void SelectFolderKeyUserWizardPage::initializeWidgets()
{
    // A failed look-up excludes nobody but the logged-on user, whom the
    // picker leaves out anyway.
    const auto *wizard = qobject_cast<const CreateFolderKeyWizard *>(parentWidget());
    qorv::data::SelectFolderKeyRequest request;
    request.set_folder_key_folder_id(wizard != nullptr ? wizard->getFolderId() : 0);
    qorv::data::SelectFolderKeyReply reply;
    if (network::DirectExchange(common::op::SelectFolderKey, request, reply, network::ReplyErrorCodes::Ignored)) {
        for (const qorv::data::FolderKey &folderKey : reply.folder_key())
            m_selectUsersWidget->addExcludedUser(folderKey.folder_key_user().user_id());
    }
    m_selectUsersWidget->init();
    connect(m_selectUsersWidget, &SelectUsersWidget::setMode, this, &SelectFolderKeyUserWizardPage::setMode);
}
