#include "xdotool.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace
{
// Between two keys: the client's event loop keeps up even when the machine is
// busy.
const QString KeyDelayMs = QStringLiteral("40");
} // namespace

XDoTool::XDoTool(int timeoutMs)
    : m_timeoutMs(timeoutMs)
{
}

bool XDoTool::run(const QStringList &arguments, QByteArray *output) const
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (program.isEmpty())
        return false;
    QProcess tool;
    tool.setProcessChannelMode(QProcess::SeparateChannels);
    tool.start(program, arguments);
    if (!tool.waitForStarted() || !tool.waitForFinished(m_timeoutMs)) {
        tool.kill();
        tool.waitForFinished();
        qWarning("xdotool %s: no answer in time", qPrintable(arguments.join(QLatin1Char(' '))));
        return false;
    }
    if (output)
        *output = tool.readAllStandardOutput();
    const bool succeeded = tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    // A search that finds nothing is an answer, not a failure worth a line.
    if (!succeeded && arguments.value(0) != QLatin1String("search"))
        qWarning("xdotool %s: %s", qPrintable(arguments.join(QLatin1Char(' '))),
                 tool.readAllStandardError().constData());
    return succeeded;
}

QString XDoTool::waitForWindow(const QString &namePattern) const
{
    QByteArray output;
    if (!run({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
              QStringLiteral("--name"), namePattern},
             &output))
        return QString();
    return QString::fromLatin1(output.split('\n').value(0).trimmed());
}

namespace
{
QStringList WindowIds(const QByteArray &searchOutput)
{
    QStringList found;
    for (const QByteArray &line : searchOutput.split('\n')) {
        if (!line.trimmed().isEmpty())
            found << QString::fromLatin1(line.trimmed());
    }
    return found;
}
} // namespace

QStringList XDoTool::windows(const QString &namePattern) const
{
    QByteArray output;
    // Without --sync a search that finds nothing ends at once with status 1.
    run({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), namePattern}, &output);
    return WindowIds(output);
}

QStringList XDoTool::windowsOf(qint64 processId) const
{
    QByteArray output;
    run({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
         QString::number(processId)},
        &output);
    return WindowIds(output);
}

bool XDoTool::hasWindow(const QString &namePattern) const
{
    return !windows(namePattern).isEmpty();
}

QRect XDoTool::geometry(const QString &window) const
{
    QByteArray output;
    if (!run({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window}, &output))
        return QRect();
    QRect rect;
    for (const QByteArray &line : output.split('\n')) {
        const int equals = line.indexOf('=');
        const QByteArray name = line.left(equals);
        const int value = line.mid(equals + 1).toInt();
        if (name == "X")
            rect.moveLeft(value);
        else if (name == "Y")
            rect.moveTop(value);
        else if (name == "WIDTH")
            rect.setWidth(value);
        else if (name == "HEIGHT")
            rect.setHeight(value);
    }
    return rect;
}

bool XDoTool::focus(const QString &window) const
{
    // Not --sync: it waits for a change of focus, which never comes when the
    // window has it already.
    if (!run({QStringLiteral("windowraise"), window}) || !run({QStringLiteral("windowfocus"), window}))
        return false;
    return QTest::qWaitFor(
        [&] {
            QByteArray focused;
            return run({QStringLiteral("getwindowfocus")}, &focused) && focused.trimmed() == window.toLatin1();
        },
        m_timeoutMs);
}

bool XDoTool::type(const QString &text) const
{
    return run({QStringLiteral("type"), QStringLiteral("--delay"), KeyDelayMs, QStringLiteral("--"), text});
}

bool XDoTool::key(const QStringList &keys) const
{
    return run(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), KeyDelayMs, QStringLiteral("--")} + keys);
}

bool XDoTool::click(const QString &window, const QPoint &at, int times) const
{
    // Not --sync: it waits for the pointer to move, which it does not when
    // it is there already (every window of the program opens in one place).
    return run({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(at.x()),
                QString::number(at.y()), QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(times),
                QStringLiteral("1")});
}
