#include "builtinzonetable.h"
#include "documentkeyvalidator.h"
#include "folderkeyvalidator.h"
#include "keyrules.h"
#include "scopedclock.h"
#include "timezonedatabase.h"

#include "documentkey3.pb.h"
#include "folderkey3.pb.h"

#include <QtTest>

#include <chrono>

// Runs in the machine zone CET/CEST (see CMakeLists.txt). The keys' regions
// are chosen apart from it where the time base matters.
namespace
{
using testsupport::AllActiveBut;
using testsupport::KeyRules;
using testsupport::UtcInstant;

Clock::TimePoint At(int year, int month, int day, int hour, int minute = 0, int second = 0)
{
    return UtcInstant(year, month, day, hour, minute, second);
}

constexpr unsigned int June = 6;
constexpr unsigned int July = 7;
constexpr unsigned int Sunday = 13;
constexpr unsigned int Monday = 14;
constexpr unsigned int Wednesday = 16;

// 2024-06-12 is a Wednesday; Berlin keeps summer time (UTC+2).
const Clock::TimePoint WednesdayMorning = At(2024, 6, 12, 10);
}

Q_DECLARE_METATYPE(Clock::TimePoint)
Q_DECLARE_METATYPE(qorv::data::SecurityDescriptor)

class TestKeyValidator : public QObject
{
    Q_OBJECT

private:
    static const TimeZoneDatabase::Database &zones() { return TimeZoneDatabase::instance()->getTimeZoneDatabase(); }

    static void row(const char *name, Clock::TimePoint at, const KeyRules &rules, quint64 flags)
    {
        QTest::newRow(name) << at << rules.descriptor() << flags;
    }

private slots:
    void initTestCase() { QVERIFY(testsupport::LoadBuiltInZoneTable(*TimeZoneDatabase::instance())); }

