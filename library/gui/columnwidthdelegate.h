#ifndef COLUMNWIDTHDELEGATE_H
#define COLUMNWIDTHDELEGATE_H

#include <QStyledItemDelegate>

// Edits one column width of the insert-table dialog with a spin box, so that a
// width is always a whole number of pixels from 20 to 1000.
class ColumnWidthDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit ColumnWidthDelegate(QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private slots:
    void commitAndCloseEditor();
};

#endif // COLUMNWIDTHDELEGATE_H
