#include "abstractviewwindow.h"
#include "askpasscode.h"
#include "builtinzonetable.h"
#include "clienttranslation.h"
#include "cryptographer.h"
#include "documentkeyopener.h"
#include "folderkeyopener.h"
#include "keyopenerwindow.h"
#include "keypad.h"
#include "keyrules.h"
#include "registry.h"
#include "scopedclock.h"
#include "scopedcryptographerlockfailure.h"
#include "serialized.h"
#include "timezonedatabase.h"

#include "dialoganswerer.h"

#include "documentkey3.pb.h"
#include "folderkey3.pb.h"
#include "openfolderkeyrequest3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectfolderkeyrequest3.pb.h"
#include "updatedocumentkeyrequest3.pb.h"

#include <google/protobuf/util/message_differencer.h>

#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <memory>

// Runs in the machine zone CET/CEST with the clock pinned to a Wednesday
// morning in June (see CMakeLists.txt). Requests are recorded where the
// window hands them to the bus.
namespace
{
using google::protobuf::util::MessageDifferencer;
using testsupport::KeyRules;
using testsupport::Parsed;

enum class Opening
{
    DocumentKey,          // DocumentKeyOpener::open
    FolderKeyInBrowser,   // FolderKeyOpener::open
    FolderKeyInNewBrowser // FolderKeyOpener::openInNewBrowser
};

struct SentRequest
{
    common::Opcode major;
    common::Opcode minor;
    std::string payload;
};

const int UserId = 42;
const char *const Passcode = "2468";
}

Q_DECLARE_METATYPE(Opening)
Q_DECLARE_METATYPE(qorv::data::SecurityDescriptor)

class TestKeyOpener : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AbstractViewWindow> m_window;
    std::unique_ptr<testsupport::ScopedClock> m_clock;
    QList<SentRequest> m_sent;
    std::string m_storedPasscode;

    static void addOpenings(const char *name, const qorv::data::SecurityDescriptor &rules)
    {
        QTest::addRow("document key, %s", name) << Opening::DocumentKey << rules;
        QTest::addRow("folder key in browser, %s", name) << Opening::FolderKeyInBrowser << rules;
        QTest::addRow("folder key in new browser, %s", name) << Opening::FolderKeyInNewBrowser << rules;
    }

    // The window and the prompt as the client's windows hand them over.
    bool open(Opening opening, const qorv::data::SecurityDescriptor &rules) const
    {
        const KeyOpenerWindow window(m_window.get());
        switch (opening) {
        case Opening::DocumentKey: {
            const qorv::data::DocumentKey key = testsupport::DocumentKeyWith(rules);
            return DocumentKeyOpener(key).open(window, AskPasscode);
        }
        case Opening::FolderKeyInBrowser: {
            const qorv::data::FolderKey key = testsupport::FolderKeyWith(rules);
            return FolderKeyOpener(key).open(window, AskPasscode);
        }
        case Opening::FolderKeyInNewBrowser: {
            const qorv::data::FolderKey key = testsupport::FolderKeyWith(rules);
            return FolderKeyOpener(key).openInNewBrowser(window, AskPasscode);
        }
        }
        return false;
    }

    // The request that opens the key, exactly as the rest of the program gets it.
    static bool isOpeningRequest(Opening opening, const SentRequest &sent, const qorv::data::SecurityDescriptor &rules,
                                 int userId)
    {
        switch (opening) {
        case Opening::DocumentKey: {
            qorv::data::SelectDocumentKeyRequest expected;
            expected.set_document_key_document_id(7);
            expected.set_document_key_user_id(userId);
            return 40 == sent.major && -35 == sent.minor
                   && MessageDifferencer::Equals(expected, Parsed<qorv::data::SelectDocumentKeyRequest>(sent.payload));
        }
        case Opening::FolderKeyInBrowser: {
            qorv::data::SelectFolderKeyRequest expected;
            expected.set_folder_key_user_id(userId);
            expected.set_folder_parent_id(11);
            return 43 == sent.major && -6 == sent.minor
                   && MessageDifferencer::Equals(expected, Parsed<qorv::data::SelectFolderKeyRequest>(sent.payload));
        }
        case Opening::FolderKeyInNewBrowser: {
            qorv::data::OpenFolderKeyRequest expected;
            *expected.add_folder_key() = testsupport::FolderKeyWith(rules);
            return -26 == sent.major && -36 == sent.minor
                   && MessageDifferencer::Equals(expected, Parsed<qorv::data::OpenFolderKeyRequest>(sent.payload));
        }
        }
        return false;
    }

    // Answers a message box with OK after noting how it looked.
    testsupport::DialogAnswerer::Action okRecording(QMessageBox::Icon &icon, QMessageBox::StandardButtons &buttons,
                                                    QWidget *&parent) const
    {
        return [&icon, &buttons, &parent](QWidget *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            if (!box) {
                dialog->close();
                return;
            }
            icon = box->icon();
            buttons = box->standardButtons();
            parent = box->parentWidget();
            box->button(QMessageBox::Ok)->click();
        };
    }

