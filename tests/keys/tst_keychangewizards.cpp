#include "clienttranslation.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "cryptographer.h"
#include "dispatchtotestserver.h"
#include "keypad.h"
#include "revisionhistorylistwidget.h"
#include "scopedclock.h"
#include "scopedcryptographerlockfailure.h"
#include "selectrevisionwizardpage.h"
#include "setactivehourswizard.h"
#include "setexpirationdatewizard.h"
#include "setpasscodewizard.h"
#include "setrevisionwizard.h"
#include "setsessiondurationwizard.h"
#include "testenvironment.h"
#include "testserver.h"

#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QStateMachine>
#include <QTest>
#include <QTextEdit>
#include <QTimeEdit>

#include <memory>

QORV_ISOLATE_TEST_ENVIRONMENT()

using testsupport::ScopedClock;
using testsupport::TestServer;
using testsupport::UtcInstant;

namespace
{
constexpr int DocumentId = 31;
const QString Name = QStringLiteral("<b>Budget</b>");
const QString User = QStringLiteral("Ann & Bob");

template <class Control>
Control *Find(const QObject *parent, const char *name)
{
    return parent->findChild<Control *>(QLatin1String(name));
}

// Shows the wizard and walks it to its confirmation page.
void ToConfirmation(QWizard &wizard)
{
    if (!wizard.isVisible())
        wizard.show();
    while (wizard.currentId() < 2)
        wizard.next();
}

QString Summary(const QWizard &wizard)
{
    return wizard.currentPage()->findChild<QTextEdit *>()->toPlainText().trimmed();
}

bool FinishEnabled(const QWizard &wizard)
{
    return wizard.button(QWizard::FinishButton)->isEnabled();
}

std::string RevisionList()
{
    qorv::data::SelectDocumentReply reply;
    reply.add_document()->mutable_sys_period()->set_from("2026-03-01 09:15:02.123456");
    reply.add_document(); // no period: skipped
    reply.add_document()->mutable_sys_period()->set_from("not a time");
    reply.add_document()->mutable_sys_period()->set_from("2025-12-24 18:00:00");
    return reply.SerializeAsString();
}

QStringList Items(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}
}

// The revision page against the test server, and the five wizards that
// change one rule of a key: their summaries, when Finish is allowed, and
// what their accessors hand to the keyring windows.
class TestKeyChangeWizards : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestServer> m_server;

    std::vector<testsupport::TestRequest> revisionRequests() const
    {
        std::vector<testsupport::TestRequest> found;
        for (const testsupport::TestRequest &request : m_server->requests()) {
            if (request.majorOpcode == common::op::SelectDocument)
                found.push_back(request);
        }
        return found;
    }

