#ifndef AUDITFIXTURE_H
#define AUDITFIXTURE_H

#include <QMap>
#include <QString>
#include <QTest>

#include <cstdint>
#include <string>

class QTranslator;

namespace logtest
{
// Bits of the audit mask: the line of severity n, and its details.
constexpr std::uint32_t LineBit(int severity)
{
    return 1u << severity;
}
constexpr std::uint32_t DetailsBit(int severity)
{
    return 1u << (severity + 10);
}
constexpr std::uint32_t EveryLineWithDetails = 0x001FFFFEu;

// Logs on a user whose descriptor carries this audit mask.
void SetAuditMask(std::uint32_t mask);
// Logs the user off: no mask at all.
void ClearUser();

// The names the entry point gives the application, which head every line.
void SetApplicationNames();

// Loads the English texts of the audit events into the translator.
bool LoadLogTranslation(QTranslator *translator);

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

#endif // AUDITFIXTURE_H
