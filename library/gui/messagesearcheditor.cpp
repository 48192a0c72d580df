#include "messagesearcheditor.h"

#include <QtGlobal>

QStringList MessageSearchEditor::SubjectList;

MessageSearchEditor::MessageSearchEditor(QWidget *parent)
    : AbstractSearchEditor(parent)
{
    if (SubjectList.isEmpty()) {
        SubjectList << tr("MessageFrom") << tr("MessageSubject") << tr("MessageContent") << tr("MessageCreationDate")
                    << tr("MessageModificationDate");
    }
    setUpSubjects(SubjectList, {Predicates::TextComparisons, Predicates::TextComparisons, Predicates::Contains,
                                Predicates::DateComparisons, Predicates::DateComparisons});
}

MessageSearchEditor::~MessageSearchEditor() = default;

void MessageSearchEditor::setPredicate(int predicate)
{
    if (getSubject() < 0) {
        qWarning("MessageSearchEditor::setPredicate(%d): invalid index", predicate);
        return;
    }
    AbstractSearchEditor::setPredicate(predicate);
}
