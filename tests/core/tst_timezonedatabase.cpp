#include "acelogcapture.h"
#include "builtinzonetable.h"
#include "timezonedatabase.h"

#include <boost/date_time/posix_time/posix_time.hpp>

#include <QtTest>

#include <algorithm>
#include <exception>
#include <functional>
#include <typeinfo>

namespace
{
const QByteArray Heading("\"ID\",\"STD ABBR\",\"STD NAME\",\"DST ABBR\",\"DST NAME\",\"GMT offset\","
                         "\"DST adjustment\",\"DST Start Date rule\",\"Start time\",\"DST End date rule\","
                         "\"End time\"\n");
const QByteArray Berlin("\"Europe/Berlin\",\"CET\",\"CET\",\"CEST\",\"CEST\",\"+01:00:00\",\"+01:00:00\","
                        "\"-1;0;3\",\"+02:00:00\",\"-1;0;10\",\"+03:00:00\"\n");
const QByteArray Tokyo("\"Asia/Tokyo\",\"JST\",\"JST\",\"\",\"\",\"+09:00:00\",\"+00:00:00\",\"\",\"\",\"\","
                       "\"+00:00:00\"\n");
const QByteArray Sydney("\"Australia/Sydney\",\"AEST\",\"AEST\",\"AEDT\",\"AEDT\",\"+10:00:00\",\"+01:00:00\","
                        "\"1;0;10\",\"+02:00:00\",\"1;0;4\",\"+03:00:00\"\n");

// The error raised, if any, and every zone of the table with its rules for
// one year: two tables that give the same outcome behave the same.
struct Outcome
{
    QString error;
    QStringList zones;
};

QStringList Describe(const TimeZoneDatabase::Database &database)
{
    QStringList zones;
    for (const std::string &region : database.region_list()) {
        const TimeZoneDatabase::TimeZonePtr zone = database.time_zone_from_region(region);
        QString text = QString::fromStdString(region + '|' + zone->std_zone_abbrev() + '|' + zone->std_zone_name() + '|'
                                              + zone->dst_zone_abbrev() + '|' + zone->dst_zone_name() + '|'
                                              + boost::posix_time::to_simple_string(zone->base_utc_offset()));
        if (zone->has_dst())
            text += QString::fromStdString('|' + boost::posix_time::to_simple_string(zone->dst_offset()) + '|'
                                           + boost::posix_time::to_simple_string(zone->dst_local_start_time(2025)) + '|'
                                           + boost::posix_time::to_simple_string(zone->dst_local_end_time(2025)));
        zones << text;
    }
    return zones;
}

Outcome Run(const std::function<void()> &load, const std::function<const TimeZoneDatabase::Database &()> &table)
{
    Outcome outcome;
    try {
        load();
    } catch (const std::exception &error) {
        outcome.error =
            QString::fromLatin1(typeid(error).name()) + QLatin1String(": ") + QString::fromUtf8(error.what());
    }
    outcome.zones = Describe(table());
    return outcome;
}
}

