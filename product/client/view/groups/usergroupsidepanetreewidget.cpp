#include "usergroupsidepanetreewidget.h"

#include "common/majorcode.h"
#include "directexchange.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "itemtype.h"
#include "listfillguard.h"
#include "registry.h"
#include "treeitemindex.h"
#include "utils.h"

#include "selectusergroupreply3.pb.h"
#include "selectusergrouprequest3.pb.h"
#include "usergroup3.pb.h"

#include <QIcon>
#include <QMessageBox>

#include <optional>

namespace
{
std::optional<qorv::data::UserGroup> ItemUserGroup(const QTreeWidgetItem *item)
{
    if (!item || item->type() != UserGroupItemType)
        return std::nullopt;
    return itemrecord::FromVariant<qorv::data::UserGroup>(item->data(0, UserGroupRole));
}
}

UserGroupSidePaneTreeWidget::UserGroupSidePaneTreeWidget(QWidget *parent)
    : AbstractSidePaneTreeWidget(parent)
    , m_userGroups(new TreeItemIndex(this))
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHeaderHidden(true);
    fillFromServer();
    connect(this, &QTreeWidget::itemSelectionChanged, this,
            &UserGroupSidePaneTreeWidget::userGroupsTreeWidgetItemSelectionChanged);
}

void UserGroupSidePaneTreeWidget::editUserGroup()
{
    if (const std::optional<qorv::data::UserGroup> userGroup = ItemUserGroup(getSelectedTreeWidgetItem()))
        emit editUserGroup(*userGroup);
}

void UserGroupSidePaneTreeWidget::deleteUserGroup()
{
    const std::optional<qorv::data::UserGroup> userGroup = ItemUserGroup(getSelectedTreeWidgetItem());
    if (!userGroup)
        return;
    QMessageBox box(QMessageBox::Question, tr("DeleteUserGroupWindowTitle"), tr("DeleteUserGroupConfirmation"),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setInformativeText(QString::fromStdString(userGroup->user_group_name()));
    box.setDefaultButton(QMessageBox::Cancel);
    if (box.exec() == QMessageBox::Ok)
        emit deleteUserGroup(userGroup->user_group_group_id());
}

void UserGroupSidePaneTreeWidget::newUser()
{
    QTreeWidgetItem *item = getSelectedTreeWidgetItem();
    if (!item) {
        QMessageBox box(QMessageBox::Warning, tr("NoUserGroupWarning"), tr("CreateUserGroupRequest"), QMessageBox::Ok,
                        this);
        box.exec();
        return;
    }
    if (const std::optional<qorv::data::UserGroup> userGroup = ItemUserGroup(item))
        emit newUser(*userGroup);
}

void UserGroupSidePaneTreeWidget::addUserGroupItem(const qorv::data::UserGroup &userGroup)
{
    appendUserGroupItem(userGroup);
}

void UserGroupSidePaneTreeWidget::updateUserGroup(const qorv::data::UserGroup &userGroup)
{
    if (QTreeWidgetItem *item = m_userGroups->find(userGroup.user_group_group_id())) {
        item->setText(0, QString::fromStdString(userGroup.user_group_name()));
        item->setData(0, UserGroupRole, itemrecord::ToVariant(userGroup));
    }
}

void UserGroupSidePaneTreeWidget::removeUserGroupItem(int userGroupId)
{
    delete m_userGroups->find(userGroupId);
}

void UserGroupSidePaneTreeWidget::appendUserGroupItem(const qorv::data::UserGroup &userGroup)
{
    auto *item = new QTreeWidgetItem(UserGroupItemType);
    item->setText(0, QString::fromStdString(userGroup.user_group_name()));
    item->setIcon(0, utils::ActionIcon("users_star.png"));
    item->setData(0, UserGroupRole, itemrecord::ToVariant(userGroup));
    addTopLevelItem(item);
    m_userGroups->insert(item, userGroup.user_group_group_id());
}

// The logged-on user's groups, in the server's order. A failed look-up leaves
// the tree empty.
void UserGroupSidePaneTreeWidget::fillFromServer()
{
    qorv::data::SelectUserGroupRequest request;
    request.set_user_group_user_id(RegistrySingleton::instance()->getUser().user_id());
    qorv::data::SelectUserGroupReply reply;
    if (!network::DirectExchange(common::op::SelectUserGroup, request, reply, network::ReplyErrorCodes::Ignored))
        return;
    const ListFillGuard fill(this);
    for (const qorv::data::UserGroup &userGroup : reply.user_group())
        appendUserGroupItem(userGroup);
}

void UserGroupSidePaneTreeWidget::userGroupsTreeWidgetItemSelectionChanged()
{
    if (topLevelItemCount() == 0) {
        emit userGroupNotInserted();
        return;
    }
    QTreeWidgetItem *item = getSelectedTreeWidgetItem();
    if (!item) {
        emit userGroupNotSelected();
        return;
    }
    if (const std::optional<qorv::data::UserGroup> userGroup = ItemUserGroup(item))
        emit userGroupSelected(*userGroup);
}
