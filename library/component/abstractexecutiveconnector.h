#ifndef ABSTRACTEXECUTIVECONNECTOR_H
#define ABSTRACTEXECUTIVECONNECTOR_H

#include "connector.h"

// Base of the top layer of the bus.
class AbstractExecutiveConnector : public Connector
{
    Q_OBJECT

public:
    explicit AbstractExecutiveConnector(QObject *parent = nullptr)
        : Connector(parent)
    {
    }
};

#endif // ABSTRACTEXECUTIVECONNECTOR_H
