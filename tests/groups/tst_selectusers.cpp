#include "clienttranslation.h"
#include "common/majorcode.h"
#include "dialoganswerer.h"
#include "dispatchtotestserver.h"
#include "groupdirectory.h"
#include "itemrole.h"
#include "pickerhost.h"
#include "selectusersdialog.h"
#include "selectuserswidget.h"
#include "sentrequests.h"
#include "testenvironment.h"
#include "testserver.h"

#include "selectgroupkeyrequest3.pb.h"
#include "selectusergrouprequest3.pb.h"
#include "selectusergroupuserrequest3.pb.h"
#include "selectuserrequest3.pb.h"
#include "users3.pb.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

QORV_ISOLATE_TEST_ENVIRONMENT()

using groupstest::GroupDirectory;
using testsupport::Sent;
using testsupport::TestFault;
using testsupport::TestServer;

namespace
{
// The picker in a host that installed its layout, with its controls found the
// way a user sees them.
struct Picker
{
    QWidget host;
    SelectUsersWidget *widget = new SelectUsersWidget(&host);

    Picker() { host.setLayout(widget->getLayout()); }

    template <class Control>
    Control *find(const char *name) const
    {
        return host.findChild<Control *>(QLatin1String(name));
    }
    QListWidget *groups() const { return find<QListWidget>("userGroupsListWidget"); }
    QListWidget *unselected() const { return find<QListWidget>("unselectedUsersListWidget"); }
    QListWidget *selected() const { return find<QListWidget>("selectedUsersListWidget"); }
    QAbstractButton *button(const QString &name) const { return host.findChild<QAbstractButton *>(name); }

    // Home Groups, My Groups (checked), Include, Include All, Add, Add All,
    // Remove, Remove All (enabled).
    QString states() const
    {
        QList<const QAbstractButton *> buttons;
        for (const char *name :
             {"homeGroupsRadioButton", "userGroupsRadioButton", "includePushButton", "includeAllPushButton",
              "addPushButton", "addAllPushButton", "removePushButton", "removeAllPushButton"})
            buttons.append(button(QLatin1String(name)));
        return groupstest::States(buttons);
    }

    // Runs one step as the user would: "init", a click on a button by its
    // object-name stem ("include", "userGroups"), or "list:text" to toggle an
    // item of the groups, unselected or selected list.
    bool run(const QString &step) const
    {
        if (step == QLatin1String("init")) {
            widget->init();
            return true;
        }
        const int colon = step.indexOf(QLatin1Char(':'));
        if (colon > 0) {
            const QString list = step.left(colon);
            const QString text = step.mid(colon + 1);
            if (list == QLatin1String("groups"))
                return groupstest::Toggle(groups(), text);
            if (list == QLatin1String("unselected"))
                return groupstest::Toggle(unselected(), text);
            if (list == QLatin1String("selected"))
                return groupstest::Toggle(selected(), text);
            return false;
        }
        for (const char *suffix : {"PushButton", "RadioButton"}) {
            if (QAbstractButton *target = button(step + QLatin1String(suffix))) {
                target->click();
                return true;
            }
        }
        return false;
    }
};

template <class Repeated>
QList<int> Ids(const Repeated &ids)
{
    return QList<int>(ids.begin(), ids.end());
}
}

// The user picker against the test server: which groups and users it offers,
// which it leaves out, and which of its buttons are on after each step.
class TestSelectUsers : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestServer> m_server;
    std::unique_ptr<GroupDirectory> m_directory;
