#include "usergroupbrowserview.h"

#include "common/majorcode.h"
#include "common/minortag.h"
#include "common/sqlc.h"
#include "creategroupdialog.h"
#include "currenttimestamp.h"
#include "dbtimestamp.h"
#include "directexchange.h"
#include "editgroupdialog.h"
#include "linguist.h"
#include "listfillguard.h"
#include "messagedispatcher.h"
#include "registry.h"
#include "selectusersdialog.h"
#include "settings.h"
#include "userreader.h"

#include "deleteusergroupreply3.pb.h"
#include "deleteusergrouprequest3.pb.h"
#include "deleteusergroupuserreply3.pb.h"
#include "deleteusergroupuserrequest3.pb.h"
#include "insertusergroupreply3.pb.h"
#include "insertusergrouprequest3.pb.h"
#include "insertusergroupuserreply3.pb.h"
#include "insertusergroupuserrequest3.pb.h"
#include "selectusergroupuserreply3.pb.h"
#include "selectusergroupuserrequest3.pb.h"
#include "updateusergroupreply3.pb.h"
#include "updateusergrouprequest3.pb.h"
#include "user3.pb.h"
#include "usergroup3.pb.h"
#include "users3.pb.h"
#include "utils.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>
#include <QStringList>
#include <QToolBar>

namespace usergroupbrowserview
{
// The members of a group, never the logged-on user; none when the look-up
// fails.
qorv::data::Users GetGroupUsers(const qorv::data::UserGroup &userGroup)
{
    qorv::data::SelectUserGroupUserRequest request;
    request.set_user_group_user_user_group_group_id(userGroup.user_group_group_id());
    request.set_exclude_session_user_id(true);
    qorv::data::SelectUserGroupUserReply reply;
    qorv::data::Users users;
    if (!network::DirectExchange(common::op::SelectUserGroupUser, request, reply, network::ReplyErrorCodes::Ignored))
        return users;
    for (const qorv::data::UserGroupUser &member : reply.user_group_user())
        *users.add_user() = member.user();
    return users;
}
}

namespace
{
std::string Utf8(const QString &text)
{
    return text.toUtf8().toStdString();
}

// Parses the echoed request and the reply; false when either does not parse
// or the server refused the operation.
template <class Request, class Reply>
bool ParseAccepted(const std::string &requestPayload, const std::string &replyPayload, Request &request, Reply &reply)
{
    return request.ParseFromString(requestPayload) && reply.ParseFromString(replyPayload)
           && reply.sql_diag_rec().sqlc() == common::SqlcSuccess;
}
}

UserGroupBrowserView::UserGroupBrowserView(QWidget *parent)
    : AbstractBrowserView(parent)
    , m_newMenu(m_fileMenu->addMenu(Linguist::tr("New")))
    , m_newUserGroupAction(m_newMenu->addAction(utils::ActionIcon("users_add.png"), tr("NewUserGroup"), this,
                                                &UserGroupBrowserView::newUserGroup))
    , m_newUserAction(m_newMenu->addAction(utils::ActionIcon("user_add.png"), tr("NewUser"), m_sidePane,
                                           qOverload<>(&UserGroupSidePaneTreeWidget::newUser)))
    , m_editUserGroupAction(m_editMenu->addAction(utils::ActionIcon("users_edit.png"), tr("EditUserGroup"), m_sidePane,
                                                  qOverload<>(&UserGroupSidePaneTreeWidget::editUserGroup)))
    , m_deleteUserGroupAction(m_editMenu->addAction(utils::ActionIcon("users_delete.png"), tr("DeleteUserGroup"),
                                                    m_sidePane,
                                                    qOverload<>(&UserGroupSidePaneTreeWidget::deleteUserGroup)))
    , m_deleteUserAction(m_editMenu->addAction(utils::ActionIcon("user_delete.png"), tr("DeleteUser"), m_mainPane,
                                               qOverload<>(&UserGroupMainPaneListWidget::deleteUser)))
    , m_aboutAction(m_helpMenu->addAction(Linguist::tr("AboutQORV"), this, &AbstractViewWindow::helpAbout))
    , m_modeStart(registerMode(-1, "modeStart"))
    , m_modeUserGroupNotInserted(registerMode(-1, "modeUserGroupNotInserted"))
    , m_modeUserGroupNotSelected(registerMode(-1, "modeUserGroupNotSelected"))
    , m_modeUserGroupSelected(registerMode(-1, "modeUserGroupSelected"))
    , m_modeUserGroupDeleted(registerMode(-1, "modeUserGroupDeleted"))
    , m_modeUserNotInserted(registerMode(-1, "modeUserNotInserted"))
    , m_modeUserNotSelected(registerMode(-1, "modeUserNotSelected"))
    , m_modeUserSelected(registerMode(-1, "modeUserSelected"))
    , m_modeUserDeleted(registerMode(-1, "modeUserDeleted"))
{
    setObjectName(QStringLiteral("UserGroupBrowserView"));

    initializeMode();
    initializeWindow();
    initializeSidePane();
    initializeMainPane();
    initializeFileMenu();
    initializeEditMenu();
    initializeViewMenu();
    initializeToolsMenu();
    initializeStandardToolBar();
    initializeDefaultSelection();
}

