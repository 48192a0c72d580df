#include "documentreader.h"

#include "document3.pb.h"

DocumentReader::DocumentReader(const qorv::data::Document &document)
    : m_document(&document)
{
}

DocumentReader::~DocumentReader() = default;

bool DocumentReader::isValid() const
{
    const qorv::data::Document &document = *m_document;
    const bool documentComplete = document.has_document_user_id() && document.has_document_folder_id()
                                  && document.has_document_name() && document.has_document_description()
                                  && document.has_document_properties() && document.has_document_creation_date()
                                  && document.has_document_modification_date() && document.has_document_body()
                                  && document.has_document_body_format();

    // An absent descriptor reads as the empty one, which lacks every field.
    const qorv::data::SecurityDescriptor &descriptor = document.document_security_descriptor();
    const bool descriptorComplete =
        descriptor.has_active() && descriptor.has_active_region() && descriptor.has_active_from()
        && descriptor.has_active_to() && descriptor.has_audits() && descriptor.has_permissions()
        && descriptor.has_session_duration() && descriptor.has_expiration_date() && descriptor.has_expiration_action();

    return documentComplete && descriptorComplete;
}
