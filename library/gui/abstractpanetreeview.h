#ifndef ABSTRACTPANETREEVIEW_H
#define ABSTRACTPANETREEVIEW_H

#include "abstractpane.h"
#include "busmember.h"

#include <QTreeView>

// A QTreeView that is a member of the component bus.
class AbstractPaneTreeView : public AbstractPane<QTreeView>
{
    Q_OBJECT
    QORV_IGNORING_BUS_MEMBER

public:
    explicit AbstractPaneTreeView(QWidget *parent = nullptr);
};

#endif // ABSTRACTPANETREEVIEW_H
