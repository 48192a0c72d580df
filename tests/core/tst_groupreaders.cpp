#include "acelogcapture.h"
#include "groupkeyreader.h"
#include "groupreader.h"

#include "group3.pb.h"
#include "groupkey3.pb.h"

#include <QRegularExpression>
#include <QtTest>

#include <limits>
#include <string>

namespace
{
constexpr int NullId = std::numeric_limits<int>::min();

QString Q(const std::string &text)
{
    return QString::fromStdString(text);
}

qorv::data::GroupKey SalesMembership()
{
    qorv::data::GroupKey key;
    key.mutable_group_key_group()->set_group_id(42);
    key.mutable_group_key_group()->set_group_name("Sales");
    qorv::data::User *member = key.mutable_group_key_user();
    member->set_user_id(5);
    member->set_user_first_name("Ann");
    member->set_user_last_name("Lee");
    key.set_group_key_description("Regional");
    key.set_group_key_creation_date("2024-03-05 14:07:09.250000");
    return key;
}
}

class TestGroupReaders : public QObject
{
    Q_OBJECT

private slots:
    void groupKeyFields()
    {
        const qorv::data::GroupKey key = SalesMembership();
        const GroupKeyReader reader(key);
        QCOMPARE(&static_cast<const qorv::data::GroupKey &>(reader), &key);
        QCOMPARE(reader.groupId(), 42);
        QCOMPARE(Q(reader.groupName()), QString("Sales"));
        QCOMPARE(reader.userId(), 5);
        QCOMPARE(Q(reader.userFirstName()), QString("Ann"));
        QCOMPARE(Q(reader.userLastName()), QString("Lee"));
        QVERIFY(reader.userMiddleName().empty());
        QCOMPARE(Q(reader.userDisplayName()), QString("Ann Lee"));
        QCOMPARE(Q(reader.userDisplayNameAlphabetical()), QString("Lee, Ann"));
        QCOMPARE(Q(reader.description()), QString("Regional"));
        QCOMPARE(Q(reader.creationDate()), QString("2024-03-05 14:07:09.250000"));
        QCOMPARE(Q(reader.creationDateDisplay()), QString("2024-03-05"));
    }

    void groupKeyWithoutFields()
    {
        const qorv::data::GroupKey key;
        const GroupKeyReader reader(key);
        QCOMPARE(reader.groupId(), NullId);
        QCOMPARE(reader.userId(), NullId);
        QVERIFY(reader.groupName().empty());
        QVERIFY(reader.description().empty());
        QVERIFY(reader.creationDate().empty());
        QVERIFY(reader.creationDateDisplay().empty());
        QVERIFY(reader.userDisplayName().empty());
        QVERIFY(reader.userDisplayNameAlphabetical().empty());
    }

