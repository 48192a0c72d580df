#include "abstractmainpanelistwidget.h"

AbstractMainPaneListWidget::AbstractMainPaneListWidget(QWidget *parent)
    : AbstractPaneListWidget(parent)
{
}
