#include "applicationcomponent.h"
#include "common/eventcode.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "consolemanager.h"
#include "consoleview.h"
#include "dbid.h"
#include "documentbrowsermanager.h"
#include "documentbrowsersidepanelistwidget.h"
#include "documentbrowserview.h"
#include "documenteditormanager.h"
#include "documenteditorview.h"
#include "documentkeyringmanager.h"
#include "documentkeyringpanetreewidget.h"
#include "documentkeyringview.h"
#include "documentkeysmanager.h"
#include "executiveconnector.h"
#include "folderkeyringmanager.h"
#include "folderkeyringpanetreewidget.h"
#include "folderkeyringview.h"
#include "folderkeysmanager.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "itemtype.h"
#include "iviewwindowbus.h"
#include "messagebrowsermanager.h"
#include "messagebrowserview.h"
#include "messageeditormanager.h"
#include "messageeditorview.h"
#include "messagereadermanager.h"
#include "messagereaderview.h"
#include "recordingcomponent.h"
#include "serviceconnector.h"
#include "testenvironment.h"
#include "usergroupbrowsermanager.h"

#include "deletedocumentrequest3.pb.h"
#include "deletefolderreply3.pb.h"
#include "deletefolderrequest3.pb.h"
#include "deletemessagerequest3.pb.h"
#include "openfolderkeyrequest3.pb.h"
#include "openmessagerequest3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectfolderkeyreply3.pb.h"
#include "selectfolderkeyrequest3.pb.h"

#include <QApplication>
#include <QListWidget>
#include <QPointer>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <vector>

using testsupport::RecordingComponent;

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
// A field with a length of 255 and no bytes behind it: no message parses it.
const QByteArray Unparsable("\x0a\xff", 2);

// The open windows of one class: a closed window may linger until its deferred
// deletion, but it is no longer open.
template <class Window>
QList<Window *> OpenWindows()
{
    QList<Window *> windows;
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        auto *window = qobject_cast<Window *>(widget);
        if (window && !window->isHidden())
            windows.append(window);
    }
    return windows;
}

// The class names of every open window, sorted, for tests that must see that
// nothing else opened.
QStringList OpenWindowClasses()
{
    QStringList classes;
    const QList<AbstractViewWindow *> windows = OpenWindows<AbstractViewWindow>();
    for (const AbstractViewWindow *window : windows)
        classes.append(QString::fromLatin1(window->metaObject()->className()));
    classes.sort();
    return classes;
}

// Undoes the three links that put a window on the bus; true when all three
// had been made.
bool TakeOffTheBus(const ApplicationComponent &bus, AbstractViewWindow *window)
{
    const auto *connector = bus.findChild<ExecutiveConnector *>();
    return QObject::disconnect(connector, &Connector::deliverEvent, window, &AbstractMainWindow::receiveEvent)
           && QObject::disconnect(connector, &Connector::deliverReply, window, &AbstractMainWindow::receiveReply)
           && QObject::disconnect(window, &AbstractMainWindow::deliverRequest, connector, &Connector::receiveRequest);
}

// A bus on which no window can be linked.
class RefusingBus : public IViewWindowBus
{
public:
    bool connectAbstractViewWindow(const AbstractViewWindow *) const override { return false; }
};

// How many top-level widgets of one class there are, hidden ones too.
int TopLevelWidgetsOf(const QString &className)
{
    const QWidgetList widgets = QApplication::topLevelWidgets();
    return static_cast<int>(std::count_if(widgets.begin(), widgets.end(), [&className](const QWidget *widget) {
        return QString::fromLatin1(widget->metaObject()->className()) == className;
    }));
}

// Bringing a window to the front is the one thing the offscreen platform
// refuses, with a warning per window, which tells that it was asked.
void ExpectRaises(int count)
{
    for (int i = 0; i < count; ++i)
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support raise()");
}

void DestroyClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void DestroyAllWindows()
{
    QList<QPointer<QWidget>> windows;
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets)
        windows.append(widget);
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
    DestroyClosedWindows();
}

qorv::data::Document Document(int id, const std::string &name = std::string())
{
    qorv::data::Document document;
    document.set_document_id(id);
    if (!name.empty())
        document.set_document_name(name);
    return document;
}

QByteArray Bytes(const google::protobuf::MessageLite &message)
{
    return QByteArray::fromStdString(message.SerializeAsString());
}

QByteArray SelectDocumentReply(const QList<int> &documentIds, int sqlc = 0)
{
    qorv::data::SelectDocumentReply reply;
    if (sqlc != 0)
        reply.mutable_sql_diag_rec()->set_sqlc(sqlc);
    for (int id : documentIds)
        *reply.add_document() = Document(id);
    return Bytes(reply);
}

QByteArray SelectDocumentRequest()
{
    qorv::data::SelectDocumentRequest request;
    request.set_document_folder_id(3);
    return Bytes(request);
}

qorv::data::DocumentKey DocumentKey(int documentId, int userId)
{
    qorv::data::DocumentKey key;
    *key.mutable_document_key_document() = Document(documentId);
    key.mutable_document_key_user()->set_user_id(userId);
    return key;
}

QByteArray SelectDocumentKeyRequest(int documentId, const std::string &documentName = std::string())
{
    qorv::data::SelectDocumentKeyRequest request;
    request.set_document_key_document_id(documentId);
    request.set_document_key_document_name(documentName);
    return Bytes(request);
}

QByteArray SelectDocumentKeyReply(const QList<qorv::data::DocumentKey> &keys, int sqlc = 0)
{
    qorv::data::SelectDocumentKeyReply reply;
    if (sqlc != 0)
        reply.mutable_sql_diag_rec()->set_sqlc(sqlc);
    for (const qorv::data::DocumentKey &key : keys)
        *reply.add_document_key() = key;
    return Bytes(reply);
}

qorv::data::FolderKey FolderKey(int folderId, const std::string &lastName = std::string(),
                                const std::string &firstName = std::string())
{
    qorv::data::FolderKey key;
    key.mutable_folder_key_folder()->set_folder_id(folderId);
    if (!lastName.empty() || !firstName.empty()) {
        key.mutable_folder_key_user()->set_user_last_name(lastName);
        key.mutable_folder_key_user()->set_user_first_name(firstName);
    }
    return key;
}

QByteArray SelectFolderKeyRequest(int folderId, const std::string &folderName = std::string())
{
    qorv::data::SelectFolderKeyRequest request;
    request.set_folder_key_folder_id(folderId);
    request.set_folder_key_folder_name(folderName);
    return Bytes(request);
}

QByteArray SelectFolderKeyReply(const QList<qorv::data::FolderKey> &keys, int sqlc = 0)
{
    qorv::data::SelectFolderKeyReply reply;
    if (sqlc != 0)
        reply.mutable_sql_diag_rec()->set_sqlc(sqlc);
    for (const qorv::data::FolderKey &key : keys)
        *reply.add_folder_key() = key;
    return Bytes(reply);
}

