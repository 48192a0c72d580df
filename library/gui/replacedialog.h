#ifndef REPLACEDIALOG_H
#define REPLACEDIALOG_H

#include "searchdialog.h"

// Finds a text in a text edit and replaces the selected occurrence, or every
// occurrence from the start of the document. Each replacement is an edit of its
// own, and closing the dialog undoes none of them.
class ReplaceDialog : public SearchDialog
{
    Q_OBJECT

public:
    ReplaceDialog(QTextEdit &editor, QWidget *parent);

protected slots:
    virtual void replace();
    virtual void replaceAll();

protected:
    void initializeLayout() override;

private:
    QLabel *m_replaceLabel;
    QPushButton *m_replacePushButton;
    QPushButton *m_replaceAllPushButton;
    QLineEdit *m_replaceLineEdit;
};

#endif // REPLACEDIALOG_H
