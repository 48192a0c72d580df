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

    void setSubject(int subject) override;
    void setPredicate(int predicate) override;
    void initializeMode() override;

public slots:
    void enterMode(int mode);

private:
    // Translated once, by the first editor of the process, and shared by all.
    static QStringList SubjectList;

    int m_modeDocumentName;
    int m_modeDocumentContent;
    int m_modeDocumentCreationDate;
    int m_modeDocumentModificationDate;
};

#endif // DOCUMENTSEARCHEDITOR_H
