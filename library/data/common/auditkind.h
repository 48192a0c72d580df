#ifndef COMMON_AUDITKIND_H
#define COMMON_AUDITKIND_H

#include "common/opcode.h"

// Minor codes of the audit event: which audit event produced the line. They
// are not the opcodes of the audited replies (InsertDocumentKey is -23 for
// reply 21, InsertDocument -22 for reply 22). None marks "not audited".
namespace common::audit
{
inline constexpr Evcode None = 0;
inline constexpr Evcode AuthenticateUser = -2;
inline constexpr Evcode CopyDocumentToClipboard = -6;
inline constexpr Evcode CopyMessageToClipboard = -7;
inline constexpr Evcode DeleteDocument = -8;
inline constexpr Evcode DeleteFolder = -11;
inline constexpr Evcode DeleteMessageDocument = -14;
inline constexpr Evcode DeleteMessage = -15;
inline constexpr Evcode DeleteMessageUser = -16;
inline constexpr Evcode ExportDocumentToPdfFile = -18;
inline constexpr Evcode ExportDocumentToTextFile = -19;
inline constexpr Evcode ExportMessageToPdfFile = -20;
inline constexpr Evcode ExportMessageToTextFile = -21;
inline constexpr Evcode InsertDocument = -22;
inline constexpr Evcode InsertDocumentKey = -23;
inline constexpr Evcode InsertFolder = -24;
inline constexpr Evcode InsertFolderKey = -25;
inline constexpr Evcode InsertMessageDocument = -28;
inline constexpr Evcode InsertMessage = -29;
inline constexpr Evcode InsertMessageUser = -30;
inline constexpr Evcode PasteDocumentFromClipboard = -33;
inline constexpr Evcode PasteMessageFromClipboard = -34;
inline constexpr Evcode PrintDocument = -35;
inline constexpr Evcode PrintMessage = -36;
inline constexpr Evcode SelectDocument = -37;
inline constexpr Evcode SelectFolder = -39;
inline constexpr Evcode SelectMessage = -43;
inline constexpr Evcode SelectUser = -44;
inline constexpr Evcode TerminateUserSession = -45;
inline constexpr Evcode UpdateDocument = -48;
inline constexpr Evcode UpdateFolder = -52;
inline constexpr Evcode UpdateMessage = -60;
}

#endif // COMMON_AUDITKIND_H
