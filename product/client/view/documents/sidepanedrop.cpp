#include "sidepanedrop.h"

#include "itemtype.h"
#include "recordmimedata.h"

#include <QMimeData>

namespace sidepanedrop
{
namespace
{
bool Counts(const PaneDragFacts &facts)
{
    return facts.source == PaneDragFacts::Source::OtherList && facts.action == Qt::MoveAction && facts.mimeData
           && (facts.mimeData->hasFormat(recordmime::DocumentFormat)
               || facts.mimeData->hasFormat(recordmime::FolderFormat));
}

bool OverAFolder(const PaneDragFacts &facts)
{
    return facts.targetType == HomeFolderItemType || facts.targetType == FolderItemType;
}
}

bool AcceptsEnter(const PaneDragFacts &facts)
{
    return Counts(facts);
}

bool AcceptsMove(const PaneDragFacts &facts)
{
    return Counts(facts) && OverAFolder(facts);
}

PaneDrop Drop(const PaneDragFacts &facts)
{
    if (!AcceptsMove(facts))
        return PaneDrop::refused();
    if (facts.mimeData->hasFormat(recordmime::DocumentFormat)) {
        const std::optional<qorv::data::Document> document = recordmime::DocumentFrom(facts.mimeData);
        return document ? PaneDrop::moveDocument(*document, facts.targetFolderId) : PaneDrop::refused();
    }
    const std::optional<qorv::data::Folder> folder = recordmime::FolderFrom(facts.mimeData);
    if (!folder || folder->folder_id() == facts.targetFolderId)
        return PaneDrop::refused();
    return PaneDrop::moveFolder(*folder, facts.targetFolderId);
}
}
