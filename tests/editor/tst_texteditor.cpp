#include "dialoganswerer.h"
#include "documenteditor.h"
#include "editortestsupport.h"
#include "inserttabledialog.h"
#include "messageeditor.h"
#include "settings.h"
#include "syntheticdrag.h"
#include "testenvironment.h"
#include "textdocument.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QDrag>
#include <QImage>
#include <QInputDialog>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QTimer>

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
const QString HelloWorld = QStringLiteral("hello world");

void Select(QTextEdit *edit, int start, int end)
{
    QTextCursor cursor(edit->document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
}

void PlaceCaret(QTextEdit *edit, int position)
{
    Select(edit, position, position);
}

// The character format of the character just before position.
QTextCharFormat FormatAt(const QTextEdit *edit, int position)
{
    QTextCursor cursor(edit->document());
    cursor.setPosition(position);
    return cursor.charFormat();
}

QTextTable *InsertTable(QTextEdit *edit, int rows, int columns)
{
    QTextCursor cursor = edit->textCursor();
    QTextTable *table = cursor.insertTable(rows, columns);
    return table;
}

QTextTable *FirstTable(QTextDocument *document)
{
    for (QTextFrame *frame : document->rootFrame()->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(frame))
            return table;
    }
    return nullptr;
}

void PlaceInCell(QTextEdit *edit, QTextTable *table, int row, int column)
{
    edit->setTextCursor(table->cellAt(row, column).firstCursorPosition());
}

// An editor that lets the test hand it text the way the middle button pastes
// the selection buffer.
class SelectionBufferEditor : public DocumentEditor
{
public:
    using DocumentEditor::DocumentEditor;
    void pasteSelectionBuffer(const QMimeData *data) { insertFromMimeData(data); }
};

QMimeData *TextData(const QString &text)
{
    auto *data = new QMimeData;
    data->setText(text);
    return data;
}

}

