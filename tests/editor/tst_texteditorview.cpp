#include "builtindictionary.h"
#include "dialoganswerer.h"
#include "documenteditor.h"
#include "editortestsupport.h"
#include "icontoolbar.h"
#include "messageeditor.h"
#include "spellchecker.h"
#include "spellcheckerdialog.h"
#include "testenvironment.h"
#include "textdocument.h"
#include "texteditorview.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
// An editor window as the document and message windows make one: the
// template's editor on a body document as the central widget, then the
// initializers in their order.
template <typename T>
class Window : public TextEditorView<T>
{
public:
    explicit Window(bool initialize = true)
    {
        this->m_editor->setDocument(new TextDocument(this->m_editor));
        this->setCentralWidget(this->m_editor);
        if (initialize)
            initializeAll();
    }

    void initializeAll()
    {
        this->initializeFileMenu();
        this->initializeEditMenu();
        this->initializeViewMenu();
        this->initializeTableMenu();
        this->initializeInsertMenu();
        this->initializeFormatMenu();
        this->initializeToolsMenu();
        this->initializeStandardToolBar();
        this->initializeFormattingToolBar();
        this->initializeIconToolBar();
    }

    T *editor() const { return this->m_editor; }

    using AbstractTextEditorView::cursorPositionChanged;
    using AbstractTextEditorView::m_aboutAction;
    using AbstractTextEditorView::m_alignCenterAction;
    using AbstractTextEditorView::m_alignJustifyAction;
    using AbstractTextEditorView::m_alignLeftAction;
    using AbstractTextEditorView::m_alignmentActionGroup;
    using AbstractTextEditorView::m_alignRightAction;
    using AbstractTextEditorView::m_boldAction;
    using AbstractTextEditorView::m_checkSpellingAction;
    using AbstractTextEditorView::m_closeAction;
    using AbstractTextEditorView::m_decreaseIndentAction;
    using AbstractTextEditorView::m_deleteColumnsAction;
    using AbstractTextEditorView::m_deleteRowsAction;
    using AbstractTextEditorView::m_editMenu;
    using AbstractTextEditorView::m_fileMenu;
    using AbstractTextEditorView::m_fontColorComboBox;
    using AbstractTextEditorView::m_fontNameComboBox;
    using AbstractTextEditorView::m_fontSizeComboBox;
    using AbstractTextEditorView::m_formatMenu;
    using AbstractTextEditorView::m_formattingToolBar;
    using AbstractTextEditorView::m_helpMenu;
    using AbstractTextEditorView::m_iconToolBar;
    using AbstractTextEditorView::m_increaseIndentAction;
    using AbstractTextEditorView::m_insertColumnsAction;
    using AbstractTextEditorView::m_insertMenu;
    using AbstractTextEditorView::m_insertRowsAction;
    using AbstractTextEditorView::m_insertTextListDecimalAction;
    using AbstractTextEditorView::m_italicAction;
    using AbstractTextEditorView::m_listStyleActionGroup;
    using AbstractTextEditorView::m_noTextListAction;
    using AbstractTextEditorView::m_printAction;
    using AbstractTextEditorView::m_saveAction;
    using AbstractTextEditorView::m_setColumnWidthAction;
    using AbstractTextEditorView::m_standardToolBar;
    using AbstractTextEditorView::m_tableMenu;
    using AbstractTextEditorView::m_textListDiscAction;
    using AbstractTextEditorView::m_textListLowerRomanAction;
    using AbstractTextEditorView::m_textListUpperAlphaAction;
    using AbstractTextEditorView::m_toolsMenu;
    using AbstractTextEditorView::m_underlineAction;
    using AbstractTextEditorView::m_viewMenu;
    using AbstractTextEditorView::setActionsEnabled;
    using AbstractTextEditorView::setToolBarsEnabled;
    using AbstractTextEditorView::toolbars;
};
using DocumentWindow = Window<DocumentEditor>;

// A window that refuses to close, as after a cancelled save question, and
// counts how often it was asked.
class RefusingWindow : public DocumentWindow
{
public:
    int closeRequests = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closeRequests;
        event->ignore();
    }
};

// A menu or tool bar as its entries read: texts, "|" for separators, and
// "[box]" for widgets.
QStringList Entries(const QWidget *holder)
{
    QStringList entries;
    const auto *toolBar = qobject_cast<const QToolBar *>(holder);
    for (QAction *action : holder->actions()) {
        const QWidget *widget = toolBar ? toolBar->widgetForAction(action) : nullptr;
        if (action->isSeparator())
            entries.append(QStringLiteral("|"));
        else if (widget && !qobject_cast<const QToolButton *>(widget))
            entries.append(QStringLiteral("[%1]").arg(widget->objectName()));
        else
            entries.append(action->text());
    }
    return entries;
}

