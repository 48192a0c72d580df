#include "authcode.h"
#include "authenticateuserclientpkihandler.h"
#include "crypto.h"
#include "cryptographer.h"
#include "logoncompletion.h"
#include "registry.h"
#include "resetpasswordclientpkihandler.h"
#include "resetusernameclientpkihandler.h"
#include "rsafixture.h"
#include "scopedclock.h"
#include "scopedcryptographerlockfailure.h"
#include "verifypasswordresetclientpkihandler.h"
#include "verifyusernameresetclientpkihandler.h"

#include "authenticateuserreply3.pb.h"
#include "authenticateuserrequest3.pb.h"
#include "resetpasswordrequest3.pb.h"
#include "resetusernamerequest3.pb.h"
#include "user3.pb.h"
#include "verifypasswordresetreply3.pb.h"
#include "verifypasswordresetrequest3.pb.h"
#include "verifyusernameresetreply3.pb.h"
#include "verifyusernameresetrequest3.pb.h"

#include <QtTest>

#include <map>
#include <optional>
#include <stdexcept>

namespace
{
using Plaintexts = std::map<std::string, std::string>;

// Everything a server sends back for a successful log-on, by reply field
// name without its "encrypted_" prefix.
Plaintexts LogOnPlaintexts()
{
    return {
        {"server_time_stamp", "2024-03-01 10:00:00.123456"},
        {"encryption_key", "\\x00112233445566778899AABBCCDDEEFF"},
        {"session_id", "4711"},
        {"user_id", "42"},
        {"user_group_id", "7"},
        {"user_name", std::string(64, 'C')},
        {"user_last_name", "Doe"},
        {"user_first_name", "Jane"},
        {"user_middle_name", "Q."},
        {"user_description", "Editor"},
        {"user_email_address", "jane@example.org"},
        {"user_properties", "-1"},
        {"user_creation_date", "2020-01-01 00:00:00"},
        {"active", "-2147483648"},
        {"active_region", "Europe/Berlin"},
        {"active_from", "08:00:00"},
        {"active_to", "17:30:00"},
        {"audits", "255"},
        {"password", std::string(64, 'D')},
        {"permissions", "3"},
        {"session_duration", "3600"},
        {"expiration_date", "9999-12-31 00:00:00"},
        {"expiration_action", "1"},
        {"user_security_descriptor_password_length", "8"},
        {"user_folder_id", "100"},
        {"user_message_folder_id", "101"},
    };
}

// The server's answer, each field encrypted with the given key and counted
// by its ciphertext's length.
qorv::data::AuthenticateUserReply LogOnReply(EVP_PKEY *clientPublicKey, const Plaintexts &plaintexts)
{
    qorv::data::AuthenticateUserReply reply;
    reply.set_user_name_found(true);
    reply.set_user_password_decoded(true);
    reply.set_user_session_inserted(true);
    const auto *descriptor = reply.GetDescriptor();
    const auto *reflection = reply.GetReflection();
    for (const auto &[name, plaintext] : plaintexts) {
        const auto *bytes = descriptor->FindFieldByName("encrypted_" + name);
        const auto *length = descriptor->FindFieldByName("encrypted_" + name + "_len");
        Q_ASSERT(bytes && length);
        const std::string ciphertext = fixture::Encrypt(clientPublicKey, plaintext);
        reflection->SetString(&reply, bytes, ciphertext);
        reflection->SetInt32(&reply, length, static_cast<int>(ciphertext.size()));
    }
    return reply;
}

void SetLength(qorv::data::AuthenticateUserReply &reply, const std::string &name, int length)
{
    reply.GetReflection()->SetInt32(&reply, reply.GetDescriptor()->FindFieldByName("encrypted_" + name + "_len"),
                                    length);
}

// A number field of the user record or of its security descriptor, by name;
// none when it is not set.
std::optional<qint64> NumberField(const qorv::data::User &user, const std::string &name)
{
    const google::protobuf::Message *holder = &user;
    const google::protobuf::FieldDescriptor *field = user.GetDescriptor()->FindFieldByName(name);
    if (!field) {
        holder = &user.user_security_descriptor();
        field = holder->GetDescriptor()->FindFieldByName(name);
    }
    Q_ASSERT(field);
    const google::protobuf::Reflection *reflection = holder->GetReflection();
    if (!reflection->HasField(*holder, field))
        return std::nullopt;
    if (field->cpp_type() == google::protobuf::FieldDescriptor::CPPTYPE_UINT32)
        return qint64(reflection->GetUInt32(*holder, field));
    return qint64(reflection->GetInt32(*holder, field));
}

std::vector<unsigned char> SessionKey()
{
    const unsigned char *key = CryptographerSingleton::instance()->getEkey();
    return std::vector<unsigned char>(key, key + crypto::AES_EKEY_BLOCK_SIZE);
}
}

