#ifndef THEMEPICTURE_H
#define THEMEPICTURE_H

#include <QColor>
#include <QSize>
#include <QString>

class QImage;
class QPainter;
class QRectF;
class ThemeIconIndex;

// What one built-in picture is made of: a theme icon, optionally drawn in
// another colour and with a second icon as a badge in its lower right corner,
// at a pixel size. A picture wider than high is a banner: the icon stands at
// the left of a band in the theme's own blues.
struct ThemePictureRecipe
{
    QString icon;
    QString badge;
    QColor tint;
    QSize size;
};

// Renders pictures from the SVG drawings of an icon theme.
class ThemePicture
{
public:
    explicit ThemePicture(const ThemeIconIndex &index);

    // A null image, with the reason in *error, when an icon is missing from
    // the theme or its drawing cannot be read.
    QImage render(const ThemePictureRecipe &recipe, QString *error) const;

private:
    bool drawIcon(QPainter &painter, const QString &name, const QRectF &area, const QColor &tint, QString *error) const;
    bool drawBadge(QPainter &painter, const QString &name, const QRectF &iconArea, QString *error) const;

    const ThemeIconIndex &m_index;
};

#endif // THEMEPICTURE_H
