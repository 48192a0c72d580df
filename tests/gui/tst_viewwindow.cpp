#include "abstractviewwindow.h"
#include "common/eventcode.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "connector.h"
#include "dialoganswerer.h"
#include "settings.h"
#include "testenvironment.h"
#include "textdialog.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QTranslator>

QORV_ISOLATE_TEST_ENVIRONMENT()

// Both resource collections of the client register themselves when linked;
// this one's functions let a test take the licence away and bring it back.
int qInitResources_client();
int qCleanupResources_client();

// A view window as the program builds them: geometry restored when its widgets
// are built, saved when it is destroyed; it records how replies were routed.
class RecordingView : public AbstractViewWindow
{
    Q_OBJECT

public:
    explicit RecordingView(QWidget *parent = nullptr)
        : AbstractViewWindow(parent)
    {
        Settings().restoreWidgetGeometrySettings(this, Settings::ClassName);
    }
    ~RecordingView() override { Settings().saveWidgetGeometrySettings(this, Settings::ClassName); }

    QStringList calls;
    QMenu *fileMenu() const { return m_fileMenu; }
    QToolBar *standardToolBar() const { return m_standardToolBar; }
    Mode *mode() const { return m_mode; }
    QList<QAction *> menuActions() const
    {
        return {m_fileMenuAction, m_editMenuAction, m_viewMenuAction, m_toolsMenuAction, m_helpMenuAction};
    }

protected:
    void processReply(common::Opcode major, common::Opcode minor, const std::string &request,
                      const std::string &reply) override
    {
        calls.append(QStringLiteral("reply %1 %2 %3 %4")
                         .arg(major)
                         .arg(minor)
                         .arg(QString::fromStdString(request), QString::fromStdString(reply)));
    }
    void processError(common::Opcode major, common::Opcode minor, const std::string &request,
                      common::Ercode majorErcode, common::Ercode minorErcode, const std::string &reply) override
    {
        calls.append(QStringLiteral("error %1 %2 %3 %4 %5 %6")
                         .arg(major)
                         .arg(minor)
                         .arg(QString::fromStdString(request))
                         .arg(majorErcode)
                         .arg(minorErcode)
                         .arg(QString::fromStdString(reply)));
    }
    void enterMode(int mode) override { calls.append(QStringLiteral("enter %1").arg(mode)); }
    void leaveMode(int mode) override { calls.append(QStringLiteral("leave %1").arg(mode)); }
};

class TestViewWindow : public QObject
{
    Q_OBJECT

private:
    QTranslator m_translator;

    static QString screenKey(const QWidget &widget)
    {
        const QRect available = widget.screen()->availableGeometry();
        return QStringLiteral("%1x%2").arg(available.width()).arg(available.height());
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Halvemoor"));
        QCoreApplication::setApplicationName(QStringLiteral("QuillaneClient"));
        QVERIFY(m_translator.load(QStringLiteral(":build/client_en.qm")));
        QCoreApplication::installTranslator(&m_translator);
    }

    void replyRouting_data()
    {
        QTest::addColumn<int>("majorErcode");
        QTest::addColumn<int>("minorErcode");
        QTest::addColumn<QString>("expected");
        QTest::newRow("success") << 0 << 0 << "reply 41 -38 req rep";
        QTest::newRow("server error") << 0 << 5 << "error 41 -38 req 0 5 rep";
        QTest::newRow("no valid reply") << -1 << 1 << "error 41 -38 req -1 1 rep";
        QTest::newRow("major only") << 3 << 0 << "error 41 -38 req 3 0 rep";
    }

    void replyRouting()
    {
        QFETCH(int, majorErcode);
        QFETCH(int, minorErcode);
        QFETCH(QString, expected);
        RecordingView window;
        window.receiveReply(common::op::SelectDocument, common::tag::OpenFolder, "req", majorErcode, minorErcode,
                            "rep");
        QCOMPARE(window.calls, QStringList({expected}));
    }

