#include "documentbrowsersidepanelistwidget.h"

#include "dbid.h"
#include "folderkeyreader.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "linguist.h"
#include "panedragfacts.h"
#include "qorvassert.h"
#include "registry.h"
#include "sidepanedrop.h"
#include "utils.h"

#include "document3.pb.h"
#include "folder3.pb.h"
#include "folderkey3.pb.h"
#include "groupkey3.pb.h"
#include "user3.pb.h"

#include <QDropEvent>
#include <QIcon>

#include <optional>

namespace sidepanelistwidget
{
namespace
{
QString Text(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

QListWidgetItem *NewItem(const QString &text, const char *icon, int type)
{
    auto *item = new QListWidgetItem(text, nullptr, type);
    item->setIcon(utils::ActionIcon(icon));
    return item;
}

int FolderId(const QListWidgetItem *item)
{
    return itemrecord::Get<qorv::data::Folder>(item, FolderRole).folder_id();
}
}
}

using namespace sidepanelistwidget;

SidePaneListWidget::SidePaneListWidget(QWidget *parent)
    : AbstractSidePaneListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);

    qorv::data::Folder homeFolder;
    homeFolder.set_folder_id(RegistrySingleton::instance()->getUser().user_folder_id());
    QListWidgetItem *home = NewItem(Linguist::tr("HomeFolder"), "home.png", HomeFolderItemType);
    home->setData(FolderRole, itemrecord::ToVariant(homeFolder));
    addItem(home);
    addItem(NewItem(Linguist::tr("HomeGroups"), "houses.png", HomeGroupsItemType));

    setDragEnabled(false);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DropOnly);

    connect(this, &QListWidget::itemClicked, this, &SidePaneListWidget::open);
}

SidePaneListWidget::~SidePaneListWidget() = default;

QListWidgetItem *SidePaneListWidget::getSelectedListWidgetItemType(ItemType type) const
{
    QListWidgetItem *item = getSelectedListWidgetItem();
    return item && item->type() == type ? item : nullptr;
}

void SidePaneListWidget::open(QListWidgetItem *item)
{
    if (!item)
        return;
    switch (item->type()) {
    case HomeFolderItemType:
        emit folderShortcutItemSelected(itemrecord::Get<qorv::data::Folder>(item, FolderRole));
        emit openHomeFolder();
        break;
    case FolderItemType: {
        const auto folder = itemrecord::Get<qorv::data::Folder>(item, FolderRole);
        emit folderShortcutItemSelected(folder);
        emit openFolder(folder);
        break;
    }
    case FolderKeyItemType: {
        const auto folderKey = itemrecord::Get<qorv::data::FolderKey>(item, FolderKeyRole);
        emit folderKeyShortcutItemSelected(folderKey);
        emit openFolderKey(folderKey);
        break;
    }
    case HomeGroupsItemType:
        // The item holds no group key: the window is told of an empty one.
        emit groupKeyItemSelected(itemrecord::Get<qorv::data::GroupKey>(item, GroupKeyRole));
        emit openHomeGroups();
        break;
    case GroupKeyItemType: {
        const auto groupKey = itemrecord::Get<qorv::data::GroupKey>(item, GroupKeyRole);
        emit groupKeyItemSelected(groupKey);
        emit openGroupKey(groupKey);
        break;
    }
    case UserItemType: {
        const auto user = itemrecord::Get<qorv::data::User>(item, UserRole);
        emit userItemSelected(user);
        emit openUser(user);
        break;
    }
    default:
        break;
    }
}

void SidePaneListWidget::addFolderShortcutItem(const qorv::data::Folder &folder)
{
    QListWidgetItem *item = findFolderItem(folder.folder_id());
    if (!item) {
        item = NewItem(Text(folder.folder_name()), "folder.png", FolderItemType);
        item->setToolTip(Text(folder.folder_description()));
        item->setData(FolderRole, itemrecord::ToVariant(folder));
        addItem(item);
    }
    setCurrentItem(item);
}

void SidePaneListWidget::addGroupKeyShortcutItem(const qorv::data::GroupKey &groupKey)
{
    const int groupId = groupKey.group_key_group().group_id();
    QListWidgetItem *item = findItem(GroupKeyItemType, groupId, [](const QListWidgetItem *listed) {
        return itemrecord::Get<qorv::data::GroupKey>(listed, GroupKeyRole).group_key_group().group_id();
    });
    if (!item) {
        item = NewItem(Text(groupKey.group_key_group().group_name()), "users.png", GroupKeyItemType);
        item->setData(GroupKeyRole, itemrecord::ToVariant(groupKey));
        addItem(item);
    }
    setCurrentItem(item);
}

