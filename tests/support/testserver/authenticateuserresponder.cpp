#include "authenticateuserresponder.h"

#include "authenticateuserreply3.pb.h"
#include "authenticateuserrequest3.pb.h"
#include "serverrsa.h"
#include "user3.pb.h"

#include <cstdio>
#include <map>
#include <mutex>
#include <utility>

namespace testsupport
{
namespace
{
std::string KeyText(const TestSessionKey &key)
{
    std::string text = "\\x";
    char digits[3];
    for (const unsigned char byte : key) {
        std::snprintf(digits, sizeof digits, "%02X", byte);
        text += digits;
    }
    return text;
}

std::string Decimal(std::int64_t value)
{
    return std::to_string(value);
}

// Unsigned bit sets travel as the signed reading of their 32 bits.
std::string Pattern(std::uint32_t value)
{
    return std::to_string(static_cast<std::int32_t>(value));
}
}

struct AuthenticateUserResponder::State
{
    explicit State(const std::string &keyDirectory)
        : rsa(keyDirectory)
    {
    }

    struct Account
    {
        std::string passwordHash;
        qorv::data::User user;
    };

    ServerRsa rsa;
    mutable std::mutex mutex;
    std::string userNameHash;
    std::string passwordHash;
    bool sessionRefused = false;
    qorv::data::User user;
    std::map<std::string, Account> accounts; // by user-name hash
    PasswordCheck passwordCheck;
    TestSessionKey sessionKey = {0x10, 0x32, 0x54, 0x76, 0x98, 0xba, 0xdc, 0xfe,
                                 0x01, 0x23, 0x45, 0x67, 0x89, 0xab, 0xcd, 0xef};
    std::string sessionKeyText;
    std::int32_t sessionId = 1;
    std::string sessionIdText;
    std::string serverTimestamp = "2024-01-01 00:00:00.000000";
    std::string lastUserNameHash;
    std::string lastPasswordHash;
    std::string lastClientTimestamp;

    TestReply answer(const TestRequest &request);
    std::optional<std::string> open(const std::string &bytes, std::int32_t length) const;
    bool seal(const std::string &plain, std::string *bytes, std::int32_t *length) const;
    bool fill(qorv::data::AuthenticateUserReply &reply, const qorv::data::User &user) const;
};

AuthenticateUserResponder::AuthenticateUserResponder(const std::string &keyDirectory)
    : m_state(std::make_shared<State>(keyDirectory))
{
}

AuthenticateUserResponder::~AuthenticateUserResponder() = default;

bool AuthenticateUserResponder::isValid() const
{
    return m_state->rsa.isValid();
}

void AuthenticateUserResponder::setAccount(const std::string &userNameHash, const std::string &passwordHash)
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->userNameHash = userNameHash;
    m_state->passwordHash = passwordHash;
}

void AuthenticateUserResponder::setSessionRefused(bool refused)
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->sessionRefused = refused;
}

void AuthenticateUserResponder::setUser(const qorv::data::User &user)
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->user.CopyFrom(user);
}

void AuthenticateUserResponder::addAccount(const std::string &userNameHash, const std::string &passwordHash,
                                           const qorv::data::User &user)
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->accounts[userNameHash] = State::Account{passwordHash, user};
}

void AuthenticateUserResponder::removeAccount(const std::string &userNameHash)
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->accounts.erase(userNameHash);
}

void AuthenticateUserResponder::setPasswordCheck(PasswordCheck check)
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->passwordCheck = std::move(check);
}

void AuthenticateUserResponder::setSessionKey(const TestSessionKey &key)
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->sessionKey = key;
}

void AuthenticateUserResponder::setSessionKeyText(const std::string &text)
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->sessionKeyText = text;
}

void AuthenticateUserResponder::setSessionId(std::int32_t id)
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->sessionId = id;
}

void AuthenticateUserResponder::setSessionIdText(const std::string &text)
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->sessionIdText = text;
}

