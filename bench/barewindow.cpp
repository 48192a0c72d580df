// The reference of the start-up case: an application that shows an empty
// main window and nothing else.
#include "firstpaintprobe.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    FirstPaintProbe::installIfRequested(&application);
    QMainWindow window;
    window.show();
    return QApplication::exec();
}
