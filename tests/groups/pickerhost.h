#ifndef PICKERHOST_H
#define PICKERHOST_H

#include <QAbstractButton>
#include <QListWidget>
#include <QStringList>
#include <QWidget>

namespace groupstest
{
// The texts of a list's items in list order.
inline QStringList Texts(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

// Toggles the selection of the item with this text, as a click does in a
// multi-selection list; false when there is no such item.
inline bool Toggle(QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> items = list->findItems(text, Qt::MatchExactly);
    if (items.size() != 1)
        return false;
    items.first()->setSelected(!items.first()->isSelected());
    return true;
}

// "1" for a button that is on (checked for a radio button, enabled for any
// other), "0" for one that is off, in the order given.
inline QString States(const QList<const QAbstractButton *> &buttons)
{
    QString states;
    for (const QAbstractButton *button : buttons)
        states +=
            (button->isCheckable() ? button->isChecked() : button->isEnabled()) ? QLatin1Char('1') : QLatin1Char('0');
    return states;
}
}

#endif // PICKERHOST_H
