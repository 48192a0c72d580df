#include "acelogcapture.h"
#include "userreader.h"
#include "userwriter.h"

#include "user3.pb.h"

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

// Which of the user's name fields are present, and with what.
struct Names
{
    const char *first;
    const char *middle;
    const char *last;
};

qorv::data::User WithNames(const Names &names)
{
    qorv::data::User user;
    if (names.first)
        user.set_user_first_name(names.first);
    if (names.middle)
        user.set_user_middle_name(names.middle);
    if (names.last)
        user.set_user_last_name(names.last);
    return user;
}
}

Q_DECLARE_METATYPE(Names)

class TestUserRecords : public QObject
{
    Q_OBJECT

private slots:
    void fieldsAsStored()
    {
        qorv::data::User user;
        user.set_user_id(5);
        user.set_user_group_id(2);
        user.set_user_name("asmith");
        user.set_user_first_name("Anna");
        user.set_user_last_name("Smith");
        user.set_user_description("Sales");
        user.set_user_email_address("anna@example.com");
        user.set_user_properties(6);
        user.set_user_creation_date("2024-03-05 14:07:09.250000");
        const UserReader reader(user);
        QCOMPARE(&static_cast<const qorv::data::User &>(reader), &user);
        QCOMPARE(static_cast<int>(reader.id()), 5);
        QCOMPARE(static_cast<int>(reader.groupId()), 2);
        QCOMPARE(Q(reader.userName()), QString("asmith"));
        QCOMPARE(Q(reader.firstName()), QString("Anna"));
        QCOMPARE(Q(reader.lastName()), QString("Smith"));
        QVERIFY(reader.middleName().empty());
        QCOMPARE(Q(reader.description()), QString("Sales"));
        QCOMPARE(Q(reader.emailAddress()), QString("anna@example.com"));
        QCOMPARE(reader.properties(), 6u);
        QVERIFY(!reader.property(UserProxy::MultiFactorAuthentication));
        QVERIFY(reader.property(UserProxy::DocumentSharedNotifications));
        QVERIFY(reader.property(UserProxy::MessageReceivedNotifications));
        QCOMPARE(Q(reader.creationDate()), QString("20240305T140709.250000Z"));
        QCOMPARE(Q(reader.creationDateDisplay()), QString("2024-03-05 14:07:09.250000"));
    }

    void emptyRecord()
    {
        const qorv::data::User user;
        const UserReader reader(user);
        QCOMPARE(static_cast<int>(reader.id()), NullId);
        QVERIFY(reader.groupId().null());
        for (const std::string &text :
             {reader.userName(), reader.lastName(), reader.firstName(), reader.middleName(), reader.description(),
              reader.emailAddress(), reader.creationDate(), reader.creationDateDisplay(), reader.displayName(),
              reader.displayNameAlphabetical()})
            QVERIFY(text.empty());
        QCOMPARE(reader.properties(), 0u);
        QVERIFY(!reader.property(UserProxy::DocumentSharedNotifications));
        QVERIFY(!reader.isValid());
    }

    void unreadableCreationDate()
    {
        qorv::data::User user;
        user.set_user_creation_date("2024-02-30 00:00:00");
        QVERIFY(UserReader(user).creationDate().empty());
        QVERIFY(UserReader(user).creationDateDisplay().empty());
    }

    void displayNames_data()
    {
        QTest::addColumn<Names>("names");
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QString>("sorting");
        QTest::newRow("first and last") << Names{"Anna", nullptr, "Smith"} << "Anna Smith"
                                        << "Smith, Anna";
        QTest::newRow("with middle name") << Names{"Anna", "Lee", "Smith"} << "Anna Lee Smith"
                                          << "Smith, Anna Lee";
        QTest::newRow("middle name present and empty") << Names{"Anna", "", "Smith"} << "Anna  Smith"
                                                       << "Smith, Anna ";
        QTest::newRow("first and last present and empty") << Names{"", nullptr, ""} << " "
                                                          << ", ";
        QTest::newRow("no last name") << Names{"Anna", "Lee", nullptr} << ""
                                      << "";
        QTest::newRow("no first name") << Names{nullptr, "Lee", "Smith"} << ""
                                       << "";
    }

    // Presence decides, not content.
    void displayNames()
    {
        QFETCH(Names, names);
        QFETCH(QString, reading);
        QFETCH(QString, sorting);
        const qorv::data::User user = WithNames(names);
        QCOMPARE(Q(UserReader(user).displayName()), reading);
        QCOMPARE(Q(UserReader(user).displayNameAlphabetical()), sorting);
    }

