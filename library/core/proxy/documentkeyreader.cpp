#include "documentkeyreader.h"

#include "dbid.h"
#include "dbtimestamp.h"
#include "displayname.h"
#include "keydisplaytext.h"
#include "qorvassert.h"

#include "documentkey3.pb.h"

namespace
{
// The weekday bits 13 to 19 and the month bits 1 to 12 of the active word,
// and every permission bit that a document key can carry.
constexpr unsigned int WeekMask = 0x7Fu << DocumentKeyProxy::ActiveOnSunday;
constexpr unsigned int YearMask = 0xFFFu << DocumentKeyProxy::ActiveDuringJanuary;
constexpr unsigned int PermissionMask = 0xFFFu;
// The switch, the months and the weekdays; bits 20 to 31 mean nothing.
constexpr unsigned int ActiveMask = 0xFFFFFu;

const qorv::data::SecurityDescriptor &Descriptor(const DocumentKeyReader &reader)
{
    return static_cast<const qorv::data::DocumentKey &>(reader).document_key_security_descriptor();
}

unsigned int ActiveWord(const DocumentKeyReader &reader)
{
    return Descriptor(reader).active();
}

unsigned int PermissionWord(const DocumentKeyReader &reader)
{
    return Descriptor(reader).permissions();
}
}

DocumentKeyReader::DocumentKeyReader(const qorv::data::DocumentKey &documentKey)
    : m_documentKey(&documentKey)
{
}

DocumentKeyReader::~DocumentKeyReader() = default;

DocumentKeyReader::operator const qorv::data::DocumentKey &() const
{
    return *m_documentKey;
}

int DocumentKeyReader::documentId() const
{
    const qorv::data::Document &document = m_documentKey->document_key_document();
    return document.has_document_id() ? document.document_id() : DbId::m_NullId;
}

std::string DocumentKeyReader::documentName() const
{
    return m_documentKey->document_key_document().document_name();
}

int DocumentKeyReader::userId() const
{
    const qorv::data::User &user = m_documentKey->document_key_user();
    return user.has_user_id() ? user.user_id() : DbId::m_NullId;
}

std::string DocumentKeyReader::userLastName() const
{
    return m_documentKey->document_key_user().user_last_name();
}

std::string DocumentKeyReader::userFirstName() const
{
    return m_documentKey->document_key_user().user_first_name();
}

std::string DocumentKeyReader::userMiddleName() const
{
    return m_documentKey->document_key_user().user_middle_name();
}

int DocumentKeyReader::ownerId() const
{
    const qorv::data::User &owner = m_documentKey->document_key_owner();
    return owner.has_user_id() ? owner.user_id() : DbId::m_NullId;
}

std::string DocumentKeyReader::ownerLastName() const
{
    return m_documentKey->document_key_owner().user_last_name();
}

std::string DocumentKeyReader::ownerFirstName() const
{
    return m_documentKey->document_key_owner().user_first_name();
}

std::string DocumentKeyReader::ownerMiddleName() const
{
    return m_documentKey->document_key_owner().user_middle_name();
}

std::string DocumentKeyReader::description() const
{
    return m_documentKey->document_key_description();
}

unsigned int DocumentKeyReader::properties() const
{
    return m_documentKey->document_key_properties();
}

std::string DocumentKeyReader::documentRevision() const
{
    return m_documentKey->document_key_document_revision();
}

std::string DocumentKeyReader::creationDate() const
{
    return m_documentKey->document_key_creation_date();
}

std::string DocumentKeyReader::activeRegion() const
{
    return descriptor().active_region();
}

std::string DocumentKeyReader::activeFrom() const
{
    return descriptor().active_from();
}

std::string DocumentKeyReader::activeTo() const
{
    return descriptor().active_to();
}

std::string DocumentKeyReader::password() const
{
    return descriptor().password();
}

int DocumentKeyReader::sessionDuration() const
{
    return descriptor().session_duration();
}

std::string DocumentKeyReader::expirationDate() const
{
    return descriptor().expiration_date();
}

bool DocumentKeyReader::property(Property property) const
{
    return getBit(property, properties());
}

bool DocumentKeyReader::active(Active active) const
{
    return getBit(active, descriptor().active());
}

bool DocumentKeyReader::activeOnSunday() const
{
    return active(ActiveOnSunday);
}

bool DocumentKeyReader::activeOnMonday() const
{
    return active(ActiveOnMonday);
}

bool DocumentKeyReader::activeOnTuesday() const
{
    return active(ActiveOnTuesday);
}

bool DocumentKeyReader::activeOnWednesday() const
{
    return active(ActiveOnWednesday);
}

bool DocumentKeyReader::activeOnThursday() const
{
    return active(ActiveOnThursday);
}

bool DocumentKeyReader::activeOnFriday() const
{
    return active(ActiveOnFriday);
}

bool DocumentKeyReader::activeOnSaturday() const
{
    return active(ActiveOnSaturday);
}

bool DocumentKeyReader::activeDuringJanuary() const
{
    return active(ActiveDuringJanuary);
}

bool DocumentKeyReader::activeDuringFebruary() const
{
    return active(ActiveDuringFebruary);
}

