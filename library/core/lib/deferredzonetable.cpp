#include "deferredzonetable.h"

#include <array>
#include <sstream>
#include <string_view>
#include <utility>

namespace
{
// The fields of a zone line, in the date library's order.
enum Field
{
    Id,
    StdAbbreviation,
    StdName,
    DstAbbreviation,
    DstName,
    UtcOffset,
    DstAdjustment,
    StartRule,
    StartTime,
    EndRule,
    EndTime,
    FieldCount
};
using Fields = std::array<std::string_view, FieldCount>;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Splits a line of eleven quoted fields with nothing between them but commas.
// A field with a comma or a backslash in it is refused: the library's reader
// gives both a meaning of their own.
bool SplitPlainLine(std::string_view line, Fields &fields)
{
    std::size_t position = 0;
    for (std::size_t index = 0; index < fields.size(); ++index) {
        if (index > 0 && (position >= line.size() || line[position++] != ','))
            return false;
        if (position >= line.size() || line[position++] != '"')
            return false;
        const std::size_t start = position;
        for (; position < line.size() && line[position] != '"'; ++position) {
            if (line[position] == ',' || line[position] == '\\')
                return false;
        }
        if (position == line.size())
            return false;
        fields[index] = line.substr(start, position - start);
        ++position;
    }
    return position == line.size();
}

// "+01:00:00" or "-05:00:00".
bool IsPlainDuration(std::string_view text)
{
    return text.size() == 9 && (text[0] == '+' || text[0] == '-') && IsDigit(text[1]) && IsDigit(text[2])
           && text[3] == ':' && IsDigit(text[4]) && IsDigit(text[5]) && text[6] == ':' && IsDigit(text[7])
           && IsDigit(text[8]);
}

// "week;weekday;month" with a week of -1 (the last) or 1 to 5, a weekday of
// 0 (Sunday) to 6 and a month of 1 to 12: the library raises its errors for
// any other weekday or month.
bool IsPlainRule(std::string_view text)
{
    std::size_t position = 0;
    const bool last = text.substr(0, 3) == "-1;";
    if (last)
        position = 3;
    else if (text.size() >= 2 && text[0] >= '1' && text[0] <= '5' && text[1] == ';')
        position = 2;
    else
        return false;
    if (text.size() < position + 3 || text[position] < '0' || text[position] > '6' || text[position + 1] != ';')
        return false;
    const std::string_view month = text.substr(position + 2);
    if (month.size() == 1)
        return month[0] >= '1' && month[0] <= '9';
    return month.size() == 2 && month[0] == '1' && month[1] >= '0' && month[1] <= '2';
}

bool IsPlainZoneLine(std::string_view line)
{
    Fields fields;
    if (!SplitPlainLine(line, fields) || !IsPlainDuration(fields[UtcOffset]))
        return false;
    // Without a daylight-saving abbreviation the library reads nothing more.
    if (fields[DstAbbreviation].empty())
        return true;
    return IsPlainDuration(fields[DstAdjustment]) && IsPlainDuration(fields[StartTime])
           && IsPlainDuration(fields[EndTime]) && IsPlainRule(fields[StartRule]) && IsPlainRule(fields[EndRule]);
}

// Whether every zone line, after the heading, is one the library will read
// without an error. Lines end where the library's line reader ends them.
bool IsPlainTable(std::string_view text)
{
    std::size_t start = text.find('\n');
    if (start == std::string_view::npos)
        return true;
    ++start;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        if (!IsPlainZoneLine(text.substr(start, end - start)))
            return false;
        start = end + 1;
    }
    return true;
}

// What the library's own file reader does, from text instead of a file.
void Read(DeferredZoneTable::Database &database, const std::string &text)
{
    std::istringstream stream(text);
    std::string heading;
    std::getline(stream, heading);
    database.load_from_stream(stream);
}
}

void DeferredZoneTable::load(std::string text)
{
    // Tables are read in the order they came, so that the first to name a
    // region keeps it.
    buildPending();
    if (IsPlainTable(text))
        m_pendingText = std::move(text);
    else
        Read(m_database, text);
}

const DeferredZoneTable::Database &DeferredZoneTable::database() const
{
    buildPending();
    return m_database;
}

void DeferredZoneTable::buildPending() const
{
    if (m_pendingText.empty())
        return;
    // Taken out first: the text was checked, but should the library still
    // object, the error is raised once and not at every later look.
    const std::string text = std::move(m_pendingText);
    m_pendingText.clear();
    Read(m_database, text);
}
