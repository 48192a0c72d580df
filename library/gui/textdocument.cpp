#include "textdocument.h"

#include <QFont>

namespace
{
// Every body starts in this font, whatever the desktop's own default is, so a
// text looks the same to its writer and to its readers. It is made on first
// use: a font made before the application object measures with a guessed
// screen resolution, and its text would come out too large.
const QFont &DefaultFont()
{
    static const QFont font(QStringLiteral("DejaVu Sans"), 10);
    return font;
}
}

TextDocument::TextDocument(QObject *parent)
    : QTextDocument(parent)
{
    setDefaultFont(DefaultFont());
}
