#include "acelogcapture.h"
#include "documentkeyreader.h"
#include "folderkeyreader.h"

#include "documentkey3.pb.h"
#include "folderkey3.pb.h"

#include <QRegularExpression>
#include <QtTest>

#include <functional>
#include <limits>
#include <string>

// The machine-local dates below assume the zone that CMake gives this test:
// CET, UTC+1 in winter and UTC+2 in summer.

namespace
{
constexpr int NullId = std::numeric_limits<int>::min();

QString Q(const std::string &text)
{
    return QString::fromStdString(text);
}

qorv::data::DocumentKey FullDocumentKey()
{
    qorv::data::DocumentKey key;
    key.mutable_document_key_document()->set_document_id(17);
    key.mutable_document_key_document()->set_document_name("Budget");
    qorv::data::User *user = key.mutable_document_key_user();
    user->set_user_id(5);
    user->set_user_first_name("Ann");
    user->set_user_middle_name("B.");
    user->set_user_last_name("Lee");
    qorv::data::User *owner = key.mutable_document_key_owner();
    owner->set_user_id(6);
    owner->set_user_first_name("Carl");
    owner->set_user_last_name("Moe");
    key.set_document_key_description("For the audit");
    key.set_document_key_properties(1);
    key.set_document_key_document_revision("2024-03-05 14:07:09");
    key.set_document_key_creation_date("2024-01-10 08:00:00");
    qorv::data::SecurityDescriptor *descriptor = key.mutable_document_key_security_descriptor();
    descriptor->set_active(0xFFFFF);
    descriptor->set_active_region("Europe/Berlin");
    descriptor->set_active_from("08:00:00");
    descriptor->set_active_to("17:00:00");
    descriptor->set_audits(0);
    descriptor->set_password("AB12");
    descriptor->set_permissions(0xFFF);
    descriptor->set_session_duration(3600);
    descriptor->set_expiration_date("2025-06-30 12:00:00");
    descriptor->set_expiration_action(0);
    key.set_document_key_security_descriptor_password_length(4);
    return key;
}

qorv::data::FolderKey FullFolderKey()
{
    qorv::data::FolderKey key;
    key.mutable_folder_key_folder()->set_folder_id(23);
    key.mutable_folder_key_folder()->set_folder_name("Reports");
    qorv::data::User *user = key.mutable_folder_key_user();
    user->set_user_id(5);
    user->set_user_first_name("Ann");
    user->set_user_last_name("Lee");
    key.mutable_folder_key_owner()->set_user_id(6);
    key.set_folder_key_description("Quarterly");
    key.set_folder_key_creation_date("2024-01-10 08:00:00");
    qorv::data::SecurityDescriptor *descriptor = key.mutable_folder_key_security_descriptor();
    descriptor->set_active(0xFFFFF);
    descriptor->set_active_region("Europe/Berlin");
    descriptor->set_active_from("08:00:00");
    descriptor->set_active_to("17:00:00");
    descriptor->set_password("AB12");
    descriptor->set_permissions(0x7F);
    descriptor->set_session_duration(7200);
    descriptor->set_expiration_date("2025-06-30 12:00:00");
    return key;
}

QByteArray ChangedDocumentKey(const std::function<void(qorv::data::DocumentKey &)> &change)
{
    qorv::data::DocumentKey key = FullDocumentKey();
    change(key);
    return QByteArray::fromStdString(key.SerializeAsString());
}

QByteArray ChangedFolderKey(const std::function<void(qorv::data::FolderKey &)> &change)
{
    qorv::data::FolderKey key = FullFolderKey();
    change(key);
    return QByteArray::fromStdString(key.SerializeAsString());
}

qorv::data::SecurityDescriptor &Descriptor(qorv::data::DocumentKey &key)
{
    return *key.mutable_document_key_security_descriptor();
}

qorv::data::SecurityDescriptor &Descriptor(qorv::data::FolderKey &key)
{
    return *key.mutable_folder_key_security_descriptor();
}

// The named month and weekday getters, January to December, then Sunday to
// Saturday: the active bits 1 to 19 in order.
QList<bool> NamedActiveBits(const DocumentKeyReader &reader)
{
    return {reader.activeDuringJanuary(), reader.activeDuringFebruary(), reader.activeDuringMarch(),
            reader.activeDuringApril(),   reader.activeDuringMay(),      reader.activeDuringJune(),
            reader.activeDuringJuly(),    reader.activeDuringAugust(),   reader.activeDuringSeptember(),
            reader.activeDuringOctober(), reader.activeDuringNovember(), reader.activeDuringDecember(),
            reader.activeOnSunday(),      reader.activeOnMonday(),       reader.activeOnTuesday(),
            reader.activeOnWednesday(),   reader.activeOnThursday(),     reader.activeOnFriday(),
            reader.activeOnSaturday()};
}

QList<bool> NamedActiveBits(const FolderKeyReader &reader)
{
    return {reader.activeDuringJanuary(), reader.activeDuringFebruary(), reader.activeDuringMarch(),
            reader.activeDuringApril(),   reader.activeDuringMay(),      reader.activeDuringJune(),
            reader.activeDuringJuly(),    reader.activeDuringAugust(),   reader.activeDuringSeptember(),
            reader.activeDuringOctober(), reader.activeDuringNovember(), reader.activeDuringDecember(),
            reader.activeOnSunday(),      reader.activeOnMonday(),       reader.activeOnTuesday(),
            reader.activeOnWednesday(),   reader.activeOnThursday(),     reader.activeOnFriday(),
            reader.activeOnSaturday()};
}
}