UserGroupBrowserView::~UserGroupBrowserView()
{
    Settings().saveWidgetGeometrySettings(this, Settings::ClassName);
}

void UserGroupBrowserView::newUserGroup()
{
    CreateGroupDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString name = dialog.getGroupName();
    if (name.isEmpty())
        return;
    qorv::data::InsertUserGroupRequest request;
    qorv::data::UserGroup *userGroup = request.mutable_user_group();
    userGroup->set_user_group_user_id(RegistrySingleton::instance()->getUser().user_id());
    userGroup->set_user_group_name(Utf8(name));
    userGroup->set_user_group_description(Utf8(dialog.getGroupDescription()));
    userGroup->set_user_group_creation_date(records::CurrentTimestamp().toDbString());
    if (!send(common::op::InsertUserGroup, request))
        warn(tr("UserGroupNotInserted"), name);
}

void UserGroupBrowserView::newUser(const qorv::data::UserGroup &userGroup)
{
    SelectUsersDialog dialog(this);
    const qorv::data::Users members = usergroupbrowserview::GetGroupUsers(userGroup);
    for (const qorv::data::User &member : members.user())
        dialog.addExcludedUser(member.user_id());
    dialog.addExcludedUserGroup(userGroup.user_group_group_id());
    dialog.init();
    if (dialog.exec() != QDialog::Accepted)
        return;
    const qorv::data::Users picked = dialog.selectedUsers();
    if (picked.user().empty())
        return;

    const std::string creationDate = records::CurrentTimestamp().toDbString();
    QStringList refused;
    for (const qorv::data::User &user : picked.user()) {
        qorv::data::InsertUserGroupUserRequest request;
        qorv::data::UserGroupUser *member = request.mutable_user_group_user();
        *member->mutable_user_group() = userGroup;
        *member->mutable_user() = user;
        member->set_user_group_user_description(std::string());
        member->set_user_group_user_creation_date(creationDate);
        if (!send(common::op::InsertUserGroupUser, request))
            refused.append(QString::fromStdString(UserReader(user).displayName()));
    }
    // One message for the whole choice, naming whoever was not added.
    if (!refused.isEmpty())
        warn(tr("UserGroupUsersNotInserted"), refused.join(QLatin1Char('\n')));
}

