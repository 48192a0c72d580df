#ifndef USERGROUPBROWSERVIEW_H
#define USERGROUPBROWSERVIEW_H

#include "abstractbrowserview.h"
#include "usergroupmainpanelistwidget.h"
#include "usergroupsidepanetreewidget.h"

#include <optional>
#include <string>

class QAction;

namespace google::protobuf
{
class MessageLite;
}

namespace qorv::data
{
class User;
class UserGroup;
}

// "My Groups": the logged-on user's private groups of other users in a tree
// on the left, the members of the shown group on the right. The user creates,
// renames and deletes groups and adds and removes members.
//
// Changes go to the server as bus requests and reach the panes only when the
// server accepts them. Every user-group window sees every reply: each one
// applies the group changes, but a member reply only when it is for the group
// it shows. The window that sent a request the server did not carry out tells
// its user; nothing changes on screen. Members are read with a blocking
// exchange straight with the server.
class UserGroupBrowserView : public AbstractBrowserView<UserGroupMainPaneListWidget, UserGroupSidePaneTreeWidget>
{
    Q_OBJECT

public:
    explicit UserGroupBrowserView(QWidget *parent = nullptr);
    ~UserGroupBrowserView() override;

signals:
    void addUserGroupItem(const qorv::data::UserGroup &userGroup);
    void updateUserGroup(const qorv::data::UserGroup &userGroup);
    void removeUserGroupItem(const int &userGroupId);
    void addUserItem(const qorv::data::User &user);
    void removeUserItem(int userId);

public slots:
    void newUserGroup();
    void newUser(const qorv::data::UserGroup &userGroup);
    void editUserGroup(const qorv::data::UserGroup &userGroup);
    void deleteUserGroup(int userGroupId);
    void deleteUser(int userId);
    void userGroupNotInserted();
    void userGroupNotSelected();
    void userGroupSelected(const qorv::data::UserGroup &userGroup);
    void userNotInserted();
    void userNotSelected();
    void userSelected(QListWidgetItem *item);

protected slots:
    void processReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                      const std::string &request = std::string(), const std::string &reply = std::string()) override;
    void enterMode(int mode) override;
    void leaveMode(int mode) override;

private:
    // The request this window is sending; the bus is synchronous, so its
    // reply, if any, arrives before the send returns.
    struct PendingRequest
    {
        common::Opcode majorOpcode;
        std::string payload;
        bool accepted;
    };

    void initializeMode();
    void initializeWindow();
    void initializeSidePane();
    void initializeMainPane();
    void initializeFileMenu();
    void initializeEditMenu();
    void initializeViewMenu();
    void initializeToolsMenu();
    void initializeStandardToolBar();
    void initializeDefaultSelection();

    // Sends the request (minor 1); true when the server carried it out.
    bool send(common::Opcode majorOpcode, const google::protobuf::MessageLite &request);
    void accepted(common::Opcode majorOpcode, const std::string &request);
    void warn(const QString &text, const QString &details = QString());
    bool showsGroup(int userGroupId) const;

    void handleDeleteUserGroup(const std::string &request, const std::string &reply);
    void handleDeleteUser(const std::string &request, const std::string &reply);
    void handleInsertUserGroup(const std::string &request, const std::string &reply);
    void handleInsertUserGroupUser(const std::string &request, const std::string &reply);
    void handleSelectUserGroup();
    void handleSelectUserGroupUser(const std::string &request);
    void handleUpdateUserGroup(const std::string &request, const std::string &reply);

    QMenu *m_newMenu;
    QAction *m_newUserGroupAction;
    QAction *m_newUserAction;
    QAction *m_editUserGroupAction;
    QAction *m_deleteUserGroupAction;
    QAction *m_deleteUserAction;
    QAction *m_aboutAction;

    int m_modeStart;
    int m_modeUserGroupNotInserted;
    int m_modeUserGroupNotSelected;
    int m_modeUserGroupSelected;
    int m_modeUserGroupDeleted;
    int m_modeUserNotInserted;
    int m_modeUserNotSelected;
    int m_modeUserSelected;
    int m_modeUserDeleted;

    // The group whose members the member list holds.
    std::optional<int> m_shownUserGroupId;
    std::optional<PendingRequest> m_pendingRequest;
};

#endif // USERGROUPBROWSERVIEW_H
