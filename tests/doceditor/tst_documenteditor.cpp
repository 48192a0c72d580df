#include "applicationcomponent.h"
#include "browserbus.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "crypto.h"
#include "dialoganswerer.h"
#include "documentbrowsermainpanelistwidget.h"
#include "documentbrowsersidepanelistwidget.h"
#include "documentbrowserview.h"
#include "documenteditor.h"
#include "documenteditorview.h"
#include "linguist.h"
#include "testenvironment.h"
#include "urldockwidget.h"
#include "urllistwidget.h"

#include "deletedocumentwebpagerequest3.pb.h"
#include "insertdocumentwebpagerequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectdocumentwebpagereply3.pb.h"
#include "updatedocumentreply3.pb.h"
#include "updatedocumentrequest3.pb.h"
#include "updatedocumentwebpagerequest3.pb.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDockWidget>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimeZone>
#include <QToolBar>

QORV_ISOLATE_TEST_ENVIRONMENT()

using groupstest::BrowserBus;
using groupstest::GroupDirectory;
using testsupport::DialogAnswerer;

namespace
{
constexpr int Home = GroupDirectory::HomeFolderId;
constexpr int Budget = 21;
constexpr int Owner = GroupDirectory::SessionUserId;
constexpr int Stranger = 77;
constexpr int BodyLimit = 1048576;

enum Bit : unsigned
{
    View = 1u << 0,
    Update = 1u << 1,
    CopyFrom = 1u << 7,
    CopyTo = 1u << 8,
    ExportText = 1u << 9,
    ExportPdf = 1u << 10,
    Print = 1u << 11
};

qorv::data::SecurityDescriptor Descriptor(unsigned permissions, int sessionDuration = 0)
{
    qorv::data::SecurityDescriptor descriptor;
    descriptor.set_permissions(permissions);
    if (sessionDuration)
        descriptor.set_session_duration(sessionDuration);
    return descriptor;
}

qorv::data::Document Document(int owner, unsigned permissions, const std::string &body = "<p>Plan</p>")
{
    qorv::data::Document document;
    document.set_document_id(Budget);
    document.set_document_user_id(owner);
    document.set_document_folder_id(Home);
    document.set_document_name("Budget");
    document.set_document_description("Money");
    document.set_document_body(body);
    *document.mutable_document_security_descriptor() = Descriptor(permissions);
    return document;
}

QAction *Action(const QWidget *window, const char *context, const char *key)
{
    const QString text = QCoreApplication::translate(context, key);
    for (QAction *action : window->findChildren<QAction *>())
        if (action->text() == text)
            return action;
    return nullptr;
}

// "1" for each enabled action, in this order: Options, Find, SelectAll,
// Copy, ExportToTextFile, ExportToPdfFile, Print, PrintPreview, Save, Undo,
// Bold, CheckSpelling, Cut, Paste. Save and Undo wait for an edit as well as
// for the update permission.
QString ActionStates(const DocumentEditorView *window)
{
    const QList<QAction *> actions = {
        Action(window, "Linguist", "Options"),
        window->getFindAction(),
        window->getSelectAllAction(),
        window->getCopyAction(),
        Action(window, "AbstractTextEditorView", "ExportToTextFile"),
        Action(window, "AbstractTextEditorView", "ExportToPdfFile"),
        Action(window, "AbstractTextEditorView", "Print"),
        Action(window, "AbstractTextEditorView", "PrintPreview"),
        Action(window, "AbstractTextEditorView", "Save"),
        window->getUndoAction(),
        Action(window, "AbstractTextEditorView", "Bold"),
        Action(window, "AbstractTextEditorView", "CheckSpelling"),
        window->getCutAction(),
        window->getPasteAction(),
    };
    QString states;
    for (const QAction *action : actions)
        states += !action ? QLatin1Char('?') : action->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return states;
}

// "1" for each tool bar shown in the window: standard, formatting, icon.
QString ToolBarStates(const QMainWindow *window)
{
    QToolBar *standard = window->findChild<QToolBar *>(QStringLiteral("StandardToolBar"));
    QToolBar *icon = window->findChild<QToolBar *>(QStringLiteral("IconToolBar"));
    QToolBar *formatting = nullptr;
    for (QToolBar *toolBar : window->findChildren<QToolBar *>())
        if (toolBar != standard && toolBar != icon && toolBar->parent() == window)
            formatting = toolBar;
    QString states;
    for (const QToolBar *toolBar : {standard, formatting, icon})
        states += toolBar && toolBar->isVisibleTo(window) && toolBar->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return states;
}

DocumentEditor *Editor(const QWidget *window)
{
    return window->findChild<DocumentEditor *>();
}

QList<DocumentEditorView *> Editors()
{
    QList<DocumentEditorView *> editors;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *editor = qobject_cast<DocumentEditorView *>(widget); editor && !editor->isHidden())
            editors.append(editor);
    return editors;
}

