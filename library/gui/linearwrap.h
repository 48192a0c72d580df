#ifndef LINEARWRAP_H
#define LINEARWRAP_H

#include <QStringView>
#include <QTextOption>

class QTextEdit;

// The wrap mode under which a rich text lays out in time linear in its
// length. Breaking lines at word boundaries, and anywhere only in a word
// longer than a line, looks for the end of that word again on every line the
// word fills, so one word of a megabyte takes minutes where ordinary text of
// the same size takes a fraction of a second. A text holding a word of more
// than a few pages (markup not counted) therefore breaks anywhere; any other
// text breaks at word boundaries.
QTextOption::WrapMode LinearWrapMode(QStringView html);

// Shows the rich text in the edit under that wrap mode, and returns the mode.
QTextOption::WrapMode SetHtmlInLinearTime(QTextEdit *edit, const QString &html);

#endif // LINEARWRAP_H