private slots:
    void initTestCase()
    {
        QVERIFY(testsupport::LoadBuiltInZoneTable(*TimeZoneDatabase::instance()));
        QVERIFY(testsupport::InstallClientTranslation());
        const Cryptographer *cryptographer = CryptographerSingleton::instance();
        m_storedPasscode = cryptographer->encodePassword(cryptographer->hashPassword(Passcode).value());
        QCOMPARE(m_storedPasscode.size(), std::size_t(64));
    }

    void init()
    {
        m_clock = std::make_unique<testsupport::ScopedClock>(testsupport::UtcInstant(2024, 6, 12, 10));
        qorv::data::User user;
        user.set_user_id(UserId);
        RegistrySingleton::instance()->setUser(user);
        m_sent.clear();
        m_window = std::make_unique<AbstractViewWindow>();
        connect(m_window.get(), &AbstractMainWindow::deliverRequest, this,
                [this](common::Opcode major, common::Opcode minor, const std::string &payload) {
                    m_sent.append({major, minor, payload});
                });
    }

    void cleanup()
    {
        m_window.reset();
        m_clock.reset();
    }

    void opensWithoutAnyDialog_data()
    {
        QTest::addColumn<Opening>("opening");
        QTest::addColumn<qorv::data::SecurityDescriptor>("rules");
        addOpenings("usable key", KeyRules().descriptor());
        addOpenings("inside its hours", KeyRules().hours("Europe/Berlin", "08:00:00", "17:00:00").descriptor());
        addOpenings("empty passcode", KeyRules().passcode("").descriptor());
    }

    void opensWithoutAnyDialog()
    {
        QFETCH(Opening, opening);
        QFETCH(qorv::data::SecurityDescriptor, rules);

        testsupport::DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok); // a guard: must stay unused
        QVERIFY(open(opening, rules));
        QCOMPARE(answerer.pending(), 1);
        QCOMPARE(m_sent.size(), 1);
        QVERIFY(isOpeningRequest(opening, m_sent.at(0), rules, UserId));
    }

    // After a document key has been opened, its emphasis is cleared on the
    // server with the whole key; folder keys keep theirs.
    void emphasisIsCleared_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<uint>("properties");
        QTest::addColumn<bool>("updated");
        QTest::newRow("no properties word") << false << 0u << false;
        QTest::newRow("emphasis clear") << true << 0x2u << false;
        QTest::newRow("emphasis set") << true << 0x1u << true;
        QTest::newRow("emphasis among others") << true << 0xFFFFFFFFu << true;
    }

    void emphasisIsCleared()
    {
        QFETCH(bool, present);
        QFETCH(uint, properties);
        QFETCH(bool, updated);

        qorv::data::DocumentKey key = testsupport::DocumentKeyWith(KeyRules().descriptor());
        if (present)
            key.set_document_key_properties(properties);
        QVERIFY(DocumentKeyOpener(key).open(KeyOpenerWindow(m_window.get()), AskPasscode));

        QCOMPARE(m_sent.size(), updated ? 2 : 1);
        QVERIFY(isOpeningRequest(Opening::DocumentKey, m_sent.at(0), KeyRules().descriptor(), UserId));
        if (!updated)
            return;
        QCOMPARE(m_sent.at(1).major, 56);
        QCOMPARE(m_sent.at(1).minor, -33);
        const auto request = Parsed<qorv::data::UpdateDocumentKeyRequest>(m_sent.at(1).payload);
        qorv::data::UpdateDocumentKeyRequest expected;
        *expected.mutable_document_key() = key;
        expected.mutable_document_key()->set_document_key_properties(properties & ~1u);
        QVERIFY(MessageDifferencer::Equals(expected, request));
        QVERIFY(request.document_key().has_document_key_properties());
        // The caller's key is left as it was.
        QCOMPARE(key.document_key_properties(), properties);
    }

    void folderKeyEmphasisStays()
    {
        qorv::data::FolderKey key = testsupport::FolderKeyWith(KeyRules().descriptor());
        key.set_folder_key_properties(0x1);
        const KeyOpenerWindow window(m_window.get());
        QVERIFY(FolderKeyOpener(key).open(window, AskPasscode));
        QVERIFY(FolderKeyOpener(key).openInNewBrowser(window, AskPasscode));
        QCOMPARE(m_sent.size(), 2);
        QCOMPARE(m_sent.at(0).major, 43);
        QCOMPARE(m_sent.at(1).major, -26);
    }

    // Only the first reason is shown, in the order switch, month, day, hours,
    // expiration, view permission; a refused key never asks for its passcode.
    void refusalShowsTheFirstReason_data()
    {
        QTest::addColumn<Opening>("opening");
        QTest::addColumn<qorv::data::SecurityDescriptor>("rules");
        QTest::addColumn<QString>("text");

        const KeyRules outsideHours = KeyRules().hours("Europe/Berlin", "14:00:00", "17:00:00");
        const struct
        {
            const char *name;
            KeyRules rules;
            const char *text;
        } rows[] = {
            {"switched off", KeyRules().active(0xFFFFE), "Key not active."},
            {"not in June", KeyRules().active(testsupport::AllActiveBut(6)), "Key not active this month."},
            {"not on Wednesdays", KeyRules().active(testsupport::AllActiveBut(16)), "Key not active today."},
            {"outside its hours", outsideHours, "Key not active now."},
            {"expired", KeyRules().expiration("2024-06-12 00:00:00"), "Key has expired."},
            {"no view permission", KeyRules().permissions(0xFFE), "Key view permission denied."},
            {"switched off and expired", KeyRules().active(0xFFFFE).expiration("2024-01-01"), "Key not active."},
            {"outside hours without view", KeyRules(outsideHours).permissions(0), "Key not active now."},
            {"unreadable hours", KeyRules().hours("Europe/Berlin", "eight", "17:00:00"), "Key not active now."},
            {"unreadable expiration", KeyRules().expiration("tomorrow"), "Key has expired."},
            {"no expiration date", KeyRules().expiration(""), "Key has expired."},
            {"expired with a passcode", KeyRules().expiration("2024-06-01").passcode(m_storedPasscode),
             "Key has expired."},
        };
        for (const auto &row : rows) {
            const QString text = QString::fromLatin1(row.text);
            QTest::addRow("document key, %s", row.name) << Opening::DocumentKey << row.rules.descriptor() << text;
            QTest::addRow("folder key in browser, %s", row.name)
                << Opening::FolderKeyInBrowser << row.rules.descriptor() << text;
            QTest::addRow("folder key in new browser, %s", row.name)
                << Opening::FolderKeyInNewBrowser << row.rules.descriptor() << text;
        }
    }

    void refusalShowsTheFirstReason()
    {
        QFETCH(Opening, opening);
        QFETCH(qorv::data::SecurityDescriptor, rules);
        QFETCH(QString, text);

        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QWidget *parent = nullptr;
        testsupport::DialogAnswerer answerer;
        answerer.expect(okRecording(icon, buttons, parent));
        answerer.expect(QMessageBox::Ok); // a guard: must stay unused

        QVERIFY(!open(opening, rules));
        QCOMPARE(answerer.pending(), 1);
        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(answerer.seen().at(0).className, QStringLiteral("QMessageBox"));
        QCOMPARE(answerer.seen().at(0).title, QStringLiteral("Access denied."));
        QCOMPARE(answerer.seen().at(0).text, text);
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(parent, m_window.get());
        QVERIFY(m_sent.isEmpty());
    }

    // One try: the right passcode opens; a wrong one, none, or a closed dialog
    // says "Incorrect password!" and sends nothing.
    void passcode_data()
    {
        QTest::addColumn<Opening>("opening");
        QTest::addColumn<QString>("storedPasscode");
        QTest::addColumn<QString>("keys"); // empty: the dialog is closed instead
        QTest::addColumn<bool>("opened");

        const QString stored = QString::fromStdString(m_storedPasscode);
        const struct
        {
            const char *name;
            QString storedPasscode;
            const char *keys;
            bool opened;
        } rows[] = {
            {"right passcode", stored, "2468E", true},
            {"right passcode after a correction", stored, "25D468E", true},
            {"wrong passcode", stored, "1357E", false},
            {"right passcode and one digit more", stored, "24680E", false},
            {"Enter with nothing typed", stored, "E", false},
            {"typed and deleted again", stored, "24DDE", false},
            {"dialog closed", stored, "", false},
            {"stored passcode too short", QStringLiteral("2468"), "2468E", false},
            {"stored passcode not hexadecimal", QString(64, QLatin1Char('Z')), "2468E", false},
        };
        for (const auto &row : rows) {
            const QString keys = QString::fromLatin1(row.keys);
            QTest::addRow("document key, %s", row.name)
                << Opening::DocumentKey << row.storedPasscode << keys << row.opened;
            QTest::addRow("folder key in browser, %s", row.name)
                << Opening::FolderKeyInBrowser << row.storedPasscode << keys << row.opened;
            QTest::addRow("folder key in new browser, %s", row.name)
                << Opening::FolderKeyInNewBrowser << row.storedPasscode << keys << row.opened;
        }
    }

    void passcode()
    {
        QFETCH(Opening, opening);
        QFETCH(QString, storedPasscode);
        QFETCH(QString, keys);
        QFETCH(bool, opened);

        QWidget *dialogParent = nullptr;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QWidget *boxParent = nullptr;
        testsupport::DialogAnswerer answerer;
        answerer.expect([&keys, &dialogParent](QWidget *dialog) {
            dialogParent = dialog->parentWidget();
            if (keys.isEmpty())
                dialog->close();
            else
                testsupport::TypeOnKeypad(dialog, keys);
        });
        answerer.expect(okRecording(icon, buttons, boxParent));

        const KeyRules rules = KeyRules().passcode(storedPasscode.toStdString());
        QCOMPARE(open(opening, rules.descriptor()), opened);

        QCOMPARE(answerer.seen().at(0).className, QStringLiteral("PasscodeDialog"));
        QCOMPARE(answerer.seen().at(0).title, QStringLiteral("Set Passcode"));
        QCOMPARE(dialogParent, m_window.get());
        if (opened) {
            QCOMPARE(answerer.seen().size(), 1);
            QCOMPARE(m_sent.size(), 1);
            QVERIFY(isOpeningRequest(opening, m_sent.at(0), rules.descriptor(), UserId));
            return;
        }
        QCOMPARE(answerer.seen().size(), 2);
        QCOMPARE(answerer.seen().at(1).className, QStringLiteral("QMessageBox"));
        QCOMPARE(answerer.seen().at(1).title, QStringLiteral("Passcode Dialog"));
        QCOMPARE(answerer.seen().at(1).text, QStringLiteral("Incorrect password!"));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(boxParent, m_window.get());
        QVERIFY(m_sent.isEmpty());
    }

    // A passcode that cannot be hashed (the Cryptographer's lock was not
    // available) matches nothing: even the right one leaves the key shut.
    void passcodeWithoutTheLockKeepsTheKeyShut_data()
    {
        QTest::addColumn<Opening>("opening");
        QTest::addColumn<qorv::data::SecurityDescriptor>("rules");
        addOpenings("right passcode", KeyRules().passcode(m_storedPasscode).descriptor());
    }

    void passcodeWithoutTheLockKeepsTheKeyShut()
    {
        QFETCH(Opening, opening);
        QFETCH(qorv::data::SecurityDescriptor, rules);

        testsupport::DialogAnswerer answerer;
        answerer.expect([](QWidget *dialog) { testsupport::TypeOnKeypad(dialog, QStringLiteral("2468E")); });
        answerer.expect(QMessageBox::Ok);
        QTest::ignoreMessage(QtWarningMsg, "The passcode could not be hashed; the key is not opened.");
        const testsupport::ScopedCryptographerLockFailure lockFailure;
        QVERIFY(!open(opening, rules));
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.lastText(), QStringLiteral("Incorrect password!"));
        QVERIFY(m_sent.isEmpty());
    }

    // The passcode comes from whatever prompt the window hands over; a prompt
    // that gives nothing, or none at all, counts as a wrong passcode.
    void passcodeComesFromThePrompt_data()
    {
        QTest::addColumn<Opening>("opening");
        QTest::addColumn<int>("answer"); // 0 the passcode, 1 a wrong one, 2 nothing, 3 no prompt
        QTest::addColumn<bool>("opened");
        const struct
        {
            const char *name;
            int answer;
            bool opened;
        } rows[] = {
            {"right passcode", 0, true},
            {"wrong passcode", 1, false},
            {"no answer", 2, false},
            {"no prompt", 3, false},
        };
        for (const auto &row : rows) {
            QTest::addRow("document key, %s", row.name) << Opening::DocumentKey << row.answer << row.opened;
            QTest::addRow("folder key in new browser, %s", row.name)
                << Opening::FolderKeyInNewBrowser << row.answer << row.opened;
        }
    }

    void passcodeComesFromThePrompt()
    {
        QFETCH(Opening, opening);
        QFETCH(int, answer);
        QFETCH(bool, opened);

        QList<QWidget *> asked;
        PasscodePrompt prompt;
        if (answer != 3) {
            prompt = [&asked, answer](QWidget *window) -> std::optional<QString> {
                asked.append(window);
                if (answer == 2)
                    return std::nullopt;
                return QString::fromLatin1(answer == 0 ? Passcode : "1357");
            };
        }
        testsupport::DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);

        const KeyOpenerWindow window(m_window.get());
        const qorv::data::SecurityDescriptor rules = KeyRules().passcode(m_storedPasscode).descriptor();
        const bool result = opening == Opening::DocumentKey
                                ? DocumentKeyOpener(testsupport::DocumentKeyWith(rules)).open(window, prompt)
                                : FolderKeyOpener(testsupport::FolderKeyWith(rules)).openInNewBrowser(window, prompt);

        QCOMPARE(result, opened);
        QCOMPARE(asked, answer == 3 ? QList<QWidget *>() : QList<QWidget *>({m_window.get()}));
        QCOMPARE(m_sent.size(), opened ? 1 : 0);
        if (opened) {
            QCOMPARE(answerer.pending(), 1);
            return;
        }
        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(answerer.seen().at(0).title, QStringLiteral("Passcode Dialog"));
        QCOMPARE(answerer.seen().at(0).text, QStringLiteral("Incorrect password!"));
    }

    void withoutUserRecord_data()
    {
        QTest::addColumn<Opening>("opening");
        QTest::addColumn<qorv::data::SecurityDescriptor>("rules");
        QTest::newRow("document key") << Opening::DocumentKey << KeyRules().descriptor();
        QTest::newRow("folder key in browser") << Opening::FolderKeyInBrowser << KeyRules().descriptor();
    }

    void withoutUserRecord()
    {
        QFETCH(Opening, opening);
        QFETCH(qorv::data::SecurityDescriptor, rules);

        RegistrySingleton::instance()->clear();
        QVERIFY(open(opening, rules));
        QCOMPARE(m_sent.size(), 1);
        QVERIFY(isOpeningRequest(opening, m_sent.at(0), rules, 0));
    }
};

QTEST_MAIN(TestKeyOpener)
#include "tst_keyopener.moc"
