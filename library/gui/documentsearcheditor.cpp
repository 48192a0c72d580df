#include "documentsearcheditor.h"

QStringList DocumentSearchEditor::SubjectList;

DocumentSearchEditor::DocumentSearchEditor(QWidget *parent)
    : AbstractSearchEditor(parent)
{
    if (SubjectList.isEmpty()) {
        SubjectList << tr("DocumentName") << tr("DocumentContent") << tr("DocumentCreationDate")
                    << tr("DocumentModificationDate");
    }
    setUpSubjects(SubjectList, {Predicates::TextComparisons, Predicates::Contains, Predicates::DateComparisons,
                                Predicates::DateComparisons});
}

DocumentSearchEditor::~DocumentSearchEditor() = default;
