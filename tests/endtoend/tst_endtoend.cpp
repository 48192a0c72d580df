#include "clientprogram.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "demoserver.h"
#include "screenshot.h"
#include "xdotool.h"

#include "insertdocumentkeyrequest3.pb.h"
#include "insertmessagerequest3.pb.h"
#include "insertmessageuserrequest3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserrequest3.pb.h"
#include "selectuserrequest3.pb.h"
#include "updatedocumentrequest3.pb.h"
#include "updatemessagerequest3.pb.h"

#include <QtTest>

#include <algorithm>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace
{
// Generous: the program is sanitized and the machine may be busy.
constexpr int WaitMs = 30000;
// The program's own limit on a reply that makes no progress, and how long
// after it its failure box may take to come up on a busy machine.
constexpr int InactivityTimeoutMs = 30000;
constexpr int StalledDeadlineMs = 45000;
// How long a step whose reply the hostile server spoilt may take to show a
// failure box before it counts as failing silently and is tried again.
constexpr int SettleMs = 3000;
// Seeds whose schedules spoil selects, opens and saves alike, so that the
// run meets failure boxes, silent failures and successes.
constexpr std::uint32_t HostileLogOnSeed = 2501;
constexpr std::uint32_t HostileSeed = 2503;
constexpr std::uint32_t HostileKeySeed = 2505;
constexpr std::uint32_t HostileMessageSeed = 2511;
// Tries of one step against the hostile server before the test gives up.
constexpr int Attempts = 10;
// The first title of every window's menu bar; the others are reached from it
// with the arrow keys, so their widths never matter.
const QPoint FirstMenuTitle(18, 8);
// "Home Folder", the first row of the document browser's side pane.
const QPoint HomeFolderRow(72, 71);
// "Home Groups", the row below it.
const QPoint HomeGroupsRow(72, 97);
// The rows of the document browser's main pane: among the members of Staff
// "Hart, Bob J" is second; among his keys to Ann the folder comes first.
const QPoint MainPaneFirstRow(322, 71);
const QPoint MainPaneSecondRow(322, 97);
// In the folder key's search dialog, from its corner.
const QPoint SearchSubfoldersBox(491, 55);
const QPoint FirstCriterionValue(470, 116);
const QPoint SearchButton(588, 491);
// In the message reader, from its corner.
const QPoint ReplyButton(56, 60);
// "Messages", the first row of the message browser's side pane.
const QPoint MessagesRow(72, 71);
// In the message editor, from its corner.
const QPoint ToButton(139, 43);
const QPoint SendButton(52, 70);
const QPoint MessageBody(354, 297);
// In the user picker the editor opens, from the picker's corner.
const QPoint PickerIncludeAll(204, 530);
const QPoint PickerFirstUnselectedUser(400, 50);
const QPoint PickerAdd(335, 530);
const QPoint PickerOk(665, 576);
// The first row of the message browser's main pane.
const QPoint FirstMessageRow(333, 85);
// In the restore wizard, from its corner: the first deleted document and the
// first of its revisions.
const QPoint FirstDeletedDocument(89, 203);
const QPoint FirstDeletedRevision(940, 183);
// The first row of the document editor's revision history, from its corner.
const QPoint FirstRevision(93, 90);
// In the message search dialog, from its corner.
const QPoint MessageCriterionValue(467, 103);
const QPoint MessageSearchButton(588, 478);
// On the user page of the key wizard, from the wizard's corner.
const QPoint HomeGroupsRadio(28, 79);
const QPoint IncludeAllButton(208, 528);
const QPoint FirstUnselectedUser(400, 110);
const QPoint AddButton(335, 528);
const QPoint NextButton(661, 577);
// The introduction, revision, permissions and seven rule pages.
constexpr int WizardPagesBeforeUsers = 10;
constexpr int WelcomeDocumentId = 200;
constexpr int SharedWithAnnFolderId = 112;
constexpr int AnnsReplyId = 4;
constexpr int BobsLastMessageId = 5;
constexpr unsigned int UnreadBit = 1;
const QString ReplyText = QStringLiteral("Thank you, Bob: the budget is approved.");
constexpr int AnnUserId = 42;
constexpr int BobUserId = 43;
constexpr int BobMessageFolderId = 111;
const QString SampleUser = QStringLiteral("ann");
const QString SamplePassword = QStringLiteral("quillane");
const QString Down = QStringLiteral("Down");
const QString Return = QStringLiteral("Return");
const QString Escape = QStringLiteral("Escape");
const QString Up = QStringLiteral("Up");
const QString Right = QStringLiteral("Right");
const QString Tab = QStringLiteral("Tab");
constexpr int PlanDocumentId = 201;
} // namespace

