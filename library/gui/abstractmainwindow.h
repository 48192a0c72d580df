#ifndef ABSTRACTMAINWINDOW_H
#define ABSTRACTMAINWINDOW_H

#include "busmember.h"

#include <QMainWindow>

// A top-level window that is a member of the component bus. Replies reach it
// through receiveReply, which hands a successful reply to processReply and any
// other to processError; a window that must filter by opcode first overrides
// receiveReply itself.
class AbstractMainWindow : public QMainWindow, public IComponent
{
    Q_OBJECT
    QORV_BUS_MEMBER

public:
    explicit AbstractMainWindow(QWidget *parent = nullptr);

protected slots:
    virtual void processReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                              const std::string &request = std::string(), const std::string &reply = std::string());
    virtual void processError(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request,
                              common::Ercode majorErcode, common::Ercode minorErcode, const std::string &reply);
};

#endif // ABSTRACTMAINWINDOW_H
