#include "usergroupsidepanetreewidget.h"

#include "common/majorcode.h"
#include "directexchange.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "itemtype.h"
#include "registry.h"
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

void AppendUserGroupItem(QTreeWidget *tree, const qorv::data::UserGroup &userGroup)
{
    auto *item = new QTreeWidgetItem(UserGroupItemType);
    item->setText(0, QString::fromStdString(userGroup.user_group_name()));
    item->setIcon(0, utils::ActionIcon("users_star.png"));
    item->setData(0, UserGroupRole, itemrecord::ToVariant(userGroup));
    tree->addTopLevelItem(item);
}

// The logged-on user's groups, in the server's order. A failed look-up leaves
// the tree empty.
void InitializeTreeWidget(QTreeWidget *tree)
{
    qorv::data::SelectUserGroupRequest request;
    request.set_user_group_user_id(RegistrySingleton::instance()->getUser().user_id());
    qorv::data::SelectUserGroupReply reply;
    if (!network::DirectExchange(common::op::SelectUserGroup, request, reply, network::ReplyErrorCodes::Ignored))
        return;
    for (const qorv::data::UserGroup &userGroup : reply.user_group())
        AppendUserGroupItem(tree, userGroup);
}
}

UserGroupSidePaneTreeWidget::UserGroupSidePaneTreeWidget(QWidget *parent)
    : AbstractSidePaneTreeWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHeaderHidden(true);
    InitializeTreeWidget(this);
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
        QMessageBox box(QMessageBox::Warning, tr("NoUserGroupWarning"), tr("CreateUserGroupRequest"),
                        QMessageBox::Ok, this);
        box.exec();
        return;
    }
    if (const std::optional<qorv::data::UserGroup> userGroup = ItemUserGroup(item))
        emit newUser(*userGroup);
}

void UserGroupSidePaneTreeWidget::addUserGroupItem(const qorv::data::UserGroup &userGroup)
{
    AppendUserGroupItem(this, userGroup);
}

void UserGroupSidePaneTreeWidget::updateUserGroup(const qorv::data::UserGroup &userGroup)
{
    for (int index = 0; index < topLevelItemCount(); ++index) {
        QTreeWidgetItem *item = topLevelItem(index);
        const std::optional<qorv::data::UserGroup> stored = ItemUserGroup(item);
        if (stored && stored->user_group_group_id() == userGroup.user_group_group_id()) {
            item->setText(0, QString::fromStdString(userGroup.user_group_name()));
            item->setData(0, UserGroupRole, itemrecord::ToVariant(userGroup));
            return;
        }
    }
}

void UserGroupSidePaneTreeWidget::removeUserGroupItem(int userGroupId)
{
    for (int index = 0; index < topLevelItemCount(); ++index) {
        const std::optional<qorv::data::UserGroup> stored = ItemUserGroup(topLevelItem(index));
        if (stored && stored->user_group_group_id() == userGroupId) {
            delete takeTopLevelItem(index);
            return;
        }
    }
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