private slots:
    void initTestCase()
    {
        QVERIFY(testsupport::InstallClientTranslation());
        GroupDirectory::logOn();
    }

    void init()
    {
        m_server = std::make_unique<TestServer>();
        QVERIFY(testsupport::StartAndDispatchTo(*m_server));
        m_directory = std::make_unique<GroupDirectory>(*m_server);
        m_directory->addUser(GroupDirectory::User(7, "Cy", "", "Dee"));
        m_directory->addUser(GroupDirectory::User(8, "Eve", "", "Fox"));
        m_directory->addUser(GroupDirectory::User(9, "Gus", "J", "Hale"));
        m_directory->addHomeGroup(10, "Alpha", {GroupDirectory::SessionUserId, 7, 8});
        m_directory->addHomeGroup(11, "Beta", {8, 9});
        m_directory->addHomeGroup(12, "Gamma", {9, 8});
        m_directory->addUserGroup(20, "Friends", {7, 9, GroupDirectory::SessionUserId});
        m_directory->addUserGroup(21, "Colleagues", {8});
        m_directory->install();
    }

    void cleanup()
    {
        m_directory.reset();
        m_server.reset();
    }

    void startsWithEverythingOff()
    {
        const Picker picker;
        QCOMPARE(picker.states(), QStringLiteral("00000000"));
        QVERIFY(picker.groups()->count() == 0 && picker.unselected()->count() == 0);
        QCOMPARE(picker.selected()->count(), 0);
        QVERIFY(m_server->requests().empty());
        // The controls belong to the host that installed the layout.
        QCOMPARE(picker.groups()->parentWidget(), &picker.host);
        QCOMPARE(picker.button(QStringLiteral("homeGroupsRadioButton"))->text(), QStringLiteral("Home Groups"));
        QCOMPARE(picker.button(QStringLiteral("userGroupsRadioButton"))->text(), QStringLiteral("My Groups"));
    }

    void uninstalledControlsGoWithTheWidget()
    {
        auto *widget = new SelectUsersWidget;
        QList<QPointer<QWidget>> controls;
        QList<QLayout *> layouts{widget->getLayout()};
        while (!layouts.isEmpty()) {
            QLayout *layout = layouts.takeFirst();
            for (int index = 0; index < layout->count(); ++index) {
                if (QWidget *control = layout->itemAt(index)->widget())
                    controls.append(control);
                else if (QLayout *nested = layout->itemAt(index)->layout())
                    layouts.append(nested);
            }
        }
        QCOMPARE(controls.size(), 13);

        delete widget;

        for (const QPointer<QWidget> &control : controls)
            QVERIFY(control.isNull());
    }

    void statesAfterSteps_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("states");
        QTest::addColumn<QStringList>("groups");
        QTest::addColumn<QStringList>("unselected");
        QTest::addColumn<QStringList>("selected");

        const QStringList homeGroups{"Alpha", "Beta", "Gamma"};
        const QString dee = QStringLiteral("Dee, Cy");
        const QString fox = QStringLiteral("Fox, Eve");
        const QString hale = QStringLiteral("Hale, Gus J");
        QTest::newRow("home groups listed")
            << QStringList{"init"} << "10010000" << homeGroups << QStringList() << QStringList();
        QTest::newRow("a disabled Include does nothing")
            << QStringList{"init", "include"} << "10010000" << homeGroups << QStringList() << QStringList();
        QTest::newRow("a group selected")
            << QStringList{"init", "groups:Alpha"} << "10110000" << homeGroups << QStringList() << QStringList();
        QTest::newRow("and deselected") << QStringList{"init", "groups:Alpha", "groups:Alpha"} << "10010000"
                                        << homeGroups << QStringList() << QStringList();
        QTest::newRow("a group included") << QStringList{"init", "groups:Alpha", "include"} << "10010100"
                                          << QStringList{"Beta", "Gamma"} << QStringList{dee, fox} << QStringList();
        QTest::newRow("a user selected") << QStringList{"init", "groups:Alpha", "include", "unselected:" + dee}
                                         << "10011100" << QStringList{"Beta", "Gamma"} << QStringList{dee, fox}
                                         << QStringList();
        QTest::newRow("a user added") << QStringList{"init", "groups:Alpha", "include", "unselected:" + dee, "add"}
                                      << "10010101" << QStringList{"Beta", "Gamma"} << QStringList{fox}
                                      << QStringList{dee};
        QTest::newRow("an added user selected")
            << QStringList{"init", "groups:Alpha", "include", "unselected:" + dee, "add", "selected:" + dee}
            << "10010111" << QStringList{"Beta", "Gamma"} << QStringList{fox} << QStringList{dee};
        QTest::newRow("and removed again")
            << QStringList{"init", "groups:Alpha", "include", "unselected:" + dee, "add", "selected:" + dee, "remove"}
            << "10010100" << QStringList{"Beta", "Gamma"} << QStringList{dee, fox} << QStringList();
        QTest::newRow("all groups included, a shared member listed once")
            << QStringList{"init", "includeAll"} << "10000100" << QStringList() << QStringList{dee, fox, hale}
            << QStringList();
        QTest::newRow("all users added") << QStringList{"init", "includeAll", "addAll"} << "10000001" << QStringList()
                                         << QStringList() << QStringList{dee, fox, hale};
        QTest::newRow("all users removed") << QStringList{"init", "includeAll", "addAll", "removeAll"} << "10000100"
                                           << QStringList() << QStringList{dee, fox, hale} << QStringList();
        QTest::newRow("a group whose members are all chosen adds nothing")
            << QStringList{"init", "groups:Beta", "include", "addAll", "groups:Gamma", "include"} << "10010001"
            << QStringList{"Alpha"} << QStringList() << QStringList{fox, hale};
        QTest::newRow("user groups listed") << QStringList{"init", "userGroups"} << "01010000"
                                            << QStringList{"Colleagues", "Friends"} << QStringList() << QStringList();
        QTest::newRow("a user group included, the logged-on user left out")
            << QStringList{"init", "userGroups", "groups:Friends", "include"} << "01010100" << QStringList{"Colleagues"}
            << QStringList{dee, hale} << QStringList();
        QTest::newRow("back to the home groups, the chosen users kept")
            << QStringList{"init", "userGroups", "includeAll", "addAll", "homeGroups"} << "10010001" << homeGroups
            << QStringList() << QStringList{dee, fox, hale};
    }

    void statesAfterSteps()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, states);
        QFETCH(QStringList, groups);
        QFETCH(QStringList, unselected);
        QFETCH(QStringList, selected);
        const Picker picker;

        for (const QString &step : steps)
            QVERIFY2(picker.run(step), qPrintable(step));

        QCOMPARE(picker.states(), states);
        QCOMPARE(groupstest::Texts(picker.groups()), groups);
        QCOMPARE(groupstest::Texts(picker.unselected()), unselected);
        QCOMPARE(groupstest::Texts(picker.selected()), selected);
    }

    // A group of thousands goes through include, add all and remove all in
    // the end state a short group leaves: every user once, in text order,
    // the buttons as after any include or add; a single user added later
    // still takes its place in the order.
    void longGroupsEndInListOrder_data()
    {
        QTest::addColumn<QString>("groupsButton");
        QTest::addColumn<QString>("includedStates");
        QTest::newRow("home group") << "homeGroups"
                                    << "10010101";
        QTest::newRow("user group") << "userGroups"
                                    << "01010101";
    }

    void longGroupsEndInListOrder()
    {
        QFETCH(QString, groupsButton);
        QFETCH(QString, includedStates);
        constexpr int Members = 3000;
        QList<int> memberIds{8};
        QStringList names;
        for (int n = 0; n < Members; ++n) {
            // Names in an order of their own, so that the lists have to sort.
            const QString last = QStringLiteral("M%1").arg((n * 7919) % Members, 4, 10, QLatin1Char('0'));
            m_directory->addUser(GroupDirectory::User(1000 + n, "U", "", last.toStdString()));
            memberIds.append(1000 + n);
            names.append(last + QStringLiteral(", U"));
        }
        m_directory->addHomeGroup(13, "Crowd", memberIds);
        m_directory->addUserGroup(22, "Crowd", memberIds);
        names.sort();
        QStringList chosen = names;
        chosen.prepend(QStringLiteral("Fox, Eve"));
        const Picker picker;
        // Already chosen, so not offered again.
        picker.widget->addUser(GroupDirectory::User(8, "Eve", "", "Fox"));
        picker.widget->init();
        QVERIFY(picker.run(groupsButton));

        QVERIFY(picker.run(QStringLiteral("groups:Crowd")));
        QVERIFY(picker.run(QStringLiteral("include")));
        QCOMPARE(groupstest::Texts(picker.unselected()), names);
        QCOMPARE(picker.states(), includedStates);
        QVERIFY(picker.unselected()->selectedItems().isEmpty());

        QVERIFY(picker.run(QStringLiteral("addAll")));
        QCOMPARE(picker.unselected()->count(), 0);
        QCOMPARE(groupstest::Texts(picker.selected()), chosen);
        QCOMPARE(picker.states().mid(2), QStringLiteral("010001"));

        picker.widget->addUser(GroupDirectory::User(1000, "U", "", "M0000"));
        picker.widget->addUser(GroupDirectory::User(5, "A", "", "M1500"));
        chosen.insert(chosen.indexOf(QStringLiteral("M1500, U")), QStringLiteral("M1500, A"));
        QCOMPARE(groupstest::Texts(picker.selected()), chosen);

        QVERIFY(picker.run(QStringLiteral("removeAll")));
        QCOMPARE(picker.selected()->count(), 0);
        QCOMPARE(groupstest::Texts(picker.unselected()), chosen);
        QCOMPARE(picker.states().mid(2), QStringLiteral("010100"));
    }

    void requestsCarryTheExclusions()
    {
        const Picker picker;
        picker.widget->addExcludedUser(9);
        picker.widget->addExcludedUser(7);
        picker.widget->addExcludedUser(9);
        picker.widget->addExcludedUserGroup(21);

        picker.widget->init();
        QVERIFY(picker.run(QStringLiteral("includeAll")));
        QVERIFY(picker.run(QStringLiteral("userGroups")));
        QVERIFY(picker.run(QStringLiteral("includeAll")));

        const auto keys = Sent<qorv::data::SelectGroupKeyRequest>(*m_server, common::op::SelectGroupKey);
        QCOMPARE(keys.size(), 1);
        QCOMPARE(keys.first().group_key_user_id(), GroupDirectory::SessionUserId);
        const auto homeMembers = Sent<qorv::data::SelectUserRequest>(*m_server, common::op::SelectUser);
        QCOMPARE(homeMembers.size(), 3);
        for (const auto &request : homeMembers)
            QCOMPARE(Ids(request.exclude_user_id()), QList<int>({GroupDirectory::SessionUserId, 7, 9}));
        const auto userGroups = Sent<qorv::data::SelectUserGroupRequest>(*m_server, common::op::SelectUserGroup);
        QCOMPARE(userGroups.size(), 1);
        QCOMPARE(userGroups.first().user_group_user_id(), GroupDirectory::SessionUserId);
        QCOMPARE(Ids(userGroups.first().exclude_group_id()), QList<int>({21}));
        const auto groupMembers =
            Sent<qorv::data::SelectUserGroupUserRequest>(*m_server, common::op::SelectUserGroupUser);
        QCOMPARE(groupMembers.size(), 1);
        QCOMPARE(groupMembers.first().user_group_user_user_group_group_id(), 20);
        QCOMPARE(Ids(groupMembers.first().exclude_user_id()), QList<int>({GroupDirectory::SessionUserId, 7, 9}));
        // Listing the user groups emptied the unselected users, and Friends
        // holds nobody who is neither excluded nor the logged-on user.
        QCOMPARE(groupstest::Texts(picker.unselected()), QStringList());
        QCOMPARE(groupstest::Texts(picker.groups()), QStringList());
    }

    void homeGroupsExcludeOnlyTheirMembers()
    {
        const Picker picker;
        picker.widget->addExcludedUser(7);
        picker.widget->init();
        QVERIFY(picker.run(QStringLiteral("includeAll")));
        QCOMPARE(groupstest::Texts(picker.unselected()), QStringList({"Fox, Eve", "Hale, Gus J"}));
    }

    // An excluded home group is never listed, like an excluded user group;
    // being client-side, the request stays the same. Reset lists the groups
    // again without it.
    void excludedHomeGroupsAreNotListed()
    {
        const Picker picker;
        picker.widget->addExcludedHomeGroup(11);
        picker.widget->addExcludedHomeGroup(99);
        picker.widget->init();
        QCOMPARE(groupstest::Texts(picker.groups()), QStringList({"Alpha", "Gamma"}));
        QCOMPARE(picker.states(), QStringLiteral("10010000"));
        QVERIFY(picker.run(QStringLiteral("includeAll")));
        QCOMPARE(groupstest::Texts(picker.unselected()), QStringList({"Dee, Cy", "Fox, Eve", "Hale, Gus J"}));
        QVERIFY(picker.run(QStringLiteral("userGroups")));
        QCOMPARE(groupstest::Texts(picker.groups()), QStringList({"Colleagues", "Friends"}));

        SelectUsersDialog dialog;
        dialog.addExcludedHomeGroup(10);
        dialog.addExcludedHomeGroup(12);
        dialog.init();
        auto *groups = dialog.findChild<QListWidget *>(QStringLiteral("userGroupsListWidget"));
        QVERIFY(groups);
        QCOMPARE(groupstest::Texts(groups), QStringList({"Beta"}));
        dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Reset)->click();
        QCOMPARE(groupstest::Texts(groups), QStringList({"Beta"}));

        const auto keys = Sent<qorv::data::SelectGroupKeyRequest>(*m_server, common::op::SelectGroupKey);
        QCOMPARE(keys.size(), 3);
        for (const auto &request : keys) {
            QCOMPARE(request.group_key_user_id(), GroupDirectory::SessionUserId);
            QCOMPARE(request.exclude_user_id_size(), 0);
        }
    }

    void preselectedUsersAreNotOfferedAgain()
    {
        const Picker picker;
        QSignalSpy modes(picker.widget, &SelectUsersWidget::setMode);
        picker.widget->addUser(GroupDirectory::User(8, "Eve", "", "Fox"));
        picker.widget->addUser(GroupDirectory::User(8, "Eve", "", "Fox"));
        QCOMPARE(modes.size(), 1);
        QCOMPARE(modes.first().first().toInt(), picker.widget->modeId(SelectUsersWidget::SelectedUsersGrew));

        picker.widget->init();
        QVERIFY(picker.run(QStringLiteral("includeAll")));

        QCOMPARE(groupstest::Texts(picker.unselected()), QStringList({"Dee, Cy", "Hale, Gus J"}));
        QCOMPARE(groupstest::Texts(picker.selected()), QStringList({"Fox, Eve"}));
    }

    void selectedUsersInListOrder()
    {
        const Picker picker;
        QCOMPARE(picker.widget->selectedUsers().user_size(), 0);
        picker.widget->addUser(GroupDirectory::User(9, "Gus", "J", "Hale"));
        picker.widget->addUser(GroupDirectory::User(7, "Cy", "", "Dee"));

        const qorv::data::Users users = picker.widget->selectedUsers();
        QCOMPARE(users.user_size(), 2);
        QCOMPARE(users.user(0).user_id(), 7);
        QCOMPARE(users.user(1).user_id(), 9);
        const QList<QListWidgetItem *> items = picker.widget->selectedItems();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items.at(1)->data(UserRole).value<qorv::data::User>().user_first_name(), "Gus");

        // A name with a "/" is chosen like any other.
        picker.widget->addUser(GroupDirectory::User(8, "Eve", "", "Fox/Hale"));
        QCOMPARE(picker.widget->selectedItems().size(), 3);
        QCOMPARE(picker.widget->selectedUsers().user_size(), 3);
    }

    void failedListings_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("states");
        // A failed home-groups listing leaves the mode alone; a failed
        // user-groups listing still shows My Groups as chosen.
        QTest::newRow("home groups") << "homeGroups"
                                     << "10000000";
        QTest::newRow("user groups") << "userGroups"
                                     << "01010000";
    }

    void failedListings()
    {
        QFETCH(QString, button);
        QFETCH(QString, states);
        const Picker picker;
        m_server->injectFault(TestFault::noAnswer());

        QVERIFY(picker.run(button));

        QCOMPARE(picker.groups()->count(), 0);
        QCOMPARE(picker.states(), states);
    }

    void failedIncludeAddsNothing()
    {
        const Picker picker;
        picker.widget->init();
        QVERIFY(picker.run(QStringLiteral("groups:Alpha")));
        m_server->injectFault(TestFault::noAnswer());

        QVERIFY(picker.run(QStringLiteral("include")));

        QCOMPARE(picker.unselected()->count(), 0);
        QCOMPARE(groupstest::Texts(picker.groups()), QStringList({"Beta", "Gamma"}));
        QCOMPARE(picker.states(), QStringLiteral("10010000"));
    }

    void unknownGroupItemIsDropped()
    {
        const Picker picker;
        picker.widget->init();
        auto *stray = new QListWidgetItem(QStringLiteral("Stray"), picker.groups());
        stray->setSelected(true);
        QVERIFY(picker.run(QStringLiteral("groups:Beta")));
        QTest::ignoreMessage(QtCriticalMsg, "SelectUsersWidget::include: unknown list widget item type!");

        QVERIFY(picker.run(QStringLiteral("include")));

        QCOMPARE(groupstest::Texts(picker.groups()), QStringList({"Alpha", "Gamma"}));
        QCOMPARE(groupstest::Texts(picker.unselected()), QStringList({"Fox, Eve", "Hale, Gus J"}));
    }

    void dialogResetKeepsTheChosenUsers()
    {
        SelectUsersDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Select Users"));
        QCOMPARE(dialog.minimumSize(), QSize(800, 600));
        dialog.addUser(GroupDirectory::User(8, "Eve", "", "Fox"));
        dialog.init();
        auto *groups = dialog.findChild<QListWidget *>(QStringLiteral("userGroupsListWidget"));
        auto *unselected = dialog.findChild<QListWidget *>(QStringLiteral("unselectedUsersListWidget"));
        auto *buttons = dialog.findChild<QDialogButtonBox *>();
        QVERIFY(groups && unselected && buttons);
        QVERIFY(buttons->button(QDialogButtonBox::Ok)->isEnabled());
        QVERIFY(groupstest::Toggle(groups, QStringLiteral("Alpha")));
        dialog.findChild<QPushButton *>(QStringLiteral("includePushButton"))->click();
        QVERIFY(groupstest::Toggle(unselected, QStringLiteral("Dee, Cy")));
        dialog.findChild<QPushButton *>(QStringLiteral("addPushButton"))->click();

        buttons->button(QDialogButtonBox::Reset)->click();

        QCOMPARE(groupstest::Texts(groups), QStringList({"Alpha", "Beta", "Gamma"}));
        QCOMPARE(unselected->count(), 0);
        const qorv::data::Users users = dialog.selectedUsers();
        QCOMPARE(users.user_size(), 2);
        QCOMPARE(users.user(0).user_id(), 7);
        QCOMPARE(users.user(1).user_id(), 8);
        QCOMPARE(Sent<qorv::data::SelectGroupKeyRequest>(*m_server, common::op::SelectGroupKey).size(), 2);
    }

    void dialogAcceptsWithTheChoice_data()
    {
        QTest::addColumn<bool>("pick");
        QTest::addColumn<int>("picked");
        QTest::newRow("somebody") << true << 3;
        // Nobody chosen is a choice too: the message editor empties a field
        // that way.
        QTest::newRow("nobody") << false << 0;
    }

    void dialogAcceptsWithTheChoice()
    {
        QFETCH(bool, pick);
        QFETCH(int, picked);
        SelectUsersDialog dialog;
        dialog.addExcludedUser(GroupDirectory::SessionUserId);
        dialog.init();
        bool okEnabled = false;
        testsupport::DialogAnswerer answerer;
        answerer.expect([pick, &okEnabled](QWidget *shown) {
            if (pick) {
                shown->findChild<QPushButton *>(QStringLiteral("includeAllPushButton"))->click();
                shown->findChild<QPushButton *>(QStringLiteral("addAllPushButton"))->click();
            }
            QPushButton *ok = shown->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
            okEnabled = ok->isEnabled();
            ok->click();
        });

        QCOMPARE(dialog.exec(), int(QDialog::Accepted));

        QVERIFY(okEnabled);
        QCOMPARE(answerer.lastTitle(), QStringLiteral("Select Users"));
        QCOMPARE(dialog.selectedUsers().user_size(), picked);
    }
};

QTEST_MAIN(TestSelectUsers)
#include "tst_selectusers.moc"
