#include "builtindictionary.h"
#include "dictionaryentry.h"
#include "spellchecker.h"
#include "testenvironment.h"

#include "dictionary3.pb.h"

#include <QFile>
#include <QSet>
#include <QTest>

#include <hunspell.hxx>

#include <string>
#include <vector>

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
std::vector<std::string> Suggestions(Hunspell &hunspell, const char *word)
{
    return hunspell.suggest(word);
}

bool Contains(const std::vector<std::string> &words, const char *word)
{
    return std::find(words.cbegin(), words.cend(), std::string(word)) != words.cend();
}
}

// A word of the user's dictionary, and the spell checker over the built-in
// American English dictionary.
class TestSpellChecker : public QObject
{
    Q_OBJECT

private slots:
    void builtInDictionaryIsAmericanEnglishInUtf8()
    {
        QFile dictionary(QStringLiteral(":resources/resource.dic"));
        QFile affix(QStringLiteral(":resources/resource.aff"));
        QVERIFY(dictionary.open(QIODevice::ReadOnly | QIODevice::Text));
        QVERIFY(affix.open(QIODevice::ReadOnly | QIODevice::Text));
        // The first line counts the entries.
        const int entries = dictionary.readLine().trimmed().toInt();
        QVERIFY2(entries > 49000, qPrintable(QString::number(entries)));
        QVERIFY(affix.readAll().contains("SET UTF-8"));
    }

    void entriesAreEqualByWordAlone_data()
    {
        QTest::addColumn<QByteArray>("leftWord");
        QTest::addColumn<QByteArray>("rightWord");
        QTest::addColumn<bool>("equal");
        QTest::newRow("same word") << QByteArray("aardwolf") << QByteArray("aardwolf") << true;
        QTest::newRow("letter case") << QByteArray("Aardwolf") << QByteArray("aardwolf") << false;
        QTest::newRow("utf-8") << QByteArray("na\xc3\xafve") << QByteArray("na\xc3\xafve") << true;
        QTest::newRow("prefix") << QByteArray("aard") << QByteArray("aardwolf") << false;
        QTest::newRow("both empty") << QByteArray() << QByteArray() << true;
    }

    void entriesAreEqualByWordAlone()
    {
        QFETCH(QByteArray, leftWord);
        QFETCH(QByteArray, rightWord);
        QFETCH(bool, equal);
        // Description, definition and access never count.
        const DictionaryEntry left(leftWord.toStdString(), "a mammal", "Proteles cristata", DictionaryEntry::Shared);
        const DictionaryEntry right(rightWord.toStdString(), "", "", DictionaryEntry::Private);
        QCOMPARE(left == right, equal);
        QCOMPARE(left != right, !equal);
        QCOMPARE(right == left, equal);
        if (equal)
            QCOMPARE(qHash(left), qHash(right));
        QCOMPARE(QSet<DictionaryEntry>({left, right}).size(), equal ? 1 : 2);
    }

    void hashFollowsTheWordsBytes()
    {
        const DictionaryEntry entry("zebu", "", "", DictionaryEntry::Private);
        QCOMPARE(qHash(entry), qHash(DictionaryEntry("zebu", "x", "y", DictionaryEntry::Shared)));
        QVERIFY(qHash(entry) != qHash(DictionaryEntry("Zebu", "", "", DictionaryEntry::Private)));
    }

    void entryKeepsItsFields()
    {
        DictionaryEntry entry("okapi", "an animal", "Okapia johnstoni", DictionaryEntry::Private);
        QCOMPARE(entry.getWord(), std::string("okapi"));
        QCOMPARE(entry.getDescription(), std::string("an animal"));
        QCOMPARE(entry.getDefinition(), std::string("Okapia johnstoni"));
        QCOMPARE(entry.getAccess(), DictionaryEntry::Private);

        const DictionaryEntry copy = entry;
        entry.setWord("quagga");
        entry.setDescription("extinct");
        entry.setDefinition("Equus quagga quagga");
        entry.setAccess(DictionaryEntry::Shared);
        QCOMPARE(entry.getWord(), std::string("quagga"));
        QCOMPARE(entry.getDescription(), std::string("extinct"));
        QCOMPARE(entry.getDefinition(), std::string("Equus quagga quagga"));
        QCOMPARE(entry.getAccess(), DictionaryEntry::Shared);
        QCOMPARE(copy.getWord(), std::string("okapi"));
        QVERIFY(entry != copy);
    }

    void entryConvertsToTheWireRecord()
    {
        const qorv::data::Dictionary record = DictionaryEntry("okapi", "", "", DictionaryEntry::Private);
        QVERIFY(record.has_dictionary_word());
        QVERIFY(record.has_dictionary_description());
        QVERIFY(record.has_dictionary_definition());
        QVERIFY(record.has_dictionary_access());
        QVERIFY(!record.has_dictionary_user_id());
        QCOMPARE(record.dictionary_word(), std::string("okapi"));
        QCOMPARE(record.dictionary_description(), std::string());
        QCOMPARE(record.dictionary_access(), 0);

        // Present on the wire even though empty: the two empty texts and the
        // zero travel.
        qorv::data::Dictionary parsed;
        QVERIFY(parsed.ParseFromString(record.SerializeAsString()));
        QVERIFY(parsed.has_dictionary_description());
        QVERIFY(parsed.has_dictionary_definition());
        QVERIFY(parsed.has_dictionary_access());

        const qorv::data::Dictionary full = DictionaryEntry("okapi", "d", "e", DictionaryEntry::Shared);
        QCOMPARE(full.dictionary_description(), std::string("d"));
        QCOMPARE(full.dictionary_definition(), std::string("e"));
        QCOMPARE(full.dictionary_access(), 1);
    }

