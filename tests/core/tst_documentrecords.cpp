#include "documentreader.h"
#include "documentwriter.h"
#include "folderwriter.h"
#include "scopedclock.h"
#include "securitydescriptorequality.h"
#include "securitydescriptorwriter.h"

#include "document3.pb.h"
#include "folder3.pb.h"

#include <QtTest>

#include <chrono>
#include <limits>
#include <string>

Q_DECLARE_METATYPE(DocumentProxy::Initialization)
Q_DECLARE_METATYPE(SecurityDescriptorProxy::Initialization)

namespace
{
constexpr int NullId = std::numeric_limits<int>::min();

QString Q(const std::string &text)
{
    return QString::fromStdString(text);
}

// Every field that a complete document needs, the descriptor's included.
qorv::data::Document CompleteDocument()
{
    qorv::data::Document document;
    document.set_document_user_id(5);
    document.set_document_folder_id(9);
    document.set_document_name("Budget");
    document.set_document_description("2024");
    document.set_document_properties(0);
    document.set_document_creation_date("2024-03-05 14:07:09");
    document.set_document_modification_date("2024-03-05 14:07:09");
    document.set_document_body("<p>Hello</p>");
    document.set_document_body_format(0);
    qorv::data::SecurityDescriptor *descriptor = document.mutable_document_security_descriptor();
    descriptor->set_active(0xFFFFF);
    descriptor->set_active_region("");
    descriptor->set_active_from("00:00:00");
    descriptor->set_active_to("00:00:00");
    descriptor->set_audits(0);
    descriptor->set_permissions(0xFFF);
    descriptor->set_session_duration(0);
    descriptor->set_expiration_date("9999-12-31 00:00:00");
    descriptor->set_expiration_action(0);
    return document;
}

// The ten descriptor fields, as a test table can name them.
enum DescriptorField
{
    Active,
    ActiveRegion,
    ActiveFrom,
    ActiveTo,
    Audits,
    Password,
    Permissions,
    SessionDuration,
    ExpirationDate,
    ExpirationAction
};

void ClearField(qorv::data::SecurityDescriptor &descriptor, DescriptorField field)
{
    switch (field) {
    case Active:
        descriptor.clear_active_enum();
        break;
    case ActiveRegion:
        descriptor.clear_active_region_enum();
        break;
    case ActiveFrom:
        descriptor.clear_active_from_enum();
        break;
    case ActiveTo:
        descriptor.clear_active_to_enum();
        break;
    case Audits:
        descriptor.clear_audits_enum();
        break;
    case Password:
        descriptor.clear_password_enum();
        break;
    case Permissions:
        descriptor.clear_permissions_enum();
        break;
    case SessionDuration:
        descriptor.clear_session_duration_enum();
        break;
    case ExpirationDate:
        descriptor.clear_expiration_date_enum();
        break;
    case ExpirationAction:
        descriptor.clear_expiration_action_enum();
        break;
    }
}

// 2024-03-05 14:07:09.250000 UTC.
Clock::TimePoint PinnedInstant()
{
    return testsupport::UtcInstant(2024, 3, 5, 14, 7, 9) + std::chrono::microseconds(250000);
}

void CheckDescriptorDefaults(const qorv::data::SecurityDescriptor &descriptor, unsigned int active,
                             unsigned int permissions, const char *expiration)
{
    QVERIFY(descriptor.has_active());
    QCOMPARE(descriptor.active(), active);
    QVERIFY(descriptor.has_active_region());
    QVERIFY(descriptor.active_region().empty());
    QCOMPARE(Q(descriptor.active_from()), QString("00:00:00"));
    QCOMPARE(Q(descriptor.active_to()), QString("00:00:00"));
    QVERIFY(descriptor.has_audits());
    QCOMPARE(descriptor.audits(), 0u);
    QVERIFY(descriptor.has_password());
    QVERIFY(descriptor.password().empty());
    QVERIFY(descriptor.has_permissions());
    QCOMPARE(descriptor.permissions(), permissions);
    QVERIFY(descriptor.has_session_duration());
    QCOMPARE(descriptor.session_duration(), 0);
    QCOMPARE(Q(descriptor.expiration_date()), QString(expiration));
    QVERIFY(descriptor.has_expiration_action());
    QCOMPARE(descriptor.expiration_action(), 0u);
}
}