void AuthenticateUserResponder::setServerTimestamp(const std::string &timestamp)
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->serverTimestamp = timestamp;
}

TestServer::Handler AuthenticateUserResponder::handler() const
{
    return [state = m_state](const TestRequest &request) { return state->answer(request); };
}

std::string AuthenticateUserResponder::lastUserNameHash() const
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->lastUserNameHash;
}

std::string AuthenticateUserResponder::lastPasswordHash() const
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->lastPasswordHash;
}

std::string AuthenticateUserResponder::lastClientTimestamp() const
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->lastClientTimestamp;
}

std::optional<std::string> AuthenticateUserResponder::State::open(const std::string &bytes, std::int32_t length) const
{
    // The length field names how much of the bytes field is ciphertext; it
    // may never reach past it.
    if (length < 0 || static_cast<std::size_t>(length) > bytes.size())
        return std::nullopt;
    return rsa.decryptFromClient(bytes.substr(0, static_cast<std::size_t>(length)));
}

bool AuthenticateUserResponder::State::seal(const std::string &plain, std::string *bytes, std::int32_t *length) const
{
    const std::optional<std::string> cipher = rsa.encryptForClient(plain);
    if (!cipher)
        return false;
    *bytes = *cipher;
    *length = static_cast<std::int32_t>(cipher->size());
    return true;
}

TestReply AuthenticateUserResponder::State::answer(const TestRequest &request)
{
    const std::lock_guard<std::mutex> lock(mutex);
    qorv::data::AuthenticateUserRequest logOn;
    qorv::data::AuthenticateUserReply reply;
    TestReply answer;

    if (logOn.ParseFromString(request.payload)) {
        const auto name = open(logOn.encrypted_user_name(), logOn.encrypted_user_name_len());
        const auto password = open(logOn.encrypted_user_password(), logOn.encrypted_user_password_len());
        const auto timestamp = open(logOn.encrypted_client_time_stamp(), logOn.encrypted_client_time_stamp_len());
        lastUserNameHash = name.value_or(std::string());
        lastPasswordHash = password.value_or(std::string());
        lastClientTimestamp = timestamp.value_or(std::string());

        const Account *account = nullptr;
        if (name && !accounts.empty()) {
            const auto found = accounts.find(*name);
            if (found != accounts.end())
                account = &found->second;
        }
        const std::string &expectedPassword = account ? account->passwordHash : passwordHash;
        const bool nameFound =
            name && (accounts.empty() ? userNameHash.empty() || *name == userNameHash : account != nullptr);
        const bool passwordDecoded =
            nameFound && password
            && (account && passwordCheck ? passwordCheck(*name, *password)
                                         : expectedPassword.empty() || *password == expectedPassword);
        const bool sessionInserted = passwordDecoded && !sessionRefused;
        reply.set_user_name_found(nameFound);
        reply.set_user_password_decoded(passwordDecoded);
        reply.set_user_session_inserted(sessionInserted);
        if (sessionInserted && fill(reply, account ? account->user : user)) {
            answer.nextSessionKey = sessionKey;
            answer.sessionId = sessionId;
        }
    }
    answer.payload = reply.SerializeAsString();
    return answer;
}