    void flags_data()
    {
        QTest::addColumn<Clock::TimePoint>("at");
        QTest::addColumn<qorv::data::SecurityDescriptor>("rules");
        QTest::addColumn<quint64>("flags");

        // Switch, months and weekdays (machine-local date).
        row("usable at any time", WednesdayMorning, KeyRules(), 0);
        row("usable across the turn of the year", At(2024, 12, 31, 23, 30), KeyRules(), 0);
        row("switched off", WednesdayMorning, KeyRules().active(0xFFFFE), 0x01);
        row("nothing active", WednesdayMorning, KeyRules().active(0), 0x07);
        row("not in June", WednesdayMorning, KeyRules().active(AllActiveBut(June)), 0x02);
        row("not on Wednesdays", WednesdayMorning, KeyRules().active(AllActiveBut(Wednesday)), 0x04);
        row("not on Sundays, on a Sunday", At(2024, 6, 16, 10), KeyRules().active(AllActiveBut(Sunday)), 0x04);
        row("not on Sundays, on a Monday", At(2024, 6, 17, 10), KeyRules().active(AllActiveBut(Sunday)), 0);
        // 2024-06-30 23:30 UTC is Monday 2024-07-01 01:30 on this machine.
        row("month of the machine, not of UTC", At(2024, 6, 30, 23, 30), KeyRules().active(AllActiveBut(July)), 0x02);
        row("UTC month does not count", At(2024, 6, 30, 23, 30), KeyRules().active(AllActiveBut(June)), 0);
        row("weekday of the machine, not of UTC", At(2024, 6, 30, 23, 30), KeyRules().active(AllActiveBut(Monday)),
            0x04);
        row("UTC weekday does not count", At(2024, 6, 30, 23, 30), KeyRules().active(AllActiveBut(Sunday)), 0);

        // Daily hours in the key's region, both ends included, to the second.
        const KeyRules office = KeyRules().hours("Europe/Berlin", "08:00:00", "17:00:00");
        row("Berlin 07:59:59", At(2024, 6, 12, 5, 59, 59), office, 0x08);
        row("Berlin 08:00:00", At(2024, 6, 12, 6), office, 0);
        row("Berlin 17:00:00", At(2024, 6, 12, 15), office, 0);
        row("Berlin 17:00:00.5", At(2024, 6, 12, 15) + std::chrono::milliseconds(500), office, 0);
        row("Berlin 17:00:01", At(2024, 6, 12, 15, 0, 1), office, 0x08);
        row("Berlin in winter 08:00:00", At(2024, 1, 10, 7), office, 0);
        row("Berlin in winter 07:59:59", At(2024, 1, 10, 6, 59, 59), office, 0x08);
        row("hours with a fraction", At(2024, 6, 12, 15),
            KeyRules().hours("Europe/Berlin", "08:00:00.5", "17:00:00.25"), 0);

        const KeyRules tokyo = KeyRules().hours("Asia/Tokyo", "06:00:00", "23:00:00");
        row("Tokyo 07:00 while UTC is a day behind", At(2024, 6, 11, 22), tokyo, 0);
        row("Tokyo 23:30", At(2024, 6, 12, 14, 30), tokyo, 0x08);
        row("Tokyo 05:59:59", At(2024, 6, 11, 20, 59, 59), tokyo, 0x08);

        const KeyRules overnight = KeyRules().hours("Europe/Berlin", "22:00:00", "06:00:00");
        row("overnight at 23:00", At(2024, 6, 12, 21), overnight, 0x08);
        row("overnight at 03:00", At(2024, 6, 12, 1), overnight, 0x08);
        row("overnight at noon", At(2024, 6, 12, 10), overnight, 0x08);

        row("equal bounds", At(2024, 6, 12, 1), KeyRules().hours("Europe/Berlin", "09:00:00", "09:00:00"), 0);
        row("equal unreadable bounds", WednesdayMorning, KeyRules().hours("Europe/Berlin", "soon", "soon"), 0);
        row("no region", At(2024, 6, 12, 20), KeyRules().hours("", "08:00:00", "17:00:00"), 0);
        row("no region, unreadable hours", WednesdayMorning, KeyRules().hours("", "8 am", "5 pm"), 0);

        // A region that the table lacks: the hours are read as UTC.
        const KeyRules unknown = KeyRules().hours("Mars/Olympus_Mons", "08:00:00", "17:00:00");
        row("unknown region inside in UTC", At(2024, 6, 12, 16, 30), unknown, 0);
        row("unknown region before in UTC", At(2024, 6, 12, 7, 30), unknown, 0x08);
        row("region is case-sensitive", At(2024, 6, 12, 16, 30),
            KeyRules().hours("europe/berlin", "08:00:00", "17:00:00"), 0);

        // 2024-03-31: Berlin skips 02:00 to 03:00; 2024-10-27: it repeats 02:00 to 03:00.
        row("start in the skipped hour shuts the day", At(2024, 3, 31, 10),
            KeyRules().hours("Europe/Berlin", "02:30:00", "17:00:00"), 0x08);
        row("start in the repeated hour shuts the day", At(2024, 10, 27, 10),
            KeyRules().hours("Europe/Berlin", "02:30:00", "17:00:00"), 0x08);
        const KeyRules endsInGap = KeyRules().hours("Europe/Berlin", "00:00:00", "02:30:00");
        row("end in the skipped hour, before it", At(2024, 3, 31, 0, 59, 59), endsInGap, 0);
        row("end in the skipped hour, right after it", At(2024, 3, 31, 1), endsInGap, 0x08);
        row("end in the skipped hour, at noon", At(2024, 3, 31, 10), endsInGap, 0x08);
        row("end in the repeated hour, in the evening", At(2024, 10, 27, 18),
            KeyRules().hours("Europe/Berlin", "00:00:00", "02:30:00"), 0x08);
        row("start and end around the skipped hour", At(2024, 3, 31, 1),
            KeyRules().hours("Europe/Berlin", "01:00:00", "04:00:00"), 0);

        // Unreadable hours count against the key.
        row("unreadable start", WednesdayMorning, KeyRules().hours("Europe/Berlin", "8 am", "17:00:00"), 0x08);
        row("empty start", WednesdayMorning, KeyRules().hours("Europe/Berlin", "", "17:00:00"), 0x08);
        row("unreadable end", WednesdayMorning, KeyRules().hours("Europe/Berlin", "08:00:00", "17:00"), 0x08);
        row("hour 25", WednesdayMorning, KeyRules().hours("Europe/Berlin", "08:00:00", "25:00:00"), 0x08);
        row("minute 60", WednesdayMorning, KeyRules().hours("Europe/Berlin", "08:60:00", "17:00:00"), 0x08);

        // Expiration: at the start of the UTC date, whatever the time of day.
        row("expires today", WednesdayMorning, KeyRules().expiration("2024-06-12 00:00:00"), 0x20);
        row("expires today, late", WednesdayMorning, KeyRules().expiration("2024-06-12 23:59:59.999999"), 0x20);
        row("expired long ago", WednesdayMorning, KeyRules().expiration("2020-01-01 00:00:00"), 0x20);
        row("expires tomorrow", WednesdayMorning, KeyRules().expiration("2024-06-13 00:00:00"), 0);
        row("expires tomorrow, other separators", WednesdayMorning, KeyRules().expiration("2024/06/13"), 0);
        row("expires tomorrow, date only", WednesdayMorning, KeyRules().expiration("2024.06.13"), 0);
        // 23:30 UTC is already the 13th on this machine; the UTC date decides.
        row("tomorrow in UTC, today on the machine", At(2024, 6, 12, 23, 30),
            KeyRules().expiration("2024-06-13 00:00:00"), 0);
        row("never expires", At(2099, 12, 31, 23, 59, 59), KeyRules().expiration("9999-12-31 00:00:00"), 0);

        // Unreadable expiration dates count as expired.
        row("no expiration date", WednesdayMorning, KeyRules().expiration(""), 0x20);
        row("unreadable expiration date", WednesdayMorning, KeyRules().expiration("next year"), 0x20);
        row("impossible expiration date", WednesdayMorning, KeyRules().expiration("2099-02-30 00:00:00"), 0x20);
        row("expiration before 1400", WednesdayMorning, KeyRules().expiration("1399-12-31 00:00:00"), 0x20);
        row("expiration without day", WednesdayMorning, KeyRules().expiration("2099-12"), 0x20);
        row("undelimited expiration", WednesdayMorning, KeyRules().expiration("20991231T000000"), 0x20);

        // View permission, and several reasons at once.
        row("no view permission", WednesdayMorning, KeyRules().permissions(0xFFE), 0x40);
        row("no permission at all", WednesdayMorning, KeyRules().permissions(0), 0x40);
        row("switched off and expired", WednesdayMorning, KeyRules().active(0xFFFFE).expiration("2024-06-01"), 0x21);
        row("outside hours and no view", At(2024, 6, 12, 20), KeyRules(office).permissions(0), 0x48);
        row("every reason", At(2024, 6, 12, 20), KeyRules(office).active(0).expiration("2024-06-12").permissions(0),
            0x6F);
    }

