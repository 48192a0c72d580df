#ifndef ABSTRACTTEXTEDITORVIEW_H
#define ABSTRACTTEXTEDITORVIEW_H

#include "abstractviewwindow.h"

class QAction;

// The base of the editor windows, which own every editing control of the
// editor they show. The editor reads five of them: its context menu shows
// Undo, Redo, Cut, Copy and Paste, and its clipboard keys go through Cut, Copy
// and Paste, so a window that disables one of them closes every way to it.
class AbstractTextEditorView : public AbstractViewWindow
{
    Q_OBJECT

public:
    explicit AbstractTextEditorView(QWidget *parent = nullptr);

    QAction *getUndoAction() const;
    QAction *getRedoAction() const;
    QAction *getCutAction() const;
    QAction *getCopyAction() const;
    QAction *getPasteAction() const;
    QAction *getSelectAllAction() const;
    QAction *getFindAction() const;
    QAction *getReplaceAction() const;

protected:
    QAction *m_undoAction;
    QAction *m_redoAction;
    QAction *m_cutAction;
    QAction *m_copyAction;
    QAction *m_pasteAction;
    QAction *m_selectAllAction;
    QAction *m_findAction;
    QAction *m_replaceAction;
};

#endif // ABSTRACTTEXTEDITORVIEW_H
