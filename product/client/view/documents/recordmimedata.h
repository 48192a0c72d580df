#ifndef RECORDMIMEDATA_H
#define RECORDMIMEDATA_H

#include "common/mimeformat.h"

#include <QString>

#include <optional>

class QMimeData;

namespace qorv::data
{
class Document;
class Folder;
}

// A document or folder on the clipboard or in a drag: one record, serialized
// whole, under a format of its own. Whatever holds bytes under the format
// that do not parse into the record, or no bytes at all, holds no record.
namespace recordmime
{
inline const QString DocumentFormat = QString::fromLatin1(common::mime::Document);
inline const QString FolderFormat = QString::fromLatin1(common::mime::Folder);

// New MIME data with the record under its format alone; the caller owns it
// (or hands it to the clipboard or a drag, which then do). Null when the
// record cannot be serialized.
QMimeData *ToMimeData(const qorv::data::Document &document);
QMimeData *ToMimeData(const qorv::data::Folder &folder);

std::optional<qorv::data::Document> DocumentFrom(const QMimeData *mimeData);
std::optional<qorv::data::Folder> FolderFrom(const QMimeData *mimeData);
}

#endif // RECORDMIMEDATA_H
