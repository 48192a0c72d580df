#include "fromhex.h"

#include <QtTest>

#include <optional>

Q_DECLARE_METATYPE(std::optional<std::string>)

// Hexadecimal texts from the server (the session key) are decoded without
// ever throwing: a text that is not whole hexadecimal pairs is no value.
class TestFromHex : public QObject
{
    Q_OBJECT

private slots:
    void decodes_data()
    {
        using Bytes = std::optional<std::string>;
        QTest::addColumn<QByteArray>("hex");
        QTest::addColumn<Bytes>("bytes");
        QTest::newRow("empty") << QByteArray() << Bytes(std::string());
        QTest::newRow("upper case") << QByteArray("00FFA5") << Bytes(std::string("\x00\xFF\xA5", 3));
        QTest::newRow("lower case") << QByteArray("00ffa5") << Bytes(std::string("\x00\xFF\xA5", 3));
        QTest::newRow("mixed case") << QByteArray("aBcD") << Bytes(std::string("\xAB\xCD", 2));
        QTest::newRow("session key") << QByteArray("00112233445566778899AABBCCDDEEFF")
                                     << Bytes(std::string("\x00\x11\x22\x33\x44\x55\x66\x77\x88\x99\xAA\xBB\xCC\xDD"
                                                          "\xEE\xFF",
                                                          16));
        QTest::newRow("odd length") << QByteArray("ABC") << Bytes();
        QTest::newRow("one digit") << QByteArray("A") << Bytes();
        QTest::newRow("not hex") << QByteArray("0G") << Bytes();
        QTest::newRow("not hex at the end") << QByteArray("00112233445566778899AABBCCDDEEFG") << Bytes();
        QTest::newRow("blank") << QByteArray("00 1") << Bytes();
        QTest::newRow("prefix") << QByteArray("0x00") << Bytes();
        QTest::newRow("sign") << QByteArray("-1") << Bytes();
        QTest::newRow("zero byte") << QByteArray("0\0", 2) << Bytes();
        QTest::newRow("high byte") << QByteArray("\xC3\xA9") << Bytes();
    }

    void decodes()
    {
        QFETCH(QByteArray, hex);
        QFETCH(std::optional<std::string>, bytes);
        std::optional<std::string> decoded;
        try {
            decoded = crypto::FromHex(std::string_view(hex.constData(), static_cast<std::size_t>(hex.size())));
        } catch (const std::exception &error) {
            QFAIL(error.what());
        }
        QCOMPARE(decoded, bytes);
    }
};

QTEST_GUILESS_MAIN(TestFromHex)
#include "tst_fromhex.moc"
