#include "documentkeyspanetreewidget.h"

#include "documentkeyreader.h"
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
    DocumentColumn = 1,
    RevisionColumn = 2,
    ActiveColumn = 3,
    HoursColumn = 4,
    RegionColumn = 5,
    DurationColumn = 6,
    ExpirationColumn = 7
};

enum Kind : int
{
    KeyRowKind = 0,
    ActiveKind = 1,
    PermissionsKind = 2,
    DaysKind = 15,
    MonthsKind = 23
};

const Subtree &Permissions()
{
    static const Subtree subtree{OwnerColumn, PermissionsKind, QT_TRANSLATE_NOOP("Linguist", "Permissions"),
                                 keytree::DocumentPermissionBits()};
    return subtree;
}

const Subtree &Days()
{
    static const Subtree subtree{ActiveColumn, DaysKind, QT_TRANSLATE_NOOP("Linguist", "Days"),
                                 keytree::DocumentDayBits()};
    return subtree;
}

const Subtree &Months()
{
    static const Subtree subtree{ActiveColumn, MonthsKind, QT_TRANSLATE_NOOP("Linguist", "Months"),
                                 keytree::DocumentMonthBits()};
    return subtree;
}

void operator>>(const qorv::data::DocumentKey &documentKey, QTreeWidgetItem *item)
{
    constexpr int KindRole = DocumentKeysPaneTreeWidget::KindRole;
    const DocumentKeyReader reader(documentKey);
    const qorv::data::SecurityDescriptor &descriptor = documentKey.document_key_security_descriptor();
    item->setText(OwnerColumn, QString::fromStdString(reader.ownerDisplayNameAlphabetical()));
    item->setIcon(OwnerColumn, QIcon(QStringLiteral(":icons/32x32/key.png")));
    item->setData(OwnerColumn, KindRole, KeyRowKind);
    item->setData(OwnerColumn, DocumentKeysPaneTreeWidget::KeyRole, itemrecord::ToVariant(documentKey));
    item->setText(DocumentColumn, QString::fromStdString(reader.documentName()));
    item->setText(RevisionColumn, QString::fromStdString(keytree::RevisionText(reader.documentRevision())));
    item->setData(ActiveColumn, KindRole, ActiveKind);
    const bool active = keytree::BitSet(descriptor, keytree::Word::Active, DocumentKeyProxy::ActiveStatus);
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

DocumentKeysPaneTreeWidget::DocumentKeysPaneTreeWidget(QWidget *parent)
    : AbstractPaneTreeWidget(parent)
{
    setHeaderLabels({Linguist::tr("Owner"), Linguist::tr("Document"), Linguist::tr("Revision"), Linguist::tr("Active"),
                     Linguist::tr("Hours"), Linguist::tr("Region"), Linguist::tr("Duration"),
                     Linguist::tr("Expiration")});
    setAlternatingRowColors(true);
    connect(this, &QTreeWidget::itemExpanded, this, &DocumentKeysPaneTreeWidget::resizeColumnsToContents);
    connect(this, &QTreeWidget::itemCollapsed, this, &DocumentKeysPaneTreeWidget::resizeColumnsToContents);
}

DocumentKeysPaneTreeWidget::~DocumentKeysPaneTreeWidget() = default;

void DocumentKeysPaneTreeWidget::addDocumentKey(const qorv::data::DocumentKey &documentKey)
{
    auto *item = new QTreeWidgetItem(invisibleRootItem());
    documentKey >> item;
    resizeColumnsToContents();
    item->setHidden(false);
}

void DocumentKeysPaneTreeWidget::resizeColumnsToContents()
{
    ResizeColumnsToContents(this);
}

void DocumentKeysPaneTreeWidget::viewPermissionsToggled(bool view)
{
    keytree::ToggleHeadings(this, Permissions().column, KindRole, Permissions().headingKind, view);
}

void DocumentKeysPaneTreeWidget::viewDaysToggled(bool view)
{
    keytree::ToggleHeadings(this, Days().column, KindRole, Days().headingKind, view);
}

void DocumentKeysPaneTreeWidget::viewMonthsToggled(bool view)
{
    keytree::ToggleHeadings(this, Months().column, KindRole, Months().headingKind, view);
}
