#include "themepicture.h"

#include "themeiconindex.h"

#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QSvgRenderer>

namespace
{
// The colour the theme's monochrome drawings are given through their style
// sheet; a tinted picture swaps it for its own.
const QByteArray ThemeTextColour = QByteArrayLiteral("#232629");
}

ThemePicture::ThemePicture(const ThemeIconIndex &index)
    : m_index(index)
{
}

QImage ThemePicture::render(const ThemePictureRecipe &recipe, QString *error) const
{
    QImage image(recipe.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    const int side = qMin(recipe.size.width(), recipe.size.height());
    QRectF iconArea(0, 0, side, side);
    if (recipe.size.width() > recipe.size.height()) {
        QLinearGradient band(0, 0, recipe.size.width(), recipe.size.height());
        band.setColorAt(0, QColor(0x1d, 0x99, 0xf3));
        band.setColorAt(1, QColor(0x1a, 0x4f, 0x8a));
        painter.fillRect(image.rect(), band);
        const qreal margin = side * 0.12;
        iconArea = QRectF(margin * 2, margin, side - 2 * margin, side - 2 * margin);
    }
    if (!drawIcon(painter, recipe.icon, iconArea, recipe.tint, error))
        return {};
    if (!recipe.badge.isEmpty() && !drawBadge(painter, recipe.badge, iconArea, error))
        return {};
    painter.end();
    return image;
}

bool ThemePicture::drawIcon(QPainter &painter, const QString &name, const QRectF &area, const QColor &tint,
                            QString *error) const
{
    const QString path = m_index.find(name, qRound(area.height()));
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        *error = name + QStringLiteral(": no such icon in the theme");
        return false;
    }
    QByteArray drawing = file.readAll();
    if (tint.isValid())
        drawing.replace(ThemeTextColour, tint.name().toLatin1());
    QSvgRenderer renderer(drawing);
    if (!renderer.isValid()) {
        *error = path + QStringLiteral(": not a drawing");
        return false;
    }
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    renderer.render(&painter, area);
    return true;
}

bool ThemePicture::drawBadge(QPainter &painter, const QString &name, const QRectF &iconArea, QString *error) const
{
    // A light disc keeps a monochrome badge readable on a drawing of the
    // same colour.
    const qreal badgeSide = iconArea.height() * 0.56;
    const QRectF area(iconArea.right() - badgeSide, iconArea.bottom() - badgeSide, badgeSide, badgeSide);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawEllipse(area);
    painter.restore();
    const qreal inset = badgeSide * 0.12;
    return drawIcon(painter, name, area.adjusted(inset, inset, -inset, -inset), QColor(), error);
}
