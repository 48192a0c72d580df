#ifndef ABSTRACTMAINWINDOW_H
#define ABSTRACTMAINWINDOW_H

#include "icomponent.h"

#include <QMainWindow>

// A top-level window that is a member of the component bus. Replies reach it
// through receiveReply, which hands a successful reply to processReply and any
// other to processError; a window that must filter by opcode first overrides
// receiveReply itself.
class AbstractMainWindow : public QMainWindow, public IComponent
{
    Q_OBJECT

public:
    explicit AbstractMainWindow(QWidget *parent = nullptr);

signals:
    void deliverRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string());
    void deliverReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                      const std::string &request = std::string(), common::Ercode majorErcode = 0,
                      common::Ercode minorErcode = 0, const std::string &reply = std::string());
    void deliverEvent(common::Evcode majorEvcode, common::Evcode minorEvcode = 1,
                      const std::string &event = std::string());

public slots:
    void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string()) override;
    void receiveReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                      const std::string &request = std::string(), common::Ercode majorErcode = 0,
                      common::Ercode minorErcode = 0, const std::string &reply = std::string()) override;
    void receiveEvent(common::Evcode majorEvcode, common::Evcode minorEvcode = 1,
                      const std::string &event = std::string()) override;

protected slots:
    virtual void processReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                              const std::string &request = std::string(), const std::string &reply = std::string());
    virtual void processError(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request,
                              common::Ercode majorErcode, common::Ercode minorErcode, const std::string &reply);
};

#endif // ABSTRACTMAINWINDOW_H