class TestKeyReaders : public QObject
{
    Q_OBJECT

private slots:
    void fieldsAsStored()
    {
        const qorv::data::DocumentKey key = FullDocumentKey();
        const DocumentKeyReader reader(key);
        QCOMPARE(&static_cast<const qorv::data::DocumentKey &>(reader), &key);
        QCOMPARE(reader.documentId(), 17);
        QCOMPARE(Q(reader.documentName()), QString("Budget"));
        QCOMPARE(reader.userId(), 5);
        QCOMPARE(Q(reader.userFirstName()), QString("Ann"));
        QCOMPARE(Q(reader.userMiddleName()), QString("B."));
        QCOMPARE(Q(reader.userLastName()), QString("Lee"));
        QCOMPARE(reader.ownerId(), 6);
        QCOMPARE(Q(reader.ownerDisplayName()), QString("Carl Moe"));
        QCOMPARE(Q(reader.ownerDisplayNameAlphabetical()), QString("Moe, Carl"));
        QCOMPARE(Q(reader.description()), QString("For the audit"));
        QCOMPARE(reader.properties(), 1u);
        QVERIFY(reader.property(DocumentKeyProxy::EmphasizeName));
        QCOMPARE(Q(reader.documentRevision()), QString("2024-03-05 14:07:09"));
        QCOMPARE(Q(reader.creationDate()), QString("2024-01-10 08:00:00"));
        QCOMPARE(Q(reader.activeRegion()), QString("Europe/Berlin"));
        QCOMPARE(Q(reader.activeFrom()), QString("08:00:00"));
        QCOMPARE(Q(reader.activeTo()), QString("17:00:00"));
        QCOMPARE(Q(reader.password()), QString("AB12"));
        QCOMPARE(reader.sessionDuration(), 3600);
        QCOMPARE(Q(reader.expirationDate()), QString("2025-06-30 12:00:00"));
        QVERIFY(reader.active(DocumentKeyProxy::ActiveStatus));
        QVERIFY(reader.permission(DocumentKeyProxy::Print));
        QVERIFY(!reader.inactive());
        QVERIFY(reader.documentRevisionValid());
    }

    // A reader reads the record at the moment of the call.
    void readsChangesInPlace()
    {
        qorv::data::DocumentKey key = FullDocumentKey();
        const DocumentKeyReader reader(key);
        key.set_document_key_description("Changed");
        key.clear_document_key_user();
        QCOMPARE(Q(reader.description()), QString("Changed"));
        QCOMPARE(reader.userId(), NullId);
    }

