#ifndef FIRSTPAINTPROBE_H
#define FIRSTPAINTPROBE_H

#include <QObject>

// Measures start-up from outside: when QORV_QUIT_AFTER_FIRST_PAINT=1 is set,
// the first window painted makes the program write "painted" on its standard
// output and leave its event loop. Without the variable it does nothing.
// Nothing but the start-up benchmark sets it.
class FirstPaintProbe : public QObject
{
    Q_OBJECT

public:
    // Installs the probe on the application when the variable asks for it.
    static void installIfRequested(QObject *application);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FirstPaintProbe(QObject *parent);

    bool m_painted = false;
};

#endif // FIRSTPAINTPROBE_H
