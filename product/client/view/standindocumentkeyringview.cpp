#include "standindocumentkeyringview.h"

StandInDocumentKeyringView::StandInDocumentKeyringView(int documentId, const QString &documentName, QWidget *parent)
    : AbstractViewWindow(parent)
    , m_documentId(documentId)
    , m_documentName(documentName)
{
    connect(this, &StandInDocumentKeyringView::addDocumentKey, this, &StandInDocumentKeyringView::keepDocumentKey);
}

StandInDocumentKeyringView::~StandInDocumentKeyringView() = default;

int StandInDocumentKeyringView::getDocumentId() const
{
    return m_documentId;
}

QString StandInDocumentKeyringView::getDocumentName() const
{
    return m_documentName;
}

const std::vector<qorv::data::DocumentKey> &StandInDocumentKeyringView::documentKeys() const
{
    return m_documentKeys;
}

void StandInDocumentKeyringView::keepDocumentKey(const qorv::data::DocumentKey &documentKey)
{
    m_documentKeys.push_back(documentKey);
}