QByteArray DeleteDocumentRequest(int documentId)
{
    qorv::data::DeleteDocumentRequest request;
    request.set_document_id(documentId);
    return Bytes(request);
}

QByteArray DeleteFolderRequest(int folderId)
{
    qorv::data::DeleteFolderRequest request;
    request.set_folder_id(folderId);
    return Bytes(request);
}

QByteArray DeleteFolderReply(int returnCode)
{
    qorv::data::DeleteFolderReply reply;
    reply.set_return_code(returnCode);
    return Bytes(reply);
}

QByteArray DeleteMessageRequest(int messageId)
{
    qorv::data::DeleteMessageRequest request;
    request.set_message_id(messageId);
    return Bytes(request);
}

// How a message says whose copy it is.
enum class Copy
{
    Unmarked, // message_user_is_recipient absent
    Own,      // present and false
    Received, // present and true
};

QByteArray OpenMessageRequest(int messageId, Copy copy)
{
    qorv::data::OpenMessageRequest request;
    qorv::data::Message *message = request.mutable_message();
    message->set_message_id(messageId);
    if (copy != Copy::Unmarked)
        message->set_message_user_is_recipient(copy == Copy::Received);
    // A received copy that is opened for the first time: still unread.
    if (copy == Copy::Received)
        message->set_message_user_properties(1);
    return Bytes(request);
}

// A folder key that may be opened at any time.
qorv::data::FolderKey UsableFolderKey(int folderId)
{
    qorv::data::FolderKey key = FolderKey(folderId);
    qorv::data::SecurityDescriptor *rules = key.mutable_folder_key_security_descriptor();
    rules->set_active(0xFFFFF);
    rules->set_permissions(0x1);
    rules->set_expiration_date("9999-12-31 00:00:00");
    return key;
}

// The folders of the folder-key shortcuts in a browser's side pane.
QList<int> ShortcutFolderKeys(const DocumentBrowserView &browser)
{
    QList<int> folders;
    const QListWidget *sidePane = browser.findChild<SidePaneListWidget *>();
    for (int row = 0; sidePane && row < sidePane->count(); ++row) {
        const QListWidgetItem *item = sidePane->item(row);
        if (item->type() != FolderKeyItemType)
            continue;
        const auto key = itemrecord::FromVariant<qorv::data::FolderKey>(item->data(FolderKeyRole));
        folders.append(key ? key->folder_key_folder().folder_id() : -1);
    }
    return folders;
}

template <class Window, class KeyOf>
QList<int> SortedKeys(KeyOf keyOf)
{
    QList<int> keys;
    const QList<Window *> windows = OpenWindows<Window>();
    for (const Window *window : windows)
        keys.append(keyOf(*window));
    std::sort(keys.begin(), keys.end());
    return keys;
}

QList<int> EditorDocumentIds()
{
    return SortedKeys<DocumentEditorView>(
        [](const DocumentEditorView &editor) { return editor.getDocument().document_id(); });
}

QList<int> DocumentKeyringIds()
{
    return SortedKeys<DocumentKeyringView>([](const DocumentKeyringView &keyring) { return keyring.getDocumentId(); });
}

QList<int> FolderKeyringIds()
{
    return SortedKeys<FolderKeyringView>([](const FolderKeyringView &keyring) { return keyring.getFolderId(); });
}

// The keys a keyring shows, top to bottom.
std::vector<qorv::data::DocumentKey> KeysOf(const DocumentKeyringView &keyring)
{
    std::vector<qorv::data::DocumentKey> keys;
    const auto *pane = keyring.findChild<DocumentKeyringPaneTreeWidget *>();
    for (int row = 0; row < pane->topLevelItemCount(); ++row)
        keys.push_back(GetDocumentKey(pane->topLevelItem(row)));
    return keys;
}

std::vector<qorv::data::FolderKey> KeysOf(const FolderKeyringView &keyring)
{
    std::vector<qorv::data::FolderKey> keys;
    const auto *pane = keyring.findChild<FolderKeyringPaneTreeWidget *>();
    for (int row = 0; row < pane->topLevelItemCount(); ++row)
        keys.push_back(GetFolderKey(pane->topLevelItem(row)));
    return keys;
}

QList<int> MessageEditorIds()
{
    return SortedKeys<MessageEditorView>(
        [](const MessageEditorView &editor) { return editor.getMessage().message_id(); });
}

QList<int> MessageReaderIds()
{
    return SortedKeys<MessageReaderView>(
        [](const MessageReaderView &reader) { return reader.getMessage().message_id(); });
}
}

// The managers on the real bus: a window's requests enter the executive
// connector, replies come up from the service connector as the server
// component hands them up, and events rise the same way.
class TestViewManagers : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ApplicationComponent> m_bus;
    std::unique_ptr<RecordingComponent> m_window;
    QStringList m_log;

    ServiceConnector *serviceConnector() const { return m_bus->findChild<ServiceConnector *>(); }

    void request(common::Opcode majorOpcode, common::Opcode minorOpcode, const QByteArray &payload = QByteArray())
    {
        emit m_window->deliverRequest(majorOpcode, minorOpcode, payload.toStdString());
    }

    void reply(common::Opcode majorOpcode, common::Opcode minorOpcode, const QByteArray &request,
               const QByteArray &reply, common::Ercode majorErcode = 0, common::Ercode minorErcode = 0)
    {
        serviceConnector()->receiveReply(majorOpcode, minorOpcode, request.toStdString(), majorErcode, minorErcode,
                                         reply.toStdString());
    }

