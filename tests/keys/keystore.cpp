#include "keystore.h"

#include "common/majorcode.h"
#include "testreplies.h"

#include "deletedocumentkeyreply3.pb.h"
#include "deletedocumentkeyrequest3.pb.h"
#include "deletefolderkeyrequest3.pb.h"
#include "insertdocumentkeyreply3.pb.h"
#include "insertdocumentkeyrequest3.pb.h"
#include "insertfolderkeyreply3.pb.h"
#include "insertfolderkeyrequest3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectfolderkeyreply3.pb.h"
#include "selectfolderkeyrequest3.pb.h"
#include "updatedocumentkeyreply3.pb.h"
#include "updatedocumentkeyrequest3.pb.h"
#include "updatefolderkeyreply3.pb.h"
#include "updatefolderkeyrequest3.pb.h"

#include <algorithm>

using testsupport::Answer;
using testsupport::Done;
using testsupport::Refusal;
using testsupport::TestReply;
using testsupport::TestRequest;

namespace keystest
{
namespace
{
int DocumentId(const qorv::data::DocumentKey &key)
{
    return key.document_key_document().document_id();
}

int HolderId(const qorv::data::DocumentKey &key)
{
    return key.document_key_user().user_id();
}

int FolderId(const qorv::data::FolderKey &key)
{
    return key.folder_key_folder().folder_id();
}

int HolderId(const qorv::data::FolderKey &key)
{
    return key.folder_key_user().user_id();
}

template <class Key>
typename std::vector<Key>::iterator Find(std::vector<Key> &keys, int objectId, int holderId,
                                         int (*objectOf)(const Key &))
{
    return std::find_if(keys.begin(), keys.end(),
                        [&](const Key &key) { return objectOf(key) == objectId && HolderId(key) == holderId; });
}
}

KeyStore::KeyStore(testsupport::TestServer &server)
    : m_server(server)
{
}

void KeyStore::install()
{
    m_server.onRequest(common::op::SelectDocumentKey, [this](const TestRequest &received) {
        qorv::data::SelectDocumentKeyRequest request;
        if (!request.ParseFromString(received.payload))
            return Refusal<qorv::data::SelectDocumentKeyReply>(1);
        qorv::data::SelectDocumentKeyReply reply;
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (const qorv::data::DocumentKey &key : m_documentKeys) {
            if (request.has_document_key_document_id() && DocumentId(key) != request.document_key_document_id())
                continue;
            if (request.has_document_key_user_id() && HolderId(key) != request.document_key_user_id())
                continue;
            if (request.has_document_folder_id()
                && key.document_key_document().document_folder_id() != request.document_folder_id())
                continue;
            *reply.add_document_key() = key;
        }
        return Answer(reply);
    });
    m_server.onRequest(common::op::SelectFolderKey, [this](const TestRequest &received) {
        qorv::data::SelectFolderKeyRequest request;
        if (!request.ParseFromString(received.payload))
            return Refusal<qorv::data::SelectFolderKeyReply>(1);
        qorv::data::SelectFolderKeyReply reply;
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (const qorv::data::FolderKey &key : m_folderKeys) {
            if (request.has_folder_key_folder_id() && FolderId(key) != request.folder_key_folder_id())
                continue;
            if (request.has_folder_key_user_id() && HolderId(key) != request.folder_key_user_id())
                continue;
            if (request.has_folder_parent_id()
                && key.folder_key_folder().folder_parent_id() != request.folder_parent_id())
                continue;
            *reply.add_folder_key() = key;
        }
        return Answer(reply);
    });
    m_server.onRequest(common::op::InsertDocumentKey, [this](const TestRequest &received) {
        qorv::data::InsertDocumentKeyRequest request;
        if (const std::int32_t sqlc = refusal(common::op::InsertDocumentKey);
            sqlc != 0 || !request.ParseFromString(received.payload))
            return Refusal<qorv::data::InsertDocumentKeyReply>(sqlc != 0 ? sqlc : 1);
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_documentKeys.push_back(request.document_key());
        return Done<qorv::data::InsertDocumentKeyReply>();
    });
    m_server.onRequest(common::op::InsertFolderKey, [this](const TestRequest &received) {
        qorv::data::InsertFolderKeyRequest request;
        if (const std::int32_t sqlc = refusal(common::op::InsertFolderKey);
            sqlc != 0 || !request.ParseFromString(received.payload))
            return Refusal<qorv::data::InsertFolderKeyReply>(sqlc != 0 ? sqlc : 1);
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_folderKeys.push_back(request.folder_key());
        return Done<qorv::data::InsertFolderKeyReply>();
    });
    m_server.onRequest(common::op::UpdateDocumentKey, [this](const TestRequest &received) {
        qorv::data::UpdateDocumentKeyRequest request;
        if (const std::int32_t sqlc = refusal(common::op::UpdateDocumentKey);
            sqlc != 0 || !request.ParseFromString(received.payload))
            return Refusal<qorv::data::UpdateDocumentKeyReply>(sqlc != 0 ? sqlc : 1);
        const std::lock_guard<std::mutex> lock(m_mutex);
        const auto key =
            Find(m_documentKeys, DocumentId(request.document_key()), HolderId(request.document_key()), &DocumentId);
        if (key == m_documentKeys.end())
            return Answer(qorv::data::UpdateDocumentKeyReply());
        *key = request.document_key();
        return Done<qorv::data::UpdateDocumentKeyReply>();
    });
    m_server.onRequest(common::op::UpdateFolderKey, [this](const TestRequest &received) {
        qorv::data::UpdateFolderKeyRequest request;
        if (const std::int32_t sqlc = refusal(common::op::UpdateFolderKey);
            sqlc != 0 || !request.ParseFromString(received.payload))
            return Refusal<qorv::data::UpdateFolderKeyReply>(sqlc != 0 ? sqlc : 1);
        const std::lock_guard<std::mutex> lock(m_mutex);
        const auto key = Find(m_folderKeys, FolderId(request.folder_key()), HolderId(request.folder_key()), &FolderId);
        if (key == m_folderKeys.end())
            return Answer(qorv::data::UpdateFolderKeyReply());
        *key = request.folder_key();
        return Done<qorv::data::UpdateFolderKeyReply>();
    });
    m_server.onRequest(common::op::DeleteDocumentKey, [this](const TestRequest &received) {
        qorv::data::DeleteDocumentKeyRequest request;
        if (const std::int32_t sqlc = refusal(common::op::DeleteDocumentKey);
            sqlc != 0 || !request.ParseFromString(received.payload))
            return Refusal<qorv::data::DeleteDocumentKeyReply>(sqlc != 0 ? sqlc : 1);
        const std::lock_guard<std::mutex> lock(m_mutex);
        const auto key =
            Find(m_documentKeys, request.document_key_document_id(), request.document_key_user_id(), &DocumentId);
        if (key == m_documentKeys.end())
            return Answer(qorv::data::DeleteDocumentKeyReply());
        m_documentKeys.erase(key);
        return Done<qorv::data::DeleteDocumentKeyReply>();
    });
    // A folder key's deletion has no reply message: a refusal comes as an
    // error pair.
    m_server.onRequest(common::op::DeleteFolderKey, [this](const TestRequest &received) {
        qorv::data::DeleteFolderKeyRequest request;
        TestReply answer;
        if (const std::int32_t sqlc = refusal(common::op::DeleteFolderKey);
            sqlc != 0 || !request.ParseFromString(received.payload)) {
            answer.minorErcode = 4;
            return answer;
        }
        const std::lock_guard<std::mutex> lock(m_mutex);
        const auto key = Find(m_folderKeys, request.folder_key_folder_id(), request.folder_key_user_id(), &FolderId);
        if (key != m_folderKeys.end())
            m_folderKeys.erase(key);
        return answer;
    });
}

void KeyStore::addDocumentKey(const qorv::data::DocumentKey &documentKey)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_documentKeys.push_back(documentKey);
}

void KeyStore::addFolderKey(const qorv::data::FolderKey &folderKey)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_folderKeys.push_back(folderKey);
}

void KeyStore::refuse(std::int32_t majorOpcode, std::int32_t sqlc)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_refusals[majorOpcode] = sqlc;
}

QList<qorv::data::DocumentKey> KeyStore::documentKeys(int documentId) const
{
    QList<qorv::data::DocumentKey> keys;
    const std::lock_guard<std::mutex> lock(m_mutex);
    for (const qorv::data::DocumentKey &key : m_documentKeys) {
        if (DocumentId(key) == documentId)
            keys.append(key);
    }
    return keys;
}

QList<qorv::data::FolderKey> KeyStore::folderKeys(int folderId) const
{
    QList<qorv::data::FolderKey> keys;
    const std::lock_guard<std::mutex> lock(m_mutex);
    for (const qorv::data::FolderKey &key : m_folderKeys) {
        if (FolderId(key) == folderId)
            keys.append(key);
    }
    return keys;
}

std::int32_t KeyStore::refusal(std::int32_t majorOpcode) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = m_refusals.find(majorOpcode);
    return found == m_refusals.end() ? 0 : found->second;
}
}
