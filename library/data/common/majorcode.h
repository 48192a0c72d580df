#ifndef COMMON_MAJORCODE_H
#define COMMON_MAJORCODE_H

#include "common/opcode.h"

// Major opcodes. A positive code is a server operation, named after its request
// message without the "Request" suffix; it travels unchanged in the frame
// header. A negative code is a command between the client's own components and
// never leaves the process. Numbers missing from the list are reserved and must
// not be reused: the server knows the operations by these numbers.
namespace common::op
{
// Session.
inline constexpr Opcode AuthenticateUser = 3;
inline constexpr Opcode TerminateUserSession = 4; // empty payload, reply not parsed

// Delete.
inline constexpr Opcode DeleteDocumentKey = 6;
inline constexpr Opcode DeleteDocument = 7;
inline constexpr Opcode DeleteDocumentWebpage = 8;
inline constexpr Opcode DeleteFolderKey = 9;
inline constexpr Opcode DeleteFolder = 10;
inline constexpr Opcode DeleteMessageDocument = 13;
inline constexpr Opcode DeleteMessageFolder = 14;
inline constexpr Opcode DeleteMessage = 15;
inline constexpr Opcode DeleteMessageUser = 16;
inline constexpr Opcode DeleteUserGroup = 17;
inline constexpr Opcode DeleteUserGroupUser = 18;

// Insert.
inline constexpr Opcode InsertDictionary = 20;
inline constexpr Opcode InsertDocumentKey = 21;
inline constexpr Opcode InsertDocument = 22;
inline constexpr Opcode InsertDocumentWebpage = 23;
inline constexpr Opcode InsertFolderKey = 24;
inline constexpr Opcode InsertFolder = 25;
inline constexpr Opcode InsertMessageDocument = 28;
inline constexpr Opcode InsertMessageFolder = 29;
inline constexpr Opcode InsertMessage = 30;
inline constexpr Opcode InsertMessageUser = 31;
inline constexpr Opcode InsertUserGroup = 32;
inline constexpr Opcode InsertUserGroupUser = 33;

// Reset.
inline constexpr Opcode ResetPassword = 35;
inline constexpr Opcode ResetUserEmailAddress = 36;
inline constexpr Opcode ResetUserName = 37;

// Select.
inline constexpr Opcode SelectDictionary = 39;
inline constexpr Opcode SelectDocumentKey = 40;
inline constexpr Opcode SelectDocument = 41;
inline constexpr Opcode SelectDocumentWebpage = 42;
inline constexpr Opcode SelectFolderKey = 43;
inline constexpr Opcode SelectFolder = 44;
inline constexpr Opcode SelectGroupKey = 45;
inline constexpr Opcode SelectGroup = 46; // in the schema, but nobody sends it
inline constexpr Opcode SelectMessageDocument = 48;
inline constexpr Opcode SelectMessageFolder = 49;
inline constexpr Opcode SelectMessage = 50;
inline constexpr Opcode SelectMessageUser = 51;
inline constexpr Opcode SelectUserGroup = 52;
inline constexpr Opcode SelectUserGroupUser = 53;
inline constexpr Opcode SelectUser = 54;

// Update.
inline constexpr Opcode UpdateDocumentKey = 56;
inline constexpr Opcode UpdateDocument = 57;
inline constexpr Opcode UpdateDocumentWebpage = 58;
inline constexpr Opcode UpdateFolderKey = 59;
inline constexpr Opcode UpdateFolder = 60;
inline constexpr Opcode UpdateMessageFolder = 64;
inline constexpr Opcode UpdateMessage = 65;
inline constexpr Opcode UpdateMessageUser = 66;
inline constexpr Opcode UpdateUserGroup = 67;
inline constexpr Opcode UpdateUserGroupUser = 68; // in the schema, but nobody sends it
inline constexpr Opcode UpdateUser = 69;

// Verify.
inline constexpr Opcode VerifyDisableMultiFactorAuthentication = 70;
inline constexpr Opcode VerifyEnableMultiFactorAuthentication = 71;
inline constexpr Opcode VerifyMultiFactorAuthenticationAuthcode = 72;
inline constexpr Opcode VerifyPasswordReset = 73;
inline constexpr Opcode VerifyUserEmailAddressReset = 74;
inline constexpr Opcode VerifyUserNameReset = 75;

// Client-local: actions that are only audited. The router turns each into an
// audit line and stops it.
inline constexpr Opcode LogEventCopyDocumentToClipboard = -12;
inline constexpr Opcode LogEventCopyMessageToClipboard = -13;
inline constexpr Opcode LogEventExportDocumentToPdfFile = -14;
inline constexpr Opcode LogEventExportDocumentToTextFile = -15;
inline constexpr Opcode LogEventExportMessageToPdfFile = -16;
inline constexpr Opcode LogEventExportMessageToTextFile = -17;
inline constexpr Opcode LogEventPasteDocumentFromClipboard = -18;
inline constexpr Opcode LogEventPasteMessageFromClipboard = -19;
inline constexpr Opcode LogEventPrintDocument = -20;
inline constexpr Opcode LogEventPrintMessage = -21;

// Client-local: windows that the view managers open.
inline constexpr Opcode OpenDocumentBrowser = -26; // minor 1: a new browser; tag::OpenFolderKey: one per key
inline constexpr Opcode OpenDocumentKeys = -27;
inline constexpr Opcode OpenFolderKeys = -28;
inline constexpr Opcode OpenMessageBrowser = -29;
inline constexpr Opcode OpenUserGroupBrowser = -31;
inline constexpr Opcode OpenMessageEditor = -41;
inline constexpr Opcode OpenMessageReader = -43;

// Client-local: the clock and the editor options.
inline constexpr Opcode StartClock = -53;
inline constexpr Opcode StopClock = -54;
inline constexpr Opcode EditorOptionsChanged = -57;
}

#endif // COMMON_MAJORCODE_H
