#include "abstractsearcheditor.h"

#include "clock.h"
#include "linguist.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QtGlobal>

#include <iterator>

namespace
{
// Today in the machine's local time, from the program's clock.
QDate Today()
{
    const std::tm now = Clock::nowLocal();
    return QDate(now.tm_year + 1900, now.tm_mon + 1, now.tm_mday);
}

const char *const TextComparisonKeys[] = {
    QT_TRANSLATE_NOOP("Linguist", "Equal"),
    QT_TRANSLATE_NOOP("Linguist", "NotEqual"),
    QT_TRANSLATE_NOOP("Linguist", "Like"),
    QT_TRANSLATE_NOOP("Linguist", "NotLike"),
};
const char *const ContainsKeys[] = {
    QT_TRANSLATE_NOOP("Linguist", "Contains"),
};
const char *const DateComparisonKeys[] = {
    QT_TRANSLATE_NOOP("Linguist", "Equal"),           QT_TRANSLATE_NOOP("Linguist", "NotEqual"),
    QT_TRANSLATE_NOOP("Linguist", "LessThan"),        QT_TRANSLATE_NOOP("Linguist", "GreaterThan"),
    QT_TRANSLATE_NOOP("Linguist", "LessThanOrEqual"), QT_TRANSLATE_NOOP("Linguist", "GreaterThanOrEqual"),
};

template <std::size_t Count>
void AddTranslated(QComboBox *comboBox, const char *const (&keys)[Count])
{
    for (const char *key : keys)
        comboBox->addItem(Linguist::tr(key));
}
}

AbstractSearchEditor::AbstractSearchEditor(QWidget *parent)
    : QWidget(parent)
    , m_subjectComboBox(new QComboBox)
    , m_predicateComboBox(new QComboBox)
    , m_textLineEdit(new QLineEdit)
    , m_dateEdit(new QDateEdit(Today()))
    , m_mode(new Mode(this))
{
    m_subjectComboBox->setObjectName(QStringLiteral("subjectComboBox"));
    m_predicateComboBox->setObjectName(QStringLiteral("predicateComboBox"));
    m_textLineEdit->setObjectName(QStringLiteral("textLineEdit"));
    m_dateEdit->setObjectName(QStringLiteral("dateEdit"));
    initializeWindow();
}

AbstractSearchEditor::~AbstractSearchEditor() = default;

Mode *AbstractSearchEditor::mode()
{
    return m_mode;
}

int AbstractSearchEditor::getMode() const
{
    return m_mode->getMode();
}

std::string AbstractSearchEditor::getModeName(int mode) const
{
    return m_mode->getModeName(mode);
}

void AbstractSearchEditor::setMode(int mode)
{
    m_mode->setMode(mode);
}

int AbstractSearchEditor::registerMode(int parent, const std::string &name)
{
    return m_mode->registerMode(parent, name);
}

int AbstractSearchEditor::registerMode(const std::string &name, int parent)
{
    return m_mode->registerMode(name, parent);
}

void AbstractSearchEditor::registerProp(int mode, Mode::Condition condition, QObject *object,
                                        const std::string &property, const QVariant &value)
{
    m_mode->registerProp(mode, condition, object, property, value);
}

void AbstractSearchEditor::registerTran(int source, int target)
{
    m_mode->registerTran(source, target);
}

QSize AbstractSearchEditor::sizeHint() const
{
    // Room for a text of 24 wide letters beside the two combo boxes: the
    // width that fitting the criteria column to its contents gives it.
    const int width = fontMetrics().horizontalAdvance(QString(24, QLatin1Char('X')))
                      + m_subjectComboBox->sizeHint().width() + m_predicateComboBox->sizeHint().width() + 24;
    return QSize(width, m_subjectComboBox->sizeHint().height());
}

void AbstractSearchEditor::subjectChanged(int index)
{
    // The subject's index is its mode's id; entering the mode shows the
    // subject's field and refills the predicates.
    m_mode->setMode(index);
    emit commitData(this);
}

void AbstractSearchEditor::predicateChanged(int index)
{
    Q_UNUSED(index);
    emit commitData(this);
}

void AbstractSearchEditor::textEditingFinished()
{
    emit commitData(this);
}

void AbstractSearchEditor::dateChanged(const QDate &date)
{
    Q_UNUSED(date);
    emit commitData(this);
}

void AbstractSearchEditor::setSubject(int subject)
{
    if (subject < 0 || subject >= m_subjectPredicates.size()) {
        qWarning("%s::setSubject(%d): invalid index", metaObject()->className(), subject);
        return;
    }
    m_subjectComboBox->setCurrentIndex(subject);
}

