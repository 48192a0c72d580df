#include "component.h"

Component::Component(QObject *parent)
    : QObject(parent)
{
}

void Component::receiveEvent(common::Evcode, common::Evcode, const std::string &)
{
}

void Component::receiveReply(common::Opcode, common::Opcode, const std::string &, common::Ercode, common::Ercode,
                             const std::string &)
{
}

void Component::receiveRequest(common::Opcode, common::Opcode, const std::string &)
{
}
