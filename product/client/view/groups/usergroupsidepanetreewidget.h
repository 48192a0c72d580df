#ifndef USERGROUPSIDEPANETREEWIDGET_H
#define USERGROUPSIDEPANETREEWIDGET_H

#include "abstractsidepanetreewidget.h"

class TreeItemIndex;

namespace qorv::data
{
class UserGroup;
}

// The group tree of the user-group window: one top-level item per user group
// of the logged-on user, read once from the server when the tree is built.
// It turns the user's group actions into signals for the window (asking first
// before a deletion) and carries out the window's signals on its items.
class UserGroupSidePaneTreeWidget : public AbstractSidePaneTreeWidget
{
    Q_OBJECT

public:
    explicit UserGroupSidePaneTreeWidget(QWidget *parent = nullptr);

signals:
    void editUserGroup(const qorv::data::UserGroup &userGroup);
    void deleteUserGroup(int userGroupId);
    void newUser(const qorv::data::UserGroup &userGroup);
    void userGroupNotInserted();
    void userGroupNotSelected();
    void userGroupSelected(const qorv::data::UserGroup &userGroup);

public slots:
    void editUserGroup();
    void deleteUserGroup();
    void newUser();
    void addUserGroupItem(const qorv::data::UserGroup &userGroup);
    void updateUserGroup(const qorv::data::UserGroup &userGroup);
    void removeUserGroupItem(int userGroupId);
    void userGroupsTreeWidgetItemSelectionChanged();

private:
    void appendUserGroupItem(const qorv::data::UserGroup &userGroup);
    void fillFromServer();

    // Finds a group's item by its id, which the window's updates and
    // removals name.
    TreeItemIndex *m_userGroups;
};

#endif // USERGROUPSIDEPANETREEWIDGET_H
