#ifndef ASKPASSCODE_H
#define ASKPASSCODE_H

#include <QString>

#include <optional>

class QWidget;

// The client's passcode prompt for the key openers: shows the passcode dialog
// modally over the window and returns what it held when its Enter key ended
// it; nothing when it was closed or ended with an empty display.
std::optional<QString> AskPasscode(QWidget *window);

#endif // ASKPASSCODE_H
