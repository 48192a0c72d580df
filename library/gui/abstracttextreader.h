#ifndef ABSTRACTTEXTREADER_H
#define ABSTRACTTEXTREADER_H

#include <QPoint>
#include <QTextEdit>

class QFocusEvent;
class QKeyEvent;
class QMimeData;
class QMouseEvent;

// The rich-text widget on which every document and message body is shown, and
// the base of the editors. It adds the ways content can leave the program
// (export to a text or PDF file, print, copy) and announces each that went
// ahead with its size in UTF-16 code units, for the owning window to audit.
//
// Every way the text edit has of handing text out of itself (its own copy and
// cut, the copy key, dragging, the X11 selection buffer) is routed through one
// gate: only the counted operations and a counted drag release the selection;
// anything else receives no text.
class AbstractTextReader : public QTextEdit
{
    Q_OBJECT

public:
    explicit AbstractTextReader(QWidget *parent = nullptr);

    // Whether the text cursor holds a non-empty selection, as last reported by
    // the text edit.
    bool getCopyAvailable() const;

    // The size that the counted operations report: the document's plain text in
    // UTF-16 code units (a paragraph break or an embedded object counts one).
    uint plainTextLength() const;

signals:
    void focusIn(QFocusEvent *focusEvent);
    void exportBytesToTextFile(uint bytesOut);
    void exportBytesToPdfFile(uint bytesOut);
    void printBytes(uint bytesOut);
    void copyBytesToClipboard(uint bytesOut);

public slots:
    virtual void findText();
    virtual void exportToTextFile(const QString &pathName);
    virtual void exportToPdfFile(const QString &pathName);
    virtual void print(const QString &fileName);
    virtual void printPreview(const QString &fileName);
    virtual void copyToClipboard();
    virtual void updateCopyAvailable(bool yes);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;

    // Whether the owner lets the selection be copied out at all; the editors
    // follow their window's Copy action. A reader copies whatever can be
    // selected in it.
    virtual bool copyPermitted() const;

    // Runs operation with the selection released to the clipboard or a drag.
    template <typename Operation>
    void withSelectionReleased(Operation operation)
    {
        const bool previous = m_selectionReleased;
        m_selectionReleased = true;
        operation();
        m_selectionReleased = previous;
    }

private:
    enum class DragState
    {
        None,    // no press on the selection
        Pending, // pressed on the selection; a move beyond the drag distance drags
        Done     // dragged or refused; further moves of this press are ignored
    };

    bool pressStartsDrag(const QMouseEvent *event) const;
    void dragSelection();
    void reportExportFailure(const QString &fileName);

    bool m_copyAvailable;
    bool m_selectionReleased;
    DragState m_dragState;
    QPoint m_dragStartPosition;
};

#endif // ABSTRACTTEXTREADER_H
