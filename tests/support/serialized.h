#ifndef SERIALIZED_H
#define SERIALIZED_H

#include <QByteArray>

namespace testsupport
{
// A protobuf message as the bytes that travel as a payload.
template <class Message>
QByteArray Serialized(const Message &message)
{
    return QByteArray::fromStdString(message.SerializeAsString());
}
}

#endif // SERIALIZED_H
