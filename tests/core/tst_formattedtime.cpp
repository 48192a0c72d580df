#include "acelogcapture.h"
#include "formattedtime.h"

#include <QRegularExpression>
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
        // Hours past a day move the placeholder date, which never shows.
        QTest::newRow("a day and an hour") << QByteArray("25:00:00") << QByteArray("01:00 AM") << false;
        QTest::newRow("an hour before the day") << QByteArray("-01:00:00") << QByteArray("11:00 PM") << false;
        QTest::newRow("last hour of the calendar") << QByteArray("70117775:59:59") << QByteArray("11:59 PM") << false;
        QTest::newRow("first hour of the calendar") << QByteArray("-5268264:00:00") << QByteArray("12:00 AM") << false;
        // Not a time of day: reported, and nothing is shown.
        QTest::newRow("empty") << QByteArray() << QByteArray() << true;
        QTest::newRow("words") << QByteArray("eight") << QByteArray() << true;
        // Read as a duration, but past the calendar's years 1400 to 9999.
        QTest::newRow("hours only, past 9999") << QByteArray("70200000") << QByteArray() << true;
        QTest::newRow("negative hours only") << QByteArray("-99999999") << QByteArray() << true;
        QTest::newRow("huge hours") << QByteArray("99999999:00:00") << QByteArray() << true;
        QTest::newRow("huge negative hours") << QByteArray("-99999999:00:00") << QByteArray() << true;
        QTest::newRow("first hour past the calendar") << QByteArray("70117776:00:00") << QByteArray() << true;
        QTest::newRow("last hour before the calendar") << QByteArray("-5268264:00:01") << QByteArray() << true;
        QTest::newRow("largest int of hours") << QByteArray("2147483647:59:59") << QByteArray() << true;
        QTest::newRow("smallest int of hours") << QByteArray("-2147483647:59:59") << QByteArray() << true;
        // Minutes and seconds of five digits or more are refused before the
        // date library reads them (it overflows inside on them); four still
        // read and carry over.
        QTest::newRow("four-digit minutes") << QByteArray("00:0075:00") << QByteArray("01:15 AM") << false;
        QTest::newRow("five-digit minutes") << QByteArray("00:00000:00") << QByteArray() << true;
        QTest::newRow("five-digit seconds") << QByteArray("12:00:10000") << QByteArray() << true;
        QTest::newRow("five-digit seconds after a sign") << QByteArray("-1:2:99999.5") << QByteArray() << true;
        QTest::newRow("more hours than an int") << QByteArray("2147483648:00:00") << QByteArray() << true;
        QTest::newRow("non-digits in long minutes") << QByteArray("10:1)11111111111:00") << QByteArray() << true;
    }

    void format()
    {
        QFETCH(QByteArray, time);
        QFETCH(QByteArray, shown);
        QFETCH(bool, reported);

        // A bad time from the server is reported once as a warning, and is no
        // broken assertion of ours.
        testsupport::AceLogCapture log;
        if (reported)
            QTest::ignoreMessage(QtWarningMsg, "GetFormattedTime: unreadable time of day!");
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        QCOMPARE(QByteArray::fromStdString(GetFormattedTime(time.toStdString())), shown);
        QCOMPARE(log.count(QStringLiteral("assertion failed")), 0);
    }
};

QTEST_GUILESS_MAIN(TestFormattedTime)
#include "tst_formattedtime.moc"
