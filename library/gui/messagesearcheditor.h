#ifndef MESSAGESEARCHEDITOR_H
#define MESSAGESEARCHEDITOR_H

#include "abstractsearcheditor.h"

#include <QStringList>

// A message criterion: the sender, the subject or the content (text), or the
// creation or modification date.
class MessageSearchEditor : public AbstractSearchEditor
{
    Q_OBJECT

public:
    explicit MessageSearchEditor(QWidget *parent);
    ~MessageSearchEditor() override;

    // Warns under this class's own name while no subject is chosen.
    void setPredicate(int predicate) override;

private:
    // Translated once, by the first editor of the process, and shared by all.
    static QStringList SubjectList;
};

#endif // MESSAGESEARCHEDITOR_H