// The real program on a real X server, driven with the keyboard and the mouse
// as a user drives it, against the stand-alone test server with the sample
// data. Every step is checked by what the server received and kept as a
// picture of the screen beside the test program.
class TestEndToEnd : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<demoserver::DemoServer> m_server;
    XDoTool m_xdo{WaitMs};
    // What the hostile server did, line by line; written on its thread.
    std::mutex m_spoiltMutex;
    std::vector<std::string> m_spoilt;

    testsupport::TestServer &server() { return m_server->server(); }

    bool shoot(const QString &name)
    {
        const testsupport::Screenshot screenshot(name);
        return screenshot.isSaved();
    }

    // Whether the server received a request of this opcode (and, when given,
    // this minor opcode) after the first `from` ones, and that request's
    // payload.
    bool received(std::size_t from, int majorOpcode, std::optional<int> minorOpcode = std::nullopt,
                  std::string *payload = nullptr)
    {
        const std::vector<testsupport::TestRequest> requests = server().requests();
        for (std::size_t index = from; index < requests.size(); ++index) {
            if (requests[index].majorOpcode == majorOpcode && requests[index].authentic
                && (!minorOpcode || requests[index].minorOpcode == *minorOpcode)) {
                if (payload)
                    *payload = requests[index].payload;
                return true;
            }
        }
        return false;
    }

    // The document body of the first save received after the first `from`
    // requests.
    QString savedBody(std::size_t from)
    {
        std::string payload;
        qorv::data::UpdateDocumentRequest request;
        if (!received(from, common::op::UpdateDocument, std::nullopt, &payload) || !request.ParseFromString(payload))
            return QString();
        return QString::fromStdString(request.document().document_body());
    }

    // Every request of this opcode received after the first `from` ones,
    // parsed, and what `pick` takes of each; an unreadable one is left out.
    template <class Request, class Pick>
    auto parsedRequests(std::size_t from, int majorOpcode, Pick pick)
    {
        std::vector<std::decay_t<decltype(pick(Request()))>> picked;
        const std::vector<testsupport::TestRequest> requests = server().requests();
        for (std::size_t index = from; index < requests.size(); ++index) {
            Request request;
            if (requests[index].majorOpcode == majorOpcode && requests[index].authentic
                && request.ParseFromString(requests[index].payload))
                picked.push_back(pick(request));
        }
        return picked;
    }

    // Opens the window's menu that is `menu` places right of the first one
    // and walks it with the keys.
    bool chooseFromMenu(const QString &window, int menu, const QStringList &keys)
    {
        if (!m_xdo.focus(window) || !m_xdo.click(window, FirstMenuTitle))
            return false;
        QStringList walk;
        for (int step = 0; step < menu; ++step)
            walk << QStringLiteral("Right");
        return m_xdo.key(walk + keys);
    }

    // A window that comes up with the same name as another one (a message
    // box titled after its window).
    QString waitForWindowBesides(const QString &namePattern, const QString &other)
    {
        QString found;
        (void)QTest::qWaitFor(
            [&] {
                for (const QString &window : m_xdo.windows(namePattern)) {
                    if (window != other)
                        found = window;
                }
                return !found.isEmpty();
            },
            WaitMs);
        return found;
    }

    // The first visible window matching the pattern, polled for up to
    // `timeoutMs`: xdotool's own wait ends with the tool's deadline.
    QString pollForWindow(const QString &namePattern, int timeoutMs)
    {
        QString found;
        (void)QTest::qWaitFor(
            [&] {
                found = m_xdo.windows(namePattern).value(0);
                return !found.isEmpty();
            },
            timeoutMs);
        return found;
    }

    // A visible window of the program other than the known ones: one of its
    // boxes.
    QString boxBesides(ClientProgram &client, const QStringList &known)
    {
        for (const QString &window : m_xdo.windowsOf(client.processId())) {
            if (!known.contains(window))
                return window;
        }
        return QString();
    }

    // Answers a box with its default button; true once it is gone.
    bool answer(ClientProgram &client, const QString &box)
    {
        return m_xdo.focus(box) && m_xdo.key({Return})
               && QTest::qWaitFor([&] { return !m_xdo.windowsOf(client.processId()).contains(box); }, WaitMs);
    }

    enum class Outcome
    {
        Done,
        FailureBox,
        Silence,
        Broken
    };

    // One try of a step against the hostile server. It ends in success, in the
    // program's failure box (answered), or in silence: a reply spoilt after its
    // header gets no answer from the program at all. A box must come within the
    // program's own waits, and the program must live through all of it.
    Outcome attempt(ClientProgram &client, const QStringList &known, const QString &name,
                    const std::function<bool()> &act, const std::function<bool()> &done)
    {
        const std::size_t spoiltBefore = spoiltReplies();
        // A try may stop half-way when a box takes the keyboard; the box is
        // answered below.
        act();
        QElapsedTimer waited;
        waited.start();
        QString box;
        const bool settled = QTest::qWaitFor(
            [&] {
                if (done())
                    return true;
                box = boxBesides(client, known);
                return !box.isEmpty() || (spoiltReplies() > spoiltBefore && waited.elapsed() > SettleMs);
            },
            WaitMs);
        if (!client.isRunning() || client.sanitizerReported()) {
            qWarning("%s: the program ended or its sanitizer spoke:\n%s", qPrintable(name),
                     client.errors().constData());
            return Outcome::Broken;
        }
        if (done())
            return Outcome::Done;
        if (!settled) {
            qWarning("%s: neither done nor a failure box in time", qPrintable(name));
            shoot(QStringLiteral("hostile-%1-stuck").arg(name));
            return Outcome::Broken;
        }
        if (box.isEmpty())
            return Outcome::Silence;
        if (!shoot(QStringLiteral("hostile-%1-failed").arg(name)) || !answer(client, box)) {
            qWarning("%s: its box did not go with Return", qPrintable(name));
            return Outcome::Broken;
        }
        return Outcome::FailureBox;
    }

    // Tries a step against the hostile server until it goes through.
    bool persist(ClientProgram &client, const QStringList &known, const QString &name, const std::function<bool()> &act,
                 const std::function<bool()> &done)
    {
        for (int tried = 0; tried < Attempts; ++tried) {
            // A step whose box came up before its window (a look-up the window
            // makes while it opens) went through once the box was answered.
            if (done())
                return true;
            switch (attempt(client, known, name, act, done)) {
            case Outcome::Done:
                return true;
            case Outcome::Broken:
                return false;
            case Outcome::FailureBox:
            case Outcome::Silence:
                break;
            }
        }
        qWarning("%s: did not go through in %d tries", qPrintable(name), Attempts);
        return false;
    }

    // Tries a step that opens a window until the window is up; its id (and
    // it joins the known windows), or nothing when the step never went through.
    QString persistUntilWindow(ClientProgram &client, QStringList &known, const QString &name,
                               const std::function<bool()> &act, const QString &namePattern)
    {
        QString window;
        const bool opened = persist(client, known, name, act, [&] {
            window = m_xdo.windows(namePattern).value(0);
            return !window.isEmpty();
        });
        if (!opened)
            return QString();
        known << window;
        return window;
    }

    // About every other reply spoilt, the log-on spared or not.
    static testsupport::HostileSchedule::Options HalfSpoilt(bool spareLogOn)
    {
        testsupport::HostileSchedule::Options options;
        options.rate = 0.5;
        options.spareLogOn = spareLogOn;
        return options;
    }

    std::size_t spoiltReplies()
    {
        const std::lock_guard<std::mutex> lock(m_spoiltMutex);
        return m_spoilt.size();
    }

    // Whether a request of this opcode came after the first `from` ones and
    // no reply to one was spoilt since the first `spoiltBefore` spoilt
    // replies: the server records a request only once it has picked what to
    // do with its reply, so a sound answer is known as soon as the request is.
    bool answeredSoundly(std::size_t from, std::size_t spoiltBefore, int majorOpcode)
    {
        if (!received(from, majorOpcode))
            return false;
        // Each line starts with the opcodes of the request: "(41, -38) ...".
        const std::string opcode = "(" + std::to_string(majorOpcode) + ",";
        const std::lock_guard<std::mutex> lock(m_spoiltMutex);
        return std::none_of(m_spoilt.begin() + std::ptrdiff_t(std::min(spoiltBefore, m_spoilt.size())), m_spoilt.end(),
                            [&](const std::string &line) { return line.compare(0, opcode.size(), opcode) == 0; });
    }

    // Answers the boxes of the program that come up within the settle time,
    // as a failed step may raise more than one.
    bool answerLateBoxes(ClientProgram &client, const QStringList &known)
    {
        for (int box = 0; box < Attempts; ++box) {
            QString late;
            if (!QTest::qWaitFor(
                    [&] {
                        late = boxBesides(client, known);
                        return !late.isEmpty();
                    },
                    SettleMs))
                return true;
            if (!shoot(QStringLiteral("hostile-late-box")) || !answer(client, late))
                return false;
        }
        return false;
    }

    // File > Log on..., the user's name and password, and the console's
    // caption naming the user once the server accepted them.
    QString logOn(const QString &userName)
    {
        const QString console = m_xdo.waitForWindow(QStringLiteral("^Console$"));
        if (console.isEmpty())
            return QString();
        // A console that has just come up on a busy machine may not take the
        // first click yet; Escape closes whatever a lost try left open.
        QString dialog;
        for (int tried = 0; tried < 3 && dialog.isEmpty(); ++tried) {
            if ((tried > 0 && !m_xdo.key({QStringLiteral("Escape")})) || !chooseFromMenu(console, 0, {Down, Return}))
                return QString();
            dialog = pollForWindow(QStringLiteral("^Log On$"), WaitMs / 3);
        }
        if (dialog.isEmpty() || !m_xdo.focus(dialog) || !m_xdo.type(userName) || !m_xdo.key({QStringLiteral("Tab")})
            || !m_xdo.type(SamplePassword))
            return QString();
        // The first Return leaves the password for the button, the second presses
        // it.
        if (!shoot(QStringLiteral("logon-dialog")) || !m_xdo.key({Return, Return}))
            return QString();
        if (m_xdo.waitForWindow(QStringLiteral("^Console \\[")).isEmpty())
            return QString();
        return console;
    }

    // The program started against the server and logged on as the user: its
    // console, or nothing when either failed.
    QString startAndLogOn(ClientProgram &client, const QString &userName)
    {
        return client.start(m_server->port()) ? logOn(userName) : QString();
    }

    // File > New > Document Browser...
    bool chooseDocumentBrowser(const QString &console)
    {
        return chooseFromMenu(console, 0, {Down, Down, QStringLiteral("Right"), Down, Down, Return});
    }

    // The home folder, and in it the document "Welcome", selected.
    bool selectWelcome(const QString &browser)
    {
        const std::size_t before = server().requests().size();
        if (!m_xdo.focus(browser) || !m_xdo.click(browser, HomeFolderRow))
            return false;
        if (!QTest::qWaitFor([&] { return received(before, common::op::SelectDocument); }, WaitMs))
            return false;
        // The main pane next; typing a name's first letter selects it there.
        return m_xdo.key({QStringLiteral("Tab")}) && m_xdo.type(QStringLiteral("W"))
               && shoot(QStringLiteral("document-browser"));
    }

    // "Welcome" selected and opened with Return.
    bool chooseWelcome(const QString &browser) { return selectWelcome(browser) && m_xdo.key({Return}); }

    // The document browser, then "Welcome" opened from it: its editor.
    QString openWelcome(const QString &console)
    {
        if (!chooseDocumentBrowser(console))
            return QString();
        const QString browser = m_xdo.waitForWindow(QStringLiteral("^Document Browser"));
        if (browser.isEmpty() || !chooseWelcome(browser))
            return QString();
        return m_xdo.waitForWindow(QStringLiteral("^Welcome \\["));
    }

    // Types at the end of the text; the caption marks the document changed.
    bool typeAtEnd(const QString &editor, const QString &text)
    {
        return m_xdo.focus(editor) && m_xdo.key({QStringLiteral("ctrl+End")}) && m_xdo.type(text)
               && !m_xdo.waitForWindow(QStringLiteral("^Welcome\\* \\[")).isEmpty();
    }

    // File > New > Message Browser..., and in it "Messages", the root of the
    // side pane: the user's own messages and the copies received.
    QString openMessages(const QString &console)
    {
        if (!chooseFromMenu(console, 0, {Down, Down, QStringLiteral("Right"), Down, Return}))
            return QString();
        const QString browser = m_xdo.waitForWindow(QStringLiteral("^Message Browser"));
        const std::size_t before = server().requests().size();
        if (browser.isEmpty() || !m_xdo.focus(browser) || !m_xdo.click(browser, MessagesRow)
            || !QTest::qWaitFor([&] { return received(before, common::op::SelectMessageUser); }, WaitMs))
            return QString();
        return browser;
    }

    bool save(const QString &editor) { return chooseFromMenu(editor, 0, {Down, Return}); }

    // To... in the message editor: the home group's members come in; bob,
    // first by last name, goes to the selected users, and his recipient row
    // is stored.
    bool pickBob(const QString &editor)
    {
        if (!m_xdo.focus(editor) || !m_xdo.click(editor, ToButton))
            return false;
        const QString picker = m_xdo.waitForWindow(QStringLiteral("^Select Users$"));
        const std::size_t before = server().requests().size();
        if (picker.isEmpty() || !m_xdo.click(picker, PickerIncludeAll)
            || !QTest::qWaitFor([&] { return received(before, common::op::SelectUser); }, WaitMs)
            || !m_xdo.click(picker, PickerFirstUnselectedUser) || !m_xdo.click(picker, PickerAdd)
            || !shoot(QStringLiteral("message-recipient-picked")) || !m_xdo.click(picker, PickerOk))
            return false;
        return QTest::qWaitFor([&] { return received(before, common::op::InsertMessageUser); }, WaitMs);
    }

    // Edit > the document's keyring, for the selected document: the last
    // command the selection enables.
    bool chooseKeyring(const QString &browser) { return chooseFromMenu(browser, 1, {QStringLiteral("Up"), Return}); }

    // The keyring's first command: a new key, with the wizard.
    bool chooseNewKey(const QString &keyring) { return chooseFromMenu(keyring, 0, {Down, Return}); }

    // Next through the introduction, the revision, the permissions and the
    // rule pages of the key wizard, each left as it comes.
    bool skipToKeyUsers(const QString &wizard)
    {
        QStringList nexts;
        for (int page = 0; page < WizardPagesBeforeUsers; ++page)
            nexts << Return;
        return m_xdo.focus(wizard) && m_xdo.key(nexts);
    }

    // On the user page, the home group's members in: bob (first by last name)
    // to the selected users, then on to the confirmation and finished.
    bool finishKeyForBob(const QString &wizard, const QString &shotPrefix)
    {
        if (!m_xdo.click(wizard, FirstUnselectedUser) || !m_xdo.click(wizard, AddButton)
            || !shoot(shotPrefix + QStringLiteral("key-wizard-users")))
            return false;
        // Clicked: Return would press the picker's button that has the focus.
        return m_xdo.click(wizard, NextButton) && shoot(shotPrefix + QStringLiteral("key-wizard-confirmation"))
               && m_xdo.key({Return});
    }

    // The inserts of a key on "Welcome" for bob received after the first
    // `from` requests.
    std::size_t keyInsertsForBob(std::size_t from)
    {
        const std::vector<std::pair<int, int>> inserts = parsedRequests<qorv::data::InsertDocumentKeyRequest>(
            from, common::op::InsertDocumentKey, [](const auto &request) {
                return std::make_pair(request.document_key().document_key_document().document_id(),
                                      request.document_key().document_key_user().user_id());
            });
        return std::count(inserts.begin(), inserts.end(), std::make_pair(WelcomeDocumentId, BobUserId));
    }

    // The keys on "Welcome" the server holds for bob.
    int bobsWelcomeKeys() const
    {
        const QList<qorv::data::DocumentKey> keys = m_server->keys().documentKeys(WelcomeDocumentId);
        return int(std::count_if(keys.begin(), keys.end(), [](const qorv::data::DocumentKey &key) {
            return key.document_key_user().user_id() == BobUserId;
        }));
    }

    // The program's window that comes up besides the known ones, which it
    // joins.
    QString waitForNewWindow(ClientProgram &client, QStringList &known)
    {
        QString window;
        (void)QTest::qWaitFor(
            [&] {
                window = boxBesides(client, known);
                return !window.isEmpty();
            },
            WaitMs);
        if (!window.isEmpty())
            known << window;
        return window;
    }

    // File > Log off..., answered Yes: the program ends.
    bool logOff(ClientProgram &client, const QString &console)
    {
        if (!chooseFromMenu(console, 0, {Down, Return}))
            return false;
        const QString question = waitForWindowBesides(QStringLiteral("^Console \\["), console);
        if (question.isEmpty() || !shoot(QStringLiteral("logoff-question")) || !m_xdo.focus(question)
            || !m_xdo.key({QStringLiteral("y")}))
            return false;
        if (client.waitForExit(WaitMs) && client.exitStatus() == QProcess::NormalExit && client.exitCode() == 0)
            return true;
        qWarning("the program did not end cleanly (running %d, exit code %d):\n%s", int(client.isRunning()),
                 client.exitCode(), client.errors().constData());
        return false;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty(), "xdotool is not installed");
    }

    // A server of its own for each run: what one run stores (a key, a
    // message) does not change what the next one finds.
    void init()
    {
        QString error;
        m_server =
            demoserver::DemoServer::fromSampleFile(QStringLiteral(QORV_SAMPLE_DATA), QORV_FIXTURE_KEY_DIR, &error);
        QVERIFY2(m_server, qPrintable(error));
        m_server->setFaultLog([this](const std::string &line) {
            const std::lock_guard<std::mutex> lock(m_spoiltMutex);
            m_spoilt.push_back(line);
            qInfo("hostile server: %s", line.c_str());
        });
        QVERIFY(m_server->start(0));
        const std::lock_guard<std::mutex> lock(m_spoiltMutex);
        m_spoilt.clear();
    }

    void cleanup() { m_server.reset(); }

    // Log on, open the document browser and a document, edit it, save it, log
    // off.
    void editAndSaveADocument()
    {
        ClientProgram client;
        const QString console = startAndLogOn(client, SampleUser);
        QVERIFY2(!console.isEmpty(), "the log-on did not go through");
        QVERIFY(received(0, common::op::AuthenticateUser));
        QVERIFY(shoot(QStringLiteral("logged-on")));

        const QString editor = openWelcome(console);
        QVERIFY2(!editor.isEmpty(), "the document did not open");
        const QString edit = QStringLiteral(" Edited end to end.");
        QVERIFY(typeAtEnd(editor, edit));
        QVERIFY(shoot(QStringLiteral("document-edited")));

        const std::size_t before = server().requests().size();
        QVERIFY(save(editor));
        QTRY_VERIFY_WITH_TIMEOUT(savedBody(before).contains(QStringLiteral("Welcome to the Quillane Client.") + edit),
                                 WaitMs);
        // Stored: the caption no longer marks the document changed.
        QVERIFY(!m_xdo.waitForWindow(QStringLiteral("^Welcome \\[")).isEmpty());
        QVERIFY(shoot(QStringLiteral("document-saved")));

        const std::size_t beforeLogOff = server().requests().size();
        QVERIFY(logOff(client, console));
        QVERIFY(received(beforeLogOff, common::op::TerminateUserSession));
        QVERIFY2(!client.sanitizerReported(), client.errors().constData());
    }

    // A save that fails on the way back: the program stays up, says so, keeps
    // the edits on screen, and the next save stores them.
    void failedSaveKeepsTheEdits()
    {
        ClientProgram client;
        const QString console = startAndLogOn(client, SampleUser);
        QVERIFY2(!console.isEmpty(), "the log-on did not go through");
        const QString editor = openWelcome(console);
        QVERIFY2(!editor.isEmpty(), "the document did not open");

        // The stalled server holds the connection open in silence: the program
        // gives up after its inactivity time-out, and no later.
        const struct
        {
            const char *name;
            testsupport::TestFault fault;
            int earliestMs;
            int deadlineMs;
        } faults[] = {{"wrong-tag", testsupport::TestFault::wrongTag(), 0, WaitMs},
                      {"no-answer", testsupport::TestFault::noAnswer(), 0, WaitMs},
                      {"truncated", testsupport::TestFault::closeAfterBytes(40), 0, WaitMs},
                      {"stalled", testsupport::TestFault::stallAfterBytes(0), InactivityTimeoutMs, StalledDeadlineMs}};
        QString typed;
        for (const auto &[name, fault, earliestMs, deadlineMs] : faults) {
            const QString edit = QStringLiteral(" Kept through %1.").arg(QLatin1String(name));
            QVERIFY(typeAtEnd(editor, edit));
            typed += edit;
            const std::size_t before = server().requests().size();
            server().injectFault(fault);
            QElapsedTimer waited;
            waited.start();
            QVERIFY(save(editor));
            // "DocumentNotSaved", titled with the program's name; OK closes it.
            const QString box = pollForWindow(QStringLiteral("^QuillaneClient$"), deadlineMs);
            QVERIFY2(!box.isEmpty(), name);
            QVERIFY2(waited.elapsed() >= earliestMs, name);
            QVERIFY(received(before, common::op::UpdateDocument));
            QVERIFY(shoot(QStringLiteral("save-failed-%1").arg(QLatin1String(name))));
            QVERIFY(answer(client, box));
            QVERIFY2(client.isRunning(), name);
            // Still changed, still on screen.
            QVERIFY(m_xdo.hasWindow(QStringLiteral("^Welcome\\* \\[")));
            QVERIFY(shoot(QStringLiteral("edits-kept-%1").arg(QLatin1String(name))));
        }

        const std::size_t before = server().requests().size();
        QVERIFY(save(editor));
        QTRY_VERIFY_WITH_TIMEOUT(savedBody(before).contains(typed), WaitMs);
        QVERIFY(!m_xdo.waitForWindow(QStringLiteral("^Welcome \\[")).isEmpty());
        QVERIFY(shoot(QStringLiteral("saved-after-failures")));
        QVERIFY(logOff(client, console));
        QVERIFY2(!client.sanitizerReported(), client.errors().constData());
    }

    // Against a server that spoils about every other reply at random (fixed
    // seeds, so a failing run repeats): each step of the log-on, browse, open,
    // edit and save path either goes through or ends in the program's failure
    // box, and nothing typed is lost: once the server behaves again, a save
    // carries every character.
    void hostileServerLosesNothing()
    {
        ClientProgram client;
        m_server->setHostile(HostileLogOnSeed, HalfSpoilt(true));
        const QString console = startAndLogOn(client, SampleUser);
        QVERIFY2(!console.isEmpty(), "the log-on did not go through");
        QStringList known{console};

        m_server->setHostile(HostileSeed, HalfSpoilt(false));
        const QString browser = persistUntilWindow(
            client, known, QStringLiteral("browse"), [&] { return chooseDocumentBrowser(console); },
            QStringLiteral("^Document Browser"));
        QVERIFY(!browser.isEmpty());
        const QString editor = persistUntilWindow(
            client, known, QStringLiteral("open"), [&] { return chooseWelcome(browser); },
            QStringLiteral("^Welcome \\["));
        QVERIFY(!editor.isEmpty());

        // Every save either stores the text or says it did not; in both the
        // edits stay on screen.
        QString typed;
        for (int round = 1; round <= 3; ++round) {
            const QString edit = QStringLiteral(" Hostile round %1.").arg(round);
            QVERIFY(typeAtEnd(editor, edit));
            typed += edit;
            const Outcome outcome = attempt(
                client, known, QStringLiteral("save-%1").arg(round), [&] { return save(editor); },
                [&] { return m_xdo.hasWindow(QStringLiteral("^Welcome \\[")); });
            QVERIFY(outcome != Outcome::Broken);
            if (outcome != Outcome::Done)
                QVERIFY(m_xdo.hasWindow(QStringLiteral("^Welcome\\* \\[")));
        }

        m_server->setHostile(std::nullopt);
        const QString last = QStringLiteral(" Server sound again.");
        QVERIFY(typeAtEnd(editor, last));
        typed += last;
        const std::size_t before = server().requests().size();
        QVERIFY(save(editor));
        QTRY_VERIFY_WITH_TIMEOUT(savedBody(before).contains(typed), WaitMs);
        QVERIFY(!m_xdo.waitForWindow(QStringLiteral("^Welcome \\[")).isEmpty());
        QVERIFY(shoot(QStringLiteral("hostile-saved")));
        qInfo("the hostile server spoilt %zu replies", spoiltReplies());
        QVERIFY(logOff(client, console));
        QVERIFY2(!client.sanitizerReported(), client.errors().constData());
    }

    // As ann, the keyring of "Welcome" from the document browser, and a new
    // key for bob made with the wizard.
    void createADocumentKeyForAnotherUser()
    {
        ClientProgram client;
        const QString console = startAndLogOn(client, SampleUser);
        QVERIFY2(!console.isEmpty(), "the log-on did not go through");
        QVERIFY(chooseDocumentBrowser(console));
        const QString browser = m_xdo.waitForWindow(QStringLiteral("^Document Browser"));
        QVERIFY(!browser.isEmpty());
        QVERIFY(selectWelcome(browser));
        QVERIFY(chooseKeyring(browser));
        const QString keyring = m_xdo.waitForWindow(QStringLiteral("^Welcome Document Keyring"));
        QVERIFY2(!keyring.isEmpty(), "the keyring did not open");
        QVERIFY(shoot(QStringLiteral("document-keyring")));
        QVERIFY(chooseNewKey(keyring));
        const QString wizard = m_xdo.waitForWindow(QStringLiteral("^Create Document Key Wizard$"));
        QVERIFY(!wizard.isEmpty());
        QVERIFY(shoot(QStringLiteral("key-wizard-introduction")));
        QVERIFY(skipToKeyUsers(wizard));
        // The user page: the home group's members come in.
        const std::size_t before = server().requests().size();
        QVERIFY(m_xdo.click(wizard, IncludeAllButton));
        QTRY_VERIFY_WITH_TIMEOUT(received(before, common::op::SelectUser), WaitMs);
        QVERIFY(finishKeyForBob(wizard, QString()));

        std::string payload;
        QTRY_VERIFY_WITH_TIMEOUT(received(before, common::op::InsertDocumentKey, std::nullopt, &payload), WaitMs);
        qorv::data::InsertDocumentKeyRequest request;
        QVERIFY(request.ParseFromString(payload));
        QCOMPARE(request.document_key().document_key_document().document_id(), WelcomeDocumentId);
        QCOMPARE(request.document_key().document_key_user().user_id(), BobUserId);
        QCOMPARE(request.document_key().document_key_owner().user_id(), AnnUserId);
        // Bob's key only: cy stayed among the unselected users.
        std::size_t inserts = 0;
        const std::vector<testsupport::TestRequest> requests = server().requests();
        for (std::size_t index = before; index < requests.size(); ++index)
            inserts += requests[index].majorOpcode == common::op::InsertDocumentKey;
        QCOMPARE(inserts, std::size_t{1});
        QTRY_VERIFY_WITH_TIMEOUT(!m_xdo.hasWindow(QStringLiteral("^Create Document Key Wizard$")), WaitMs);
        QVERIFY(shoot(QStringLiteral("document-key-created")));
        QVERIFY(logOff(client, console));
        QVERIFY2(!client.sanitizerReported(), client.errors().constData());
    }

    // The keyring and the key wizard against a server that spoils about every
    // other reply: each step goes through or ends in the program's box within
    // its own waits, and once the server behaves again bob holds exactly one
    // key, whether the wizard finished while replies were spoilt (the server
    // stores a key before it spoils the reply) or had to be gone through anew.
    void hostileServerMakesOneKey()
    {
        ClientProgram client;
        m_server->setHostile(HostileKeySeed, HalfSpoilt(true));
        const QString console = startAndLogOn(client, SampleUser);
        QVERIFY2(!console.isEmpty(), "the log-on did not go through");
        QStringList known{console};

        const QString browser = persistUntilWindow(
            client, known, QStringLiteral("browse"), [&] { return chooseDocumentBrowser(console); },
            QStringLiteral("^Document Browser"));
        QVERIFY(!browser.isEmpty());
        std::size_t from = std::numeric_limits<std::size_t>::max();
        std::size_t spoiltBefore = 0;
        const auto mark = [&] {
            from = server().requests().size();
            spoiltBefore = spoiltReplies();
        };
        // The home folder's documents listed, or the keyring command stays
        // disabled and the menu offers another one. Another row first, as a
        // click on the selected row lists nothing anew.
        QVERIFY(persist(
            client, known, QStringLiteral("key-documents"),
            [&] {
                mark();
                return m_xdo.focus(browser) && m_xdo.click(browser, HomeGroupsRow)
                       && m_xdo.click(browser, HomeFolderRow);
            },
            [&] { return answeredSoundly(from, spoiltBefore, common::op::SelectDocument); }));
        QVERIFY(m_xdo.focus(browser) && m_xdo.key({QStringLiteral("Tab")}) && m_xdo.type(QStringLiteral("W")));
        const QString keyring = persistUntilWindow(
            client, known, QStringLiteral("keyring"), [&] { return chooseKeyring(browser); },
            QStringLiteral("^Welcome Document Keyring"));
        QVERIFY(!keyring.isEmpty());
        QString wizard = persistUntilWindow(
            client, known, QStringLiteral("key-wizard"), [&] { return chooseNewKey(keyring); },
            QStringLiteral("^Create Document Key Wizard$"));
        QVERIFY(!wizard.isEmpty());
        QVERIFY(skipToKeyUsers(wizard));
        QVERIFY(persist(
            client, known, QStringLiteral("key-users"),
            // The home groups listed anew first: a spoilt list leaves nothing
            // to include.
            [&] {
                mark();
                return m_xdo.focus(wizard) && m_xdo.click(wizard, HomeGroupsRadio)
                       && QTest::qWaitFor([&] { return received(from, common::op::SelectGroupKey); }, WaitMs)
                       && m_xdo.click(wizard, IncludeAllButton);
            },
            [&] { return answeredSoundly(from, spoiltBefore, common::op::SelectUser); }));
        const Outcome finished = attempt(
            client, known, QStringLiteral("key-finish"),
            [&] {
                mark();
                return finishKeyForBob(wizard, QStringLiteral("hostile-"));
            },
            [&] {
                return answeredSoundly(from, spoiltBefore, common::op::InsertDocumentKey)
                       && !m_xdo.windowsOf(client.processId()).contains(wizard);
            });
        QVERIFY(finished != Outcome::Broken);
        QVERIFY(answerLateBoxes(client, known));
        QVERIFY2(client.isRunning() && !client.sanitizerReported(), client.errors().constData());

        m_server->setHostile(std::nullopt);
        if (bobsWelcomeKeys() == 0) {
            // The wizard never sent the key: once more, with the server sound.
            if (m_xdo.windowsOf(client.processId()).contains(wizard))
                QVERIFY(m_xdo.focus(wizard) && m_xdo.key({Escape}));
            QTRY_VERIFY_WITH_TIMEOUT(!m_xdo.hasWindow(QStringLiteral("^Create Document Key Wizard$")), WaitMs);
            QVERIFY(chooseNewKey(keyring));
            wizard = m_xdo.waitForWindow(QStringLiteral("^Create Document Key Wizard$"));
            QVERIFY(!wizard.isEmpty());
            QVERIFY(skipToKeyUsers(wizard));
            const std::size_t before = server().requests().size();
            QVERIFY(m_xdo.click(wizard, IncludeAllButton));
            QTRY_VERIFY_WITH_TIMEOUT(received(before, common::op::SelectUser), WaitMs);
            QVERIFY(finishKeyForBob(wizard, QStringLiteral("hostile-retried-")));
        } else {
            qInfo("the key went through while the server spoilt replies");
        }
        QTRY_VERIFY_WITH_TIMEOUT(!m_xdo.hasWindow(QStringLiteral("^Create Document Key Wizard$")), WaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(bobsWelcomeKeys(), 1, WaitMs);
        QCOMPARE(keyInsertsForBob(0), std::size_t{1});
        QVERIFY(shoot(QStringLiteral("hostile-key-created")));
        qInfo("the hostile server spoilt %zu replies", spoiltReplies());
        QVERIFY(logOff(client, console));
        QVERIFY2(!client.sanitizerReported(), client.errors().constData());
    }

    // As ann, a new message to bob written and sent from the message browser;
    // then, as bob, the received copy opened in the reader.
    void sendAMessageAndReadItAsTheRecipient()
    {
        const QString subject = QStringLiteral("Minutes %1").arg(QDateTime::currentMSecsSinceEpoch());
        const QString body = QStringLiteral("Bob, here are the minutes.");
        const QString escapedSubject = QRegularExpression::escape(subject);
        const std::size_t before = server().requests().size();
        {
            ClientProgram sender;
            const QString console = startAndLogOn(sender, SampleUser);
            QVERIFY2(!console.isEmpty(), "the log-on did not go through");
            const QString browser = openMessages(console);
            QVERIFY2(!browser.isEmpty(), "the message browser did not open");
            // File > New > Message...: the subject, and OK, the default button.
            QVERIFY(chooseFromMenu(browser, 0, {Down, QStringLiteral("Right"), Down, Return}));
            const QString dialog = m_xdo.waitForWindow(QStringLiteral("^Create Message$"));
            QVERIFY2(!dialog.isEmpty(), "the create-message dialog did not open");
            QVERIFY(m_xdo.focus(dialog) && m_xdo.type(subject));
            QVERIFY(shoot(QStringLiteral("message-created")));
            QVERIFY(m_xdo.key({Return}));
            const QString editor = m_xdo.waitForWindow(QStringLiteral("^%1 \\[").arg(escapedSubject));
            QVERIFY2(!editor.isEmpty(), "the message editor did not open");

            QVERIFY2(pickBob(editor), "bob did not become the recipient");

            QVERIFY(m_xdo.focus(editor) && m_xdo.click(editor, MessageBody) && m_xdo.type(body));
            QVERIFY(!m_xdo.waitForWindow(QStringLiteral("^%1\\* \\[").arg(escapedSubject)).isEmpty());
            QVERIFY(shoot(QStringLiteral("message-written")));
            // Sent: stored with its body, the editor closes by itself.
            const std::size_t beforeSend = server().requests().size();
            QVERIFY(m_xdo.click(editor, SendButton));
            QTRY_VERIFY_WITH_TIMEOUT(received(beforeSend, common::op::UpdateMessage), WaitMs);
            QTRY_VERIFY_WITH_TIMEOUT(!m_xdo.windowsOf(sender.processId()).contains(editor), WaitMs);
            QVERIFY(shoot(QStringLiteral("message-sent")));
            QVERIFY(logOff(sender, console));
            QVERIFY2(!sender.sanitizerReported(), sender.errors().constData());
        }

        // What ann's program asked for: the message with its subject, one
        // recipient row, bob's in To, and the body with the send.
        const std::vector<qorv::data::Message> inserted = parsedRequests<qorv::data::InsertMessageRequest>(
            before, common::op::InsertMessage, [](const auto &request) { return request.message(); });
        QCOMPARE(inserted.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(inserted[0].message_subject()), subject);
        QCOMPARE(inserted[0].message_user_id(), AnnUserId);
        const std::vector<qorv::data::Message> rows = parsedRequests<qorv::data::InsertMessageUserRequest>(
            before, common::op::InsertMessageUser, [](const auto &request) { return request.message(); });
        QCOMPARE(rows.size(), std::size_t{1});
        const int messageId = rows[0].message_user_message_id();
        QCOMPARE(rows[0].message_user_user_id(), BobUserId);
        QCOMPARE(rows[0].message_user_field(), int{qorv::data::Message::TO});
        const std::vector<qorv::data::Message> updates = parsedRequests<qorv::data::UpdateMessageRequest>(
            before, common::op::UpdateMessage, [](const auto &request) { return request.message(); });
        QCOMPARE(updates.size(), std::size_t{1});
        QCOMPARE(updates[0].message_id(), messageId);
        QVERIFY(QString::fromStdString(updates[0].message_body()).contains(body));
        // Kept so: bob's list of received copies holds it in his root folder.
        QVERIFY(m_server->messages().hasRecipient(messageId, BobUserId));
        QCOMPARE(m_server->messages().folderOf(messageId, BobUserId), BobMessageFolderId);
        QVERIFY(QString::fromStdString(m_server->messages().message(messageId).message_body()).contains(body));

        ClientProgram recipient;
        const QString console = startAndLogOn(recipient, QStringLiteral("bob"));
        QVERIFY2(!console.isEmpty(), "bob's log-on did not go through");
        const std::size_t beforeBrowsing = server().requests().size();
        const QString browser = openMessages(console);
        QVERIFY2(!browser.isEmpty(), "bob's message browser did not open");
        const std::vector<qorv::data::SelectMessageUserRequest> selects =
            parsedRequests<qorv::data::SelectMessageUserRequest>(beforeBrowsing, common::op::SelectMessageUser,
                                                                 [](const auto &request) { return request; });
        // Besides the recipients of the listed messages, bob's received copies.
        QVERIFY(std::any_of(selects.begin(), selects.end(), [](const qorv::data::SelectMessageUserRequest &request) {
            return !request.has_message_user_message_id() && request.message_user_user_id() == BobUserId;
        }));
        // The newest first: the copy just received heads the list.
        QVERIFY(shoot(QStringLiteral("message-received")));
        QVERIFY(m_xdo.focus(browser) && m_xdo.click(browser, FirstMessageRow, 2));
        const QString reader = m_xdo.waitForWindow(QStringLiteral("^%1 \\[").arg(escapedSubject));
        QVERIFY2(!reader.isEmpty(), "the message reader did not open");
        QVERIFY(shoot(QStringLiteral("message-read")));
        QVERIFY(logOff(recipient, console));
        QVERIFY2(!recipient.sanitizerReported(), recipient.errors().constData());
    }

    // The sample's story as a new user follows it: as ann, the budget Bob
    // shares opened with its body, Bob's shared folder opened through its
    // folder key and searched, Bob's last message read with its chain and
    // attachment and answered; then, as bob, that answer found unread and
    // read.
    void followTheSampleStory()
    {
        QString replySubject;
        int replyId = 0;
        {
            ClientProgram ann;
            const QString console = startAndLogOn(ann, SampleUser);
            QVERIFY2(!console.isEmpty(), "ann's log-on did not go through");
            QVERIFY(chooseDocumentBrowser(console));
            const QString browser = m_xdo.waitForWindow(QStringLiteral("^Document Browser"));
            QVERIFY(!browser.isEmpty());

            // Home Groups › Staff › Hart, Bob J: the keys Bob gave Ann.
            std::size_t before = server().requests().size();
            QVERIFY(m_xdo.focus(browser) && m_xdo.click(browser, HomeGroupsRow));
            QTRY_VERIFY_WITH_TIMEOUT(received(before, common::op::SelectGroupKey), WaitMs);
            QVERIFY(shoot(QStringLiteral("story-home-groups")));
            QVERIFY(m_xdo.key({QStringLiteral("Tab")}) && m_xdo.type(QStringLiteral("S")) && m_xdo.key({Return}));
            QTRY_VERIFY_WITH_TIMEOUT(received(before, common::op::SelectUser), WaitMs);
            QVERIFY(shoot(QStringLiteral("story-staff")));
            before = server().requests().size();
            QVERIFY(m_xdo.click(browser, MainPaneSecondRow, 2));
            QTRY_VERIFY_WITH_TIMEOUT(received(before, common::op::SelectDocumentKey), WaitMs);
            QVERIFY(shoot(QStringLiteral("story-bobs-keys")));

            // "Budget 2027", through Bob's key: the editor shows its body.
            before = server().requests().size();
            QVERIFY(m_xdo.click(browser, MainPaneSecondRow, 2));
            const QString budget = m_xdo.waitForWindow(QStringLiteral("^Budget 2027 \\["));
            QVERIFY2(!budget.isEmpty(), "the shared document did not open");
            QVERIFY(received(before, common::op::SelectDocumentKey, common::tag::OpenDocumentEditor));
            QVERIFY(shoot(QStringLiteral("story-shared-document")));

            // "Shared with Ann", through Bob's folder key, then searched.
            before = server().requests().size();
            QVERIFY(m_xdo.focus(browser) && m_xdo.click(browser, MainPaneFirstRow, 2));
            QTRY_VERIFY_WITH_TIMEOUT(received(before, common::op::SelectDocumentKey), WaitMs);
            QVERIFY(shoot(QStringLiteral("story-shared-folder")));
            QVERIFY(chooseFromMenu(browser, 1, {QStringLiteral("Up"), Return}));
            const QString search = m_xdo.waitForWindow(QStringLiteral("^Search for Documents in"));
            QVERIFY2(!search.isEmpty(), "the folder key's search did not open");
            // Document name equal to "Minutes 2025", in the subfolders too.
            before = server().requests().size();
            QVERIFY(m_xdo.focus(search) && m_xdo.click(search, SearchSubfoldersBox)
                    && m_xdo.click(search, FirstCriterionValue) && m_xdo.type(QStringLiteral("Minutes 2025")));
            QVERIFY(shoot(QStringLiteral("story-search-criteria")) && m_xdo.click(search, SearchButton));
            std::string payload;
            QTRY_VERIFY_WITH_TIMEOUT(received(before, common::op::SelectDocumentKey, std::nullopt, &payload), WaitMs);
            qorv::data::SelectDocumentKeyRequest searched;
            QVERIFY(searched.ParseFromString(payload));
            QCOMPARE(searched.document_folder_id(), SharedWithAnnFolderId);
            QVERIFY(searched.search_subfolders());
            QCOMPARE(searched.document_name_equal_size(), 1);
            QCOMPARE(searched.document_name_equal(0), std::string("Minutes 2025"));
            QVERIFY(shoot(QStringLiteral("story-search-results")));
            QVERIFY(m_xdo.key({Escape}));
            QTRY_VERIFY_WITH_TIMEOUT(!m_xdo.hasWindow(QStringLiteral("^Search for Documents in")), WaitMs);

            // Bob's last message, the newest: its chain and its attachment.
            const QString messages = openMessages(console);
            QVERIFY2(!messages.isEmpty(), "the message browser did not open");
            QVERIFY(shoot(QStringLiteral("story-ann-messages")));
            before = server().requests().size();
            QVERIFY(m_xdo.focus(messages) && m_xdo.click(messages, FirstMessageRow, 2));
            const QString reader = m_xdo.waitForWindow(QStringLiteral("^Re: Re: Budget \\["));
            QVERIFY2(!reader.isEmpty(), "Bob's message did not open");
            QVERIFY(shoot(QStringLiteral("story-message-read")));
            QTRY_VERIFY_WITH_TIMEOUT(received(before, common::op::SelectMessageDocument), WaitMs);
            // The chain above it: Ann's reply, which answered Bob's first.
            const std::vector<int> chains = parsedRequests<qorv::data::SelectMessageRequest>(
                before, common::op::SelectMessage, [](const auto &request) { return request.message_chain_id(); });
            QVERIFY(std::count(chains.begin(), chains.end(), AnnsReplyId) > 0);

            // Reply...: the answer is stored for Bob and opens in the editor.
            before = server().requests().size();
            QVERIFY(m_xdo.focus(reader) && m_xdo.click(reader, ReplyButton));
            QTRY_VERIFY_WITH_TIMEOUT(received(before, common::op::InsertMessage), WaitMs);
            const std::vector<qorv::data::InsertMessageRequest> replies =
                parsedRequests<qorv::data::InsertMessageRequest>(before, common::op::InsertMessage,
                                                                 [](const auto &request) { return request; });
            QCOMPARE(replies.size(), std::size_t{1});
            QCOMPARE(replies[0].message().message_parent_id(), BobsLastMessageId);
            QCOMPARE(replies[0].message().message_parent_relation(), int{qorv::data::Message::PARENT_RELATION_REPLY});
            QCOMPARE(replies[0].message_user_size(), 1);
            QCOMPARE(replies[0].message_user(0).message_user_user_id(), BobUserId);
            replySubject = QString::fromStdString(replies[0].message().message_subject());
            const QString escaped = QRegularExpression::escape(replySubject);
            const QString editor = m_xdo.waitForWindow(QStringLiteral("^%1 \\[").arg(escaped));
            QVERIFY2(!editor.isEmpty(), "the reply did not open in the editor");
            QVERIFY(m_xdo.focus(editor) && m_xdo.click(editor, MessageBody) && m_xdo.type(ReplyText));
            QVERIFY(!m_xdo.waitForWindow(QStringLiteral("^%1\\* \\[").arg(escaped)).isEmpty());
            QVERIFY(shoot(QStringLiteral("story-reply-written")));
            before = server().requests().size();
            QVERIFY(m_xdo.click(editor, SendButton));
            QTRY_VERIFY_WITH_TIMEOUT(received(before, common::op::UpdateMessage), WaitMs);
            const std::vector<int> sent = parsedRequests<qorv::data::UpdateMessageRequest>(
                before, common::op::UpdateMessage, [](const auto &request) { return request.message().message_id(); });
            QCOMPARE(sent.size(), std::size_t{1});
            replyId = sent[0];
            QTRY_VERIFY_WITH_TIMEOUT(!m_xdo.windowsOf(ann.processId()).contains(editor), WaitMs);
            QVERIFY(logOff(ann, console));
            QVERIFY2(!ann.sanitizerReported(), ann.errors().constData());
        }

        // Kept so: the answer waits unread in Bob's root folder, with its text.
        QVERIFY(replyId != 0);
        QCOMPARE(m_server->messages().message(replyId).message_parent_id(), BobsLastMessageId);
        QVERIFY(QString::fromStdString(m_server->messages().message(replyId).message_body()).contains(ReplyText));
        QCOMPARE(m_server->messages().folderOf(replyId, BobUserId), BobMessageFolderId);
        QCOMPARE(m_server->messages().recipientProperties(replyId, BobUserId) & UnreadBit, UnreadBit);

        ClientProgram bob;
        const QString console = startAndLogOn(bob, QStringLiteral("bob"));
        QVERIFY2(!console.isEmpty(), "bob's log-on did not go through");
        const QString browser = openMessages(console);
        QVERIFY2(!browser.isEmpty(), "bob's message browser did not open");
        // The newest first: Ann's answer heads the list, unread.
        QVERIFY(shoot(QStringLiteral("story-bob-messages")));
        QVERIFY(m_xdo.focus(browser) && m_xdo.click(browser, FirstMessageRow, 2));
        const QString reader =
            m_xdo.waitForWindow(QStringLiteral("^%1 \\[").arg(QRegularExpression::escape(replySubject)));
        QVERIFY2(!reader.isEmpty(), "the answer did not open for bob");
        QVERIFY(shoot(QStringLiteral("story-bob-reads-the-reply")));
        // Opened, it is read.
        QTRY_COMPARE_WITH_TIMEOUT(m_server->messages().recipientProperties(replyId, BobUserId) & UnreadBit, 0u, WaitMs);
        QVERIFY(logOff(bob, console));
        QVERIFY2(!bob.sanitizerReported(), bob.errors().constData());
    }

    // The windows the story does not pass through, each with what the sample
    // holds for ann: her options and password, her deleted document, her user
    // groups, the keys she received, a document's and a folder's keyring, the
    // revisions and web addresses of her documents, and a message search.
    void visitTheOtherWindows()
    {
        ClientProgram ann;
        const QString console = startAndLogOn(ann, SampleUser);
        QVERIFY2(!console.isEmpty(), "ann's log-on did not go through");
        QStringList known{console};

        // Tools > Options: her record, asked for by her id.
        std::size_t before = server().requests().size();
        QVERIFY(chooseFromMenu(console, 3, {Up, Return}));
        const QString options = waitForNewWindow(ann, known);
        QVERIFY2(!options.isEmpty(), "the options did not open");
        const std::vector<int> asked = parsedRequests<qorv::data::SelectUserRequest>(
            before, common::op::SelectUser, [](const auto &request) { return request.user_id(); });
        QVERIFY(std::count(asked.begin(), asked.end(), AnnUserId) > 0);
        QVERIFY(shoot(QStringLiteral("tour-options")));
        QVERIFY(m_xdo.focus(options) && m_xdo.key({Escape}));
        QTRY_VERIFY_WITH_TIMEOUT(!m_xdo.windowsOf(ann.processId()).contains(options), WaitMs);

        // Tools > Reset Password...: the wizard, up to the check of ann's
        // name and password against her record.
        QVERIFY(chooseFromMenu(console, 3, {Down, Return}));
        const QString wizard = waitForNewWindow(ann, known);
        QVERIFY2(!wizard.isEmpty(), "the reset-password wizard did not open");
        QVERIFY(shoot(QStringLiteral("tour-reset-password")) && m_xdo.focus(wizard) && m_xdo.key({Return}));
        QVERIFY(m_xdo.type(SampleUser) && m_xdo.key({Tab}) && m_xdo.type(SamplePassword));
        QVERIFY(shoot(QStringLiteral("tour-reset-password-authentication")) && m_xdo.key({Return}));
        // Her name and password are accepted: no warning box comes up.
        QVERIFY2(!QTest::qWaitFor([&] { return !boxBesides(ann, known).isEmpty(); }, SettleMs),
                 "the wizard refused ann's name or password");
        QVERIFY(shoot(QStringLiteral("tour-reset-password-new")) && m_xdo.key({Escape}));
        QTRY_VERIFY_WITH_TIMEOUT(!m_xdo.windowsOf(ann.processId()).contains(wizard), WaitMs);

        // Tools > Restore Document...: her deleted document and its revision.
        before = server().requests().size();
        QVERIFY(chooseFromMenu(console, 3, {Return}));
        const QString restore = waitForNewWindow(ann, known);
        QVERIFY2(!restore.isEmpty(), "the restore wizard did not open");
        QVERIFY(m_xdo.focus(restore) && m_xdo.key({Return}));
        QTRY_VERIFY_WITH_TIMEOUT(!parsedRequests<qorv::data::SelectDocumentRequest>(
                                      before, common::op::SelectDocument,
                                      [](const auto &request) { return request.select_deleted_documents(); })
                                      .empty(),
                                 WaitMs);
        QVERIFY(shoot(QStringLiteral("tour-restore")));
        // "Old notes" picked: its revisions, the newest current; the newest
        // opened shows its body.
        before = server().requests().size();
        QVERIFY(m_xdo.click(restore, FirstDeletedDocument));
        QTRY_VERIFY_WITH_TIMEOUT(
            !parsedRequests<qorv::data::SelectDocumentRequest>(
                 before, common::op::SelectDocument,
                 [](const auto &request) { return request.select_deleted_documents() && request.document_id() != 0; })
                 .empty(),
            WaitMs);
        QVERIFY(shoot(QStringLiteral("tour-restore-revisions")));
        QVERIFY(m_xdo.click(restore, FirstDeletedRevision, 2));
        const QString revision = waitForNewWindow(ann, known);
        QVERIFY2(!revision.isEmpty(), "the deleted document's revision did not open");
        QVERIFY(shoot(QStringLiteral("tour-restore-revision")));
        QVERIFY(m_xdo.focus(revision) && m_xdo.key({Escape}));
        QTRY_VERIFY_WITH_TIMEOUT(!m_xdo.windowsOf(ann.processId()).contains(revision), WaitMs);
        QVERIFY(m_xdo.focus(restore) && m_xdo.key({Escape}));
        QTRY_VERIFY_WITH_TIMEOUT(!m_xdo.windowsOf(ann.processId()).contains(restore), WaitMs);

        // File > New > My User Groups..., My Document Keyring..., My Folder
        // Keyring...: her groups and the keys others gave her.
        const std::pair<QStringList, int> launchers[] = {
            {{Down, Down, Right, Return}, common::op::SelectUserGroup},
            {{Down, Down, Right, Down, Down, Down, Return}, common::op::SelectDocumentKey},
            {{Down, Down, Right, Down, Down, Down, Down, Return}, common::op::SelectFolderKey},
        };
        const QString launcherShots[] = {QStringLiteral("tour-user-groups"),
                                         QStringLiteral("tour-received-document-keys"),
                                         QStringLiteral("tour-received-folder-keys")};
        for (std::size_t launcher = 0; launcher < std::size(launchers); ++launcher) {
            before = server().requests().size();
            QVERIFY(chooseFromMenu(console, 0, launchers[launcher].first));
            QVERIFY2(!waitForNewWindow(ann, known).isEmpty(), qPrintable(launcherShots[launcher]));
            QTRY_VERIFY_WITH_TIMEOUT(received(before, launchers[launcher].second), WaitMs);
            QVERIFY(shoot(launcherShots[launcher]));
        }

        // In the document browser: the folder "Projects"' keyring, then in
        // it "Plan 2027"'s keyring and its revisions (View > Revision History).
        QVERIFY(chooseDocumentBrowser(console));
        const QString browser = waitForNewWindow(ann, known);
        QVERIFY(!browser.isEmpty());
        before = server().requests().size();
        QVERIFY(m_xdo.focus(browser) && m_xdo.click(browser, HomeFolderRow));
        QTRY_VERIFY_WITH_TIMEOUT(received(before, common::op::SelectDocument), WaitMs);
        QVERIFY(m_xdo.key({Tab}) && m_xdo.type(QStringLiteral("P")));
        before = server().requests().size();
        QVERIFY(chooseKeyring(browser));
        QVERIFY2(!waitForNewWindow(ann, known).isEmpty(), "the folder keyring did not open");
        QTRY_VERIFY_WITH_TIMEOUT(received(before, common::op::SelectFolderKey), WaitMs);
        QVERIFY(shoot(QStringLiteral("tour-folder-keyring")));

        before = server().requests().size();
        QVERIFY(m_xdo.focus(browser) && m_xdo.key({Return}));
        QTRY_VERIFY_WITH_TIMEOUT(received(before, common::op::SelectDocument), WaitMs);
        // Opened, the folder takes the side pane's selection: its one
        // document is picked in the main pane.
        QVERIFY(m_xdo.click(browser, MainPaneFirstRow) && shoot(QStringLiteral("tour-projects")));
        before = server().requests().size();
        QVERIFY(chooseKeyring(browser));
        QVERIFY2(!waitForNewWindow(ann, known).isEmpty(), "the document keyring did not open");
        QTRY_VERIFY_WITH_TIMEOUT(received(before, common::op::SelectDocumentKey), WaitMs);
        QVERIFY(shoot(QStringLiteral("tour-document-keyring")));

        QVERIFY(m_xdo.focus(browser) && m_xdo.key({Return}));
        const QString plan = m_xdo.waitForWindow(QStringLiteral("^Plan 2027 \\["));
        QVERIFY2(!plan.isEmpty(), "Plan 2027 did not open");
        known << plan;
        before = server().requests().size();
        QVERIFY(chooseFromMenu(plan, 2, {Up, Return}));
        QTRY_VERIFY_WITH_TIMEOUT(!parsedRequests<qorv::data::SelectDocumentRequest>(before, common::op::SelectDocument,
                                                                                    [](const auto &request) {
                                                                                        return request.has_sys_period()
                                                                                               && request.document_id()
                                                                                                      == PlanDocumentId;
                                                                                    })
                                      .empty(),
                                 WaitMs);
        QVERIFY(shoot(QStringLiteral("tour-revisions")));
        // The oldest revision shown in the editor.
        before = server().requests().size();
        QVERIFY(m_xdo.click(plan, FirstRevision));
        QTRY_VERIFY_WITH_TIMEOUT(received(before, common::op::SelectDocument, common::tag::ShowRevision), WaitMs);
        QVERIFY(shoot(QStringLiteral("tour-revision-shown")));

        // "Welcome" with its web addresses.
        before = server().requests().size();
        QVERIFY(m_xdo.focus(browser) && m_xdo.click(browser, HomeFolderRow) && m_xdo.key({Tab})
                && m_xdo.type(QStringLiteral("W")) && m_xdo.key({Return}));
        const QString welcome = m_xdo.waitForWindow(QStringLiteral("^Welcome \\["));
        QVERIFY2(!welcome.isEmpty(), "Welcome did not open");
        known << welcome;
        // View > URL Attachments, the toggle above the revision history's.
        QVERIFY(chooseFromMenu(welcome, 2, {Up, Up, Return}));
        QTRY_VERIFY_WITH_TIMEOUT(received(before, common::op::SelectDocumentWebpage), WaitMs);
        QVERIFY(shoot(QStringLiteral("tour-web-addresses")));

        // The message search of her messages.
        const QString messages = openMessages(console);
        QVERIFY2(!messages.isEmpty(), "the message browser did not open");
        known << messages;
        QVERIFY(chooseFromMenu(messages, 1, {Up, Return}));
        const QString search = waitForNewWindow(ann, known);
        QVERIFY2(!search.isEmpty(), "the message search did not open");
        // Messages from Bob: his copies to her.
        before = server().requests().size();
        QVERIFY(m_xdo.focus(search) && m_xdo.click(search, MessageCriterionValue) && m_xdo.type(QStringLiteral("Bob")));
        QVERIFY(shoot(QStringLiteral("tour-message-search")) && m_xdo.click(search, MessageSearchButton));
        std::string payload;
        QTRY_VERIFY_WITH_TIMEOUT(received(before, common::op::SelectMessageUser, std::nullopt, &payload), WaitMs);
        qorv::data::SelectMessageUserRequest searched;
        QVERIFY(searched.ParseFromString(payload));
        QCOMPARE(searched.message_from_equal_size(), 1);
        QCOMPARE(searched.message_from_equal(0), std::string("Bob"));
        QVERIFY(shoot(QStringLiteral("tour-message-search-results")));
        QVERIFY(m_xdo.focus(search) && m_xdo.key({Escape}));
        QTRY_VERIFY_WITH_TIMEOUT(!m_xdo.windowsOf(ann.processId()).contains(search), WaitMs);

        QVERIFY(logOff(ann, console));
        QVERIFY2(!ann.sanitizerReported(), ann.errors().constData());
    }

    // Ann writes to bob while the server spoils about every other reply: the
    // message and each send go through or end in the program's box or in
    // silence, a failed send leaves the editor open with every typed
    // character, and once the server behaves again the send stores them all.
    void hostileServerLosesNoMessageText()
    {
        const QString subject = QStringLiteral("Hostile minutes %1").arg(QDateTime::currentMSecsSinceEpoch());
        const QString escapedSubject = QRegularExpression::escape(subject);
        const QString editorPattern = QStringLiteral("^%1 \\[").arg(escapedSubject);
        const QString changedPattern = QStringLiteral("^%1\\* \\[").arg(escapedSubject);
        ClientProgram client;
        const QString console = startAndLogOn(client, SampleUser);
        QVERIFY2(!console.isEmpty(), "the log-on did not go through");
        const QString browser = openMessages(console);
        QVERIFY2(!browser.isEmpty(), "the message browser did not open");
        QStringList known{console, browser};

        m_server->setHostile(HostileMessageSeed, HalfSpoilt(false));
        // File > New > Message...: the subject, and OK, the default button.
        const QString editor = persistUntilWindow(
            client, known, QStringLiteral("message-create"),
            [&] {
                if (!chooseFromMenu(browser, 0, {Down, QStringLiteral("Right"), Down, Return}))
                    return false;
                const QString dialog = pollForWindow(QStringLiteral("^Create Message$"), WaitMs / 3);
                return !dialog.isEmpty() && m_xdo.focus(dialog) && m_xdo.type(subject) && m_xdo.key({Return});
            },
            editorPattern);
        QVERIFY(!editor.isEmpty());

        // The picker's steps are the wizard's, which the key run covers against
        // the hostile server; here the server spares them.
        m_server->setHostile(std::nullopt);
        QVERIFY2(pickBob(editor), "bob did not become the recipient");

        const std::size_t before = server().requests().size();
        QString typed;
        const auto write = [&](const QString &text) {
            typed += text;
            return m_xdo.focus(editor) && m_xdo.click(editor, MessageBody) && m_xdo.key({QStringLiteral("ctrl+End")})
                   && m_xdo.type(text) && !m_xdo.waitForWindow(changedPattern).isEmpty();
        };
        // One send that fails whatever the schedule holds: the connection
        // closes without a reply.
        QVERIFY(write(QStringLiteral("Kept through a lost reply.")));
        server().injectFault(testsupport::TestFault::noAnswer());
        const std::size_t beforeLost = server().requests().size();
        QVERIFY(m_xdo.click(editor, SendButton));
        QTRY_VERIFY_WITH_TIMEOUT(received(beforeLost, common::op::UpdateMessage), WaitMs);
        // The editor says nothing of a lost reply, but it stays, changed.
        QVERIFY(!QTest::qWaitFor([&] { return !m_xdo.windowsOf(client.processId()).contains(editor); }, SettleMs));
        QVERIFY(shoot(QStringLiteral("message-kept-after-lost-reply")));
        const QString box = boxBesides(client, known);
        QVERIFY(box.isEmpty() || answer(client, box));
        QVERIFY(m_xdo.hasWindow(changedPattern));

        // Every send either stores the text, and the editor closes, or says it
        // did not, and the text stays on screen.
        m_server->setHostile(HostileMessageSeed, HalfSpoilt(false));
        bool sent = false;
        for (int round = 1; round <= 3 && !sent; ++round) {
            QVERIFY(write(QStringLiteral(" Hostile round %1.").arg(round)));
            const Outcome outcome = attempt(
                client, known, QStringLiteral("message-send-%1").arg(round),
                [&] { return m_xdo.click(editor, SendButton); },
                [&] { return !m_xdo.windowsOf(client.processId()).contains(editor); });
            QVERIFY(outcome != Outcome::Broken);
            sent = outcome == Outcome::Done;
            if (!sent) {
                QVERIFY(m_xdo.hasWindow(changedPattern));
                QVERIFY(shoot(QStringLiteral("hostile-message-kept-%1").arg(round)));
            }
        }

        m_server->setHostile(std::nullopt);
        if (!sent) {
            QVERIFY(write(QStringLiteral(" Server sound again.")));
            QVERIFY(m_xdo.click(editor, SendButton));
            QTRY_VERIFY_WITH_TIMEOUT(!m_xdo.windowsOf(client.processId()).contains(editor), WaitMs);
        }
        QVERIFY(shoot(QStringLiteral("hostile-message-sent")));
        const std::vector<qorv::data::Message> updates = parsedRequests<qorv::data::UpdateMessageRequest>(
            before, common::op::UpdateMessage, [](const auto &request) { return request.message(); });
        QVERIFY(!updates.empty());
        QCOMPARE(QString::fromStdString(updates.back().message_subject()), subject);
        QVERIFY(QString::fromStdString(updates.back().message_body()).contains(typed));
        QVERIFY(QString::fromStdString(m_server->messages().message(updates.back().message_id()).message_body())
                    .contains(typed));
        QVERIFY(m_server->messages().hasRecipient(updates.back().message_id(), BobUserId));
        qInfo("the hostile server spoilt %zu replies", spoiltReplies());
        QVERIFY(logOff(client, console));
        QVERIFY2(!client.sanitizerReported(), client.errors().constData());
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
