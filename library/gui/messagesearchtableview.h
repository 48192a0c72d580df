#ifndef MESSAGESEARCHTABLEVIEW_H
#define MESSAGESEARCHTABLEVIEW_H

#include "searchtableview.h"

// The criteria table of the message searches; it starts with one row.
class MessageSearchTableView : public SearchTableView
{
    Q_OBJECT

public:
    explicit MessageSearchTableView(QWidget *parent);
    ~MessageSearchTableView() override;
};

#endif // MESSAGESEARCHTABLEVIEW_H
