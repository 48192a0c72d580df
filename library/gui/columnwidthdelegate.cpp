#include "columnwidthdelegate.h"

#include <QSpinBox>

namespace
{
constexpr int MinimumWidth = 20;
constexpr int MaximumWidth = 1000;
}

ColumnWidthDelegate::ColumnWidthDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

QWidget *ColumnWidthDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *spinBox = new QSpinBox(parent);
    spinBox->setRange(MinimumWidth, MaximumWidth);
    connect(spinBox, &QSpinBox::editingFinished, this, &ColumnWidthDelegate::commitAndCloseEditor);
    return spinBox;
}

void ColumnWidthDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    // A text that is no number reads as 0, which the spin box raises to its
    // minimum.
    static_cast<QSpinBox *>(editor)->setValue(index.data(Qt::DisplayRole).toString().toInt());
}

void ColumnWidthDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    auto *spinBox = static_cast<QSpinBox *>(editor);
    spinBox->interpretText();
    model->setData(index, spinBox->value(), Qt::EditRole);
}

void ColumnWidthDelegate::commitAndCloseEditor()
{
    auto *editor = qobject_cast<QSpinBox *>(sender());
    if (!editor)
        return;
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}
