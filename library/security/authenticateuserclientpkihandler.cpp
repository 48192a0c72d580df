#include "authenticateuserclientpkihandler.h"

#include "authcode.h"
#include "qorvassert.h"
#include "readint32.h"
#include "secrettext.h"

#include "authenticateuserreply3.pb.h"
#include "authenticateuserrequest3.pb.h"
#include "user3.pb.h"

#include <boost/date_time/posix_time/time_formatters.hpp>

#include <cstdint>
#include <optional>
#include <utility>

namespace
{
using qorv::data::AuthenticateUserReply;
using qorv::data::SecurityDescriptor;
using qorv::data::User;

std::string Text(const PkiHandler::Buffer &buffer, std::uint64_t length)
{
    return std::string(reinterpret_cast<const char *>(buffer.get()), length);
}

SecurityDescriptor &Descriptor(User &user)
{
    return *user.mutable_user_security_descriptor();
}

// One protected field of the user's record: where it sits in the reply and
// where its plaintext goes. A text field takes the plaintext as it is; a
// number field takes it read like std::stoi (leading blanks, a sign, digits;
// the rest is ignored), and a flag word keeps that number's 32-bit pattern.
struct UserField
{
    using TextSetter = void (*)(User &user, const std::string &text);
    using NumberSetter = void (*)(User &user, std::int32_t number);

    const std::string &(AuthenticateUserReply::*bytes)() const;
    std::int32_t (AuthenticateUserReply::*length)() const;
    TextSetter setText;
    NumberSetter setNumber;
};

// False, with nothing set, for a number field whose plaintext holds no number
// in the signed 32-bit range.
bool Apply(const UserField &field, User &user, const std::string &plaintext)
{
    if (field.setText) {
        field.setText(user, plaintext);
        return true;
    }
    const std::optional<std::int32_t> number = utils::ReadInt32(plaintext);
    if (!number)
        return false;
    field.setNumber(user, *number);
    return true;
}

std::uint32_t BitPattern(std::int32_t number)
{
    return static_cast<std::uint32_t>(number);
}

const std::array<UserField, AuthenticateUserClientPkiHandler::UserFieldCount> &UserFields()
{
    using R = AuthenticateUserReply;
    using T = const std::string &;
    using N = std::int32_t;
    static const std::array<UserField, AuthenticateUserClientPkiHandler::UserFieldCount> fields{{
        {&R::encrypted_user_id, &R::encrypted_user_id_len, nullptr, [](User &u, N n) { u.set_user_id(n); }},
        {&R::encrypted_user_group_id, &R::encrypted_user_group_id_len, nullptr,
         [](User &u, N n) { u.set_user_group_id(n); }},
        {&R::encrypted_user_name, &R::encrypted_user_name_len, [](User &u, T t) { u.set_user_name(t); }, nullptr},
        {&R::encrypted_user_last_name, &R::encrypted_user_last_name_len, [](User &u, T t) { u.set_user_last_name(t); },
         nullptr},
        {&R::encrypted_user_first_name, &R::encrypted_user_first_name_len,
         [](User &u, T t) { u.set_user_first_name(t); }, nullptr},
        {&R::encrypted_user_middle_name, &R::encrypted_user_middle_name_len,
         [](User &u, T t) { u.set_user_middle_name(t); }, nullptr},
        {&R::encrypted_user_description, &R::encrypted_user_description_len,
         [](User &u, T t) { u.set_user_description(t); }, nullptr},
        {&R::encrypted_user_email_address, &R::encrypted_user_email_address_len,
         [](User &u, T t) { u.set_user_email_address(t); }, nullptr},
        {&R::encrypted_user_properties, &R::encrypted_user_properties_len, nullptr,
         [](User &u, N n) { u.set_user_properties(BitPattern(n)); }},
        {&R::encrypted_user_creation_date, &R::encrypted_user_creation_date_len,
         [](User &u, T t) { u.set_user_creation_date(t); }, nullptr},
        {&R::encrypted_active, &R::encrypted_active_len, nullptr,
         [](User &u, N n) { Descriptor(u).set_active(BitPattern(n)); }},
        {&R::encrypted_active_region, &R::encrypted_active_region_len,
         [](User &u, T t) { Descriptor(u).set_active_region(t); }, nullptr},
        {&R::encrypted_active_from, &R::encrypted_active_from_len,
         [](User &u, T t) { Descriptor(u).set_active_from(t); }, nullptr},
        {&R::encrypted_active_to, &R::encrypted_active_to_len, [](User &u, T t) { Descriptor(u).set_active_to(t); },
         nullptr},
        {&R::encrypted_audits, &R::encrypted_audits_len, nullptr,
         [](User &u, N n) { Descriptor(u).set_audits(BitPattern(n)); }},
        {&R::encrypted_password, &R::encrypted_password_len, [](User &u, T t) { Descriptor(u).set_password(t); },
         nullptr},
        {&R::encrypted_permissions, &R::encrypted_permissions_len, nullptr,
         [](User &u, N n) { Descriptor(u).set_permissions(BitPattern(n)); }},
        {&R::encrypted_session_duration, &R::encrypted_session_duration_len, nullptr,
         [](User &u, N n) { Descriptor(u).set_session_duration(n); }},
        {&R::encrypted_expiration_date, &R::encrypted_expiration_date_len,
         [](User &u, T t) { Descriptor(u).set_expiration_date(t); }, nullptr},
        {&R::encrypted_expiration_action, &R::encrypted_expiration_action_len, nullptr,
         [](User &u, N n) { Descriptor(u).set_expiration_action(BitPattern(n)); }},
        {&R::encrypted_user_security_descriptor_password_length,
         &R::encrypted_user_security_descriptor_password_length_len, nullptr,
         [](User &u, N n) { u.set_user_security_descriptor_password_length(n); }},
        {&R::encrypted_user_folder_id, &R::encrypted_user_folder_id_len, nullptr,
         [](User &u, N n) { u.set_user_folder_id(n); }},
        {&R::encrypted_user_message_folder_id, &R::encrypted_user_message_folder_id_len, nullptr,
         [](User &u, N n) { u.set_user_message_folder_id(n); }},
    }};
    return fields;
}
}

