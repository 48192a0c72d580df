#ifndef SYSTEMCONNECTOR_H
#define SYSTEMCONNECTOR_H

#include "abstractsystemconnector.h"

// The bottom layer: the clock attaches here.
class SystemConnector : public AbstractSystemConnector
{
    Q_OBJECT

public:
    explicit SystemConnector(QObject *parent = nullptr)
        : AbstractSystemConnector(parent)
    {
    }
};

#endif // SYSTEMCONNECTOR_H
