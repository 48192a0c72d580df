#include "builtinzonetable.h"
#include "clienttranslation.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "createdocumentkeyconfirmationwizardpage.h"
#include "createdocumentkeywizard.h"
#include "cryptographer.h"
#include "dialoganswerer.h"
#include "dispatchtotestserver.h"
#include "groupdirectory.h"
#include "itemrole.h"
#include "keypad.h"
#include "pickerhost.h"
#include "scopedclock.h"
#include "scopedcryptographerlockfailure.h"
#include "selectdocumentkeyuserwizardpage.h"
#include "selectpasscodewizardpage.h"
#include "selectrevisionwizardpage.h"
#include "selectsessiondurationwizardpage.h"
#include "selectuserswidget.h"
#include "testenvironment.h"
#include "testserver.h"
#include "timezonedatabase.h"

#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentreply3.pb.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QStateMachine>
#include <QTest>
#include <QTextEdit>
#include <QTimeEdit>

#include <chrono>
#include <memory>

QORV_ISOLATE_TEST_ENVIRONMENT()

using groupstest::GroupDirectory;
using testsupport::ScopedClock;
using testsupport::TestServer;
using testsupport::UtcInstant;

namespace
{
constexpr int DocumentId = 31;
const QString DocumentName = QStringLiteral("Budget 2027");
constexpr int SummaryPage = 11;
constexpr int PasscodePage = 9;

template <class Control>
Control *Find(const QObject *parent, const char *name)
{
    return parent->findChild<Control *>(QLatin1String(name));
}

const Cryptographer &Crypto()
{
    return *CryptographerSingleton::instance();
}

bool Matches(const std::string &stored, const char *digits)
{
    return Crypto().decodePassword(Crypto().hashPassword(digits).value(), stored);
}

// Presses a radio button on its indicator, as the user does.
void Press(QRadioButton *radio)
{
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(4, radio->height() / 2));
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

// Types a passcode on the wizard's passcode page: once with Enter, then the
// second time with Enter only when asked.
void TypePasscodeTwice(QWizard &wizard, QWizardPage *page, const QString &digits, bool confirmWithEnter)
{
    GoTo(wizard, PasscodePage);
    QTRY_VERIFY_WITH_TIMEOUT(page->findChild<QStateMachine *>()->isRunning(), 5000);
    Press(Find<QRadioButton>(page, "passcodeRadioButton"));
    auto *prompt = Find<QLabel>(page, "promptLabel");
    QTRY_COMPARE_WITH_TIMEOUT(prompt->text(), QStringLiteral("Please enter a passcode."), 5000);
    testsupport::TypeOnKeypad(page, digits + QLatin1Char('E'));
    QTRY_COMPARE_WITH_TIMEOUT(prompt->text(), QStringLiteral("Please re-enter the passcode."), 5000);
    testsupport::TypeOnKeypad(page, confirmWithEnter ? digits + QLatin1Char('E') : digits);
    if (confirmWithEnter)
        QTRY_VERIFY_WITH_TIMEOUT(prompt->text().startsWith(QLatin1String("A passcode has been")), 5000);
}

QStringList SelectedNames(const SelectDocumentKeyUserWizardPage *page)
{
    QStringList names;
    for (const QListWidgetItem *item : page->selectedItems())
        names.append(item->text());
    return names;
}
}

