#include "spellcheckerdialog.h"

#include "dictionaryentry.h"
#include "linguist.h"
#include "spellchecker.h"
#include "utils.h"

#include <QBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>

#include <hunspell.hxx>

#include <string>
#include <vector>

namespace
{
// Hunspell takes and gives UTF-8; what it gives counts up to its first NUL.
std::string Utf8(const QString &word)
{
    return std::string(word.toUtf8().constData());
}
}

SpellCheckerDialog::SpellCheckerDialog(QTextEdit &editor, QWidget *parent)
    : QDialog(parent)
    , m_editor(editor)
    , m_cursor(editor.document())
    , m_suggestions(new QListWidget(this))
    , m_word(new QLabel(this))
    , m_ignoreButton(new QPushButton(Linguist::tr("Ignore"), this))
    , m_ignoreAllButton(new QPushButton(Linguist::tr("IgnoreAll"), this))
    , m_changeButton(new QPushButton(Linguist::tr("Change"), this))
    , m_changeAllButton(new QPushButton(Linguist::tr("ChangeAll"), this))
    , m_addToDictionaryButton(new QPushButton(tr("AddToDictionary"), this))
    , m_closeButton(new QPushButton(Linguist::tr("Close"), this))
{
    setWindowTitle(tr("SpellCheckerDialogWindowTitle"));
    setWindowIcon(utils::ActionIcon("spellcheck.png"));
    m_word->setStyleSheet(QStringLiteral("QLabel { font-size: 14px; }"));
    m_word->setTextFormat(Qt::PlainText);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_ignoreButton);
    buttons->addWidget(m_ignoreAllButton);
    buttons->addWidget(m_changeButton);
    buttons->addWidget(m_changeAllButton);
    buttons->addStretch();
    buttons->addWidget(m_addToDictionaryButton);
    buttons->addStretch();
    buttons->addWidget(m_closeButton);
    auto *body = new QHBoxLayout;
    body->addWidget(m_suggestions);
    body->addStretch();
    body->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_word);
    layout->addLayout(body);

    connect(m_ignoreButton, &QPushButton::clicked, this, &SpellCheckerDialog::ignore);
    connect(m_ignoreAllButton, &QPushButton::clicked, this, &SpellCheckerDialog::ignoreAll);
    connect(m_changeButton, &QPushButton::clicked, this, &SpellCheckerDialog::change);
    connect(m_changeAllButton, &QPushButton::clicked, this, &SpellCheckerDialog::changeAll);
    connect(m_addToDictionaryButton, &QPushButton::clicked, this, &SpellCheckerDialog::addToDictionary);
    connect(m_closeButton, &QPushButton::clicked, this, &SpellCheckerDialog::close);

    m_cursor.movePosition(QTextCursor::Start);
    m_cursor.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
    checkSpelling();
}

SpellCheckerDialog::~SpellCheckerDialog()
{
    // The words ignored everywhere count as correct for the rest of the
    // session; the added ones are among them.
    Hunspell *hunspell = SpellChecker::instance()->getSpellChecker();
    if (!hunspell)
        return;
    for (const QString &word : std::as_const(m_ignoreAllWords))
        hunspell->add(Utf8(word));
}

void SpellCheckerDialog::checkSpelling()
{
    m_suggestions->clear();
    for (QPushButton *button :
         {m_ignoreButton, m_ignoreAllButton, m_changeButton, m_changeAllButton, m_addToDictionaryButton})
        button->setEnabled(false);

    // A loop, not a recursion: a long text of correct words must not deepen
    // the stack. A selection here is the first word, which the construction
    // selected: it is checked as it is, even when it ends the text (extending
    // it again would take in the marks after it).
    for (;;) {
        if (!m_cursor.hasSelection()) {
            if (m_cursor.atEnd()) {
                complete();
                return;
            }
            m_cursor.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
        }
        selectWordOnly();
        m_editor.setTextCursor(m_cursor);
        m_editor.ensureCursorVisible();

        const QString word = m_cursor.selectedText();
        if (!isAccepted(word)) {
            const auto change = m_changeAllWords.constFind(word);
            if (change == m_changeAllWords.constEnd()) {
                stopAt(word);
                return;
            }
            m_cursor.insertText(change.value());
        }
        if (!nextWord()) {
            complete();
            return;
        }
    }
}

