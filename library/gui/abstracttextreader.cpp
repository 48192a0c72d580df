#include "abstracttextreader.h"

#include "filechooser.h"
#include "finddialog.h"
#include "printdialogrunner.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QDrag>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocumentWriter>

namespace
{
// The writer takes the format from the suffix: .txt gives UTF-8 plain text, and
// the other suffixes it knows give HTML, OpenDocument text or Markdown. A name
// it does not know, or one without a suffix, is still a request for a text
// file, so it gets plain text rather than nothing.
QByteArray TextExportFormat(const QString &fileName)
{
    static const QList<QByteArray> WriterSuffixes{"txt", "htm", "html", "odt", "odf", "md", "mkd", "markdown"};
    const QByteArray suffix = QFileInfo(fileName).suffix().toLower().toLatin1();
    return WriterSuffixes.contains(suffix) ? suffix : QByteArrayLiteral("plaintext");
}

// The printer reports no failure of its own, so the file is opened once before
// printing to learn whether it can be written at all, and looked at after.
bool PrintToPdfFile(const QTextEdit &edit, const QString &fileName)
{
    {
        QFile probe(fileName);
        if (!probe.open(QIODevice::WriteOnly))
            return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(fileName);
    printer.setOutputFormat(QPrinter::PdfFormat);
    edit.print(&printer);
    return QFileInfo(fileName).size() > 0;
}
}

AbstractTextReader::AbstractTextReader(QWidget *parent)
    : QTextEdit(parent)
    , m_copyAvailable(false)
    , m_selectionReleased(false)
    , m_dragState(DragState::None)
{
    setFocusPolicy(Qt::ClickFocus);
    connect(this, &QTextEdit::copyAvailable, this, &AbstractTextReader::updateCopyAvailable);
}

bool AbstractTextReader::getCopyAvailable() const
{
    return m_copyAvailable;
}

uint AbstractTextReader::plainTextLength() const
{
    return static_cast<uint>(toPlainText().size());
}

void AbstractTextReader::findText()
{
    FindDialog dialog(*this, this);
    dialog.exec();
}

void AbstractTextReader::exportToTextFile(const QString &pathName)
{
    const QString fileName = utils::AskFileName(
        {utils::FileQuestion::SaveFile, this, tr("ExportToTextFile"), pathName, QStringLiteral("Text Files (*.txt)")});
    if (fileName.isEmpty())
        return;
    QTextDocumentWriter writer(fileName, TextExportFormat(fileName));
    if (!writer.write(document())) {
        reportExportFailure(fileName);
        return;
    }
    emit exportBytesToTextFile(plainTextLength());
}

void AbstractTextReader::exportToPdfFile(const QString &pathName)
{
    const QString fileName = utils::AskFileName(
        {utils::FileQuestion::SaveFile, this, tr("ExportToPdfFile"), pathName, QStringLiteral("PDF Files (*.pdf)")});
    if (fileName.isEmpty())
        return;
    if (!PrintToPdfFile(*this, fileName)) {
        reportExportFailure(fileName);
        return;
    }
    emit exportBytesToPdfFile(plainTextLength());
}

void AbstractTextReader::print(const QString &)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!utils::RunPrintDialog(printer, this, tr("PrintDialog"), textCursor().hasSelection()))
        return;
    // The text edit prints only the selection when the user chose that range;
    // the count is the whole document's either way.
    QTextEdit::print(&printer);
    emit printBytes(plainTextLength());
}

void AbstractTextReader::printPreview(const QString &)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer);
    connect(
        &dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *target) { QTextEdit::print(target); },
        Qt::DirectConnection);
    if (dialog.exec() == QDialog::Accepted)
        emit printBytes(plainTextLength());
}

void AbstractTextReader::copyToClipboard()
{
    if (!m_copyAvailable)
        return;
    const QString selected = textCursor().selectedText();
    withSelectionReleased([this] { copy(); });
    emit copyBytesToClipboard(static_cast<uint>(selected.size()));
}

