#include "documentsearcheditor.h"

#include <QComboBox>
#include <QtGlobal>

QStringList DocumentSearchEditor::SubjectList;

DocumentSearchEditor::DocumentSearchEditor(QWidget *parent)
    : AbstractSearchEditor(parent)
    , m_modeDocumentName(registerMode(-1, std::string()))
    , m_modeDocumentContent(registerMode(-1, std::string()))
    , m_modeDocumentCreationDate(registerMode(-1, std::string()))
    , m_modeDocumentModificationDate(registerMode(-1, std::string()))
{
    if (SubjectList.isEmpty()) {
        SubjectList << tr("DocumentName") << tr("DocumentContent") << tr("DocumentCreationDate")
                    << tr("DocumentModificationDate");
    }
    initializeMode();
    // The first subject becomes current as it goes in, which enters its mode
    // once more; nothing listens to the commits yet.
    for (const QString &subject : SubjectList)
        m_subjectComboBox->addItem(subject);
}

DocumentSearchEditor::~DocumentSearchEditor() = default;

void DocumentSearchEditor::setSubject(int subject)
{
    if (subject < m_modeDocumentName || subject > m_modeDocumentModificationDate) {
        qWarning("DocumentSearchEditor::setSubject(%d): invalid index", subject);
        return;
    }
    m_subjectComboBox->setCurrentIndex(subject);
}

void DocumentSearchEditor::setPredicate(int predicate)
{
    const int subject = m_subjectComboBox->currentIndex();
    int count = 0;
    if (subject == m_modeDocumentName) {
        count = predicateCount(Predicates::TextComparisons);
    } else if (subject == m_modeDocumentContent) {
        count = predicateCount(Predicates::Contains);
    } else if (subject == m_modeDocumentCreationDate || subject == m_modeDocumentModificationDate) {
        count = predicateCount(Predicates::DateComparisons);
    } else {
        qWarning("AbstractSearchEditor::setPredicate(%d): invalid index", predicate);
        return;
    }
    if (predicate >= 0 && predicate < count)
        m_predicateComboBox->setCurrentIndex(predicate);
}

void DocumentSearchEditor::initializeMode()
{
    bindFieldVisibility(m_modeDocumentName, false);
    bindFieldVisibility(m_modeDocumentContent, false);
    bindFieldVisibility(m_modeDocumentCreationDate, true);
    bindFieldVisibility(m_modeDocumentModificationDate, true);
    connect(m_mode, &Mode::enterMode, this, &DocumentSearchEditor::enterMode);
    setMode(m_modeDocumentName);
}

void DocumentSearchEditor::enterMode(int mode)
{
    if (mode == m_modeDocumentName) {
        fillPredicates(Predicates::TextComparisons);
    } else if (mode == m_modeDocumentContent) {
        fillPredicates(Predicates::Contains);
    } else if (mode == m_modeDocumentCreationDate || mode == m_modeDocumentModificationDate) {
        fillPredicates(Predicates::DateComparisons);
    } else {
        m_predicateComboBox->clear();
    }
}
