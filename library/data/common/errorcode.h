#ifndef COMMON_ERRORCODE_H
#define COMMON_ERRORCODE_H

#include "common/opcode.h"

// Error codes of a reply: (0, 0) is success, (NoReply, NoReplyMinor) is the
// client's own "no valid reply" (the exchange failed or the reply did not
// decrypt), (NoReply, UnusableReplyMinor) the client's own "a reply came but
// cannot be used" (a log-on reply that does not parse or whose session cannot
// be installed), and every other pair is the server's, whose major names the
// failure and whose minor is only ever shown as a number.
namespace common::er
{
inline constexpr Ercode Success = 0;
inline constexpr Ercode NoReply = -1;
inline constexpr Ercode NoReplyMinor = 1;
inline constexpr Ercode UnusableReplyMinor = 2;

inline constexpr Ercode DatabaseConnection = 3;
inline constexpr Ercode DatabaseExecuteStatement = 4;
inline constexpr Ercode DatabaseInvalidArgument = 5;
inline constexpr Ercode DatabaseNullPointer = 6;
inline constexpr Ercode DatabasePrepareStatement = 7;
inline constexpr Ercode DatabaseRuntime = 8;
inline constexpr Ercode ProtoParseFromString = 9;
inline constexpr Ercode ProtoSerializeToString = 10;
inline constexpr Ercode ServiceBadDocumentId = 15;
inline constexpr Ercode ServiceBadDocumentKeyId = 19;
inline constexpr Ercode ServiceBadDocumentSysEnd = 22;
inline constexpr Ercode ServiceBadFolderId = 26;
inline constexpr Ercode ServiceBadFolderKeyId = 30;
inline constexpr Ercode ServiceBadGroupId = 35;
inline constexpr Ercode ServiceBadGroupKeyId = 39;
inline constexpr Ercode ServiceBadId = 44;
inline constexpr Ercode ServiceBadMessageDocumentDocumentId = 46;
inline constexpr Ercode ServiceBadMessageDocumentMessageId = 47;
inline constexpr Ercode ServiceBadMessageFolderId = 50;
inline constexpr Ercode ServiceBadMessageFolderName = 51;
inline constexpr Ercode ServiceBadMessageFolderParentId = 52;
inline constexpr Ercode ServiceBadMessageFolderUserId = 53;
inline constexpr Ercode ServiceBadMessageId = 54;
inline constexpr Ercode ServiceBadMessageSubject = 55;
inline constexpr Ercode ServiceBadMessageTimeDifferential = 56;
inline constexpr Ercode ServiceBadMessageUserId = 58;
inline constexpr Ercode ServiceBadMessageUserMessageId = 59;
inline constexpr Ercode ServiceBadMessageUserUserId = 60;
inline constexpr Ercode ServiceBadName = 62;
inline constexpr Ercode ServiceBadPassword = 63;
inline constexpr Ercode ServiceBadSequenceValue = 64;
inline constexpr Ercode ServiceBadServerTimezone = 65;
inline constexpr Ercode ServiceBadSessionId = 66;
inline constexpr Ercode ServiceBadUserGroupGroupId = 73;
inline constexpr Ercode ServiceBadUserGroupId = 74;
inline constexpr Ercode ServiceBadUserId = 75;
inline constexpr Ercode ServiceCannotAllocateMessageBlock = 80;
inline constexpr Ercode ServiceDecryptionAuthentication = 81;
inline constexpr Ercode ServiceEncryptionAuthentication = 82;
inline constexpr Ercode ServiceInsertSessionRecord = 83;
inline constexpr Ercode ServiceInvalidMajorProtocol = 85;
inline constexpr Ercode ServiceInvalidMinorProtocol = 86;
inline constexpr Ercode ServiceNoDataFound = 90;
inline constexpr Ercode ServiceNoUserFound = 92;
inline constexpr Ercode ServiceVerifyMessageDatabase = 94;

// A request frame carries this word in both of its error fields, and the
// server marks a clean reply the same way.
inline constexpr Ercode HeaderUnset = 1;
}

namespace common
{
// Reads one error word of a reply frame header: the server's "unset" word
// counts as success, so (1, 1) arrives as (0, 0) and (1, 7) as (0, 7).
constexpr Ercode NormaliseHeaderErcode(Ercode word)
{
    return word == er::HeaderUnset ? er::Success : word;
}
}

#endif // COMMON_ERRORCODE_H
