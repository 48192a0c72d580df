#include "mode.h"

#include <QAction>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>

#include <functional>

// Records every property write and every mode signal in one sequence, so the
// tests can check the exact order of a switch.
class Recorder : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString value READ value WRITE setValue)
    Q_PROPERTY(QString other READ other WRITE setOther)

public:
    Recorder(const QString &name, QStringList *log)
        : m_name(name)
        , m_log(log)
    {
    }

    QString value() const { return m_value; }
    void setValue(const QString &value)
    {
        m_value = value;
        m_log->append(QStringLiteral("%1=%2").arg(m_name, value));
        if (onWrite)
            onWrite(value);
    }
    QString other() const { return m_other; }
    void setOther(const QString &other) { m_other = other; }

    std::function<void(const QString &)> onWrite;

private:
    QString m_name;
    QStringList *m_log;
    QString m_value;
    QString m_other;
};

class TestMode : public QObject
{
    Q_OBJECT

private:
    QStringList m_log;

    void watch(Mode &mode)
    {
        connect(&mode, &Mode::enterMode, this, [this](int m) { m_log.append(QStringLiteral("enter%1").arg(m)); });
        connect(&mode, &Mode::leaveMode, this, [this](int m) { m_log.append(QStringLiteral("leave%1").arg(m)); });
    }

private slots:
    void init() { m_log.clear(); }

    void emptyMachine()
    {
        Mode mode(nullptr);
        QCOMPARE(mode.getMode(), -1);
        QTest::ignoreMessage(QtWarningMsg, "Mode::setMode: unregistered mode 0!");
        mode.setMode(0);
        QCOMPARE(mode.getMode(), -1);
        QTest::ignoreMessage(QtWarningMsg, "Mode::getModeName: unregistered mode 0!");
        QCOMPARE(mode.getModeName(0), std::string());
        Recorder object(QStringLiteral("o"), &m_log);
        QVERIFY(!mode.getModeProp(0, Mode::Enter, &object, "value").isValid());
    }

    void automaticIdsAndNames()
    {
        Mode mode(nullptr);
        QCOMPARE(mode.registerMode(-1, "first"), 0);
        QCOMPARE(mode.registerMode("second", -1), 1);
        QCOMPARE(mode.registerMode(-1, ""), 2);
        QCOMPARE(mode.getModeName(0), std::string("first"));
        QCOMPARE(mode.getModeName(1), std::string("second"));
        QCOMPARE(mode.getModeName(2), std::string("2"));
        mode.registerMode(-3, "", -1);
        QCOMPARE(mode.getModeName(-3), std::string("-3"));
    }

    void refusedRegistrations()
    {
        Mode mode(nullptr);
        // The very first automatic id is 0, the parent given: refused, id used up.
        QTest::ignoreMessage(QtWarningMsg, "Mode::registerMode: a mode cannot have itself as a parent!");
        QCOMPARE(mode.registerMode(0, "self"), 0);
        QTest::ignoreMessage(QtWarningMsg, "Mode::setMode: unregistered mode 0!");
        mode.setMode(0);
        QCOMPARE(mode.registerMode(-1, "next"), 1);

        QTest::ignoreMessage(QtWarningMsg, "Mode::registerMode: mode next is already registered!");
        mode.registerMode(1, "renamed", -1);
        QCOMPARE(mode.getModeName(1), std::string("next"));
    }

    void parentRegisteredLaterStaysRoot()
    {
        Mode mode(nullptr);
        watch(mode);
        mode.registerMode(5, "child", 4); // 4 unknown: a root, silently
        mode.registerMode(4, "parent", -1);
        mode.setMode(5);
        QCOMPARE(m_log, QStringList({"enter5"}));
    }

