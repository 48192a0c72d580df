#ifndef STANDINDOCUMENTEDITORVIEW_H
#define STANDINDOCUMENTEDITORVIEW_H

#include "abstractviewwindow.h"
#include "document3.pb.h"

// Stands in for the document editor until it lands: a view window that holds
// the document it was opened with, by which its manager finds it again.
class StandInDocumentEditorView : public AbstractViewWindow
{
    Q_OBJECT

public:
    explicit StandInDocumentEditorView(const qorv::data::Document &document, QWidget *parent = nullptr);

    const qorv::data::Document &getDocument() const;

private:
    const qorv::data::Document m_document;
};

#endif // STANDINDOCUMENTEDITORVIEW_H
