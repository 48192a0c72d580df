#include "clientprogram.h"
#include "common/majorcode.h"
#include "demoserver.h"
#include "sampledata.h"
#include "screenshot.h"
#include "xdotool.h"

#include "updatedocumentrequest3.pb.h"

#include <QtTest>

#include <memory>

namespace {
// Generous: the program is sanitized and the machine may be busy.
constexpr int WaitMs = 30000;
// The first title of every window's menu bar; the others are reached from it
// with the arrow keys, so their widths never matter.
const QPoint FirstMenuTitle(18, 8);
// "Home Folder", the first row of the document browser's side pane.
const QPoint HomeFolderRow(72, 71);
const QString SampleUser = QStringLiteral("ann");
const QString SamplePassword = QStringLiteral("quillane");
const QString Down = QStringLiteral("Down");
const QString Return = QStringLiteral("Return");
} // namespace

// The real program on a real X server, driven with the keyboard and the mouse
// as a user drives it, against the stand-alone test server with the sample
// data. Every step is checked by what the server received and kept as a
// picture of the screen beside the test program.
class TestEndToEnd : public QObject {
  Q_OBJECT

private:
  std::unique_ptr<demoserver::DemoServer> m_server;
  XDoTool m_xdo{WaitMs};

  testsupport::TestServer &server() { return m_server->server(); }

  bool shoot(const QString &name) {
    const testsupport::Screenshot screenshot(name);
    return screenshot.isSaved();
  }

  // Whether the server received a request of this opcode after the first
  // `from` ones, and that request's payload.
  bool received(std::size_t from, int majorOpcode,
                std::string *payload = nullptr) {
    const std::vector<testsupport::TestRequest> requests = server().requests();
    for (std::size_t index = from; index < requests.size(); ++index) {
      if (requests[index].majorOpcode == majorOpcode &&
          requests[index].authentic) {
        if (payload)
          *payload = requests[index].payload;
        return true;
      }
    }
    return false;
  }

  // The document body of the first save received after the first `from`
  // requests.
  QString savedBody(std::size_t from) {
    std::string payload;
    qorv::data::UpdateDocumentRequest request;
    if (!received(from, common::op::UpdateDocument, &payload) ||
        !request.ParseFromString(payload))
      return QString();
    return QString::fromStdString(request.document().document_body());
  }

  // Opens the window's menu that is `menu` places right of the first one
  // and walks it with the keys.
  bool chooseFromMenu(const QString &window, int menu,
                      const QStringList &keys) {
    if (!m_xdo.focus(window) || !m_xdo.click(window, FirstMenuTitle))
      return false;
    QStringList walk;
    for (int step = 0; step < menu; ++step)
      walk << QStringLiteral("Right");
    return m_xdo.key(walk + keys);
  }

