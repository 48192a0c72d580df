#include "acelogcapture.h"
#include "auditeventline.h"
#include "auditline.h"
#include "auditmask.h"
#include "audittestcase.h"
#include "common/majorcode.h"
#include "serialized.h"

#include "selectdocumentreply3.pb.h"
#include "selectfolderreply3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectuserreply3.pb.h"

#include <QtTest>

#include <climits>
#include <optional>
#include <vector>

using namespace testsupport;

namespace
{
using Ids = std::vector<std::optional<int>>;

// A reply with one record per id; an empty optional leaves the record's id
// unset.
QByteArray Reply(int major, const Ids &ids)
{
    switch (major) {
    case 41: {
        qorv::data::SelectDocumentReply reply;
        for (const auto &id : ids) {
            qorv::data::Document *document = reply.add_document();
            document->set_document_name("D");
            if (id)
                document->set_document_id(*id);
        }
        return Serialized(reply);
    }
    case 44: {
        qorv::data::SelectFolderReply reply;
        for (const auto &id : ids) {
            qorv::data::Folder *folder = reply.add_folder();
            folder->set_folder_name("F");
            if (id)
                folder->set_folder_id(*id);
        }
        return Serialized(reply);
    }
    case 50: {
        qorv::data::SelectMessageReply reply;
        for (const auto &id : ids) {
            qorv::data::Message *message = reply.add_message();
            message->set_message_subject("S");
            if (id)
                message->set_message_id(*id);
        }
        return Serialized(reply);
    }
    default: {
        qorv::data::SelectUserReply reply;
        for (const auto &id : ids) {
            qorv::data::User *user = reply.add_user();
            user->set_user_name("u");
            if (id)
                user->set_user_id(*id);
        }
        return Serialized(reply);
    }
    }
}

std::string Line(int major, const QByteArray &reply, int majorErcode = 0)
{
    // The request is never read: garbage proves it.
    return ReplyLine(major, -38, std::string("\xFF", 1), majorErcode, majorErcode == 0 ? 0 : 1, reply.toStdString());
}
}

class TestSelectLogEvents : public AuditTestCase
{
    Q_OBJECT

private slots:
    void lists_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("majorErcode");
        QTest::addColumn<int>("classId");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pairs");
        QTest::addColumn<QString>("msg"); // what the details add to a failure

