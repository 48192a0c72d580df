#include "builtinzonetable.h"
#include "qorvtime.h"
#include "scopedclock.h"
#include "timezone.h"
#include "timezonedatabase.h"

#include <boost/date_time/posix_time/posix_time.hpp>

#include <QtTest>

namespace
{
using boost::posix_time::hours;
using boost::posix_time::milliseconds;
using boost::posix_time::minutes;
using boost::posix_time::seconds;
using boost::posix_time::time_duration;

QByteArray Bytes(const std::string &text)
{
    return QByteArray::fromStdString(text);
}

// 12:00 UTC: the same calendar date in the machine's zone of this test.
Clock::TimePoint Noon(int year, int month, int day)
{
    return testsupport::UtcInstant(year, month, day, 12);
}
}

Q_DECLARE_METATYPE(Clock::TimePoint)
Q_DECLARE_METATYPE(time_duration)

class TestTime : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(testsupport::LoadBuiltInZoneTable(*TimeZoneDatabase::instance())); }

    void timeOfDay_data()
    {
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<time_duration>("timeOfDay");
        QTest::newRow("morning") << 8 << 0 << 0 << time_duration(hours(8));
        QTest::newRow("all parts") << 17 << 30 << 15 << time_duration(17, 30, 15);
        QTest::newRow("past midnight") << 24 << 30 << 0 << time_duration(24, 30, 0);
        // One negative part makes the whole sum negative.
        QTest::newRow("negative hours") << -1 << 30 << 0 << time_duration(-1, -30, 0);
        QTest::newRow("negative minutes") << 1 << -30 << 0 << time_duration(-1, -30, 0);
        QTest::newRow("negative seconds") << 0 << 0 << -5 << time_duration(0, 0, -5);
    }

    void timeOfDay()
    {
        QFETCH(int, hours);
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        QFETCH(time_duration, timeOfDay);
        const testsupport::ScopedClock clock(Noon(2025, 1, 15));
        const TimeZone zone(std::string("Europe/Berlin"));
        const Time time(hours, minutes, seconds, zone);
        QCOMPARE(time.getTimeDuration(), timeOfDay);
        QCOMPARE(&time.getTimeZone(), &zone);
    }

    void fromText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<time_duration>("timeOfDay");
        QTest::newRow("plain") << QByteArray("08:00:00") << time_duration(hours(8));
        QTest::newRow("fraction") << QByteArray("08:00:00.5") << time_duration(hours(8) + milliseconds(500));
        QTest::newRow("negative") << QByteArray("-01:30:00") << time_duration(-1, -30, 0);
    }

    void fromText()
    {
        QFETCH(QByteArray, text);
        QFETCH(time_duration, timeOfDay);
        const testsupport::ScopedClock clock(Noon(2025, 1, 15));
        const TimeZone zone(std::string("Europe/Berlin"));
        const Time time(text.toStdString(), zone);
        QCOMPARE(time.getTimeDuration(), timeOfDay);
    }

    // A key's hours come from the server: minutes or seconds of five digits,
    // on which the date library's reader overflows, fail like words do.
    void unreadableText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("words") << QByteArray("eight");
        QTest::newRow("five-digit minutes") << QByteArray("00:00000:00");
        QTest::newRow("five-digit seconds") << QByteArray("08:00:12345");
    }

    void unreadableText()
    {
        QFETCH(QByteArray, text);
        const TimeZone zone(std::string("Europe/Berlin"));
        QVERIFY_THROWS_EXCEPTION(std::exception, Time(text.toStdString(), zone));
    }

    void acrossZones_data()
    {
        QTest::addColumn<Clock::TimePoint>("today");
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QByteArray>("shown");

        const Clock::TimePoint winter = Noon(2025, 1, 15);
        const Clock::TimePoint summer = Noon(2025, 7, 1);
        QTest::newRow("London to Berlin, standard time")
            << winter << QByteArray("Europe/London") << 8 << 0 << QByteArray("Europe/Berlin") << QByteArray("09:00 AM");
        QTest::newRow("London to Tokyo, standard time")
            << winter << QByteArray("Europe/London") << 8 << 0 << QByteArray("Asia/Tokyo") << QByteArray("05:00 PM");
        QTest::newRow("London to Tokyo, summer")
            << summer << QByteArray("Europe/London") << 8 << 0 << QByteArray("Asia/Tokyo") << QByteArray("04:00 PM");
        QTest::newRow("London to Berlin, summer")
            << summer << QByteArray("Europe/London") << 8 << 0 << QByteArray("Europe/Berlin") << QByteArray("09:00 AM");
        QTest::newRow("New York to UTC, summer")
            << summer << QByteArray("America/New_York") << 17 << 0 << QByteArray("Etc/UTC") << QByteArray("09:00 PM");
        QTest::newRow("Berlin to New York, date changes") << winter << QByteArray("Europe/Berlin") << 2 << 15
                                                          << QByteArray("America/New_York") << QByteArray("08:15 PM");
        QTest::newRow("same zone") << winter << QByteArray("Europe/Berlin") << 12 << 0 << QByteArray("Europe/Berlin")
                                   << QByteArray("12:00 PM");
        QTest::newRow("unknown region counts as UTC")
            << winter << QByteArray("Nowhere/Land") << 8 << 0 << QByteArray("Etc/UTC") << QByteArray("08:00 AM");
        QTest::newRow("conversion into an unknown region shows UTC")
            << winter << QByteArray("Europe/Berlin") << 8 << 0 << QByteArray("Nowhere/Land") << QByteArray("07:00 AM");
        QTest::newRow("past midnight is the next day") << winter << QByteArray("Europe/London") << 24 << 30
                                                       << QByteArray("Europe/Berlin") << QByteArray("01:30 AM");
        QTest::newRow("negative is the day before") << winter << QByteArray("Europe/London") << -1 << 0
                                                    << QByteArray("Europe/Berlin") << QByteArray("12:00 AM");
        // Wall-clock times that the zone skips or repeats have no instant.
        QTest::newRow("Berlin, inside the spring gap") << Noon(2025, 3, 30) << QByteArray("Europe/Berlin") << 2 << 30
                                                       << QByteArray("Etc/UTC") << QByteArray("not-a-date-time");
        QTest::newRow("Berlin, inside the autumn overlap")
            << Noon(2025, 10, 26) << QByteArray("Europe/Berlin") << 2 << 30 << QByteArray("Etc/UTC")
            << QByteArray("not-a-date-time");
        QTest::newRow("New York, inside the spring gap")
            << Noon(2025, 3, 9) << QByteArray("America/New_York") << 2 << 30 << QByteArray("Europe/Berlin")
            << QByteArray("not-a-date-time");
        QTest::newRow("Berlin, just after the gap") << Noon(2025, 3, 30) << QByteArray("Europe/Berlin") << 3 << 0
                                                    << QByteArray("Etc/UTC") << QByteArray("01:00 AM");
        QTest::newRow("gap of another zone does not matter")
            << Noon(2025, 3, 30) << QByteArray("Europe/London") << 2 << 30 << QByteArray("Europe/Berlin")
            << QByteArray("03:30 AM");
    }

    void acrossZones()
    {
        QFETCH(Clock::TimePoint, today);
        QFETCH(QByteArray, from);
        QFETCH(int, hours);
        QFETCH(int, minutes);
        QFETCH(QByteArray, to);
        QFETCH(QByteArray, shown);

        const testsupport::ScopedClock clock(today);
        const TimeZone fromZone(from.toStdString());
        const TimeZone toZone(to.toStdString());
        const Time time(hours, minutes, 0, fromZone);
        QCOMPARE(Bytes(time.getLocalTime(toZone)), shown);
    }

    void ownZoneAndUniversalTime_data()
    {
        QTest::addColumn<Clock::TimePoint>("today");
        QTest::addColumn<QByteArray>("region");
        QTest::addColumn<int>("hours");
        QTest::addColumn<QByteArray>("local");
        QTest::addColumn<QByteArray>("universal");
        QTest::newRow("Berlin, winter") << Noon(2025, 1, 15) << QByteArray("Europe/Berlin") << 8
                                        << QByteArray("08:00 AM") << QByteArray("07:00:00");
        QTest::newRow("Berlin, summer") << Noon(2025, 7, 1) << QByteArray("Europe/Berlin") << 17
                                        << QByteArray("05:00 PM") << QByteArray("15:00:00");
        QTest::newRow("Tokyo, early") << Noon(2025, 7, 1) << QByteArray("Asia/Tokyo") << 7 << QByteArray("07:00 AM")
                                      << QByteArray("22:00:00");
        QTest::newRow("unknown region") << Noon(2025, 7, 1) << QByteArray("Nowhere/Land") << 0 << QByteArray("12:00 AM")
                                        << QByteArray("00:00:00");
        QTest::newRow("inside a gap") << Noon(2025, 3, 30) << QByteArray("Europe/Berlin") << 2
                                      << QByteArray("not-a-date-time") << QByteArray("not-a-date-time");
    }

    void ownZoneAndUniversalTime()
    {
        QFETCH(Clock::TimePoint, today);
        QFETCH(QByteArray, region);
        QFETCH(int, hours);
        QFETCH(QByteArray, local);
        QFETCH(QByteArray, universal);
        const testsupport::ScopedClock clock(today);
        const TimeZone zone(region.toStdString());
        const Time time(hours, 0, 0, zone);
        QCOMPARE(Bytes(time.getLocalTime()), local);
        QCOMPARE(Bytes(time.getUniversalTime()), universal);
    }

    void difference_data()
    {
        QTest::addColumn<QByteArray>("fromRegion");
        QTest::addColumn<time_duration>("from");
        QTest::addColumn<QByteArray>("toRegion");
        QTest::addColumn<time_duration>("to");
        QTest::addColumn<QByteArray>("length");
        QTest::newRow("office hours") << QByteArray("Europe/Berlin") << time_duration(8, 0, 0)
                                      << QByteArray("Europe/Berlin") << time_duration(17, 0, 0) << QByteArray("09:00");
        QTest::newRow("minutes") << QByteArray("Europe/Berlin") << time_duration(0, 30, 0)
                                 << QByteArray("Europe/Berlin") << time_duration(23, 15, 0) << QByteArray("22:45");
        QTest::newRow("seconds are dropped")
            << QByteArray("Europe/Berlin") << time_duration(8, 0, 0) << QByteArray("Europe/Berlin")
            << time_duration(8, 0, 59) << QByteArray("00:00");
        QTest::newRow("equal") << QByteArray("Europe/Berlin") << time_duration(8, 0, 0) << QByteArray("Europe/Berlin")
                               << time_duration(8, 0, 0) << QByteArray("00:00");
        // Wall-clock times are compared: neither zones nor gaps count.
        QTest::newRow("different zones") << QByteArray("Europe/London") << time_duration(8, 0, 0)
                                         << QByteArray("Asia/Tokyo") << time_duration(17, 0, 0) << QByteArray("09:00");
        QTest::newRow("past midnight") << QByteArray("Europe/Berlin") << time_duration(22, 0, 0)
                                       << QByteArray("Europe/Berlin") << time_duration(26, 0, 0) << QByteArray("04:00");
    }

    void difference()
    {
        QFETCH(QByteArray, fromRegion);
        QFETCH(time_duration, from);
        QFETCH(QByteArray, toRegion);
        QFETCH(time_duration, to);
        QFETCH(QByteArray, length);
        const testsupport::ScopedClock clock(Noon(2025, 3, 30));
        const TimeZone fromZone(fromRegion.toStdString());
        const TimeZone toZone(toRegion.toStdString());
        const Time start(int(from.hours()), int(from.minutes()), int(from.seconds()), fromZone);
        const Time end(int(to.hours()), int(to.minutes()), int(to.seconds()), toZone);
        QCOMPARE(Bytes(end - start), length);
        QCOMPARE(Bytes(start - end), length);
    }

    void equalityComparesTheTimeOfDayOnly()
    {
        const TimeZone berlin(std::string("Europe/Berlin"));
        const TimeZone tokyo(std::string("Asia/Tokyo"));
        testsupport::ScopedClock clock(Noon(2025, 1, 15));
        const Time berlinEight(8, 0, 0, berlin);
        clock.set(Noon(2025, 7, 1));
        const Time tokyoEight(8, 0, 0, tokyo);
        QVERIFY(berlinEight == tokyoEight);
        QVERIFY(!(berlinEight != tokyoEight));
        const Time tokyoLater(8, 0, 1, tokyo);
        QVERIFY(berlinEight != tokyoLater);
        QVERIFY(!(berlinEight == tokyoLater));
    }
};

QTEST_GUILESS_MAIN(TestTime)
#include "tst_time.moc"
