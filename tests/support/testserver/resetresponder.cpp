#include "resetresponder.h"

#include "serverrsa.h"

#include "resetpasswordreply3.pb.h"
#include "resetpasswordrequest3.pb.h"
#include "resetusernamereply3.pb.h"
#include "resetusernamerequest3.pb.h"
#include "verifypasswordresetreply3.pb.h"
#include "verifypasswordresetrequest3.pb.h"
#include "verifyusernameresetreply3.pb.h"
#include "verifyusernameresetrequest3.pb.h"

#include <algorithm>
#include <mutex>
#include <optional>

namespace testsupport
{
namespace
{
// "23505" packed 6 bits per character, first character lowest.
constexpr std::int32_t PackedUniqueViolation = 83906754;
}

struct ResetResponder::State
{
    explicit State(const std::string &keyDirectory)
        : rsa(keyDirectory)
    {
    }

    ServerRsa rsa;
    mutable std::mutex mutex;
    std::vector<std::string> userEmailAddresses;
    std::string authcode = "AUTHCODE";
    std::vector<std::string> takenUserNameHashes;
    bool resetRefused = false;
    // A header error word of 1 reads as success on the client, so a refusal
    // needs another word; the server's failed statement is 4.
    std::int32_t refusalMajorErcode = 4;
    std::int32_t refusalMinorErcode = 0;
    std::vector<std::string> verifiedAddresses;
    std::vector<Reset> userNameResets;
    std::vector<Reset> passwordResets;

    std::optional<std::string> open(const std::string &bytes, std::int32_t length) const;
    TestReply refusal(const std::string &payload = std::string()) const;
    bool accepts(const Reset &reset) const;
    bool knows(const std::string &address) const;

    template <class Request, class Reply>
    TestReply verify(const TestRequest &request, std::string *(Reply::*codeBytes)(),
                     void (Reply::*codeLength)(std::int32_t));
    TestReply resetUserName(const TestRequest &request);
    TestReply resetPassword(const TestRequest &request);
};

std::optional<std::string> ResetResponder::State::open(const std::string &bytes, std::int32_t length) const
{
    if (length < 0 || static_cast<std::size_t>(length) > bytes.size())
        return std::nullopt;
    return rsa.decryptFromClient(bytes.substr(0, static_cast<std::size_t>(length)));
}

TestReply ResetResponder::State::refusal(const std::string &payload) const
{
    TestReply reply;
    reply.payload = payload;
    reply.majorErcode = refusalMajorErcode;
    reply.minorErcode = refusalMinorErcode;
    return reply;
}

bool ResetResponder::State::accepts(const Reset &reset) const
{
    return !resetRefused && knows(reset.userEmailAddress) && reset.authcode == authcode;
}

bool ResetResponder::State::knows(const std::string &address) const
{
    return std::find(userEmailAddresses.begin(), userEmailAddresses.end(), address) != userEmailAddresses.end();
}

template <class Request, class Reply>
TestReply ResetResponder::State::verify(const TestRequest &request, std::string *(Reply::*codeBytes)(),
                                        void (Reply::*codeLength)(std::int32_t))
{
    const std::lock_guard<std::mutex> lock(mutex);
    Request verify;
    if (!verify.ParseFromString(request.payload))
        return refusal();
    const auto address = open(verify.encrypted_user_email_address(), verify.encrypted_user_email_address_len());
    verifiedAddresses.push_back(address.value_or(std::string()));
    if (!address || !knows(*address))
        return refusal();

    const std::optional<std::string> cipher = rsa.encryptForClient(authcode);
    if (!cipher)
        return refusal();
    Reply reply;
    *(reply.*codeBytes)() = *cipher;
    (reply.*codeLength)(static_cast<std::int32_t>(cipher->size()));
    TestReply answer;
    answer.payload = reply.SerializeAsString();
    return answer;
}

TestReply ResetResponder::State::resetUserName(const TestRequest &request)
{
    const std::lock_guard<std::mutex> lock(mutex);
    qorv::data::ResetUserNameRequest reset;
    if (!reset.ParseFromString(request.payload))
        return refusal();
    Reset opened;
    opened.userEmailAddress =
        open(reset.encrypted_user_email_address(), reset.encrypted_user_email_address_len()).value_or(std::string());
    opened.authcode = open(reset.encrypted_user_name_reset_authcode(), reset.encrypted_user_name_reset_authcode_len())
                          .value_or(std::string());
    opened.value = open(reset.encrypted_user_name(), reset.encrypted_user_name_len()).value_or(std::string());
    userNameResets.push_back(opened);

    if (!accepts(opened))
        return refusal(qorv::data::ResetUserNameReply().SerializeAsString());
    if (std::find(takenUserNameHashes.cbegin(), takenUserNameHashes.cend(), opened.value)
        != takenUserNameHashes.cend()) {
        qorv::data::ResetUserNameReply reply;
        reply.mutable_sql_diag_rec()->set_sqlc(PackedUniqueViolation);
        reply.mutable_sql_diag_rec()->set_sqls("23505");
        reply.mutable_sql_diag_rec()->set_sqlm("duplicate key value violates unique constraint");
        return refusal(reply.SerializeAsString());
    }
    TestReply answer;
    answer.payload = qorv::data::ResetUserNameReply().SerializeAsString();
    return answer;
}

TestReply ResetResponder::State::resetPassword(const TestRequest &request)
{
    const std::lock_guard<std::mutex> lock(mutex);
    qorv::data::ResetPasswordRequest reset;
    if (!reset.ParseFromString(request.payload))
        return refusal();
    Reset opened;
    opened.userEmailAddress =
        open(reset.encrypted_user_email_address(), reset.encrypted_user_email_address_len()).value_or(std::string());
    opened.authcode = open(reset.encrypted_password_reset_authcode(), reset.encrypted_password_reset_authcode_len())
                          .value_or(std::string());
    opened.value = open(reset.encrypted_user_password(), reset.encrypted_user_password_len()).value_or(std::string());
    passwordResets.push_back(opened);

    if (!accepts(opened))
        return refusal();
    return TestReply{};
}

ResetResponder::ResetResponder(const std::string &keyDirectory)
    : m_state(std::make_shared<State>(keyDirectory))
{
}

ResetResponder::~ResetResponder() = default;

bool ResetResponder::isValid() const
{
    return m_state->rsa.isValid();
}

void ResetResponder::setUserEmailAddress(const std::string &address)
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->userEmailAddresses = {address};
}

