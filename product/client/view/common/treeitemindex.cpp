#include "treeitemindex.h"

#include <QAbstractItemModel>
#include <QTreeWidget>

TreeItemIndex::TreeItemIndex(QTreeWidget *tree)
    : QObject(tree)
    , m_tree(tree)
{
    QAbstractItemModel *model = tree->model();
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, &TreeItemIndex::rowsAboutToBeRemoved);
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, &TreeItemIndex::modelAboutToBeReset);
}

TreeItemIndex::~TreeItemIndex() = default;

QTreeWidgetItem *TreeItemIndex::find(int id) const
{
    return m_items.value(id, nullptr);
}

void TreeItemIndex::insert(QTreeWidgetItem *item, int id)
{
    if (m_items.contains(id))
        return;
    m_items.insert(id, item);
    m_ids.insert(item, id);
}

void TreeItemIndex::rowsAboutToBeRemoved(const QModelIndex &parent, int first, int last)
{
    // Only top-level items are indexed; the removal of a child row leaves
    // them where they are.
    if (parent.isValid())
        return;
    for (int row = first; row <= last; ++row) {
        const auto found = m_ids.constFind(m_tree->topLevelItem(row));
        if (found == m_ids.cend())
            continue;
        m_items.remove(found.value());
        m_ids.erase(found);
    }
}

void TreeItemIndex::modelAboutToBeReset()
{
    m_items.clear();
    m_ids.clear();
}
