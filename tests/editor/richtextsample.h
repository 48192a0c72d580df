#ifndef RICHTEXTSAMPLE_H
#define RICHTEXTSAMPLE_H

#include <QString>

class AbstractTextReader;

// A body of the largest size a document or message may have, for measuring how
// the reader copes with it.
namespace richtextsample
{
// About byteCount bytes (as UTF-8, never fewer) of the HTML the editor writes:
// headings, paragraphs with bold, italic and coloured runs, lists and tables.
QString MakeRichText(int byteCount);

// Loads html into the reader and lays the whole document out at the reader's
// width, as showing it does; returns the laid-out height in pixels.
qreal LoadAndLayOut(AbstractTextReader &reader, const QString &html);
}

#endif // RICHTEXTSAMPLE_H
