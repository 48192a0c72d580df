#include "mainpanedrop.h"

#include "itemtype.h"
#include "recordmimedata.h"

#include <QMimeData>
#include <QtGlobal>

namespace mainpanedrop
{
namespace
{
bool CarriesRecord(const QMimeData *mimeData)
{
    return mimeData
           && (mimeData->hasFormat(recordmime::DocumentFormat) || mimeData->hasFormat(recordmime::FolderFormat));
}

bool OverFolderOrEmptySpace(const PaneDragFacts &facts)
{
    return facts.targetType == 0 || facts.targetType == FolderItemType;
}

bool FromAList(const PaneDragFacts &facts)
{
    return facts.source == PaneDragFacts::Source::ThisPane || facts.source == PaneDragFacts::Source::OtherList;
}

std::optional<int> TargetFolder(const PaneDragFacts &facts)
{
    if (facts.targetType == 0)
        return std::nullopt;
    return facts.targetFolderId;
}
}

bool AcceptsEnter(const PaneDragFacts &facts)
{
    return CarriesRecord(facts.mimeData) && facts.action == Qt::MoveAction;
}

bool AcceptsMove(const PaneDragFacts &facts)
{
    return AcceptsEnter(facts) && OverFolderOrEmptySpace(facts);
}

PaneDrop Drop(const PaneDragFacts &facts)
{
    if (!FromAList(facts) || !facts.mimeData || facts.action != Qt::MoveAction)
        return PaneDrop::refused();
    // Dropping an item of this pane on its own empty space would move it to
    // where it already is.
    if (facts.source == PaneDragFacts::Source::ThisPane && facts.targetType == 0)
        return PaneDrop::refused();

    if (facts.mimeData->hasFormat(recordmime::DocumentFormat)) {
        const std::optional<qorv::data::Document> document = recordmime::DocumentFrom(facts.mimeData);
        if (!document) {
            qCritical("document.ParseFromString() error!");
            return PaneDrop::refused();
        }
        if (!OverFolderOrEmptySpace(facts))
            return PaneDrop::refused();
        return PaneDrop::moveDocument(*document, TargetFolder(facts));
    }
    if (facts.mimeData->hasFormat(recordmime::FolderFormat)) {
        const std::optional<qorv::data::Folder> folder = recordmime::FolderFrom(facts.mimeData);
        if (!folder) {
            qCritical("folder.ParseFromString() error!");
            return PaneDrop::refused();
        }
        if (!OverFolderOrEmptySpace(facts))
            return PaneDrop::refused();
        const std::optional<int> target = TargetFolder(facts);
        if (target && *target == folder->folder_id())
            return PaneDrop::refused();
        return PaneDrop::moveFolder(*folder, target);
    }
    return PaneDrop::refused();
}
}