void ResetResponder::addUserEmailAddress(const std::string &address)
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->userEmailAddresses.push_back(address);
}

void ResetResponder::setAuthcode(const std::string &authcode)
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->authcode = authcode;
}

void ResetResponder::addTakenUserNameHash(const std::string &userNameHash)
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->takenUserNameHashes.push_back(userNameHash);
}

void ResetResponder::setResetRefused(bool refused)
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->resetRefused = refused;
}

void ResetResponder::setRefusalErcodes(std::int32_t majorErcode, std::int32_t minorErcode)
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->refusalMajorErcode = majorErcode;
    m_state->refusalMinorErcode = minorErcode;
}

void ResetResponder::install(TestServer &server) const
{
    using qorv::data::VerifyPasswordResetReply;
    using qorv::data::VerifyUserNameResetReply;
    const std::shared_ptr<State> state = m_state;
    server.onRequest(73, [state](const TestRequest &request) {
        return state->verify<qorv::data::VerifyPasswordResetRequest, VerifyPasswordResetReply>(
            request, &VerifyPasswordResetReply::mutable_encrypted_password_reset_authcode,
            &VerifyPasswordResetReply::set_encrypted_password_reset_authcode_len);
    });
    server.onRequest(75, [state](const TestRequest &request) {
        return state->verify<qorv::data::VerifyUserNameResetRequest, VerifyUserNameResetReply>(
            request, &VerifyUserNameResetReply::mutable_encrypted_user_name_reset_authcode,
            &VerifyUserNameResetReply::set_encrypted_user_name_reset_authcode_len);
    });
    server.onRequest(35, [state](const TestRequest &request) { return state->resetPassword(request); });
    server.onRequest(37, [state](const TestRequest &request) { return state->resetUserName(request); });
}

std::vector<std::string> ResetResponder::verifiedAddresses() const
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->verifiedAddresses;
}

std::vector<ResetResponder::Reset> ResetResponder::userNameResets() const
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->userNameResets;
}

std::vector<ResetResponder::Reset> ResetResponder::passwordResets() const
{
    const std::lock_guard<std::mutex> lock(m_state->mutex);
    return m_state->passwordResets;
}
}
