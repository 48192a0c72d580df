#include "standinusergroupbrowserview.h"

StandInUserGroupBrowserView::StandInUserGroupBrowserView(QWidget *parent)
    : AbstractViewWindow(parent)
{
}
