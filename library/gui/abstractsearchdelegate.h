#ifndef ABSTRACTSEARCHDELEGATE_H
#define ABSTRACTSEARCHDELEGATE_H

#include <QStyledItemDelegate>

// Copies a criterion between its row's permanent editor and the row's four
// values in the criteria model (SearchTableView::CriterionRole). Each concrete
// delegate creates its own kind of AbstractSearchEditor; every editor handed
// to the other operations is one of those.
class AbstractSearchDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit AbstractSearchDelegate(QObject *parent);
    ~AbstractSearchDelegate() override;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override = 0;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

protected:
    // The editors commit through their own signals and never close, so the
    // view's editing keys mean nothing for them; left in place, Escape in a
    // criterion would be swallowed as "revert the edit" instead of closing
    // the dialog.
    bool eventFilter(QObject *object, QEvent *event) override;
};

#endif // ABSTRACTSEARCHDELEGATE_H