QStringList Requests(const testsupport::TestServer &server)
{
    QStringList requests;
    for (const testsupport::TestRequest &request : server.requests())
        requests.append(QStringLiteral("%1/%2").arg(request.majorOpcode).arg(request.minorOpcode));
    return requests;
}

template <class Request>
Request Last(const testsupport::TestServer &server, int major)
{
    Request parsed;
    for (const testsupport::TestRequest &request : server.requests())
        if (request.majorOpcode == major)
            parsed.ParseFromString(request.payload);
    return parsed;
}

QStringList Texts(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

testsupport::TestReply Answer(const google::protobuf::MessageLite &reply)
{
    testsupport::TestReply answer;
    answer.payload = reply.SerializeAsString();
    return answer;
}

DialogAnswerer::Action Press(QMessageBox::StandardButton button)
{
    return [=](QWidget *shown) {
        auto *box = qobject_cast<QMessageBox *>(shown);
        if (!box || !box->button(button)) {
            shown->close();
            return;
        }
        box->button(button)->click();
    };
}

// Plain text whose HTML form in the editor is exactly bytes long in UTF-8,
// with some two-byte characters among it so that bytes and characters differ.
QString TextOfHtmlBytes(QTextEdit *editor, int bytes)
{
    editor->setPlainText(QStringLiteral("a"));
    const int overhead = editor->document()->toHtml().toUtf8().size() - 1;
    const int wide = 1000;
    return QString(wide, QChar(0x00E9)) + QString(bytes - overhead - 2 * wide, QLatin1Char('a'));
}
}

// The document editor: what a descriptor allows, the body limit, saving and
// closing against the test server, the revision history and the web
// addresses.
class TestDocumentEditor : public QObject
{
    Q_OBJECT

private:
    BrowserBus m_bus;

    testsupport::TestServer &server() { return m_bus.server(); }

    // Opens the document the way the user does: from a browser.
    DocumentEditorView *openThroughBrowser(const qorv::data::Document &document)
    {
        m_bus.directory().addDocument(document);
        DocumentBrowserView *browser = m_bus.openDocumentBrowser();
        if (!browser)
            return nullptr;
        auto *side = browser->findChild<SidePaneListWidget *>();
        const QList<QListWidgetItem *> home = side->findItems(QStringLiteral("Home Folder"), Qt::MatchExactly);
        if (home.size() != 1)
            return nullptr;
        QTest::mouseClick(side->viewport(), Qt::LeftButton, {}, side->visualItemRect(home.first()).center());
        auto *main = browser->findChild<MainPaneListWidget *>();
        const QList<QListWidgetItem *> found =
            main->findItems(QString::fromStdString(document.document_name()), Qt::MatchExactly);
        if (found.size() != 1)
            return nullptr;
        main->openItem(found.first());
        const QList<DocumentEditorView *> editors = Editors();
        return editors.size() == 1 ? editors.first() : nullptr;
    }

    static bool activate(QWidget *window)
    {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }

    static void type(DocumentEditorView *window, const QString &text)
    {
        QTextCursor cursor = Editor(window)->textCursor();
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(text);
        Editor(window)->setTextCursor(cursor);
    }

private slots:
    void initTestCase() { QVERIFY(BrowserBus::setUpLikeTheProgram()); }
    void init() { QVERIFY(m_bus.start()); }
    void cleanup() { m_bus.stop(); }