  // A window that comes up with the same name as another one (a message
  // box titled after its window).
  QString waitForWindowBesides(const QString &namePattern,
                               const QString &other) {
    QString found;
    QTest::qWaitFor(
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

  // File > Log on..., the user's name and password, and the console's
  // caption naming the user once the server accepted them.
  QString logOn(const QString &userName) {
    const QString console = m_xdo.waitForWindow(QStringLiteral("^Console$"));
    if (console.isEmpty() || !chooseFromMenu(console, 0, {Down, Return}))
      return QString();
    const QString dialog = m_xdo.waitForWindow(QStringLiteral("^Log On$"));
    if (dialog.isEmpty() || !m_xdo.focus(dialog) || !m_xdo.type(userName) ||
        !m_xdo.key({QStringLiteral("Tab")}) || !m_xdo.type(SamplePassword))
      return QString();
    // The first Return leaves the password for the button, the second presses
    // it.
    if (!shoot(QStringLiteral("logon-dialog")) || !m_xdo.key({Return, Return}))
      return QString();
    if (m_xdo.waitForWindow(QStringLiteral("^Console \\[")).isEmpty())
      return QString();
    return console;
  }

  // File > New > Document Browser..., then the home folder and the
  // document "Welcome" in it, opened with Return.
  QString openWelcome(const QString &console) {
    const std::size_t before = server().requests().size();
    if (!chooseFromMenu(
            console, 0,
            {Down, Down, QStringLiteral("Right"), Down, Down, Return}))
      return QString();
    const QString browser =
        m_xdo.waitForWindow(QStringLiteral("^Document Browser"));
    if (browser.isEmpty() || !m_xdo.focus(browser) ||
        !m_xdo.click(browser, HomeFolderRow))
      return QString();
    if (!QTest::qWaitFor(
            [&] { return received(before, common::op::SelectDocument); },
            WaitMs))
      return QString();
    // The main pane next; typing a name's first letter selects it there.
    if (!m_xdo.key({QStringLiteral("Tab")}) ||
        !m_xdo.type(QStringLiteral("W")) ||
        !shoot(QStringLiteral("document-browser")) || !m_xdo.key({Return}))
      return QString();
    return m_xdo.waitForWindow(QStringLiteral("^Welcome \\["));
  }

  // Types at the end of the text; the caption marks the document changed.
  bool typeAtEnd(const QString &editor, const QString &text) {
    return m_xdo.focus(editor) && m_xdo.key({QStringLiteral("ctrl+End")}) &&
           m_xdo.type(text) &&
           !m_xdo.waitForWindow(QStringLiteral("^Welcome\\* \\[")).isEmpty();
  }

  bool save(const QString &editor) {
    return chooseFromMenu(editor, 0, {Down, Return});
  }

  // File > Log off..., answered Yes: the program ends.
  bool logOff(ClientProgram &client, const QString &console) {
    if (!chooseFromMenu(console, 0, {Down, Return}))
      return false;
    const QString question =
        waitForWindowBesides(QStringLiteral("^Console \\["), console);
    if (question.isEmpty() || !shoot(QStringLiteral("logoff-question")) ||
        !m_xdo.focus(question) || !m_xdo.key({QStringLiteral("y")}))
      return false;
    return client.waitForExit(WaitMs) &&
           client.exitStatus() == QProcess::NormalExit &&
           client.exitCode() == 0;
  }

private slots:
  void initTestCase() {
    QVERIFY2(
        !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty(),
        "xdotool is not installed");
    QString error;
    const std::optional<demoserver::SampleData> data =
        demoserver::SampleData::load(QStringLiteral(QORV_SAMPLE_DATA), &error);
    QVERIFY2(data, qPrintable(error));
    m_server = std::make_unique<demoserver::DemoServer>(QORV_FIXTURE_KEY_DIR);
    QVERIFY(m_server->isValid());
    m_server->seed(*data);
    QVERIFY(m_server->start(0));
  }

  // Log on, open the document browser and a document, edit it, save it, log
  // off.
  void editAndSaveADocument() {
    ClientProgram client;
    QVERIFY(client.start(m_server->port()));
    server().clearRequests();

    const QString console = logOn(SampleUser);
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
    QTRY_VERIFY_WITH_TIMEOUT(
        savedBody(before).contains(
            QStringLiteral("Welcome to the Quillane Client.") + edit),
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
  void failedSaveKeepsTheEdits() {
    ClientProgram client;
    QVERIFY(client.start(m_server->port()));
    const QString console = logOn(SampleUser);
    QVERIFY2(!console.isEmpty(), "the log-on did not go through");
    const QString editor = openWelcome(console);
    QVERIFY2(!editor.isEmpty(), "the document did not open");

    const struct {
      const char *name;
      testsupport::TestFault fault;
    } faults[] = {{"wrong-tag", testsupport::TestFault::wrongTag()},
                  {"no-answer", testsupport::TestFault::noAnswer()},
                  {"truncated", testsupport::TestFault::closeAfterBytes(40)}};
    QString typed;
    for (const auto &[name, fault] : faults) {
      const QString edit =
          QStringLiteral(" Kept through %1.").arg(QLatin1String(name));
      QVERIFY(typeAtEnd(editor, edit));
      typed += edit;
      const std::size_t before = server().requests().size();
      server().injectFault(fault);
      QVERIFY(save(editor));
      QTRY_VERIFY_WITH_TIMEOUT(received(before, common::op::UpdateDocument),
                               WaitMs);
      // "DocumentNotSaved", titled with the program's name; OK closes it.
      const QString box =
          m_xdo.waitForWindow(QStringLiteral("^QuillaneClient$"));
      QVERIFY2(!box.isEmpty(), name);
      QVERIFY(shoot(QStringLiteral("save-failed-%1").arg(QLatin1String(name))));
      QVERIFY(m_xdo.focus(box));
      QVERIFY(m_xdo.key({Return}));
      QTRY_VERIFY_WITH_TIMEOUT(
          !m_xdo.hasWindow(QStringLiteral("^QuillaneClient$")), WaitMs);
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
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
