#include "acelogcapture.h"
#include "formattedtime.h"

#include <QtTest>

#include <locale>

class TestFormattedTime : public QObject
{
    Q_OBJECT

private slots:
    void format_data()
    {
        QTest::addColumn<QByteArray>("time");
        QTest::addColumn<QByteArray>("shown");
        QTest::addColumn<bool>("reported");

        QTest::newRow("morning") << QByteArray("08:00:00") << QByteArray("08:00 AM") << false;
        QTest::newRow("afternoon") << QByteArray("17:00:00") << QByteArray("05:00 PM") << false;
        QTest::newRow("noon") << QByteArray("12:00:00") << QByteArray("12:00 PM") << false;
        QTest::newRow("midnight") << QByteArray("00:00:00") << QByteArray("12:00 AM") << false;
        QTest::newRow("after midnight") << QByteArray("00:30:00") << QByteArray("12:30 AM") << false;
        QTest::newRow("seconds are not shown") << QByteArray("23:59:59") << QByteArray("11:59 PM") << false;
        QTest::newRow("fraction") << QByteArray("09:15:00.123456") << QByteArray("09:15 AM") << false;
        QTest::newRow("single-digit hour") << QByteArray("9:05:00") << QByteArray("09:05 AM") << false;
        // Not a time of day: reported, and nothing is shown.
        QTest::newRow("empty") << QByteArray() << QByteArray() << true;
        QTest::newRow("words") << QByteArray("eight") << QByteArray() << true;
    }

    void format()
    {
        QFETCH(QByteArray, time);
        QFETCH(QByteArray, shown);
        QFETCH(bool, reported);

        testsupport::AceLogCapture log;
        QCOMPARE(QByteArray::fromStdString(GetFormattedTime(time.toStdString())), shown);
        QCOMPARE(log.count(QStringLiteral("assertion failed for '!dateTime.is_not_a_date_time()'")), reported ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestFormattedTime)
#include "tst_formattedtime.moc"
