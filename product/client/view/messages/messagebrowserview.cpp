#include "messagebrowserview.h"

#include "common/majorcode.h"
#include "common/minortag.h"
#include "common/sqlc.h"
#include "createmessagedialog.h"
#include "currenttimestamp.h"
#include "dbtimestamp.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "itemtype.h"
#include "linguist.h"
#include "listfillguard.h"
#include "messagebrowseractivationmode.h"
#include "messagebrowseroptionsdialog.h"
#include "messagedispatcher.h"
#include "messagesearchdialog.h"
#include "messagewriter.h"
#include "registry.h"
#include "settings.h"
#include "textdocument.h"
#include "utils.h"
#include "waitcursor.h"

#include "deletemessagefolderreply3.pb.h"
#include "deletemessagefolderrequest3.pb.h"
#include "deletemessagereply3.pb.h"
#include "deletemessagerequest3.pb.h"
#include "deletemessageuserreply3.pb.h"
#include "deletemessageuserrequest3.pb.h"
#include "insertmessagefolderreply3.pb.h"
#include "insertmessagefolderrequest3.pb.h"
#include "insertmessagereply3.pb.h"
#include "insertmessagerequest3.pb.h"
#include "messagefolder3.pb.h"
#include "messages3.pb.h"
#include "openmessagerequest3.pb.h"
#include "selectmessagefolderreply3.pb.h"
#include "selectmessagefolderrequest3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserreply3.pb.h"
#include "selectmessageuserrequest3.pb.h"
#include "updatemessagefolderrequest3.pb.h"
#include "updatemessagerequest3.pb.h"
#include "updatemessageuserrequest3.pb.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QSplitter>
#include <QStringList>
#include <QToolBar>

#include <vector>

MessageBrowserView *MessageBrowserView::m_activeView = nullptr;

namespace
{
const qorv::data::User &SessionUser()
{
    return RegistrySingleton::instance()->getUser();
}

bool IsReceivedCopy(const qorv::data::Message &message)
{
    return message.message_user_is_recipient();
}

bool IsReferenced(const qorv::data::SQLDiagRec &diagnostics)
{
    return diagnostics.sqlc() == common::SqlcForeignKeyViolation;
}

template <class Request, class Reply>
bool Parse(const std::string &requestPayload, const std::string &replyPayload, Request &request, Reply &reply)
{
    return request.ParseFromString(requestPayload) && reply.ParseFromString(replyPayload);
}
}

MessageBrowserView::MessageBrowserView(QWidget *parent)
    : AbstractBrowserView(parent)
    , m_newMenu(m_fileMenu->addMenu(Linguist::tr("New")))
    , m_newMessageFolderAction(m_newMenu->addAction(utils::ActionIcon("folder3_add.png"), tr("NewMessageFolder")))
    , m_newMessageAction(m_newMenu->addAction(utils::ActionIcon("mail_add.png"), tr("NewMessage")))
    , m_saveAction(m_fileMenu->addAction(utils::ActionIcon("floppy_disk.png"), Linguist::tr("Save")))
    , m_saveAllAction(m_fileMenu->addAction(utils::ActionIcon("floppy_disks.png"), Linguist::tr("SaveAll")))
    , m_editMessageFolderAction(m_editMenu->addAction(utils::ActionIcon("folder3_edit.png"), tr("EditMessageFolder")))
    , m_editMessageAction(m_editMenu->addAction(utils::ActionIcon("mail_edit.png"), tr("EditMessage")))
    , m_deleteMessageFolderAction(
          m_editMenu->addAction(utils::ActionIcon("folder3_delete.png"), tr("DeleteMessageFolder")))
    , m_deleteMessageAction(m_editMenu->addAction(utils::ActionIcon("mail_delete.png"), tr("DeleteMessage")))
    , m_searchMessagesAction(m_editMenu->addAction(utils::ActionIcon("magnifying_glass.png"), tr("SearchMessages")))
    , m_refreshAction(m_viewMenu->addAction(utils::ActionIcon("refresh.png"), Linguist::tr("Refresh")))
    , m_viewPermissionsAction(m_viewMenu->addAction(utils::ActionIcon("checkbox.png"), Linguist::tr("ViewPermissions")))
    , m_optionsAction(m_toolsMenu->addAction(utils::ActionIcon("window_gear.png"), tr("Options")))
    , m_closeAction(m_fileMenu->addAction(Linguist::tr("Close")))
    , m_aboutAction(m_helpMenu->addAction(Linguist::tr("AboutQORV")))
    , m_modeStart(registerMode(-1, "modeStart"))
    , m_modeMessagesSelected(registerMode(m_modeStart, "modeMessagesSelected"))
    , m_modeMessageFolderSelected(registerMode(m_modeMessagesSelected, "modeMessageFolderSelected"))
    , m_modeMessageFolderDeleted(registerMode(m_modeMessageFolderSelected, "modeMessageFolderDeleted"))
    , m_modeMessageSelected(registerMode(m_modeMessageFolderSelected, "modeMessageSelected"))
    , m_modeMessageModified(registerMode(m_modeMessageSelected, "modeMessageModified"))
    , m_modeMessageReverted(registerMode(m_modeMessageModified, "modeMessageReverted"))
    , m_modeMessageDeleted(registerMode(m_modeMessageSelected, "modeMessageDeleted"))
    , m_modeMessageSaved(registerMode(m_modeMessageModified, "modeMessageSaved"))
    , m_modeMessagesSaved(registerMode(m_modeMessageModified, "modeMessagesSaved"))
{
    setObjectName(QStringLiteral("MessageBrowserView"));

    using Side = MessageBrowserSidePaneTreeWidget;
    using Main = MessageBrowserMainPaneTreeWidget;
    // The folder and message actions reach the window through the panes,
    // which add the selected folder or message.
    connect(m_newMessageFolderAction, &QAction::triggered, m_sidePane, qOverload<>(&Side::newMessageFolder));
    connect(m_newMessageAction, &QAction::triggered, m_sidePane, qOverload<>(&Side::newMessage));
    connect(m_saveAction, &QAction::triggered, this, &MessageBrowserView::saveMessage);
    connect(m_saveAllAction, &QAction::triggered, this, &MessageBrowserView::saveAllMessages);
    connect(m_editMessageFolderAction, &QAction::triggered, m_sidePane, qOverload<>(&Side::editMessageFolder));
    connect(m_editMessageAction, &QAction::triggered, m_mainPane, qOverload<>(&Main::editMessage));
    connect(m_deleteMessageFolderAction, &QAction::triggered, m_sidePane, qOverload<>(&Side::deleteMessageFolder));
    connect(m_deleteMessageAction, &QAction::triggered, m_mainPane, qOverload<>(&Main::deleteMessage));
    connect(m_searchMessagesAction, &QAction::triggered, this, &MessageBrowserView::searchMessages);
    connect(m_refreshAction, &QAction::triggered, this, &MessageBrowserView::viewRefresh);
    connect(m_viewPermissionsAction, &QAction::triggered, this, &MessageBrowserView::viewPermissionsToggled);
    connect(m_optionsAction, &QAction::triggered, this, &MessageBrowserView::toolsOptions);
    connect(m_closeAction, &QAction::triggered, this, &QWidget::close);
    connect(m_aboutAction, &QAction::triggered, this, &AbstractViewWindow::helpAbout);

    connectSignals();
    initializeMode();
    initializeWindow();
    initializeSidePane();
    initializeMainPane();
    initializeFileMenu();
    initializeEditMenu();
    initializeViewMenu();
    initializeStandardToolBar();
}

