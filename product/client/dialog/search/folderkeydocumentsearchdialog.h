#ifndef FOLDERKEYDOCUMENTSEARCHDIALOG_H
#define FOLDERKEYDOCUMENTSEARCHDIALOG_H

#include "documentsearchdialog.h"

class QCheckBox;

namespace qorv::data
{
class DocumentKeys;
class FolderKey;
class SelectDocumentKeyRequest;
}

// Searches a folder that another user shared through a folder key for the
// logged-on user's keys to its documents. The caller opens the keys of the
// selected rows, each under its own rules, when the dialog is accepted.
class FolderKeyDocumentSearchDialog : public DocumentSearchDialog
{
    Q_OBJECT

public:
    // The key is referred to, not copied: it must outlive the dialog.
    FolderKeyDocumentSearchDialog(const qorv::data::FolderKey &folderKey, QWidget *parent);
    ~FolderKeyDocumentSearchDialog() override;

    qorv::data::SelectDocumentKeyRequest getSelectDocumentKeyRequest() const;
    // The keys of the selected rows, in the order the table reports them.
    qorv::data::DocumentKeys selectedDocumentKeys() const;

public slots:
    void search() override;

private:
    const qorv::data::FolderKey &m_folderKey;
    QCheckBox *m_searchSubfoldersCheckBox;
};

#endif // FOLDERKEYDOCUMENTSEARCHDIALOG_H
