#include "abstracttexteditorview.h"

#include "icontoolbar.h"
#include "linguist.h"
#include "textdocument.h"
#include "utils.h"

#include <QAction>
#include <QActionGroup>
#include <QColor>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QSignalBlocker>
#include <QTextBlockFormat>
#include <QTextList>
#include <QTextListFormat>
#include <QTextTable>
#include <QToolBar>

#include <memory>

namespace
{
// Shown as they are, untranslated; each names its colour as an SVG colour
// keyword once the blanks are gone ("Dark Red" is darkred).
const char *const FontColours[] = {"Black", "Dark Red",   "Red",  "Orange",    "Yellow", "Light Green",
                                   "Green", "Light Blue", "Blue", "Dark Blue", "Purple"};

QColor ColourNamed(const QString &text)
{
    QString keyword = text.toLower();
    keyword.remove(QLatin1Char(' '));
    return QColor::fromString(keyword);
}
}

AbstractTextEditorView::AbstractTextEditorView(QWidget *parent)
    : AbstractViewWindow(parent)
    , m_formattingToolBar(new QToolBar(this))
    , m_iconToolBar(new IconToolBar(this))
    , m_fontNameComboBox(new QFontComboBox(m_formattingToolBar))
    , m_fontSizeComboBox(new QComboBox(m_formattingToolBar))
    , m_alignmentActionGroup(new QActionGroup(this))
    , m_indentActionGroup(new QActionGroup(this))
    , m_listStyleActionGroup(new QActionGroup(this))
    , m_fontColorComboBox(new QComboBox(m_formattingToolBar))
    , m_undoAction(addAction(this, m_editMenu, utils::ActionIcon("undo.png"), Linguist::tr("Undo"), QString()))
    , m_redoAction(addAction(this, m_editMenu, utils::ActionIcon("redo.png"), Linguist::tr("Redo"), QString()))
    , m_cutAction(addAction(this, m_editMenu, utils::ActionIcon("cut.png"), Linguist::tr("Cut"), QString()))
    , m_copyAction(addAction(this, m_editMenu, utils::ActionIcon("copy.png"), Linguist::tr("Copy"), QString()))
    , m_pasteAction(
          addAction(this, m_editMenu, utils::ActionIcon("clipboard_paste.png"), Linguist::tr("Paste"), QString()))
    , m_selectAllAction(addAction(this, m_editMenu, Linguist::tr("SelectAll"), QString()))
    , m_findAction(
          addAction(this, m_editMenu, utils::ActionIcon("magnifying_glass.png"), Linguist::tr("Find"), QString()))
    , m_replaceAction(addAction(this, m_editMenu, tr("Replace"), QString()))
    , m_boldAction(addAction(this, utils::ActionIcon("font_style_bold.png"), tr("Bold"), QString()))
    , m_italicAction(addAction(this, utils::ActionIcon("font_style_italics.png"), tr("Italic"), QString()))
    , m_underlineAction(addAction(this, utils::ActionIcon("font_style_underline.png"), tr("Underline"), QString()))
    , m_alignLeftAction(
          addAction(m_alignmentActionGroup, utils::ActionIcon("text_align_left.png"), tr("AlignLeft"), QString()))
    , m_alignCenterAction(
          addAction(m_alignmentActionGroup, utils::ActionIcon("text_align_center.png"), tr("AlignCenter"), QString()))
    , m_alignRightAction(
          addAction(m_alignmentActionGroup, utils::ActionIcon("text_align_right.png"), tr("AlignRight"), QString()))
    , m_alignJustifyAction(addAction(m_alignmentActionGroup, utils::ActionIcon("text_align_justified.png"),
                                     tr("AlignJustify"), QString()))
    , m_increaseIndentAction(
          addAction(m_indentActionGroup, utils::ActionIcon("indent_increase.png"), tr("IncreaseIndent"), QString()))
    , m_decreaseIndentAction(
          addAction(m_indentActionGroup, utils::ActionIcon("indent_decrease.png"), tr("DecreaseIndent"), QString()))
    , m_insertMenu(new QMenu(tr("Insert"), this))
    , m_formatMenu(new QMenu(tr("Format"), this))
    , m_tableMenu(new QMenu(tr("Table"), this))
    , m_insertMenuAction(menuBar()->addMenu(m_insertMenu))
    , m_formatMenuAction(menuBar()->addMenu(m_formatMenu))
    , m_tableMenuAction(menuBar()->addMenu(m_tableMenu))
    , m_insertTextListCircleAction(
          addAction(this, m_insertMenu, utils::ActionIcon("list_style_bullets.png"), tr("TextListCircle"), QString()))
    , m_insertTextListDiscAction(addAction(this, m_insertMenu, utils::ActionIcon("dark_grey/list_style_bullets.png"),
                                           tr("TextListDisc"), QString()))
    , m_insertTextListSquareAction(addAction(this, m_insertMenu,
                                             utils::ActionIcon("blue_dark_grey/list_style_bullets.png"),
                                             tr("TextListSquare"), QString()))
    , m_insertTextListDecimalAction(
          addAction(this, m_insertMenu, utils::ActionIcon("list_style_numbered.png"), tr("TextListDecimal"), QString()))
    , m_insertTextListUpperAlphaAction(addAction(this, m_insertMenu,
                                                 utils::ActionIcon("green_dark_grey/list_style_numbered.png"),
                                                 tr("TextListUpperAlpha"), QString()))
    , m_insertTextListLowerAlphaAction(addAction(this, m_insertMenu,
                                                 utils::ActionIcon("orange_dark_grey/list_style_numbered.png"),
                                                 tr("TextListLowerAlpha"), QString()))
    , m_insertTextListUpperRomanAction(addAction(this, m_insertMenu,
                                                 utils::ActionIcon("green_dark_grey/list_style_roman.png"),
                                                 tr("TextListUpperRoman"), QString()))
    , m_insertTextListLowerRomanAction(addAction(this, m_insertMenu,
                                                 utils::ActionIcon("orange_dark_grey/list_style_roman.png"),
                                                 tr("TextListLowerRoman"), QString()))
    , m_insertHorizontalRulerAction(
          addAction(this, m_insertMenu, utils::ActionIcon("code_line.png"), tr("InsertHorizontalRuler"), QString()))
    , m_insertTableAction(addAction(this, m_insertMenu, utils::ActionIcon("table.png"), tr("InsertTable"), QString()))
    , m_insertPictureAction(
          addAction(this, m_insertMenu, utils::ActionIcon("photo_landscape.png"), tr("InsertPicture"), QString()))
    , m_noTextListAction(addAction(m_listStyleActionGroup, utils::ActionIcon("text.png"), tr("NoTextList"), QString()))
    , m_textListCircleAction(addAction(m_listStyleActionGroup, utils::ActionIcon("list_style_bullets.png"),
                                       tr("TextListCircle"), QString()))
    , m_textListDiscAction(addAction(m_listStyleActionGroup, utils::ActionIcon("dark_grey/list_style_bullets.png"),
                                     tr("TextListDisc"), QString()))
    , m_textListSquareAction(addAction(m_listStyleActionGroup,
                                       utils::ActionIcon("blue_dark_grey/list_style_bullets.png"), tr("TextListSquare"),
                                       QString()))
    , m_textListDecimalAction(addAction(m_listStyleActionGroup, utils::ActionIcon("list_style_numbered.png"),
                                        tr("TextListDecimal"), QString()))
    , m_textListUpperAlphaAction(addAction(m_listStyleActionGroup,
                                           utils::ActionIcon("green_dark_grey/list_style_numbered.png"),
                                           tr("TextListUpperAlpha"), QString()))
    , m_textListLowerAlphaAction(addAction(m_listStyleActionGroup,
                                           utils::ActionIcon("orange_dark_grey/list_style_numbered.png"),
                                           tr("TextListLowerAlpha"), QString()))
    , m_textListUpperRomanAction(addAction(m_listStyleActionGroup,
                                           utils::ActionIcon("green_dark_grey/list_style_roman.png"),
                                           tr("TextListUpperRoman"), QString()))
    , m_textListLowerRomanAction(addAction(m_listStyleActionGroup,
                                           utils::ActionIcon("orange_dark_grey/list_style_roman.png"),
                                           tr("TextListLowerRoman"), QString()))
    , m_insertRowsAction(
          addAction(this, m_tableMenu, utils::ActionIcon("table_selection_row.png"), tr("InsertRows"), QString()))
    , m_insertColumnsAction(
          addAction(this, m_tableMenu, utils::ActionIcon("table_selection_column.png"), tr("InsertColumns"), QString()))
    , m_setColumnWidthAction(addAction(this, m_tableMenu, tr("SetColumnWidth"), QString()))
    , m_deleteRowsAction(addAction(this, m_tableMenu, tr("DeleteRows"), QString()))
    , m_deleteColumnsAction(addAction(this, m_tableMenu, tr("DeleteColumns"), QString()))
    , m_saveAction(addAction(this, m_fileMenu, utils::ActionIcon("floppy_disk.png"), tr("Save"), QString()))
    , m_closeAction(addAction(this, m_fileMenu, Linguist::tr("Close"), QString()))
    , m_exportToTextFileAction(addAction(this, m_fileMenu, tr("ExportToTextFile"), QString()))
    , m_exportToPdfFileAction(addAction(this, m_fileMenu, tr("ExportToPdfFile"), QString()))
    , m_printAction(addAction(this, m_fileMenu, utils::ActionIcon("printer.png"), tr("Print"), QString()))
    , m_printPreviewAction(addAction(this, m_fileMenu, tr("PrintPreview"), QString()))
    , m_checkSpellingAction(
          addAction(this, m_toolsMenu, utils::ActionIcon("spellcheck.png"), tr("CheckSpelling"), QString()))
    , m_aboutAction(addAction(this, m_helpMenu, Linguist::tr("AboutQORV"), QString()))
    , m_actionsEnabled(true)
    , m_cursorInTable(false)
{
    for (QAction *action : {m_boldAction, m_italicAction, m_underlineAction})
        m_formattingToolBar->addAction(action);
    // The cursor of a new editor is in no table.
    updateTableActions();

    connect(m_closeAction, &QAction::triggered, this, &QWidget::close);
    connect(m_aboutAction, &QAction::triggered, this, &AbstractTextEditorView::helpAbout);
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

void AbstractTextEditorView::initializeFileMenu()
{
    m_saveAction->setIconVisibleInMenu(true);
    m_printAction->setIconVisibleInMenu(true);
    m_saveAction->setStatusTip(tr("SaveStatusTip"));
    m_exportToTextFileAction->setStatusTip(tr("ExportToTextFileStatusTip"));
    m_exportToPdfFileAction->setStatusTip(tr("ExportToPdfFileStatusTip"));
    m_printAction->setStatusTip(tr("PrintStatusTip"));
    m_printPreviewAction->setStatusTip(tr("PrintPreviewStatusTip"));
    m_closeAction->setStatusTip(tr("CloseStatusTip"));
    m_fileMenu->insertSeparator(m_exportToTextFileAction);
    m_fileMenu->insertSeparator(m_printAction);
    m_fileMenu->insertSeparator(m_closeAction);
}

void AbstractTextEditorView::initializeEditMenu()
{
    for (QAction *action : {m_undoAction, m_redoAction, m_cutAction, m_copyAction, m_pasteAction, m_findAction})
        action->setIconVisibleInMenu(true);
    m_undoAction->setStatusTip(tr("UndoStatusTip"));
    m_redoAction->setStatusTip(tr("RedoStatusTip"));
    m_cutAction->setStatusTip(tr("CutStatusTip"));
    m_copyAction->setStatusTip(tr("CopyStatusTip"));
    m_pasteAction->setStatusTip(tr("PasteStatusTip"));
    m_selectAllAction->setStatusTip(tr("SelectAllStatusTip"));
    m_findAction->setStatusTip(tr("FindStatusTip"));
    m_replaceAction->setStatusTip(tr("ReplaceStatusTip"));
    m_editMenu->insertSeparator(m_cutAction);
    m_editMenu->insertSeparator(m_selectAllAction);
    m_editMenu->insertSeparator(m_findAction);
}

void AbstractTextEditorView::initializeViewMenu()
{
}

void AbstractTextEditorView::initializeTableMenu()
{
    moveMenuBefore(m_tableMenuAction, m_toolsMenuAction);
    m_tableMenu->insertSeparator(m_deleteRowsAction);
}

void AbstractTextEditorView::initializeInsertMenu()
{
    moveMenuBefore(m_insertMenuAction, m_tableMenuAction);
    auto *separator = new QAction(this);
    separator->setSeparator(true);
    m_insertMenu->insertAction(m_insertHorizontalRulerAction, separator);
}

void AbstractTextEditorView::initializeFormatMenu()
{
    moveMenuBefore(m_formatMenuAction, m_tableMenuAction);
    m_listStyleActionGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (QAction *action : m_listStyleActionGroup->actions())
        action->setCheckable(true);

    m_formatMenu->addAction(m_boldAction);
    m_formatMenu->addAction(m_italicAction);
    m_formatMenu->addAction(m_underlineAction);
    m_formatMenu->addSeparator();
    m_formatMenu->addActions(m_alignmentActionGroup->actions());
    m_formatMenu->addSeparator();
    m_formatMenu->addAction(m_noTextListAction);
    m_formatMenu->addSeparator();
    for (QAction *action : m_listStyleActionGroup->actions()) {
        if (action != m_noTextListAction)
            m_formatMenu->addAction(action);
    }
}

void AbstractTextEditorView::initializeToolsMenu()
{
    m_checkSpellingAction->setIconVisibleInMenu(true);
    m_checkSpellingAction->setStatusTip(tr("CheckSpellingStatusTip"));
}

void AbstractTextEditorView::initializeStandardToolBar()
{
    AbstractViewWindow::initializeStandardToolBar();
    m_saveAction->setToolTip(tr("SaveToolTip"));
    m_printAction->setToolTip(tr("PrintToolTip"));
    m_undoAction->setToolTip(tr("UndoToolTip"));
    m_redoAction->setToolTip(tr("RedoToolTip"));
    m_cutAction->setToolTip(tr("CutToolTip"));
    m_copyAction->setToolTip(tr("CopyToolTip"));
    m_pasteAction->setToolTip(tr("PasteToolTip"));
    m_standardToolBar->setWindowTitle(tr("Standard"));
    m_standardToolBar->addAction(m_saveAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_printAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_undoAction);
    m_standardToolBar->addAction(m_redoAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_cutAction);
    m_standardToolBar->addAction(m_copyAction);
    m_standardToolBar->addAction(m_pasteAction);
}

void AbstractTextEditorView::initializeFormattingToolBar()
{
    // The boxes start on the body font of every document.
    const QFont defaultFont = std::make_unique<TextDocument>()->defaultFont();
    const QString defaultSize = QString::number(defaultFont.pointSize());

    const struct
    {
        QAction *action;
        QString toolTip;
        QString statusTip;
    } formats[] = {
        {m_boldAction, tr("FormatBoldToolTip"), tr("FormatBoldStatusTip")},
        {m_italicAction, tr("FormatItalicToolTip"), tr("FormatItalicStatusTip")},
        {m_underlineAction, tr("FormatUnderlineToolTip"), tr("FormatUnderlineStatusTip")},
        {m_alignLeftAction, tr("FormatAlignLeftToolTip"), tr("FormatAlignLeftStatusTip")},
        {m_alignCenterAction, tr("FormatAlignCenterToolTip"), tr("FormatAlignCenterStatusTip")},
        {m_alignRightAction, tr("FormatAlignRightToolTip"), tr("FormatAlignRightStatusTip")},
        {m_alignJustifyAction, tr("FormatAlignJustifyToolTip"), tr("FormatAlignJustifyStatusTip")},
    };
    for (const auto &format : formats) {
        format.action->setCheckable(true);
        format.action->setToolTip(format.toolTip);
        format.action->setStatusTip(format.statusTip);
    }

    m_fontNameComboBox->setFontFilters(QFontComboBox::MonospacedFonts | QFontComboBox::ProportionalFonts);
    m_fontNameComboBox->setWritingSystem(QFontDatabase::Latin);
    m_fontNameComboBox->setToolTip(tr("FontNameToolTip"));
    m_fontNameComboBox->setObjectName(QStringLiteral("FontName"));
    m_fontNameComboBox->setEditable(false);
    m_fontNameComboBox->setCurrentFont(defaultFont);

    m_fontColorComboBox->setToolTip(tr("FontColorToolTip"));
    m_fontColorComboBox->setObjectName(QStringLiteral("FontColor"));
    m_fontColorComboBox->setEditable(false);

    for (const int size : QFontDatabase::standardSizes())
        m_fontSizeComboBox->addItem(QString::number(size));
    m_fontSizeComboBox->setToolTip(tr("FontSizeToolTip"));
    m_fontSizeComboBox->setObjectName(QStringLiteral("FontSize"));
    m_fontSizeComboBox->setEditable(false);
    m_fontSizeComboBox->setCurrentIndex(
        m_fontSizeComboBox->findText(defaultSize, Qt::MatchExactly | Qt::MatchCaseSensitive));

    for (const char *colour : FontColours) {
        const QString text = QString::fromLatin1(colour);
        QPixmap swatch(m_fontColorComboBox->iconSize());
        swatch.fill(ColourNamed(text));
        m_fontColorComboBox->addItem(QIcon(swatch), text);
    }

    m_formattingToolBar->setWindowTitle(tr("FormattingToolbar"));
    m_formattingToolBar->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    m_formattingToolBar->addWidget(m_fontNameComboBox);
    m_formattingToolBar->addWidget(m_fontSizeComboBox);
    m_formattingToolBar->addSeparator();
    m_formattingToolBar->addActions(m_alignmentActionGroup->actions());
    m_formattingToolBar->addSeparator();
    m_indentActionGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    m_formattingToolBar->addActions(m_indentActionGroup->actions());
    m_formattingToolBar->addSeparator();
    m_formattingToolBar->addWidget(m_fontColorComboBox);

    connect(m_alignmentActionGroup, &QActionGroup::triggered, this, &AbstractTextEditorView::formatAlignment);
    // Beside the standard tool bar the formatting one needs some 1000 pixels
    // and would hide its last controls behind an extension button in a
    // window of the smallest size: it takes a row of its own below.
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, m_formattingToolBar);
}

