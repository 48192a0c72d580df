#include "dbid.h"

#include <QtTest>

#include <climits>
#include <memory>

class TestDbId : public QObject
{
    Q_OBJECT

private slots:
    void constants()
    {
        QCOMPARE(DbId::m_NullId, INT_MIN);
        QCOMPARE(DbId::m_RootId, INT_MIN + 1);
    }

    void value_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("null");
        QTest::newRow("null id") << INT_MIN << true;
        QTest::newRow("root id") << INT_MIN + 1 << false;
        // An absent id field reads as 0, which is an ordinary id.
        QTest::newRow("zero") << 0 << false;
        QTest::newRow("ordinary") << 42 << false;
        QTest::newRow("negative") << -1 << false;
        QTest::newRow("largest") << INT_MAX << false;
    }

    void value()
    {
        QFETCH(int, id);
        QFETCH(bool, null);
        const DbId dbId(id);
        QCOMPARE(dbId.null(), null);
        QCOMPARE(static_cast<int>(dbId), id);
        QVERIFY(dbId == id);
        QVERIFY(!(dbId != id));
        const int other = id ^ 1;
        QVERIFY(dbId != other);
        QVERIFY(!(dbId == other));
    }

    void assignmentAndVoiding()
    {
        DbId id(7);
        id = 9;
        QVERIFY(id == 9);
        const DbId other(11);
        id = other;
        QVERIFY(id == 11);
        id.voidCol();
        QVERIFY(id.null());
        QVERIFY(id == DbId::m_NullId);
    }

    void addressIsTheObjects()
    {
        DbId id(3);
        const DbId constant(4);
        QCOMPARE(&id, std::addressof(id));
        QCOMPARE(&constant, std::addressof(constant));
    }
};

QTEST_GUILESS_MAIN(TestDbId)
#include "tst_dbid.moc"
