#ifndef MAINPANEDROP_H
#define MAINPANEDROP_H

#include "panedragfacts.h"
#include "panedrop.h"

// The drag-and-drop rules of the browser's main pane. It takes a document or
// a folder, moved, from any list of the program: onto one of its folder
// items (into that folder), or onto its empty space (into the folder the
// window shows) when the drag comes from another list. A folder is never
// moved onto its own item.
namespace mainpanedrop
{
bool AcceptsEnter(const PaneDragFacts &facts);
// Whether the drop would be considered here while the drag moves.
bool AcceptsMove(const PaneDragFacts &facts);
PaneDrop Drop(const PaneDragFacts &facts);
}

#endif // MAINPANEDROP_H
