#ifndef ABSTRACTSERVICEROUTER_H
#define ABSTRACTSERVICEROUTER_H

#include "connector.h"

// Base of the relay between the service and executive layers.
class AbstractServiceRouter : public Connector
{
    Q_OBJECT

public:
    explicit AbstractServiceRouter(QObject *parent = nullptr)
        : Connector(parent)
    {
    }
};

#endif // ABSTRACTSERVICEROUTER_H
