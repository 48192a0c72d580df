#include "messagesearchtableview.h"

#include "messagesearchdelegate.h"

MessageSearchTableView::MessageSearchTableView(QWidget *parent)
    : SearchTableView(parent)
{
    setItemDelegateForColumn(0, new MessageSearchDelegate(this));
    addRow(0);
    // The column takes the editor's preferred width.
    resizeColumnToContents(0);
    show();
}

MessageSearchTableView::~MessageSearchTableView() = default;
