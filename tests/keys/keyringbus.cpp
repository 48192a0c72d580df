#include "keyringbus.h"

#include "applicationcomponent.h"
#include "builtinzonetable.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "documentkeyringview.h"
#include "documentkeysview.h"
#include "folderkeyringview.h"
#include "folderkeysview.h"
#include "recordingcomponent.h"
#include "timezonedatabase.h"

#include "selectdocumentkeyrequest3.pb.h"
#include "selectfolderkeyrequest3.pb.h"

namespace keystest
{
KeyringBus::KeyringBus() = default;

KeyringBus::~KeyringBus()
{
    stop();
}

bool KeyringBus::setUpLikeTheProgram()
{
    if (!groupstest::ClientBus::setUpLikeTheProgram()
        || !testsupport::LoadBuiltInZoneTable(*TimeZoneDatabase::instance()))
        return false;
    return TimeZoneDatabase::instance()->setDefaultTimeZone("Europe/Paris");
}

bool KeyringBus::start()
{
    const bool started = m_client.start([this](testsupport::TestServer &server) {
        m_store = std::make_unique<KeyStore>(server);
        m_store->install();
    });
    if (!started)
        return false;
    m_requester = std::make_unique<testsupport::RecordingComponent>(QStringLiteral("requester"), &m_log);
    return m_client.bus().connectAbstractViewWindow(m_requester.get());
}

void KeyringBus::stop()
{
    groupstest::ClientBus::closeWindows();
    m_requester.reset();
    m_client.stop();
    m_store.reset();
}

DocumentKeyringView *KeyringBus::openDocumentKeyring(int documentId, const std::string &documentName)
{
    const QList<DocumentKeyringView *> before = groupstest::ClientBus::openWindows<DocumentKeyringView>();
    qorv::data::SelectDocumentKeyRequest request;
    request.set_document_key_document_id(documentId);
    request.set_document_key_document_name(documentName);
    emit m_requester->deliverRequest(common::op::SelectDocumentKey, common::tag::OpenDocumentKeyring,
                                     request.SerializeAsString());
    return groupstest::ClientBus::newWindow(before);
}

FolderKeyringView *KeyringBus::openFolderKeyring(int folderId, const std::string &folderName)
{
    const QList<FolderKeyringView *> before = groupstest::ClientBus::openWindows<FolderKeyringView>();
    qorv::data::SelectFolderKeyRequest request;
    request.set_folder_key_folder_id(folderId);
    request.set_folder_key_folder_name(folderName);
    emit m_requester->deliverRequest(common::op::SelectFolderKey, common::tag::OpenFolderKeyring,
                                     request.SerializeAsString());
    return groupstest::ClientBus::newWindow(before);
}

DocumentKeysView *KeyringBus::openDocumentKeys()
{
    const QList<DocumentKeysView *> before = groupstest::ClientBus::openWindows<DocumentKeysView>();
    emit m_requester->deliverRequest(common::op::OpenDocumentKeys, common::tag::Plain, std::string());
    return groupstest::ClientBus::newWindow(before);
}

FolderKeysView *KeyringBus::openFolderKeys()
{
    const QList<FolderKeysView *> before = groupstest::ClientBus::openWindows<FolderKeysView>();
    emit m_requester->deliverRequest(common::op::OpenFolderKeys, common::tag::Plain, std::string());
    return groupstest::ClientBus::newWindow(before);
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

qorv::data::FolderKey KeyringBus::FolderKey(int folderId, const std::string &folderName, const qorv::data::User &holder,
                                            const qorv::data::User &owner,
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
