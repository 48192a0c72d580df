#ifndef LINGUIST_H
#define LINGUIST_H

#include <QObject>

// The translation context of the texts that many windows share (button words,
// menu titles, month and day names, permission names, key-access messages).
// Nothing ever makes one: code calls Linguist::tr(key) so that the key is
// looked up under the context "Linguist".
class Linguist : public QObject
{
    Q_OBJECT

public:
    Linguist() = delete;
};

#endif // LINGUIST_H
