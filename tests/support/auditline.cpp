#include "auditline.h"

#include <QList>
#include <QPair>

namespace testsupport
{
namespace
{
// Where the header ends: after the seventh "|".
int ExtensionStart(const QString &line)
{
    int position = -1;
    for (int field = 0; field < 7; ++field) {
        position = line.indexOf(QLatin1Char('|'), position + 1);
        if (position < 0)
            return -1;
    }
    return position + 1;
}

QList<QPair<QString, QString>> Pairs(const std::string &line)
{
    const QString text = QString::fromStdString(line);
    const bool hasHeader = text.startsWith(QLatin1String("CEF:"));
    const int start = hasHeader ? ExtensionStart(text) : 0;
    QList<QPair<QString, QString>> pairs;
    if (start < 0)
        return pairs;
    const QString extension = text.mid(start);

    // Positions of the unescaped equals signs; a backslash escapes the next
    // character.
    QList<int> equals;
    for (int i = 0; i < extension.size(); ++i) {
        if (extension.at(i) == QLatin1Char('\\'))
            ++i;
        else if (extension.at(i) == QLatin1Char('='))
            equals.append(i);
    }
    for (int n = 0; n < equals.size(); ++n) {
        const int keyStart = extension.lastIndexOf(QLatin1Char(' '), equals[n]) + 1;
        const QString key = extension.mid(keyStart, equals[n] - keyStart);
        int valueEnd = extension.size();
        if (n + 1 < equals.size())
            valueEnd = extension.lastIndexOf(QLatin1Char(' '), equals[n + 1]);
        pairs.append({key, extension.mid(equals[n] + 1, valueEnd - equals[n] - 1)});
    }
    return pairs;
}
}

QMap<QString, QString> ExtensionOf(const std::string &line)
{
    QMap<QString, QString> map;
    for (const auto &[key, value] : Pairs(line))
        map.insert(key, value);
    return map;
}

QStringList KeysOf(const std::string &line)
{
    QStringList keys;
    for (const auto &pair : Pairs(line))
        keys.append(pair.first);
    return keys;
}

QString EventPairs(const std::string &line)
{
    static const QStringList common = {"cnt", "dpt", "dst", "externalId", "shost", "spid", "suser"};
    QStringList pairs;
    for (const auto &[key, value] : Pairs(line)) {
        if (!common.contains(key))
            pairs.append(key + QLatin1Char('=') + value);
    }
    return pairs.join(QLatin1Char(' '));
}

QStringList HeaderOf(const std::string &line)
{
    const QString text = QString::fromStdString(line);
    const int start = ExtensionStart(text);
    if (start < 0)
        return {};
    return text.left(start - 1).split(QLatin1Char('|'));
}

QStringList HeaderFields(int classId, const QString &name, int severity)
{
    return {QStringLiteral("CEF:0"),  QStringLiteral("Halvemoor"), QStringLiteral("QuillaneClient"),
            QStringLiteral("1.0.0"),  QString::number(classId),    name,
            QString::number(severity)};
}

unsigned int CountOf(const std::string &line)
{
    return ExtensionOf(line).value(QStringLiteral("cnt")).toUInt();
}

std::string LiveUser()
{
    if (qEnvironmentVariableIsEmpty("USER"))
        qputenv("USER", "auditor");
    return QString::fromLocal8Bit(qgetenv("USER")).toStdString();
}
}
