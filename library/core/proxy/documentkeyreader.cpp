#include "documentkeyreader.h"

#include "dbtimestamp.h"
#include "keydisplaytext.h"

#include "documentkey3.pb.h"

std::string DocumentKeyReader::documentRevision() const
{
    return key().document_key_document_revision();
}

bool DocumentKeyReader::documentRevisionValid() const
{
    if (!key().has_document_key_document_revision())
        return false;
    return !DbTimestamp(documentRevision()).isMaxTimestamp();
}

std::string DocumentKeyReader::expirationDateDisplay() const
{
    return expirationDateText(records::LocalDisplayDate);
}

std::string DocumentKeyReader::documentRevisionDisplay() const
{
    return documentRevisionValid() ? records::LocalRfcDate(documentRevision()) : std::string();
}

std::string DocumentKeyReader::documentRevisionToolTip() const
{
    return documentRevisionValid() ? records::LocalDisplayDate(documentRevision()) : std::string();
}

bool operator==(const DocumentKeyReader &left, const DocumentKeyReader &right)
{
    return left.sameKey(right) && left.documentRevision() == right.documentRevision();
}

bool operator!=(const DocumentKeyReader &left, const DocumentKeyReader &right)
{
    return !(left == right);
}
