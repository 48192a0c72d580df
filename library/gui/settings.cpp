#include "settings.h"

#include "linguist.h"

#include <QDir>
#include <QFileInfo>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace settings
{
namespace
{
const QString PictureDirectories = QStringLiteral("MachineSettings/PictureDirectories");
const QString PictureDirectory = QStringLiteral("PictureDirectory");
const QString Geometry = QStringLiteral("geometry");
const QString Size = QStringLiteral("size");
const QString Pos = QStringLiteral("pos");
const QString HomePageUrlIndex = QStringLiteral("WebBrowser/Options/HomePageUrlIndex");
const QString HomePageCustomUrl = QStringLiteral("WebBrowser/Options/HomePageCustomUrl");
}
}

Settings::Settings()
    : QSettings(nullptr)
{
}

Settings::~Settings() = default;

void Settings::saveWidgetGeometrySettings(QWidget *widget, GroupName name)
{
    if (!beginGeometryGroup(widget, name))
        return;
    setValue(settings::Size, widget->size());
    setValue(settings::Pos, widget->pos());
    endGeometryGroup();
}

void Settings::restoreWidgetGeometrySettings(QWidget *widget, GroupName name, const QSize &size, const QPoint &position)
{
    if (!beginGeometryGroup(widget, name))
        return;
    const QVariant storedSize = value(settings::Size, size);
    if (storedSize.isValid() && storedSize.toSize().isValid())
        widget->resize(storedSize.toSize());
    const QVariant storedPosition = value(settings::Pos, position);
    if (storedPosition.isValid() && storedPosition.canConvert<QPoint>())
        widget->move(storedPosition.toPoint());
    endGeometryGroup();
}

QStringList Settings::getPictureDirectories()
{
    QStringList directories;
    const int count = beginReadArray(settings::PictureDirectories);
    for (int index = 0; index < count; ++index) {
        setArrayIndex(index);
        directories.append(value(settings::PictureDirectory).toString());
    }
    endArray();
    return directories;
}

void Settings::setPictureDirectories(const QStringList &directories)
{
    beginWriteArray(settings::PictureDirectories, directories.size());
    for (int index = 0; index < directories.size(); ++index) {
        setArrayIndex(index);
        setValue(settings::PictureDirectory, directories.at(index));
    }
    endArray();
}

void Settings::addPictureDirectory(const QString &directory)
{
    QStringList directories = getPictureDirectories();
    if (directories.contains(directory, Qt::CaseSensitive))
        return;
    directories.append(directory);
    setPictureDirectories(directories);
}

QString Settings::getHomePictureDirectory() const
{
    const QString path = QDir::homePath() + QLatin1Char('/') + Linguist::tr("Pictures");
    const QFileInfo info(path);
    return info.exists() && info.isDir() ? path : QString();
}

QStringList Settings::getPictureSearchPaths()
{
    QStringList paths;
    const QString home = getHomePictureDirectory();
    if (!home.isEmpty())
        paths.append(home);
    paths.append(getPictureDirectories());
    return paths;
}

QString Settings::getHomePageUrl() const
{
    const int index = value(settings::HomePageUrlIndex, 0).toInt();
    const QString custom = value(settings::HomePageCustomUrl).toString();
    switch (index) {
    case 0:
        if (!custom.isEmpty())
            return custom;
        break;
    case 2:
        return Linguist::tr("HomePageChoice2Url");
    case 3:
        return Linguist::tr("HomePageChoice3Url");
    case 4:
        return Linguist::tr("HomePageChoice4Url");
    case 5:
        return Linguist::tr("HomePageChoice5Url");
    default:
        break;
    }
    return Linguist::tr("HomePageChoice1Url");
}

bool Settings::beginGeometryGroup(const QWidget *widget, GroupName name)
{
    if (!widget)
        return false;
    QString group;
    switch (name) {
    case ClassName:
        group = QString::fromLatin1(widget->metaObject()->className());
        break;
    case ObjectName:
        group = widget->objectName();
        break;
    default:
        return false;
    }
    if (group.isEmpty())
        return false;
    const QScreen *screen = widget->screen();
    if (!screen)
        return false;
    const QRect available = screen->availableGeometry();
    beginGroup(group);
    beginGroup(settings::Geometry);
    beginGroup(QStringLiteral("%1x%2").arg(available.width()).arg(available.height()));
    return true;
}

void Settings::endGeometryGroup()
{
    endGroup();
    endGroup();
    endGroup();
}
