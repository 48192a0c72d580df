// The reply handlers of the windows that take a server payload: the document,
// message and user-group browsers, the keyring windows and the managers that
// open keyrings, editors and readers from replies, and the windows of
// received keys and the user and document pickers, whose lists are read by
// blocking exchanges and are filled here from the reply as they would be.
//
// The first byte picks the receiver and major opcode (windowreplies.h), then
// come the minor opcode, the error pair, the echoed request (a text) and the
// reply (the rest). Each input gets fresh windows, shown and active as when
// the reply arrives, then the first row of every list is picked, and every
// window is destroyed again. Nothing is connected to a bus, so what the
// windows send goes nowhere; their blocking exchanges go to a closed port on
// 127.0.0.1 and fail at once.
#include "abstractviewwindow.h"
#include "documentbrowserview.h"
#include "documenteditormanager.h"
#include "documentkeyringmanager.h"
#include "documentkeyringview.h"
#include "documentkeysview.h"
#include "folderkeyringmanager.h"
#include "folderkeyringview.h"
#include "folderkeysview.h"
#include "fuzzinput.h"
#include "iviewwindowbus.h"
#include "messagebrowserview.h"
#include "messagedispatcher.h"
#include "messageeditormanager.h"
#include "messageeditorview.h"
#include "messagereadermanager.h"
#include "messagereaderview.h"
#include "programsetup.h"
#include "registry.h"
#include "selectdocumentswidget.h"
#include "selectuserswidget.h"
#include "testenvironment.h"
#include "timezonedatabase.h"
#include "usergroupbrowserview.h"
#include "windowreplies.h"

#include "common/minortag.h"
#include "common/sqlc.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectfolderkeyreply3.pb.h"
#include "selectuserreply3.pb.h"
#include "user3.pb.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QList>
#include <QPointer>

#include <ace/Log_Msg.h>
#include <google/protobuf/stubs/logging.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <type_traits>
#include <utility>

namespace
{
using windowreplies::Receiver;

// A bus that takes every window without linking it anywhere: the managers
// show what they open, and nothing they or the windows send leaves.
class DetachedBus : public IViewWindowBus
{
public:
    bool connectAbstractViewWindow(const AbstractViewWindow *) const override { return true; }
};

struct Reply
{
    common::Opcode majorOpcode;
    common::Opcode minorOpcode;
    common::Ercode majorErcode;
    common::Ercode minorErcode;
    std::string request;
    std::string payload;
};

void Deliver(IComponent &receiver, const Reply &reply)
{
    receiver.receiveReply(reply.majorOpcode, reply.minorOpcode, reply.request, reply.majorErcode, reply.minorErcode,
                          reply.payload);
}

// The browsers fill their panes only while they are the active window.
void ShowActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    for (int round = 0; round < 20 && QApplication::activeWindow() != window; ++round)
        QCoreApplication::processEvents();
}

template <class Window, class... Arguments>
void ToWindow(const Reply &reply, Arguments &&...arguments)
{
    auto *window = new Window(std::forward<Arguments>(arguments)...);
    ShowActive(window);
    if constexpr (std::is_same_v<Window, MessageBrowserView>)
        window->setActiveView(true);
    Deliver(*window, reply);
}

template <class Manager>
void ToManager(const Reply &reply)
{
    const DetachedBus bus;
    Manager manager(bus, nullptr);
    Deliver(manager, reply);
    QCoreApplication::processEvents();
}

// The message windows open from the request that carries the message record
// the server sent, and then get the reply.
template <class Manager, class View>
void ToMessageWindow(common::Opcode openOpcode, const Reply &reply)
{
    const DetachedBus bus;
    Manager manager(bus, nullptr);
    manager.receiveRequest(openOpcode, common::tag::Plain, reply.request);
    // Guarded, since a reply may close a window and take others with it.
    QList<QPointer<View>> views;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *view = qobject_cast<View *>(widget))
            views.append(view);
    }
    for (const QPointer<View> &view : views) {
        if (!view)
            continue;
        ShowActive(view);
        if constexpr (std::is_same_v<View, MessageEditorView>)
            view->setActiveView(true);
        Deliver(*view, reply);
    }
    Deliver(manager, reply);
}

// The received keys are read by a blocking exchange; what it does with a
// reply that reads is to hand each key to the window's pane.
template <class View, class SelectReply, class Add>
void ToReceivedKeys(const Reply &reply, Add add)
{
    auto *view = new View(nullptr);
    ShowActive(view);
    SelectReply select;
    if (!select.ParseFromString(reply.payload) || select.sql_diag_rec().sqlc() != common::SqlcSuccess)
        return;
    add(*view, select);
}

// The pickers' group members and folder documents come by blocking exchanges
// too; each record not listed yet is listed, and the first is chosen as the
// user would.
void ToUserPicker(const Reply &reply)
{
    auto *picker = new SelectUsersWidget(nullptr);
    picker->show();
    qorv::data::SelectUserReply select;
    if (!select.ParseFromString(reply.payload))
        return;
    for (const qorv::data::User &user : select.user()) {
        if (!picker->isUserIncluded(user) && !picker->isUserAdded(user))
            picker->includeUser(user);
    }
    if (select.user_size() > 0)
        picker->addUser(select.user(0));
}

void ToDocumentPicker(const Reply &reply)
{
    auto *picker = new SelectDocumentsWidget(nullptr);
    picker->show();
    qorv::data::SelectDocumentReply select;
    if (!select.ParseFromString(reply.payload))
        return;
    for (const qorv::data::Document &document : select.document()) {
        if (!picker->isDocumentAdded(document))
            picker->includeDocument(document);
    }
    if (select.document_size() > 0)
        picker->addDocument(select.document(0));
}

