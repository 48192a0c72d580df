#ifndef MESSAGEPERMISSIONFORM_H
#define MESSAGEPERMISSIONFORM_H

#include "messageproxy.h"

namespace qorv::data
{
class Message;
}

class QCheckBox;
class QFormLayout;
class QWidget;

// What the permission tabs of the create-message dialog share: their form of
// labelled check boxes, and a box's state written into the message's bit.
namespace messagepermissionform
{
// A form on widget whose labels and boxes line up on the left.
QFormLayout *Create(QWidget *widget);

// Sets the bit exactly when the state is Qt::Checked.
void Write(qorv::data::Message *message, MessageProxy::Permission bit, int state);

// Sets the box and the bit together.
void Set(qorv::data::Message *message, QCheckBox *checkBox, MessageProxy::Permission bit, bool value);
}

#endif // MESSAGEPERMISSIONFORM_H
