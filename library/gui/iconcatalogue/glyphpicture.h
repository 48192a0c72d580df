#ifndef GLYPHPICTURE_H
#define GLYPHPICTURE_H

#include <QRawFont>
#include <QString>

// Turns glyphs of an icon font into stand-alone SVG pictures: the glyph's
// outline becomes one path on a canvas of the font's em square, so that a
// picture scales like the font does and needs no font to be shown.
class GlyphPicture
{
public:
    // The font is read at the em size of its design grid (24 for an icon
    // font drawn on a 24-unit grid), which becomes the picture's view box.
    GlyphPicture(const QString &fontFile, int emSize);

    bool isValid() const;

    // The SVG document of the glyph at the code point, drawn width x height
    // pixels; a canvas wider than high keeps the glyph in its middle. Empty
    // when the font has no outline for the code point.
    QString svg(char32_t codePoint, int width, int height, const QString &title) const;

private:
    QRawFont m_font;
    int m_emSize;
};

#endif // GLYPHPICTURE_H