// The editor: formatting, lists and tables, pictures through the "pictures"
// search path, and the counted, permission-checked ways in and out of it.
class TestTextEditor : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_homePictures;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(editortest::InstallTranslation());
        // The editor reads the home picture directory once per run.
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("home/Pictures")));
        qputenv("HOME", m_dir.filePath(QStringLiteral("home")).toLocal8Bit());
        m_homePictures = Settings().getHomePictureDirectory();
        QVERIFY(!m_homePictures.isEmpty());
    }

    void editorIsBuiltForWriting()
    {
        editortest::EditorWindow window;
        TextEditor *editor = window.editor();
        QCOMPARE(editor->parentWidget(), &window);
        QCOMPARE(editor->lineWrapMode(), QTextEdit::WidgetWidth);
        QCOMPARE(editor->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(editor->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            QCOMPARE(editor->palette().brush(group, QPalette::Highlight), QBrush(Qt::lightGray));
            QCOMPARE(editor->palette().brush(group, QPalette::HighlightedText), QBrush(Qt::black));
        }
        MessageEditor messages(&window);
        QCOMPARE(messages.lineWrapMode(), QTextEdit::WidgetWidth);
    }

    void characterFormats_data()
    {
        QTest::addColumn<QByteArray>("slot");
        QTest::addColumn<QVariant>("argument");
        QTest::addColumn<int>("property");
        QTest::addColumn<QVariant>("expected");

        QTest::newRow("bold") << QByteArray("formatBold") << QVariant(true) << int(QTextFormat::FontWeight)
                              << QVariant(700);
        QTest::newRow("bold unchecked is normal weight")
            << QByteArray("formatBold") << QVariant(false) << int(QTextFormat::FontWeight) << QVariant(400);
        QTest::newRow("italic") << QByteArray("formatItalic") << QVariant(true) << int(QTextFormat::FontItalic)
                                << QVariant(true);
        QTest::newRow("underline") << QByteArray("formatUnderline") << QVariant(true)
                                   << int(QTextFormat::TextUnderlineStyle)
                                   << QVariant(int(QTextCharFormat::SingleUnderline));
        QTest::newRow("no underline") << QByteArray("formatUnderline") << QVariant(false)
                                      << int(QTextFormat::TextUnderlineStyle)
                                      << QVariant(int(QTextCharFormat::NoUnderline));
        QTest::newRow("font") << QByteArray("formatFont") << QVariant(QStringLiteral("DejaVu Serif"))
                              << int(QTextFormat::FontFamilies) << QVariant(QStringList{"DejaVu Serif"});
        QTest::newRow("size") << QByteArray("formatFontSize") << QVariant(QStringLiteral("13"))
                              << int(QTextFormat::FontPointSize) << QVariant(13.0);
        QTest::newRow("size that is no number") << QByteArray("formatFontSize") << QVariant(QStringLiteral("abc"))
                                                << int(QTextFormat::FontPointSize) << QVariant(0.0);
        QTest::newRow("size box without text changes nothing")
            << QByteArray("formatFontSize") << QVariant(QString()) << int(QTextFormat::FontPointSize) << QVariant();
        QTest::newRow("colour") << QByteArray("formatFontColor") << QVariant(QStringLiteral("Red"))
                                << int(QTextFormat::ForegroundBrush) << QVariant(QBrush(QColor(Qt::red)));
        QTest::newRow("colour named in two words")
            << QByteArray("formatFontColor") << QVariant(QStringLiteral("Dark Red"))
            << int(QTextFormat::ForegroundBrush) << QVariant(QBrush(QColor(0x8b, 0, 0)));
        QTest::newRow("colour that is no colour") << QByteArray("formatFontColor") << QVariant(QStringLiteral("Sky"))
                                                  << int(QTextFormat::ForegroundBrush) << QVariant(QBrush(QColor()));
    }

    void characterFormats()
    {
        QFETCH(QByteArray, slot);
        QFETCH(QVariant, argument);
        QFETCH(int, property);
        QFETCH(QVariant, expected);

        editortest::EditorWindow window;
        TextEditor *editor = window.editor();
        editor->setPlainText(HelloWorld);
        PlaceCaret(editor, 2); // inside "hello"
        const bool invoked =
            argument.typeId() == QMetaType::Bool
                ? QMetaObject::invokeMethod(editor, slot.constData(), Q_ARG(bool, argument.toBool()))
                : QMetaObject::invokeMethod(editor, slot.constData(), Q_ARG(QString, argument.toString()));
        QVERIFY(invoked);
        QCOMPARE(FormatAt(editor, 3).property(property), expected); // the word under the caret
        QVERIFY(!FormatAt(editor, 9).hasProperty(property));        // "world"
        QTest::keyClicks(editor, QStringLiteral("X"));              // typed next
        QCOMPARE(FormatAt(editor, 3).property(property), expected);
        QCOMPARE(editor->toPlainText(), QStringLiteral("heXllo world"));
    }

    void formatAppliesToTheSelection()
    {
        editortest::EditorWindow window;
        TextEditor *editor = window.editor();
        editor->setPlainText(HelloWorld);
        Select(editor, 6, 11);
        editor->formatBold(true);
        QCOMPARE(FormatAt(editor, 8).fontWeight(), 700);
        QVERIFY(!FormatAt(editor, 3).hasProperty(QTextFormat::FontWeight));
    }

    void indent()
    {
        editortest::EditorWindow window;
        TextEditor *editor = window.editor();
        editor->setPlainText(QStringLiteral("one\ntwo\nthree"));
        QTextDocument *document = editor->document();
        editor->formatDecreaseIndent();
        QVERIFY(!document->isUndoAvailable());
        QCOMPARE(document->firstBlock().blockFormat().indent(), 0);

        Select(editor, 0, 5); // "one" and part of "two"
        editor->formatIncreaseIndent();
        editor->formatIncreaseIndent();
        QCOMPARE(document->findBlockByNumber(0).blockFormat().indent(), 2);
        QCOMPARE(document->findBlockByNumber(1).blockFormat().indent(), 2);
        QCOMPARE(document->findBlockByNumber(2).blockFormat().indent(), 0);
        editor->formatDecreaseIndent();
        QCOMPARE(document->findBlockByNumber(1).blockFormat().indent(), 1);
        // Each change is one undo step for all the paragraphs it touched.
        editor->undo();
        QCOMPARE(document->findBlockByNumber(0).blockFormat().indent(), 2);
        QCOMPARE(document->findBlockByNumber(1).blockFormat().indent(), 2);
        editor->undo();
        QCOMPARE(document->findBlockByNumber(0).blockFormat().indent(), 1);
        QCOMPARE(document->findBlockByNumber(1).blockFormat().indent(), 1);
    }

    void insertedListIsOneDeeperThanItsParagraph()
    {
        editortest::EditorWindow window;
        TextEditor *editor = window.editor();
        editor->setPlainText(QStringLiteral("text"));
        QTextBlockFormat indented;
        indented.setIndent(2);
        editor->textCursor().mergeBlockFormat(indented);
        editor->moveCursor(QTextCursor::End);
        editor->insertTextListUpperRoman();
        QTextList *list = editor->textCursor().currentList();
        QVERIFY(list);
        QCOMPARE(list->format().style(), QTextListFormat::ListUpperRoman);
        QCOMPARE(list->format().indent(), 3);
        QCOMPARE(editor->document()->blockCount(), 2);
        QVERIFY(!editor->document()->firstBlock().textList());
    }

    void listStyles_data()
    {
        QTest::addColumn<QByteArray>("slot");
        QTest::addColumn<int>("style");
        QTest::newRow("disc") << QByteArray("formatTextListDisc") << int(QTextListFormat::ListDisc);
        QTest::newRow("circle") << QByteArray("formatTextListCircle") << int(QTextListFormat::ListCircle);
        QTest::newRow("square") << QByteArray("formatTextListSquare") << int(QTextListFormat::ListSquare);
        QTest::newRow("decimal") << QByteArray("formatTextListDecimal") << int(QTextListFormat::ListDecimal);
        QTest::newRow("upper alpha") << QByteArray("formatTextListUpperAlpha") << int(QTextListFormat::ListUpperAlpha);
        QTest::newRow("lower alpha") << QByteArray("formatTextListLowerAlpha") << int(QTextListFormat::ListLowerAlpha);
        QTest::newRow("upper roman") << QByteArray("formatTextListUpperRoman") << int(QTextListFormat::ListUpperRoman);
        QTest::newRow("lower roman") << QByteArray("formatTextListLowerRoman") << int(QTextListFormat::ListLowerRoman);
    }

    void listStyles()
    {
        QFETCH(QByteArray, slot);
        QFETCH(int, style);
        editortest::EditorWindow window;
        TextEditor *editor = window.editor();
        editor->setPlainText(QStringLiteral("one\ntwo"));
        QVERIFY(QMetaObject::invokeMethod(editor, slot.constData(), Q_ARG(bool, false)));
        QVERIFY(!editor->textCursor().currentList());

        Select(editor, 0, 5);
        QVERIFY(QMetaObject::invokeMethod(editor, slot.constData(), Q_ARG(bool, true)));
        QTextList *list = editor->document()->firstBlock().textList();
        QVERIFY(list);
        QCOMPARE(int(list->format().style()), style);
        QCOMPARE(list->format().indent(), 1);
        QCOMPARE(list->count(), 2);
    }

    void restylingAnItemKeepsTheListFormat()
    {
        editortest::EditorWindow window;
        TextEditor *editor = window.editor();
        editor->setPlainText(QStringLiteral("one\ntwo"));
        Select(editor, 0, 5);
        editor->formatTextListDisc(true);
        PlaceCaret(editor, 5);
        editor->formatTextListDecimal(true);
        const QTextList *first = editor->document()->findBlockByNumber(0).textList();
        const QTextList *second = editor->document()->findBlockByNumber(1).textList();
        QVERIFY(first && second && first != second);
        QCOMPARE(first->format().style(), QTextListFormat::ListDisc);
        QCOMPARE(second->format().style(), QTextListFormat::ListDecimal);
        QCOMPARE(second->format().indent(), first->format().indent());
    }

    void leavingAListResetsTheIndent()
    {
        editortest::EditorWindow window;
        TextEditor *editor = window.editor();
        editor->setPlainText(QStringLiteral("one\ntwo"));
        Select(editor, 0, 5);
        editor->formatTextListSquare(true);
        PlaceCaret(editor, 5);
        editor->unformatTextList();
        const QTextBlock second = editor->document()->findBlockByNumber(1);
        QVERIFY(!second.textList());
        QCOMPARE(second.blockFormat().indent(), 0);
        QVERIFY(editor->document()->firstBlock().textList());

        const QString before = editor->toHtml();
        editor->unformatTextList(); // outside any list
        QCOMPARE(editor->toHtml(), before);
    }

    void tableRowsAndColumns()
    {
        editortest::EditorWindow window;
        TextEditor *editor = window.editor();
        editor->setPlainText(QStringLiteral("before"));
        editor->insertRows(); // outside a table
        editor->deleteColumns();
        QCOMPARE(editor->toPlainText(), QStringLiteral("before"));

        editor->moveCursor(QTextCursor::End);
        QTextTable *table = InsertTable(editor, 3, 3);
        PlaceInCell(editor, table, 0, 1);
        editor->deleteRows();
        QCOMPARE(table->rows(), 3);
        PlaceInCell(editor, table, 1, 0);
        editor->deleteColumns();
        QCOMPARE(table->columns(), 3);

        table->cellAt(2, 2).firstCursorPosition().insertText(QStringLiteral("x"));
        PlaceInCell(editor, table, 2, 2);
        editor->insertRows();
        QCOMPARE(table->rows(), 4);
        QCOMPARE(table->cellAt(2, 2).firstCursorPosition().block().text(), QStringLiteral("x"));
        QCOMPARE(table->cellAt(3, 2).firstCursorPosition().block().text(), QString());
        PlaceInCell(editor, table, 2, 2);
        editor->insertColumns();
        QCOMPARE(table->columns(), 4);
        PlaceInCell(editor, table, 1, 1);
        editor->deleteRows();
        editor->deleteColumns();
        QCOMPARE(table->rows(), 3);
        QCOMPARE(table->columns(), 3);

        editor->moveCursor(QTextCursor::End);
        QTextTable *single = InsertTable(editor, 1, 2);
        PlaceInCell(editor, single, 0, 1);
        editor->deleteRows();
        QCOMPARE(single->rows(), 1);
    }

    void ruleAndIcon()
    {
        editortest::EditorWindow window;
        TextEditor *editor = window.editor();
        editor->setPlainText(QStringLiteral("text"));
        editor->moveCursor(QTextCursor::End);
        auto hasRule = [editor] {
            for (QTextBlock block = editor->document()->firstBlock(); block.isValid(); block = block.next()) {
                if (block.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth))
                    return true;
            }
            return false;
        };
        editor->insertHorizontalRuler();
        QVERIFY(hasRule());
        editor->undo(); // one step
        QVERIFY(!hasRule());
        QCOMPARE(editor->toPlainText(), QStringLiteral("text"));
        editor->redo();

        editor->insertIcon(QStringLiteral(":icons/32x32/key.png"));
        QVERIFY(editor->toHtml().contains(QStringLiteral("<img src=\":icons/32x32/key.png\"")));
    }

    void cursorMovesAreAnnounced()
    {
        editortest::EditorWindow window;
        TextEditor *editor = window.editor();
        editor->setPlainText(HelloWorld);
        QList<int> positions;
        connect(editor, &AbstractTextEditor::cursorPositionChanged, this,
                [&](QTextCursor cursor) { positions.append(cursor.position()); });
        PlaceCaret(editor, 4);
        QCOMPARE(positions, QList<int>{4});
    }

    void cutAndPasteSizes_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("selectionEnd"); // from 0; -1 none
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("clipboard"); // empty: an image only
        QTest::addColumn<QStringList>("announced");
        QTest::addColumn<QString>("textAfter");

        const QString bmp = QStringLiteral("a") + QString::fromUcs4(U"\U0001F600");
        QTest::newRow("cut a word") << "cut" << 5 << false << "before" << QStringList{"cut 5"} << " world";
        QTest::newRow("cut without selection") << "cut" << -1 << false << "before" << QStringList() << HelloWorld;
        QTest::newRow("cut read-only") << "cut" << 5 << true << "before" << QStringList() << HelloWorld;
        QTest::newRow("paste outside the BMP")
            << "paste" << -1 << false << bmp << QStringList{"paste 3"} << bmp + HelloWorld;
        QTest::newRow("paste over a selection")
            << "paste" << 5 << false << "bye" << QStringList{"paste 3"} << "bye world";
        QTest::newRow("paste an image only") << "paste" << -1 << false << "" << QStringList() << HelloWorld;
        QTest::newRow("paste read-only") << "paste" << -1 << true << "bye" << QStringList() << HelloWorld;
    }

    void cutAndPasteSizes()
    {
        QFETCH(QString, operation);
        QFETCH(int, selectionEnd);
        QFETCH(bool, readOnly);
        QFETCH(QString, clipboard);
        QFETCH(QStringList, announced);
        QFETCH(QString, textAfter);

        editortest::EditorWindow window;
        TextEditor *editor = window.editor();
        editor->setPlainText(HelloWorld);
        editor->setReadOnly(readOnly);
        PlaceCaret(editor, 0);
        if (selectionEnd >= 0)
            Select(editor, 0, selectionEnd);
        if (clipboard.isEmpty()) {
            QImage image(4, 4, QImage::Format_RGB32);
            image.fill(Qt::blue);
            QApplication::clipboard()->setImage(image);
        } else {
            QApplication::clipboard()->setText(clipboard);
        }
        editortest::SizeLog log(editor);
        if (operation == QLatin1String("cut"))
            editor->cutToClipboard();
        else
            editor->pasteFromClipboard();
        QCOMPARE(log.entries, announced);
        QCOMPARE(editor->toPlainText(), textAfter);
        if (operation == QLatin1String("cut") && !announced.isEmpty())
            QCOMPARE(QApplication::clipboard()->text(), HelloWorld.left(selectionEnd));
    }

    void clipboardKeysFollowTheActions_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<bool>("cutEnabled");
        QTest::addColumn<bool>("copyEnabled");
        QTest::addColumn<bool>("pasteEnabled");
        QTest::addColumn<QStringList>("announced");
        QTest::addColumn<QString>("textAfter");
        QTest::addColumn<QString>("clipboardAfter");

        const QKeySequence copy(Qt::CTRL | Qt::Key_C);
        const QKeySequence cut(Qt::CTRL | Qt::Key_X);
        const QKeySequence paste(Qt::CTRL | Qt::Key_V);
        QTest::newRow("copy") << copy << true << true << true << QStringList{"copy 5"} << HelloWorld << "hello";
        QTest::newRow("copy forbidden") << copy << true << false << true << QStringList() << HelloWorld << "before";
        QTest::newRow("copy by ctrl insert forbidden") << QKeySequence(Qt::CTRL | Qt::Key_Insert) << true << false
                                                       << true << QStringList() << HelloWorld << "before";
        QTest::newRow("cut") << cut << true << true << true << QStringList{"cut 5"} << " world"
                             << "hello";
        QTest::newRow("cut needs copy") << cut << true << false << true << QStringList() << HelloWorld << "before";
        QTest::newRow("cut needs cut") << cut << false << true << true << QStringList() << HelloWorld << "before";
        QTest::newRow("cut by shift delete forbidden") << QKeySequence(Qt::SHIFT | Qt::Key_Delete) << true << false
                                                       << true << QStringList() << HelloWorld << "before";
        QTest::newRow("paste") << paste << true << true << true << QStringList{"paste 6"} << "before world"
                               << "before";
        QTest::newRow("paste forbidden") << paste << true << true << false << QStringList() << HelloWorld << "before";
        QTest::newRow("paste by shift insert forbidden") << QKeySequence(Qt::SHIFT | Qt::Key_Insert) << true << true
                                                         << false << QStringList() << HelloWorld << "before";
        QTest::newRow("other keys still type")
            << QKeySequence(Qt::Key_Z) << false << false << false << QStringList() << "z world"
            << "before";
    }

    void clipboardKeysFollowTheActions()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(bool, cutEnabled);
        QFETCH(bool, copyEnabled);
        QFETCH(bool, pasteEnabled);
        QFETCH(QStringList, announced);
        QFETCH(QString, textAfter);
        QFETCH(QString, clipboardAfter);

        editortest::EditorWindow window;
        TextEditor *editor = window.editor();
        editor->setPlainText(HelloWorld);
        Select(editor, 0, 5);
        window.getCutAction()->setEnabled(cutEnabled);
        window.getCopyAction()->setEnabled(copyEnabled);
        window.getPasteAction()->setEnabled(pasteEnabled);
        QApplication::clipboard()->setText(QStringLiteral("before"));
        editortest::SizeLog log(editor);
        QTest::keySequence(editor, keys);
        QCOMPARE(log.entries, announced);
        QCOMPARE(editor->toPlainText(), textAfter);
        QCOMPARE(QApplication::clipboard()->text(), clipboardAfter);
    }

    void contextMenuOffersTheWindowsActions_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QStringList>("announced");
        QTest::addColumn<QString>("textAfter");

        QTest::newRow("copy") << "Copy" << true << QStringList{"copy 5"} << HelloWorld;
        QTest::newRow("copy forbidden") << "Copy" << false << QStringList() << HelloWorld;
        QTest::newRow("cut") << "Cut" << true << QStringList{"cut 5"} << " world";
        QTest::newRow("cut forbidden") << "Cut" << false << QStringList() << HelloWorld;
        QTest::newRow("paste") << "Paste" << true << QStringList{"paste 6"} << "before world";
        QTest::newRow("paste forbidden") << "Paste" << false << QStringList() << HelloWorld;
    }

    void contextMenuOffersTheWindowsActions()
    {
        QFETCH(QString, clicked);
        QFETCH(bool, enabled);
        QFETCH(QStringList, announced);
        QFETCH(QString, textAfter);

        editortest::EditorWindow window;
        window.resize(800, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        TextEditor *editor = window.editor();
        editor->setPlainText(HelloWorld);
        Select(editor, 0, 5);
        const QList<QAction *> actions{window.getCutAction(), window.getCopyAction(), window.getPasteAction()};
        for (QAction *action : actions) {
            if (action->text() == clicked)
                action->setEnabled(enabled);
        }
        QApplication::clipboard()->setText(QStringLiteral("before"));
        editortest::SizeLog log(editor);

        QStringList shown;
        QTimer::singleShot(0, this, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction *action : menu->actions())
                shown.append(action->isSeparator() ? QStringLiteral("---") : action->text());
            for (QAction *action : menu->actions()) {
                if (action->text() == clicked)
                    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            }
            if (menu->isVisible())
                menu->close();
        });
        const QPoint point(10, 10);
        QContextMenuEvent event(QContextMenuEvent::Mouse, point, editor->viewport()->mapToGlobal(point));
        QApplication::sendEvent(editor->viewport(), &event);

        QCOMPARE(shown, QStringList({"Undo", "Redo", "---", "Cut", "Copy", "Paste"}));
        QCOMPARE(log.entries, announced);
        QCOMPARE(editor->toPlainText(), textAfter);
    }

    void draggingTextOutNeedsCopy_data()
    {
        QTest::addColumn<bool>("copyEnabled");
        QTest::newRow("copy permitted") << true;
        QTest::newRow("copy forbidden") << false;
    }

    void draggingTextOutNeedsCopy()
    {
        QFETCH(bool, copyEnabled);
        editortest::EditorWindow window;
        window.resize(800, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        TextEditor *editor = window.editor();
        editor->setPlainText(HelloWorld);
        Select(editor, 0, 5);
        window.getCopyAction()->setEnabled(copyEnabled);
        QTextCursor inside(editor->document());
        inside.setPosition(2);
        const QPoint start = editor->cursorRect(inside).center();
        QWidget *viewport = editor->viewport();

        QTest::mousePress(viewport, Qt::LeftButton, {}, start);
        QTest::mouseMove(viewport, start + QPoint(QApplication::startDragDistance() + 10, 0));
        // A drag that started leaves its QDrag behind until the event loop
        // deletes it.
        QCOMPARE(viewport->findChild<QDrag *>() != nullptr, copyEnabled);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, start);
        QCOMPARE(editor->toPlainText(), HelloWorld);
    }

    void droppedTextIsAPaste_data()
    {
        QTest::addColumn<bool>("pasteEnabled");
        QTest::addColumn<QStringList>("announced");
        QTest::addColumn<QString>("textAfter");

        QTest::newRow("from elsewhere") << true << QStringList{"paste 4"} << "hello worldtext";
        QTest::newRow("from elsewhere, paste forbidden") << false << QStringList() << HelloWorld;
    }

    void droppedTextIsAPaste()
    {
        QFETCH(bool, pasteEnabled);
        QFETCH(QStringList, announced);
        QFETCH(QString, textAfter);

        editortest::EditorWindow window;
        window.resize(800, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        TextEditor *editor = window.editor();
        editor->setPlainText(HelloWorld);
        Select(editor, 0, 5);
        window.getPasteAction()->setEnabled(pasteEnabled);
        editortest::SizeLog log(editor);

        // Synthetic events have no drag behind them, so they come from
        // elsewhere.
        QMimeData data;
        data.setText(QStringLiteral("text"));
        QTextCursor end(editor->document());
        end.movePosition(QTextCursor::End);
        const QPoint point = editor->cursorRect(end).center() + QPoint(2, 0);
        testsupport::SyntheticDrag drag(editor, &data, Qt::MoveAction | Qt::CopyAction);
        QCOMPARE(drag.enter(point), pasteEnabled);
        QCOMPARE(drag.drop(point), pasteEnabled);
        QCOMPARE(log.entries, announced);
        QCOMPARE(editor->toPlainText(), textAfter);
    }

    void selectionBufferPasteIsAPaste_data()
    {
        QTest::addColumn<bool>("pasteEnabled");
        QTest::addColumn<QStringList>("announced");
        QTest::addColumn<QString>("textAfter");
        QTest::newRow("permitted") << true << QStringList{"paste 4"} << "texthello world";
        QTest::newRow("forbidden") << false << QStringList() << HelloWorld;
    }

    void selectionBufferPasteIsAPaste()
    {
        QFETCH(bool, pasteEnabled);
        QFETCH(QStringList, announced);
        QFETCH(QString, textAfter);
        editortest::EditorWindow window;
        SelectionBufferEditor editor(&window);
        editor.setPlainText(HelloWorld);
        PlaceCaret(&editor, 0);
        window.getPasteAction()->setEnabled(pasteEnabled);
        editortest::SizeLog log(&editor);
        std::unique_ptr<QMimeData> data(TextData(QStringLiteral("text")));
        editor.pasteSelectionBuffer(data.get());
        QCOMPARE(log.entries, announced);
        QCOMPARE(editor.toPlainText(), textAfter);
    }

    void pictureIsStoredByItsSearchPathName()
    {
        const QString pictures = m_dir.filePath(QStringLiteral("img"));
        QVERIFY(QDir().mkpath(pictures));
        const QString directory = QDir(pictures).canonicalPath();
        QImage picture(10, 6, QImage::Format_RGB32);
        picture.fill(Qt::green);
        QVERIFY(picture.save(pictures + QStringLiteral("/map.png")));
        QVERIFY(picture.save(pictures + QStringLiteral("/plan.png")));
        QFile notAPicture(pictures + QStringLiteral("/notes.png"));
        QVERIFY(notAPicture.open(QIODevice::WriteOnly));
        notAPicture.write("no picture");
        notAPicture.close();
        Settings().setPictureDirectories({QStringLiteral("/srv/shared")});
        QDir::setSearchPaths(QStringLiteral("pictures"), {});

        editortest::EditorWindow window;
        TextEditor *editor = window.editor();
        editortest::FileAnswers files({QString(), pictures + QStringLiteral("/notes.png"),
                                       pictures + QStringLiteral("/map.png"), pictures + QStringLiteral("/plan.png")});
        editor->insertPicture(); // cancelled
        editor->insertPicture(); // not a picture
        QCOMPARE(editor->toPlainText(), QString());
        QCOMPARE(Settings().getPictureDirectories(), QStringList{"/srv/shared"});

        editor->insertPicture();
        const QTextImageFormat image = FormatAt(editor, 1).toImageFormat();
        QCOMPARE(image.name(), QStringLiteral("pictures:map.png"));
        QCOMPARE(image.width(), 10.0);
        QCOMPARE(image.height(), 6.0);
        QVERIFY(editor->toHtml().contains(QStringLiteral("src=\"pictures:map.png\" width=\"10\" height=\"6\"")));
        QCOMPARE(Settings().getPictureDirectories(), QStringList({"/srv/shared", directory}));
        QCOMPARE(QDir::searchPaths(QStringLiteral("pictures")), QStringList{directory});

        editor->insertPicture(); // the same directory again
        QCOMPARE(Settings().getPictureDirectories(), QStringList({"/srv/shared", directory}));
        QCOMPARE(QDir::searchPaths(QStringLiteral("pictures")), QStringList{directory});

        const QList<utils::FileQuestion> &asked = files.questions();
        QCOMPARE(asked.size(), 4);
        QCOMPARE(asked.at(0).kind, utils::FileQuestion::OpenFile);
        QCOMPARE(asked.at(0).caption, QStringLiteral("Select Picture"));
        QVERIFY(asked.at(0).filter.startsWith(QStringLiteral("Picture Files (*.bmp *.gif")));
        QCOMPARE(asked.at(0).path, m_homePictures);
        QCOMPARE(asked.at(1).path, m_homePictures);
        QCOMPARE(asked.at(3).path, directory);

        // Shown, the picture is found through the search path by its name.
        window.resize(400, 300);
        editor->grab();
        const QVariant loaded =
            editor->document()->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("pictures:map.png")));
        QCOMPARE(loaded.value<QImage>().size(), QSize(10, 6));
    }

    void tableFromTheDialog_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<bool>("defaults");
        QTest::newRow("described") << true << false;
        QTest::newRow("defaults") << true << true;
        QTest::newRow("cancelled") << false << false;
    }

    void tableFromTheDialog()
    {
        QFETCH(bool, accept);
        QFETCH(bool, defaults);
        editortest::EditorWindow window;
        TextEditor *editor = window.editor();
        editor->setPlainText(QStringLiteral("before"));
        editor->moveCursor(QTextCursor::End);
        testsupport::DialogAnswerer answerer;
        answerer.expect([&](QWidget *widget) {
            auto *dialog = qobject_cast<InsertTableDialog *>(widget);
            if (!dialog) {
                qobject_cast<QDialog *>(widget)->reject();
                return;
            }
            if (!defaults) {
                dialog->getRowsSpinBox()->setValue(2);
                dialog->getColumnsSpinBox()->setValue(3);
                dialog->getColumnsListWidget()->item(1)->setText(QStringLiteral("150"));
                dialog->getColumnsListWidget()->item(2)->setText(QStringLiteral("200"));
                dialog->getAlignmentComboBox()->setCurrentIndex(2);
            }
            if (accept)
                dialog->accept();
            else
                dialog->reject();
        });
        editor->insertTable();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.seen().at(0).title, QStringLiteral("Insert Table"));

        QTextTable *table = FirstTable(editor->document());
        if (!accept) {
            QVERIFY(!table);
            QCOMPARE(editor->toPlainText(), QStringLiteral("before"));
            return;
        }
        QVERIFY(table);
        const QTextTableFormat format = table->format();
        QCOMPARE(table->rows(), defaults ? 1 : 2);
        QCOMPARE(table->columns(), defaults ? 1 : 3);
        QCOMPARE(format.alignment(), defaults ? Qt::AlignLeft : Qt::AlignHCenter);
        QCOMPARE(format.cellPadding(), 1.0);
        QCOMPARE(format.cellSpacing(), 1.0);
        const QList<QTextLength> expected = defaults ? QList<QTextLength>{QTextLength(QTextLength::FixedLength, 100)}
                                                     : QList<QTextLength>{QTextLength(QTextLength::FixedLength, 100),
                                                                          QTextLength(QTextLength::FixedLength, 150),
                                                                          QTextLength(QTextLength::FixedLength, 200)};
        QCOMPARE(format.columnWidthConstraints(), expected);
        for (int row = 0; row < table->rows(); ++row) {
            for (int column = 0; column < table->columns(); ++column) {
                const QTextTableCellFormat cell = table->cellAt(row, column).format().toTableCellFormat();
                QCOMPARE(cell.topBorder(), 1.0);
                QCOMPARE(cell.bottomBorder(), 1.0);
                QCOMPARE(cell.leftBorder(), 1.0);
                QCOMPARE(cell.rightBorder(), 1.0);
            }
        }
    }

    void columnWidth()
    {
        editortest::EditorWindow window;
        TextEditor *editor = window.editor();
        testsupport::DialogAnswerer answerer;
        editor->setColumnWidth(); // outside a table: no question
        QTest::qWait(30);
        QVERIFY(answerer.seen().isEmpty());

        // Read from HTML without widths: the columns before the one set stay
        // variable.
        editor->setHtml(QStringLiteral("<table><tr><td>a</td><td>b</td><td>c</td></tr></table>"));
        QTextTable *table = FirstTable(editor->document());
        QVERIFY(table);
        PlaceInCell(editor, table, 0, 2);
        int shown = 0;
        int minimum = 0;
        int maximum = 0;
        answerer.expect([&](QWidget *widget) {
            auto *input = qobject_cast<QInputDialog *>(widget);
            shown = input->intValue();
            minimum = input->intMinimum();
            maximum = input->intMaximum();
            input->setIntValue(250);
            input->accept();
        });
        editor->setColumnWidth();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.seen().at(0).title, QStringLiteral("Set Column Width"));
        QCOMPARE(answerer.seen().at(0).text, QString());
        QCOMPARE(shown, 20);
        QCOMPARE(minimum, 20);
        QCOMPARE(maximum, 9999);
        QCOMPARE(table->format().columnWidthConstraints(),
                 QList<QTextLength>({QTextLength(QTextLength::VariableLength, 0),
                                     QTextLength(QTextLength::VariableLength, 0),
                                     QTextLength(QTextLength::FixedLength, 250)}));

        PlaceInCell(editor, table, 0, 0);
        answerer.expect([](QWidget *widget) { qobject_cast<QDialog *>(widget)->reject(); });
        editor->setColumnWidth();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(table->format().columnWidthConstraints().at(0), QTextLength(QTextLength::VariableLength, 0));
    }

    void replaceOpensTheReplaceDialogOverTheEditor()
    {
        editortest::EditorWindow window;
        testsupport::DialogAnswerer answerer;
        QWidget *parent = nullptr;
        answerer.expect([&](QWidget *dialog) {
            parent = dialog->parentWidget();
            qobject_cast<QDialog *>(dialog)->reject();
        });
        window.editor()->replaceText();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.seen().at(0).className, QStringLiteral("ReplaceDialog"));
        QCOMPARE(answerer.seen().at(0).title, QStringLiteral("Find and Replace Text"));
        QCOMPARE(parent, window.editor());
    }

    void paneSlots()
    {
        editortest::EditorWindow window;
        window.show();
        TextEditor *editor = window.editor();
        editor->setPlainText(HelloWorld);
        PlaceCaret(editor, 7);
        QVERIFY(QMetaObject::invokeMethod(editor, "hidePane"));
        QVERIFY(editor->isHidden());
        QVERIFY(QMetaObject::invokeMethod(editor, "showPane"));
        QVERIFY(!editor->isHidden());
        QCOMPARE(editor->textCursor().position(), 0);
        QVERIFY(!editor->textCursor().hasSelection());
        QVERIFY(QMetaObject::invokeMethod(editor, "resetPane"));
        QVERIFY(editor->document()->isEmpty());
    }
};

QTEST_MAIN(TestTextEditor)
#include "tst_texteditor.moc"
