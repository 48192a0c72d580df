#ifndef ABSTRACTSIDEPANETREEWIDGET_H
#define ABSTRACTSIDEPANETREEWIDGET_H

#include "abstractpanetreewidget.h"

// The base of a browser's side tree pane: a type of its own, so that a browser's
// two panes can be told apart.
class AbstractSidePaneTreeWidget : public AbstractPaneTreeWidget
{
    Q_OBJECT

public:
    explicit AbstractSidePaneTreeWidget(QWidget *parent = nullptr);
};

#endif // ABSTRACTSIDEPANETREEWIDGET_H
