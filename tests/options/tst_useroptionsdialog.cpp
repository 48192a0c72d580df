#include "common/majorcode.h"
#include "common/minortag.h"
#include "dialoganswerer.h"
#include "dialoganswers.h"
#include "messagedispatcher.h"
#include "registry.h"
#include "testenvironment.h"
#include "testserver.h"
#include "useroptionsdialog.h"

#include "resetuseremailaddressreply3.pb.h"
#include "resetuseremailaddressrequest3.pb.h"
#include "selectuserreply3.pb.h"
#include "verifydisablemultifactorauthenticationreply3.pb.h"
#include "verifydisablemultifactorauthenticationrequest3.pb.h"
#include "verifyenablemultifactorauthenticationreply3.pb.h"
#include "verifyenablemultifactorauthenticationrequest3.pb.h"
#include "verifyuseremailaddressresetreply3.pb.h"
#include "verifyuseremailaddressresetrequest3.pb.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

QORV_ISOLATE_TEST_ENVIRONMENT()

using testsupport::DialogAnswerer;
using testsupport::TestServer;
using namespace dialoganswers;

namespace
{
const std::string OldAddress = "ann@example.com";
const std::string NewAddress = "ann.lee@example.org";
const std::string EmailCode = "E-4411";
const std::string EnableCode = "EN-1234";
const std::string DisableCode = "DI-9876";

const QString MfaOn = QStringLiteral("Multi-factor authentication is enabled for your account");
const QString MfaOff = QStringLiteral("Multi-factor authentication is disabled for your account");
const QString DisableCaption = QStringLiteral("Disable multi-factor authentication for your account...");
const QString EnableCaption = QStringLiteral("Enable multi-factor authentication for your account...");

qorv::data::User ServerUser(unsigned int properties)
{
    qorv::data::User user;
    user.set_user_id(7);
    user.set_user_first_name("Ann");
    user.set_user_last_name("Lee");
    user.set_user_email_address(OldAddress);
    user.set_user_properties(properties);
    return user;
}

std::string SelectReply(const std::vector<qorv::data::User> &users)
{
    qorv::data::SelectUserReply reply;
    for (const auto &user : users)
        reply.add_user()->CopyFrom(user);
    return reply.SerializeAsString();
}

struct Widgets
{
    explicit Widgets(const QDialog &dialog)
        : multiFactor(dialog.findChild<QCheckBox *>(QStringLiteral("multiFactorAuthenticationCheckBox")))
        , multiFactorButton(dialog.findChild<QPushButton *>(QStringLiteral("multiFactorAuthenticationButton")))
        , address(dialog.findChild<QLineEdit *>(QStringLiteral("userEmailAddressLineEdit")))
        , buttons(dialog.findChild<QDialogButtonBox *>())
    {
        for (QCheckBox *box : dialog.findChildren<QCheckBox *>()) {
            if (box->text() == QStringLiteral("Notify me when a user shares a document with me"))
                documentShared = box;
            else if (box->text() == QStringLiteral("Notify me when a user shares a message with me"))
                messageReceived = box;
        }
        for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
            if (button->text() == QStringLiteral("Set..."))
                setAddress = button;
        }
    }

    QCheckBox *documentShared = nullptr;
    QCheckBox *messageReceived = nullptr;
    QCheckBox *multiFactor;
    QPushButton *multiFactorButton;
    QLineEdit *address;
    QDialogButtonBox *buttons;
    QPushButton *setAddress = nullptr;
};

// Presses Proceed in the multi-factor confirmation box, noting what it showed.
Action Proceed(QString *explanation = nullptr, bool *cancelIsDefault = nullptr)
{
    return [explanation, cancelIsDefault](QWidget *widget) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (!box) {
            widget->close();
            return;
        }
        if (explanation) {
            for (const QLabel *label : box->findChildren<QLabel *>()) {
                if (label->text().contains(QLatin1String("<ul>")))
                    *explanation = label->text();
            }
        }
        if (cancelIsDefault)
            *cancelIsDefault = box->defaultButton() == box->button(QMessageBox::Cancel);
        QAbstractButton *ok = box->button(QMessageBox::Ok);
        if (ok->text() != QStringLiteral("Proceed")) {
            box->reject();
            return;
        }
        ok->click();
    };
}
}

class TestUserOptionsDialog : public QObject
{
    Q_OBJECT

private:
    QTranslator m_translator;
    TestServer m_server;

