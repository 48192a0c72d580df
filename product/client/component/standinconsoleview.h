#ifndef STANDINCONSOLEVIEW_H
#define STANDINCONSOLEVIEW_H

#include "icomponent.h"

#include <QMainWindow>

// The main window until the real console lands: an empty window on the bus,
// with the signal and slots every view window has.
class StandInConsoleView : public QMainWindow, public IComponent
{
    Q_OBJECT

public:
    explicit StandInConsoleView(QWidget *parent = nullptr);

signals:
    void deliverRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string());

public slots:
    void receiveEvent(common::Evcode majorEvcode, common::Evcode minorEvcode = 1,
                      const std::string &event = std::string()) override;
    void receiveReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                      const std::string &request = std::string(), common::Ercode majorErcode = 0,
                      common::Ercode minorErcode = 0, const std::string &reply = std::string()) override;
    void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string()) override;
};

#endif // STANDINCONSOLEVIEW_H
