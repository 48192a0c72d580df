#include "builtindictionary.h"
#include "clienttranslation.h"
#include "dictionaryentry.h"
#include "spellchecker.h"
#include "spellcheckerdialog.h"
#include "testenvironment.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextTable>
#include <QTimer>

#include <hunspell.hxx>

#include <memory>

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
const QString Complete = QStringLiteral("The spell check is complete.");

// The dialog's widgets, found by what they show.
struct DialogView
{
    explicit DialogView(SpellCheckerDialog &dialog)
    {
        for (QPushButton *button : dialog.findChildren<QPushButton *>())
            buttons.insert(button->text(), button);
        word = dialog.findChild<QLabel *>();
        suggestions = dialog.findChild<QListWidget *>();
    }

    QPushButton *button(const char *text) const { return buttons.value(QString::fromLatin1(text)); }

    // Which of the five commands can be clicked, in button order.
    QStringList enabledCommands() const
    {
        QStringList enabled;
        for (const char *text : {"Ignore", "Ignore All", "Change", "Change All", "Add to Dictionary"}) {
            if (button(text)->isEnabled())
                enabled.append(QString::fromLatin1(text));
        }
        return enabled;
    }

    QStringList suggestionTexts() const
    {
        QStringList texts;
        for (int i = 0; i < suggestions->count(); ++i)
            texts.append(suggestions->item(i)->text());
        return texts;
    }

    QMap<QString, QPushButton *> buttons;
    QLabel *word = nullptr;
    QListWidget *suggestions = nullptr;
};

const QStringList AllCommands{"Ignore", "Ignore All", "Change", "Change All", "Add to Dictionary"};
}

// The spell-check dialog's walk over a text, on the built-in dictionary.
class TestSpellCheckerDialog : public QObject
{
    Q_OBJECT

private:
    testsupport::BuiltInDictionary m_dictionary;
    QTextEdit *m_editor = nullptr;

    Hunspell &hunspell() { return *SpellChecker::instance()->getSpellChecker(); }

    std::unique_ptr<SpellCheckerDialog> open(const QString &text)
    {
        m_editor->setPlainText(text);
        return std::make_unique<SpellCheckerDialog>(*m_editor, m_editor);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(testsupport::InstallClientTranslation());
        QVERIFY(m_dictionary.setUp(*SpellChecker::instance()));
    }

    void init()
    {
        SpellChecker::instance()->reset();
        m_editor = new QTextEdit;
    }

    void cleanup()
    {
        delete m_editor;
        m_editor = nullptr;
    }

    void dialogLooksAsItShould()
    {
        auto dialog = open(QStringLiteral("wrold"));
        DialogView view(*dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Spell Checker"));
        QVERIFY(!dialog->windowIcon().isNull());
        QCOMPARE(dialog->parentWidget(), m_editor);
        QCOMPARE(view.buttons.keys(),
                 QStringList({"Add to Dictionary", "Change", "Change All", "Close", "Ignore", "Ignore All"}));
        QCOMPARE(view.word->styleSheet(), QStringLiteral("QLabel { font-size: 14px; }"));
    }

    void emptyTextIsCompleteAtOnce()
    {
        auto dialog = open(QString());
        DialogView view(*dialog);
        QCOMPARE(view.word->text(), Complete);
        QVERIFY(view.enabledCommands().isEmpty());
        QVERIFY(view.button("Close")->isEnabled());
        QCOMPARE(view.suggestions->count(), 0);
    }

    // The first word is checked even when it is the whole text.
    void aOneWordTextIsChecked_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stopsAt");
        QTest::newRow("misspelt") << "wrold"
                                  << "wrold";
        QTest::newRow("correct") << "world" << QString();
        QTest::newRow("misspelt after a blank") << " wrold"
                                                << "wrold";
        QTest::newRow("misspelt, full stop") << "wrold."
                                             << "wrold";
    }

