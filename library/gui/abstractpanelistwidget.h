#ifndef ABSTRACTPANELISTWIDGET_H
#define ABSTRACTPANELISTWIDGET_H

#include "abstractpane.h"
#include "busmember.h"

#include <QListWidget>

// A QListWidget that is a member of the component bus.
class AbstractPaneListWidget : public AbstractPane<QListWidget>
{
    Q_OBJECT
    QORV_IGNORING_BUS_MEMBER

public:
    explicit AbstractPaneListWidget(QWidget *parent = nullptr);

    // The selected item when exactly one is selected, else null.
    QListWidgetItem *getSelectedListWidgetItem() const;
};

#endif // ABSTRACTPANELISTWIDGET_H
