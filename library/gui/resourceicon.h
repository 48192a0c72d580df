#ifndef RESOURCEICON_H
#define RESOURCEICON_H

class QIcon;
class QString;

namespace utils
{
// The icon of a built-in image file (a ":icons/..." resource path), one shared
// icon per path for the life of the application. Qt caches the scaled and
// disabled pixmaps it draws under the icon's own identity; an icon made anew
// for every window would leave a fresh set of entries behind each time one is
// opened and closed, while the shared one reuses them. GUI thread only.
QIcon ResourceIcon(const QString &path);
}

#endif // RESOURCEICON_H