class TestTimeZoneDatabase : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    QString writeTable(const QByteArray &content)
    {
        static int count = 0;
        QFile file(m_folder.filePath(QStringLiteral("table%1.csv").arg(++count)));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            return QString();
        return file.fileName();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        QVERIFY(testsupport::LoadBuiltInZoneTable(*TimeZoneDatabase::instance()));
    }

    void oneProcessWideTable()
    {
        QVERIFY(TimeZoneDatabase::instance() != nullptr);
        QCOMPARE(TimeZoneDatabase::instance(), TimeZoneDatabase::instance());
    }

    void builtInTable()
    {
        const std::vector<std::string> regions = TimeZoneDatabase::instance()->getTimeZoneDatabase().region_list();
        QCOMPARE(regions.size(), std::size_t(519));
        QVERIFY(std::is_sorted(regions.begin(), regions.end()));
        QVERIFY(std::adjacent_find(regions.begin(), regions.end()) == regions.end());
        for (const char *region : {"Atlantic/Reykjavik", "Etc/UTC", "Europe/Berlin", "Australia/Sydney"})
            QVERIFY2(std::find(regions.begin(), regions.end(), region) != regions.end(), region);
    }

    void regionLookUp_data()
    {
        QTest::addColumn<QByteArray>("region");
        QTest::addColumn<bool>("known");
        QTest::addColumn<QByteArray>("standardAbbreviation");
        QTest::newRow("Reykjavik") << QByteArray("Atlantic/Reykjavik") << true << QByteArray("GMT");
        QTest::newRow("Berlin") << QByteArray("Europe/Berlin") << true << QByteArray("CET");
        QTest::newRow("New York") << QByteArray("America/New_York") << true << QByteArray("EST");
        QTest::newRow("lower case") << QByteArray("atlantic/reykjavik") << false << QByteArray();
        QTest::newRow("trailing blank") << QByteArray("Europe/Berlin ") << false << QByteArray();
        QTest::newRow("empty") << QByteArray() << false << QByteArray();
    }

    void regionLookUp()
    {
        QFETCH(QByteArray, region);
        QFETCH(bool, known);
        QFETCH(QByteArray, standardAbbreviation);
        const TimeZoneDatabase::TimeZonePtr zone =
            TimeZoneDatabase::instance()->getTimeZoneDatabase().time_zone_from_region(region.toStdString());
        QCOMPARE(static_cast<bool>(zone), known);
        if (zone)
            QCOMPARE(QByteArray::fromStdString(zone->std_zone_abbrev()), standardAbbreviation);
    }

    void defaultRegion_data()
    {
        QTest::addColumn<QByteArray>("region");
        QTest::addColumn<bool>("known");
        QTest::newRow("in the table") << QByteArray("Europe/Berlin") << true;
        QTest::newRow("not in the table") << QByteArray("Mars/Olympus_Mons") << false;
        QTest::newRow("wrong case") << QByteArray("europe/berlin") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }

    void defaultRegion()
    {
        QFETCH(QByteArray, region);
        QFETCH(bool, known);
        TimeZoneDatabase *database = TimeZoneDatabase::instance();
        QVERIFY(database->setDefaultTimeZone("America/New_York"));

        QCOMPARE(database->setDefaultTimeZone(region.toStdString()), known);
        // The text is kept even when the table lacks it.
        QCOMPARE(QByteArray::fromStdString(database->getDefaultTimeZoneRegion()), region);
        testsupport::AceLogCapture log;
        const TimeZoneDatabase::TimeZonePtr zone = database->getDefaultTimeZonePtr();
        QCOMPARE(static_cast<bool>(zone), known);
        QCOMPARE(log.count(QStringLiteral("assertion failed for 'm_defaultTimeZonePtr'")), known ? 0 : 1);
        if (known)
            QVERIFY(zone == database->getTimeZoneDatabase().time_zone_from_region(region.toStdString()));
    }

    void defaultRegionIsEmptyUntilSet()
    {
        const TimeZoneDatabase fresh;
        QCOMPARE(fresh.getDefaultTimeZoneRegion(), std::string());
    }

    void emptyFileNameReadsNothing()
    {
        TimeZoneDatabase database;
        testsupport::AceLogCapture log;
        database.loadFromFile(std::string());
        QCOMPARE(log.count(QStringLiteral("assertion failed for '!fileName.empty()'")), 1);
        QVERIFY(database.getTimeZoneDatabase().region_list().empty());
    }

    void missingFileRaises()
    {
        TimeZoneDatabase database;
        QVERIFY_THROWS_EXCEPTION(boost::local_time::data_not_accessible,
                                 database.loadFromFile(m_folder.filePath(QStringLiteral("absent.csv")).toStdString()));
    }

    void malformedLineRaises_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("ten fields") << QByteArray(
            "\"Nowhere/Ten\",\"NTT\",\"NTT\",\"\",\"\",\"+01:00:00\",\"+00:00:00\",\"\",\"\",\"\"\n");
        QTest::newRow("twelve fields") << QByteArray(
            "\"Nowhere/"
            "Twelve\",\"NTT\",\"NTT\",\"\",\"\",\"+01:00:00\",\"+00:00:00\",\"\",\"\",\"\",\"+00:00:00\",\"\"\n");
    }

    void malformedLineRaises()
    {
        QFETCH(QByteArray, line);
        const QByteArray heading("\"ID\",\"STD ABBR\",\"STD NAME\",\"DST ABBR\",\"DST NAME\",\"GMT offset\","
                                 "\"DST adjustment\",\"DST Start Date rule\",\"Start time\",\"DST End date rule\","
                                 "\"End time\"\n");
        const QString fileName = writeTable(heading + line);
        QVERIFY(!fileName.isEmpty());
        TimeZoneDatabase database;
        QVERIFY_THROWS_EXCEPTION(boost::local_time::bad_field_count, database.loadFromFile(fileName.toStdString()));
    }

    // Whatever the file holds, the zones and the error are those of the date
    // library's own file reader, and the error is raised by the load.
    void sameAsLibraryReader_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("raises");
        QTest::newRow("zones with and without daylight saving") << Heading + Berlin + Tokyo + Sydney << false;
        QTest::newRow("no line end after the last zone") << Heading + Berlin + Tokyo.chopped(1) << false;
        QTest::newRow("heading only") << Heading << false;
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("same region twice") << Heading + Berlin + QByteArray(Berlin).replace("CET", "XET") << false;
        QTest::newRow("lines end in CR LF") << Heading + QByteArray(Berlin + Tokyo).replace("\n", "\r\n") << false;
        QTest::newRow("blank line between zones") << Heading + Berlin + "\n" + Tokyo << true;
        QTest::newRow("ten fields") << Heading + Berlin + QByteArray(Tokyo).replace(",\"+00:00:00\"\n", "\n") << true;
        QTest::newRow("rule of two parts") << Heading + Tokyo + QByteArray(Berlin).replace("-1;0;10", "-1;0") << true;
        QTest::newRow("weekday seven") << Heading + Tokyo + QByteArray(Berlin).replace("-1;0;3", "-1;7;3") << true;
        QTest::newRow("month thirteen") << Heading + Tokyo + QByteArray(Berlin).replace("-1;0;10", "-1;0;13") << true;
        QTest::newRow("month zero") << Heading + Tokyo + QByteArray(Berlin).replace("-1;0;10", "-1;0;0") << true;
        QTest::newRow("week zero") << Heading + QByteArray(Berlin).replace("-1;0;3", "0;0;3") << false;
        QTest::newRow("offset not a number")
            << Heading + Berlin + QByteArray(Tokyo).replace("+09:00:00", "+0x:00:00") << true;
        QTest::newRow("empty offset") << Heading + Berlin + QByteArray(Tokyo).replace("+09:00:00", "") << true;
        QTest::newRow("offset without sign") << Heading + QByteArray(Tokyo).replace("+09:00:00", "09:00:00") << false;
        QTest::newRow("daylight saving with empty start time")
            << Heading + Tokyo + QByteArray(Berlin).replace(",\"+02:00:00\"", ",\"\"") << true;
        QTest::newRow("escaped comma in a name")
            << Heading + QByteArray(Tokyo).replace("\"JST\",\"\"", "\"J\\,ST\",\"\"") << false;
        QTest::newRow("unknown escape") << Heading + Berlin + QByteArray(Tokyo).replace("JST", "J\\qST") << true;
        QTest::newRow("comma inside quotes")
            << Heading + QByteArray(Tokyo).replace("\"JST\",\"\"", "\"J,ST\",\"\"") << false;
        QTest::newRow("unquoted fields") << Heading + QByteArray(Berlin).replace("\"", "") << false;
    }

    void sameAsLibraryReader()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, raises);
        const QString fileName = writeTable(content);
        QVERIFY(!fileName.isEmpty());

        TimeZoneDatabase::Database reference;
        const Outcome expected = Run([&] { reference.load_from_file(fileName.toStdString()); },
                                     [&]() -> const TimeZoneDatabase::Database & { return reference; });
        TimeZoneDatabase database;
        const Outcome actual =
            Run([&] { database.loadFromFile(fileName.toStdString()); },
                [&]() -> const TimeZoneDatabase::Database & { return database.getTimeZoneDatabase(); });
        QCOMPARE(!expected.error.isEmpty(), raises);
        QCOMPARE(actual.error, expected.error);
        QCOMPARE(actual.zones, expected.zones);
    }

    // The start-up removes its copy of the table as soon as it is loaded.
    void tableOutlivesItsFile()
    {
        QFile resource(QStringLiteral(":resources/resource.tmz"));
        QVERIFY(resource.open(QIODevice::ReadOnly));
        const QString fileName = writeTable(resource.readAll());
        QVERIFY(!fileName.isEmpty());
        TimeZoneDatabase::Database reference;
        reference.load_from_file(fileName.toStdString());

        TimeZoneDatabase database;
        database.loadFromFile(fileName.toStdString());
        QVERIFY(QFile::remove(fileName));
        QVERIFY(database.setDefaultTimeZone("Europe/Berlin"));
        QCOMPARE(Describe(database.getTimeZoneDatabase()), Describe(reference));
        QCOMPARE(database.getTimeZoneDatabase().region_list().size(), std::size_t(519));
    }

    // A second table adds its new regions; the first to name a region keeps
    // it, whether or not the first table was looked at in between.
    void laterTableAddsOnlyNewRegions_data()
    {
        QTest::addColumn<bool>("lookInBetween");
        QTest::newRow("not looked at") << false;
        QTest::newRow("looked at") << true;
    }

    void laterTableAddsOnlyNewRegions()
    {
        QFETCH(bool, lookInBetween);
        const QString first = writeTable(Heading + Berlin + Tokyo);
        const QString second = writeTable(Heading + QByteArray(Berlin).replace("CET", "XET") + Sydney);
        QVERIFY(!first.isEmpty() && !second.isEmpty());

        TimeZoneDatabase::Database reference;
        reference.load_from_file(first.toStdString());
        reference.load_from_file(second.toStdString());

        TimeZoneDatabase database;
        database.loadFromFile(first.toStdString());
        if (lookInBetween)
            QCOMPARE(database.getTimeZoneDatabase().region_list().size(), std::size_t(2));
        database.loadFromFile(second.toStdString());
        QCOMPARE(Describe(database.getTimeZoneDatabase()), Describe(reference));
        QCOMPARE(Describe(reference).size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestTimeZoneDatabase)
#include "tst_timezonedatabase.moc"
