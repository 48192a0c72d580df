#ifndef SETTINGS_H
#define SETTINGS_H

#include <QPoint>
#include <QSettings>
#include <QSize>
#include <QStringList>

class QWidget;

// The application's settings store, with typed operations for window geometry
// (per screen size) and the picture directories. It keeps nothing itself:
// every operation reads or writes the store afresh, so short-lived instances
// and the process-wide one (SettingsSingleton) always agree.
class Settings : public QSettings
{
public:
    enum GroupName
    {
        ClassName = 0,
        ObjectName = 1
    };

    Settings();
    ~Settings() override;

    void saveWidgetGeometrySettings(QWidget *widget, GroupName name);
    void restoreWidgetGeometrySettings(QWidget *widget, GroupName name, const QSize &size = QSize(640, 480),
                                       const QPoint &position = QPoint(64, 48));

    QStringList getPictureDirectories();
    void setPictureDirectories(const QStringList &directories);
    void addPictureDirectory(const QString &directory);
    QString getHomePictureDirectory() const;
    QStringList getPictureSearchPaths();

    QString getHomePageUrl() const;

private:
    // Opens group/geometry/screen for widget; false (nothing opened) when the
    // group text is empty or the name kind is unknown.
    bool beginGeometryGroup(const QWidget *widget, GroupName name);
    void endGeometryGroup();
};

#endif // SETTINGS_H
