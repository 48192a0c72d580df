#include "dbint.h"

#include <QtTest>

#include <climits>
#include <memory>

class TestDbInt : public QObject
{
    Q_OBJECT

private slots:
    void value_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("null");
        QTest::newRow("zero is null") << 0 << true;
        QTest::newRow("positive") << 5 << false;
        QTest::newRow("negative") << -5 << false;
        QTest::newRow("smallest") << INT_MIN << false;
    }

    void value()
    {
        QFETCH(int, value);
        QFETCH(bool, null);
        const DbInt dbInt(value);
        QCOMPARE(dbInt.null(), null);
        QCOMPARE(static_cast<int>(dbInt), value);
        QVERIFY(dbInt == value);
        QVERIFY(!(dbInt == (value ^ 1)));
    }

    void changedInPlace()
    {
        DbInt value(5);
        int &wrapped = value;
        wrapped += 3;
        QVERIFY(value == 8);
        ++static_cast<int &>(value);
        QVERIFY(value == 9);
    }

    void assignmentAndVoiding()
    {
        DbInt value(1);
        value = 12;
        QVERIFY(value == 12);
        value = DbInt(13);
        QVERIFY(value == 13);
        value.voidCol();
        QVERIFY(value.null());
        QVERIFY(value == 0);
    }

    void addressIsTheObjects()
    {
        DbInt value(3);
        QCOMPARE(&value, std::addressof(value));
    }
};

QTEST_GUILESS_MAIN(TestDbInt)
#include "tst_dbint.moc"
