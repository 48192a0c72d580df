#include "resetpasswordreinitializewizardpage.h"

#include "common/majorcode.h"
#include "common/minortag.h"
#include "cryptographer.h"
#include "messagedispatcher.h"
#include "passwordcategories.h"
#include "registry.h"
#include "secrettext.h"

#include "updateuserrequest3.pb.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QVBoxLayout>

#include <exception>
#include <optional>
#include <utility>

namespace
{
// Check boxes read "&" as a mnemonic marker; the symbol list must show it.
QString CheckBoxText(const QString &text)
{
    QString escaped = text;
    return escaped.replace(QLatin1Char('&'), QLatin1String("&&"));
}

QCheckBox *NewRequirement(const QString &text, const char *name)
{
    auto *box = new QCheckBox(CheckBoxText(text));
    box->setObjectName(QLatin1String(name));
    box->setEnabled(false);
    return box;
}
}

ResetPasswordReinitializeWizardPage::ResetPasswordReinitializeWizardPage(QWidget *parent)
    : QWizardPage(parent)
    , m_length(NewRequirement(tr("PasswordLengthRequirement"), "lengthCheckBox"))
    , m_lowercase(NewRequirement(tr("PasswordLowercaseRequirement"), "lowercaseCheckBox"))
    , m_uppercase(NewRequirement(tr("PasswordUppercaseRequirement"), "uppercaseCheckBox"))
    , m_digit(NewRequirement(tr("PasswordNumberRequirement"), "digitCheckBox"))
    , m_symbol(NewRequirement(tr("PasswordSymbolRequirement"), "symbolCheckBox"))
    , m_newPassword(new QLineEdit)
    , m_confirmNewPassword(new QLineEdit)
{
    m_newPassword->setObjectName(QStringLiteral("newPasswordLineEdit"));
    m_confirmNewPassword->setObjectName(QStringLiteral("confirmNewPasswordLineEdit"));
    setTitle(tr("ResetPasswordReinitializeWizardPageTitle"));
    setSubTitle(tr("ResetPasswordReinitializeWizardPageSubTitle"));
    showLight(Light::Red);

    // Once the new password is stored there is nothing to go back to.
    setCommitPage(true);

    registerField(QStringLiteral("passwordLowercaseRequirement"), m_lowercase);
    registerField(QStringLiteral("passwordUppercaseRequirement"), m_uppercase);
    registerField(QStringLiteral("passwordNumberRequirement"), m_digit);
    registerField(QStringLiteral("passwordSymbolRequirement"), m_symbol);
    registerField(QStringLiteral("enterNewPassword"), m_newPassword);
    registerField(QStringLiteral("confirmNewPassword"), m_confirmNewPassword);
    m_newPassword->setEchoMode(QLineEdit::Password);
    m_confirmNewPassword->setEchoMode(QLineEdit::Password);
    m_confirmNewPassword->setEnabled(false);

    auto *requirements = new QGroupBox(tr("PasswordRequirements"));
    auto *requirementsLayout = new QVBoxLayout(requirements);
    for (QCheckBox *box : {m_length, m_lowercase, m_uppercase, m_digit, m_symbol})
        requirementsLayout->addWidget(box);

    auto *line = new QFrame;
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setMinimumHeight(10);

    auto *form = new QFormLayout;
    form->addRow(tr("EnterNewPassword"), m_newPassword);
    form->addRow(tr("ConfirmNewPassword"), m_confirmNewPassword);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(requirements);
    layout->addWidget(line);
    layout->addLayout(form);

    connect(m_newPassword, &QLineEdit::textChanged, this, &ResetPasswordReinitializeWizardPage::newPasswordTextChanged);
}

ResetPasswordReinitializeWizardPage::~ResetPasswordReinitializeWizardPage() = default;

void ResetPasswordReinitializeWizardPage::initializePage()
{
    for (QCheckBox *box : {m_length, m_lowercase, m_uppercase, m_digit, m_symbol})
        box->setChecked(false);
    m_newPassword->clear();
    clearConfirmation();
    showLight(Light::Red);
}

void ResetPasswordReinitializeWizardPage::showLight(Light light)
{
    static const char *const Pictures[] = {":icons/32x32/trafficlight_red.png", ":icons/32x32/trafficlight_yellow.png",
                                           ":icons/32x32/trafficlight_green.png"};
    setPixmap(QWizard::LogoPixmap, QPixmap(QLatin1String(Pictures[static_cast<int>(light)])));
}

void ResetPasswordReinitializeWizardPage::clearConfirmation()
{
    m_confirmNewPassword->clear();
    m_confirmNewPassword->setEnabled(false);
}

