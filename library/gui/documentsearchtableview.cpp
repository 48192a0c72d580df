#include "documentsearchtableview.h"

#include "documentsearchdelegate.h"

DocumentSearchTableView::DocumentSearchTableView(QWidget *parent)
    : SearchTableView(parent)
{
    setItemDelegateForColumn(0, new DocumentSearchDelegate(this));
    addRow(0);
    // The column takes the editor's preferred width.
    resizeColumnToContents(0);
    show();
}

DocumentSearchTableView::~DocumentSearchTableView() = default;
