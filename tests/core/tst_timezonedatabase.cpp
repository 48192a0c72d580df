#include "acelogcapture.h"
#include "builtinzonetable.h"
#include "timezonedatabase.h"

#include <QtTest>

#include <algorithm>

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
            "\"Nowhere/Twelve\",\"NTT\",\"NTT\",\"\",\"\",\"+01:00:00\",\"+00:00:00\",\"\",\"\",\"\",\"+00:00:00\",\"\"\n");
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
};

QTEST_GUILESS_MAIN(TestTimeZoneDatabase)
#include "tst_timezonedatabase.moc"
