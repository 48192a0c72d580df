#include "messagesearchdelegate.h"

#include "messagesearcheditor.h"

MessageSearchDelegate::MessageSearchDelegate(QObject *parent)
    : AbstractSearchDelegate(create<MessageSearchEditor>, parent)
{
}

MessageSearchDelegate::~MessageSearchDelegate() = default;
