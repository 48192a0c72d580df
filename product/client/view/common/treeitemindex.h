#ifndef TREEITEMINDEX_H
#define TREEITEMINDEX_H

#include <QHash>
#include <QObject>

class QModelIndex;
class QTreeWidget;
class QTreeWidgetItem;

// Finds a top-level item of a tree by the id of its record without scanning
// the tree, so that filling a pane from a reply of many thousand records
// stays linear. The index follows the tree's model: an item leaves the index
// when its row is removed or the tree is cleared, however that happens.
class TreeItemIndex : public QObject
{
    Q_OBJECT

public:
    explicit TreeItemIndex(QTreeWidget *tree);
    ~TreeItemIndex() override;

    QTreeWidgetItem *find(int id) const;
    // Records a top-level item that the tree holds; a second item of the same
    // id does not replace the first.
    void insert(QTreeWidgetItem *item, int id);

private slots:
    void rowsAboutToBeRemoved(const QModelIndex &parent, int first, int last);
    void modelAboutToBeReset();

private:
    QTreeWidget *m_tree;
    QHash<int, QTreeWidgetItem *> m_items;
    QHash<const QTreeWidgetItem *, int> m_ids;
};

#endif // TREEITEMINDEX_H
