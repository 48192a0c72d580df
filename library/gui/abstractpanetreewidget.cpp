#include "abstractpanetreewidget.h"

AbstractPaneTreeWidget::AbstractPaneTreeWidget(QWidget *parent)
    : AbstractPane(parent)
{
}

QTreeWidgetItem *AbstractPaneTreeWidget::getSelectedTreeWidgetItem() const
{
    return soleSelectedItem(selectedItems());
}
