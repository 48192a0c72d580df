#ifndef CREATEDOCUMENTDIALOG_H
#define CREATEDOCUMENTDIALOG_H

#include "abstractcreatedialog.h"

// Asks for the name and description of a new document; the document browser
// checks the name and sends the insert.
class CreateDocumentDialog : public AbstractCreateDialog
{
    Q_OBJECT

public:
    explicit CreateDocumentDialog(QWidget *parent = nullptr);
    ~CreateDocumentDialog() override;

    QString getDocumentName() const;
    QString getDocumentDescription() const;
};

#endif // CREATEDOCUMENTDIALOG_H
