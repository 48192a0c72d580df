#include "keytreerows.h"

#include "datetimefields.h"
#include "dbtimestamp.h"
#include "documentkeyproxy.h"
#include "folderkeyproxy.h"
#include "keydisplaytext.h"
#include "linguist.h"

#include "securitydescriptor3.pb.h"

#include <boost/date_time/posix_time/posix_time.hpp>

#include <QAbstractItemModel>
#include <QFont>
#include <QTreeView>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <exception>

namespace keytree
{
namespace
{
Qt::CheckState CheckState(bool set)
{
    return set ? Qt::Checked : Qt::Unchecked;
}

// The same reading as the 12-hour formatter's, which treats any other text
// as a broken precondition: a cell must never get that far.
bool IsTimeOfDay(const std::string &time)
{
    if (!utils::TimeOfDayFieldsFit(time))
        return false;
    try {
        return !boost::posix_time::time_from_string("2001-01-01 " + time).is_special();
    } catch (const std::exception &) {
        return false;
    }
}
}

bool BitSet(const qorv::data::SecurityDescriptor &descriptor, Word word, unsigned int position)
{
    const unsigned int bits = word == Word::Active ? descriptor.active() : descriptor.permissions();
    return ((bits >> position) & 1u) != 0;
}

void AddSubtree(QTreeWidgetItem *keyRow, const Subtree &subtree, int kindRole,
                const qorv::data::SecurityDescriptor &descriptor)
{
    // The bits are read once, before any row exists.
    std::vector<bool> checked;
    checked.reserve(subtree.leaves.size());
    for (const Bit &bit : subtree.leaves)
        checked.push_back(BitSet(descriptor, bit.word, bit.position));

    auto *heading = new QTreeWidgetItem(keyRow);
    heading->setData(subtree.column, kindRole, subtree.headingKind);
    heading->setText(subtree.column, Linguist::tr(subtree.headingLabel));
    // In a narrow window the first column gives way to the rule columns and
    // its labels are elided; the tool tip still names the rule.
    heading->setToolTip(subtree.column, heading->text(subtree.column));
    for (std::size_t index = 0; index < subtree.leaves.size(); ++index) {
        const Bit &bit = subtree.leaves[index];
        auto *leaf = new QTreeWidgetItem(heading);
        leaf->setData(subtree.column, kindRole, bit.kind);
        leaf->setText(subtree.column, Linguist::tr(bit.label));
        leaf->setToolTip(subtree.column, leaf->text(subtree.column));
        leaf->setCheckState(subtree.column, CheckState(checked[index]));
    }
    heading->setExpanded(false);
}

void UpdateSubtree(QTreeWidgetItem *heading, const Subtree &subtree, int kindRole,
                   const qorv::data::SecurityDescriptor &descriptor)
{
    int kind = 0;
    if (heading == nullptr || !ReadKind(heading, subtree.column, kindRole, &kind) || kind != subtree.headingKind)
        return;
    const int count = qMin(heading->childCount(), static_cast<int>(subtree.leaves.size()));
    for (int index = 0; index < count; ++index) {
        const Bit &bit = subtree.leaves[static_cast<std::size_t>(index)];
        heading->child(index)->setCheckState(subtree.column, CheckState(BitSet(descriptor, bit.word, bit.position)));
    }
}

const std::vector<Bit> &DocumentPermissionBits()
{
    static const std::vector<Bit> bits = {
        {3, QT_TRANSLATE_NOOP("Linguist", "View"), Word::Permissions, DocumentKeyProxy::View},
        {4, QT_TRANSLATE_NOOP("Linguist", "Update"), Word::Permissions, DocumentKeyProxy::Update},
        {9, QT_TRANSLATE_NOOP("Linguist", "CopyFromClipboard"), Word::Permissions, DocumentKeyProxy::CopyFromClipboard},
        {10, QT_TRANSLATE_NOOP("Linguist", "CopyToClipboard"), Word::Permissions, DocumentKeyProxy::CopyToClipboard},
        {11, QT_TRANSLATE_NOOP("Linguist", "ExportToTextFile"), Word::Permissions, DocumentKeyProxy::ExportToTextFile},
        {12, QT_TRANSLATE_NOOP("Linguist", "ExportToPdfFile"), Word::Permissions, DocumentKeyProxy::ExportToPdfFile},
        {13, QT_TRANSLATE_NOOP("Linguist", "Print"), Word::Permissions, DocumentKeyProxy::Print},
        {14, QT_TRANSLATE_NOOP("Linguist", "Search"), Word::Permissions, DocumentKeyProxy::Search},
    };
    return bits;
}

const std::vector<Bit> &DocumentDayBits()
{
    static const std::vector<Bit> bits = {
        {16, QT_TRANSLATE_NOOP("Linguist", "Monday"), Word::Active, DocumentKeyProxy::ActiveOnMonday},
        {17, QT_TRANSLATE_NOOP("Linguist", "Tuesday"), Word::Active, DocumentKeyProxy::ActiveOnTuesday},
        {18, QT_TRANSLATE_NOOP("Linguist", "Wednesday"), Word::Active, DocumentKeyProxy::ActiveOnWednesday},
        {19, QT_TRANSLATE_NOOP("Linguist", "Thursday"), Word::Active, DocumentKeyProxy::ActiveOnThursday},
        {20, QT_TRANSLATE_NOOP("Linguist", "Friday"), Word::Active, DocumentKeyProxy::ActiveOnFriday},
        {21, QT_TRANSLATE_NOOP("Linguist", "Saturday"), Word::Active, DocumentKeyProxy::ActiveOnSaturday},
        {22, QT_TRANSLATE_NOOP("Linguist", "Sunday"), Word::Active, DocumentKeyProxy::ActiveOnSunday},
    };
    return bits;
}

const std::vector<Bit> &DocumentMonthBits()
{
    static const std::vector<Bit> bits = {
        {24, QT_TRANSLATE_NOOP("Linguist", "January"), Word::Active, DocumentKeyProxy::ActiveDuringJanuary},
        {25, QT_TRANSLATE_NOOP("Linguist", "February"), Word::Active, DocumentKeyProxy::ActiveDuringFebruary},
        {26, QT_TRANSLATE_NOOP("Linguist", "March"), Word::Active, DocumentKeyProxy::ActiveDuringMarch},
        {27, QT_TRANSLATE_NOOP("Linguist", "April"), Word::Active, DocumentKeyProxy::ActiveDuringApril},
        {28, QT_TRANSLATE_NOOP("Linguist", "May"), Word::Active, DocumentKeyProxy::ActiveDuringMay},
        {29, QT_TRANSLATE_NOOP("Linguist", "June"), Word::Active, DocumentKeyProxy::ActiveDuringJune},
        {30, QT_TRANSLATE_NOOP("Linguist", "July"), Word::Active, DocumentKeyProxy::ActiveDuringJuly},
        {31, QT_TRANSLATE_NOOP("Linguist", "August"), Word::Active, DocumentKeyProxy::ActiveDuringAugust},
        {32, QT_TRANSLATE_NOOP("Linguist", "September"), Word::Active, DocumentKeyProxy::ActiveDuringSeptember},
        {33, QT_TRANSLATE_NOOP("Linguist", "October"), Word::Active, DocumentKeyProxy::ActiveDuringOctober},
        {34, QT_TRANSLATE_NOOP("Linguist", "November"), Word::Active, DocumentKeyProxy::ActiveDuringNovember},
        {35, QT_TRANSLATE_NOOP("Linguist", "December"), Word::Active, DocumentKeyProxy::ActiveDuringDecember},
    };
    return bits;
}

const std::vector<Bit> &FolderPermissionBits()
{
    static const std::vector<Bit> bits = {
        {3, QT_TRANSLATE_NOOP("Linguist", "View"), Word::Permissions, FolderKeyProxy::View},
        {4, QT_TRANSLATE_NOOP("Linguist", "Search"), Word::Permissions, FolderKeyProxy::Search},
    };
    return bits;
}

const std::vector<Bit> &FolderDayBits()
{
    static const std::vector<Bit> bits = {
        {6, QT_TRANSLATE_NOOP("Linguist", "Monday"), Word::Active, FolderKeyProxy::ActiveOnMonday},
        {7, QT_TRANSLATE_NOOP("Linguist", "Tuesday"), Word::Active, FolderKeyProxy::ActiveOnTuesday},
        {8, QT_TRANSLATE_NOOP("Linguist", "Wednesday"), Word::Active, FolderKeyProxy::ActiveOnWednesday},
        {9, QT_TRANSLATE_NOOP("Linguist", "Thursday"), Word::Active, FolderKeyProxy::ActiveOnThursday},
        {10, QT_TRANSLATE_NOOP("Linguist", "Friday"), Word::Active, FolderKeyProxy::ActiveOnFriday},
        {11, QT_TRANSLATE_NOOP("Linguist", "Saturday"), Word::Active, FolderKeyProxy::ActiveOnSaturday},
        {12, QT_TRANSLATE_NOOP("Linguist", "Sunday"), Word::Active, FolderKeyProxy::ActiveOnSunday},
    };
    return bits;
}

const std::vector<Bit> &FolderMonthBits()
{
    static const std::vector<Bit> bits = {
        {14, QT_TRANSLATE_NOOP("Linguist", "January"), Word::Active, FolderKeyProxy::ActiveDuringJanuary},
        {15, QT_TRANSLATE_NOOP("Linguist", "February"), Word::Active, FolderKeyProxy::ActiveDuringFebruary},
        {16, QT_TRANSLATE_NOOP("Linguist", "March"), Word::Active, FolderKeyProxy::ActiveDuringMarch},
        {17, QT_TRANSLATE_NOOP("Linguist", "April"), Word::Active, FolderKeyProxy::ActiveDuringApril},
        {18, QT_TRANSLATE_NOOP("Linguist", "May"), Word::Active, FolderKeyProxy::ActiveDuringMay},
        {19, QT_TRANSLATE_NOOP("Linguist", "June"), Word::Active, FolderKeyProxy::ActiveDuringJune},
        {20, QT_TRANSLATE_NOOP("Linguist", "July"), Word::Active, FolderKeyProxy::ActiveDuringJuly},
        {21, QT_TRANSLATE_NOOP("Linguist", "August"), Word::Active, FolderKeyProxy::ActiveDuringAugust},
        {22, QT_TRANSLATE_NOOP("Linguist", "September"), Word::Active, FolderKeyProxy::ActiveDuringSeptember},
        {23, QT_TRANSLATE_NOOP("Linguist", "October"), Word::Active, FolderKeyProxy::ActiveDuringOctober},
        {24, QT_TRANSLATE_NOOP("Linguist", "November"), Word::Active, FolderKeyProxy::ActiveDuringNovember},
        {25, QT_TRANSLATE_NOOP("Linguist", "December"), Word::Active, FolderKeyProxy::ActiveDuringDecember},
    };
    return bits;
}

namespace
{
constexpr int PermissionsHeadingKind = 2;

KeySubtrees MakeKeySubtrees(int activeColumn, const std::vector<Bit> &permissions, const std::vector<Bit> &days,
                            const std::vector<Bit> &months)
{
    // Each heading comes right after the last leaf of the one before it.
    const int daysKind = permissions.back().kind + 1;
    const int monthsKind = days.back().kind + 1;
    return {{0, PermissionsHeadingKind, QT_TRANSLATE_NOOP("Linguist", "Permissions"), permissions},
            {activeColumn, daysKind, QT_TRANSLATE_NOOP("Linguist", "Days"), days},
            {activeColumn, monthsKind, QT_TRANSLATE_NOOP("Linguist", "Months"), months}};
}
}

KeySubtrees DocumentKeySubtrees(int activeColumn)
{
    return MakeKeySubtrees(activeColumn, DocumentPermissionBits(), DocumentDayBits(), DocumentMonthBits());
}

KeySubtrees FolderKeySubtrees(int activeColumn)
{
    return MakeKeySubtrees(activeColumn, FolderPermissionBits(), FolderDayBits(), FolderMonthBits());
}

const Bit *FindBit(const std::vector<const Subtree *> &subtrees, int kind)
{
    for (const Subtree *subtree : subtrees) {
        for (const Bit &bit : subtree->leaves) {
            if (bit.kind == kind)
                return &bit;
        }
    }
    return nullptr;
}

bool ReadKind(const QTreeWidgetItem *item, int column, int kindRole, int *kind)
{
    const QVariant value = item->data(column, kindRole);
    bool ok = false;
    const int read = value.toInt(&ok);
    if (!value.isValid() || !ok)
        return false;
    *kind = read;
    return true;
}

void UpdateKeyRowFont(QTreeWidgetItem *keyRow, bool inactive)
{
    QFont font = keyRow->font(0);
    font.setWeight(inactive ? QFont::Normal : QFont::Bold);
    font.setStrikeOut(inactive);
    keyRow->setFont(0, font);
}

void SetReadOnlyFlags(QTreeWidgetItem *keyRow)
{
    if (keyRow->parent() == nullptr)
        keyRow->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    for (int index = 0; index < keyRow->childCount(); ++index) {
        QTreeWidgetItem *child = keyRow->child(index);
        child->setFlags(Qt::ItemIsEnabled);
        SetReadOnlyFlags(child);
    }
}

void ToggleHeadings(QTreeWidget *tree, int column, int kindRole, int headingKind, bool view)
{
    for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
        QTreeWidgetItem *row = *it;
        if (row->parent() == nullptr && view)
            row->setExpanded(true);
        int kind = 0;
        if (ReadKind(row, column, kindRole, &kind) && kind == headingKind)
            row->setExpanded(view);
    }
}

QString ActiveHoursText(const std::string &from, const std::string &to)
{
    if (from.empty() || to.empty() || from == to)
        return QString();
    if (!IsTimeOfDay(from) || !IsTimeOfDay(to))
        return QString();
    return QString::fromStdString(records::ActiveHoursDisplay(from, to));
}

QString ExpirationText(const std::string &expirationDate)
{
    if (expirationDate.empty() || !DbTimestamp(expirationDate).isValid())
        return QString();
    return QString::fromStdString(records::LocalDisplayDate(expirationDate));
}

std::string RevisionText(const std::string &revision)
{
    if (revision.empty())
        return std::string();
    const DbTimestamp timestamp(revision);
    if (!timestamp.isValid() || timestamp.isMaxTimestamp() || timestamp.isMinTimestamp())
        return std::string();
    return timestamp.toLocalRfcString(DbTimestamp::TimeZonePtr());
}
}

void ResizeColumnsToContents(QTreeView *view)
{
    const QAbstractItemModel *model = view->model();
    if (model == nullptr)
        return;
    const int columns = model->columnCount(QModelIndex());
    for (int column = 0; column < columns; ++column)
        view->resizeColumnToContents(column);
}
