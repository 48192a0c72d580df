#ifndef EXECUTIVECONNECTOR_H
#define EXECUTIVECONNECTOR_H

#include "abstractexecutiveconnector.h"

// The top layer: every view window and view manager attaches here.
class ExecutiveConnector : public AbstractExecutiveConnector
{
    Q_OBJECT

public:
    explicit ExecutiveConnector(QObject *parent = nullptr)
        : AbstractExecutiveConnector(parent)
    {
    }
};

#endif // EXECUTIVECONNECTOR_H