    void permissionsFromTheDescriptor_data()
    {
        QTest::addColumn<unsigned>("permissions");
        QTest::addColumn<int>("owner");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<int>("interaction");
        QTest::addColumn<QString>("toolBars");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<bool>("revisions");
        QTest::addColumn<bool>("urlsWritable");
        const int editing = Qt::TextEditorInteraction;
        const int selecting = Qt::TextSelectableByMouse;
        const int none = Qt::NoTextInteraction;
        QTest::newRow("owner, everything") << 0xFFFu << Owner << true << editing << "110"
                                           << "11111111001111" << true << true;
        QTest::newRow("reader: view and copy to clipboard")
            << unsigned(View | CopyTo) << Stranger << true << selecting << "100"
            << "01110000000000" << false << false;
        QTest::newRow("owner reading: view and copy") << unsigned(View | CopyTo) << Owner << true << selecting << "100"
                                                      << "11110000000000" << true << true;
        QTest::newRow("view only") << unsigned(View) << Stranger << true << none << "000"
                                   << "01000000000000" << false << false;
        QTest::newRow("view and print") << unsigned(View | Print) << Stranger << true << none << "100"
                                        << "01000011000000" << false << false;
        QTest::newRow("view and exports")
            << unsigned(View | ExportText | ExportPdf) << Stranger << true << none << "000"
            << "01001100000000" << false << false;
        QTest::newRow("update, no clipboard") << unsigned(View | Update) << Stranger << true << editing << "110"
                                              << "01000000001100" << false << false;
        QTest::newRow("update and both clipboards")
            << unsigned(View | Update | CopyTo | CopyFrom) << Stranger << true << editing << "110"
            << "01110000001111" << false << false;
        QTest::newRow("no permissions") << 0u << Owner << false << none << "000"
                                        << "10000000000000" << true << true;
    }

    void permissionsFromTheDescriptor()
    {
        QFETCH(unsigned, permissions);
        QFETCH(int, owner);
        QFETCH(bool, visible);
        QFETCH(int, interaction);
        QFETCH(QString, toolBars);
        QFETCH(QString, actions);
        QFETCH(bool, revisions);
        QFETCH(bool, urlsWritable);
        DocumentEditorView window(Document(owner, permissions));
        QCOMPARE(Editor(&window)->isVisibleTo(&window), visible);
        QCOMPARE(int(Editor(&window)->textInteractionFlags()), interaction);
        QCOMPARE(Editor(&window)->isReadOnly(), interaction != int(Qt::TextEditorInteraction));
        QCOMPARE(ToolBarStates(&window), toolBars);
        QCOMPARE(ActionStates(&window), actions);
        QList<QDockWidget *> docks = window.findChildren<QDockWidget *>();
        QDockWidget *history = nullptr;
        UrlDockWidget *urls = window.findChild<UrlDockWidget *>();
        for (QDockWidget *dock : docks)
            if (dock != urls)
                history = dock;
        QVERIFY(history && urls);
        QCOMPARE(history->toggleViewAction()->isEnabled(), revisions);
        QCOMPARE(urls->isEnabled(), (permissions & View) != 0);
        QCOMPARE(urls->acceptDrops(), urlsWritable);
        QCOMPARE(window.windowTitle(), QStringLiteral("Budget [127.0.0.1]"));
        QCOMPARE(history->windowTitle(), QStringLiteral("Revision History for Budget"));
        QCOMPARE(urls->windowTitle(), QStringLiteral("URL Attachments for Budget"));
    }

    // Within what the key permits, Save, Undo and Redo are enabled only
    // while there is something to save, undo or redo.
    void saveUndoAndRedoFollowTheEdits_data()
    {
        QTest::addColumn<unsigned>("permissions");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("states"); // Save, Undo, Redo

        QTest::newRow("unchanged") << 0xFFFu << QStringList() << "000";
        QTest::newRow("typed") << 0xFFFu << QStringList{"type"} << "110";
        QTest::newRow("typed and undone") << 0xFFFu << QStringList{"type", "undo"} << "001";
        QTest::newRow("undone and redone") << 0xFFFu << QStringList{"type", "undo", "redo"} << "110";
        QTest::newRow("typed and saved") << 0xFFFu << QStringList{"type", "save"} << "010";
        QTest::newRow("changed without the update permission")
            << unsigned(View | CopyTo) << QStringList{"type"} << "000";
    }

