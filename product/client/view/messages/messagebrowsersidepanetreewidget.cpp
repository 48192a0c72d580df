#include "messagebrowsersidepanetreewidget.h"

#include "itemrecord.h"
#include "itemrole.h"
#include "itemtype.h"
#include "messagemimedata.h"
#include "messagereader.h"
#include "registry.h"
#include "utils.h"

#include "message3.pb.h"
#include "messagefolder3.pb.h"

#include <QDropEvent>
#include <QIcon>

#include <optional>

namespace
{
int RootMessageFolderId()
{
    return RegistrySingleton::instance()->getUser().user_message_folder_id();
}

std::optional<qorv::data::MessageFolder> FolderOf(const QTreeWidgetItem *item)
{
    if (!item)
        return std::nullopt;
    return itemrecord::FromVariant<qorv::data::MessageFolder>(item->data(0, MessageFolderRole));
}
}

MessageBrowserSidePaneTreeWidget::MessageBrowserSidePaneTreeWidget(QWidget *parent)
    : AbstractSidePaneTreeWidget(parent)
    , m_rootItem(new QTreeWidgetItem(this, MessageFolderRootItemType))
{
    const qorv::data::User &user = RegistrySingleton::instance()->getUser();
    qorv::data::MessageFolder root;
    root.set_message_folder_user_id(user.user_id());
    root.set_message_folder_description(tr("RootMessageFolder").toStdString());
    root.set_message_folder_id(user.user_message_folder_id());
    m_rootItem->setText(0, tr("Messages"));
    m_rootItem->setIcon(0, utils::ActionIcon("mails.png"));
    m_rootItem->setData(0, MessageFolderRole, itemrecord::ToVariant(root));

    setSelectionMode(QAbstractItemView::SingleSelection);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setHeaderHidden(true);
    connect(this, &QTreeWidget::itemClicked, this,
            qOverload<QTreeWidgetItem *>(&MessageBrowserSidePaneTreeWidget::itemClicked));
}

void MessageBrowserSidePaneTreeWidget::hidePane()
{
    hide();
}

void MessageBrowserSidePaneTreeWidget::showPane()
{
    setCurrentItem(m_rootItem);
    scrollToTop();
    m_rootItem->setExpanded(true);
    show();
}

void MessageBrowserSidePaneTreeWidget::resetPane()
{
    qDeleteAll(m_rootItem->takeChildren());
}

void MessageBrowserSidePaneTreeWidget::newMessage()
{
    if (const std::optional<qorv::data::MessageFolder> folder = FolderOf(getSelectedTreeWidgetItem()))
        emit newMessage(folder->message_folder_id());
}

void MessageBrowserSidePaneTreeWidget::itemClicked(QTreeWidgetItem *item)
{
    if (item && item->type() == MessageFolderRootItemType) {
        emit messagesSelected();
    } else if (item && item->type() == MessageFolderItemType) {
        if (const std::optional<qorv::data::MessageFolder> folder = FolderOf(item))
            emit messageFolderItemSelected(*folder);
    }
    m_rootItem->setExpanded(true);
}

void MessageBrowserSidePaneTreeWidget::newMessageFolder()
{
    // Folders are made directly below the root only, whatever is selected.
    emit newMessageFolder(RootMessageFolderId());
}

void MessageBrowserSidePaneTreeWidget::editMessageFolder()
{
    if (const std::optional<qorv::data::MessageFolder> folder = FolderOf(selectedFolderItem()))
        emit editMessageFolder(*folder);
}

void MessageBrowserSidePaneTreeWidget::deleteMessageFolder()
{
    if (const std::optional<qorv::data::MessageFolder> folder = FolderOf(selectedFolderItem()))
        emit deleteMessageFolder(*folder);
}

void MessageBrowserSidePaneTreeWidget::addMessageFolderItem(const qorv::data::MessageFolder &messageFolder)
{
    if (messageFolder.message_folder_parent_id() != RootMessageFolderId())
        return;
    // Built whole before it joins the tree, so that the tree hears of one
    // inserted row instead of a row and three changes. A new item shows:
    // nothing has hidden it.
    auto *item = new QTreeWidgetItem(MessageFolderItemType);
    item->setText(0, QString::fromStdString(messageFolder.message_folder_name()));
    item->setData(0, MessageFolderRole, itemrecord::ToVariant(messageFolder));
    item->setIcon(0, utils::ActionIcon("folder3.png"));
    m_rootItem->addChild(item);
}

void MessageBrowserSidePaneTreeWidget::updateMessageFolderItem(const qorv::data::MessageFolder &messageFolder)
{
    if (QTreeWidgetItem *item = findFolderItem(messageFolder.message_folder_id())) {
        item->setText(0, QString::fromStdString(messageFolder.message_folder_name()));
        item->setData(0, MessageFolderRole, itemrecord::ToVariant(messageFolder));
    }
}

void MessageBrowserSidePaneTreeWidget::removeMessageFolderItem(int messageFolderId)
{
    QTreeWidgetItem *item = findFolderItem(messageFolderId);
    if (!item)
        return;
    // The selection the deletion itself moves is of no interest to the
    // window; the root item is what the pane stands on afterwards.
    const bool blocked = blockSignals(true);
    delete item;
    blockSignals(blocked);
    setCurrentItem(m_rootItem);
}

void MessageBrowserSidePaneTreeWidget::contextMenuEvent(QContextMenuEvent *)
{
    // The window attaches its folder actions as this pane's context menu.
}

void MessageBrowserSidePaneTreeWidget::dragEnterEvent(QDragEnterEvent *event)
{
    messagemimedata::AcceptOnlyMessageMove(event);
}

void MessageBrowserSidePaneTreeWidget::dragMoveEvent(QDragMoveEvent *event)
{
    messagemimedata::AcceptOnlyMessageMove(event);
}

void MessageBrowserSidePaneTreeWidget::dropEvent(QDropEvent *event)
{
    // The message may come from this window's message tree or another's.
    const QTreeWidgetItem *item = itemAt(event->position().toPoint());
    const bool onFolder = item && (item->type() == MessageFolderRootItemType || item->type() == MessageFolderItemType);
    const std::optional<qorv::data::Message> message = event->proposedAction() == Qt::MoveAction && onFolder
                                                           ? messagemimedata::Message(event->mimeData())
                                                           : std::nullopt;
    const std::optional<qorv::data::MessageFolder> target = message ? FolderOf(item) : std::nullopt;
    if (!target || MessageReader(*message).folderId() == target->message_folder_id()) {
        event->ignore();
        return;
    }
    emit moveMessage(*message, target->message_folder_id());
    event->acceptProposedAction();
}

QModelIndex MessageBrowserSidePaneTreeWidget::moveCursor(CursorAction, Qt::KeyboardModifiers)
{
    return QModelIndex();
}

QTreeWidgetItem *MessageBrowserSidePaneTreeWidget::selectedFolderItem() const
{
    QTreeWidgetItem *item = getSelectedTreeWidgetItem();
    return item && item->type() == MessageFolderItemType ? item : nullptr;
}

QTreeWidgetItem *MessageBrowserSidePaneTreeWidget::findFolderItem(int messageFolderId) const
{
    // Folder items hang directly below the root item and nowhere else.
    for (int index = 0; index < m_rootItem->childCount(); ++index) {
        QTreeWidgetItem *item = m_rootItem->child(index);
        if (item->type() != MessageFolderItemType)
            continue;
        const std::optional<qorv::data::MessageFolder> folder = FolderOf(item);
        if (folder && folder->message_folder_id() == messageFolderId)
            return item;
    }
    return nullptr;
}
