#include "deletedocumentreply3.pb.h"
#include "document3.pb.h"
#include "documentkeys3.pb.h"
#include "documentwebpage3.pb.h"
#include "message3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectusergroupuserrequest3.pb.h"
#include "sqldiagrec3.pb.h"

#include <google/protobuf/descriptor.h>
#include <google/protobuf/descriptor_database.h>
#include <google/protobuf/message.h>

#include <QtTest>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace pb = google::protobuf;
using namespace qorv::data;

namespace
{
enum WireType
{
    Varint = 0,
    LengthDelimited = 2
};

// Expected bytes are spelled out here rather than taken from the library: a
// tag is (number << 3) | wire type as a base-128 varint, low group first.
QByteArray Tag(int number, WireType type)
{
    quint32 value = (quint32(number) << 3) | quint32(type);
    QByteArray bytes;
    while (value >= 0x80) {
        bytes.append(char((value & 0x7f) | 0x80));
        value >>= 7;
    }
    bytes.append(char(value));
    return bytes;
}

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (const int value : values)
        bytes.append(char(value));
    return bytes;
}

QByteArray Serialized(const pb::Message &message)
{
    std::string bytes;
    if (!message.SerializeToString(&bytes))
        return QByteArray("serialization failed");
    return QByteArray::fromStdString(bytes);
}
}

class TestWireBytes : public QObject
{
    Q_OBJECT

private slots:
    void tagsAreTwoBytesFromThousand()
    {
        // Worked once by hand so the helper itself is pinned: 1030 << 3 | 2 is
        // 8242 = 64 * 128 + 50.
        QCOMPARE(Tag(1030, LengthDelimited), Bytes({0xB2, 0x40}));
        QCOMPARE(Tag(10, LengthDelimited), Bytes({0x52}));
        QCOMPARE(Tag(1000, Varint), Bytes({0xC0, 0x3E}));
    }

    void serialize_data()
    {
        QTest::addColumn<QByteArray>("actual");
        QTest::addColumn<QByteArray>("expected");

        {
            Document document;
            document.set_document_name("");
            QTest::newRow("empty name in its oneof is sent")
                << Serialized(document) << Tag(1030, LengthDelimited) + Bytes({0x00});
        }
        {
            Document document;
            document.set_document_id(0);
            QTest::newRow("zero id in its oneof is sent") << Serialized(document) << Bytes({0xC0, 0x3E, 0x00});
        }
        {
            Document document;
            document.mutable_sys_period();
            QTest::newRow("empty sub-record in its oneof is sent")
                << Serialized(document) << Tag(1120, LengthDelimited) + Bytes({0x00});
        }
        {
            Document document;
            document.set_document_name("x");
            document.clear_document_name_enum();
            QTest::newRow("cleared oneof is not sent") << Serialized(document) << QByteArray();
        }
        {
            DeleteDocumentReply reply;
            reply.set_return_code(0);
            QTest::newRow("plain return code 0 is absent") << Serialized(reply) << QByteArray();
        }
        {
            DeleteDocumentReply reply;
            reply.set_return_code(1);
            // sint32 is zigzag: 1 travels as 2.
            QTest::newRow("plain return code 1") << Serialized(reply) << Tag(1010, Varint) + Bytes({0x02});
        }
        {
            SQLDiagRec record;
            record.set_sqlc(0);
            record.set_sqls("");
            QTest::newRow("plain sqlc 0 and empty sqls are absent") << Serialized(record) << QByteArray();
        }
        {
            DeleteDocumentReply reply;
            reply.mutable_sql_diag_rec()->set_sqlc(0);
            QTest::newRow("present diagnostic record holding sqlc 0") << Serialized(reply) << Bytes({0xC2, 0x3E, 0x00});
        }
        {
            SelectUserGroupUserRequest request;
            request.set_exclude_session_user_id(false);
            QTest::newRow("plain false flag is absent") << Serialized(request) << QByteArray();
            request.set_exclude_session_user_id(true);
            QTest::newRow("plain true flag") << Serialized(request) << Tag(1030, Varint) + Bytes({0x01});
        }
        {
            DocumentKeys keys;
            keys.add_document_key();
            keys.add_document_key();
            QTest::newRow("document keys under field 10") << Serialized(keys) << Bytes({0x52, 0x00, 0x52, 0x00});
        }
        {
            // Set out of order: the wire order is by number, 1135 between 1130 and 1140.
            Message message;
            message.set_message_user_is_recipient(true);
            message.mutable_message_recipient();
            message.mutable_message_sender();
            QTest::newRow("recipient between sender and flag")
                << Serialized(message)
                << Bytes({0xD2, 0x46, 0x00}) + Bytes({0xFA, 0x46, 0x00}) + Bytes({0xA0, 0x47, 0x01});
        }
        {
            SelectMessageReply reply;
            reply.mutable_sql_diag_rec()->set_sqlc(1);
            reply.add_ckey(-1);
            // The record under 1010 holds sqlc under 1000; ckey is packed under 1030,
            // and zigzag makes -1 travel as 1.
            QTest::newRow("select reply numbered from 1010")
                << Serialized(reply)
                << Tag(1010, LengthDelimited) + Bytes({0x03}) + Tag(1000, Varint) + Bytes({0x02})
                       + Tag(1030, LengthDelimited) + Bytes({0x01, 0x01});
        }
        {
            SelectDocumentRequest request;
            request.set_document_id(5);
            request.set_document_user_id(7);
            QTest::newRow("later key replaces the earlier") << Serialized(request) << Tag(1010, Varint) + Bytes({0x0E});
        }
    }

