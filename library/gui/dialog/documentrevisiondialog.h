#ifndef DOCUMENTREVISIONDIALOG_H
#define DOCUMENTREVISIONDIALOG_H

#include <QDialog>
#include <QString>

class QDialogButtonBox;
class QTextEdit;

// Shows one stored revision of a document, read-only and not selectable,
// titled with the document's name and the revision's local time.
class DocumentRevisionDialog : public QDialog
{
    Q_OBJECT

public:
    // revisionDateTime: the revision's UTC time as "yyyy-MM-dd HH:mm:ss"; any
    // further characters (fractional seconds) are ignored.
    DocumentRevisionDialog(const QString &documentName, const QString &revisionDateTime, const QString &html,
                           QWidget *parent);

private:
    const QString m_documentName;
    const QString m_revisionDateTime;
    const QString m_html;
    QTextEdit *m_textEdit;
    QDialogButtonBox *m_buttonBox;
};

#endif // DOCUMENTREVISIONDIALOG_H
