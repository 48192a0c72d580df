#include "abstractviewmanager.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "testenvironment.h"

#include <QtTest>

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
// Notes which of the two reply handlers a reply reached, with what.
class RoutingManager : public AbstractViewManager
{
public:
    QStringList calls;

protected:
    void processReply(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request,
                      const std::string &reply) override
    {
        calls.append(QStringLiteral("reply %1 %2 %3 %4")
                         .arg(majorOpcode)
                         .arg(minorOpcode)
                         .arg(QString::fromStdString(request), QString::fromStdString(reply)));
    }
    void processError(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request,
                      common::Ercode majorErcode, common::Ercode minorErcode, const std::string &reply) override
    {
        calls.append(QStringLiteral("error %1 %2 %3 %4 %5 %6")
                         .arg(majorOpcode)
                         .arg(minorOpcode)
                         .arg(QString::fromStdString(request))
                         .arg(majorErcode)
                         .arg(minorErcode)
                         .arg(QString::fromStdString(reply)));
    }
};
}

class TestAbstractViewManager : public QObject
{
    Q_OBJECT

private slots:
    void replyIsRoutedByItsErrorCodes_data()
    {
        QTest::addColumn<int>("majorErcode");
        QTest::addColumn<int>("minorErcode");
        QTest::addColumn<QString>("expected");
        QTest::newRow("success") << 0 << 0 << "reply 41 -35 question answer";
        QTest::newRow("minor error") << 0 << 5 << "error 41 -35 question 0 5 answer";
        QTest::newRow("link failure") << -1 << 1 << "error 41 -35 question -1 1 answer";
        QTest::newRow("major error") << 3 << 0 << "error 41 -35 question 3 0 answer";
    }

    void replyIsRoutedByItsErrorCodes()
    {
        QFETCH(int, majorErcode);
        QFETCH(int, minorErcode);
        QFETCH(QString, expected);
        RoutingManager manager;

        manager.receiveReply(common::op::SelectDocument, common::tag::OpenDocumentEditor, "question", majorErcode,
                             minorErcode, "answer");

        QCOMPARE(manager.calls, QStringList({expected}));
    }
};

QTEST_GUILESS_MAIN(TestAbstractViewManager)
#include "tst_abstractviewmanager.moc"
