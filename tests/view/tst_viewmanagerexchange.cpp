#include "applicationcomponent.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "dispatchtotestserver.h"
#include "documenteditorview.h"
#include "recordingcomponent.h"
#include "testenvironment.h"
#include "testserver.h"

#include "deletedocumentrequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"

#include <QApplication>
#include <QPointer>
#include <QtTest>

#include <memory>

using testsupport::RecordingComponent;
using testsupport::TestServer;

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
QList<DocumentEditorView *> OpenEditors()
{
    QList<DocumentEditorView *> editors;
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        auto *editor = qobject_cast<DocumentEditorView *>(widget);
        if (editor && !editor->isHidden())
            editors.append(editor);
    }
    return editors;
}

// A window that notes how many editors were open when each reply reached it.
class EditorCountingWindow : public RecordingComponent
{
public:
    using RecordingComponent::RecordingComponent;

    void receiveReply(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request,
                      common::Ercode majorErcode, common::Ercode minorErcode, const std::string &reply) override
    {
        RecordingComponent::receiveReply(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
        editorsAtReply.append(OpenEditors().size());
    }

    QList<int> editorsAtReply;
};
}

// The managers answer what really comes back from the server: a window's
// request goes down the bus and over the link, and the reply comes up to the
// windows first and then to the managers.
class TestViewManagerExchange : public QObject
{
    Q_OBJECT

private:
    TestServer m_server;
    QStringList m_log;
    std::unique_ptr<ApplicationComponent> m_bus;
    std::unique_ptr<EditorCountingWindow> m_window;

    void send(common::Opcode majorOpcode, common::Opcode minorOpcode, const google::protobuf::MessageLite &request)
    {
        emit m_window->deliverRequest(majorOpcode, minorOpcode, request.SerializeAsString());
    }

private slots:
    void initTestCase() { QVERIFY(testsupport::StartAndDispatchTo(m_server)); }

    void init()
    {
        m_log.clear();
        m_server.clearRequests();
        m_bus = std::make_unique<ApplicationComponent>();
        m_window = std::make_unique<EditorCountingWindow>(QStringLiteral("window"), &m_log);
        QVERIFY(m_bus->connectAbstractViewWindow(m_window.get()));
    }

    void cleanup()
    {
        m_window.reset();
        m_bus.reset();
        QList<QPointer<QWidget>> windows;
        for (QWidget *widget : QApplication::topLevelWidgets())
            windows.append(widget);
        for (const QPointer<QWidget> &window : windows)
            delete window.data();
    }

    void selectedDocumentsOpenAfterTheWindowsHaveTheReply()
    {
        qorv::data::SelectDocumentReply answer;
        answer.add_document()->set_document_id(21);
        answer.add_document()->set_document_id(22);
        m_server.reply(common::op::SelectDocument, common::tag::OpenDocumentEditor, answer.SerializeAsString());
        qorv::data::SelectDocumentRequest request;
        request.set_document_id(21);

        send(common::op::SelectDocument, common::tag::OpenDocumentEditor, request);

        QCOMPARE(m_server.requests().size(), size_t(1));
        QCOMPARE(m_window->editorsAtReply, QList<int>({0}));
        QCOMPARE(OpenEditors().size(), 2);
    }

    void failedSelectOpensNothing()
    {
        qorv::data::SelectDocumentReply answer;
        answer.add_document()->set_document_id(21);
        m_server.reply(common::op::SelectDocument, common::tag::OpenDocumentEditor, answer.SerializeAsString(), 0, 4);

        send(common::op::SelectDocument, common::tag::OpenDocumentEditor, qorv::data::SelectDocumentRequest());

        QCOMPARE(m_log.filter(QStringLiteral("reply")), QStringList({"window: reply 41 -35 0 4"}));
        QVERIFY(OpenEditors().isEmpty());
    }

    void editorClosesOnlyWhenTheServerConfirmsTheDeletion()
    {
        qorv::data::SelectDocumentReply answer;
        answer.add_document()->set_document_id(21);
        m_server.reply(common::op::SelectDocument, common::tag::OpenDocumentEditor, answer.SerializeAsString());
        send(common::op::SelectDocument, common::tag::OpenDocumentEditor, qorv::data::SelectDocumentRequest());
        QCOMPARE(OpenEditors().size(), 1);
        qorv::data::DeleteDocumentRequest deletion;
        deletion.set_document_id(21);

        m_server.reply(common::op::DeleteDocument, common::tag::Plain, std::string(), 0, 3);
        send(common::op::DeleteDocument, common::tag::Plain, deletion);
        QCOMPARE(OpenEditors().size(), 1);

        m_server.reply(common::op::DeleteDocument, common::tag::Plain, std::string());
        send(common::op::DeleteDocument, common::tag::Plain, deletion);
        QVERIFY(OpenEditors().isEmpty());
        QCOMPARE(m_server.requests().size(), size_t(3));
    }
};

QTEST_MAIN(TestViewManagerExchange)
#include "tst_viewmanagerexchange.moc"