private slots:
    void init()
    {
        QTest::failOnWarning("This plugin does not support raise()");
        m_log.clear();
        m_bus = std::make_unique<ApplicationComponent>();
        m_window = std::make_unique<RecordingComponent>(QStringLiteral("window"), &m_log);
        QVERIFY(m_bus->connectAbstractViewWindow(m_window.get()));
    }

    void cleanup()
    {
        m_window.reset();
        m_bus.reset();
        DestroyAllWindows();
    }

    // Start-up

    void startUpOpensOneConsole()
    {
        const QList<ConsoleView *> consoles = OpenWindows<ConsoleView>();
        QCOMPARE(consoles.size(), 1);
        QVERIFY(consoles.first()->isVisible());
        QVERIFY(!consoles.first()->parentWidget());
        QCOMPARE(OpenWindowClasses(), QStringList({"ConsoleView"}));
    }

    void otherEventsOpenNoConsole_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::newRow("start-up, other minor") << -1 << 2;
        QTest::newRow("start-up, negative minor") << -1 << -1;
        QTest::newRow("clock tick") << -3 << 1;
        QTest::newRow("editor options") << -47 << 1;
    }

    void otherEventsOpenNoConsole()
    {
        QFETCH(int, major);
        QFETCH(int, minor);

        serviceConnector()->receiveEvent(major, minor, std::string());

        QCOMPARE(OpenWindowClasses(), QStringList({"ConsoleView"}));
    }

    void consoleTakesTheActiveWindowAsParent()
    {
        cleanup();
        QWidget active;
        active.show();
        active.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&active));

        ApplicationComponent bus;

        const QList<ConsoleView *> consoles = OpenWindows<ConsoleView>();
        QCOMPARE(consoles.size(), 1);
        QCOMPARE(consoles.first()->parentWidget(), &active);
    }

    void consoleGoesWhenTheEventLoopEnds()
    {
        QPointer<ConsoleView> console = OpenWindows<ConsoleView>().value(0);
        QVERIFY(console);

        QVERIFY(QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection));

        QVERIFY(!console);
    }

    // Launchers: a new window on every request

    void launcherOpensANewWindowEveryTime_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<QString>("windowClass");
        QTest::newRow("user groups") << common::op::OpenUserGroupBrowser << common::tag::Plain
                                     << "UserGroupBrowserView";
        QTest::newRow("user groups, any minor") << common::op::OpenUserGroupBrowser << -7 << "UserGroupBrowserView";
        QTest::newRow("document browser")
            << common::op::OpenDocumentBrowser << common::tag::Plain << "DocumentBrowserView";
        QTest::newRow("document keys") << common::op::OpenDocumentKeys << common::tag::Plain << "DocumentKeysView";
        QTest::newRow("document keys, any minor") << common::op::OpenDocumentKeys << 4 << "DocumentKeysView";
        QTest::newRow("folder keys") << common::op::OpenFolderKeys << common::tag::Plain << "FolderKeysView";
        QTest::newRow("folder keys, any minor") << common::op::OpenFolderKeys << -2 << "FolderKeysView";
        QTest::newRow("message browser") << common::op::OpenMessageBrowser << common::tag::Plain
                                         << "MessageBrowserView";
        QTest::newRow("message browser, any minor") << common::op::OpenMessageBrowser << 9 << "MessageBrowserView";
    }

    void launcherOpensANewWindowEveryTime()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(QString, windowClass);

        request(major, minor);
        request(major, minor);

        QCOMPARE(OpenWindowClasses(), QStringList({"ConsoleView", windowClass, windowClass}));
        const QList<AbstractViewWindow *> windows = OpenWindows<AbstractViewWindow>();
        for (AbstractViewWindow *window : windows) {
            if (window->metaObject()->className() == windowClass) {
                QVERIFY(!window->parentWidget());
                QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
                QVERIFY(TakeOffTheBus(*m_bus, window));
            }
        }
    }

    // Document browsers: the minor opcode decides

    void documentBrowserRequest_data()
    {
        QTest::addColumn<int>("minor");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<int>("plainBrowsers");
        QTest::addColumn<QList<int>>("keyBrowsers"); // the folder of each browser opened through a key

        qorv::data::OpenFolderKeyRequest twoKeys;
        *twoKeys.add_folder_key() = UsableFolderKey(11);
        *twoKeys.add_folder_key() = UsableFolderKey(12);
        qorv::data::OpenFolderKeyRequest sameKeyTwice;
        *sameKeyTwice.add_folder_key() = UsableFolderKey(11);
        *sameKeyTwice.add_folder_key() = UsableFolderKey(11);

        QTest::newRow("plain") << common::tag::Plain << QByteArray() << 1 << QList<int>();
        QTest::newRow("plain ignores its payload") << common::tag::Plain << Bytes(twoKeys) << 1 << QList<int>();
        QTest::newRow("two folder keys") << common::tag::OpenFolderKey << Bytes(twoKeys) << 0 << QList<int>({11, 12});
        QTest::newRow("the same key twice")
            << common::tag::OpenFolderKey << Bytes(sameKeyTwice) << 0 << QList<int>({11, 11});
        QTest::newRow("no folder key") << common::tag::OpenFolderKey << QByteArray() << 0 << QList<int>();
        QTest::newRow("unparsable keys") << common::tag::OpenFolderKey << Unparsable << 0 << QList<int>();
        QTest::newRow("other minor") << 5 << Bytes(twoKeys) << 0 << QList<int>();
        QTest::newRow("another tag") << common::tag::OpenDocumentEditor << Bytes(twoKeys) << 0 << QList<int>();
    }

    void documentBrowserRequest()
    {
        QFETCH(int, minor);
        QFETCH(QByteArray, payload);
        QFETCH(int, plainBrowsers);
        QFETCH(QList<int>, keyBrowsers);

        request(common::op::OpenDocumentBrowser, minor, payload);

        int plain = 0;
        QList<int> folders;
        const QList<DocumentBrowserView *> browsers = OpenWindows<DocumentBrowserView>();
        for (const DocumentBrowserView *browser : browsers) {
            // Each browser opened through a key gets that key alone as a
            // shortcut, and opens it: the key's folder is asked for its keys.
            const QList<int> shortcuts = ShortcutFolderKeys(*browser);
            if (shortcuts.isEmpty())
                ++plain;
            QVERIFY(shortcuts.size() <= 1);
            folders += shortcuts;
        }
        QCOMPARE(m_log.filter(QStringLiteral("window: reply 43 -6 ")).size(), keyBrowsers.size());
        std::sort(folders.begin(), folders.end());
        QCOMPARE(plain, plainBrowsers);
        QCOMPARE(folders, keyBrowsers);
        QCOMPARE(OpenWindowClasses().size(), 1 + plainBrowsers + keyBrowsers.size());
    }

    // Document editors: one per document

    void selectDocumentReply_data()
    {
        QTest::addColumn<int>("minor");
        QTest::addColumn<QByteArray>("requestPayload");
        QTest::addColumn<QByteArray>("replyPayload");
        QTest::addColumn<int>("majorErcode");
        QTest::addColumn<int>("minorErcode");
        QTest::addColumn<QList<int>>("editors");
        QTest::addColumn<int>("raises"); // over both deliveries of the reply

        const QByteArray threeDocuments = SelectDocumentReply({7, 5, 9});
        QTest::newRow("three documents") << common::tag::OpenDocumentEditor << SelectDocumentRequest() << threeDocuments
                                         << 0 << 0 << QList<int>({5, 7, 9}) << 3;
        QTest::newRow("no document") << common::tag::OpenDocumentEditor << SelectDocumentRequest()
                                     << SelectDocumentReply({}) << 0 << 0 << QList<int>() << 0;
        QTest::newRow("same document twice") << common::tag::OpenDocumentEditor << SelectDocumentRequest()
                                             << SelectDocumentReply({4, 4}) << 0 << 0 << QList<int>({4}) << 3;
        QTest::newRow("document without id") << common::tag::OpenDocumentEditor << SelectDocumentRequest() << Bytes([] {
            qorv::data::SelectDocumentReply reply;
            reply.add_document()->set_document_name("untitled");
            return reply;
        }()) << 0 << 0 << QList<int>({0}) << 1;
        QTest::newRow("empty request") << common::tag::OpenDocumentEditor << QByteArray() << threeDocuments << 0 << 0
                                       << QList<int>({5, 7, 9}) << 3;
        QTest::newRow("sql error") << common::tag::OpenDocumentEditor << SelectDocumentRequest()
                                   << SelectDocumentReply({5}, 123) << 0 << 0 << QList<int>() << 0;
        QTest::newRow("minor error") << common::tag::OpenDocumentEditor << SelectDocumentRequest() << threeDocuments
                                     << 0 << 5 << QList<int>() << 0;
        QTest::newRow("link failure") << common::tag::OpenDocumentEditor << SelectDocumentRequest() << threeDocuments
                                      << -1 << 1 << QList<int>() << 0;
        QTest::newRow("major error") << common::tag::OpenDocumentEditor << SelectDocumentRequest() << threeDocuments
                                     << 3 << 0 << QList<int>() << 0;
        QTest::newRow("unparsable reply")
            << common::tag::OpenDocumentEditor << SelectDocumentRequest() << Unparsable << 0 << 0 << QList<int>() << 0;
        QTest::newRow("unparsable request")
            << common::tag::OpenDocumentEditor << Unparsable << threeDocuments << 0 << 0 << QList<int>() << 0;
        QTest::newRow("untagged select") << common::tag::Plain << SelectDocumentRequest() << threeDocuments << 0 << 0
                                         << QList<int>() << 0;
        QTest::newRow("other tag") << common::tag::OpenFolder << SelectDocumentRequest() << threeDocuments << 0 << 0
                                   << QList<int>() << 0;
        QTest::newRow("keyring tag") << common::tag::OpenDocumentKeyring << SelectDocumentRequest() << threeDocuments
                                     << 0 << 0 << QList<int>() << 0;
    }

    void selectDocumentReply()
    {
        QFETCH(int, minor);
        QFETCH(QByteArray, requestPayload);
        QFETCH(QByteArray, replyPayload);
        QFETCH(int, majorErcode);
        QFETCH(int, minorErcode);
        QFETCH(QList<int>, editors);
        QFETCH(int, raises);
        ExpectRaises(raises);

        reply(common::op::SelectDocument, minor, requestPayload, replyPayload, majorErcode, minorErcode);
        QCOMPARE(EditorDocumentIds(), editors);

        // The same reply again brings the editors to the front; none is added.
        reply(common::op::SelectDocument, minor, requestPayload, replyPayload, majorErcode, minorErcode);
        QCOMPARE(EditorDocumentIds(), editors);
        for (const DocumentEditorView *editor : OpenWindows<DocumentEditorView>())
            QVERIFY(!editor->parentWidget());
    }

    void selectDocumentKeyReply_data()
    {
        QTest::addColumn<QByteArray>("replyPayload");
        QTest::addColumn<int>("minorErcode");
        QTest::addColumn<QList<int>>("editors");

        qorv::data::DocumentKey guarded = DocumentKey(8, 2);
        guarded.mutable_document_key_security_descriptor()->set_password("key rules");

        QTest::newRow("one key") << SelectDocumentKeyReply({guarded}) << 0 << QList<int>({8});
        QTest::newRow("no key") << SelectDocumentKeyReply({}) << 0 << QList<int>();
        QTest::newRow("two keys") << SelectDocumentKeyReply({guarded, DocumentKey(9, 2)}) << 0 << QList<int>();
        QTest::newRow("sql error") << SelectDocumentKeyReply({guarded}, 7) << 0 << QList<int>();
        QTest::newRow("error pair") << SelectDocumentKeyReply({guarded}) << 4 << QList<int>();
        QTest::newRow("unparsable reply") << Unparsable << 0 << QList<int>();
    }

    void selectDocumentKeyReply()
    {
        QFETCH(QByteArray, replyPayload);
        QFETCH(int, minorErcode);
        QFETCH(QList<int>, editors);

        reply(common::op::SelectDocumentKey, common::tag::OpenDocumentEditor, SelectDocumentKeyRequest(8), replyPayload,
              0, minorErcode);

        QCOMPARE(EditorDocumentIds(), editors);
    }

    void documentKeyOpensTheDocumentUnderTheKeysRules()
    {
        qorv::data::DocumentKey key = DocumentKey(8, 2);
        key.mutable_document_key_document()->set_document_name("Plan");
        key.mutable_document_key_document()->mutable_document_security_descriptor()->set_password("owner");
        key.mutable_document_key_security_descriptor()->set_password("holder");

        reply(common::op::SelectDocumentKey, common::tag::OpenDocumentEditor, SelectDocumentKeyRequest(8),
              SelectDocumentKeyReply({key}));

        const QList<DocumentEditorView *> editors = OpenWindows<DocumentEditorView>();
        QCOMPARE(editors.size(), 1);
        const qorv::data::Document &document = editors.first()->getDocument();
        QCOMPARE(document.document_name(), std::string("Plan"));
        QCOMPARE(document.document_security_descriptor().password(), std::string("holder"));
    }

    void documentKeyWithoutRulesOpensWithEmptyRules()
    {
        qorv::data::DocumentKey key = DocumentKey(8, 2);
        key.mutable_document_key_document()->mutable_document_security_descriptor()->set_password("owner");

        reply(common::op::SelectDocumentKey, common::tag::OpenDocumentEditor, SelectDocumentKeyRequest(8),
              SelectDocumentKeyReply({key}));

        const QList<DocumentEditorView *> editors = OpenWindows<DocumentEditorView>();
        QCOMPARE(editors.size(), 1);
        const qorv::data::Document &document = editors.first()->getDocument();
        QCOMPARE(document.document_security_descriptor_enum_case(), qorv::data::Document::kDocumentSecurityDescriptor);
        QCOMPARE(document.document_security_descriptor().ByteSizeLong(), size_t(0));
    }

    void openDocumentFromBrowserThenKeyKeepsOneEditor()
    {
        qorv::data::SelectDocumentReply fromBrowser;
        *fromBrowser.add_document() = Document(8, "from the browser");
        reply(common::op::SelectDocument, common::tag::OpenDocumentEditor, SelectDocumentRequest(), Bytes(fromBrowser));
        DocumentEditorView *editor = OpenWindows<DocumentEditorView>().value(0);
        QVERIFY(editor);

        qorv::data::DocumentKey key = DocumentKey(8, 2);
        key.mutable_document_key_document()->set_document_name("from the key");
        ExpectRaises(1);
        reply(common::op::SelectDocumentKey, common::tag::OpenDocumentEditor, SelectDocumentKeyRequest(8),
              SelectDocumentKeyReply({key}));

        QCOMPARE(OpenWindows<DocumentEditorView>(), QList<DocumentEditorView *>({editor}));
        QCOMPARE(editor->getDocument().document_name(), std::string("from the browser"));
    }

    void editorOptionsRequestReachesTheWindowsAsAnEvent()
    {
        RecordingComponent manager(QStringLiteral("manager"), &m_log);
        QVERIFY(m_bus->connectAbstractViewManager(&manager));

        request(common::op::EditorOptionsChanged, 3, "ignored");

        // Windows hear the event; the managers only the request.
        QCOMPARE(m_log.filter(QStringLiteral("-47")), QStringList({"window: event -47 1"}));
        QCOMPARE(m_log.filter(QStringLiteral("manager:")), QStringList({"manager: request -57 3"}));
    }

    // Deleting closes the windows of the deleted object, once it is deleted

    void deleteDocumentReply_data()
    {
        QTest::addColumn<QByteArray>("requestPayload");
        QTest::addColumn<int>("majorErcode");
        QTest::addColumn<int>("minorErcode");
        QTest::addColumn<QList<int>>("editors");
        QTest::addColumn<QList<int>>("keyrings");

        QTest::newRow("deleted") << DeleteDocumentRequest(5) << 0 << 0 << QList<int>({6}) << QList<int>({6});
        QTest::newRow("other document") << DeleteDocumentRequest(4) << 0 << 0 << QList<int>({5, 6})
                                        << QList<int>({5, 6});
        QTest::newRow("minor error") << DeleteDocumentRequest(5) << 0 << 1 << QList<int>({5, 6}) << QList<int>({5, 6});
        QTest::newRow("major error") << DeleteDocumentRequest(5) << 2 << 0 << QList<int>({5, 6}) << QList<int>({5, 6});
        QTest::newRow("link failure") << DeleteDocumentRequest(5) << -1 << 1 << QList<int>({5, 6})
                                      << QList<int>({5, 6});
        QTest::newRow("unparsable request") << Unparsable << 0 << 0 << QList<int>({5, 6}) << QList<int>({5, 6});
    }

    void deleteDocumentReply()
    {
        QFETCH(QByteArray, requestPayload);
        QFETCH(int, majorErcode);
        QFETCH(int, minorErcode);
        QFETCH(QList<int>, editors);
        QFETCH(QList<int>, keyrings);
        reply(common::op::SelectDocument, common::tag::OpenDocumentEditor, SelectDocumentRequest(),
              SelectDocumentReply({5, 6}));
        reply(common::op::SelectDocumentKey, common::tag::OpenDocumentKeyring, SelectDocumentKeyRequest(5),
              SelectDocumentKeyReply({}));
        reply(common::op::SelectDocumentKey, common::tag::OpenDocumentKeyring, SelectDocumentKeyRequest(6),
              SelectDocumentKeyReply({}));
        QList<QPointer<AbstractViewWindow>> windows;
        for (AbstractViewWindow *window : OpenWindows<AbstractViewWindow>())
            windows.append(window);

        // The reply payload is not read: the echoed request says what went.
        reply(common::op::DeleteDocument, common::tag::Plain, requestPayload, Unparsable, majorErcode, minorErcode);

        QCOMPARE(EditorDocumentIds(), editors);
        QCOMPARE(DocumentKeyringIds(), keyrings);
        // Closed windows are destroyed, not just hidden.
        DestroyClosedWindows();
        const auto alive = [](const QPointer<AbstractViewWindow> &window) { return !window.isNull(); };
        QCOMPARE(static_cast<int>(std::count_if(windows.cbegin(), windows.cend(), alive)),
                 1 + editors.size() + keyrings.size());
    }

    void deleteFolderReply_data()
    {
        QTest::addColumn<QByteArray>("replyPayload");
        QTest::addColumn<int>("minorErcode");
        QTest::addColumn<QList<int>>("keyrings");

        QTest::newRow("deleted") << DeleteFolderReply(1) << 0 << QList<int>({6});
        QTest::newRow("refused by the server") << DeleteFolderReply(0) << 0 << QList<int>({5, 6});
        QTest::newRow("error pair") << DeleteFolderReply(1) << 1 << QList<int>({5, 6});
        QTest::newRow("unparsable reply") << Unparsable << 0 << QList<int>({5, 6});
    }

    void deleteFolderReply()
    {
        QFETCH(QByteArray, replyPayload);
        QFETCH(int, minorErcode);
        QFETCH(QList<int>, keyrings);
        reply(common::op::SelectFolderKey, common::tag::OpenFolderKeyring, SelectFolderKeyRequest(5),
              SelectFolderKeyReply({}));
        reply(common::op::SelectFolderKey, common::tag::OpenFolderKeyring, SelectFolderKeyRequest(6),
              SelectFolderKeyReply({}));

        reply(common::op::DeleteFolder, common::tag::Plain, DeleteFolderRequest(5), replyPayload, 0, minorErcode);

        QCOMPARE(FolderKeyringIds(), keyrings);
    }

    void deleteWithTheNullIdLeavesKeyringsOpen()
    {
        reply(common::op::SelectFolderKey, common::tag::OpenFolderKeyring, SelectFolderKeyRequest(DbId::m_NullId),
              SelectFolderKeyReply({}));
        reply(common::op::SelectDocumentKey, common::tag::OpenDocumentKeyring, SelectDocumentKeyRequest(DbId::m_NullId),
              SelectDocumentKeyReply({}));
        QCOMPARE(FolderKeyringIds(), QList<int>({DbId::m_NullId}));
        QCOMPARE(DocumentKeyringIds(), QList<int>({DbId::m_NullId}));

        reply(common::op::DeleteFolder, common::tag::Plain, DeleteFolderRequest(DbId::m_NullId), DeleteFolderReply(1));
        reply(common::op::DeleteDocument, common::tag::Plain, DeleteDocumentRequest(DbId::m_NullId), QByteArray());

        QCOMPARE(FolderKeyringIds(), QList<int>({DbId::m_NullId}));
        QCOMPARE(DocumentKeyringIds(), QList<int>({DbId::m_NullId}));
    }

    // Keyrings: one per document or folder

    void documentKeyringReply_data()
    {
        QTest::addColumn<int>("minor");
        QTest::addColumn<QByteArray>("requestPayload");
        QTest::addColumn<QByteArray>("replyPayload");
        QTest::addColumn<int>("minorErcode");
        QTest::addColumn<bool>("opens");

        const QByteArray keys = SelectDocumentKeyReply({DocumentKey(5, 30), DocumentKey(5, 10), DocumentKey(5, 20)});
        QTest::newRow("keys") << common::tag::OpenDocumentKeyring << SelectDocumentKeyRequest(5, "Zürich") << keys << 0
                              << true;
        QTest::newRow("no key") << common::tag::OpenDocumentKeyring << SelectDocumentKeyRequest(5, "Zürich")
                                << SelectDocumentKeyReply({}) << 0 << true;
        QTest::newRow("sql error") << common::tag::OpenDocumentKeyring << SelectDocumentKeyRequest(5, "Zürich")
                                   << SelectDocumentKeyReply({}, 9) << 0 << false;
        QTest::newRow("error pair") << common::tag::OpenDocumentKeyring << SelectDocumentKeyRequest(5, "Zürich") << keys
                                    << 2 << false;
        QTest::newRow("unparsable request") << common::tag::OpenDocumentKeyring << Unparsable << keys << 0 << false;
        QTest::newRow("unparsable reply")
            << common::tag::OpenDocumentKeyring << SelectDocumentKeyRequest(5, "Zürich") << Unparsable << 0 << false;
        QTest::newRow("editor tag") << common::tag::OpenFolderKey << SelectDocumentKeyRequest(5, "Zürich") << keys << 0
                                    << false;
        QTest::newRow("untagged") << common::tag::Plain << SelectDocumentKeyRequest(5, "Zürich") << keys << 0 << false;
    }

    void documentKeyringReply()
    {
        QFETCH(int, minor);
        QFETCH(QByteArray, requestPayload);
        QFETCH(QByteArray, replyPayload);
        QFETCH(int, minorErcode);
        QFETCH(bool, opens);

        reply(common::op::SelectDocumentKey, minor, requestPayload, replyPayload, 0, minorErcode);

        const QList<DocumentKeyringView *> keyrings = OpenWindows<DocumentKeyringView>();
        QCOMPARE(keyrings.size(), opens ? 1 : 0);
        if (!opens)
            return;
        DocumentKeyringView *keyring = keyrings.first();
        QCOMPARE(keyring->getDocumentId(), 5);
        QCOMPARE(keyring->getDocumentName(), QStringLiteral("Zürich"));
        QVERIFY(!keyring->parentWidget());
        // The keys come in the reply's order.
        qorv::data::SelectDocumentKeyReply expected;
        QVERIFY(expected.ParseFromString(replyPayload.toStdString()));
        QCOMPARE(KeysOf(*keyring).size(), static_cast<size_t>(expected.document_key_size()));
        for (int i = 0; i < expected.document_key_size(); ++i)
            QCOMPARE(KeysOf(*keyring)[i].SerializeAsString(), expected.document_key(i).SerializeAsString());

        // Asked again, the open keyring comes to the front and takes no keys.
        ExpectRaises(1);
        reply(common::op::SelectDocumentKey, minor, requestPayload, replyPayload, 0, minorErcode);
        QCOMPARE(OpenWindows<DocumentKeyringView>(), QList<DocumentKeyringView *>({keyring}));
        QCOMPARE(KeysOf(*keyring).size(), static_cast<size_t>(expected.document_key_size()));
    }

    void folderKeyringReply_data()
    {
        QTest::addColumn<int>("minor");
        QTest::addColumn<QByteArray>("requestPayload");
        QTest::addColumn<QByteArray>("replyPayload");
        QTest::addColumn<int>("minorErcode");
        QTest::addColumn<bool>("opens");

        const QByteArray keys = SelectFolderKeyReply({FolderKey(5, "Lee", "Ann")});
        QTest::newRow("keys") << common::tag::OpenFolderKeyring << SelectFolderKeyRequest(5, "Märkte") << keys << 0
                              << true;
        QTest::newRow("sql error") << common::tag::OpenFolderKeyring << SelectFolderKeyRequest(5, "Märkte")
                                   << SelectFolderKeyReply({}, 9) << 0 << false;
        QTest::newRow("error pair") << common::tag::OpenFolderKeyring << SelectFolderKeyRequest(5, "Märkte") << keys
                                    << 2 << false;
        QTest::newRow("unparsable request") << common::tag::OpenFolderKeyring << Unparsable << keys << 0 << false;
        QTest::newRow("unparsable reply")
            << common::tag::OpenFolderKeyring << SelectFolderKeyRequest(5, "Märkte") << Unparsable << 0 << false;
        QTest::newRow("untagged") << common::tag::Plain << SelectFolderKeyRequest(5, "Märkte") << keys << 0 << false;
    }

    void folderKeyringReply()
    {
        QFETCH(int, minor);
        QFETCH(QByteArray, requestPayload);
        QFETCH(QByteArray, replyPayload);
        QFETCH(int, minorErcode);
        QFETCH(bool, opens);

        reply(common::op::SelectFolderKey, minor, requestPayload, replyPayload, 0, minorErcode);

        const QList<FolderKeyringView *> keyrings = OpenWindows<FolderKeyringView>();
        QCOMPARE(keyrings.size(), opens ? 1 : 0);
        if (!opens)
            return;
        FolderKeyringView *keyring = keyrings.first();
        QCOMPARE(keyring->getFolderId(), 5);
        QCOMPARE(keyring->getFolderName(), QStringLiteral("Märkte"));
        QCOMPARE(KeysOf(*keyring).size(), size_t(1));

        ExpectRaises(1);
        reply(common::op::SelectFolderKey, minor, requestPayload, replyPayload, 0, minorErcode);
        QCOMPARE(OpenWindows<FolderKeyringView>(), QList<FolderKeyringView *>({keyring}));
        QCOMPARE(KeysOf(*keyring).size(), size_t(1));
    }

    void folderKeysAreSortedByUserName_data()
    {
        QTest::addColumn<QStringList>("users"); // "Last, First" in reply order; empty for a key without user
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("upper case first") << QStringList({"adler, Bea", "Zeller, Max", "Adler, Eva"})
                                          << QStringList({"Adler, Eva", "Zeller, Max", "adler, Bea"});
        QTest::newRow("shorter prefix first") << QStringList({"Lee, Annabel", "Lee, Ann", "Leeds, Al"})
                                              << QStringList({"Lee, Ann", "Lee, Annabel", "Leeds, Al"});
        QTest::newRow("no user first") << QStringList({"Baker, Jo", "", "Abel, Cy"})
                                       << QStringList({"", "Abel, Cy", "Baker, Jo"});
        // Bytes, not letters: a UTF-8 lead byte is above every ASCII letter.
        QTest::newRow("bytes as unsigned") << QStringList({"Ölund, Per", "zander, Ida", "Oden, Lia"})
                                           << QStringList({"Oden, Lia", "zander, Ida", "Ölund, Per"});
        QTest::newRow("single key") << QStringList({"Lee, Ann"}) << QStringList({"Lee, Ann"});
    }

    void folderKeysAreSortedByUserName()
    {
        QFETCH(QStringList, users);
        QFETCH(QStringList, expected);
        QList<qorv::data::FolderKey> keys;
        for (const QString &user : users) {
            const QStringList names = user.split(QStringLiteral(", "));
            keys.append(user.isEmpty() ? FolderKey(5)
                                       : FolderKey(5, names.value(0).toStdString(), names.value(1).toStdString()));
        }

        reply(common::op::SelectFolderKey, common::tag::OpenFolderKeyring, SelectFolderKeyRequest(5),
              SelectFolderKeyReply(keys));

        const QList<FolderKeyringView *> keyrings = OpenWindows<FolderKeyringView>();
        QCOMPARE(keyrings.size(), 1);
        QStringList order;
        for (const qorv::data::FolderKey &key : KeysOf(*keyrings.first())) {
            const qorv::data::User &user = key.folder_key_user();
            order.append(key.has_folder_key_user()
                             ? QString::fromStdString(user.user_last_name() + ", " + user.user_first_name())
                             : QString());
        }
        QCOMPARE(order, expected);
    }

    // Messages: own copies in the editor, received ones in the reader

    void openMessageRequest_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QList<int>>("editors");
        QTest::addColumn<QList<int>>("readers");
        QTest::addColumn<QList<int>>("readInBrowser");

        QTest::newRow("edit own") << common::op::OpenMessageEditor << OpenMessageRequest(3, Copy::Own)
                                  << QList<int>({3}) << QList<int>() << QList<int>();
        QTest::newRow("edit unmarked") << common::op::OpenMessageEditor << OpenMessageRequest(3, Copy::Unmarked)
                                       << QList<int>({3}) << QList<int>() << QList<int>();
        QTest::newRow("edit without message")
            << common::op::OpenMessageEditor << QByteArray() << QList<int>({0}) << QList<int>() << QList<int>();
        QTest::newRow("edit received") << common::op::OpenMessageEditor << OpenMessageRequest(3, Copy::Received)
                                       << QList<int>() << QList<int>() << QList<int>();
        QTest::newRow("read received") << common::op::OpenMessageReader << OpenMessageRequest(3, Copy::Received)
                                       << QList<int>() << QList<int>({3}) << QList<int>({3});
        QTest::newRow("read own") << common::op::OpenMessageReader << OpenMessageRequest(3, Copy::Own) << QList<int>()
                                  << QList<int>() << QList<int>();
        QTest::newRow("read unmarked") << common::op::OpenMessageReader << OpenMessageRequest(3, Copy::Unmarked)
                                       << QList<int>() << QList<int>() << QList<int>();
        QTest::newRow("edit unparsable") << common::op::OpenMessageEditor << Unparsable << QList<int>() << QList<int>()
                                         << QList<int>();
        QTest::newRow("read unparsable") << -43 << Unparsable << QList<int>() << QList<int>() << QList<int>();
    }

    void openMessageRequest()
    {
        QFETCH(int, major);
        QFETCH(QByteArray, payload);
        QFETCH(QList<int>, editors);
        QFETCH(QList<int>, readers);
        QFETCH(QList<int>, readInBrowser);
        RecordingComponent manager(QStringLiteral("manager"), &m_log);
        QVERIFY(m_bus->connectAbstractViewManager(&manager));
        request(common::op::OpenMessageBrowser, common::tag::Plain);
        request(common::op::OpenMessageBrowser, common::tag::Plain);

        request(major, common::tag::Plain, payload);
        // The same message again brings its window to the front, and marks it
        // read again.
        ExpectRaises(editors.size() + readers.size());
        request(major, common::tag::Plain, payload);

        QCOMPARE(MessageEditorIds(), editors);
        QCOMPARE(MessageReaderIds(), readers);
        // Both browsers mark an unread copy read on the server at each
        // opening, before the managers behind theirs see the opening.
        QCOMPARE(OpenWindows<MessageBrowserView>().size(), 2);
        QStringList opening;
        for (int browser = 0; browser < 2 * readInBrowser.size(); ++browser)
            opening.append(QStringLiteral("manager: request 66 1"));
        opening.append(QStringLiteral("manager: request %1 1").arg(major));
        QCOMPARE(m_log.filter(QStringLiteral("manager: request")),
                 QStringList({"manager: request -29 1", "manager: request -29 1"}) + opening + opening);
        for (const QWidget *window : OpenWindows<MessageEditorView>())
            QVERIFY(!window->parentWidget());
        for (const QWidget *window : OpenWindows<MessageReaderView>())
            QVERIFY(!window->parentWidget());
    }

    void editorAndReaderOfTheSameIdAreIndependent()
    {
        request(common::op::OpenMessageEditor, common::tag::Plain, OpenMessageRequest(3, Copy::Own));
        request(common::op::OpenMessageReader, common::tag::Plain, OpenMessageRequest(3, Copy::Received));

        QCOMPARE(MessageEditorIds(), QList<int>({3}));
        QCOMPARE(MessageReaderIds(), QList<int>({3}));
    }

    void deleteMessageReply_data()
    {
        QTest::addColumn<QByteArray>("requestPayload");
        QTest::addColumn<int>("majorErcode");
        QTest::addColumn<int>("minorErcode");
        QTest::addColumn<QList<int>>("remaining");

        QTest::newRow("deleted") << DeleteMessageRequest(3) << 0 << 0 << QList<int>({4});
        QTest::newRow("other message") << DeleteMessageRequest(5) << 0 << 0 << QList<int>({3, 4});
        QTest::newRow("minor error") << DeleteMessageRequest(3) << 0 << 1 << QList<int>({3, 4});
        QTest::newRow("major error") << DeleteMessageRequest(3) << 7 << 0 << QList<int>({3, 4});
        QTest::newRow("unparsable request") << Unparsable << 0 << 0 << QList<int>({3, 4});
    }

    void deleteMessageReply()
    {
        QFETCH(QByteArray, requestPayload);
        QFETCH(int, majorErcode);
        QFETCH(int, minorErcode);
        QFETCH(QList<int>, remaining);
        for (int id : {3, 4}) {
            request(common::op::OpenMessageEditor, common::tag::Plain, OpenMessageRequest(id, Copy::Own));
            request(common::op::OpenMessageReader, common::tag::Plain, OpenMessageRequest(id, Copy::Received));
        }

        reply(common::op::DeleteMessage, common::tag::Plain, requestPayload, QByteArray(), majorErcode, minorErcode);

        QCOMPARE(MessageEditorIds(), remaining);
        QCOMPARE(MessageReaderIds(), remaining);
    }

    // The look-ups

    void closedWindowNoLongerCounts()
    {
        reply(common::op::SelectDocument, common::tag::OpenDocumentEditor, SelectDocumentRequest(),
              SelectDocumentReply({5}));
        QPointer<DocumentEditorView> first = OpenWindows<DocumentEditorView>().value(0);
        QVERIFY(first);
        QVERIFY(first->close());
        // Deletion is deferred: the closed editor still exists here.
        QVERIFY(first);

        reply(common::op::SelectDocument, common::tag::OpenDocumentEditor, SelectDocumentRequest(),
              SelectDocumentReply({5}));

        QCOMPARE(EditorDocumentIds(), QList<int>({5}));
        QVERIFY(!OpenWindows<DocumentEditorView>().contains(first.data()));
    }

    void twoEditorsOfOneDocumentAreBothRaisedAndClosed()
    {
        // Only possible from outside the managers.
        auto *first = new DocumentEditorView(Document(5));
        auto *second = new DocumentEditorView(Document(5));
        first->show();
        second->show();

        ExpectRaises(2);
        reply(common::op::SelectDocument, common::tag::OpenDocumentEditor, SelectDocumentRequest(),
              SelectDocumentReply({5}));
        QCOMPARE(EditorDocumentIds(), QList<int>({5, 5}));

        reply(common::op::DeleteDocument, common::tag::Plain, DeleteDocumentRequest(5), QByteArray());
        QCOMPARE(EditorDocumentIds(), QList<int>());
    }

    // Off the bus

    // A window that cannot be linked into the bus would neither hear from the
    // server nor reach it: every manager deletes it unopened, with a warning
    // that names it.
    void windowOffTheBusIsNotOpened_data()
    {
        QTest::addColumn<bool>("isReply");
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<QByteArray>("requestPayload");
        QTest::addColumn<QByteArray>("replyPayload");
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<int>("windows");

        qorv::data::OpenFolderKeyRequest twoKeys;
        *twoKeys.add_folder_key() = FolderKey(11);
        *twoKeys.add_folder_key() = FolderKey(12);

        QTest::newRow("user groups") << false << common::op::OpenUserGroupBrowser << common::tag::Plain << QByteArray()
                                     << QByteArray() << "UserGroupBrowserView" << 1;
        QTest::newRow("document browser") << false << common::op::OpenDocumentBrowser << common::tag::Plain
                                          << QByteArray() << QByteArray() << "DocumentBrowserView" << 1;
        QTest::newRow("document browsers through keys")
            << false << common::op::OpenDocumentBrowser << common::tag::OpenFolderKey << Bytes(twoKeys) << QByteArray()
            << "DocumentBrowserView" << 2;
        QTest::newRow("document keys") << false << common::op::OpenDocumentKeys << common::tag::Plain << QByteArray()
                                       << QByteArray() << "DocumentKeysView" << 1;
        QTest::newRow("folder keys") << false << common::op::OpenFolderKeys << common::tag::Plain << QByteArray()
                                     << QByteArray() << "FolderKeysView" << 1;
        QTest::newRow("message browser") << false << common::op::OpenMessageBrowser << common::tag::Plain
                                         << QByteArray() << QByteArray() << "MessageBrowserView" << 1;
        QTest::newRow("message editor") << false << common::op::OpenMessageEditor << common::tag::Plain
                                        << OpenMessageRequest(3, Copy::Own) << QByteArray() << "MessageEditorView" << 1;
        QTest::newRow("message reader") << false << common::op::OpenMessageReader << common::tag::Plain
                                        << OpenMessageRequest(3, Copy::Received) << QByteArray() << "MessageReaderView"
                                        << 1;
        QTest::newRow("document editors")
            << true << common::op::SelectDocument << common::tag::OpenDocumentEditor << SelectDocumentRequest()
            << SelectDocumentReply({5, 7}) << "DocumentEditorView" << 2;
        QTest::newRow("document keyring") << true << common::op::SelectDocumentKey << common::tag::OpenDocumentKeyring
                                          << SelectDocumentKeyRequest(5, "Zürich")
                                          << SelectDocumentKeyReply({DocumentKey(5, 10)}) << "DocumentKeyringView" << 1;
        QTest::newRow("folder keyring") << true << common::op::SelectFolderKey << common::tag::OpenFolderKeyring
                                        << SelectFolderKeyRequest(5, "Märkte")
                                        << SelectFolderKeyReply({FolderKey(5, "Lee", "Ann")}) << "FolderKeyringView"
                                        << 1;
    }

    void windowOffTheBusIsNotOpened()
    {
        QFETCH(bool, isReply);
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(QByteArray, requestPayload);
        QFETCH(QByteArray, replyPayload);
        QFETCH(QString, windowClass);
        QFETCH(int, windows);

        const RefusingBus bus;
        QObject owner;
        const QList<AbstractViewManager *> managers = {
            new UserGroupBrowserManager(bus, &owner), new DocumentBrowserManager(bus, &owner),
            new DocumentEditorManager(bus, &owner),   new FolderKeyringManager(bus, &owner),
            new DocumentKeyringManager(bus, &owner),  new DocumentKeysManager(bus, &owner),
            new FolderKeysManager(bus, &owner),       new MessageBrowserManager(bus, &owner),
            new MessageEditorManager(bus, &owner),    new MessageReaderManager(bus, &owner),
        };
        const QByteArray warning =
            QStringLiteral("A %1 could not be linked into the bus; it is not opened.").arg(windowClass).toUtf8();
        for (int i = 0; i < windows; ++i)
            QTest::ignoreMessage(QtWarningMsg, warning.constData());

        for (AbstractViewManager *manager : managers) {
            if (isReply)
                manager->receiveReply(major, minor, requestPayload.toStdString(), 0, 0, replyPayload.toStdString());
            else
                manager->receiveRequest(major, minor, requestPayload.toStdString());
        }

        // Deleted, not merely hidden: nothing is left behind to close later.
        QCOMPARE(TopLevelWidgetsOf(windowClass), 0);
        QCOMPARE(OpenWindowClasses(), QStringList({"ConsoleView"}));
    }

    // The console is the user's only way to end the program, so it is shown
    // even off the bus, where it cannot log on.
    void consoleOffTheBusIsStillShown()
    {
        const RefusingBus bus;
        QObject owner;
        auto *manager = new ConsoleManager(bus, &owner);
        QTest::ignoreMessage(QtWarningMsg, "The console could not be linked into the bus; it cannot reach the server.");

        manager->receiveEvent(common::ev::Started, 1);

        const QList<ConsoleView *> consoles = OpenWindows<ConsoleView>();
        QCOMPARE(consoles.size(), 2);
        for (const ConsoleView *console : consoles)
            QVERIFY(console->isVisible());
    }
};

QTEST_MAIN(TestViewManagers)
#include "tst_viewmanagers.moc"
