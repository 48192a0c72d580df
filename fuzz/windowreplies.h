#ifndef WINDOWREPLIES_H
#define WINDOWREPLIES_H

#include "common/majorcode.h"

#include <cstddef>
#include <cstdint>
#include <iterator>

// The replies that the windows target hands on: which window (or manager)
// takes the reply, and under which major opcode. The first byte of an input
// picks one of them; the seed recorder looks its inputs up here, so that both
// agree on the numbering.
namespace windowreplies
{
enum class Receiver : std::uint8_t
{
    DocumentBrowser,
    MessageBrowser,
    UserGroupBrowser,
    DocumentKeyring,      // the keyring window of KeyringDocumentId
    FolderKeyring,        // the keyring window of KeyringFolderId
    DocumentEditors,      // the manager that opens editors from select replies
    DocumentKeyrings,     // the manager that opens a document's keyring
    FolderKeyrings,       // the manager that opens a folder's keyring
    MessageReader,        // opened from the request, then given the reply
    MessageEditor,        // opened from the request, then given the reply
    ReceivedDocumentKeys, // the window of received document keys
    ReceivedFolderKeys,   // the window of received folder keys
    UserPicker,           // the user picker's list of users
    DocumentPicker,       // the document picker's list of documents
};

struct Entry
{
    Receiver receiver;
    common::Opcode majorOpcode;
};

inline constexpr int KeyringDocumentId = 201;
inline constexpr int KeyringFolderId = 112;

inline constexpr Entry Entries[] = {
    {Receiver::DocumentBrowser, common::op::SelectDocumentKey},
    {Receiver::DocumentBrowser, common::op::SelectDocument},
    {Receiver::DocumentBrowser, common::op::SelectFolderKey},
    {Receiver::DocumentBrowser, common::op::SelectFolder},
    {Receiver::DocumentBrowser, common::op::SelectGroupKey},
    {Receiver::DocumentBrowser, common::op::SelectUser},
    {Receiver::DocumentBrowser, common::op::InsertDocument},
    {Receiver::DocumentBrowser, common::op::InsertFolder},
    {Receiver::DocumentBrowser, common::op::UpdateDocument},
    {Receiver::DocumentBrowser, common::op::UpdateFolder},
    {Receiver::DocumentBrowser, common::op::UpdateDocumentKey},
    {Receiver::DocumentBrowser, common::op::DeleteDocument},
    {Receiver::DocumentBrowser, common::op::DeleteFolder},
    {Receiver::MessageBrowser, common::op::SelectMessageFolder},
    {Receiver::MessageBrowser, common::op::SelectMessage},
    {Receiver::MessageBrowser, common::op::SelectMessageUser},
    {Receiver::MessageBrowser, common::op::InsertMessageFolder},
    {Receiver::MessageBrowser, common::op::InsertMessage},
    {Receiver::MessageBrowser, common::op::UpdateMessageFolder},
    {Receiver::MessageBrowser, common::op::UpdateMessage},
    {Receiver::MessageBrowser, common::op::UpdateMessageUser},
    {Receiver::MessageBrowser, common::op::DeleteMessageFolder},
    {Receiver::MessageBrowser, common::op::DeleteMessage},
    {Receiver::MessageBrowser, common::op::DeleteMessageUser},
    {Receiver::UserGroupBrowser, common::op::SelectUserGroup},
    {Receiver::UserGroupBrowser, common::op::SelectUserGroupUser},
    {Receiver::UserGroupBrowser, common::op::InsertUserGroup},
    {Receiver::UserGroupBrowser, common::op::InsertUserGroupUser},
    {Receiver::UserGroupBrowser, common::op::UpdateUserGroup},
    {Receiver::UserGroupBrowser, common::op::DeleteUserGroup},
    {Receiver::UserGroupBrowser, common::op::DeleteUserGroupUser},
    {Receiver::DocumentKeyring, common::op::InsertDocumentKey},
    {Receiver::DocumentKeyring, common::op::UpdateDocumentKey},
    {Receiver::DocumentKeyring, common::op::DeleteDocumentKey},
    {Receiver::FolderKeyring, common::op::InsertFolderKey},
    {Receiver::FolderKeyring, common::op::UpdateFolderKey},
    {Receiver::FolderKeyring, common::op::DeleteFolderKey},
    {Receiver::DocumentEditors, common::op::SelectDocument},
    {Receiver::DocumentEditors, common::op::SelectDocumentKey},
    {Receiver::DocumentEditors, common::op::DeleteDocument},
    {Receiver::DocumentKeyrings, common::op::SelectDocumentKey},
    {Receiver::DocumentKeyrings, common::op::DeleteDocument},
    {Receiver::FolderKeyrings, common::op::SelectFolderKey},
    {Receiver::FolderKeyrings, common::op::DeleteFolder},
    {Receiver::MessageReader, common::op::InsertMessage},
    {Receiver::MessageReader, common::op::DeleteMessage},
    {Receiver::MessageEditor, common::op::UpdateMessage},
    {Receiver::MessageEditor, common::op::DeleteMessageDocument},
    {Receiver::MessageEditor, common::op::DeleteMessage},
    {Receiver::ReceivedDocumentKeys, common::op::SelectDocumentKey},
    {Receiver::ReceivedFolderKeys, common::op::SelectFolderKey},
    {Receiver::UserPicker, common::op::SelectUser},
    {Receiver::DocumentPicker, common::op::SelectDocument},
};

inline const Entry &EntryOf(std::uint8_t choice)
{
    return Entries[choice % std::size(Entries)];
}

// The first byte of an input for that receiver and major opcode; the size of
// the table when there is no such entry.
constexpr std::size_t IndexOf(Receiver receiver, common::Opcode majorOpcode)
{
    std::size_t index = 0;
    while (index < std::size(Entries)
           && (Entries[index].receiver != receiver || Entries[index].majorOpcode != majorOpcode))
        ++index;
    return index;
}
}

#endif // WINDOWREPLIES_H