void ResetPasswordReinitializeWizardPage::newPasswordTextChanged(const QString &text)
{
    if (text.isEmpty()) {
        for (QCheckBox *box : {m_length, m_lowercase, m_uppercase, m_digit, m_symbol})
            box->setChecked(false);
        clearConfirmation();
        showLight(Light::Red);
        return;
    }

    const PasswordCategories categories(text);
    showCategories(categories);
    if (!categories.hasLength()) {
        clearConfirmation();
        showLight(Light::Red);
    } else if (categories.isStrongEnough()) {
        // The confirmation typed so far stays while the password stays good.
        m_confirmNewPassword->setEnabled(true);
        showLight(Light::Green);
    } else {
        clearConfirmation();
        showLight(Light::Yellow);
    }
}

void ResetPasswordReinitializeWizardPage::showCategories(const PasswordCategories &categories)
{
    m_length->setChecked(categories.hasLength());
    m_lowercase->setChecked(categories.hasLowercase());
    m_uppercase->setChecked(categories.hasUppercase());
    m_digit->setChecked(categories.hasDigit());
    m_symbol->setChecked(categories.hasSymbol());

    // A category reads as optional once the other three are met: the rule
    // then holds with or without it.
    const int met = categories.optionalCategories();
    const auto optional = [met](bool own) { return met - int(own) >= PasswordCategories::MinimumOptionalCategories; };
    m_lowercase->setText(optional(categories.hasLowercase()) ? tr("PasswordLowercaseRequirementOptional")
                                                             : tr("PasswordLowercaseRequirement"));
    m_uppercase->setText(optional(categories.hasUppercase()) ? tr("PasswordUppercaseRequirementOptional")
                                                             : tr("PasswordUppercaseRequirement"));
    m_digit->setText(optional(categories.hasDigit()) ? tr("PasswordNumberRequirementOptional")
                                                     : tr("PasswordNumberRequirement"));
    m_symbol->setText(CheckBoxText(optional(categories.hasSymbol()) ? tr("PasswordSymbolRequirementOptional")
                                                                    : tr("PasswordSymbolRequirement")));
}

bool ResetPasswordReinitializeWizardPage::validatePage()
{
    // The password is hashed as typed, blanks included.
    const QString password = m_newPassword->text();
    if (password.isEmpty())
        return refuse(tr("EnterNewPasswordEmptyWarning"));
    // Log-on trims the password the user types, so a stored password with
    // white space at either end could never be entered again.
    if (password != password.trimmed())
        return refuse(tr("NewPasswordHasSurroundingWhiteSpaceWarning"));
    const PasswordCategories categories(password);
    if (!categories.hasLength())
        return refuse(tr("NewPasswordFailsLengthRequirementWarning"));
    if (categories.optionalCategories() < PasswordCategories::MinimumOptionalCategories)
        return refuse(tr("NewPasswordFailsOptionalRequirementsWarning"));

    const Cryptographer &cryptographer = *CryptographerSingleton::instance();
    std::optional<std::string> passwordHash = cryptographer.hashPassword(password.toStdString());
    if (!passwordHash) {
        // The Cryptographer's lock was not available: there is no hash that
        // could be stored, and nothing is sent.
        qWarning("The new password could not be hashed; it is not set.");
        return refuse(tr("NewPasswordCannotBeSetWarning"));
    }
    const SecretText hash(std::move(*passwordHash));
    try {
        if (cryptographer.decodePassword(hash.get(), RegistrySingleton::instance()->getUserPassword()))
            return refuse(tr("NewPasswordCannotEqualCurrentPasswordWarning"));
    } catch (const std::exception &) {
        // The session holds no stored form of the right length: the current
        // password cannot be told apart.
        return refuse(tr("InvalidPasswordWarning"));
    }

    if (m_confirmNewPassword->text().isEmpty())
        return refuse(tr("ConfirmNewPasswordEmptyWarning"));
    if (m_confirmNewPassword->text() != password)
        return refuse(tr("NewPasswordNotConfirmedWarning"));

    // A failed exchange keeps the page without a word; Next tries again.
    return storePassword(hash.get());
}

bool ResetPasswordReinitializeWizardPage::storePassword(const std::string &hash)
{
    std::string stored;
    try {
        // A fresh salt each time: two encodings of one password differ.
        stored = CryptographerSingleton::instance()->encodePassword(hash);
    } catch (const std::exception &) {
        return false;
    }

    Registry &registry = *RegistrySingleton::instance();
    qorv::data::UpdateUserRequest request;
    qorv::data::User *user = request.mutable_user();
    user->set_user_id(registry.getUser().user_id());
    user->mutable_user_security_descriptor()->set_password(stored);
    std::string payload;
    if (!request.SerializeToString(&payload))
        return false;

    MessageDispatcher dispatcher(common::op::UpdateUser, common::tag::Plain, payload);
    if (!dispatcher.dispatch() || !dispatcher.noEr())
        return false;
    // Later checks in this session (another run of the wizard) compare with
    // this copy.
    registry.setUserPassword(stored);
    return true;
}

bool ResetPasswordReinitializeWizardPage::refuse(const QString &text)
{
    QMessageBox::warning(this, title(), text, QMessageBox::Ok);
    return false;
}
