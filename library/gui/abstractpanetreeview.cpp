#include "abstractpanetreeview.h"

AbstractPaneTreeView::AbstractPaneTreeView(QWidget *parent)
    : AbstractPane(parent)
{
}
