#include "documentbrowsermainpanelistwidget.h"

#include "documentbrowserview.h"
#include "documentkeyadapter.h"
#include "documentkeyreader.h"
#include "folderkeyadapter.h"
#include "folderkeyreader.h"
#include "groupkeyreader.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "itemtype.h"
#include "keycondition.h"
#include "linguist.h"
#include "listitemindex.h"
#include "mainpanedrop.h"
#include "panedragfacts.h"
#include "recordmimedata.h"
#include "resourceicon.h"
#include "timezonedatabase.h"
#include "utils.h"

#include "document3.pb.h"
#include "documentkey3.pb.h"
#include "folder3.pb.h"
#include "folderkey3.pb.h"
#include "groupkey3.pb.h"
#include "user3.pb.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QDropEvent>
#include <QFont>
#include <QIcon>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPersistentModelIndex>
#include <QPixmap>

#include <google/protobuf/descriptor.h>
#include <google/protobuf/message.h>

#include <vector>

namespace mainpanelistwidget
{
namespace
{
// The tag each context-menu entry carries in its data: the request that the
// command leads to, so that one dispatch serves every kind of item.
enum MenuTag : int
{
    OpenUserTag = -44,
    OpenGroupKeyTag = -39,
    OpenFolderTag = -38,
    OpenFolderKeyTag = -36,
    OpenDocumentTag = -35,
    OpenDocumentKeyTag = -33,
    CopyDocumentTag = -3,
    DeleteDocumentTag = 7,
    DeleteFolderTag = 10,
    RenameFolderTag = -49,
    RenameDocumentTag = -48,
    RedescribeFolderTag = -46,
    RedescribeDocumentTag = -45,
    DocumentKeyringTag = 40,
    FolderKeyringTag = 43,
};

const QString FolderIconPath = QStringLiteral(":icons/32x32/folder.png");
const QString DocumentIconPath = QStringLiteral(":icons/32x32/document_empty.png");

QString Text(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

// Puts the fields that changes carries over those of stored, each whole, and
// leaves every field that changes lacks as stored had it. A rename echoes
// only the id and the new name: the item must keep its body and descriptor,
// which later moves, copies and redescriptions send on.
void MergePresentFields(const google::protobuf::Message &changes, google::protobuf::Message &stored)
{
    const google::protobuf::Reflection *reflection = changes.GetReflection();
    std::vector<const google::protobuf::FieldDescriptor *> present;
    reflection->ListFields(changes, &present);
    for (const google::protobuf::FieldDescriptor *field : present)
        stored.GetReflection()->ClearField(&stored, field);
    stored.MergeFrom(changes);
}

void SetWeight(QListWidgetItem *item, QFont::Weight weight)
{
    QFont font = item->font();
    font.setWeight(weight);
    item->setFont(font);
}

// How a listed key looks and what it allows, from its validity now: a key
// that may not be viewed, or not used at this moment, is shown but can be
// neither selected nor opened, and says why; a valid key not yet opened is
// drawn bold.
void ShowKeyState(QListWidgetItem *item, std::uint64_t flags, unsigned int properties)
{
    constexpr std::uint64_t InactiveNow = KeyNotActive | KeyNotActiveMonth | KeyNotActiveDay | KeyNotActiveNow;
    item->setFlags(Qt::NoItemFlags);
    if (flags & KeyViewPermissionDenied) {
        item->setToolTip(MainPaneListWidget::tr("KeyViewPermissionDenied"));
    } else if (flags & InactiveNow) {
        item->setToolTip(MainPaneListWidget::tr("KeyInactive"));
    } else {
        if (!item->toolTip().isEmpty())
            item->setToolTip(QString());
        if (properties & 1u)
            SetWeight(item, QFont::Bold);
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
}
}
}

using namespace mainpanelistwidget;

MainPaneListWidget::MainPaneListWidget(QWidget *parent)
    : AbstractMainPaneListWidget(parent)
    , m_openAction(new QAction(Linguist::tr("Open"), this))
    , m_copyAction(new QAction(utils::ActionIcon("copy.png"), Linguist::tr("Copy"), this))
    , m_deleteAction(new QAction(utils::ActionIcon("folder_document_delete.png"), Linguist::tr("Delete"), this))
    , m_renameAction(new QAction(utils::ActionIcon("text_field.png"), Linguist::tr("Rename"), this))
    , m_redescribeAction(new QAction(utils::ActionIcon("tool_tip.png"), Linguist::tr("Redescribe"), this))
    , m_openKeyringAction(new QAction(utils::ActionIcon("keys.png"), tr("OpenItemKeyring"), this))
    , m_dragStartPosition(0, 0)
    , m_index(new ListItemIndex(this))
{
    for (QAction *action : {m_copyAction, m_deleteAction, m_renameAction, m_redescribeAction, m_openKeyringAction})
        action->setIconVisibleInMenu(true);

    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);