void AbstractSearchEditor::setPredicate(int predicate)
{
    const int subject = m_subjectComboBox->currentIndex();
    if (subject < 0 || subject >= m_subjectPredicates.size()) {
        qWarning("AbstractSearchEditor::setPredicate(%d): invalid index", predicate);
        return;
    }
    if (predicate >= 0 && predicate < predicateCount(m_subjectPredicates.at(subject)))
        m_predicateComboBox->setCurrentIndex(predicate);
}

int AbstractSearchEditor::getSubject() const
{
    return m_subjectComboBox->currentIndex();
}

int AbstractSearchEditor::getPredicate() const
{
    return m_predicateComboBox->currentIndex();
}

QString AbstractSearchEditor::getText() const
{
    return m_textLineEdit->text().trimmed();
}

QDate AbstractSearchEditor::getDate() const
{
    return m_dateEdit->date();
}

void AbstractSearchEditor::setText(const QString &text)
{
    m_textLineEdit->setText(text.trimmed());
}

void AbstractSearchEditor::setDate(const QDate &date)
{
    if (!date.isValid()) {
        qWarning("AbstractSearchEditor::setDate(): invalid date");
        return;
    }
    m_dateEdit->setDate(date);
}

void AbstractSearchEditor::initializeWindow()
{
    m_subjectComboBox->setFrame(false);
    m_subjectComboBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_predicateComboBox->setFrame(false);
    m_predicateComboBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    // A criterion names a day that has been: the calendar offers nothing later
    // than the day the editor was built.
    m_dateEdit->setMaximumDate(Today());
    m_dateEdit->setCalendarPopup(true);
    m_dateEdit->setDisplayFormat(Linguist::tr("QDateFormat"));

    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_subjectComboBox, 0);
    layout->addWidget(m_predicateComboBox, 0);
    layout->addWidget(m_textLineEdit, 1);
    layout->addWidget(m_dateEdit, 1);
    setLayout(layout);

    connect(m_subjectComboBox, &QComboBox::currentIndexChanged, this, &AbstractSearchEditor::subjectChanged);
    connect(m_predicateComboBox, &QComboBox::currentIndexChanged, this, &AbstractSearchEditor::predicateChanged);
    connect(m_textLineEdit, &QLineEdit::editingFinished, this, &AbstractSearchEditor::textEditingFinished);
    connect(m_dateEdit, &QDateEdit::dateChanged, this, &AbstractSearchEditor::dateChanged);

    // The concrete editor has not filled its subjects yet, so this changes
    // nothing; its first subject becomes current as it is inserted.
    m_subjectComboBox->setCurrentIndex(0);
}

void AbstractSearchEditor::initializeMode()
{
    for (int subject = 0; subject < m_subjectPredicates.size(); ++subject)
        bindFieldVisibility(subject, m_subjectPredicates.at(subject) == Predicates::DateComparisons);
    connect(m_mode, &Mode::enterMode, this, &AbstractSearchEditor::enterSubjectMode);
    setMode(0);
}

void AbstractSearchEditor::setUpSubjects(const QStringList &texts, const QList<Predicates> &predicates)
{
    Q_ASSERT(texts.size() == predicates.size());
    m_subjectPredicates = predicates;
    for (int subject = 0; subject < m_subjectPredicates.size(); ++subject) {
        const int mode = registerMode(-1, std::string());
        Q_ASSERT(mode == subject);
        Q_UNUSED(mode);
    }
    initializeMode();
    for (const QString &text : texts)
        m_subjectComboBox->addItem(text);
}

void AbstractSearchEditor::enterSubjectMode(int mode)
{
    if (mode >= 0 && mode < m_subjectPredicates.size())
        fillPredicates(m_subjectPredicates.at(mode));
    else
        m_predicateComboBox->clear();
}

int AbstractSearchEditor::predicateCount(Predicates predicates)
{
    switch (predicates) {
    case Predicates::TextComparisons:
        return int(std::size(TextComparisonKeys));
    case Predicates::Contains:
        return int(std::size(ContainsKeys));
    case Predicates::DateComparisons:
        return int(std::size(DateComparisonKeys));
    }
    return 0;
}

void AbstractSearchEditor::fillPredicates(Predicates predicates)
{
    m_predicateComboBox->clear();
    switch (predicates) {
    case Predicates::TextComparisons:
        AddTranslated(m_predicateComboBox, TextComparisonKeys);
        break;
    case Predicates::Contains:
        AddTranslated(m_predicateComboBox, ContainsKeys);
        break;
    case Predicates::DateComparisons:
        AddTranslated(m_predicateComboBox, DateComparisonKeys);
        break;
    }
    m_predicateComboBox->setCurrentIndex(0);
}

void AbstractSearchEditor::bindFieldVisibility(int mode, bool dateField)
{
    registerProp(mode, Mode::Enter, m_textLineEdit, "visible", !dateField);
    registerProp(mode, Mode::Enter, m_dateEdit, "visible", dateField);
}
