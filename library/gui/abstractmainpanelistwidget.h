#ifndef ABSTRACTMAINPANELISTWIDGET_H
#define ABSTRACTMAINPANELISTWIDGET_H

#include "abstractpanelistwidget.h"

// The base of a browser's main list pane: a type of its own, so that a browser's
// two panes can be told apart.
class AbstractMainPaneListWidget : public AbstractPaneListWidget
{
    Q_OBJECT

public:
    explicit AbstractMainPaneListWidget(QWidget *parent = nullptr);
};

#endif // ABSTRACTMAINPANELISTWIDGET_H
