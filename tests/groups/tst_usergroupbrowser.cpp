#include "applicationcomponent.h"
#include "browserbus.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "common/sqlc.h"
#include "dialoganswerer.h"
#include "fillnamedialog.h"
#include "itemrole.h"
#include "recordingcomponent.h"
#include "scopedclock.h"
#include "sentrequests.h"
#include "testenvironment.h"
#include "usergroupbrowserview.h"
#include "usergroupmainpanelistwidget.h"
#include "usergroupsidepanetreewidget.h"

#include "deleteusergroupreply3.pb.h"
#include "deleteusergrouprequest3.pb.h"
#include "deleteusergroupuserrequest3.pb.h"
#include "insertusergrouprequest3.pb.h"
#include "insertusergroupuserrequest3.pb.h"
#include "selectusergrouprequest3.pb.h"
#include "selectusergroupuserreply3.pb.h"
#include "selectusergroupuserrequest3.pb.h"
#include "selectuserrequest3.pb.h"
#include "updateusergrouprequest3.pb.h"
#include "usergroup3.pb.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include <chrono>
#include <functional>

QORV_ISOLATE_TEST_ENVIRONMENT()

using groupstest::BrowserBus;
using groupstest::GroupDirectory;
using testsupport::DialogAnswerer;
using testsupport::Sent;

namespace
{
using Action = DialogAnswerer::Action;

// The window's five actions in the order of its tool bar.
struct Actions
{
    explicit Actions(const QWidget *window)
    {
        const auto *toolBar = window->findChild<QToolBar *>(QStringLiteral("StandardToolBar"));
        for (QAction *action : toolBar->actions()) {
            if (!action->isSeparator())
                all.append(action);
        }
    }
    QAction *newUserGroup() const { return all.value(0); }
    QAction *newUser() const { return all.value(1); }
    QAction *editUserGroup() const { return all.value(2); }
    QAction *deleteUserGroup() const { return all.value(3); }
    QAction *deleteUser() const { return all.value(4); }

    // "1" for each enabled action: new-group, add-members, edit-group,
    // delete-group, remove-member.
    QString states() const
    {
        QString states;
        for (const QAction *action : {newUserGroup(), newUser(), editUserGroup(), deleteUserGroup(), deleteUser()})
            states += action->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return states;
    }

    QList<QAction *> all;
};

UserGroupSidePaneTreeWidget *Tree(const QWidget *window)
{
    return window->findChild<UserGroupSidePaneTreeWidget *>();
}

UserGroupMainPaneListWidget *Members(const QWidget *window)
{
    return window->findChild<UserGroupMainPaneListWidget *>();
}

QStringList TreeTexts(const QWidget *window)
{
    QStringList texts;
    const QTreeWidget *tree = Tree(window);
    for (int index = 0; index < tree->topLevelItemCount(); ++index)
        texts.append(tree->topLevelItem(index)->text(0));
    return texts;
}

QString SelectedGroup(const QWidget *window)
{
    const QList<QTreeWidgetItem *> selected = Tree(window)->selectedItems();
    return selected.size() == 1 ? selected.first()->text(0) : QString();
}

QStringList MemberTexts(const QWidget *window)
{
    QStringList texts;
    const QListWidget *list = Members(window);
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

bool SelectGroup(const QWidget *window, const QString &name)
{
    QTreeWidget *tree = Tree(window);
    for (int index = 0; index < tree->topLevelItemCount(); ++index) {
        if (tree->topLevelItem(index)->text(0) == name) {
            tree->setCurrentItem(tree->topLevelItem(index));
            return true;
        }
    }
    return false;
}

bool SelectMember(const QWidget *window, const QString &text)
{
    const QList<QListWidgetItem *> items = Members(window)->findItems(text, Qt::MatchExactly);
    if (items.size() != 1)
        return false;
    Members(window)->setCurrentItem(items.first());
    return true;
}

// Fills the group dialog and presses OK (or Cancel), running beforeAnswer
// just before the press.
Action GroupDialog(const QString &name, const QString &description, bool ok = true,
                   std::function<void()> beforeAnswer = {})
{
    return testsupport::FillNameDialog(QStringLiteral("groupNameLineEdit"), QStringLiteral("groupDescriptionLineEdit"),
                                       name, description, ok, beforeAnswer);
}

// Includes every home group in the picker, adds everybody it offers and
// presses OK, running beforeAnswer just before.
Action PickEverybody(std::function<void()> beforeAnswer = {})
{
    return [=](QWidget *shown) {
        auto *includeAll = shown->findChild<QPushButton *>(QStringLiteral("includeAllPushButton"));
        auto *addAll = shown->findChild<QPushButton *>(QStringLiteral("addAllPushButton"));
        auto *buttons = shown->findChild<QDialogButtonBox *>();
        if (!includeAll || !addAll || !buttons) {
            shown->close();
            return;
        }
        includeAll->click();
        addAll->click();
        if (beforeAnswer)
            beforeAnswer();
        buttons->button(QDialogButtonBox::Ok)->click();
    };
}

// Presses a message box's button, noting whether Cancel was its default.
Action Press(QMessageBox::StandardButton button, bool *cancelIsDefault = nullptr,
             std::function<void()> beforeAnswer = {})
{
    return [=](QWidget *shown) {
        auto *box = qobject_cast<QMessageBox *>(shown);
        if (!box) {
            shown->close();
            return;
        }
        if (cancelIsDefault)
            *cancelIsDefault = box->defaultButton() == box->button(QMessageBox::Cancel);
        if (beforeAnswer)
            beforeAnswer();
        box->button(button)->click();
    };
}

// A dialog that should not have opened: closed at once, and seen.
Action Unexpected()
{
    return [](QWidget *shown) { shown->close(); };
}
}

// The user-group window on the real bus against the test server: what it
// shows, what it sends for each command, and that it changes only what the
// server accepted.
class TestUserGroupBrowser : public QObject
{
    Q_OBJECT

private:
    BrowserBus m_bus;

