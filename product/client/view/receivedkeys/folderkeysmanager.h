#ifndef FOLDERKEYSMANAGER_H
#define FOLDERKEYSMANAGER_H

#include "abstractviewmanager.h"

class IViewWindowBus;

// Opens a new window of the folder keys given to the user on every request
// (-28), whatever its minor opcode; any number of them may be open.
class FolderKeysManager : public AbstractViewManager
{
    Q_OBJECT

public:
    FolderKeysManager(const IViewWindowBus &viewWindowBus, QObject *parent);

public slots:
    void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string()) override;

private:
    const IViewWindowBus &m_viewWindowBus;
};

#endif // FOLDERKEYSMANAGER_H
