#ifndef ABSTRACTPANE_H
#define ABSTRACTPANE_H

#include "icomponent.h"

#include <QList>

class QWidget;

// What the three pane bases share beyond their bus signals and slots, which
// moc must read in each of them (QORV_IGNORING_BUS_MEMBER): an item widget
// of Qt that implements the bus interface and remembers the window it was
// made for. No pane is linked to the bus today: a pane and its window talk
// through the pane's own signals and slots, and only the window joins the
// bus.
template <class ItemWidget>
class AbstractPane : public ItemWidget, public IComponent
{
public:
    explicit AbstractPane(QWidget *parent = nullptr)
        : ItemWidget(parent)
        , m_parentWidget(parent)
    {
    }

protected:
    // The one selected item, or null when none or several are selected.
    template <class Item>
    static Item *soleSelectedItem(const QList<Item *> &selected)
    {
        return selected.size() == 1 ? selected.first() : nullptr;
    }

    QWidget *m_parentWidget; // the owning window; not owned
};

#endif // ABSTRACTPANE_H
