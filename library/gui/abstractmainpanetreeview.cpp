#include "abstractmainpanetreeview.h"

AbstractMainPaneTreeView::AbstractMainPaneTreeView(QWidget *parent)
    : AbstractPaneTreeView(parent)
{
}
