#include "panedragfacts.h"

#include "itemrecord.h"
#include "itemrole.h"
#include "itemtype.h"

#include "folder3.pb.h"

#include <QDropEvent>
#include <QListWidget>

PaneDragFacts PaneDragFacts::of(const QListWidget &pane, const QDropEvent &event)
{
    PaneDragFacts facts;
    QObject *const source = event.source();
    if (!source)
        facts.source = Source::None;
    else if (source == &pane)
        facts.source = Source::ThisPane;
    else if (qobject_cast<QListWidget *>(source))
        facts.source = Source::OtherList;
    else
        facts.source = Source::OtherWidget;
    facts.action = event.proposedAction();
    facts.mimeData = event.mimeData();
    if (const QListWidgetItem *target = pane.itemAt(event.position().toPoint())) {
        facts.targetType = target->type();
        if (facts.targetType == HomeFolderItemType || facts.targetType == FolderItemType) {
            const std::optional<qorv::data::Folder> folder =
                itemrecord::FromVariant<qorv::data::Folder>(target->data(FolderRole));
            facts.targetFolderId = folder ? folder->folder_id() : 0;
        }
    }
    return facts;
}
