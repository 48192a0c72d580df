#ifndef CONSOLEVIEW_H
#define CONSOLEVIEW_H

#include "abstractconsoleview.h"

class QAction;

// The client's first and central window, opened once at start-up and living
// until the program ends. Beside the console commands it launches the other
// windows (through bus requests that the view managers answer), runs the
// user-level commands, and carries out the log-on and the log-off.
//
// Log-on: the log-on dialog's values, a fresh session state, the encrypted
// authenticate-user request over the bus; its reply is handled while the
// request is still being sent (the bus is synchronous), with the multi-factor
// code and the user's dictionary words asked for directly from the server.
// Log-off: a question, the user's added words saved, the end of the server
// session, the session state cleared, and the program ends.
class ConsoleView : public AbstractConsoleView
{
    Q_OBJECT

public:
    explicit ConsoleView(QWidget *parent = nullptr);
    ~ConsoleView() override;

    // Prepares the session state and sends the log-on request; false when it
    // was not sent.
    [[nodiscard]] bool logOnWithNamePassword(const QString &userName, const QString &userPassword,
                                             const QString &serverName, int serverPort, const QString &defaultTimeZone);

public slots:
    void receiveReply(common::Opcode majorOpcode, common::Opcode minorOpcode = 1,
                      const std::string &request = std::string(), common::Ercode majorErcode = 0,
                      common::Ercode minorErcode = 0, const std::string &reply = std::string()) override;

    void newUserGroupBrowser();
    void newMessageBrowser();
    void newDocumentBrowser();
    void newFolderKeys();
    void newDocumentKeys();
    void pictureDirectories();
    void restoreDocument();
    void resetPassword();
    void options();

    bool logOn() override;
    bool logOff() override;

protected:
    void authenticateUserReplyHandler(int majorOpcode, int minorOpcode, const std::string &request, int majorErcode,
                                      int minorErcode, const std::string &reply) override;

    void initializeMode();
    void initializeWindow();
    void initializeFileMenu();
    void initializeEditMenu();
    void initializeViewMenu();
    void initializeToolsMenu();
    void initializeStandardToolBar();

private:
    // False when the program is to end: three wrong codes.
    [[nodiscard]] bool verifyMultiFactorAuthentication();
    [[nodiscard]] bool askMultiFactorAuthenticationCode();
    void completeLogOn();
    void loadDictionary();
    void saveDictionary();

    QAction *m_userGroupBrowserAction;
    QAction *m_messageBrowserAction;
    QAction *m_documentBrowserAction;
    QAction *m_documentKeysAction;
    QAction *m_folderKeysAction;
    QAction *m_pictureDirectoriesAction;
    QAction *m_restoreDocumentAction;
    QAction *m_resetPasswordAction;
    QAction *m_optionsAction;
};

#endif // CONSOLEVIEW_H
