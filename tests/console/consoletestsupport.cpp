#include "consoletestsupport.h"

#include "builtinzonetable.h"
#include "consoleview.h"
#include "timezonedatabase.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QTranslator>

namespace consoletest
{
bool SetUpLikeTheProgram()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Halvemoor"));
    QCoreApplication::setApplicationName(QStringLiteral("QuillaneClient"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    static QTranslator translator;
    if (!translator.load(QStringLiteral(":build/client_en.qm")) || !QCoreApplication::installTranslator(&translator))
        return false;
    static const bool zonesLoaded = testsupport::LoadBuiltInZoneTable(*TimeZoneDatabase::instance());
    return zonesLoaded;
}

ConsoleView *OpenConsole()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *console = qobject_cast<ConsoleView *>(widget); console && console->isVisible())
            return console;
    }
    return nullptr;
}

QStringList Entries(const QList<QAction *> &actions)
{
    QStringList entries;
    for (const QAction *action : actions) {
        if (action->isSeparator())
            entries.append(QStringLiteral("---"));
        else if (action->menu())
            entries.append(action->text() + QStringLiteral(" >"));
        else
            entries.append(action->text());
    }
    return entries;
}

QStringList Entries(const QMenu *menu)
{
    return Entries(menu->actions());
}

QStringList Entries(const QToolBar *toolBar)
{
    return Entries(toolBar->actions());
}

namespace
{
QAction *FindIn(const QList<QAction *> &actions, const QString &text)
{
    for (QAction *action : actions) {
        if (!action->isSeparator() && action->text() == text)
            return action;
        if (QMenu *menu = action->menu()) {
            if (QAction *found = FindIn(menu->actions(), text))
                return found;
        }
    }
    return nullptr;
}
}

QAction *FindAction(const QWidget *window, const QString &text)
{
    const auto *menuBar = window->findChild<QMenuBar *>();
    return menuBar ? FindIn(menuBar->actions(), text) : nullptr;
}
}
