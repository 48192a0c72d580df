#include "messagesearcheditor.h"

#include <QComboBox>
#include <QtGlobal>

QStringList MessageSearchEditor::SubjectList;

MessageSearchEditor::MessageSearchEditor(QWidget *parent)
    : AbstractSearchEditor(parent)
    , m_modeMessageFrom(registerMode(-1, std::string()))
    , m_modeMessageSubject(registerMode(-1, std::string()))
    , m_modeMessageContent(registerMode(-1, std::string()))
    , m_modeMessageCreationDate(registerMode(-1, std::string()))
    , m_modeMessageModificationDate(registerMode(-1, std::string()))
{
    if (SubjectList.isEmpty()) {
        SubjectList << tr("MessageFrom") << tr("MessageSubject") << tr("MessageContent")
                    << tr("MessageCreationDate") << tr("MessageModificationDate");
    }
    initializeMode();
    // The first subject becomes current as it goes in, which enters its mode
    // once more; nothing listens to the commits yet.
    for (const QString &subject : SubjectList)
        m_subjectComboBox->addItem(subject);
}

MessageSearchEditor::~MessageSearchEditor() = default;

void MessageSearchEditor::setSubject(int subject)
{
    if (subject < m_modeMessageFrom || subject > m_modeMessageModificationDate) {
        qWarning("MessageSearchEditor::setSubject(%d): invalid index", subject);
        return;
    }
    m_subjectComboBox->setCurrentIndex(subject);
}

void MessageSearchEditor::setPredicate(int predicate)
{
    const int subject = m_subjectComboBox->currentIndex();
    int count = 0;
    if (subject == m_modeMessageFrom || subject == m_modeMessageSubject) {
        count = predicateCount(Predicates::TextComparisons);
    } else if (subject == m_modeMessageContent) {
        count = predicateCount(Predicates::Contains);
    } else if (subject == m_modeMessageCreationDate || subject == m_modeMessageModificationDate) {
        count = predicateCount(Predicates::DateComparisons);
    } else {
        qWarning("MessageSearchEditor::setPredicate(%d): invalid index", predicate);
        return;
    }
    if (predicate >= 0 && predicate < count)
        m_predicateComboBox->setCurrentIndex(predicate);
}

void MessageSearchEditor::initializeMode()
{
    bindFieldVisibility(m_modeMessageFrom, false);
    bindFieldVisibility(m_modeMessageSubject, false);
    bindFieldVisibility(m_modeMessageContent, false);
    bindFieldVisibility(m_modeMessageCreationDate, true);
    bindFieldVisibility(m_modeMessageModificationDate, true);
    connect(m_mode, &Mode::enterMode, this, &MessageSearchEditor::enterMode);
    setMode(m_modeMessageFrom);
}

void MessageSearchEditor::enterMode(int mode)
{
    if (mode == m_modeMessageFrom || mode == m_modeMessageSubject) {
        fillPredicates(Predicates::TextComparisons);
    } else if (mode == m_modeMessageContent) {
        fillPredicates(Predicates::Contains);
    } else if (mode == m_modeMessageCreationDate || mode == m_modeMessageModificationDate) {
        fillPredicates(Predicates::DateComparisons);
    } else {
        m_predicateComboBox->clear();
    }
}
