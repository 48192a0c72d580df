#include "selectuserswidget.h"

#include "common/majorcode.h"
#include "directexchange.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "itemtype.h"
#include "linguist.h"
#include "listfillguard.h"
#include "listitemindex.h"
#include "registry.h"
#include "utils.h"

#include "group3.pb.h"
#include "selectgroupkeyreply3.pb.h"
#include "selectgroupkeyrequest3.pb.h"
#include "selectusergroupreply3.pb.h"
#include "selectusergrouprequest3.pb.h"
#include "selectusergroupuserreply3.pb.h"
#include "selectusergroupuserrequest3.pb.h"
#include "selectuserreply3.pb.h"
#include "selectuserrequest3.pb.h"
#include "user3.pb.h"
#include "usergroup3.pb.h"
#include "users3.pb.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QtGlobal>

namespace
{
constexpr int LabelHeight = 20;

// What each mode writes on entering, one letter per control (T true, F false,
// - untouched), in the columns: Home Groups checked, My Groups checked,
// Include, Include All, Add, Add All, Remove, Remove All enabled.
constexpr const char *Bindings[SelectUsersWidget::ModeCount] = {
    "FFFFFFFF", // Start
    "TFFTFF--", // HomeGroupsListed
    "FTFTFF--", // UserGroupsListed
    "--F-----", // NoGroupSelected
    "--T-----", // GroupSelected
    "--F-----", // IncludedGroupsLeft
    "--FF----", // IncludedNoGroupLeft
    "----FF--", // AddedNoUserLeft
    "-----T--", // UnselectedUsersGrew
    "----F---", // NoUnselectedUserSelected
    "----TT--", // UnselectedUserSelected
    "------FF", // RemovedNoUserLeft
    "-------T", // SelectedUsersGrew
    "------F-", // NoSelectedUserSelected
    "------TT", // SelectedUserSelected
};

int LoggedOnUserId()
{
    return RegistrySingleton::instance()->getUser().user_id();
}

std::optional<qorv::data::User> ItemUser(const QListWidgetItem *item)
{
    return itemrecord::FromVariant<qorv::data::User>(item->data(UserRole));
}

void AppendUserItem(QListWidget *list, ListItemIndex *index, const qorv::data::User &user)
{
    auto *item = new QListWidgetItem(
        utils::ActionIcon("user.png"),
        utils::GetAlphabeticalName(user.user_first_name(), user.user_middle_name(), user.user_last_name()), list,
        UserItemType);
    item->setData(UserRole, itemrecord::ToVariant(user));
    index->insert(item, user.user_id());
}
}

SelectUsersWidget::SelectUsersWidget(QWidget *parent)
    : AbstractPickerWidget(ModeCount, parent)
    , m_homeGroupsRadioButton(new QRadioButton(Linguist::tr("HomeGroups")))
    , m_userGroupsRadioButton(new QRadioButton(Linguist::tr("UserGroups")))
    , m_userGroupsListWidget(new QListWidget)
    , m_selectedUsersLabel(new QLabel(tr("SelectedUsers")))
    , m_selectedUsersListWidget(new QListWidget)
    , m_includePushButton(new QPushButton(Linguist::tr("Include")))
    , m_includeAllPushButton(new QPushButton(Linguist::tr("IncludeAll")))
    , m_unselectedUsersLabel(new QLabel(tr("UnselectedUsers")))
    , m_unselectedUsersListWidget(new QListWidget)
    , m_addPushButton(new QPushButton(Linguist::tr("Add")))
    , m_addAllPushButton(new QPushButton(Linguist::tr("AddAll")))
    , m_removePushButton(new QPushButton(Linguist::tr("Remove")))
    , m_removeAllPushButton(new QPushButton(Linguist::tr("RemoveAll")))
    , m_unselectedUsers(new ListItemIndex(m_unselectedUsersListWidget))
    , m_selectedUsers(new ListItemIndex(m_selectedUsersListWidget))
{
    m_homeGroupsRadioButton->setObjectName(QStringLiteral("homeGroupsRadioButton"));
    m_userGroupsRadioButton->setObjectName(QStringLiteral("userGroupsRadioButton"));
    m_userGroupsListWidget->setObjectName(QStringLiteral("userGroupsListWidget"));
    m_selectedUsersListWidget->setObjectName(QStringLiteral("selectedUsersListWidget"));
    m_includePushButton->setObjectName(QStringLiteral("includePushButton"));
    m_includeAllPushButton->setObjectName(QStringLiteral("includeAllPushButton"));
    m_unselectedUsersListWidget->setObjectName(QStringLiteral("unselectedUsersListWidget"));
    m_addPushButton->setObjectName(QStringLiteral("addPushButton"));
    m_addAllPushButton->setObjectName(QStringLiteral("addAllPushButton"));
    m_removePushButton->setObjectName(QStringLiteral("removePushButton"));
    m_removeAllPushButton->setObjectName(QStringLiteral("removeAllPushButton"));

    initializeMode();
    initializeWindow();
    initializeLayout();
}

