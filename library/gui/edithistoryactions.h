#ifndef EDITHISTORYACTIONS_H
#define EDITHISTORYACTIONS_H

#include <QObject>
#include <QPointer>

class QAction;
class QTextDocument;

// Keeps an editor window's Undo, Redo and (where given) Save enabled only
// while they can do something with the text: Undo and Redo while there is a
// step to undo or redo, Save while the text is modified. The window still
// decides what the user may do at all: outside what it permits the three stay
// disabled whatever the text.
class EditHistoryActions : public QObject
{
    Q_OBJECT

public:
    // save may be null: a window whose Save does more than store the text
    // keeps that action to itself.
    EditHistoryActions(QAction *undo, QAction *redo, QAction *save, QObject *parent);

    // The text the actions act on; the document must outlive its use here or
    // be replaced first.
    void setDocument(QTextDocument *document);
    // Whether the window lets the user change the text at all.
    void setPermitted(bool permitted);

private:
    void update();

    QAction *const m_undo;
    QAction *const m_redo;
    QAction *const m_save;
    QPointer<QTextDocument> m_document;
    bool m_permitted = false;
};

#endif // EDITHISTORYACTIONS_H
