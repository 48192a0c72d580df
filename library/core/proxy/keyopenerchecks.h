#ifndef KEYOPENERCHECKS_H
#define KEYOPENERCHECKS_H

#include "passcodeprompt.h"

#include <cstdint>
#include <string>

class QWidget;

// The two checks that both key openers make before they open a key, with the
// warnings that tell the user why a key was refused. The window parents every
// dialog and message box.

// True for a flags word of a key validator without any reason to refuse;
// otherwise shows the first reason (switch, month, day, hours, expiration,
// view permission) and returns false once the box is closed.
[[nodiscard]] bool AcceptKeyConditions(std::uint64_t flags, QWidget *window);

// True for a key without passcode, or when the passcode the prompt returns
// matches the stored form; otherwise "Incorrect password!" and false. There
// is no second try.
[[nodiscard]] bool AcceptKeyPasscode(const std::string &storedPasscode, QWidget *window,
                                     const PasscodePrompt &askPasscode);

#endif // KEYOPENERCHECKS_H
