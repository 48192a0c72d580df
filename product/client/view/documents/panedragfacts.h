#ifndef PANEDRAGFACTS_H
#define PANEDRAGFACTS_H

#include <Qt>

class QDropEvent;
class QListWidget;
class QMimeData;

// What decides whether a drag over one of the document browser's panes may
// drop there: where the drag comes from, the action it proposes, what it
// carries and the item under the pointer. The panes read these from the
// drag's events; the rules (mainpanedrop, sidepanedrop) decide from them
// alone.
struct PaneDragFacts
{
    enum class Source
    {
        None,        // no widget of this program: another application
        ThisPane,    // the pane under the pointer itself
        OtherList,   // another list widget of the program
        OtherWidget, // a widget of the program that is not a list
    };

    // The facts of a drag event (enter, move or drop) over the pane.
    static PaneDragFacts of(const QListWidget &pane, const QDropEvent &event);

    Source source = Source::None;
    Qt::DropAction action = Qt::IgnoreAction;
    const QMimeData *mimeData = nullptr;
    // The item type under the pointer, 0 over empty space; and, for a folder
    // or the home folder, its folder id (0 when unset).
    int targetType = 0;
    int targetFolderId = 0;
};

#endif // PANEDRAGFACTS_H
