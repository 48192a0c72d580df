#ifndef SELECTDOCUMENTSDIALOG_H
#define SELECTDOCUMENTSDIALOG_H

#include <QDialog>

class QDialogButtonBox;
class SelectDocumentsWidget;

namespace qorv::data
{
class Document;
class Documents;
}

// The document picker in a modal dialog with OK, Cancel and Reset. OK is
// enabled exactly while documents are selected. The caller sets the user id
// and the exclusions first, then calls init() and exec(), and reads
// selectedDocuments() after OK.
class SelectDocumentsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SelectDocumentsDialog(QWidget *parent = nullptr);

    void setUserId(int userId);
    void addDocument(const qorv::data::Document &document);
    void addExcludedDocument(int documentId);
    qorv::data::Documents selectedDocuments() const;

public slots:
    void init();
    void setMode(int mode);

private:
    SelectDocumentsWidget *m_selectDocumentsWidget;
    QDialogButtonBox *m_buttonBox;
};

#endif // SELECTDOCUMENTSDIALOG_H
