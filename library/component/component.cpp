#include "component.h"

Component::Component(QObject *parent)
    : QObject(parent)
{
}
