#include "builtindictionary.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "consoleview.h"
#include "dialoganswerer.h"
#include "logonfixture.h"
#include "spellchecker.h"
#include "spellcheckerdialog.h"
#include "testenvironment.h"

#include "dictionary3.pb.h"
#include "insertdictionaryrequest3.pb.h"
#include "selectdictionaryreply3.pb.h"
#include "selectdictionaryrequest3.pb.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

#include <hunspell.hxx>

#include <mutex>
#include <vector>

QORV_ISOLATE_TEST_ENVIRONMENT()

using consoletest::LogOnFixture;
using testsupport::DialogAnswerer;

namespace
{
constexpr int LoggedOn = 1;
constexpr int LoggedOff = 0;

testsupport::TestReply Reply(const std::string &payload, int majorErcode = 0, int minorErcode = 0)
{
    testsupport::TestReply reply;
    reply.payload = payload;
    reply.majorErcode = majorErcode;
    reply.minorErcode = minorErcode;
    return reply;
}

bool Accepts(const char *word)
{
    return SpellChecker::instance()->getSpellChecker()->spell(std::string(word));
}
}

// The user's dictionary on the server, on the built-in American English
// dictionary: the words stored for the user are taught to the spell checker
// at log-on, and the words added during the session are stored at log-off.
class TestDictionaryExchange : public QObject
{
    Q_OBJECT

private:
    LogOnFixture m_fixture;
    testsupport::BuiltInDictionary m_dictionary;

    // What the server keeps for the user, and how it answers the select.
    std::mutex m_mutex;
    std::vector<std::string> m_stored;
    testsupport::TestReply m_selectReply;
    bool m_answerFromStore = true;

    void logOn()
    {
        DialogAnswerer answerer;
        LogOnFixture::answerLogOn(answerer, QString::fromLatin1(LogOnFixture::UserName),
                                  QString::fromLatin1(LogOnFixture::Password));
        m_fixture.triggerLogOn();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(m_fixture.console()->getMode(), LoggedOn);
    }

    void logOff()
    {
        DialogAnswerer answerer;
        answerer.expect(QMessageBox::Yes);
        m_fixture.triggerLogOff();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(m_fixture.console()->getMode(), LoggedOff);
    }