    connect(this, &QListWidget::itemActivated, this, qOverload<QListWidgetItem *>(&MainPaneListWidget::openItem));
    connect(this, &QListWidget::itemSelectionChanged, this, &MainPaneListWidget::itemSelectionChanged);
}

MainPaneListWidget::~MainPaneListWidget() = default;

void MainPaneListWidget::itemSelectionChanged()
{
    const QListWidgetItem *item = getSelectedListWidgetItem();
    switch (item ? item->type() : 0) {
    case FolderItemType:
        emit folderItemSelected(itemrecord::Get<qorv::data::Folder>(item, FolderRole));
        break;
    case DocumentItemType:
        emit documentItemSelected(itemrecord::Get<qorv::data::Document>(item, DocumentRole));
        break;
    case GroupKeyItemType:
        emit groupKeyItemSelected(itemrecord::Get<qorv::data::GroupKey>(item, GroupKeyRole));
        break;
    case UserItemType:
        emit userItemSelected(itemrecord::Get<qorv::data::User>(item, UserRole));
        break;
    case FolderKeyItemType:
        emit folderKeyItemSelected(itemrecord::Get<qorv::data::FolderKey>(item, FolderKeyRole));
        break;
    case DocumentKeyItemType:
        emit documentKeyItemSelected(itemrecord::Get<qorv::data::DocumentKey>(item, DocumentKeyRole));
        break;
    default:
        emit noItemSelected();
        break;
    }
}

void MainPaneListWidget::openItem(QListWidgetItem *item)
{
    if (!item)
        return;
    switch (item->type()) {
    case FolderItemType: {
        const auto folder = itemrecord::Get<qorv::data::Folder>(item, FolderRole);
        emit addFolderShortcutItem(folder);
        emit openFolder(folder);
        break;
    }
    case FolderKeyItemType: {
        const auto folderKey = itemrecord::Get<qorv::data::FolderKey>(item, FolderKeyRole);
        emit addFolderKeyShortcutItem(folderKey);
        emit openFolderKey(folderKey);
        break;
    }
    case DocumentItemType:
        emit openDocument(itemrecord::Get<qorv::data::Document>(item, DocumentRole));
        break;
    case DocumentKeyItemType:
        emit openDocumentKey(itemrecord::Get<qorv::data::DocumentKey>(item, DocumentKeyRole));
        break;
    case GroupKeyItemType: {
        const auto groupKey = itemrecord::Get<qorv::data::GroupKey>(item, GroupKeyRole);
        emit addGroupKeyShortcutItem(groupKey);
        emit openGroupKey(groupKey);
        break;
    }
    case UserItemType: {
        const auto user = itemrecord::Get<qorv::data::User>(item, UserRole);
        emit addUserShortcutItem(user);
        emit openUser(user);
        break;
    }
    default:
        break;
    }
}

void MainPaneListWidget::copyItem(QListWidgetItem *item)
{
    if (item && item->type() == DocumentItemType)
        emit copyDocument(itemrecord::Get<qorv::data::Document>(item, DocumentRole));
}

void MainPaneListWidget::deleteItem(QListWidgetItem *item)
{
    if (!item)
        return;
    if (item->type() == FolderItemType)
        emit deleteFolder(itemrecord::Get<qorv::data::Folder>(item, FolderRole));
    else if (item->type() == DocumentItemType)
        emit deleteDocument(itemrecord::Get<qorv::data::Document>(item, DocumentRole));
}

void MainPaneListWidget::renameItem(QListWidgetItem *item)
{
    if (!item)
        return;
    if (item->type() == FolderItemType)
        emit renameFolder(itemrecord::Get<qorv::data::Folder>(item, FolderRole));
    else if (item->type() == DocumentItemType)
        emit renameDocument(itemrecord::Get<qorv::data::Document>(item, DocumentRole));
}

void MainPaneListWidget::redescribeItem(QListWidgetItem *item)
{
    if (!item)
        return;
    if (item->type() == FolderItemType)
        emit redescribeFolder(itemrecord::Get<qorv::data::Folder>(item, FolderRole));
    else if (item->type() == DocumentItemType)
        emit redescribeDocument(itemrecord::Get<qorv::data::Document>(item, DocumentRole));
}

void MainPaneListWidget::openItemKeyring(QListWidgetItem *item)
{
    if (!item)
        return;
    if (item->type() == FolderItemType)
        emit openFolderKeyring(itemrecord::Get<qorv::data::Folder>(item, FolderRole));
    else if (item->type() == DocumentItemType)
        emit openDocumentKeyring(itemrecord::Get<qorv::data::Document>(item, DocumentRole));
}

void MainPaneListWidget::openItem()
{
    openItem(getSelectedListWidgetItem());
}

void MainPaneListWidget::copyItem()
{
    copyItem(getSelectedListWidgetItem());
}

void MainPaneListWidget::deleteItem()
{
    deleteItem(getSelectedListWidgetItem());
}

void MainPaneListWidget::renameItem()
{
    renameItem(getSelectedListWidgetItem());
}

void MainPaneListWidget::redescribeItem()
{
    redescribeItem(getSelectedListWidgetItem());
}

void MainPaneListWidget::openItemKeyring()
{
    openItemKeyring(getSelectedListWidgetItem());
}

void MainPaneListWidget::addFolderItem(const qorv::data::Folder &folder)
{
    if (m_index->find(FolderItemType, folder.folder_id()))
        return;
    auto *item = new QListWidgetItem(Text(folder.folder_name()), nullptr, FolderItemType);
    item->setIcon(utils::ResourceIcon(FolderIconPath));
    item->setData(FolderRole, itemrecord::ToVariant(folder));
    item->setToolTip(Text(folder.folder_description()));
    appendItem(item, folder.folder_id());
}

void MainPaneListWidget::removeFolderItem(int folderId)
{
    // The id of a listed subfolder takes its item; the id of the folder on
    // display takes everything listed in it.
    std::vector<QListWidgetItem *> doomed;
    for (int row = 0; row < count(); ++row) {
        QListWidgetItem *listed = item(row);
        if (listed->type() == FolderItemType) {
            const auto folder = itemrecord::Get<qorv::data::Folder>(listed, FolderRole);
            if (folder.folder_id() == folderId || folder.folder_parent_id() == folderId)
                doomed.push_back(listed);
        } else if (listed->type() == DocumentItemType) {
            if (itemrecord::Get<qorv::data::Document>(listed, DocumentRole).document_folder_id() == folderId)
                doomed.push_back(listed);
        }
    }
    for (QListWidgetItem *listed : doomed)
        delete listed;
    emit removeFolderShortcutItem(folderId);
}

void MainPaneListWidget::renameFolderItem(const qorv::data::Folder &folder)
{
    if (QListWidgetItem *listed = m_index->find(FolderItemType, folder.folder_id())) {
        auto stored = itemrecord::Get<qorv::data::Folder>(listed, FolderRole);
        stored.set_folder_name(folder.folder_name());
        listed->setData(FolderRole, itemrecord::ToVariant(stored));
        listed->setText(Text(folder.folder_name()));
    }
    emit renameFolderShortcutItem(folder);
}

void MainPaneListWidget::redescribeFolderItem(const qorv::data::Folder &folder)
{
    if (QListWidgetItem *listed = m_index->find(FolderItemType, folder.folder_id())) {
        auto stored = itemrecord::Get<qorv::data::Folder>(listed, FolderRole);
        stored.set_folder_description(folder.folder_description());
        listed->setData(FolderRole, itemrecord::ToVariant(stored));
        listed->setToolTip(Text(folder.folder_description()));
    }
    emit redescribeFolderShortcutItem(folder);
}

void MainPaneListWidget::addDocumentItem(const qorv::data::Document &document)
{
    if (m_index->find(DocumentItemType, document.document_id()))
        return;
    auto *item = new QListWidgetItem(Text(document.document_name()), nullptr, DocumentItemType);
    item->setIcon(utils::ResourceIcon(DocumentIconPath));
    item->setData(DocumentRole, itemrecord::ToVariant(document));
    item->setToolTip(Text(document.document_description()));
    appendItem(item, document.document_id());
}

void MainPaneListWidget::removeDocumentItem(int documentId)
{
    delete m_index->find(DocumentItemType, documentId);
}

void MainPaneListWidget::updateDocumentItem(const qorv::data::Document &document)
{
    QListWidgetItem *listed = m_index->find(DocumentItemType, document.document_id());
    if (!listed)
        return;
    auto stored = itemrecord::Get<qorv::data::Document>(listed, DocumentRole);
    MergePresentFields(document, stored);
    listed->setText(Text(stored.document_name()));
    listed->setToolTip(Text(stored.document_description()));
    listed->setData(DocumentRole, itemrecord::ToVariant(stored));
}

void MainPaneListWidget::addGroupKeyItem(const qorv::data::GroupKey &groupKey)
{
    const GroupKeyReader reader(groupKey);
    if (m_index->find(GroupKeyItemType, reader.groupId()))
        return;
    auto *item = new QListWidgetItem(Text(reader.groupName()), nullptr, GroupKeyItemType);
    item->setIcon(utils::ResourceIcon(QStringLiteral(":icons/32x32/users.png")));
    item->setData(GroupKeyRole, itemrecord::ToVariant(groupKey));
    appendItem(item, reader.groupId());
}

void MainPaneListWidget::addUserItem(const qorv::data::User &user)
{
    if (m_index->find(UserItemType, user.user_id()))
        return;
    auto *item = new QListWidgetItem(Text(user.user_last_name()) + QStringLiteral(", ") + Text(user.user_first_name()),
                                     nullptr, UserItemType);
    item->setIcon(utils::ResourceIcon(QStringLiteral(":icons/32x32/user.png")));
    item->setData(UserRole, itemrecord::ToVariant(user));
    appendItem(item, user.user_id());
}

void MainPaneListWidget::addFolderKeyItem(const qorv::data::FolderKey &folderKey)
{
    addKeyItem<FolderKeyAdapter>(folderKey);
}

void MainPaneListWidget::addDocumentKeyItem(const qorv::data::DocumentKey &documentKey)
{
    addKeyItem<DocumentKeyAdapter>(documentKey);
}

void MainPaneListWidget::updateDocumentKeyItem(const qorv::data::DocumentKey &documentKey)
{
    QListWidgetItem *listed = m_index->find(DocumentKeyItemType, DocumentKeyAdapter(documentKey).targetId());
    if (!listed)
        return;
    SetWeight(listed, (documentKey.document_key_properties() & 1u) ? QFont::Bold : QFont::Normal);
    listed->setData(DocumentKeyRole, itemrecord::ToVariant(documentKey));
}

void MainPaneListWidget::performDrag()
{
    const QListWidgetItem *dragged = currentItem();
    if (!dragged)
        return;
    QMimeData *mimeData = nullptr;
    QString pixmapPath;
    if (dragged->type() == FolderItemType) {
        mimeData = recordmime::ToMimeData(itemrecord::Get<qorv::data::Folder>(dragged, FolderRole));
        pixmapPath = FolderIconPath;
    } else if (dragged->type() == DocumentItemType) {
        mimeData = recordmime::ToMimeData(itemrecord::Get<qorv::data::Document>(dragged, DocumentRole));
        pixmapPath = DocumentIconPath;
    }
    if (!mimeData)
        return;
    // The item stays where it is: the window moves it once the server has
    // carried the move out.
    auto *drag = new QDrag(this);
    drag->setMimeData(mimeData);
    drag->setPixmap(QPixmap(pixmapPath));
    drag->exec(Qt::MoveAction);
}

void MainPaneListWidget::mousePressEvent(QMouseEvent *event)
{
    const QPoint position = event->position().toPoint();
    if (!itemAt(position))
        clearSelection();
    if (event->button() == Qt::LeftButton)
        m_dragStartPosition = position;
    AbstractMainPaneListWidget::mousePressEvent(event);
}

void MainPaneListWidget::mouseMoveEvent(QMouseEvent *event)
{
    // The view's own drag start, rubber band and drag selection never run.
    if (!(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - m_dragStartPosition).manhattanLength() > QApplication::startDragDistance())
        performDrag();
}

void MainPaneListWidget::contextMenuEvent(QContextMenuEvent *event)
{
    const QList<QListWidgetItem *> selected = selectedItems();
    if (selected.isEmpty())
        showEmptySpaceMenu(event->globalPos());
    else if (selected.size() == 1 && !selected.first()->isHidden())
        showItemMenu(selected.first(), event->globalPos());
}

void MainPaneListWidget::dragEnterEvent(QDragEnterEvent *event)
{
    if (mainpanedrop::AcceptsEnter(PaneDragFacts::of(*this, *event)))
        event->acceptProposedAction();
    else
        event->ignore();
}

void MainPaneListWidget::dragMoveEvent(QDragMoveEvent *event)
{
    if (mainpanedrop::AcceptsMove(PaneDragFacts::of(*this, *event)))
        event->acceptProposedAction();
    else
        event->ignore();
}

void MainPaneListWidget::dropEvent(QDropEvent *event)
{
    const PaneDrop drop = mainpanedrop::Drop(PaneDragFacts::of(*this, *event));
    switch (drop.kind) {
    case PaneDrop::Kind::MoveDocument:
        event->accept();
        if (drop.folderId)
            emit moveDocument(drop.document, *drop.folderId);
        else
            emit moveDocument(drop.document);
        break;
    case PaneDrop::Kind::MoveFolder:
        event->accept();
        if (drop.folderId)
            emit moveFolder(drop.folder, *drop.folderId);
        else
            emit moveFolder(drop.folder);
        break;
    case PaneDrop::Kind::Refused:
        event->ignore();
        break;
    }
}

template <class Adapter>
void MainPaneListWidget::addKeyItem(const typename Adapter::Record &key)
{
    const Adapter adapter(key);
    const typename Adapter::Validator validator(key, TimeZoneDatabase::instance()->getTimeZoneDatabase());
    const std::uint64_t flags = validator.getFlags();
    if (QListWidgetItem *listed = m_index->find(Adapter::Type, adapter.targetId())) {
        if (flags & KeyHasExpired) {
            delete listed;
            return;
        }
        // The item takes the key as the server returned it now, so that
        // opening it uses the key's current rules.
        listed->setText(adapter.targetName());
        listed->setData(Adapter::Role, itemrecord::ToVariant(key));
        SetWeight(listed, QFont::Normal);
        ShowKeyState(listed, flags, adapter.properties());
        return;
    }
    if (flags & KeyHasExpired)
        return;
    auto *item = new QListWidgetItem(adapter.targetName(), nullptr, Adapter::Type);
    item->setIcon(utils::ResourceIcon(Adapter::IconPath));
    item->setData(Adapter::Role, itemrecord::ToVariant(key));
    ShowKeyState(item, flags, adapter.properties());
    appendItem(item, adapter.targetId());
}

void MainPaneListWidget::appendItem(QListWidgetItem *item, int id)
{
    addItem(item);
    m_index->insert(item, id);
}

void MainPaneListWidget::showEmptySpaceMenu(const QPoint &globalPosition)
{
    // The window's own commands, when it offers any of them here.
    const auto *window = qobject_cast<const DocumentBrowserView *>(m_parentWidget);
    if (!window)
        return;
    QList<QAction *> offered;
    for (const QString &name :
         {QStringLiteral("PasteItem"), QStringLiteral("NewFolder"), QStringLiteral("NewDocument")}) {
        QAction *action = window->findChild<QAction *>(name);
        if (action && action->isEnabled())
            offered.append(action);
    }
    if (offered.isEmpty())
        return;
    QMenu menu(this);
    for (QAction *action : offered) {
        menu.addAction(action);
        if (action->objectName() == QLatin1String("PasteItem"))
            menu.addSeparator();
    }
    menu.exec(globalPosition);
}

void MainPaneListWidget::showItemMenu(QListWidgetItem *item, const QPoint &globalPosition)
{
    for (QAction *action : {m_openAction, m_deleteAction, m_renameAction, m_redescribeAction, m_openKeyringAction})
        action->setEnabled(true);

    QMenu menu(this);
    const auto add = [&menu](QAction *action, int tag) {
        action->setData(tag);
        menu.addAction(action);
    };
    switch (item->type()) {
    case FolderItemType:
        add(m_openAction, OpenFolderTag);
        menu.addSeparator();
        add(m_deleteAction, DeleteFolderTag);
        menu.addSeparator();
        add(m_renameAction, RenameFolderTag);
        add(m_redescribeAction, RedescribeFolderTag);
        menu.addSeparator();
        add(m_openKeyringAction, FolderKeyringTag);
        break;
    case DocumentItemType:
        add(m_openAction, OpenDocumentTag);
        menu.addSeparator();
        add(m_copyAction, CopyDocumentTag);
        menu.addSeparator();
        add(m_deleteAction, DeleteDocumentTag);
        menu.addSeparator();
        add(m_renameAction, RenameDocumentTag);
        add(m_redescribeAction, RedescribeDocumentTag);
        menu.addSeparator();
        add(m_openKeyringAction, DocumentKeyringTag);
        break;
    case FolderKeyItemType: {
        const bool mayView = FolderKeyReader(itemrecord::Get<qorv::data::FolderKey>(item, FolderKeyRole))
                                 .permission(FolderKeyReader::View);
        m_openAction->setEnabled(mayView);
        if (mayView)
            add(m_openAction, OpenFolderKeyTag);
        break;
    }
    case DocumentKeyItemType: {
        const bool mayView = DocumentKeyReader(itemrecord::Get<qorv::data::DocumentKey>(item, DocumentKeyRole))
                                 .permission(DocumentKeyReader::View);
        m_openAction->setEnabled(mayView);
        if (mayView)
            add(m_openAction, OpenDocumentKeyTag);
        break;
    }
    case GroupKeyItemType:
        add(m_openAction, OpenGroupKeyTag);
        break;
    case UserItemType:
        add(m_openAction, OpenUserTag);
        break;
    default:
        return;
    }

    // The menu runs an event loop of its own, in which a reply may take the
    // item away; the command then applies to nothing.
    const QPersistentModelIndex selected(indexFromItem(item));
    const QAction *chosen = menu.exec(globalPosition);
    if (!chosen || !selected.isValid())
        return;
    QListWidgetItem *target = itemFromIndex(selected);
    switch (chosen->data().toInt()) {
    case OpenUserTag:
    case OpenGroupKeyTag:
    case OpenFolderTag:
    case OpenFolderKeyTag:
    case OpenDocumentTag:
    case OpenDocumentKeyTag:
        openItem(target);
        break;
    case CopyDocumentTag:
        copyItem(target);
        break;
    case DeleteDocumentTag:
    case DeleteFolderTag:
        deleteItem(target);
        break;
    case RenameFolderTag:
    case RenameDocumentTag:
        renameItem(target);
        break;
    case RedescribeFolderTag:
    case RedescribeDocumentTag:
        redescribeItem(target);
        break;
    case DocumentKeyringTag:
    case FolderKeyringTag:
        openItemKeyring(target);
        break;
    default:
        break;
    }
}
