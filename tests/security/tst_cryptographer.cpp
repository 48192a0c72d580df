#include "crypto.h"
#include "cryptographer.h"

#include <QtTest>

#include <algorithm>

class TestCryptographer : public QObject
{
    Q_OBJECT

private slots:
    void startsWithZeroKey()
    {
        const Cryptographer cryptographer;
        const unsigned char *key = cryptographer.getEkey();
        QVERIFY(key);
        QVERIFY(std::all_of(key, key + crypto::AES_EKEY_BLOCK_SIZE, [](unsigned char b) { return b == 0; }));
        QVERIFY(cryptographer.isClear());
    }

    void clearLeavesAddressAndOtherTables()
    {
        Cryptographer cryptographer;
        unsigned char *key = cryptographer.getEkey();
        std::fill(key, key + crypto::AES_EKEY_BLOCK_SIZE, 0x5A);
        QVERIFY(cryptographer.setPasswordResetAuthcode("alice@example.org", "abc123"));
        QVERIFY(cryptographer.setUserNameResetAuthcode("alice@example.org", "def456"));
        QVERIFY(cryptographer.setUserEmailAddressResetAuthcode("alice@example.org", "ghj789"));
        QVERIFY(cryptographer.setMultiFactorAuthenticationAuthcode(7, "kmn234"));
        QVERIFY(!cryptographer.isClear());

        cryptographer.clear();

        QVERIFY(cryptographer.isClear());
        QCOMPARE(cryptographer.getEkey(), key);
        QVERIFY(std::all_of(key, key + crypto::AES_EKEY_BLOCK_SIZE, [](unsigned char b) { return b == 0; }));
        QCOMPARE(cryptographer.getPasswordResetAuthcode("alice@example.org"), std::string());
        QCOMPARE(cryptographer.getUserNameResetAuthcode("alice@example.org"), std::string());
        QCOMPARE(cryptographer.getUserEmailAddressResetAuthcode("alice@example.org"), std::string("ghj789"));
        QCOMPARE(cryptographer.getMultiFactorAuthenticationAuthcode(7), std::string("kmn234"));
    }

    void anyKeyByteMakesItNotClear()
    {
        Cryptographer cryptographer;
        cryptographer.getEkey()[15] = 1;
        QVERIFY(!cryptographer.isClear());
    }

    void authcodeKeysIgnoreCase()
    {
        Cryptographer cryptographer;
        QVERIFY(cryptographer.setPasswordResetAuthcode("Alice@Example.ORG", "abc123"));
        QCOMPARE(cryptographer.getPasswordResetAuthcode("alice@example.org"), std::string("abc123"));
        QVERIFY(cryptographer.delPasswordResetAuthcode("ALICE@EXAMPLE.ORG"));
        QVERIFY(!cryptographer.delPasswordResetAuthcode("alice@example.org"));
        QCOMPARE(cryptographer.getPasswordResetAuthcode("alice@example.org"), std::string());
    }

    void secondSetReplacesCode()
    {
        Cryptographer cryptographer;
        QVERIFY(cryptographer.setUserNameResetAuthcode("bob", "first"));
        QVERIFY(cryptographer.setUserNameResetAuthcode("BOB", "second"));
        QCOMPARE(cryptographer.getUserNameResetAuthcode("Bob"), std::string("second"));
        QVERIFY(cryptographer.delUserNameResetAuthcode("bob"));
        QVERIFY(!cryptographer.delUserNameResetAuthcode("bob"));
    }

    void multiFactorCodesByNumber()
    {
        Cryptographer cryptographer;
        QVERIFY(cryptographer.setMultiFactorAuthenticationAuthcode(-3, "one"));
        QVERIFY(cryptographer.setMultiFactorAuthenticationAuthcode(-3, "two"));
        QCOMPARE(cryptographer.getMultiFactorAuthenticationAuthcode(-3), std::string("two"));
        QCOMPARE(cryptographer.getMultiFactorAuthenticationAuthcode(3), std::string());
        QVERIFY(cryptographer.delMultiFactorAuthenticationAuthcode(-3));
        QVERIFY(!cryptographer.delMultiFactorAuthenticationAuthcode(-3));
    }

    void emptyKeysAndCodesAreRefused()
    {
        Cryptographer cryptographer;
        QVERIFY(!cryptographer.setPasswordResetAuthcode("", "code"));
        QVERIFY(!cryptographer.setPasswordResetAuthcode("key", ""));
        QVERIFY(!cryptographer.setMultiFactorAuthenticationAuthcode(1, ""));
        QCOMPARE(cryptographer.getPasswordResetAuthcode(""), std::string());
        QVERIFY(!cryptographer.delPasswordResetAuthcode(""));
        QCOMPARE(cryptographer.createPassword(0), std::string());
        QVERIFY(cryptographer.isClear());
    }

    void authcodesUseTheReadableAlphabet()
    {
        const Cryptographer cryptographer;
        const std::string alphabet = "abcdefghjkmnpqrstuvwxyz23456789";
        for (int i = 0; i < 200; ++i) {
            const std::string code = cryptographer.createAuthcode();
            QCOMPARE(code.size(), std::size_t(6));
            QVERIFY2(code.find_first_not_of(alphabet) == std::string::npos, code.c_str());
        }
        QCOMPARE(cryptographer.createPassword(40).size(), std::size_t(40));
    }

    void hashesDelegateToCrypto()
    {
        const Cryptographer cryptographer;
        const std::string userName = cryptographer.hashUserName("alice");
        const std::string password = cryptographer.hashPassword("alice");
        QCOMPARE(userName, crypto::HashUserName("alice"));
        QCOMPARE(password, crypto::HashPassword(std::string("alice")));
        QCOMPARE(userName.size(), std::size_t(64));
        QVERIFY(userName != password);
        QCOMPARE(cryptographer.hashMessage("alice"), crypto::HashMessage("alice"));
    }

    void storedPasswordForms()
    {
        const Cryptographer cryptographer;
        const std::string pass = cryptographer.hashPassword("passcode");
        const std::string first = cryptographer.encodePassword(pass);
        const std::string second = cryptographer.encodePassword(pass);
        QVERIFY(first != second);
        QVERIFY(cryptographer.decodePassword(pass, first));
        QVERIFY(cryptographer.decodePassword(pass, second));
        QVERIFY(!cryptographer.decodePassword(cryptographer.hashPassword("Passcode"), first));
        QVERIFY_THROWS_EXCEPTION(std::length_error, cryptographer.encodePassword("short"));
    }

    void singletonKeepsOneKeyBuffer()
    {
        Cryptographer *cryptographer = CryptographerSingleton::instance();
        QVERIFY(cryptographer);
        QCOMPARE(CryptographerSingleton::instance(), cryptographer);
        QCOMPARE(cryptographer->getEkey(), CryptographerSingleton::instance()->getEkey());
    }
};

QTEST_GUILESS_MAIN(TestCryptographer)
#include "tst_cryptographer.moc"
