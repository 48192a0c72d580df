#ifndef ABSTRACTSYSTEMCONNECTOR_H
#define ABSTRACTSYSTEMCONNECTOR_H

#include "connector.h"

// Base of the bottom layer of the bus.
class AbstractSystemConnector : public Connector
{
    Q_OBJECT

public:
    explicit AbstractSystemConnector(QObject *parent = nullptr)
        : Connector(parent)
    {
    }
};

#endif // ABSTRACTSYSTEMCONNECTOR_H
