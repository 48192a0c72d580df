#ifndef KEYSUMMARY_H
#define KEYSUMMARY_H

#include <QString>
#include <QStringList>

class QDate;

namespace qorv::data
{
class SecurityDescriptor;
class User;
}

// The pieces that the create-key confirmation pages put into their HTML
// summaries. Each page passes its own translated sentences; the shared
// words (months, days, units) come from the context "Linguist".
namespace keysummary
{
// "<li>text</li>" for each item after the header, then "</ul>".
QString List(const QString &header, const QStringList &items);

// The names of the months (January first) and days (Monday first) on which
// the descriptor is active.
QStringList ActiveMonths(const qorv::data::SecurityDescriptor &descriptor);
QStringList ActiveDays(const qorv::data::SecurityDescriptor &descriptor);

// "hours" for any unit but 0, "minutes" for 0.
QString DurationUnit(unsigned int unit);

// The sentence for a local expiration day: today's (%1 the date), tomorrow's
// (%1) or the one for any other distance (%1 the date, %2 the days).
QString Expiration(const QDate &date, const QString &today, const QString &tomorrow, const QString &later);

// "Last, First Middle", escaped for HTML.
QString UserName(const qorv::data::User &user);
}

#endif // KEYSUMMARY_H
