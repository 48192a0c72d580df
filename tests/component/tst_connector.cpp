#include "common/eventcode.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "component.h"
#include "connector.h"
#include "recordingcomponent.h"

#include <QtTest>

using testsupport::RecordingComponent;

namespace
{
void LinkAll(const Connector *connector, const RecordingComponent *recorder)
{
    QObject::connect(connector, &Connector::deliverEvent, recorder, &RecordingComponent::receiveEvent);
    QObject::connect(connector, &Connector::deliverReply, recorder, &RecordingComponent::receiveReply);
    QObject::connect(connector, &Connector::deliverRequest, recorder, &RecordingComponent::receiveRequest);
}
}

class TestConnector : public QObject
{
    Q_OBJECT

private slots:
    void relaysEachTupleUnchanged()
    {
        QStringList log;
        Connector connector;
        RecordingComponent recorder(QStringLiteral("r"), &log);
        LinkAll(&connector, &recorder);

        connector.receiveEvent(common::ev::Audit, -37, "line");
        connector.receiveReply(common::op::SelectDocument, common::tag::OpenFolder, "asked", 7, 9, "answer");
        connector.receiveRequest(common::op::SelectFolder, common::tag::OpenFolder, "payload");

        QCOMPARE(log, QStringList({"r: event -32 -37 line", "r: reply 41 -38 7 9", "r: request 44 -38"}));
        QCOMPARE(recorder.lastRequest(), std::string("asked"));
        QCOMPARE(recorder.lastReply(), std::string("answer"));
    }

    void shortCallsTakeTheDefaults()
    {
        QStringList log;
        Connector connector;
        RecordingComponent recorder(QStringLiteral("r"), &log);
        LinkAll(&connector, &recorder);
        // A caller that has only the major code leaves the rest to the slots'
        // defaults, which travel on unchanged.
        connector.receiveEvent(-3);
        connector.receiveReply(common::op::SelectDocument);
        connector.receiveRequest(common::op::DeleteDocument);

        QCOMPARE(log, QStringList({"r: event -3 1", "r: reply 41 1 0 0", "r: request 7 1"}));
        QCOMPARE(recorder.lastRequest(), std::string());
        QCOMPARE(recorder.lastReply(), std::string());
    }

    void linksBySignatureName_data()
    {
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<QByteArray>("slot");
        QTest::newRow("event")
            << QByteArray("deliverEvent(common::Evcode const, common::Evcode const, std::string const &)")
            << QByteArray("receiveEvent(common::Evcode const, common::Evcode const, std::string const &)");
        QTest::newRow("reply") << QByteArray(
            "deliverReply(common::Opcode const, common::Opcode const, std::string const &, "
            "common::Ercode const, common::Ercode const, std::string const &)")
                               << QByteArray(
                                      "receiveReply(common::Opcode const, common::Opcode const, std::string const &, "
                                      "common::Ercode const, common::Ercode const, std::string const &)");
        QTest::newRow("request")
            << QByteArray("deliverRequest(common::Opcode const, common::Opcode const, std::string const &)")
            << QByteArray("receiveRequest(common::Opcode const, common::Opcode const, std::string const &)");
    }

    // The signals and slots are known to the meta-object system under the
    // names the bus spells them with, and each pair links.
    void linksBySignatureName()
    {
        QFETCH(QByteArray, signal);
        QFETCH(QByteArray, slot);
        Component member;
        Connector connector;
        const int signalIndex =
            member.metaObject()->indexOfSignal(QMetaObject::normalizedSignature(signal.constData()));
        const int slotIndex = connector.metaObject()->indexOfSlot(QMetaObject::normalizedSignature(slot.constData()));
        QVERIFY(signalIndex >= 0);
        QVERIFY(slotIndex >= 0);
        QVERIFY(QObject::connect(&member, member.metaObject()->method(signalIndex), &connector,
                                 connector.metaObject()->method(slotIndex)));
    }

    void receiversRunInLinkOrderBeforeTheEmitReturns()
    {
        QStringList log;
        Connector connector;
        RecordingComponent first(QStringLiteral("first"), &log);
        RecordingComponent second(QStringLiteral("second"), &log);
        RecordingComponent third(QStringLiteral("third"), &log);
        LinkAll(&connector, &first);
        LinkAll(&connector, &second);
        LinkAll(&connector, &third);

        emit connector.deliverRequest(common::op::SelectDocument, common::tag::OpenFolder, "payload");

        QCOMPARE(log, QStringList({"first: request 41 -38", "second: request 41 -38", "third: request 41 -38"}));
    }

    void plainComponentIgnoresEverything()
    {
        QStringList log;
        Component member;
        RecordingComponent recorder(QStringLiteral("r"), &log);
        QObject::connect(&member, &Component::deliverEvent, &recorder, &RecordingComponent::receiveEvent);
        QObject::connect(&member, &Component::deliverReply, &recorder, &RecordingComponent::receiveReply);
        QObject::connect(&member, &Component::deliverRequest, &recorder, &RecordingComponent::receiveRequest);

        member.receiveEvent(common::ev::Started, 1, "");
        member.receiveReply(common::op::SelectDocument, common::tag::Plain, "a", 0, 0, "b");
        member.receiveRequest(common::op::SelectDocument, common::tag::Plain, "a");

        QVERIFY(log.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestConnector)
#include "tst_connector.moc"
