// The user-group browser's lists filled from one reply of n records: the
// group list (the pane made as the browser makes it, its group query to the
// test server, one item per group with its icon and record, shown and
// painted) and the member list of a chosen group (the member query, one item
// per member with its record and icon). Against a bare QTreeWidget and a bare
// QListWidget given the same names the same way.
#include "listfillbench.h"

#include "testserver.h"
#include "usergroupbrowserview.h"
#include "usergroupmainpanelistwidget.h"
#include "usergroupsidepanetreewidget.h"

#include "common/majorcode.h"
#include "selectusergroupreply3.pb.h"
#include "selectusergroupuserreply3.pb.h"
#include "user3.pb.h"
#include "usergroup3.pb.h"
#include "usergroupuser3.pb.h"

#include <QCoreApplication>
#include <QIcon>
#include <QListWidget>
#include <QStringList>
#include <QTreeWidget>

#include <memory>
#include <string>

namespace
{
constexpr int AnnId = 42;
constexpr int GroupId = 300;

QString GroupName(int index)
{
    return QStringLiteral("Team %1").arg((index * 7919) % 1000003, 7, 10, QLatin1Char('0'));
}

QString LastName(int index)
{
    return QStringLiteral("Lee%1").arg((index * 7919) % 1000003, 7, 10, QLatin1Char('0'));
}

bench::Round ProjectGroups(int count)
{
    std::shared_ptr<testsupport::TestServer> server = bench::StartServer();
    bench::LogOn(AnnId);
    qorv::data::SelectUserGroupReply reply;
    for (int index = 0; index < count; ++index) {
        qorv::data::UserGroup *group = reply.add_user_group();
        group->set_user_group_group_id(GroupId + index);
        group->set_user_group_user_id(AnnId);
        group->set_user_group_name(GroupName(index).toStdString());
    }
    server->reply(common::op::SelectUserGroup, 1, reply.SerializeAsString());
    // The pane of the last round stays until the next one starts, so that the
    // heap it keeps is counted.
    auto pane = std::make_shared<std::unique_ptr<UserGroupSidePaneTreeWidget>>();
    return [server, pane, count] {
        pane->reset();
        server->clearRequests();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        *pane = std::make_unique<UserGroupSidePaneTreeWidget>();
        (*pane)->resize(300, 600);
        (*pane)->show();
        bench::LayOutAndPaint(pane->get());
        const double seconds = bench::SecondsSince(start);
        if ((*pane)->topLevelItemCount() != count)
            throw bench::Failure("the pane did not list every group");
        return seconds;
    };
}

bench::Round BareGroups(int count)
{
    QStringList names;
    for (int index = 0; index < count; ++index)
        names.append(GroupName(index));
    const QIcon icon(QStringLiteral(":icons/32x32/users_star.png"));
    auto tree = std::make_shared<std::unique_ptr<QTreeWidget>>();
    return [tree, names, icon] {
        tree->reset();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        *tree = std::make_unique<QTreeWidget>();
        (*tree)->resize(300, 600);
        (*tree)->setHeaderHidden(true);
        QList<QTreeWidgetItem *> items;
        items.reserve(names.size());
        for (const QString &name : names) {
            auto *item = new QTreeWidgetItem({name});
            item->setIcon(0, icon);
            items.append(item);
        }
        (*tree)->addTopLevelItems(items);
        (*tree)->show();
        bench::LayOutAndPaint(tree->get());
        return bench::SecondsSince(start);
    };
}

bench::Round ProjectMembers(int count)
{
    std::shared_ptr<testsupport::TestServer> server = bench::StartServer();
    bench::LogOn(AnnId);
    qorv::data::SelectUserGroupUserReply reply;
    for (int index = 0; index < count; ++index) {
        qorv::data::UserGroupUser *member = reply.add_user_group_user();
        member->mutable_user_group()->set_user_group_group_id(GroupId);
        qorv::data::User *user = member->mutable_user();
        user->set_user_id(1000 + index);
        user->set_user_first_name("Ann");
        user->set_user_last_name(LastName(index).toStdString());
    }
    server->reply(common::op::SelectUserGroupUser, 1, reply.SerializeAsString());
    auto window = std::make_shared<UserGroupBrowserView>();
    window->resize(800, 600);
    bench::WaitUntilActive(window.get(), "the browser");
    auto *members = window->findChild<UserGroupMainPaneListWidget *>();
    qorv::data::UserGroup group;
    group.set_user_group_group_id(GroupId);
    group.set_user_group_user_id(AnnId);
    group.set_user_group_name("Team");
    return [server, window, members, group, count] {
        members->clear();
        server->clearRequests();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        window->userGroupSelected(group);
        bench::LayOutAndPaint(members);
        const double seconds = bench::SecondsSince(start);
        if (members->count() != count)
            throw bench::Failure("the browser did not list every member");
        return seconds;
    };
}

bench::Round BareMembers(int count)
{
    auto list = std::make_shared<QListWidget>();
    list->resize(500, 600);
    bench::WaitUntilActive(list.get(), "the list");
    QStringList names;
    for (int index = 0; index < count; ++index)
        names.append(LastName(index) + QStringLiteral(", Ann"));
    const QIcon icon(QStringLiteral(":icons/32x32/user.png"));
    return [list, names, icon] {
        list->clear();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        for (const QString &name : names)
            new QListWidgetItem(icon, name, list.get());
        bench::LayOutAndPaint(list.get());
        return bench::SecondsSince(start);
    };
}

const bool Registered = [] {
    bench::RegisterFillPairs("user-group list fill", "groups", ProjectGroups, BareGroups);
    bench::RegisterFillPairs("user-group member list fill", "members", ProjectMembers, BareMembers);
    return true;
}();
}
