#ifndef EDITGROUPDIALOG_H
#define EDITGROUPDIALOG_H

#include "creategroupdialog.h"

// The group dialog for an existing user group, filled with its values.
class EditGroupDialog : public CreateGroupDialog
{
    Q_OBJECT

public:
    explicit EditGroupDialog(QWidget *parent = nullptr);

    void setGroupName(const QString &name);
    void setGroupDescription(const QString &description);
};

#endif // EDITGROUPDIALOG_H
