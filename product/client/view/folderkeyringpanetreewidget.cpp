#include "folderkeyringpanetreewidget.h"

#include "folderkeyreader.h"
#include "folderkeywriter.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "keytreerows.h"
#include "linguist.h"
#include "securitydescriptorequality.h"

#include <QIcon>

#include <vector>

namespace
{
using keytree::Bit;
using keytree::Subtree;
using keytree::Word;

enum Column : int
{
    UserColumn = 0,
    ActiveColumn = 1,
    HoursColumn = 2,
    RegionColumn = 3,
    DurationColumn = 4,
    ExpirationColumn = 5
};

enum Kind : int
{
    KeyRowKind = 0,
    ActiveKind = 1,
    PermissionsKind = 2,
    DaysKind = 5,
    MonthsKind = 13
};

const Subtree &Permissions()
{
    static const Subtree subtree{UserColumn, PermissionsKind, QT_TRANSLATE_NOOP("Linguist", "Permissions"),
                                 keytree::FolderPermissionBits()};
    return subtree;
}

const Subtree &Days()
{
    static const Subtree subtree{ActiveColumn, DaysKind, QT_TRANSLATE_NOOP("Linguist", "Days"),
                                 keytree::FolderDayBits()};
    return subtree;
}

const Subtree &Months()
{
    static const Subtree subtree{ActiveColumn, MonthsKind, QT_TRANSLATE_NOOP("Linguist", "Months"),
                                 keytree::FolderMonthBits()};
    return subtree;
}

// The key row's own "Active" box is a bit of its own, with no subtree.
const Bit ActiveBit{ActiveKind, nullptr, Word::Active, FolderKeyProxy::ActiveStatus};

QIcon KeyIcon(bool modified)
{
    return QIcon(modified ? QStringLiteral(":icons/32x32/key_edit.png") : QStringLiteral(":icons/32x32/key.png"));
}

void UpdateFolderKeyTreeWidgetItemFont(const qorv::data::FolderKey &folderKey, QTreeWidgetItem *item)
{
    keytree::UpdateKeyRowFont(item, FolderKeyReader(folderKey).inactive());
}

// The cells that follow the key's rules; the holder's name is written once.
void SetRuleCells(const qorv::data::FolderKey &folderKey, QTreeWidgetItem *item)
{
    const FolderKeyReader reader(folderKey);
    const qorv::data::SecurityDescriptor &descriptor = folderKey.folder_key_security_descriptor();
    item->setText(HoursColumn, keytree::ActiveHoursText(reader.activeFrom(), reader.activeTo()));
    item->setText(RegionColumn, QString::fromStdString(reader.activeRegion()));
    item->setText(DurationColumn, QString::fromStdString(reader.sessionDurationDisplay()));
    item->setText(ExpirationColumn, keytree::ExpirationText(reader.expirationDate()));
    item->setCheckState(ActiveColumn,
                        keytree::BitSet(descriptor, ActiveBit.word, ActiveBit.position) ? Qt::Checked : Qt::Unchecked);
}

void operator>>(const qorv::data::FolderKey &folderKey, QTreeWidgetItem *item)
{
    const QVariant key = itemrecord::ToVariant(folderKey);
    item->setText(UserColumn, QString::fromStdString(FolderKeyReader(folderKey).userDisplayNameAlphabetical()));
    item->setIcon(UserColumn, KeyIcon(false));
    item->setData(UserColumn, RowKindRole, KeyRowKind);
    item->setData(UserColumn, EditedRecordRole, key);
    item->setData(UserColumn, SavedRecordRole, key);
    item->setData(ActiveColumn, RowKindRole, ActiveKind);
    SetRuleCells(folderKey, item);

    const qorv::data::SecurityDescriptor &descriptor = folderKey.folder_key_security_descriptor();
    keytree::AddSubtree(item, Permissions(), RowKindRole, descriptor);
    keytree::AddSubtree(item, Days(), RowKindRole, descriptor);
    keytree::AddSubtree(item, Months(), RowKindRole, descriptor);
}

int HolderId(const qorv::data::FolderKey &folderKey)
{
    return folderKey.folder_key_user().user_id();
}
}

FolderKeyringPaneTreeWidget::FolderKeyringPaneTreeWidget(QWidget *parent)
    : AbstractPaneTreeWidget(parent)
{
    setHeaderLabels({Linguist::tr("User"), Linguist::tr("Active"), Linguist::tr("Hours"), Linguist::tr("Region"),
                     Linguist::tr("Duration"), Linguist::tr("Expiration")});
    setAlternatingRowColors(true);
    connect(this, &QTreeWidget::itemExpanded, this, &FolderKeyringPaneTreeWidget::resizeColumnsToContents);
    connect(this, &QTreeWidget::itemCollapsed, this, &FolderKeyringPaneTreeWidget::resizeColumnsToContents);
    connect(this, &QTreeWidget::itemClicked, this, &FolderKeyringPaneTreeWidget::folderKeyChanged);
}

FolderKeyringPaneTreeWidget::~FolderKeyringPaneTreeWidget() = default;

void FolderKeyringPaneTreeWidget::addFolderKey(const qorv::data::FolderKey &folderKey)
{
    auto *item = new QTreeWidgetItem(invisibleRootItem());
    folderKey >> item;
    UpdateFolderKeyTreeWidgetItemFont(folderKey, item);
    resizeColumnsToContents();
    item->setHidden(false);
}

