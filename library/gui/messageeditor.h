#ifndef MESSAGEEDITOR_H
#define MESSAGEEDITOR_H

#include "texteditor.h"

// The editor of message bodies, so that the editor-window template has a type of
// its own to build the message editor window on.
class MessageEditor : public TextEditor
{
    Q_OBJECT

public:
    explicit MessageEditor(AbstractTextEditorView *view);
};

#endif // MESSAGEEDITOR_H