    void answerSelectWith(const testsupport::TestReply &reply)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_answerFromStore = false;
        m_selectReply = reply;
    }

    std::vector<testsupport::TestRequest> requestsOf(int majorOpcode)
    {
        std::vector<testsupport::TestRequest> found;
        for (const testsupport::TestRequest &request : m_fixture.server().requests()) {
            if (request.majorOpcode == majorOpcode)
                found.push_back(request);
        }
        return found;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_fixture.setUp());
        // The fixture's tiny dictionary gives way to the program's own.
        QVERIFY(m_dictionary.setUp(*SpellChecker::instance()));
        m_fixture.server().onRequest(common::op::SelectDictionary, [this](const testsupport::TestRequest &) {
            const std::lock_guard<std::mutex> lock(m_mutex);
            if (!m_answerFromStore)
                return m_selectReply;
            qorv::data::SelectDictionaryReply reply;
            for (const std::string &word : m_stored)
                reply.add_dictionary()->set_dictionary_word(word);
            return Reply(reply.SerializeAsString());
        });
        m_fixture.server().onRequest(common::op::InsertDictionary, [this](const testsupport::TestRequest &request) {
            qorv::data::InsertDictionaryRequest insert;
            if (insert.ParseFromString(request.payload)) {
                const std::lock_guard<std::mutex> lock(m_mutex);
                m_stored.push_back(insert.dictionary().dictionary_word());
            }
            return Reply(std::string());
        });
    }

    void init()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_stored.clear();
            m_answerFromStore = true;
        }
        QVERIFY2(m_fixture.start(), "the console manager did not open a ConsoleView");
    }

    void cleanup() { m_fixture.stop(); }

    void logOnTeachesTheStoredWords()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_stored = {"quillanese", "halvemoorish"};
        }
        QVERIFY(!Accepts("quillanese"));
        logOn();
        QVERIFY(Accepts("quillanese"));
        QVERIFY(Accepts("halvemoorish"));
        QVERIFY(Accepts("hello"));
        // Loaded words are the server's already: none waits to be stored.
        QVERIFY(SpellChecker::instance()->getDictionaryEntries().isEmpty());

        const std::vector<testsupport::TestRequest> selects = requestsOf(common::op::SelectDictionary);
        QCOMPARE(selects.size(), std::size_t(1));
        QCOMPARE(selects.at(0).minorOpcode, common::tag::Plain);
        qorv::data::SelectDictionaryRequest select;
        QVERIFY(select.ParseFromString(selects.at(0).payload));
        QCOMPARE(select.dictionary_user_id(), LogOnFixture::UserId);
        QVERIFY(!select.has_dictionary_word());
    }

    void aReplyIsReadWhateverItsErrorCodesAndWordsEndAtANul()
    {
        qorv::data::SelectDictionaryReply reply;
        reply.add_dictionary()->set_dictionary_word(std::string("quillanese\0zzz", 14));
        reply.add_dictionary(); // no word: teaches the empty word, harmlessly
        answerSelectWith(Reply(reply.SerializeAsString(), 3, 5));
        logOn();
        QVERIFY(Accepts("quillanese"));
        QVERIFY(!Accepts("zzz"));
    }

    void nothingIsTaughtFromAnEmptyOrBrokenReply_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("no stored words") << QByteArray(qorv::data::SelectDictionaryReply().SerializeAsString().c_str());
        QTest::newRow("not a reply") << QByteArray("\xff\xff\xff\xff garbage");
    }

    void nothingIsTaughtFromAnEmptyOrBrokenReply()
    {
        QFETCH(QByteArray, payload);
        answerSelectWith(Reply(payload.toStdString()));
        logOn();
        QVERIFY(!Accepts("quillanese"));
        QVERIFY(Accepts("hello"));
        QCOMPARE(m_fixture.console()->windowTitle(), QStringLiteral("Console [Ann B Lee @ 127.0.0.1]"));
    }

    // A word added in the spell-check dialog is stored at log-off, forgotten
    // by the reset, and known again after the next log-on.
    void addedWordsAreStoredAtLogOffAndLoadedAtTheNextLogOn()
    {
        logOn();
        QTextEdit editor;
        editor.setPlainText(QStringLiteral("The quillanese report"));
        {
            SpellCheckerDialog dialog(editor, &editor);
            QCOMPARE(dialog.findChild<QLabel *>()->text(), QStringLiteral("quillanese"));
            dialog.addToDictionary();
        }
        QVERIFY(Accepts("quillanese"));
        // The same word again, with another description: still one entry.
        SpellChecker::instance()->addDictionaryEntry(
            DictionaryEntry("quillanese", "later", "", DictionaryEntry::Private));
        SpellChecker::instance()->addDictionaryEntry(DictionaryEntry("Halvemoor", "", "", DictionaryEntry::Private));
        m_fixture.server().clearRequests();

        logOff();
        QCOMPARE(m_fixture.majors(), QList<int>({20, 20, 4}));
        QList<std::string> words;
        for (const testsupport::TestRequest &request : requestsOf(common::op::InsertDictionary)) {
            QCOMPARE(request.minorOpcode, common::tag::Plain);
            qorv::data::InsertDictionaryRequest insert;
            QVERIFY(insert.ParseFromString(request.payload));
            QCOMPARE(insert.dictionary().dictionary_user_id(), LogOnFixture::UserId);
            QVERIFY(insert.dictionary().has_dictionary_description());
            if (insert.dictionary().dictionary_word() == "quillanese")
                QCOMPARE(insert.dictionary().dictionary_description(), std::string());
            words.append(insert.dictionary().dictionary_word());
        }
        std::sort(words.begin(), words.end());
        QCOMPARE(words, QList<std::string>({"Halvemoor", "quillanese"}));
        // The reset: back to the built-in dictionary alone.
        QVERIFY(!Accepts("quillanese"));
        QVERIFY(SpellChecker::instance()->getDictionaryEntries().isEmpty());

        m_fixture.stop();
        QVERIFY(m_fixture.start());
        logOn();
        QVERIFY(Accepts("quillanese"));
        QVERIFY(Accepts("Halvemoor"));
    }

    void logOffWithoutAddedWordsStoresNothing()
    {
        logOn();
        m_fixture.server().clearRequests();
        logOff();
        QCOMPARE(m_fixture.majors(), QList<int>({4}));
    }
};

QTEST_MAIN(TestDictionaryExchange)
#include "tst_dictionaryexchange.moc"
