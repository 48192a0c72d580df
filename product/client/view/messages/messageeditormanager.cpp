#include "messageeditormanager.h"

MessageEditorManager::MessageEditorManager(const IViewWindowBus &viewWindowBus, QObject *parent)
    : MessageWindowManager(viewWindowBus, common::op::OpenMessageEditor, Side::Own, parent)
{
}
