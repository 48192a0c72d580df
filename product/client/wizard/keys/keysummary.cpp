#include "keysummary.h"

#include "keyrules.h"
#include "linguist.h"

#include "securitydescriptor3.pb.h"
#include "user3.pb.h"

#include <QDate>

#include <array>

namespace keysummary
{
namespace
{
struct Named
{
    unsigned int bit;
    const char *name;
};

const std::array<Named, 12> Months = {{
    {1, QT_TRANSLATE_NOOP("Linguist", "January")},
    {2, QT_TRANSLATE_NOOP("Linguist", "February")},
    {3, QT_TRANSLATE_NOOP("Linguist", "March")},
    {4, QT_TRANSLATE_NOOP("Linguist", "April")},
    {5, QT_TRANSLATE_NOOP("Linguist", "May")},
    {6, QT_TRANSLATE_NOOP("Linguist", "June")},
    {7, QT_TRANSLATE_NOOP("Linguist", "July")},
    {8, QT_TRANSLATE_NOOP("Linguist", "August")},
    {9, QT_TRANSLATE_NOOP("Linguist", "September")},
    {10, QT_TRANSLATE_NOOP("Linguist", "October")},
    {11, QT_TRANSLATE_NOOP("Linguist", "November")},
    {12, QT_TRANSLATE_NOOP("Linguist", "December")},
}};

// Monday first, Sunday (bit 13) last.
const std::array<Named, 7> Days = {{
    {14, QT_TRANSLATE_NOOP("Linguist", "Monday")},
    {15, QT_TRANSLATE_NOOP("Linguist", "Tuesday")},
    {16, QT_TRANSLATE_NOOP("Linguist", "Wednesday")},
    {17, QT_TRANSLATE_NOOP("Linguist", "Thursday")},
    {18, QT_TRANSLATE_NOOP("Linguist", "Friday")},
    {19, QT_TRANSLATE_NOOP("Linguist", "Saturday")},
    {13, QT_TRANSLATE_NOOP("Linguist", "Sunday")},
}};

template <std::size_t Count>
QStringList ActiveNames(unsigned int active, const std::array<Named, Count> &names)
{
    QStringList result;
    for (const Named &named : names) {
        if (((active >> named.bit) & 1u) != 0)
            result.append(Linguist::tr(named.name));
    }
    return result;
}
}

QString List(const QString &header, const QStringList &items)
{
    QString html = header;
    for (const QString &item : items)
        html += QStringLiteral("<li>%1</li>").arg(item);
    return html + QStringLiteral("</ul>");
}

QStringList ActiveMonths(const qorv::data::SecurityDescriptor &descriptor)
{
    return ActiveNames(descriptor.active(), Months);
}

QStringList ActiveDays(const qorv::data::SecurityDescriptor &descriptor)
{
    return ActiveNames(descriptor.active(), Days);
}

QString DurationUnit(unsigned int unit)
{
    return unit != 0 ? Linguist::tr("hours") : Linguist::tr("minutes");
}

QString Expiration(const QDate &date, const QString &today, const QString &tomorrow, const QString &later)
{
    const qint64 days = keyrules::LocalToday().daysTo(date);
    const QString longDate = keyrules::LongDate(date);
    if (days == 0)
        return today.arg(longDate);
    if (days == 1)
        return tomorrow.arg(longDate);
    return later.arg(longDate).arg(days);
}

QString UserName(const qorv::data::User &user)
{
    return QStringLiteral("%1, %2 %3")
        .arg(QString::fromStdString(user.user_last_name()), QString::fromStdString(user.user_first_name()),
             QString::fromStdString(user.user_middle_name()))
        .toHtmlEscaped();
}
}
