#ifndef KEYPAD_H
#define KEYPAD_H

class QPushButton;
class QString;
class QWidget;

namespace testsupport
{
// Presses the keys of a passcode dialog's keypad, found by their place in the
// keypad grid: digits '0' to '9', 'E' for Enter, 'D' for Delete.
QPushButton *KeypadKey(QWidget *dialog, int row, int column);
void TypeOnKeypad(QWidget *dialog, const QString &keys);
}

#endif // KEYPAD_H
