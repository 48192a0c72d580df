#include "messageeditor.h"

MessageEditor::MessageEditor(AbstractTextEditorView *view)
    : TextEditor(view)
{
}
