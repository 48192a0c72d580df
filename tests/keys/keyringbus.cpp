#include "keyringbus.h"

#include "applicationcomponent.h"
#include "builtinzonetable.h"
#include "clienttranslation.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "documentkeyringview.h"
#include "documentkeysview.h"
#include "folderkeyringview.h"
#include "folderkeysview.h"
#include "messagedispatcher.h"
#include "recordingcomponent.h"
#include "timezonedatabase.h"

#include "selectdocumentkeyrequest3.pb.h"
#include "selectfolderkeyrequest3.pb.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>

namespace keystest
{
namespace
{
template <class Window>
QList<Window *> OpenWindows()
{
    QList<Window *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            windows.append(window);
    }
    return windows;
}

template <class Window>
Window *NewWindow(const QList<Window *> &before)
{
    for (Window *window : OpenWindows<Window>()) {
        if (!before.contains(window))
            return window;
    }
    return nullptr;
}
}

KeyringBus::KeyringBus() = default;

KeyringBus::~KeyringBus()
{
    stop();
}

bool KeyringBus::setUpLikeTheProgram()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Halvemoor"));
    QCoreApplication::setApplicationName(QStringLiteral("QuillaneClient"));
    if (!testsupport::InstallClientTranslation()
        || !testsupport::LoadBuiltInZoneTable(*TimeZoneDatabase::instance()))
        return false;
    groupstest::GroupDirectory::logOn();
    return TimeZoneDatabase::instance()->setDefaultTimeZone("Europe/Paris");
}

bool KeyringBus::start()
{
    m_server = std::make_unique<testsupport::TestServer>();
    if (!m_server->start())
        return false;
    MessageDispatcher::setServerName("127.0.0.1");
    MessageDispatcher::setServerPort(m_server->port());
    m_directory = std::make_unique<groupstest::GroupDirectory>(*m_server);
    m_directory->install();
    m_store = std::make_unique<KeyStore>(*m_server);
    m_store->install();
    m_bus = std::make_unique<ApplicationComponent>();
    m_requester = std::make_unique<testsupport::RecordingComponent>(QStringLiteral("requester"), &m_log);
    return m_bus->connectAbstractViewWindow(m_requester.get());
}

void KeyringBus::stop()
{
    QList<QPointer<QWidget>> windows;
    for (QWidget *widget : QApplication::topLevelWidgets())
        windows.append(widget);
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
    m_requester.reset();
    m_bus.reset();
    m_store.reset();
    m_directory.reset();
    m_server.reset();
}

DocumentKeyringView *KeyringBus::openDocumentKeyring(int documentId, const std::string &documentName)
{
    const QList<DocumentKeyringView *> before = OpenWindows<DocumentKeyringView>();
    qorv::data::SelectDocumentKeyRequest request;
    request.set_document_key_document_id(documentId);
    request.set_document_key_document_name(documentName);
    emit m_requester->deliverRequest(common::op::SelectDocumentKey, common::tag::OpenDocumentKeyring,
                                     request.SerializeAsString());
    return NewWindow(before);
}

FolderKeyringView *KeyringBus::openFolderKeyring(int folderId, const std::string &folderName)
{
    const QList<FolderKeyringView *> before = OpenWindows<FolderKeyringView>();
    qorv::data::SelectFolderKeyRequest request;
    request.set_folder_key_folder_id(folderId);
    request.set_folder_key_folder_name(folderName);
    emit m_requester->deliverRequest(common::op::SelectFolderKey, common::tag::OpenFolderKeyring,
                                     request.SerializeAsString());
    return NewWindow(before);
}

DocumentKeysView *KeyringBus::openDocumentKeys()
{
    const QList<DocumentKeysView *> before = OpenWindows<DocumentKeysView>();
    emit m_requester->deliverRequest(common::op::OpenDocumentKeys, common::tag::Plain, std::string());
    return NewWindow(before);
}

FolderKeysView *KeyringBus::openFolderKeys()
{
    const QList<FolderKeysView *> before = OpenWindows<FolderKeysView>();
    emit m_requester->deliverRequest(common::op::OpenFolderKeys, common::tag::Plain, std::string());
    return NewWindow(before);
}

QList<testsupport::TestRequest> KeyringBus::requests(int majorOpcode) const
{
    QList<testsupport::TestRequest> found;
    for (const testsupport::TestRequest &request : m_server->requests()) {
        if (request.majorOpcode == majorOpcode)
            found.append(request);
    }
    return found;
}

qorv::data::DocumentKey KeyringBus::DocumentKey(int documentId, const std::string &documentName,
                                                const qorv::data::User &holder, const qorv::data::User &owner,
                                                const qorv::data::SecurityDescriptor &descriptor)
{
    qorv::data::DocumentKey key;
    key.mutable_document_key_document()->set_document_id(documentId);
    key.mutable_document_key_document()->set_document_name(documentName);
    *key.mutable_document_key_user() = holder;
    *key.mutable_document_key_owner() = owner;
    key.set_document_key_description("");
    key.set_document_key_properties(0);
    key.set_document_key_document_revision("9999-12-31 00:00:00");
    key.set_document_key_creation_date("2027-01-04 09:00:00");
    *key.mutable_document_key_security_descriptor() = descriptor;
    return key;
}

qorv::data::FolderKey KeyringBus::FolderKey(int folderId, const std::string &folderName,
                                            const qorv::data::User &holder, const qorv::data::User &owner,
                                            const qorv::data::SecurityDescriptor &descriptor)
{
    qorv::data::FolderKey key;
    key.mutable_folder_key_folder()->set_folder_id(folderId);
    key.mutable_folder_key_folder()->set_folder_name(folderName);
    *key.mutable_folder_key_user() = holder;
    *key.mutable_folder_key_owner() = owner;
    key.set_folder_key_description("");
    key.set_folder_key_properties(0);
    key.set_folder_key_creation_date("2027-01-04 09:00:00");
    *key.mutable_folder_key_security_descriptor() = descriptor;
    return key;
}
}