    void groupKeyDisplayNames_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("middle");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QString>("sorting");
        QTest::newRow("first and last") << "Ann"
                                        << ""
                                        << "Lee"
                                        << "Ann Lee"
                                        << "Lee, Ann";
        QTest::newRow("all three") << "Ann"
                                   << "B."
                                   << "Lee"
                                   << "Ann B. Lee"
                                   << "Lee, Ann B.";
        QTest::newRow("first only") << "Ann"
                                    << ""
                                    << ""
                                    << ""
                                    << "";
        QTest::newRow("last and middle") << ""
                                         << "B."
                                         << "Lee"
                                         << ""
                                         << "";
    }

    void groupKeyDisplayNames()
    {
        QFETCH(QString, first);
        QFETCH(QString, middle);
        QFETCH(QString, last);
        QFETCH(QString, reading);
        QFETCH(QString, sorting);
        qorv::data::GroupKey key;
        key.mutable_group_key_user()->set_user_first_name(first.toStdString());
        key.mutable_group_key_user()->set_user_middle_name(middle.toStdString());
        key.mutable_group_key_user()->set_user_last_name(last.toStdString());
        QCOMPARE(Q(GroupKeyReader(key).userDisplayName()), reading);
        QCOMPARE(Q(GroupKeyReader(key).userDisplayNameAlphabetical()), sorting);
    }

    void groupKeyCreationDateDisplay_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("warned");
        QTest::newRow("database form") << "2024-03-05 14:07:09.250000"
                                       << "2024-03-05" << false;
        QTest::newRow("date only") << "2024-03-05"
                                   << "2024-03-05" << false;
        QTest::newRow("slashes") << "2024/3/5"
                                 << "2024-03-05" << false;
        QTest::newRow("month name") << "2024-Mar-05 14:07:09"
                                    << "2024-03-05" << false;
        QTest::newRow("long month name") << "2024-September-05"
                                         << "2024-09-05" << false;
        QTest::newRow("four-digit day") << "2024-03-0005"
                                        << "2024-03-05" << false;
        // Only the date counts, never converted: late in the UTC day stays
        // on that day.
        QTest::newRow("late in the day") << "2024-12-31 23:59:59"
                                         << "2024-12-31" << false;
        QTest::newRow("empty") << ""
                               << "" << false;
        // Unreadable texts from the server: the empty text and one warning.
        QTest::newRow("impossible date") << "2024-02-30 00:00:00"
                                         << "" << true;
        QTest::newRow("not a date") << "yesterday"
                                    << "" << true;
        QTest::newRow("before the calendar") << "1399-12-31"
                                             << "" << true;
        QTest::newRow("non-digits in the month") << "2024-0x-05"
                                                 << "" << true;
        // Fields of five characters or more never reach the date library,
        // whose number reader overflows inside on some of them.
        QTest::newRow("overflowing year") << "10111111111111111111111111111)11111111111"
                                          << "" << true;
        QTest::newRow("overflowing month") << "2024-1)11111111111-05"
                                           << "" << true;
        QTest::newRow("overflowing day") << "2024-03-1)11111111111"
                                         << "" << true;
        QTest::newRow("five-digit year") << "20240-03-05"
                                         << "" << true;
        QTest::newRow("five-digit day") << "2024-03-00005"
                                        << "" << true;
        QTest::newRow("signed year") << "+2024-03-05"
                                     << "" << true;
    }

    void groupKeyCreationDateDisplay()
    {
        QFETCH(QString, date);
        QFETCH(QString, text);
        QFETCH(bool, warned);
        testsupport::AceLogCapture log;
        if (warned)
            QTest::ignoreMessage(QtWarningMsg, "GroupKeyReader: unreadable creation date!");
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        qorv::data::GroupKey key;
        key.set_group_key_creation_date(date.toStdString());
        QCOMPARE(Q(GroupKeyReader(key).creationDateDisplay()), text);
        QCOMPARE(log.count("assertion failed"), 0);
    }

    void groupKeyEquality_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<bool>("equal");
        QTest::newRow("same") << 0 << true;
        QTest::newRow("creation date") << 1 << true;
        QTest::newRow("group id") << 2 << false;
        QTest::newRow("group name") << 3 << false;
        QTest::newRow("member") << 4 << false;
        QTest::newRow("member's middle name") << 5 << false;
        QTest::newRow("description") << 6 << false;
        QTest::newRow("properties") << 7 << true;
    }

    void groupKeyEquality()
    {
        QFETCH(int, change);
        QFETCH(bool, equal);
        const qorv::data::GroupKey left = SalesMembership();
        qorv::data::GroupKey right = SalesMembership();
        switch (change) {
        case 1:
            right.set_group_key_creation_date("2020-01-01 00:00:00");
            break;
        case 2:
            right.mutable_group_key_group()->set_group_id(43);
            break;
        case 3:
            right.mutable_group_key_group()->set_group_name("Marketing");
            break;
        case 4:
            right.mutable_group_key_user()->set_user_id(6);
            break;
        case 5:
            right.mutable_group_key_user()->set_user_middle_name("B.");
            break;
        case 6:
            right.clear_group_key_description_enum();
            break;
        case 7:
            right.set_group_key_properties(3);
            break;
        default:
            break;
        }
        QCOMPARE(GroupKeyReader(left) == GroupKeyReader(right), equal);
        QCOMPARE(GroupKeyReader(left) != GroupKeyReader(right), !equal);
    }

    void groupFields()
    {
        qorv::data::Group group;
        group.set_group_id(42);
        group.set_group_name("Sales");
        group.set_group_description("Regional sales");
        group.set_group_properties(5);
        group.set_group_creation_date("2024-03-05 14:07:09");
        const GroupReader reader(group);
        QCOMPARE(&static_cast<const qorv::data::Group &>(reader), &group);
        QCOMPARE(static_cast<int>(reader.id()), 42);
        QCOMPARE(Q(reader.name()), QString("Sales"));
        QCOMPARE(Q(reader.description()), QString("Regional sales"));
        QCOMPARE(reader.properties(), 5u);
        QVERIFY(reader.property(static_cast<GroupProxy::Property>(2)));
        QVERIFY(!reader.property(static_cast<GroupProxy::Property>(1)));
    }

    void groupWithoutFields()
    {
        const qorv::data::Group group;
        const GroupReader reader(group);
        QVERIFY(reader.id().null());
        QVERIFY(reader.name().empty());
        QVERIFY(reader.description().empty());
        QCOMPARE(reader.properties(), 0u);
        for (unsigned int position = 0; position < 32; ++position)
            QVERIFY(!reader.property(static_cast<GroupProxy::Property>(position)));
        QVERIFY(reader.creationDate().empty());
        QVERIFY(reader.creationDateDisplay().empty());
    }

    void groupDates_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("iso");
        QTest::addColumn<QString>("display");
        QTest::newRow("whole seconds") << "2024-03-05 14:07:09"
                                       << "20240305T140709Z"
                                       << "2024-03-05 14:07:09";
        QTest::newRow("fraction") << "2024-03-05 14:07:09.250000"
                                  << "20240305T140709.250000Z"
                                  << "2024-03-05 14:07:09.250000";
        QTest::newRow("impossible date") << "2024-02-30 00:00:00"
                                         << ""
                                         << "";
        QTest::newRow("present but empty") << ""
                                           << ""
                                           << "";
    }

    // Shown in UTC, whatever the machine's zone.
    void groupDates()
    {
        QFETCH(QString, date);
        QFETCH(QString, iso);
        QFETCH(QString, display);
        qorv::data::Group group;
        group.set_group_creation_date(date.toStdString());
        QCOMPARE(Q(GroupReader(group).creationDate()), iso);
        QCOMPARE(Q(GroupReader(group).creationDateDisplay()), display);
    }
};

QTEST_APPLESS_MAIN(TestGroupReaders)
#include "tst_groupreaders.moc"
