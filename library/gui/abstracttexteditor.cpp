#include "abstracttexteditor.h"

#include "abstracttexteditorview.h"

#include <QAction>
#include <QClipboard>
#include <QColor>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocumentFragment>
#include <QTextList>
#include <QTextTable>

namespace
{
constexpr int BoldWeight = 700;
constexpr int NormalWeight = 400;

// The plain text that a drop or a selection-buffer paste brings in, which is
// what such a paste counts.
QString ArrivingText(const QMimeData &source)
{
    if (source.hasText())
        return source.text();
    if (source.hasHtml())
        return QTextDocumentFragment::fromHtml(source.html()).toPlainText();
    return QString();
}

// The table and cell at the cursor, or none when the cursor is outside a table
// or on no valid cell.
QTextTable *TableAt(const QTextCursor &cursor, QTextTableCell *cell)
{
    QTextTable *table = cursor.currentTable();
    if (!table)
        return nullptr;
    *cell = table->cellAt(cursor);
    return cell->isValid() ? table : nullptr;
}
}

AbstractTextEditor::AbstractTextEditor(AbstractTextEditorView *view)
    : AbstractTextReader(view)
    , m_view(view)
    , m_arrival(Arrival::Other)
{
    connect(this, &QTextEdit::cursorPositionChanged, this, &AbstractTextEditor::handleCursorPositionChanged);
}

void AbstractTextEditor::cutToClipboard()
{
    // A read-only text cuts nothing, so there is nothing to announce.
    if (!getCopyAvailable() || isReadOnly())
        return;
    const QString selected = textCursor().selectedText();
    withSelectionReleased([this] { cut(); });
    emit cutBytesToClipboard(static_cast<uint>(selected.size()));
}

void AbstractTextEditor::pasteFromClipboard()
{
    const QString text = QGuiApplication::clipboard()->text(QClipboard::Clipboard);
    if (text.isEmpty() || isReadOnly())
        return;
    m_arrival = Arrival::CountedPaste;
    paste();
    m_arrival = Arrival::Other;
    emit pasteBytesFromClipboard(static_cast<uint>(text.size()));
}

void AbstractTextEditor::handleCursorPositionChanged()
{
    emit cursorPositionChanged(textCursor());
}

void AbstractTextEditor::insertHorizontalRuler()
{
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.insertHtml(QStringLiteral("<hr><br>"));
    cursor.endEditBlock();
    setTextCursor(cursor);
}

void AbstractTextEditor::insertTextListDisc()
{
    insertTextList(QTextListFormat::ListDisc);
}

void AbstractTextEditor::insertTextListCircle()
{
    insertTextList(QTextListFormat::ListCircle);
}

void AbstractTextEditor::insertTextListSquare()
{
    insertTextList(QTextListFormat::ListSquare);
}

void AbstractTextEditor::insertTextListDecimal()
{
    insertTextList(QTextListFormat::ListDecimal);
}

void AbstractTextEditor::insertTextListUpperAlpha()
{
    insertTextList(QTextListFormat::ListUpperAlpha);
}

void AbstractTextEditor::insertTextListLowerAlpha()
{
    insertTextList(QTextListFormat::ListLowerAlpha);
}

void AbstractTextEditor::insertTextListUpperRoman()
{
    insertTextList(QTextListFormat::ListUpperRoman);
}

void AbstractTextEditor::insertTextListLowerRoman()
{
    insertTextList(QTextListFormat::ListLowerRoman);
}

void AbstractTextEditor::insertTextList(QTextListFormat::Style style)
{
    QTextCursor cursor = textCursor();
    QTextListFormat format;
    format.setStyle(style);
    format.setIndent(cursor.blockFormat().indent() + 1);
    cursor.beginEditBlock();
    cursor.insertList(format);
    cursor.endEditBlock();
    setTextCursor(cursor);
}

void AbstractTextEditor::formatBold(bool isChecked)
{
    QTextCharFormat format;
    format.setFontWeight(isChecked ? BoldWeight : NormalWeight);
    mergeFormatOnWordOrSelection(format);
}

void AbstractTextEditor::formatItalic(bool isChecked)
{
    QTextCharFormat format;
    format.setFontItalic(isChecked);
    mergeFormatOnWordOrSelection(format);
}

