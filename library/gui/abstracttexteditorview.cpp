#include "abstracttexteditorview.h"

#include "linguist.h"

#include <QAction>
#include <QIcon>
#include <QMenu>

namespace
{
QIcon Icon(const char *fileName)
{
    return QIcon(QStringLiteral(":icons/32x32/") + QLatin1String(fileName));
}
}

AbstractTextEditorView::AbstractTextEditorView(QWidget *parent)
    : AbstractViewWindow(parent)
    , m_undoAction(addAction(this, m_editMenu, Icon("undo.png"), Linguist::tr("Undo"), QString()))
    , m_redoAction(addAction(this, m_editMenu, Icon("redo.png"), Linguist::tr("Redo"), QString()))
    , m_cutAction(addAction(this, m_editMenu, Icon("cut.png"), Linguist::tr("Cut"), QString()))
    , m_copyAction(addAction(this, m_editMenu, Icon("copy.png"), Linguist::tr("Copy"), QString()))
    , m_pasteAction(addAction(this, m_editMenu, Icon("clipboard_paste.png"), Linguist::tr("Paste"), QString()))
    , m_selectAllAction(addAction(this, m_editMenu, Linguist::tr("SelectAll"), QString()))
    , m_findAction(addAction(this, m_editMenu, Icon("magnifying_glass.png"), Linguist::tr("Find"), QString()))
    , m_replaceAction(addAction(this, m_editMenu, tr("Replace"), QString()))
{
}

QAction *AbstractTextEditorView::getUndoAction() const
{
    return m_undoAction;
}

QAction *AbstractTextEditorView::getRedoAction() const
{
    return m_redoAction;
}

QAction *AbstractTextEditorView::getCutAction() const
{
    return m_cutAction;
}

QAction *AbstractTextEditorView::getCopyAction() const
{
    return m_copyAction;
}

QAction *AbstractTextEditorView::getPasteAction() const
{
    return m_pasteAction;
}

QAction *AbstractTextEditorView::getSelectAllAction() const
{
    return m_selectAllAction;
}

QAction *AbstractTextEditorView::getFindAction() const
{
    return m_findAction;
}

QAction *AbstractTextEditorView::getReplaceAction() const
{
    return m_replaceAction;
}
