#include "common/errorkey.h"

#include "common/errorcode.h"

namespace common
{
namespace
{
// A nullptr column means that table does not name the code and its default
// applies.
struct ErrorKeys
{
    Ercode major;
    const char *logOn;
    const char *auditDetail;
};

constexpr ErrorKeys kErrorKeys[] = {
    {er::NoReply, "AuthenticateUserServiceNoReplyEr", nullptr},
    {er::DatabaseConnection, "AuthenticateUserDatabaseConnectionEr", nullptr},
    {er::DatabaseExecuteStatement, "AuthenticateUserDatabaseExecuteStatementEr", "DatabaseExecuteStatementErMsg"},
    {er::DatabaseInvalidArgument, "AuthenticateUserDatabaseInvalidArgumentEr", nullptr},
    {er::DatabaseNullPointer, "AuthenticateUserDatabaseNullPointerEr", nullptr},
    {er::DatabasePrepareStatement, "AuthenticateUserDatabasePrepareStatementEr", "DatabasePrepareStatementErMsg"},
    {er::DatabaseRuntime, nullptr, "DatabaseRuntimeErMsg"},
    {er::ProtoParseFromString, nullptr, "ProtoParseFromStringErMsg"},
    {er::ProtoSerializeToString, nullptr, "ProtoSerializeToStringErMsg"},
    {er::ServiceBadDocumentId, nullptr, "ServiceBadDocumentIdErMsg"},
    {er::ServiceBadDocumentKeyId, nullptr, "ServiceBadDocumentKeyIdErMsg"},
    {er::ServiceBadDocumentSysEnd, nullptr, "ServiceBadDocumentSysEndErMsg"},
    {er::ServiceBadFolderId, nullptr, "ServiceBadFolderIdErMsg"},
    {er::ServiceBadFolderKeyId, nullptr, "ServiceBadFolderKeyIdErMsg"},
    {er::ServiceBadGroupId, nullptr, "ServiceBadGroupIdErMsg"},
    {er::ServiceBadGroupKeyId, nullptr, "ServiceBadGroupKeyIdErMsg"},
    {er::ServiceBadId, nullptr, "ServiceBadIdErMsg"},
    {er::ServiceBadMessageDocumentDocumentId, nullptr, "ServiceBadMessageDocumentDocumentIdErMsg"},
    {er::ServiceBadMessageDocumentMessageId, nullptr, "ServiceBadMessageDocumentMessageIdErMsg"},
    {er::ServiceBadMessageFolderId, nullptr, "ServiceBadMessageFolderIdErMsg"},
    {er::ServiceBadMessageFolderName, nullptr, "ServiceBadMessageFolderNameErMsg"},
    {er::ServiceBadMessageFolderParentId, nullptr, "ServiceBadMessageFolderParentIdErMsg"},
    {er::ServiceBadMessageFolderUserId, nullptr, "ServiceBadMessageFolderUserIdErMsg"},
    {er::ServiceBadMessageId, nullptr, "ServiceBadMessageIdErMsg"},
    {er::ServiceBadMessageSubject, nullptr, "ServiceBadMessageSubjectErMsg"},
    {er::ServiceBadMessageTimeDifferential, nullptr, "ServiceBadMessageTimeDifferentialErMsg"},
    {er::ServiceBadMessageUserId, nullptr, "ServiceBadMessageUserIdErMsg"},
    {er::ServiceBadMessageUserMessageId, nullptr, "ServiceBadMessageUserMessageIdErMsg"},
    {er::ServiceBadMessageUserUserId, nullptr, "ServiceBadMessageUserUserIdErMsg"},
    {er::ServiceBadName, nullptr, "ServiceBadNameErMsg"},
    {er::ServiceBadPassword, "AuthenticateUserServiceBadPasswordEr", "ServiceBadPasswordErMsg"},
    {er::ServiceBadSequenceValue, "AuthenticateUserServiceBadSequenceValueEr", "ServiceBadSequenceValueErMsg"},
    {er::ServiceBadServerTimezone, nullptr, "ServiceBadServerTimezoneErMsg"},
    {er::ServiceBadSessionId, nullptr, "ServiceBadSessionIdErMsg"},
    {er::ServiceBadUserGroupGroupId, nullptr, "ServiceBadUserGroupGroupIdErMsg"},
    {er::ServiceBadUserGroupId, nullptr, "ServiceBadUserGroupIdErMsg"},
    {er::ServiceBadUserId, nullptr, "ServiceBadUserIdErMsg"},
    {er::ServiceCannotAllocateMessageBlock, nullptr, "ServiceCannotAllocateMessageBlockErMsg"},
    {er::ServiceDecryptionAuthentication, "AuthenticateUserServiceDecryptionAuthenticationEr",
     "ServiceDecryptionAuthenticationErMsg"},
    {er::ServiceEncryptionAuthentication, "AuthenticateUserServiceEncryptionAuthenticationEr",
     "ServiceEncryptionAuthenticationErMsg"},
    {er::ServiceInsertSessionRecord, "AuthenticateUserServiceInsertSessionRecordEr", "ServiceInsertSessionRecordErMsg"},
    {er::ServiceInvalidMajorProtocol, "AuthenticateUserServiceInvalidMajorProtocolEr",
     "ServiceInvalidMajorProtocolErMsg"},
    {er::ServiceInvalidMinorProtocol, "AuthenticateUserServiceInvalidMinorProtocolEr",
     "ServiceInvalidMinorProtocolErMsg"},
    {er::ServiceNoDataFound, nullptr, "ServiceNoDataFoundErMsg"},
    {er::ServiceNoUserFound, "AuthenticateUserServiceNoUserFoundEr", "ServiceNoUserFoundErMsg"},
    {er::ServiceVerifyMessageDatabase, nullptr, "ServiceVerifyMessageDatabaseErMsg"},
};

const ErrorKeys *Find(Ercode major)
{
    for (const ErrorKeys &keys : kErrorKeys) {
        if (keys.major == major)
            return &keys;
    }
    return nullptr;
}
}

const char *LogOnErrorKey(Ercode major)
{
    if (major == er::Success)
        return nullptr;
    const ErrorKeys *keys = Find(major);
    return keys && keys->logOn ? keys->logOn : LogOnDefaultErrorKey;
}

const char *AuditDetailKey(Ercode major)
{
    const ErrorKeys *keys = Find(major);
    return keys && keys->auditDetail ? keys->auditDetail : AuditUnknownDetailKey;
}
}
