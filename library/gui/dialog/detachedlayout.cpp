#include "detachedlayout.h"

#include <QLayout>
#include <QList>
#include <QWidget>

namespace pickers
{
namespace
{
void CollectWidgets(const QLayout *layout, QList<QWidget *> &widgets)
{
    for (int index = 0; index < layout->count(); ++index) {
        QLayoutItem *item = layout->itemAt(index);
        if (QWidget *widget = item->widget())
            widgets.append(widget);
        else if (const QLayout *nested = item->layout())
            CollectWidgets(nested, widgets);
    }
}
}

void DeleteDetachedLayout(QLayout *layout)
{
    if (!layout || layout->parent())
        return;
    QList<QWidget *> widgets;
    CollectWidgets(layout, widgets);
    // The layout's items still point at the widgets, so it goes first.
    delete layout;
    for (QWidget *widget : widgets) {
        if (!widget->parent())
            delete widget;
    }
}
}
