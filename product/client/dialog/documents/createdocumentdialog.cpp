#include "createdocumentdialog.h"

#include "utils.h"

#include <QIcon>

CreateDocumentDialog::CreateDocumentDialog(QWidget *parent)
    : AbstractCreateDialog(parent, tr("DocumentName:"), tr("DocumentDescription:"),
                           tr("CreateDocumentDialogWindowTitle"), utils::ActionIcon("document_empty_add.png"))
{
}

CreateDocumentDialog::~CreateDocumentDialog() = default;

QString CreateDocumentDialog::getDocumentName() const
{
    return name();
}

QString CreateDocumentDialog::getDocumentDescription() const
{
    return description();
}
