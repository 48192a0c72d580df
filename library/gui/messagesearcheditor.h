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

    void setSubject(int subject) override;
    void setPredicate(int predicate) override;
    void initializeMode() override;

public slots:
    void enterMode(int mode);

private:
    // Translated once, by the first editor of the process, and shared by all.
    static QStringList SubjectList;

    int m_modeMessageFrom;
    int m_modeMessageSubject;
    int m_modeMessageContent;
    int m_modeMessageCreationDate;
    int m_modeMessageModificationDate;
};

#endif // MESSAGESEARCHEDITOR_H
