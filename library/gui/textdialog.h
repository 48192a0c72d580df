#ifndef TEXTDIALOG_H
#define TEXTDIALOG_H

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QTextEdit;

// A heading above a long read-only plain text, with one OK button; the About box
// of every view window.
class TextDialog : public QDialog
{
    Q_OBJECT

public:
    TextDialog(QWidget *parent, const QString &title, const QString &label, const QString &text);

private:
    QLabel *m_label;
    QTextEdit *m_textEdit;
    QDialogButtonBox *m_buttonBox;
};

#endif // TEXTDIALOG_H
