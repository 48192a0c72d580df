#ifndef AUDITLINE_H
#define AUDITLINE_H

#include <QMap>
#include <QString>
#include <QStringList>
#include <QTest>

#include <string>

namespace testsupport
{
// The extension of a line, or a bare extension, as key -> value (values still
// escaped), read the way a log reader would: every unescaped "=" ends a key.
QMap<QString, QString> ExtensionOf(const std::string &line);
// The extension keys in the order the line lists them.
QStringList KeysOf(const std::string &line);
// The pairs an event adds itself, "k=v" joined by blanks in line order:
// the extension without what every event carries (cnt, dpt, dst, externalId,
// shost, spid, suser).
QString EventPairs(const std::string &line);
// The seven header fields.
QStringList HeaderOf(const std::string &line);
// The seven header fields of this program's line for an event.
QStringList HeaderFields(int classId, const QString &name, int severity);
// How many events of its class and outcome were built so far, as the line
// counts them ("cnt").
unsigned int CountOf(const std::string &line);

// The operating-system user every line names: USER, set to a stand-in first
// when the environment has none, so that lines can be predicted.
std::string LiveUser();
}

// Audit lines are std::string; let a failed comparison show them.
namespace QTest
{
template <>
inline char *toString(const std::string &text)
{
    return qstrdup(text.c_str());
}
}

#endif // AUDITLINE_H