class TestHandshakes : public QObject
{
    Q_OBJECT

private:
    EvpPkeyPtr m_serverPrivateKey;
    EvpPkeyPtr m_serverPublicKey;
    EvpPkeyPtr m_clientPublicKey;

    std::string openedByServer(const std::string &ciphertext) const
    {
        return fixture::Decrypt(m_serverPrivateKey.get(), ciphertext);
    }

private slots:
    void initTestCase()
    {
        // The built-in keys: the fixtures hold their other halves.
        qunsetenv("QUILLANE_CLIENT_PRIVATE_KEY_FILE");
        m_serverPrivateKey = fixture::LoadPrivateKey(fixture::KeyPath("server_private.pem"));
        m_serverPublicKey = fixture::LoadPublicKey(fixture::KeyPath("server_public.pem"));
        m_clientPublicKey = fixture::LoadPublicKey(fixture::KeyPath("client_public.pem"));
        QVERIFY(m_serverPrivateKey && m_serverPublicKey && m_clientPublicKey);
    }

    void init()
    {
        QVERIFY(CryptographerSingleton::instance()->clear());
        RegistrySingleton::instance()->clear();
    }

    void logOnRequestCarriesHashesAndTime()
    {
        testsupport::ScopedClock clock(testsupport::UtcInstant(2024, 3, 1, 9, 59, 30));
        AuthenticateUserClientPkiHandler handler;
        handler.setUserNameHash(crypto::HashUserName("jane"));
        handler.setUserPasswordHash(crypto::HashPassword(std::string("secret")));
        qorv::data::AuthenticateUserRequest request;

        QCOMPARE(handler.encryptRequest(request), AUTH_CODE_SUCCESS);

        QCOMPARE(openedByServer(request.encrypted_user_name()), crypto::HashUserName("jane"));
        QCOMPARE(openedByServer(request.encrypted_user_password()), crypto::HashPassword(std::string("secret")));
        QCOMPARE(openedByServer(request.encrypted_client_time_stamp()), std::string("2024-03-01T09:59:30"));
        QCOMPARE(request.encrypted_user_name_len(), 256);
        QCOMPARE(request.encrypted_user_password_len(), 256);
        QCOMPARE(request.encrypted_client_time_stamp_len(), 256);
        QCOMPARE(request.encrypted_user_name().size(), std::size_t(256));
    }

    void logOnsInOneSecondDifferOnlyInPadding()
    {
        testsupport::ScopedClock clock(testsupport::UtcInstant(2024, 3, 1, 9, 59, 30));
        qorv::data::AuthenticateUserRequest requests[2];
        for (auto &request : requests) {
            AuthenticateUserClientPkiHandler handler;
            handler.setUserNameHash("name");
            handler.setUserPasswordHash("password");
            QCOMPARE(handler.encryptRequest(request), AUTH_CODE_SUCCESS);
        }
        QCOMPARE(openedByServer(requests[0].encrypted_client_time_stamp()),
                 openedByServer(requests[1].encrypted_client_time_stamp()));
        QVERIFY(requests[0].encrypted_client_time_stamp() != requests[1].encrypted_client_time_stamp());
    }

    void failedLogOnRequestIsLeftEmpty()
    {
        AuthenticateUserClientPkiHandler handler;
        handler.setUserNameHash("name");
        handler.setUserPasswordHash(std::string(300, 'P'));
        qorv::data::AuthenticateUserRequest request;
        QCOMPARE(handler.encryptRequest(request), AUTH_CODE_ENCRYPT_FAILED);
        QCOMPARE(request.ByteSizeLong(), std::size_t(0));
    }