    void registerPropChecks_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("nullObject");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("warning");
        QTest::newRow("unregistered") << 9 << false << QByteArray("value") << QVariant(QStringLiteral("x"))
                                      << "Mode::registerProp: unregistered mode 9!";
        QTest::newRow("null object") << 0 << true << QByteArray("value") << QVariant(QStringLiteral("x"))
                                     << "Mode::registerProp: null object!";
        QTest::newRow("empty name") << 0 << false << QByteArray() << QVariant(QStringLiteral("x"))
                                    << "Mode::registerProp: empty name!";
        QTest::newRow("invalid value") << 0 << false << QByteArray("value") << QVariant()
                                       << "Mode::registerProp: invalid value!";
        QTest::newRow("no such property") << 0 << false << QByteArray("colour") << QVariant(QStringLiteral("x"))
                                          << "Mode::registerProp: invalid property!";
    }

    void registerPropChecks()
    {
        QFETCH(int, mode);
        QFETCH(bool, nullObject);
        QFETCH(QByteArray, property);
        QFETCH(QVariant, value);
        QFETCH(QString, warning);
        Mode machine(nullptr);
        machine.registerMode(0, "zero", -1);
        Recorder object(QStringLiteral("o"), &m_log);
        QTest::ignoreMessage(QtWarningMsg, warning.toUtf8().constData());
        machine.registerProp(mode, Mode::Enter, nullObject ? nullptr : &object, property.toStdString(), value);
        machine.setMode(0);
        QVERIFY(m_log.isEmpty());
    }

    void duplicateKeepsFirst_data()
    {
        QTest::addColumn<int>("condition");
        QTest::addColumn<QString>("warning");
        QTest::newRow("enter") << int(Mode::Enter) << "Property value for entering mode m is already registered!";
        QTest::newRow("leave") << int(Mode::Leave) << "Property value for leaving mode m is already registered!";
        QTest::newRow("other") << 7 << "Property value for mode m is already registered!";
    }

    void duplicateKeepsFirst()
    {
        QFETCH(int, condition);
        QFETCH(QString, warning);
        Mode mode(nullptr);
        mode.registerMode(0, "m", -1);
        Recorder object(QStringLiteral("o"), &m_log);
        const auto kind = static_cast<Mode::Condition>(condition);
        mode.registerProp(0, kind, &object, "value", QStringLiteral("first"));
        QTest::ignoreMessage(QtWarningMsg, warning.toUtf8().constData());
        mode.registerProp(0, kind, &object, "value", QStringLiteral("second"));
        QCOMPARE(mode.getModeProp(0, kind, &object, "value").toString(), QStringLiteral("first"));
    }

    void firstSwitchWritesEnterValuesOnly()
    {
        Mode mode(nullptr);
        watch(mode);
        const int a = mode.registerMode(-1, "a");
        Recorder object(QStringLiteral("o"), &m_log);
        mode.registerProp(a, Mode::Leave, &object, "value", QStringLiteral("left"));
        mode.registerProp(a, Mode::Enter, &object, "value", QStringLiteral("entered"));
        mode.setMode(a);
        QCOMPARE(m_log, QStringList({"o=entered", "enter0"}));
        QCOMPARE(mode.getMode(), a);
    }

    void sameModeIsLeftAndEnteredAgain()
    {
        Mode mode(nullptr);
        const int a = mode.registerMode(-1, "a");
        Recorder object(QStringLiteral("o"), &m_log);
        mode.registerProp(a, Mode::Leave, &object, "value", QStringLiteral("left"));
        mode.registerProp(a, Mode::Enter, &object, "value", QStringLiteral("entered"));
        mode.setMode(a);
        watch(mode);
        m_log.clear();
        mode.setMode(a);
        QCOMPARE(m_log, QStringList({"o=left", "leave0", "o=entered", "enter0"}));
    }

    void valuesOfOneKeyAreWrittenNewestFirst()
    {
        Mode mode(nullptr);
        const int a = mode.registerMode(-1, "a");
        Recorder first(QStringLiteral("first"), &m_log);
        Recorder second(QStringLiteral("second"), &m_log);
        Recorder third(QStringLiteral("third"), &m_log);
        mode.registerProp(a, Mode::Enter, &first, "value", QStringLiteral("1"));
        mode.registerProp(a, Mode::Enter, &second, "value", QStringLiteral("2"));
        mode.registerProp(a, Mode::Enter, &third, "value", QStringLiteral("3"));
        mode.setMode(a);
        QCOMPARE(m_log, QStringList({"third=3", "second=2", "first=1"}));
    }

    void parentChainOrder()
    {
        // root <- a <- b, and a sibling c under root.
        Mode mode(nullptr);
        watch(mode);
        const int root = mode.registerMode(-1, "root");
        const int a = mode.registerMode(root, "a");
        const int b = mode.registerMode(a, "b");
        Recorder object(QStringLiteral("o"), &m_log);
        for (int m : {root, a, b}) {
            mode.registerProp(m, Mode::Enter, &object, "value", QStringLiteral("in%1").arg(m));
            mode.registerProp(m, Mode::Leave, &object, "value", QStringLiteral("out%1").arg(m));
        }
        mode.setMode(b);
        QCOMPARE(m_log, QStringList({"o=in0", "enter0", "o=in1", "enter1", "o=in2", "enter2"}));
        QCOMPARE(object.value(), QStringLiteral("in2")); // the child's value wins
        m_log.clear();
        mode.setMode(a);
        QCOMPARE(m_log, QStringList({"o=out2", "leave2", "o=out1", "leave1", "o=out0", "leave0", "o=in0", "enter0",
                                     "o=in1", "enter1"}));
    }

    void getModePropFollowsParents()
    {
        Mode mode(nullptr);
        const int root = mode.registerMode(-1, "root");
        const int child = mode.registerMode(root, "child");
        QAction action(nullptr);
        Recorder object(QStringLiteral("o"), &m_log);
        mode.registerProp(root, Mode::Enter, &action, "enabled", false);
        mode.registerProp(child, Mode::Enter, &object, "value", QStringLiteral("c"));
        QCOMPARE(mode.getModeProp(child, Mode::Enter, &action, "enabled"), QVariant(false));
        QCOMPARE(mode.getModeProp(child, Mode::Enter, &object, "value"), QVariant(QStringLiteral("c")));
        QVERIFY(!mode.getModeProp(root, Mode::Enter, &object, "value").isValid());
        QVERIFY(!mode.getModeProp(child, Mode::Leave, &action, "enabled").isValid());
        QVERIFY(!mode.getModeProp(child, Mode::Enter, &action, "colour").isValid());
        QVERIFY(!mode.getModeProp(child, Mode::Enter, nullptr, "enabled").isValid());
    }

    void actionsFollowTheMode()
    {
        Mode mode(nullptr);
        const int off = mode.registerMode(-1, "off");
        const int on = mode.registerMode(-1, "on");
        QAction action(nullptr);
        mode.registerProp(off, Mode::Enter, &action, "enabled", false);
        mode.registerProp(on, Mode::Enter, &action, "enabled", true);
        mode.setMode(off);
        QVERIFY(!action.isEnabled());
        mode.setMode(on);
        QVERIFY(action.isEnabled());
    }

    void getModeDuringSignals()
    {
        Mode mode(nullptr);
        const int a = mode.registerMode(-1, "a");
        const int b = mode.registerMode(-1, "b");
        mode.setMode(a);
        QList<int> duringLeave;
        QList<int> duringEnter;
        connect(&mode, &Mode::leaveMode, this, [&](int) { duringLeave.append(mode.getMode()); });
        connect(&mode, &Mode::enterMode, this, [&](int) { duringEnter.append(mode.getMode()); });
        mode.setMode(b);
        QCOMPARE(duringLeave, QList<int>({a}));
        QCOMPARE(duringEnter, QList<int>({b}));
    }

    void transitions()
    {
        Mode mode(nullptr);
        watch(mode);
        const int a = mode.registerMode(-1, "a");
        const int b = mode.registerMode(-1, "b");
        const int c = mode.registerMode(-1, "c");
        mode.registerTran(a, b);
        QTest::ignoreMessage(QtWarningMsg,
                             "Mode::registerTran: transition from mode a to mode b is already registered!");
        mode.registerTran(a, b);
        QTest::ignoreMessage(QtWarningMsg, "Mode::registerTran: mode set does not contain source mode!");
        mode.registerTran(9, a);
        QTest::ignoreMessage(QtWarningMsg, "Mode::registerTran: mode set does not contain target mode!");
        mode.registerTran(a, 9);

        mode.setMode(a); // from -1: no transition registered, so allowed
        m_log.clear();
        QTest::ignoreMessage(QtWarningMsg, "Mode::setMode: invalid transition from mode a to mode c!");
        mode.setMode(c);
        QCOMPARE(mode.getMode(), a);
        QVERIFY(m_log.isEmpty());
        mode.setMode(b);
        QCOMPARE(mode.getMode(), b);
        mode.setMode(c); // b has no transition of its own: anything goes
        QCOMPARE(mode.getMode(), c);
    }

    void nestedSwitchRunsToCompletion()
    {
        Mode mode(nullptr);
        watch(mode);
        const int a = mode.registerMode(-1, "a");
        const int b = mode.registerMode(-1, "b");
        Recorder trigger(QStringLiteral("trigger"), &m_log);
        Recorder later(QStringLiteral("later"), &m_log);
        mode.registerProp(a, Mode::Enter, &later, "value", QStringLiteral("a"));
        mode.registerProp(a, Mode::Enter, &trigger, "value", QStringLiteral("go")); // written first
        mode.registerProp(b, Mode::Enter, &later, "value", QStringLiteral("b"));
        bool nested = false;
        trigger.onWrite = [&](const QString &) {
            if (!nested) {
                nested = true;
                mode.setMode(b);
            }
        };
        mode.setMode(a);
        // The nested switch completes inside the first write; the outer pass then
        // goes on with its own copy of a's values.
        QCOMPARE(m_log, QStringList({"trigger=go", "leave0", "later=b", "enter1", "later=a", "enter0"}));
        QCOMPARE(mode.getMode(), b);
    }

    void enterOfUnregisteredModeWarns()
    {
        Mode mode(nullptr);
        QTest::ignoreMessage(QtWarningMsg, "Mode::enter: mode set does not contain mode!");
        mode.enter(3);
        mode.leave(3); // silent
    }
};

QTEST_MAIN(TestMode)
#include "tst_mode.moc"
