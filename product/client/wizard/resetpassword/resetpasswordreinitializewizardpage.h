#ifndef RESETPASSWORDREINITIALIZEWIZARDPAGE_H
#define RESETPASSWORDREINITIALIZEWIZARDPAGE_H

#include <QWizardPage>

#include <string>

class PasswordCategories;
class QCheckBox;
class QLineEdit;

// Asks for the new password, shows live which rules it meets (with a traffic
// light), and stores it: the one server exchange of the wizard is made when
// the user commits this page, and the session's record takes the new stored
// form once the server has accepted it.
class ResetPasswordReinitializeWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit ResetPasswordReinitializeWizardPage(QWidget *parent);
    ~ResetPasswordReinitializeWizardPage() override;

    void initializePage() override;
    bool validatePage() override;

public slots:
    void newPasswordTextChanged(const QString &text);

private:
    enum class Light
    {
        Red,
        Yellow,
        Green
    };

    void showLight(Light light);
    void showCategories(const PasswordCategories &categories);
    void clearConfirmation();
    bool refuse(const QString &text);
    // The stored form of the new password's hash, sent to the server; false
    // when the exchange or the server failed.
    bool storePassword(const std::string &hash);

    QCheckBox *m_length;
    QCheckBox *m_lowercase;
    QCheckBox *m_uppercase;
    QCheckBox *m_digit;
    QCheckBox *m_symbol;
    QLineEdit *m_newPassword;
    QLineEdit *m_confirmNewPassword;
};

#endif // RESETPASSWORDREINITIALIZEWIZARDPAGE_H
