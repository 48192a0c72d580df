#include "glyphpicture.h"

#include <QPainterPath>

namespace
{
// Two decimals are finer than a pixel at every size the catalogue keeps and
// keep the files small.
QString Number(qreal value)
{
    QString text = QString::number(value, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString Point(qreal x, qreal y)
{
    return Number(x) + QLatin1Char(' ') + Number(y);
}

QString PathData(const QPainterPath &path)
{
    QString data;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        switch (element.type) {
        case QPainterPath::MoveToElement:
            data += QLatin1Char('M') + Point(element.x, element.y);
            break;
        case QPainterPath::LineToElement:
            data += QLatin1Char('L') + Point(element.x, element.y);
            break;
        case QPainterPath::CurveToElement:
            // A cubic curve is its first control point here and the second
            // and the end point in the two data elements that follow.
            if (i + 2 < path.elementCount()) {
                const QPainterPath::Element second = path.elementAt(i + 1);
                const QPainterPath::Element end = path.elementAt(i + 2);
                data += QLatin1Char('C') + Point(element.x, element.y) + QLatin1Char(' ') + Point(second.x, second.y)
                        + QLatin1Char(' ') + Point(end.x, end.y);
                i += 2;
            }
            break;
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    return data;
}
}

GlyphPicture::GlyphPicture(const QString &fontFile, int emSize)
    : m_font(fontFile, emSize)
    , m_emSize(emSize)
{
}

bool GlyphPicture::isValid() const
{
    return m_font.isValid();
}

QString GlyphPicture::svg(char32_t codePoint, int width, int height, const QString &title) const
{
    const QList<quint32> glyphs = m_font.glyphIndexesForString(QString::fromUcs4(&codePoint, 1));
    if (glyphs.size() != 1 || glyphs.first() == 0)
        return {};
    QPainterPath outline = m_font.pathForGlyph(glyphs.first());
    if (outline.isEmpty())
        return {};
    // Font outlines stand on the base line with y growing upwards; the
    // picture's origin is the em square's top left corner.
    const qreal viewWidth = qreal(m_emSize) * width / height;
    outline.translate((viewWidth - m_emSize) / 2, m_font.ascent());

    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" viewBox=\"0 0 %3 %4\">\n"
               "<title>%5</title>\n"
               "<path fill=\"#212121\" d=\"%6\"/>\n"
               "</svg>\n")
        .arg(width)
        .arg(height)
        .arg(Number(viewWidth))
        .arg(m_emSize)
        .arg(title.toHtmlEscaped(), PathData(outline));
}