        QTest::newRow("documents in the server's order")
            << 41 << Reply(41, {5, 12, 12, 7}) << 0 << 41 << "select document"
            << "cs1=5, 12, 12, 7 cs1Label=documentIdList outcome=success"
            << "";
        QTest::newRow("one document") << 41 << Reply(41, {5}) << 0 << 41 << "select document"
                                      << "cs1=5 cs1Label=documentIdList outcome=success"
                                      << "";
        QTest::newRow("no documents") << 41 << Reply(41, {}) << 0 << 41 << "select document"
                                      << "outcome=success"
                                      << "";
        QTest::newRow("failed exchange, empty reply") << 41 << QByteArray() << -1 << 41 << "select document"
                                                      << "outcome=failure reason=-1"
                                                      << "unknown error";
        QTest::newRow("server error with records") << 41 << Reply(41, {3}) << 90 << 41 << "select document"
                                                   << "cs1=3 cs1Label=documentIdList outcome=failure reason=90"
                                                   << "service no data found error";
        QTest::newRow("unset, null and negative ids")
            << 41 << Reply(41, {std::nullopt, INT_MIN, -1, INT_MAX}) << 0 << 41 << "select document"
            << "cs1=0, -2147483648, -1, 2147483647 cs1Label=documentIdList outcome=success"
            << "";
        QTest::newRow("folders") << 44 << Reply(44, {1, 2}) << 0 << 43 << "select folder"
                                 << "cs1=1, 2 cs1Label=folderIdList outcome=success"
                                 << "";
        QTest::newRow("no folders") << 44 << Reply(44, {}) << 0 << 43 << "select folder"
                                    << "outcome=success"
                                    << "";
        QTest::newRow("messages") << 50 << Reply(50, {9, 8}) << 0 << 48 << "select message"
                                  << "cs1=9, 8 cs1Label=messageIdList outcome=success"
                                  << "";
        QTest::newRow("users") << 54 << Reply(54, {1001, 1002, 1003}) << 0 << 52 << "select user"
                               << "cs1=1001, 1002, 1003 cs1Label=userIdList outcome=success"
                               << "";
        QTest::newRow("no users") << 54 << Reply(54, {}) << 4 << 52 << "select user"
                                  << "outcome=failure reason=4"
                                  << "database execute statement error";
    }

    // The details bit changes nothing in these lines.
    void lists()
    {
        QFETCH(int, major);
        QFETCH(QByteArray, reply);
        QFETCH(int, majorErcode);
        QFETCH(int, classId);
        QFETCH(QString, name);
        QFETCH(QString, pairs);
        QFETCH(QString, msg);

        SetAuditMask(LineBit(1));
        testsupport::AceLogCapture capture;
        const std::string line = Line(major, reply, majorErcode);
        QCOMPARE(HeaderOf(line), HeaderFields(classId, name, 1));
        QCOMPARE(EventPairs(line), pairs);
        QCOMPARE(capture.lines().size(), std::size_t(1));
        QCOMPARE(capture.lines().front().priority, LM_INFO);

        SetAuditMask(LineBit(1) | DetailsBit(1));
        QString withDetails = pairs;
        if (!msg.isEmpty())
            withDetails.replace("outcome=", QStringLiteral("msg=%1 outcome=").arg(msg));
        QCOMPARE(EventPairs(Line(major, reply, majorErcode)), withDetails);
    }

    void aLongListIsNeverShortened()
    {
        Ids ids;
        QStringList texts;
        for (int id = 100000; id < 102000; ++id) {
            ids.push_back(id);
            texts.append(QString::number(id));
        }
        SetAuditMask(LineBit(1));
        testsupport::AceLogCapture capture;
        QCOMPARE(ExtensionOf(Line(common::op::SelectDocument, Reply(common::op::SelectDocument, ids))).value("cs1"),
                 texts.join(", "));
    }

    void anUnreadableReply_data()
    {
        QTest::addColumn<int>("major");
        QTest::newRow("documents") << 41;
        QTest::newRow("folders") << 44;
        QTest::newRow("messages") << 50;
        QTest::newRow("users") << 54;
    }

    void anUnreadableReply()
    {
        QFETCH(int, major);
        SetAuditMask(LineBit(1));
        testsupport::AceLogCapture capture;
        QTest::ignoreMessage(QtWarningMsg, "ParseFromString failed!");
        QCOMPARE(Line(major, QByteArray("\xFF\xFF", 2)), std::string());
        QVERIFY(capture.lines().empty());

        // Not selected: not even parsed.
        SetAuditMask(EveryLineWithDetails & ~LineBit(1));
        QCOMPARE(Line(major, QByteArray("\xFF\xFF", 2)), std::string());
        QVERIFY(capture.lines().empty());
    }

    void countersKeepRising_data() { anUnreadableReply_data(); }

    void countersKeepRising()
    {
        QFETCH(int, major);
        const QByteArray reply = Reply(major, {1});
        SetAuditMask(LineBit(1));
        const unsigned int successes = CountOf(Line(major, reply));
        const unsigned int failures = CountOf(Line(major, reply, -1));

        ClearUser();
        QCOMPARE(Line(major, reply), std::string());
        SetAuditMask(LineBit(1));
        QTest::ignoreMessage(QtWarningMsg, "ParseFromString failed!");
        QCOMPARE(Line(major, QByteArray("\xFF", 1)), std::string());

        QCOMPARE(CountOf(Line(major, reply)), successes + 3);
        QCOMPARE(CountOf(Line(major, reply, 4)), failures + 1);
    }
};

QTEST_GUILESS_MAIN(TestSelectLogEvents)
#include "tst_selectlogevents.moc"