    void saveUndoAndRedoFollowTheEdits()
    {
        QFETCH(unsigned, permissions);
        QFETCH(QStringList, steps);
        QFETCH(QString, states);
        DocumentEditorView *window = openThroughBrowser(Document(Owner, permissions));
        QVERIFY(window);
        QAction *save = Action(window, "AbstractTextEditorView", "Save");
        QAction *undo = window->getUndoAction();
        QAction *redo = Action(window, "Linguist", "Redo");
        QVERIFY(save && undo && redo);
        for (const QString &step : steps) {
            if (step == QLatin1String("type"))
                type(window, QStringLiteral(" and more"));
            else if (step == QLatin1String("undo"))
                undo->trigger();
            else if (step == QLatin1String("redo"))
                redo->trigger();
            else if (step == QLatin1String("save"))
                save->trigger();
        }
        QString read;
        for (const QAction *action : {save, undo, redo})
            read += action->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        QCOMPARE(read, states);
    }

    void revisionDescriptorAllowsReadingAndCopying()
    {
        DocumentEditorView window(Document(Owner, 0xFFFu));
        window.toggleRevisionHistory(true);
        QCOMPARE(int(Editor(&window)->textInteractionFlags()), int(Qt::TextSelectableByMouse));
        QCOMPARE(ActionStates(&window), QStringLiteral("11110000000000"));
        QCOMPARE(ToolBarStates(&window), QStringLiteral("100"));
        window.toggleRevisionHistory(false);
        QCOMPARE(ActionStates(&window), QStringLiteral("11111111001111"));
    }

    void sessionCountdownRestartsWithTheDocumentDescriptor()
    {
        qorv::data::Document document = Document(Owner, 0xFFFu);
        *document.mutable_document_security_descriptor() = Descriptor(0xFFFu, 7200);
        DocumentEditorView window(document);
        auto countdown = [&window] {
            const QList<QLabel *> labels = window.statusBar()->findChildren<QLabel *>();
            return labels.size() == 1 ? labels.first()->text() : QString();
        };
        const QString full = countdown();
        QVERIFY2(full.startsWith(QStringLiteral("Session Duration [0")), qPrintable(full));
        window.toggleRevisionHistory(true);
        QCOMPARE(countdown(), QString());
        window.toggleRevisionHistory(false);
        QCOMPARE(countdown(), full);
    }

    void bodyLimitCountsUtf8Bytes_data()
    {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<bool>("sent");
        QTest::newRow("exactly the limit") << BodyLimit << true;
        QTest::newRow("one byte more") << BodyLimit + 1 << false;
    }

    void bodyLimitCountsUtf8Bytes()
    {
        QFETCH(int, bytes);
        QFETCH(bool, sent);
        DocumentEditorView *window = openThroughBrowser(Document(Owner, 0xFFFu));
        QVERIFY(window);
        Editor(window)->setPlainText(TextOfHtmlBytes(Editor(window), bytes));
        QCOMPARE(Editor(window)->document()->toHtml().toUtf8().size(), bytes);
        Editor(window)->document()->setModified(true);
        server().clearRequests();
        DialogAnswerer answerer;
        if (!sent)
            answerer.expect(QMessageBox::Ok);
        Action(window, "AbstractTextEditorView", "Save")->trigger();
        if (sent) {
            QCOMPARE(Requests(server()), QStringList({"57/0"}));
            QVERIFY(!Editor(window)->document()->isModified());
            QVERIFY(answerer.sawNoDialog());
        } else {
            QVERIFY(answerer.waitForAll());
            QCOMPARE(answerer.lastText(), QStringLiteral("The document contains 1 excess characters.<br />Please "
                                                         "delete at least 1 characters."));
            QCOMPARE(Requests(server()), QStringList());
            QVERIFY(Editor(window)->document()->isModified());
            Editor(window)->document()->setModified(false);
        }
    }

