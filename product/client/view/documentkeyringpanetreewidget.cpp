#include "documentkeyringpanetreewidget.h"

#include "documentkeyreader.h"
#include "documentkeywriter.h"
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
    RevisionColumn = 2,
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
    DaysKind = 15,
    MonthsKind = 23
};

const Subtree &Permissions()
{
    static const Subtree subtree{UserColumn, PermissionsKind, QT_TRANSLATE_NOOP("Linguist", "Permissions"),
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

// The key row's own "Active" box is a bit of its own, with no subtree.
const Bit ActiveBit{ActiveKind, nullptr, Word::Active, DocumentKeyProxy::ActiveStatus};

QIcon KeyIcon(bool modified)
{
    return QIcon(modified ? QStringLiteral(":icons/32x32/key_edit.png") : QStringLiteral(":icons/32x32/key.png"));
}

std::string documentRevision(const qorv::data::DocumentKey &documentKey)
{
    return keytree::RevisionText(DocumentKeyReader(documentKey).documentRevision());
}

void UpdateDocumentKeyTreeWidgetItemFont(const qorv::data::DocumentKey &documentKey, QTreeWidgetItem *item)
{
    keytree::UpdateKeyRowFont(item, DocumentKeyReader(documentKey).inactive());
}

// The cells that follow the key's rules; the holder's name is written once.
void SetRuleCells(const qorv::data::DocumentKey &documentKey, QTreeWidgetItem *item)
{
    const DocumentKeyReader reader(documentKey);
    const qorv::data::SecurityDescriptor &descriptor = documentKey.document_key_security_descriptor();
    item->setText(RevisionColumn, QString::fromStdString(documentRevision(documentKey)));
    item->setText(HoursColumn, keytree::ActiveHoursText(reader.activeFrom(), reader.activeTo()));
    item->setText(RegionColumn, QString::fromStdString(reader.activeRegion()));
    item->setText(DurationColumn, QString::fromStdString(reader.sessionDurationDisplay()));
    item->setText(ExpirationColumn, keytree::ExpirationText(reader.expirationDate()));
    item->setCheckState(ActiveColumn,
                        keytree::BitSet(descriptor, ActiveBit.word, ActiveBit.position) ? Qt::Checked : Qt::Unchecked);
}

void operator>>(const qorv::data::DocumentKey &documentKey, QTreeWidgetItem *item)
{
    const QVariant key = itemrecord::ToVariant(documentKey);
    item->setText(UserColumn, QString::fromStdString(DocumentKeyReader(documentKey).userDisplayNameAlphabetical()));
    item->setIcon(UserColumn, KeyIcon(false));
    item->setData(UserColumn, RowKindRole, KeyRowKind);
    item->setData(UserColumn, EditedRecordRole, key);
    item->setData(UserColumn, SavedRecordRole, key);
    item->setData(ActiveColumn, RowKindRole, ActiveKind);
    SetRuleCells(documentKey, item);

    const qorv::data::SecurityDescriptor &descriptor = documentKey.document_key_security_descriptor();
    keytree::AddSubtree(item, Permissions(), RowKindRole, descriptor);
    keytree::AddSubtree(item, Days(), RowKindRole, descriptor);
    keytree::AddSubtree(item, Months(), RowKindRole, descriptor);
}

int HolderId(const qorv::data::DocumentKey &documentKey)
{
    return documentKey.document_key_user().user_id();
}
}

DocumentKeyringPaneTreeWidget::DocumentKeyringPaneTreeWidget(QWidget *parent)
    : AbstractPaneTreeWidget(parent)
{
    setHeaderLabels({Linguist::tr("User"), Linguist::tr("Active"), Linguist::tr("Revision"), Linguist::tr("Hours"),
                     Linguist::tr("Region"), Linguist::tr("Duration"), Linguist::tr("Expiration")});
    setAlternatingRowColors(true);
    connect(this, &QTreeWidget::itemExpanded, this, &DocumentKeyringPaneTreeWidget::resizeColumnsToContents);
    connect(this, &QTreeWidget::itemCollapsed, this, &DocumentKeyringPaneTreeWidget::resizeColumnsToContents);
    connect(this, &QTreeWidget::itemClicked, this, &DocumentKeyringPaneTreeWidget::documentKeyChanged);
}

DocumentKeyringPaneTreeWidget::~DocumentKeyringPaneTreeWidget() = default;

void DocumentKeyringPaneTreeWidget::addDocumentKey(const qorv::data::DocumentKey &documentKey)
{
    auto *item = new QTreeWidgetItem(invisibleRootItem());
    documentKey >> item;
    UpdateDocumentKeyTreeWidgetItemFont(documentKey, item);
    resizeColumnsToContents();
    item->setHidden(false);
}

void DocumentKeyringPaneTreeWidget::updateDocumentKey(const qorv::data::DocumentKey &documentKey)
{
    QTreeWidgetItem *item = findKeyRow(HolderId(documentKey));
    if (item == nullptr)
        return;
    int kind = -1;
    if (keytree::ReadKind(item, UserColumn, RowKindRole, &kind) && kind == KeyRowKind) {
        item->setIcon(UserColumn, KeyIcon(false));
        const QVariant key = itemrecord::ToVariant(documentKey);
        item->setData(UserColumn, EditedRecordRole, key);
        item->setData(UserColumn, SavedRecordRole, key);
        SetRuleCells(documentKey, item);
        const qorv::data::SecurityDescriptor &descriptor = documentKey.document_key_security_descriptor();
        keytree::UpdateSubtree(item->child(0), Permissions(), RowKindRole, descriptor);
        keytree::UpdateSubtree(item->child(1), Days(), RowKindRole, descriptor);
        keytree::UpdateSubtree(item->child(2), Months(), RowKindRole, descriptor);
    }
    UpdateDocumentKeyTreeWidgetItemFont(documentKey, item);
    resizeColumnsToContents();
}

void DocumentKeyringPaneTreeWidget::revertDocumentKey(const qorv::data::DocumentKey &documentKeyBase)
{
    updateDocumentKey(documentKeyBase);
}

void DocumentKeyringPaneTreeWidget::deleteDocumentKey(int userId)
{
    delete findKeyRow(userId);
}

void DocumentKeyringPaneTreeWidget::resizeColumnsToContents()
{
    ResizeColumnsToContents(this);
}

void DocumentKeyringPaneTreeWidget::documentKeyChanged(QTreeWidgetItem *item, int column)
{
    if (item == nullptr || (column != UserColumn && column != ActiveColumn))
        return;
    int kind = 0;
    if (!keytree::ReadKind(item, column, RowKindRole, &kind))
        return;
    const Bit *bit = kind == ActiveKind ? &ActiveBit : keytree::FindBit({&Permissions(), &Days(), &Months()}, kind);
    if (bit == nullptr)
        return;

    QTreeWidgetItem *keyRow = GetDocumentKeyTreeWidgetItem(item);
    qorv::data::DocumentKey documentKey = GetDocumentKey(keyRow);
    const qorv::data::DocumentKey documentKeyBase = GetDocumentKeyBase(keyRow);
    DocumentKeyWriter writer(documentKey, DocumentKeyProxy::NoDefaults);
    if (bit->word == Word::Permissions) {
        writer.setPermission(static_cast<DocumentKeyProxy::Permission>(bit->position),
                             item->checkState(UserColumn) == Qt::Checked);
    } else {
        writer.setActive(static_cast<DocumentKeyProxy::Active>(bit->position),
                         item->checkState(ActiveColumn) == Qt::Checked);
    }
    keyRow->setData(UserColumn, EditedRecordRole, itemrecord::ToVariant(documentKey));
    keyRow->setIcon(UserColumn,
                    KeyIcon(documentKey.document_key_security_descriptor()
                            != documentKeyBase.document_key_security_descriptor()));
    UpdateDocumentKeyTreeWidgetItemFont(documentKey, keyRow);
    resizeColumnsToContents();
}

void DocumentKeyringPaneTreeWidget::viewPermissionsToggled(bool view)
{
    keytree::ToggleHeadings(this, Permissions().column, RowKindRole, Permissions().headingKind, view);
}

void DocumentKeyringPaneTreeWidget::viewDaysToggled(bool view)
{
    keytree::ToggleHeadings(this, Days().column, RowKindRole, Days().headingKind, view);
}

void DocumentKeyringPaneTreeWidget::viewMonthsToggled(bool view)
{
    keytree::ToggleHeadings(this, Months().column, RowKindRole, Months().headingKind, view);
}

QTreeWidgetItem *DocumentKeyringPaneTreeWidget::findKeyRow(int userId) const
{
    for (int index = 0; index < topLevelItemCount(); ++index) {
        QTreeWidgetItem *item = topLevelItem(index);
        if (HolderId(GetDocumentKey(item)) == userId)
            return item;
    }
    return nullptr;
}

bool IsDocumentKeyTreeWidgetItem(const QTreeWidgetItem *item)
{
    int kind = -1;
    return item != nullptr && item->parent() == nullptr && keytree::ReadKind(item, UserColumn, RowKindRole, &kind)
        && kind == KeyRowKind;
}

QTreeWidgetItem *GetDocumentKeyTreeWidgetItem(QTreeWidgetItem *item)
{
    while (item->parent() != nullptr)
        item = item->parent();
    return item;
}

qorv::data::DocumentKey GetDocumentKey(QTreeWidgetItem *item)
{
    return itemrecord::FromVariant<qorv::data::DocumentKey>(item->data(UserColumn, EditedRecordRole))
        .value_or(qorv::data::DocumentKey());
}

qorv::data::DocumentKey GetDocumentKeyBase(QTreeWidgetItem *item)
{
    return itemrecord::FromVariant<qorv::data::DocumentKey>(item->data(UserColumn, SavedRecordRole))
        .value_or(qorv::data::DocumentKey());
}
