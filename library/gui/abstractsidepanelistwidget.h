#ifndef ABSTRACTSIDEPANELISTWIDGET_H
#define ABSTRACTSIDEPANELISTWIDGET_H

#include "abstractpanelistwidget.h"

// The base of a browser's side list pane: a type of its own, so that a browser's
// two panes can be told apart.
class AbstractSidePaneListWidget : public AbstractPaneListWidget
{
    Q_OBJECT

public:
    explicit AbstractSidePaneListWidget(QWidget *parent = nullptr);
};

#endif // ABSTRACTSIDEPANELISTWIDGET_H
