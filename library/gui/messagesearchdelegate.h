#ifndef MESSAGESEARCHDELEGATE_H
#define MESSAGESEARCHDELEGATE_H

#include "abstractsearchdelegate.h"

// The delegate of the message criteria: each row gets a MessageSearchEditor.
class MessageSearchDelegate : public AbstractSearchDelegate
{
    Q_OBJECT

public:
    explicit MessageSearchDelegate(QObject *parent);
    ~MessageSearchDelegate() override;
};

#endif // MESSAGESEARCHDELEGATE_H
