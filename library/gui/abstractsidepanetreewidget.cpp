#include "abstractsidepanetreewidget.h"

AbstractSidePaneTreeWidget::AbstractSidePaneTreeWidget(QWidget *parent)
    : AbstractPaneTreeWidget(parent)
{
}