    void documentKeyWithoutFields()
    {
        const qorv::data::DocumentKey key;
        const DocumentKeyReader reader(key);
        QCOMPARE(reader.documentId(), NullId);
        QCOMPARE(reader.userId(), NullId);
        QCOMPARE(reader.ownerId(), NullId);
        QVERIFY(reader.documentName().empty());
        QVERIFY(reader.description().empty());
        QCOMPARE(reader.properties(), 0u);
        QCOMPARE(reader.sessionDuration(), 0);
        for (const std::string &text :
             {reader.password(), reader.activeRegion(), reader.activeFrom(), reader.activeTo(), reader.expirationDate(),
              reader.userDisplayName(), reader.userDisplayNameAlphabetical(), reader.activeHoursDisplay(),
              reader.sessionDurationDisplay(), reader.creationDateDisplay(), reader.expirationDateDisplay(),
              reader.documentRevisionDisplay(), reader.documentRevisionToolTip()})
            QVERIFY(text.empty());
        QVERIFY(!NamedActiveBits(reader).contains(true));
        QVERIFY(!reader.active(DocumentKeyProxy::ActiveStatus));
        QVERIFY(!reader.permission(DocumentKeyProxy::View));
        QVERIFY(!reader.audit(static_cast<DocumentKeyProxy::Audit>(1)));
        QVERIFY(!reader.expirationAction(DocumentKeyProxy::NoAction));
        QVERIFY(!reader.property(DocumentKeyProxy::EmphasizeName));
        QVERIFY(reader.noPermissions());
        QVERIFY(reader.inactive());
        QVERIFY(!reader.documentRevisionValid());
    }

    void folderKeyWithoutFields()
    {
        const qorv::data::FolderKey key;
        const FolderKeyReader reader(key);
        QCOMPARE(reader.folderId(), NullId);
        QVERIFY(reader.folderName().empty());
        QCOMPARE(reader.userId(), NullId);
        QCOMPARE(reader.ownerId(), NullId);
        QVERIFY(reader.expirationDateDisplay().empty());
        QVERIFY(!NamedActiveBits(reader).contains(true));
        QVERIFY(reader.noPermissions());
        QVERIFY(reader.inactive());
    }

    void namedActiveBits_data()
    {
        QTest::addColumn<int>("bit");
        for (int bit = 1; bit <= 19; ++bit)
            QTest::addRow("bit %d", bit) << bit;
    }

    void namedActiveBits()
    {
        QFETCH(int, bit);
        QList<bool> expected(19, false);
        expected[bit - 1] = true;

        qorv::data::DocumentKey documentKey;
        Descriptor(documentKey).set_active(1u << bit);
        QCOMPARE(NamedActiveBits(DocumentKeyReader(documentKey)), expected);

        qorv::data::FolderKey folderKey;
        Descriptor(folderKey).set_active(1u << bit);
        QCOMPARE(NamedActiveBits(FolderKeyReader(folderKey)), expected);
    }

