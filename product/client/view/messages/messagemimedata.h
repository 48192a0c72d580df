#ifndef MESSAGEMIMEDATA_H
#define MESSAGEMIMEDATA_H

#include <Qt>

#include <optional>

class QDropEvent;
class QMimeData;

namespace qorv::data
{
class Message;
}

// A message as the two message trees drag it: one serialized record under
// "qorv/proto/Message", moved, never copied.
namespace messagemimedata
{
// New data holding the message; the caller owns it (a drag takes it over).
QMimeData *Create(const qorv::data::Message &message);

// The message the data holds; nothing when it holds none or the bytes do not
// parse.
std::optional<qorv::data::Message> Message(const QMimeData *mimeData);

// Whether a drag offers a message to be moved, which is all the trees accept.
bool OffersMessageMove(const QMimeData *mimeData, Qt::DropAction proposedAction);
// Accepts a drag that offers a message move and refuses any other.
void AcceptOnlyMessageMove(QDropEvent *event);
}

#endif // MESSAGEMIMEDATA_H
