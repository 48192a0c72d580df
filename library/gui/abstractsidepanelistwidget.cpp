#include "abstractsidepanelistwidget.h"

AbstractSidePaneListWidget::AbstractSidePaneListWidget(QWidget *parent)
    : AbstractPaneListWidget(parent)
{
}