    GroupDirectory &directory() { return m_bus.directory(); }
    testsupport::TestServer &server() { return m_bus.server(); }

    void addPeople()
    {
        directory().addUser(GroupDirectory::User(7, "Cy", "", "Dee"));
        directory().addUser(GroupDirectory::User(8, "Eve", "", "Fox"));
        directory().addUser(GroupDirectory::User(9, "Gus", "J", "Hale"));
        directory().addUser(GroupDirectory::User(10, "Lou", "", "Ma"));
        directory().addUser(GroupDirectory::User(11, "", "", "Kim"));
    }

    void addGroups()
    {
        addPeople();
        directory().addUserGroup(20, "Friends", {GroupDirectory::SessionUserId, 7, 9}, "Weekend");
        directory().addUserGroup(21, "Colleagues", {8}, "Work");
        directory().addUserGroup(22, "Empty", {});
        directory().addHomeGroup(10, "Alpha", {7, 8, 9, 10});
    }

private slots:
    void initTestCase() { QVERIFY(BrowserBus::setUpLikeTheProgram()); }

    void init() { QVERIFY(m_bus.start()); }

    void cleanup() { m_bus.stop(); }

    void opensWithTheFirstGroupShown()
    {
        addGroups();

        UserGroupBrowserView *window = m_bus.openBrowser();

        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("My Groups [127.0.0.1]"));
        QCOMPARE(TreeTexts(window), QStringList({"Friends", "Colleagues", "Empty"}));
        QCOMPARE(SelectedGroup(window), QStringLiteral("Friends"));
        QCOMPARE(MemberTexts(window), QStringList({"Dee, Cy", "Hale, Gus J"}));
        QCOMPARE(Actions(window).states(), QStringLiteral("11111"));
        // Both look-ups went straight to the server; nothing was sent on the bus.
        QCOMPARE(m_bus.majors(), QList<int>({52, 53}));
        const auto groups = Sent<qorv::data::SelectUserGroupRequest>(server(), common::op::SelectUserGroup);
        QCOMPARE(groups.first().user_group_user_id(), GroupDirectory::SessionUserId);
        const auto members = Sent<qorv::data::SelectUserGroupUserRequest>(server(), common::op::SelectUserGroupUser);
        QCOMPARE(members.first().user_group_user_user_group_group_id(), 20);
        QVERIFY(members.first().exclude_session_user_id());
        QCOMPARE(members.first().exclude_user_id_size(), 0);
    }

