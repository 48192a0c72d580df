#include "applicationcomponent.h"
#include "clockcomponent.h"
#include "recordingcomponent.h"
#include "systemconnector.h"
#include "testenvironment.h"

#include <QApplication>
#include <QMainWindow>
#include <QtTest>

#include <memory>

using testsupport::RecordingComponent;

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
QList<QMainWindow *> Consoles()
{
    QList<QMainWindow *> consoles;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("ConsoleView"))
            consoles.append(qobject_cast<QMainWindow *>(widget));
    }
    return consoles;
}

// Notes the clock's state at the moment a request passes the system
// connector, after the clock (linked first) has acted on it.
class ClockWatcher : public RecordingComponent
{
public:
    ClockWatcher(const QTimer *timer, QStringList *log)
        : RecordingComponent(QStringLiteral("watcher"), log)
        , m_timer(timer)
    {
    }

    void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request) override
    {
        RecordingComponent::receiveRequest(majorOpcode, minorOpcode, request);
        timerActive = m_timer->isActive();
    }

    bool timerActive = true;

private:
    const QTimer *m_timer;
};
}

class TestApplicationComponent : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qDeleteAll(Consoles()); }

    void buildsItsMembersInTheFixedOrder()
    {
        ApplicationComponent component;
        QStringList classes;
        for (const QObject *child : component.children())
            classes.append(QString::fromLatin1(child->metaObject()->className()));
        QCOMPARE(classes,
                 QStringList({"SystemConnector", "SystemRouter", "ServerComponent", "ServiceConnector", "ServiceRouter",
                              "ExecutiveConnector", "ClockComponent", "ConsoleManager", "UserGroupBrowserManager",
                              "DocumentBrowserManager", "DocumentEditorManager", "FolderKeyringManager",
                              "DocumentKeyringManager", "DocumentKeysManager", "FolderKeysManager",
                              "MessageBrowserManager", "MessageEditorManager", "MessageReaderManager"}));
    }

    void consoleIsOpenOnceConstructed()
    {
        QVERIFY(Consoles().isEmpty());
        auto component = std::make_unique<ApplicationComponent>();
        const QList<QMainWindow *> consoles = Consoles();
        QCOMPARE(consoles.size(), 1);
        QVERIFY(consoles.first()->isVisible());

        // The console goes with its manager.
        component.reset();
        QVERIFY(Consoles().isEmpty());
    }

    void clockRunsFromConstructionToDestruction()
    {
        auto component = std::make_unique<ApplicationComponent>();
        const auto *clock = component->findChild<ClockComponent *>();
        QVERIFY(clock);
        const auto *timer = clock->findChild<QTimer *>();
        QVERIFY(timer);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 60000);
        QVERIFY(!timer->isSingleShot());

        QStringList log;
        ClockWatcher watcher(timer, &log);
        const auto *systemConnector = component->findChild<SystemConnector *>();
        QObject::connect(systemConnector, &Connector::deliverRequest, &watcher, &RecordingComponent::receiveRequest);

        component.reset();
        QCOMPARE(log, QStringList({"watcher: request -54 1"}));
        QVERIFY(!watcher.timerActive);
    }

    void clockTickReachesTheConsoleManagerSide()
    {
        // The tick rises from the bottom of the bus to the managers, which are
        // linked beside the service router.
        ApplicationComponent component;
        QStringList log;
        RecordingComponent manager(QStringLiteral("manager"), &log);
        QVERIFY(component.connectAbstractViewManager(&manager));
        RecordingComponent window(QStringLiteral("window"), &log);
        QVERIFY(component.connectAbstractViewWindow(&window));

        auto *timer = component.findChild<ClockComponent *>()->findChild<QTimer *>();
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));

        QCOMPARE(log, QStringList({"window: event -3 1", "manager: event -3 1"}));
    }
};

QTEST_MAIN(TestApplicationComponent)
#include "tst_applicationcomponent.moc"
