#include "consoleview.h"

#include "authenticateuserclientpkihandler.h"
#include "common/errorcode.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "cryptographer.h"
#include "dbid.h"
#include "linguist.h"
#include "logondialog.h"
#include "messagedispatcher.h"
#include "picturedirectoriesdialog.h"
#include "registry.h"
#include "resetpasswordwizard.h"
#include "restoredocumentwizard.h"
#include "secrettext.h"
#include "settings.h"
#include "spellchecker.h"
#include "timezonedatabase.h"
#include "useroptionsdialog.h"
#include "userreader.h"
#include "userserver.h"
#include "userwriter.h"

#include "authenticateuserreply3.pb.h"
#include "authenticateuserrequest3.pb.h"
#include "dictionary3.pb.h"
#include "insertdictionaryrequest3.pb.h"
#include "insertdocumentrequest3.pb.h"
#include "selectdictionaryreply3.pb.h"
#include "selectdictionaryrequest3.pb.h"
#include "updateuserrequest3.pb.h"
#include "utils.h"
#include "verifymultifactorauthenticationauthcodereply3.pb.h"
#include "verifymultifactorauthenticationauthcoderequest3.pb.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QIcon>
#include <QInputDialog>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>

#include <hunspell.hxx>

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

namespace
{
constexpr int StatusTimeoutMs = 10000;
constexpr int MultiFactorAuthenticationTries = 3;
const QString PicturesSearchPrefix = QStringLiteral("pictures");

int LoggedOnUserId()
{
    return RegistrySingleton::instance()->getUser().user_id();
}

// Codes are often typed or pasted in groups; every blank, tab and line end is
// dropped, wherever it stands.
std::string WithoutWhiteSpace(const QString &text)
{
    std::string code = text.toUtf8().toStdString();
    code.erase(std::remove_if(code.begin(), code.end(),
                              [](char c) { return c != '\0' && std::strchr(" \t\n\v\f\r", c) != nullptr; }),
               code.end());
    return code;
}

// The log-on request with both hashes sealed for the server; none when it
// cannot be built. Without a hash (the Cryptographer's lock was not
// available) there is nothing that could stand in for the user's name or
// password, so there is no request either.
std::optional<std::string> LogOnRequest(const QString &userName, const QString &userPassword)
{
    const Cryptographer *cryptographer = CryptographerSingleton::instance();
    const SecretText password(userPassword.toUtf8().toStdString());
    std::optional<std::string> userNameHash = cryptographer->hashUserName(userName.toUtf8().toStdString());
    std::optional<std::string> passwordHash = cryptographer->hashPassword(password.get());
    if (!userNameHash || !passwordHash) {
        qWarning("The user name or password could not be hashed; no log-on request is sent.");
        return std::nullopt;
    }
    AuthenticateUserClientPkiHandler handler;
    handler.setUserNameHash(std::move(*userNameHash));
    handler.setUserPasswordHash(std::move(*passwordHash));
    qorv::data::AuthenticateUserRequest request;
    const std::int32_t authcode = handler.encryptRequest(request);
    if (authcode != 0) {
        qWarning("The log-on request could not be encrypted (code %d); it is not sent.", authcode);
        return std::nullopt;
    }
    std::string payload;
    if (!request.SerializeToString(&payload)) {
        qWarning("The log-on request could not be serialized; it is not sent.");
        return std::nullopt;
    }
    return payload;
}

void ShowBox(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void ShowLogOnNotPrepared(QWidget *parent)
{
    ShowBox(parent, QMessageBox::Warning, AbstractConsoleView::tr("AuthenticateUser"),
            ConsoleView::tr("LogOnRequestNotPrepared"));
}
}

ConsoleView::ConsoleView(QWidget *parent)
    : AbstractConsoleView(parent)
    , m_userGroupBrowserAction(new QAction(utils::ActionIcon("users.png"), tr("UserGroupBrowser"), this))
    , m_messageBrowserAction(new QAction(utils::ActionIcon("folder3_mail.png"), tr("MessageBrowser"), this))
    , m_documentBrowserAction(new QAction(utils::ActionIcon("folder_document.png"), tr("DocumentBrowser"), this))
    , m_documentKeysAction(new QAction(utils::ActionIcon("document_text_lock.png"), tr("DocumentKeys"), this))
    , m_folderKeysAction(new QAction(utils::ActionIcon("folder_document_lock.png"), tr("FolderKeys"), this))
    , m_pictureDirectoriesAction(m_editMenu->addAction(
          utils::ActionIcon("photo_landscape.png"), tr("PictureDirectories"), this, &ConsoleView::pictureDirectories))
    , m_restoreDocumentAction(m_toolsMenu->addAction(utils::ActionIcon("recycle.png"), tr("RestoreDocument"), this,
                                                     &ConsoleView::restoreDocument))
    , m_resetPasswordAction(m_toolsMenu->addAction(utils::ActionIcon("password_field.png"), tr("ResetPassword"), this,
                                                   &ConsoleView::resetPassword))
    , m_optionsAction(m_toolsMenu->addAction(Linguist::tr("Options"), this, &ConsoleView::options))
{
    setObjectName(QStringLiteral("ConsoleView"));

    connect(m_userGroupBrowserAction, &QAction::triggered, this, &ConsoleView::newUserGroupBrowser);
    connect(m_messageBrowserAction, &QAction::triggered, this, &ConsoleView::newMessageBrowser);
    connect(m_documentBrowserAction, &QAction::triggered, this, &ConsoleView::newDocumentBrowser);
    connect(m_documentKeysAction, &QAction::triggered, this, &ConsoleView::newDocumentKeys);
    connect(m_folderKeysAction, &QAction::triggered, this, &ConsoleView::newFolderKeys);

    m_userGroupBrowserAction->setStatusTip(tr("NewUserGroupBrowserStatusTip"));
    m_userGroupBrowserAction->setToolTip(tr("NewUserGroupBrowserToolTip"));
    m_messageBrowserAction->setStatusTip(tr("NewMessageBrowserStatusTip"));
    m_messageBrowserAction->setToolTip(tr("NewMessageBrowserToolTip"));
    m_documentBrowserAction->setStatusTip(tr("NewDocumentBrowserStatusTip"));
    m_documentBrowserAction->setToolTip(tr("NewDocumentBrowserToolTip"));
    m_documentKeysAction->setStatusTip(tr("NewDocumentKeysStatusTip"));
    m_documentKeysAction->setToolTip(tr("NewDocumentKeysToolTip"));
    m_folderKeysAction->setStatusTip(tr("NewFolderKeysStatusTip"));
    m_folderKeysAction->setToolTip(tr("NewFolderKeysToolTip"));
    m_pictureDirectoriesAction->setStatusTip(tr("PictureDirectoriesStatusTip"));
    m_restoreDocumentAction->setStatusTip(tr("RestoreDocumentStatusTip"));
    m_restoreDocumentAction->setToolTip(tr("RestoreDocumentToolTip"));
    m_resetPasswordAction->setStatusTip(tr("ResetPasswordStatusTip"));
    m_resetPasswordAction->setToolTip(tr("ResetPasswordToolTip"));
    m_optionsAction->setMenuRole(QAction::PreferencesRole);

    for (QAction *action :
         {m_userGroupBrowserAction, m_messageBrowserAction, m_documentBrowserAction, m_documentKeysAction,
          m_folderKeysAction, m_pictureDirectoriesAction, m_restoreDocumentAction, m_resetPasswordAction})
        action->setIconVisibleInMenu(true);

    initializeMode();
    initializeWindow();
    initializeFileMenu();
    initializeEditMenu();
    initializeViewMenu();
    initializeToolsMenu();
    initializeStandardToolBar();
    initializeLogTextEdit();
}

ConsoleView::~ConsoleView()
{
    Settings().saveWidgetGeometrySettings(this, Settings::ClassName);
}

bool ConsoleView::logOnWithNamePassword(const QString &userName, const QString &userPassword, const QString &serverName,
                                        int serverPort, const QString &defaultTimeZone)
{
    // The dispatcher cannot go anywhere without a server name. Refusing here,
    // before anything is cleared, keeps the session state as it was.
    if (serverName.isEmpty()) {
        ShowBox(this, QMessageBox::Warning, Linguist::tr("Warning"), Linguist::tr("InvalidServerName"));
        return false;
    }

    RegistrySingleton::instance()->clear();
    if (!CryptographerSingleton::instance()->clear()) {
        // The previous session's key would seal the log-on request.
        qWarning("The previous session key could not be wiped; no log-on request is sent.");
        ShowLogOnNotPrepared(this);
        return false;
    }
    MessageDispatcher::setServerName(serverName.toUtf8().toStdString());
    MessageDispatcher::setServerPort(serverPort);
    // The region is kept even when the table lacks it: new keys and messages
    // start with it, and their hours are then read as UTC.
    const std::string region = defaultTimeZone.toUtf8().toStdString();
    if (!TimeZoneDatabase::instance()->setDefaultTimeZone(region))
        qWarning("The default time-zone region \"%s\" is not in the zone table.", region.c_str());

    const std::optional<std::string> payload = LogOnRequest(userName, userPassword);
    if (!payload) {
        ShowLogOnNotPrepared(this);
        return false;
    }
    // The reply, and everything it leads to, is handled before this returns.
    emit deliverRequest(common::op::AuthenticateUser, common::tag::Plain, *payload);
    return true;
}

void ConsoleView::receiveReply(common::Opcode majorOpcode, common::Opcode minorOpcode, const std::string &request,
                               common::Ercode majorErcode, common::Ercode minorErcode, const std::string &reply)
{
    AbstractConsoleView::receiveReply(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
    if (majorOpcode == common::op::AuthenticateUser)
        authenticateUserReplyHandler(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
}

void ConsoleView::newUserGroupBrowser()
{
    emit deliverRequest(common::op::OpenUserGroupBrowser, common::tag::Plain, std::string());
}

void ConsoleView::newMessageBrowser()
{
    emit deliverRequest(common::op::OpenMessageBrowser, common::tag::Plain, std::string());
}

void ConsoleView::newDocumentBrowser()
{
    emit deliverRequest(common::op::OpenDocumentBrowser, common::tag::Plain, std::string());
}

void ConsoleView::newFolderKeys()
{
    emit deliverRequest(common::op::OpenFolderKeys, common::tag::Plain, std::string());
}

void ConsoleView::newDocumentKeys()
{
    emit deliverRequest(common::op::OpenDocumentKeys, common::tag::Plain, std::string());
}

void ConsoleView::pictureDirectories()
{
    PictureDirectoriesDialog dialog(this);
    Settings settings;
    QListWidget *list = dialog.getDirectoryListWidget();

    // The home picture directory is always searched; it is shown for
    // completeness but is not the user's to edit or to store.
    const QString homeDirectory = settings.getHomePictureDirectory();
    if (!homeDirectory.isEmpty()) {
        auto *homeItem = new QListWidgetItem(homeDirectory, list);
        homeItem->setFlags(Qt::NoItemFlags);
    }
    for (const QString &directory : settings.getPictureDirectories())
        new QListWidgetItem(directory, list);

    if (dialog.exec() == QDialog::Accepted) {
        QStringList directories;
        for (int row = 0; row < list->count(); ++row) {
            const QString directory = list->item(row)->text();
            if (directory != homeDirectory)
                directories.append(directory);
        }
        settings.setPictureDirectories(directories);
    }
    QDir::setSearchPaths(PicturesSearchPrefix, settings.getPictureSearchPaths());
}

void ConsoleView::restoreDocument()
{
    RestoreDocumentWizard wizard(this);
    if (wizard.exec() != QDialog::Accepted)
        return;
    // Finished without a chosen revision, there is nothing to restore; an
    // insert of an empty document must never reach the server.
    if (!wizard.getDocument().has_document_id())
        return;

    // A restored document is a new document of the logged-on user in the
    // chosen folder; the server gives it its id.
    qorv::data::InsertDocumentRequest request;
    qorv::data::Document *document = request.mutable_document();
    *document = wizard.getDocument();
    document->set_document_id(DbId::m_NullId);
    document->set_document_user_id(LoggedOnUserId());
    document->set_document_folder_id(wizard.getDocumentFolderId());

    std::string payload;
    if (!request.SerializeToString(&payload))
        return;
    emit deliverRequest(common::op::InsertDocument, common::tag::RestoreDocument, payload);
}

void ConsoleView::resetPassword()
{
    ResetPasswordWizard wizard(this);
    wizard.exec();
}

void ConsoleView::options()
{
    UserOptionsDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;

    // The switches go onto the server's current properties word, not onto a
    // copy that may have changed since log-on.
    qorv::data::User &user = RegistrySingleton::instance()->getUser();
    if (!UserServer(user).reload())
        return;

    qorv::data::UpdateUserRequest request;
    qorv::data::User *update = request.mutable_user();
    UserWriter writer(*update);
    writer.setId(user.user_id());
    writer.setProperties(UserReader(user).properties());
    writer.setProperty(UserProxy::DocumentSharedNotifications, dialog.isDocumentSharedNotificationEnabled());
    writer.setProperty(UserProxy::MessageReceivedNotifications, dialog.isMessageReceivedNotificationEnabled());
    writer.setProperty(UserProxy::MultiFactorAuthentication, dialog.isMultiFactorAuthenticationEnabled());

    std::string payload;
    bool updated = false;
    if (request.SerializeToString(&payload)) {
        MessageDispatcher dispatcher(common::op::UpdateUser, common::tag::Plain, payload);
        updated = dispatcher.dispatch() && dispatcher.noEr();
    }
    if (!updated) {
        ShowBox(this, QMessageBox::Warning, Linguist::tr("Warning"),
                UserOptionsDialog::tr("UserOptionsHaveNotBeenSet"));
        return;
    }
    UserWriter(user).setProperties(update->user_properties());
    ShowBox(this, QMessageBox::Information, Linguist::tr("Information"),
            UserOptionsDialog::tr("UserOptionsHaveBeenSet"));
}

bool ConsoleView::logOn()
{
    QString userName;
    QString userPassword;
    QString serverName;
    int serverPort = 0;
    QString defaultTimeZone;
    {
        LogonDialog dialog(this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        defaultTimeZone = dialog.getDefaultTimeZone();
        serverPort = dialog.getServerPort();
        serverName = dialog.getServerName();
        userPassword = dialog.getUserPassword();
        userName = dialog.getUserName();
    }
    return logOnWithNamePassword(userName, userPassword, serverName, serverPort, defaultTimeZone);
}

bool ConsoleView::logOff()
{
    if (getMode() != m_loggedOffMode) {
        QMessageBox question(QMessageBox::NoIcon, windowTitle(), tr("LogOffConfirmation"),
                             QMessageBox::Yes | QMessageBox::No, this);
        question.setDefaultButton(QMessageBox::No);
        if (question.exec() != QMessageBox::Yes)
            return false;

        setWindowCaption(tr("ConsoleViewWindowTitle"), QString(), QString());
        setMode(m_loggedOffMode);
        // The words go under the user's id, so they are saved before the
        // session and the user are forgotten.
        saveDictionary();
        emit deliverRequest(common::op::TerminateUserSession, common::tag::Plain, std::string());
        SpellChecker::instance()->reset();
        RegistrySingleton::instance()->clear();
        if (!CryptographerSingleton::instance()->clear())
            qWarning("The session key could not be wiped at log-off; it is wiped when the program ends.");
    }
    QCoreApplication::quit();
    return true;
}

void ConsoleView::authenticateUserReplyHandler(int majorOpcode, int minorOpcode, const std::string &request,
                                               int majorErcode, int minorErcode, const std::string &reply)
{
    // A reply that arrived but could not be used is named as such: the user
    // is not sent to look for a network fault. A major error code refuses the
    // log-on, whatever the payload says: its box is shown and nothing else
    // happens. A minor code beside a major 0 refuses nothing.
    if (majorErcode == common::er::NoReply && minorErcode == common::er::UnusableReplyMinor) {
        setWindowCaption(QObject::tr("CannotParseReply."), QString(), QString());
        return;
    }
    if (majorErcode != common::er::Success) {
        AbstractConsoleView::authenticateUserReplyHandler(majorOpcode, minorOpcode, request, majorErcode, minorErcode,
                                                          reply);
        return;
    }

    qorv::data::AuthenticateUserReply message;
    if (!message.ParseFromString(reply)) {
        setWindowCaption(QObject::tr("CannotParseReply."), QString(), QString());
        return;
    }
    if (!message.user_name_found()) {
        m_statusBar->showMessage(tr("UserNameNotFound"), StatusTimeoutMs);
        return;
    }
    if (!message.user_password_decoded()) {
        m_statusBar->showMessage(tr("UserPasswordNotDecoded"), StatusTimeoutMs);
        return;
    }
    if (!message.user_session_inserted()) {
        m_statusBar->showMessage(tr("UserSessionNotInserted"), StatusTimeoutMs);
        return;
    }

    const UserReader user(RegistrySingleton::instance()->getUser());
    if (user.property(UserProxy::MultiFactorAuthentication) && !verifyMultiFactorAuthentication())
        return;
    completeLogOn();
}

void ConsoleView::initializeMode()
{
    AbstractConsoleView::initializeMode();
    for (QAction *action : {m_userGroupBrowserAction, m_messageBrowserAction, m_documentBrowserAction,
                            m_documentKeysAction, m_folderKeysAction, m_pictureDirectoriesAction,
                            m_restoreDocumentAction, m_resetPasswordAction, m_optionsAction}) {
        registerProp(m_loggedOffMode, Mode::Enter, action, "enabled", false);
        registerProp(m_loggedOnMode, Mode::Enter, action, "enabled", true);
    }
    setMode(m_loggedOffMode);
}

void ConsoleView::initializeWindow()
{
    AbstractConsoleView::initializeWindow();
    setWindowCaption(tr("ConsoleViewWindowTitle"), QString(), QString());
    setWindowIcon(utils::ActionIcon("shield_key.png"));
    Settings().restoreWidgetGeometrySettings(this, Settings::ClassName, QSize(640, 480), QPoint(64, 48));
}

void ConsoleView::initializeFileMenu()
{
    m_fileMenu->addSeparator();
    QMenu *newMenu = m_fileMenu->addMenu(Linguist::tr("New"));
    newMenu->addAction(m_userGroupBrowserAction);
    newMenu->addSeparator();
    newMenu->addAction(m_messageBrowserAction);
    newMenu->addAction(m_documentBrowserAction);
    newMenu->addSeparator();
    newMenu->addAction(m_documentKeysAction);
    newMenu->addAction(m_folderKeysAction);

    // Every entry under New needs a session, so the submenu follows the mode
    // too rather than open onto disabled entries only. It is made after the
    // modes were entered, hence the first state set by hand.
    QAction *newMenuAction = newMenu->menuAction();
    registerProp(m_loggedOffMode, Mode::Enter, newMenuAction, "enabled", false);
    registerProp(m_loggedOnMode, Mode::Enter, newMenuAction, "enabled", true);
    newMenuAction->setEnabled(getMode() == m_loggedOnMode);
}

void ConsoleView::initializeEditMenu()
{
    // Network settings and picture directories are in place as they were made.
}

void ConsoleView::initializeViewMenu()
{
    // The view-log action is in place as it was made.
}

void ConsoleView::initializeToolsMenu()
{
    m_toolsMenu->insertSeparator(m_resetPasswordAction);
    m_toolsMenu->insertSeparator(m_optionsAction);
}

void ConsoleView::initializeStandardToolBar()
{
    AbstractConsoleView::initializeStandardToolBar();
    m_standardToolBar->addAction(m_userGroupBrowserAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_messageBrowserAction);
    m_standardToolBar->addAction(m_documentBrowserAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_documentKeysAction);
    m_standardToolBar->addAction(m_folderKeysAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_restoreDocumentAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_resetPasswordAction);
    m_standardToolBar->addSeparator();
    AbstractViewWindow::initializeStandardToolBar();
}

bool ConsoleView::verifyMultiFactorAuthentication()
{
    for (int attempt = 1; attempt <= MultiFactorAuthenticationTries; ++attempt) {
        if (askMultiFactorAuthenticationCode())
            return true;
        if (attempt < MultiFactorAuthenticationTries)
            ShowBox(this, QMessageBox::Warning, Linguist::tr("Error"), Linguist::tr("IncorrectAuthcodeTryAgain"));
    }
    ShowBox(this, QMessageBox::Information, Linguist::tr("Error"),
            Linguist::tr("IncorrectAuthcodeApplicationWillShutDown"));
    emit deliverRequest(common::op::TerminateUserSession, common::tag::Plain, std::string());
    QCoreApplication::quit();
    return false;
}

bool ConsoleView::askMultiFactorAuthenticationCode()
{
    QString typed;
    {
        QInputDialog dialog(this);
        dialog.setWindowTitle(tr("MultiFactorAuthenticationAuthorizationCodeDialogTitle"));
        dialog.setLabelText(tr("MultiFactorAuthenticationAuthorizationCodeDialogLabel"));
        dialog.setOkButtonText(Linguist::tr("Ok"));
        dialog.setCancelButtonText(Linguist::tr("Cancel"));
        if (dialog.exec() != QDialog::Accepted)
            return false;
        typed = dialog.textValue();
    }

    qorv::data::VerifyMultiFactorAuthenticationAuthcodeRequest request;
    request.set_user_id(LoggedOnUserId());
    request.set_multi_factor_authentication_authcode(WithoutWhiteSpace(typed));
    std::string payload;
    if (!request.SerializeToString(&payload)) {
        qWarning("The multi-factor code request could not be serialized; the code counts as wrong.");
        return false;
    }
    MessageDispatcher dispatcher(common::op::VerifyMultiFactorAuthenticationAuthcode, common::tag::Plain, payload);
    if (!dispatcher.dispatch()) {
        qWarning("The multi-factor code could not be checked with the server; it counts as wrong.");
        return false;
    }
    qorv::data::VerifyMultiFactorAuthenticationAuthcodeReply reply;
    return reply.ParseFromString(dispatcher.getReply()) && reply.multi_factor_authentication_authcode_verified();
}

void ConsoleView::completeLogOn()
{
    QDir::setSearchPaths(PicturesSearchPrefix, Settings().getPictureSearchPaths());
    setMode(m_loggedOnMode);
    loadDictionary();

    // A name made of blanks alone (all name fields present but empty) is no
    // name: the caption then shows the server only.
    const QString displayName =
        QString::fromUtf8(UserReader(RegistrySingleton::instance()->getUser()).displayName().c_str());
    setWindowCaption(tr("ConsoleViewWindowTitle"), QString::fromUtf8(MessageDispatcher::getServerName().c_str()),
                     displayName.trimmed().isEmpty() ? QString() : displayName);
    m_statusBar->showMessage(AbstractConsoleView::tr("AuthenticateUserNoEr"), StatusTimeoutMs);
}

void ConsoleView::loadDictionary()
{
    Hunspell *hunspell = SpellChecker::instance()->getSpellChecker();
    if (!hunspell)
        return;
    qorv::data::SelectDictionaryRequest request;
    request.set_dictionary_user_id(LoggedOnUserId());
    std::string payload;
    if (!request.SerializeToString(&payload)) {
        qWarning("The dictionary request could not be serialized; the added words are not loaded.");
        return;
    }
    MessageDispatcher dispatcher(common::op::SelectDictionary, common::tag::Plain, payload);
    if (!dispatcher.dispatch()) {
        qWarning("The added words could not be loaded from the server.");
        return;
    }
    qorv::data::SelectDictionaryReply reply;
    if (!reply.ParseFromString(dispatcher.getReply())) {
        qWarning("The dictionary reply could not be parsed; the added words are not loaded.");
        return;
    }
    for (const qorv::data::Dictionary &entry : reply.dictionary())
        hunspell->add(entry.dictionary_word());
}

void ConsoleView::saveDictionary()
{
    const int userId = LoggedOnUserId();
    for (const DictionaryEntry &entry : SpellChecker::instance()->getDictionaryEntries()) {
        qorv::data::InsertDictionaryRequest request;
        qorv::data::Dictionary *dictionary = request.mutable_dictionary();
        *dictionary = entry;
        dictionary->set_dictionary_user_id(userId);
        // One word's failure does not keep the others from being saved.
        std::string payload;
        if (!request.SerializeToString(&payload)) {
            qWarning("An added word could not be serialized; it is not saved.");
            continue;
        }
        MessageDispatcher dispatcher(common::op::InsertDictionary, common::tag::Plain, payload);
        if (!dispatcher.dispatch() || !dispatcher.noEr())
            qWarning("Added word not saved (%d, %d)", dispatcher.getMajorErcode(), dispatcher.getMinorErcode());
    }
}
