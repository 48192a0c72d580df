#include "screenshot.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QWidget>

namespace testsupport
{
namespace
{
bool OnScreen()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

QImage Rendered(QWidget *window)
{
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage Grabbed(QWidget *window)
{
    if (!OnScreen())
        return Rendered(window);
    return window->screen()->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// The screen may still show an earlier frame for a while: the picture counts
// once nearly all of it agrees with what the window renders now (a text
// cursor may blink in between).
bool ShowsTheWindowAsItIs(const QImage &image, QWidget *window)
{
    if (image.isNull())
        return false;
    if (!OnScreen())
        return true;
    const QImage rendered = Rendered(window);
    if (rendered.size() != image.size())
        return false;
    qint64 same = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *shown = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        const auto *drawn = reinterpret_cast<const QRgb *>(rendered.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            same += shown[x] == drawn[x] ? 1 : 0;
    }
    return same * 100 >= qint64(image.width()) * image.height() * 99;
}

QString PathFor(const QString &name)
{
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("%1-%2.png").arg(name, QGuiApplication::platformName()));
}

bool Save(const QImage &image, const QString &path)
{
    const bool saved = image.save(path);
    if (saved)
        qInfo("screenshot: %s", qPrintable(path));
    return saved;
}
} // namespace

Screenshot::Screenshot(QWidget *window, const QString &name)
    : m_window(window)
    , m_path(PathFor(name))
{
    window->raise();
    window->activateWindow();
    if (!QTest::qWaitForWindowExposed(window) || !QTest::qWaitForWindowActive(window))
        return;
    // Pending layouts and paints first, as the event loop would do them; the
    // whole window is then painted and flushed.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    window->repaint();
    if (!QTest::qWaitFor([&] {
            m_image = Grabbed(window);
            return ShowsTheWindowAsItIs(m_image, window);
        }))
        return;
    m_saved = Save(m_image, m_path);
}

Screenshot::Screenshot(const QString &name)
    : m_window(nullptr)
    , m_path(PathFor(name))
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QImage earlier;
    if (!QTest::qWaitFor([&] {
            m_image = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
            const bool settled = !m_image.isNull() && m_image == earlier;
            earlier = m_image;
            return settled;
        }))
        return;
    m_saved = Save(m_image, m_path);
}

int Screenshot::colours() const
{
    return colours(nullptr);
}

int Screenshot::colours(const QWidget *child) const
{
    QRect area = m_image.rect();
    if (child && m_window) {
        const qreal ratio = m_image.devicePixelRatio();
        area = QRect(child->mapTo(m_window, QPoint(0, 0)) * ratio, child->size() * ratio).intersected(area);
    }
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            colours.insert(m_image.pixel(x, y));
    }
    return colours.size();
}
} // namespace testsupport
