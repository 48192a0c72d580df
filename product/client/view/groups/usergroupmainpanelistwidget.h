#ifndef USERGROUPMAINPANELISTWIDGET_H
#define USERGROUPMAINPANELISTWIDGET_H

#include "abstractmainpanelistwidget.h"

class ListItemIndex;

namespace qorv::data
{
class User;
}

// The member list of the user-group window: one row per member of the group
// the window shows, filled and emptied by the window. It asks before a member
// is removed and leaves the removal to the window.
class UserGroupMainPaneListWidget : public AbstractMainPaneListWidget
{
    Q_OBJECT

public:
    explicit UserGroupMainPaneListWidget(QWidget *parent = nullptr);

signals:
    void deleteUser(int userId);
    // Declared for the window, which connects them; nothing emits them yet.
    void userNotInserted();
    void userNotSelected();
    void userSelected(QListWidgetItem *item);

public slots:
    void deleteUser();
    void addUserItem(const qorv::data::User &user);
    void removeUserItem(int userId);
    void userItemChanged(QListWidgetItem *item);

private:
    // Which members are listed, so that a group of thousands fills in linear
    // time.
    ListItemIndex *m_members;
};

#endif // USERGROUPMAINPANELISTWIDGET_H
