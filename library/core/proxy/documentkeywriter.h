#ifndef DOCUMENTKEYWRITER_H
#define DOCUMENTKEYWRITER_H

#include "documentkeyproxy.h"

#include <string>

namespace qorv::data
{
class DocumentKey;
class SecurityDescriptor;
}

class DocumentKeyReader;

// Sets the fields of a document key that the caller owns, one at a time. Each
// setter makes its field present and creates the document, user or security
// descriptor on the way when the key lacks it. Nothing is checked beyond the
// dates: judging the key as a whole is for the validators and the server.
class DocumentKeyWriter : public DocumentKeyProxy
{
public:
    // The initialisation is accepted for symmetry with the other writers; a
    // key is only ever filled field by field.
    DocumentKeyWriter(qorv::data::DocumentKey &documentKey, Initialization initialization);
    ~DocumentKeyWriter() override;

    DocumentKeyWriter(const DocumentKeyWriter &) = delete;
    DocumentKeyWriter &operator=(const DocumentKeyWriter &) = delete;

    // Replaces the whole key by a copy of the one the reader views.
    DocumentKeyWriter &operator=(const DocumentKeyReader &reader);

    void setDescription(const std::string &description);
    void setProperties(unsigned int properties);
    void setProperty(Property property, bool value);
    // "9999-12-31 00:00:00" follows the document's current revision.
    void setDocumentRevision(const std::string &revision);
    // The dates must be valid timestamps; they are stored in the database
    // form, whatever form they are given in. An invalid date is refused.
    void setCreationDate(const std::string &date);
    void setDocumentId(int id);
    void setDocumentName(const std::string &name);
    void setUserId(int id);
    void setUserLastName(const std::string &name);
    void setUserFirstName(const std::string &name);
    void setUserMiddleName(const std::string &name);

    void setActiveRegion(const std::string &region);
    void setActiveFrom(const std::string &time);
    void setActiveTo(const std::string &time);
    // The stored form of the passcode, or the empty text for none.
    void setPassword(const std::string &password);
    void setSessionDuration(int seconds);
    void setExpirationDate(const std::string &date);
    void setExpirationAction(Action action);

    void setActive(Active active, bool value);
    void setActiveOnSunday(bool value);
    void setActiveOnMonday(bool value);
    void setActiveOnTuesday(bool value);
    void setActiveOnWednesday(bool value);
    void setActiveOnThursday(bool value);
    void setActiveOnFriday(bool value);
    void setActiveOnSaturday(bool value);
    void setActiveDuringJanuary(bool value);
    void setActiveDuringFebruary(bool value);
    void setActiveDuringMarch(bool value);
    void setActiveDuringApril(bool value);
    void setActiveDuringMay(bool value);
    void setActiveDuringJune(bool value);
    void setActiveDuringJuly(bool value);
    void setActiveDuringAugust(bool value);
    void setActiveDuringSeptember(bool value);
    void setActiveDuringOctober(bool value);
    void setActiveDuringNovember(bool value);
    void setActiveDuringDecember(bool value);
    void setPermission(Permission permission, bool value);
    void setAudit(Audit audit, bool value);

private:
    qorv::data::SecurityDescriptor &descriptor();

    qorv::data::DocumentKey *m_documentKey;
};

#endif // DOCUMENTKEYWRITER_H