    void defaultsOfTheReplySlot()
    {
        RecordingView window;
        window.receiveReply(common::op::DeleteDocument);
        QCOMPARE(window.calls, QStringList({"reply 7 1  "}));
    }

    void joinsTheBusLikeEveryMember()
    {
        // Linked the way the executive layer links a window: replies and events
        // come down to it, its requests go up.
        Connector executive;
        RecordingView window;
        QVERIFY(QObject::connect(&executive, &Connector::deliverEvent, &window, &RecordingView::receiveEvent));
        QVERIFY(QObject::connect(&executive, &Connector::deliverReply, &window, &RecordingView::receiveReply));
        QVERIFY(QObject::connect(&window, &RecordingView::deliverRequest, &executive, &Connector::receiveRequest));
        QList<int> requests;
        QObject::connect(&executive, &Connector::deliverRequest, this,
                         [&](common::Opcode major, common::Opcode, const std::string &) { requests.append(major); });
        executive.receiveReply(common::op::SelectFolder, common::tag::OpenFolder, "req", 0, 0, "rep");
        executive.receiveReply(common::op::SelectFolder, common::tag::OpenFolder, "req", -1, 1, std::string());
        executive.receiveEvent(common::ev::ClockTick, 1, std::string());
        emit window.deliverRequest(common::op::SelectDocument, common::tag::OpenFolder, "payload");
        QCOMPARE(window.calls, QStringList({"reply 44 -38 req rep", "error 44 -38 req -1 1 "}));
        QCOMPARE(requests, QList<int>({41}));
    }

