#ifndef SERIALIZED_H
#define SERIALIZED_H

#include <QByteArray>

#include <string>

namespace testsupport
{
// A protobuf message as the bytes that travel as a payload.
template <class Message>
QByteArray Serialized(const Message &message)
{
    return QByteArray::fromStdString(message.SerializeAsString());
}

// A payload read back as a message; one that does not parse warns, so that
// the test shows why its fields are missing.
template <class Message>
Message Parsed(const std::string &payload)
{
    Message message;
    if (!message.ParseFromString(payload))
        qWarning("payload does not parse");
    return message;
}
}

#endif // SERIALIZED_H
