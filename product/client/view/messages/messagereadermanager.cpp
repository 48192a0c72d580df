#include "messagereadermanager.h"

MessageReaderManager::MessageReaderManager(const IViewWindowBus &viewWindowBus, QObject *parent)
    : MessageWindowManager(viewWindowBus, common::op::OpenMessageReader, Side::Received, parent)
{
}
