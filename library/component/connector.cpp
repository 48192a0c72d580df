#include "connector.h"

Connector::Connector(QObject *parent)
    : QObject(parent)
{
}

void Connector::receiveEvent(common::Evcode majorEvcode, common::Evcode minorEvcode, const std::string &event)
{
    emit deliverEvent(majorEvcode, minorEvcode, event);
}

void Connector::receiveReply(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request,
                             common::Ercode majorErcode, common::Ercode minorErcode, const std::string &reply)
{
    emit deliverReply(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
}

void Connector::receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request)
{
    emit deliverRequest(majorOpcode, minorOpcode, request);
}
