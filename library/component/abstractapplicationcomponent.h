#ifndef ABSTRACTAPPLICATIONCOMPONENT_H
#define ABSTRACTAPPLICATIONCOMPONENT_H

#include "component.h"
#include "connector.h"

// Owns the layers of the bus and the members that sit between them, and links
// them into the one fixed topology that every window and manager relies on:
//
//                 windows, view managers (requests go down, the rest up)
//     executive connector
//         service router          view managers
//     service connector
//         system router     server component     application component
//     system connector
//         clock
//
// The links are made here in a fixed order, and that order is the delivery
// order of every signal: the service router is linked before any view manager,
// so a window's request is answered, and the reply handled by every window,
// before a view manager sees either of them.
template <class SystemConnectorType, class SystemRouterType, class ServerComponentType, class ServiceConnectorType,
          class ServiceRouterType, class ExecutiveConnectorType>
class AbstractApplicationComponent : public Component
{
public:
    explicit AbstractApplicationComponent(QObject *parent = nullptr);

    // Places a view manager between the service connector (below) and the
    // executive connector (above), beside the service router. False when a
    // link failed; the links after it are then not made.
    template <class Manager>
    [[nodiscard]] bool connectAbstractViewManager(const Manager *manager) const;

    // Attaches a view window to the executive connector: it gets every event
    // and reply and hands its requests down. It leaves the bus when destroyed.
    template <class Window>
    [[nodiscard]] bool connectAbstractViewWindow(const Window *window) const;

protected:
    SystemConnectorType *const m_systemConnector;
    SystemRouterType *const m_systemRouter;
    ServerComponentType *const m_serverComponent;
    ServiceConnectorType *const m_serviceConnector;
    ServiceRouterType *const m_serviceRouter;
    ExecutiveConnectorType *const m_executiveConnector;

private:
    // Places one member between a lower and an upper layer: events and replies
    // go up through it, requests come down through it. Stops at the first link
    // that fails.
    template <class Member>
    [[nodiscard]] bool placeBetween(const Connector *lower, const Member *member, const Connector *upper);

    template <class Sender, class Signal, class Receiver, class Slot>
    [[nodiscard]] static bool link(const Sender *sender, Signal signal, const Receiver *receiver, Slot slot)
    {
        return static_cast<bool>(QObject::connect(sender, signal, receiver, slot));
    }
};

template <class SC, class SR, class SV, class VC, class VR, class EC>
AbstractApplicationComponent<SC, SR, SV, VC, VR, EC>::AbstractApplicationComponent(QObject *parent)
    : Component(parent)
    , m_systemConnector(new SC(this))
    , m_systemRouter(new SR(this))
    , m_serverComponent(new SV(this))
    , m_serviceConnector(new VC(this))
    , m_serviceRouter(new VR(this))
    , m_executiveConnector(new EC(this))
{
    // A failed link leaves the rest of its group unlinked but never stops the
    // next group: a half-built bus still starts, and says which part is loose.
    if (!placeBetween(m_systemConnector, m_systemRouter, m_serviceConnector))
        qWarning("The system router could not be linked into the bus.");
    if (!placeBetween(m_serviceConnector, m_serviceRouter, m_executiveConnector))
        qWarning("The service router could not be linked into the bus.");
    if (!placeBetween(m_systemConnector, m_serverComponent, m_serviceConnector))
        qWarning("The server component could not be linked into the bus.");
    if (!placeBetween(m_systemConnector, static_cast<const Component *>(this), m_serviceConnector))
        qWarning("The application component could not be linked into the bus.");
}

template <class SC, class SR, class SV, class VC, class VR, class EC>
template <class Member>
bool AbstractApplicationComponent<SC, SR, SV, VC, VR, EC>::placeBetween(const Connector *below, const Member *member,
                                                                        const Connector *above)
{
    return link(below, &Connector::deliverEvent, member, &Member::receiveEvent)
           && link(below, &Connector::deliverReply, member, &Member::receiveReply)
           && link(above, &Connector::deliverRequest, member, &Member::receiveRequest)
           && link(member, &Member::deliverEvent, above, &Connector::receiveEvent)
           && link(member, &Member::deliverReply, above, &Connector::receiveReply)
           && link(member, &Member::deliverRequest, below, &Connector::receiveRequest);
}

template <class SC, class SR, class SV, class VC, class VR, class EC>
template <class Manager>
bool AbstractApplicationComponent<SC, SR, SV, VC, VR, EC>::connectAbstractViewManager(const Manager *manager) const
{
    return link(m_serviceConnector, &Connector::deliverEvent, manager, &Manager::receiveEvent)
           && link(m_serviceConnector, &Connector::deliverReply, manager, &Manager::receiveReply)
           && link(manager, &Manager::deliverRequest, m_serviceConnector, &Connector::receiveRequest)
           && link(manager, &Manager::deliverEvent, m_executiveConnector, &Connector::receiveEvent)
           && link(manager, &Manager::deliverReply, m_executiveConnector, &Connector::receiveReply)
           && link(m_executiveConnector, &Connector::deliverRequest, manager, &Manager::receiveRequest);
}

template <class SC, class SR, class SV, class VC, class VR, class EC>
template <class Window>
bool AbstractApplicationComponent<SC, SR, SV, VC, VR, EC>::connectAbstractViewWindow(const Window *window) const
{
    return link(m_executiveConnector, &Connector::deliverEvent, window, &Window::receiveEvent)
           && link(m_executiveConnector, &Connector::deliverReply, window, &Window::receiveReply)
           && link(window, &Window::deliverRequest, m_executiveConnector, &Connector::receiveRequest);
}

#endif // ABSTRACTAPPLICATIONCOMPONENT_H