void AbstractTextEditorView::initializeIconToolBar()
{
    m_iconToolBar->initialize();
    // A row of its own, below the other two.
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, m_iconToolBar);
    connect(m_iconToolBar, &IconToolBar::insertIcon, this, &AbstractTextEditorView::insertIcon);
}

void AbstractTextEditorView::setToolBarsEnabled(bool enabled)
{
    for (QToolBar *toolBar : {m_standardToolBar, m_formattingToolBar, static_cast<QToolBar *>(m_iconToolBar)}) {
        toolBar->setEnabled(enabled);
        toolBar->setVisible(enabled);
    }
}

void AbstractTextEditorView::setActionsEnabled(bool enabled)
{
    for (QAction *action : {m_saveAction,
                            m_exportToTextFileAction,
                            m_exportToPdfFileAction,
                            m_printAction,
                            m_printPreviewAction,
                            m_undoAction,
                            m_redoAction,
                            m_cutAction,
                            m_copyAction,
                            m_pasteAction,
                            m_selectAllAction,
                            m_findAction,
                            m_replaceAction,
                            m_insertHorizontalRulerAction,
                            m_insertPictureAction,
                            m_insertTableAction,
                            m_insertTextListCircleAction,
                            m_insertTextListDiscAction,
                            m_insertTextListSquareAction,
                            m_insertTextListDecimalAction,
                            m_insertTextListUpperAlphaAction,
                            m_insertTextListLowerAlphaAction,
                            m_insertTextListUpperRomanAction,
                            m_insertTextListLowerRomanAction,
                            m_boldAction,
                            m_italicAction,
                            m_underlineAction,
                            m_alignLeftAction,
                            m_alignCenterAction,
                            m_alignRightAction,
                            m_alignJustifyAction,
                            m_noTextListAction,
                            m_textListCircleAction,
                            m_textListDiscAction,
                            m_textListSquareAction,
                            m_textListDecimalAction,
                            m_textListUpperAlphaAction,
                            m_textListLowerAlphaAction,
                            m_textListUpperRomanAction,
                            m_textListLowerRomanAction,
                            m_checkSpellingAction})
        action->setEnabled(enabled);
    m_actionsEnabled = enabled;
    updateTableActions();
    m_fontNameComboBox->setEnabled(enabled);
    m_fontColorComboBox->setEnabled(enabled);
    m_fontSizeComboBox->setEnabled(enabled);
    m_iconToolBar->setSelectionEnabled(enabled);
    setIconMemoryToolButtonsEnabled(enabled);
}

