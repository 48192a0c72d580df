#ifndef USERGROUPBROWSERMANAGER_H
#define USERGROUPBROWSERMANAGER_H

#include "abstractviewmanager.h"

class ApplicationComponent;

// Opens a new user-group browser on every request (-31), whatever its minor
// opcode; any number of them may be open.
class UserGroupBrowserManager : public AbstractViewManager
{
    Q_OBJECT

public:
    explicit UserGroupBrowserManager(ApplicationComponent *applicationComponent);

public slots:
    void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string()) override;

private:
    ApplicationComponent *const m_applicationComponent;
};

#endif // USERGROUPBROWSERMANAGER_H