    template <class Message>
    Message lastRequest(int opcode) const
    {
        Message message;
        for (const auto &request : m_server.requests()) {
            if (request.majorOpcode == opcode)
                message.ParseFromString(request.payload);
        }
        return message;
    }

    int countRequests(int opcode) const
    {
        int count = 0;
        for (const auto &request : m_server.requests())
            count += request.majorOpcode == opcode ? 1 : 0;
        return count;
    }

    void scriptEmailReset(const qorv::data::ResetUserEmailAddressReply &reply, int majorErcode = 0)
    {
        m_server.reply(common::op::ResetUserEmailAddress, common::tag::Plain, reply.SerializeAsString(), majorErcode,
                       0);
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
        Registry &registry = *RegistrySingleton::instance();
        registry.clear();
        qorv::data::User loggedOn;
        loggedOn.set_user_id(7);
        loggedOn.set_user_email_address(OldAddress);
        registry.setUser(loggedOn);

        m_server.reply(common::op::SelectUser, common::tag::Plain, SelectReply({ServerUser(0)}));
        qorv::data::VerifyUserEmailAddressResetReply emailCode;
        emailCode.set_user_email_address_reset_authcode(EmailCode);
        m_server.reply(common::op::VerifyUserEmailAddressReset, common::tag::Plain, emailCode.SerializeAsString());
        scriptEmailReset(qorv::data::ResetUserEmailAddressReply());
        qorv::data::VerifyEnableMultiFactorAuthenticationReply enable;
        enable.set_enable_multi_factor_authentication_authcode(EnableCode);
        m_server.reply(common::op::VerifyEnableMultiFactorAuthentication, common::tag::Plain,
                       enable.SerializeAsString());
        qorv::data::VerifyDisableMultiFactorAuthenticationReply disable;
        disable.set_disable_multi_factor_authentication_authcode(DisableCode);
        m_server.reply(common::op::VerifyDisableMultiFactorAuthentication, common::tag::Plain,
                       disable.SerializeAsString());
    }

    void dialogShowsTheLoadedUser_data()
    {
        QTest::addColumn<unsigned int>("properties");
        QTest::addColumn<bool>("documentShared");
        QTest::addColumn<bool>("messageReceived");
        QTest::addColumn<bool>("multiFactor");
        QTest::newRow("none") << 0u << false << false << false;
        QTest::newRow("multi-factor") << 1u << false << false << true;
        QTest::newRow("document shared") << 2u << true << false << false;
        QTest::newRow("message received") << 4u << false << true << false;
        QTest::newRow("all, and unknown bits") << 0xffu << true << true << true;
    }

    void dialogShowsTheLoadedUser()
    {
        QFETCH(unsigned int, properties);
        QFETCH(bool, documentShared);
        QFETCH(bool, messageReceived);
        QFETCH(bool, multiFactor);
        m_server.reply(common::op::SelectUser, common::tag::Plain, SelectReply({ServerUser(properties)}));
        UserOptionsDialog dialog(nullptr);
        const Widgets widgets(dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("User Options"));
        QCOMPARE(dialog.minimumWidth(), 640);
        QCOMPARE(widgets.address->text(), QString::fromStdString(OldAddress));
        QVERIFY(widgets.address->isReadOnly());
        QCOMPARE(widgets.documentShared->isChecked(), documentShared);
        QCOMPARE(widgets.messageReceived->isChecked(), messageReceived);
        QCOMPARE(widgets.multiFactor->isChecked(), multiFactor);
        QVERIFY(!widgets.multiFactor->isEnabled());
        QCOMPARE(widgets.multiFactor->text(), multiFactor ? MfaOn : MfaOff);
        QCOMPARE(widgets.multiFactor->styleSheet(), multiFactor ? QStringLiteral("QCheckBox { color: green; }")
                                                                : QStringLiteral("QCheckBox { color: red; }"));
        QCOMPARE(widgets.multiFactorButton->text(), multiFactor ? DisableCaption : EnableCaption);
        QCOMPARE(dialog.isDocumentSharedNotificationEnabled(), documentShared);
        QCOMPARE(dialog.isMessageReceivedNotificationEnabled(), messageReceived);
        QCOMPARE(dialog.isMultiFactorAuthenticationEnabled(), multiFactor);

        // The load is one direct exchange for the user's id, and the server's
        // record replaces the session's.
        QCOMPARE(countRequests(common::op::SelectUser), 1);
        QCOMPARE(RegistrySingleton::instance()->getUser().user_first_name(), std::string("Ann"));
        QVERIFY(widgets.buttons->button(QDialogButtonBox::Save)->isEnabled());
        widgets.buttons->button(QDialogButtonBox::Save)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void unloadedUserCannotBeSaved_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("serverUp");
        QTest::newRow("no user") << QByteArray::fromStdString(SelectReply({})) << true;
        QTest::newRow("two users") << QByteArray::fromStdString(SelectReply({ServerUser(7), ServerUser(7)})) << true;
        QTest::newRow("unparsable") << QByteArray("\x08", 1) << true;
        QTest::newRow("no server") << QByteArray() << false;
    }

