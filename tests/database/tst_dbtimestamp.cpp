#include "acelogcapture.h"
#include "dbtimestamp.h"
#include "testenvironment.h"

#include <boost/date_time/local_time/local_time.hpp>
#include <boost/date_time/posix_time/posix_time.hpp>

#include <QtTest>

#include <locale>

namespace
{
using boost::gregorian::date;
using boost::posix_time::ptime;

// The zone the test runs in (its environment sets TZ): five hours west of UTC
// in winter, four in summer.
const QByteArray MachineZone("EST5EDT,M3.2.0,M11.1.0");

std::string Text(const QByteArray &bytes)
{
    return bytes.toStdString();
}

QByteArray Bytes(const std::string &text)
{
    return QByteArray::fromStdString(text);
}

DbTimestamp::TimeZonePtr Zone(const char *rules)
{
    return DbTimestamp::TimeZonePtr(new boost::local_time::posix_time_zone(rules));
}

// A numeric punctuation that would show in the texts if they were written in
// anything but the classic locale.
class CommaPunctuation : public std::numpunct<char>
{
protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};
}

Q_DECLARE_METATYPE(DbTimestamp::TimeZonePtr)

class TestDbTimestamp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (qgetenv("TZ") != MachineZone)
            testsupport::SetTimeZone(MachineZone);
    }

    void parse_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("warnings");

        QTest::newRow("database form") << QByteArray("2024-03-05 14:07:09") << QByteArray("2024-03-05 14:07:09") << 0;
        QTest::newRow("ISO extended with Z")
            << QByteArray("2024-03-05T14:07:09Z") << QByteArray("2024-03-05 14:07:09") << 0;
        QTest::newRow("ISO basic") << QByteArray("20240305T140709") << QByteArray("2024-03-05 14:07:09") << 0;
        QTest::newRow("quoted") << QByteArray("'2024-03-05 14:07:09'") << QByteArray("2024-03-05 14:07:09") << 0;
        QTest::newRow("bar between date and time")
            << QByteArray("2024-03-05|14:07:09") << QByteArray("2024-03-05 14:07:09") << 0;
        QTest::newRow("dash between date and time")
            << QByteArray("2024-03-05-14:07:09") << QByteArray("2024-03-05 14:07:09") << 0;
        QTest::newRow("lower-case t and z, points in the time")
            << QByteArray("2024-03-05t14.07.09z") << QByteArray("2024-03-05 14:07:09") << 0;
        QTest::newRow("no separators at all") << QByteArray("20240305140709") << QByteArray("2024-03-05 14:07:09") << 0;
        QTest::newRow("date alone is midnight") << QByteArray("2024-03-05") << QByteArray("2024-03-05 00:00:00") << 0;
        QTest::newRow("short fraction is scaled")
            << QByteArray("2024-03-05 14:07:09.5") << QByteArray("2024-03-05 14:07:09.500000") << 0;
        QTest::newRow("long fraction is cut")
            << QByteArray("2024-03-05 14:07:09.1234567891") << QByteArray("2024-03-05 14:07:09.123456") << 0;
        QTest::newRow("fraction is cut, not rounded")
            << QByteArray("2024-03-05 14:07:09.9999999") << QByteArray("2024-03-05 14:07:09.999999") << 0;
        QTest::newRow("zero fraction is not written")
            << QByteArray("2024-03-05 14:07:09.000") << QByteArray("2024-03-05 14:07:09") << 0;
        QTest::newRow("hour 24 is the next day")
            << QByteArray("2024-03-05 24:00:00") << QByteArray("2024-03-06 00:00:00") << 0;
        QTest::newRow("minute 75 carries")
            << QByteArray("2024-03-05 14:75:00") << QByteArray("2024-03-05 15:15:00") << 0;
        QTest::newRow("seconds carry over the year")
            << QByteArray("2024-12-31 23:59:60") << QByteArray("2025-01-01 00:00:00") << 0;
        QTest::newRow("leap day") << QByteArray("2024-02-29") << QByteArray("2024-02-29 00:00:00") << 0;
        QTest::newRow("minimum") << QByteArray("1400-01-01 00:00:00") << QByteArray("1400-01-01 00:00:00") << 0;
        QTest::newRow("maximum") << QByteArray("9999-12-31 00:00:00") << QByteArray("9999-12-31 00:00:00") << 0;
        QTest::newRow("last microsecond")
            << QByteArray("9999-12-31 23:59:59.999999") << QByteArray("9999-12-31 23:59:59.999999") << 0;
        QTest::newRow("quote at the start only") << QByteArray("'2024-03-05") << QByteArray("2024-03-05 00:00:00") << 0;
        QTest::newRow("separator without a time")
            << QByteArray("2024-03-05T") << QByteArray("2024-03-05 00:00:00") << 0;
        QTest::newRow("bar after the seconds")
            << QByteArray("2024-03-05 14:07:09|") << QByteArray("2024-03-05 14:07:09") << 0;
        QTest::newRow("twelve fraction digits")
            << QByteArray("2024-03-05 14:07:09.123456789012") << QByteArray("2024-03-05 14:07:09.123456") << 0;

        // Refused: an impossible calendar date is reported once.
        QTest::newRow("February 30") << QByteArray("2024-02-30 00:00:00") << QByteArray() << 1;
        QTest::newRow("no leap day") << QByteArray("2023-02-29") << QByteArray() << 1;
        QTest::newRow("before the minimum year") << QByteArray("1399-12-31 23:59:59") << QByteArray() << 1;
        QTest::newRow("month 13") << QByteArray("2024-13-01") << QByteArray() << 1;
        QTest::newRow("day 0") << QByteArray("2024-03-00") << QByteArray() << 1;
        // Refused silently: no match, or a time carried past the last year.
        QTest::newRow("carried past 9999") << QByteArray("9999-12-31 24:00:00") << QByteArray() << 0;
        QTest::newRow("five-digit year") << QByteArray("10000-01-01 00:00:00") << QByteArray() << 0;
        QTest::newRow("empty") << QByteArray() << QByteArray() << 0;
        QTest::newRow("zone offset") << QByteArray("2024-03-05 14:07:09+01:00") << QByteArray() << 0;
        QTest::newRow("no seconds") << QByteArray("2024-03-05 14:07") << QByteArray() << 0;
        QTest::newRow("trailing text") << QByteArray("2024-03-05 14:07:09 UTC") << QByteArray() << 0;
        QTest::newRow("leading blank") << QByteArray(" 2024-03-05") << QByteArray() << 0;
        QTest::newRow("thirteen fraction digits")
            << QByteArray("2024-03-05 14:07:09.1234567890123") << QByteArray() << 0;
        QTest::newRow("words") << QByteArray("yesterday") << QByteArray() << 0;
        QTest::newRow("point without a fraction") << QByteArray("2024-03-05 14:07:09.") << QByteArray() << 0;
        QTest::newRow("Z without a time") << QByteArray("2024-03-05Z") << QByteArray() << 0;
        QTest::newRow("two separators") << QByteArray("2024--03-05") << QByteArray() << 0;
        QTest::newRow("three-digit month") << QByteArray("2024-003-05") << QByteArray() << 0;
        QTest::newRow("cut in the time") << QByteArray("2024-03-05 14:0") << QByteArray() << 0;
        QTest::newRow("null character") << QByteArray("2024-03-05\0", 11) << QByteArray() << 0;
    }

    void parse()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, stored);
        QFETCH(int, warnings);

        testsupport::AceLogCapture log;
        const DbTimestamp timestamp(Text(text));
        QCOMPARE(timestamp.isValid(), !stored.isEmpty());
        QCOMPARE(Bytes(timestamp.toDbString()), stored);
        QCOMPARE(log.count(QStringLiteral("PosixTimeDefaultValue: ")), warnings);
        QCOMPARE(log.messages().size(), warnings);
        if (!stored.isEmpty())
            QCOMPARE(Bytes(DbTimestamp(timestamp.toDbString()).toDbString()), stored);
    }

    void refusedDateNamesTheCheck_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("warning");
        QTest::newRow("day") << QByteArray("2024-02-30")
                             << QStringLiteral("PosixTimeDefaultValue: Day of month is not valid for year");
        QTest::newRow("year") << QByteArray("1399-01-01")
                              << QStringLiteral("PosixTimeDefaultValue: Year is out of valid range: 1400..9999");
        QTest::newRow("month") << QByteArray("2024-13-01")
                               << QStringLiteral("PosixTimeDefaultValue: Month number is out of range 1..12");
        QTest::newRow("day 0") << QByteArray("2024-01-00")
                               << QStringLiteral("PosixTimeDefaultValue: Day of month value is out of range 1..31");
    }

    void refusedDateNamesTheCheck()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, warning);
        testsupport::AceLogCapture log;
        QVERIFY(!DbTimestamp(Text(text)).isValid());
        QCOMPARE(log.messages(), QStringList{warning + QLatin1Char('\n')});
    }

    void forms_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("db");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("rfc");
        QTest::addColumn<QByteArray>("isoExtended");
        QTest::addColumn<QByteArray>("iso");
        QTest::addColumn<QByteArray>("simple");

        QTest::newRow("with fraction") << QByteArray("2024-03-05 14:07:09.25")
                                       << QByteArray("2024-03-05 14:07:09.250000")
                                       << QByteArray("2024-03-05 14:07:09.250000") << QByteArray("2024-03-05 14:07:09")
                                       << QByteArray("2024-03-05T14:07:09.250000Z")
                                       << QByteArray("20240305T140709.250000Z")
                                       << QByteArray("2024-Mar-05 14:07:09.250000");
        QTest::newRow("without fraction") << QByteArray("2024-03-05 14:07:09") << QByteArray("2024-03-05 14:07:09")
                                          << QByteArray("2024-03-05 14:07:09") << QByteArray("2024-03-05 14:07:09")
                                          << QByteArray("2024-03-05T14:07:09Z") << QByteArray("20240305T140709Z")
                                          << QByteArray("2024-Mar-05 14:07:09");
        QTest::newRow("minimum") << QByteArray("1400-01-01 00:00:00") << QByteArray("1400-01-01 00:00:00")
                                 << QByteArray("1400-01-01 00:00:00") << QByteArray("1400-01-01 00:00:00")
                                 << QByteArray("1400-01-01T00:00:00Z") << QByteArray("14000101T000000Z")
                                 << QByteArray("1400-Jan-01 00:00:00");
        QTest::newRow("last microsecond")
            << QByteArray("9999-12-31 23:59:59.999999") << QByteArray("9999-12-31 23:59:59.999999")
            << QByteArray("9999-12-31 23:59:59.999999") << QByteArray("9999-12-31 23:59:59")
            << QByteArray("9999-12-31T23:59:59.999999Z") << QByteArray("99991231T235959.999999Z")
            << QByteArray("9999-Dec-31 23:59:59.999999");
        QTest::newRow("not valid") << QByteArray("2024-02-30") << QByteArray() << QByteArray() << QByteArray()
                                   << QByteArray() << QByteArray() << QByteArray();
    }

    void forms()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, db);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, rfc);
        QFETCH(QByteArray, isoExtended);
        QFETCH(QByteArray, iso);
        QFETCH(QByteArray, simple);

        // Whatever the program's locale, the texts are the classic ones.
        const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaPunctuation));
        const DbTimestamp timestamp(Text(text));
        const QByteArray dbForm = Bytes(timestamp.toDbString());
        const QByteArray displayForm = Bytes(timestamp.toDisplayString());
        const QByteArray rfcForm = Bytes(timestamp.toRfcString());
        std::locale::global(previous);

        QCOMPARE(dbForm, db);
        QCOMPARE(displayForm, display);
        QCOMPARE(rfcForm, rfc);
        QCOMPARE(Bytes(timestamp.toIsoExtendedString()), isoExtended);
        QCOMPARE(Bytes(timestamp.toIsoString()), iso);
        QCOMPARE(Bytes(timestamp.toSimpleString()), simple);
    }

    void sentinels_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<bool>("minimum");
        QTest::addColumn<bool>("maximum");
        QTest::addColumn<QByteArray>("shown");

        QTest::newRow("minimum text") << QByteArray::fromStdString(DbTimestamp::m_MinTimestamp) << true << true << false
                                      << QByteArray();
        QTest::newRow("later on the minimum date")
            << QByteArray("1400-01-01 12:00:00") << true << true << false << QByteArray();
        QTest::newRow("day after the minimum")
            << QByteArray("1400-01-02") << true << false << false << QByteArray("1400-01-02 00:00:00");
        QTest::newRow("maximum text") << QByteArray::fromStdString(DbTimestamp::m_MaxTimestamp) << true << false << true
                                      << QByteArray();
        QTest::newRow("end of the maximum date")
            << QByteArray("9999-12-31 23:59:59") << true << false << true << QByteArray();
        QTest::newRow("day before the maximum")
            << QByteArray("9999-12-30 23:59:59") << true << false << false << QByteArray("9999-12-30 23:59:59");
        QTest::newRow("ordinary") << QByteArray("2024-03-05 14:07:09.5") << true << false << false
                                  << QByteArray("2024-03-05 14:07:09");
        QTest::newRow("not valid") << QByteArray("soon") << false << false << false << QByteArray();
    }

    void sentinels()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, valid);
        QFETCH(bool, minimum);
        QFETCH(bool, maximum);
        QFETCH(QByteArray, shown);

        const DbTimestamp timestamp(Text(text));
        QCOMPARE(timestamp.isValid(), valid);
        QCOMPARE(timestamp.isMinTimestamp(), minimum);
        QCOMPARE(timestamp.isMaxTimestamp(), maximum);
        QCOMPARE(Bytes(timestamp.toLocalRfcStringExcMinMax(Zone("UTC+0"))), shown);
    }

    void sentinelTexts()
    {
        QCOMPARE(DbTimestamp::m_MinTimestamp, std::string("1400-01-01 00:00:00"));
        QCOMPARE(DbTimestamp::m_MaxTimestamp, std::string("9999-12-31 00:00:00"));
    }

    void zoneForms_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<DbTimestamp::TimeZonePtr>("zone");
        QTest::addColumn<QByteArray>("db");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("rfc");
        QTest::addColumn<QByteArray>("iso");
        QTest::addColumn<QByteArray>("isoExtended");
        QTest::addColumn<QByteArray>("simple");

        const DbTimestamp::TimeZonePtr newYork = Zone("EST-05EDT,M3.2.0/2,M11.1.0/2");
        const DbTimestamp::TimeZonePtr tokyo = Zone("JST+09");

        QTest::newRow("west, standard time")
            << QByteArray("2024-01-15 12:00:00.5") << newYork << QByteArray("2024-01-15 07:00:00.500000")
            << QByteArray("2024-01-15 07:00:00.500000") << QByteArray("2024-01-15 07:00:00")
            << QByteArray("20240115T070000.500000") << QByteArray("2024-01-15T07:00:00.500000")
            << QByteArray("2024-Jan-15 07:00:00.500000");
        QTest::newRow("west, daylight saving")
            << QByteArray("2024-07-01 12:00:00") << newYork << QByteArray("2024-07-01 08:00:00")
            << QByteArray("2024-07-01 08:00:00") << QByteArray("2024-07-01 08:00:00") << QByteArray("20240701T080000")
            << QByteArray("2024-07-01T08:00:00") << QByteArray("2024-Jul-01 08:00:00");
        QTest::newRow("east, next day") << QByteArray("2024-03-05 20:00:00") << tokyo
                                        << QByteArray("2024-03-06 05:00:00") << QByteArray("2024-03-06 05:00:00")
                                        << QByteArray("2024-03-06 05:00:00") << QByteArray("20240306T050000")
                                        << QByteArray("2024-03-06T05:00:00") << QByteArray("2024-Mar-06 05:00:00");
        QTest::newRow("maximum, west") << QByteArray::fromStdString(DbTimestamp::m_MaxTimestamp) << newYork
                                       << QByteArray("9999-12-30 19:00:00") << QByteArray("9999-12-30 19:00:00")
                                       << QByteArray("9999-12-30 19:00:00") << QByteArray("99991230T190000")
                                       << QByteArray("9999-12-30T19:00:00") << QByteArray("9999-Dec-30 19:00:00");
        QTest::newRow("minimum, east") << QByteArray::fromStdString(DbTimestamp::m_MinTimestamp) << tokyo
                                       << QByteArray("1400-01-01 09:00:00") << QByteArray("1400-01-01 09:00:00")
                                       << QByteArray("1400-01-01 09:00:00") << QByteArray("14000101T090000")
                                       << QByteArray("1400-01-01T09:00:00") << QByteArray("1400-Jan-01 09:00:00");
        // Wall-clock years the date library cannot write: shown as blanks
        // instead of an exception out of a window update.
        QTest::newRow("minimum, west") << QByteArray::fromStdString(DbTimestamp::m_MinTimestamp) << newYork
                                       << QByteArray() << QByteArray() << QByteArray() << QByteArray() << QByteArray()
                                       << QByteArray();
        QTest::newRow("end of the maximum, east")
            << QByteArray("9999-12-31 23:59:59") << tokyo << QByteArray() << QByteArray() << QByteArray()
            << QByteArray() << QByteArray() << QByteArray();
        QTest::newRow("not valid") << QByteArray("never") << tokyo << QByteArray() << QByteArray() << QByteArray()
                                   << QByteArray() << QByteArray() << QByteArray();

        // A null zone is the machine's local time (TZ of this test).
        const DbTimestamp::TimeZonePtr machine;
        QTest::newRow("machine, standard time")
            << QByteArray("2024-01-15 12:00:00.5") << machine << QByteArray("2024-01-15 07:00:00.500000")
            << QByteArray("2024-01-15 07:00:00.500000") << QByteArray("2024-01-15 07:00:00")
            << QByteArray("20240115T070000.500000") << QByteArray("2024-01-15T07:00:00.500000")
            << QByteArray("2024-Jan-15 07:00:00.500000");
        QTest::newRow("machine, daylight saving")
            << QByteArray("2024-07-01 12:00:00") << machine << QByteArray("2024-07-01 08:00:00")
            << QByteArray("2024-07-01 08:00:00") << QByteArray("2024-07-01 08:00:00") << QByteArray("20240701T080000")
            << QByteArray("2024-07-01T08:00:00") << QByteArray("2024-Jul-01 08:00:00");
        QTest::newRow("machine, maximum")
            << QByteArray::fromStdString(DbTimestamp::m_MaxTimestamp) << machine << QByteArray("9999-12-30 19:00:00")
            << QByteArray("9999-12-30 19:00:00") << QByteArray("9999-12-30 19:00:00") << QByteArray("99991230T190000")
            << QByteArray("9999-12-30T19:00:00") << QByteArray("9999-Dec-30 19:00:00");
        QTest::newRow("machine, first second of 1970")
            << QByteArray("1970-01-01 05:00:00") << machine << QByteArray("1970-01-01 00:00:00")
            << QByteArray("1970-01-01 00:00:00") << QByteArray("1970-01-01 00:00:00") << QByteArray("19700101T000000")
            << QByteArray("1970-01-01T00:00:00") << QByteArray("1970-Jan-01 00:00:00");
        // The C library's conversion starts in 1970: earlier times, the
        // restrictive defaults' minimum among them, show as blanks.
        QTest::newRow("machine, before 1970")
            << QByteArray("1969-12-31 23:59:59") << machine << QByteArray() << QByteArray() << QByteArray()
            << QByteArray() << QByteArray() << QByteArray();
        QTest::newRow("machine, minimum")
            << QByteArray::fromStdString(DbTimestamp::m_MinTimestamp) << machine << QByteArray() << QByteArray()
            << QByteArray() << QByteArray() << QByteArray() << QByteArray();
    }

    void zoneForms()
    {
        QFETCH(QByteArray, text);
        QFETCH(DbTimestamp::TimeZonePtr, zone);
        QFETCH(QByteArray, db);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, rfc);
        QFETCH(QByteArray, iso);
        QFETCH(QByteArray, isoExtended);
        QFETCH(QByteArray, simple);

        const DbTimestamp timestamp(Text(text));
        QCOMPARE(Bytes(timestamp.toLocalDbString(zone)), db);
        QCOMPARE(Bytes(timestamp.toLocalDisplayString(zone)), display);
        QCOMPARE(Bytes(timestamp.toLocalRfcString(zone)), rfc);
        QCOMPARE(Bytes(timestamp.toLocalIsoString(zone)), iso);
        QCOMPARE(Bytes(timestamp.toLocalIsoExtendedString(zone)), isoExtended);
        QCOMPARE(Bytes(timestamp.toLocalSimpleString(zone)), simple);
    }

    void localPosixTime_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("local");
        QTest::newRow("winter") << QByteArray("2024-01-15 12:00:00.25") << QByteArray("2024-Jan-15 07:00:00.250000");
        QTest::newRow("summer") << QByteArray("2024-07-01 12:00:00") << QByteArray("2024-Jul-01 08:00:00");
        QTest::newRow("before 1970") << QByteArray("1969-07-20 20:17:40") << QByteArray("not-a-date-time");
    }

    void localPosixTime()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, local);
        QCOMPARE(Bytes(boost::posix_time::to_simple_string(DbTimestamp(Text(text)).toLocalPosixTime())), local);
    }

    void fromPosixTime_data()
    {
        QTest::addColumn<QByteArray>("time");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QByteArray>("db");
        QTest::addColumn<int>("reports");

        QTest::newRow("ordinary") << QByteArray("2024-03-05 14:07:09.000250") << true
                                  << QByteArray("2024-03-05 14:07:09.000250") << 0;
        QTest::newRow("one microsecond before the minimum") << QByteArray("1399-12-31") << false << QByteArray() << 0;
        QTest::newRow("first instant after 9999") << QByteArray("10000") << false << QByteArray() << 0;
        QTest::newRow("not-a-date-time") << QByteArray("nadt") << false << QByteArray() << 1;
    }

    void fromPosixTime()
    {
        QFETCH(QByteArray, time);
        QFETCH(bool, valid);
        QFETCH(QByteArray, db);
        QFETCH(int, reports);

        ptime given(boost::posix_time::not_a_date_time);
        if (time == "1399-12-31")
            given = ptime(date(1400, 1, 1)) - boost::posix_time::microseconds(1);
        else if (time == "10000")
            given = ptime(date(9999, 12, 31), boost::posix_time::hours(24));
        else if (time != "nadt")
            given = boost::posix_time::time_from_string(time.toStdString());

        testsupport::AceLogCapture log;
        const DbTimestamp timestamp(given);
        QCOMPARE(timestamp.isValid(), valid);
        QCOMPARE(Bytes(timestamp.toDbString()), db);
        QCOMPARE(log.count(QStringLiteral("assertion failed")), reports);
        QCOMPARE(timestamp.toPosixTime(), valid ? given : ptime(boost::posix_time::not_a_date_time));
    }

    void zonedDateTime()
    {
        const DbTimestamp::TimeZonePtr berlin = Zone("CET+01CEST,M3.5.0/2,M10.5.0/3");
        const DbTimestamp timestamp(std::string("2024-07-01 12:00:00"));
        const boost::local_time::local_date_time zoned = timestamp.toLocalDateTime(berlin);
        QCOMPARE(zoned.utc_time(), timestamp.toPosixTime());
        QCOMPARE(zoned.local_time(), ptime(date(2024, 7, 1), boost::posix_time::hours(14)));
        QVERIFY(zoned.zone() == berlin);

        testsupport::AceLogCapture log;
        timestamp.toLocalDateTime(DbTimestamp::TimeZonePtr());
        QCOMPARE(log.count(QStringLiteral("assertion failed for 'zone'")), 1);
    }

    void comparison_data()
    {
        QTest::addColumn<QByteArray>("left");
        QTest::addColumn<QByteArray>("right");
        QTest::addColumn<int>("order");

        QTest::newRow("equal") << QByteArray("2024-03-05 14:07:09") << QByteArray("20240305T140709Z") << 0;
        QTest::newRow("one microsecond earlier")
            << QByteArray("2024-03-05 14:07:09") << QByteArray("2024-03-05 14:07:09.000001") << -1;
        QTest::newRow("later year") << QByteArray("2025-01-01") << QByteArray("2024-12-31 23:59:59") << 1;
        QTest::newRow("sentinels") << QByteArray::fromStdString(DbTimestamp::m_MinTimestamp)
                                   << QByteArray::fromStdString(DbTimestamp::m_MaxTimestamp) << -1;
        QTest::newRow("two unreadable texts are equal") << QByteArray() << QByteArray("garbage") << 0;
        QTest::newRow("unreadable above the maximum") << QByteArray() << QByteArray("9999-12-31 23:59:59.999999") << 1;
    }

    void comparison()
    {
        QFETCH(QByteArray, left);
        QFETCH(QByteArray, right);
        QFETCH(int, order);

        const DbTimestamp a(Text(left));
        const DbTimestamp b(Text(right));
        QCOMPARE(a == b, order == 0);
        QCOMPARE(a != b, order != 0);
        QCOMPARE(a < b, order < 0);
        QCOMPARE(a <= b, order <= 0);
        QCOMPARE(a > b, order > 0);
        QCOMPARE(a >= b, order >= 0);
        QCOMPARE(b<a, order> 0);
    }
};

QTEST_GUILESS_MAIN(TestDbTimestamp)
#include "tst_dbtimestamp.moc"
