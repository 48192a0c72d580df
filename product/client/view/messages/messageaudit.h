#ifndef MESSAGEAUDIT_H
#define MESSAGEAUDIT_H

#include "common/opcode.h"

class AbstractMainWindow;

namespace qorv::data
{
class Message;
}

// What left or entered a message window, for the audit log: the copy (-13),
// PDF export (-16), text export (-17), paste (-19) and print (-21) requests,
// each carrying the window's message and the count of UTF-16 code units. The
// router writes the line and nothing comes back. Any other opcode sends
// nothing.
void DeliverMessageAudit(AbstractMainWindow &window, common::Opcode majorOpcode, const qorv::data::Message &message,
                         unsigned size);

#endif // MESSAGEAUDIT_H
