#ifndef VIEWWINDOWLOOKUP_H
#define VIEWWINDOWLOOKUP_H

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QWidget>

// What a look-up does with every window it finds.
enum class ViewWindowAction
{
    Raise = 1, // activate it and bring it to the front
    Close = 2,
};

// The managers keep no list of their windows: the application's top-level
// windows are the only record of what is open. Applies the action to every
// window of the class whose key (keyOf(window)) equals the id, not only the
// first, and tells whether there was one.
//
// A window that has been closed but not yet destroyed (delete-on-close defers
// the deletion) no longer counts: raising it would show nothing and keep a new
// window from opening.
template <class Window, class KeyOf>
bool ApplyToViewWindows(int id, KeyOf keyOf, ViewWindowAction action)
{
    QList<QPointer<Window>> matches;
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        Window *window = qobject_cast<Window *>(widget);
        if (window && !window->isHidden() && keyOf(*window) == id)
            matches.append(window);
    }
    // Closing runs the window's own close handling, which may take other
    // windows with it.
    for (const QPointer<Window> &window : matches) {
        if (!window)
            continue;
        if (action == ViewWindowAction::Close) {
            window->close();
        } else {
            window->activateWindow();
            window->raise();
        }
    }
    return !matches.isEmpty();
}

#endif // VIEWWINDOWLOOKUP_H
