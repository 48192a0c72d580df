#ifndef KEYRULES_H
#define KEYRULES_H

#include <QString>

#include <optional>
#include <string>

class QDate;
class QTime;

// How the choices of the key pages become fields of a key's security
// descriptor, and how the summaries name them. The create-key wizards, the
// key change wizards and the keyring windows all turn the same choices into
// the same stored texts.
namespace keyrules
{
// The bounds and region that a key stores for its daily hours.
struct ActiveHours
{
    std::string from;
    std::string to;
    std::string region;
};

// The machine's local date, as the program's clock tells it.
QDate LocalToday();

// Restricted hours whose start lies strictly before the end, in a named
// region, as "hh:mm:ss" and the region; anything else is no restriction:
// "00:00:00" twice and no region.
ActiveHours KeyActiveHours(bool restricted, const QTime &from, const QTime &to, const QString &region);

// Seconds of a session: the amount in minutes (unit 0) or hours (any other
// unit) when restricted, 0 (no limit) otherwise or for an amount of 0.
int SessionDurationSeconds(bool restricted, unsigned int amount, unsigned int unit);

// The stored expiration of a local calendar day: the UTC date on which that
// day begins, at "00:00:00", so that the key never outlives the chosen day.
// Empty when the date (or its local midnight) is not valid.
std::string ExpirationDate(const QDate &localDate);

// The stored password form of a passcode (hashed, then salted and derived).
// Absent when the passcode cannot be hashed: a key must then not be written
// at all, rather than written without the passcode the user chose.
std::optional<std::string> StoredPasscode(const QString &passcode);

// "Friday, December 10, 2027", with English names whatever the locale.
QString LongDate(const QDate &date);
// "8:00 AM".
QString ShortTime(const QTime &time);
}

#endif // KEYRULES_H
