#ifndef ABSTRACTSERVICECONNECTOR_H
#define ABSTRACTSERVICECONNECTOR_H

#include "connector.h"

// Base of the middle layer of the bus.
class AbstractServiceConnector : public Connector
{
    Q_OBJECT

public:
    explicit AbstractServiceConnector(QObject *parent = nullptr)
        : Connector(parent)
    {
    }
};

#endif // ABSTRACTSERVICECONNECTOR_H
