#ifndef ABSTRACTTEXTEDITOR_H
#define ABSTRACTTEXTEDITOR_H

#include "abstracttextreader.h"

#include <QTextCursor>
#include <QTextListFormat>

class AbstractTextEditorView;
class QContextMenuEvent;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QTextCharFormat;

// The rich-text editor of document and message bodies: character, paragraph,
// list and table formatting, and the two clipboard operations that come in
// addition to the reader's copy, cut and paste, each announced with its size.
//
// The editor follows its window's Cut, Copy and Paste actions, which the window
// enables from the permissions of the content. Its clipboard keys and its
// context menu trigger those very actions, so they take the window's checked
// and audited way; dragging text out needs Copy and is counted as a copy, and
// text dropped in from elsewhere (or pasted from the selection buffer) needs
// Paste and is counted as a paste.
class AbstractTextEditor : public AbstractTextReader
{
    Q_OBJECT

public:
    explicit AbstractTextEditor(AbstractTextEditorView *view);

signals:
    void cursorPositionChanged(QTextCursor textCursor);
    void cutBytesToClipboard(uint bytesOut);
    void pasteBytesFromClipboard(uint bytesIn);

public slots:
    virtual void cutToClipboard();
    virtual void pasteFromClipboard();
    void handleCursorPositionChanged();
    void insertHorizontalRuler();
    void insertTextListDisc();
    void insertTextListCircle();
    void insertTextListSquare();
    void insertTextListDecimal();
    void insertTextListUpperAlpha();
    void insertTextListLowerAlpha();
    void insertTextListUpperRoman();
    void insertTextListLowerRoman();
    void insertTextList(QTextListFormat::Style style);
    void formatBold(bool isChecked);
    void formatItalic(bool isChecked);
    void formatUnderline(bool isChecked);
    void formatFont(const QString &qstring);
    void formatFontSize(const QString &qstring);
    void formatFontColor(const QString &qstring);
    void formatIncreaseIndent();
    void formatDecreaseIndent();
    void formatTextListDisc(bool isChecked);
    void formatTextListCircle(bool isChecked);
    void formatTextListSquare(bool isChecked);
    void formatTextListDecimal(bool isChecked);
    void formatTextListUpperAlpha(bool isChecked);
    void formatTextListLowerAlpha(bool isChecked);
    void formatTextListUpperRoman(bool isChecked);
    void formatTextListLowerRoman(bool isChecked);
    void formatTextList(QTextListFormat::Style style);
    void unformatTextList();
    void insertRows();
    void insertColumns();
    void deleteRows();
    void deleteColumns();
    void insertIcon(const QString &qstring);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    bool copyPermitted() const override;
    bool pastePermitted() const;

    AbstractTextEditorView *m_view;

private:
    // How text arriving through insertFromMimeData came: the counted paste,
    // a drag that started in this editor, or any other way.
    enum class Arrival
    {
        Other,
        CountedPaste,
        MoveWithin
    };

    void mergeFormatOnWordOrSelection(const QTextCharFormat &format);
    void setIndent(int change);
    bool isOwnDrag(const QDropEvent *event) const;
    bool refusesDrop(const QDropEvent *event) const;

    Arrival m_arrival;
};

#endif // ABSTRACTTEXTEDITOR_H