    void entryWithoutAWordConvertsToAnEmptyRecord()
    {
        const qorv::data::Dictionary record =
            DictionaryEntry("", "a description", "a definition", DictionaryEntry::Shared);
        QVERIFY(!record.has_dictionary_word());
        QVERIFY(!record.has_dictionary_description());
        QVERIFY(!record.has_dictionary_definition());
        QVERIFY(!record.has_dictionary_access());
        QVERIFY(record.SerializeAsString().empty());
    }

    void checkerHasNoHunspellBeforeItsFirstReset()
    {
        SpellChecker checker;
        QVERIFY(!checker.getSpellChecker());
        QVERIFY(checker.getDictionaryEntries().isEmpty());
        QCOMPARE(SpellChecker::instance(), SpellChecker::instance());
    }

    void checksAndSuggestsWithTheBuiltInDictionary()
    {
        SpellChecker checker;
        testsupport::BuiltInDictionary dictionary;
        QVERIFY(dictionary.setUp(checker));
        Hunspell *hunspell = checker.getSpellChecker();
        for (const char *word : {"hello", "Hello", "colors", "spelling", "dictionaries", "don't"})
            QVERIFY2(hunspell->spell(std::string(word)), word);
        for (const char *word : {"helo", "teh", "wrold", "colours", "quillane"})
            QVERIFY2(!hunspell->spell(std::string(word)), word);
        QVERIFY(Contains(Suggestions(*hunspell, "wrold"), "world"));
        QVERIFY(Contains(Suggestions(*hunspell, "teh"), "the"));
        // Words travel as UTF-8 both ways.
        QVERIFY(!hunspell->spell(std::string("na\xc3\xafve")));
        QVERIFY(Contains(Suggestions(*hunspell, "na\xc3\xafve"), "naive"));
        QVERIFY(Suggestions(*hunspell, "xqzjvkwpfh").empty());
    }

    void addingAnEntryKeepsTheFirstAndTeachesHunspellNothing()
    {
        SpellChecker checker;
        testsupport::BuiltInDictionary dictionary;
        QVERIFY(dictionary.setUp(checker));
        checker.addDictionaryEntry(DictionaryEntry("quillane", "first", "", DictionaryEntry::Private));
        checker.addDictionaryEntry(DictionaryEntry("quillane", "second", "x", DictionaryEntry::Shared));
        checker.addDictionaryEntry(DictionaryEntry("Quillane", "", "", DictionaryEntry::Private));
        QCOMPARE(checker.getDictionaryEntries().size(), 2);
        const DictionaryEntry kept =
            *checker.getDictionaryEntries().find(DictionaryEntry("quillane", "", "", DictionaryEntry::Private));
        QCOMPARE(kept.getDescription(), std::string("first"));
        QCOMPARE(kept.getDefinition(), std::string());
        QCOMPARE(kept.getAccess(), DictionaryEntry::Private);
        // Hunspell learns the word only from the dialog that added it.
        QVERIFY(!checker.getSpellChecker()->spell(std::string("quillane")));
    }

    void resetForgetsTaughtWordsAndAddedEntries()
    {
        SpellChecker checker;
        testsupport::BuiltInDictionary dictionary;
        QVERIFY(dictionary.setUp(checker));
        Hunspell *before = checker.getSpellChecker();
        before->add("quillane");
        QVERIFY(before->spell(std::string("quillane")));
        checker.addDictionaryEntry(DictionaryEntry("halvemoor", "", "", DictionaryEntry::Private));

        checker.reset();
        Hunspell *after = checker.getSpellChecker();
        QVERIFY(after);
        QVERIFY(!after->spell(std::string("quillane")));
        QVERIFY(after->spell(std::string("hello")));
        QVERIFY(checker.getDictionaryEntries().isEmpty());
    }

    void missingFilesGiveACheckerThatKnowsNoWord()
    {
        SpellChecker checker;
        checker.setDictionaryFile("/nonexistent/quillane.dic");
        checker.setAffixFile("/nonexistent/quillane.aff");
        checker.reset();
        QVERIFY(checker.getSpellChecker());
        QVERIFY(!checker.getSpellChecker()->spell(std::string("hello")));
        QVERIFY(checker.getSpellChecker()->suggest("hello").empty());
    }

    void builtInResourcesAreFoundWhenFirstNeeded()
    {
        SpellChecker checker;
        checker.setDictionaryFile(":resources/resource.dic");
        checker.setAffixFile(":resources/resource.aff");
        checker.reset();
        Hunspell *hunspell = checker.getSpellChecker();
        QVERIFY(hunspell);
        QVERIFY(hunspell->spell(std::string("spelling")));
        QVERIFY(Contains(Suggestions(*hunspell, "wrold"), "world"));
        // A rebuild reads the same copies again.
        checker.reset();
        QVERIFY(checker.getSpellChecker()->spell(std::string("dictionaries")));
        // A resource that is not there is a missing file.
        checker.setDictionaryFile(":resources/nonexistent.dic");
        checker.reset();
        QVERIFY(!checker.getSpellChecker()->spell(std::string("hello")));
    }

    void pathsAreReadAtTheNextReset()
    {
        SpellChecker checker;
        testsupport::BuiltInDictionary dictionary;
        QVERIFY(dictionary.setUp(checker));
        checker.setDictionaryFile("/nonexistent/quillane.dic");
        QVERIFY(checker.getSpellChecker()->spell(std::string("hello")));
        checker.setDictionaryFile(dictionary.dictionaryFileName().toStdString());
        checker.reset();
        QVERIFY(checker.getSpellChecker()->spell(std::string("hello")));
    }
};

QTEST_MAIN(TestSpellChecker)
#include "tst_spellchecker.moc"