void SidePaneListWidget::addUserShortcutItem(const qorv::data::User &user)
{
    const DbId userId(user.user_id());
    QORV_ASSERT(!userId.null());
    QListWidgetItem *item = findItem(UserItemType, userId, [](const QListWidgetItem *listed) {
        return itemrecord::Get<qorv::data::User>(listed, UserRole).user_id();
    });
    if (!item) {
        item = NewItem(Text(user.user_last_name()) + QStringLiteral(", ") + Text(user.user_first_name()), "user.png",
                       UserItemType);
        item->setData(UserRole, itemrecord::ToVariant(user));
        addItem(item);
    }
    setCurrentItem(item);
}

void SidePaneListWidget::addFolderKeyShortcutItem(const qorv::data::FolderKey &folderKey)
{
    const int folderId = folderKey.folder_key_folder().folder_id();
    QListWidgetItem *item = findItem(FolderKeyItemType, folderId, [](const QListWidgetItem *listed) {
        const std::optional<qorv::data::FolderKey> key =
            itemrecord::FromVariant<qorv::data::FolderKey>(listed->data(FolderKeyRole));
        return key ? std::optional<int>(key->folder_key_folder().folder_id()) : std::nullopt;
    });
    if (!item) {
        item = NewItem(Text(folderKey.folder_key_folder().folder_name()), "folder_lock.png", FolderKeyItemType);
        item->setData(FolderKeyRole, itemrecord::ToVariant(folderKey));
        addItem(item);
    }
    // A key that cannot be used as it stands is listed, but not offered.
    if (FolderKeyReader(folderKey).inactive())
        item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
    else
        setCurrentItem(item);
}

void SidePaneListWidget::updateFolderKeyShortcutItem(const qorv::data::FolderKey &folderKey)
{
    const int folderId = folderKey.folder_key_folder().folder_id();
    QListWidgetItem *item = findItem(FolderKeyItemType, folderId, [](const QListWidgetItem *listed) {
        return itemrecord::Get<qorv::data::FolderKey>(listed, FolderKeyRole).folder_key_folder().folder_id();
    });
    if (item)
        item->setData(FolderKeyRole, itemrecord::ToVariant(folderKey));
}

void SidePaneListWidget::renameFolderShortcutItem(const qorv::data::Folder &folder)
{
    QListWidgetItem *item = findFolderItem(folder.folder_id());
    if (!item)
        return;
    auto stored = itemrecord::Get<qorv::data::Folder>(item, FolderRole);
    stored.set_folder_name(folder.folder_name());
    item->setText(Text(folder.folder_name()));
    item->setData(FolderRole, itemrecord::ToVariant(stored));
}

void SidePaneListWidget::redescribeFolderShortcutItem(const qorv::data::Folder &folder)
{
    QListWidgetItem *item = findFolderItem(folder.folder_id());
    if (!item)
        return;
    auto stored = itemrecord::Get<qorv::data::Folder>(item, FolderRole);
    stored.set_folder_description(folder.folder_description());
    item->setToolTip(Text(folder.folder_description()));
    item->setData(FolderRole, itemrecord::ToVariant(stored));
}

void SidePaneListWidget::removeFolderShortcutItem(int folderId)
{
    delete findFolderItem(folderId);
}

void SidePaneListWidget::contextMenuEvent(QContextMenuEvent *)
{
}

void SidePaneListWidget::dragEnterEvent(QDragEnterEvent *event)
{
    if (sidepanedrop::AcceptsEnter(PaneDragFacts::of(*this, *event)))
        event->acceptProposedAction();
    else
        event->ignore();
}

void SidePaneListWidget::dragMoveEvent(QDragMoveEvent *event)
{
    if (sidepanedrop::AcceptsMove(PaneDragFacts::of(*this, *event)))
        event->acceptProposedAction();
    else
        event->ignore();
}

void SidePaneListWidget::dropEvent(QDropEvent *event)
{
    const PaneDrop drop = sidepanedrop::Drop(PaneDragFacts::of(*this, *event));
    if (drop.kind == PaneDrop::Kind::Refused || !drop.folderId) {
        event->ignore();
        return;
    }
    event->accept();
    if (drop.kind == PaneDrop::Kind::MoveDocument)
        emit moveDocument(drop.document, *drop.folderId);
    else
        emit moveFolder(drop.folder, *drop.folderId);
}

QModelIndex SidePaneListWidget::moveCursor(CursorAction, Qt::KeyboardModifiers)
{
    return QModelIndex();
}

template <class IdOf>
QListWidgetItem *SidePaneListWidget::findItem(int type, int id, IdOf idOf) const
{
    for (int row = 0; row < count(); ++row) {
        QListWidgetItem *listed = item(row);
        if (listed->type() != type)
            continue;
        const std::optional<int> listedId = idOf(listed);
        if (listedId && *listedId == id)
            return listed;
    }
    return nullptr;
}

QListWidgetItem *SidePaneListWidget::findFolderItem(int folderId) const
{
    return findItem(FolderItemType, folderId, [](const QListWidgetItem *listed) { return FolderId(listed); });
}
