#include "createdocumentdialog.h"

#include <QIcon>

CreateDocumentDialog::CreateDocumentDialog(QWidget *parent)
    : AbstractCreateDialog(parent, tr("DocumentName:"), tr("DocumentDescription:"),
                           tr("CreateDocumentDialogWindowTitle"),
                           QIcon(QStringLiteral(":icons/32x32/document_empty_add.png")))
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
