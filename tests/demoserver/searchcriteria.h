#ifndef DEMOSERVER_SEARCHCRITERIA_H
#define DEMOSERVER_SEARCHCRITERIA_H

#include "document3.pb.h"
#include "message3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserrequest3.pb.h"

#include <string>
#include <vector>

namespace demoserver
{
// The criteria of a search dialog's select, held apart from the request so a
// store can test its records against them as the database would: equal and
// not equal on whole texts (on the day, for dates), like and not like with the
// wildcards % and _ regardless of case, the date orders, and the body
// containing a text. All criteria must hold, or (LOGICAL_OR) any one of them.
class SearchCriteria
{
public:
    static SearchCriteria of(const qorv::data::SelectDocumentRequest &request);
    static SearchCriteria of(const qorv::data::SelectDocumentKeyRequest &request);
    static SearchCriteria of(const qorv::data::SelectMessageRequest &request);
    static SearchCriteria of(const qorv::data::SelectMessageUserRequest &request);

    // A select without criteria lists, it does not search.
    bool isEmpty() const { return m_criteria.empty(); }
    bool matches(const qorv::data::Document &document) const;
    bool matches(const qorv::data::Message &message) const;

    // Whether a text matches a LIKE pattern, regardless of case.
    static bool like(const std::string &text, const std::string &pattern);

private:
    enum class Subject
    {
        Name,
        From,
        Subject,
        CreationDate,
        ModificationDate,
        Body
    };
    enum class Predicate
    {
        Equal,
        NotEqual,
        Like,
        NotLike,
        Less,
        Greater,
        LessOrEqual,
        GreaterOrEqual,
        Contains
    };

    struct Criterion
    {
        Subject subject;
        Predicate predicate;
        std::string value;
    };

    template <class Values>
    void add(Subject subject, Predicate predicate, const Values &values);
    template <class Request>
    static SearchCriteria ofDocuments(const Request &request);
    template <class Request>
    static SearchCriteria ofMessages(const Request &request);
    // Every text the subject has in the record; a criterion holds when it
    // holds for one of them (a sender is named in more than one way).
    template <class ValuesOf>
    bool matches(const ValuesOf &valuesOf) const;
    static bool holds(const Criterion &criterion, const std::string &value);

    std::vector<Criterion> m_criteria;
    bool m_anyOf = false;
};
}

#endif // DEMOSERVER_SEARCHCRITERIA_H
