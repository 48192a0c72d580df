#include "crypto.h"
#include "cryptographer.h"

#include <QtTest>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>

namespace
{
using Text = std::optional<std::string>;
using TextOperation = std::function<Text(const Cryptographer &)>;

// Every operation that makes or hands out a text, by name.
const std::map<QString, TextOperation> &TextOperations()
{
    static const std::map<QString, TextOperation> operations = {
        {"hashUserName", [](const Cryptographer &c) { return c.hashUserName("alice"); }},
        {"hashPassword", [](const Cryptographer &c) { return c.hashPassword("secret"); }},
        {"hashMessage", [](const Cryptographer &c) { return c.hashMessage("message"); }},
        {"createPassword", [](const Cryptographer &c) { return c.createPassword(12); }},
        {"createAuthcode", [](const Cryptographer &c) { return c.createAuthcode(); }},
        {"getPasswordResetAuthcode", [](const Cryptographer &c) { return c.getPasswordResetAuthcode("alice"); }},
        {"getUserNameResetAuthcode", [](const Cryptographer &c) { return c.getUserNameResetAuthcode("alice"); }},
        {"getUserEmailAddressResetAuthcode",
         [](const Cryptographer &c) { return c.getUserEmailAddressResetAuthcode("alice"); }},
        {"getMultiFactorAuthenticationAuthcode",
         [](const Cryptographer &c) { return c.getMultiFactorAuthenticationAuthcode(7); }},
    };
    return operations;
}

void StoreOneCodeEach(Cryptographer &cryptographer)
{
    QVERIFY(cryptographer.setPasswordResetAuthcode("alice", "abc123"));
    QVERIFY(cryptographer.setUserNameResetAuthcode("alice", "def456"));
    QVERIFY(cryptographer.setUserEmailAddressResetAuthcode("alice", "ghj789"));
    QVERIFY(cryptographer.setMultiFactorAuthenticationAuthcode(7, "kmn234"));
}
}

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

        QVERIFY(cryptographer.clear());

        QVERIFY(cryptographer.isClear());
        QCOMPARE(cryptographer.getEkey(), key);
        QVERIFY(std::all_of(key, key + crypto::AES_EKEY_BLOCK_SIZE, [](unsigned char b) { return b == 0; }));
        QCOMPARE(cryptographer.getPasswordResetAuthcode("alice@example.org"), Text());
        QCOMPARE(cryptographer.getUserNameResetAuthcode("alice@example.org"), Text());
        QCOMPARE(cryptographer.getUserEmailAddressResetAuthcode("alice@example.org"), Text("ghj789"));
        QCOMPARE(cryptographer.getMultiFactorAuthenticationAuthcode(7), Text("kmn234"));
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
        QCOMPARE(cryptographer.getPasswordResetAuthcode("alice@example.org"), Text("abc123"));
        QVERIFY(cryptographer.delPasswordResetAuthcode("ALICE@EXAMPLE.ORG"));
        QVERIFY(!cryptographer.delPasswordResetAuthcode("alice@example.org"));
        QCOMPARE(cryptographer.getPasswordResetAuthcode("alice@example.org"), Text());
    }

    void secondSetReplacesCode()
    {
        Cryptographer cryptographer;
        QVERIFY(cryptographer.setUserNameResetAuthcode("bob", "first"));
        QVERIFY(cryptographer.setUserNameResetAuthcode("BOB", "second"));
        QCOMPARE(cryptographer.getUserNameResetAuthcode("Bob"), Text("second"));
        QVERIFY(cryptographer.delUserNameResetAuthcode("bob"));
        QVERIFY(!cryptographer.delUserNameResetAuthcode("bob"));
    }

    void multiFactorCodesByNumber()
    {
        Cryptographer cryptographer;
        QVERIFY(cryptographer.setMultiFactorAuthenticationAuthcode(-3, "one"));
        QVERIFY(cryptographer.setMultiFactorAuthenticationAuthcode(-3, "two"));
        QCOMPARE(cryptographer.getMultiFactorAuthenticationAuthcode(-3), Text("two"));
        QCOMPARE(cryptographer.getMultiFactorAuthenticationAuthcode(3), Text());
        QVERIFY(cryptographer.delMultiFactorAuthenticationAuthcode(-3));
        QVERIFY(!cryptographer.delMultiFactorAuthenticationAuthcode(-3));
    }

    void emptyKeysAndCodesAreRefused()
    {
        Cryptographer cryptographer;
        QVERIFY(!cryptographer.setPasswordResetAuthcode("", "code"));
        QVERIFY(!cryptographer.setPasswordResetAuthcode("key", ""));
        QVERIFY(!cryptographer.setMultiFactorAuthenticationAuthcode(1, ""));
        QCOMPARE(cryptographer.getPasswordResetAuthcode(""), Text());
        QVERIFY(!cryptographer.delPasswordResetAuthcode(""));
        QCOMPARE(cryptographer.createPassword(0), Text());
        QVERIFY(cryptographer.isClear());
    }

    void authcodesUseTheReadableAlphabet()
    {
        const Cryptographer cryptographer;
        const std::string alphabet = "abcdefghjkmnpqrstuvwxyz23456789";
        for (int i = 0; i < 200; ++i) {
            const std::string code = cryptographer.createAuthcode().value();
            QCOMPARE(code.size(), std::size_t(6));
            QVERIFY2(code.find_first_not_of(alphabet) == std::string::npos, code.c_str());
        }
        QCOMPARE(cryptographer.createPassword(40).value().size(), std::size_t(40));
    }

    void hashesDelegateToCrypto()
    {
        const Cryptographer cryptographer;
        const std::string userName = cryptographer.hashUserName("alice").value();
        const std::string password = cryptographer.hashPassword("alice").value();
        QCOMPARE(userName, crypto::HashUserName("alice"));
        QCOMPARE(password, crypto::HashPassword(std::string("alice")));
        QCOMPARE(userName.size(), std::size_t(64));
        QVERIFY(userName != password);
        QCOMPARE(cryptographer.hashMessage("alice"), Text(crypto::HashMessage("alice")));
    }

    void storedPasswordForms()
    {
        const Cryptographer cryptographer;
        const std::string pass = cryptographer.hashPassword("passcode").value();
        const std::string first = cryptographer.encodePassword(pass);
        const std::string second = cryptographer.encodePassword(pass);
        QVERIFY(first != second);
        QVERIFY(cryptographer.decodePassword(pass, first));
        QVERIFY(cryptographer.decodePassword(pass, second));
        QVERIFY(!cryptographer.decodePassword(cryptographer.hashPassword("Passcode").value(), first));
        QVERIFY_THROWS_EXCEPTION(std::length_error, cryptographer.encodePassword("short"));
    }

    // A lock that cannot be taken must never pass for an empty text, which a
    // caller could hash and send in place of a password or a code.
    void failedLockGivesNoText_data()
    {
        QTest::addColumn<QString>("operation");
        for (const auto &operation : TextOperations())
            QTest::newRow(operation.first.toLatin1().constData()) << operation.first;
    }

    void failedLockGivesNoText()
    {
        QFETCH(QString, operation);
        Cryptographer cryptographer;
        StoreOneCodeEach(cryptographer);
        const TextOperation &run = TextOperations().at(operation);

        cryptographer.setLockFailureForTesting(true);
        QCOMPARE(run(cryptographer), Text());

        cryptographer.setLockFailureForTesting(false);
        const Text text = run(cryptographer);
        QVERIFY(text.has_value());
        QVERIFY(!text->empty());
    }

    void failedLockChangesNothing()
    {
        Cryptographer cryptographer;
        unsigned char *key = cryptographer.getEkey();
        std::fill(key, key + crypto::AES_EKEY_BLOCK_SIZE, 0x5A);
        StoreOneCodeEach(cryptographer);

        cryptographer.setLockFailureForTesting(true);
        QVERIFY(!cryptographer.getEkey());
        QVERIFY(!cryptographer.isClear());
        QVERIFY(!cryptographer.clear());
        QVERIFY(!cryptographer.setPasswordResetAuthcode("bob", "new"));
        QVERIFY(!cryptographer.delUserNameResetAuthcode("alice"));
        QVERIFY(!cryptographer.setMultiFactorAuthenticationAuthcode(8, "new"));
        QVERIFY(!cryptographer.delMultiFactorAuthenticationAuthcode(7));

        cryptographer.setLockFailureForTesting(false);
        QVERIFY(std::all_of(key, key + crypto::AES_EKEY_BLOCK_SIZE, [](unsigned char b) { return b == 0x5A; }));
        QCOMPARE(cryptographer.getPasswordResetAuthcode("bob"), Text());
        QCOMPARE(cryptographer.getUserNameResetAuthcode("alice"), Text("def456"));
        QCOMPARE(cryptographer.getMultiFactorAuthenticationAuthcode(8), Text());
        QCOMPARE(cryptographer.getMultiFactorAuthenticationAuthcode(7), Text("kmn234"));
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
