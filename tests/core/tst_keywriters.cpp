#include "acelogcapture.h"
#include "documentkeyreader.h"
#include "documentkeywriter.h"
#include "folderkeyreader.h"
#include "folderkeywriter.h"

#include "documentkey3.pb.h"
#include "folderkey3.pb.h"

#include <QtTest>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

Q_DECLARE_METATYPE(DocumentKeyProxy::Initialization)

namespace
{
QString Q(const std::string &text)
{
    return QString::fromStdString(text);
}

// How many of the descriptor's ten fields are present.
int PresentFields(const qorv::data::SecurityDescriptor &descriptor)
{
    return descriptor.has_active() + descriptor.has_active_region() + descriptor.has_active_from()
           + descriptor.has_active_to() + descriptor.has_audits() + descriptor.has_password()
           + descriptor.has_permissions() + descriptor.has_session_duration() + descriptor.has_expiration_date()
           + descriptor.has_expiration_action();
}

template <typename Writer>
using DaySetter = void (Writer::*)(bool);

// The named setters and the active bit each one owns.
template <typename Writer>
std::vector<std::pair<DaySetter<Writer>, unsigned int>> NamedSetters()
{
    return {{&Writer::setActiveDuringJanuary, 1},   {&Writer::setActiveDuringFebruary, 2},
            {&Writer::setActiveDuringMarch, 3},     {&Writer::setActiveDuringApril, 4},
            {&Writer::setActiveDuringMay, 5},       {&Writer::setActiveDuringJune, 6},
            {&Writer::setActiveDuringJuly, 7},      {&Writer::setActiveDuringAugust, 8},
            {&Writer::setActiveDuringSeptember, 9}, {&Writer::setActiveDuringOctober, 10},
            {&Writer::setActiveDuringNovember, 11}, {&Writer::setActiveDuringDecember, 12},
            {&Writer::setActiveOnSunday, 13},       {&Writer::setActiveOnMonday, 14},
            {&Writer::setActiveOnTuesday, 15},      {&Writer::setActiveOnWednesday, 16},
            {&Writer::setActiveOnThursday, 17},     {&Writer::setActiveOnFriday, 18},
            {&Writer::setActiveOnSaturday, 19}};
}
}

class TestKeyWriters : public QObject
{
    Q_OBJECT

private slots:
    void constructionWritesNothing_data()
    {
        QTest::addColumn<DocumentKeyProxy::Initialization>("initialization");
        QTest::newRow("no defaults") << DocumentKeyProxy::NoDefaults;
        QTest::newRow("permissive") << DocumentKeyProxy::PermissiveDefaults;
        QTest::newRow("restrictive") << DocumentKeyProxy::RestrictiveDefaults;
    }

    void constructionWritesNothing()
    {
        QFETCH(DocumentKeyProxy::Initialization, initialization);
        qorv::data::DocumentKey key;
        key.set_document_key_description("kept");
        const std::string before = key.SerializeAsString();
        {
            DocumentKeyWriter writer(key, initialization);
        }
        QCOMPARE(key.SerializeAsString(), before);

        qorv::data::FolderKey folderKey;
        {
            FolderKeyWriter writer(folderKey);
        }
        QCOMPARE(folderKey.ByteSizeLong(), size_t(0));
    }

    void firstBitCreatesDescriptor()
    {
        qorv::data::DocumentKey key;
        DocumentKeyWriter(key, DocumentKeyProxy::NoDefaults).setActiveOnMonday(true);
        QVERIFY(key.has_document_key_security_descriptor());
        QCOMPARE(key.document_key_security_descriptor().active(), 0x4000u);
        QCOMPARE(PresentFields(key.document_key_security_descriptor()), 1);

        qorv::data::FolderKey folderKey;
        FolderKeyWriter(folderKey).setActiveOnMonday(true);
        QCOMPARE(folderKey.folder_key_security_descriptor().active(), 0x4000u);
        QCOMPARE(PresentFields(folderKey.folder_key_security_descriptor()), 1);
    }

