#include "folderkeyspanetreewidget.h"

#include "folderkeyreader.h"
#include "itemrecord.h"
#include "keytreerows.h"
#include "linguist.h"

#include <QIcon>

namespace
{
using keytree::Subtree;

enum Column : int
{
    OwnerColumn = 0,
    FolderColumn = 1,
    ActiveColumn = 2,
    HoursColumn = 3,
    RegionColumn = 4,
    DurationColumn = 5,
    ExpirationColumn = 6
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
    static const Subtree subtree{OwnerColumn, PermissionsKind, QT_TRANSLATE_NOOP("Linguist", "Permissions"),
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

void operator>>(const qorv::data::FolderKey &folderKey, QTreeWidgetItem *item)
{
    constexpr int KindRole = FolderKeysPaneTreeWidget::KindRole;
    const FolderKeyReader reader(folderKey);
    const qorv::data::SecurityDescriptor &descriptor = folderKey.folder_key_security_descriptor();
    item->setText(OwnerColumn, QString::fromStdString(reader.ownerDisplayNameAlphabetical()));
    item->setIcon(OwnerColumn, QIcon(QStringLiteral(":icons/32x32/key.png")));
    item->setData(OwnerColumn, KindRole, KeyRowKind);
    item->setData(OwnerColumn, FolderKeysPaneTreeWidget::KeyRole, itemrecord::ToVariant(folderKey));
    item->setText(FolderColumn, QString::fromStdString(reader.folderName()));
    item->setData(ActiveColumn, KindRole, ActiveKind);
    const bool active = keytree::BitSet(descriptor, keytree::Word::Active, FolderKeyProxy::ActiveStatus);
    item->setCheckState(ActiveColumn, active ? Qt::Checked : Qt::Unchecked);
    item->setText(HoursColumn, keytree::ActiveHoursText(reader.activeFrom(), reader.activeTo()));
    item->setText(RegionColumn, QString::fromStdString(reader.activeRegion()));
    item->setText(DurationColumn, QString::fromStdString(reader.sessionDurationDisplay()));
    item->setText(ExpirationColumn, keytree::ExpirationText(reader.expirationDate()));

    keytree::AddSubtree(item, Permissions(), KindRole, descriptor);
    keytree::AddSubtree(item, Days(), KindRole, descriptor);
    keytree::AddSubtree(item, Months(), KindRole, descriptor);
}
}

FolderKeysPaneTreeWidget::FolderKeysPaneTreeWidget(QWidget *parent)
    : AbstractPaneTreeWidget(parent)
{
    setHeaderLabels({Linguist::tr("Owner"), Linguist::tr("Folder"), Linguist::tr("Active"), Linguist::tr("Hours"),
                     Linguist::tr("Region"), Linguist::tr("Duration"), Linguist::tr("Expiration")});
    setAlternatingRowColors(true);
    connect(this, &QTreeWidget::itemExpanded, this, &FolderKeysPaneTreeWidget::resizeColumnsToContents);
    connect(this, &QTreeWidget::itemCollapsed, this, &FolderKeysPaneTreeWidget::resizeColumnsToContents);
}

FolderKeysPaneTreeWidget::~FolderKeysPaneTreeWidget() = default;

void FolderKeysPaneTreeWidget::addFolderKey(const qorv::data::FolderKey &folderKey)
{
    auto *item = new QTreeWidgetItem(invisibleRootItem());
    folderKey >> item;
    resizeColumnsToContents();
    item->setHidden(false);
}

void FolderKeysPaneTreeWidget::resizeColumnsToContents()
{
    ResizeColumnsToContents(this);
}

void FolderKeysPaneTreeWidget::viewPermissionsToggled(bool view)
{
    keytree::ToggleHeadings(this, Permissions().column, KindRole, Permissions().headingKind, view);
}

void FolderKeysPaneTreeWidget::viewDaysToggled(bool view)
{
    keytree::ToggleHeadings(this, Days().column, KindRole, Days().headingKind, view);
}

void FolderKeysPaneTreeWidget::viewMonthsToggled(bool view)
{
    keytree::ToggleHeadings(this, Months().column, KindRole, Months().headingKind, view);
}