private slots:
    void initTestCase() { QVERIFY(testsupport::InstallClientTranslation()); }

    void init()
    {
        m_server = std::make_unique<TestServer>();
        QVERIFY(testsupport::StartAndDispatchTo(*m_server));
    }

    void cleanup() { m_server.reset(); }

    void revisionPageLists()
    {
        m_server->reply(common::op::SelectDocument, common::tag::ListRevisions, RevisionList());
        QWizard wizard;
        auto *page = new SelectRevisionWizardPage(&wizard, DocumentId);
        wizard.addPage(page);
        wizard.show();
        auto *list = Find<RevisionHistoryListWidget>(page, "revisionHistoryListWidget");
        QVERIFY(wizard.field(QStringLiteral("currentRevision")).toBool());
        QVERIFY(!list->isVisibleTo(page));
        QCOMPARE(wizard.field(QStringLiteral("revisionSysStart")).toString(), QString());
        QVERIFY(m_server->requests().empty());

        Find<QRadioButton>(page, "previousRevisionRadioButton")->setChecked(true);
        QVERIFY(list->isVisibleTo(page));
        QCOMPARE(Items(list), (QStringList{"2026-03-01 10:15:02", "2025-12-24 19:00:00"}));
        QCOMPARE(list->item(0)->toolTip(), QStringLiteral("2026-03-01 10:15:02.123456"));
        QCOMPARE(page->revisionHistoryListWidgetItem(), list->item(0));
        QCOMPARE(wizard.field(QStringLiteral("revisionDateTime")).toString(), QStringLiteral("2026-03-01 10:15:02"));
        QCOMPARE(wizard.field(QStringLiteral("revisionSysStart")).toString(),
                 QStringLiteral("2026-03-01 09:15:02.123456"));

        // Every revision the document ever had, asked past the bus.
        const auto sent = revisionRequests();
        QCOMPARE(sent.size(), std::size_t(1));
        QCOMPARE(sent.front().minorOpcode, common::tag::ListRevisions);
        qorv::data::SelectDocumentRequest request;
        QVERIFY(request.ParseFromString(sent.front().payload));
        QCOMPARE(request.document_id(), DocumentId);
        QCOMPARE(request.sys_period().from(), std::string("1400-01-01 00:00:00"));
        QCOMPARE(request.sys_period().to(), std::string("9999-12-31 00:00:00"));

        list->clearSelection();
        QCOMPARE(wizard.field(QStringLiteral("revisionSysStart")).toString(), QString());
        QCOMPARE(page->revisionHistoryListWidgetItem(), nullptr);

        // Back to the current revision empties the list; each return asks again.
        Find<QRadioButton>(page, "currentRevisionRadioButton")->setChecked(true);
        QCOMPARE(list->count(), 0);
        Find<QRadioButton>(page, "previousRevisionRadioButton")->setChecked(true);
        QCOMPARE(list->count(), 2);
        QCOMPARE(revisionRequests().size(), std::size_t(2));
    }

    void revisionPageFallsBack_data()
    {
        QTest::addColumn<int>("failure");
        QTest::newRow("server down") << 0;
        QTest::newRow("no revision") << 1;
        QTest::newRow("unparsable reply") << 2;
        QTest::newRow("refused") << 3;
    }

    void revisionPageFallsBack()
    {
        QFETCH(int, failure);
        if (failure == 0) {
            m_server.reset(); // nobody listens on the port any more
        } else if (failure == 1) {
            m_server->reply(common::op::SelectDocument, common::tag::ListRevisions,
                            qorv::data::SelectDocumentReply().SerializeAsString());
        } else if (failure == 2) {
            m_server->reply(common::op::SelectDocument, common::tag::ListRevisions, std::string("\xff\xff\xff", 3));
        } else {
            m_server->reply(common::op::SelectDocument, common::tag::ListRevisions, std::string(), 1, 1);
        }
        QWizard wizard;
        auto *page = new SelectRevisionWizardPage(&wizard, DocumentId);
        wizard.addPage(page);
        wizard.show();
        auto *previous = Find<QRadioButton>(page, "previousRevisionRadioButton");
        previous->setChecked(true);
        QVERIFY(wizard.field(QStringLiteral("currentRevision")).toBool());
        QVERIFY(!previous->isChecked());
        QVERIFY(!Find<RevisionHistoryListWidget>(page, "revisionHistoryListWidget")->isVisibleTo(page));
        QCOMPARE(wizard.field(QStringLiteral("revisionSysStart")).toString(), QString());
    }

    void revisionWizard()
    {
        m_server->reply(common::op::SelectDocument, common::tag::ListRevisions, RevisionList());
        SetRevisionWizard wizard(Name, User, nullptr, DocumentId);
        QCOMPARE(wizard.windowTitle(), QStringLiteral("Set Revision Wizard"));
        QCOMPARE(wizard.minimumWidth(), 640);
        QCOMPARE(wizard.wizardStyle(), QWizard::ModernStyle);
        wizard.show();
        QVERIFY(Summary(wizard).contains(QStringLiteral("revision of the document (<b>Budget</b>)")));
        QVERIFY(Summary(wizard).contains(QStringLiteral("for the user (Ann & Bob)")));

        ToConfirmation(wizard);
        QCOMPARE(Summary(wizard),
                 QStringLiteral("You have selected the current (i.e. latest) revision of the document."));
        QVERIFY(FinishEnabled(wizard));
        QVERIFY(wizard.currentRevision());

        wizard.back();
        Find<QRadioButton>(wizard.currentPage(), "previousRevisionRadioButton")->setChecked(true);
        auto *list = Find<RevisionHistoryListWidget>(wizard.currentPage(), "revisionHistoryListWidget");
        list->setCurrentRow(1);
        wizard.next();
        QCOMPARE(Summary(wizard),
                 QStringLiteral("You have selected a previous (2025-12-24 19:00:00) revision of the document."));
        QVERIFY(FinishEnabled(wizard));
        QVERIFY(!wizard.currentRevision());
        QCOMPARE(wizard.revisionDateTime(), std::string("2025-12-24 19:00:00"));
        QCOMPARE(wizard.revisionSysStart(), std::string("2025-12-24 18:00:00"));

        // "Previous" with nothing selected is the current revision, never an
        // empty one.
        wizard.back();
        list->clearSelection();
        wizard.next();
        QCOMPARE(Summary(wizard),
                 QStringLiteral("You have selected the current (i.e. latest) revision of the document."));
        QVERIFY(wizard.currentRevision());
        QCOMPARE(wizard.revisionSysStart(), std::string());
    }

    void activeHoursWizard_data()
    {
        QTest::addColumn<bool>("restricted");
        QTest::addColumn<QTime>("from");
        QTest::addColumn<QTime>("to");
        QTest::addColumn<bool>("withRegion");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<bool>("finish");

        QTest::newRow("unrestricted")
            << false << QTime(8, 0) << QTime(17, 0) << true
            << "The key that grants Ann & Bob access to '<b>Budget</b>' will not have restricted hours." << true;
        QTest::newRow("restricted")
            << true << QTime(8, 0) << QTime(17, 30) << true
            << "The key that grants Ann & Bob access to '<b>Budget</b>' will be active from 8:00 AM to 5:30 PM."
            << true;
        QTest::newRow("restricted without region")
            << true << QTime(8, 0) << QTime(17, 0) << false
            << "The key that grants Ann & Bob access to '<b>Budget</b>' will be active from 8:00 AM to 5:00 PM."
            << false;
        // The order is the keyring window's to judge.
        QTest::newRow("start after end")
            << true << QTime(9, 0) << QTime(9, 0) << true
            << "The key that grants Ann & Bob access to '<b>Budget</b>' will be active from 9:00 AM to 9:00 AM."
            << true;
    }

    void activeHoursWizard()
    {
        QFETCH(bool, restricted);
        QFETCH(QTime, from);
        QFETCH(QTime, to);
        QFETCH(bool, withRegion);
        QFETCH(QString, summary);
        QFETCH(bool, finish);

        SetActiveHoursWizard wizard(Name, User, nullptr);
        QCOMPARE(wizard.windowTitle(), QStringLiteral("Set Active Hours Wizard"));
        wizard.setField(QStringLiteral("restrictedHours"), restricted);
        wizard.findChild<QTimeEdit *>(QStringLiteral("fromTimeEdit"))->setTime(from);
        wizard.findChild<QTimeEdit *>(QStringLiteral("toTimeEdit"))->setTime(to);
        auto *region = wizard.findChild<QComboBox *>(QStringLiteral("regionComboBox"));
        // No zone table is loaded here: a region is put in by hand.
        region->addItem(QStringLiteral("Europe/Paris"));
        region->setCurrentIndex(withRegion ? 0 : -1);
        ToConfirmation(wizard);
        QCOMPARE(Summary(wizard), summary);
        QCOMPARE(FinishEnabled(wizard), finish);
        QCOMPARE(wizard.restrictedHours(), restricted);
        QCOMPARE(wizard.activeFrom(), from);
        QCOMPARE(wizard.activeTo(), to);
        QCOMPARE(wizard.activeRegion(), withRegion ? QStringLiteral("Europe/Paris") : QString());
    }

    void expirationDateWizard_data()
    {
        QTest::addColumn<int>("daysLater");
        QTest::addColumn<QString>("summary");
        // The date is one week after the wizard was built, on 4 January 2027.
        QTest::newRow("today") << 7 << "The expiration date of the key will be Monday, January 11, 2027, today.";
        QTest::newRow("tomorrow") << 6 << "The expiration date of the key will be Monday, January 11, 2027, tommorrow.";
        QTest::newRow("in 30 days") << -23
                                    << "The expiration date of the key will be Monday, January 11, 2027, in 30 days.";
    }

    void expirationDateWizard()
    {
        QFETCH(int, daysLater);
        QFETCH(QString, summary);
        ScopedClock clock(UtcInstant(2027, 1, 4, 12));
        SetExpirationDateWizard wizard(Name, User, nullptr);
        wizard.findChild<QRadioButton *>(QStringLiteral("OneWeekExpirationDateRadioButton"))->setChecked(true);
        clock.set(UtcInstant(2027, 1, 4 + daysLater, 12));
        ToConfirmation(wizard);
        QCOMPARE(Summary(wizard), summary);
        QVERIFY(FinishEnabled(wizard));
        QCOMPARE(wizard.expirationDate(), QDate(2027, 1, 11));
    }

    void sessionDurationWizard_data()
    {
        QTest::addColumn<bool>("restricted");
        QTest::addColumn<int>("amount");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("summary");

        QTest::newRow("2 hours") << true << 2 << 1
                                 << "The session duration of the key that grants Ann & Bob access to '<b>Budget</b>' "
                                    "and its contents will be set to 2 hours.";
        QTest::newRow("90 minutes") << true << 90 << 0
                                    << "The session duration of the key that grants Ann & Bob access to "
                                       "'<b>Budget</b>' and its contents will be set to 90 minutes.";
        QTest::newRow("unrestricted") << false << 2 << 1
                                      << "The session duration of the key that grants Ann & Bob access to "
                                         "'<b>Budget</b>' and its contents will not be set.";
    }

    void sessionDurationWizard()
    {
        QFETCH(bool, restricted);
        QFETCH(int, amount);
        QFETCH(int, unit);
        QFETCH(QString, summary);

        SetSessionDurationWizard wizard(Name, User, nullptr);
        wizard.setField(QStringLiteral("restrictedDuration"), restricted);
        wizard.setField(QStringLiteral("durationSpinBox"), amount);
        wizard.setField(QStringLiteral("durationComboBox"), unit);
        ToConfirmation(wizard);
        QCOMPARE(Summary(wizard), summary);
        QVERIFY(FinishEnabled(wizard));
        QCOMPARE(wizard.restrictedDuration(), restricted);
        QCOMPARE(wizard.durationSpinBox(), amount);
        QCOMPARE(wizard.durationComboBox(), unit);
    }

    void passcodeWizard()
    {
        SetPasscodeWizard wizard(Name, User, nullptr);
        wizard.show();
        ToConfirmation(wizard);
        QCOMPARE(Summary(wizard),
                 QStringLiteral("No passcode will be set for the key that grants Ann & Bob access to '<b>Budget</b>' "
                                "and its contents."));
        QVERIFY(FinishEnabled(wizard));
        QVERIFY(wizard.noPasscode());

        // Typed twice, the second time confirmed by Next alone.
        wizard.back();
        QWizardPage *page = wizard.currentPage();
        QTRY_VERIFY(page->findChild<QStateMachine *>()->isRunning());
        auto *radio = page->findChild<QRadioButton *>(QStringLiteral("passcodeRadioButton"));
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(4, radio->height() / 2));
        auto *prompt = page->findChild<QLabel *>(QStringLiteral("promptLabel"));
        QTRY_COMPARE(prompt->text(), QStringLiteral("Please enter a passcode."));
        testsupport::TypeOnKeypad(page, QStringLiteral("2468E"));
        QTRY_COMPARE(prompt->text(), QStringLiteral("Please re-enter the passcode."));
        testsupport::TypeOnKeypad(page, QStringLiteral("2468"));
        wizard.next();
        QCOMPARE(wizard.currentId(), 2);
        QCOMPARE(Summary(wizard),
                 QStringLiteral("A valid passcode has been selected and will be set for the key that grants Ann & Bob "
                                "access to '<b>Budget</b>' and its contents."));
        QVERIFY(FinishEnabled(wizard));
        QVERIFY(!wizard.noPasscode() && wizard.passcodeIsValid());

        // The stored form, salted anew on every call, matches the digits.
        const std::string stored = wizard.passcode().value();
        QCOMPARE(stored.size(), std::size_t(64));
        QVERIFY(stored != wizard.passcode().value());
        const Cryptographer *cryptographer = CryptographerSingleton::instance();
        QVERIFY(cryptographer->decodePassword(cryptographer->hashPassword("2468").value(), stored));
        QVERIFY(!cryptographer->decodePassword(cryptographer->hashPassword("2469").value(), stored));

        // A passcode that cannot be hashed now gives nothing to store.
        const testsupport::ScopedCryptographerLockFailure lockFails;
        QTest::ignoreMessage(QtWarningMsg, "The passcode cannot be hashed now; no key is written without it");
        QVERIFY(!wizard.passcode().has_value());
    }

    void passcodeWizardRefusesAnUnconfirmedPasscode()
    {
        SetPasscodeWizard wizard(Name, User, nullptr);
        // A passcode chosen but never confirmed: the flag stays false.
        wizard.show();
        wizard.next();
        wizard.currentPage()->findChild<QRadioButton *>(QStringLiteral("passcodeRadioButton"))->setChecked(true);
        auto *confirmation = wizard.page(2);
        confirmation->initializePage();
        QVERIFY(!confirmation->isComplete());
        QVERIFY(confirmation->findChild<QTextEdit *>()->toPlainText().startsWith(
            QStringLiteral("An invalid passcode has been selected")));
    }
};

QTEST_MAIN(TestKeyChangeWizards)
#include "tst_keychangewizards.moc"
