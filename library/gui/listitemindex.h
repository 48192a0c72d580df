#ifndef LISTITEMINDEX_H
#define LISTITEMINDEX_H

#include <QHash>
#include <QObject>
#include <QPair>

class QListWidget;
class QListWidgetItem;
class QModelIndex;

// Finds the item of a list by its kind (item type) and the id of its record
// without scanning the list, so that filling a list with a folder of ten
// thousand documents, or checking a group of thousands of users against the
// users listed, stays linear. The index follows the list's model: an
// item leaves the index when its row is removed or the list is cleared,
// however that happens.
class ListItemIndex : public QObject
{
    Q_OBJECT

public:
    explicit ListItemIndex(QListWidget *list);
    ~ListItemIndex() override;

    QListWidgetItem *find(int type, int id) const;
    // Records an item that the list holds; a second item of the same kind and
    // id does not replace the first.
    void insert(QListWidgetItem *item, int id);

private slots:
    void rowsAboutToBeRemoved(const QModelIndex &parent, int first, int last);
    void modelAboutToBeReset();

private:
    using Key = QPair<int, int>; // item type, id

    QListWidget *m_list;
    QHash<Key, QListWidgetItem *> m_items;
    QHash<const QListWidgetItem *, Key> m_keys;
};

#endif // LISTITEMINDEX_H
