#ifndef TEXTDOCUMENT_H
#define TEXTDOCUMENT_H

#include <QTextDocument>

// The document that the editor and reader windows install in their text
// widgets. It differs from a plain text document only in its default font, the
// body font of every document and message, which the formatting tool bar also
// reads to preset its boxes.
class TextDocument : public QTextDocument
{
    Q_OBJECT

public:
    explicit TextDocument(QObject *parent = nullptr);
};

#endif // TEXTDOCUMENT_H
