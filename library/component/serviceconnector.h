#ifndef SERVICECONNECTOR_H
#define SERVICECONNECTOR_H

#include "abstractserviceconnector.h"

// The middle layer: joins the service router and the view managers to the system side.
class ServiceConnector : public AbstractServiceConnector
{
    Q_OBJECT

public:
    explicit ServiceConnector(QObject *parent = nullptr)
        : AbstractServiceConnector(parent)
    {
    }
};

#endif // SERVICECONNECTOR_H