MessageBrowserView::~MessageBrowserView()
{
    setActiveView(false);
    Settings().saveWidgetGeometrySettings(this, Settings::ClassName);
}

bool MessageBrowserView::isActiveView() const
{
    return m_activeView == this;
}

void MessageBrowserView::setActiveView(bool active)
{
    if (active)
        m_activeView = this;
    else if (m_activeView == this)
        m_activeView = nullptr;
}

qorv::data::Message MessageBrowserView::getMessage(const QTreeWidgetItem *item) const
{
    const QTreeWidgetItem *row = m_mainPane->getTopLevelItem(item);
    const std::optional<qorv::data::Message> message =
        row ? itemrecord::FromVariant<qorv::data::Message>(row->data(0, EditedRecordRole)) : std::nullopt;
    if (!message) {
        qWarning("MessageBrowserView::getMessage: no message found!");
        return qorv::data::Message();
    }
    return *message;
}

void MessageBrowserView::handleOpenMessage(const qorv::data::Message &message)
{
    if (!IsReceivedCopy(message) || !message.has_message_user_properties()
        || (message.message_user_properties() & 1U) == 0)
        return;
    qorv::data::UpdateMessageUserRequest request;
    qorv::data::Message *read = request.mutable_message();
    read->set_message_id(message.message_id());
    read->set_message_user_message_id(message.message_id());
    read->set_message_user_user_id(SessionUser().user_id());
    read->set_message_user_properties(message.message_user_properties() & ~1U);
    utils::WaitCursor waitCursor(true);
    send(common::op::UpdateMessageUser, common::tag::Plain, request, Asking::Passive);
    waitCursor.restore();
    m_mainPane->handleOpenMessage(message);
}

void MessageBrowserView::enterMode(int)
{
}

void MessageBrowserView::leaveMode(int)
{
}

void MessageBrowserView::messagesSelected()
{
    const bool rootFolderOnly =
        MessageBrowserOptionsDialog::GetActivationMode() == messagebrowser::ShowMessagesNotAssignedToFolders;
    // The question comes before the wait: the user answers it.
    saveAllMessages();
    utils::WaitCursor waitCursor(true);
    const int userId = SessionUser().user_id();
    const int rootId = SessionUser().user_message_folder_id();
    emit resetSidePane();
    emit resetMainPane(rootId);
    emit resetMessageViewerPane();

    qorv::data::SelectMessageFolderRequest folders;
    folders.set_message_folder_user_id(userId);
    folders.set_message_folder_parent_id(rootId);
    send(common::op::SelectMessageFolder, common::tag::Plain, folders, Asking::Active);
    qorv::data::SelectMessageRequest messages;
    messages.set_message_user_id(userId);
    if (rootFolderOnly)
        messages.set_message_folder_id(rootId);
    send(common::op::SelectMessage, common::tag::Plain, messages, Asking::Active);
    qorv::data::SelectMessageUserRequest copies;
    copies.set_message_user_user_id(userId);
    if (rootFolderOnly)
        copies.set_message_user_message_folder_id(rootId);
    send(common::op::SelectMessageUser, common::tag::Plain, copies, Asking::Active);

    focusMainPane();
    setMode(m_modeMessagesSelected);
}