    void isValid_data()
    {
        QTest::addColumn<bool>("withGroup");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<bool>("valid");
        QTest::newRow("complete") << true << 5 << "Anna"
                                  << "Smith" << true;
        QTest::newRow("no group") << false << 5 << "Anna"
                                  << "Smith" << false;
        QTest::newRow("empty first name") << true << 5 << ""
                                          << "Smith" << false;
        QTest::newRow("empty last name") << true << 5 << "Anna"
                                         << "" << false;
        QTest::newRow("null id") << true << NullId << "Anna"
                                 << "Smith" << false;
        QTest::newRow("id 0 is an id") << true << 0 << "Anna"
                                       << "Smith" << true;
    }

    void isValid()
    {
        QFETCH(bool, withGroup);
        QFETCH(int, id);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(bool, valid);
        qorv::data::User user;
        user.set_user_id(id);
        if (withGroup)
            user.set_user_group_id(2);
        user.set_user_first_name(first.toStdString());
        user.set_user_last_name(last.toStdString());
        QCOMPARE(UserReader(user).isValid(), valid);
    }

    void writerSetsFields()
    {
        testsupport::AceLogCapture log;
        qorv::data::User user;
        UserWriter writer(user);
        writer.setId(5);
        writer.setGroupId(2);
        writer.setName("asmith");
        writer.setFirstName("Anna");
        writer.setLastName("Smith");
        writer.setMiddleName("");
        writer.setDescription("");
        writer.setEmailAddress("anna@example.com");
        QCOMPARE(user.user_id(), 5);
        QCOMPARE(user.user_group_id(), 2);
        QCOMPARE(Q(user.user_name()), QString("asmith"));
        QCOMPARE(Q(user.user_first_name()), QString("Anna"));
        QCOMPARE(Q(user.user_last_name()), QString("Smith"));
        QVERIFY(user.has_user_middle_name());
        QVERIFY(user.has_user_description());
        QCOMPARE(Q(user.user_email_address()), QString("anna@example.com"));
        QVERIFY(log.messages().isEmpty());
    }

    void writerProperties()
    {
        qorv::data::User user;
        UserWriter writer(user);
        writer.setProperty(UserProxy::MessageReceivedNotifications, true);
        QVERIFY(user.has_user_properties());
        QCOMPARE(user.user_properties(), 4u);
        writer.setProperty(UserProxy::MultiFactorAuthentication, true);
        writer.setProperty(UserProxy::MessageReceivedNotifications, false);
        QCOMPARE(user.user_properties(), 1u);
        writer.setProperties(0);
        QVERIFY(user.has_user_properties());
        QCOMPARE(user.user_properties(), 0u);
    }

    void writerRefusals_data()
    {
        QTest::addColumn<int>("setter");
        QTest::addColumn<QString>("assertion");
        QTest::newRow("null id") << 0 << "!dbId.null()";
        QTest::newRow("null group id") << 1 << "!dbId.null()";
        QTest::newRow("empty user name") << 2 << "!name.empty()";
        QTest::newRow("empty last name") << 3 << "!name.empty()";
        QTest::newRow("empty first name") << 4 << "!name.empty()";
        QTest::newRow("empty e-mail address") << 5 << "!address.empty()";
    }

    // The value is reported and not written: the field keeps its value.
    void writerRefusals()
    {
        QFETCH(int, setter);
        QFETCH(QString, assertion);
        qorv::data::User user;
        user.set_user_id(5);
        user.set_user_group_id(2);
        user.set_user_name("asmith");
        user.set_user_last_name("Smith");
        user.set_user_first_name("Anna");
        user.set_user_email_address("anna@example.com");
        const std::string before = user.SerializeAsString();

        testsupport::AceLogCapture log;
        UserWriter writer(user);
        switch (setter) {
        case 0:
            writer.setId(NullId);
            break;
        case 1:
            writer.setGroupId(NullId);
            break;
        case 2:
            writer.setName("");
            break;
        case 3:
            writer.setLastName("");
            break;
        case 4:
            writer.setFirstName("");
            break;
        case 5:
            writer.setEmailAddress("");
            break;
        default:
            QFAIL("no such setter");
        }
        QCOMPARE(user.SerializeAsString(), before);
        QCOMPARE(log.count("assertion failed for '" + assertion + "'"), 1);
        QCOMPARE(log.count("userwriter"), 1);
    }

    void refusedFieldStaysAbsent()
    {
        testsupport::AceLogCapture log;
        qorv::data::User user;
        UserWriter(user).setEmailAddress("");
        QVERIFY(!user.has_user_email_address());
        QCOMPARE(log.messages().size(), 1);
    }
};

QTEST_APPLESS_MAIN(TestUserRecords)
#include "tst_userrecords.moc"
