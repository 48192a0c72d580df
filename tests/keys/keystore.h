#ifndef KEYSTORE_H
#define KEYSTORE_H

#include "testserver.h"

#include "documentkey3.pb.h"
#include "folderkey3.pb.h"

#include <QList>

#include <cstdint>
#include <map>
#include <mutex>
#include <vector>

namespace keystest
{
// The server's side of document and folder keys, answering on a TestServer
// the way the suite's server does: a select names the keys of a document or
// folder, the keys a user holds, or both, and may narrow them to the keys of
// the documents in one folder or of the folders under one parent; inserts, updates and deletes change
// what later selects return. A key is known by its object and its holder.
//
// A reply scripted on the server for a (major, minor) pair takes precedence,
// so a test can make one operation fail with an error pair; refuse() makes
// the store answer a change with an SQL error instead, and change nothing.
class KeyStore
{
public:
    explicit KeyStore(testsupport::TestServer &server);

    // Registers the handlers of the key selects (40, 43), inserts (21, 24),
    // updates (56, 59) and deletes (6, 9) on the server.
    void install();

    void addDocumentKey(const qorv::data::DocumentKey &documentKey);
    void addFolderKey(const qorv::data::FolderKey &folderKey);

    // Every later request of this major opcode is refused with the packed
    // SQLSTATE; 0 accepts them again.
    void refuse(std::int32_t majorOpcode, std::int32_t sqlc);

    QList<qorv::data::DocumentKey> documentKeys(int documentId) const;
    QList<qorv::data::FolderKey> folderKeys(int folderId) const;

private:
    std::int32_t refusal(std::int32_t majorOpcode) const;

    testsupport::TestServer &m_server;
    mutable std::mutex m_mutex;
    std::vector<qorv::data::DocumentKey> m_documentKeys;
    std::vector<qorv::data::FolderKey> m_folderKeys;
    std::map<std::int32_t, std::int32_t> m_refusals;
};
}

#endif // KEYSTORE_H
