#include "abstractpanelistwidget.h"

AbstractPaneListWidget::AbstractPaneListWidget(QWidget *parent)
    : AbstractPane(parent)
{
}

QListWidgetItem *AbstractPaneListWidget::getSelectedListWidgetItem() const
{
    return soleSelectedItem(selectedItems());
}