    void logOnReplyFillsSessionAndUser()
    {
        const qorv::data::AuthenticateUserReply reply = LogOnReply(m_clientPublicKey.get(), LogOnPlaintexts());
        AuthenticateUserClientPkiHandler handler;
        qorv::data::User user;

        QCOMPARE(handler.decryptReply(reply, user), AUTH_CODE_SUCCESS);

        QCOMPARE(handler.getDecryptedServerTimestamp(), std::string("2024-03-01 10:00:00.123456"));
        QCOMPARE(handler.getDecryptedServerEncryptionKey(), std::string("\\x00112233445566778899AABBCCDDEEFF"));
        QCOMPARE(handler.getDecryptedServerSessionId(), std::string("4711"));

        QCOMPARE(user.user_id(), 42);
        QCOMPARE(user.user_group_id(), 7);
        QCOMPARE(user.user_name(), std::string(64, 'C'));
        QCOMPARE(user.user_last_name(), std::string("Doe"));
        QCOMPARE(user.user_first_name(), std::string("Jane"));
        QCOMPARE(user.user_middle_name(), std::string("Q."));
        QCOMPARE(user.user_description(), std::string("Editor"));
        QCOMPARE(user.user_email_address(), std::string("jane@example.org"));
        QCOMPARE(user.user_properties(), 0xFFFFFFFFu);
        QCOMPARE(user.user_creation_date(), std::string("2020-01-01 00:00:00"));
        QCOMPARE(user.user_security_descriptor_password_length(), 8);
        QCOMPARE(user.user_folder_id(), 100);
        QCOMPARE(user.user_message_folder_id(), 101);
        const qorv::data::SecurityDescriptor &descriptor = user.user_security_descriptor();
        QCOMPARE(descriptor.active(), 0x80000000u);
        QCOMPARE(descriptor.active_region(), std::string("Europe/Berlin"));
        QCOMPARE(descriptor.active_from(), std::string("08:00:00"));
        QCOMPARE(descriptor.active_to(), std::string("17:30:00"));
        QCOMPARE(descriptor.audits(), 255u);
        QCOMPARE(descriptor.password(), std::string(64, 'D'));
        QCOMPARE(descriptor.permissions(), 3u);
        QCOMPARE(descriptor.session_duration(), 3600);
        QCOMPARE(descriptor.expiration_date(), std::string("9999-12-31 00:00:00"));
        QCOMPARE(descriptor.expiration_action(), 1u);
    }

    void sessionFieldFailureLeavesUserUntouched()
    {
        qorv::data::AuthenticateUserReply reply = LogOnReply(m_clientPublicKey.get(), LogOnPlaintexts());
        // Encrypted for the wrong key: the client cannot open it.
        const std::string misdirected = fixture::Encrypt(m_serverPublicKey.get(), "\\x00");
        reply.set_encrypted_encryption_key(misdirected);
        AuthenticateUserClientPkiHandler handler;
        qorv::data::User user;

        QCOMPARE(handler.decryptReply(reply, user), AUTH_CODE_DECRYPT_FAILED);

        QCOMPARE(user.ByteSizeLong(), std::size_t(0));
        QCOMPARE(handler.getDecryptedServerTimestamp(), std::string("2024-03-01 10:00:00.123456"));
    }

    void userFieldFailureKeepsEarlierFields()
    {
        qorv::data::AuthenticateUserReply reply = LogOnReply(m_clientPublicKey.get(), LogOnPlaintexts());
        reply.set_encrypted_active_region(fixture::Encrypt(m_serverPublicKey.get(), "Europe/Berlin"));
        AuthenticateUserClientPkiHandler handler;
        qorv::data::User user;

        QCOMPARE(handler.decryptReply(reply, user), AUTH_CODE_DECRYPT_FAILED);

        QVERIFY(user.has_user_id() && user.has_user_group_id() && user.has_user_name());
        QVERIFY(user.has_user_email_address() && user.has_user_properties() && user.has_user_creation_date());
        QVERIFY(user.has_user_security_descriptor());
        QVERIFY(user.user_security_descriptor().has_active());
        QVERIFY(!user.user_security_descriptor().has_active_region());
        QVERIFY(!user.user_security_descriptor().has_password());
        QVERIFY(!user.has_user_folder_id());
    }

