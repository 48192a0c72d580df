#ifndef BUSMEMBER_H
#define BUSMEMBER_H

#include "icomponent.h"

// The signals and slots with which a QObject class joins the component bus:
// it hands tuples to the bus by emitting the deliver signals and gets them
// through the receive slots, which implement IComponent (where their
// parameters are named). They are declared here once for every such class,
// whatever its Qt base: moc reads them through the macro as it reads
// Q_OBJECT, where a template base could declare no signals or slots at all.
//
// Write one of the two macros right after Q_OBJECT:
// - QORV_BUS_MEMBER: the class defines what its three slots do;
// - QORV_IGNORING_BUS_MEMBER: the slots ignore everything, and a subclass
//   overrides only the slots it cares about.
//
// Connections to these signals and slots are direct, so an emit returns only
// after every receiver, and every receiver of what they emit in turn, has run.
// Parameter types must be spelled common::Evcode, common::Opcode,
// common::Ercode and std::string wherever a class re-declares them:
// connections made by signature name compare those names.
#define QORV_BUS_MEMBER QORV_BUS_MEMBER_WITH_SLOT_BODIES(;)
#define QORV_IGNORING_BUS_MEMBER QORV_BUS_MEMBER_WITH_SLOT_BODIES({})

#define QORV_BUS_MEMBER_WITH_SLOT_BODIES(body)                                                                         \
Q_SIGNALS:                                                                                                             \
    void deliverEvent(common::Evcode majorEvcode, common::Evcode minorEvcode = 1,                                      \
                      const std::string &event = std::string());                                                       \
    void deliverReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,                                      \
                      const std::string &request = std::string(), common::Ercode majorErcode = 0,                      \
                      common::Ercode minorErcode = 0, const std::string &reply = std::string());                       \
    void deliverRequest(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,                                    \
                        const std::string &request = std::string());                                                   \
                                                                                                                       \
public Q_SLOTS:                                                                                                        \
    void receiveEvent(common::Evcode, common::Evcode = 1, const std::string & = std::string()) override body void      \
    receiveReply(common::Opcode, common::Opcode = 1, const std::string & = std::string(), common::Ercode = 0,          \
                 common::Ercode = 0, const std::string & = std::string()) override body void                           \
    receiveRequest(common::Opcode, common::Opcode = 1, const std::string & = std::string()) override body              \
                                                                                                                       \
        private:

#endif // BUSMEMBER_H