class TestDocumentRecords : public QObject
{
    Q_OBJECT

private slots:
    void completeDocumentIsValid() { QVERIFY(DocumentReader(CompleteDocument()).isValid()); }

    void withoutId()
    {
        qorv::data::Document document = CompleteDocument();
        document.clear_document_id_enum();
        QVERIFY(DocumentReader(document).isValid());
        document.clear_document_security_descriptor_password_length_enum();
        document.clear_sys_period_enum();
        QVERIFY(DocumentReader(document).isValid());
    }

    void emptyTextsCount()
    {
        qorv::data::Document document = CompleteDocument();
        document.set_document_name("");
        document.set_document_description("");
        document.set_document_body("");
        QVERIFY(DocumentReader(document).isValid());
    }

    void missingDocumentField_data()
    {
        QTest::addColumn<int>("fieldNumber");
        for (int field : {1010, 1020, 1030, 1040, 1050, 1060, 1070, 1080, 1090})
            QTest::addRow("field %d", field) << field;
    }

    void missingDocumentField()
    {
        QFETCH(int, fieldNumber);
        qorv::data::Document document = CompleteDocument();
        const google::protobuf::FieldDescriptor *field = document.GetDescriptor()->FindFieldByNumber(fieldNumber);
        QVERIFY(field);
        document.GetReflection()->ClearField(&document, field);
        QVERIFY(!DocumentReader(document).isValid());
    }