QStringList MenuBar(QMainWindow &window)
{
    QStringList titles;
    for (const QAction *action : window.menuBar()->actions())
        titles.append(action->text());
    return titles;
}

QStringList Checked(const QList<QAction *> &actions)
{
    QStringList checked;
    for (const QAction *action : actions) {
        if (action->isChecked())
            checked.append(action->text());
    }
    return checked;
}

void PlaceCaret(QTextEdit *edit, int position)
{
    QTextCursor cursor(edit->document());
    cursor.setPosition(position);
    edit->setTextCursor(cursor);
}

// What the document is and may do: its text with formats, and whether it
// has anything to undo or counts as changed.
struct DocumentState
{
    explicit DocumentState(const QTextDocument *document)
        : html(document->toHtml())
        , undoSteps(document->availableUndoSteps())
        , modified(document->isModified())
    {
    }
    bool operator==(const DocumentState &other) const
    {
        return html == other.html && undoSteps == other.undoSteps && modified == other.modified;
    }
    QString html;
    int undoSteps;
    bool modified;
};
}

// The editor-window base and template: menus and tool bars, the controls
// following the cursor without touching the text, enabling by permission, and
// the wiring of the controls to the editor.
class TestTextEditorView : public QObject
{
    Q_OBJECT

private:
    testsupport::BuiltInDictionary m_dictionary;

private slots:
    void initTestCase()
    {
        QVERIFY(editortest::InstallTranslation());
        QVERIFY(m_dictionary.setUp(*SpellChecker::instance()));
    }

    void stateAfterConstruction()
    {
        DocumentWindow window(false);
        QCOMPARE(MenuBar(window), QStringList({"File", "Edit", "View", "Tools", "Help", "Insert", "Format", "Table"}));
        QCOMPARE(Entries(window.m_editMenu),
                 QStringList({"Undo", "Redo", "Cut", "Copy", "Paste", "Select All", "Find", "Replace..."}));
        QCOMPARE(Entries(window.m_insertMenu).size(), 11);
        QVERIFY(!Entries(window.m_insertMenu).contains(QStringLiteral("|")));
        QCOMPARE(Entries(window.m_tableMenu),
                 QStringList({"Insert Row", "Insert Column", "Set Column Width...", "Delete Row", "Delete Column"}));
        QCOMPARE(Entries(window.m_fileMenu), QStringList({"Save", "Close", "Export to Text File...",
                                                          "Export to PDF File...", "Print...", "Print Preview..."}));
        QVERIFY(Entries(window.m_formatMenu).isEmpty());
        QCOMPARE(Entries(window.m_formattingToolBar), QStringList({"Bold", "Italic", "Underline"}));
        QCOMPARE(window.toolBarArea(window.m_formattingToolBar), Qt::NoToolBarArea);
        QCOMPARE(window.m_fontSizeComboBox->count(), 0);
        QCOMPARE(window.m_fontColorComboBox->count(), 0);
        QCOMPARE(window.m_iconToolBar->iconGroupComboBox()->count(), 0);
        QVERIFY(Checked(window.findChildren<QAction *>()).isEmpty());
        QCOMPARE(window.m_listStyleActionGroup->actions().size(), 9);
        QCOMPARE(window.m_alignmentActionGroup->actions().size(), 4);
    }