void SpellCheckerDialog::ignore()
{
    if (!m_cursor.hasSelection())
        return;
    nextWord();
    checkSpelling();
}

void SpellCheckerDialog::ignoreAll()
{
    if (!m_cursor.hasSelection())
        return;
    m_ignoreAllWords.insert(m_word->text());
    nextWord();
    checkSpelling();
}

void SpellCheckerDialog::change()
{
    const QString suggestion = currentSuggestion();
    if (!m_cursor.hasSelection() || suggestion.isNull())
        return;
    m_cursor.insertText(suggestion);
    nextWord();
    checkSpelling();
}

void SpellCheckerDialog::changeAll()
{
    const QString suggestion = currentSuggestion();
    if (!m_cursor.hasSelection() || suggestion.isNull())
        return;
    m_changeAllWords.insert(m_word->text(), suggestion);
    change();
}

void SpellCheckerDialog::addToDictionary()
{
    if (!m_cursor.hasSelection())
        return;
    SpellChecker::instance()->addDictionaryEntry(
        DictionaryEntry(Utf8(m_word->text()), std::string(), std::string(), DictionaryEntry::Private));
    ignoreAll();
}

void SpellCheckerDialog::stopAt(const QString &word)
{
    m_word->setText(word);
    if (Hunspell *hunspell = SpellChecker::instance()->getSpellChecker()) {
        const std::vector<std::string> suggestions = hunspell->suggest(Utf8(word));
        for (const std::string &suggestion : suggestions)
            m_suggestions->addItem(QString::fromUtf8(suggestion.c_str()));
    }
    m_ignoreButton->setEnabled(true);
    m_ignoreAllButton->setEnabled(true);
    m_addToDictionaryButton->setEnabled(true);
    if (m_suggestions->count() > 0) {
        m_suggestions->setCurrentRow(0);
        m_changeButton->setEnabled(true);
        m_changeAllButton->setEnabled(true);
    }
}

void SpellCheckerDialog::complete()
{
    m_word->setText(tr("SpellCheckComplete"));
}

void SpellCheckerDialog::selectWordOnly()
{
    // A picture or an icon in the text is an object character, which the
    // word movements take for a letter; a word ends at it.
    const QString selected = m_cursor.selectedText();
    int first = 0;
    while (first < selected.size() && selected.at(first) == QChar::ObjectReplacementCharacter)
        ++first;
    int last = selected.indexOf(QChar::ObjectReplacementCharacter, first);
    if (last < 0)
        last = selected.size();
    if (first == 0 && last == selected.size())
        return;
    const int start = m_cursor.selectionStart();
    m_cursor.setPosition(start + first);
    m_cursor.setPosition(start + last, QTextCursor::KeepAnchor);
}

bool SpellCheckerDialog::nextWord()
{
    // A cursor that does not get past where it stands (the last word, or
    // whatever follows it that is no word) ends the walk, so the walk always
    // ends.
    const int from = qMax(m_cursor.anchor(), m_cursor.position());
    // Pictures right after a word are stepped over one by one: the word
    // movements would take a picture and the word glued to it for one word.
    const QTextDocument *document = m_cursor.document();
    int objects = from;
    while (document->characterAt(objects) == QChar::ObjectReplacementCharacter)
        ++objects;
    if (objects > from) {
        m_cursor.setPosition(objects);
        return !m_cursor.atEnd();
    }
    if (m_cursor.movePosition(QTextCursor::NextWord) && m_cursor.position() > from)
        return true;
    m_cursor.movePosition(QTextCursor::End);
    return false;
}

bool SpellCheckerDialog::isAccepted(const QString &word) const
{
    // A lone letter, digit or mark is not checked, and an empty selection is
    // no word.
    if (word.size() <= 1)
        return true;
    if (m_ignoreAllWords.contains(word))
        return true;
    Hunspell *hunspell = SpellChecker::instance()->getSpellChecker();
    return !hunspell || hunspell->spell(Utf8(word));
}

QString SpellCheckerDialog::currentSuggestion() const
{
    const QListWidgetItem *item = m_suggestions->currentItem();
    return item ? item->text() : QString();
}
