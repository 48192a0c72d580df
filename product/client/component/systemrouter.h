#ifndef SYSTEMROUTER_H
#define SYSTEMROUTER_H

#include "abstractsystemrouter.h"

// Relays between the system and service layers, unchanged both ways.
class SystemRouter : public AbstractSystemRouter
{
    Q_OBJECT

public:
    explicit SystemRouter(QObject *parent = nullptr)
        : AbstractSystemRouter(parent)
    {
    }
};

#endif // SYSTEMROUTER_H
