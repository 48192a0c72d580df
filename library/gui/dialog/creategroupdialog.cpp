#include "creategroupdialog.h"

#include "utils.h"

#include <QIcon>
#include <QLineEdit>

CreateGroupDialog::CreateGroupDialog(QWidget *parent)
    : AbstractCreateDialog(parent, tr("GroupName"), tr("GroupDescription"), tr("CreateGroupDialogWindowTitle"),
                           utils::ActionIcon("users_add.png"))
{
    // The group windows and their tests find the fields under these names.
    nameLineEdit()->setObjectName(QStringLiteral("groupNameLineEdit"));
    descriptionLineEdit()->setObjectName(QStringLiteral("groupDescriptionLineEdit"));
    setMinimumWidth(300);
}

CreateGroupDialog::~CreateGroupDialog() = default;

QString CreateGroupDialog::getGroupName() const
{
    return name();
}

QString CreateGroupDialog::getGroupDescription() const
{
    return description();
}
