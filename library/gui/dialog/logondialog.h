#ifndef LOGONDIALOG_H
#define LOGONDIALOG_H

#include "networkdialog.h"

class QCheckBox;

// Asks for the user name and password, with the network fields behind an
// options switch. Its values serve one log-on only; it stores nothing. The
// two links below the fields lead to the forgotten user name and password
// flows.
class LogonDialog : public NetworkDialog
{
    Q_OBJECT

public:
    explicit LogonDialog(QWidget *parent = nullptr);

    // Both without leading and trailing white space, the password too.
    QString getUserName() const;
    QString getUserPassword() const;

    void setFocusUserName();
    void setFocusUserPassword();
    void setFocusServerName();
    void clearUserName();
    void clearUserPassword();
    void clear();

public slots:
    // Refuses an empty server name, which no exchange can go to: the dialog
    // stays open with everything typed, the server name in view and in focus.
    void accept() override;

protected:
    virtual void initialize();
    virtual void initializeWindow();
    virtual void initializeLayout();
    virtual void initializeWidgets();

    // Return in one of the fields moves on to the next one. The dialog does
    // not install it, so Return presses the default button as in any dialog.
    bool eventFilter(QObject *watched, QEvent *event) override;

protected slots:
    void toggleShowPassword(int state);
    void optionsStateChanged(int state);
    void forgotUserName(const QString &link);
    void forgotPassword(const QString &link);

private:
    void setLinkLabelInteraction();

    QLabel *m_userNameLabel;
    QLabel *m_userPasswordLabel;
    QLineEdit *m_userNameLineEdit;
    QLineEdit *m_userPasswordLineEdit;
    QCheckBox *m_showPasswordCheckBox;
    QCheckBox *m_optionsCheckBox;
    QLabel *m_forgotUserNameLabel;
    QLabel *m_forgotPasswordLabel;
};

#endif // LOGONDIALOG_H
