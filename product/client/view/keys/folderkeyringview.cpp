#include "folderkeyringview.h"

#include "common/majorcode.h"
#include "createfolderkeywizard.h"
#include "folderkeyreader.h"
#include "folderkeyringpanetreewidget.h"
#include "folderkeywriter.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "keyrulechanges.h"
#include "messagedispatcher.h"
#include "securitydescriptorequality.h"
#include "selectfolderkeyuserwizardpage.h"
#include "settings.h"
#include "utils.h"

#include "deletefolderkeyrequest3.pb.h"
#include "insertfolderkeyreply3.pb.h"
#include "insertfolderkeyrequest3.pb.h"
#include "updatefolderkeyreply3.pb.h"
#include "updatefolderkeyrequest3.pb.h"

#include <QAction>
#include <QIcon>
#include <QListWidgetItem>
#include <QMenu>
#include <QMessageBox>
#include <QToolBar>

namespace
{
bool IsModified(QTreeWidgetItem *item)
{
    return GetFolderKey(item).folder_key_security_descriptor()
           != GetFolderKeyBase(item).folder_key_security_descriptor();
}

QString UserName(const qorv::data::FolderKey &folderKey)
{
    return QString::fromStdString(FolderKeyReader(folderKey).userDisplayName());
}
}

FolderKeyringView::FolderKeyringView(int folderId, const QString &folderName, QWidget *parent)
    : KeyringView(parent)
    , m_folderId(folderId)
    , m_folderName(folderName)
    , m_folderKeyringPaneTreeWidget(new FolderKeyringPaneTreeWidget(this))
    , m_newAction(m_fileMenu->addAction(utils::ActionIcon("key_add.png"), tr("New"), this, &FolderKeyringView::newKey))
{
    initializeWindow();
    initializeFileMenu();
    KeyringView::initializeEditMenu();
    KeyringView::initializeViewMenu();
    KeyringView::initializeToolsMenu();
    initializeStandardToolBar();
    initializeFolderKeyringPaneTreeWidget();
}

FolderKeyringView::~FolderKeyringView()
{
    Settings().saveWidgetGeometrySettings(this, Settings::ClassName);
}

int FolderKeyringView::getFolderId() const
{
    return m_folderId;
}

QString FolderKeyringView::getFolderName() const
{
    return m_folderName;
}

bool FolderKeyringView::isModified() const
{
    for (int index = 0; index < m_folderKeyringPaneTreeWidget->topLevelItemCount(); ++index) {
        if (IsModified(m_folderKeyringPaneTreeWidget->topLevelItem(index)))
            return true;
    }
    return false;
}