    void lengthFieldsAreBounded_data()
    {
        QTest::addColumn<int>("length");
        QTest::newRow("negative") << -1;
        QTest::newRow("beyond the bytes") << 257;
        QTest::newRow("short of the bytes") << 255;
        QTest::newRow("zero") << 0;
    }

    void lengthFieldsAreBounded()
    {
        QFETCH(int, length);
        qorv::data::AuthenticateUserReply reply = LogOnReply(m_clientPublicKey.get(), LogOnPlaintexts());
        SetLength(reply, "session_id", length);
        AuthenticateUserClientPkiHandler handler;
        qorv::data::User user;
        QCOMPARE(handler.decryptReply(reply, user), AUTH_CODE_DECRYPT_FAILED);
        QCOMPARE(user.ByteSizeLong(), std::size_t(0));
    }

    // A number field reads like std::stoi, but a text that holds no number,
    // or one beyond 32 bits, is a failure code, never an exception.
    void integerFieldsReadLeadingNumber_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QByteArray>("plaintext");
        QTest::addColumn<int>("authcode");
        QTest::addColumn<qint64>("value");
        const int ok = AUTH_CODE_SUCCESS;
        const int bad = AUTH_CODE_NOT_A_NUMBER;
        QTest::newRow("blank, digits, letters") << QByteArray("user_id") << QByteArray(" 42abc") << ok << 42LL;
        QTest::newRow("signed") << QByteArray("user_id") << QByteArray("-17") << ok << -17LL;
        QTest::newRow("plus sign") << QByteArray("user_id") << QByteArray("+17") << ok << 17LL;
        QTest::newRow("smallest") << QByteArray("user_id") << QByteArray("-2147483648") << ok << -2147483648LL;
        QTest::newRow("flag word keeps its pattern")
            << QByteArray("user_properties") << QByteArray("-2") << ok << 0xFFFFFFFELL;
        QTest::newRow("letters only") << QByteArray("user_id") << QByteArray("abc") << bad << 0LL;
        QTest::newRow("blank only") << QByteArray("user_group_id") << QByteArray(" ") << bad << 0LL;
        QTest::newRow("sign only") << QByteArray("session_duration") << QByteArray("-") << bad << 0LL;
        QTest::newRow("two signs") << QByteArray("user_id") << QByteArray("+-5") << bad << 0LL;
        QTest::newRow("beyond 32 bits") << QByteArray("user_id") << QByteArray("2147483648") << bad << 0LL;
        QTest::newRow("below 32 bits") << QByteArray("user_folder_id") << QByteArray("-2147483649") << bad << 0LL;
        QTest::newRow("flag word beyond 32 bits") << QByteArray("audits") << QByteArray("4294967295") << bad << 0LL;
        QTest::newRow("last field") << QByteArray("user_message_folder_id") << QByteArray("x1") << bad << 0LL;
    }

    void integerFieldsReadLeadingNumber()
    {
        QFETCH(QByteArray, field);
        QFETCH(QByteArray, plaintext);
        QFETCH(int, authcode);
        QFETCH(qint64, value);
        Plaintexts plaintexts = LogOnPlaintexts();
        plaintexts[field.toStdString()] = plaintext.toStdString();
        const qorv::data::AuthenticateUserReply reply = LogOnReply(m_clientPublicKey.get(), plaintexts);
        AuthenticateUserClientPkiHandler handler;
        qorv::data::User user;

        std::int32_t result = -1;
        try {
            result = handler.decryptReply(reply, user);
        } catch (const std::exception &error) {
            QFAIL(error.what());
        }

        QCOMPARE(result, authcode);
        if (authcode == AUTH_CODE_SUCCESS) {
            QCOMPARE(NumberField(user, field.toStdString()), std::optional<qint64>(value));
            QCOMPARE(user.user_message_folder_id(), 101);
        } else {
            // The field is not set, and the work ends there.
            QCOMPARE(NumberField(user, field.toStdString()), std::optional<qint64>());
            QVERIFY(!user.has_user_message_folder_id());
        }
    }

    void verifyPasswordReset()
    {
        VerifyPasswordResetClientPkiHandler handler;
        handler.setUserEmailAddress("jane@example.org");
        qorv::data::VerifyPasswordResetRequest request;
        QCOMPARE(handler.encryptRequest(request), AUTH_CODE_SUCCESS);
        QCOMPARE(openedByServer(request.encrypted_user_email_address()), std::string("jane@example.org"));
        QCOMPARE(request.encrypted_user_email_address_len(), 256);

        qorv::data::VerifyPasswordResetReply reply;
        reply.set_encrypted_password_reset_authcode(fixture::Encrypt(m_clientPublicKey.get(), "k7m2pq"));
        reply.set_encrypted_password_reset_authcode_len(256);
        QCOMPARE(handler.decryptReply(reply), AUTH_CODE_SUCCESS);
        QCOMPARE(handler.getDecryptedPasswordResetAuthcode(), std::string("k7m2pq"));
    }

    void verifyUserNameReset()
    {
        VerifyUserNameResetClientPkiHandler handler;
        handler.setUserEmailAddress("jane@example.org");
        qorv::data::VerifyUserNameResetRequest request;
        QCOMPARE(handler.encryptRequest(request), AUTH_CODE_SUCCESS);
        QCOMPARE(openedByServer(request.encrypted_user_email_address()), std::string("jane@example.org"));
        QCOMPARE(request.encrypted_user_email_address_len(), 256);

        qorv::data::VerifyUserNameResetReply reply;
        reply.set_encrypted_user_name_reset_authcode(fixture::Encrypt(m_clientPublicKey.get(), "x9y8z7"));
        reply.set_encrypted_user_name_reset_authcode_len(256);
        QCOMPARE(handler.decryptReply(reply), AUTH_CODE_SUCCESS);
        QCOMPARE(handler.getDecryptedUserNameResetAuthcode(), std::string("x9y8z7"));
    }

    void verifyReplyWithoutUsableCode_data()
    {
        QTest::addColumn<bool>("withBytes");
        QTest::addColumn<bool>("withLength");
        QTest::addColumn<int>("length");
        QTest::newRow("no code") << false << false << 0;
        QTest::newRow("length without bytes") << false << true << 256;
        QTest::newRow("bytes without length") << true << false << 0;
        QTest::newRow("length beyond bytes") << true << true << 512;
        QTest::newRow("negative length") << true << true << -256;
    }

    void verifyReplyWithoutUsableCode()
    {
        QFETCH(bool, withBytes);
        QFETCH(bool, withLength);
        QFETCH(int, length);
        qorv::data::VerifyPasswordResetReply reply;
        if (withBytes)
            reply.set_encrypted_password_reset_authcode(fixture::Encrypt(m_clientPublicKey.get(), "k7m2pq"));
        if (withLength)
            reply.set_encrypted_password_reset_authcode_len(length);
        VerifyPasswordResetClientPkiHandler handler;
        QCOMPARE(handler.decryptReply(reply), AUTH_CODE_DECRYPT_FAILED);
    }

    void resetPassword()
    {
        const std::string form = crypto::EncodePassword(crypto::HashPassword(std::string("new secret")));
        ResetPasswordClientPkiHandler handler;
        handler.setUserEmailAddress("old@example.org");
        handler.setUserEmailAddress("jane@example.org");
        handler.setPasswordResetAuthcode("k7m2pq");
        handler.setUserPassword(form);
        qorv::data::ResetPasswordRequest request;

        QCOMPARE(handler.encryptRequest(request), AUTH_CODE_SUCCESS);

        QCOMPARE(openedByServer(request.encrypted_user_email_address()), std::string("jane@example.org"));
        QCOMPARE(openedByServer(request.encrypted_password_reset_authcode()), std::string("k7m2pq"));
        QCOMPARE(openedByServer(request.encrypted_user_password()), form);
        QCOMPARE(request.encrypted_user_email_address_len(), 256);
        QCOMPARE(request.encrypted_password_reset_authcode_len(), 256);
        QCOMPARE(request.encrypted_user_password_len(), 256);
    }

    void resetUserName()
    {
        ResetUserNameClientPkiHandler handler;
        handler.setUserEmailAddress("jane@example.org");
        handler.setUserNameResetAuthcode("x9y8z7");
        handler.setUserName(crypto::HashUserName("janed"));
        qorv::data::ResetUserNameRequest request;

        QCOMPARE(handler.encryptRequest(request), AUTH_CODE_SUCCESS);

        QCOMPARE(openedByServer(request.encrypted_user_email_address()), std::string("jane@example.org"));
        QCOMPARE(openedByServer(request.encrypted_user_name_reset_authcode()), std::string("x9y8z7"));
        QCOMPARE(openedByServer(request.encrypted_user_name()), crypto::HashUserName("janed"));
        QCOMPARE(request.encrypted_user_name_len(), 256);
    }

    void resetAcceptsEmptyTexts()
    {
        ResetUserNameClientPkiHandler handler;
        qorv::data::ResetUserNameRequest request;
        QCOMPARE(handler.encryptRequest(request), AUTH_CODE_SUCCESS);
        QCOMPARE(request.encrypted_user_email_address().size(), std::size_t(256));
        QCOMPARE(request.encrypted_user_name_reset_authcode_len(), 256);
        QCOMPARE(openedByServer(request.encrypted_user_name()), std::string());
    }

    void failedResetLeavesRequestEmpty_data()
    {
        QTest::addColumn<int>("failingField");
        QTest::newRow("address") << 0;
        QTest::newRow("code") << 1;
        QTest::newRow("password") << 2;
    }

    void failedResetLeavesRequestEmpty()
    {
        QFETCH(int, failingField);
        const std::string tooLong(246, 'x');
        ResetPasswordClientPkiHandler handler;
        handler.setUserEmailAddress(failingField == 0 ? tooLong : "jane@example.org");
        handler.setPasswordResetAuthcode(failingField == 1 ? tooLong : "k7m2pq");
        handler.setUserPassword(failingField == 2 ? tooLong : std::string(64, 'F'));
        qorv::data::ResetPasswordRequest request;

        QCOMPARE(handler.encryptRequest(request), AUTH_CODE_ENCRYPT_FAILED);

        QVERIFY(!request.has_encrypted_user_email_address() && !request.has_encrypted_user_email_address_len());
        QVERIFY(!request.has_encrypted_password_reset_authcode()
                && !request.has_encrypted_password_reset_authcode_len());
        QVERIFY(!request.has_encrypted_user_password() && !request.has_encrypted_user_password_len());
    }

    void logOnCompletionInstallsSession()
    {
        Plaintexts plaintexts = LogOnPlaintexts();
        plaintexts["encryption_key"] = "\\x00112233445566778899aabbccddeeff";
        const std::string payload = LogOnReply(m_clientPublicKey.get(), plaintexts).SerializeAsString();
        LogOnCompletion completion;

        QVERIFY(completion.complete(payload));

        const std::vector<unsigned char> expected{0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                                                  0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
        QCOMPARE(SessionKey(), expected);
        QCOMPARE(completion.getSessionId(), 4711);
        QCOMPARE(completion.getSessionCreationDate(), std::string("2024-03-01 10:00:00.123456"));
        QCOMPARE(RegistrySingleton::instance()->getUser().user_id(), 42);
        QCOMPARE(RegistrySingleton::instance()->getUserPassword(), std::string(64, 'D'));
    }

    void logOnCompletionRefusals_data()
    {
        QTest::addColumn<QByteArray>("flagCleared");
        QTest::addColumn<QByteArray>("keyText");
        QTest::addColumn<bool>("garbled");
        QTest::newRow("user name not found") << QByteArray("user_name_found") << QByteArray() << false;
        QTest::newRow("password not accepted") << QByteArray("user_password_decoded") << QByteArray() << false;
        QTest::newRow("no session") << QByteArray("user_session_inserted") << QByteArray() << false;
        QTest::newRow("short key text") << QByteArray() << QByteArray("\\x00112233445566778899AABBCCDDEEF") << false;
        QTest::newRow("long key text") << QByteArray() << QByteArray("\\x00112233445566778899AABBCCDDEEFF0") << false;
        QTest::newRow("not a log-on reply") << QByteArray() << QByteArray() << true;
    }

    void logOnCompletionRefusals()
    {
        QFETCH(QByteArray, flagCleared);
        QFETCH(QByteArray, keyText);
        QFETCH(bool, garbled);
        Plaintexts plaintexts = LogOnPlaintexts();
        if (!keyText.isEmpty())
            plaintexts["encryption_key"] = keyText.toStdString();
        qorv::data::AuthenticateUserReply reply = LogOnReply(m_clientPublicKey.get(), plaintexts);
        if (!flagCleared.isEmpty())
            reply.GetReflection()->SetBool(&reply, reply.GetDescriptor()->FindFieldByName(flagCleared.toStdString()),
                                           false);
        const std::string payload = garbled ? std::string("\xFF\xFF\xFF", 3) : reply.SerializeAsString();
        LogOnCompletion completion;

        QVERIFY(!completion.complete(payload));

        QVERIFY(CryptographerSingleton::instance()->isClear());
        QCOMPARE(RegistrySingleton::instance()->getUser().ByteSizeLong(), std::size_t(0));
    }

    // A key text or session id from the server that cannot be read is a
    // refused completion, never an exception, and installs nothing.
    void unreadableNumbersChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QByteArray>("plaintext");
        QTest::newRow("session id not a number") << QByteArray("session_id") << QByteArray("session");
        QTest::newRow("session id beyond 32 bits") << QByteArray("session_id") << QByteArray("4294967296");
        QTest::newRow("session id blank") << QByteArray("session_id") << QByteArray("  ");
        QTest::newRow("key digit not hex")
            << QByteArray("encryption_key") << QByteArray("\\x00112233445566778899AABBCCDDEEFG");
        QTest::newRow("key with a blank")
            << QByteArray("encryption_key") << QByteArray("\\x00112233445566778899AABBCCDDEE F");
        QTest::newRow("user field not a number") << QByteArray("user_group_id") << QByteArray("seven");
        QTest::newRow("session id beyond int") << QByteArray("session_id") << QByteArray("2147483648");
        QTest::newRow("user folder id not a number") << QByteArray("user_folder_id") << QByteArray("home");
    }

    void unreadableNumbersChangeNothing()
    {
        QFETCH(QByteArray, field);
        QFETCH(QByteArray, plaintext);
        Plaintexts plaintexts = LogOnPlaintexts();
        plaintexts[field.toStdString()] = plaintext.toStdString();
        const std::string payload = LogOnReply(m_clientPublicKey.get(), plaintexts).SerializeAsString();
        LogOnCompletion completion;

        // Refused like any other reply that cannot be used, not thrown out of
        // the log-on.
        QVERIFY(!completion.complete(payload));

        QVERIFY(CryptographerSingleton::instance()->isClear());
        QCOMPARE(RegistrySingleton::instance()->getUser().ByteSizeLong(), std::size_t(0));
    }

    // The key is written through the Cryptographer: a lock that cannot be
    // taken leaves the session as it was.
    void logOnCompletionWithoutTheLockInstallsNothing()
    {
        const std::string payload = LogOnReply(m_clientPublicKey.get(), LogOnPlaintexts()).SerializeAsString();
        LogOnCompletion completion;
        bool completed = true;
        {
            const testsupport::ScopedCryptographerLockFailure lockFailure;
            completed = completion.complete(payload);
        }

        QVERIFY(!completed);
        QVERIFY(CryptographerSingleton::instance()->isClear());
        QCOMPARE(RegistrySingleton::instance()->getUser().ByteSizeLong(), std::size_t(0));
    }
};

QTEST_GUILESS_MAIN(TestHandshakes)
#include "tst_handshakes.moc"
