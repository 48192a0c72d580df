#include "messagebrowsermainpanetreewidget.h"

#include "dbtimestamp.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "linguist.h"
#include "messagechain.h"
#include "messagemimedata.h"
#include "messagereader.h"
#include "messagewriter.h"
#include "registry.h"
#include "treeitemindex.h"
#include "utils.h"

#include "message3.pb.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QFont>
#include <QHeaderView>
#include <QIcon>
#include <QList>
#include <QMouseEvent>
#include <QPixmap>

#include <optional>

namespace
{
// Beyond the platform's drag distance, so that a click with a slight jitter
// selects a row instead of moving its message.
constexpr int ExtraDragDistance = 25;

enum Column : int
{
    ToColumn = 0,
    FromColumn = 1,
    SubjectColumn = 2,
    CreatedColumn = 3,
    ModifiedColumn = 4
};

// The permission rows below "Permissions", in order: the text key (context
// Linguist) and the bit each shows.
struct PermissionRow
{
    const char *key;
    MessageProxy::Permission bit;
};

const PermissionRow PermissionRows[] = {
    {QT_TRANSLATE_NOOP("Linguist", "View"), MessageProxy::View},
    {QT_TRANSLATE_NOOP("Linguist", "CopyToClipboard"), MessageProxy::CopyToClipboard},
    {QT_TRANSLATE_NOOP("Linguist", "ExportToTextFile"), MessageProxy::ExportToTextFile},
    {QT_TRANSLATE_NOOP("Linguist", "ExportToPdfFile"), MessageProxy::ExportToPdfFile},
    {QT_TRANSLATE_NOOP("Linguist", "Print"), MessageProxy::Print},
    {QT_TRANSLATE_NOOP("Linguist", "Search"), MessageProxy::Search},
    {QT_TRANSLATE_NOOP("Linguist", "Reply"), MessageProxy::Reply},
    {QT_TRANSLATE_NOOP("Linguist", "ReplyAll"), MessageProxy::ReplyAll},
    {QT_TRANSLATE_NOOP("Linguist", "Forward"), MessageProxy::Forward},
};

std::optional<qorv::data::Message> EditedMessage(const QTreeWidgetItem *item)
{
    return itemrecord::FromVariant<qorv::data::Message>(item->data(0, EditedRecordRole));
}

std::optional<qorv::data::Message> SavedMessage(const QTreeWidgetItem *item)
{
    return itemrecord::FromVariant<qorv::data::Message>(item->data(0, SavedRecordRole));
}

unsigned int Permissions(const qorv::data::Message &message)
{
    return message.message_security_descriptor().permissions();
}

bool IsUnreadReceivedCopy(const qorv::data::Message &message)
{
    return message.message_user_is_recipient() && (message.message_user_properties() & 1U) != 0;
}

QString LocalDate(const std::string &text)
{
    return QString::fromStdString(DbTimestamp(text).toLocalRfcString(DbTimestamp::TimeZonePtr()));
}

QIcon RelationIcon(const qorv::data::Message &message)
{
    switch (message.message_parent_relation()) {
    case qorv::data::Message::PARENT_RELATION_REPLY:
        return utils::ActionIcon("mail_reply.png");
    case qorv::data::Message::PARENT_RELATION_REPLY_ALL:
        return utils::ActionIcon("mail_reply_all.png");
    case qorv::data::Message::PARENT_RELATION_FORWARD:
        return utils::ActionIcon("mail_forward.png");
    default:
        return utils::ActionIcon("mail_out.png");
    }
}

Qt::CheckState CheckStateOf(const qorv::data::Message &message, MessageProxy::Permission bit)
{
    return MessageReader(message).permission(bit) ? Qt::Checked : Qt::Unchecked;
}

void SetEnabled(QTreeWidgetItem *item, bool enabled)
{
    item->setFlags(enabled ? item->flags() | Qt::ItemIsEnabled : item->flags() & ~Qt::ItemIsEnabled);
}

void SetWeight(QTreeWidgetItem *item, QFont::Weight weight)
{
    for (const int column : {SubjectColumn, ModifiedColumn}) {
        QFont font = item->font(column);
        font.setWeight(weight);
        item->setFont(column, font);
    }
}
}