    void clearingAnAbsentWordMakesItPresent()
    {
        qorv::data::DocumentKey key;
        DocumentKeyWriter(key, DocumentKeyProxy::NoDefaults).setActiveDuringMarch(false);
        QVERIFY(key.document_key_security_descriptor().has_active());
        QCOMPARE(key.document_key_security_descriptor().active(), 0u);
    }

    void namedActiveSetters()
    {
        for (const auto &[setter, bit] : NamedSetters<DocumentKeyWriter>()) {
            qorv::data::DocumentKey key;
            key.mutable_document_key_security_descriptor()->set_active(0xFFFFF);
            DocumentKeyWriter writer(key, DocumentKeyProxy::NoDefaults);
            (writer.*setter)(false);
            QCOMPARE(key.document_key_security_descriptor().active(), 0xFFFFFu & ~(1u << bit));
            (writer.*setter)(true);
            QCOMPARE(key.document_key_security_descriptor().active(), 0xFFFFFu);
        }
        for (const auto &[setter, bit] : NamedSetters<FolderKeyWriter>()) {
            qorv::data::FolderKey key;
            FolderKeyWriter writer(key);
            (writer.*setter)(true);
            QCOMPARE(key.folder_key_security_descriptor().active(), 1u << bit);
        }
    }

    void folderKeySwitch()
    {
        qorv::data::FolderKey key;
        FolderKeyWriter writer(key);
        writer.setActive(true);
        QCOMPARE(key.folder_key_security_descriptor().active(), 1u);
        writer.setActive(FolderKeyProxy::ActiveOnFriday, true);
        writer.setActive(false);
        QCOMPARE(key.folder_key_security_descriptor().active(), 1u << 18);
    }

    void permissionsKeepOtherBits()
    {
        qorv::data::DocumentKey key;
        key.mutable_document_key_security_descriptor()->set_permissions(0x801);
        DocumentKeyWriter writer(key, DocumentKeyProxy::NoDefaults);
        writer.setPermission(DocumentKeyProxy::Search, true);
        QCOMPARE(key.document_key_security_descriptor().permissions(), 0x841u);
        writer.setPermission(DocumentKeyProxy::Search, false);
        QCOMPARE(key.document_key_security_descriptor().permissions(), 0x801u);

        qorv::data::FolderKey folderKey;
        FolderKeyWriter folderWriter(folderKey);
        folderWriter.setPermission(FolderKeyProxy::Search, true);
        folderWriter.setPermission(FolderKeyProxy::View, true);
        folderWriter.setPermission(FolderKeyProxy::Search, false);
        QCOMPARE(folderKey.folder_key_security_descriptor().permissions(), 1u);
    }

    void auditsAndProperties()
    {
        qorv::data::DocumentKey key;
        DocumentKeyWriter writer(key, DocumentKeyProxy::NoDefaults);
        writer.setAudit(static_cast<DocumentKeyProxy::Audit>(3), true);
        QCOMPARE(key.document_key_security_descriptor().audits(), 8u);
        writer.setProperty(DocumentKeyProxy::EmphasizeName, true);
        QCOMPARE(key.document_key_properties(), 1u);
        writer.setProperties(0x10);
        writer.setProperty(DocumentKeyProxy::EmphasizeName, false);
        QCOMPARE(key.document_key_properties(), 0x10u);
        writer.setProperties(0);
        QVERIFY(key.has_document_key_properties());

        // The properties word lives in the key itself.
        qorv::data::FolderKey folderKey;
        FolderKeyWriter(folderKey).setProperty(FolderKeyProxy::EmphasizeName, true);
        QCOMPARE(folderKey.folder_key_properties(), 1u);
        QVERIFY(!folderKey.has_folder_key_security_descriptor());
    }

