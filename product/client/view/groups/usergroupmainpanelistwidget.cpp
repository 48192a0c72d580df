#include "usergroupmainpanelistwidget.h"

#include "itemrecord.h"
#include "itemrole.h"
#include "itemtype.h"
#include "listitemindex.h"
#include "userreader.h"
#include "utils.h"

#include "user3.pb.h"

#include <QIcon>
#include <QMessageBox>

#include <optional>

namespace
{
std::optional<qorv::data::User> ItemUser(const QListWidgetItem *item)
{
    return item ? itemrecord::FromVariant<qorv::data::User>(item->data(UserRole)) : std::nullopt;
}
}

UserGroupMainPaneListWidget::UserGroupMainPaneListWidget(QWidget *parent)
    : AbstractMainPaneListWidget(parent)
    , m_members(new ListItemIndex(this))
{
    connect(this, &QListWidget::itemChanged, this, &UserGroupMainPaneListWidget::userItemChanged);
}

void UserGroupMainPaneListWidget::deleteUser()
{
    const std::optional<qorv::data::User> user = ItemUser(getSelectedListWidgetItem());
    if (!user)
        return;
    QMessageBox box(QMessageBox::Question, tr("DeleteGroupUserWindowTitle"),
                    tr("DeleteGroupUserConfirmation").arg(QString::fromStdString(UserReader(*user).displayName())),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setWindowIcon(utils::ActionIcon("user_delete.png"));
    box.setDefaultButton(QMessageBox::Cancel);
    if (box.exec() == QMessageBox::Ok)
        emit deleteUser(user->user_id());
}

void UserGroupMainPaneListWidget::addUserItem(const qorv::data::User &user)
{
    if (m_members->find(UserItemType, user.user_id()))
        return;
    // Setting the record and the icon once the row is in the list tells the
    // window (through itemChanged) that a member is listed.
    auto *row = new QListWidgetItem(
        utils::GetAlphabeticalName(user.user_first_name(), user.user_middle_name(), user.user_last_name()), this,
        UserItemType);
    row->setData(UserRole, itemrecord::ToVariant(user));
    row->setIcon(utils::ActionIcon("user.png"));
    m_members->insert(row, user.user_id());
}

void UserGroupMainPaneListWidget::removeUserItem(int userId)
{
    delete m_members->find(UserItemType, userId);
}

void UserGroupMainPaneListWidget::userItemChanged(QListWidgetItem *item)
{
    emit userSelected(item);
}