MessageBrowserMainPaneTreeWidget::MessageBrowserMainPaneTreeWidget(QWidget *parent)
    : AbstractMainPaneTreeWidget(parent)
    , m_messageFolderId(0)
    , m_index(new TreeItemIndex(this))
{
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setHeaderLabels({Linguist::tr("To"), Linguist::tr("From"), Linguist::tr("Subject"), Linguist::tr("Created"),
                     Linguist::tr("Modified")});
    setAlternatingRowColors(true);
    setSortingEnabled(true);
    sortByColumn(ModifiedColumn, Qt::DescendingOrder);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(true);
    setAcceptDrops(true);
    setDragEnabled(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
}

MessageBrowserMainPaneTreeWidget::~MessageBrowserMainPaneTreeWidget() = default;

QTreeWidgetItem *MessageBrowserMainPaneTreeWidget::getTopLevelItem(QTreeWidgetItem *item) const
{
    return const_cast<QTreeWidgetItem *>(getTopLevelItem(static_cast<const QTreeWidgetItem *>(item)));
}

const QTreeWidgetItem *MessageBrowserMainPaneTreeWidget::getTopLevelItem(const QTreeWidgetItem *item) const
{
    const QTreeWidgetItem *row = nullptr;
    if (item) {
        bool isInt = false;
        const int kind = item->data(0, RowKindRole).toInt(&isInt);
        if (isInt && kind == MessageRow)
            row = item;
        else if (isInt && kind == PermissionsRow)
            row = item->parent();
        else if (isInt && kind >= ViewPermissionRow && kind <= ForwardPermissionRow && item->parent())
            row = item->parent()->parent();
    }
    if (!row)
        qWarning("MessageBrowserMainPaneTreeWidget::getTopLevelItem: no top level item found!");
    return row;
}

bool MessageBrowserMainPaneTreeWidget::isMessageModified() const
{
    for (int index = 0; index < topLevelItemCount(); ++index) {
        if (isMessageModified(topLevelItem(index)))
            return true;
    }
    return false;
}

bool MessageBrowserMainPaneTreeWidget::isMessageModified(const QTreeWidgetItem *item) const
{
    qorv::data::Message edited;
    qorv::data::Message saved;
    return isMessageModified(item, edited, saved);
}

bool MessageBrowserMainPaneTreeWidget::isMessageModified(const QTreeWidgetItem *item, qorv::data::Message &edited,
                                                         qorv::data::Message &saved) const
{
    const QTreeWidgetItem *row = getTopLevelItem(item);
    if (!row)
        return false;
    const std::optional<qorv::data::Message> editedMessage = EditedMessage(row);
    const std::optional<qorv::data::Message> savedMessage = SavedMessage(row);
    if (!editedMessage || !savedMessage)
        return false;
    edited = *editedMessage;
    saved = *savedMessage;
    return Permissions(edited) != Permissions(saved);
}

bool MessageBrowserMainPaneTreeWidget::isMessageModified(QStringList &subjects) const
{
    bool modified = false;
    for (int index = 0; index < topLevelItemCount(); ++index) {
        qorv::data::Message edited;
        qorv::data::Message saved;
        if (isMessageModified(topLevelItem(index), edited, saved)) {
            subjects.append(QString::fromStdString(edited.message_subject()));
            modified = true;
        }
    }
    return modified;
}

std::optional<qorv::data::Message> MessageBrowserMainPaneTreeWidget::savedMessage(int messageId) const
{
    const QTreeWidgetItem *row = findMessageItem(messageId);
    return row ? SavedMessage(row) : std::nullopt;
}

void MessageBrowserMainPaneTreeWidget::handleOpenMessage(const qorv::data::Message &message)
{
    QTreeWidgetItem *row = findMessageItem(message.message_id());
    if (!row || !IsUnreadReceivedCopy(message))
        return;
    SetWeight(row, QFont::Normal);
    std::optional<qorv::data::Message> edited = EditedMessage(row);
    std::optional<qorv::data::Message> saved = SavedMessage(row);
    if (!edited || !saved)
        return;
    // Both copies, so that marking a copy read is no edit to be saved.
    for (qorv::data::Message *copy : {&*edited, &*saved})
        copy->set_message_user_properties(copy->message_user_properties() & ~1U);
    row->setData(0, EditedRecordRole, itemrecord::ToVariant(*edited));
    row->setData(0, SavedRecordRole, itemrecord::ToVariant(*saved));
}

QTreeWidgetItem *MessageBrowserMainPaneTreeWidget::createMessageTreeWidgetItem(const qorv::data::Message &message)
{
    // The row is built whole before it joins the tree, so that the tree hears
    // of one inserted row instead of eleven rows and a dozen changes.
    auto *row = new QTreeWidgetItem;
    if (IsUnreadReceivedCopy(message))
        SetWeight(row, QFont::Bold);
    fillMessageItem(row, message, true);
    row->setData(0, RowKindRole, MessageRow);
    row->setData(0, EditedRecordRole, itemrecord::ToVariant(message));
    row->setData(0, SavedRecordRole, itemrecord::ToVariant(message));

    // Only the author may change what the recipients can do.
    const bool byUser = MessageReader(message).userId() == RegistrySingleton::instance()->getUser().user_id();
    auto *permissions = new QTreeWidgetItem;
    row->insertChild(0, permissions);
    permissions->setData(0, RowKindRole, PermissionsRow);
    permissions->setText(0, Linguist::tr("Permissions"));
    SetEnabled(permissions, byUser);
    int kind = ViewPermissionRow;
    for (const PermissionRow &permission : PermissionRows) {
        auto *child = new QTreeWidgetItem;
        permissions->insertChild(kind - ViewPermissionRow, child);
        child->setData(0, RowKindRole, kind++);
        child->setText(0, Linguist::tr(permission.key));
        child->setCheckState(0, CheckStateOf(message, permission.bit));
        SetEnabled(child, byUser);
    }

    addTopLevelItem(row);
    m_index->insert(row, message.message_id());
    permissions->setExpanded(false);
    return row;
}

void MessageBrowserMainPaneTreeWidget::performDrag()
{
    qorv::data::Message message;
    if (!currentMessage(message))
        return;
    // The row stays until the server confirms the move and the window says
    // so; what the drop target does with the drag is not looked at.
    auto *drag = new QDrag(this);
    drag->setMimeData(messagemimedata::Create(message));
    drag->setPixmap(QPixmap(QStringLiteral(":icons/32x32/mail.png")));
    drag->exec(Qt::MoveAction);
}

bool MessageBrowserMainPaneTreeWidget::dropMessage(const QObject *source, Qt::DropAction proposedAction,
                                                   const QMimeData *mimeData)
{
    // A message of this tree is already in the folder it shows.
    const auto *sourceTree = qobject_cast<const QTreeWidget *>(source);
    if (!sourceTree || sourceTree == this || proposedAction != Qt::MoveAction)
        return false;
    const std::optional<qorv::data::Message> message = messagemimedata::Message(mimeData);
    if (!message || MessageReader(*message).folderId() == m_messageFolderId)
        return false;
    emit moveMessage(*message, m_messageFolderId);
    return true;
}

void MessageBrowserMainPaneTreeWidget::hidePane()
{
    hide();
}

void MessageBrowserMainPaneTreeWidget::showPane()
{
    scrollToTop();
    show();
}

void MessageBrowserMainPaneTreeWidget::resetPane(int messageFolderId)
{
    m_messageFolderId = messageFolderId;
    clear();
}

void MessageBrowserMainPaneTreeWidget::editMessage()
{
    qorv::data::Message message;
    if (currentMessage(message))
        emit editMessage(message);
}

void MessageBrowserMainPaneTreeWidget::deleteMessage()
{
    qorv::data::Message message;
    if (currentMessage(message))
        emit deleteMessage(message);
}

void MessageBrowserMainPaneTreeWidget::addMessageItem(const qorv::data::Message &message)
{
    if (findMessageItem(message.message_id())) {
        updateMessageItem(message);
        return;
    }
    // A row just built shows: nothing has hidden it.
    setCurrentItem(createMessageTreeWidgetItem(message));
}

void MessageBrowserMainPaneTreeWidget::updateMessageItem(const qorv::data::Message &message)
{
    QTreeWidgetItem *row = findMessageItem(message.message_id());
    if (!row)
        return;
    // The creation date does not change, and the read state is the server's
    // only through the opening of a copy.
    fillMessageItem(row, message, false);
    QTreeWidgetItem *permissions = row->child(0);
    if (permissions && permissions->data(0, RowKindRole) == PermissionsRow) {
        int index = 0;
        for (const PermissionRow &permission : PermissionRows) {
            if (QTreeWidgetItem *child = permissions->child(index++))
                child->setCheckState(0, CheckStateOf(message, permission.bit));
        }
    }
    row->setData(0, EditedRecordRole, itemrecord::ToVariant(message));
    row->setData(0, SavedRecordRole, itemrecord::ToVariant(message));
}

void MessageBrowserMainPaneTreeWidget::updateMessageItem(QTreeWidgetItem *item, int)
{
    QTreeWidgetItem *row = getTopLevelItem(item);
    std::optional<qorv::data::Message> edited = row ? EditedMessage(row) : std::nullopt;
    QTreeWidgetItem *permissions = row ? row->child(0) : nullptr;
    if (!edited || !permissions)
        return;
    // Every box is read on every call, whichever was toggled; the bits
    // without a box (1 and 2) stay as they are.
    MessageWriter writer(*edited);
    int index = 0;
    for (const PermissionRow &permission : PermissionRows) {
        if (const QTreeWidgetItem *child = permissions->child(index++))
            writer.setPermission(permission.bit, child->checkState(0) == Qt::Checked);
    }
    row->setData(0, EditedRecordRole, itemrecord::ToVariant(*edited));
}

void MessageBrowserMainPaneTreeWidget::moveMessageItem(const qorv::data::Message &message)
{
    if (MessageReader(message).folderId() == m_messageFolderId)
        addMessageItem(message);
    else
        removeMessageItem(message.message_id());
}

void MessageBrowserMainPaneTreeWidget::removeMessageItem(int messageId)
{
    QTreeWidgetItem *row = findMessageItem(messageId);
    if (!row)
        return;
    emit resetMessageViewerPane();
    delete row;
    clearSelection();
}

void MessageBrowserMainPaneTreeWidget::removeMessageFolderMessageItems(int messageFolderId)
{
    if (m_messageFolderId == messageFolderId) {
        resetPane(rootMessageFolderId());
        emit resetMessageViewerPane();
        return;
    }
    QList<int> doomed;
    for (int index = 0; index < topLevelItemCount(); ++index) {
        const std::optional<qorv::data::Message> message = EditedMessage(topLevelItem(index));
        if (message && MessageReader(*message).folderId() == messageFolderId)
            doomed.append(message->message_id());
    }
    for (const int messageId : doomed)
        removeMessageItem(messageId);
}

void MessageBrowserMainPaneTreeWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragStartPosition = event->position().toPoint();
    AbstractMainPaneTreeWidget::mousePressEvent(event);
}