    void neutralValuesArePresent()
    {
        qorv::data::DocumentKey key;
        DocumentKeyWriter writer(key, DocumentKeyProxy::NoDefaults);
        writer.setSessionDuration(0);
        writer.setExpirationAction(DocumentKeyProxy::NoAction);
        writer.setPassword(std::string());
        const qorv::data::SecurityDescriptor &descriptor = key.document_key_security_descriptor();
        QVERIFY(descriptor.has_session_duration());
        QVERIFY(descriptor.has_expiration_action());
        QVERIFY(descriptor.has_password());
        QCOMPARE(descriptor.session_duration(), 0);
        QCOMPARE(descriptor.expiration_action(), 0u);

        qorv::data::FolderKey folderKey;
        FolderKeyWriter(folderKey).setExpirationAction(FolderKeyProxy::NoAction);
        QVERIFY(folderKey.folder_key_security_descriptor().has_expiration_action());
    }

    void textAndNumberSetters()
    {
        qorv::data::DocumentKey key;
        DocumentKeyWriter writer(key, DocumentKeyProxy::NoDefaults);
        writer.setDocumentId(17);
        writer.setDocumentName("Budget");
        writer.setUserId(5);
        writer.setUserFirstName("Ann");
        writer.setUserMiddleName("B.");
        writer.setUserLastName("Lee");
        writer.setDescription("For the audit");
        writer.setDocumentRevision("2024-03-05T14:07:09Z");
        writer.setActiveRegion("Europe/Berlin");
        writer.setActiveFrom("08:00:00");
        writer.setActiveTo("17:00:00");
        writer.setPassword("AB12");
        writer.setSessionDuration(-5);

        const DocumentKeyReader reader(key);
        QCOMPARE(reader.documentId(), 17);
        QCOMPARE(Q(reader.documentName()), QString("Budget"));
        QCOMPARE(reader.userId(), 5);
        QCOMPARE(Q(reader.userDisplayName()), QString("Ann B. Lee"));
        QCOMPARE(Q(reader.description()), QString("For the audit"));
        // The revision is kept as given; only the two dates are normalised.
        QCOMPARE(Q(reader.documentRevision()), QString("2024-03-05T14:07:09Z"));
        QCOMPARE(Q(reader.activeRegion()), QString("Europe/Berlin"));
        QCOMPARE(Q(reader.activeHoursDisplay()), QString("08:00 AM - 05:00 PM"));
        QCOMPARE(Q(reader.password()), QString("AB12"));
        QCOMPARE(reader.sessionDuration(), -5);
        QVERIFY(!key.has_document_key_owner());

        qorv::data::FolderKey folderKey;
        FolderKeyWriter folderWriter(folderKey);
        folderWriter.setFolderId(23);
        folderWriter.setFolderName("Reports");
        folderWriter.setUserLastName("Lee");
        folderWriter.setUserFirstName("Ann");
        const FolderKeyReader folderReader(folderKey);
        QCOMPARE(folderReader.folderId(), 23);
        QCOMPARE(Q(folderReader.folderName()), QString("Reports"));
        QCOMPARE(Q(folderReader.userDisplayNameAlphabetical()), QString("Lee, Ann"));
    }

    void userIdAloneCreatesUser()
    {
        qorv::data::DocumentKey key;
        DocumentKeyWriter(key, DocumentKeyProxy::NoDefaults).setUserId(-2147483647 - 1);
        qorv::data::User expected;
        expected.set_user_id(-2147483647 - 1);
        QCOMPARE(key.document_key_user().SerializeAsString(), expected.SerializeAsString());
        QVERIFY(!key.has_document_key_document());
        QVERIFY(!key.has_document_key_security_descriptor());
    }

