#include "crypto.h"
#include "cryptolengtherror.h"

#include <openssl/evp.h>

#include <QtTest>

#include <algorithm>
#include <array>
#include <tuple>
#include <vector>

namespace
{
using Bytes = std::vector<unsigned char>;

Bytes FromHex(const char *hex)
{
    const QByteArray bytes = QByteArray::fromHex(hex);
    return Bytes(bytes.begin(), bytes.end());
}

QByteArray Hex(const unsigned char *data, std::size_t length)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<int>(length)).toHex().toUpper();
}

Bytes Pattern(std::size_t length)
{
    Bytes bytes(length);
    for (std::size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<unsigned char>(i * 7 + 3);
    return bytes;
}

std::string Repeat(char c, std::size_t count)
{
    return std::string(count, c);
}

bool IsUpperHex(const std::string &text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); });
}

// AES-128-GCM through a context of its own, as a reference that shares
// nothing with the code under test.
Bytes FreshSeal(const Bytes &plaintext, const Bytes &key, const Bytes &iv, Bytes &tag)
{
    EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
    Bytes ciphertext(plaintext.size() + 16);
    int length = 0;
    int finalLength = 0;
    tag.assign(16, 0);
    EVP_EncryptInit_ex(ctx, EVP_aes_128_gcm(), nullptr, key.data(), iv.data());
    EVP_EncryptUpdate(ctx, ciphertext.data(), &length, plaintext.data(), static_cast<int>(plaintext.size()));
    EVP_EncryptFinal_ex(ctx, ciphertext.data() + length, &finalLength);
    EVP_CIPHER_CTX_ctrl(ctx, EVP_CTRL_GCM_GET_TAG, 16, tag.data());
    EVP_CIPHER_CTX_free(ctx);
    ciphertext.resize(static_cast<std::size_t>(length + finalLength));
    return ciphertext;
}

// The contract values shared with the server.
const std::string UserNamePepper = "5E1A93C407B2DF68C94E21A53F8D6B70";
const std::string PasswordPepper = "A4F02B7D96C3158E2D7BE049F1586CA3";
}

class TestCrypto : public QObject
{
    Q_OBJECT

private slots:
    void gcmKnownAnswer_data()
    {
        QTest::addColumn<QByteArray>("plaintext");
        QTest::addColumn<QByteArray>("ciphertext");
        QTest::addColumn<QByteArray>("tag");
        // Zero key and zero nonce: the reference cases of the GCM definition.
        QTest::newRow("empty") << QByteArray() << QByteArray() << QByteArray("58E2FCCEFA7E3061367F1D57A4E7455A");
        QTest::newRow("one block") << QByteArray("00000000000000000000000000000000")
                                   << QByteArray("0388DACE60B6A392F328C2B971B2FE78")
                                   << QByteArray("AB6E47D42CEC13BDF53A67B21257BDDF");
    }

    void gcmKnownAnswer()
    {
        QFETCH(QByteArray, plaintext);
        QFETCH(QByteArray, ciphertext);
        QFETCH(QByteArray, tag);
        const Bytes input = FromHex(plaintext.constData());
        const std::array<unsigned char, 16> key{};
        // Only the first 12 bytes of the IV buffer are the nonce.
        std::array<unsigned char, 16> iv{};
        iv[12] = 0xAA;
        iv[15] = 0x55;
        Bytes output(input.size() + 1);
        std::array<unsigned char, 16> computedTag{};

        const int written =
            crypto::AesGcmEncrypt(input.data(), output.data(), input.size(), key.data(), iv.data(), computedTag.data());

        QCOMPARE(written, static_cast<int>(input.size()));
        QCOMPARE(Hex(output.data(), input.size()), ciphertext);
        QCOMPARE(Hex(computedTag.data(), computedTag.size()), tag);
    }

