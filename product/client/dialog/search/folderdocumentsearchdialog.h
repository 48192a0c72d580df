#ifndef FOLDERDOCUMENTSEARCHDIALOG_H
#define FOLDERDOCUMENTSEARCHDIALOG_H

#include "documentsearchdialog.h"

class QCheckBox;

namespace qorv::data
{
class Documents;
class Folder;
class SelectDocumentRequest;
}

// Searches one of the user's own folders (and, when asked, its subfolders)
// for documents. The caller opens the documents of the selected rows when
// the dialog is accepted.
class FolderDocumentSearchDialog : public DocumentSearchDialog
{
    Q_OBJECT

public:
    // The folder is referred to, not copied: it must outlive the dialog.
    FolderDocumentSearchDialog(const qorv::data::Folder &folder, QWidget *parent);
    ~FolderDocumentSearchDialog() override;

    qorv::data::SelectDocumentRequest getSelectDocumentRequest() const;
    // The documents of the selected rows, in the order the table reports them.
    qorv::data::Documents selectedDocuments() const;

public slots:
    void search() override;

private:
    const qorv::data::Folder &m_folder;
    QCheckBox *m_searchSubfoldersCheckBox;
};

#endif // FOLDERDOCUMENTSEARCHDIALOG_H
