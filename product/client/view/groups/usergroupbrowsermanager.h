#ifndef USERGROUPBROWSERMANAGER_H
#define USERGROUPBROWSERMANAGER_H

#include "abstractviewmanager.h"

class IViewWindowBus;

// Opens a new user-group browser on every request (-31), whatever its minor
// opcode; any number of them may be open.
class UserGroupBrowserManager : public AbstractViewManager
{
    Q_OBJECT

public:
    UserGroupBrowserManager(const IViewWindowBus &viewWindowBus, QObject *parent);

public slots:
    void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string()) override;

private:
    const IViewWindowBus &m_viewWindowBus;
};

#endif // USERGROUPBROWSERMANAGER_H