    void gcmCallsShareNoState()
    {
        // Calls alternate between keys, nonces, directions and failures, and
        // each must give exactly what a context of its own gives.
        const Bytes keyA = Pattern(16);
        const Bytes keyB = [] {
            Bytes key = Pattern(16);
            key[3] ^= 0x5A;
            return key;
        }();
        const Bytes ivA = FromHex("CAFEBABEFACEDBADDECAF88800000000");
        const Bytes ivB = FromHex("000102030405060708090A0B0C0D0E0F");
        const Bytes plainA = Pattern(1000);
        const Bytes plainB = Pattern(37);

        for (int round = 0; round < 3; ++round) {
            for (const auto &[key, iv, plain] : {std::tie(keyA, ivA, plainA), std::tie(keyB, ivB, plainB)}) {
                Bytes expectedTag;
                const Bytes expected = FreshSeal(plain, key, iv, expectedTag);
                Bytes sealed(plain.size());
                std::array<unsigned char, 16> tag{};
                QCOMPARE(
                    crypto::AesGcmEncrypt(plain.data(), sealed.data(), plain.size(), key.data(), iv.data(), tag.data()),
                    static_cast<int>(plain.size()));
                QCOMPARE(sealed, expected);
                QCOMPARE(Bytes(tag.begin(), tag.end()), expectedTag);

                // A refused tag, then the right one.
                Bytes opened(plain.size());
                std::array<unsigned char, 16> wrongTag = tag;
                wrongTag[0] ^= 0x01;
                QCOMPARE(crypto::AesGcmDecrypt(sealed.data(), opened.data(), sealed.size(), key.data(), iv.data(),
                                               wrongTag.data()),
                         -1);
                QCOMPARE(crypto::AesGcmDecrypt(sealed.data(), opened.data(), sealed.size(), key.data(), iv.data(),
                                               tag.data()),
                         static_cast<int>(plain.size()));
                QCOMPARE(opened, plain);

                // In place, as the frame seals and opens.
                Bytes inPlace = plain;
                QCOMPARE(crypto::AesGcmEncrypt(inPlace.data(), inPlace.data(), inPlace.size(), key.data(), iv.data(),
                                               tag.data()),
                         static_cast<int>(plain.size()));
                QCOMPARE(inPlace, expected);
                QCOMPARE(crypto::AesGcmDecrypt(inPlace.data(), inPlace.data(), inPlace.size(), key.data(), iv.data(),
                                               tag.data()),
                         static_cast<int>(plain.size()));
                QCOMPARE(inPlace, plain);
            }
            // Forgetting the keys changes no result.
            if (round == 1)
                crypto::AesGcmForgetKeys();
        }
    }

    void gcmRoundTrip_data()
    {
        QTest::addColumn<int>("length");
        QTest::newRow("one byte") << 1;
        QTest::newRow("short block") << 15;
        QTest::newRow("block") << 16;
        QTest::newRow("block and one") << 17;
        QTest::newRow("many blocks") << 4099;
    }

    void gcmRoundTrip()
    {
        QFETCH(int, length);
        const Bytes plaintext = Pattern(static_cast<std::size_t>(length));
        const Bytes key = Pattern(16);
        const Bytes iv = FromHex("000102030405060708090A0B0C0D0E0F");
        Bytes ciphertext(plaintext.size());
        std::array<unsigned char, 16> tag{};
        QCOMPARE(crypto::AesGcmEncrypt(plaintext.data(), ciphertext.data(), plaintext.size(), key.data(), iv.data(),
                                       tag.data()),
                 length);
        QVERIFY(ciphertext != plaintext);

        std::string decrypted(plaintext.size(), '\0');
        QCOMPARE(crypto::AesGcmDecrypt(ciphertext.data(), decrypted.data(), ciphertext.size(), key.data(), iv.data(),
                                       tag.data()),
                 length);
        QVERIFY(
            std::equal(plaintext.begin(), plaintext.end(), reinterpret_cast<const unsigned char *>(decrypted.data())));
    }

    void gcmRefusesTamperedInput_data()
    {
        QTest::addColumn<int>("keyFlip");
        QTest::addColumn<int>("ciphertextFlip");
        QTest::addColumn<int>("tagFlip");
        QTest::addColumn<int>("ivFlip");
        QTest::newRow("wrong key") << 5 << -1 << -1 << -1;
        QTest::newRow("changed first ciphertext byte") << -1 << 0 << -1 << -1;
        QTest::newRow("changed last ciphertext byte") << -1 << 39 << -1 << -1;
        QTest::newRow("changed tag byte") << -1 << -1 << 15 << -1;
        QTest::newRow("changed nonce byte") << -1 << -1 << -1 << 11;
    }

