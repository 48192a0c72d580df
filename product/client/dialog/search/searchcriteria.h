#ifndef SEARCHCRITERIA_H
#define SEARCHCRITERIA_H

#include <cstddef>
#include <string>
#include <vector>

class QDate;
class QStandardItemModel;
class QString;

// Turns the rows of a criteria table into the entries of a search request.
// Each subject of a search is a text column (a byte limit and its number of
// predicates) or a date column; a row gives at most one entry, and a row that
// cannot become a condition gives none.
class SearchCriteria
{
public:
    struct Subject
    {
        enum Kind
        {
            Text,
            Date
        };
        Kind kind;
        int predicates;        // valid predicate indices are 0 to predicates - 1
        std::size_t byteLimit; // texts only: the most UTF-8 bytes sent
    };

    struct Entry
    {
        int subject;
        int predicate;
        std::string value; // UTF-8 text, or the database text of a UTC time
    };

    explicit SearchCriteria(std::vector<Subject> subjects);

    // One entry per usable row, in row order. A text row is usable when its
    // text is not empty, a date row when its date gives a valid timestamp;
    // either also needs a known subject and one of its predicates. A row that
    // its editor never committed reads as subject 0 with an empty text.
    std::vector<Entry> entries(const QStandardItemModel &model) const;

    // The longest start of the text's UTF-8 form that fits maxBytes and ends
    // on a character boundary: half a character would make the request text
    // invalid UTF-8, which the server cannot parse.
    static std::string Utf8Prefix(const QString &text, std::size_t maxBytes);

    // The first instant of the local calendar day, in UTC, as database text
    // ("2024-03-09 23:00:00" for 10 March 2024 one hour east of UTC); empty
    // when the date is not valid or the time is outside what the database
    // holds.
    static std::string UtcStartOfDay(const QDate &date);

private:
    std::vector<Subject> m_subjects;
};

#endif // SEARCHCRITERIA_H
