#ifndef COMPONENT_H
#define COMPONENT_H

#include "busmember.h"

#include <QObject>

// A bus member that is no widget. Its receive slots ignore everything: a
// member overrides only the slots it cares about.
class Component : public QObject, public IComponent
{
    Q_OBJECT
    QORV_IGNORING_BUS_MEMBER

public:
    explicit Component(QObject *parent = nullptr);
};

#endif // COMPONENT_H