    void gcmRefusesTamperedInput()
    {
        QFETCH(int, keyFlip);
        QFETCH(int, ciphertextFlip);
        QFETCH(int, tagFlip);
        QFETCH(int, ivFlip);
        const Bytes plaintext = Pattern(40);
        Bytes key = Pattern(16);
        Bytes iv = Pattern(16);
        Bytes ciphertext(plaintext.size());
        Bytes tag(16);
        crypto::AesGcmEncrypt(plaintext.data(), ciphertext.data(), plaintext.size(), key.data(), iv.data(), tag.data());

        if (keyFlip >= 0)
            key[keyFlip] ^= 0x01;
        if (ciphertextFlip >= 0)
            ciphertext[ciphertextFlip] ^= 0x80;
        if (tagFlip >= 0)
            tag[tagFlip] ^= 0x01;
        if (ivFlip >= 0)
            iv[ivFlip] ^= 0x01;
        Bytes output(ciphertext.size());
        QCOMPARE(crypto::AesGcmDecrypt(ciphertext.data(), output.data(), ciphertext.size(), key.data(), iv.data(),
                                       tag.data()),
                 -1);
    }

    void gcmEmptyPlaintextStillAuthenticates()
    {
        const Bytes key = Pattern(16);
        const Bytes iv = Pattern(16);
        std::array<unsigned char, 16> tag{};
        unsigned char unused = 0;
        QCOMPARE(crypto::AesGcmEncrypt(&unused, &unused, 0, key.data(), iv.data(), tag.data()), 0);
        QVERIFY(std::any_of(tag.begin(), tag.end(), [](unsigned char b) { return b != 0; }));

        QCOMPARE(crypto::AesGcmDecrypt(&unused, &unused, 0, key.data(), iv.data(), tag.data()), 0);
        tag[0] ^= 0x01;
        QCOMPARE(crypto::AesGcmDecrypt(&unused, &unused, 0, key.data(), iv.data(), tag.data()), -1);
    }

