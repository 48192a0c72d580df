#include "abstractapplication.h"

#include <stdexcept>

AbstractApplication::AbstractApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool AbstractApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::length_error &error) {
        qWarning("std::length_error: %s", error.what());
    } catch (const std::exception &error) {
        qWarning("std::exception: %s", error.what());
    }
    return false;
}
