#ifndef EVENTIDENTITY_H
#define EVENTIDENTITY_H

#include "cef.h"

#include <QString>

#include <cstdint>

// What the header of an audit line says an event is: its class id, its name
// in the user's language and its severity, which also picks the mask bits
// that select the event.
struct EventIdentity
{
    std::int32_t classId;
    QString name;
    cef::Severity severity;
};

#endif // EVENTIDENTITY_H
