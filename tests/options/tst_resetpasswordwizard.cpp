#include "common/majorcode.h"
#include "common/minortag.h"
#include "cryptographer.h"
#include "dialoganswerer.h"
#include "messagedispatcher.h"
#include "passwordcategories.h"
#include "registry.h"
#include "resetpasswordauthenticatewizardpage.h"
#include "resetpasswordconfirmationwizardpage.h"
#include "resetpasswordreinitializewizardpage.h"
#include "resetpasswordwizard.h"
#include "scopedcryptographerlockfailure.h"
#include "testenvironment.h"
#include "testserver.h"

#include "updateuserrequest3.pb.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <QTranslator>

QORV_ISOLATE_TEST_ENVIRONMENT()

using testsupport::DialogAnswerer;
using testsupport::TestServer;

namespace
{
const char *const CurrentPassword = "Current1!";

const QString LowerPlain = QStringLiteral("The new password must contain at least 1 lowercase character");
const QString LowerOptional = QStringLiteral("Password must contain at least 1 lowercase character (optional)");
const QString UpperPlain = QStringLiteral("The new password must contain at least 1 uppercase character");
const QString UpperOptional = QStringLiteral("Password must contain at least 1 uppercase character (optional)");
const QString DigitPlain = QStringLiteral("The new password must contain at least 1 digit");
const QString DigitOptional = QStringLiteral("Password must contain at least 1 digit (optional)");
// The symbol list as the check box shows it (each & doubled, as a check box
// would otherwise take it for a mnemonic).
const QString SymbolPlain =
    QStringLiteral("!  #  $  %  &&  (  )  *  +  ,  -  .  /  :  ;  <  =  >  ?  @  [  \\  ]  ^  _  `  {  |  }  ~");
const QString SymbolOptional = QStringLiteral("Password must contain at least 1 symbol (optional)");

const Cryptographer &Crypto()
{
    return *CryptographerSingleton::instance();
}

QString Light(const QWizardPage &page)
{
    const QImage shown = page.pixmap(QWizard::LogoPixmap).toImage();
    for (const char *colour : {"red", "yellow", "green"}) {
        const QImage light =
            QPixmap(QStringLiteral(":icons/32x32/trafficlight_%1.png").arg(QLatin1String(colour))).toImage();
        if (shown == light)
            return QLatin1String(colour);
    }
    return QString();
}

struct NewPasswordWidgets
{
    explicit NewPasswordWidgets(const QWidget &page)
        : length(page.findChild<QCheckBox *>(QStringLiteral("lengthCheckBox")))
        , lowercase(page.findChild<QCheckBox *>(QStringLiteral("lowercaseCheckBox")))
        , uppercase(page.findChild<QCheckBox *>(QStringLiteral("uppercaseCheckBox")))
        , digit(page.findChild<QCheckBox *>(QStringLiteral("digitCheckBox")))
        , symbol(page.findChild<QCheckBox *>(QStringLiteral("symbolCheckBox")))
        , password(page.findChild<QLineEdit *>(QStringLiteral("newPasswordLineEdit")))
        , confirmation(page.findChild<QLineEdit *>(QStringLiteral("confirmNewPasswordLineEdit")))
    {
    }

    QString checks() const
    {
        QString text;
        for (const QCheckBox *box : {length, lowercase, uppercase, digit, symbol})
            text += box->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
        return text;
    }

    QCheckBox *length;
    QCheckBox *lowercase;
    QCheckBox *uppercase;
    QCheckBox *digit;
    QCheckBox *symbol;
    QLineEdit *password;
    QLineEdit *confirmation;
};

// The two pages that check the entries, filled in as the user would: the user
// name and the current password, then the same valid new password twice.
struct FilledPages
{
    FilledPages()
    {
        authenticate.findChild<QLineEdit *>(QStringLiteral("userNameLineEdit"))->setText(QStringLiteral("annlee"));
        authenticate.findChild<QLineEdit *>(QStringLiteral("currentPasswordLineEdit"))->setText(CurrentPassword);
        const NewPasswordWidgets widgets(reinitialize);
        widgets.password->setText(QStringLiteral("NewPass1"));
        widgets.confirmation->setText(QStringLiteral("NewPass1"));
    }

