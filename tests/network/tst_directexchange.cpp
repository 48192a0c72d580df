#include "common/minortag.h"
#include "cryptographer.h"
#include "directexchange.h"
#include "dispatchtotestserver.h"
#include "testserver.h"

#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"

#include <QtTest>

using network::ReplyErrorCodes;
using testsupport::TestFault;
using testsupport::TestRequest;
using testsupport::TestServer;

namespace
{
constexpr int SelectDocument = 41;

qorv::data::SelectDocumentRequest FolderRequest(int folderId)
{
    qorv::data::SelectDocumentRequest request;
    request.set_document_folder_id(folderId);
    return request;
}

std::string DocumentsReply(const std::string &name)
{
    qorv::data::SelectDocumentReply reply;
    reply.add_document()->set_document_name(name);
    return reply.SerializeAsString();
}
}

// The look-ups that go straight to the server: what they send, and which
// replies count as the answer for the pickers (error codes ignored) and for
// the searches (error codes checked).
class TestDirectExchange : public QObject
{
    Q_OBJECT

private:
    TestServer m_server;

private slots:
    void initTestCase() { QVERIFY(testsupport::StartAndDispatchTo(m_server)); }

    void init()
    {
        m_server.clearRequests();
        m_server.setSessionKey(testsupport::TestSessionKey{});
        QVERIFY(CryptographerSingleton::instance()->clear());
    }

    void sendsTheRequestAsAPlainExchange()
    {
        m_server.reply(SelectDocument, 1, DocumentsReply("Minutes"));
        const qorv::data::SelectDocumentRequest request = FolderRequest(1234);
        qorv::data::SelectDocumentReply reply;
        QVERIFY(network::DirectExchange(SelectDocument, request, reply, ReplyErrorCodes::Checked));

        const std::vector<TestRequest> requests = m_server.requests();
        QCOMPARE(requests.size(), std::size_t(1));
        QVERIFY(requests.front().authentic);
        QCOMPARE(requests.front().majorOpcode, SelectDocument);
        QCOMPARE(requests.front().minorOpcode, common::tag::Plain);
        QCOMPARE(requests.front().payload, request.SerializeAsString());
    }

    void whatCountsAsTheAnswer_data()
    {
        QTest::addColumn<int>("majorErcode");
        QTest::addColumn<int>("minorErcode");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("answered");
        QTest::addColumn<int>("documents");

        const QByteArray documents = QByteArray::fromStdString(DocumentsReply("Minutes"));
        // A length-delimited field that announces more bytes than follow.
        const QByteArray truncated("\x0a\x05"
                                   "ab",
                                   4);
        QTest::newRow("clear codes, ignored") << 0 << 0 << documents << false << true << 1;
        QTest::newRow("clear codes, checked") << 0 << 0 << documents << true << true << 1;
        QTest::newRow("empty reply, checked") << 0 << 0 << QByteArray() << true << true << 0;
        QTest::newRow("error codes, ignored") << 3 << 7 << documents << false << true << 1;
        QTest::newRow("error codes, checked") << 3 << 7 << documents << true << false << 0;
        QTest::newRow("minor code only, checked") << 0 << 5 << documents << true << false << 0;
        QTest::newRow("major code only, checked") << 2 << 0 << documents << true << false << 0;
        QTest::newRow("unparsable, ignored") << 0 << 0 << truncated << false << false << 0;
        QTest::newRow("unparsable, checked") << 0 << 0 << truncated << true << false << 0;
    }

    void whatCountsAsTheAnswer()
    {
        QFETCH(int, majorErcode);
        QFETCH(int, minorErcode);
        QFETCH(QByteArray, payload);
        QFETCH(bool, checked);
        QFETCH(bool, answered);
        QFETCH(int, documents);

        m_server.reply(SelectDocument, 1, payload.toStdString(), majorErcode, minorErcode);
        qorv::data::SelectDocumentReply reply;
        QCOMPARE(network::DirectExchange(SelectDocument, FolderRequest(7), reply,
                                         checked ? ReplyErrorCodes::Checked : ReplyErrorCodes::Ignored),
                 answered);
        if (answered)
            QCOMPARE(reply.document_size(), documents);
        if (documents > 0)
            QCOMPARE(reply.document(0).document_name(), std::string("Minutes"));
        QCOMPARE(m_server.requests().size(), std::size_t(1));
    }

    void noReplyIsNoAnswer_data()
    {
        QTest::addColumn<bool>("checked");
        QTest::newRow("ignored") << false;
        QTest::newRow("checked") << true;
    }

    void noReplyIsNoAnswer()
    {
        QFETCH(bool, checked);
        m_server.reply(SelectDocument, 1, DocumentsReply("Minutes"));
        m_server.injectFault(TestFault::noAnswer());
        qorv::data::SelectDocumentReply reply;
        QVERIFY(!network::DirectExchange(SelectDocument, FolderRequest(7), reply,
                                         checked ? ReplyErrorCodes::Checked : ReplyErrorCodes::Ignored));
        QCOMPARE(reply.document_size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestDirectExchange)
#include "tst_directexchange.moc"