void MessageBrowserView::messageFolderItemSelected(const qorv::data::MessageFolder &messageFolder)
{
    saveAllMessages();
    utils::WaitCursor waitCursor(true);
    // The folder tree stays as it is; only the folder's messages are read.
    const int userId = SessionUser().user_id();
    const int folderId = messageFolder.message_folder_id();
    emit resetMainPane(folderId);
    emit resetMessageViewerPane();
    qorv::data::SelectMessageRequest messages;
    messages.set_message_user_id(userId);
    messages.set_message_folder_id(folderId);
    send(common::op::SelectMessage, common::tag::Plain, messages, Asking::Active);
    qorv::data::SelectMessageUserRequest copies;
    copies.set_message_user_user_id(userId);
    copies.set_message_user_message_folder_id(folderId);
    send(common::op::SelectMessageUser, common::tag::Plain, copies, Asking::Active);
    focusMainPane();
    setMode(m_modeMessageFolderSelected);
}

void MessageBrowserView::newMessageFolder(int messageFolderParentId)
{
    bool accepted = false;
    const QString name = QInputDialog::getText(this, tr("NewMessageFolderInputDialog"), tr("MessageFolderName"),
                                               QLineEdit::Normal, QString(), &accepted);
    if (!accepted || name.isEmpty())
        return;
    qorv::data::InsertMessageFolderRequest request;
    qorv::data::MessageFolder *folder = request.mutable_message_folder();
    folder->set_message_folder_user_id(SessionUser().user_id());
    folder->set_message_folder_parent_id(messageFolderParentId);
    folder->set_message_folder_name(name.toStdString());
    folder->set_message_folder_description(std::string());
    folder->set_message_folder_properties(0);
    folder->set_message_folder_creation_date(records::CurrentTimestamp().toDbString());
    qorv::data::SecurityDescriptor *descriptor = folder->mutable_message_folder_security_descriptor();
    descriptor->set_active(1);
    descriptor->set_active_region(std::string());
    descriptor->set_active_from("00:00:00");
    descriptor->set_active_to("00:00:00");
    descriptor->set_audits(0);
    descriptor->set_password(std::string());
    descriptor->set_permissions(0);
    descriptor->set_session_duration(0);
    descriptor->set_expiration_date(DbTimestamp::m_MaxTimestamp);
    descriptor->set_expiration_action(0);
    utils::WaitCursor waitCursor(true);
    send(common::op::InsertMessageFolder, common::tag::Plain, request, Asking::Active);
}

void MessageBrowserView::editMessageFolder(const qorv::data::MessageFolder &messageFolder)
{
    bool accepted = false;
    const QString name =
        QInputDialog::getText(this, tr("EditMessageFolderInputDialog"), tr("MessageFolderName"), QLineEdit::Normal,
                              QString::fromStdString(messageFolder.message_folder_name()), &accepted);
    if (!accepted || name.isEmpty())
        return;
    qorv::data::UpdateMessageFolderRequest request;
    qorv::data::MessageFolder *folder = request.mutable_message_folder();
    folder->set_message_folder_id(messageFolder.message_folder_id());
    folder->set_message_folder_name(name.toStdString());
    utils::WaitCursor waitCursor(true);
    send(common::op::UpdateMessageFolder, common::tag::Plain, request, Asking::Active);
}