void UserGroupBrowserView::editUserGroup(const qorv::data::UserGroup &userGroup)
{
    if (userGroup.user_group_group_id() == 0 || userGroup.user_group_name().empty())
        return;
    EditGroupDialog dialog(this);
    dialog.setGroupName(QString::fromStdString(userGroup.user_group_name()));
    dialog.setGroupDescription(QString::fromStdString(userGroup.user_group_description()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString name = dialog.getGroupName();
    if (name.isEmpty())
        return;
    qorv::data::UpdateUserGroupRequest request;
    qorv::data::UserGroup *update = request.mutable_user_group();
    update->set_user_group_group_id(userGroup.user_group_group_id());
    update->set_user_group_name(Utf8(name));
    update->set_user_group_description(Utf8(dialog.getGroupDescription()));
    if (!send(common::op::UpdateUserGroup, request))
        warn(tr("UserGroupNotUpdated"), QString::fromStdString(userGroup.user_group_name()));
}

void UserGroupBrowserView::deleteUserGroup(int userGroupId)
{
    qorv::data::DeleteUserGroupRequest request;
    request.set_user_group_group_id(userGroupId);
    if (!send(common::op::DeleteUserGroup, request))
        warn(tr("UserGroupNotDeleted"));
}

void UserGroupBrowserView::deleteUser(int userId)
{
    // The member list holds the members of the shown group, so that is the
    // group the member leaves.
    if (!m_shownUserGroupId)
        return;
    qorv::data::DeleteUserGroupUserRequest request;
    request.set_user_group_user_user_group_group_id(*m_shownUserGroupId);
    request.set_user_group_user_user_id(userId);
    if (!send(common::op::DeleteUserGroupUser, request))
        warn(tr("UserGroupUserNotDeleted"));
}

void UserGroupBrowserView::userGroupNotInserted()
{
    setMode(m_modeUserGroupNotInserted);
}

void UserGroupBrowserView::userGroupNotSelected()
{
    setMode(m_modeUserGroupNotSelected);
}

void UserGroupBrowserView::userGroupSelected(const qorv::data::UserGroup &userGroup)
{
    m_shownUserGroupId = userGroup.user_group_group_id();
    setMode(m_modeUserGroupSelected);
    const qorv::data::Users members = usergroupbrowserview::GetGroupUsers(userGroup);
    const ListFillGuard fill(m_mainPane);
    for (const qorv::data::User &member : members.user())
        emit addUserItem(member);
}

void UserGroupBrowserView::userNotInserted()
{
    setMode(m_modeUserNotInserted);
}

void UserGroupBrowserView::userNotSelected()
{
    setMode(m_modeUserNotSelected);
}

void UserGroupBrowserView::userSelected(QListWidgetItem *)
{
    setMode(m_modeUserSelected);
}

void UserGroupBrowserView::processReply(common::Opcode majorOpcode, common::Opcode, const std::string &request,
                                        const std::string &reply)
{
    switch (majorOpcode) {
    case common::op::DeleteUserGroup:
        handleDeleteUserGroup(request, reply);
        break;
    case common::op::DeleteUserGroupUser:
        handleDeleteUser(request, reply);
        break;
    case common::op::InsertUserGroup:
        handleInsertUserGroup(request, reply);
        break;
    case common::op::InsertUserGroupUser:
        handleInsertUserGroupUser(request, reply);
        break;
    case common::op::SelectUserGroup:
        handleSelectUserGroup();
        break;
    case common::op::SelectUserGroupUser:
        handleSelectUserGroupUser(request);
        break;
    case common::op::UpdateUserGroup:
        handleUpdateUserGroup(request, reply);
        break;
    default:
        break;
    }
}

void UserGroupBrowserView::enterMode(int mode)
{
    if (mode == m_modeStart) {
        m_sidePane->clearSelection();
        m_mainPane->clear();
    } else if (mode == m_modeUserGroupSelected || mode == m_modeUserGroupDeleted) {
        m_mainPane->clear();
    }
}

void UserGroupBrowserView::leaveMode(int)
{
}

void UserGroupBrowserView::initializeMode()
{
    // Per mode: new-group, edit-group, delete-group, add-members,
    // remove-member; a mode that leaves the group actions alone binds only
    // remove-member.
    QAction *const groupActions[] = {m_newUserGroupAction, m_editUserGroupAction, m_deleteUserGroupAction,
                                     m_newUserAction};
    const struct
    {
        int mode;
        bool groupSelected;
    } groupModes[] = {{m_modeStart, false},
                      {m_modeUserGroupNotInserted, false},
                      {m_modeUserGroupNotSelected, false},
                      {m_modeUserGroupSelected, true},
                      {m_modeUserGroupDeleted, false}};
    for (const auto &entry : groupModes) {
        for (QAction *action : groupActions)
            registerProp(entry.mode, Mode::Enter, action, "enabled",
                         action == m_newUserGroupAction || entry.groupSelected);
        registerProp(entry.mode, Mode::Enter, m_deleteUserAction, "enabled", false);
    }
    registerProp(m_modeUserNotInserted, Mode::Enter, m_deleteUserAction, "enabled", false);
    registerProp(m_modeUserNotSelected, Mode::Enter, m_deleteUserAction, "enabled", false);
    registerProp(m_modeUserSelected, Mode::Enter, m_deleteUserAction, "enabled", true);
    registerProp(m_modeUserDeleted, Mode::Enter, m_deleteUserAction, "enabled", false);
    setMode(m_modeStart);
}

void UserGroupBrowserView::initializeWindow()
{
    setWindowCaption(tr("UserGroupBrowserWindowTitle"), QString::fromStdString(MessageDispatcher::getServerName()),
                     QString());
    setWindowIcon(utils::ActionIcon("users_star.png"));
    connect(this, &UserGroupBrowserView::addUserGroupItem, m_sidePane, &UserGroupSidePaneTreeWidget::addUserGroupItem);
    connect(this, &UserGroupBrowserView::updateUserGroup, m_sidePane, &UserGroupSidePaneTreeWidget::updateUserGroup);
    connect(this, &UserGroupBrowserView::removeUserGroupItem, m_sidePane,
            &UserGroupSidePaneTreeWidget::removeUserGroupItem);
    connect(this, &UserGroupBrowserView::addUserItem, m_mainPane, &UserGroupMainPaneListWidget::addUserItem);
    connect(this, &UserGroupBrowserView::removeUserItem, m_mainPane, &UserGroupMainPaneListWidget::removeUserItem);
    Settings().restoreWidgetGeometrySettings(this, Settings::ClassName, QSize(640, 480), QPoint(64, 48));
}

void UserGroupBrowserView::initializeSidePane()
{
    using Tree = UserGroupSidePaneTreeWidget;
    connect(m_sidePane, qOverload<int>(&Tree::deleteUserGroup), this, &UserGroupBrowserView::deleteUserGroup);
    connect(m_sidePane, qOverload<const qorv::data::UserGroup &>(&Tree::editUserGroup), this,
            &UserGroupBrowserView::editUserGroup);
    connect(m_sidePane, qOverload<const qorv::data::UserGroup &>(&Tree::newUser), this, &UserGroupBrowserView::newUser);
    connect(m_sidePane, &Tree::userGroupNotInserted, this, &UserGroupBrowserView::userGroupNotInserted);
    connect(m_sidePane, &Tree::userGroupNotSelected, this, &UserGroupBrowserView::userGroupNotSelected);
    connect(m_sidePane, &Tree::userGroupSelected, this, &UserGroupBrowserView::userGroupSelected);
}

void UserGroupBrowserView::initializeMainPane()
{
    using List = UserGroupMainPaneListWidget;
    connect(m_mainPane, qOverload<int>(&List::deleteUser), this, &UserGroupBrowserView::deleteUser);
    connect(m_mainPane, &List::userNotInserted, this, &UserGroupBrowserView::userNotInserted);
    connect(m_mainPane, &List::userNotSelected, this, &UserGroupBrowserView::userNotSelected);
    connect(m_mainPane, &List::userSelected, this, &UserGroupBrowserView::userSelected);
}

void UserGroupBrowserView::initializeFileMenu()
{
    m_newUserGroupAction->setIconVisibleInMenu(true);
    m_newUserAction->setIconVisibleInMenu(true);
    m_newUserGroupAction->setStatusTip(tr("NewUserGroupStatusTip"));
    m_newUserAction->setStatusTip(tr("NewUserStatusTip"));
}

void UserGroupBrowserView::initializeEditMenu()
{
    m_editUserGroupAction->setIconVisibleInMenu(true);
    m_deleteUserGroupAction->setIconVisibleInMenu(true);
    m_deleteUserAction->setIconVisibleInMenu(true);
    m_editUserGroupAction->setStatusTip(tr("EditUserGroupStatusTip"));
    m_deleteUserGroupAction->setStatusTip(tr("DeleteUserGroupStatusTip"));
    m_deleteUserAction->setStatusTip(tr("DeleteUserStatusTip"));
    m_editMenu->insertSeparator(m_deleteUserGroupAction);
}

void UserGroupBrowserView::initializeViewMenu()
{
    m_viewMenuAction->setVisible(false);
}

void UserGroupBrowserView::initializeToolsMenu()
{
    m_toolsMenuAction->setVisible(false);
}

void UserGroupBrowserView::initializeStandardToolBar()
{
    m_newUserGroupAction->setToolTip(tr("NewUserGroupToolTip"));
    m_newUserAction->setToolTip(tr("NewUserToolTip"));
    m_editUserGroupAction->setToolTip(tr("EditUserGroupToolTip"));
    m_deleteUserGroupAction->setToolTip(tr("DeleteUserGroupToolTip"));
    m_deleteUserAction->setToolTip(tr("DeleteUserToolTip"));
    m_standardToolBar->addAction(m_newUserGroupAction);
    m_standardToolBar->addAction(m_newUserAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_editUserGroupAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_deleteUserGroupAction);
    m_standardToolBar->addAction(m_deleteUserAction);
    AbstractViewWindow::initializeStandardToolBar();
}

void UserGroupBrowserView::initializeDefaultSelection()
{
    if (m_sidePane->topLevelItemCount() > 0)
        m_sidePane->setCurrentItem(m_sidePane->topLevelItem(0));
}

bool UserGroupBrowserView::send(common::Opcode majorOpcode, const google::protobuf::MessageLite &request)
{
    std::string payload;
    if (!request.SerializeToString(&payload))
        return false;
    m_pendingRequest = PendingRequest{majorOpcode, payload, false};
    emit deliverRequest(majorOpcode, common::tag::Plain, payload);
    const bool carriedOut = m_pendingRequest->accepted;
    m_pendingRequest.reset();
    return carriedOut;
}

void UserGroupBrowserView::accepted(common::Opcode majorOpcode, const std::string &request)
{
    if (m_pendingRequest && m_pendingRequest->majorOpcode == majorOpcode && m_pendingRequest->payload == request)
        m_pendingRequest->accepted = true;
}

void UserGroupBrowserView::warn(const QString &text, const QString &details)
{
    QMessageBox box(QMessageBox::Warning, Linguist::tr("Warning"), text, QMessageBox::Ok, this);
    box.setInformativeText(details);
    box.exec();
}

bool UserGroupBrowserView::showsGroup(int userGroupId) const
{
    return m_shownUserGroupId && *m_shownUserGroupId == userGroupId;
}

void UserGroupBrowserView::handleDeleteUserGroup(const std::string &requestPayload, const std::string &replyPayload)
{
    qorv::data::DeleteUserGroupRequest request;
    qorv::data::DeleteUserGroupReply reply;
    if (!ParseAccepted(requestPayload, replyPayload, request, reply))
        return;
    accepted(common::op::DeleteUserGroup, requestPayload);
    const int userGroupId = request.user_group_group_id();
    // Another window's deletion of a group this one does not show only takes
    // the group out of the tree.
    if (!showsGroup(userGroupId)) {
        emit removeUserGroupItem(userGroupId);
        return;
    }
    m_shownUserGroupId.reset();
    setMode(m_modeUserGroupDeleted);
    // Removing the current item makes the tree select a neighbour, which the
    // window would then show in a mode that offers no group action; with no
    // current item nothing is selected in its place.
    m_sidePane->setCurrentItem(nullptr);
    emit removeUserGroupItem(userGroupId);
    setMode(m_modeUserGroupNotSelected);
}

void UserGroupBrowserView::handleDeleteUser(const std::string &requestPayload, const std::string &replyPayload)
{
    qorv::data::DeleteUserGroupUserRequest request;
    qorv::data::DeleteUserGroupUserReply reply;
    if (!ParseAccepted(requestPayload, replyPayload, request, reply))
        return;
    accepted(common::op::DeleteUserGroupUser, requestPayload);
    if (!showsGroup(request.user_group_user_user_group_group_id()))
        return;
    emit removeUserItem(request.user_group_user_user_id());
    setMode(m_modeUserNotSelected);
}

void UserGroupBrowserView::handleInsertUserGroup(const std::string &requestPayload, const std::string &replyPayload)
{
    qorv::data::InsertUserGroupRequest request;
    qorv::data::InsertUserGroupReply reply;
    if (!ParseAccepted(requestPayload, replyPayload, request, reply))
        return;
    accepted(common::op::InsertUserGroup, requestPayload);
    qorv::data::UserGroup userGroup = request.user_group();
    userGroup.set_user_group_group_id(reply.user_group_group_id());
    emit addUserGroupItem(userGroup);
}

void UserGroupBrowserView::handleInsertUserGroupUser(const std::string &requestPayload, const std::string &replyPayload)
{
    qorv::data::InsertUserGroupUserRequest request;
    qorv::data::InsertUserGroupUserReply reply;
    if (!ParseAccepted(requestPayload, replyPayload, request, reply))
        return;
    accepted(common::op::InsertUserGroupUser, requestPayload);
    const qorv::data::UserGroupUser &member = request.user_group_user();
    if (showsGroup(member.user_group().user_group_group_id()))
        emit addUserItem(member.user());
}

void UserGroupBrowserView::handleSelectUserGroup()
{
    setMode(m_modeUserGroupSelected);
}

void UserGroupBrowserView::handleSelectUserGroupUser(const std::string &requestPayload)
{
    qorv::data::SelectUserGroupUserRequest request;
    if (request.ParseFromString(requestPayload) && showsGroup(request.user_group_user_user_group_group_id()))
        setMode(m_modeUserSelected);
}

void UserGroupBrowserView::handleUpdateUserGroup(const std::string &requestPayload, const std::string &replyPayload)
{
    qorv::data::UpdateUserGroupRequest request;
    qorv::data::UpdateUserGroupReply reply;
    if (!ParseAccepted(requestPayload, replyPayload, request, reply))
        return;
    accepted(common::op::UpdateUserGroup, requestPayload);
    emit updateUserGroup(request.user_group());
}
