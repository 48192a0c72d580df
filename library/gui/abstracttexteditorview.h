#ifndef ABSTRACTTEXTEDITORVIEW_H
#define ABSTRACTTEXTEDITORVIEW_H

#include "abstractviewwindow.h"

#include <QTextCharFormat>
#include <QTextCursor>

class IconToolBar;
class QAction;
class QActionGroup;
class QComboBox;
class QFontComboBox;
class QMenu;
class QToolBar;

// The base of the editor windows, which own every editing control of the
// editor they show: the actions, the Insert, Format and Table menus, the
// formatting and icon tool bars and their boxes. It arranges them in menus and
// tool bars, keeps their checked and current states in step with the editor's
// cursor, and lets the window switch them in groups. It creates no editor and
// decides what few actions do: the editor-window template connects the
// editing controls to the editor, and each window connects the file, print and
// clipboard actions and applies the permissions of its content.
//
// The editor reads five of the actions: its context menu shows Undo, Redo,
// Cut, Copy and Paste, and its clipboard keys go through Cut, Copy and Paste,
// so a window that disables one of them closes every way to it.
//
// A window is built in two phases: the constructor creates everything, then
// the window calls the initializers in this order: its own set-up,
// initializeFileMenu, initializeEditMenu, initializeViewMenu,
// initializeTableMenu, initializeInsertMenu, initializeFormatMenu,
// initializeToolsMenu, initializeStandardToolBar, initializeFormattingToolBar,
// initializeIconToolBar.
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

    void initializeFileMenu();
    void initializeViewMenu();
    void initializeToolsMenu();
    void initializeStandardToolBar();

    virtual void initializeEditMenu();
    virtual void initializeInsertMenu();
    virtual void initializeFormatMenu();
    virtual void initializeTableMenu();
    virtual void initializeFormattingToolBar();
    virtual void initializeIconToolBar();

    // The standard, formatting and icon tool bars: enabled and shown, or
    // disabled and hidden.
    virtual void setToolBarsEnabled(bool enabled);
    // Every editing control but Close, About and the two indent actions. The
    // table actions are enabled only while the cursor is in a table as well.
    virtual void setActionsEnabled(bool enabled);
    virtual void setIconMemoryToolButtonsEnabled(bool enabled);

signals:
    void setAlignment(Qt::Alignment alignment);
    void insertIcon(QString iconPath);

protected slots:
    void formatAlignment(QAction *action);
    void currentCharFormatChanged(QTextCharFormat textCharFormat);
    // Brings every control in step with the cursor. It only shows: the boxes
    // do not tell the editor about what the cursor shows them, so moving the
    // cursor writes nothing into the text.
    void cursorPositionChanged(QTextCursor textCursor);
    void toolbars(bool checked);

protected:
    QToolBar *m_formattingToolBar;
    IconToolBar *m_iconToolBar;
    QFontComboBox *m_fontNameComboBox;
    QComboBox *m_fontSizeComboBox;
    QActionGroup *m_alignmentActionGroup;
    QActionGroup *m_indentActionGroup;
    QActionGroup *m_listStyleActionGroup;
    QComboBox *m_fontColorComboBox;

    QAction *m_undoAction;
    QAction *m_redoAction;
    QAction *m_cutAction;
    QAction *m_copyAction;
    QAction *m_pasteAction;
    QAction *m_selectAllAction;
    QAction *m_findAction;
    QAction *m_replaceAction;
    QAction *m_boldAction;
    QAction *m_italicAction;
    QAction *m_underlineAction;
    QAction *m_alignLeftAction;
    QAction *m_alignCenterAction;
    QAction *m_alignRightAction;
    QAction *m_alignJustifyAction;
    QAction *m_increaseIndentAction;
    QAction *m_decreaseIndentAction;

    QMenu *m_insertMenu;
    QMenu *m_formatMenu;
    QMenu *m_tableMenu;
    QAction *m_insertMenuAction;
    QAction *m_formatMenuAction;
    QAction *m_tableMenuAction;

    // The Insert menu's list actions insert a new list; the list-style
    // group's format the paragraphs at the cursor as one.
    QAction *m_insertTextListCircleAction;
    QAction *m_insertTextListDiscAction;
    QAction *m_insertTextListSquareAction;
    QAction *m_insertTextListDecimalAction;
    QAction *m_insertTextListUpperAlphaAction;
    QAction *m_insertTextListLowerAlphaAction;
    QAction *m_insertTextListUpperRomanAction;
    QAction *m_insertTextListLowerRomanAction;
    QAction *m_insertHorizontalRulerAction;
    QAction *m_insertTableAction;
    QAction *m_insertPictureAction;
    QAction *m_noTextListAction;
    QAction *m_textListCircleAction;
    QAction *m_textListDiscAction;
    QAction *m_textListSquareAction;
    QAction *m_textListDecimalAction;
    QAction *m_textListUpperAlphaAction;
    QAction *m_textListLowerAlphaAction;
    QAction *m_textListUpperRomanAction;
    QAction *m_textListLowerRomanAction;
    QAction *m_insertRowsAction;
    QAction *m_insertColumnsAction;
    QAction *m_setColumnWidthAction;
    QAction *m_deleteRowsAction;
    QAction *m_deleteColumnsAction;
    QAction *m_saveAction;
    QAction *m_closeAction;
    QAction *m_exportToTextFileAction;
    QAction *m_exportToPdfFileAction;
    QAction *m_printAction;
    QAction *m_printPreviewAction;
    QAction *m_checkSpellingAction;
    QAction *m_aboutAction;

private:
    void moveMenuBefore(QAction *menuAction, QAction *before);
    void updateTableActions();

    // Whether the window lets the text be edited (setActionsEnabled) and
    // whether the cursor is in a table: the table actions need both.
    bool m_actionsEnabled;
    bool m_cursorInTable;
};

#endif // ABSTRACTTEXTEDITORVIEW_H