SelectUsersWidget::~SelectUsersWidget() = default;

QList<QListWidgetItem *> SelectUsersWidget::selectedItems() const
{
    return allItems(m_selectedUsersListWidget);
}

qorv::data::Users SelectUsersWidget::selectedUsers() const
{
    qorv::data::Users users;
    for (const QListWidgetItem *item : selectedItems()) {
        if (const std::optional<qorv::data::User> user = ItemUser(item))
            *users.add_user() = *user;
    }
    return users;
}

void SelectUsersWidget::clear()
{
    m_userGroupsListWidget->clear();
    m_unselectedUsersListWidget->clear();
}

void SelectUsersWidget::addUser(const qorv::data::User &user)
{
    if (isUserAdded(user))
        return;
    AppendUserItem(m_selectedUsersListWidget, m_selectedUsers, user);
    enter(SelectedUsersGrew);
}

void SelectUsersWidget::addExcludedUser(int userId)
{
    m_excludedUsers.insert(userId);
}

void SelectUsersWidget::addExcludedUserGroup(int userGroupId)
{
    m_excludedUserGroups.insert(userGroupId);
}

void SelectUsersWidget::addExcludedHomeGroup(int groupId)
{
    m_excludedHomeGroups.insert(groupId);
}

bool SelectUsersWidget::isUserIncluded(const qorv::data::User &user) const
{
    return m_unselectedUsers->find(UserItemType, user.user_id()) != nullptr;
}

bool SelectUsersWidget::isUserAdded(const qorv::data::User &user) const
{
    return m_selectedUsers->find(UserItemType, user.user_id()) != nullptr;
}

void SelectUsersWidget::includeUser(const qorv::data::User &user)
{
    AppendUserItem(m_unselectedUsersListWidget, m_unselectedUsers, user);
}

void SelectUsersWidget::includeGroup(const qorv::data::Group &group)
{
    qorv::data::SelectUserRequest request;
    request.set_user_group_id(group.group_id());
    request.add_exclude_user_id(LoggedOnUserId());
    for (const int id : m_excludedUsers)
        request.add_exclude_user_id(id);
    qorv::data::SelectUserReply reply;
    if (!network::DirectExchange(common::op::SelectUser, request, reply, network::ReplyErrorCodes::Ignored))
        return;
    for (const qorv::data::User &user : reply.user()) {
        if (!isUserIncluded(user) && !isUserAdded(user))
            includeUser(user);
    }
}

void SelectUsersWidget::includeUserGroup(const qorv::data::UserGroup &userGroup)
{
    qorv::data::SelectUserGroupUserRequest request;
    request.set_user_group_user_user_group_group_id(userGroup.user_group_group_id());
    request.add_exclude_user_id(LoggedOnUserId());
    for (const int id : m_excludedUsers)
        request.add_exclude_user_id(id);
    qorv::data::SelectUserGroupUserReply reply;
    if (!network::DirectExchange(common::op::SelectUserGroupUser, request, reply, network::ReplyErrorCodes::Ignored))
        return;
    for (const qorv::data::UserGroupUser &member : reply.user_group_user()) {
        const qorv::data::User &user = member.user();
        if (!isUserIncluded(user) && !isUserAdded(user))
            includeUser(user);
    }
}

void SelectUsersWidget::selectHomeGroups(bool checked)
{
    if (!checked)
        return;
    clear();
    qorv::data::SelectGroupKeyRequest request;
    request.set_group_key_user_id(LoggedOnUserId());
    qorv::data::SelectGroupKeyReply reply;
    if (!network::DirectExchange(common::op::SelectGroupKey, request, reply, network::ReplyErrorCodes::Ignored))
        return;
    const ListFillGuard fill(m_userGroupsListWidget);
    for (const qorv::data::GroupKey &key : reply.group_key()) {
        const qorv::data::Group &group = key.group_key_group();
        // The group-key request has no field for them, so they are left out
        // here.
        if (m_excludedHomeGroups.count(group.group_id()))
            continue;
        auto *item = new QListWidgetItem(utils::ActionIcon("users.png"), QString::fromStdString(group.group_name()),
                                         m_userGroupsListWidget, GroupItemType);
        item->setData(GroupRole, itemrecord::ToVariant(group));
    }
    enter(HomeGroupsListed);
}