    void documentKeyDates_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("stored");
        QTest::newRow("never, with a T") << "9999-12-31T00:00:00"
                                         << "9999-12-31 00:00:00";
        QTest::newRow("database form") << "2024-03-05 14:07:09"
                                       << "2024-03-05 14:07:09";
        QTest::newRow("ISO basic") << "20240305T140709"
                                   << "2024-03-05 14:07:09";
        QTest::newRow("fraction and Z") << "2024-03-05T14:07:09.25Z"
                                        << "2024-03-05 14:07:09.250000";
        QTest::newRow("date only") << "2024-03-05"
                                   << "2024-03-05 00:00:00";
        QTest::newRow("quoted") << "'2024-03-05 14:07:09'"
                                << "2024-03-05 14:07:09";
    }

    // A document key stores its dates in the database form; a folder key
    // stores them as given.
    void documentKeyDates()
    {
        QFETCH(QString, given);
        QFETCH(QString, stored);

        qorv::data::DocumentKey key;
        DocumentKeyWriter writer(key, DocumentKeyProxy::NoDefaults);
        writer.setCreationDate(given.toStdString());
        writer.setExpirationDate(given.toStdString());
        QCOMPARE(Q(key.document_key_creation_date()), stored);
        QCOMPARE(Q(key.document_key_security_descriptor().expiration_date()), stored);

        qorv::data::FolderKey folderKey;
        FolderKeyWriter folderWriter(folderKey);
        folderWriter.setCreationDate(given.toStdString());
        folderWriter.setExpirationDate(given.toStdString());
        QCOMPARE(Q(folderKey.folder_key_creation_date()), given);
        QCOMPARE(Q(folderKey.folder_key_security_descriptor().expiration_date()), given);
    }

    void invalidDocumentKeyDatesAreRefused_data()
    {
        QTest::addColumn<QString>("given");
        QTest::newRow("impossible") << "2024-02-30 00:00:00";
        QTest::newRow("unreadable") << "soon";
        QTest::newRow("empty") << "";
        QTest::newRow("beyond 9999") << "10000-01-01 00:00:00";
    }

    void invalidDocumentKeyDatesAreRefused()
    {
        QFETCH(QString, given);
        testsupport::AceLogCapture log;
        qorv::data::DocumentKey key;
        key.set_document_key_creation_date("2024-01-01 00:00:00");
        DocumentKeyWriter writer(key, DocumentKeyProxy::NoDefaults);
        writer.setCreationDate(given.toStdString());
        writer.setExpirationDate(given.toStdString());
        QCOMPARE(Q(key.document_key_creation_date()), QString("2024-01-01 00:00:00"));
        QVERIFY(!key.has_document_key_security_descriptor());
        QCOMPARE(log.count("assertion failed for 'dbTimestamp.isValid()'"), 2);
        QCOMPARE(log.count("documentkeywriter"), 2);
    }

    void assignmentCopiesTheWholeKey()
    {
        qorv::data::DocumentKey source;
        source.set_document_key_document_revision("2024-03-05 14:07:09");
        source.mutable_document_key_security_descriptor()->set_password("AB12");
        qorv::data::DocumentKey target;
        target.set_document_key_description("old");
        target.mutable_document_key_owner()->set_user_id(3);

        DocumentKeyWriter writer(target, DocumentKeyProxy::NoDefaults);
        writer = DocumentKeyReader(source);
        QCOMPARE(target.SerializeAsString(), source.SerializeAsString());
        QVERIFY(!target.has_document_key_description());

        // Onto itself: nothing changes.
        writer = DocumentKeyReader(target);
        QCOMPARE(target.SerializeAsString(), source.SerializeAsString());

        qorv::data::FolderKey folderSource;
        folderSource.mutable_folder_key_folder()->set_folder_id(23);
        qorv::data::FolderKey folderTarget;
        folderTarget.set_folder_key_description("old");
        FolderKeyWriter folderWriter(folderTarget);
        folderWriter = FolderKeyReader(folderSource);
        QCOMPARE(folderTarget.SerializeAsString(), folderSource.SerializeAsString());
    }

    // A position outside the word raises after the descriptor is made, and
    // the word stays as it was.
    void positionBeyondTheWord()
    {
        qorv::data::DocumentKey key;
        DocumentKeyWriter writer(key, DocumentKeyProxy::NoDefaults);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                                 writer.setPermission(static_cast<DocumentKeyProxy::Permission>(32), true));
        QVERIFY(key.has_document_key_security_descriptor());
        QVERIFY(!key.document_key_security_descriptor().has_permissions());
    }
};

QTEST_APPLESS_MAIN(TestKeyWriters)
#include "tst_keywriters.moc"
