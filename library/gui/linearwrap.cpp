#include "linearwrap.h"

#include <QTextEdit>

namespace
{
// Far more than a line holds, and little enough that the search for the end
// of a word this long stays short on every line it fills.
constexpr qsizetype LongestWordWrapped = 4096;
}

QTextOption::WrapMode LinearWrapMode(QStringView html)
{
    qsizetype word = 0;
    bool inTag = false;
    for (const QChar character : html) {
        // A tag neither breaks a word nor lengthens it: the text of a picture
        // stored in the page is no word.
        if (inTag) {
            inTag = character != QLatin1Char('>');
            continue;
        }
        if (character == QLatin1Char('<')) {
            inTag = true;
            continue;
        }
        word = character.isSpace() ? 0 : word + 1;
        if (word > LongestWordWrapped)
            return QTextOption::WrapAnywhere;
    }
    return QTextOption::WrapAtWordBoundaryOrAnywhere;
}

QTextOption::WrapMode SetHtmlInLinearTime(QTextEdit *edit, const QString &html)
{
    const QTextOption::WrapMode mode = LinearWrapMode(html);
    edit->setWordWrapMode(mode);
    edit->setHtml(html);
    return mode;
}
