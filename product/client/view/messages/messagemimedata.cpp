#include "messagemimedata.h"

#include "common/mimeformat.h"

#include "message3.pb.h"

#include <QByteArray>
#include <QDropEvent>
#include <QMimeData>

namespace messagemimedata
{
namespace
{
const QString Format = QString::fromLatin1(common::mime::Message);
}

QMimeData *Create(const qorv::data::Message &message)
{
    auto *mimeData = new QMimeData;
    mimeData->setData(Format, QByteArray::fromStdString(message.SerializeAsString()));
    return mimeData;
}

std::optional<qorv::data::Message> Message(const QMimeData *mimeData)
{
    if (!mimeData || !mimeData->hasFormat(Format))
        return std::nullopt;
    const QByteArray bytes = mimeData->data(Format);
    qorv::data::Message message;
    if (!message.ParseFromArray(bytes.constData(), static_cast<int>(bytes.size())))
        return std::nullopt;
    return message;
}

bool OffersMessageMove(const QMimeData *mimeData, Qt::DropAction proposedAction)
{
    return mimeData && mimeData->hasFormat(Format) && proposedAction == Qt::MoveAction;
}

void AcceptOnlyMessageMove(QDropEvent *event)
{
    if (OffersMessageMove(event->mimeData(), event->proposedAction()))
        event->acceptProposedAction();
    else
        event->ignore();
}
}
