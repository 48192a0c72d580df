#include "builtinzonetable.h"
#include "documentkeyvalidator.h"
#include "folderkeyvalidator.h"
#include "keyrules.h"
#include "scopedclock.h"
#include "timezonedatabase.h"

#include "documentkey3.pb.h"
#include "folderkey3.pb.h"

#include <QtTest>

// Runs in the machine zone PST8PDT (see CMakeLists.txt), so that the
// machine's date, the key region's date and the UTC date can all differ: the
// months and weekdays follow the machine, the hours the region, the
// expiration UTC.
namespace
{
using testsupport::KeyRules;
using testsupport::UtcInstant;

constexpr std::uint32_t Bit(unsigned int position)
{
    return 1u << position;
}

constexpr std::uint32_t Switch = Bit(0);
constexpr std::uint32_t March = Bit(3);
constexpr std::uint32_t April = Bit(4);
constexpr std::uint32_t Sunday = Bit(13);
constexpr std::uint32_t Monday = Bit(14);
constexpr std::uint32_t Tuesday = Bit(15);
constexpr std::uint32_t AllMonths = 0x1FFE;
constexpr std::uint32_t AllDays = 0xFE000;
}

Q_DECLARE_METATYPE(Clock::TimePoint)
Q_DECLARE_METATYPE(qorv::data::SecurityDescriptor)

class TestKeyValidatorZones : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(testsupport::LoadBuiltInZoneTable(*TimeZoneDatabase::instance())); }

    void flags_data()
    {
        QTest::addColumn<Clock::TimePoint>("at");
        QTest::addColumn<qorv::data::SecurityDescriptor>("rules");
        QTest::addColumn<quint64>("flags");

        // 2024-03-31 22:00 UTC: Sunday 31 March 15:00 on this machine, Monday
        // 1 April 07:00 in Tokyo.
        const Clock::TimePoint sundayHere = UtcInstant(2024, 3, 31, 22);
        const KeyRules tokyoMornings = KeyRules().hours("Asia/Tokyo", "06:00:00", "23:00:00");
        QTest::newRow("machine's March and Sunday")
            << sundayHere << KeyRules(tokyoMornings).active(Switch | March | Sunday).descriptor() << quint64(0);
        QTest::newRow("region's April and Monday do not count")
            << sundayHere << KeyRules(tokyoMornings).active(Switch | April | Monday).descriptor() << quint64(0x06);
        QTest::newRow("hours on the region's date") << sundayHere << tokyoMornings.descriptor() << quint64(0);

        // 2024-06-12 06:30 UTC: Tuesday 11 June 23:30 here, 08:30 in Berlin on
        // the 12th. The hours are placed on Berlin's date, not on the machine's.
        const Clock::TimePoint lateHere = UtcInstant(2024, 6, 12, 6, 30);
        QTest::newRow("Berlin office hours while the machine is a day behind")
            << lateHere << KeyRules().hours("Europe/Berlin", "08:00:00", "17:00:00").descriptor() << quint64(0);
        QTest::newRow("machine's Tuesday")
            << lateHere << KeyRules().active(Switch | AllMonths | Tuesday).descriptor() << quint64(0);
        QTest::newRow("hours in Los Angeles")
            << lateHere << KeyRules().hours("America/Los_Angeles", "08:00:00", "17:00:00").descriptor()
            << quint64(0x08);

        // 2024-04-01 02:00 UTC: still 31 March here; the UTC date has moved on.
        const Clock::TimePoint utcAhead = UtcInstant(2024, 4, 1, 2);
        QTest::newRow("expires on the UTC date")
            << utcAhead << KeyRules().expiration("2024-04-01 00:00:00").descriptor() << quint64(0x20);
        QTest::newRow("expires the next UTC day")
            << utcAhead << KeyRules().expiration("2024-04-02 00:00:00").descriptor() << quint64(0);
        QTest::newRow("active days in full")
            << utcAhead << KeyRules().active(Switch | AllMonths | AllDays).descriptor() << quint64(0);
    }

    void flags()
    {
        QFETCH(Clock::TimePoint, at);
        QFETCH(qorv::data::SecurityDescriptor, rules);
        QFETCH(quint64, flags);

        testsupport::ScopedClock clock(at);
        const auto &zones = TimeZoneDatabase::instance()->getTimeZoneDatabase();
        const qorv::data::DocumentKey documentKey = testsupport::DocumentKeyWith(rules);
        const qorv::data::FolderKey folderKey = testsupport::FolderKeyWith(rules);
        QCOMPARE(DocumentKeyValidator(documentKey, zones).getFlags(), flags);
        QCOMPARE(FolderKeyValidator(folderKey, zones).getFlags(), flags);
    }
};

QTEST_GUILESS_MAIN(TestKeyValidatorZones)
#include "tst_keyvalidatorzones.moc"
