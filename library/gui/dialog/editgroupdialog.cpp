#include "editgroupdialog.h"

#include "utils.h"

#include <QIcon>
#include <QLineEdit>

EditGroupDialog::EditGroupDialog(QWidget *parent)
    : CreateGroupDialog(parent)
{
    setWindowTitle(tr("EditGroupDialogWindowTitle"));
    setWindowIcon(utils::ActionIcon("users_edit.png"));
}

void EditGroupDialog::setGroupName(const QString &name)
{
    nameLineEdit()->setText(name);
}

void EditGroupDialog::setGroupDescription(const QString &description)
{
    descriptionLineEdit()->setText(description);
}
