#ifndef ABSTRACTVIEWMANAGER_H
#define ABSTRACTVIEWMANAGER_H

#include "component.h"

// A bus member that opens, raises and closes view windows in answer to what
// passes on the bus; windows never open other windows themselves. Replies are
// routed like a window's: a successful one to processReply, any other to
// processError, so a manager that only cares about successful replies
// overrides processReply alone.
class AbstractViewManager : public Component
{
    Q_OBJECT

public:
    explicit AbstractViewManager(QObject *parent = nullptr);

public slots:
    void receiveReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                      const std::string &request = std::string(), common::Ercode majorErcode = 0,
                      common::Ercode minorErcode = 0, const std::string &reply = std::string()) override;

protected slots:
    virtual void processReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                              const std::string &request = std::string(), const std::string &reply = std::string());
    virtual void processError(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request,
                              common::Ercode majorErcode, common::Ercode minorErcode, const std::string &reply);
};

#endif // ABSTRACTVIEWMANAGER_H
