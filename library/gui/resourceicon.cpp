#include "resourceicon.h"

#include <QCoreApplication>
#include <QHash>
#include <QIcon>
#include <QString>

namespace utils
{
namespace
{
using Icons = QHash<QString, QIcon>;

// Emptied when the application object goes, since icons hold pixmaps that
// must not outlive it.
Icons &SharedIcons()
{
    static Icons icons;
    static const bool emptiedAtExit = [] {
        qAddPostRoutine([] { SharedIcons().clear(); });
        return true;
    }();
    Q_UNUSED(emptiedAtExit);
    return icons;
}
}

QIcon ResourceIcon(const QString &path)
{
    Icons &icons = SharedIcons();
    auto found = icons.constFind(path);
    if (found == icons.constEnd())
        found = icons.insert(path, QIcon(path));
    return found.value();
}
}