    // Thousands of groups and a group of thousands open in the state a short
    // list leaves: the groups and members in the server's order, the first
    // group shown; a member or group changed later is found in place.
    void longListsOpenInServerOrder()
    {
        constexpr int GroupCount = 2000;
        constexpr int MemberCount = 3000;
        QList<int> memberIds;
        QStringList members;
        for (int n = 0; n < MemberCount; ++n) {
            const int id = 1000 + (n * 7919) % MemberCount;
            const QString last = QStringLiteral("M%1").arg(id);
            directory().addUser(GroupDirectory::User(id, "U", "", last.toStdString()));
            memberIds.append(id);
            members.append(last + QStringLiteral(", U"));
        }
        QStringList groups;
        for (int n = 0; n < GroupCount; ++n) {
            groups.append(QStringLiteral("G%1").arg((n * 7919) % GroupCount));
            directory().addUserGroup(100 + n, groups.last().toStdString(), n == 0 ? memberIds : QList<int>());
        }

        UserGroupBrowserView *window = m_bus.openBrowser();

        QVERIFY(window);
        QCOMPARE(TreeTexts(window), groups);
        QCOMPARE(SelectedGroup(window), groups.first());
        QCOMPARE(MemberTexts(window), members);
        QCOMPARE(Actions(window).states(), QStringLiteral("11111"));

        Members(window)->addUserItem(GroupDirectory::User(memberIds.at(10), "U", "", "Again"));
        Members(window)->removeUserItem(memberIds.at(1500));
        members.removeAt(1500);
        QCOMPARE(MemberTexts(window), members);
        qorv::data::UserGroup renamed;
        renamed.set_user_group_group_id(100 + 1200);
        renamed.set_user_group_name("Renamed");
        Tree(window)->updateUserGroup(renamed);
        Tree(window)->removeUserGroupItem(100 + 1700);
        groups[1200] = QStringLiteral("Renamed");
        groups.removeAt(1700);
        QCOMPARE(TreeTexts(window), groups);
    }

    void menusAndToolBar()
    {
        addGroups();
        UserGroupBrowserView *window = m_bus.openBrowser();
        QVERIFY(window);

        QStringList menus;
        for (const QAction *action : window->menuBar()->actions()) {
            if (action->isVisible())
                menus.append(action->text());
        }
        QCOMPARE(menus, QStringList({"File", "Edit", "Help"}));
        const QList<QAction *> bar = window->menuBar()->actions();
        const QMenu *file = bar.at(0)->menu();
        QCOMPARE(file->actions().size(), 1);
        const QMenu *newMenu = file->actions().first()->menu();
        QCOMPARE(newMenu->title(), QStringLiteral("New"));
        QStringList entries;
        for (const QAction *action : newMenu->actions())
            entries.append(action->text());
        QCOMPARE(entries, QStringList({"User Group...", "User..."}));
        entries.clear();
        for (const QAction *action : bar.at(1)->menu()->actions())
            entries.append(action->isSeparator() ? QStringLiteral("---") : action->text());
        QCOMPARE(entries, QStringList({"User Group...", "---", "Delete User Group...", "Remove User..."}));
        QCOMPARE(bar.at(4)->menu()->actions().first()->text(), QStringLiteral("About Quillane..."));

        const Actions actions(window);
        QCOMPARE(actions.all.size(), 5);
        QCOMPARE(actions.newUserGroup()->toolTip(),
                 QStringLiteral("New Group<p><small>Create a new group.</small></p>"));
        QCOMPARE(actions.deleteUser()->statusTip(), QStringLiteral("Remove the selected user from the group"));
        QStringList bar2;
        for (const QAction *action : window->findChild<QToolBar *>(QStringLiteral("StandardToolBar"))->actions())
            bar2.append(action->isSeparator() ? QStringLiteral("---") : action->text());
        QCOMPARE(bar2, QStringList({"User Group...", "User...", "---", "User Group...", "---", "Delete User Group...",
                                    "Remove User..."}));
    }

    void groupWithoutMembers()
    {
        addGroups();
        UserGroupBrowserView *window = m_bus.openBrowser();
        QVERIFY(window);

        QVERIFY(SelectGroup(window, QStringLiteral("Empty")));

        QCOMPARE(MemberTexts(window), QStringList());
        QCOMPARE(Actions(window).states(), QStringLiteral("11110"));
    }