    void saveSendsTheBodyAndKeepsWhatChangedElsewhere()
    {
        qorv::data::Document document = Document(Owner, 0xFFFu);
        DocumentEditorView *window = openThroughBrowser(document);
        QVERIFY(window);
        Editor(window)->document()->setModified(false);
        type(window, QStringLiteral(" and more"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Budget* [127.0.0.1]"));

        // Another window renames the document: its reply reaches the editor,
        // which must not take it for its own save.
        qorv::data::UpdateDocumentRequest rename;
        rename.mutable_document()->set_document_id(Budget);
        rename.mutable_document()->set_document_name("Budget 2025");
        DocumentBrowserView *browser =
            qobject_cast<DocumentBrowserView *>(QApplication::topLevelWidgets().value(0)->window());
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *found = qobject_cast<DocumentBrowserView *>(widget))
                browser = found;
        QVERIFY(browser);
        emit browser->deliverRequest(common::op::UpdateDocument, common::tag::RenameDocument,
                                     rename.SerializeAsString());
        QVERIFY(Editor(window)->document()->isModified());
        QCOMPARE(window->windowTitle(), QStringLiteral("Budget* [127.0.0.1]"));

        server().clearRequests();
        Action(window, "AbstractTextEditorView", "Save")->trigger();
        QCOMPARE(Requests(server()), QStringList({"57/0"}));
        const auto sent = Last<qorv::data::UpdateDocumentRequest>(server(), common::op::UpdateDocument).document();
        QCOMPARE(sent.document_id(), Budget);
        QVERIFY(!sent.has_document_name());
        QVERIFY(!sent.has_document_security_descriptor());
        QVERIFY(QString::fromStdString(sent.document_body()).contains(QStringLiteral("Plan and more")));
        QVERIFY(!Editor(window)->document()->isModified());
        QCOMPARE(window->windowTitle(), QStringLiteral("Budget [127.0.0.1]"));
        const qorv::data::Document stored = m_bus.directory().document(Budget);
        QCOMPARE(stored.document_name(), std::string("Budget 2025"));
        QCOMPARE(stored.document_description(), std::string("Money"));

        // Unmodified: nothing is sent.
        server().clearRequests();
        window->saveDocument(0);
        QCOMPARE(Requests(server()), QStringList());
    }

    void keyDescriptorNeverReachesTheServer()
    {
        qorv::data::Document document = Document(Stranger, unsigned(View | Update));
        DocumentEditorView window(document);
        std::string payload;
        connect(&window, &DocumentEditorView::deliverRequest, this,
                [&payload](common::Opcode, common::Opcode, const std::string &request) { payload = request; });
        type(&window, QStringLiteral("x"));
        window.saveDocument(0);
        qorv::data::UpdateDocumentRequest sent;
        QVERIFY(sent.ParseFromString(payload));
        QVERIFY(!sent.document().has_document_security_descriptor());
        QVERIFY(!sent.document().has_document_user_id());
        Editor(&window)->document()->setModified(false);
    }

    void refusedSaveKeepsTheEditsAndSaysSo()
    {
        DocumentEditorView *window = openThroughBrowser(Document(Owner, 0xFFFu));
        QVERIFY(window);
        server().onRequest(common::op::UpdateDocument, [](const testsupport::TestRequest &) {
            qorv::data::UpdateDocumentReply reply;
            reply.mutable_sql_diag_rec()->set_sqlc(1);
            return Answer(reply);
        });
        type(window, QStringLiteral(" edited"));
        {
            DialogAnswerer answerer;
            answerer.expect(QMessageBox::Ok);
            Action(window, "AbstractTextEditorView", "Save")->trigger();
            QVERIFY(answerer.waitForAll());
            QCOMPARE(answerer.lastText(), QStringLiteral("The document was not saved. Your changes are kept in the "
                                                         "window."));
        }
        QVERIFY(Editor(window)->document()->isModified());

        // Close, choosing Save: the refusal keeps the window open.
        QPointer<DocumentEditorView> guard(window);
        {
            DialogAnswerer answerer;
            answerer.expect(Press(QMessageBox::Save));
            answerer.expect(QMessageBox::Ok);
            QVERIFY(!window->close());
            QVERIFY(answerer.waitForAll());
            QCOMPARE(answerer.seen().value(0).text, QStringLiteral("Do you want to save changes you made to Budget?"));
        }
        QVERIFY(guard);
        QVERIFY(Editor(window)->document()->isModified());
        QCOMPARE(Requests(server()).filter(QStringLiteral("57/")), QStringList({"57/0", "57/-1"}));
        Editor(window)->document()->setModified(false);
    }

    void closeWithSaveSavesThenCloses()
    {
        DocumentEditorView *window = openThroughBrowser(Document(Owner, 0xFFFu));
        QVERIFY(window);
        type(window, QStringLiteral(" closing"));
        QPointer<DocumentEditorView> guard(window);
        server().clearRequests();
        DialogAnswerer answerer;
        answerer.expect(Press(QMessageBox::Save));
        QVERIFY(window->close());
        QVERIFY(answerer.waitForAll());
        QCOMPARE(Requests(server()), QStringList({"57/-1"}));
        QTRY_VERIFY(!guard);
        QVERIFY(QString::fromStdString(m_bus.directory().document(Budget).document_body()).contains("closing"));
    }

    void revisionHistoryListsAndShowsRevisions()
    {
        DocumentEditorView *window = openThroughBrowser(Document(Owner, 0xFFFu));
        QVERIFY(window);
        QVERIFY(activate(window));
        server().onRequest(common::op::SelectDocument, [](const testsupport::TestRequest &received) {
            qorv::data::SelectDocumentRequest request;
            request.ParseFromString(received.payload);
            qorv::data::SelectDocumentReply reply;
            if (received.minorOpcode == common::tag::ListRevisions) {
                for (const char *from : {"2024-03-05 14:07:09", "not a time", "2024-01-02 08:00:00.5"}) {
                    qorv::data::Document *revision = reply.add_document();
                    revision->set_document_name("Budget");
                    revision->mutable_sys_period()->set_from(from);
                }
            } else if (received.minorOpcode == common::tag::ShowRevision) {
                qorv::data::Document *revision = reply.add_document();
                revision->set_document_body(
                    "<html><head><meta charset=\"utf-8\"></head><body><p>Old \xC3\xA9t\xC3\xA9</p></body></html>");
            }
            return Answer(reply);
        });
        type(window, QStringLiteral(" unsaved"));
        server().clearRequests();
        QDockWidget *history = nullptr;
        for (QDockWidget *dock : window->findChildren<QDockWidget *>())
            if (!qobject_cast<UrlDockWidget *>(dock))
                history = dock;
        QVERIFY(history);
        history->toggleViewAction()->trigger();
        QCOMPARE(Requests(server()), QStringList({"41/-52"}));
        const auto asked = Last<qorv::data::SelectDocumentRequest>(server(), common::op::SelectDocument);
        QCOMPARE(asked.document_id(), Budget);
        QCOMPARE(asked.sys_period().from(), std::string("1400-01-01 00:00:00"));
        QCOMPARE(asked.sys_period().to(), std::string("9999-12-31 00:00:00"));
        auto *list = history->findChild<QListWidget *>();
        QCOMPARE(Texts(list),
                 QStringList({"Budget revised 2024-03-05 15:07:09", "Budget revised 2024-01-02 09:00:00.500000"}));
        QCOMPARE(list->item(0)->data(Qt::UserRole).toString(), QStringLiteral("2024-03-05 14:07:09"));
        QCOMPARE(Editor(window)->toPlainText(), QString());

        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        QCOMPARE(Requests(server()), QStringList({"41/-52", "41/-4"}));
        QCOMPARE(Last<qorv::data::SelectDocumentRequest>(server(), common::op::SelectDocument).sys_period().to(),
                 std::string("2024-03-05 14:07:09"));
        QCOMPARE(Editor(window)->toPlainText(), QStringLiteral("Old \u00E9t\u00E9"));

        // The main text was edited before: closing still asks about it.
        QPointer<DocumentEditorView> guard(window);
        DialogAnswerer answerer;
        answerer.expect(Press(QMessageBox::Cancel));
        QVERIFY(!window->close());
        QVERIFY(answerer.waitForAll());
        QVERIFY(guard);

        history->toggleViewAction()->trigger();
        QVERIFY(Editor(window)->toPlainText().contains(QStringLiteral("Plan unsaved")));
        QCOMPARE(list->count(), 0);
        Editor(window)->document()->setModified(false);
    }

    // A history of thousands of revisions lists every one in the server's
    // order; a revision that is one unbroken word of many pages is shown
    // whole, broken anywhere, and the main text keeps breaking at words.
    void longRevisionHistoryAndAnUnbrokenRevision()
    {
        constexpr int Revisions = 3000;
        const QString word(64 * 1024, QLatin1Char('x'));
        DocumentEditorView *window = openThroughBrowser(Document(Owner, 0xFFFu));
        QVERIFY(window);
        QVERIFY(activate(window));
        server().onRequest(common::op::SelectDocument, [&word](const testsupport::TestRequest &received) {
            qorv::data::SelectDocumentReply reply;
            if (received.minorOpcode == common::tag::ListRevisions) {
                for (int n = 0; n < Revisions; ++n) {
                    qorv::data::Document *revision = reply.add_document();
                    revision->set_document_name("Budget");
                    // Newest first, as the server lists them.
                    const QDateTime from =
                        QDateTime(QDate(2024, 1, 1), QTime(0, 0), QTimeZone::utc()).addSecs(qint64(Revisions - n) * 60);
                    revision->mutable_sys_period()->set_from(
                        from.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString());
                }
            } else if (received.minorOpcode == common::tag::ShowRevision) {
                reply.add_document()->set_document_body(
                    QStringLiteral("<html><body><p>%1</p></body></html>").arg(word).toStdString());
            }
            return Answer(reply);
        });
        QDockWidget *history = nullptr;
        for (QDockWidget *dock : window->findChildren<QDockWidget *>())
            if (!qobject_cast<UrlDockWidget *>(dock))
                history = dock;
        QVERIFY(history);
        QCOMPARE(Editor(window)->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);

        history->toggleViewAction()->trigger();

        auto *list = history->findChild<QListWidget *>();
        QCOMPARE(list->count(), Revisions);
        QCOMPARE(list->item(0)->data(Qt::UserRole).toString(), QStringLiteral("2024-01-03 02:00:00"));
        QCOMPARE(list->item(Revisions - 1)->data(Qt::UserRole).toString(), QStringLiteral("2024-01-01 00:01:00"));
        QCOMPARE(list->currentRow(), -1);
        QCOMPARE(list->verticalScrollBar()->value(), 0);

        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        QCOMPARE(Editor(window)->wordWrapMode(), QTextOption::WrapAnywhere);
        QCOMPARE(Editor(window)->toPlainText(), word);

        history->toggleViewAction()->trigger();
        QCOMPARE(Editor(window)->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
        QVERIFY(Editor(window)->toPlainText().contains(QStringLiteral("Plan")));
        QCOMPARE(list->count(), 0);
    }

    // Thousands of addresses, some twice and some insecure, are listed each
    // once in text order; a later address takes its place, a known one is
    // not listed again, and a removed one can come back.
    void longWebAddressList()
    {
        constexpr int Addresses = 3000;
        QStringList expected;
        for (int n = 0; n < Addresses; ++n)
            expected.append(
                QStringLiteral("https://%1.example.org/").arg((n * 7919) % Addresses, 4, 10, QLatin1Char('0')));
        DocumentEditorView *window = openThroughBrowser(Document(Owner, 0xFFFu));
        QVERIFY(window);
        server().onRequest(common::op::SelectDocumentWebpage, [&expected](const testsupport::TestRequest &) {
            qorv::data::SelectDocumentWebpageReply reply;
            const auto add = [&reply](const QString &url) {
                qorv::data::DocumentWebpage *webpage = reply.add_document_webpage();
                webpage->set_document_webpage_document_id(Budget);
                webpage->set_document_webpage_url(url.toStdString());
            };
            for (const QString &url : expected)
                add(url);
            add(expected.at(10));
            add(QStringLiteral("http://plain.example.org/"));
            return Answer(reply);
        });
        auto *dock = window->findChild<UrlDockWidget *>();
        dock->toggleViewAction()->trigger();
        UrlListWidget *list = dock->getListWidget();
        expected.sort();
        QCOMPARE(Texts(list), expected);

        emit dock->addUrl(Url(QStringLiteral("https://1500a.example.org/")));
        emit dock->addUrl(Url(expected.at(20)));
        expected.insert(expected.indexOf(QStringLiteral("https://1501.example.org/")),
                        QStringLiteral("https://1500a.example.org/"));
        QCOMPARE(Texts(list), expected);
        delete list->item(5);
        emit dock->addUrl(Url(expected.at(5)));
        QCOMPARE(Texts(list), expected);
    }

    void webAddressesListedAddedEditedAndRemoved()
    {
        DocumentEditorView *window = openThroughBrowser(Document(Owner, 0xFFFu));
        QVERIFY(window);
        server().onRequest(common::op::SelectDocumentWebpage, [](const testsupport::TestRequest &) {
            qorv::data::SelectDocumentWebpageReply reply;
            for (const char *url : {"https://b.example.org/", "http://plain.example.org/", "HTTPS://a.example.org/"}) {
                qorv::data::DocumentWebpage *webpage = reply.add_document_webpage();
                webpage->set_document_webpage_document_id(Budget);
                webpage->set_document_webpage_url(url);
                webpage->set_document_webpage_description("About");
            }
            return Answer(reply);
        });
        auto *dock = window->findChild<UrlDockWidget *>();
        server().clearRequests();
        dock->toggleViewAction()->trigger();
        QCOMPARE(Requests(server()), QStringList({"42/1"}));
        UrlListWidget *list = dock->getListWidget();
        QCOMPARE(Texts(list), QStringList({"https://a.example.org/", "https://b.example.org/"}));

        server().clearRequests();
        Url added(QStringLiteral("https://c.example.org/ü"));
        added.setDescription(QStringLiteral("Süd"));
        window->newUrl(added);
        window->newUrl(Url(QStringLiteral("http://insecure.example.org/")));
        QCOMPARE(Requests(server()), QStringList({"23/1"}));
        const auto inserted =
            Last<qorv::data::InsertDocumentWebpageRequest>(server(), common::op::InsertDocumentWebpage)
                .document_webpage();
        const std::string text = added.toString().toStdString();
        QCOMPARE(inserted.document_webpage_document_id(), Budget);
        QCOMPARE(inserted.document_webpage_url(), text);
        QCOMPARE(inserted.document_webpage_url_hash(), crypto::HashUrl(text));
        QCOMPARE(inserted.document_webpage_url_hash().size(), size_t(40));
        QCOMPARE(inserted.document_webpage_description(), std::string("S\xC3\xBC"
                                                                      "d"));
        QCOMPARE(inserted.document_webpage_properties(), 0u);

        server().clearRequests();
        Url edited(QStringLiteral("https://a.example.org/"));
        edited.setDescription(QStringLiteral("New"));
        window->editUrl(edited);
        const auto updated = Last<qorv::data::UpdateDocumentWebpageRequest>(server(), common::op::UpdateDocumentWebpage)
                                 .document_webpage();
        QCOMPARE(Requests(server()), QStringList({"58/1"}));
        QCOMPARE(updated.document_webpage_url_hash(), crypto::HashUrl("https://a.example.org/"));
        QVERIFY(!updated.has_document_webpage_url());
        QCOMPARE(updated.document_webpage_description(), std::string("New"));

        server().clearRequests();
        {
            DialogAnswerer answerer;
            answerer.expect(Press(QMessageBox::Cancel));
            window->removeUrl(list->item(0));
            QVERIFY(answerer.waitForAll());
            QCOMPARE(answerer.lastText(), QStringLiteral("Delete Webpage Confirmation"));
            QCOMPARE(answerer.seen().value(0).informativeText,
                     QStringLiteral("Delete webpage (https://a.example.org/)?"));
        }
        QCOMPARE(list->count(), 2);
        QCOMPARE(Requests(server()), QStringList());
        {
            DialogAnswerer answerer;
            answerer.expect(Press(QMessageBox::Ok));
            window->removeUrl(list->item(0));
            QVERIFY(answerer.waitForAll());
        }
        QCOMPARE(Texts(list), QStringList({"https://b.example.org/"}));
        QCOMPARE(Requests(server()), QStringList({"8/1"}));
        const auto removed =
            Last<qorv::data::DeleteDocumentWebpageRequest>(server(), common::op::DeleteDocumentWebpage);
        QCOMPARE(removed.document_webpage_document_id(), Budget);
        QCOMPARE(removed.document_webpage_user_id(), Owner);
        QCOMPARE(removed.document_webpage_url_hash(), crypto::HashUrl("https://a.example.org/"));
    }

    void auditRequestsCarryTheSize()
    {
        DocumentEditorView window(Document(Owner, 0xFFFu));
        QList<int> majors;
        connect(&window, &DocumentEditorView::deliverRequest, this,
                [&majors](common::Opcode major, common::Opcode, const std::string &) { majors << major; });
        window.cutBytesToClipboard(3);
        window.copyBytesToClipboard(3);
        window.pasteBytesFromClipboard(3);
        window.exportBytesToTextFile(3);
        window.exportBytesToPdfFile(3);
        window.printBytes(3);
        QCOMPARE(majors, QList<int>({-12, -12, -18, -15, -14, -20}));
    }
};

QTEST_MAIN(TestDocumentEditor)
#include "tst_documenteditor.moc"
