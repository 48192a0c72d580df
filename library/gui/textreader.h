#ifndef TEXTREADER_H
#define TEXTREADER_H

#include "abstracttextreader.h"

// The body view of the message windows. It shows no context menu of its own: a
// right click only emits customContextMenuRequested, and the owning window
// builds the menu.
class TextReader : public AbstractTextReader
{
    Q_OBJECT

public:
    explicit TextReader(QWidget *parent = nullptr);
};

#endif // TEXTREADER_H
