#ifndef DOCUMENTSEARCHTABLEVIEW_H
#define DOCUMENTSEARCHTABLEVIEW_H

#include "searchtableview.h"

// The criteria table of the document searches; it starts with one row.
class DocumentSearchTableView : public SearchTableView
{
    Q_OBJECT

public:
    explicit DocumentSearchTableView(QWidget *parent);
    ~DocumentSearchTableView() override;
};

#endif // DOCUMENTSEARCHTABLEVIEW_H
