#include "documentwriter.h"

#include "currenttimestamp.h"
#include "dbid.h"
#include "dbtimestamp.h"
#include "securitydescriptorwriter.h"

#include "document3.pb.h"

namespace
{
// Switched on in every month and on every weekday.
constexpr unsigned int EverythingActive = 0xFFFFFu;
// Bits 0 to 11, the reserved ones included.
constexpr unsigned int EveryDocumentPermission = 0xFFFu;
}

DocumentWriter::DocumentWriter(qorv::data::Document &document, Initialization initialization)
    : m_document(&document)
{
    if (initialization == NoDefaults)
        return;

    // Read before anything is written, so that a clock failure leaves the
    // record as it was; both dates carry this one reading.
    const std::string now = records::CurrentTimestamp().toDbString();

    qorv::data::SecurityDescriptor &descriptor = *m_document->mutable_document_security_descriptor();

    m_document->set_document_id(DbId::m_NullId);
    m_document->set_document_user_id(DbId::m_NullId);
    m_document->set_document_folder_id(DbId::m_NullId);
    m_document->set_document_name(std::string());
    m_document->set_document_description(std::string());
    m_document->set_document_properties(0);
    m_document->set_document_creation_date(now);
    m_document->set_document_modification_date(now);
    m_document->set_document_body(std::string());
    m_document->set_document_body_format(0);

    if (initialization == PermissiveDefaults) {
        const SecurityDescriptorWriter defaults(descriptor, SecurityDescriptorWriter::PermissiveDefaults);
        descriptor.set_active(EverythingActive);
        descriptor.set_permissions(EveryDocumentPermission);
    } else if (initialization == RestrictiveDefaults) {
        const SecurityDescriptorWriter defaults(descriptor, SecurityDescriptorWriter::RestrictiveDefaults);
    }
}

DocumentWriter::~DocumentWriter() = default;
