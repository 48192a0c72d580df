#ifndef USEROPTIONSDIALOG_H
#define USEROPTIONSDIALOG_H

#include <QDialog>

#include <string>

class QCheckBox;
class QDialogButtonBox;
class QLineEdit;
class QPushButton;

// The logged-on user's own options: two e-mail notification switches, the
// e-mail address, and multi-factor authentication. A new address is proved
// with a code sent to it and stored at once by the dialog itself. The
// multi-factor switch is proved with a code sent to the address on record,
// but only the switch changes here: the console sends the three switches
// when the dialog is saved.
class UserOptionsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit UserOptionsDialog(QWidget *parent);
    ~UserOptionsDialog() override;

    bool isDocumentSharedNotificationEnabled() const;
    bool isMessageReceivedNotificationEnabled() const;
    bool isMultiFactorAuthenticationEnabled() const;

public slots:
    void setUserEmailAddress();
    void enableMultiFactorAuthentication();
    void disableMultiFactorAuthentication();
    void accepted();
    void rejected();

private:
    void initializeLayout();
    bool loadUser();
    void showMultiFactorAuthentication(bool enabled);
    // Asks to go on with a change of the multi-factor requirement.
    bool confirmMultiFactorAuthenticationChange(const QString &title, const QString &text);
    std::string requestUserEmailAddressCode(const std::string &address) const;
    std::string requestEnableCode() const;
    std::string requestDisableCode() const;

    QCheckBox *m_documentSharedNotifications;
    QCheckBox *m_messageReceivedNotifications;
    QCheckBox *m_multiFactorAuthentication;
    QLineEdit *m_userEmailAddress;
    QPushButton *m_setUserEmailAddress;
    QPushButton *m_multiFactorAuthenticationButton;
    QDialogButtonBox *m_buttonBox;
    // Without the user's record the switches show nothing true, and saving
    // them would switch off whatever the account had on.
    bool m_loaded = false;
};

#endif // USEROPTIONSDIALOG_H