    void captions_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("caption");
        QTest::newRow("no server") << "Console"
                                   << ""
                                   << "alice"
                                   << "Console";
        QTest::newRow("server") << "Console"
                                << "srv"
                                << ""
                                << "Console [srv]";
        QTest::newRow("server and user") << "Console"
                                         << "srv"
                                         << "alice"
                                         << "Console [alice @ srv]";
        QTest::newRow("server only") << ""
                                     << "srv"
                                     << ""
                                     << "";
    }

    void captions()
    {
        QFETCH(QString, title);
        QFETCH(QString, server);
        QFETCH(QString, user);
        QFETCH(QString, caption);
        RecordingView window;
        window.setWindowTitle(QStringLiteral("before"));
        window.setWindowCaption(title, server, user);
        QCOMPARE(window.windowTitle(), caption);
    }

    void standardMenusAndToolBar()
    {
        RecordingView window;
        QStringList titles;
        for (QAction *action : window.menuBar()->actions())
            titles.append(action->text());
        QCOMPARE(titles, QStringList({"File", "Edit", "View", "Tools", "Help"}));
        QCOMPARE(window.menuBar()->actions(), window.menuActions());
        QCOMPARE(window.fileMenu()->menuAction(), window.menuActions().first());
        QCOMPARE(window.standardToolBar()->windowTitle(), QStringLiteral("Standard"));
        QVERIFY(window.findChildren<QToolBar *>().contains(window.standardToolBar()));
        QCOMPARE(window.toolBarArea(window.standardToolBar()), Qt::NoToolBarArea);
        window.initializeStandardToolBar();
        QCOMPARE(window.standardToolBar()->objectName(), QStringLiteral("StandardToolBar"));
        QCOMPARE(window.toolBarArea(window.standardToolBar()), Qt::TopToolBarArea);
        QVERIFY(window.statusBar());
        QCOMPARE(window.mode()->parent(), &window);
    }

    void modeForwardingAndSlots()
    {
        RecordingView window;
        const int root = window.registerMode(-1, "root");
        const int child = window.registerMode("child", root);
        QAction action(&window);
        window.registerProp(child, Mode::Enter, &action, "enabled", false);
        window.setMode(child);
        QCOMPARE(window.getMode(), child);
        QCOMPARE(window.getModeName(child), std::string("child"));
        QVERIFY(!action.isEnabled());
        QCOMPARE(window.calls, QStringList({"enter 0", "enter 1"}));
        window.registerTran(child, root);
        QTest::ignoreMessage(QtWarningMsg, "Mode::setMode: invalid transition from mode child to mode child!");
        window.setMode(child);
    }

    void actionMakers()
    {
        RecordingView window;
        QMenu menu;
        QAction *plain = window.addAction(&window, QStringLiteral("Plain"), QString());
        QCOMPARE(plain->parent(), &window);
        QVERIFY(plain->statusTip().isEmpty());
        QAction *inMenu = window.addAction(&menu, &menu, QStringLiteral("In menu"), QStringLiteral("tip"));
        QCOMPARE(inMenu->parent(), &menu);
        QCOMPARE(inMenu->statusTip(), QStringLiteral("tip"));
        QVERIFY(menu.actions().contains(inMenu));
        QAction *shortcut =
            window.addAction(&window, &menu, QStringLiteral("Cut"), QStringLiteral("Ctrl+X"), QString());
        QCOMPARE(shortcut->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
        QAction *withIcon = window.addAction(&window, &menu, QIcon(), QStringLiteral("Icon"), QStringLiteral("Ctrl+I"),
                                             QStringLiteral("icon tip"));
        QCOMPARE(withIcon->statusTip(), QStringLiteral("icon tip"));
        QCOMPARE(menu.actions().size(), 3);
    }

    void minimumSize()
    {
        RecordingView window;
        window.resize(300, 200);
        QCOMPARE(window.size(), QSize(800, 600));
        QCOMPARE(window.minimumSize(), QSize(800, 600));
    }

    void closingDestroysAndStoresGeometry()
    {
        QPointer<RecordingView> window = new RecordingView;
        // Default geometry 640 x 480 lies below the minimum size.
        QCOMPARE(window->size(), QSize(800, 600));
        QCOMPARE(window->pos(), QPoint(64, 48));
        const QString group = QStringLiteral("RecordingView/geometry/") + screenKey(*window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->resize(900, 700);
        window->move(20, 30);
        window->close();
        QTRY_VERIFY(window.isNull());
        Settings settings;
        QCOMPARE(settings.value(group + QStringLiteral("/size")).toSize(), QSize(900, 700));
        QVERIFY(settings.contains(group + QStringLiteral("/pos")));

        RecordingView reopened;
        QCOMPARE(reopened.size(), QSize(900, 700));
    }

    void helpAboutShowsTheLicence()
    {
        RecordingView window;
        testsupport::DialogAnswerer answerer;
        QString heading;
        QString body;
        answerer.expect([&](QWidget *dialog) {
            heading = dialog->findChild<QLabel *>()->text();
            body = dialog->findChild<QTextEdit *>()->toPlainText();
            QVERIFY(qobject_cast<TextDialog *>(dialog));
            QCOMPARE(dialog->parentWidget(), &window);
            static_cast<QDialog *>(dialog)->accept();
        });
        window.helpAbout();
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(answerer.lastTitle(), QStringLiteral("About Quillane..."));
        QVERIFY(heading.contains(QStringLiteral("Quillane")));
        QVERIFY(body.startsWith(QStringLiteral("QUILLANE CLIENT")));
        QVERIFY(body.contains(QStringLiteral("Boost Software License")));
    }

    void helpAboutWithoutLicenceShowsNothing()
    {
        qCleanupResources_client();
        RecordingView window;
        testsupport::DialogAnswerer answerer;
        window.helpAbout();
        QVERIFY(answerer.sawNoDialog());
        qInitResources_client();
        QVERIFY(QFile::exists(QStringLiteral(":resources/license.txt")));
    }
};

QTEST_MAIN(TestViewWindow)
#include "tst_viewwindow.moc"