void AbstractTextEditorView::setIconMemoryToolButtonsEnabled(bool enabled)
{
    m_iconToolBar->setIconMemoryToolButtonsEnabled(enabled);
}

void AbstractTextEditorView::formatAlignment(QAction *action)
{
    if (action == m_alignLeftAction)
        emit setAlignment(Qt::AlignLeft);
    else if (action == m_alignCenterAction)
        emit setAlignment(Qt::AlignHCenter);
    else if (action == m_alignRightAction)
        emit setAlignment(Qt::AlignRight);
    else if (action == m_alignJustifyAction)
        emit setAlignment(Qt::AlignJustify);
}

void AbstractTextEditorView::currentCharFormatChanged(QTextCharFormat textCharFormat)
{
    const QFont font = textCharFormat.font();
    m_boldAction->setChecked(font.weight() > QFont::Medium);
    m_italicAction->setChecked(font.style() != QFont::StyleNormal);
    m_underlineAction->setChecked(font.underline());
}

void AbstractTextEditorView::cursorPositionChanged(QTextCursor textCursor)
{
    const QTextCharFormat charFormat = textCursor.charFormat();
    const QTextBlockFormat blockFormat = textCursor.blockFormat();
    const QFont font = charFormat.font();

    {
        // The boxes' changes reach the editor, which would write the font,
        // size or colour back into the text at the cursor: an edit (with an
        // undo step and the modified flag) made by merely moving the cursor,
        // even in a text that may not be changed. What the cursor shows is
        // shown only.
        const QSignalBlocker fontName(m_fontNameComboBox);
        const QSignalBlocker fontSize(m_fontSizeComboBox);
        const QSignalBlocker fontColor(m_fontColorComboBox);

        m_fontNameComboBox->setCurrentFont(font);
        // A size that is not offered (or a size in pixels, -1) leaves the
        // box without a current item, showing no text.
        m_fontSizeComboBox->setCurrentIndex(
            m_fontSizeComboBox->findText(QString::number(font.pointSize()), Qt::MatchExactly | Qt::MatchCaseSensitive));

        const QColor colour =
            charFormat.hasProperty(QTextFormat::ForegroundBrush) ? charFormat.foreground().color() : QColor(Qt::black);
        for (int i = 0; i < m_fontColorComboBox->count(); ++i) {
            if (ColourNamed(m_fontColorComboBox->itemText(i)) == colour) {
                m_fontColorComboBox->setCurrentIndex(i);
                break;
            }
        }
    }

    // Checking an action does not trigger it: only the user's choices act.
    currentCharFormatChanged(charFormat);

    Qt::Alignment alignment = blockFormat.alignment();
    if (alignment == 0)
        alignment = Qt::AlignLeft;
    if (alignment & Qt::AlignLeft)
        m_alignLeftAction->setChecked(true);
    else if (alignment & Qt::AlignHCenter)
        m_alignCenterAction->setChecked(true);
    else if (alignment & Qt::AlignRight)
        m_alignRightAction->setChecked(true);
    else if (alignment & Qt::AlignJustify)
        m_alignJustifyAction->setChecked(true);

    m_cursorInTable = textCursor.currentTable() != nullptr;
    updateTableActions();

    const QTextList *list = textCursor.currentList();
    if (!list) {
        m_noTextListAction->setChecked(true);
        return;
    }
    switch (list->format().style()) {
    case QTextListFormat::ListDisc:
        m_textListDiscAction->setChecked(true);
        break;
    case QTextListFormat::ListCircle:
        m_textListCircleAction->setChecked(true);
        break;
    case QTextListFormat::ListSquare:
        m_textListSquareAction->setChecked(true);
        break;
    case QTextListFormat::ListDecimal:
        m_textListDecimalAction->setChecked(true);
        break;
    case QTextListFormat::ListLowerAlpha:
        m_textListLowerAlphaAction->setChecked(true);
        break;
    case QTextListFormat::ListUpperAlpha:
        m_textListUpperAlphaAction->setChecked(true);
        break;
    case QTextListFormat::ListLowerRoman:
        m_textListLowerRomanAction->setChecked(true);
        break;
    case QTextListFormat::ListUpperRoman:
        m_textListUpperRomanAction->setChecked(true);
        break;
    case QTextListFormat::ListStyleUndefined:
        m_noTextListAction->setChecked(true);
        break;
    default:
        break;
    }
}

void AbstractTextEditorView::toolbars(bool checked)
{
    m_standardToolBar->setVisible(checked);
    m_formattingToolBar->setVisible(checked);
    m_iconToolBar->setVisible(checked);
}

void AbstractTextEditorView::moveMenuBefore(QAction *menuAction, QAction *before)
{
    menuBar()->removeAction(menuAction);
    menuBar()->insertAction(before, menuAction);
}

void AbstractTextEditorView::updateTableActions()
{
    // Where the text may not be changed, being in a table enables nothing.
    const bool enabled = m_actionsEnabled && m_cursorInTable;
    for (QAction *action :
         {m_insertRowsAction, m_insertColumnsAction, m_setColumnWidthAction, m_deleteRowsAction, m_deleteColumnsAction})
        action->setEnabled(enabled);
}
