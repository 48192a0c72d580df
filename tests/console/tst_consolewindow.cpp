#include "common/majorcode.h"
#include "common/minortag.h"
#include "consoletestsupport.h"
#include "consoleview.h"
#include "dialoganswerer.h"
#include "registry.h"
#include "restoredocumentwizard.h"
#include "scopedclock.h"
#include "settings.h"
#include "testenvironment.h"

#include "authenticateuserreply3.pb.h"
#include "insertdocumentrequest3.pb.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>
#include <QWizard>
#include <QtTest>

#include <unistd.h>

#include <limits>
#include <tuple>

QORV_ISOLATE_TEST_ENVIRONMENT()

using Request = std::tuple<int, int, std::string>;

namespace
{
// Mode ids are handed out in registration order: logged off first.
constexpr int LoggedOff = 0;
constexpr int LoggedOn = 1;

const QColor Grey(211, 211, 211);
const QColor White(255, 255, 255);

QString HostName()
{
    char buffer[1024] = {};
    ::gethostname(buffer, sizeof buffer - 1);
    return QString::fromLocal8Bit(buffer);
}

QMenu *Menu(const ConsoleView &console, const QString &title)
{
    for (QAction *action : console.menuBar()->actions()) {
        if (action->text() == title)
            return action->menu();
    }
    return nullptr;
}

QTextEdit *LogView(const ConsoleView &console)
{
    return qobject_cast<QTextEdit *>(console.centralWidget());
}

// Logs the requests a console sends, instead of a bus.
class RequestLog : public QObject
{
public:
    explicit RequestLog(ConsoleView *console)
    {
        connect(console, &AbstractMainWindow::deliverRequest, this,
                [this](common::Opcode major, common::Opcode minor, const std::string &payload) {
                    requests.append(Request(major, minor, payload));
                });
    }
    QList<Request> requests;
};

void SendAuditLine(ConsoleView &console, const std::string &line, common::Evcode major = -32)
{
    console.receiveEvent(major, 7, line);
}
}

class TestConsoleWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(consoletest::SetUpLikeTheProgram()); }

    void init() { RegistrySingleton::instance()->clear(); }

    void startsLoggedOffWithItsGreeting()
    {
        ConsoleView console;
        QCOMPARE(console.getMode(), LoggedOff);
        QCOMPARE(console.windowTitle(), QStringLiteral("Console"));
        QVERIFY(!console.windowIcon().isNull());
        QCOMPARE(console.statusBar()->currentMessage(), QStringLiteral("Log on to access your account."));
        QCOMPARE(console.objectName(), QStringLiteral("ConsoleView"));
        QVERIFY(console.testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(LogView(console));
        QVERIFY(LogView(console)->isReadOnly());
        QCOMPARE(LogView(console)->lineWrapMode(), QTextEdit::NoWrap);
        QCOMPARE(LogView(console)->palette().color(QPalette::Base), Grey);
        QVERIFY(!consoletest::FindAction(&console, QStringLiteral("View Log"))->isChecked());
    }

    // A status tip clears the bar when the pointer leaves its action; while
    // logged off the greeting comes back, once logged on it does not.
    void greetingComesBackAfterAStatusTip()
    {
        ConsoleView console;
        console.show();
        QVERIFY(QTest::qWaitForWindowExposed(&console));
        const QString greeting = QStringLiteral("Log on to access your account.");
        QStatusTipEvent tip(QStringLiteral("Log on to the server."));
        QCoreApplication::sendEvent(&console, &tip);
        QCOMPARE(console.statusBar()->currentMessage(), QStringLiteral("Log on to the server."));
        QStatusTipEvent cleared{QString()};
        QCoreApplication::sendEvent(&console, &cleared);
        QCOMPARE(console.statusBar()->currentMessage(), greeting);

        console.statusBar()->showMessage(QStringLiteral("User name not found."), 1);
        QTRY_COMPARE(console.statusBar()->currentMessage(), greeting);

        console.setMode(LoggedOn);
        QCoreApplication::sendEvent(&console, &tip);
        QCoreApplication::sendEvent(&console, &cleared);
        QCOMPARE(console.statusBar()->currentMessage(), QString());
    }

    void menusHoldTheirCommandsInOrder_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("File") << "File" << QStringList({"Log on...", "Log off...", "---", "New >"});
        QTest::newRow("New") << "New"
                             << QStringList({"My User Groups...", "---", "Message Browser...", "Document Browser...",
                                             "---", "My Document Keyring...", "My Folder Keyring..."});
        QTest::newRow("Edit") << "Edit" << QStringList({"Network settings...", "Picture Directories..."});
        QTest::newRow("View") << "View" << QStringList({"View Log"});
        QTest::newRow("Tools") << "Tools"
                               << QStringList({"Restore Document...", "---", "Reset Password...", "---", "Options"});
        QTest::newRow("Help") << "Help" << QStringList({"About Quillane..."});
    }

    void menusHoldTheirCommandsInOrder()
    {
        QFETCH(QString, menu);
        QFETCH(QStringList, entries);
        ConsoleView console;
        QCOMPARE(consoletest::Entries(console.menuBar()->actions()),
                 QStringList({"File >", "Edit >", "View >", "Tools >", "Help >"}));
        const QMenu *found = menu == QLatin1String("New") ? Menu(console, QStringLiteral("File"))->findChild<QMenu *>()
                                                          : Menu(console, menu);
        QVERIFY(found);
        QCOMPARE(consoletest::Entries(found), entries);
    }

    void toolBarHoldsTheCommandsInOrder()
    {
        ConsoleView console;
        const auto *toolBar = console.findChild<QToolBar *>(QStringLiteral("StandardToolBar"));
        QVERIFY(toolBar);
        QCOMPARE(console.toolBarArea(toolBar), Qt::TopToolBarArea);
        QCOMPARE(consoletest::Entries(toolBar),
                 QStringList({"Log on...", "Log off...", "---", "Network settings...", "---", "View Log", "---",
                              "My User Groups...", "---", "Message Browser...", "Document Browser...", "---",
                              "My Document Keyring...", "My Folder Keyring...", "---", "Restore Document...", "---",
                              "Reset Password...", "---"}));
    }

    void actionsAreEnabledByMode_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("loggedOff");
        QTest::addColumn<bool>("loggedOn");
        QTest::newRow("log on") << "Log on..." << true << false;
        QTest::newRow("log off") << "Log off..." << false << true;
        QTest::newRow("network settings") << "Network settings..." << true << false;
        QTest::newRow("view log") << "View Log" << false << true;
        QTest::newRow("new submenu") << "New" << false << true;
        QTest::newRow("user groups") << "My User Groups..." << false << true;
        QTest::newRow("message browser") << "Message Browser..." << false << true;
        QTest::newRow("document browser") << "Document Browser..." << false << true;
        QTest::newRow("document keys") << "My Document Keyring..." << false << true;
        QTest::newRow("folder keys") << "My Folder Keyring..." << false << true;
        QTest::newRow("picture directories") << "Picture Directories..." << false << true;
        QTest::newRow("restore document") << "Restore Document..." << false << true;
        QTest::newRow("reset password") << "Reset Password..." << false << true;
        QTest::newRow("options") << "Options" << false << true;
        QTest::newRow("about") << "About Quillane..." << true << true;
    }

    void actionsAreEnabledByMode()
    {
        QFETCH(QString, action);
        QFETCH(bool, loggedOff);
        QFETCH(bool, loggedOn);
        ConsoleView console;
        QAction *found = consoletest::FindAction(&console, action);
        QVERIFY(found);
        QCOMPARE(found->isEnabled(), loggedOff);
        console.setMode(LoggedOn);
        QCOMPARE(found->isEnabled(), loggedOn);
        console.setMode(LoggedOff);
        QCOMPARE(found->isEnabled(), loggedOff);
    }

    void actionsCarryTheirTips_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("statusTip");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<bool>("icon");
        QTest::newRow("log on") << "Log on..."
                                << "Log on to access your account."
                                << "Log On<p><small>Log on to access your account.</small></p>" << true;
        QTest::newRow("log off") << "Log off..."
                                 << "Log off to end your session."
                                 << "Log Off<p><small>Log off to end your session.</small></p>" << true;
        QTest::newRow("network settings")
            << "Network settings..."
            << "Configure your network settings."
            << "Network Settings<p><small>Configure your network settings.</small></p>" << true;
        QTest::newRow("view log") << "View Log"
                                  << "View the event log."
                                  << "View Log<p><small>View the event log.</small></p>" << true;
        QTest::newRow("user groups")
            << "My User Groups..."
            << "Create a window to view and edit your user groups."
            << "User Groups<p><small>Create a window to view and edit your user groups.</small></p>" << true;
        QTest::newRow("document keys")
            << "My Document Keyring..."
            << "Create a window to view document keys created for you by other users."
            << "My Document Keyring<p><small>Create a window to view document keys created for you by "
               "others.</small></p>"
            << true;
        QTest::newRow("picture directories")
            << "Picture Directories..."
            << "Edit the directories that are searched for pictures when displaying content."
            << "Picture Directories" << true;
        QTest::newRow("options") << "Options"
                                 << ""
                                 << "Options" << false;
    }

    void actionsCarryTheirTips()
    {
        QFETCH(QString, action);
        QFETCH(QString, statusTip);
        QFETCH(QString, toolTip);
        QFETCH(bool, icon);
        ConsoleView console;
        const QAction *found = consoletest::FindAction(&console, action);
        QVERIFY(found);
        QCOMPARE(found->statusTip(), statusTip);
        // Without a tool tip of its own an action shows its text.
        QCOMPARE(found->toolTip(), toolTip);
        QCOMPARE(!found->icon().isNull(), icon);
        if (icon)
            QVERIFY(found->isIconVisibleInMenu());
    }

    void optionsIsThePreferencesEntry()
    {
        ConsoleView console;
        QCOMPARE(consoletest::FindAction(&console, QStringLiteral("Options"))->menuRole(), QAction::PreferencesRole);
    }

    void launchersSendTheirRequests_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("major");
        QTest::newRow("user groups") << "My User Groups..." << common::op::OpenUserGroupBrowser;
        QTest::newRow("message browser") << "Message Browser..." << common::op::OpenMessageBrowser;
        QTest::newRow("document browser") << "Document Browser..." << common::op::OpenDocumentBrowser;
        QTest::newRow("document keys") << "My Document Keyring..." << common::op::OpenDocumentKeys;
        QTest::newRow("folder keys") << "My Folder Keyring..." << common::op::OpenFolderKeys;
    }

    void launchersSendTheirRequests()
    {
        QFETCH(QString, action);
        QFETCH(int, major);
        ConsoleView console;
        RequestLog log(&console);
        console.setMode(LoggedOn);
        QAction *launcher = consoletest::FindAction(&console, action);
        launcher->trigger();
        // Each use asks again: whether another window opens is not the console's to decide.
        launcher->trigger();
        QCOMPARE(log.requests,
                 QList<Request>({Request(major, common::tag::Plain, ""), Request(major, common::tag::Plain, "")}));
    }

    void logViewShowsAuditLinesOnlyWhileSwitchedOn()
    {
        testsupport::SetTimeZone("UTC0");
        testsupport::ScopedClock clock(testsupport::UtcInstant(2025, 12, 3, 9, 5, 7));
        ConsoleView console;
        console.setMode(LoggedOn);
        QAction *viewLog = consoletest::FindAction(&console, QStringLiteral("View Log"));
        QTextEdit *log = LogView(console);

        SendAuditLine(console, "lost while switched off");
        QVERIFY(log->toPlainText().isEmpty());

        viewLog->setChecked(true);
        QCOMPARE(log->palette().color(QPalette::Base), White);
        SendAuditLine(console, "CEF:0|first");
        SendAuditLine(console, std::string());
        SendAuditLine(console, "not an audit event", -3);
        SendAuditLine(console, "CEF:0|second");
        const QString prefix = QStringLiteral("Dec 03 09:05:07 ") + HostName() + QLatin1Char(' ');
        QCOMPARE(log->toPlainText(), prefix + "CEF:0|first\n" + prefix + "CEF:0|second");

        viewLog->setChecked(false);
        QCOMPARE(log->palette().color(QPalette::Base), Grey);
        QVERIFY(log->toPlainText().isEmpty());
        viewLog->setChecked(true);
        QVERIFY(log->toPlainText().isEmpty());
    }

    void failuresAreRedAndTheRestIsText_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("red");
        QTest::newRow("two failures") << "a outcome=failure b outcome=failure" << 2;
        QTest::newRow("success") << "a outcome=success" << 0;
        QTest::newRow("other case") << "a outcome=Failure" << 0;
        QTest::newRow("cut short") << "a outcome=failur" << 0;
        QTest::newRow("markup in the line") << "<b>name</b> & <font color=\"red\">x</font> outcome=failure" << 1;
        QTest::newRow("an entity") << "name=&lt;b&gt;" << 0;
    }

    void failuresAreRedAndTheRestIsText()
    {
        QFETCH(QString, line);
        QFETCH(int, red);
        ConsoleView console;
        console.setMode(LoggedOn);
        consoletest::FindAction(&console, QStringLiteral("View Log"))->setChecked(true);
        SendAuditLine(console, line.toStdString());
        const QTextEdit *log = LogView(console);
        QVERIFY(log->toPlainText().endsWith(QLatin1Char(' ') + line));
        int redFragments = 0;
        for (QTextBlock block = log->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (fragment.charFormat().foreground().color() == QColor(Qt::red)) {
                    QCOMPARE(fragment.text(), QStringLiteral("outcome=failure"));
                    ++redFragments;
                }
            }
        }
        QCOMPARE(redFragments, red);
    }

    void logViewIsSwitchedOffByTheModeButKeepsItsState()
    {
        ConsoleView console;
        console.setMode(LoggedOn);
        QAction *viewLog = consoletest::FindAction(&console, QStringLiteral("View Log"));
        viewLog->setChecked(true);
        console.setMode(LoggedOff);
        QVERIFY(!viewLog->isEnabled());
        QVERIFY(viewLog->isChecked());
    }

    void closingWhileLoggedOffDoesNotAsk()
    {
        auto *console = new ConsoleView;
        QPointer<ConsoleView> alive(console);
        console->show();
        QVERIFY(QTest::qWaitForWindowExposed(console));
        testsupport::DialogAnswerer answerer;
        QVERIFY(console->close());
        QVERIFY(answerer.sawNoDialog());
        QTRY_VERIFY(!alive);
    }

    void closingWhileLoggedOnAsksAndNoKeepsItOpen()
    {
        auto *console = new ConsoleView;
        QPointer<ConsoleView> alive(console);
        RequestLog log(console);
        console->show();
        QVERIFY(QTest::qWaitForWindowExposed(console));
        console->setMode(LoggedOn);
        console->setWindowTitle(QStringLiteral("Console [Ann Lee @ srv]"));
        RegistrySingleton::instance()->getUser().set_user_id(42);

        testsupport::DialogAnswerer answerer;
        answerer.expect(QMessageBox::No);
        QVERIFY(!console->close());
        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.seen().at(0).title, QStringLiteral("Console [Ann Lee @ srv]"));
        QCOMPARE(answerer.seen().at(0).text, QStringLiteral("Do you want to log off and exit the application?"));
        QVERIFY(console->isVisible());
        QCOMPARE(console->getMode(), LoggedOn);
        QVERIFY(log.requests.isEmpty());
        QCOMPARE(RegistrySingleton::instance()->getUser().user_id(), 42);

        answerer.expect(QMessageBox::Yes);
        QVERIFY(console->close());
        QVERIFY(answerer.waitForAll());
        QCOMPARE(log.requests, QList<Request>({Request(common::op::TerminateUserSession, common::tag::Plain, "")}));
        QCOMPARE(RegistrySingleton::instance()->getUser().has_user_id(), false);
        QTRY_VERIFY(!alive);
    }

    void logOffQuestionDefaultsToNo()
    {
        ConsoleView console;
        console.setMode(LoggedOn);
        testsupport::DialogAnswerer answerer;
        bool defaultIsNo = false;
        QMessageBox::Icon icon = QMessageBox::Critical;
        answerer.expect([&](QWidget *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            defaultIsNo = box->defaultButton() == box->button(QMessageBox::No);
            icon = box->icon();
            box->button(QMessageBox::No)->click();
        });
        QVERIFY(!console.logOff());
        QVERIFY(answerer.waitForAll());
        QVERIFY(defaultIsNo);
        QCOMPARE(icon, QMessageBox::NoIcon);
    }

    void unreadableLogOnReplyIsNamedInTheCaption()
    {
        ConsoleView console;
        console.receiveReply(common::op::AuthenticateUser, common::tag::Plain, std::string(), 0, 0,
                             std::string("\xff\xff\xff", 3));
        QCOMPARE(console.windowTitle(), QStringLiteral("Cannot parse reply."));
        QCOMPARE(console.getMode(), LoggedOff);
    }

    void logOnReplyWithErrorCodesNeverLogsOn()
    {
        qorv::data::AuthenticateUserReply accepted;
        accepted.set_user_name_found(true);
        accepted.set_user_password_decoded(true);
        accepted.set_user_session_inserted(true);
        ConsoleView console;
        testsupport::DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);
        console.receiveReply(common::op::AuthenticateUser, common::tag::Plain, std::string(), 4, 0,
                             accepted.SerializeAsString());
        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.seen().at(0).title, QStringLiteral("Authenticate User"));
        QCOMPARE(console.getMode(), LoggedOff);
        QCOMPARE(console.windowTitle(), QStringLiteral("Console"));
    }

    void otherRepliesAreNotTheConsoles()
    {
        ConsoleView console;
        testsupport::DialogAnswerer answerer;
        console.receiveReply(common::op::SelectDocument, common::tag::Plain, std::string(), -1, 1, std::string());
        console.receiveReply(common::op::TerminateUserSession, common::tag::Plain, std::string(), 3, 0, std::string());
        QVERIFY(answerer.sawNoDialog());
        QCOMPARE(console.windowTitle(), QStringLiteral("Console"));
    }

    void pictureDirectoriesShowTheHomeDirectoryButNeverStoreIt()
    {
        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Pictures")));
        qputenv("HOME", home.path().toLocal8Bit());
        const QString homePictures = Settings().getHomePictureDirectory();
        QCOMPARE(homePictures, home.path() + QStringLiteral("/Pictures"));
        Settings().setPictureDirectories({"/srv/a", "/srv/b"});

        ConsoleView console;
        console.setMode(LoggedOn);
        testsupport::DialogAnswerer answerer;
        QStringList shown;
        bool homeLocked = false;
        answerer.expect([&](QWidget *dialog) {
            auto *list = dialog->findChild<QListWidget *>();
            for (int row = 0; row < list->count(); ++row)
                shown.append(list->item(row)->text());
            homeLocked = list->item(0)->flags() == Qt::NoItemFlags;
            new QListWidgetItem(QStringLiteral("/srv/c"), list);
            new QListWidgetItem(homePictures, list);
            qobject_cast<QDialog *>(dialog)->accept();
        });
        consoletest::FindAction(&console, QStringLiteral("Picture Directories..."))->trigger();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(shown, QStringList({homePictures, "/srv/a", "/srv/b"}));
        QVERIFY(homeLocked);
        QCOMPARE(Settings().getPictureDirectories(), QStringList({"/srv/a", "/srv/b", "/srv/c"}));
        QCOMPARE(QDir::searchPaths(QStringLiteral("pictures")),
                 QStringList({homePictures, "/srv/a", "/srv/b", "/srv/c"}));

        // Cancelled: nothing is stored, but the search path is applied afresh.
        QDir::setSearchPaths(QStringLiteral("pictures"), {});
        answerer.expect([](QWidget *dialog) {
            new QListWidgetItem(QStringLiteral("/srv/d"), dialog->findChild<QListWidget *>());
            qobject_cast<QDialog *>(dialog)->reject();
        });
        consoletest::FindAction(&console, QStringLiteral("Picture Directories..."))->trigger();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(Settings().getPictureDirectories(), QStringList({"/srv/a", "/srv/b", "/srv/c"}));
        QCOMPARE(QDir::searchPaths(QStringLiteral("pictures")),
                 QStringList({homePictures, "/srv/a", "/srv/b", "/srv/c"}));
    }

    void restoredDocumentGoesToTheChosenFolderAsANewDocument()
    {
        RegistrySingleton::instance()->getUser().set_user_id(42);
        ConsoleView console;
        RequestLog log(&console);
        console.setMode(LoggedOn);

        qorv::data::Document revision;
        revision.set_document_id(7);
        revision.set_document_user_id(9);
        revision.set_document_folder_id(3);
        revision.set_document_name("Minutes");
        revision.set_document_body("<p>text</p>");
        testsupport::DialogAnswerer answerer;
        answerer.expect([](QWidget *dialog) { qobject_cast<QDialog *>(dialog)->reject(); });
        QWidget *parent = nullptr;
        answerer.expect([&](QWidget *dialog) {
            auto *wizard = qobject_cast<RestoreDocumentWizard *>(dialog);
            parent = dialog->parentWidget();
            if (wizard) {
                wizard->setDocument(revision);
                wizard->setDocumentFolderId(77);
            }
            qobject_cast<QDialog *>(dialog)->accept();
        });
        console.restoreDocument();
        QVERIFY(log.requests.isEmpty());
        console.restoreDocument();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(parent, &console);

        QCOMPARE(log.requests.size(), 1);
        QCOMPARE(std::get<0>(log.requests.at(0)), 22);
        QCOMPARE(std::get<1>(log.requests.at(0)), -51);
        qorv::data::InsertDocumentRequest sent;
        QVERIFY(sent.ParseFromString(std::get<2>(log.requests.at(0))));
        QCOMPARE(sent.document().document_id(), std::numeric_limits<int>::min());
        QCOMPARE(sent.document().document_user_id(), 42);
        QCOMPARE(sent.document().document_folder_id(), 77);
        QCOMPARE(sent.document().document_name(), std::string("Minutes"));
        QCOMPARE(sent.document().document_body(), std::string("<p>text</p>"));
    }

    void restoreWizardCancelledSendsNothing()
    {
        RegistrySingleton::instance()->getUser().set_user_id(42);
        ConsoleView console;
        RequestLog log(&console);
        console.setMode(LoggedOn);
        testsupport::DialogAnswerer answerer;
        bool introduced = false;
        answerer.expect([&introduced](QWidget *dialog) {
            auto *wizard = qobject_cast<QWizard *>(dialog);
            // It opens on its introduction, which offers no Finish.
            introduced = wizard && wizard->currentId() == 0 && !wizard->button(QWizard::FinishButton)->isVisible();
            qobject_cast<QDialog *>(dialog)->reject();
        });
        console.restoreDocument();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.seen().at(0).className, QStringLiteral("RestoreDocumentWizard"));
        QVERIFY(introduced);
        QVERIFY(log.requests.isEmpty());
    }

    void resetPasswordRunsTheWizardAndSendsNothing()
    {
        ConsoleView console;
        RequestLog log(&console);
        console.setMode(LoggedOn);
        testsupport::DialogAnswerer answerer;
        QWidget *parent = nullptr;
        answerer.expect([&](QWidget *dialog) {
            parent = dialog->parentWidget();
            qobject_cast<QDialog *>(dialog)->reject();
        });
        consoletest::FindAction(&console, QStringLiteral("Reset Password..."))->trigger();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.seen().at(0).className, QStringLiteral("ResetPasswordWizard"));
        QCOMPARE(parent, &console);
        QVERIFY(log.requests.isEmpty());
    }
};

QTEST_MAIN(TestConsoleWindow)
#include "tst_consolewindow.moc"