    void aOneWordTextIsChecked()
    {
        QFETCH(QString, text);
        QFETCH(QString, stopsAt);
        auto dialog = open(text);
        DialogView view(*dialog);
        QCOMPARE(view.word->text(), stopsAt.isEmpty() ? Complete : stopsAt);
        if (stopsAt.isEmpty())
            return;
        QVERIFY(view.suggestionTexts().contains(QStringLiteral("world")));
        dialog->ignore();
        QCOMPARE(view.word->text(), Complete);
        QVERIFY(view.enabledCommands().isEmpty());
    }

    void stopsAtTheFirstRejectedWordWithItsSuggestions()
    {
        auto dialog = open(QStringLiteral("Hello, the wrold is round."));
        DialogView view(*dialog);
        QCOMPARE(view.word->text(), QStringLiteral("wrold"));
        QStringList expected;
        for (const std::string &suggestion : hunspell().suggest("wrold"))
            expected.append(QString::fromStdString(suggestion));
        QVERIFY(!expected.isEmpty());
        QCOMPARE(view.suggestionTexts(), expected);
        QCOMPARE(view.suggestions->currentRow(), 0);
        QCOMPARE(view.enabledCommands(), AllCommands);
        // The editor shows the word selected.
        QCOMPARE(m_editor->textCursor().selectedText(), QStringLiteral("wrold"));
        QCOMPARE(m_editor->textCursor().selectionStart(), 11);
    }

    void singleCharactersAreNeverChecked()
    {
        // Hunspell would reject each of these.
        for (const char *single : {"\xc3\x9f", "!", "\xc3\xa9"})
            QVERIFY2(!hunspell().spell(std::string(single)), single);
        auto dialog = open(QStringLiteral("ß ! é x 7 q teh"));
        DialogView view(*dialog);
        QCOMPARE(view.word->text(), QStringLiteral("teh"));
    }

    void aWordWithoutSuggestionsOffersNoChange()
    {
        auto dialog = open(QStringLiteral("fine xqzjvkwpfh words"));
        DialogView view(*dialog);
        QCOMPARE(view.word->text(), QStringLiteral("xqzjvkwpfh"));
        QCOMPARE(view.suggestions->count(), 0);
        QCOMPARE(view.enabledCommands(), QStringList({"Ignore", "Ignore All", "Add to Dictionary"}));
        // Change has no suggestion to use: nothing happens.
        dialog->change();
        dialog->changeAll();
        QCOMPARE(m_editor->toPlainText(), QStringLiteral("fine xqzjvkwpfh words"));
        QCOMPARE(view.word->text(), QStringLiteral("xqzjvkwpfh"));
    }

    void ignoreSkipsThisOccurrenceOnly()
    {
        auto dialog = open(QStringLiteral("teh one teh"));
        DialogView view(*dialog);
        QCOMPARE(view.word->text(), QStringLiteral("teh"));
        view.button("Ignore")->click();
        QCOMPARE(view.word->text(), QStringLiteral("teh"));
        QCOMPARE(m_editor->textCursor().selectionStart(), 8);
        view.button("Ignore")->click();
        QCOMPARE(view.word->text(), Complete);
        QCOMPARE(m_editor->toPlainText(), QStringLiteral("teh one teh"));
    }

    void changeReplacesThisOccurrenceOnly()
    {
        auto dialog = open(QStringLiteral("teh one teh"));
        DialogView view(*dialog);
        view.suggestions->setCurrentRow(view.suggestionTexts().indexOf(QStringLiteral("the")));
        view.button("Change")->click();
        QCOMPARE(m_editor->toPlainText(), QStringLiteral("the one teh"));
        QCOMPARE(view.word->text(), QStringLiteral("teh"));
    }