void MessageBrowserView::deleteMessageFolder(const qorv::data::MessageFolder &messageFolder)
{
    QMessageBox box(QMessageBox::Question, tr("DeleteMessageFolderDialogTitle"), tr("DeleteMessageFolderDialogText"),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setWindowIcon(utils::ActionIcon("folder3_delete.png"));
    box.setInformativeText(QString::fromStdString(messageFolder.message_folder_name()));
    box.setDefaultButton(QMessageBox::Cancel);
    if (box.exec() != QMessageBox::Ok)
        return;
    qorv::data::DeleteMessageFolderRequest request;
    request.set_message_folder_id(messageFolder.message_folder_id());
    utils::WaitCursor waitCursor(true);
    send(common::op::DeleteMessageFolder, common::tag::Plain, request, Asking::Active);
}

void MessageBrowserView::newMessage(int messageFolderId)
{
    qorv::data::InsertMessageRequest request;
    qorv::data::Message *message = request.mutable_message();
    MessageWriter writer(*message, SessionUser());
    writer.setFolderId(messageFolderId);
    CreateMessageDialog dialog(message, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Recipients, body and attachments follow in the editor that the reply
    // opens.
    utils::WaitCursor waitCursor(true);
    send(common::op::InsertMessage, common::tag::Plain, request, Asking::Active);
}

void MessageBrowserView::editMessage(const qorv::data::Message &message)
{
    qorv::data::OpenMessageRequest request;
    *request.mutable_message() = message;
    utils::WaitCursor waitCursor(true);
    send(IsReceivedCopy(message) ? common::op::OpenMessageReader : common::op::OpenMessageEditor, common::tag::Plain,
         request, Asking::Active);
}

void MessageBrowserView::updateMessage(const qorv::data::Message &message)
{
    displayMessageChain(message, false, false, false, false);
}

void MessageBrowserView::moveMessage(const qorv::data::Message &message, int messageFolderId)
{
    m_movingMessage = message;
    if (IsReceivedCopy(message)) {
        qorv::data::UpdateMessageUserRequest request;
        qorv::data::Message *moved = request.mutable_message();
        moved->set_message_id(message.message_id());
        moved->set_message_user_message_id(message.message_id());
        moved->set_message_user_user_id(SessionUser().user_id());
        moved->set_message_user_message_folder_id(messageFolderId);
        utils::WaitCursor waitCursor(true);
        send(common::op::UpdateMessageUser, common::tag::MoveMessage, request, Asking::Active);
    } else {
        qorv::data::UpdateMessageRequest request;
        qorv::data::Message *moved = request.mutable_message();
        moved->set_message_id(message.message_id());
        moved->set_message_folder_id(messageFolderId);
        utils::WaitCursor waitCursor(true);
        send(common::op::UpdateMessage, common::tag::MoveMessage, request, Asking::Active);
    }
    m_movingMessage.reset();
}

void MessageBrowserView::deleteMessage(const qorv::data::Message &message)
{
    QMessageBox box(QMessageBox::Question, tr("DeleteMessageDialogTitle"), tr("DeleteMessageDialogText"),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setWindowIcon(utils::ActionIcon("mail_delete.png"));
    box.setMinimumWidth(480);
    box.setInformativeText(QString::fromStdString(message.message_subject()));
    box.setDefaultButton(QMessageBox::Cancel);
    if (box.exec() != QMessageBox::Ok)
        return;
    utils::WaitCursor waitCursor(true);
    if (IsReceivedCopy(message)) {
        qorv::data::DeleteMessageUserRequest request;
        request.set_message_user_user_id(SessionUser().user_id());
        request.set_message_user_message_id(message.message_id());
        send(common::op::DeleteMessageUser, common::tag::Plain, request, Asking::Active);
    } else {
        qorv::data::DeleteMessageRequest request;
        request.set_message_id(message.message_id());
        // The audit line of a deletion names who deleted the message.
        request.set_message_user_id(SessionUser().user_id());
        request.set_message_subject(message.message_subject());
        send(common::op::DeleteMessage, common::tag::Plain, request, Asking::Active);
    }
}

void MessageBrowserView::saveMessage()
{
    QTreeWidgetItem *item = m_mainPane->currentItem();
    if (!item)
        return;
    qorv::data::Message edited;
    qorv::data::Message saved;
    // Only the author's own message carries permissions worth storing.
    if (!m_mainPane->isMessageModified(m_mainPane->getTopLevelItem(item), edited, saved) || IsReceivedCopy(edited))
        return;
    qorv::data::UpdateMessageRequest request;
    *request.mutable_message() = edited;
    utils::WaitCursor waitCursor(true);
    send(common::op::UpdateMessage, common::tag::Plain, request, Asking::Active);
}

void MessageBrowserView::saveAllMessages()
{
    QStringList subjects;
    if (!m_mainPane->isMessageModified(subjects))
        return;
    QMessageBox box(QMessageBox::Question, tr("SaveModifiedPermissionsConfirmationWindowTitle"),
                    tr("SaveModifiedPermissionsConfirmation"), QMessageBox::Yes | QMessageBox::No, this);
    box.setInformativeText(subjects.join(QStringLiteral("<br>")));
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() != QMessageBox::Yes) {
        setMode(m_modeMessageReverted);
        return;
    }
    // Taken first: each saved reply rewrites a row of the tree.
    std::vector<qorv::data::Message> modified;
    for (int index = 0; index < m_mainPane->topLevelItemCount(); ++index) {
        qorv::data::Message edited;
        qorv::data::Message saved;
        if (m_mainPane->isMessageModified(m_mainPane->topLevelItem(index), edited, saved) && !IsReceivedCopy(edited))
            modified.push_back(edited);
    }
    for (const qorv::data::Message &message : modified) {
        qorv::data::UpdateMessageRequest request;
        *request.mutable_message() = message;
        utils::WaitCursor waitCursor(true);
        send(common::op::UpdateMessage, common::tag::Plain, request, Asking::Active);
    }
}

void MessageBrowserView::searchMessages()
{
    const QTreeWidgetItem *item = m_sidePane->getSelectedTreeWidgetItem();
    const std::optional<qorv::data::MessageFolder> folder =
        item ? itemrecord::FromVariant<qorv::data::MessageFolder>(item->data(0, MessageFolderRole)) : std::nullopt;
    if (!folder)
        return;
    MessageSearchDialog dialog(folder->message_folder_id(), SessionUser().user_id(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const qorv::data::Messages found = dialog.selectedMessages();
    for (const qorv::data::Message &message : found.message())
        editMessage(message);
}

void MessageBrowserView::messageItemClicked(QTreeWidgetItem *item, int)
{
    QTreeWidgetItem *row = m_mainPane->getTopLevelItem(item);
    if (!row)
        return;
    utils::WaitCursor waitCursor(true);
    // A toggled permission box becomes an edit of the row's message here.
    emit updateMessageItem(row, 0);
    m_message = getMessage(row);
    const std::pair<QString, QString> chain = getMessageChain(m_message, false, false, false, false);
    m_textReader->clear();
    m_textReader->setHtml(chain.first);
    // The reader or editor that opens the message shows this chain first.
    if (IsReceivedCopy(m_message))
        m_message.set_message_chain_cache(chain.first.toStdString());
    else
        m_message.set_message_parent_chain_cache(chain.second.toStdString());
    setMode(m_modeMessageSelected);
}

void MessageBrowserView::messageItemDoubleClicked(QTreeWidgetItem *, int)
{
    editMessage(m_message);
}

void MessageBrowserView::messageItemClickedUpdateActions(QTreeWidgetItem *item, int)
{
    if (!m_mainPane->isMessageModified())
        setMode(m_modeMessagesSaved);
    else if (m_mainPane->isMessageModified(item))
        setMode(m_modeMessageModified);
    else
        setMode(m_modeMessageSaved);
}

void MessageBrowserView::viewRefresh()
{
    const QTreeWidgetItem *item = m_sidePane->getSelectedTreeWidgetItem();
    if (!item) {
        emit showPanes();
    } else if (item->type() == MessageFolderRootItemType) {
        messagesSelected();
    } else if (item->type() == MessageFolderItemType) {
        if (const std::optional<qorv::data::MessageFolder> folder =
                itemrecord::FromVariant<qorv::data::MessageFolder>(item->data(0, MessageFolderRole)))
            messageFolderItemSelected(*folder);
    }
    m_mainPane->setFocus();
}

void MessageBrowserView::viewPermissionsToggled(bool checked)
{
    if (checked)
        m_mainPane->expandAll();
    else
        m_mainPane->collapseAll();
}

void MessageBrowserView::toolsOptions()
{
    // The dialog stores the activation mode itself; the next loading of
    // "Messages" reads it.
    MessageBrowserOptionsDialog dialog(this);
    dialog.exec();
}

void MessageBrowserView::processReply(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                      const std::string &request, const std::string &reply)
{
    switch (majorOpcode) {
    case common::op::DeleteMessageFolder:
        handleDeleteMessageFolder(request, reply);
        break;
    case common::op::DeleteMessage:
        handleDeleteMessage(request, reply);
        break;
    case common::op::DeleteMessageUser:
        handleDeleteMessageUser(request, reply);
        break;
    case common::op::InsertMessageFolder:
        handleInsertMessageFolder(request, reply);
        break;
    case common::op::InsertMessage:
        handleInsertMessage(request, reply);
        break;
    case common::op::SelectMessageFolder:
        handleSelectMessageFolder(reply);
        break;
    case common::op::SelectMessage:
        handleSelectMessage(request, reply);
        break;
    case common::op::SelectMessageUser:
        handleSelectMessageUser(request, reply);
        break;
    case common::op::UpdateMessageFolder:
        handleUpdateMessageFolder(request);
        break;
    case common::op::UpdateMessage: {
        qorv::data::UpdateMessageRequest update;
        if (minorOpcode != common::tag::MoveMessage)
            handleSaveMessage(request);
        else if (update.ParseFromString(request))
            handleMoveMessage(update.message(), update.message().message_folder_id());
        break;
    }
    case common::op::UpdateMessageUser: {
        qorv::data::UpdateMessageUserRequest update;
        if (minorOpcode == common::tag::MoveMessage && update.ParseFromString(request))
            handleMoveMessage(update.message(), update.message().message_user_message_folder_id());
        break;
    }
    default:
        break;
    }
    setActiveView(false);
}

void MessageBrowserView::processError(common::Opcode majorOpcode, common::Opcode, const std::string &request,
                                      common::Ercode, common::Ercode, const std::string &reply)
{
    if (majorOpcode == common::op::DeleteMessage)
        handleDeleteMessageError(request, reply);
    setActiveView(false);
}

void MessageBrowserView::closeEvent(QCloseEvent *event)
{
    // The window closes whatever the answer.
    saveAllMessages();
    event->accept();
}

void MessageBrowserView::connectSignals()
{
    using Side = MessageBrowserSidePaneTreeWidget;
    using Main = MessageBrowserMainPaneTreeWidget;
    using View = MessageBrowserView;
    using Message = qorv::data::Message;
    connect(this, &View::addMessageFolderItem, m_sidePane, &Side::addMessageFolderItem);
    connect(this, &View::addMessageItem, m_mainPane, &Main::addMessageItem);
    connect(this, &View::moveMessageItem, m_mainPane, &Main::moveMessageItem);
    connect(this, &View::removeMessageFolderItem, m_sidePane, &Side::removeMessageFolderItem);
    connect(this, &View::removeMessageFolderMessageItems, m_mainPane, &Main::removeMessageFolderMessageItems);
    connect(this, &View::removeMessageItem, m_mainPane, &Main::removeMessageItem);
    connect(this, &View::resetSidePane, m_sidePane, &Side::resetPane);
    connect(this, &View::resetMainPane, m_mainPane, &Main::resetPane);
    connect(this, &View::resetMessageViewerPane, m_textReader.data(), &QTextEdit::clear);
    connect(this, &View::showPanes, m_mainPane, &Main::showPane);
    connect(this, &View::showPanes, m_sidePane, &Side::showPane);
    connect(this, &View::updateMessageFolderItem, m_sidePane, &Side::updateMessageFolderItem);
    connect(this, qOverload<const Message &>(&View::updateMessageItem), m_mainPane,
            qOverload<const Message &>(&Main::updateMessageItem));
    connect(this, qOverload<QTreeWidgetItem *, int>(&View::updateMessageItem), m_mainPane,
            qOverload<QTreeWidgetItem *, int>(&Main::updateMessageItem));
    connect(m_sidePane, qOverload<const qorv::data::MessageFolder &>(&Side::deleteMessageFolder), this,
            &View::deleteMessageFolder);
    connect(m_sidePane, qOverload<const qorv::data::MessageFolder &>(&Side::editMessageFolder), this,
            &View::editMessageFolder);
    connect(m_sidePane, &Side::messageFolderItemSelected, this, &View::messageFolderItemSelected);
    connect(m_sidePane, &Side::messagesSelected, this, &View::messagesSelected);
    connect(m_sidePane, &Side::moveMessage, this, &View::moveMessage);
    connect(m_sidePane, qOverload<int>(&Side::newMessage), this, &View::newMessage);
    connect(m_sidePane, qOverload<int>(&Side::newMessageFolder), this, &View::newMessageFolder);
    connect(m_mainPane, qOverload<const Message &>(&Main::deleteMessage), this, &View::deleteMessage);
    connect(m_mainPane, qOverload<const Message &>(&Main::editMessage), this, &View::editMessage);
    // A click shows the row's chain first, then sets the save actions.
    connect(m_mainPane, &QTreeWidget::itemClicked, this, &View::messageItemClicked);
    connect(m_mainPane, &QTreeWidget::itemDoubleClicked, this, &View::messageItemDoubleClicked);
    connect(m_mainPane, &QTreeWidget::itemClicked, this, &View::messageItemClickedUpdateActions);
    connect(m_mainPane, &Main::resetMessageViewerPane, this, &View::resetMessageViewerPane);
    connect(m_mainPane, &Main::updateMessage, this, &View::updateMessage);
    connect(m_mainPane, &QTreeWidget::itemSelectionChanged, m_textReader.data(), &QTextEdit::clear);
    connect(m_mainPane, &Main::moveMessage, this, &View::moveMessage);
}

void MessageBrowserView::initializeMode()
{
    const auto enable = [this](int mode, QAction *action, bool enabled) {
        registerProp(mode, Mode::Enter, action, "enabled", enabled);
    };
    enable(m_modeMessageDeleted, m_deleteMessageAction, false);
    enable(m_modeMessageDeleted, m_editMessageAction, false);
    enable(m_modeMessageDeleted, m_saveAction, false);
    enable(m_modeMessageFolderDeleted, m_deleteMessageFolderAction, false);
    enable(m_modeMessageFolderDeleted, m_editMessageFolderAction, false);
    enable(m_modeMessageFolderDeleted, m_searchMessagesAction, false);
    enable(m_modeMessageFolderSelected, m_deleteMessageFolderAction, true);
    enable(m_modeMessageFolderSelected, m_editMessageFolderAction, true);
    enable(m_modeMessageModified, m_saveAction, true);
    enable(m_modeMessageModified, m_saveAllAction, true);
    enable(m_modeMessageSaved, m_saveAction, false);
    enable(m_modeMessageSelected, m_deleteMessageAction, true);
    enable(m_modeMessageSelected, m_deleteMessageFolderAction, false);
    enable(m_modeMessageSelected, m_editMessageAction, true);
    enable(m_modeMessageSelected, m_refreshAction, false);
    enable(m_modeMessageSelected, m_editMessageFolderAction, false);
    enable(m_modeMessagesSaved, m_saveAction, false);
    enable(m_modeMessagesSaved, m_saveAllAction, false);
    enable(m_modeMessagesSaved, m_refreshAction, true);
    enable(m_modeMessagesSelected, m_newMessageAction, true);
    enable(m_modeMessagesSelected, m_newMessageFolderAction, true);
    enable(m_modeMessagesSelected, m_searchMessagesAction, true);
    enable(m_modeMessagesSelected, m_refreshAction, true);
    enable(m_modeMessagesSelected, m_editMessageFolderAction, false);
    enable(m_modeStart, m_deleteMessageAction, false);
    enable(m_modeStart, m_deleteMessageFolderAction, false);
    enable(m_modeStart, m_editMessageAction, false);
    enable(m_modeStart, m_editMessageFolderAction, false);
    enable(m_modeStart, m_newMessageAction, false);
    enable(m_modeStart, m_newMessageFolderAction, false);
    enable(m_modeStart, m_saveAction, false);
    enable(m_modeStart, m_saveAllAction, false);
    enable(m_modeStart, m_searchMessagesAction, false);
    enable(m_modeStart, m_viewPermissionsAction, true);
    enable(m_modeStart, m_refreshAction, true);
    setMode(m_modeStart);
}

void MessageBrowserView::initializeWindow()
{
    m_splitter->addWidget(m_textReader);
    setWindowCaption(tr("MessageBrowserWindowTitle"), QString::fromStdString(MessageDispatcher::getServerName()),
                     QString());
    setWindowIcon(utils::ActionIcon("folder3_mail.png"));
    m_textReader->setDocument(new TextDocument(m_textReader));
    m_textReader->setReadOnly(true);
    m_textReader->setTextInteractionFlags(Qt::NoTextInteraction);
    Settings().restoreWidgetGeometrySettings(this, Settings::ClassName, QSize(640, 480), QPoint(64, 48));
}

void MessageBrowserView::initializeSidePane()
{
    m_sidePane->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_sidePane->addAction(m_newMessageFolderAction);
    m_sidePane->addAction(m_editMessageFolderAction);
    m_sidePane->addAction(m_deleteMessageFolderAction);
    m_sidePane->setFocus();
}

void MessageBrowserView::initializeMainPane()
{
    m_mainPane->setExpandsOnDoubleClick(false);
    m_mainPane->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_mainPane->addAction(m_saveAction);
    m_mainPane->addAction(m_editMessageAction);
    m_mainPane->addAction(m_deleteMessageAction);
}

void MessageBrowserView::initializeFileMenu()
{
    m_saveAction->setIconVisibleInMenu(true);
    m_saveAllAction->setIconVisibleInMenu(true);
    m_saveAction->setStatusTip(Linguist::tr("SaveStatusTip"));
    m_saveAllAction->setStatusTip(Linguist::tr("SaveAllStatusTip"));
    m_fileMenu->insertSeparator(m_saveAction);
    m_fileMenu->insertSeparator(m_closeAction);
}

void MessageBrowserView::initializeEditMenu()
{
    m_editMenu->insertSeparator(m_deleteMessageFolderAction);
    m_editMenu->insertSeparator(m_searchMessagesAction);
}

void MessageBrowserView::initializeViewMenu()
{
    m_refreshAction->setIconVisibleInMenu(true);
    m_refreshAction->setStatusTip(tr("ViewRefreshStatusTip"));
    m_viewPermissionsAction->setCheckable(true);
    m_viewPermissionsAction->setChecked(false);
    m_viewPermissionsAction->setIconVisibleInMenu(true);
    m_viewPermissionsAction->setStatusTip(tr("ViewPermissionsStatusTip"));
    m_viewMenu->insertSeparator(m_viewPermissionsAction);
}

void MessageBrowserView::initializeStandardToolBar()
{
    m_newMessageFolderAction->setToolTip(tr("NewMessageFolderToolTip"));
    m_newMessageAction->setToolTip(tr("NewMessageToolTip"));
    m_saveAction->setToolTip(Linguist::tr("SaveToolTip"));
    m_saveAllAction->setToolTip(Linguist::tr("SaveAllToolTip"));
    m_editMessageFolderAction->setToolTip(tr("EditMessageFolderToolTip"));
    m_editMessageAction->setToolTip(tr("EditMessageToolTip"));
    m_deleteMessageFolderAction->setToolTip(tr("DeleteMessageFolderToolTip"));
    m_deleteMessageAction->setToolTip(tr("DeleteMessageToolTip"));
    const QList<QList<QAction *>> groups = {{m_newMessageFolderAction, m_newMessageAction},
                                            {m_saveAction, m_saveAllAction},
                                            {m_editMessageFolderAction, m_editMessageAction},
                                            {m_deleteMessageFolderAction, m_deleteMessageAction},
                                            {m_refreshAction},
                                            {m_viewPermissionsAction},
                                            {m_searchMessagesAction},
                                            {m_optionsAction}};
    for (const QList<QAction *> &group : groups) {
        m_standardToolBar->addActions(group);
        m_standardToolBar->addSeparator();
    }
    AbstractViewWindow::initializeStandardToolBar();
}

bool MessageBrowserView::send(common::Opcode majorOpcode, common::Opcode minorOpcode,
                              const google::protobuf::MessageLite &request, Asking asking)
{
    std::string payload;
    if (!request.SerializeToString(&payload))
        return false;
    // The bus is synchronous: every reply has been handled when the emit
    // returns, and a request that brings none (opening a message) must not
    // leave this browser marked for a later reply meant for no browser.
    if (asking == Asking::Active)
        setActiveView(true);
    emit deliverRequest(majorOpcode, minorOpcode, payload);
    if (asking == Asking::Active)
        setActiveView(false);
    return true;
}

void MessageBrowserView::focusMainPane()
{
    if (m_mainPane->topLevelItemCount() == 0)
        return;
    m_mainPane->scrollToTop();
    m_mainPane->clearSelection();
    m_mainPane->setFocus();
}

void MessageBrowserView::showInformation(const QString &text)
{
    // Whoever sent the request shows the wait cursor; the user must see that
    // the box waits for him.
    QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    QMessageBox::information(this, QGuiApplication::applicationName(), text, QMessageBox::Ok);
    QGuiApplication::restoreOverrideCursor();
}

void MessageBrowserView::handleDeleteMessageFolder(const std::string &requestPayload, const std::string &replyPayload)
{
    qorv::data::DeleteMessageFolderRequest request;
    qorv::data::DeleteMessageFolderReply reply;
    if (!Parse(requestPayload, replyPayload, request, reply))
        return;
    if (reply.return_code() != 0) {
        emit removeMessageFolderItem(request.message_folder_id());
        emit removeMessageFolderMessageItems(request.message_folder_id());
        setMode(m_modeMessageFolderDeleted);
    } else if (IsReferenced(reply.sql_diag_rec())) {
        showInformation(tr("CannotDeleteNonEmptyMessageFolder"));
    }
}

void MessageBrowserView::handleDeleteMessage(const std::string &requestPayload, const std::string &replyPayload)
{
    qorv::data::DeleteMessageRequest request;
    qorv::data::DeleteMessageReply reply;
    if (!Parse(requestPayload, replyPayload, request, reply))
        return;
    if (reply.return_code() != 0) {
        emit removeMessageItem(request.message_id());
        setMode(m_modeMessageDeleted);
    } else if (IsReferenced(reply.sql_diag_rec())) {
        showInformation(tr("CannotDeleteReferencedMessage"));
    }
}

void MessageBrowserView::handleDeleteMessageUser(const std::string &requestPayload, const std::string &replyPayload)
{
    qorv::data::DeleteMessageUserRequest request;
    qorv::data::DeleteMessageUserReply reply;
    if (!Parse(requestPayload, replyPayload, request, reply))
        return;
    if (reply.return_code() != 0) {
        emit removeMessageItem(request.message_user_message_id());
        setMode(m_modeMessageDeleted);
    } else if (IsReferenced(reply.sql_diag_rec())) {
        showInformation(tr("CannotDeleteReferencedMessage"));
    }
}

void MessageBrowserView::handleInsertMessageFolder(const std::string &requestPayload, const std::string &replyPayload)
{
    qorv::data::InsertMessageFolderRequest request;
    qorv::data::InsertMessageFolderReply reply;
    if (!Parse(requestPayload, replyPayload, request, reply) || reply.return_code() == 0)
        return;
    qorv::data::MessageFolder folder = request.message_folder();
    folder.set_message_folder_id(reply.message_folder_id());
    emit addMessageFolderItem(folder);
}

void MessageBrowserView::handleInsertMessage(const std::string &requestPayload, const std::string &replyPayload)
{
    qorv::data::InsertMessageRequest request;
    qorv::data::InsertMessageReply reply;
    if (!Parse(requestPayload, replyPayload, request, reply) || reply.return_code() == 0)
        return;
    qorv::data::Message message = request.message();
    message.set_message_id(reply.message_id());
    emit addMessageItem(message);
    // The browser that created the message goes on in its editor.
    if (!isActiveView())
        return;
    qorv::data::OpenMessageRequest open;
    *open.mutable_message() = message;
    send(common::op::OpenMessageEditor, common::tag::Plain, open, Asking::Passive);
}

void MessageBrowserView::handleSelectMessageFolder(const std::string &replyPayload)
{
    qorv::data::SelectMessageFolderReply reply;
    if (!isActiveView() || !reply.ParseFromString(replyPayload))
        return;
    utils::WaitCursor waitCursor(true);
    for (const qorv::data::MessageFolder &folder : reply.message_folder())
        emit addMessageFolderItem(folder);
}

void MessageBrowserView::handleSelectMessage(const std::string &requestPayload, const std::string &replyPayload)
{
    qorv::data::SelectMessageRequest request;
    if (!isActiveView() || !request.ParseFromString(requestPayload))
        return;
    {
        utils::WaitCursor waitCursor(true);
        qorv::data::SelectMessageReply reply;
        if (reply.ParseFromString(replyPayload)) {
            // The tree sorts, and says which row is current, once for the
            // whole reply instead of once per message.
            const ListFillGuard fill(m_mainPane);
            for (const qorv::data::Message &message : reply.message())
                emit addMessageItem(message);
        }
    }
    viewPermissionsToggled(m_viewPermissionsAction->isChecked());
}

void MessageBrowserView::handleSelectMessageUser(const std::string &requestPayload, const std::string &replyPayload)
{
    qorv::data::SelectMessageUserRequest request;
    qorv::data::SelectMessageUserReply reply;
    if (!isActiveView() || !Parse(requestPayload, replyPayload, request, reply))
        return;
    // As for the own messages: one sort and one current row for the reply.
    const ListFillGuard fill(m_mainPane);
    for (const qorv::data::Message &message : reply.message())
        emit addMessageItem(message);
}

void MessageBrowserView::handleUpdateMessageFolder(const std::string &requestPayload)
{
    qorv::data::UpdateMessageFolderRequest request;
    if (request.ParseFromString(requestPayload))
        emit updateMessageFolderItem(request.message_folder());
}

void MessageBrowserView::handleMoveMessage(const qorv::data::Message &moved, int messageFolderId)
{
    // The request names the message and its new folder only. A browser that
    // lists the message moves its row as last saved; the browser that moved
    // it from another window's tree has the dragged record; any other does
    // not show the message and has nothing to move.
    std::optional<qorv::data::Message> message = m_mainPane->savedMessage(moved.message_id());
    if (!message && isActiveView() && m_movingMessage && m_movingMessage->message_id() == moved.message_id())
        message = m_movingMessage;
    if (!message)
        return;
    if (IsReceivedCopy(*message))
        message->set_message_user_message_folder_id(messageFolderId);
    else
        message->set_message_folder_id(messageFolderId);
    emit moveMessageItem(*message);
}

void MessageBrowserView::handleSaveMessage(const std::string &requestPayload)
{
    qorv::data::UpdateMessageRequest request;
    if (!request.ParseFromString(requestPayload))
        return;
    utils::WaitCursor waitCursor(true);
    emit updateMessageItem(request.message());
    const std::pair<QString, QString> chain = getMessageChain(request.message(), false, false, false, false);
    m_textReader->clear();
    m_textReader->setHtml(chain.first);
    if (!m_mainPane->isMessageModified()) {
        setMode(m_modeMessagesSaved);
        return;
    }
    setMode(m_modeMessageModified);
    const QTreeWidgetItem *current = m_mainPane->currentItem();
    if (current && !m_mainPane->isMessageModified(current))
        setMode(m_modeMessageSaved);
}

void MessageBrowserView::handleDeleteMessageError(const std::string &requestPayload, const std::string &replyPayload)
{
    qorv::data::DeleteMessageRequest request;
    qorv::data::DeleteMessageReply reply;
    if (Parse(requestPayload, replyPayload, request, reply) && reply.return_code() == 0
        && IsReferenced(reply.sql_diag_rec()))
        showInformation(tr("CannotDeleteReferencedMessage"));
}
