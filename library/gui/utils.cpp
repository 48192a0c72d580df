#include "utils.h"

#include "linguist.h"
#include "resourceicon.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QString>
#include <QTemporaryFile>
#include <QTextStream>
#include <QTime>
#include <QVariant>

#include <algorithm>

namespace utils
{
namespace
{
// Record fields are converted up to their first NUL byte, as C strings.
QString FromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.c_str());
}
}

QIcon ActionIcon(const char *fileName)
{
    return ResourceIcon(QStringLiteral(":icons/32x32/") + QLatin1String(fileName));
}

QString GetStringFromVariant(const QVariant &value)
{
    if (value.metaType().isValid() && value.canConvert<QString>())
        return value.toString();
    return QString();
}

std::pair<QDateTime, QDateTime> DateToDurationUTC(const QDate &date)
{
    const QDateTime first = QDateTime(date, QTime(0, 0), Qt::LocalTime).toUTC();
    const QDateTime last = first.addDays(1).addMSecs(-1);
    return {first, last};
}

QString GetFullName(const std::string &first, const std::string &middle, const std::string &last)
{
    if (first.empty() || last.empty())
        return QString();
    if (middle.empty())
        return QStringLiteral("%1 %2").arg(FromUtf8(first), FromUtf8(last));
    return QStringLiteral("%1 %2 %3").arg(FromUtf8(first), FromUtf8(middle), FromUtf8(last));
}

QString GetAlphabeticalName(const std::string &first, const std::string &middle, const std::string &last)
{
    if (first.empty() || last.empty())
        return QString();
    if (middle.empty())
        return QStringLiteral("%1, %2").arg(FromUtf8(last), FromUtf8(first));
    return QStringLiteral("%1, %2 %3").arg(FromUtf8(last), FromUtf8(first), FromUtf8(middle));
}

QDateTime GetDateTimeFromStringDateTime(const std::string &text, Qt::TimeSpec timeSpec)
{
    if (text.empty())
        return QDateTime();
    const QString format = Linguist::tr("QDateTimeFormat");
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(format.size()));
    const QDateTime parsed = QDateTime::fromString(QString::fromUtf8(text.data(), static_cast<int>(length)), format);
    // The fields are wall time in timeSpec. They are taken from the parse
    // rather than by re-reading the parsed local time, which is invalid when the
    // text names a time that the local zone skips (a daylight-saving gap).
    if (!parsed.date().isValid() || !parsed.time().isValid())
        return QDateTime();
    return QDateTime(parsed.date(), parsed.time(), timeSpec);
}

QString CopyResourceToTempororyFile(const QString &resourceName, QTemporaryFile &file)
{
    if (resourceName.isEmpty())
        return QString();
    if (!file.open())
        return QString();
    QFile resource(resourceName);
    if (!resource.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    const QString path = QDir::toNativeSeparators(file.fileName());
    // The text mode has taken out every carriage return. What is left of a
    // plain ASCII text reads and writes as itself, line by line, so it is
    // copied in one piece; anything else goes through the text streams, which
    // drop a byte-order mark and replace bytes that are not UTF-8.
    const QByteArray content = resource.readAll();
    if (std::all_of(content.cbegin(), content.cend(), [](char c) { return (c & 0x80) == 0; })) {
        file.write(content);
        if (!content.isEmpty() && !content.endsWith('\n'))
            file.write("\n", 1);
        file.flush();
        return path;
    }
    resource.seek(0);
    {
        QTextStream input(&resource);
        QTextStream output(&file);
        while (!input.atEnd())
            output << input.readLine() << '\n';
    } // the output stream flushes into the file here
    return path;
}
}