    void unloadedUserCannotBeSaved()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, serverUp);
        m_server.reply(common::op::SelectUser, common::tag::Plain, reply.toStdString());
        if (!serverUp)
            MessageDispatcher::setServerPort(1025);
        UserOptionsDialog dialog(nullptr);
        MessageDispatcher::setServerPort(m_server.port());
        const Widgets widgets(dialog);
        QVERIFY(!widgets.documentShared->isChecked());
        QVERIFY(!widgets.messageReceived->isChecked());
        QVERIFY(!widgets.multiFactor->isChecked());
        QVERIFY(widgets.multiFactor->text().isEmpty());
        QVERIFY(widgets.multiFactorButton->text().isEmpty());
        QVERIFY(widgets.address->text().isEmpty());
        // Saving would switch off multi-factor authentication and the
        // notifications the account has.
        QVERIFY(!widgets.buttons->button(QDialogButtonBox::Save)->isEnabled());
        dialog.accepted();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(dialog.isHidden());
        // The multi-factor button does nothing at all.
        m_server.clearRequests();
        widgets.multiFactorButton->click();
        QVERIFY(m_server.requests().empty());
        QCOMPARE(RegistrySingleton::instance()->getUser().user_email_address(), OldAddress);
    }

    void newEmailAddressIsProvedAndStored_data()
    {
        QTest::addColumn<QString>("typedCode");
        QTest::newRow("as received") << QString::fromStdString(EmailCode);
        QTest::newRow("with blanks, tab and line feed") << " E - 44\t1\n1 ";
    }

    void newEmailAddressIsProvedAndStored()
    {
        QFETCH(QString, typedCode);
        UserOptionsDialog dialog(nullptr);
        const Widgets widgets(dialog);
        DialogAnswerer answerer;
        answerer.expect(TypeTwice(QString::fromStdString(NewAddress), QString::fromStdString(NewAddress)));
        answerer.expect(EnterText(typedCode));
        widgets.setAddress->click();
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.seen().size(), 2);
        QCOMPARE(answerer.seen().at(0).title, QStringLiteral("New Email Address"));
        QCOMPARE(answerer.seen().at(1).title, QStringLiteral("Email Address Reset Authorizaton Code"));

        const auto verify =
            lastRequest<qorv::data::VerifyUserEmailAddressResetRequest>(common::op::VerifyUserEmailAddressReset);
        QCOMPARE(verify.user().user_id(), 7);
        QCOMPARE(verify.user().user_email_address(), OldAddress);
        QCOMPARE(verify.user_email_address(), NewAddress);
        const auto reset = lastRequest<qorv::data::ResetUserEmailAddressRequest>(common::op::ResetUserEmailAddress);
        QCOMPARE(reset.user_id(), 7);
        QCOMPARE(reset.user_email_address(), NewAddress);
        QCOMPARE(reset.user_email_address_reset_authcode(), EmailCode);

        QCOMPARE(RegistrySingleton::instance()->getUser().user_email_address(), NewAddress);
        QCOMPARE(widgets.address->text(), QString::fromStdString(NewAddress));
        // Stored at once: cancelling the options keeps it.
        widgets.buttons->button(QDialogButtonBox::Cancel)->click();
        QCOMPARE(RegistrySingleton::instance()->getUser().user_email_address(), NewAddress);
    }

    void refusedEmailAddressChangesNothing_data()
    {
        QTest::addColumn<QString>("sqls");
        QTest::addColumn<int>("sqlc");
        QTest::addColumn<int>("majorErcode");
        QTest::addColumn<bool>("parsable");
        QTest::addColumn<QString>("warning");
        const QString taken = QStringLiteral("The email address you entered is associated with another user.");
        const QString failed = QStringLiteral("Your email address cannot be set at this time.");
        QTest::newRow("taken, with error codes") << "23505" << 83906754 << 4 << true << taken;
        QTest::newRow("taken, without error codes") << "23505" << 83906754 << 0 << true << taken;
        QTest::newRow("error codes") << "" << 0 << 2 << true << failed;
        QTest::newRow("error record") << "42501" << 5 << 0 << true << failed;
        QTest::newRow("unparsable") << "" << 0 << 0 << false << failed;
    }

    void refusedEmailAddressChangesNothing()
    {
        QFETCH(QString, sqls);
        QFETCH(int, sqlc);
        QFETCH(int, majorErcode);
        QFETCH(bool, parsable);
        QFETCH(QString, warning);
        if (parsable) {
            qorv::data::ResetUserEmailAddressReply reply;
            reply.mutable_sql_diag_rec()->set_sqls(sqls.toStdString());
            reply.mutable_sql_diag_rec()->set_sqlc(sqlc);
            scriptEmailReset(reply, majorErcode);
        } else {
            m_server.reply(common::op::ResetUserEmailAddress, common::tag::Plain, std::string("\x08", 1));
        }
        UserOptionsDialog dialog(nullptr);
        const Widgets widgets(dialog);
        DialogAnswerer answerer;
        answerer.expect(TypeTwice(QString::fromStdString(NewAddress), QString::fromStdString(NewAddress)));
        answerer.expect(EnterText(QString::fromStdString(EmailCode)));
        answerer.expect(QMessageBox::Ok);
        widgets.setAddress->click();
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.lastTitle(), QStringLiteral("Warning"));
        QCOMPARE(answerer.lastText(), warning);
        QCOMPARE(RegistrySingleton::instance()->getUser().user_email_address(), OldAddress);
        QCOMPARE(widgets.address->text(), QString::fromStdString(OldAddress));
    }

    void wrongEmailCodeIsWarnedAndNothingIsSent()
    {
        UserOptionsDialog dialog(nullptr);
        const Widgets widgets(dialog);
        DialogAnswerer answerer;
        answerer.expect(TypeTwice(QString::fromStdString(NewAddress), QString::fromStdString(NewAddress)));
        answerer.expect(EnterText(QStringLiteral("e-4411")));
        answerer.expect(QMessageBox::Ok);
        widgets.setAddress->click();
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.lastTitle(), QStringLiteral("Warning"));
        QCOMPARE(answerer.lastText(),
                 QStringLiteral("An invalid Email Address Reset Authorization Code has been entered."));
        QCOMPARE(countRequests(common::op::ResetUserEmailAddress), 0);
        QCOMPARE(RegistrySingleton::instance()->getUser().user_email_address(), OldAddress);
    }

    void emailChangeEndsQuietly_data()
    {
        QTest::addColumn<bool>("withCode");
        QTest::addColumn<bool>("cancelEntry");
        QTest::addColumn<int>("verifyRequests");
        QTest::newRow("confirmation cancelled") << true << true << 0;
        QTest::newRow("no code in the reply") << false << false << 1;
    }

    void emailChangeEndsQuietly()
    {
        QFETCH(bool, withCode);
        QFETCH(bool, cancelEntry);
        QFETCH(int, verifyRequests);
        if (!withCode)
            m_server.reply(common::op::VerifyUserEmailAddressReset, common::tag::Plain,
                           qorv::data::VerifyUserEmailAddressResetReply().SerializeAsString());
        UserOptionsDialog dialog(nullptr);
        const Widgets widgets(dialog);
        DialogAnswerer answerer;
        if (cancelEntry)
            answerer.expect(QDialogButtonBox::Cancel);
        else
            answerer.expect(TypeTwice(QString::fromStdString(NewAddress), QString::fromStdString(NewAddress)));
        widgets.setAddress->click();
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(countRequests(common::op::VerifyUserEmailAddressReset), verifyRequests);
        QCOMPARE(countRequests(common::op::ResetUserEmailAddress), 0);
    }

    void invalidAddressCannotBeConfirmed()
    {
        UserOptionsDialog dialog(nullptr);
        const Widgets widgets(dialog);
        bool okEnabled = true;
        DialogAnswerer answerer;
        answerer.expect(TypeTwice(QStringLiteral("ann@example.c"), QStringLiteral("ann@example.c"), &okEnabled));
        widgets.setAddress->click();
        QCOMPARE(answerer.pending(), 0);
        QVERIFY(!okEnabled);
        QCOMPARE(countRequests(common::op::VerifyUserEmailAddressReset), 0);
    }

    void multiFactorCanBeSwitchedOnAndOffAgain()
    {
        UserOptionsDialog dialog(nullptr);
        const Widgets widgets(dialog);
        QString explanation;
        bool cancelIsDefault = false;
        DialogAnswerer answerer;
        answerer.expect(Proceed(&explanation, &cancelIsDefault));
        answerer.expect(EnterText(QStringLiteral(" EN-12 34 ")));
        widgets.multiFactorButton->click();
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.seen().at(0).title, QStringLiteral("Enable Multi-Factor Authentication"));
        QVERIFY(explanation.startsWith(QStringLiteral("<p><b>Enabling Multi-Factor Authentication</b></p>\n")));
        QCOMPARE(explanation.count(QLatin1Char('\n')), 8);
        QVERIFY(cancelIsDefault);
        QCOMPARE(answerer.seen().at(1).title, QStringLiteral("Enable Multi-Factor Authentication Authorization Code"));
        QVERIFY(dialog.isMultiFactorAuthenticationEnabled());
        QCOMPARE(widgets.multiFactor->text(), MfaOn);
        QCOMPARE(widgets.multiFactorButton->text(), DisableCaption);
        QCOMPARE(lastRequest<qorv::data::VerifyEnableMultiFactorAuthenticationRequest>(
                     common::op::VerifyEnableMultiFactorAuthentication)
                     .user()
                     .user_id(),
                 7);

        // The button now runs the other flow.
        DialogAnswerer again;
        again.expect(Proceed(&explanation));
        again.expect(EnterText(QString::fromStdString(DisableCode)));
        widgets.multiFactorButton->click();
        QCOMPARE(again.pending(), 0);
        QCOMPARE(again.seen().at(0).title, QStringLiteral("Disable Multi-Factor Authentication Authorization Code"));
        QVERIFY(explanation.startsWith(QStringLiteral("<p><b>Disabling Multi-Factor Authentication</b></p>\n")));
        QCOMPARE(explanation.count(QLatin1Char('\n')), 6);
        QVERIFY(!dialog.isMultiFactorAuthenticationEnabled());
        QCOMPARE(widgets.multiFactor->text(), MfaOff);
        QCOMPARE(widgets.multiFactorButton->text(), EnableCaption);
        QCOMPARE(countRequests(common::op::VerifyEnableMultiFactorAuthentication), 1);
        QCOMPARE(countRequests(common::op::VerifyDisableMultiFactorAuthentication), 1);
        // Nothing of the switch reaches the server from here.
        QCOMPARE(countRequests(common::op::UpdateUser), 0);
    }

    void multiFactorChangeRefusals_data()
    {
        QTest::addColumn<bool>("proceed");
        QTest::addColumn<QString>("typedCode");
        QTest::addColumn<int>("codeRequests");
        QTest::addColumn<QString>("warning");
        QTest::newRow("cancelled") << false << QString() << 0 << QString();
        QTest::newRow("wrong code")
            << true << "en-1234" << 1
            << "An invalid Enable Multi-Factor Authentication Authorization Code has been entered.";
    }

    void multiFactorChangeRefusals()
    {
        QFETCH(bool, proceed);
        QFETCH(QString, typedCode);
        QFETCH(int, codeRequests);
        QFETCH(QString, warning);
        UserOptionsDialog dialog(nullptr);
        const Widgets widgets(dialog);
        DialogAnswerer answerer;
        if (proceed) {
            answerer.expect(Proceed());
            answerer.expect(EnterText(typedCode));
            answerer.expect(QMessageBox::Ok);
        } else {
            answerer.expect(QMessageBox::Cancel);
        }
        widgets.multiFactorButton->click();
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(countRequests(common::op::VerifyEnableMultiFactorAuthentication), codeRequests);
        if (!warning.isEmpty())
            QCOMPARE(answerer.lastText(), warning);
        QVERIFY(!dialog.isMultiFactorAuthenticationEnabled());
        QCOMPARE(widgets.multiFactorButton->text(), EnableCaption);
    }

    void emptyMultiFactorCodeEndsQuietly()
    {
        m_server.reply(common::op::VerifyEnableMultiFactorAuthentication, common::tag::Plain,
                       qorv::data::VerifyEnableMultiFactorAuthenticationReply().SerializeAsString());
        UserOptionsDialog dialog(nullptr);
        const Widgets widgets(dialog);
        DialogAnswerer answerer;
        answerer.expect(Proceed());
        widgets.multiFactorButton->click();
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.seen().size(), 1);
        QVERIFY(!dialog.isMultiFactorAuthenticationEnabled());
    }
};

QTEST_MAIN(TestUserOptionsDialog)
#include "tst_useroptionsdialog.moc"