    void flags()
    {
        QFETCH(Clock::TimePoint, at);
        QFETCH(qorv::data::SecurityDescriptor, rules);
        QFETCH(quint64, flags);

        testsupport::ScopedClock clock(at);
        const qorv::data::DocumentKey documentKey = testsupport::DocumentKeyWith(rules);
        const qorv::data::FolderKey folderKey = testsupport::FolderKeyWith(rules);
        const DocumentKeyValidator documentKeyValidator(documentKey, zones());
        const FolderKeyValidator folderKeyValidator(folderKey, zones());
        QCOMPARE(QString::number(documentKeyValidator.getFlags(), 16), QString::number(flags, 16));
        QCOMPARE(QString::number(folderKeyValidator.getFlags(), 16), QString::number(flags, 16));
    }

    // A key without any descriptor: switched off, in no month or weekday, no
    // expiration date that could be read, no view permission; no daily hours.
    void keyWithoutDescriptor()
    {
        testsupport::ScopedClock clock(WednesdayMorning);
        const qorv::data::DocumentKey documentKey;
        const qorv::data::FolderKey folderKey;
        QCOMPARE(DocumentKeyValidator(documentKey, zones()).getFlags(), quint64(0x67));
        QCOMPARE(FolderKeyValidator(folderKey, zones()).getFlags(), quint64(0x67));
    }

    // Folder keys know only view (bit 0) and search (bit 6).
    void folderKeyWithSearchOnly()
    {
        testsupport::ScopedClock clock(WednesdayMorning);
        const qorv::data::FolderKey folderKey = testsupport::FolderKeyWith(KeyRules().permissions(0x40).descriptor());
        QCOMPARE(FolderKeyValidator(folderKey, zones()).getFlags(), quint64(0x40));
    }

    // The flags are those of the moment of construction.
    void flagsDoNotFollowTheClock()
    {
        testsupport::ScopedClock clock(At(2024, 6, 12, 6));
        const qorv::data::DocumentKey documentKey =
            testsupport::DocumentKeyWith(KeyRules().hours("Europe/Berlin", "08:00:00", "17:00:00").descriptor());
        const DocumentKeyValidator validator(documentKey, zones());
        clock.set(At(2024, 6, 12, 20));
        QCOMPARE(validator.getFlags(), quint64(0));
        QCOMPARE(DocumentKeyValidator(documentKey, zones()).getFlags(), quint64(0x08));
    }
};

QTEST_GUILESS_MAIN(TestKeyValidator)
#include "tst_keyvalidator.moc"