    void serialize()
    {
        QFETCH(QByteArray, actual);
        QFETCH(QByteArray, expected);
        QCOMPARE(actual.toHex(' '), expected.toHex(' '));
    }

    void oneofKeepsOnlyTheLastKey()
    {
        SelectDocumentRequest request;
        request.set_document_id(5);
        request.set_document_user_id(7);
        QCOMPARE(request.id_enum_case(), SelectDocumentRequest::kDocumentUserId);
        QCOMPARE(request.document_id(), 0);
        QCOMPARE(request.document_user_id(), 7);
    }

    void zeroInOneofReadsBackAsSet()
    {
        Document document;
        QVERIFY(document.ParseFromString(
            (Tag(1030, LengthDelimited) + Bytes({0x00}) + Bytes({0xC0, 0x3E, 0x00})).toStdString()));
        QCOMPARE(document.document_name_enum_case(), Document::kDocumentName);
        QCOMPARE(int(document.document_name_enum_case()), 1030);
        QCOMPARE(document.document_id_enum_case(), Document::kDocumentId);
        QCOMPARE(document.document_description_enum_case(), Document::DOCUMENT_DESCRIPTION_ENUM_NOT_SET);
    }

    // An exchange that failed delivers an empty payload: every reply parses from
    // it and has nothing set.
    void emptyPayloadParsesAsAnyReply()
    {
        qorv::data::Document::descriptor(); // the schema library is loaded
        std::vector<std::string> fileNames;
        QVERIFY(pb::DescriptorPool::internal_generated_database()->FindAllFileNames(&fileNames));
        int replies = 0;
        for (const std::string &fileName : fileNames) {
            const pb::FileDescriptor *file = pb::DescriptorPool::generated_pool()->FindFileByName(fileName);
            if (!file || file->package() != "qorv.data")
                continue;
            for (int i = 0; i < file->message_type_count(); ++i) {
                const pb::Descriptor *type = file->message_type(i);
                if (type->name().size() < 5 || type->name().compare(type->name().size() - 5, 5, "Reply") != 0)
                    continue;
                ++replies;
                std::unique_ptr<pb::Message> reply(pb::MessageFactory::generated_factory()->GetPrototype(type)->New());
                QVERIFY2(reply->ParseFromString(std::string()), type->name().c_str());
                std::vector<const pb::FieldDescriptor *> set;
                reply->GetReflection()->ListFields(*reply, &set);
                QVERIFY2(set.empty(), type->name().c_str());
            }
        }
        QCOMPARE(replies, 56);

        SelectDocumentReply select;
        QVERIFY(select.ParseFromString(std::string()));
        QVERIFY(!select.has_sql_diag_rec());
        QCOMPARE(select.sql_diag_rec().sqlc(), 0);
        QCOMPARE(select.document_size(), 0);
        DeleteDocumentReply remove;
        QVERIFY(remove.ParseFromString(std::string()));
        QCOMPARE(remove.return_code(), 0);
        QCOMPARE(remove.ckey_size(), 0);
    }

    void parseChecksUtf8_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("parses");
        const QByteArray name = Tag(1030, LengthDelimited);
        QTest::newRow("valid two-byte character") << name + Bytes({0x02, 0xC3, 0xA9}) << true;
        QTest::newRow("broken two-byte character") << name + Bytes({0x02, 0xC3, 0x28}) << false;
        QTest::newRow("lone continuation byte") << name + Bytes({0x01, 0x80}) << false;
        QTest::newRow("truncated at the end") << name + Bytes({0x01, 0xE2}) << false;
        QTest::newRow("bad text after a good field") << Bytes({0xC0, 0x3E, 0x02}) + name + Bytes({0x01, 0xFF}) << false;
    }

    void parseChecksUtf8()
    {
        QFETCH(QByteArray, payload);
        QFETCH(bool, parses);
        Document document;
        QCOMPARE(document.ParseFromString(payload.toStdString()), parses);
    }

    void bytesFieldsAreNotChecked()
    {
        DocumentWebpage webpage;
        QVERIFY(webpage.ParseFromString((Tag(1020, LengthDelimited) + Bytes({0x02, 0xC3, 0x28})).toStdString()));
        QCOMPARE(QByteArray::fromStdString(webpage.document_webpage_url_hash()), Bytes({0xC3, 0x28}));
    }

    // A newer server may send fields this client does not know; they survive
    // parse, copy and serialize untouched.
    void unknownFieldsSurviveACopy()
    {
        const QByteArray payload = Bytes({0xC0, 0x3E, 0x02}) + Tag(2000, Varint) + Bytes({0x05});
        Document parsed;
        QVERIFY(parsed.ParseFromString(payload.toStdString()));
        Document copy(parsed);
        QCOMPARE(Serialized(copy).toHex(' '), payload.toHex(' '));
    }
};

QTEST_GUILESS_MAIN(TestWireBytes)
#include "tst_wirebytes.moc"
