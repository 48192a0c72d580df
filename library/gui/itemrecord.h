#ifndef ITEMRECORD_H
#define ITEMRECORD_H

#include <QVariant>

#include <optional>

// A record travels in item data as a QVariant of the record's own meta type.
// Reading it back yields nothing when the variant holds anything else, so a
// pane never acts on an item whose data is not the record it expects.
namespace itemrecord
{
template <class Record>
QVariant ToVariant(const Record &record)
{
    return QVariant::fromValue(record);
}

template <class Record>
std::optional<Record> FromVariant(const QVariant &variant)
{
    if (variant.metaType() != QMetaType::fromType<Record>())
        return std::nullopt;
    return variant.value<Record>();
}

// The record an item (of a list, tree or table) keeps under role, or an empty
// record when it keeps none there.
template <class Record, class Item>
Record Get(const Item *item, int role)
{
    return FromVariant<Record>(item->data(role)).value_or(Record());
}
}

#endif // ITEMRECORD_H