void MessageBrowserMainPaneTreeWidget::mouseMoveEvent(QMouseEvent *event)
{
    // The tree neither drags by itself nor selects by dragging: a held left
    // button that travels far enough moves the current message.
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const int distance = (event->position().toPoint() - m_dragStartPosition).manhattanLength();
    if (distance > QApplication::startDragDistance() + ExtraDragDistance)
        performDrag();
}

void MessageBrowserMainPaneTreeWidget::dragEnterEvent(QDragEnterEvent *event)
{
    messagemimedata::AcceptOnlyMessageMove(event);
}

void MessageBrowserMainPaneTreeWidget::dragMoveEvent(QDragMoveEvent *event)
{
    messagemimedata::AcceptOnlyMessageMove(event);
}

void MessageBrowserMainPaneTreeWidget::dropEvent(QDropEvent *event)
{
    if (dropMessage(event->source(), event->proposedAction(), event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void MessageBrowserMainPaneTreeWidget::contextMenuEvent(QContextMenuEvent *)
{
    // The window attaches its message actions as this pane's context menu.
}

int MessageBrowserMainPaneTreeWidget::rootMessageFolderId()
{
    return RegistrySingleton::instance()->getUser().user_message_folder_id();
}

QTreeWidgetItem *MessageBrowserMainPaneTreeWidget::findMessageItem(int messageId) const
{
    return m_index->find(messageId);
}

bool MessageBrowserMainPaneTreeWidget::currentMessage(qorv::data::Message &message) const
{
    const QTreeWidgetItem *item = currentItem();
    const std::optional<qorv::data::Message> edited = item && !item->parent() ? EditedMessage(item) : std::nullopt;
    if (!edited)
        return false;
    message = *edited;
    return true;
}

void MessageBrowserMainPaneTreeWidget::fillMessageItem(QTreeWidgetItem *item, const qorv::data::Message &message,
                                                       bool withCreationDate)
{
    const MessageReader reader(message);
    item->setText(ToColumn, FormatUserNames(SelectMessageUsers(message, qorv::data::Message::TO)));
    item->setText(FromColumn, QString::fromStdString(reader.senderDisplayNameAlphabetical()));
    item->setText(SubjectColumn, QString::fromStdString(message.message_subject()));
    if (withCreationDate)
        item->setText(CreatedColumn, LocalDate(message.message_creation_date()));
    item->setText(ModifiedColumn, LocalDate(message.message_modification_date()));
    item->setIcon(ToColumn, RelationIcon(message));
}
