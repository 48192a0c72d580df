#ifndef DOCUMENTEDITOR_H
#define DOCUMENTEDITOR_H

#include "texteditor.h"

// The editor of document bodies, so that the editor-window template has a type of
// its own to build the document editor window on.
class DocumentEditor : public TextEditor
{
    Q_OBJECT

public:
    explicit DocumentEditor(AbstractTextEditorView *view);
};

#endif // DOCUMENTEDITOR_H
