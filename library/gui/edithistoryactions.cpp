#include "edithistoryactions.h"

#include <QAction>
#include <QTextDocument>

EditHistoryActions::EditHistoryActions(QAction *undo, QAction *redo, QAction *save, QObject *parent)
    : QObject(parent)
    , m_undo(undo)
    , m_redo(redo)
    , m_save(save)
{
}

void EditHistoryActions::setDocument(QTextDocument *document)
{
    if (m_document)
        disconnect(m_document, nullptr, this, nullptr);
    m_document = document;
    if (document) {
        connect(document, &QTextDocument::undoAvailable, this, &EditHistoryActions::update);
        connect(document, &QTextDocument::redoAvailable, this, &EditHistoryActions::update);
        connect(document, &QTextDocument::modificationChanged, this, &EditHistoryActions::update);
    }
    update();
}

void EditHistoryActions::setPermitted(bool permitted)
{
    m_permitted = permitted;
    update();
}

void EditHistoryActions::update()
{
    const bool changeable = m_permitted && m_document;
    m_undo->setEnabled(changeable && m_document->isUndoAvailable());
    m_redo->setEnabled(changeable && m_document->isRedoAvailable());
    if (m_save)
        m_save->setEnabled(changeable && m_document->isModified());
}