AuthenticateUserClientPkiHandler::AuthenticateUserClientPkiHandler()
    : m_encryptedUserNameLen(0)
    , m_encryptedUserPasswordLen(0)
    , m_encryptedTimestampLen(0)
    , m_decryptedServerTimestampLen(0)
    , m_decryptedServerEncryptionKeyLen(0)
    , m_decryptedServerSessionIdLen(0)
    , m_decryptedUserFieldLens{}
{
}

AuthenticateUserClientPkiHandler::~AuthenticateUserClientPkiHandler() = default;

void AuthenticateUserClientPkiHandler::setUserNameHash(std::string userNameHash)
{
    QORV_ASSERT(!userNameHash.empty());
    m_userNameHash.assign(std::move(userNameHash));
}

void AuthenticateUserClientPkiHandler::setUserPasswordHash(std::string userPasswordHash)
{
    QORV_ASSERT(!userPasswordHash.empty());
    m_userPasswordHash.assign(std::move(userPasswordHash));
}

std::int32_t AuthenticateUserClientPkiHandler::encryptRequest(qorv::data::AuthenticateUserRequest &request)
{
    std::int32_t authcode = encryptUserName();
    if (AUTH_CODE_SUCCESS != authcode)
        return authcode;
    authcode = encryptUserPassword();
    if (AUTH_CODE_SUCCESS != authcode)
        return authcode;
    authcode = encryptTimestamp();
    if (AUTH_CODE_SUCCESS != authcode)
        return authcode;

    request.set_encrypted_user_name(Text(m_encryptedUserName, m_encryptedUserNameLen));
    request.set_encrypted_user_name_len(static_cast<std::int32_t>(m_encryptedUserNameLen));
    request.set_encrypted_user_password(Text(m_encryptedUserPassword, m_encryptedUserPasswordLen));
    request.set_encrypted_user_password_len(static_cast<std::int32_t>(m_encryptedUserPasswordLen));
    request.set_encrypted_client_time_stamp(Text(m_encryptedTimestamp, m_encryptedTimestampLen));
    request.set_encrypted_client_time_stamp_len(static_cast<std::int32_t>(m_encryptedTimestampLen));
    return AUTH_CODE_SUCCESS;
}

