#include "documenteditor.h"

DocumentEditor::DocumentEditor(AbstractTextEditorView *view)
    : TextEditor(view)
{
}