void AbstractTextReader::updateCopyAvailable(bool yes)
{
    m_copyAvailable = yes;
}

void AbstractTextReader::focusInEvent(QFocusEvent *event)
{
    emit focusIn(event);
    QTextEdit::focusInEvent(event);
}

void AbstractTextReader::keyPressEvent(QKeyEvent *event)
{
    // The copy key takes the counted way; a reader has no counted cut or paste,
    // so those keys are spent here rather than moving text unannounced.
    if (event->matches(QKeySequence::Copy)) {
        if (copyPermitted())
            copyToClipboard();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Cut) || event->matches(QKeySequence::Paste)) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void AbstractTextReader::mousePressEvent(QMouseEvent *event)
{
    const bool onSelection = pressStartsDrag(event);
    m_dragState = onSelection ? DragState::Pending : DragState::None;
    m_dragStartPosition = event->position().toPoint();
    QTextEdit::mousePressEvent(event);
}

void AbstractTextReader::mouseMoveEvent(QMouseEvent *event)
{
    // A press on the selection is a drag in the making: the text edit would
    // start a drag of its own, so it does not see these moves.
    if (m_dragState != DragState::None && (event->buttons() & Qt::LeftButton)) {
        if (m_dragState == DragState::Pending
            && (event->position().toPoint() - m_dragStartPosition).manhattanLength()
                   > QApplication::startDragDistance()) {
            m_dragState = DragState::Done;
            if (copyPermitted())
                dragSelection();
        }
        event->accept();
        return;
    }
    QTextEdit::mouseMoveEvent(event);
}

void AbstractTextReader::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragState = DragState::None;
    QTextEdit::mouseReleaseEvent(event);
}

QMimeData *AbstractTextReader::createMimeDataFromSelection() const
{
    if (m_selectionReleased)
        return QTextEdit::createMimeDataFromSelection();
    // Asked outside the counted ways (the text edit's own copy or the selection
    // buffer): nothing leaves.
    return new QMimeData;
}

bool AbstractTextReader::copyPermitted() const
{
    return true;
}

bool AbstractTextReader::pressStartsDrag(const QMouseEvent *event) const
{
    // The same test the text edit makes before it starts a drag: a plain left
    // press on the selected text itself.
    if (event->button() != Qt::LeftButton || (event->modifiers() & Qt::ShiftModifier)
        || !(textInteractionFlags() & Qt::TextSelectableByMouse))
        return false;
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return false;
    const QPoint position = event->position().toPoint();
    const int hit = cursorForPosition(position).position();
    if (hit < cursor.selectionStart() || hit > cursor.selectionEnd())
        return false;
    const QPointF documentPosition =
        QPointF(position) + QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
    return document()->documentLayout()->hitTest(documentPosition, Qt::ExactHit) != -1;
}

void AbstractTextReader::dragSelection()
{
    const QString selected = textCursor().selectedText();
    // The text edit takes a drop from its own viewport as a move inside the text.
    QPointer<QDrag> drag = new QDrag(viewport());
    withSelectionReleased([this, &drag] { drag->setMimeData(createMimeDataFromSelection()); });
    const Qt::DropActions actions = isReadOnly() ? Qt::DropActions(Qt::CopyAction) : (Qt::CopyAction | Qt::MoveAction);
    const Qt::DropAction action = drag->exec(actions, isReadOnly() ? Qt::CopyAction : Qt::MoveAction);
    if (drag.isNull() || action == Qt::IgnoreAction)
        return;
    // Text dropped elsewhere has been copied out of this text (it is never
    // removed here, whatever the target did); moved within, it has not.
    const QObject *target = drag->target();
    if (target != viewport() && target != this)
        emit copyBytesToClipboard(static_cast<uint>(selected.size()));
}

void AbstractTextReader::reportExportFailure(const QString &fileName)
{
    QMessageBox box(QMessageBox::Warning, tr("ExportFailedTitle"),
                    tr("ExportFailed").arg(QDir::toNativeSeparators(fileName)), QMessageBox::Ok, this);
    box.exec();
}