void AbstractTextEditor::formatUnderline(bool isChecked)
{
    QTextCharFormat format;
    format.setUnderlineStyle(isChecked ? QTextCharFormat::SingleUnderline : QTextCharFormat::NoUnderline);
    mergeFormatOnWordOrSelection(format);
}

void AbstractTextEditor::formatFont(const QString &qstring)
{
    QTextCharFormat format;
    format.setFontFamilies(QStringList{qstring});
    mergeFormatOnWordOrSelection(format);
}

void AbstractTextEditor::formatFontSize(const QString &qstring)
{
    // The size box shows no text while the size at the cursor is not one of its
    // items; that is no size to apply.
    if (qstring.isEmpty())
        return;
    QTextCharFormat format;
    format.setFontPointSize(static_cast<double>(qstring.toFloat()));
    mergeFormatOnWordOrSelection(format);
}

void AbstractTextEditor::formatFontColor(const QString &qstring)
{
    // The colour box names its colours in words ("Dark Red"); the colour
    // keywords are written without blanks.
    QString name = qstring;
    name.remove(QLatin1Char(' '));
    QTextCharFormat format;
    format.setForeground(QBrush(QColor::fromString(name)));
    mergeFormatOnWordOrSelection(format);
}

void AbstractTextEditor::formatIncreaseIndent()
{
    setIndent(1);
}

void AbstractTextEditor::formatDecreaseIndent()
{
    if (textCursor().blockFormat().indent() > 0)
        setIndent(-1);
}

void AbstractTextEditor::formatTextListDisc(bool isChecked)
{
    if (isChecked)
        formatTextList(QTextListFormat::ListDisc);
}

void AbstractTextEditor::formatTextListCircle(bool isChecked)
{
    if (isChecked)
        formatTextList(QTextListFormat::ListCircle);
}

void AbstractTextEditor::formatTextListSquare(bool isChecked)
{
    if (isChecked)
        formatTextList(QTextListFormat::ListSquare);
}

void AbstractTextEditor::formatTextListDecimal(bool isChecked)
{
    if (isChecked)
        formatTextList(QTextListFormat::ListDecimal);
}

void AbstractTextEditor::formatTextListUpperAlpha(bool isChecked)
{
    if (isChecked)
        formatTextList(QTextListFormat::ListUpperAlpha);
}

void AbstractTextEditor::formatTextListLowerAlpha(bool isChecked)
{
    if (isChecked)
        formatTextList(QTextListFormat::ListLowerAlpha);
}

void AbstractTextEditor::formatTextListUpperRoman(bool isChecked)
{
    if (isChecked)
        formatTextList(QTextListFormat::ListUpperRoman);
}

void AbstractTextEditor::formatTextListLowerRoman(bool isChecked)
{
    if (isChecked)
        formatTextList(QTextListFormat::ListLowerRoman);
}

void AbstractTextEditor::formatTextList(QTextListFormat::Style style)
{
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    QTextListFormat format;
    // Restyling an item moves the touched paragraphs into a new list of the
    // same format, in the new style.
    if (const QTextList *list = cursor.currentList()) {
        format = list->format();
    } else {
        const QTextBlockFormat blockFormat = cursor.blockFormat();
        format.setIndent(blockFormat.indent() + 1);
        cursor.setBlockFormat(blockFormat);
    }
    format.setStyle(style);
    cursor.createList(format);
    cursor.endEditBlock();
}

void AbstractTextEditor::unformatTextList()
{
    QTextCursor cursor = textCursor();
    QTextList *list = cursor.currentList();
    if (!list)
        return;
    list->remove(cursor.block());
    QTextBlockFormat format = cursor.blockFormat();
    format.setIndent(0);
    cursor.setBlockFormat(format);
}

void AbstractTextEditor::insertRows()
{
    QTextTableCell cell;
    if (QTextTable *table = TableAt(textCursor(), &cell))
        table->insertRows(cell.row() + 1, 1);
}

void AbstractTextEditor::insertColumns()
{
    QTextTableCell cell;
    if (QTextTable *table = TableAt(textCursor(), &cell))
        table->insertColumns(cell.column() + 1, 1);
}