    // Change All replaces the shown word and every later occurrence (same
    // letter case) without stopping; an earlier one is not revisited.
    void changeAllChangesOnlyLaterOccurrences()
    {
        auto dialog = open(QStringLiteral("teh one, teh two.\n\nTeh three teh wrold teh"));
        DialogView view(*dialog);
        view.button("Ignore")->click();
        QCOMPARE(view.word->text(), QStringLiteral("teh"));
        view.suggestions->setCurrentRow(view.suggestionTexts().indexOf(QStringLiteral("the")));
        view.button("Change All")->click();
        // "Teh" is another word: the walk stops there.
        QCOMPARE(view.word->text(), QStringLiteral("Teh"));
        view.button("Ignore")->click();
        QCOMPARE(view.word->text(), QStringLiteral("wrold"));
        QCOMPARE(m_editor->toPlainText(), QStringLiteral("teh one, the two.\n\nTeh three the wrold teh"));
        view.button("Ignore")->click();
        QCOMPARE(view.word->text(), Complete);
        QCOMPARE(m_editor->toPlainText(), QStringLiteral("teh one, the two.\n\nTeh three the wrold the"));
    }

    void ignoreAllSkipsLaterOccurrencesAndTeachesHunspellAtTheEnd()
    {
        auto dialog = open(QStringLiteral("quillane one quillane two wrold quillane"));
        DialogView view(*dialog);
        QCOMPARE(view.word->text(), QStringLiteral("quillane"));
        view.button("Ignore All")->click();
        QCOMPARE(view.word->text(), QStringLiteral("wrold"));
        view.button("Ignore")->click();
        QCOMPARE(view.word->text(), Complete);
        QVERIFY(!hunspell().spell(std::string("quillane")));
        dialog.reset();
        QVERIFY(hunspell().spell(std::string("quillane")));
        // Ignored is not added: nothing goes to the server.
        QVERIFY(SpellChecker::instance()->getDictionaryEntries().isEmpty());

        // The next check accepts it.
        auto next = open(QStringLiteral("quillane wrold"));
        QCOMPARE(DialogView(*next).word->text(), QStringLiteral("wrold"));
    }

    void addToDictionaryKeepsTheWordForTheServer()
    {
        auto dialog = open(QStringLiteral("na\u00efve halvemoor na\u00efve"));
        DialogView view(*dialog);
        QCOMPARE(view.word->text(), QStringLiteral("na\u00efve"));
        view.button("Add to Dictionary")->click();
        QCOMPARE(view.word->text(), QStringLiteral("halvemoor"));
        view.button("Add to Dictionary")->click();
        QCOMPARE(view.word->text(), Complete);

        const QSet<DictionaryEntry> &entries = SpellChecker::instance()->getDictionaryEntries();
        QCOMPARE(entries.size(), 2);
        const auto naive = entries.find(DictionaryEntry("na\xc3\xafve", "", "", DictionaryEntry::Private));
        QVERIFY(naive != entries.end());
        QCOMPARE(naive->getDescription(), std::string());
        QCOMPARE(naive->getDefinition(), std::string());
        QCOMPARE(naive->getAccess(), DictionaryEntry::Private);
        QVERIFY(entries.contains(DictionaryEntry("halvemoor", "", "", DictionaryEntry::Private)));

        QVERIFY(!hunspell().spell(std::string("na\xc3\xafve")));
        dialog.reset();
        QVERIFY(hunspell().spell(std::string("na\xc3\xafve")));
        QVERIFY(hunspell().spell(std::string("halvemoor")));
    }

    void theWalkCrossesParagraphs()
    {
        auto dialog = open(QStringLiteral("good\n\n\nwrold\nteh\n"));
        DialogView view(*dialog);
        QCOMPARE(view.word->text(), QStringLiteral("wrold"));
        view.button("Ignore")->click();
        QCOMPARE(view.word->text(), QStringLiteral("teh"));
        view.button("Ignore")->click();
        QCOMPARE(view.word->text(), Complete);
    }