    ResetPasswordAuthenticateWizardPage authenticate{nullptr};
    ResetPasswordReinitializeWizardPage reinitialize{nullptr};
};
}

class TestResetPasswordWizard : public QObject
{
    Q_OBJECT

private:
    QTranslator m_translator;
    TestServer m_server;
    std::string m_storedCurrent;

    std::vector<qorv::data::UpdateUserRequest> updates() const
    {
        std::vector<qorv::data::UpdateUserRequest> sent;
        for (const auto &request : m_server.requests()) {
            if (request.majorOpcode != common::op::UpdateUser)
                continue;
            qorv::data::UpdateUserRequest update;
            update.ParseFromString(request.payload);
            sent.push_back(update);
        }
        return sent;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_translator.load(QStringLiteral(":build/client_en.qm")));
        QCoreApplication::installTranslator(&m_translator);
        QVERIFY(m_server.start());
        MessageDispatcher::setServerName("127.0.0.1");
        MessageDispatcher::setServerPort(m_server.port());
    }

    void init()
    {
        m_server.clearRequests();
        m_server.reply(common::op::UpdateUser, common::tag::Plain, std::string());
        Registry &registry = *RegistrySingleton::instance();
        registry.clear();
        qorv::data::User user;
        user.set_user_id(7);
        user.set_user_name(Crypto().hashUserName("annlee").value());
        registry.setUser(user);
        m_storedCurrent = Crypto().encodePassword(Crypto().hashPassword(CurrentPassword).value());
        registry.setUserPassword(m_storedCurrent);
    }

    void wizardIsBuiltAsDescribed()
    {
        ResetPasswordWizard wizard(nullptr);
        QCOMPARE(wizard.windowTitle(), QStringLiteral("Reset Password Wizard"));
        QVERIFY(!wizard.windowIcon().isNull());
        QCOMPARE(wizard.minimumSize(), QSize(640, 480));
        QCOMPARE(wizard.wizardStyle(), QWizard::ModernStyle);
        QCOMPARE(wizard.options(), QWizard::WizardOptions(QWizard::NoCancelButtonOnLastPage));
        const QList<int> ids = wizard.pageIds();
        QCOMPARE(ids.size(), 4);
        QVERIFY(qobject_cast<ResetPasswordAuthenticateWizardPage *>(wizard.page(ids.at(1))));
        QVERIFY(qobject_cast<ResetPasswordReinitializeWizardPage *>(wizard.page(ids.at(2))));
        QVERIFY(wizard.page(ids.at(2))->isCommitPage());
        QVERIFY(wizard.page(ids.at(3))->isFinalPage());
        QCOMPARE(wizard.page(ids.at(0))->title(), QStringLiteral("Introduction"));
        QVERIFY(!wizard.page(ids.at(0))->pixmap(QWizard::WatermarkPixmap).isNull());
    }

    void symbolsAreThePrintablePunctuationButQuotes()
    {
        const QString symbols = PasswordCategories::Symbols();
        QCOMPARE(symbols.size(), 30);
        for (int code = 0x20; code < 0x7f; ++code) {
            const QChar c(code);
            const bool punctuation =
                c.isPrint() && !c.isLetterOrNumber() && code != 0x20 && code != 0x22 && code != 0x27;
            QCOMPARE(PasswordCategories(QString(c)).hasSymbol(), punctuation);
        }
    }

    // The live display: checks (length, lower, upper, digit, symbol), light,
    // the confirmation field, and the texts of the four category boxes.
    void passwordRules_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("checks");
        QTest::addColumn<QString>("light");
        QTest::addColumn<bool>("confirmationEnabled");
        QTest::addColumn<QStringList>("texts");
        const QStringList plain{LowerPlain, UpperPlain, DigitPlain, SymbolPlain};
        QTest::newRow("empty") << ""
                               << "00000"
                               << "red" << false << plain;
        QTest::newRow("5 characters, all kinds")
            << "aB1!x"
            << "01111"
            << "red" << false << QStringList{LowerOptional, UpperOptional, DigitOptional, SymbolOptional};
        QTest::newRow("lower case only") << "abcdefgh"
                                         << "11000"
                                         << "yellow" << false << plain;
        QTest::newRow("lower case and digits") << "abc123"
                                               << "11010"
                                               << "yellow" << false << plain;
        QTest::newRow("lower, upper, digit")
            << "Abc123"
            << "11110"
            << "green" << true << QStringList{LowerPlain, UpperPlain, DigitPlain, SymbolOptional};
        QTest::newRow("all four") << "Abc12!"
                                  << "11111"
                                  << "green" << true
                                  << QStringList{LowerOptional, UpperOptional, DigitOptional, SymbolOptional};
        QTest::newRow("upper, digit, symbol")
            << "ABC12#"
            << "10111"
            << "green" << true << QStringList{LowerOptional, UpperPlain, DigitPlain, SymbolPlain};
        QTest::newRow("blank, quote, apostrophe are no symbols") << "ab 12\"'"
                                                                 << "11010"
                                                                 << "yellow" << false << plain;
        QTest::newRow("upper and symbols") << "ABC!!!"
                                           << "10101"
                                           << "yellow" << false << plain;
        QTest::newRow("six blanks") << "      "
                                    << "10000"
                                    << "yellow" << false << plain;
        QTest::newRow("non-ASCII letters") << QString::fromUtf8("éèêÉÈÊ1") << "10010"
                                           << "yellow" << false << plain;
    }

    void passwordRules()
    {
        QFETCH(QString, password);
        QFETCH(QString, checks);
        QFETCH(QString, light);
        QFETCH(bool, confirmationEnabled);
        QFETCH(QStringList, texts);
        ResetPasswordReinitializeWizardPage page(nullptr);
        const NewPasswordWidgets widgets(page);
        QCOMPARE(Light(page), QStringLiteral("red"));
        // From some text to the candidate, so that the empty one is a change too.
        widgets.password->setText(QStringLiteral("x"));
        widgets.password->setText(password);
        QCOMPARE(widgets.checks(), checks);
        QCOMPARE(Light(page), light);
        QCOMPARE(widgets.confirmation->isEnabled(), confirmationEnabled);
        QCOMPARE(widgets.lowercase->text(), texts.at(0));
        QCOMPARE(widgets.uppercase->text(), texts.at(1));
        QCOMPARE(widgets.digit->text(), texts.at(2));
        QCOMPARE(widgets.symbol->text(), texts.at(3));
        QCOMPARE(widgets.length->text(),
                 QStringLiteral("The new password must have a length of at least 6 characters"));
        QVERIFY(!widgets.length->isEnabled());
    }

    void confirmationStaysOnlyWhileTheLightIsGreen()
    {
        ResetPasswordReinitializeWizardPage page(nullptr);
        const NewPasswordWidgets widgets(page);
        QTest::keyClicks(widgets.password, QStringLiteral("Abc123"));
        QTest::keyClicks(widgets.confirmation, QStringLiteral("Abc123"));
        QTest::keyClicks(widgets.password, QStringLiteral("4"));
        QCOMPARE(widgets.confirmation->text(), QStringLiteral("Abc123"));
        widgets.password->setText(QStringLiteral("abc1234"));
        QCOMPARE(Light(page), QStringLiteral("yellow"));
        QVERIFY(widgets.confirmation->text().isEmpty());
        QVERIFY(!widgets.confirmation->isEnabled());
        widgets.password->setText(QStringLiteral("Abc1234"));
        QVERIFY(widgets.confirmation->isEnabled());
        QVERIFY(widgets.confirmation->text().isEmpty());
    }

    void authentication_data()
    {
        QTest::addColumn<QString>("userName");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("warning");
        QTest::newRow("no user name") << "" << CurrentPassword << "Your user name must be entered.";
        QTest::newRow("no password") << "annlee"
                                     << ""
                                     << "Your current password must be entered.";
        QTest::newRow("leading blank") << " annlee" << CurrentPassword << "An invalid user name has been entered.";
        QTest::newRow("other name") << "annle" << CurrentPassword << "An invalid user name has been entered.";
        QTest::newRow("wrong password") << "annlee"
                                        << "Current1"
                                        << "An invalid password has been entered.";
        QTest::newRow("password with a blank") << "annlee"
                                               << "Current1! "
                                               << "An invalid password has been entered.";
        QTest::newRow("right") << "annlee" << CurrentPassword << "";
    }

    void authentication()
    {
        QFETCH(QString, userName);
        QFETCH(QString, password);
        QFETCH(QString, warning);
        ResetPasswordAuthenticateWizardPage page(nullptr);
        page.findChild<QLineEdit *>(QStringLiteral("userNameLineEdit"))->setText(userName);
        page.findChild<QLineEdit *>(QStringLiteral("currentPasswordLineEdit"))->setText(password);
        DialogAnswerer answerer;
        if (!warning.isEmpty())
            answerer.expect(QMessageBox::Ok);
        QCOMPARE(page.validatePage(), warning.isEmpty());
        QCOMPARE(answerer.pending(), 0);
        if (!warning.isEmpty()) {
            QCOMPARE(answerer.lastTitle(), QStringLiteral("Reset Password Authentication"));
            QCOMPARE(answerer.lastText(), warning);
        }
        QVERIFY(m_server.requests().empty());
    }

    void storedPasswordOfTheWrongLengthIsAnInvalidPassword_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("none") << "";
        QTest::newRow("too short") << "abc";
        QTest::newRow("too long") << QString(65, QLatin1Char('0'));
    }

    void storedPasswordOfTheWrongLengthIsAnInvalidPassword()
    {
        QFETCH(QString, stored);
        RegistrySingleton::instance()->getUser().mutable_user_security_descriptor()->set_password(stored.toStdString());
        FilledPages pages;

        DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);
        answerer.expect(QMessageBox::Ok);
        QVERIFY(!pages.authenticate.validatePage());
        QVERIFY(!pages.reinitialize.validatePage());
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.seen().at(0).text, QStringLiteral("An invalid password has been entered."));
        QCOMPARE(answerer.seen().at(1).title, QStringLiteral("Reset Password Settings"));
        QCOMPARE(answerer.seen().at(1).text, QStringLiteral("An invalid password has been entered."));
        QVERIFY(updates().empty());
    }

    // Without the Cryptographer's lock there are no hashes: neither page
    // mistakes that for a wrong entry, and no new password is sent.
    void pagesWithoutTheLockSayTheyCannotGoOn()
    {
        FilledPages pages;

        DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);
        answerer.expect(QMessageBox::Ok);
        {
            const testsupport::ScopedCryptographerLockFailure lockFailure;
            QVERIFY(!pages.authenticate.validatePage());
            QVERIFY(!pages.reinitialize.validatePage());
        }
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.seen().at(0).title, QStringLiteral("Reset Password Authentication"));
        QCOMPARE(answerer.seen().at(0).text,
                 QStringLiteral("Your user name and password cannot be checked at this time; please try again."));
        QCOMPARE(answerer.seen().at(1).title, QStringLiteral("Reset Password Settings"));
        QCOMPARE(answerer.seen().at(1).text,
                 QStringLiteral("Your new password cannot be set at this time; please try again."));
        QVERIFY(m_server.requests().empty());
        QCOMPARE(RegistrySingleton::instance()->getUserPassword(), m_storedCurrent);

        // With the lock back, the same entries pass.
        QVERIFY(pages.authenticate.validatePage());
        QVERIFY(pages.reinitialize.validatePage());
        QCOMPARE(updates().size(), std::size_t(1));
    }

    void newPasswordRefusals_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("warning");
        QTest::newRow("empty") << ""
                               << ""
                               << "A new password has not been specified.";
        QTest::newRow("5 characters") << "aB1!x"
                                      << ""
                                      << "A new password must have a length of at least 6 characters.";
        QTest::newRow("two categories") << "abc123"
                                        << ""
                                        << "A new password must satisfy at least 3 of the optional requirements.";
        QTest::newRow("the current one") << CurrentPassword << ""
                                         << "Your new password must be different from your current password.";
        QTest::newRow("leading blank") << " NewPass1"
                                       << " NewPass1"
                                       << "A new password must not begin or end with white space.";
        QTest::newRow("trailing blank") << "NewPass1 "
                                        << "NewPass1 "
                                        << "A new password must not begin or end with white space.";
        QTest::newRow("no confirmation") << "NewPass1"
                                         << ""
                                         << "You must confirm your new password.";
        QTest::newRow("other confirmation")
            << "NewPass1"
            << "NewPass1x"
            << "The text entered in the confirmation field is not equal to the new password.";
        QTest::newRow("confirmation in other case")
            << "NewPass1"
            << "newpass1"
            << "The text entered in the confirmation field is not equal to the new password.";
    }

    void newPasswordRefusals()
    {
        QFETCH(QString, password);
        QFETCH(QString, confirmation);
        QFETCH(QString, warning);
        ResetPasswordReinitializeWizardPage page(nullptr);
        const NewPasswordWidgets widgets(page);
        widgets.password->setText(password);
        widgets.confirmation->setText(confirmation);
        DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);
        QVERIFY(!page.validatePage());
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.lastTitle(), QStringLiteral("Reset Password Settings"));
        QCOMPARE(answerer.lastText(), warning);
        QVERIFY(updates().empty());
        QCOMPARE(RegistrySingleton::instance()->getUserPassword(), m_storedCurrent);
    }

    void commitStoresAFormThatChecksAgainstTheNewPassword()
    {
        ResetPasswordReinitializeWizardPage page(nullptr);
        const NewPasswordWidgets widgets(page);
        widgets.password->setText(QStringLiteral("New Pass1"));
        widgets.confirmation->setText(QStringLiteral("New Pass1"));
        DialogAnswerer answerer;
        QVERIFY(page.validatePage());
        QVERIFY(answerer.sawNoDialog());

        const auto sent = updates();
        QCOMPARE(sent.size(), std::size_t(1));
        const qorv::data::User &user = sent.at(0).user();
        QCOMPARE(user.user_id(), 7);
        QVERIFY(!user.has_user_name());
        QVERIFY(!user.has_user_properties());
        const std::string stored = user.user_security_descriptor().password();
        QCOMPARE(stored.size(), std::size_t(64));
        QVERIFY(Crypto().decodePassword(Crypto().hashPassword("New Pass1").value(), stored));
        QVERIFY(!Crypto().decodePassword(Crypto().hashPassword(CurrentPassword).value(), stored));
        // The session now knows the new password.
        QCOMPARE(RegistrySingleton::instance()->getUserPassword(), stored);
    }

    void failedCommitKeepsThePageWithoutAMessage_data()
    {
        QTest::addColumn<int>("majorErcode");
        QTest::addColumn<int>("minorErcode");
        QTest::addColumn<bool>("serverUp");
        QTest::newRow("error reply") << 4 << 0 << true;
        QTest::newRow("minor error") << 0 << 3 << true;
        QTest::newRow("no server") << 0 << 0 << false;
    }

    void failedCommitKeepsThePageWithoutAMessage()
    {
        QFETCH(int, majorErcode);
        QFETCH(int, minorErcode);
        QFETCH(bool, serverUp);
        m_server.reply(common::op::UpdateUser, common::tag::Plain, std::string(), majorErcode, minorErcode);
        if (!serverUp)
            MessageDispatcher::setServerPort(1025);
        ResetPasswordReinitializeWizardPage page(nullptr);
        const NewPasswordWidgets widgets(page);
        widgets.password->setText(QStringLiteral("NewPass1"));
        widgets.confirmation->setText(QStringLiteral("NewPass1"));
        DialogAnswerer answerer;
        const bool passed = page.validatePage();
        MessageDispatcher::setServerPort(m_server.port());
        QVERIFY(!passed);
        QVERIFY(answerer.sawNoDialog());
        QCOMPARE(RegistrySingleton::instance()->getUserPassword(), m_storedCurrent);
        QCOMPARE(updates().size(), std::size_t(serverUp ? 1 : 0));

        // Next again runs the checks and the exchange again.
        m_server.reply(common::op::UpdateUser, common::tag::Plain, std::string());
        QVERIFY(page.validatePage());
        QVERIFY(RegistrySingleton::instance()->getUserPassword() != m_storedCurrent);
    }

    void wholeWizardEndsWithTheSummary()
    {
        ResetPasswordWizard wizard(nullptr);
        wizard.show();
        QCOMPARE(wizard.currentPage()->title(), QStringLiteral("Introduction"));
        wizard.next();
        QCOMPARE(wizard.currentPage()->title(), QStringLiteral("Reset Password Authentication"));
        wizard.currentPage()
            ->findChild<QLineEdit *>(QStringLiteral("userNameLineEdit"))
            ->setText(QStringLiteral("annlee"));
        wizard.currentPage()
            ->findChild<QLineEdit *>(QStringLiteral("currentPasswordLineEdit"))
            ->setText(CurrentPassword);
        wizard.next();
        QCOMPARE(wizard.currentPage()->title(), QStringLiteral("Reset Password Settings"));
        QCOMPARE(Light(*wizard.currentPage()), QStringLiteral("red"));
        const NewPasswordWidgets widgets(*wizard.currentPage());
        QTest::keyClicks(widgets.password, QStringLiteral("abcDEF123"));
        QTest::keyClicks(widgets.confirmation, QStringLiteral("abcDEF123"));
        wizard.next();
        QCOMPARE(wizard.currentPage()->title(), QStringLiteral("Reset Password Confirmation"));
        QCOMPARE(updates().size(), std::size_t(1));

        const QString summary = wizard.currentPage()->findChild<QTextEdit *>()->toPlainText();
        QVERIFY2(summary.startsWith(QStringLiteral("The length of your new password is 9 characters.")),
                 qPrintable(summary));
        QVERIFY(summary.contains(QStringLiteral("In addition, your new password satisfies these requirements:")));
        QVERIFY(summary.contains(QStringLiteral("Password must contain at least 1 lowercase character")));
        QVERIFY(summary.contains(QStringLiteral("Password must contain at least 1 uppercase character")));
        QVERIFY(summary.contains(QStringLiteral("Password must contain at least 1 digit")));
        QVERIFY(!summary.contains(QStringLiteral("symbol")));
        // Committed: there is no way back, and no Cancel on the last page.
        QVERIFY(!wizard.button(QWizard::BackButton)->isVisible() || !wizard.button(QWizard::BackButton)->isEnabled());
        QVERIFY(!wizard.button(QWizard::CancelButton)->isVisible());
        QVERIFY(wizard.button(QWizard::FinishButton)->isVisible());
    }

    void pagesStartEmptyWhenReachedWithNext()
    {
        ResetPasswordWizard wizard(nullptr);
        wizard.show();
        wizard.next();
        auto *userName = wizard.currentPage()->findChild<QLineEdit *>(QStringLiteral("userNameLineEdit"));
        userName->setText(QStringLiteral("someone"));
        wizard.back();
        wizard.next();
        QVERIFY(userName->text().isEmpty());
    }
};

QTEST_MAIN(TestResetPasswordWizard)
#include "tst_resetpasswordwizard.moc"
