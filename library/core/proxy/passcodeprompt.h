#ifndef PASSCODEPROMPT_H
#define PASSCODEPROMPT_H

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// Asks the user, modally over the given window, for the passcode of a key and
// returns what was typed; nothing when the prompt was not answered (closed,
// or ended without a passcode). The client's prompt is its passcode dialog,
// which lives above the openers and is handed to them by the window that
// opens a key.
using PasscodePrompt = std::function<std::optional<QString>(QWidget *window)>;

#endif // PASSCODEPROMPT_H