bool DocumentKeyReader::activeDuringMarch() const
{
    return active(ActiveDuringMarch);
}

bool DocumentKeyReader::activeDuringApril() const
{
    return active(ActiveDuringApril);
}

bool DocumentKeyReader::activeDuringMay() const
{
    return active(ActiveDuringMay);
}

bool DocumentKeyReader::activeDuringJune() const
{
    return active(ActiveDuringJune);
}

bool DocumentKeyReader::activeDuringJuly() const
{
    return active(ActiveDuringJuly);
}

bool DocumentKeyReader::activeDuringAugust() const
{
    return active(ActiveDuringAugust);
}

bool DocumentKeyReader::activeDuringSeptember() const
{
    return active(ActiveDuringSeptember);
}

bool DocumentKeyReader::activeDuringOctober() const
{
    return active(ActiveDuringOctober);
}

bool DocumentKeyReader::activeDuringNovember() const
{
    return active(ActiveDuringNovember);
}

bool DocumentKeyReader::activeDuringDecember() const
{
    return active(ActiveDuringDecember);
}

bool DocumentKeyReader::audit(Audit audit) const
{
    return getBit(audit, descriptor().audits());
}

bool DocumentKeyReader::permission(Permission permission) const
{
    return getBit(permission, descriptor().permissions());
}

bool DocumentKeyReader::expirationAction(Action action) const
{
    return getBit(action, descriptor().expiration_action());
}

bool DocumentKeyReader::activeDuringWeek() const
{
    return (descriptor().active() & WeekMask) != 0;
}

bool DocumentKeyReader::activeDuringYear() const
{
    return (descriptor().active() & YearMask) != 0;
}

bool DocumentKeyReader::noPermissions() const
{
    return (descriptor().permissions() & PermissionMask) == 0;
}

bool DocumentKeyReader::inactive() const
{
    return !(active(ActiveStatus) && activeDuringWeek() && activeDuringYear() && !noPermissions());
}

bool DocumentKeyReader::documentRevisionValid() const
{
    if (!m_documentKey->has_document_key_document_revision())
        return false;
    return !DbTimestamp(documentRevision()).isMaxTimestamp();
}

std::string DocumentKeyReader::userDisplayName() const
{
    return records::DisplayName(userFirstName(), userMiddleName(), userLastName());
}

std::string DocumentKeyReader::userDisplayNameAlphabetical() const
{
    return records::DisplayNameAlphabetical(userFirstName(), userMiddleName(), userLastName());
}

std::string DocumentKeyReader::ownerDisplayName() const
{
    return records::DisplayName(ownerFirstName(), ownerMiddleName(), ownerLastName());
}

std::string DocumentKeyReader::ownerDisplayNameAlphabetical() const
{
    return records::DisplayNameAlphabetical(ownerFirstName(), ownerMiddleName(), ownerLastName());
}

std::string DocumentKeyReader::activeHoursDisplay() const
{
    return records::ActiveHoursDisplay(activeFrom(), activeTo());
}

std::string DocumentKeyReader::sessionDurationDisplay() const
{
    return records::SessionDurationDisplay(sessionDuration());
}

std::string DocumentKeyReader::creationDateDisplay() const
{
    return records::LocalDisplayDate(creationDate());
}

std::string DocumentKeyReader::expirationDateDisplay() const
{
    const std::string date = expirationDate();
    QORV_ASSERT(date.empty() || DbTimestamp(date).isValid());
    return records::LocalDisplayDate(date);
}

std::string DocumentKeyReader::documentRevisionDisplay() const
{
    return documentRevisionValid() ? records::LocalRfcDate(documentRevision()) : std::string();
}

std::string DocumentKeyReader::documentRevisionToolTip() const
{
    return documentRevisionValid() ? records::LocalDisplayDate(documentRevision()) : std::string();
}

const qorv::data::SecurityDescriptor &DocumentKeyReader::descriptor() const
{
    return m_documentKey->document_key_security_descriptor();
}

bool operator==(const DocumentKeyReader &left, const DocumentKeyReader &right)
{
    if (left.documentId() != right.documentId() || left.userId() != right.userId())
        return false;
    if (left.userLastName() != right.userLastName() || left.userFirstName() != right.userFirstName()
        || left.userMiddleName() != right.userMiddleName() || left.userDisplayName() != right.userDisplayName()
        || left.userDisplayNameAlphabetical() != right.userDisplayNameAlphabetical())
        return false;
    if (left.description() != right.description() || left.documentName() != right.documentName())
        return false;
    // Only the twenty meaningful bits of the active word count.
    if ((ActiveWord(left) & ActiveMask) != (ActiveWord(right) & ActiveMask))
        return false;
    if (left.activeFrom() != right.activeFrom() || left.activeTo() != right.activeTo()
        || left.activeRegion() != right.activeRegion() || left.sessionDuration() != right.sessionDuration()
        || left.expirationDate() != right.expirationDate() || left.password() != right.password())
        return false;
    if ((PermissionWord(left) & PermissionMask) != (PermissionWord(right) & PermissionMask))
        return false;
    return left.documentRevision() == right.documentRevision();
}

bool operator!=(const DocumentKeyReader &left, const DocumentKeyReader &right)
{
    return !(left == right);
}
