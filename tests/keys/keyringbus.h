#ifndef KEYRINGBUS_H
#define KEYRINGBUS_H

#include "groupdirectory.h"
#include "keystore.h"
#include "testserver.h"

#include "documentkey3.pb.h"
#include "folderkey3.pb.h"
#include "securitydescriptor3.pb.h"

#include <QList>
#include <QStringList>

#include <memory>
#include <string>

class ApplicationComponent;
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
// The whole client bus against the test server, whose key store answers the
// keyring and received-keys windows and whose directory answers the user
// pages of the wizards. The logged-on user is Ann (GroupDirectory::logOn);
// the texts are the program's English ones.
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

    testsupport::TestServer &server() { return *m_server; }
    KeyStore &store() { return *m_store; }
    groupstest::GroupDirectory &directory() { return *m_directory; }
    ApplicationComponent &bus() { return *m_bus; }

    // Opens a keyring the way the document browser does: a select tagged for
    // the keyring, whose reply the manager turns into the window. Null when
    // none opened.
    DocumentKeyringView *openDocumentKeyring(int documentId, const std::string &documentName);
    FolderKeyringView *openFolderKeyring(int folderId, const std::string &folderName);
    // Opens a window of received keys through the console's command.
    DocumentKeysView *openDocumentKeys();
    FolderKeysView *openFolderKeys();

    // The requests of one major opcode that reached the server, in order.
    QList<testsupport::TestRequest> requests(int majorOpcode) const;

    static qorv::data::DocumentKey DocumentKey(int documentId, const std::string &documentName,
                                               const qorv::data::User &holder, const qorv::data::User &owner,
                                               const qorv::data::SecurityDescriptor &descriptor);
    static qorv::data::FolderKey FolderKey(int folderId, const std::string &folderName,
                                           const qorv::data::User &holder, const qorv::data::User &owner,
                                           const qorv::data::SecurityDescriptor &descriptor);

private:
    std::unique_ptr<testsupport::TestServer> m_server;
    std::unique_ptr<groupstest::GroupDirectory> m_directory;
    std::unique_ptr<KeyStore> m_store;
    std::unique_ptr<ApplicationComponent> m_bus;
    QStringList m_log;
    std::unique_ptr<testsupport::RecordingComponent> m_requester;
};
}

#endif // KEYRINGBUS_H
