#include "common/majorcode.h"
#include "common/minortag.h"
#include "createfolderkeyconfirmationwizardpage.h"
#include "createfolderkeywizard.h"
#include "cryptographer.h"
#include "dispatchtotestserver.h"
#include "groupdirectory.h"
#include "keypad.h"
#include "keyringbus.h"
#include "keyrules.h"
#include "keystore.h"
#include "pickerhost.h"
#include "scopedclock.h"
#include "scopedcryptographerlockfailure.h"
#include "selectfolderkeypermissionswizardpage.h"
#include "selectfolderkeyuserwizardpage.h"
#include "selectpasscodewizardpage.h"
#include "selectuserswidget.h"
#include "testenvironment.h"
#include "testserver.h"

#include "selectfolderkeyrequest3.pb.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QDateTime>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QStateMachine>
#include <QTest>
#include <QTextEdit>

#include <chrono>
#include <memory>

QORV_ISOLATE_TEST_ENVIRONMENT()

using groupstest::GroupDirectory;
using keystest::KeyringBus;
using keystest::KeyStore;
using testsupport::KeyRules;
using testsupport::ScopedClock;
using testsupport::TestServer;
using testsupport::UtcInstant;

namespace
{
constexpr int FolderId = 51;
const QString FolderName = QStringLiteral("Projects");
constexpr int UserPage = 9;
constexpr int SummaryPage = 10;
constexpr int PasscodePage = 8;

template <class Control>
Control *Find(const QObject *parent, const char *name)
{
    return parent->findChild<Control *>(QLatin1String(name));
}

void GoTo(QWizard &wizard, int id)
{
    if (!wizard.isVisible())
        wizard.show();
    while (wizard.currentId() < id) {
        const int before = wizard.currentId();
        wizard.next();
        if (wizard.currentId() == before)
            return;
    }
}

QString Summary(const QWizard &wizard)
{
    return Find<QTextEdit>(&wizard, "summaryTextEdit")->toPlainText();
}

// Presses a radio button on its indicator, as the user does.
void Press(QRadioButton *radio)
{
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(4, radio->height() / 2));
}
}

// The create-folder-key wizard: the keys it builds from its pages, its
// summary, and its user page against the test server.
class TestCreateFolderKeyWizard : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestServer> m_server;
    std::unique_ptr<GroupDirectory> m_directory;
    std::unique_ptr<KeyStore> m_store;

