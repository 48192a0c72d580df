// The reference of the start-up case: an application that shows a main window
// with a menu bar, a tool bar and a label with text, and nothing else.
#include "firstpaintprobe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    FirstPaintProbe::installIfRequested(&application);
    QMainWindow window;
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Log On..."));
    file->addAction(QStringLiteral("E&xit"));
    window.menuBar()->addMenu(QStringLiteral("&View"))->addAction(QStringLiteral("&Documents"));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    QToolBar *tools = window.addToolBar(QStringLiteral("Main"));
    tools->addAction(QStringLiteral("Log On"));
    tools->addAction(QStringLiteral("Documents"));
    window.setCentralWidget(new QLabel(QStringLiteral("Not logged on.")));
    window.show();
    return QApplication::exec();
}
