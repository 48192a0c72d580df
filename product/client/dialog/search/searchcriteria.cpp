#include "searchcriteria.h"

#include "dbtimestamp.h"
#include "searchtableview.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QStandardItemModel>
#include <QString>

#include <utility>

SearchCriteria::SearchCriteria(std::vector<Subject> subjects)
    : m_subjects(std::move(subjects))
{
}

std::vector<SearchCriteria::Entry> SearchCriteria::entries(const QStandardItemModel &model) const
{
    std::vector<Entry> entries;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex cell = model.index(row, 0);
        const int subject = cell.data(SearchTableView::SubjectRole).toInt();
        const int predicate = cell.data(SearchTableView::PredicateRole).toInt();
        if (subject < 0 || subject >= int(m_subjects.size()))
            continue;
        const Subject &kind = m_subjects[std::size_t(subject)];
        if (predicate < 0 || predicate >= kind.predicates)
            continue;
        std::string value;
        if (kind.kind == Subject::Text) {
            const QString text = cell.data(SearchTableView::TextRole).toString();
            if (!text.isEmpty())
                value = Utf8Prefix(text, kind.byteLimit);
        } else {
            value = UtcStartOfDay(cell.data(SearchTableView::DateRole).toDate());
        }
        if (!value.empty())
            entries.push_back(Entry{subject, predicate, std::move(value)});
    }
    return entries;
}

std::string SearchCriteria::Utf8Prefix(const QString &text, std::size_t maxBytes)
{
    const QByteArray utf8 = text.toUtf8();
    if (std::size_t(utf8.size()) <= maxBytes)
        return utf8.toStdString();
    // The first byte left out must start a character; while it continues one,
    // that character is left out whole.
    std::size_t cut = maxBytes;
    while (cut > 0 && (static_cast<unsigned char>(utf8.at(qsizetype(cut))) & 0xC0) == 0x80)
        --cut;
    return std::string(utf8.constData(), cut);
}

std::string SearchCriteria::UtcStartOfDay(const QDate &date)
{
    if (!date.isValid())
        return std::string();
    // The start of the day rather than 00:00: where a clock change skips
    // midnight, the day begins at the first time that exists.
    const QString iso = date.startOfDay(Qt::LocalTime).toUTC().toString(Qt::ISODate);
    const DbTimestamp timestamp(iso.toStdString());
    return timestamp.isValid() ? timestamp.toDbString() : std::string();
}
