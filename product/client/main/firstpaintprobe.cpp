#include "firstpaintprobe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

FirstPaintProbe::FirstPaintProbe(QObject *parent)
    : QObject(parent)
{
}

void FirstPaintProbe::installIfRequested(QObject *application)
{
    if (qEnvironmentVariable("QORV_QUIT_AFTER_FIRST_PAINT") != QLatin1String("1"))
        return;
    application->installEventFilter(new FirstPaintProbe(application));
}

bool FirstPaintProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (m_painted || event->type() != QEvent::Paint)
        return false;
    const auto *widget = qobject_cast<const QWidget *>(watched);
    if (!widget || !widget->isWindow())
        return false;
    m_painted = true;
    // Reported once the paint has been handled, not when it is about to be.
    QTimer::singleShot(0, qApp, [] {
        std::fputs("painted\n", stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return false;
}
