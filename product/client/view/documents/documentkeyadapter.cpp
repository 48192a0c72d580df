#include "documentkeyadapter.h"

#include "documentkey3.pb.h"

const QString DocumentKeyAdapter::IconPath = QStringLiteral(":icons/32x32/document_empty_lock.png");

DocumentKeyAdapter::DocumentKeyAdapter(const qorv::data::DocumentKey &documentKey)
    : m_documentKey(documentKey)
{
}

int DocumentKeyAdapter::targetId() const
{
    return m_documentKey.document_key_document().document_id();
}

QString DocumentKeyAdapter::targetName() const
{
    return QString::fromStdString(m_documentKey.document_key_document().document_name());
}

unsigned int DocumentKeyAdapter::properties() const
{
    return m_documentKey.document_key_properties();
}
