#include "logonfixture.h"

#include "applicationcomponent.h"
#include "common/majorcode.h"
#include "consoletestsupport.h"
#include "consoleview.h"
#include "crypto.h"
#include "cryptographer.h"
#include "dialoganswerer.h"
#include "messagedispatcher.h"
#include "networksettings.h"
#include "registry.h"
#include "spellchecker.h"
#include "testreplies.h"

#include "dictionary3.pb.h"
#include "selectdictionaryreply3.pb.h"
#include "verifymultifactorauthenticationauthcodereply3.pb.h"
#include "verifymultifactorauthenticationauthcoderequest3.pb.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>

namespace consoletest
{
const char *const LogOnFixture::RightCode = "123456";
const char *const LogOnFixture::UserName = "ann";
const char *const LogOnFixture::Password = "correct horse";

namespace
{
const testsupport::TestSessionKey IssuedKey = {0x10, 0x21, 0x32, 0x43, 0x54, 0x65, 0x76, 0x87,
                                               0x98, 0xa9, 0xba, 0xcb, 0xdc, 0xed, 0xfe, 0x0f};

bool WriteFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}
}

LogOnFixture::LogOnFixture()
    : m_responder(QORV_FIXTURE_KEY_DIR)
{
}

LogOnFixture::~LogOnFixture()
{
    stop();
}

bool LogOnFixture::setUp()
{
    if (!SetUpLikeTheProgram() || !m_responder.isValid() || !m_dictionaryDir.isValid())
        return false;
    m_responder.setAccount(crypto::HashUserName(UserName), crypto::HashPassword(Password));
    m_responder.setSessionKey(IssuedKey);
    m_responder.setSessionId(4711);
    m_responder.setServerTimestamp("2025-11-03 07:45:30.123456");
    m_server.onRequest(common::op::AuthenticateUser, m_responder.handler());
    m_server.onRequest(
        common::op::VerifyMultiFactorAuthenticationAuthcode, [this](const testsupport::TestRequest &request) {
            qorv::data::VerifyMultiFactorAuthenticationAuthcodeRequest asked;
            qorv::data::VerifyMultiFactorAuthenticationAuthcodeReply answer;
            if (asked.ParseFromString(request.payload)) {
                const std::lock_guard<std::mutex> lock(m_mutex);
                m_codesSeen.append(QString::fromStdString(asked.multi_factor_authentication_authcode()));
                answer.set_multi_factor_authentication_authcode_verified(
                    asked.user_id() == UserId && asked.multi_factor_authentication_authcode() == RightCode);
            }
            return testsupport::Answer(answer);
        });
    m_server.onRequest(common::op::SelectDictionary, [](const testsupport::TestRequest &) {
        qorv::data::SelectDictionaryReply reply;
        for (const char *word : {"quillanese", "halvemoorish"})
            reply.add_dictionary()->set_dictionary_word(word);
        return testsupport::Answer(reply);
    });
    if (!m_server.start())
        return false;

    // A dictionary of three words that knows no affixes.
    const QString affix = m_dictionaryDir.filePath(QStringLiteral("test.aff"));
    const QString dictionary = m_dictionaryDir.filePath(QStringLiteral("test.dic"));
    if (!WriteFile(affix, "SET UTF-8\n") || !WriteFile(dictionary, "3\nhello\nworld\nconsole\n"))
        return false;
    SpellChecker::instance()->setAffixFile(affix.toStdString());
    SpellChecker::instance()->setDictionaryFile(dictionary.toStdString());
    return true;
}

bool LogOnFixture::start()
{
    stop();
    m_server.clearRequests();
    m_server.setSessionKey(testsupport::TestSessionKey{});
    m_server.onRequest(common::op::AuthenticateUser, m_responder.handler());
    m_responder.setUser(Ann());
    m_responder.setSessionRefused(false);
    m_responder.setSessionKeyText(std::string());
    m_responder.setSessionIdText(std::string());
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_codesSeen.clear();
    }
    RegistrySingleton::instance()->clear();
    if (!CryptographerSingleton::instance()->clear())
        return false;
    SpellChecker::instance()->reset();

    NetworkSettings settings;
    settings.setServerName(QStringLiteral("127.0.0.1"));
    settings.setServerPort(m_server.port());
    settings.setDefaultTimeZone(QStringLiteral("Europe/Lisbon"));

    m_application = std::make_unique<ApplicationComponent>();
    m_console = OpenConsole();
    return m_console != nullptr;
}

void LogOnFixture::stop()
{
    // The console manager takes its window with it.
    m_application.reset();
    m_console = nullptr;
}

qorv::data::User LogOnFixture::Ann(unsigned int properties)
{
    qorv::data::User user;
    user.set_user_id(UserId);
    user.set_user_group_id(7);
    user.set_user_name(UserName);
    user.set_user_first_name("Ann");
    user.set_user_middle_name("B");
    user.set_user_last_name("Lee");
    user.set_user_email_address("ann@example.org");
    user.set_user_properties(properties);
    user.set_user_folder_id(100);
    user.set_user_message_folder_id(101);
    qorv::data::SecurityDescriptor *descriptor = user.mutable_user_security_descriptor();
    descriptor->set_audits(0xFFFFFFFFu);
    descriptor->set_session_duration(3600);
    return user;
}

void LogOnFixture::answerLogOn(testsupport::DialogAnswerer &answerer, const QString &userName, const QString &password,
                               const std::optional<QString> &serverName)
{
    answerer.expect([=](QWidget *dialog) {
        if (auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("userNameLineEdit")))
            field->setText(userName);
        if (auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("userPasswordLineEdit")))
            field->setText(password);
        if (auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("serverNameLineEdit")); field && serverName)
            field->setText(*serverName);
        if (auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("okPushButton")))
            ok->click();
        else if (auto *plain = qobject_cast<QDialog *>(dialog))
            plain->reject();
    });
}

void LogOnFixture::answerCode(testsupport::DialogAnswerer &answerer, const std::optional<QString> &code)
{
    answerer.expect([=](QWidget *dialog) {
        auto *input = qobject_cast<QInputDialog *>(dialog);
        if (!input || !code) {
            qobject_cast<QDialog *>(dialog)->reject();
            return;
        }
        input->setTextValue(*code);
        input->accept();
    });
}

void LogOnFixture::triggerLogOn()
{
    FindAction(m_console, QStringLiteral("Log on..."))->trigger();
}

void LogOnFixture::triggerLogOff()
{
    FindAction(m_console, QStringLiteral("Log off..."))->trigger();
}

QList<int> LogOnFixture::majors() const
{
    QList<int> majors;
    for (const testsupport::TestRequest &request : m_server.requests())
        majors.append(request.majorOpcode);
    return majors;
}

QStringList LogOnFixture::codesSeen() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_codesSeen;
}
}
