#ifndef ABSTRACTMAINPANETREEVIEW_H
#define ABSTRACTMAINPANETREEVIEW_H

#include "abstractpanetreeview.h"

// The base of a browser's main tree-view pane: a type of its own, so that a
// browser's two panes can be told apart.
class AbstractMainPaneTreeView : public AbstractPaneTreeView
{
    Q_OBJECT

public:
    explicit AbstractMainPaneTreeView(QWidget *parent = nullptr);
};

#endif // ABSTRACTMAINPANETREEVIEW_H
