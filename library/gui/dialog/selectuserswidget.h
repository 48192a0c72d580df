#ifndef SELECTUSERSWIDGET_H
#define SELECTUSERSWIDGET_H

#include "abstractpickerwidget.h"

#include <QList>

#include <set>

class ListItemIndex;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

namespace qorv::data
{
class Group;
class User;
class UserGroup;
class Users;
}

// The user picker: the user lists groups (home groups or the user's own user
// groups), includes whole groups, which brings their members into a list of
// unselected users, and adds users from there to the selected users. Besides
// what every picker keeps, it keeps the exclusions.
//
// The look-ups are blocking exchanges straight with the server. The logged-on
// user and the excluded users travel in every member request, so the server
// leaves them out; the picker itself only keeps a user from being listed twice.
class SelectUsersWidget : public AbstractPickerWidget
{
    Q_OBJECT

public:
    // The picker's modes in registration order.
    enum PickerMode
    {
        Start,
        HomeGroupsListed,
        UserGroupsListed,
        NoGroupSelected,
        GroupSelected,
        IncludedGroupsLeft,
        IncludedNoGroupLeft,
        AddedNoUserLeft,
        UnselectedUsersGrew,
        NoUnselectedUserSelected,
        UnselectedUserSelected,
        RemovedNoUserLeft,
        SelectedUsersGrew,
        NoSelectedUserSelected,
        SelectedUserSelected,
        ModeCount
    };

    explicit SelectUsersWidget(QWidget *parent = nullptr);
    ~SelectUsersWidget() override;

    // Every item of the selected-users list in list order; each carries its
    // User under the user role.
    QList<QListWidgetItem *> selectedItems() const;
    qorv::data::Users selectedUsers() const;

    // Empties the group list and the unselected users; the selected users stay.
    void clear();
    void addUser(const qorv::data::User &user);
    void addExcludedUser(int userId);
    void addExcludedUserGroup(int userGroupId);
    // A home group never listed, as an excluded user group is never listed.
    void addExcludedHomeGroup(int groupId);
    bool isUserIncluded(const qorv::data::User &user) const;
    bool isUserAdded(const qorv::data::User &user) const;
    void includeUser(const qorv::data::User &user);
    void includeGroup(const qorv::data::Group &group);
    void includeUserGroup(const qorv::data::UserGroup &userGroup);

public slots:
    void selectHomeGroups(bool checked);
    void selectUserGroups(bool checked);
    void userGroupsListWidgetItemSelectionChanged();
    void unselectedUsersListWidgetItemSelectionChanged();
    void selectedUsersListWidgetItemSelectionChanged();
    void include();
    void includeAll();
    void add();
    void addAll();
    void remove();
    void removeAll();
    void init();

private:
    void initializeMode();
    void initializeWindow();
    void initializeLayout();

    QRadioButton *m_homeGroupsRadioButton;
    QRadioButton *m_userGroupsRadioButton;
    QListWidget *m_userGroupsListWidget;
    QLabel *m_selectedUsersLabel;
    QListWidget *m_selectedUsersListWidget;
    QPushButton *m_includePushButton;
    QPushButton *m_includeAllPushButton;
    QLabel *m_unselectedUsersLabel;
    QListWidget *m_unselectedUsersListWidget;
    QPushButton *m_addPushButton;
    QPushButton *m_addAllPushButton;
    QPushButton *m_removePushButton;
    QPushButton *m_removeAllPushButton;
    // Which users each list holds, so that a long list of members is checked
    // against them in linear time.
    ListItemIndex *m_unselectedUsers;
    ListItemIndex *m_selectedUsers;
    std::set<int> m_excludedUsers;
    std::set<int> m_excludedUserGroups;
    std::set<int> m_excludedHomeGroups;
};

#endif // SELECTUSERSWIDGET_H
