#include "searchcriteria.h"

#include <QString>

#include <algorithm>

namespace demoserver
{
namespace
{
// Dates compare as the database texts do, to the precision of the criterion;
// equal and not equal compare the day.
constexpr std::size_t DayLength = 10;

int CompareDates(const std::string &stored, const std::string &criterion)
{
    return stored.substr(0, criterion.size()).compare(criterion);
}

bool LikeFrom(const QString &text, int t, const QString &pattern, int p)
{
    for (; p < pattern.size(); ++p, ++t) {
        if (pattern.at(p) == QLatin1Char('%')) {
            for (int rest = t; rest <= text.size(); ++rest) {
                if (LikeFrom(text, rest, pattern, p + 1))
                    return true;
            }
            return false;
        }
        if (t >= text.size())
            return false;
        if (pattern.at(p) != QLatin1Char('_') && pattern.at(p).toCaseFolded() != text.at(t).toCaseFolded())
            return false;
    }
    return t == text.size();
}

std::string Joined(std::initializer_list<std::string> parts, const char *separator)
{
    std::string joined;
    for (const std::string &part : parts) {
        if (part.empty())
            continue;
        if (!joined.empty())
            joined += separator;
        joined += part;
    }
    return joined;
}

// The sender as the result list and the user would name it.
std::vector<std::string> SenderNames(const qorv::data::User &sender)
{
    const std::string firstNames = Joined({sender.user_first_name(), sender.user_middle_name()}, " ");
    return {Joined({firstNames, sender.user_last_name()}, " "),
            Joined({sender.user_first_name(), sender.user_last_name()}, " "),
            Joined({sender.user_last_name(), firstNames}, ", "), sender.user_first_name(), sender.user_last_name()};
}
}

template <class Values>
void SearchCriteria::add(Subject subject, Predicate predicate, const Values &values)
{
    for (const std::string &value : values)
        m_criteria.push_back(Criterion{subject, predicate, value});
}

// The document select and the document key select carry the same criteria
// under the same names.
template <class Request>
SearchCriteria SearchCriteria::ofDocuments(const Request &request)
{
    SearchCriteria criteria;
    criteria.m_anyOf = request.logical_operator() == Request::LOGICAL_OR;
    criteria.add(Subject::Name, Predicate::Equal, request.document_name_equal());
    criteria.add(Subject::Name, Predicate::NotEqual, request.document_name_not_equal());
    criteria.add(Subject::Name, Predicate::Like, request.document_name_like());
    criteria.add(Subject::Name, Predicate::NotLike, request.document_name_not_like());
    criteria.add(Subject::CreationDate, Predicate::Equal, request.document_creation_date_equal());
    criteria.add(Subject::CreationDate, Predicate::NotEqual, request.document_creation_date_not_equal());
    criteria.add(Subject::CreationDate, Predicate::Less, request.document_creation_date_less_than());
    criteria.add(Subject::CreationDate, Predicate::Greater, request.document_creation_date_greater_than());
    criteria.add(Subject::CreationDate, Predicate::LessOrEqual, request.document_creation_date_less_than_or_equal());
    criteria.add(Subject::CreationDate, Predicate::GreaterOrEqual,
                 request.document_creation_date_greater_than_or_equal());
    criteria.add(Subject::ModificationDate, Predicate::Equal, request.document_modification_date_equal());
    criteria.add(Subject::ModificationDate, Predicate::NotEqual, request.document_modification_date_not_equal());
    criteria.add(Subject::ModificationDate, Predicate::Less, request.document_modification_date_less_than());
    criteria.add(Subject::ModificationDate, Predicate::Greater, request.document_modification_date_greater_than());
    criteria.add(Subject::ModificationDate, Predicate::LessOrEqual,
                 request.document_modification_date_less_than_or_equal());
    criteria.add(Subject::ModificationDate, Predicate::GreaterOrEqual,
                 request.document_modification_date_greater_than_or_equal());
    criteria.add(Subject::Body, Predicate::Contains, request.document_body_contains());
    return criteria;
}

SearchCriteria SearchCriteria::of(const qorv::data::SelectDocumentRequest &request)
{
    return ofDocuments(request);
}

SearchCriteria SearchCriteria::of(const qorv::data::SelectDocumentKeyRequest &request)
{
    return ofDocuments(request);
}

// The two message selects carry the same criteria under the same names.
template <class Request>
SearchCriteria SearchCriteria::ofMessages(const Request &request)
{
    SearchCriteria criteria;
    criteria.m_anyOf = request.logical_operator() == Request::LOGICAL_OR;
    criteria.add(Subject::From, Predicate::Equal, request.message_from_equal());
    criteria.add(Subject::From, Predicate::NotEqual, request.message_from_not_equal());
    criteria.add(Subject::From, Predicate::Like, request.message_from_like());
    criteria.add(Subject::From, Predicate::NotLike, request.message_from_not_like());
    criteria.add(Subject::Subject, Predicate::Equal, request.message_subject_equal());
    criteria.add(Subject::Subject, Predicate::NotEqual, request.message_subject_not_equal());
    criteria.add(Subject::Subject, Predicate::Like, request.message_subject_like());
    criteria.add(Subject::Subject, Predicate::NotLike, request.message_subject_not_like());
    criteria.add(Subject::CreationDate, Predicate::Equal, request.message_creation_date_equal());
    criteria.add(Subject::CreationDate, Predicate::NotEqual, request.message_creation_date_not_equal());
    criteria.add(Subject::CreationDate, Predicate::Less, request.message_creation_date_less_than());
    criteria.add(Subject::CreationDate, Predicate::Greater, request.message_creation_date_greater_than());
    criteria.add(Subject::CreationDate, Predicate::LessOrEqual, request.message_creation_date_less_than_or_equal());
    criteria.add(Subject::CreationDate, Predicate::GreaterOrEqual,
                 request.message_creation_date_greater_than_or_equal());
    criteria.add(Subject::ModificationDate, Predicate::Equal, request.message_modification_date_equal());
    criteria.add(Subject::ModificationDate, Predicate::NotEqual, request.message_modification_date_not_equal());
    criteria.add(Subject::ModificationDate, Predicate::Less, request.message_modification_date_less_than());
    criteria.add(Subject::ModificationDate, Predicate::Greater, request.message_modification_date_greater_than());
    criteria.add(Subject::ModificationDate, Predicate::LessOrEqual,
                 request.message_modification_date_less_than_or_equal());
    criteria.add(Subject::ModificationDate, Predicate::GreaterOrEqual,
                 request.message_modification_date_greater_than_or_equal());
    criteria.add(Subject::Body, Predicate::Contains, request.message_body_contains());
    return criteria;
}

SearchCriteria SearchCriteria::of(const qorv::data::SelectMessageRequest &request)
{
    return ofMessages(request);
}

SearchCriteria SearchCriteria::of(const qorv::data::SelectMessageUserRequest &request)
{
    return ofMessages(request);
}

bool SearchCriteria::matches(const qorv::data::Document &document) const
{
    return matches([&document](Subject subject) -> std::vector<std::string> {
        switch (subject) {
        case Subject::Name:
            return {document.document_name()};
        case Subject::CreationDate:
            return {document.document_creation_date()};
        case Subject::ModificationDate:
            return {document.document_modification_date()};
        case Subject::Body:
            return {document.document_body()};
        case Subject::From:
        case Subject::Subject:
            break;
        }
        return {};
    });
}

bool SearchCriteria::matches(const qorv::data::Message &message) const
{
    return matches([&message](Subject subject) -> std::vector<std::string> {
        switch (subject) {
        case Subject::From:
            return SenderNames(message.message_sender());
        case Subject::Subject:
            return {message.message_subject()};
        case Subject::CreationDate:
            return {message.message_creation_date()};
        case Subject::ModificationDate:
            return {message.message_modification_date()};
        case Subject::Body:
            return {message.message_body()};
        case Subject::Name:
            break;
        }
        return {};
    });
}

template <class ValuesOf>
bool SearchCriteria::matches(const ValuesOf &valuesOf) const
{
    const auto criterionHolds = [&valuesOf](const Criterion &criterion) {
        const std::vector<std::string> values = valuesOf(criterion.subject);
        const auto holdsFor = [&criterion](const std::string &value) { return holds(criterion, value); };
        // A negation must hold for every name of the sender, the others for one.
        const bool negation = criterion.predicate == Predicate::NotEqual || criterion.predicate == Predicate::NotLike;
        return negation ? std::all_of(values.begin(), values.end(), holdsFor)
                        : std::any_of(values.begin(), values.end(), holdsFor);
    };
    return m_anyOf ? std::any_of(m_criteria.begin(), m_criteria.end(), criterionHolds)
                   : std::all_of(m_criteria.begin(), m_criteria.end(), criterionHolds);
}

bool SearchCriteria::holds(const Criterion &criterion, const std::string &value)
{
    const bool isDate = criterion.subject == Subject::CreationDate || criterion.subject == Subject::ModificationDate;
    switch (criterion.predicate) {
    case Predicate::Equal:
        return isDate ? value.compare(0, DayLength, criterion.value, 0, DayLength) == 0 : value == criterion.value;
    case Predicate::NotEqual:
        return isDate ? value.compare(0, DayLength, criterion.value, 0, DayLength) != 0 : value != criterion.value;
    case Predicate::Like:
        return like(value, criterion.value);
    case Predicate::NotLike:
        return !like(value, criterion.value);
    case Predicate::Less:
        return CompareDates(value, criterion.value) < 0;
    case Predicate::Greater:
        return CompareDates(value, criterion.value) > 0;
    case Predicate::LessOrEqual:
        return CompareDates(value, criterion.value) <= 0;
    case Predicate::GreaterOrEqual:
        return CompareDates(value, criterion.value) >= 0;
    case Predicate::Contains:
        return QString::fromStdString(value).contains(QString::fromStdString(criterion.value), Qt::CaseInsensitive);
    }
    return false;
}

bool SearchCriteria::like(const std::string &text, const std::string &pattern)
{
    return LikeFrom(QString::fromStdString(text), 0, QString::fromStdString(pattern), 0);
}
}