void FolderKeyringPaneTreeWidget::updateFolderKey(const qorv::data::FolderKey &folderKey)
{
    QTreeWidgetItem *item = findKeyRow(HolderId(folderKey));
    if (item == nullptr)
        return;
    int kind = -1;
    if (keytree::ReadKind(item, UserColumn, RowKindRole, &kind) && kind == KeyRowKind) {
        item->setIcon(UserColumn, KeyIcon(false));
        const QVariant key = itemrecord::ToVariant(folderKey);
        item->setData(UserColumn, EditedRecordRole, key);
        item->setData(UserColumn, SavedRecordRole, key);
        SetRuleCells(folderKey, item);
        const qorv::data::SecurityDescriptor &descriptor = folderKey.folder_key_security_descriptor();
        keytree::UpdateSubtree(item->child(0), Permissions(), RowKindRole, descriptor);
        keytree::UpdateSubtree(item->child(1), Days(), RowKindRole, descriptor);
        keytree::UpdateSubtree(item->child(2), Months(), RowKindRole, descriptor);
    }
    UpdateFolderKeyTreeWidgetItemFont(folderKey, item);
    resizeColumnsToContents();
}

void FolderKeyringPaneTreeWidget::revertFolderKey(const qorv::data::FolderKey &folderKeyBase)
{
    updateFolderKey(folderKeyBase);
}

void FolderKeyringPaneTreeWidget::deleteFolderKey(int userId)
{
    delete findKeyRow(userId);
}

void FolderKeyringPaneTreeWidget::resizeColumnsToContents()
{
    ResizeColumnsToContents(this);
}

void FolderKeyringPaneTreeWidget::folderKeyChanged(QTreeWidgetItem *item, int column)
{
    if (item == nullptr || (column != UserColumn && column != ActiveColumn))
        return;
    int kind = 0;
    if (!keytree::ReadKind(item, column, RowKindRole, &kind))
        return;
    const Bit *bit = kind == ActiveKind ? &ActiveBit : keytree::FindBit({&Permissions(), &Days(), &Months()}, kind);
    if (bit == nullptr)
        return;

    QTreeWidgetItem *keyRow = GetFolderKeyTreeWidgetItem(item);
    qorv::data::FolderKey folderKey = GetFolderKey(keyRow);
    const qorv::data::FolderKey folderKeyBase = GetFolderKeyBase(keyRow);
    FolderKeyWriter writer(folderKey);
    if (bit->word == Word::Permissions) {
        writer.setPermission(static_cast<FolderKeyProxy::Permission>(bit->position),
                             item->checkState(UserColumn) == Qt::Checked);
    } else {
        writer.setActive(static_cast<FolderKeyProxy::Active>(bit->position),
                         item->checkState(ActiveColumn) == Qt::Checked);
    }
    keyRow->setData(UserColumn, EditedRecordRole, itemrecord::ToVariant(folderKey));
    keyRow->setIcon(UserColumn,
                    KeyIcon(folderKey.folder_key_security_descriptor()
                            != folderKeyBase.folder_key_security_descriptor()));
    UpdateFolderKeyTreeWidgetItemFont(folderKey, keyRow);
    resizeColumnsToContents();
}

void FolderKeyringPaneTreeWidget::viewPermissionsToggled(bool view)
{
    keytree::ToggleHeadings(this, Permissions().column, RowKindRole, Permissions().headingKind, view);
}

void FolderKeyringPaneTreeWidget::viewDaysToggled(bool view)
{
    keytree::ToggleHeadings(this, Days().column, RowKindRole, Days().headingKind, view);
}

void FolderKeyringPaneTreeWidget::viewMonthsToggled(bool view)
{
    keytree::ToggleHeadings(this, Months().column, RowKindRole, Months().headingKind, view);
}

QTreeWidgetItem *FolderKeyringPaneTreeWidget::findKeyRow(int userId) const
{
    for (int index = 0; index < topLevelItemCount(); ++index) {
        QTreeWidgetItem *item = topLevelItem(index);
        if (HolderId(GetFolderKey(item)) == userId)
            return item;
    }
    return nullptr;
}

bool IsFolderKeyTreeWidgetItem(const QTreeWidgetItem *item)
{
    int kind = -1;
    return item != nullptr && item->parent() == nullptr && keytree::ReadKind(item, UserColumn, RowKindRole, &kind)
        && kind == KeyRowKind;
}

QTreeWidgetItem *GetFolderKeyTreeWidgetItem(QTreeWidgetItem *item)
{
    while (item->parent() != nullptr)
        item = item->parent();
    return item;
}

qorv::data::FolderKey GetFolderKey(QTreeWidgetItem *item)
{
    return itemrecord::FromVariant<qorv::data::FolderKey>(item->data(UserColumn, EditedRecordRole))
        .value_or(qorv::data::FolderKey());
}

qorv::data::FolderKey GetFolderKeyBase(QTreeWidgetItem *item)
{
    return itemrecord::FromVariant<qorv::data::FolderKey>(item->data(UserColumn, SavedRecordRole))
        .value_or(qorv::data::FolderKey());
}
