#include "texteditorview.h"

#include "documenteditor.h"
#include "messageeditor.h"

template class TextEditorView<DocumentEditor>;
template class TextEditorView<MessageEditor>;
