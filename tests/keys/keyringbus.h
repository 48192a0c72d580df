#ifndef KEYRINGBUS_H
#define KEYRINGBUS_H

#include "clientbus.h"
#include "keystore.h"

#include "documentkey3.pb.h"
#include "folderkey3.pb.h"
#include "securitydescriptor3.pb.h"

#include <QList>
#include <QStringList>

#include <memory>
#include <string>

class DocumentKeyringView;
class DocumentKeysView;
class FolderKeyringView;
class FolderKeysView;

namespace testsupport
{
class RecordingComponent;
}

namespace keystest
{
// The client bus (groupstest::ClientBus) with a key store that answers the
// keyring and received-keys windows; its directory answers the user pages of
// the wizards.
class KeyringBus
{
public:
    KeyringBus();
    ~KeyringBus();

    // Once per test program: the names and translation of the program, the
    // zone table with "Europe/Paris" as the default region, the logged-on
    // user.
    static bool setUpLikeTheProgram();

    // A fresh server (with the store's and the directory's handlers) and bus.
    bool start();
    // Closes every window and takes the bus down.
    void stop();

    testsupport::TestServer &server() { return m_client.server(); }
    KeyStore &store() { return *m_store; }
    groupstest::GroupDirectory &directory() { return m_client.directory(); }
    ApplicationComponent &bus() { return m_client.bus(); }

    // Opens a keyring the way the document browser does: a select tagged for
    // the keyring, whose reply the manager turns into the window. Null when
    // none opened.
    DocumentKeyringView *openDocumentKeyring(int documentId, const std::string &documentName);
    FolderKeyringView *openFolderKeyring(int folderId, const std::string &folderName);
    // Opens a window of received keys through the console's command.
    DocumentKeysView *openDocumentKeys();
    FolderKeysView *openFolderKeys();

    // The requests of one major opcode that reached the server, in order.
    QList<testsupport::TestRequest> requests(int majorOpcode) const { return m_client.requests(majorOpcode); }

    static qorv::data::DocumentKey DocumentKey(int documentId, const std::string &documentName,
                                               const qorv::data::User &holder, const qorv::data::User &owner,
                                               const qorv::data::SecurityDescriptor &descriptor);
    static qorv::data::FolderKey FolderKey(int folderId, const std::string &folderName, const qorv::data::User &holder,
                                           const qorv::data::User &owner,
                                           const qorv::data::SecurityDescriptor &descriptor);

private:
    groupstest::ClientBus m_client;
    std::unique_ptr<KeyStore> m_store;
    QStringList m_log;
    std::unique_ptr<testsupport::RecordingComponent> m_requester;
};
}

#endif // KEYRINGBUS_H
