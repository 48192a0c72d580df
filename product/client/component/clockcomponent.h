#ifndef CLOCKCOMPONENT_H
#define CLOCKCOMPONENT_H

#include "component.h"

class QTimer;

// The program's only timer: while started it delivers the event (-3, 1) once a
// minute, which drives the session countdown of windows opened through a key.
// The request -53 starts it (a second one restarts the minute), -54 stops it.
class ClockComponent : public Component
{
    Q_OBJECT

public:
    explicit ClockComponent(QObject *parent = nullptr);

protected slots:
    void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string()) override;
    void handleTimeout();

protected:
    [[nodiscard]] virtual bool connectSignals();

private:
    QTimer *const m_timer;
};

#endif // CLOCKCOMPONENT_H
