#include "standindocumenteditorview.h"

StandInDocumentEditorView::StandInDocumentEditorView(const qorv::data::Document &document, QWidget *parent)
    : AbstractViewWindow(parent)
    , m_document(document)
{
}

const qorv::data::Document &StandInDocumentEditorView::getDocument() const
{
    return m_document;
}
