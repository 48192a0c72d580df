#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

// The program itself, started as a user would start it.
class TestQuillaneClient : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;

    QProcessEnvironment environment(const QString &platform) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        // The ACE log to the standard error stream instead of the system log.
        environment.insert(QStringLiteral("QORV_LOG_STDERR"), QStringLiteral("1"));
        environment.insert(QStringLiteral("HOME"), m_home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.path() + QStringLiteral("/config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), m_home.path() + QStringLiteral("/data"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.path());
        return environment;
    }

    // True once the process has its own handlers for SIGINT and SIGTERM:
    // from then on either signal ends it with status 1 and its message.
    static bool handlesTerminationSignals(const QProcess &client)
    {
        QFile status(QStringLiteral("/proc/%1/status").arg(client.processId()));
        if (!status.open(QIODevice::ReadOnly))
            return false;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (!line.startsWith("SigCgt:"))
                continue;
            const qulonglong caught = line.mid(7).trimmed().toULongLong(nullptr, 16);
            const qulonglong wanted = (1ULL << (SIGINT - 1)) | (1ULL << (SIGTERM - 1));
            return (caught & wanted) == wanted;
        }
        return false;
    }

    // True while the main thread sleeps in poll(2), where an idle Qt event
    // loop waits for its next event.
    static bool waitsInPoll(const QProcess &client)
    {
        QFile channel(QStringLiteral("/proc/%1/wchan").arg(client.processId()));
        return channel.open(QIODevice::ReadOnly) && channel.readAll().contains("poll");
    }

    // Looks again until the check holds, the client has ended or the time is
    // up, counted on the clock: QTRY counts only its own pauses, so a check
    // that starts a program of its own (slow on a loaded machine) stretches a
    // minute's wait into many.
    template <typename Check>
    static bool waitWhileRunning(const QProcess &client, Check check, int timeoutMs)
    {
        const QDeadlineTimer deadline(timeoutMs);
        while (!check()) {
            if (client.state() != QProcess::Running || deadline.hasExpired())
                return false;
            QTest::qWait(100);
        }
        return true;
    }

    // What a failed wait reports: the process's output so far, which is then
    // read, so call it only once the wait has failed.
    static QByteArray failure(QProcess &process, const char *what)
    {
        return QByteArray(what) + (process.state() == QProcess::Running ? " (still running)" : " (ended)")
               + "; its output:\n" + process.readAllStandardOutput() + process.readAllStandardError();
    }

    static void finishWith(QProcess &client, int signal)
    {
        QVERIFY(::kill(static_cast<pid_t>(client.processId()), signal) == 0);
        QVERIFY2(client.waitForFinished(20000), "the client did not end");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        QVERIFY(QFile::exists(QStringLiteral(QORV_CLIENT_EXECUTABLE)));
    }

    void signalEndsTheProgram_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("SIGTERM") << int(SIGTERM) << QByteArray("Quillane Client received SIGTERM signal!");
        QTest::newRow("SIGINT") << int(SIGINT) << QByteArray("Quillane Client received SIGINT signal!");
    }

    void signalEndsTheProgram()
    {
        QFETCH(int, signal);
        QFETCH(QByteArray, message);
        QProcess client;
        client.setProcessEnvironment(environment(QStringLiteral("offscreen")));
        client.start(QStringLiteral(QORV_CLIENT_EXECUTABLE), QStringList());
        QVERIFY(client.waitForStarted());
        // A signal that comes before the entry point has installed its
        // handlers ends the process the system's way, with no message.
        if (!waitWhileRunning(
                client, [&client] { return handlesTerminationSignals(client); }, 60000))
            QFAIL(failure(client, "no handlers for SIGINT and SIGTERM").constData());
        // Inside the event loop, the way a user's signal usually finds it; a
        // signal before it ends the program the same way, only a little later.
        if (!waitWhileRunning(
                client, [&client] { return waitsInPoll(client); }, 60000))
            QFAIL(failure(client, "the event loop never waited").constData());

        finishWith(client, signal);

        QCOMPARE(client.exitStatus(), QProcess::NormalExit);
        QCOMPARE(client.exitCode(), 1);
        const QByteArray errors = client.readAllStandardError();
        QVERIFY2(errors.contains(message + '\n'), errors.constData());
        QCOMPARE(errors.count(message), 1);
    }

    void consoleAppearsOnTheScreen()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        const QString xwininfo = QStandardPaths::findExecutable(QStringLiteral("xwininfo"));
        if (xvfb.isEmpty() || xwininfo.isEmpty())
            QSKIP("Needs Xvfb and xwininfo");

        // The X server picks a free display and writes its number out.
        QProcess server;
        server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                            QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                            QStringLiteral("1280x1024x24")});
        QVERIFY(server.waitForStarted());
        if (!waitWhileRunning(
                server, [&server] { return server.canReadLine(); }, 20000))
            QFAIL(failure(server, "the X server named no display").constData());
        const QString display = QStringLiteral(":") + QString::fromLatin1(server.readLine().trimmed());

        QProcessEnvironment env = environment(QStringLiteral("xcb"));
        env.insert(QStringLiteral("DISPLAY"), display);
        QProcess client;
        client.setProcessEnvironment(env);
        client.start(QStringLiteral(QORV_CLIENT_EXECUTABLE), QStringList());
        QVERIFY(client.waitForStarted());

        const auto windows = [&xwininfo, &display] {
            QProcess info;
            info.start(xwininfo,
                       {QStringLiteral("-display"), display, QStringLiteral("-root"), QStringLiteral("-tree")});
            info.waitForFinished(10000);
            return info.readAllStandardOutput();
        };
        // The console's caption is "Console", followed by the server's name once
        // one is known.
        if (!waitWhileRunning(
                client, [&windows] { return windows().contains("\"Console"); }, 60000))
            QFAIL(failure(client, "no console on the screen").constData());

        finishWith(client, SIGTERM);
        QCOMPARE(client.exitCode(), 1);
        server.terminate();
        QVERIFY(server.waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(TestQuillaneClient)
#include "tst_quillaneclient.moc"