void SelectUsersWidget::selectUserGroups(bool checked)
{
    if (!checked)
        return;
    clear();
    qorv::data::SelectUserGroupRequest request;
    request.set_user_group_user_id(LoggedOnUserId());
    for (const int id : m_excludedUserGroups)
        request.add_exclude_group_id(id);
    qorv::data::SelectUserGroupReply reply;
    if (network::DirectExchange(common::op::SelectUserGroup, request, reply, network::ReplyErrorCodes::Ignored)) {
        const ListFillGuard fill(m_userGroupsListWidget);
        for (const qorv::data::UserGroup &userGroup : reply.user_group()) {
            auto *item = new QListWidgetItem(utils::ActionIcon("users_star.png"),
                                             QString::fromStdString(userGroup.user_group_name()),
                                             m_userGroupsListWidget, UserGroupItemType);
            item->setData(UserGroupRole, itemrecord::ToVariant(userGroup));
        }
    }
    // The button shows the user groups as chosen even when none could be read.
    enter(UserGroupsListed);
}

void SelectUsersWidget::userGroupsListWidgetItemSelectionChanged()
{
    enter(m_userGroupsListWidget->selectedItems().isEmpty() ? NoGroupSelected : GroupSelected);
}

void SelectUsersWidget::unselectedUsersListWidgetItemSelectionChanged()
{
    enter(m_unselectedUsersListWidget->selectedItems().isEmpty() ? NoUnselectedUserSelected : UnselectedUserSelected);
}

void SelectUsersWidget::selectedUsersListWidgetItemSelectionChanged()
{
    enter(m_selectedUsersListWidget->selectedItems().isEmpty() ? NoSelectedUserSelected : SelectedUserSelected);
}

void SelectUsersWidget::include()
{
    const QList<QListWidgetItem *> items = m_userGroupsListWidget->selectedItems();
    if (items.isEmpty())
        return;
    const int listedBefore = m_unselectedUsersListWidget->count();
    {
        const ListFillGuard fillUsers(m_unselectedUsersListWidget);
        const ListFillGuard emptyGroups(m_userGroupsListWidget);
        for (const QListWidgetItem *item : items) {
            if (item->type() == GroupItemType) {
                if (const auto group = itemrecord::FromVariant<qorv::data::Group>(item->data(GroupRole)))
                    includeGroup(*group);
            } else if (item->type() == UserGroupItemType) {
                if (const auto userGroup = itemrecord::FromVariant<qorv::data::UserGroup>(item->data(UserGroupRole)))
                    includeUserGroup(*userGroup);
            } else {
                qCritical("SelectUsersWidget::include: unknown list widget item type!");
            }
        }
        // An included group leaves the list until the groups are listed again.
        removeItems(m_userGroupsListWidget, items);
    }
    enter(m_userGroupsListWidget->count() > 0 ? IncludedGroupsLeft : IncludedNoGroupLeft);
    if (m_unselectedUsersListWidget->count() > listedBefore)
        enter(UnselectedUsersGrew);
}

void SelectUsersWidget::includeAll()
{
    m_userGroupsListWidget->selectAll();
    include();
}

void SelectUsersWidget::add()
{
    const QList<QListWidgetItem *> items = m_unselectedUsersListWidget->selectedItems();
    if (items.isEmpty())
        return;
    const int addedBefore = m_selectedUsersListWidget->count();
    {
        const ListFillGuard fillSelected(m_selectedUsersListWidget);
        const ListFillGuard emptyUnselected(m_unselectedUsersListWidget);
        for (const QListWidgetItem *item : items) {
            if (const std::optional<qorv::data::User> user = ItemUser(item))
                addUser(*user);
        }
        removeItems(m_unselectedUsersListWidget, items);
    }
    enter(m_unselectedUsersListWidget->count() > 0 ? NoUnselectedUserSelected : AddedNoUserLeft);
    if (m_selectedUsersListWidget->count() > addedBefore)
        enter(SelectedUsersGrew);
}

void SelectUsersWidget::addAll()
{
    m_unselectedUsersListWidget->selectAll();
    add();
}

void SelectUsersWidget::remove()
{
    const QList<QListWidgetItem *> items = m_selectedUsersListWidget->selectedItems();
    if (items.isEmpty())
        return;
    const int listedBefore = m_unselectedUsersListWidget->count();
    {
        const ListFillGuard fillUnselected(m_unselectedUsersListWidget);
        const ListFillGuard emptySelected(m_selectedUsersListWidget);
        for (const QListWidgetItem *item : items) {
            if (const std::optional<qorv::data::User> user = ItemUser(item))
                includeUser(*user);
        }
        removeItems(m_selectedUsersListWidget, items);
    }
    enter(m_selectedUsersListWidget->count() > 0 ? NoSelectedUserSelected : RemovedNoUserLeft);
    if (m_unselectedUsersListWidget->count() > listedBefore)
        enter(UnselectedUsersGrew);
}