    void theWalkGoesIntoTablesAndPastPictures()
    {
        m_editor->clear();
        QTextCursor cursor(m_editor->document());
        cursor.insertText(QStringLiteral("Before "));
        QTextTable *table = cursor.insertTable(1, 2);
        table->cellAt(0, 0).firstCursorPosition().insertText(QStringLiteral("fine"));
        table->cellAt(0, 1).firstCursorPosition().insertText(QStringLiteral("wrold"));
        cursor.movePosition(QTextCursor::End);
        // Pictures and icons right before and after words, as the icon tool
        // bar puts them: a word ends at them.
        cursor.insertImage(QStringLiteral(":icons/32x32/spellcheck.png"));
        cursor.insertText(QStringLiteral(" teh"));
        cursor.insertImage(QStringLiteral(":icons/32x32/spellcheck.png"));
        cursor.insertText(QStringLiteral("recieved fine"));
        cursor.insertImage(QStringLiteral(":icons/32x32/spellcheck.png"));
        cursor.insertImage(QStringLiteral(":icons/32x32/spellcheck.png"));
        SpellCheckerDialog dialog(*m_editor, m_editor);
        DialogView view(dialog);
        QCOMPARE(view.word->text(), QStringLiteral("wrold"));
        dialog.ignore();
        QCOMPARE(view.word->text(), QStringLiteral("teh"));
        QCOMPARE(m_editor->textCursor().selectedText(), QStringLiteral("teh"));
        DialogView(dialog).suggestions->setCurrentRow(DialogView(dialog).suggestionTexts().indexOf("the"));
        dialog.change();
        QCOMPARE(view.word->text(), QStringLiteral("recieved"));
        dialog.ignore();
        QCOMPARE(view.word->text(), Complete);
        // The pictures stay where they were.
        QCOMPARE(m_editor->toPlainText().count(QChar::ObjectReplacementCharacter), 4);
        QVERIFY(m_editor->toPlainText().endsWith(QStringLiteral(" the\uFFFCrecieved fine\uFFFC\uFFFC")));
    }

    // Whatever stands at the end of the text, the walk ends.
    void theWalkAlwaysEnds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("blanks") << "fine   ";
        QTest::newRow("marks") << "fine!!! ... ,,,";
        QTest::newRow("lone mark") << "!";
        QTest::newRow("empty lines") << "\n\n\n";
        QTest::newRow("tab and line breaks") << "fine\t\u2028\u2029words\n";
        QTest::newRow("apostrophes and hyphens") << "don't it's x-ray well-known";
        QTest::newRow("digits") << "3.14 42 1,000,000";
    }

    void theWalkAlwaysEnds()
    {
        QFETCH(QString, text);
        auto dialog = open(text);
        DialogView view(*dialog);
        // Ignore, at most once per character: every stop moves on.
        for (int stops = 0; view.word->text() != Complete && stops <= text.size(); ++stops)
            dialog->ignore();
        QCOMPARE(view.word->text(), Complete);
    }

    void aLongCorrectTextIsWalkedInOneStep()
    {
        QString text;
        const QString sentence = QStringLiteral("The quick brown fox jumps over the lazy dog while the "
                                                "committee reviews every spelling of the document. ");
        while (text.size() < 200000)
            text += sentence;
        text += QStringLiteral("wrold");
        QElapsedTimer timer;
        timer.start();
        auto dialog = open(text);
        DialogView view(*dialog);
        QCOMPARE(view.word->text(), QStringLiteral("wrold"));
        qInfo("%lld ms for %lld characters", static_cast<long long>(timer.elapsed()),
              static_cast<long long>(text.size()));
    }

    void closeEndsTheModalRun()
    {
        auto dialog = open(QStringLiteral("wrold"));
        QTimer::singleShot(0, DialogView(*dialog).button("Close"), &QPushButton::click);
        dialog->exec();
        QVERIFY(!dialog->isVisible());
    }
};

QTEST_MAIN(TestSpellCheckerDialog)
#include "tst_spellcheckerdialog.moc"