    void displayNames_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("middle");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QString>("sorting");
        QTest::newRow("with middle name") << "Ann"
                                          << "B."
                                          << "Lee"
                                          << "Ann B. Lee"
                                          << "Lee, Ann B.";
        QTest::newRow("without middle name") << "Ann"
                                             << ""
                                             << "Lee"
                                             << "Ann Lee"
                                             << "Lee, Ann";
        QTest::newRow("no first name") << ""
                                       << "B."
                                       << "Lee"
                                       << ""
                                       << "";
        QTest::newRow("no last name") << "Ann"
                                      << "B."
                                      << ""
                                      << ""
                                      << "";
        QTest::newRow("blanks are names") << " "
                                          << ""
                                          << " "
                                          << "   "
                                          << " ,  ";
        QTest::newRow("percent signs are copied") << "%1%"
                                                  << "%2%"
                                                  << "50%"
                                                  << "%1% %2% 50%"
                                                  << "50%, %1% %2%";
    }

    void displayNames()
    {
        QFETCH(QString, first);
        QFETCH(QString, middle);
        QFETCH(QString, last);
        QFETCH(QString, reading);
        QFETCH(QString, sorting);

        qorv::data::DocumentKey documentKey;
        qorv::data::User *user = documentKey.mutable_document_key_user();
        user->set_user_first_name(first.toStdString());
        user->set_user_middle_name(middle.toStdString());
        user->set_user_last_name(last.toStdString());
        documentKey.mutable_document_key_owner()->CopyFrom(*user);
        const DocumentKeyReader documentReader(documentKey);
        QCOMPARE(Q(documentReader.userDisplayName()), reading);
        QCOMPARE(Q(documentReader.userDisplayNameAlphabetical()), sorting);
        QCOMPARE(Q(documentReader.ownerDisplayName()), reading);
        QCOMPARE(Q(documentReader.ownerDisplayNameAlphabetical()), sorting);

        qorv::data::FolderKey folderKey;
        folderKey.mutable_folder_key_user()->CopyFrom(*user);
        const FolderKeyReader folderReader(folderKey);
        QCOMPARE(Q(folderReader.userDisplayName()), reading);
        QCOMPARE(Q(folderReader.userDisplayNameAlphabetical()), sorting);
    }

    void sessionDurationDisplay_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("one hour") << 3600 << "1 hour";
        QTest::newRow("two hours") << 7200 << "2 hours";
        QTest::newRow("ninety minutes stay minutes") << 5400 << "90 minutes";
        QTest::newRow("ninety seconds") << 90 << "1 minute";
        QTest::newRow("one minute") << 60 << "1 minute";
        QTest::newRow("half a minute") << 30 << "0 minutes";
        QTest::newRow("one second") << 1 << "0 minutes";
        QTest::newRow("no limit") << 0 << "";
        QTest::newRow("negative") << -60 << "";
        QTest::newRow("a day") << 86400 << "24 hours";
    }

    void sessionDurationDisplay()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        qorv::data::DocumentKey documentKey;
        Descriptor(documentKey).set_session_duration(seconds);
        QCOMPARE(Q(DocumentKeyReader(documentKey).sessionDurationDisplay()), text);
        qorv::data::FolderKey folderKey;
        Descriptor(folderKey).set_session_duration(seconds);
        QCOMPARE(Q(FolderKeyReader(folderKey).sessionDurationDisplay()), text);
    }

    void activeHoursDisplay_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("text");
        QTest::newRow("office hours") << "08:00:00"
                                      << "17:00:00"
                                      << "08:00 AM - 05:00 PM";
        QTest::newRow("never reordered") << "17:00:00"
                                         << "08:00:00"
                                         << "05:00 PM - 08:00 AM";
        QTest::newRow("midnight and noon") << "00:30:00"
                                           << "12:00:00"
                                           << "12:30 AM - 12:00 PM";
        QTest::newRow("equal bounds") << "08:00:00"
                                      << "08:00:00"
                                      << "";
        QTest::newRow("no start") << ""
                                  << "17:00:00"
                                  << "";
        QTest::newRow("no end") << "08:00:00"
                                << ""
                                << "";
        QTest::newRow("both midnight") << "00:00:00"
                                       << "00:00:00"
                                       << "";
        // A bound that the server stores but no clock can show leaves its
        // side empty; the list that shows the key must not fall over it.
        QTest::newRow("start past the calendar") << "70200000"
                                                 << "17:00:00"
                                                 << " - 05:00 PM";
        QTest::newRow("end before the calendar") << "08:00:00"
                                                 << "-99999999"
                                                 << "08:00 AM - ";
        QTest::newRow("huge hours at both ends") << "99999999:00:00"
                                                 << "-99999999:00:00"
                                                 << " - ";
    }

    void activeHoursDisplay()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, text);
        const testsupport::AceLogCapture quiet; // unreadable times are reported there
        qorv::data::DocumentKey documentKey;
        Descriptor(documentKey).set_active_from(from.toStdString());
        Descriptor(documentKey).set_active_to(to.toStdString());
        QCOMPARE(Q(DocumentKeyReader(documentKey).activeHoursDisplay()), text);
        qorv::data::FolderKey folderKey;
        Descriptor(folderKey).set_active_from(from.toStdString());
        Descriptor(folderKey).set_active_to(to.toStdString());
        QCOMPARE(Q(FolderKeyReader(folderKey).activeHoursDisplay()), text);
    }

    void inactive_data()
    {
        QTest::addColumn<uint>("active");
        QTest::addColumn<uint>("permissions");
        QTest::addColumn<bool>("documentKeyInactive");
        QTest::addColumn<bool>("folderKeyInactive");
        QTest::addColumn<bool>("week");
        QTest::addColumn<bool>("year");
        // Switch, Monday (14) and March (3).
        const uint oneDayOneMonth = 1u | 1u << 14 | 1u << 3;
        QTest::newRow("no permission") << oneDayOneMonth << 0u << true << true << true << true;
        QTest::newRow("print only") << oneDayOneMonth << (1u << 11) << false << true << true << true;
        QTest::newRow("reserved bit only") << oneDayOneMonth << (1u << 3) << false << false << true << true;
        QTest::newRow("view only") << oneDayOneMonth << 1u << false << false << true << true;
        QTest::newRow("search only") << oneDayOneMonth << (1u << 6) << false << false << true << true;
        QTest::newRow("beyond every permission") << oneDayOneMonth << (1u << 12) << true << true << true << true;
        QTest::newRow("switched off") << 0xFFFFEu << 0xFFFu << true << true << true << true;
        QTest::newRow("no weekday") << (1u | 1u << 3) << 0xFFFu << true << true << false << true;
        QTest::newRow("no month") << (1u | 1u << 14) << 0xFFFu << true << true << true << false;
        QTest::newRow("everything") << 0xFFFFFu << 0xFFFu << false << false << true << true;
    }

    void inactive()
    {
        QFETCH(uint, active);
        QFETCH(uint, permissions);
        QFETCH(bool, documentKeyInactive);
        QFETCH(bool, folderKeyInactive);
        QFETCH(bool, week);
        QFETCH(bool, year);

        qorv::data::DocumentKey documentKey;
        Descriptor(documentKey).set_active(active);
        Descriptor(documentKey).set_permissions(permissions);
        const DocumentKeyReader documentReader(documentKey);
        QCOMPARE(documentReader.inactive(), documentKeyInactive);
        QCOMPARE(documentReader.activeDuringWeek(), week);
        QCOMPARE(documentReader.activeDuringYear(), year);

        qorv::data::FolderKey folderKey;
        Descriptor(folderKey).set_active(active);
        Descriptor(folderKey).set_permissions(permissions);
        const FolderKeyReader folderReader(folderKey);
        QCOMPARE(folderReader.inactive(), folderKeyInactive);
        QCOMPARE(folderReader.activeDuringWeek(), week);
        QCOMPARE(folderReader.activeDuringYear(), year);
    }

    void documentRevision_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("revision");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("absent") << false << "" << false << ""
                                << "";
        QTest::newRow("current revision") << true << "9999-12-31 00:00:00" << false << ""
                                          << "";
        QTest::newRow("late on the last day") << true << "9999-12-31 23:59:59" << false << ""
                                              << "";
        QTest::newRow("winter revision") << true << "2024-03-05 14:07:09.250000" << true << "2024-03-05 15:07:09"
                                         << "2024-03-05 15:07:09.250000";
        QTest::newRow("summer revision") << true << "2024-07-01 10:00:00" << true << "2024-07-01 12:00:00"
                                         << "2024-07-01 12:00:00";
        QTest::newRow("present but empty") << true << "" << true << ""
                                           << "";
        QTest::newRow("unreadable") << true << "yesterday" << true << ""
                                    << "";
    }

    void documentRevision()
    {
        QFETCH(bool, present);
        QFETCH(QString, revision);
        QFETCH(bool, valid);
        QFETCH(QString, display);
        QFETCH(QString, toolTip);
        qorv::data::DocumentKey key;
        if (present)
            key.set_document_key_document_revision(revision.toStdString());
        const DocumentKeyReader reader(key);
        QCOMPARE(reader.documentRevisionValid(), valid);
        QCOMPARE(Q(reader.documentRevisionDisplay()), display);
        QCOMPARE(Q(reader.documentRevisionToolTip()), toolTip);
    }

    void dateDisplays_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("documentKeyText");
        QTest::addColumn<QString>("folderKeyText");
        QTest::newRow("fraction of a second") << "2024-03-05 14:07:09.500000"
                                              << "2024-03-05 15:07:09.500000"
                                              << "2024-03-05 15:07:09";
        QTest::newRow("whole seconds") << "2024-07-01 10:00:00"
                                       << "2024-07-01 12:00:00"
                                       << "2024-07-01 12:00:00";
        QTest::newRow("never") << "9999-12-31 00:00:00"
                               << "9999-12-31 01:00:00"
                               << "9999-12-31 01:00:00";
        QTest::newRow("no date") << ""
                                 << ""
                                 << "";
    }

    void dateDisplays()
    {
        QFETCH(QString, date);
        QFETCH(QString, documentKeyText);
        QFETCH(QString, folderKeyText);
        testsupport::AceLogCapture log;

        qorv::data::DocumentKey documentKey;
        Descriptor(documentKey).set_expiration_date(date.toStdString());
        documentKey.set_document_key_creation_date(date.toStdString());
        const DocumentKeyReader documentReader(documentKey);
        QCOMPARE(Q(documentReader.expirationDateDisplay()), documentKeyText);
        QCOMPARE(Q(documentReader.creationDateDisplay()), documentKeyText);

        qorv::data::FolderKey folderKey;
        Descriptor(folderKey).set_expiration_date(date.toStdString());
        folderKey.set_folder_key_creation_date(date.toStdString());
        const FolderKeyReader folderReader(folderKey);
        QCOMPARE(Q(folderReader.expirationDateDisplay()), folderKeyText);
        // The creation date shows the fraction on both kinds of key.
        QCOMPARE(Q(folderReader.creationDateDisplay()), documentKeyText);

        QCOMPARE(log.count("assertion failed"), 0);
    }

    // Dates that cannot be shown give the empty text; an unreadable
    // expiration date, the server's fault, is also reported once as a
    // warning.
    void unshowableDates_data()
    {
        QTest::addColumn<QString>("expiration");
        QTest::newRow("a word") << "soon";
        QTest::newRow("overflowing fields") << "10111111111111111111111111111)11111111111";
        QTest::newRow("five-digit year") << "20250-06-30 12:00:00";
        QTest::newRow("signed year") << "+2025-06-30 12:00:00";
        QTest::newRow("non-digits") << "2025-0x-30 12:00:00";
        QTest::newRow("impossible date") << "2025-02-30 12:00:00";
    }

    void unshowableDates()
    {
        QFETCH(QString, expiration);
        testsupport::AceLogCapture log;
        QTest::ignoreMessage(QtWarningMsg, "KeyDescriptorReader: unreadable expiration date!");
        QTest::ignoreMessage(QtWarningMsg, "KeyDescriptorReader: unreadable expiration date!");
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        qorv::data::DocumentKey documentKey;
        documentKey.set_document_key_creation_date("2024-02-30 00:00:00");
        Descriptor(documentKey).set_expiration_date(expiration.toStdString());
        const DocumentKeyReader documentReader(documentKey);
        QVERIFY(documentReader.creationDateDisplay().empty());
        QVERIFY(documentReader.expirationDateDisplay().empty());

        qorv::data::FolderKey folderKey;
        folderKey.set_folder_key_creation_date("1400-01-01 00:00:00");
        Descriptor(folderKey).set_expiration_date(expiration.toStdString());
        const FolderKeyReader folderReader(folderKey);
        QVERIFY(folderReader.creationDateDisplay().empty());
        QVERIFY(folderReader.expirationDateDisplay().empty());

        QCOMPARE(log.count("assertion failed"), 0);
    }

    void documentKeyEquality_data()
    {
        using Key = qorv::data::DocumentKey;
        QTest::addColumn<QByteArray>("other");
        QTest::addColumn<bool>("equal");
        QTest::newRow("same") << ChangedDocumentKey([](Key &) {}) << true;
        QTest::newRow("owner id") << ChangedDocumentKey([](Key &k) { k.mutable_document_key_owner()->set_user_id(9); })
                                  << true;
        QTest::newRow("owner name") << ChangedDocumentKey([](Key &k) {
            k.mutable_document_key_owner()->set_user_last_name("Roe");
        }) << true;
        QTest::newRow("properties") << ChangedDocumentKey([](Key &k) { k.set_document_key_properties(0); }) << true;
        QTest::newRow("creation date") << ChangedDocumentKey([](Key &k) {
            k.set_document_key_creation_date("2020-01-01 00:00:00");
        }) << true;
        QTest::newRow("audits") << ChangedDocumentKey([](Key &k) { Descriptor(k).set_audits(6); }) << true;
        QTest::newRow("expiration action")
            << ChangedDocumentKey([](Key &k) { Descriptor(k).set_expiration_action(2); }) << true;
        QTest::newRow("passcode length") << ChangedDocumentKey([](Key &k) {
            k.set_document_key_security_descriptor_password_length(9);
        }) << true;
        QTest::newRow("active bits beyond the weekdays")
            << ChangedDocumentKey([](Key &k) { Descriptor(k).set_active(0xFFFFF | 1u << 25); }) << true;
        QTest::newRow("permission bits beyond the document's")
            << ChangedDocumentKey([](Key &k) { Descriptor(k).set_permissions(0xFFF | 1u << 12); }) << true;
        QTest::newRow("description removed")
            << ChangedDocumentKey([](Key &k) { k.clear_document_key_description_enum(); }) << false;

        QTest::newRow("document id") << ChangedDocumentKey([](Key &k) {
            k.mutable_document_key_document()->set_document_id(18);
        }) << false;
        QTest::newRow("document name") << ChangedDocumentKey([](Key &k) {
            k.mutable_document_key_document()->set_document_name("Plan");
        }) << false;
        QTest::newRow("user id") << ChangedDocumentKey([](Key &k) { k.mutable_document_key_user()->set_user_id(4); })
                                 << false;
        QTest::newRow("user middle name")
            << ChangedDocumentKey([](Key &k) { k.mutable_document_key_user()->set_user_middle_name("C."); }) << false;
        QTest::newRow("description") << ChangedDocumentKey([](Key &k) { k.set_document_key_description("x"); })
                                     << false;
        QTest::newRow("switch") << ChangedDocumentKey([](Key &k) { Descriptor(k).set_active(0xFFFFE); }) << false;
        QTest::newRow("Saturday") << ChangedDocumentKey([](Key &k) { Descriptor(k).set_active(0xFFFFF & ~(1u << 19)); })
                                  << false;
        QTest::newRow("December") << ChangedDocumentKey([](Key &k) { Descriptor(k).set_active(0xFFFFF & ~(1u << 12)); })
                                  << false;
        QTest::newRow("from") << ChangedDocumentKey([](Key &k) { Descriptor(k).set_active_from("09:00:00"); }) << false;
        QTest::newRow("to") << ChangedDocumentKey([](Key &k) { Descriptor(k).set_active_to("18:00:00"); }) << false;
        QTest::newRow("region") << ChangedDocumentKey([](Key &k) { Descriptor(k).set_active_region("Asia/Tokyo"); })
                                << false;
        QTest::newRow("session duration")
            << ChangedDocumentKey([](Key &k) { Descriptor(k).set_session_duration(60); }) << false;
        QTest::newRow("expiration date") << ChangedDocumentKey([](Key &k) {
            Descriptor(k).set_expiration_date("2025-06-30 12:00:01");
        }) << false;
        QTest::newRow("passcode") << ChangedDocumentKey([](Key &k) { Descriptor(k).set_password("CD34"); }) << false;
        QTest::newRow("print permission")
            << ChangedDocumentKey([](Key &k) { Descriptor(k).set_permissions(0xFFF & ~(1u << 11)); }) << false;
        QTest::newRow("reserved permission")
            << ChangedDocumentKey([](Key &k) { Descriptor(k).set_permissions(0xFFF & ~(1u << 3)); }) << false;
        QTest::newRow("revision") << ChangedDocumentKey([](Key &k) {
            k.set_document_key_document_revision("9999-12-31 00:00:00");
        }) << false;
    }

    void documentKeyEquality()
    {
        QFETCH(QByteArray, other);
        QFETCH(bool, equal);
        const qorv::data::DocumentKey left = FullDocumentKey();
        qorv::data::DocumentKey right;
        QVERIFY(right.ParseFromString(other.toStdString()));
        QCOMPARE(DocumentKeyReader(left) == DocumentKeyReader(right), equal);
        QCOMPARE(DocumentKeyReader(left) != DocumentKeyReader(right), !equal);
        QCOMPARE(DocumentKeyReader(right) == DocumentKeyReader(left), equal);
    }

    // Absent fields compare as their neutral values.
    void absentEqualsNeutral()
    {
        qorv::data::DocumentKey absent;
        qorv::data::DocumentKey neutral;
        neutral.set_document_key_description("");
        Descriptor(neutral).set_permissions(0);
        Descriptor(neutral).set_session_duration(0);
        neutral.mutable_document_key_document()->set_document_name("");
        QVERIFY(DocumentKeyReader(absent) == DocumentKeyReader(neutral));

        qorv::data::FolderKey absentFolderKey;
        qorv::data::FolderKey neutralFolderKey;
        Descriptor(neutralFolderKey).set_active(0);
        neutralFolderKey.mutable_folder_key_folder()->set_folder_name("");
        QVERIFY(FolderKeyReader(absentFolderKey) == FolderKeyReader(neutralFolderKey));
    }

    void folderKeyEquality_data()
    {
        using Key = qorv::data::FolderKey;
        QTest::addColumn<QByteArray>("other");
        QTest::addColumn<bool>("equal");
        QTest::newRow("same") << ChangedFolderKey([](Key &) {}) << true;
        QTest::newRow("permission bits 7 to 11")
            << ChangedFolderKey([](Key &k) { Descriptor(k).set_permissions(0x7F | 0xF80); }) << true;
        QTest::newRow("owner") << ChangedFolderKey([](Key &k) { k.mutable_folder_key_owner()->set_user_id(7); })
                               << true;
        QTest::newRow("creation date") << ChangedFolderKey([](Key &k) {
            k.set_folder_key_creation_date("2020-01-01 00:00:00");
        }) << true;
        QTest::newRow("folder id") << ChangedFolderKey([](Key &k) { k.mutable_folder_key_folder()->set_folder_id(1); })
                                   << false;
        QTest::newRow("folder name") << ChangedFolderKey([](Key &k) {
            k.mutable_folder_key_folder()->set_folder_name("Old");
        }) << false;
        QTest::newRow("search permission")
            << ChangedFolderKey([](Key &k) { Descriptor(k).set_permissions(0x3F); }) << false;
        QTest::newRow("reserved permission")
            << ChangedFolderKey([](Key &k) { Descriptor(k).set_permissions(0x7F & ~(1u << 3)); }) << false;
        QTest::newRow("passcode") << ChangedFolderKey([](Key &k) { Descriptor(k).clear_password_enum(); }) << false;
        QTest::newRow("user last name") << ChangedFolderKey([](Key &k) {
            k.mutable_folder_key_user()->set_user_last_name("Li");
        }) << false;
    }

    void folderKeyEquality()
    {
        QFETCH(QByteArray, other);
        QFETCH(bool, equal);
        const qorv::data::FolderKey left = FullFolderKey();
        qorv::data::FolderKey right;
        QVERIFY(right.ParseFromString(other.toStdString()));
        QCOMPARE(FolderKeyReader(left) == FolderKeyReader(right), equal);
        QCOMPARE(FolderKeyReader(left) != FolderKeyReader(right), !equal);
    }
};

QTEST_APPLESS_MAIN(TestKeyReaders)
#include "tst_keyreaders.moc"