    void hashTextKnownAnswers_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("digest");
        QTest::newRow("empty") << QByteArray("")
                               << QByteArray("E3B0C44298FC1C149AFBF4C8996FB92427AE41E4649B934CA495991B7852B855");
        QTest::newRow("abc") << QByteArray("abc")
                             << QByteArray("BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD");
        QTest::newRow("two blocks") << QByteArray("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")
                                    << QByteArray("248D6A61D20638B8E5C026930C3E6039A33CE45964FF2167F6ECEDD419DB06C1");
    }

    void hashTextKnownAnswers()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, digest);
        const std::string result = crypto::HashText(text.toStdString());
        QCOMPARE(QByteArray::fromStdString(result), digest);
        // Digests are compared as text: a lower-case rendering is another text.
        QVERIFY(result != digest.toLower().toStdString());
    }

    void hashTextPointerFormCountsTerminator()
    {
        const unsigned char text[] = {'a', 'b', 'c', 'X'};
        QCOMPARE(crypto::HashText(text, sizeof(text)), crypto::HashText("abc"));
    }

    void peppersAreAppended()
    {
        QCOMPARE(crypto::HashUserName(""), crypto::HashText(UserNamePepper));
        QCOMPARE(crypto::HashPassword(std::string()), crypto::HashText(PasswordPepper));
        QCOMPARE(crypto::HashUserName("alice"), crypto::HashText("alice" + UserNamePepper));
        QCOMPARE(crypto::HashPassword(std::string("s3cret")), crypto::HashText("s3cret" + PasswordPepper));
        QVERIFY(crypto::HashUserName("alice") != crypto::HashPassword(std::string("alice")));
        QCOMPARE(crypto::HashUserName("alice").size(), std::size_t(64));
        QVERIFY(IsUpperHex(crypto::HashUserName("alice")));
    }

    void pbkdf2KnownAnswer()
    {
        // Reference case of PBKDF2-HMAC-SHA1: "password", "salt", 4096, 20 bytes.
        const unsigned char salt[] = "salt";
        QCOMPARE(crypto::HashPassword("password", 9, salt, 5, 4096, 20),
                 std::string("4B007901B765489ABEAD49D926F721D065A429C1"));
    }

    void hashPasswordUsesSaltText()
    {
        const std::string pass = crypto::HashPassword(std::string("secret"));
        const std::string salt = "00112233445566778899AABBCCDDEEFF";
        std::array<unsigned char, 16> derived{};
        QVERIFY(PKCS5_PBKDF2_HMAC(pass.data(), static_cast<int>(pass.size()),
                                  reinterpret_cast<const unsigned char *>(salt.data()), static_cast<int>(salt.size()),
                                  4096, EVP_sha1(), static_cast<int>(derived.size()), derived.data()));
        QCOMPARE(QByteArray::fromStdString(crypto::HashPassword(pass, salt)), Hex(derived.data(), derived.size()));
    }

    void storedPasswordRoundTrip()
    {
        const std::string pass = crypto::HashPassword(std::string("correct horse"));
        const std::string first = crypto::EncodePassword(pass);
        const std::string second = crypto::EncodePassword(pass);

        QCOMPARE(first.size(), std::size_t(64));
        QVERIFY(IsUpperHex(first));
        QVERIFY(first != second);
        QVERIFY(crypto::DecodePassword(pass, first));
        QVERIFY(crypto::DecodePassword(pass, second));
        QCOMPARE(first.substr(32), crypto::HashPassword(pass, first.substr(0, 32)));
        QVERIFY(!crypto::DecodePassword(crypto::HashPassword(std::string("wrong horse")), first));
    }

    void storedPasswordSaltIsText()
    {
        const std::string pass = crypto::HashPassword(std::string("secret"));
        std::string stored;
        do
            stored = crypto::EncodePassword(pass);
        while (std::none_of(stored.begin(), stored.begin() + 32, [](char c) { return c >= 'A' && c <= 'F'; }));
        std::transform(stored.begin(), stored.begin() + 32, stored.begin(),
                       [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
        QVERIFY(!crypto::DecodePassword(pass, stored));
    }

    void storedPasswordLengths_data()
    {
        QTest::addColumn<int>("passLength");
        QTest::addColumn<int>("storedLength");
        QTest::addColumn<QString>("message");
        QTest::newRow("short pass before short form") << 63 << 10 << "bad pass size";
        QTest::newRow("long pass") << 65 << 64 << "bad pass size";
        QTest::newRow("empty pass") << 0 << 0 << "bad pass size";
        QTest::newRow("short form") << 64 << 63 << "bad key size";
        QTest::newRow("long form") << 64 << 65 << "bad key size";
    }

    void storedPasswordLengths()
    {
        QFETCH(int, passLength);
        QFETCH(int, storedLength);
        QFETCH(QString, message);
        const std::string pass = Repeat('A', static_cast<std::size_t>(passLength));
        const std::string stored = Repeat('B', static_cast<std::size_t>(storedLength));
        try {
            crypto::DecodePassword(pass, stored);
            QFAIL("no exception");
        } catch (const CryptoLengthError &error) {
            QCOMPARE(QString::fromLatin1(error.what()), message);
        }
        if (64 != passLength) {
            try {
                crypto::EncodePassword(pass);
                QFAIL("no exception");
            } catch (const std::length_error &error) {
                QCOMPARE(QString::fromLatin1(error.what()), QStringLiteral("bad pass size"));
            }
        }
    }

    void hashUrlKnownAnswers_data()
    {
        QTest::addColumn<QByteArray>("url");
        QTest::addColumn<QByteArray>("digest");
        QTest::newRow("empty") << QByteArray("") << QByteArray("DA39A3EE5E6B4B0D3255BFEF95601890AFD80709");
        QTest::newRow("abc") << QByteArray("abc") << QByteArray("A9993E364706816ABA3E25717850C26C9CD0D89D");
        QTest::newRow("two blocks") << QByteArray("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")
                                    << QByteArray("84983E441C3BD26EBAAE4AA1F95129E5E54670F1");
        QTest::newRow("lazy dog") << QByteArray("The quick brown fox jumps over the lazy dog")
                                  << QByteArray("2FD4E1C67A2D28FCED849EE1BB76E7391B93EB12");
    }

    void hashUrlKnownAnswers()
    {
        QFETCH(QByteArray, url);
        QFETCH(QByteArray, digest);
        QCOMPARE(QByteArray::fromStdString(crypto::HashUrl(url.toStdString())), digest);
    }

    void hmacKnownAnswer()
    {
        // Reference case of HMAC-SHA1 with the key "Jefe".
        const char text[] = "what do ya want for nothing?";
        const unsigned char key[] = "Jefe";
        QCOMPARE(crypto::HashMessage(reinterpret_cast<const unsigned char *>(text), sizeof(text), key, sizeof(key)),
                 std::string("EFFCDF6AE5EB2FA2D27416D5F184DF9C259A7C79"));
    }

    void hmacUsesBuiltInKey()
    {
        const std::string key(crypto::HMAC_SKEY);
        QCOMPARE(key.size(), std::size_t(32));
        QVERIFY(IsUpperHex(key));
        const std::string text = "message";
        QCOMPARE(crypto::HashMessage(text),
                 crypto::HashMessage(reinterpret_cast<const unsigned char *>(text.c_str()), text.size() + 1,
                                     reinterpret_cast<const unsigned char *>(crypto::HMAC_SKEY), 33));
        QVERIFY(crypto::HashMessage("message") != crypto::HashMessage("massage"));
    }

    void ctrRoundTrip_data()
    {
        QTest::addColumn<int>("length");
        QTest::newRow("empty") << 0;
        QTest::newRow("one byte") << 1;
        QTest::newRow("block") << 16;
        QTest::newRow("partial third block") << 33;
    }

    void ctrRoundTrip()
    {
        QFETCH(int, length);
        const Bytes plaintext = Pattern(static_cast<std::size_t>(length));
        const Bytes key = Pattern(16);
        const Bytes iv = FromHex("0102030405060708FFFFFFFFFFFFFFFF");
        Bytes ciphertext(plaintext.size() + 1);
        Bytes decrypted(plaintext.size() + 1);
        crypto::AesCtrEncrypt(plaintext.data(), ciphertext.data(), plaintext.size(), key.data(), iv.data());
        crypto::AesCtrEncrypt(ciphertext.data(), decrypted.data(), plaintext.size(), key.data(), iv.data());
        QVERIFY(std::equal(plaintext.begin(), plaintext.end(), decrypted.begin()));
        if (length > 0)
            QVERIFY(!std::equal(plaintext.begin(), plaintext.end(), ciphertext.begin()));
    }

    void ctrCounterStartsAfterEightIvBytes()
    {
        const Bytes key = Pattern(16);
        // The last eight IV bytes take no part: the counter's low half starts at zero.
        const Bytes iv = FromHex("0102030405060708A5A5A5A5A5A5A5A5");
        const Bytes zeros(32, 0);
        Bytes keystream(32);
        crypto::AesCtrEncrypt(zeros.data(), keystream.data(), zeros.size(), key.data(), iv.data());

        const Bytes counters = FromHex("0102030405060708000000000000000001020304050607080000000000000001");
        Bytes expected(32);
        std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)> ctx(EVP_CIPHER_CTX_new(), EVP_CIPHER_CTX_free);
        int written = 0;
        QVERIFY(EVP_EncryptInit_ex(ctx.get(), EVP_aes_128_ecb(), nullptr, key.data(), nullptr));
        EVP_CIPHER_CTX_set_padding(ctx.get(), 0);
        QVERIFY(EVP_EncryptUpdate(ctx.get(), expected.data(), &written, counters.data(), 32));
        QCOMPARE(Hex(keystream.data(), 32), Hex(expected.data(), 32));
    }
};

QTEST_GUILESS_MAIN(TestCrypto)
#include "tst_crypto.moc"