private slots:
    void initTestCase() { QVERIFY(KeyringBus::setUpLikeTheProgram()); }

    void init()
    {
        m_server = std::make_unique<TestServer>();
        QVERIFY(testsupport::StartAndDispatchTo(*m_server));
        m_directory = std::make_unique<GroupDirectory>(*m_server);
        m_directory->addUser(GroupDirectory::User(7, "Cy", "", "Dee"));
        m_directory->addUser(GroupDirectory::User(8, "Eve", "", "Fox"));
        m_directory->addUser(GroupDirectory::User(9, "Gus", "J", "Hale"));
        m_directory->addHomeGroup(10, "Alpha", {GroupDirectory::SessionUserId, 7, 8, 9});
        m_directory->install();
        m_store = std::make_unique<KeyStore>(*m_server);
        m_store->install();
    }

    void cleanup()
    {
        m_store.reset();
        m_directory.reset();
        m_server.reset();
    }

    void construction()
    {
        CreateFolderKeyWizard wizard(FolderId, FolderName, nullptr);
        QCOMPARE(wizard.getFolderId(), FolderId);
        QCOMPARE(wizard.getFolderName(), FolderName);
        QCOMPARE(wizard.pageIds(), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        QCOMPARE(wizard.page(1), static_cast<QWizardPage *>(wizard.getSelectFolderKeyPermissionsWizardPage()));
        QCOMPARE(wizard.page(UserPage), static_cast<QWizardPage *>(wizard.getSelectFolderKeyUserWizardPage()));
        QCOMPARE(wizard.page(SummaryPage),
                 static_cast<QWizardPage *>(wizard.getCreateFolderKeyConfirmationWizardPage()));
        QCOMPARE(wizard.windowTitle(), QStringLiteral("Create Folder Key Wizard"));
        QCOMPARE(wizard.page(0)->subTitle(),
                 QStringLiteral("This wizard will guide you through the creation of a folder key."));
        QCOMPARE(wizard.page(UserPage)->title(), QStringLiteral("Select User"));
        QCOMPARE(wizard.wizardStyle(), QWizard::ModernStyle);
        QCOMPARE(wizard.minimumSize(), QSize(800, 600));
        QVERIFY(wizard.folderKeys().isEmpty());
    }

    void defaults()
    {
        ScopedClock clock(UtcInstant(2027, 1, 4, 9, 30) + std::chrono::microseconds(250));
        CreateFolderKeyWizard wizard(FolderId, FolderName, nullptr);
        wizard.getSelectFolderKeyUserWizardPage()->getSelectUsersWidget()->addUser(
            GroupDirectory::User(9, "Gus", "J", "Hale"));
        const QList<qorv::data::FolderKey> keys = wizard.folderKeys();
        QCOMPARE(keys.size(), 1);
        const qorv::data::FolderKey &key = keys.first();
        const qorv::data::SecurityDescriptor &descriptor = key.folder_key_security_descriptor();
        QCOMPARE(descriptor.permissions(), 65u);
        QCOMPARE(descriptor.active(), 1048575u);
        QCOMPARE(descriptor.active_from(), std::string("00:00:00"));
        QCOMPARE(descriptor.active_to(), std::string("00:00:00"));
        QVERIFY(descriptor.has_active_region() && descriptor.active_region().empty());
        QVERIFY(descriptor.has_session_duration() && descriptor.session_duration() == 0);
        QVERIFY(descriptor.has_password() && descriptor.password().empty());
        QVERIFY(descriptor.has_audits() && descriptor.audits() == 0);
        QVERIFY(descriptor.has_expiration_action() && descriptor.expiration_action() == 0);
        QVERIFY(key.has_folder_key_description() && key.folder_key_description().empty());
        QVERIFY(key.has_folder_key_properties() && key.folder_key_properties() == 0);
        QCOMPARE(key.folder_key_creation_date(), std::string("2027-01-04 09:30:00.000250"));
        QCOMPARE(key.folder_key_folder().folder_id(), FolderId);
        QCOMPARE(key.folder_key_folder().folder_name(), FolderName.toStdString());
        // The user's id and names only, and no owner.
        qorv::data::User user;
        user.set_user_id(9);
        user.set_user_last_name("Hale");
        user.set_user_first_name("Gus");
        user.set_user_middle_name("J");
        QCOMPARE(key.folder_key_user().SerializeAsString(), user.SerializeAsString());
        QVERIFY(!key.has_folder_key_owner());
        QVERIFY(!key.has_folder_key_security_descriptor_password_length());
    }

    void permissions_data()
    {
        QTest::addColumn<bool>("view");
        QTest::addColumn<bool>("search");
        QTest::addColumn<unsigned int>("permissions");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<bool>("warned");

        const QString viewed = QStringLiteral("Allow the contents of the folder to be viewed");
        const QString searched = QStringLiteral("Allow the contents of the folder to be searched");
        QTest::newRow("both") << true << true << 65u << QStringList{viewed, searched} << false;
        QTest::newRow("view only") << true << false << 1u << QStringList{viewed} << false;
        QTest::newRow("search only") << false << true << 64u << QStringList{searched} << false;
        QTest::newRow("neither") << false << false << 0u << QStringList() << true;
    }

    void permissions()
    {
        QFETCH(bool, view);
        QFETCH(bool, search);
        QFETCH(unsigned int, permissions);
        QFETCH(QStringList, listed);
        QFETCH(bool, warned);
        ScopedClock clock(UtcInstant(2027, 1, 4, 12));
        CreateFolderKeyWizard wizard(FolderId, FolderName, nullptr);
        wizard.getSelectFolderKeyUserWizardPage()->getSelectUsersWidget()->addUser(
            GroupDirectory::User(7, "Cy", "", "Dee"));
        wizard.setField(QStringLiteral("permissionViewFolderContents"), view);
        wizard.setField(QStringLiteral("permissionSearchFolderContents"), search);
        QCOMPARE(wizard.folderKey().value().folder_key_security_descriptor().permissions(), permissions);

        GoTo(wizard, SummaryPage);
        QCOMPARE(wizard.currentId(), SummaryPage);
        const QStringList lines = Summary(wizard).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (warned) {
            QCOMPARE(lines.first(), QStringLiteral("The folder key does not have any permissions associated with it."));
            QVERIFY(Find<QTextEdit>(&wizard, "summaryTextEdit")->toHtml().contains(QLatin1String("color:#ff0000")));
            return;
        }
        QCOMPARE(lines.first().trimmed(),
                 QStringLiteral("The folder key will have the following permissions associated with it:"));
        QCOMPARE(lines.mid(1, listed.size()), listed);
        QCOMPARE(lines.at(1 + listed.size()), QStringLiteral("The folder key will have an active status."));
    }

    void summary()
    {
        ScopedClock clock(UtcInstant(2027, 1, 4, 12));
        CreateFolderKeyWizard wizard(FolderId, FolderName, nullptr);
        SelectUsersWidget *picker = wizard.getSelectFolderKeyUserWizardPage()->getSelectUsersWidget();
        picker->addUser(GroupDirectory::User(7, "Cy", "", "<i>Dee</i>"));
        picker->addUser(GroupDirectory::User(9, "Gus", "J", "Hale"));
        wizard.setField(QStringLiteral("restrictedDuration"), true);
        wizard.setField(QStringLiteral("durationSpinBox"), 2);
        wizard.setField(QStringLiteral("durationComboBox"), 1);
        for (const char *field : {"february", "march", "april", "may", "june", "july", "august", "september", "october",
                                  "november", "tuesday", "wednesday", "thursday", "friday"})
            wizard.setField(QLatin1String(field), false);
        Find<QRadioButton>(&wizard, "OneWeekExpirationDateRadioButton")->setChecked(true);
        GoTo(wizard, SummaryPage);
        QCOMPARE(wizard.currentId(), SummaryPage);
        const QStringList lines = Summary(wizard).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const QStringList expected{"The folder key will have the following permissions associated with it:",
                                   "Allow the contents of the folder to be viewed",
                                   "Allow the contents of the folder to be searched",
                                   "The folder key will have an active status.",
                                   "The folder key will be active during the following months:",
                                   "January",
                                   "December",
                                   "The folder key will be active on the following days:",
                                   "Monday",
                                   "Saturday",
                                   "Sunday",
                                   "The folder key will not be restricted to a time interval during the day.",
                                   "The folder key will have a session duration of 2 hours.",
                                   "The folder key's expiration date will be Monday, January 11, 2027, in 7 days.",
                                   "The folder key will not have a passcode.",
                                   "A folder key with these selections will be created for each of the following "
                                   "users:",
                                   "<i>Dee</i>, Cy ",
                                   "Hale, Gus J"};
        QCOMPARE(lines, expected);
        QCOMPARE(wizard.folderKey().value().folder_key_security_descriptor().session_duration(), 7200);
    }

    void expirationIsTheUtcDayOnWhichTheLocalDayBegins()
    {
        ScopedClock clock(UtcInstant(2027, 6, 1, 12));
        CreateFolderKeyWizard wizard(FolderId, FolderName, nullptr);
        Find<QRadioButton>(&wizard, "SelectExpirationDateRadioButton")->setChecked(true);
        Find<QCalendarWidget>(&wizard, "calendarWidget")->setSelectedDate(QDate(2027, 12, 10));
        const bool east = QDateTime(QDate(2027, 12, 10), QTime(0, 0)).offsetFromUtc() > 0;
        QCOMPARE(wizard.folderKey().value().folder_key_security_descriptor().expiration_date(),
                 std::string(east ? "2027-12-09 00:00:00" : "2027-12-10 00:00:00"));
    }

    void hoursInARegion()
    {
        CreateFolderKeyWizard wizard(FolderId, FolderName, nullptr);
        wizard.setField(QStringLiteral("restrictedHours"), true);
        const qorv::data::SecurityDescriptor descriptor = wizard.folderKey().value().folder_key_security_descriptor();
        QCOMPARE(descriptor.active_from(), std::string("08:00:00"));
        QCOMPARE(descriptor.active_to(), std::string("17:00:00"));
        QCOMPARE(descriptor.active_region(), std::string("Europe/Paris"));
    }

    void passcode()
    {
        CreateFolderKeyWizard wizard(FolderId, FolderName, nullptr);
        QWizardPage *page = wizard.getSelectPasscodeWizardPage();
        GoTo(wizard, PasscodePage);
        QTRY_VERIFY_WITH_TIMEOUT(page->findChild<QStateMachine *>()->isRunning(), 5000);
        Press(Find<QRadioButton>(page, "passcodeRadioButton"));
        auto *prompt = Find<QLabel>(page, "promptLabel");
        QTRY_COMPARE_WITH_TIMEOUT(prompt->text(), QStringLiteral("Please enter a passcode."), 5000);
        testsupport::TypeOnKeypad(page, QStringLiteral("4711E"));
        QTRY_COMPARE_WITH_TIMEOUT(prompt->text(), QStringLiteral("Please re-enter the passcode."), 5000);
        testsupport::TypeOnKeypad(page, QStringLiteral("4711E"));
        QTRY_VERIFY_WITH_TIMEOUT(prompt->text().startsWith(QLatin1String("A passcode has been")), 5000);
        wizard.next();

        const Cryptographer *crypto = CryptographerSingleton::instance();
        const std::string stored = wizard.folderKey().value().folder_key_security_descriptor().password();
        QCOMPARE(stored.size(), std::size_t(64));
        QVERIFY(crypto->decodePassword(crypto->hashPassword("4711").value(), stored));

        // A passcode that cannot be hashed now makes no key at all.
        wizard.getSelectFolderKeyUserWizardPage()->getSelectUsersWidget()->addUser(
            GroupDirectory::User(7, "Cy", "", "Dee"));
        const testsupport::ScopedCryptographerLockFailure lockFails;
        QTest::ignoreMessage(QtWarningMsg, "The passcode cannot be hashed now; no key is written without it");
        QVERIFY(wizard.folderKeys().isEmpty());
    }

    void usersWhoHoldAKeyAreNotOffered()
    {
        m_store->addFolderKey(KeyringBus::FolderKey(
            FolderId, FolderName.toStdString(), GroupDirectory::User(8, "Eve", "", "Fox"),
            GroupDirectory::User(GroupDirectory::SessionUserId, "Ann", "B", "Lee"), KeyRules().descriptor()));
        CreateFolderKeyWizard wizard(FolderId, FolderName, nullptr);
        std::vector<testsupport::TestRequest> asked;
        for (const testsupport::TestRequest &request : m_server->requests()) {
            if (request.majorOpcode == common::op::SelectFolderKey)
                asked.push_back(request);
        }
        QCOMPARE(asked.size(), std::size_t(1));
        QCOMPARE(asked.front().minorOpcode, common::tag::Plain);
        qorv::data::SelectFolderKeyRequest expected;
        expected.set_folder_key_folder_id(FolderId);
        QCOMPARE(asked.front().payload, expected.SerializeAsString());

        GoTo(wizard, UserPage);
        QCOMPARE(wizard.currentId(), UserPage);
        QWizardPage *page = wizard.currentPage();
        QVERIFY(!wizard.button(QWizard::NextButton)->isEnabled());
        Find<QAbstractButton>(page, "includeAllPushButton")->click();
        auto *unselected = Find<QListWidget>(page, "unselectedUsersListWidget");
        QCOMPARE(groupstest::Texts(unselected), (QStringList{"Dee, Cy", "Hale, Gus J"}));

        // Two picked users: two keys that differ only in their user.
        for (const char *name : {"Dee, Cy", "Hale, Gus J"}) {
            QVERIFY(groupstest::Toggle(unselected, QLatin1String(name)));
            Find<QAbstractButton>(page, "addPushButton")->click();
        }
        QVERIFY(wizard.button(QWizard::NextButton)->isEnabled());
        const QList<qorv::data::FolderKey> keys = wizard.folderKeys();
        QCOMPARE(keys.size(), 2);
        QCOMPARE(keys[0].folder_key_user().user_id(), 7);
        QCOMPARE(keys[1].folder_key_user().user_id(), 9);
        qorv::data::FolderKey same = keys[1];
        *same.mutable_folder_key_user() = keys[0].folder_key_user();
        QCOMPARE(same.SerializeAsString(), keys[0].SerializeAsString());
    }

    void userPageWithTheServerDown()
    {
        m_server->stop();
        CreateFolderKeyWizard wizard(FolderId, FolderName, nullptr);
        QVERIFY(!wizard.getSelectFolderKeyUserWizardPage()->isComplete());
        wizard.getSelectFolderKeyUserWizardPage()->getSelectUsersWidget()->addUser(
            GroupDirectory::User(8, "Eve", "", "Fox"));
        QVERIFY(wizard.getSelectFolderKeyUserWizardPage()->isComplete());
    }
};

QTEST_MAIN(TestCreateFolderKeyWizard)
#include "tst_createfolderkeywizard.moc"
