#ifndef CONNECTOR_H
#define CONNECTOR_H

#include "busmember.h"

#include <QObject>

// The fan-out point of a bus layer: whatever it receives it emits again,
// unchanged, to everything linked to it, in the order the links were made.
class Connector : public QObject, public IComponent
{
    Q_OBJECT
    QORV_BUS_MEMBER

public:
    explicit Connector(QObject *parent = nullptr);
};

#endif // CONNECTOR_H