// The create-document-key wizard: the key it builds from the pages, its
// summary, and its user page against the test server.
class TestCreateDocumentKeyWizard : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestServer> m_server;
    std::unique_ptr<GroupDirectory> m_directory;

    QList<testsupport::TestRequest> requests(int major) const
    {
        QList<testsupport::TestRequest> found;
        for (const testsupport::TestRequest &request : m_server->requests()) {
            if (request.majorOpcode == major)
                found.append(request);
        }
        return found;
    }

    // Ann Lee (the logged-on user) is in Alpha with Cy Dee and Eve Fox; Beta
    // holds Eve Fox and Gus Hale; Gus Hale already holds a key.
    void holdersOnTheServer(const QList<int> &holders)
    {
        qorv::data::SelectDocumentKeyReply reply;
        for (int holder : holders)
            reply.add_document_key()->mutable_document_key_user()->set_user_id(holder);
        m_server->reply(common::op::SelectDocumentKey, common::tag::Plain, reply.SerializeAsString());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(testsupport::InstallClientTranslation());
        QVERIFY(testsupport::LoadBuiltInZoneTable(*TimeZoneDatabase::instance()));
        QVERIFY(TimeZoneDatabase::instance()->setDefaultTimeZone("Europe/Paris"));
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
        m_directory->install();
    }

    void cleanup()
    {
        m_directory.reset();
        m_server.reset();
    }

    void construction()
    {
        CreateDocumentKeyWizard wizard(DocumentId, DocumentName, nullptr);
        QCOMPARE(wizard.getDocumentId(), DocumentId);
        QCOMPARE(wizard.getDocumentName(), DocumentName);
        QCOMPARE(wizard.pageIds(), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
        QCOMPARE(wizard.page(10), static_cast<QWizardPage *>(wizard.getSelectDocumentKeyUserWizardPage()));
        QCOMPARE(wizard.page(SummaryPage),
                 static_cast<QWizardPage *>(wizard.getCreateDocumentKeyConfirmationWizardPage()));
        QCOMPARE(wizard.windowTitle(), QStringLiteral("Create Document Key Wizard"));
        QCOMPARE(wizard.wizardStyle(), QWizard::ModernStyle);
        QCOMPARE(wizard.minimumSize(), QSize(800, 600));
        QVERIFY(wizard.documentKeys().isEmpty());
    }

    void builtKey_data()
    {
        QTest::addColumn<QVariantMap>("fields");
        QTest::addColumn<QTime>("from");
        QTest::addColumn<QTime>("to");
        QTest::addColumn<unsigned int>("active");
        QTest::addColumn<unsigned int>("permissions");
        QTest::addColumn<QStringList>("hours");
        QTest::addColumn<int>("duration");

        const QStringList none{"00:00:00", "00:00:00", ""};
        const QTime eight(8, 0);
        const QTime five(17, 0);
        QTest::newRow("defaults") << QVariantMap() << eight << five << 0xFFFFFu << 65u << none << 0;
        QTest::newRow("every permission") << QVariantMap{{"permissionUpdateDocument", true},
                                                         {"permissionCopyDocumentContentsFromClipboard", true},
                                                         {"permissionCopyDocumentContentsToClipboard", true},
                                                         {"permissionExportDocumentContentsToTextFile", true},
                                                         {"permissionExportDocumentContentsToPdfFile", true},
                                                         {"permissionPrintDocumentContents", true}}
                                          << eight << five << 0xFFFFFu << 4035u << none << 0;
        QTest::newRow("no permission") << QVariantMap{{"permissionViewDocumentContents", false},
                                                      {"permissionSearchDocumentContents", false}}
                                       << eight << five << 0xFFFFFu << 0u << none << 0;
        QTest::newRow("January to June, Monday to Friday")
            << QVariantMap{{"july", false},     {"august", false},   {"september", false}, {"october", false},
                           {"november", false}, {"december", false}, {"saturday", false},  {"sunday", false}}
            << eight << five << 508031u << 65u << none << 0;
        QTest::newRow("switched off") << QVariantMap{{"active", false}} << eight << five << 0xFFFFEu << 65u << none
                                      << 0;
        QTest::newRow("hours in a region") << QVariantMap{{"restrictedHours", true}} << eight << five << 0xFFFFFu << 65u
                                           << QStringList{"08:00:00", "17:00:00", "Europe/Paris"} << 0;
        QTest::newRow("hours with seconds dropped to the second")
            << QVariantMap{{"restrictedHours", true}} << QTime(6, 30, 15, 500) << QTime(22, 0) << 0xFFFFFu << 65u
            << QStringList{"06:30:15", "22:00:00", "Europe/Paris"} << 0;
        QTest::newRow("start equal to end is no restriction")
            << QVariantMap{{"restrictedHours", true}} << QTime(9, 0) << QTime(9, 0) << 0xFFFFFu << 65u << none << 0;
        QTest::newRow("hours chosen but unrestricted")
            << QVariantMap() << QTime(9, 0) << QTime(10, 0) << 0xFFFFFu << 65u << none << 0;
        QTest::newRow("90 minutes") << QVariantMap{{"restrictedDuration", true}, {"durationSpinBox", 90}} << eight
                                    << five << 0xFFFFFu << 65u << none << 5400;
        QTest::newRow("2 hours") << QVariantMap{{"restrictedDuration", true},
                                                {"durationSpinBox", 2},
                                                {"durationComboBox", 1}}
                                 << eight << five << 0xFFFFFu << 65u << none << 7200;
        QTest::newRow("the longest") << QVariantMap{{"restrictedDuration", true},
                                                    {"durationSpinBox", 28800},
                                                    {"durationComboBox", 1}}
                                     << eight << five << 0xFFFFFu << 65u << none << 103680000;
        QTest::newRow("an amount but unrestricted")
            << QVariantMap{{"durationSpinBox", 90}} << eight << five << 0xFFFFFu << 65u << none << 0;
    }

    void builtKey()
    {
        QFETCH(QVariantMap, fields);
        QFETCH(QTime, from);
        QFETCH(QTime, to);
        QFETCH(unsigned int, active);
        QFETCH(unsigned int, permissions);
        QFETCH(QStringList, hours);
        QFETCH(int, duration);

        CreateDocumentKeyWizard wizard(DocumentId, DocumentName, nullptr);
        Find<QTimeEdit>(&wizard, "toTimeEdit")->setTime(QTime(23, 59));
        Find<QTimeEdit>(&wizard, "fromTimeEdit")->setTime(from);
        Find<QTimeEdit>(&wizard, "toTimeEdit")->setTime(to);
        for (auto field = fields.cbegin(); field != fields.cend(); ++field)
            wizard.setField(field.key(), field.value());
        wizard.getSelectDocumentKeyUserWizardPage()->getSelectUsersWidget()->addUser(
            GroupDirectory::User(7, "Cy", "", "Dee"));

        const QList<qorv::data::DocumentKey> keys = wizard.documentKeys();
        QCOMPARE(keys.size(), 1);
        const qorv::data::DocumentKey &key = keys.first();
        const qorv::data::SecurityDescriptor &descriptor = key.document_key_security_descriptor();
        QCOMPARE(descriptor.active(), active);
        QCOMPARE(descriptor.permissions(), permissions);
        QCOMPARE((QStringList{QString::fromStdString(descriptor.active_from()),
                              QString::fromStdString(descriptor.active_to()),
                              QString::fromStdString(descriptor.active_region())}),
                 hours);
        QCOMPARE(descriptor.session_duration(), duration);
        // Every field is there, also where it holds 0 or nothing.
        QVERIFY(descriptor.has_audits() && descriptor.audits() == 0);
        QVERIFY(descriptor.has_password() && descriptor.password().empty());
        QVERIFY(descriptor.has_expiration_action() && descriptor.expiration_action() == 0);
        QVERIFY(descriptor.has_active_region() && descriptor.has_session_duration());
        QCOMPARE(key.document_key_document_revision(), std::string("9999-12-31 00:00:00"));
        QVERIFY(key.has_document_key_description() && key.document_key_description().empty());
        QVERIFY(key.has_document_key_properties() && key.document_key_properties() == 0);
        QVERIFY(!key.has_document_key_security_descriptor_password_length());
        QCOMPARE(key.document_key_document().document_id(), DocumentId);
        QCOMPARE(key.document_key_document().document_name(), DocumentName.toStdString());
        QCOMPARE(key.document_key_user().user_id(), 7);
        QCOMPARE(key.document_key_user().user_group_id(), 1); // the whole record
        QCOMPARE(key.document_key_owner().user_id(), GroupDirectory::SessionUserId);
        QCOMPARE(key.document_key_owner().user_folder_id(), GroupDirectory::HomeFolderId);
    }

    void expirationIsTheUtcDayOnWhichTheLocalDayBegins()
    {
        ScopedClock clock(UtcInstant(2027, 6, 1, 12));
        CreateDocumentKeyWizard wizard(DocumentId, DocumentName, nullptr);
        Find<QRadioButton>(&wizard, "SelectExpirationDateRadioButton")->setChecked(true);
        Find<QCalendarWidget>(&wizard, "calendarWidget")->setSelectedDate(QDate(2027, 12, 10));
        // East of UTC the local day begins on the UTC day before; at UTC and
        // west of it, on the same day.
        const bool east = QDateTime(QDate(2027, 12, 10), QTime(0, 0)).offsetFromUtc() > 0;
        QCOMPARE(wizard.documentKey().value().document_key_security_descriptor().expiration_date(),
                 std::string(east ? "2027-12-09 00:00:00" : "2027-12-10 00:00:00"));

        wizard.getSelectDocumentKeyUserWizardPage()->getSelectUsersWidget()->addUser(
            GroupDirectory::User(7, "Cy", "", "Dee"));
        GoTo(wizard, SummaryPage);
        QVERIFY(Find<QTextEdit>(&wizard, "summaryTextEdit")
                    ->toPlainText()
                    .contains(QStringLiteral("expiration date will be Friday, December 10, 2027, in 192 days.")));
    }

    void creationDate_data()
    {
        QTest::addColumn<int>("micros");
        QTest::addColumn<QString>("stored");
        QTest::newRow("whole second") << 0 << "2026-12-10 09:15:00";
        QTest::newRow("with microseconds") << 123456 << "2026-12-10 09:15:00.123456";
    }

    void creationDate()
    {
        QFETCH(int, micros);
        QFETCH(QString, stored);
        ScopedClock clock(UtcInstant(2026, 12, 10, 9, 15) + std::chrono::microseconds(micros));
        CreateDocumentKeyWizard wizard(DocumentId, DocumentName, nullptr);
        QCOMPARE(QString::fromStdString(wizard.documentKey().value().document_key_creation_date()), stored);
    }

    void passcode_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<bool>("confirmWithEnter");
        QTest::newRow("none") << false << false;
        QTest::newRow("typed twice, confirmed with Enter") << true << true;
        // The passcode the user typed twice is never dropped.
        QTest::newRow("typed twice, the second time confirmed by Next") << true << false;
    }

    void passcode()
    {
        QFETCH(bool, typed);
        QFETCH(bool, confirmWithEnter);
        CreateDocumentKeyWizard wizard(DocumentId, DocumentName, nullptr);
        if (typed) {
            TypePasscodeTwice(wizard, wizard.getSelectPasscodeWizardPage(), QStringLiteral("4711"), confirmWithEnter);
            if (QTest::currentTestFailed())
                return;
            wizard.next();
            QCOMPARE(wizard.currentId(), PasscodePage + 1);
        }
        const std::string stored = wizard.documentKey().value().document_key_security_descriptor().password();
        if (!typed) {
            QCOMPARE(stored, std::string());
            return;
        }
        QCOMPARE(stored.size(), std::size_t(64));
        QVERIFY(Matches(stored, "4711"));
        QVERIFY(!Matches(stored, "4712"));
        // Salted anew for every key built.
        QVERIFY(wizard.documentKey().value().document_key_security_descriptor().password() != stored);
    }

    void noKeyWithoutItsPasscode()
    {
        // A passcode that cannot be hashed now never becomes a key without
        // one: no key is built at all.
        CreateDocumentKeyWizard wizard(DocumentId, DocumentName, nullptr);
        TypePasscodeTwice(wizard, wizard.getSelectPasscodeWizardPage(), QStringLiteral("4711"), true);
        if (QTest::currentTestFailed())
            return;
        wizard.next();
        const testsupport::ScopedCryptographerLockFailure lockFails;
        QTest::ignoreMessage(QtWarningMsg, "The passcode cannot be hashed now; no key is written without it");
        QVERIFY(!wizard.documentKey().has_value());
    }

    void olderRevision()
    {
        qorv::data::SelectDocumentReply revisions;
        revisions.add_document()->mutable_sys_period()->set_from("2026-03-01 09:15:02.123456");
        m_server->reply(common::op::SelectDocument, common::tag::ListRevisions, revisions.SerializeAsString());
        CreateDocumentKeyWizard wizard(DocumentId, DocumentName, nullptr);
        wizard.getSelectDocumentKeyUserWizardPage()->getSelectUsersWidget()->addUser(
            GroupDirectory::User(7, "Cy", "", "Dee"));
        GoTo(wizard, 1);
        Find<QRadioButton>(&wizard, "previousRevisionRadioButton")->setChecked(true);
        GoTo(wizard, 2);
        wizard.setField(QStringLiteral("permissionPrintDocumentContents"), true);
        GoTo(wizard, SummaryPage);
        const qorv::data::DocumentKey key = wizard.documentKey().value();
        QCOMPARE(key.document_key_document_revision(), std::string("2026-03-01 09:15:02.123456"));
        // Neither updating nor pasting into an older revision.
        QCOMPARE(key.document_key_security_descriptor().permissions(), 65u | (1u << 11));
        // The revision as the list shows it, in the machine's local time.
        const QString shown = wizard.getSelectRevisionWizardPage()->revisionHistoryListWidgetItem()->text();
        QVERIFY(
            Find<QTextEdit>(&wizard, "summaryTextEdit")
                ->toPlainText()
                .startsWith(QStringLiteral("The document key will access revision %1 of the document.").arg(shown)));

        // "Previous" with no revision selected is the current revision.
        wizard.back();
        wizard.getSelectRevisionWizardPage()->findChild<QListWidget *>()->clearSelection();
        wizard.next();
        QCOMPARE(wizard.documentKey().value().document_key_document_revision(), std::string("9999-12-31 00:00:00"));
        QVERIFY(Find<QTextEdit>(&wizard, "summaryTextEdit")
                    ->toPlainText()
                    .startsWith(QStringLiteral("The document key will access the current revision of the document.")));
    }

    void summary()
    {
        ScopedClock clock(UtcInstant(2027, 1, 4, 12));
        CreateDocumentKeyWizard wizard(DocumentId, DocumentName, nullptr);
        SelectUsersWidget *picker = wizard.getSelectDocumentKeyUserWizardPage()->getSelectUsersWidget();
        picker->addUser(GroupDirectory::User(7, "Cy", "", "<i>Dee</i>"));
        picker->addUser(GroupDirectory::User(9, "Gus", "J", "Hale"));
        for (const char *field : {"permissionPrintDocumentContents", "permissionExportDocumentContentsToTextFile",
                                  "restrictedHours", "restrictedDuration"})
            wizard.setField(QLatin1String(field), true);
        for (const char *field : {"february", "march", "april", "may", "june", "july", "august", "september", "october",
                                  "november", "tuesday", "wednesday", "thursday", "friday"})
            wizard.setField(QLatin1String(field), false);
        wizard.setField(QStringLiteral("durationSpinBox"), 90);
        Find<QRadioButton>(&wizard, "OneWeekExpirationDateRadioButton")->setChecked(true);
        GoTo(wizard, SummaryPage);
        QCOMPARE(wizard.currentId(), SummaryPage);

        const QString text = Find<QTextEdit>(&wizard, "summaryTextEdit")->toPlainText();
        const QStringList expected{
            "The document key will access the current revision of the document.",
            "The document key will have the following permissions associated with it: ",
            "Allow the contents of the document to be viewed",
            "Allow the contents of the document to be exported to a text file",
            "Allow the contents of the document to be printed",
            "Allow the contents of the document to be searched",
            "The document key will have an active status.",
            "The document key will be active during the following months:",
            "January",
            "December",
            "The document key will be active on the following days:",
            "Monday",
            "Saturday",
            "Sunday",
            "The document key will be active during the time interval from 8:00 AM to 5:00 PM.",
            "The document key will have a session duration of 90 minutes.",
            "The document key's expiration date will be Monday, January 11, 2027, in 7 days.",
            "The document key will not have a passcode.",
            "A document key with these selections will be created for each of the following users:",
            "<i>Dee</i>, Cy ",
            "Hale, Gus J"};
        const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines, expected);
        QVERIFY(!text.contains(QLatin1String("Update")));

        // Red where the key would be of no use.
        wizard.back();
        for (const char *field : {"permissionViewDocumentContents", "permissionSearchDocumentContents",
                                  "permissionPrintDocumentContents", "permissionExportDocumentContentsToTextFile",
                                  "active", "january", "december", "monday", "saturday", "sunday"})
            wizard.setField(QLatin1String(field), false);
        Find<QRadioButton>(wizard.getSelectSessionDurationWizardPage(), "unrestrictedRadioButton")->setChecked(true);
        wizard.next();
        const QString html = Find<QTextEdit>(&wizard, "summaryTextEdit")->toHtml();
        const QString warnings = Find<QTextEdit>(&wizard, "summaryTextEdit")->toPlainText();
        for (const char *sentence : {"The document key does not have any permissions associated with it.",
                                     "The document key will not have an active status.",
                                     "The document key will not be active during any months.",
                                     "The document key will not be active on any days.",
                                     "The document key will not have a session duration associated with it."})
            QVERIFY2(warnings.contains(QLatin1String(sentence)), sentence);
        QVERIFY(html.contains(QLatin1String("color:#ff0000")));
    }

    void usersWhoHoldAKeyAreNotOffered()
    {
        holdersOnTheServer({9});
        CreateDocumentKeyWizard wizard(DocumentId, DocumentName, nullptr);
        const QList<testsupport::TestRequest> asked = requests(common::op::SelectDocumentKey);
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked.first().minorOpcode, common::tag::Plain);
        qorv::data::SelectDocumentKeyRequest request;
        QVERIFY(request.ParseFromString(asked.first().payload));
        QCOMPARE(request.document_key_document_id(), DocumentId);
        QVERIFY(!request.has_document_key_user_id());

        GoTo(wizard, 10);
        QCOMPARE(wizard.currentId(), 10);
        QWizardPage *page = wizard.currentPage();
        QVERIFY(!wizard.button(QWizard::NextButton)->isEnabled());
        Find<QAbstractButton>(page, "includeAllPushButton")->click();
        QCOMPARE(groupstest::Texts(Find<QListWidget>(page, "unselectedUsersListWidget")),
                 (QStringList{"Dee, Cy", "Fox, Eve"}));
        Find<QAbstractButton>(page, "userGroupsRadioButton")->click();
        Find<QAbstractButton>(page, "homeGroupsRadioButton")->click();
        groupstest::Toggle(Find<QListWidget>(page, "userGroupsListWidget"), QStringLiteral("Beta"));
        Find<QAbstractButton>(page, "includePushButton")->click();
        QCOMPARE(groupstest::Texts(Find<QListWidget>(page, "unselectedUsersListWidget")), QStringList{"Fox, Eve"});
    }

    void threePickedUsersGiveThreeKeys()
    {
        holdersOnTheServer({});
        CreateDocumentKeyWizard wizard(DocumentId, DocumentName, nullptr);
        GoTo(wizard, 10);
        QWizardPage *page = wizard.currentPage();
        QVERIFY(!wizard.button(QWizard::NextButton)->isEnabled());
        auto *unselected = Find<QListWidget>(page, "unselectedUsersListWidget");
        Find<QAbstractButton>(page, "includeAllPushButton")->click();
        QCOMPARE(groupstest::Texts(unselected), (QStringList{"Dee, Cy", "Fox, Eve", "Hale, Gus J"}));
        for (const char *name : {"Hale, Gus J", "Dee, Cy", "Fox, Eve"}) {
            QVERIFY(groupstest::Toggle(unselected, QLatin1String(name)));
            Find<QAbstractButton>(page, "addPushButton")->click();
            QVERIFY(wizard.button(QWizard::NextButton)->isEnabled());
        }
        // The picker keeps its list in name order; the keys follow it.
        QCOMPARE(SelectedNames(wizard.getSelectDocumentKeyUserWizardPage()),
                 (QStringList{"Dee, Cy", "Fox, Eve", "Hale, Gus J"}));

        GoTo(wizard, SummaryPage);
        QCOMPARE(wizard.currentId(), SummaryPage);
        const QList<qorv::data::DocumentKey> keys = wizard.documentKeys();
        QCOMPARE(keys.size(), 3);
        const QList<int> ids{7, 8, 9};
        for (int index = 0; index < 3; ++index) {
            QCOMPARE(keys[index].document_key_user().user_id(), ids[index]);
            QCOMPARE(keys[index].document_key_owner().user_id(), GroupDirectory::SessionUserId);
            // The same key but for its holder.
            qorv::data::DocumentKey same = keys[index];
            *same.mutable_document_key_user() = keys[0].document_key_user();
            QCOMPARE(same.SerializeAsString(), keys[0].SerializeAsString());
        }
        QCOMPARE(keys[2].document_key_user().user_middle_name(), std::string("J"));

        // Removing everybody holds the wizard on the page again.
        GoTo(wizard, SummaryPage);
        wizard.back();
        Find<QAbstractButton>(page, "removeAllPushButton")->click();
        QVERIFY(!wizard.button(QWizard::NextButton)->isEnabled());
    }

    void userPageWithTheServerDown()
    {
        m_server->stop();
        CreateDocumentKeyWizard wizard(DocumentId, DocumentName, nullptr);
        QVERIFY(wizard.getSelectDocumentKeyUserWizardPage()->selectedItems().isEmpty());
        QVERIFY(!wizard.getSelectDocumentKeyUserWizardPage()->isComplete());
        // Users picked before the wizard runs count, whoever they are.
        wizard.getSelectDocumentKeyUserWizardPage()->getSelectUsersWidget()->addUser(
            GroupDirectory::User(9, "Gus", "J", "Hale"));
        QVERIFY(wizard.getSelectDocumentKeyUserWizardPage()->isComplete());
    }
};

QTEST_MAIN(TestCreateDocumentKeyWizard)
#include "tst_createdocumentkeywizard.moc"
