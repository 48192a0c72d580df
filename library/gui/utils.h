#ifndef UTILS_H
#define UTILS_H

#include <QtCore/qnamespace.h>

#include <string>
#include <utility>

class QDate;
class QDateTime;
class QIcon;
class QString;
class QTemporaryFile;
class QVariant;

// Small conversions shared by windows, pickers and the start-up code.
namespace utils
{
// One of the built-in action icons, by its file name under ":icons/32x32/";
// the one icon shared by every window (see ResourceIcon).
QIcon ActionIcon(const char *fileName);

// The variant as text when it converts to text, else an empty text.
QString GetStringFromVariant(const QVariant &value);

// The UTC interval [first, last] that covers the local calendar day of date.
std::pair<QDateTime, QDateTime> DateToDurationUTC(const QDate &date);

// "First Middle Last" (or "First Last"); empty when the first or last name is.
QString GetFullName(const std::string &first, const std::string &middle, const std::string &last);

// "Last, First Middle" (or "Last, First"); empty when the first or last name is.
QString GetAlphabeticalName(const std::string &first, const std::string &middle, const std::string &last);

// Reads the leading "yyyy-MM-dd HH:mm:ss" of a database timestamp text as wall
// time in timeSpec; invalid when the text is empty or does not match.
QDateTime GetDateTimeFromStringDateTime(const std::string &text, Qt::TimeSpec timeSpec);

// Copies a text resource line by line (UTF-8, LF line ends) into file, which it
// opens and leaves open; returns the file's native path, or an empty text on
// any failure.
QString CopyResourceToTempororyFile(const QString &resourceName, QTemporaryFile &file);
}

#endif // UTILS_H