void FolderKeyringView::receiveReply(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request,
                                     common::Ercode majorErcode, common::Ercode minorErcode, const std::string &reply)
{
    switch (majorOpcode) {
    case common::op::InsertFolderKey:
        insertFolderKeyReplyHandler(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
        break;
    case common::op::UpdateFolderKey:
        updateFolderKeyReplyHandler(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
        break;
    case common::op::DeleteFolderKey:
        deleteFolderKeyReplyHandler(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
        break;
    default:
        break;
    }
}

void FolderKeyringView::receiveRequest(common::Opcode, common::Opcode, const std::string &)
{
}

void FolderKeyringView::newKey()
{
    CreateFolderKeyWizard wizard(m_folderId, m_folderName, this);
    if (wizard.exec() != QDialog::Accepted)
        return;
    const QList<qorv::data::FolderKey> folderKeys = wizard.folderKeys();
    QStringList notCreated;
    if (folderKeys.isEmpty()) {
        // Users were picked, but the key could not be made (its passcode
        // could not be stored): none of them has a key.
        for (const QListWidgetItem *item : wizard.getSelectFolderKeyUserWizardPage()->selectedItems())
            notCreated.append(item->text());
    }
    // Each reply adds its key to the pane before the next request goes out.
    for (const qorv::data::FolderKey &folderKey : folderKeys) {
        qorv::data::InsertFolderKeyRequest request;
        *request.mutable_folder_key() = folderKey;
        if (!sendKeyRequest(common::op::InsertFolderKey, request))
            notCreated.append(UserName(folderKey));
    }
    if (!notCreated.isEmpty())
        reportNotCreated(notCreated);
}

void FolderKeyringView::saveKey()
{
    QTreeWidgetItem *item = currentKeyItem();
    if (item != nullptr && !saveKey(item))
        reportNotSaved({UserName(GetFolderKey(item))});
}

void FolderKeyringView::saveAllKeys()
{
    // Only the changed keys go out.
    QStringList notSaved;
    for (int index = 0; index < m_folderKeyringPaneTreeWidget->topLevelItemCount(); ++index) {
        QTreeWidgetItem *item = m_folderKeyringPaneTreeWidget->topLevelItem(index);
        if (!saveKey(item))
            notSaved.append(UserName(GetFolderKey(item)));
    }
    if (!notSaved.isEmpty())
        reportNotSaved(notSaved);
}

void FolderKeyringView::revertKey()
{
    if (QTreeWidgetItem *item = currentKeyItem())
        revertKey(item);
}

void FolderKeyringView::revertAllKeys()
{
    for (int index = 0; index < m_folderKeyringPaneTreeWidget->topLevelItemCount(); ++index)
        revertKey(m_folderKeyringPaneTreeWidget->topLevelItem(index));
}

void FolderKeyringView::deleteKey()
{
    if (QTreeWidgetItem *item = currentKeyItem())
        deleteKey(item);
}

void FolderKeyringView::setActiveHours()
{
    changeKey([this](qorv::data::FolderKey &folderKey, const QString &userName) {
        const std::optional<keyrules::ActiveHours> hours = keyrulechanges::ActiveHours(m_folderName, userName, this);
        if (!hours)
            return false;
        FolderKeyWriter writer(folderKey);
        writer.setActiveFrom(hours->from);
        writer.setActiveTo(hours->to);
        writer.setActiveRegion(hours->region);
        return true;
    });
}

void FolderKeyringView::setSessionDuration()
{
    changeKey([this](qorv::data::FolderKey &folderKey, const QString &userName) {
        const std::optional<int> seconds = keyrulechanges::SessionDuration(m_folderName, userName, this);
        if (!seconds)
            return false;
        FolderKeyWriter(folderKey).setSessionDuration(*seconds);
        return true;
    });
}

void FolderKeyringView::setExpirationDate()
{
    changeKey([this](qorv::data::FolderKey &folderKey, const QString &userName) {
        const std::optional<std::string> date = keyrulechanges::ExpirationDate(m_folderName, userName, this);
        if (!date)
            return false;
        FolderKeyWriter(folderKey).setExpirationDate(*date);
        return true;
    });
}

void FolderKeyringView::setPasscode()
{
    changeKey([this](qorv::data::FolderKey &folderKey, const QString &userName) {
        const std::optional<std::string> password = keyrulechanges::Password(m_folderName, userName, this);
        if (!password)
            return false;
        FolderKeyWriter(folderKey).setPassword(*password);
        return true;
    });
}

void FolderKeyringView::initializeWindow()
{
    setWindowCaption(QStringLiteral("%1 Folder Keyring").arg(m_folderName),
                     QString::fromStdString(MessageDispatcher::getServerName()), QString());
    setWindowIcon(utils::ActionIcon("keys.png"));
    setCentralWidget(m_folderKeyringPaneTreeWidget);
    Settings().restoreWidgetGeometrySettings(this, Settings::ClassName, QSize(640, 480), QPoint(64, 48));
}

void FolderKeyringView::initializeFileMenu()
{
    KeyringView::initializeFileMenu();
    m_newAction->setIconVisibleInMenu(true);
    m_newAction->setStatusTip(tr("NewStatusTip"));
    m_fileMenu->insertAction(m_revertAction, m_newAction);
    m_fileMenu->insertSeparator(m_revertAction);
}

void FolderKeyringView::initializeStandardToolBar()
{
    KeyringView::initializeStandardToolBar();
    m_newAction->setToolTip(tr("NewToolTip"));
    m_standardToolBar->insertAction(m_saveAction, m_newAction);
    m_standardToolBar->insertSeparator(m_saveAction);
}

void FolderKeyringView::initializeFolderKeyringPaneTreeWidget()
{
    FolderKeyringPaneTreeWidget *pane = m_folderKeyringPaneTreeWidget;
    connect(this, &FolderKeyringView::addFolderKey, pane, &FolderKeyringPaneTreeWidget::addFolderKey);
    connect(this, &FolderKeyringView::updateFolderKey, pane, &FolderKeyringPaneTreeWidget::updateFolderKey);
    connect(this, &FolderKeyringView::revertFolderKey, pane, &FolderKeyringPaneTreeWidget::revertFolderKey);
    connect(this, &FolderKeyringView::deleteFolderKey, pane, &FolderKeyringPaneTreeWidget::deleteFolderKey);
    connect(m_viewPermissionsAction, &QAction::toggled, pane, &FolderKeyringPaneTreeWidget::viewPermissionsToggled);
    connect(m_viewDaysAction, &QAction::toggled, pane, &FolderKeyringPaneTreeWidget::viewDaysToggled);
    connect(m_viewMonthsAction, &QAction::toggled, pane, &FolderKeyringPaneTreeWidget::viewMonthsToggled);
    followPane(pane,
               [this] {
                   QTreeWidgetItem *item = currentKeyItem();
                   return CurrentKey{item != nullptr, item != nullptr && IsModified(item)};
               },
               {});
}

bool FolderKeyringView::saveKey(QTreeWidgetItem *item)
{
    if (item == nullptr || !IsModified(item))
        return true;
    qorv::data::UpdateFolderKeyRequest request;
    *request.mutable_folder_key() = GetFolderKey(item);
    return sendKeyRequest(common::op::UpdateFolderKey, request);
}

void FolderKeyringView::revertKey(QTreeWidgetItem *item)
{
    if (item != nullptr && IsModified(item))
        emit revertFolderKey(GetFolderKeyBase(item));
}

void FolderKeyringView::deleteKey(QTreeWidgetItem *item)
{
    if (item == nullptr || !IsFolderKeyTreeWidgetItem(item))
        return;
    const qorv::data::FolderKey folderKey = GetFolderKey(item);
    const QString userName = UserName(folderKey);
    QMessageBox confirmation(this);
    confirmation.setText(tr("DeleteFolderKeyConfirmationWindowTitle"));
    confirmation.setInformativeText(InformativeText(tr("DeleteFolderKeyConfirmation").arg(userName)));
    confirmation.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    confirmation.setDefaultButton(QMessageBox::Cancel);
    if (confirmation.exec() != QMessageBox::Ok)
        return;
    qorv::data::DeleteFolderKeyRequest request;
    request.set_folder_key_folder_id(folderKey.folder_key_folder().folder_id());
    request.set_folder_key_user_id(folderKey.folder_key_user().user_id());
    if (!sendKeyRequest(common::op::DeleteFolderKey, request))
        reportNotDeleted(userName);
}

void FolderKeyringView::changeKey(const KeyChange &change)
{
    QTreeWidgetItem *current = m_folderKeyringPaneTreeWidget->currentItem();
    if (current == nullptr)
        return;
    QTreeWidgetItem *item = GetFolderKeyTreeWidgetItem(current);
    qorv::data::FolderKey folderKey = GetFolderKey(item);
    if (!change(folderKey, UserName(folderKey)))
        return;
    item->setData(0, EditedRecordRole, itemrecord::ToVariant(folderKey));
    if (!saveKey(item))
        reportNotSaved({UserName(folderKey)});
}

QTreeWidgetItem *FolderKeyringView::currentKeyItem() const
{
    QTreeWidgetItem *current = m_folderKeyringPaneTreeWidget->currentItem();
    return current != nullptr ? GetFolderKeyTreeWidgetItem(current) : nullptr;
}

void FolderKeyringView::insertFolderKeyReplyHandler(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                                    const std::string &request, common::Ercode majorErcode,
                                                    common::Ercode minorErcode, const std::string &reply)
{
    qorv::data::InsertFolderKeyRequest insertRequest;
    qorv::data::InsertFolderKeyReply insertReply;
    if (!CarriedOut(minorOpcode, majorErcode, minorErcode, request, reply, insertRequest, insertReply))
        return;
    acknowledge(majorOpcode, request);
    if (FolderKeyReader(insertRequest.folder_key()).folderId() == m_folderId)
        emit addFolderKey(insertRequest.folder_key());
}

void FolderKeyringView::updateFolderKeyReplyHandler(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                                    const std::string &request, common::Ercode majorErcode,
                                                    common::Ercode minorErcode, const std::string &reply)
{
    qorv::data::UpdateFolderKeyRequest updateRequest;
    qorv::data::UpdateFolderKeyReply updateReply;
    if (!CarriedOut(minorOpcode, majorErcode, minorErcode, request, reply, updateRequest, updateReply))
        return;
    acknowledge(majorOpcode, request);
    if (FolderKeyReader(updateRequest.folder_key()).folderId() == m_folderId)
        emit updateFolderKey(updateRequest.folder_key());
}

void FolderKeyringView::deleteFolderKeyReplyHandler(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                                    const std::string &request, common::Ercode majorErcode,
                                                    common::Ercode minorErcode, const std::string &)
{
    // A folder key's deletion has no reply message to read.
    qorv::data::DeleteFolderKeyRequest deleteRequest;
    if (!CarriedOut(minorOpcode, majorErcode, minorErcode, request, deleteRequest))
        return;
    acknowledge(majorOpcode, request);
    if (deleteRequest.folder_key_folder_id() == m_folderId)
        emit deleteFolderKey(deleteRequest.folder_key_user_id());
}
