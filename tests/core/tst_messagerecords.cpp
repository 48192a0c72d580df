#include "messagereader.h"
#include "messagewriter.h"
#include "scopedclock.h"
#include "timezonedatabase.h"

#include <QtTest>

#include <chrono>
#include <limits>
#include <string>

namespace
{
constexpr int NullId = std::numeric_limits<int>::min();
constexpr int RootId = NullId + 1;

QString Q(const std::string &text)
{
    return QString::fromStdString(text);
}

qorv::data::User Person(const char *first, const char *middle, const char *last)
{
    qorv::data::User user;
    user.set_user_first_name(first);
    if (middle)
        user.set_user_middle_name(middle);
    user.set_user_last_name(last);
    return user;
}
}

class TestMessageRecords : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Only the text matters here: new messages start in the region that
        // was set at log-on, whether or not the table knows it (this test
        // loads no table, so the answer is false).
        static_cast<void>(TimeZoneDatabase::instance()->setDefaultTimeZone("Europe/Berlin"));
    }

    void emptyRecord()
    {
        const qorv::data::Message message;
        const MessageReader reader(message);
        QCOMPARE(&static_cast<const qorv::data::Message &>(reader), &message);
        QCOMPARE(reader.id(), NullId);
        QCOMPARE(reader.userId(), NullId);
        QCOMPARE(reader.parentId(), NullId);
        QCOMPARE(reader.parentRelation(), -1);
        QCOMPARE(reader.folderId(), 0);
        QCOMPARE(reader.bodyFormat(), 0);
        QCOMPARE(reader.properties(), 0u);
        QCOMPARE(reader.permissions(), 0u);
        QVERIFY(reader.messageUserIsSender());
        QVERIFY(!reader.messageUserIsRecipient());
        for (const std::string &text :
             {reader.subject(), reader.description(), reader.body(), reader.creationDate(), reader.modificationDate(),
              reader.creationDateDisplay(), reader.modificationDateDisplay(), reader.senderLastName(),
              reader.recipientFirstName(), reader.senderDisplayName(), reader.senderDisplayNameAlphabetical(),
              reader.recipientDisplayName(), reader.recipientDisplayNameAlphabetical()})
            QVERIFY(text.empty());
        for (unsigned int bit = 0; bit < 32; ++bit)
            QVERIFY(!reader.permission(static_cast<MessageProxy::Permission>(bit)));
        QCOMPARE(reader.sender().ByteSizeLong(), size_t(0));
        QCOMPARE(reader.recipient().ByteSizeLong(), size_t(0));
        QCOMPARE(reader.senderFolderId(), NullId);
        QCOMPARE(reader.recipientMessageFolderId(), NullId);
        QVERIFY(!reader.isValid());
    }

    void fieldsAsStored()
    {
        qorv::data::Message message;
        message.set_message_id(11);
        message.set_message_user_id(5);
        message.set_message_parent_id(10);
        message.set_message_parent_relation(qorv::data::Message::PARENT_RELATION_FORWARD);
        message.set_message_subject("Plan");
        message.set_message_body("<p>Hi</p>");
        message.set_message_properties(2);
        message.set_message_body_format(0);
        message.mutable_message_security_descriptor()->set_permissions(1u << 8 | 1u);
        *message.mutable_message_sender() = Person("Anna", nullptr, "Smith");
        message.mutable_message_sender()->set_user_folder_id(100);
        message.mutable_message_sender()->set_user_message_folder_id(101);
        message.mutable_message_recipient()->set_user_folder_id(200);
        message.mutable_message_recipient()->set_user_message_folder_id(201);
        const MessageReader reader(message);
        QCOMPARE(reader.id(), 11);
        QCOMPARE(reader.userId(), 5);
        QCOMPARE(reader.parentId(), 10);
        QCOMPARE(reader.parentRelation(), 3);
        QCOMPARE(Q(reader.subject()), QString("Plan"));
        QCOMPARE(Q(reader.body()), QString("<p>Hi</p>"));
        QCOMPARE(reader.properties(), 2u);
        QCOMPARE(reader.permissions(), 0x101u);
        QVERIFY(reader.permission(MessageProxy::View));
        QVERIFY(reader.permission(MessageProxy::Reply));
        QVERIFY(!reader.permission(MessageProxy::Forward));
        QCOMPARE(reader.sender().SerializeAsString(), message.message_sender().SerializeAsString());
        QCOMPARE(reader.senderFolderId(), 100);
        QCOMPARE(reader.senderMessageFolderId(), 101);
        QCOMPARE(reader.recipientFolderId(), 200);
        QCOMPARE(reader.recipientMessageFolderId(), 201);
        QVERIFY(reader.isValid());
    }

    void dates_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("iso");
        QTest::addColumn<QString>("display");
        QTest::newRow("database form") << "2024-03-05 14:07:09"
                                       << "20240305T140709Z"
                                       << "2024-03-05 14:07:09";
        QTest::newRow("fraction") << "2024-03-05 14:07:09.250000"
                                  << "20240305T140709.250000Z"
                                  << "2024-03-05 14:07:09.250000";
        QTest::newRow("unreadable") << "2024-02-30 00:00:00"
                                    << ""
                                    << "";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
    }

    // Shown in UTC; the record keeps its text whatever the reader makes of it.
    void dates()
    {
        QFETCH(QString, stored);
        QFETCH(QString, iso);
        QFETCH(QString, display);
        qorv::data::Message message;
        message.set_message_creation_date(stored.toStdString());
        message.set_message_modification_date(stored.toStdString());
        const MessageReader reader(message);
        QCOMPARE(Q(reader.creationDate()), iso);
        QCOMPARE(Q(reader.modificationDate()), iso);
        QCOMPARE(Q(reader.creationDateDisplay()), display);
        QCOMPARE(Q(reader.modificationDateDisplay()), display);
        QCOMPARE(Q(message.message_creation_date()), stored);
    }

    void displayNames_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("middle");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QString>("sorting");
        QTest::newRow("no middle name") << "Anna"
                                        << ""
                                        << "Smith"
                                        << "Anna Smith"
                                        << "Smith, Anna";
        QTest::newRow("middle name") << "Anna"
                                     << "Lee"
                                     << "Smith"
                                     << "Anna Lee Smith"
                                     << "Smith, Anna Lee";
        QTest::newRow("no first name") << ""
                                       << "Lee"
                                       << "Smith"
                                       << ""
                                       << "";
        QTest::newRow("no last name") << "Anna"
                                      << "Lee"
                                      << ""
                                      << ""
                                      << "";
        QTest::newRow("percent sign") << "100%"
                                      << ""
                                      << "%1%"
                                      << "100% %1%"
                                      << "%1%, 100%";
    }

    void displayNames()
    {
        QFETCH(QString, first);
        QFETCH(QString, middle);
        QFETCH(QString, last);
        QFETCH(QString, reading);
        QFETCH(QString, sorting);
        const std::string middleName = middle.toStdString();
        qorv::data::Message message;
        *message.mutable_message_sender() =
            Person(first.toUtf8().constData(), middleName.c_str(), last.toUtf8().constData());
        *message.mutable_message_recipient() = message.message_sender();
        const MessageReader reader(message);
        QCOMPARE(Q(reader.senderDisplayName()), reading);
        QCOMPARE(Q(reader.senderDisplayNameAlphabetical()), sorting);
        QCOMPARE(Q(reader.recipientDisplayName()), reading);
        QCOMPARE(Q(reader.recipientDisplayNameAlphabetical()), sorting);
    }

    void folderBySide_data()
    {
        QTest::addColumn<bool>("sidePresent");
        QTest::addColumn<bool>("recipient");
        QTest::addColumn<int>("folderId");
        QTest::newRow("sender, side absent") << false << false << 7;
        QTest::newRow("sender") << true << false << 7;
        QTest::newRow("recipient") << true << true << 8;
    }

    void folderBySide()
    {
        QFETCH(bool, sidePresent);
        QFETCH(bool, recipient);
        QFETCH(int, folderId);
        qorv::data::Message message;
        if (sidePresent)
            message.set_message_user_is_recipient(recipient);
        message.set_message_folder_id(7);
        message.set_message_user_message_folder_id(8);
        QCOMPARE(MessageReader(message).folderId(), folderId);
        QCOMPARE(MessageReader(message).messageUserIsRecipient(), recipient);

        // The writer changes the folder of the same side only.
        MessageWriter(message).setFolderId(9);
        QCOMPARE(MessageReader(message).folderId(), 9);
        QCOMPARE(message.message_folder_id(), recipient ? 7 : 9);
        QCOMPARE(message.message_user_message_folder_id(), recipient ? 9 : 8);
    }

    void isValid_data()
    {
        QTest::addColumn<bool>("withId");
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("withParent");
        QTest::addColumn<int>("parent");
        QTest::addColumn<bool>("withUser");
        QTest::addColumn<int>("user");
        QTest::addColumn<bool>("valid");
        QTest::newRow("all set") << true << 1 << true << RootId << true << 5 << true;
        QTest::newRow("zero ids are ids") << true << 0 << true << 0 << true << 0 << true;
        QTest::newRow("null id") << true << NullId << true << RootId << true << 5 << false;
        QTest::newRow("null parent") << true << 1 << true << NullId << true << 5 << false;
        QTest::newRow("null user") << true << 1 << true << RootId << true << NullId << false;
        QTest::newRow("absent id") << false << 0 << true << RootId << true << 5 << false;
        QTest::newRow("absent parent") << true << 1 << false << 0 << true << 5 << false;
        QTest::newRow("absent user") << true << 1 << true << RootId << false << 0 << false;
    }

    void isValid()
    {
        QFETCH(bool, withId);
        QFETCH(int, id);
        QFETCH(bool, withParent);
        QFETCH(int, parent);
        QFETCH(bool, withUser);
        QFETCH(int, user);
        QFETCH(bool, valid);
        qorv::data::Message message;
        if (withId)
            message.set_message_id(id);
        if (withParent)
            message.set_message_parent_id(parent);
        if (withUser)
            message.set_message_user_id(user);
        QCOMPARE(MessageReader(message).isValid(), valid);
    }

    void defaultsOfANewMessage()
    {
        testsupport::ScopedClock clock(testsupport::UtcInstant(2024, 3, 5, 14, 7, 9) + std::chrono::microseconds(5));
        qorv::data::Message message;
        MessageWriter writer(message);

        QCOMPARE(message.message_id(), NullId);
        QCOMPARE(message.message_user_id(), NullId);
        QVERIFY(message.has_message_folder_id());
        QCOMPARE(message.message_folder_id(), NullId);
        QVERIFY(!message.has_message_user_message_folder_id());
        QCOMPARE(message.message_parent_id(), RootId);
        QVERIFY(message.has_message_parent_relation());
        QCOMPARE(message.message_parent_relation(), 0);
        QVERIFY(message.has_message_subject() && message.message_subject().empty());
        QVERIFY(message.has_message_description() && message.message_description().empty());
        QVERIFY(message.has_message_properties());
        QCOMPARE(message.message_properties(), 0u);
        QCOMPARE(Q(message.message_creation_date()), QString("2024-03-05 14:07:09.000005"));
        QCOMPARE(Q(message.message_modification_date()), QString("2024-03-05 14:07:09.000005"));
        QVERIFY(message.has_message_body() && message.message_body().empty());
        QVERIFY(message.has_message_body_format());
        QCOMPARE(message.message_body_format(), int(MessageProxy::HtmlFormat));

        const qorv::data::SecurityDescriptor &descriptor = message.message_security_descriptor();
        QCOMPARE(descriptor.active(), 1u);
        QCOMPARE(Q(descriptor.active_region()), QString("Europe/Berlin"));
        QCOMPARE(Q(descriptor.active_from()), QString("00:00:00"));
        QCOMPARE(Q(descriptor.active_to()), QString("00:00:00"));
        QVERIFY(descriptor.has_audits() && descriptor.audits() == 0);
        QVERIFY(descriptor.has_password() && descriptor.password().empty());
        QVERIFY(descriptor.has_permissions() && descriptor.permissions() == 0);
        QVERIFY(descriptor.has_session_duration() && descriptor.session_duration() == 0);
        QCOMPARE(Q(descriptor.expiration_date()), QString("9999-12-31 00:00:00"));
        QVERIFY(descriptor.has_expiration_action() && descriptor.expiration_action() == 0);

        // Untouched by the defaults.
        QVERIFY(!message.has_message_sender());
        QVERIFY(!message.has_message_recipient());
        QVERIFY(!message.has_message_user_is_recipient());
        QVERIFY(!message.has_message_user_message_id());
        QVERIFY(!message.has_message_user_user_id());
        QVERIFY(!message.has_message_user_field());
        QVERIFY(!message.has_message_chain_cache());
        // No ids yet: the server gives them.
        QVERIFY(!MessageReader(message).isValid());
    }

    void receivedCopyWithoutFolder()
    {
        qorv::data::Message message;
        message.set_message_user_is_recipient(true);
        MessageWriter writer(message);
        QVERIFY(!message.has_message_folder_id());
        QCOMPARE(message.message_user_message_folder_id(), NullId);
    }

    // A present field keeps its value, however empty; so a message made
    // inactive stays inactive.
    void presentFieldsAreKept()
    {
        qorv::data::Message message;
        message.set_message_subject("");
        message.set_message_user_message_folder_id(4);
        message.set_message_creation_date("2020-01-01 00:00:00");
        message.set_message_parent_relation(qorv::data::Message::PARENT_RELATION_REPLY);
        message.mutable_message_security_descriptor()->set_active(0);
        message.mutable_message_security_descriptor()->set_active_region("Asia/Tokyo");
        MessageWriter writer(message);
        QVERIFY(message.message_subject().empty());
        QVERIFY(!message.has_message_folder_id());
        QCOMPARE(message.message_user_message_folder_id(), 4);
        QCOMPARE(Q(message.message_creation_date()), QString("2020-01-01 00:00:00"));
        QVERIFY(message.has_message_modification_date());
        QCOMPARE(message.message_parent_relation(), 1);
        QVERIFY(message.message_security_descriptor().has_active());
        QCOMPARE(message.message_security_descriptor().active(), 0u);
        QCOMPARE(Q(message.message_security_descriptor().active_region()), QString("Asia/Tokyo"));
    }

    void senderFromUser()
    {
        qorv::data::User anna = Person("Anna", nullptr, "Smith");
        anna.set_user_id(5);
        qorv::data::Message message;
        MessageWriter writer(message, anna);
        QCOMPARE(message.message_sender().SerializeAsString(), anna.SerializeAsString());
        QCOMPARE(message.message_user_id(), 5);
        QCOMPARE(Q(MessageReader(message).senderDisplayName()), QString("Anna Smith"));
        QVERIFY(message.has_message_security_descriptor());
    }

    void senderReplacedUserIdKept()
    {
        qorv::data::Message message;
        message.mutable_message_sender()->set_user_id(3);
        message.mutable_message_sender()->set_user_middle_name("Old");
        message.set_message_user_id(3);
        qorv::data::User anna = Person("Anna", nullptr, "Smith");
        anna.set_user_id(5);
        MessageWriter writer(message, anna);
        QCOMPARE(message.message_sender().SerializeAsString(), anna.SerializeAsString());
        QCOMPARE(message.message_user_id(), 3);

        // A user without id gives 0, not the null id.
        qorv::data::Message other;
        MessageWriter second(other, qorv::data::User());
        QVERIFY(other.has_message_sender());
        QCOMPARE(other.message_user_id(), 0);
    }

    void setters()
    {
        qorv::data::Message message;
        MessageWriter writer(message);
        writer.setId(11);
        writer.setUserId(5);
        writer.setParentId(10);
        writer.setParentRelation(qorv::data::Message::PARENT_RELATION_REPLY_ALL);
        writer.setSubject("Plan");
        writer.setDescription("Draft");
        writer.setBody("<p>Hi</p>");
        writer.setProperties(-1);
        writer.setCreationDate("anything");
        writer.setModificationDate("2024-03-05T14:07:09Z");
        writer.setBodyFormat(MessageProxy::HtmlFormat);
        writer.setPermissions(0x7FF);
        writer.setPermission(MessageProxy::Forward, false);
        writer.setAudits(3);
        writer.setExpirationAction(0);
        writer.setSessionDuration(900);
        writer.setPassword("AB12");
        writer.setExpirationDate("2030-01-01T00:00:00");
        writer.setActiveFrom("08:00:00");
        writer.setActiveTo("17:00:00");
        writer.setActiveRegion("Asia/Tokyo");
        writer.setActive(false);

        const MessageReader reader(message);
        QVERIFY(reader.isValid());
        QCOMPARE(reader.parentRelation(), 2);
        QCOMPARE(Q(reader.subject()), QString("Plan"));
        QCOMPARE(Q(reader.description()), QString("Draft"));
        QCOMPARE(reader.properties(), 0xFFFFFFFFu);
        QCOMPARE(Q(message.message_creation_date()), QString("anything"));
        QCOMPARE(Q(message.message_modification_date()), QString("2024-03-05T14:07:09Z"));
        QCOMPARE(reader.permissions(), 0x3FFu);
        const qorv::data::SecurityDescriptor &descriptor = message.message_security_descriptor();
        QCOMPARE(descriptor.audits(), 3u);
        QCOMPARE(descriptor.session_duration(), 900);
        QCOMPARE(Q(descriptor.password()), QString("AB12"));
        QCOMPARE(Q(descriptor.expiration_date()), QString("2030-01-01T00:00:00"));
        QCOMPARE(Q(descriptor.active_region()), QString("Asia/Tokyo"));
        QVERIFY(descriptor.has_active());
        QCOMPARE(descriptor.active(), 0u);
    }

    void bitSettersCreateTheDescriptor()
    {
        qorv::data::Message message;
        MessageWriter writer(message);
        message.clear_message_security_descriptor_enum();
        writer.setPermission(MessageProxy::Print, true);
        QCOMPARE(message.message_security_descriptor().permissions(), 1u << 6);
        QVERIFY(!message.message_security_descriptor().has_active());
        message.clear_message_security_descriptor_enum();
        writer.setActive(true);
        QCOMPARE(message.message_security_descriptor().active(), 1u);
        // Other active bits are kept.
        message.mutable_message_security_descriptor()->set_active(0xFFFFF);
        writer.setActive(false);
        QCOMPARE(message.message_security_descriptor().active(), 0xFFFFEu);
    }

    void assignmentCopiesTheWholeMessage()
    {
        qorv::data::Message source;
        source.set_message_subject("Copy me");
        source.set_message_user_is_recipient(true);
        qorv::data::Message target;
        MessageWriter writer(target);
        writer = MessageReader(source);
        QCOMPARE(target.SerializeAsString(), source.SerializeAsString());
        writer = MessageReader(target);
        QCOMPARE(target.SerializeAsString(), source.SerializeAsString());
    }
};

QTEST_APPLESS_MAIN(TestMessageRecords)
#include "tst_messagerecords.moc"
