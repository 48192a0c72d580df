#ifndef XDOTOOL_H
#define XDOTOOL_H

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

// Runs xdotool against the X server of $DISPLAY, as a user's keyboard and
// mouse would act on it. Every run has a deadline: a tool that waits for a
// window which never comes is killed and reported as failed.
class XDoTool
{
public:
    explicit XDoTool(int timeoutMs = 30000);

    // The id of the first visible window whose name matches the pattern,
    // waiting for it; empty when none came up in time.
    QString waitForWindow(const QString &namePattern) const;
    // Every visible window whose name matches the pattern, now.
    QStringList windows(const QString &namePattern) const;
    // Every visible window of the program with this process id, now.
    QStringList windowsOf(qint64 processId) const;
    // True when a visible window matches the pattern.
    bool hasWindow(const QString &namePattern) const;
    // The window's place and size on the screen; null when unknown.
    QRect geometry(const QString &window) const;

    // Puts the window on top of the others and gives it the keyboard: there
    // is no window manager to do either.
    bool focus(const QString &window) const;
    bool type(const QString &text) const;
    // Key names as xdotool knows them ("Return", "ctrl+a", "Tab").
    bool key(const QStringList &keys) const;
    // A click with the left button, `times` in a row, at a point of the window.
    bool click(const QString &window, const QPoint &at, int times = 1) const;

    // Runs xdotool with these arguments; false on a non-zero status or time-out.
    bool run(const QStringList &arguments, QByteArray *output = nullptr) const;

private:
    int m_timeoutMs;
};

#endif // XDOTOOL_H
