#include "keytreerows.h"

#include "dbtimestamp.h"
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
    for (std::size_t index = 0; index < subtree.leaves.size(); ++index) {
        const Bit &bit = subtree.leaves[index];
        auto *leaf = new QTreeWidgetItem(heading);
        leaf->setData(subtree.column, kindRole, bit.kind);
        leaf->setText(subtree.column, Linguist::tr(bit.label));
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