void AbstractTextEditor::deleteRows()
{
    // The first row (and in a one-row table, the only row) stays, so the table
    // never disappears this way.
    QTextTableCell cell;
    QTextTable *table = TableAt(textCursor(), &cell);
    if (table && table->rows() > 1 && cell.row() > 0)
        table->removeRows(cell.row(), 1);
}

void AbstractTextEditor::deleteColumns()
{
    QTextTableCell cell;
    QTextTable *table = TableAt(textCursor(), &cell);
    if (table && table->columns() > 1 && cell.column() > 0)
        table->removeColumns(cell.column(), 1);
}

void AbstractTextEditor::insertIcon(const QString &qstring)
{
    insertHtml(QStringLiteral("<img src=%1>").arg(qstring));
}

void AbstractTextEditor::keyPressEvent(QKeyEvent *event)
{
    // The keys do what the window's actions do, through the actions, so they
    // are refused when the action is and announced when it would be. Cutting
    // copies, so the cut key also needs Copy.
    QAction *action = nullptr;
    bool permitted = false;
    if (event->matches(QKeySequence::Copy)) {
        action = m_view->getCopyAction();
        permitted = action->isEnabled();
    } else if (event->matches(QKeySequence::Cut)) {
        action = m_view->getCutAction();
        permitted = action->isEnabled() && copyPermitted();
    } else if (event->matches(QKeySequence::Paste)) {
        action = m_view->getPasteAction();
        permitted = action->isEnabled();
    }
    if (!action) {
        AbstractTextReader::keyPressEvent(event);
        return;
    }
    event->accept();
    if (permitted)
        action->trigger();
}

void AbstractTextEditor::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addAction(m_view->getUndoAction());
    menu.addAction(m_view->getRedoAction());
    menu.addSeparator();
    menu.addAction(m_view->getCutAction());
    menu.addAction(m_view->getCopyAction());
    menu.addAction(m_view->getPasteAction());
    menu.exec(event->globalPos());
}

void AbstractTextEditor::dragEnterEvent(QDragEnterEvent *event)
{
    if (refusesDrop(event)) {
        event->ignore();
        return;
    }
    AbstractTextReader::dragEnterEvent(event);
}

void AbstractTextEditor::dragMoveEvent(QDragMoveEvent *event)
{
    if (refusesDrop(event)) {
        event->ignore();
        return;
    }
    AbstractTextReader::dragMoveEvent(event);
}

void AbstractTextEditor::dropEvent(QDropEvent *event)
{
    if (refusesDrop(event)) {
        event->ignore();
        return;
    }
    m_arrival = isOwnDrag(event) ? Arrival::MoveWithin : Arrival::Other;
    AbstractTextReader::dropEvent(event);
    m_arrival = Arrival::Other;
}

void AbstractTextEditor::insertFromMimeData(const QMimeData *source)
{
    if (m_arrival != Arrival::Other) {
        AbstractTextReader::insertFromMimeData(source);
        return;
    }
    // Dropped from elsewhere, or pasted from the selection buffer by the
    // middle button: a paste like any other.
    if (!source || !pastePermitted())
        return;
    const QString text = ArrivingText(*source);
    if (text.isEmpty())
        return;
    AbstractTextReader::insertFromMimeData(source);
    emit pasteBytesFromClipboard(static_cast<uint>(text.size()));
}

bool AbstractTextEditor::copyPermitted() const
{
    return m_view->getCopyAction()->isEnabled();
}

bool AbstractTextEditor::pastePermitted() const
{
    return m_view->getPasteAction()->isEnabled();
}

void AbstractTextEditor::mergeFormatOnWordOrSelection(const QTextCharFormat &format)
{
    // With the caret inside a word, the word takes the format, and so does what
    // is typed next.
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::WordUnderCursor);
    cursor.mergeCharFormat(format);
    mergeCurrentCharFormat(format);
}

void AbstractTextEditor::setIndent(int change)
{
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    QTextBlockFormat format = cursor.blockFormat();
    format.setIndent(format.indent() + change);
    cursor.mergeBlockFormat(format);
    cursor.endEditBlock();
}

bool AbstractTextEditor::isOwnDrag(const QDropEvent *event) const
{
    return event->source() == viewport() || event->source() == this;
}

bool AbstractTextEditor::refusesDrop(const QDropEvent *event) const
{
    return !isOwnDrag(event) && !pastePermitted();
}