void Receive(Receiver receiver, const Reply &reply)
{
    switch (receiver) {
    case Receiver::DocumentBrowser:
        ToWindow<DocumentBrowserView>(reply);
        break;
    case Receiver::MessageBrowser:
        ToWindow<MessageBrowserView>(reply);
        break;
    case Receiver::UserGroupBrowser:
        ToWindow<UserGroupBrowserView>(reply);
        break;
    case Receiver::DocumentKeyring:
        ToWindow<DocumentKeyringView>(reply, windowreplies::KeyringDocumentId, QStringLiteral("Plan 2027"), nullptr);
        break;
    case Receiver::FolderKeyring:
        ToWindow<FolderKeyringView>(reply, windowreplies::KeyringFolderId, QStringLiteral("Shared with Ann"), nullptr);
        break;
    case Receiver::DocumentEditors:
        ToManager<DocumentEditorManager>(reply);
        break;
    case Receiver::DocumentKeyrings:
        ToManager<DocumentKeyringManager>(reply);
        break;
    case Receiver::FolderKeyrings:
        ToManager<FolderKeyringManager>(reply);
        break;
    case Receiver::MessageReader:
        ToMessageWindow<MessageReaderManager, MessageReaderView>(common::op::OpenMessageReader, reply);
        break;
    case Receiver::MessageEditor:
        ToMessageWindow<MessageEditorManager, MessageEditorView>(common::op::OpenMessageEditor, reply);
        break;
    case Receiver::ReceivedDocumentKeys:
        ToReceivedKeys<DocumentKeysView, qorv::data::SelectDocumentKeyReply>(
            reply, [](DocumentKeysView &view, const qorv::data::SelectDocumentKeyReply &select) {
                for (const qorv::data::DocumentKey &key : select.document_key())
                    emit view.addDocumentKey(key);
            });
        break;
    case Receiver::ReceivedFolderKeys:
        ToReceivedKeys<FolderKeysView, qorv::data::SelectFolderKeyReply>(
            reply, [](FolderKeysView &view, const qorv::data::SelectFolderKeyReply &select) {
                for (const qorv::data::FolderKey &key : select.folder_key())
                    emit view.addFolderKey(key);
            });
        break;
    case Receiver::UserPicker:
        ToUserPicker(reply);
        break;
    case Receiver::DocumentPicker:
        ToDocumentPicker(reply);
        break;
    }
}

// What the user does next: pick the first row of every list and tree, which
// shows its details (a message's text, a key's rules) and enables commands.
// Guarded, since what a pick shows may replace other lists.
void PickFirstRows()
{
    QList<QPointer<QAbstractItemView>> views;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        for (QAbstractItemView *view : window->findChildren<QAbstractItemView *>())
            views.append(view);
    }
    for (const QPointer<QAbstractItemView> &view : views) {
        const QAbstractItemModel *model = view ? view->model() : nullptr;
        if (model && model->rowCount() > 0)
            view->setCurrentIndex(model->index(0, 0));
    }
    QCoreApplication::processEvents();
}

// Guarded, since deleting one window may delete others it owns.
void DestroyWindows()
{
    QList<QPointer<QWidget>> windows;
    for (QWidget *widget : QApplication::topLevelWidgets())
        windows.append(widget);
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Quiet(QtMsgType, const QMessageLogContext &, const QString &)
{
}
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    ACE_Log_Msg::instance()->priority_mask(0, ACE_Log_Msg::PROCESS);
    // Texts that are not UTF-8 are refused by the parser with a log line each,
    // and the windows warn about records they cannot show.
    google::protobuf::SetLogHandler(nullptr);
    qInstallMessageHandler(Quiet);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    testsupport::IsolateEnvironment();
    static int argc = 1;
    static char name[] = "fuzz_windows";
    static char *argv[] = {name, nullptr};
    // Lives as long as the process; modal dialogs are ended by the guard
    // linked in with the test support.
    new QApplication(argc, argv);
    if (!testsupport::SetUpLikeTheProgram())
        std::abort();
    TimeZoneDatabase::instance()->loadFromFile(QORV_FUZZ_ZONE_TABLE);

    qorv::data::User ann;
    ann.set_user_id(42);
    ann.set_user_group_id(7);
    ann.set_user_name("ann");
    ann.set_user_first_name("Ann");
    ann.set_user_last_name("Lee");
    ann.set_user_folder_id(100);
    ann.set_user_message_folder_id(101);
    ann.mutable_user_security_descriptor()->set_session_duration(28800);
    RegistrySingleton::instance()->setUser(ann);
    // Port 1 on the loopback: nothing listens, so a blocking exchange is
    // refused at once.
    MessageDispatcher::setServerName("127.0.0.1");
    MessageDispatcher::setServerPort(1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const windowreplies::Entry &entry = windowreplies::EntryOf(input.byte());
    Reply reply;
    reply.majorOpcode = entry.majorOpcode;
    reply.minorOpcode = static_cast<std::int8_t>(input.byte());
    reply.majorErcode = static_cast<std::int8_t>(input.byte());
    reply.minorErcode = static_cast<std::int8_t>(input.byte());
    reply.request = input.text();
    reply.payload = input.rest();
    Receive(entry.receiver, reply);
    PickFirstRows();
    DestroyWindows();
    return 0;
}
