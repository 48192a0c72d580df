#ifndef ABSTRACTPANETREEWIDGET_H
#define ABSTRACTPANETREEWIDGET_H

#include "abstractpane.h"
#include "busmember.h"

#include <QTreeWidget>

// A QTreeWidget that is a member of the component bus.
class AbstractPaneTreeWidget : public AbstractPane<QTreeWidget>
{
    Q_OBJECT
    QORV_IGNORING_BUS_MEMBER

public:
    explicit AbstractPaneTreeWidget(QWidget *parent = nullptr);

    // The selected item when exactly one is selected, else null.
    QTreeWidgetItem *getSelectedTreeWidgetItem() const;
};

#endif // ABSTRACTPANETREEWIDGET_H
