#ifndef AUDITEDRECORD_H
#define AUDITEDRECORD_H

#include "recordkind.h"

#include <string>

namespace qorv::data
{
class Document;
class Folder;
class Message;
}

// A document, folder or message as an audit line names it: its id, and its
// name or subject, each with whether the payload carries it, and what
// describes it besides. A record that only names its kind is absent: the
// payload lacks it.
struct AuditedRecord
{
    const RecordKind *kind;
    bool present = false;
    bool hasId = false;
    int id = 0;
    bool hasName = false;
    std::string name{};
    std::string description{};
};

// The record read from a payload's record, or the absent one of its kind for
// null.
AuditedRecord Audited(const qorv::data::Document *document);
AuditedRecord Audited(const qorv::data::Folder *folder);
AuditedRecord Audited(const qorv::data::Message *message);

// The record that a payload carries in the given field, or the absent one of
// its kind.
template <class Holder, class Record>
AuditedRecord Audited(const Holder &holder, bool (Holder::*has)() const, const Record &(Holder::*get)() const)
{
    return Audited((holder.*has)() ? &(holder.*get)() : nullptr);
}

#endif // AUDITEDRECORD_H
