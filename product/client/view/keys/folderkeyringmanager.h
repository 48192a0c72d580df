#ifndef FOLDERKEYRINGMANAGER_H
#define FOLDERKEYRINGMANAGER_H

#include "abstractviewmanager.h"

class IViewWindowBus;

// Keeps at most one keyring window per folder. The successful select reply
// (43, -37) opens the keyring of the folder named in its echoed request, with
// the keys of the reply sorted by their users' alphabetical names, or brings
// the open one to the front; a delete reply (10) that says the folder is gone
// closes the keyrings of that folder.
class FolderKeyringManager : public AbstractViewManager
{
    Q_OBJECT

public:
    FolderKeyringManager(const IViewWindowBus &viewWindowBus, QObject *parent);

protected slots:
    void processReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                      const std::string &request = std::string(), const std::string &reply = std::string()) override;

private:
    static void closeFolderKeyring(const std::string &request, const std::string &reply);

    const IViewWindowBus &m_viewWindowBus;
};

#endif // FOLDERKEYRINGMANAGER_H
