#ifndef DOCUMENTKEYSMANAGER_H
#define DOCUMENTKEYSMANAGER_H

#include "abstractviewmanager.h"

class IViewWindowBus;

// Opens a new window of the document keys given to the user on every request
// (-27), whatever its minor opcode; any number of them may be open.
class DocumentKeysManager : public AbstractViewManager
{
    Q_OBJECT

public:
    DocumentKeysManager(const IViewWindowBus &viewWindowBus, QObject *parent);

public slots:
    void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string()) override;

private:
    const IViewWindowBus &m_viewWindowBus;
};

#endif // DOCUMENTKEYSMANAGER_H
