#include "acelogcapture.h"
#include "builtinzonetable.h"
#include "i18n.h"
#include "scopedclock.h"
#include "timezone.h"
#include "timezonedatabase.h"

#include <boost/date_time/posix_time/posix_time.hpp>

#include <QtTest>

namespace
{
using boost::gregorian::date;
using boost::posix_time::ptime;
using boost::posix_time::time_duration;

QByteArray Bytes(const std::string &text)
{
    return QByteArray::fromStdString(text);
}
}

Q_DECLARE_METATYPE(Clock::TimePoint)

class TestTimeZone : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(testsupport::LoadBuiltInZoneTable(*TimeZoneDatabase::instance())); }

    void lookUp_data()
    {
        QTest::addColumn<QByteArray>("region");
        QTest::addColumn<bool>("known");
        QTest::newRow("Berlin") << QByteArray("Europe/Berlin") << true;
        QTest::newRow("UTC") << QByteArray("Etc/UTC") << true;
        QTest::newRow("lower case") << QByteArray("atlantic/reykjavik") << false;
        QTest::newRow("unknown") << QByteArray("Nowhere/Land") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }

    void lookUp()
    {
        QFETCH(QByteArray, region);
        QFETCH(bool, known);
        const TimeZone zone(region.toStdString());
        QCOMPARE(Bytes(zone.getRegion()), region);
        QCOMPARE(static_cast<bool>(zone.getTimeZone()), known);
        if (known)
            QVERIFY(zone.getTimeZone()
                    == TimeZoneDatabase::instance()->getTimeZoneDatabase().time_zone_from_region(region.toStdString()));
    }

    void utcRegionSharesTheTablesHandle()
    {
        const TimeZone byRegion(TimeZone::UtcRegion);
        const TimeZone byName(std::string("Atlantic/Reykjavik"));
        QCOMPARE(byRegion.getRegion(), std::string("Atlantic/Reykjavik"));
        QVERIFY(byRegion.getTimeZone());
        QVERIFY(byRegion.getTimeZone() == byName.getTimeZone());
    }

    void otherRegionsAreTheDefault_data()
    {
        QTest::addColumn<int>("region");
        QTest::newRow("default") << int(TimeZone::DefaultRegion);
        QTest::newRow("any other value") << 7;
        QTest::newRow("negative") << -1;
    }

    void otherRegionsAreTheDefault()
    {
        QFETCH(int, region);
        QVERIFY(TimeZoneDatabase::instance()->setDefaultTimeZone("Asia/Tokyo"));
        const TimeZone zone(static_cast<TimeZone::Region>(region));
        QCOMPARE(zone.getRegion(), std::string("Asia/Tokyo"));
        QVERIFY(zone.getTimeZone() == TimeZoneDatabase::instance()->getDefaultTimeZonePtr());
    }

    void rules_data()
    {
        QTest::addColumn<QByteArray>("region");
        QTest::addColumn<Clock::TimePoint>("now");
        QTest::addColumn<QByteArray>("standard");
        QTest::addColumn<QByteArray>("daylightSaving");
        QTest::addColumn<bool>("hasDaylightSaving");
        QTest::addColumn<QByteArray>("inForce");
        QTest::addColumn<QByteArray>("period");

        const Clock::TimePoint winter = testsupport::UtcInstant(2025, 1, 15, 12);
        const Clock::TimePoint summer = testsupport::UtcInstant(2025, 7, 1, 12);
        QTest::newRow("Berlin, winter") << QByteArray("Europe/Berlin") << winter << QByteArray("CET")
                                        << QByteArray("CEST") << true << QByteArray("CET")
                                        << QByteArray("03/30/25 - 10/26/25");
        QTest::newRow("Berlin, summer") << QByteArray("Europe/Berlin") << summer << QByteArray("CET")
                                        << QByteArray("CEST") << true << QByteArray("CEST")
                                        << QByteArray("03/30/25 - 10/26/25");
        // On the day of a change the start of the UTC day decides.
        QTest::newRow("Berlin, day daylight saving starts")
            << QByteArray("Europe/Berlin") << testsupport::UtcInstant(2025, 3, 30, 12) << QByteArray("CET")
            << QByteArray("CEST") << true << QByteArray("CET") << QByteArray("03/30/25 - 10/26/25");
        QTest::newRow("Berlin, day after it starts")
            << QByteArray("Europe/Berlin") << testsupport::UtcInstant(2025, 3, 31, 0) << QByteArray("CET")
            << QByteArray("CEST") << true << QByteArray("CEST") << QByteArray("03/30/25 - 10/26/25");
        QTest::newRow("Berlin, day daylight saving ends")
            << QByteArray("Europe/Berlin") << testsupport::UtcInstant(2025, 10, 26, 12) << QByteArray("CET")
            << QByteArray("CEST") << true << QByteArray("CEST") << QByteArray("03/30/25 - 10/26/25");
        QTest::newRow("Berlin, another year")
            << QByteArray("Europe/Berlin") << testsupport::UtcInstant(2026, 1, 15, 12) << QByteArray("CET")
            << QByteArray("CEST") << true << QByteArray("CET") << QByteArray("03/29/26 - 10/25/26");
        QTest::newRow("New York, summer")
            << QByteArray("America/New_York") << summer << QByteArray("EST") << QByteArray("EDT") << true
            << QByteArray("EDT") << QByteArray("03/09/25 - 11/02/25");
        QTest::newRow("Reykjavik") << QByteArray("Atlantic/Reykjavik") << summer << QByteArray("GMT") << QByteArray()
                                   << false << QByteArray("GMT") << QByteArray();
        // Daylight saving across the new year is never reported.
        QTest::newRow("Sydney, its summer") << QByteArray("Australia/Sydney") << winter << QByteArray("AEST")
                                            << QByteArray("AEDT") << true << QByteArray("AEST") << QByteArray();
        QTest::newRow("Sydney, its winter") << QByteArray("Australia/Sydney") << summer << QByteArray("AEST")
                                            << QByteArray("AEDT") << true << QByteArray("AEST") << QByteArray();
    }

    void rules()
    {
        QFETCH(QByteArray, region);
        QFETCH(Clock::TimePoint, now);
        QFETCH(QByteArray, standard);
        QFETCH(QByteArray, daylightSaving);
        QFETCH(bool, hasDaylightSaving);
        QFETCH(QByteArray, inForce);
        QFETCH(QByteArray, period);

        const testsupport::ScopedClock clock(now);
        const TimeZone zone(region.toStdString());
        QCOMPARE(Bytes(zone.getTimeZoneStandardAbbrev()), standard);
        QCOMPARE(Bytes(zone.getTimeZoneDaylightSavingTimeAbbrev()), daylightSaving);
        QCOMPARE(zone.hasDaylightSavingTime(), hasDaylightSaving);
        QCOMPARE(Bytes(zone.getTimeZoneAbbrev()), inForce);
        QCOMPARE(Bytes(zone.getDaylightSavingTimePeriod()), period);
    }

    void daylightSavingContains_data()
    {
        QTest::addColumn<QByteArray>("region");
        QTest::addColumn<QByteArray>("wallClock");
        QTest::addColumn<bool>("contained");
        QTest::newRow("Berlin, before the start")
            << QByteArray("Europe/Berlin") << QByteArray("2025-03-30 01:59:59") << false;
        QTest::newRow("Berlin, at the start")
            << QByteArray("Europe/Berlin") << QByteArray("2025-03-30 02:00:00") << true;
        QTest::newRow("Berlin, before the end")
            << QByteArray("Europe/Berlin") << QByteArray("2025-10-26 02:59:59") << true;
        QTest::newRow("Berlin, at the end")
            << QByteArray("Europe/Berlin") << QByteArray("2025-10-26 03:00:00") << false;
        QTest::newRow("Berlin, another year")
            << QByteArray("Europe/Berlin") << QByteArray("2030-07-01 12:00:00") << true;
        QTest::newRow("Sydney, its summer")
            << QByteArray("Australia/Sydney") << QByteArray("2025-01-15 12:00:00") << false;
        QTest::newRow("Reykjavik") << QByteArray("Atlantic/Reykjavik") << QByteArray("2025-07-01 12:00:00") << false;
    }

    void daylightSavingContains()
    {
        QFETCH(QByteArray, region);
        QFETCH(QByteArray, wallClock);
        QFETCH(bool, contained);
        const TimeZone zone(region.toStdString());
        QCOMPARE(zone.daylightSavingTimeContains(boost::posix_time::time_from_string(wallClock.toStdString())),
                 contained);
    }

    void unknownRegionAnswersWithoutRules()
    {
        const testsupport::ScopedClock clock(testsupport::UtcInstant(2025, 7, 1, 12));
        const TimeZone zone(std::string("Nowhere/Land"));
        testsupport::AceLogCapture log;
        QCOMPARE(zone.getTimeZoneStandardAbbrev(), std::string());
        QCOMPARE(zone.getTimeZoneDaylightSavingTimeAbbrev(), std::string());
        QVERIFY(!zone.hasDaylightSavingTime());
        QCOMPARE(zone.getTimeZoneAbbrev(), std::string());
        QCOMPARE(zone.getDaylightSavingTimePeriod(), std::string());
        QVERIFY(!zone.daylightSavingTimeContains(ptime(date(2025, 7, 1))));
        QVERIFY(log.count(QStringLiteral("assertion failed for 'm_timeZone'")) >= 6);
    }

    void locale() { QCOMPARE(i18n::GetLocale(), std::string("C")); }

    void abbreviationOfTheDefaultRegion_data()
    {
        QTest::addColumn<QByteArray>("region");
        QTest::addColumn<Clock::TimePoint>("now");
        QTest::addColumn<QByteArray>("abbreviation");
        QTest::newRow("Berlin, summer") << QByteArray("Europe/Berlin") << testsupport::UtcInstant(2025, 7, 1)
                                        << QByteArray("CEST");
        QTest::newRow("Berlin, winter") << QByteArray("Europe/Berlin") << testsupport::UtcInstant(2025, 12, 1)
                                        << QByteArray("CET");
        QTest::newRow("Tokyo") << QByteArray("Asia/Tokyo") << testsupport::UtcInstant(2025, 7, 1) << QByteArray("JST");
    }

    void abbreviationOfTheDefaultRegion()
    {
        QFETCH(QByteArray, region);
        QFETCH(Clock::TimePoint, now);
        QFETCH(QByteArray, abbreviation);
        const testsupport::ScopedClock clock(now);
        QVERIFY(TimeZoneDatabase::instance()->setDefaultTimeZone(region.toStdString()));
        QCOMPARE(Bytes(i18n::GetTimeZoneAbbrev()), abbreviation);
    }
};

QTEST_GUILESS_MAIN(TestTimeZone)
#include "tst_timezone.moc"
