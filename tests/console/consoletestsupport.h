#ifndef CONSOLETESTSUPPORT_H
#define CONSOLETESTSUPPORT_H

#include <QList>
#include <QString>
#include <QStringList>

class QAction;
class QMenu;
class QToolBar;
class QWidget;
class ConsoleView;

namespace consoletest
{
// What every console test needs before it builds a window: the program's
// names (the settings store is found by them), its English texts and its
// zone table, as the entry point sets them up. False when a part is missing.
bool SetUpLikeTheProgram();

// The console that the console manager opened, or null.
ConsoleView *OpenConsole();

// The entries of a menu or tool bar as text: an action's text, "---" for a
// separator, a submenu as its title followed by ">".
QStringList Entries(const QList<QAction *> &actions);
QStringList Entries(const QMenu *menu);
QStringList Entries(const QToolBar *toolBar);

// The action with this text anywhere in the window's menus, submenus included.
QAction *FindAction(const QWidget *window, const QString &text);
}

#endif // CONSOLETESTSUPPORT_H
