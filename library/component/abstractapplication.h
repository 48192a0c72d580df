#ifndef ABSTRACTAPPLICATION_H
#define ABSTRACTAPPLICATION_H

#include <QApplication>

// The application object. A standard exception that escapes an event handler
// (a slot, a timer, a reply handler) is logged and that one event is dropped,
// instead of taking the whole client down with it.
class AbstractApplication : public QApplication
{
public:
    AbstractApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

#endif // ABSTRACTAPPLICATION_H
