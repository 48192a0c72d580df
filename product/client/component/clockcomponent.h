#ifndef CLOCKCOMPONENT_H
#define CLOCKCOMPONENT_H

#include "component.h"

#include <chrono>

class QTimer;

// The program's only timer: while started it delivers the event (-3, 1) once a
// minute, which drives the session countdown of windows opened through a key.
// The request -53 starts it (a second one restarts the minute), -54 stops it.
class ClockComponent : public Component
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds Minute{60000};

    explicit ClockComponent(QObject *parent = nullptr);
    // A clock with another tick, so that a test can watch it run without
    // waiting a minute per tick.
    ClockComponent(std::chrono::milliseconds tick, QObject *parent);

protected slots:
    void receiveRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                        const std::string &request = std::string()) override;
    void handleTimeout();

protected:
    [[nodiscard]] virtual bool connectSignals();

private:
    const std::chrono::milliseconds m_tick;
    QTimer *const m_timer;
};

#endif // CLOCKCOMPONENT_H
