#ifndef ABSTRACTSYSTEMROUTER_H
#define ABSTRACTSYSTEMROUTER_H

#include "connector.h"

// Base of the relay between the system and service layers.
class AbstractSystemRouter : public Connector
{
    Q_OBJECT

public:
    explicit AbstractSystemRouter(QObject *parent = nullptr)
        : Connector(parent)
    {
    }
};

#endif // ABSTRACTSYSTEMROUTER_H
