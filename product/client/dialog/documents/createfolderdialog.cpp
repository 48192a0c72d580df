#include "createfolderdialog.h"

#include "utils.h"

#include <QIcon>

CreateFolderDialog::CreateFolderDialog(QWidget *parent)
    : AbstractCreateDialog(parent, tr("FolderName:"), tr("FolderDescription:"), tr("CreateFolderDialogWindowTitle"),
                           utils::ActionIcon("folder_add.png"))
{
}

CreateFolderDialog::~CreateFolderDialog() = default;

QString CreateFolderDialog::getFolderName() const
{
    return name();
}

QString CreateFolderDialog::getFolderDescription() const
{
    return description();
}
