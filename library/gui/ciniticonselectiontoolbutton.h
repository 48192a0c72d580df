#ifndef CINITICONSELECTIONTOOLBUTTON_H
#define CINITICONSELECTIONTOOLBUTTON_H

class QString;
class QToolButton;

namespace content::icons
{
// Fills an icon-selection button from one folder of the catalogue: a new menu
// with one action per picture, in name order with letter case ignored (icon,
// the name without "ic_" and the size, the resource path as data), replacing
// the button's previous menu and its actions; the first picture becomes the
// button's current action. The button does not own its menu: the menu has no
// parent, so whoever owns the button deletes the last one.
class CInitIconSelectionToolButton
{
public:
    explicit CInitIconSelectionToolButton(QToolButton *toolButton);

    void operator()(const QString &groupDirectory, const QString &sizeDirectory) const;

private:
    QToolButton *m_toolButton;
};
}

#endif // CINITICONSELECTIONTOOLBUTTON_H
