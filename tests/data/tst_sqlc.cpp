#include "common/sqlc.h"

#include <QtTest>

class TestSqlc : public QObject
{
    Q_OBJECT

private slots:
    void pack_data()
    {
        QTest::addColumn<QByteArray>("sqlState");
        QTest::addColumn<int>("packed");
        QTest::newRow("success") << QByteArray("00000") << 0;
        QTest::newRow("unique violation") << QByteArray("23505") << 83906754;
        QTest::newRow("foreign key violation") << QByteArray("23503") << 50352322;
        // Capital letters pack as 17 to 42: 'H' is 24, 'V' is 38.
        QTest::newRow("letters") << QByteArray("HV000") << (24 | (38 << 6));
        QTest::newRow("empty") << QByteArray() << 0;
        // Anything below '0' or past 'o' wraps into the six bits.
        QTest::newRow("lower-case letter") << QByteArray("a0000") << 49;
        QTest::newRow("blank") << QByteArray(" 0000") << 48;
        QTest::newRow("last character in bits 24 to 29") << QByteArray("0000o") << (63 << 24);
        // Only five characters fit: a longer text must not spill into the sign bit.
        QTest::newRow("sixth character ignored") << QByteArray("235059") << 83906754;
    }

    void pack()
    {
        QFETCH(QByteArray, sqlState);
        QFETCH(int, packed);
        QCOMPARE(common::PackSqlState(std::string_view(sqlState.constData(), sqlState.size())), packed);
    }

    void constantsMatchTheirTexts()
    {
        QCOMPARE(common::PackSqlState("23505"), common::SqlcUniqueViolation);
        QCOMPARE(common::PackSqlState("23503"), common::SqlcForeignKeyViolation);
        QCOMPARE(common::PackSqlState("00000"), common::SqlcSuccess);
    }
};

QTEST_GUILESS_MAIN(TestSqlc)
#include "tst_sqlc.moc"
