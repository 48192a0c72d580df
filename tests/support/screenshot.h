#ifndef SCREENSHOT_H
#define SCREENSHOT_H

#include <QImage>
#include <QString>

class QWidget;

namespace testsupport
{
// A shown window's picture as the user sees it, saved beside the test program
// as "<name>-<platform>.png"; under qorv_add_screenshot_test's _xvfb run it is
// taken from the screen once that shows what the window renders.
class Screenshot
{
public:
    // Raises and activates the window, waits until it is exposed, active and
    // painted, then takes and saves its picture.
    Screenshot(QWidget *window, const QString &name);
    // The whole screen, whatever program shows what on it: for a test that
    // drives another program through the X server. Taken once the screen has
    // stopped changing (a text cursor may blink in between).
    explicit Screenshot(const QString &name);

    // False when the window did not come up, its picture did not settle or
    // the file could not be written.
    bool isSaved() const { return m_saved; }
    const QImage &image() const { return m_image; }
    QString path() const { return m_path; }

    // How many colours the picture holds, as a whole or in the part of it
    // that a child of the window covers; a blank or half-painted area has few.
    int colours() const;
    int colours(const QWidget *child) const;

private:
    const QWidget *m_window;
    QImage m_image;
    QString m_path;
    bool m_saved = false;
};
} // namespace testsupport

#endif // SCREENSHOT_H
