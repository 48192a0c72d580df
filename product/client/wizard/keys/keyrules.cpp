#include "keyrules.h"

#include "clock.h"
#include "cryptographer.h"
#include "dbtimestamp.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QTime>

namespace keyrules
{
namespace
{
constexpr int SecondsPerMinute = 60;
constexpr int SecondsPerHour = 3600;
const QString StoredTimeFormat = QStringLiteral("hh:mm:ss");
const std::string NoHours = "00:00:00";
}

QDate LocalToday()
{
    const std::tm local = Clock::nowLocal();
    return QDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

ActiveHours KeyActiveHours(bool restricted, const QTime &from, const QTime &to, const QString &region)
{
    if (restricted && from.isValid() && to.isValid() && from < to && !region.isEmpty())
        return {from.toString(StoredTimeFormat).toStdString(), to.toString(StoredTimeFormat).toStdString(),
                region.toStdString()};
    return {NoHours, NoHours, std::string()};
}

int SessionDurationSeconds(bool restricted, unsigned int amount, unsigned int unit)
{
    if (!restricted || amount == 0)
        return 0;
    return static_cast<int>(amount) * (unit == 0 ? SecondsPerMinute : SecondsPerHour);
}

std::string ExpirationDate(const QDate &localDate)
{
    const QDateTime localMidnight(localDate, QTime(0, 0), Qt::LocalTime);
    if (!localMidnight.isValid())
        return std::string();
    const QString utcDate = localMidnight.toUTC().toString(QStringLiteral("yyyy-MM-dd"));
    return DbTimestamp(utcDate.toStdString()).toDbString();
}

std::optional<std::string> StoredPasscode(const QString &passcode)
{
    const Cryptographer *cryptographer = CryptographerSingleton::instance();
    const std::optional<std::string> hash = cryptographer->hashPassword(passcode.toUtf8().toStdString());
    if (!hash) {
        qWarning("The passcode cannot be hashed now; no key is written without it");
        return std::nullopt;
    }
    std::string stored = cryptographer->encodePassword(*hash);
    if (stored.empty())
        return std::nullopt;
    return stored;
}

QString LongDate(const QDate &date)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(date, QStringLiteral("dddd, MMMM d, yyyy"));
}

QString ShortTime(const QTime &time)
{
    return time.toString(QStringLiteral("h:mm AP"));
}
}