void SelectUsersWidget::removeAll()
{
    m_selectedUsersListWidget->selectAll();
    remove();
}

void SelectUsersWidget::init()
{
    selectHomeGroups(true);
}

void SelectUsersWidget::initializeMode()
{
    // The two radio buttons are bound by their checked state.
    bindControls(Bindings,
                 {m_homeGroupsRadioButton, m_userGroupsRadioButton, m_includePushButton, m_includeAllPushButton,
                  m_addPushButton, m_addAllPushButton, m_removePushButton, m_removeAllPushButton},
                 2);
    enter(Start);
}

void SelectUsersWidget::initializeWindow()
{
    m_homeGroupsRadioButton->setIcon(utils::ActionIcon("houses.png"));
    m_userGroupsRadioButton->setIcon(utils::ActionIcon("users_star.png"));
    m_includePushButton->setIcon(utils::ActionIcon("users_right.png"));
    m_includeAllPushButton->setIcon(utils::ActionIcon("users4_right.png"));
    m_addPushButton->setIcon(utils::ActionIcon("users_add.png"));
    m_addAllPushButton->setIcon(utils::ActionIcon("users4_add.png"));
    m_removePushButton->setIcon(utils::ActionIcon("users_delete.png"));
    m_removeAllPushButton->setIcon(utils::ActionIcon("users4_delete.png"));

    for (QWidget *fixed : std::initializer_list<QWidget *>{m_homeGroupsRadioButton, m_userGroupsRadioButton,
                                                           m_selectedUsersLabel, m_unselectedUsersLabel}) {
        fixed->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        fixed->setFixedHeight(LabelHeight);
    }
    for (QListWidget *list : {m_userGroupsListWidget, m_unselectedUsersListWidget, m_selectedUsersListWidget}) {
        list->setSelectionMode(QAbstractItemView::MultiSelection);
        list->setSortingEnabled(true);
    }

    connect(m_homeGroupsRadioButton, &QRadioButton::clicked, this, &SelectUsersWidget::selectHomeGroups);
    connect(m_userGroupsRadioButton, &QRadioButton::clicked, this, &SelectUsersWidget::selectUserGroups);
    connect(m_userGroupsListWidget, &QListWidget::itemSelectionChanged, this,
            &SelectUsersWidget::userGroupsListWidgetItemSelectionChanged);
    connect(m_unselectedUsersListWidget, &QListWidget::itemSelectionChanged, this,
            &SelectUsersWidget::unselectedUsersListWidgetItemSelectionChanged);
    connect(m_selectedUsersListWidget, &QListWidget::itemSelectionChanged, this,
            &SelectUsersWidget::selectedUsersListWidgetItemSelectionChanged);
    connect(m_includePushButton, &QPushButton::clicked, this, &SelectUsersWidget::include);
    connect(m_includeAllPushButton, &QPushButton::clicked, this, &SelectUsersWidget::includeAll);
    connect(m_addPushButton, &QPushButton::clicked, this, &SelectUsersWidget::add);
    connect(m_addAllPushButton, &QPushButton::clicked, this, &SelectUsersWidget::addAll);
    connect(m_removePushButton, &QPushButton::clicked, this, &SelectUsersWidget::remove);
    connect(m_removeAllPushButton, &QPushButton::clicked, this, &SelectUsersWidget::removeAll);
}

void SelectUsersWidget::initializeLayout()
{
    auto *groupButtons = new QHBoxLayout;
    groupButtons->addWidget(m_homeGroupsRadioButton);
    groupButtons->addWidget(m_userGroupsRadioButton);
    groupButtons->addStretch();
    auto *includeButtons = new QHBoxLayout;
    includeButtons->addWidget(m_includePushButton);
    includeButtons->addWidget(m_includeAllPushButton);
    auto *groups = new QVBoxLayout;
    groups->addLayout(groupButtons);
    groups->addWidget(m_userGroupsListWidget);
    groups->addLayout(includeButtons);

    auto *addButtons = new QHBoxLayout;
    addButtons->addWidget(m_addPushButton);
    addButtons->addWidget(m_addAllPushButton);
    auto *unselected = new QVBoxLayout;
    unselected->addWidget(m_unselectedUsersLabel);
    unselected->addWidget(m_unselectedUsersListWidget);
    unselected->addLayout(addButtons);

    auto *removeButtons = new QHBoxLayout;
    removeButtons->addWidget(m_removePushButton);
    removeButtons->addWidget(m_removeAllPushButton);
    auto *selected = new QVBoxLayout;
    selected->addWidget(m_selectedUsersLabel);
    selected->addWidget(m_selectedUsersListWidget);
    selected->addLayout(removeButtons);

    m_topLayout->addLayout(groups);
    m_topLayout->addLayout(unselected);
    m_topLayout->addLayout(selected);
}
