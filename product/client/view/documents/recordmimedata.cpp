#include "recordmimedata.h"

#include "document3.pb.h"
#include "folder3.pb.h"

#include <QByteArray>
#include <QMimeData>

#include <memory>
#include <string>

namespace recordmime
{
namespace
{
template <class Record>
QMimeData *ToMimeDataAs(const Record &record, const QString &format)
{
    std::string bytes;
    if (!record.SerializeToString(&bytes))
        return nullptr;
    auto mimeData = std::make_unique<QMimeData>();
    mimeData->setData(format, QByteArray::fromStdString(bytes));
    return mimeData.release();
}

template <class Record>
std::optional<Record> FromMimeDataAs(const QMimeData *mimeData, const QString &format)
{
    if (!mimeData || !mimeData->hasFormat(format))
        return std::nullopt;
    const QByteArray bytes = mimeData->data(format);
    Record record;
    // Empty bytes would parse into a record without a single field, which
    // no command could use.
    if (bytes.isEmpty() || !record.ParseFromArray(bytes.constData(), static_cast<int>(bytes.size())))
        return std::nullopt;
    return record;
}
}

QMimeData *ToMimeData(const qorv::data::Document &document)
{
    return ToMimeDataAs(document, DocumentFormat);
}

QMimeData *ToMimeData(const qorv::data::Folder &folder)
{
    return ToMimeDataAs(folder, FolderFormat);
}

std::optional<qorv::data::Document> DocumentFrom(const QMimeData *mimeData)
{
    return FromMimeDataAs<qorv::data::Document>(mimeData, DocumentFormat);
}

std::optional<qorv::data::Folder> FolderFrom(const QMimeData *mimeData)
{
    return FromMimeDataAs<qorv::data::Folder>(mimeData, FolderFormat);
}
}
