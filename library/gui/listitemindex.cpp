#include "listitemindex.h"

#include <QAbstractItemModel>
#include <QListWidget>

ListItemIndex::ListItemIndex(QListWidget *list)
    : QObject(list)
    , m_list(list)
{
    QAbstractItemModel *model = list->model();
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, &ListItemIndex::rowsAboutToBeRemoved);
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, &ListItemIndex::modelAboutToBeReset);
}

ListItemIndex::~ListItemIndex() = default;

QListWidgetItem *ListItemIndex::find(int type, int id) const
{
    return m_items.value(Key(type, id), nullptr);
}

void ListItemIndex::insert(QListWidgetItem *item, int id)
{
    const Key key(item->type(), id);
    if (m_items.contains(key))
        return;
    m_items.insert(key, item);
    m_keys.insert(item, key);
}

void ListItemIndex::rowsAboutToBeRemoved(const QModelIndex &, int first, int last)
{
    for (int row = first; row <= last; ++row) {
        const auto found = m_keys.constFind(m_list->item(row));
        if (found == m_keys.cend())
            continue;
        m_items.remove(found.value());
        m_keys.erase(found);
    }
}

void ListItemIndex::modelAboutToBeReset()
{
    m_items.clear();
    m_keys.clear();
}
