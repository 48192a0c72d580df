#ifndef SIDEPANEDROP_H
#define SIDEPANEDROP_H

#include "panedragfacts.h"
#include "panedrop.h"

// The drag-and-drop rules of the browser's side pane. It takes a document or
// a folder, moved, from another list of the program, onto the home folder or
// a folder shortcut only; the document wins when the drag carries both. A
// folder is never moved onto its own shortcut.
namespace sidepanedrop
{
bool AcceptsEnter(const PaneDragFacts &facts);
bool AcceptsMove(const PaneDragFacts &facts);
PaneDrop Drop(const PaneDragFacts &facts);
}

#endif // SIDEPANEDROP_H
