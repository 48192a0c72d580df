#ifndef TEXTEDITORVIEW_H
#define TEXTEDITORVIEW_H

#include "abstracttexteditorview.h"
#include "texteditor.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QFontComboBox>

class DocumentEditor;
class MessageEditor;

// The editor window of one kind of editor (the document editor window derives
// from TextEditorView<DocumentEditor>, the message editor window from
// TextEditorView<MessageEditor>): it creates the editor and wires the window's
// editing controls to it and the editor's cursor back to the window.
// Everything that depends on the content (saving, exporting, printing, the
// clipboard, permissions, where the editor sits) is the concrete window's.
//
// The concrete window runs the base's initializers after this constructor, so
// the filling of the font boxes already reaches the still empty editor.
template <typename T>
class TextEditorView : public AbstractTextEditorView
{
public:
    explicit TextEditorView(QWidget *parent = nullptr);

protected:
    // A child of the window, which places it.
    T *m_editor;
};

template <typename T>
TextEditorView<T>::TextEditorView(QWidget *parent)
    : AbstractTextEditorView(parent)
    , m_editor(new T(this))
{
    // Pointers to the editor's virtual slots call the editor's own overrides.
    connect(this, &AbstractTextEditorView::setAlignment, m_editor, &QTextEdit::setAlignment);
    connect(this, &AbstractTextEditorView::insertIcon, m_editor, &T::insertIcon);
    connect(m_undoAction, &QAction::triggered, m_editor, &QTextEdit::undo);
    connect(m_redoAction, &QAction::triggered, m_editor, &QTextEdit::redo);
    connect(m_selectAllAction, &QAction::triggered, m_editor, &QTextEdit::selectAll);
    connect(m_findAction, &QAction::triggered, m_editor, &T::findText);
    connect(m_replaceAction, &QAction::triggered, m_editor, &T::replaceText);
    connect(m_insertHorizontalRulerAction, &QAction::triggered, m_editor, &T::insertHorizontalRuler);
    connect(m_insertPictureAction, &QAction::triggered, m_editor, &T::insertPicture);
    connect(m_insertTableAction, &QAction::triggered, m_editor, &T::insertTable);
    connect(m_insertTextListCircleAction, &QAction::triggered, m_editor, &T::insertTextListCircle);
    connect(m_insertTextListDiscAction, &QAction::triggered, m_editor, &T::insertTextListDisc);
    connect(m_insertTextListSquareAction, &QAction::triggered, m_editor, &T::insertTextListSquare);
    connect(m_insertTextListDecimalAction, &QAction::triggered, m_editor, &T::insertTextListDecimal);
    connect(m_insertTextListUpperAlphaAction, &QAction::triggered, m_editor, &T::insertTextListUpperAlpha);
    connect(m_insertTextListLowerAlphaAction, &QAction::triggered, m_editor, &T::insertTextListLowerAlpha);
    connect(m_insertTextListUpperRomanAction, &QAction::triggered, m_editor, &T::insertTextListUpperRoman);
    connect(m_insertTextListLowerRomanAction, &QAction::triggered, m_editor, &T::insertTextListLowerRoman);
    connect(m_boldAction, &QAction::triggered, m_editor, &T::formatBold);
    connect(m_italicAction, &QAction::triggered, m_editor, &T::formatItalic);
    connect(m_underlineAction, &QAction::triggered, m_editor, &T::formatUnderline);
    connect(m_fontNameComboBox, &QComboBox::currentTextChanged, m_editor, &T::formatFont);
    connect(m_fontSizeComboBox, &QComboBox::currentTextChanged, m_editor, &T::formatFontSize);
    connect(m_fontColorComboBox, &QComboBox::currentTextChanged, m_editor, &T::formatFontColor);
    connect(m_increaseIndentAction, &QAction::triggered, m_editor, &T::formatIncreaseIndent);
    connect(m_decreaseIndentAction, &QAction::triggered, m_editor, &T::formatDecreaseIndent);
    connect(m_noTextListAction, &QAction::triggered, m_editor, &T::unformatTextList);
    connect(m_textListCircleAction, &QAction::triggered, m_editor, &T::formatTextListCircle);
    connect(m_textListDiscAction, &QAction::triggered, m_editor, &T::formatTextListDisc);
    connect(m_textListSquareAction, &QAction::triggered, m_editor, &T::formatTextListSquare);
    connect(m_textListDecimalAction, &QAction::triggered, m_editor, &T::formatTextListDecimal);
    connect(m_textListUpperAlphaAction, &QAction::triggered, m_editor, &T::formatTextListUpperAlpha);
    connect(m_textListLowerAlphaAction, &QAction::triggered, m_editor, &T::formatTextListLowerAlpha);
    connect(m_textListUpperRomanAction, &QAction::triggered, m_editor, &T::formatTextListUpperRoman);
    connect(m_textListLowerRomanAction, &QAction::triggered, m_editor, &T::formatTextListLowerRoman);
    connect(m_insertRowsAction, &QAction::triggered, m_editor, &T::insertRows);
    connect(m_insertColumnsAction, &QAction::triggered, m_editor, &T::insertColumns);
    connect(m_deleteRowsAction, &QAction::triggered, m_editor, &T::deleteRows);
    connect(m_deleteColumnsAction, &QAction::triggered, m_editor, &T::deleteColumns);
    connect(m_setColumnWidthAction, &QAction::triggered, m_editor, &T::setColumnWidth);
    connect(m_editor, &T::cursorPositionChanged, this, &TextEditorView::cursorPositionChanged);
    connect(m_checkSpellingAction, &QAction::triggered, m_editor, &T::checkSpelling);
}

// Compiled once, in texteditorview.cpp.
extern template class TextEditorView<DocumentEditor>;
extern template class TextEditorView<MessageEditor>;

#endif // TEXTEDITORVIEW_H