    void missingDescriptorField_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<bool>("valid");
        QTest::newRow("active") << int(Active) << false;
        QTest::newRow("region") << int(ActiveRegion) << false;
        QTest::newRow("from") << int(ActiveFrom) << false;
        QTest::newRow("to") << int(ActiveTo) << false;
        QTest::newRow("audits") << int(Audits) << false;
        QTest::newRow("passcode is not needed") << int(Password) << true;
        QTest::newRow("permissions") << int(Permissions) << false;
        QTest::newRow("session duration") << int(SessionDuration) << false;
        QTest::newRow("expiration date") << int(ExpirationDate) << false;
        QTest::newRow("expiration action") << int(ExpirationAction) << false;
    }

    void missingDescriptorField()
    {
        QFETCH(int, field);
        QFETCH(bool, valid);
        qorv::data::Document document = CompleteDocument();
        ClearField(*document.mutable_document_security_descriptor(), static_cast<DescriptorField>(field));
        QCOMPARE(DocumentReader(document).isValid(), valid);
    }

    void descriptorMissingOrEmpty()
    {
        qorv::data::Document document = CompleteDocument();
        document.clear_document_security_descriptor_enum();
        QVERIFY(!DocumentReader(document).isValid());
        document.mutable_document_security_descriptor();
        QVERIFY(!DocumentReader(document).isValid());
    }

    void documentWithoutDefaults()
    {
        qorv::data::Document document;
        document.set_document_name("kept");
        const std::string before = document.SerializeAsString();
        {
            DocumentWriter writer(document, DocumentProxy::NoDefaults);
        }
        QCOMPARE(document.SerializeAsString(), before);
        QVERIFY(!document.has_document_security_descriptor());
    }

    void documentDefaults_data()
    {
        QTest::addColumn<DocumentProxy::Initialization>("initialization");
        QTest::addColumn<uint>("active");
        QTest::addColumn<uint>("permissions");
        QTest::addColumn<QString>("expiration");
        QTest::newRow("permissive") << DocumentProxy::PermissiveDefaults << 0xFFFFFu << 4095u << "9999-12-31 00:00:00";
        QTest::newRow("restrictive") << DocumentProxy::RestrictiveDefaults << 0u << 0u << "1400-01-01 00:00:00";
    }

    // Whatever the record held is overwritten.
    void documentDefaults()
    {
        QFETCH(DocumentProxy::Initialization, initialization);
        QFETCH(uint, active);
        QFETCH(uint, permissions);
        QFETCH(QString, expiration);
        testsupport::ScopedClock clock(PinnedInstant());

        qorv::data::Document document = CompleteDocument();
        document.set_document_id(77);
        document.mutable_document_security_descriptor()->set_password("AB12");
        document.mutable_document_security_descriptor()->set_active_region("Asia/Tokyo");
        document.set_document_security_descriptor_password_length(4);
        DocumentWriter writer(document, initialization);

        QCOMPARE(document.document_id(), NullId);
        QCOMPARE(document.document_user_id(), NullId);
        QCOMPARE(document.document_folder_id(), NullId);
        QVERIFY(document.has_document_name() && document.document_name().empty());
        QVERIFY(document.has_document_description() && document.document_description().empty());
        QVERIFY(document.has_document_properties());
        QCOMPARE(document.document_properties(), 0u);
        QCOMPARE(Q(document.document_creation_date()), QString("2024-03-05 14:07:09.250000"));
        QCOMPARE(Q(document.document_modification_date()), QString("2024-03-05 14:07:09.250000"));
        QVERIFY(document.has_document_body() && document.document_body().empty());
        QVERIFY(document.has_document_body_format());
        QCOMPARE(document.document_body_format(), 0);
        QCOMPARE(document.document_security_descriptor_password_length(), 4);
        CheckDescriptorDefaults(document.document_security_descriptor(), active, permissions,
                                expiration.toUtf8().constData());
        QVERIFY(DocumentReader(document).isValid());
    }

    void wholeSecondsHaveNoFraction()
    {
        testsupport::ScopedClock clock(testsupport::UtcInstant(2024, 3, 5, 14, 7, 9));
        qorv::data::Document document;
        DocumentWriter writer(document, DocumentProxy::PermissiveDefaults);
        QCOMPARE(Q(document.document_creation_date()), QString("2024-03-05 14:07:09"));
    }

    // A value outside the three named ones writes the record's fields but
    // leaves its descriptor alone.
    void otherInitialization()
    {
        testsupport::ScopedClock clock(PinnedInstant());
        qorv::data::Document document;
        DocumentWriter writer(document, static_cast<DocumentProxy::Initialization>(3));
        QVERIFY(document.has_document_security_descriptor());
        QCOMPARE(document.document_security_descriptor().ByteSizeLong(), size_t(0));
        QCOMPARE(document.document_id(), NullId);

        qorv::data::Document withDescriptor = CompleteDocument();
        const std::string descriptor = withDescriptor.document_security_descriptor().SerializeAsString();
        DocumentWriter other(withDescriptor, static_cast<DocumentProxy::Initialization>(3));
        QCOMPARE(withDescriptor.document_security_descriptor().SerializeAsString(), descriptor);
    }

    void folderDefaults_data()
    {
        QTest::addColumn<int>("initialization");
        QTest::addColumn<uint>("active");
        QTest::addColumn<uint>("permissions");
        QTest::addColumn<QString>("expiration");
        QTest::newRow("permissive") << int(FolderProxy::PermissiveDefaults) << 0xFFFFFu << 127u
                                    << "9999-12-31 00:00:00";
        QTest::newRow("restrictive") << int(FolderProxy::RestrictiveDefaults) << 0u << 0u << "1400-01-01 00:00:00";
    }

    void folderDefaults()
    {
        QFETCH(int, initialization);
        QFETCH(uint, active);
        QFETCH(uint, permissions);
        QFETCH(QString, expiration);
        testsupport::ScopedClock clock(PinnedInstant());

        qorv::data::Folder folder;
        folder.set_folder_name("old");
        folder.set_folder_security_descriptor_password_length(4);
        FolderWriter writer(folder, static_cast<FolderProxy::Initialization>(initialization));
        QCOMPARE(folder.folder_id(), NullId);
        QCOMPARE(folder.folder_user_id(), NullId);
        QCOMPARE(folder.folder_parent_id(), NullId);
        QVERIFY(folder.has_folder_name() && folder.folder_name().empty());
        QVERIFY(folder.has_folder_description() && folder.folder_description().empty());
        QVERIFY(folder.has_folder_properties());
        QCOMPARE(Q(folder.folder_creation_date()), QString("2024-03-05 14:07:09.250000"));
        QCOMPARE(folder.folder_security_descriptor_password_length(), 4);
        CheckDescriptorDefaults(folder.folder_security_descriptor(), active, permissions,
                                expiration.toUtf8().constData());
    }

    void folderWithoutDefaults()
    {
        qorv::data::Folder folder;
        {
            FolderWriter writer(folder, FolderProxy::NoDefaults);
        }
        QCOMPARE(folder.ByteSizeLong(), size_t(0));
    }

    void descriptorDefaults_data()
    {
        QTest::addColumn<SecurityDescriptorProxy::Initialization>("initialization");
        QTest::addColumn<QString>("expiration");
        QTest::newRow("permissive") << SecurityDescriptorProxy::PermissiveDefaults << "9999-12-31 00:00:00";
        QTest::newRow("restrictive") << SecurityDescriptorProxy::RestrictiveDefaults << "1400-01-01 00:00:00";
        QTest::newRow("other value keeps the expiration")
            << static_cast<SecurityDescriptorProxy::Initialization>(3) << "2030-01-01 00:00:00";
    }

    void descriptorDefaults()
    {
        QFETCH(SecurityDescriptorProxy::Initialization, initialization);
        QFETCH(QString, expiration);
        qorv::data::SecurityDescriptor descriptor;
        descriptor.set_active(0xFFFFF);
        descriptor.set_active_region("Asia/Tokyo");
        descriptor.set_password("AB12");
        descriptor.set_permissions(0xFFF);
        descriptor.set_session_duration(60);
        descriptor.set_expiration_date("2030-01-01 00:00:00");
        SecurityDescriptorWriter writer(descriptor, initialization);
        CheckDescriptorDefaults(descriptor, 0u, 0u, expiration.toUtf8().constData());
    }

    void descriptorWithoutDefaults()
    {
        qorv::data::SecurityDescriptor descriptor;
        {
            SecurityDescriptorWriter writer(descriptor, SecurityDescriptorProxy::NoDefaults);
        }
        QCOMPARE(descriptor.ByteSizeLong(), size_t(0));
    }

    void descriptorEquality_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<bool>("equalWhenAbsent");
        QTest::newRow("active") << int(Active) << false;
        QTest::newRow("region") << int(ActiveRegion) << false;
        QTest::newRow("from") << int(ActiveFrom) << false;
        QTest::newRow("to") << int(ActiveTo) << false;
        QTest::newRow("audits") << int(Audits) << true;
        QTest::newRow("passcode") << int(Password) << false;
        QTest::newRow("permissions") << int(Permissions) << false;
        QTest::newRow("session duration") << int(SessionDuration) << true;
        QTest::newRow("expiration date") << int(ExpirationDate) << false;
        QTest::newRow("expiration action") << int(ExpirationAction) << true;
    }

    // Each field on its own decides; an absent field equals a present 0 or
    // empty text, so only the neutral values of the sample compare equal.
    void descriptorEquality()
    {
        QFETCH(int, field);
        QFETCH(bool, equalWhenAbsent);
        qorv::data::SecurityDescriptor left;
        left.set_active(0xFFFFF);
        left.set_active_region("Europe/Berlin");
        left.set_active_from("08:00:00");
        left.set_active_to("17:00:00");
        left.set_audits(0);
        left.set_password("AB12");
        left.set_permissions(0xFFF);
        left.set_session_duration(0);
        left.set_expiration_date("9999-12-31 00:00:00");
        left.set_expiration_action(0);
        QVERIFY(left == left);

        qorv::data::SecurityDescriptor right = left;
        QVERIFY(left == right);
        ClearField(right, static_cast<DescriptorField>(field));
        QCOMPARE(left == right, equalWhenAbsent);
        QCOMPARE(left != right, !equalWhenAbsent);
        QCOMPARE(right == left, equalWhenAbsent);
    }

    void descriptorEqualityByValue()
    {
        qorv::data::SecurityDescriptor left;
        qorv::data::SecurityDescriptor right;
        QVERIFY(left == right);
        left.set_password("AB12");
        right.set_password("AB13");
        QVERIFY(left != right);
        right.set_password("AB12");
        right.set_session_duration(60);
        QVERIFY(left != right);
        // A longer text with the same start differs.
        right.set_session_duration(0);
        right.set_active_region("Europe");
        left.set_active_region("Europe/Berlin");
        QVERIFY(left != right);
    }
};

QTEST_APPLESS_MAIN(TestDocumentRecords)
#include "tst_documentrecords.moc"
