#include "abstractmainpanetreewidget.h"

AbstractMainPaneTreeWidget::AbstractMainPaneTreeWidget(QWidget *parent)
    : AbstractPaneTreeWidget(parent)
{
}