    void menusAndToolBarsOfAFullyInitialisedWindow()
    {
        DocumentWindow window;
        QCOMPARE(MenuBar(window), QStringList({"File", "Edit", "View", "Insert", "Format", "Table", "Tools", "Help"}));
        QCOMPARE(Entries(window.m_fileMenu),
                 QStringList({"Save", "|", "Close", "|", "Export to Text File...", "Export to PDF File...", "|",
                              "Print...", "Print Preview..."}));
        QCOMPARE(Entries(window.m_editMenu), QStringList({"Undo", "Redo", "|", "Cut", "Copy", "Paste", "|",
                                                          "Select All", "|", "Find", "Replace..."}));
        QVERIFY(Entries(window.m_viewMenu).isEmpty());
        QCOMPARE(Entries(window.m_insertMenu),
                 QStringList({"Bullet List Circles", "Bullet List Filled Circles", "Bullet List Filled Squares",
                              "Ordered List Decimal Values", "Ordered List Uppercase Latin Characters",
                              "Ordered List Lowercase Latin Characters", "Numbered List Uppercase Roman Numerals",
                              "Numbered List Lowercase Roman Numerals", "|", "Line", "Table...", "Picture..."}));
        QCOMPARE(Entries(window.m_formatMenu),
                 QStringList({"Bold", "Italic", "Underline", "|", "Align Left", "Align Center", "Align Right",
                              "Align Justify", "|", "No Text List", "|", "Bullet List Circles",
                              "Bullet List Filled Circles", "Bullet List Filled Squares", "Ordered List Decimal Values",
                              "Ordered List Uppercase Latin Characters", "Ordered List Lowercase Latin Characters",
                              "Numbered List Uppercase Roman Numerals", "Numbered List Lowercase Roman Numerals"}));
        QCOMPARE(Entries(window.m_tableMenu), QStringList({"Insert Row", "Insert Column", "Set Column Width...", "|",
                                                           "Delete Row", "Delete Column"}));
        QCOMPARE(Entries(window.m_toolsMenu), QStringList({"Check Spelling..."}));
        QCOMPARE(Entries(window.m_helpMenu), QStringList({"About Quillane..."}));

        QCOMPARE(window.m_standardToolBar->objectName(), QStringLiteral("StandardToolBar"));
        QCOMPARE(window.m_standardToolBar->windowTitle(), QStringLiteral("Standard"));
        QCOMPARE(Entries(window.m_standardToolBar),
                 QStringList({"Save", "|", "Print...", "|", "Undo", "Redo", "|", "Cut", "Copy", "Paste"}));
        QCOMPARE(window.m_formattingToolBar->windowTitle(), QStringLiteral("Formatting Toolbar"));
        QCOMPARE(window.m_formattingToolBar->allowedAreas(), Qt::TopToolBarArea | Qt::BottomToolBarArea);
        QCOMPARE(Entries(window.m_formattingToolBar),
                 QStringList({"Bold", "Italic", "Underline", "[FontName]", "[FontSize]", "|", "Align Left",
                              "Align Center", "Align Right", "Align Justify", "|", "Increase Indent", "Decrease Indent",
                              "|", "[FontColor]"}));
        QCOMPARE(window.m_iconToolBar->windowTitle(), QStringLiteral("Icon Toolbar"));

        // Standard, formatting and icons at the top, each on a row of its
        // own: side by side the first two do not fit in 800 pixels.
        for (QToolBar *toolBar :
             {window.m_standardToolBar, window.m_formattingToolBar, static_cast<QToolBar *>(window.m_iconToolBar)})
            QCOMPARE(window.toolBarArea(toolBar), Qt::TopToolBarArea);
        QVERIFY(window.toolBarBreak(window.m_formattingToolBar));
        QVERIFY(window.toolBarBreak(window.m_iconToolBar));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.m_formattingToolBar->y() > window.m_standardToolBar->y());
        QVERIFY(window.m_iconToolBar->y() > window.m_formattingToolBar->y());
    }

    void tipsAndIcons()
    {
        DocumentWindow window;
        QCOMPARE(window.m_saveAction->statusTip(), QStringLiteral("Save your changes."));
        QCOMPARE(window.m_saveAction->toolTip(),
                 QStringLiteral("Save Changes<p><small>Save your changes.</small></p>"));
        QCOMPARE(window.m_closeAction->statusTip(), QStringLiteral("Close this window."));
        QCOMPARE(window.getReplaceAction()->statusTip(), QStringLiteral("Find and replace text in the editor."));
        QCOMPARE(window.getPasteAction()->toolTip(),
                 QStringLiteral("Paste<p><small>Insert the content of the clipboard at the location of the text "
                                "cursor.</small></p>"));
        QCOMPARE(window.m_italicAction->toolTip(),
                 QStringLiteral("Format Italic<p><small>Make the selected text talic.</small></p>"));
        QCOMPARE(window.m_alignJustifyAction->statusTip(),
                 QStringLiteral("Distribute the selected text evenly between the margins."));
        QCOMPARE(window.m_checkSpellingAction->statusTip(),
                 QStringLiteral("Check the spelling of your text in the editor."));
        QCOMPARE(window.m_fontNameComboBox->toolTip(),
                 QStringLiteral("Font Name<p><small>Select text font.</small></p>"));
        QCOMPARE(window.m_fontSizeComboBox->toolTip(),
                 QStringLiteral("Font Size<p><small>Select text size.</small></p>"));
        QCOMPARE(window.m_fontColorComboBox->toolTip(),
                 QStringLiteral("Font Color<p><small>Select text color.</small></p>"));
        for (QAction *action : {window.m_saveAction, window.m_printAction, window.getUndoAction(),
                                window.getFindAction(), window.m_checkSpellingAction}) {
            QVERIFY(action->isIconVisibleInMenu());
            QVERIFY2(!action->icon().isNull(), qPrintable(action->text()));
        }
        QVERIFY(window.getSelectAllAction()->icon().isNull());
        QVERIFY(window.m_closeAction->icon().isNull());
        // No action has a keyboard shortcut of the window's own.
        for (const QAction *action : window.findChildren<QAction *>())
            QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->text()));
    }

    void boxesStartOnTheBodyFont()
    {
        DocumentWindow window;
        QCOMPARE(window.m_fontNameComboBox->currentFont().family(), QStringLiteral("DejaVu Sans"));
        QVERIFY(!window.m_fontNameComboBox->isEditable());
        QCOMPARE(window.m_fontSizeComboBox->currentText(), QStringLiteral("10"));
        QCOMPARE(window.m_fontSizeComboBox->count(), QFontDatabase::standardSizes().size());
        QCOMPARE(window.m_fontColorComboBox->currentText(), QStringLiteral("Black"));
        QStringList colours;
        for (int i = 0; i < window.m_fontColorComboBox->count(); ++i) {
            colours.append(window.m_fontColorComboBox->itemText(i));
            const QImage swatch = window.m_fontColorComboBox->itemIcon(i).pixmap(16, 16).toImage();
            QVERIFY(!swatch.isNull());
        }
        QCOMPARE(colours, QStringList({"Black", "Dark Red", "Red", "Orange", "Yellow", "Light Green", "Green",
                                       "Light Blue", "Blue", "Dark Blue", "Purple"}));
        QCOMPARE(window.m_fontColorComboBox->itemIcon(1).pixmap(16, 16).toImage().pixelColor(8, 8),
                 QColor(QStringLiteral("darkred")));
        // Filling the boxes reached the empty editor, and changed nothing.
        QVERIFY(!window.editor()->document()->isModified());
        QCOMPARE(window.editor()->document()->availableUndoSteps(), 0);
    }

    // The controls show the format at the cursor; showing it writes nothing
    // into the text, not even in a text that may not be changed.
    void controlsFollowTheCursor_data()
    {
        QTest::addColumn<int>("weight");
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<qreal>("pointSize");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QStringList>("checked");
        QTest::addColumn<QString>("sizeText");
        QTest::addColumn<QString>("colourText");
        const QStringList left{"Align Left"};
        QTest::newRow("plain") << 400 << int(QFont::StyleNormal) << false << 10.0 << 0 << 0 << QString() << left << "10"
                               << "Black";
        QTest::newRow("medium is not bold")
            << 500 << int(QFont::StyleNormal) << false << 12.0 << 0 << 0 << QString() << left << "12"
            << "Black";
        QTest::newRow("demibold is bold") << 600 << int(QFont::StyleNormal) << false << 12.0 << 0 << 0 << QString()
                                          << QStringList{"Bold", "Align Left"} << "12"
                                          << "Black";
        QTest::newRow("oblique is italic") << 400 << int(QFont::StyleOblique) << false << 10.0 << 0 << 0 << QString()
                                           << QStringList{"Italic", "Align Left"} << "10"
                                           << "Black";
        QTest::newRow("bold italic underlined") << 700 << int(QFont::StyleItalic) << true << 10.0 << 0 << 0 << QString()
                                                << QStringList{"Bold", "Italic", "Underline", "Align Left"} << "10"
                                                << "Black";
        QTest::newRow("13 points is no size offered")
            << 400 << int(QFont::StyleNormal) << false << 13.0 << 0 << 0 << QString() << left << ""
            << "Black";
        QTest::newRow("pixel size") << 400 << int(QFont::StyleNormal) << false << 0.0 << 20 << 0 << QString() << left
                                    << ""
                                    << "Black";
        QTest::newRow("centre both ways") << 400 << int(QFont::StyleNormal) << false << 10.0 << 0
                                          << int(Qt::AlignCenter) << QString() << QStringList{"Align Center"} << "10"
                                          << "Black";
        QTest::newRow("left and right") << 400 << int(QFont::StyleNormal) << false << 10.0 << 0
                                        << int(Qt::AlignLeft | Qt::AlignRight) << QString() << left << "10"
                                        << "Black";
        QTest::newRow("right") << 400 << int(QFont::StyleNormal) << false << 10.0 << 0 << int(Qt::AlignRight)
                               << QString() << QStringList{"Align Right"} << "10"
                               << "Black";
        QTest::newRow("justified") << 400 << int(QFont::StyleNormal) << false << 10.0 << 0 << int(Qt::AlignJustify)
                                   << QString() << QStringList{"Align Justify"} << "10"
                                   << "Black";
        QTest::newRow("dark red") << 400 << int(QFont::StyleNormal) << false << 18.0 << 0 << 0 << "darkred" << left
                                  << "18"
                                  << "Dark Red";
        QTest::newRow("light green") << 400 << int(QFont::StyleNormal) << false << 10.0 << 0 << 0 << "#90ee90" << left
                                     << "10"
                                     << "Light Green";
        // A colour that is not offered leaves the box on its last colour,
        // Purple here (see below).
        QTest::newRow("colour not offered")
            << 400 << int(QFont::StyleNormal) << false << 10.0 << 0 << 0 << "#123456" << left << "10"
            << "Purple";
    }

    void controlsFollowTheCursor()
    {
        QFETCH(int, weight);
        QFETCH(int, style);
        QFETCH(bool, underline);
        QFETCH(qreal, pointSize);
        QFETCH(int, pixelSize);
        QFETCH(int, alignment);
        QFETCH(QString, colour);
        QFETCH(QStringList, checked);
        QFETCH(QString, sizeText);
        QFETCH(QString, colourText);

        DocumentWindow window;
        DocumentEditor *editor = window.editor();
        QTextCursor cursor(editor->document());
        QTextCharFormat purple;
        purple.setForeground(QColor(QStringLiteral("purple")));
        cursor.insertText(QStringLiteral("before"), purple);
        QTextBlockFormat block;
        if (alignment != 0)
            block.setAlignment(Qt::Alignment(alignment));
        cursor.insertBlock(block);
        QTextCharFormat format;
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setWeight(QFont::Weight(weight));
        font.setStyle(QFont::Style(style));
        font.setUnderline(underline);
        if (pixelSize > 0)
            font.setPixelSize(pixelSize);
        else
            font.setPointSizeF(pointSize);
        format.setFont(font);
        if (!colour.isEmpty())
            format.setForeground(QColor(colour));
        cursor.insertText(QStringLiteral("formatted words"), format);
        editor->document()->setModified(false);
        // Read-only, as a window opened without the update permission.
        editor->setReadOnly(true);
        window.setActionsEnabled(false);

        PlaceCaret(editor, 2); // in "before": purple, plain
        const DocumentState before(editor->document());
        PlaceCaret(editor, 7 + 4); // in "formatted"

        QCOMPARE(Checked({window.m_boldAction, window.m_italicAction, window.m_underlineAction})
                     + Checked(window.m_alignmentActionGroup->actions()),
                 checked);
        QCOMPARE(window.m_fontSizeComboBox->currentText(), sizeText);
        QCOMPARE(window.m_fontSizeComboBox->currentIndex() < 0, sizeText.isEmpty());
        QCOMPARE(window.m_fontColorComboBox->currentText(), colourText);
        QCOMPARE(window.m_fontNameComboBox->currentFont().family(), QStringLiteral("DejaVu Serif"));
        QVERIFY(Checked(window.m_listStyleActionGroup->actions()) == QStringList{"No Text List"});

        PlaceCaret(editor, 1);
        PlaceCaret(editor, 7 + 12);
        QVERIFY2(DocumentState(editor->document()) == before, "moving the cursor changed the text");
    }

    // The same in a text that may be changed: the boxes follow the cursor
    // without writing, and they still act when the user chooses.
    void boxesActOnlyOnTheUsersChoice()
    {
        DocumentWindow window;
        DocumentEditor *editor = window.editor();
        QTextCursor cursor(editor->document());
        QTextCharFormat large;
        large.setFontPointSize(13);
        large.setFontFamilies({QStringLiteral("DejaVu Serif")});
        large.setForeground(QColor(QStringLiteral("blue")));
        cursor.insertText(QStringLiteral("plain "));
        cursor.insertText(QStringLiteral("thirteen"), large);
        editor->document()->setModified(false);
        const int undoSteps = editor->document()->availableUndoSteps();
        const QString html = editor->document()->toHtml();

        for (const int position : {2, 9, 3, 10, 14, 1})
            PlaceCaret(editor, position);
        QCOMPARE(editor->document()->toHtml(), html);
        QCOMPARE(editor->document()->availableUndoSteps(), undoSteps);
        QVERIFY(!editor->document()->isModified());

        // The cursor in "thirteen": the user picks 18 points.
        PlaceCaret(editor, 10);
        QCOMPARE(window.m_fontSizeComboBox->currentText(), QString());
        window.m_fontSizeComboBox->setCurrentText(QStringLiteral("18"));
        QTextCursor probe(editor->document());
        probe.setPosition(11);
        QCOMPARE(probe.charFormat().fontPointSize(), 18.0);
        QVERIFY(editor->document()->isModified());
    }

    void listAtTheCursor_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("checked");
        QTest::newRow("disc") << int(QTextListFormat::ListDisc) << "Bullet List Filled Circles";
        QTest::newRow("circle") << int(QTextListFormat::ListCircle) << "Bullet List Circles";
        QTest::newRow("square") << int(QTextListFormat::ListSquare) << "Bullet List Filled Squares";
        QTest::newRow("decimal") << int(QTextListFormat::ListDecimal) << "Ordered List Decimal Values";
        QTest::newRow("lower alpha") << int(QTextListFormat::ListLowerAlpha)
                                     << "Ordered List Lowercase Latin Characters";
        QTest::newRow("upper alpha") << int(QTextListFormat::ListUpperAlpha)
                                     << "Ordered List Uppercase Latin Characters";
        QTest::newRow("lower roman") << int(QTextListFormat::ListLowerRoman)
                                     << "Numbered List Lowercase Roman Numerals";
        QTest::newRow("upper roman") << int(QTextListFormat::ListUpperRoman)
                                     << "Numbered List Uppercase Roman Numerals";
        QTest::newRow("undefined") << int(QTextListFormat::ListStyleUndefined) << "No Text List";
    }

    void listAtTheCursor()
    {
        QFETCH(int, style);
        QFETCH(QString, checked);
        DocumentWindow window;
        DocumentEditor *editor = window.editor();
        QTextCursor cursor(editor->document());
        cursor.insertText(QStringLiteral("outside"));
        cursor.insertBlock();
        cursor.insertList(QTextListFormat::Style(style));
        cursor.insertText(QStringLiteral("item"));
        const DocumentState before(editor->document());

        PlaceCaret(editor, 10);
        QCOMPARE(Checked(window.m_listStyleActionGroup->actions()), QStringList{checked});
        PlaceCaret(editor, 2);
        QCOMPARE(Checked(window.m_listStyleActionGroup->actions()), QStringList{"No Text List"});
        QVERIFY(DocumentState(editor->document()) == before);
    }

    // In a table the table actions are enabled, and only while the window
    // lets the text be changed.
    void tableActionsFollowTheCursorAndThePermission()
    {
        DocumentWindow window;
        DocumentEditor *editor = window.editor();
        const QList<QAction *> tableActions{window.m_insertRowsAction, window.m_insertColumnsAction,
                                            window.m_setColumnWidthAction, window.m_deleteRowsAction,
                                            window.m_deleteColumnsAction};
        auto enabled = [&tableActions] {
            int count = 0;
            for (const QAction *action : tableActions)
                count += action->isEnabled() ? 1 : 0;
            return count;
        };
        QCOMPARE(enabled(), 0);
        QTextCursor cursor(editor->document());
        cursor.insertText(QStringLiteral("before"));
        QTextTable *table = cursor.insertTable(2, 2);
        editor->setTextCursor(table->cellAt(1, 1).firstCursorPosition());
        QCOMPARE(enabled(), 5);
        PlaceCaret(editor, 1);
        QCOMPARE(enabled(), 0);

        window.setActionsEnabled(false);
        editor->setTextCursor(table->cellAt(0, 1).firstCursorPosition());
        QCOMPARE(enabled(), 0);
        window.setActionsEnabled(true);
        QCOMPARE(enabled(), 5);
        PlaceCaret(editor, 2);
        window.setActionsEnabled(true);
        QCOMPARE(enabled(), 0);

        // Wired to the editor: a row goes in under the cursor's.
        editor->setTextCursor(table->cellAt(0, 0).firstCursorPosition());
        window.m_insertRowsAction->trigger();
        QCOMPARE(table->rows(), 3);
        window.m_insertColumnsAction->trigger();
        QCOMPARE(table->columns(), 3);
    }

    void disablingTheActionsLeavesCloseAboutAndIndent()
    {
        DocumentWindow window;
        window.setActionsEnabled(false);
        // Every action of the window's own (not the tool bars' show-and-hide
        // actions and the places of their boxes, nor the menus' entries).
        QList<QAction *> ignored;
        for (const QToolBar *toolBar : window.findChildren<QToolBar *>())
            ignored.append(toolBar->toggleViewAction());
        for (const QMenu *menu : window.findChildren<QMenu *>())
            ignored.append(menu->menuAction());
        QStringList stillEnabled;
        for (QAction *action : window.findChildren<QAction *>()) {
            if (action->isEnabled() && !action->isSeparator() && !ignored.contains(action)
                && !qobject_cast<QWidgetAction *>(action))
                stillEnabled.append(action->text());
        }
        stillEnabled.sort();
        QCOMPARE(stillEnabled, QStringList({"About Quillane...", "Close", "Decrease Indent", "Increase Indent"}));
        for (QWidget *box :
             {static_cast<QWidget *>(window.m_fontNameComboBox), static_cast<QWidget *>(window.m_fontSizeComboBox),
              static_cast<QWidget *>(window.m_fontColorComboBox),
              static_cast<QWidget *>(window.m_iconToolBar->iconGroupComboBox()),
              static_cast<QWidget *>(window.m_iconToolBar->iconSizeComboBox()),
              static_cast<QWidget *>(window.m_iconToolBar->iconSelectionToolButton())})
            QVERIFY(!box->isEnabled());
        for (int i = 0; i < IconToolBar::MemorySize; ++i)
            QVERIFY(!window.m_iconToolBar->iconMemoryToolButton(i)->isEnabled());

        window.setActionsEnabled(true);
        QVERIFY(window.m_saveAction->isEnabled());
        QVERIFY(window.m_iconToolBar->iconMemoryToolButton(9)->isEnabled());
        QVERIFY(!window.m_insertRowsAction->isEnabled()); // no table at the cursor
    }

    void toolBarsAreShownAndHiddenTogether()
    {
        DocumentWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QList<QToolBar *> toolBars{window.m_standardToolBar, window.m_formattingToolBar, window.m_iconToolBar};
        window.setToolBarsEnabled(false);
        for (const QToolBar *toolBar : toolBars)
            QVERIFY(!toolBar->isVisible() && !toolBar->isEnabled());
        window.setToolBarsEnabled(true);
        for (const QToolBar *toolBar : toolBars)
            QVERIFY(toolBar->isVisible() && toolBar->isEnabled());
        window.toolbars(false);
        for (const QToolBar *toolBar : toolBars)
            QVERIFY(!toolBar->isVisible() && toolBar->isEnabled());
        window.toolbars(true);
        for (const QToolBar *toolBar : toolBars)
            QVERIFY(toolBar->isVisible());
    }

    void alignmentActionsAlignTheParagraph()
    {
        DocumentWindow window;
        QSignalSpy alignments(&window, &AbstractTextEditorView::setAlignment);
        window.editor()->setPlainText(QStringLiteral("one paragraph"));
        const QList<QPair<QAction *, Qt::Alignment>> cases{{window.m_alignCenterAction, Qt::AlignHCenter},
                                                           {window.m_alignRightAction, Qt::AlignRight},
                                                           {window.m_alignJustifyAction, Qt::AlignJustify},
                                                           {window.m_alignLeftAction, Qt::AlignLeft}};
        for (const auto &[action, alignment] : cases) {
            action->trigger();
            QCOMPARE(alignments.takeLast().at(0).value<Qt::Alignment>(), alignment);
            QCOMPARE(window.editor()->document()->firstBlock().blockFormat().alignment(), alignment);
            QVERIFY(action->isChecked());
        }
    }

    void formattingActionsReachTheEditor()
    {
        DocumentWindow window;
        DocumentEditor *editor = window.editor();
        editor->setPlainText(QStringLiteral("hello world"));
        PlaceCaret(editor, 2);
        window.m_boldAction->trigger();
        QCOMPARE(editor->document()->firstBlock().begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
        PlaceCaret(editor, 2);
        QVERIFY(window.m_boldAction->isChecked());
        window.m_boldAction->trigger(); // unchecks: normal weight again
        PlaceCaret(editor, 3);
        QVERIFY(!window.m_boldAction->isChecked());

        window.m_insertTextListDecimalAction->trigger();
        QVERIFY(editor->textCursor().currentList());
        QCOMPARE(editor->textCursor().currentList()->format().style(), QTextListFormat::ListDecimal);
        QCOMPARE(Checked(window.m_listStyleActionGroup->actions()), QStringList{"Ordered List Decimal Values"});
        window.m_textListUpperAlphaAction->trigger();
        QCOMPARE(editor->textCursor().currentList()->format().style(), QTextListFormat::ListUpperAlpha);
        window.m_noTextListAction->trigger();
        QVERIFY(!editor->textCursor().currentList());

        const int undoSteps = editor->document()->availableUndoSteps();
        window.getUndoAction()->trigger();
        QCOMPARE(editor->document()->availableUndoSteps(), undoSteps - 1);
        window.getRedoAction()->trigger();
        QCOMPARE(editor->document()->availableUndoSteps(), undoSteps);
        window.getSelectAllAction()->trigger();
        QCOMPARE(editor->textCursor().selectedText().size(), editor->document()->characterCount() - 1);

        const int indent = editor->textCursor().blockFormat().indent();
        window.m_increaseIndentAction->trigger();
        QCOMPARE(editor->textCursor().blockFormat().indent(), indent + 1);
        window.m_decreaseIndentAction->trigger();
        QCOMPARE(editor->textCursor().blockFormat().indent(), indent);
    }

    void anIconFromTheToolBarGoesIntoTheText()
    {
        DocumentWindow window;
        DocumentEditor *editor = window.editor();
        editor->setPlainText(QStringLiteral("icon: "));
        editor->moveCursor(QTextCursor::End);
        window.m_iconToolBar->iconSelectionToolButton()->click();
        const QString html = editor->document()->toHtml();
        QVERIFY2(html.contains(QLatin1String(
                     "src=\":/content/icons/default/action/svg/production/24px/ic_3d_rotation_24px.svg\"")),
                 qPrintable(html));
        window.m_iconToolBar->iconMemoryToolButton(0)->click();
        QCOMPARE(editor->toPlainText().count(QChar::ObjectReplacementCharacter), 2);
    }

    void checkSpellingRunsTheDialogAndPutsTheCursorBack()
    {
        DocumentWindow window;
        DocumentEditor *editor = window.editor();
        editor->setPlainText(QStringLiteral("The wrold is teh best."));
        QTextCursor caret(editor->document());
        caret.setPosition(19);
        caret.setPosition(21, QTextCursor::KeepAnchor);
        editor->setTextCursor(caret);

        testsupport::DialogAnswerer answerer;
        QString shown;
        answerer.expect([&shown](QWidget *dialog) {
            auto *spellChecker = qobject_cast<SpellCheckerDialog *>(dialog);
            QVERIFY(spellChecker);
            shown = spellChecker->findChild<QLabel *>()->text();
            spellChecker->change(); // "wrold" to its first suggestion
            spellChecker->close();
        });
        window.m_checkSpellingAction->trigger();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(shown, QStringLiteral("wrold"));
        QCOMPARE(answerer.seen().at(0).title, QStringLiteral("Spell Checker"));
        QCOMPARE(editor->toPlainText(), QStringLiteral("The world is teh best."));
        // The selection is back, moved along by the change (same length).
        QCOMPARE(editor->textCursor().selectedText(), QStringLiteral("st"));
    }

    void closeAsksTheWindowOnce()
    {
        auto *window = new RefusingWindow;
        window->m_closeAction->trigger();
        QCOMPARE(window->closeRequests, 1);
        window->m_closeAction->trigger();
        QCOMPARE(window->closeRequests, 2);
        delete window;

        QPointer<DocumentWindow> closing = new DocumentWindow;
        closing->show();
        closing->m_closeAction->trigger();
        QTRY_VERIFY(!closing); // deleted on close
    }

    void aboutShowsTheLicence()
    {
        DocumentWindow window;
        testsupport::DialogAnswerer answerer;
        answerer.expect(QDialogButtonBox::Ok);
        window.m_aboutAction->trigger();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.seen().size(), 1);
    }

    void unconnectedActionsDoNothing()
    {
        DocumentWindow window;
        DocumentEditor *editor = window.editor();
        editor->setPlainText(QStringLiteral("hello world"));
        editor->selectAll();
        QApplication::clipboard()->clear();
        const DocumentState before(editor->document());
        window.m_saveAction->trigger();
        window.m_printAction->trigger();
        window.getCutAction()->trigger();
        QVERIFY(DocumentState(editor->document()) == before);
        QVERIFY(QApplication::clipboard()->text().isEmpty());
    }

    void bothEditorsAreWiredAlike()
    {
        Window<MessageEditor> window;
        MessageEditor *editor = window.editor();
        QCOMPARE(editor->parentWidget(), &window);
        editor->setPlainText(QStringLiteral("message body"));
        PlaceCaret(editor, 3);
        window.m_italicAction->trigger();
        PlaceCaret(editor, 2);
        QVERIFY(window.m_italicAction->isChecked());
        QVERIFY(editor->document()->firstBlock().begin().fragment().charFormat().fontItalic());
        window.m_iconToolBar->iconSelectionToolButton()->click();
        QVERIFY(editor->document()->toHtml().contains(QLatin1String(":/content/icons/default/")));
    }
};

QTEST_MAIN(TestTextEditorView)
#include "tst_texteditorview.moc"
