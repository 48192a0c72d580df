#include "selectdocumentkeyuserwizardpage.h"

#include "common/majorcode.h"
#include "createdocumentkeywizard.h"
#include "directexchange.h"
#include "selectuserswidget.h"

#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"

#include <QHBoxLayout>
#include <QPixmap>
#include <QWizard>

SelectDocumentKeyUserWizardPage::SelectDocumentKeyUserWizardPage(QWidget *parent)
    : QWizardPage(parent)
    , m_selectUsersWidget(new SelectUsersWidget(this))
{
    initializeWindow();
    initializeWidgets();
}

SelectDocumentKeyUserWizardPage::~SelectDocumentKeyUserWizardPage() = default;

void SelectDocumentKeyUserWizardPage::cleanupPage()
{
}

bool SelectDocumentKeyUserWizardPage::isComplete() const
{
    return !selectedItems().isEmpty();
}

QList<QListWidgetItem *> SelectDocumentKeyUserWizardPage::selectedItems() const
{
    return m_selectUsersWidget->selectedItems();
}

SelectUsersWidget *SelectDocumentKeyUserWizardPage::getSelectUsersWidget() const
{
    return m_selectUsersWidget;
}

void SelectDocumentKeyUserWizardPage::setMode(int mode)
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

void SelectDocumentKeyUserWizardPage::initializeWindow()
{
    setTitle(tr("SelectDocumentKeyUserWizardPageTitle"));
    setSubTitle(tr("SelectDocumentKeyUserWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/users.png")));
    setLayout(m_selectUsersWidget->getLayout());
}

void SelectDocumentKeyUserWizardPage::initializeWidgets()
{
    // A failed look-up excludes nobody but the logged-on user, whom the
    // picker leaves out anyway.
    const auto *wizard = qobject_cast<const CreateDocumentKeyWizard *>(parentWidget());
    qorv::data::SelectDocumentKeyRequest request;
    request.set_document_key_document_id(wizard != nullptr ? wizard->getDocumentId() : 0);
    qorv::data::SelectDocumentKeyReply reply;
    if (network::DirectExchange(common::op::SelectDocumentKey, request, reply, network::ReplyErrorCodes::Ignored)) {
        for (const qorv::data::DocumentKey &documentKey : reply.document_key())
            m_selectUsersWidget->addExcludedUser(documentKey.document_key_user().user_id());
    }
    m_selectUsersWidget->init();
    connect(m_selectUsersWidget, &SelectUsersWidget::setMode, this, &SelectDocumentKeyUserWizardPage::setMode);
}
