#include "readint32.h"

#include <QtTest>

#include <optional>

Q_DECLARE_METATYPE(std::optional<std::int32_t>)

// Decimal texts from the server are read as the standard conversion reads
// them, and a text that holds no 32-bit number is no value, never an
// exception.
class TestReadInt32 : public QObject
{
    Q_OBJECT

private slots:
    void reads_data()
    {
        using Number = std::optional<std::int32_t>;
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Number>("number");
        QTest::newRow("digits") << QByteArray("4711") << Number(4711);
        QTest::newRow("leading white space") << QByteArray(" \t\n42") << Number(42);
        QTest::newRow("what follows is ignored") << QByteArray("42abc 7") << Number(42);
        QTest::newRow("minus") << QByteArray("-17") << Number(-17);
        QTest::newRow("plus") << QByteArray("+17") << Number(17);
        QTest::newRow("leading zeros") << QByteArray("007") << Number(7);
        QTest::newRow("largest") << QByteArray("2147483647") << Number(2147483647);
        QTest::newRow("smallest") << QByteArray("-2147483648") << Number(-2147483647 - 1);
        QTest::newRow("hexadecimal prefix reads its zero") << QByteArray("0x1F") << Number(0);
        QTest::newRow("empty") << QByteArray() << Number();
        QTest::newRow("white space only") << QByteArray("   ") << Number();
        QTest::newRow("letters") << QByteArray("abc") << Number();
        QTest::newRow("letters before digits") << QByteArray("a1") << Number();
        QTest::newRow("sign only") << QByteArray("-") << Number();
        QTest::newRow("two signs") << QByteArray("+-5") << Number();
        QTest::newRow("blank after sign") << QByteArray("- 5") << Number();
        QTest::newRow("one beyond largest") << QByteArray("2147483648") << Number();
        QTest::newRow("one below smallest") << QByteArray("-2147483649") << Number();
        QTest::newRow("far beyond") << QByteArray("99999999999999999999999") << Number();
        QTest::newRow("zero byte first") << QByteArray("\0"
                                                       "5",
                                                       2)
                                         << Number();
    }

    void reads()
    {
        QFETCH(QByteArray, text);
        QFETCH(std::optional<std::int32_t>, number);
        std::optional<std::int32_t> read;
        try {
            read = utils::ReadInt32(text.toStdString());
        } catch (const std::exception &error) {
            QFAIL(error.what());
        }
        QCOMPARE(read, number);
    }
};

QTEST_GUILESS_MAIN(TestReadInt32)
#include "tst_readint32.moc"
