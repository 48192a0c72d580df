#include "browserbus.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "documenteditor.h"
#include "documenteditorview.h"
#include "layoutcheck.h"
#include "screenshot.h"
#include "settingssingleton.h"
#include "testenvironment.h"
#include "urldockwidget.h"
#include "urllistwidget.h"

#include "document3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentwebpagereply3.pb.h"

#include <QAction>
#include <QDockWidget>
#include <QListWidget>
#include <QTest>
#include <QToolBar>

QORV_ISOLATE_TEST_ENVIRONMENT()

using groupstest::BrowserBus;
using groupstest::GroupDirectory;

namespace
{
testsupport::TestReply Answer(const google::protobuf::MessageLite &reply)
{
    testsupport::TestReply answer;
    answer.payload = reply.SerializeAsString();
    return answer;
}
}

// The document editor as its owner sees it: a formatted document, its web
// addresses below and its revision history beside it.
class TestDocEditorScreenshot : public QObject
{
    Q_OBJECT

private:
    BrowserBus m_bus;

private slots:
    void initTestCase()
    {
        QVERIFY(BrowserBus::setUpLikeTheProgram());
        QVERIFY(m_bus.start());
    }

    void cleanupTestCase() { m_bus.stop(); }

    void editorWithAddressesAndRevisions()
    {
        m_bus.server().onRequest(common::op::SelectDocumentWebpage, [](const testsupport::TestRequest &) {
            qorv::data::SelectDocumentWebpageReply reply;
            for (const char *url : {"https://intranet.example.org/budget", "https://example.org/figures"}) {
                qorv::data::DocumentWebpage *webpage = reply.add_document_webpage();
                webpage->set_document_webpage_document_id(21);
                webpage->set_document_webpage_url(url);
                webpage->set_document_webpage_description("Background");
            }
            return Answer(reply);
        });
        m_bus.server().onRequest(common::op::SelectDocument, [](const testsupport::TestRequest &received) {
            qorv::data::SelectDocumentReply reply;
            if (received.minorOpcode == common::tag::ShowRevision) {
                reply.add_document()->set_document_body(
                    "<html><body><h2>Budget 2025 (draft)</h2><p>The <b>quarterly figures</b> before the "
                    "committee met.</p><ul><li>Staff</li><li>Travel</li></ul></body></html>");
                return Answer(reply);
            }
            for (const char *from : {"2024-06-12 10:00:00", "2024-03-05 14:07:09", "2024-01-02 08:00:00"}) {
                qorv::data::Document *revision = reply.add_document();
                revision->set_document_name("Budget");
                revision->mutable_sys_period()->set_from(from);
            }
            return Answer(reply);
        });

        qorv::data::Document document;
        document.set_document_id(21);
        document.set_document_user_id(GroupDirectory::SessionUserId);
        document.set_document_name("Budget");
        document.set_document_body("<html><body><h2>Budget 2025</h2><p>The <b>quarterly figures</b> as agreed, "
                                   "with the <i>notes</i> of the committee.</p><ul><li>Staff</li><li>Travel</li>"
                                   "<li>Equipment</li></ul></body></html>");
        document.mutable_document_security_descriptor()->set_permissions(0xFFF);
        // The owner keeps the web addresses on show.
        SettingsSingleton::instance()->setValue(
            QStringLiteral("DocumentEditor/Options/UrlAttachmentsDockWidgetDisplay"), true);
        auto *window = new DocumentEditorView(document);
        window->resize(1000, 700);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));

        auto *urls = window->findChild<UrlDockWidget *>();
        // Shown with the window, the dock has asked for its addresses.
        QTRY_COMPARE(urls->getListWidget()->count(), 2);
        QDockWidget *history = nullptr;
        for (QDockWidget *dock : window->findChildren<QDockWidget *>())
            if (dock != urls)
                history = dock;
        QVERIFY(history);
        // The list answers only the active window; the dock must not take
        // that from it.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        history->toggleViewAction()->trigger();
        auto *revisions = history->findChild<QListWidget *>();
        QCOMPARE(revisions->count(), 3);
        revisions->setCurrentRow(1);
        window->revisionClicked(revisions->item(1));
        QVERIFY(window->findChild<DocumentEditor *>()->toPlainText().contains(QStringLiteral("draft")));

        const testsupport::Screenshot shot(window, QStringLiteral("documenteditor"));
        QVERIFY2(shot.isSaved(), qPrintable(shot.path()));
        QVERIFY(shot.colours(urls) > 8);
        QVERIFY(shot.colours(revisions) > 8);
        qInfo("%s", qPrintable(shot.path()));
        window->close();
    }

    // A new window opens at the smallest size: the owner's tool bars show
    // every control and the text takes most of the height.
    void editorAtTheSmallestSize()
    {
        SettingsSingleton::instance()->remove(QStringLiteral("DocumentEditor/Options"));
        qorv::data::Document document;
        document.set_document_id(22);
        document.set_document_user_id(GroupDirectory::SessionUserId);
        document.set_document_name("Minutes");
        document.set_document_body("<html><body><h2>Minutes</h2><p>Present: the <b>whole</b> committee.</p>"
                                   "</body></html>");
        document.mutable_document_security_descriptor()->set_permissions(0xFFF);
        auto *window = new DocumentEditorView(document);
        window->resize(800, 600);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));

        const testsupport::Screenshot shot(window, QStringLiteral("documenteditor-800x600"));
        QVERIFY2(shot.isSaved(), qPrintable(shot.path()));
        QCOMPARE(window->size(), QSize(800, 600));
        int shown = 0;
        for (const QToolBar *toolBar : window->findChildren<QToolBar *>()) {
            if (!toolBar->isVisible())
                continue;
            ++shown;
            QVERIFY2(testsupport::ShowsEveryItem(toolBar), qPrintable(toolBar->windowTitle()));
        }
        QCOMPARE(shown, 2);
        const auto *editor = window->findChild<DocumentEditor *>();
        QVERIFY2(editor->height() >= window->height() / 2, qPrintable(QString::number(editor->height())));
        QVERIFY(shot.colours(editor) >= 8);
        window->close();
    }
};

QTEST_MAIN(TestDocEditorScreenshot)
#include "tst_doceditorscreenshot.moc"
