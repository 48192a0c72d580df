#ifndef ABSTRACTMAINPANETREEWIDGET_H
#define ABSTRACTMAINPANETREEWIDGET_H

#include "abstractpanetreewidget.h"

// The base of a browser's main tree pane: a type of its own, so that a browser's
// two panes can be told apart.
class AbstractMainPaneTreeWidget : public AbstractPaneTreeWidget
{
    Q_OBJECT

public:
    explicit AbstractMainPaneTreeWidget(QWidget *parent = nullptr);
};

#endif // ABSTRACTMAINPANETREEWIDGET_H