std::int32_t AuthenticateUserClientPkiHandler::decryptReply(const qorv::data::AuthenticateUserReply &reply,
                                                            qorv::data::User &user)
{
    std::int32_t authcode = decryptServerTimestamp(reply);
    if (AUTH_CODE_SUCCESS != authcode)
        return authcode;
    authcode = decryptServerEncryptionKey(reply);
    if (AUTH_CODE_SUCCESS != authcode)
        return authcode;
    authcode = decryptServerSessionId(reply);
    if (AUTH_CODE_SUCCESS != authcode)
        return authcode;
    return decryptUser(reply, user);
}

// A field that the server left empty reads as the empty text: the server's
// fault, which the log-on completion judges and reports, not ours.
std::string AuthenticateUserClientPkiHandler::getDecryptedServerTimestamp() const
{
    return Text(m_decryptedServerTimestamp, m_decryptedServerTimestamp ? m_decryptedServerTimestampLen : 0);
}

std::string AuthenticateUserClientPkiHandler::getDecryptedServerEncryptionKey() const
{
    return Text(m_decryptedServerEncryptionKey, m_decryptedServerEncryptionKey ? m_decryptedServerEncryptionKeyLen : 0);
}

std::string AuthenticateUserClientPkiHandler::getDecryptedServerSessionId() const
{
    return Text(m_decryptedServerSessionId, m_decryptedServerSessionId ? m_decryptedServerSessionIdLen : 0);
}

std::string AuthenticateUserClientPkiHandler::getClientTimestamp() const
{
    QORV_ASSERT(boost::posix_time::not_a_date_time != m_timestamp);
    if (m_timestamp.is_special())
        return std::string();
    return boost::posix_time::to_iso_extended_string(m_timestamp);
}

std::int32_t AuthenticateUserClientPkiHandler::encryptUserName()
{
    return encryptText(m_userNameHash.get(), m_encryptedUserName, m_encryptedUserNameLen);
}

std::int32_t AuthenticateUserClientPkiHandler::encryptUserPassword()
{
    return encryptText(m_userPasswordHash.get(), m_encryptedUserPassword, m_encryptedUserPasswordLen);
}

std::int32_t AuthenticateUserClientPkiHandler::encryptTimestamp()
{
    return encryptText(getClientTimestamp(), m_encryptedTimestamp, m_encryptedTimestampLen);
}

std::int32_t AuthenticateUserClientPkiHandler::decryptServerTimestamp(const qorv::data::AuthenticateUserReply &reply)
{
    return decryptField(reply.encrypted_server_time_stamp(), reply.encrypted_server_time_stamp_len(),
                        m_decryptedServerTimestamp, m_decryptedServerTimestampLen);
}

std::int32_t
AuthenticateUserClientPkiHandler::decryptServerEncryptionKey(const qorv::data::AuthenticateUserReply &reply)
{
    return decryptField(reply.encrypted_encryption_key(), reply.encrypted_encryption_key_len(),
                        m_decryptedServerEncryptionKey, m_decryptedServerEncryptionKeyLen);
}

std::int32_t AuthenticateUserClientPkiHandler::decryptServerSessionId(const qorv::data::AuthenticateUserReply &reply)
{
    return decryptField(reply.encrypted_session_id(), reply.encrypted_session_id_len(), m_decryptedServerSessionId,
                        m_decryptedServerSessionIdLen);
}

std::int32_t AuthenticateUserClientPkiHandler::decryptUser(const qorv::data::AuthenticateUserReply &reply,
                                                           qorv::data::User &user)
{
    const auto &fields = UserFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const UserField &field = fields[i];
        const std::int32_t authcode = decryptField((reply.*field.bytes)(), (reply.*field.length)(),
                                                   m_decryptedUserFields[i], m_decryptedUserFieldLens[i]);
        if (AUTH_CODE_SUCCESS != authcode)
            return authcode;
        const SecretText plaintext(Text(m_decryptedUserFields[i], m_decryptedUserFieldLens[i]));
        if (!Apply(field, user, plaintext.get()))
            return AUTH_CODE_NOT_A_NUMBER;
    }
    return AUTH_CODE_SUCCESS;
}
