#ifndef DOCUMENTSEARCHEDITOR_H
#define DOCUMENTSEARCHEDITOR_H

#include "abstractsearcheditor.h"

#include <QStringList>

// A document criterion: the document's name or content (text), or its
// creation or modification date.
class DocumentSearchEditor : public AbstractSearchEditor
{
    Q_OBJECT

public:
    explicit DocumentSearchEditor(QWidget *parent);
    ~DocumentSearchEditor() override;

private:
    // Translated once, by the first editor of the process, and shared by all.
    static QStringList SubjectList;
};

#endif // DOCUMENTSEARCHEDITOR_H