bool AuthenticateUserResponder::State::fill(qorv::data::AuthenticateUserReply &reply,
                                            const qorv::data::User &user) const
{
    using Reply = qorv::data::AuthenticateUserReply;
    const qorv::data::SecurityDescriptor &descriptor = user.user_security_descriptor();
    const std::string keyText = sessionKeyText.empty() ? KeyText(sessionKey) : sessionKeyText;
    const std::string sessionIdPlain = sessionIdText.empty() ? Decimal(sessionId) : sessionIdText;

    // Each value beside the pair of reply fields it travels in.
    struct Field
    {
        std::string plain;
        std::string *(Reply::*bytes)();
        void (Reply::*length)(std::int32_t);
    };
    const Field fields[] = {
        {serverTimestamp, &Reply::mutable_encrypted_server_time_stamp, &Reply::set_encrypted_server_time_stamp_len},
        {keyText, &Reply::mutable_encrypted_encryption_key, &Reply::set_encrypted_encryption_key_len},
        {sessionIdPlain, &Reply::mutable_encrypted_session_id, &Reply::set_encrypted_session_id_len},
        {Decimal(user.user_id()), &Reply::mutable_encrypted_user_id, &Reply::set_encrypted_user_id_len},
        {Decimal(user.user_group_id()), &Reply::mutable_encrypted_user_group_id,
         &Reply::set_encrypted_user_group_id_len},
        {user.user_name(), &Reply::mutable_encrypted_user_name, &Reply::set_encrypted_user_name_len},
        {user.user_last_name(), &Reply::mutable_encrypted_user_last_name, &Reply::set_encrypted_user_last_name_len},
        {user.user_first_name(), &Reply::mutable_encrypted_user_first_name, &Reply::set_encrypted_user_first_name_len},
        {user.user_middle_name(), &Reply::mutable_encrypted_user_middle_name,
         &Reply::set_encrypted_user_middle_name_len},
        {user.user_description(), &Reply::mutable_encrypted_user_description,
         &Reply::set_encrypted_user_description_len},
        {user.user_email_address(), &Reply::mutable_encrypted_user_email_address,
         &Reply::set_encrypted_user_email_address_len},
        {Pattern(user.user_properties()), &Reply::mutable_encrypted_user_properties,
         &Reply::set_encrypted_user_properties_len},
        {user.user_creation_date(), &Reply::mutable_encrypted_user_creation_date,
         &Reply::set_encrypted_user_creation_date_len},
        {Pattern(descriptor.active()), &Reply::mutable_encrypted_active, &Reply::set_encrypted_active_len},
        {descriptor.active_region(), &Reply::mutable_encrypted_active_region, &Reply::set_encrypted_active_region_len},
        {descriptor.active_from(), &Reply::mutable_encrypted_active_from, &Reply::set_encrypted_active_from_len},
        {descriptor.active_to(), &Reply::mutable_encrypted_active_to, &Reply::set_encrypted_active_to_len},
        {Pattern(descriptor.audits()), &Reply::mutable_encrypted_audits, &Reply::set_encrypted_audits_len},
        {descriptor.password(), &Reply::mutable_encrypted_password, &Reply::set_encrypted_password_len},
        {Pattern(descriptor.permissions()), &Reply::mutable_encrypted_permissions,
         &Reply::set_encrypted_permissions_len},
        {Decimal(descriptor.session_duration()), &Reply::mutable_encrypted_session_duration,
         &Reply::set_encrypted_session_duration_len},
        {descriptor.expiration_date(), &Reply::mutable_encrypted_expiration_date,
         &Reply::set_encrypted_expiration_date_len},
        {Pattern(descriptor.expiration_action()), &Reply::mutable_encrypted_expiration_action,
         &Reply::set_encrypted_expiration_action_len},
        {Decimal(user.user_security_descriptor_password_length()),
         &Reply::mutable_encrypted_user_security_descriptor_password_length,
         &Reply::set_encrypted_user_security_descriptor_password_length_len},
        {Decimal(user.user_folder_id()), &Reply::mutable_encrypted_user_folder_id,
         &Reply::set_encrypted_user_folder_id_len},
        {Decimal(user.user_message_folder_id()), &Reply::mutable_encrypted_user_message_folder_id,
         &Reply::set_encrypted_user_message_folder_id_len},
    };
    for (const Field &field : fields) {
        std::int32_t length = 0;
        if (!seal(field.plain, (reply.*field.bytes)(), &length))
            return false;
        (reply.*field.length)(length);
    }
    return true;
}
}
