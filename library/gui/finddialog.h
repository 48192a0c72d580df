#ifndef FINDDIALOG_H
#define FINDDIALOG_H

#include "searchdialog.h"

// Finds the next occurrence of a text in a text edit, or highlights all of them.
class FindDialog : public SearchDialog
{
    Q_OBJECT

public:
    FindDialog(QTextEdit &editor, QWidget *parent);

protected:
    void initializeLayout() override;
};

#endif // FINDDIALOG_H
