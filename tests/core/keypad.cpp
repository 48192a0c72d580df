#include "keypad.h"

#include <QGridLayout>
#include <QPushButton>
#include <QString>
#include <QWidget>

namespace testsupport
{
QPushButton *KeypadKey(QWidget *dialog, int row, int column)
{
    auto *grid = dialog->findChild<QGridLayout *>();
    if (!grid)
        return nullptr;
    QLayoutItem *item = grid->itemAtPosition(row, column);
    return item ? qobject_cast<QPushButton *>(item->widget()) : nullptr;
}

void TypeOnKeypad(QWidget *dialog, const QString &keys)
{
    for (const QChar key : keys) {
        int row = 3;
        int column = 1;
        if (key == QLatin1Char('E')) {
            column = 0;
        } else if (key == QLatin1Char('D')) {
            column = 2;
        } else if (key != QLatin1Char('0')) {
            const int digit = key.digitValue() - 1;
            row = digit / 3;
            column = digit % 3;
        }
        if (QPushButton *button = KeypadKey(dialog, row, column))
            button->click();
    }
}
}