    void userWithoutGroups()
    {
        UserGroupBrowserView *window = m_bus.openBrowser();
        QVERIFY(window);
        QCOMPARE(TreeTexts(window), QStringList());
        QCOMPARE(MemberTexts(window), QStringList());
        QCOMPARE(Actions(window).states(), QStringLiteral("10000"));

        DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);
        Tree(window)->newUser();

        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.lastTitle(), QStringLiteral("There are no user groups!"));
        QCOMPARE(answerer.lastText(), QStringLiteral("Please create a user group."));
    }

    void addingMembersWithoutASelectedGroupWarns()
    {
        addGroups();
        UserGroupBrowserView *window = m_bus.openBrowser();
        QVERIFY(window);
        Tree(window)->clearSelection();
        QCOMPARE(Actions(window).states(), QStringLiteral("10000"));

        DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);
        Tree(window)->newUser();

        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.lastTitle(), QStringLiteral("There are no user groups!"));
        QVERIFY(!m_bus.majors().contains(45));
    }

    void createGroup_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("sent");
        QTest::addColumn<std::string>("sentName");
        QTest::addColumn<std::string>("sentDescription");
        QTest::newRow("trimmed") << "  Book club "
                                 << " Monday nights " << true << true << std::string("Book club")
                                 << std::string("Monday nights");
        QTest::newRow("blank description sent empty") << "Team"
                                                      << "   " << true << true << std::string("Team") << std::string();
        QTest::newRow("blank name sends nothing") << "   "
                                                  << "Anything" << true << false << std::string() << std::string();
        QTest::newRow("cancel sends nothing") << "Team"
                                              << "" << false << false << std::string() << std::string();
    }

    void createGroup()
    {
        QFETCH(QString, name);
        QFETCH(QString, description);
        QFETCH(bool, ok);
        QFETCH(bool, sent);
        QFETCH(std::string, sentName);
        QFETCH(std::string, sentDescription);
        addGroups();
        const testsupport::ScopedClock clock(testsupport::UtcInstant(2024, 6, 1, 12, 30, 5)
                                             + std::chrono::microseconds(250));
        UserGroupBrowserView *window = m_bus.openBrowser();
        QVERIFY(window);
        server().clearRequests();
        DialogAnswerer answerer;
        answerer.expect(GroupDialog(name, description, ok));

        Actions(window).newUserGroup()->trigger();

        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.lastTitle(), QStringLiteral("Create Group"));
        const auto requests = Sent<qorv::data::InsertUserGroupRequest>(server(), common::op::InsertUserGroup);
        QCOMPARE(requests.size(), sent ? 1 : 0);
        QCOMPARE(server().requests().size(), size_t(sent ? 1 : 0));
        // Either way the window keeps showing what it showed.
        QCOMPARE(SelectedGroup(window), QStringLiteral("Friends"));
        QCOMPARE(MemberTexts(window), QStringList({"Dee, Cy", "Hale, Gus J"}));
        QCOMPARE(Actions(window).states(), QStringLiteral("11111"));
        if (!sent) {
            QCOMPARE(TreeTexts(window), QStringList({"Friends", "Colleagues", "Empty"}));
            return;
        }
        const qorv::data::UserGroup &group = requests.first().user_group();
        QVERIFY(!group.has_user_group_group_id());
        QCOMPARE(group.user_group_user_id(), GroupDirectory::SessionUserId);
        QCOMPARE(group.user_group_name(), sentName);
        QVERIFY(group.has_user_group_description());
        QCOMPARE(group.user_group_description(), sentDescription);
        QCOMPARE(group.user_group_creation_date(), std::string("2024-06-01 12:30:05.000250"));
        QCOMPARE(TreeTexts(window), QStringList({"Friends", "Colleagues", "Empty", QString::fromStdString(sentName)}));
        // The new item carries the id the server gave it.
        const QTreeWidgetItem *added = Tree(window)->topLevelItem(3);
        QCOMPARE(added->data(0, UserGroupRole).value<qorv::data::UserGroup>().user_group_group_id(), 500);
        QVERIFY(!added->isSelected());
    }

    void editGroup()
    {
        addGroups();
        UserGroupBrowserView *window = m_bus.openBrowser();
        QVERIFY(window);
        QVERIFY(SelectGroup(window, QStringLiteral("Colleagues")));
        server().clearRequests();
        QString shownName;
        QString shownDescription;
        DialogAnswerer answerer;
        answerer.expect([&](QWidget *shown) {
            shownName = shown->findChild<QLineEdit *>(QStringLiteral("groupNameLineEdit"))->text();
            shownDescription = shown->findChild<QLineEdit *>(QStringLiteral("groupDescriptionLineEdit"))->text();
            GroupDialog(QStringLiteral(" Coworkers "), QString())(shown);
        });

        Actions(window).editUserGroup()->trigger();

        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.lastTitle(), QStringLiteral("Edit Group"));
        QCOMPARE(shownName, QStringLiteral("Colleagues"));
        QCOMPARE(shownDescription, QStringLiteral("Work"));
        const auto requests = Sent<qorv::data::UpdateUserGroupRequest>(server(), common::op::UpdateUserGroup);
        QCOMPARE(requests.size(), 1);
        const qorv::data::UserGroup &sent = requests.first().user_group();
        QCOMPARE(sent.user_group_group_id(), 21);
        QCOMPARE(sent.user_group_name(), std::string("Coworkers"));
        QVERIFY(sent.has_user_group_description() && sent.user_group_description().empty());
        QVERIFY(!sent.has_user_group_user_id() && !sent.has_user_group_creation_date());
        QCOMPARE(requests.first().insert_user_id_size() + requests.first().delete_user_id_size(), 0);
        QCOMPARE(TreeTexts(window), QStringList({"Friends", "Coworkers", "Empty"}));
        QCOMPARE(SelectedGroup(window), QStringLiteral("Coworkers"));
        const auto stored = Tree(window)->topLevelItem(1)->data(0, UserGroupRole).value<qorv::data::UserGroup>();
        QVERIFY(!stored.has_user_group_user_id());
        QCOMPARE(directory().userGroup(21).user_group_name(), std::string("Coworkers"));
    }

    void editNeedsAnIdAndAName_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<std::string>("name");
        QTest::newRow("no id") << 0 << std::string("Friends");
        QTest::newRow("no name") << 20 << std::string();
    }

    void editNeedsAnIdAndAName()
    {
        QFETCH(int, id);
        QFETCH(std::string, name);
        addGroups();
        UserGroupBrowserView *window = m_bus.openBrowser();
        QVERIFY(window);
        qorv::data::UserGroup group;
        group.set_user_group_group_id(id);
        group.set_user_group_name(name);
        DialogAnswerer answerer;
        answerer.expect(Unexpected());

        window->editUserGroup(group);

        QCOMPARE(answerer.pending(), 1);
    }

    void deleteGroup_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("first in the tree") << "Friends" << QStringList({"Colleagues", "Empty"});
        QTest::newRow("last in the tree") << "Empty" << QStringList({"Friends", "Colleagues"});
    }

    void deleteGroup()
    {
        QFETCH(QString, group);
        QFETCH(QStringList, left);
        addGroups();
        UserGroupBrowserView *window = m_bus.openBrowser();
        QVERIFY(window);
        QVERIFY(SelectGroup(window, group));
        server().clearRequests();
        bool cancelIsDefault = false;
        DialogAnswerer answerer;
        answerer.expect(Press(QMessageBox::Cancel, &cancelIsDefault));

        Actions(window).deleteUserGroup()->trigger();

        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.lastTitle(), QStringLiteral("Delete User Group"));
        QCOMPARE(answerer.lastText(), QStringLiteral("Are you sure you want to delete this user group?"));
        QCOMPARE(answerer.seen().last().informativeText, group);
        QVERIFY(cancelIsDefault);
        QVERIFY(server().requests().empty());

        answerer.expect(QMessageBox::Ok);
        Actions(window).deleteUserGroup()->trigger();

        QVERIFY(answerer.waitForAll());
        const auto requests = Sent<qorv::data::DeleteUserGroupRequest>(server(), common::op::DeleteUserGroup);
        QCOMPARE(requests.size(), 1);
        QVERIFY(!directory().userGroupIds().contains(requests.first().user_group_group_id()));
        QCOMPARE(TreeTexts(window), left);
        QCOMPARE(MemberTexts(window), QStringList());
        QCOMPARE(Actions(window).states(), QStringLiteral("10000"));
    }

    void deleteTheLastGroup()
    {
        directory().addUserGroup(20, "Friends", {7});
        addPeople();
        UserGroupBrowserView *window = m_bus.openBrowser();
        QVERIFY(window);
        QCOMPARE(MemberTexts(window), QStringList({"Dee, Cy"}));
        DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);

        Actions(window).deleteUserGroup()->trigger();

        QVERIFY(answerer.waitForAll());
        QCOMPARE(TreeTexts(window), QStringList());
        QCOMPARE(MemberTexts(window), QStringList());
        QCOMPARE(Actions(window).states(), QStringLiteral("10000"));
    }

    void addMembers()
    {
        addGroups();
        UserGroupBrowserView *window = m_bus.openBrowser();
        QVERIFY(window);
        QVERIFY(SelectGroup(window, QStringLiteral("Colleagues")));
        QCOMPARE(MemberTexts(window), QStringList({"Fox, Eve"}));
        const testsupport::ScopedClock clock(testsupport::UtcInstant(2024, 6, 1, 8, 0, 0)
                                             + std::chrono::microseconds(1));
        server().clearRequests();
        QStringList userGroupsOffered;
        DialogAnswerer answerer;
        answerer.expect([&](QWidget *shown) {
            // The group itself is not offered among the user groups.
            shown->findChild<QRadioButton *>(QStringLiteral("userGroupsRadioButton"))->click();
            const auto *groups = shown->findChild<QListWidget *>(QStringLiteral("userGroupsListWidget"));
            for (int row = 0; row < groups->count(); ++row)
                userGroupsOffered.append(groups->item(row)->text());
            shown->findChild<QRadioButton *>(QStringLiteral("homeGroupsRadioButton"))->click();
            PickEverybody()(shown);
        });

        Actions(window).newUser()->trigger();

        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.lastTitle(), QStringLiteral("Select Users"));
        QCOMPARE(userGroupsOffered, QStringList({"Empty", "Friends"}));
        // The current member went to the picker as an exclusion.
        const auto memberRead = Sent<qorv::data::SelectUserGroupUserRequest>(server(), common::op::SelectUserGroupUser);
        QCOMPARE(memberRead.size(), 1);
        QCOMPARE(memberRead.first().user_group_user_user_group_group_id(), 21);
        for (const auto &request : Sent<qorv::data::SelectUserRequest>(server(), common::op::SelectUser))
            QCOMPARE(QList<int>(request.exclude_user_id().begin(), request.exclude_user_id().end()),
                     QList<int>({GroupDirectory::SessionUserId, 8}));
        const auto inserts = Sent<qorv::data::InsertUserGroupUserRequest>(server(), common::op::InsertUserGroupUser);
        QCOMPARE(inserts.size(), 3);
        QList<int> insertedIds;
        for (const auto &insert : inserts) {
            const qorv::data::UserGroupUser &member = insert.user_group_user();
            insertedIds.append(member.user().user_id());
            QCOMPARE(member.user_group().user_group_group_id(), 21);
            QCOMPARE(member.user_group().user_group_creation_date(), std::string("2024-03-05 14:07:09.000000"));
            QVERIFY(member.has_user_group_user_description() && member.user_group_user_description().empty());
            QCOMPARE(member.user_group_user_creation_date(), std::string("2024-06-01 08:00:00.000001"));
        }
        QCOMPARE(insertedIds, QList<int>({7, 9, 10}));
        QCOMPARE(MemberTexts(window), QStringList({"Fox, Eve", "Dee, Cy", "Hale, Gus J", "Ma, Lou"}));
        QCOMPARE(directory().userGroupMembers(21), QList<int>({8, 7, 9, 10}));
        QCOMPARE(Actions(window).states(), QStringLiteral("11111"));
    }

    void cancelledPickerSendsNothing()
    {
        addGroups();
        UserGroupBrowserView *window = m_bus.openBrowser();
        QVERIFY(window);
        server().clearRequests();
        DialogAnswerer answerer;
        answerer.expect(QDialogButtonBox::Cancel);

        Actions(window).newUser()->trigger();

        QVERIFY(answerer.waitForAll());
        QVERIFY(!m_bus.majors().contains(33));
    }

    void removeMember_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<int>("userId");
        QTest::addColumn<QString>("question");
        QTest::newRow("full name") << "Hale, Gus J" << 9 << "Delete group user Gus J Hale?";
        QTest::newRow("no first name") << "" << 11 << "Delete group user ?";
    }

    void removeMember()
    {
        QFETCH(QString, member);
        QFETCH(int, userId);
        QFETCH(QString, question);
        addPeople();
        directory().addUserGroup(20, "Friends", {7, 9, 11});
        UserGroupBrowserView *window = m_bus.openBrowser();
        QVERIFY(window);
        QVERIFY(SelectMember(window, member));
        server().clearRequests();
        bool cancelIsDefault = false;
        DialogAnswerer answerer;
        answerer.expect(Press(QMessageBox::Cancel, &cancelIsDefault));

        Actions(window).deleteUser()->trigger();

        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.lastTitle(), QStringLiteral("Delete Group User"));
        QCOMPARE(answerer.lastText(), question);
        QVERIFY(cancelIsDefault);
        QVERIFY(server().requests().empty());

        answerer.expect(QMessageBox::Ok);
        Actions(window).deleteUser()->trigger();

        QVERIFY(answerer.waitForAll());
        const auto requests = Sent<qorv::data::DeleteUserGroupUserRequest>(server(), common::op::DeleteUserGroupUser);
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.first().user_group_user_user_group_group_id(), 20);
        QCOMPARE(requests.first().user_group_user_user_id(), userId);
        QVERIFY(!MemberTexts(window).contains(member));
        QCOMPARE(MemberTexts(window).size(), 2);
        QCOMPARE(Actions(window).states(), QStringLiteral("11110"));
    }

    // Every command against a server that fails it: an error reply, a
    // refusal in the reply's diagnostics, or no server any more. The window
    // shows what it showed and tells its user.
    void failuresChangeNothing_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("warning");

        const QList<QPair<QString, QString>> commands{
            {"create group", "The user group could not be created."},
            {"add members", "These users could not be added to the group:"},
            {"edit group", "The user group could not be changed."},
            {"delete group", "The user group could not be deleted."},
            {"remove member", "The user could not be removed from the group."}};
        for (const auto &[command, warning] : commands) {
            for (const char *failure : {"error reply", "refused", "server gone"})
                QTest::newRow(qPrintable(command + QStringLiteral(", ") + QLatin1String(failure)))
                    << command << QString::fromLatin1(failure) << warning;
        }
    }

    void failuresChangeNothing()
    {
        QFETCH(QString, command);
        QFETCH(QString, failure);
        QFETCH(QString, warning);
        addGroups();
        UserGroupBrowserView *window = m_bus.openBrowser();
        QVERIFY(window);
        QVERIFY(SelectMember(window, QStringLiteral("Hale, Gus J")));
        const QStringList tree = TreeTexts(window);
        const QStringList members = MemberTexts(window);
        const QString states = Actions(window).states();

        const QMap<QString, int> majors{
            {"create group", 32}, {"add members", 33}, {"edit group", 67}, {"delete group", 17}, {"remove member", 18}};
        const int major = majors.value(command);
        std::string refusal;
        {
            qorv::data::DeleteUserGroupReply reply; // every reply here starts with the diagnostics
            reply.mutable_sql_diag_rec()->set_sqlc(common::SqlcForeignKeyViolation);
            refusal = reply.SerializeAsString();
        }
        if (failure == QLatin1String("error reply"))
            server().reply(major, common::tag::Plain, std::string(), 0, 4);
        else if (failure == QLatin1String("refused"))
            server().reply(major, common::tag::Plain, refusal);
        // The server goes away just before the command's own request, after
        // the look-ups that come before it.
        const bool serverGone = failure == QLatin1String("server gone");
        auto failNext = [this, serverGone] {
            if (serverGone)
                server().stop();
        };

        DialogAnswerer answerer;
        if (command == QLatin1String("create group")) {
            answerer.expect(GroupDialog(QStringLiteral("Team"), QString(), true, failNext));
            answerer.expect(QMessageBox::Ok);
            Actions(window).newUserGroup()->trigger();
        } else if (command == QLatin1String("add members")) {
            answerer.expect(PickEverybody(failNext));
            answerer.expect(QMessageBox::Ok);
            Actions(window).newUser()->trigger();
        } else if (command == QLatin1String("edit group")) {
            answerer.expect(GroupDialog(QStringLiteral("Pals"), QString(), true, failNext));
            answerer.expect(QMessageBox::Ok);
            Actions(window).editUserGroup()->trigger();
        } else if (command == QLatin1String("delete group")) {
            answerer.expect(Press(QMessageBox::Ok, nullptr, failNext));
            answerer.expect(QMessageBox::Ok);
            Actions(window).deleteUserGroup()->trigger();
        } else {
            answerer.expect(Press(QMessageBox::Ok, nullptr, failNext));
            answerer.expect(QMessageBox::Ok);
            Actions(window).deleteUser()->trigger();
        }

        QVERIFY(answerer.waitForAll());
        QCOMPARE(m_bus.majors().contains(major), !serverGone);
        QCOMPARE(answerer.seen().size(), 2);
        QCOMPARE(answerer.lastTitle(), QStringLiteral("Warning"));
        QCOMPARE(answerer.lastText(), warning);
        QCOMPARE(TreeTexts(window), tree);
        QCOMPARE(MemberTexts(window), members);
        QCOMPARE(Actions(window).states(), states);
        QCOMPARE(SelectedGroup(window), QStringLiteral("Friends"));
    }

    void refusedMembersAreNamed()
    {
        addGroups();
        directory().addUserGroup(23, "Club", {9});
        UserGroupBrowserView *window = m_bus.openBrowser();
        QVERIFY(window);
        QVERIFY(SelectGroup(window, QStringLiteral("Club")));
        // From now on the club reads as empty, so the picker offers Gus, who
        // is a member already: the server refuses him alone.
        server().reply(common::op::SelectUserGroupUser, common::tag::Plain,
                       qorv::data::SelectUserGroupUserReply().SerializeAsString());
        server().clearRequests();
        DialogAnswerer answerer;
        answerer.expect(PickEverybody());
        answerer.expect(QMessageBox::Ok);

        Actions(window).newUser()->trigger();

        QVERIFY(answerer.waitForAll());
        QCOMPARE(Sent<qorv::data::InsertUserGroupUserRequest>(server(), common::op::InsertUserGroupUser).size(), 4);
        QCOMPARE(answerer.lastText(), QStringLiteral("These users could not be added to the group:"));
        QCOMPARE(answerer.seen().last().informativeText, QStringLiteral("Gus J Hale"));
        QCOMPARE(MemberTexts(window), QStringList({"Hale, Gus J", "Dee, Cy", "Fox, Eve", "Ma, Lou"}));
    }

    void twoWindowsOnDifferentGroups()
    {
        addGroups();
        UserGroupBrowserView *first = m_bus.openBrowser();
        UserGroupBrowserView *second = m_bus.openBrowser();
        QVERIFY(first && second && first != second);
        QVERIFY(SelectGroup(second, QStringLiteral("Colleagues")));
        DialogAnswerer answerer;

        // A member added to the first window's group.
        answerer.expect(PickEverybody());
        Actions(first).newUser()->trigger();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(MemberTexts(first), QStringList({"Dee, Cy", "Hale, Gus J", "Fox, Eve", "Ma, Lou"}));
        QCOMPARE(MemberTexts(second), QStringList({"Fox, Eve"}));

        // A member removed from the second window's group.
        QVERIFY(SelectMember(second, QStringLiteral("Fox, Eve")));
        answerer.expect(QMessageBox::Ok);
        Actions(second).deleteUser()->trigger();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(MemberTexts(second), QStringList());
        QCOMPARE(MemberTexts(first), QStringList({"Dee, Cy", "Hale, Gus J", "Fox, Eve", "Ma, Lou"}));

        // A new group reaches both trees.
        answerer.expect(GroupDialog(QStringLiteral("Team"), QString()));
        Actions(first).newUserGroup()->trigger();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(TreeTexts(first), QStringList({"Friends", "Colleagues", "Empty", "Team"}));
        QCOMPARE(TreeTexts(second), TreeTexts(first));

        // A group that neither shows leaves both trees and nothing else.
        QVERIFY(SelectGroup(first, QStringLiteral("Empty")));
        answerer.expect(QMessageBox::Ok);
        Actions(first).deleteUserGroup()->trigger();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(TreeTexts(second), QStringList({"Friends", "Colleagues", "Team"}));
        QCOMPARE(SelectedGroup(second), QStringLiteral("Colleagues"));
        QCOMPARE(Actions(second).states(), QStringLiteral("11110"));

        // The group the second window shows, deleted from the first.
        QVERIFY(SelectGroup(first, QStringLiteral("Colleagues")));
        answerer.expect(QMessageBox::Ok);
        Actions(first).deleteUserGroup()->trigger();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(TreeTexts(second), QStringList({"Friends", "Team"}));
        QCOMPARE(Actions(second).states(), QStringLiteral("10000"));
    }

    void memberRepliesForAnotherGroupAreIgnored()
    {
        addGroups();
        UserGroupBrowserView *window = m_bus.openBrowser();
        QVERIFY(window);
        QStringList log;
        testsupport::RecordingComponent other(QStringLiteral("other"), &log);
        QVERIFY(m_bus.bus().connectAbstractViewWindow(&other));
        // Any accepted insert, even one the directory would refuse as a
        // duplicate.
        server().reply(common::op::InsertUserGroupUser, common::tag::Plain, std::string());
        auto insert = [&other](int groupId, int userId) {
            qorv::data::InsertUserGroupUserRequest request;
            request.mutable_user_group_user()->mutable_user_group()->set_user_group_group_id(groupId);
            *request.mutable_user_group_user()->mutable_user() = GroupDirectory::User(userId, "Lou", "", "Ma");
            emit other.deliverRequest(common::op::InsertUserGroupUser, common::tag::Plain, request.SerializeAsString());
        };
        auto select = [&other](int groupId) {
            qorv::data::SelectUserGroupUserRequest request;
            request.set_user_group_user_user_group_group_id(groupId);
            emit other.deliverRequest(common::op::SelectUserGroupUser, common::tag::Plain, request.SerializeAsString());
        };

        insert(21, 10);
        QCOMPARE(MemberTexts(window), QStringList({"Dee, Cy", "Hale, Gus J"}));
        insert(20, 10);
        insert(20, 10);
        QCOMPARE(MemberTexts(window), QStringList({"Dee, Cy", "Hale, Gus J", "Ma, Lou"}));

        // Removing a member leaves remove-member off until a member reply
        // for this group turns it on again.
        QVERIFY(SelectMember(window, QStringLiteral("Ma, Lou")));
        DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);
        Actions(window).deleteUser()->trigger();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(Actions(window).states(), QStringLiteral("11110"));
        select(21);
        QCOMPARE(Actions(window).states(), QStringLiteral("11110"));
        select(20);
        QCOMPARE(Actions(window).states(), QStringLiteral("11111"));
    }
};

QTEST_MAIN(TestUserGroupBrowser)
#include "tst_usergroupbrowser.moc"
