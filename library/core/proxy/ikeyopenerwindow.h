#ifndef IKEYOPENERWINDOW_H
#define IKEYOPENERWINDOW_H

#include "common/opcode.h"

#include <string>

class QWidget;

// What a key opener needs of the window that opens a key: a parent for its
// dialogs and message boxes, and the window's way onto the component bus. The
// windows themselves sit far above the openers, so they are reached only
// through this interface (KeyOpenerWindow adapts any bus window to it).
class IKeyOpenerWindow
{
public:
    virtual ~IKeyOpenerWindow() = default;

    virtual QWidget *widget() const = 0;
    // Hands a request to the bus as the window's own. Returns only after the
    // server exchange and every reply handler have run.
    virtual void deliverRequest(common::Opcode majorOpcode, common::Opcode minorOpcode,
                                const std::string &request) const = 0;
};

#endif // IKEYOPENERWINDOW_H
