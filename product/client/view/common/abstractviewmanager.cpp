#include "abstractviewmanager.h"

AbstractViewManager::AbstractViewManager(QObject *parent)
    : Component(parent)
{
}

void AbstractViewManager::receiveReply(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                       const std::string &request, common::Ercode majorErcode,
                                       common::Ercode minorErcode, const std::string &reply)
{
    if (majorErcode == 0 && minorErcode == 0)
        processReply(majorOpcode, minorOpcode, request, reply);
    else
        processError(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
}

void AbstractViewManager::processReply(common::Opcode, common::Opcode, const std::string &, const std::string &)
{
}

void AbstractViewManager::processError(common::Opcode, common::Opcode, const std::string &, common::Ercode,
                                       common::Ercode, const std::string &)
{
}
