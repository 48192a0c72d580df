#ifndef CREATEGROUPDIALOG_H
#define CREATEGROUPDIALOG_H

#include "abstractcreatedialog.h"

// Asks for a new user group's name and description. It validates nothing and
// sends nothing: the caller reads the trimmed values after OK and decides.
class CreateGroupDialog : public AbstractCreateDialog
{
    Q_OBJECT

public:
    explicit CreateGroupDialog(QWidget *parent = nullptr);
    ~CreateGroupDialog() override;

    QString getGroupName() const;
    QString getGroupDescription() const;
};

#endif // CREATEGROUPDIALOG_H
