#include "clockcomponent.h"

#include "common/eventcode.h"
#include "common/majorcode.h"

#include <QTimer>

ClockComponent::ClockComponent(QObject *parent)
    : ClockComponent(Minute, parent)
{
}

ClockComponent::ClockComponent(std::chrono::milliseconds tick, QObject *parent)
    : Component(parent)
    , m_tick(tick)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(false);
    if (!connectSignals())
        qWarning("The clock's timer could not be linked; no minute tick will be delivered.");
}

void ClockComponent::receiveRequest(common::Opcode majorOpcode, common::Opcode, const std::string &)
{
    if (majorOpcode == common::op::StartClock)
        m_timer->start(m_tick);
    else if (majorOpcode == common::op::StopClock)
        m_timer->stop();
}

void ClockComponent::handleTimeout()
{
    emit deliverEvent(common::ev::ClockTick, 1, std::string());
}

bool ClockComponent::connectSignals()
{
    return static_cast<bool>(connect(m_timer, &QTimer::timeout, this, &ClockComponent::handleTimeout));
}
