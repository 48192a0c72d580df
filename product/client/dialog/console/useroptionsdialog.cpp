#include "useroptionsdialog.h"

#include "common/majorcode.h"
#include "common/minortag.h"
#include "confirmtextvaluedialog.h"
#include "credentialinput.h"
#include "linguist.h"
#include "messagedispatcher.h"
#include "registry.h"
#include "userproxy.h"
#include "userreader.h"
#include "userserver.h"
#include "userwriter.h"
#include "utils.h"

#include "resetuseremailaddressreply3.pb.h"
#include "resetuseremailaddressrequest3.pb.h"
#include "verifydisablemultifactorauthenticationreply3.pb.h"
#include "verifydisablemultifactorauthenticationrequest3.pb.h"
#include "verifyenablemultifactorauthenticationreply3.pb.h"
#include "verifyenablemultifactorauthenticationrequest3.pb.h"
#include "verifyuseremailaddressresetreply3.pb.h"
#include "verifyuseremailaddressresetrequest3.pb.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace
{
const char *const UniqueViolation = "23505";

qorv::data::User &LoggedOnUser()
{
    return RegistrySingleton::instance()->getUser();
}

// One direct exchange; the reply when it arrived and decrypted, else nothing.
bool Exchange(common::Opcode opcode, const google::protobuf::MessageLite &request, std::string *reply)
{
    std::string payload;
    if (!request.SerializeToString(&payload))
        return false;
    MessageDispatcher dispatcher(opcode, common::tag::Plain, payload);
    if (!dispatcher.dispatch())
        return false;
    *reply = dispatcher.getReply();
    return true;
}
}

UserOptionsDialog::UserOptionsDialog(QWidget *parent)
    : QDialog(parent)
    , m_documentSharedNotifications(new QCheckBox(tr("DocumentSharedNotifications")))
    , m_messageReceivedNotifications(new QCheckBox(tr("MessageReceivedNotifications")))
    , m_multiFactorAuthentication(new QCheckBox)
    , m_userEmailAddress(new QLineEdit)
    , m_setUserEmailAddress(new QPushButton(tr("SetUserEmailAddress")))
    , m_multiFactorAuthenticationButton(new QPushButton)
    , m_buttonBox(new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel))
{
    m_multiFactorAuthentication->setObjectName(QStringLiteral("multiFactorAuthenticationCheckBox"));
    m_multiFactorAuthenticationButton->setObjectName(QStringLiteral("multiFactorAuthenticationButton"));
    m_userEmailAddress->setObjectName(QStringLiteral("userEmailAddressLineEdit"));

    setWindowTitle(tr("UserOptions"));
    setMinimumWidth(640);

    m_loaded = loadUser();
    // Saving makes the console send the three switches; switches that were
    // never loaded would turn off whatever the account had on.
    m_buttonBox->button(QDialogButtonBox::Save)->setEnabled(m_loaded);

    m_userEmailAddress->setReadOnly(true);
    m_multiFactorAuthentication->setEnabled(false);

    connect(m_setUserEmailAddress, &QPushButton::clicked, this, &UserOptionsDialog::setUserEmailAddress);
    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &UserOptionsDialog::accepted);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &UserOptionsDialog::rejected);

    initializeLayout();
}

UserOptionsDialog::~UserOptionsDialog() = default;

bool UserOptionsDialog::loadUser()
{
    qorv::data::User &user = LoggedOnUser();
    if (!UserServer(user).reload())
        return false;
    const UserReader reader(user);
    m_userEmailAddress->setText(QString::fromStdString(reader.emailAddress()));
    m_documentSharedNotifications->setChecked(reader.property(UserProxy::DocumentSharedNotifications));
    m_messageReceivedNotifications->setChecked(reader.property(UserProxy::MessageReceivedNotifications));
    showMultiFactorAuthentication(reader.property(UserProxy::MultiFactorAuthentication));
    return true;
}

void UserOptionsDialog::initializeLayout()
{
    auto *notifications = new QGroupBox(tr("NotificationsGroupBoxTitle"));
    auto *notificationsLayout = new QVBoxLayout(notifications);
    notificationsLayout->addWidget(m_documentSharedNotifications);
    notificationsLayout->addWidget(m_messageReceivedNotifications);

    auto *emailAddress = new QGroupBox(tr("UserEmailAddressGroupBoxTitle"));
    auto *emailAddressLayout = new QHBoxLayout(emailAddress);
    emailAddressLayout->addWidget(m_userEmailAddress);
    emailAddressLayout->addWidget(m_setUserEmailAddress);

    auto *multiFactor = new QGroupBox(tr("MultiFactorAuthenticationGroupBoxTitle"));
    auto *multiFactorLayout = new QHBoxLayout(multiFactor);
    multiFactorLayout->addWidget(m_multiFactorAuthentication);
    multiFactorLayout->addWidget(m_multiFactorAuthenticationButton);

    auto *grid = new QGridLayout;
    grid->addWidget(notifications, 0, 0);
    grid->addWidget(emailAddress, 1, 0);
    grid->addWidget(multiFactor, 2, 0);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_buttonBox);
}

void UserOptionsDialog::showMultiFactorAuthentication(bool enabled)
{
    m_multiFactorAuthentication->setChecked(enabled);
    m_multiFactorAuthenticationButton->disconnect(this);
    if (enabled) {
        m_multiFactorAuthentication->setText(tr("MultiFactorAuthenticationIsEnabledForYourAccount"));
        m_multiFactorAuthentication->setStyleSheet(QStringLiteral("QCheckBox { color: green; }"));
        m_multiFactorAuthenticationButton->setText(tr("DisableMultiFactorAuthenticationForYourAccount"));
        connect(m_multiFactorAuthenticationButton, &QPushButton::clicked, this,
                &UserOptionsDialog::disableMultiFactorAuthentication);
    } else {
        m_multiFactorAuthentication->setText(tr("MultiFactorAuthenticationIsDisabledForYourAccount"));
        m_multiFactorAuthentication->setStyleSheet(QStringLiteral("QCheckBox { color: red; }"));
        m_multiFactorAuthenticationButton->setText(tr("EnableMultiFactorAuthenticationForYourAccount"));
        connect(m_multiFactorAuthenticationButton, &QPushButton::clicked, this,
                &UserOptionsDialog::enableMultiFactorAuthentication);
    }
}

bool UserOptionsDialog::isDocumentSharedNotificationEnabled() const
{
    return m_documentSharedNotifications->isChecked();
}

bool UserOptionsDialog::isMessageReceivedNotificationEnabled() const
{
    return m_messageReceivedNotifications->isChecked();
}

bool UserOptionsDialog::isMultiFactorAuthenticationEnabled() const
{
    return m_multiFactorAuthentication->isChecked();
}

void UserOptionsDialog::setUserEmailAddress()
{
    ConfirmTextValueDialog dialog(this, tr("NewUserEmailAddressDialogWindowTitle"), tr("EnterNewUserEmailAddress"),
                                  tr("ConfirmNewUserEmailAddress"), QLineEdit::Normal);
    dialog.setMinimumWidth(480);
    dialog.setWindowIcon(utils::ActionIcon("mail.png"));
    dialog.setValidator(
        new QRegularExpressionValidator(QRegularExpression(credentials::UserEmailAddressPattern()), &dialog));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::string address = dialog.getTextValue().toStdString();
    if (address.empty())
        return;

    const std::string code = requestUserEmailAddressCode(address);
    if (code.empty())
        return;
    if (!credentials::ConfirmAuthorizationCode(this, tr("UserEmailAddressResetAuthorizationCodeDialogTitle"),
                                               tr("UserEmailAddressResetAuthorizationCodeDialogLabel"),
                                               tr("InvalidUserEmailAddressResetAuthorizationCode"), code))
        return;

    qorv::data::ResetUserEmailAddressRequest request;
    request.set_user_id(LoggedOnUser().user_id());
    request.set_user_email_address(address);
    request.set_user_email_address_reset_authcode(code);
    std::string payload;
    if (!request.SerializeToString(&payload))
        return;
    MessageDispatcher dispatcher(common::op::ResetUserEmailAddress, common::tag::Plain, payload);
    const bool answered = dispatcher.dispatch();
    qorv::data::ResetUserEmailAddressReply reply;
    const bool parsed = answered && reply.ParseFromString(dispatcher.getReply());
    if (parsed && reply.sql_diag_rec().sqls() == UniqueViolation) {
        QMessageBox::warning(this, Linguist::tr("Warning"), tr("SetUserEmailAddressErrUniqueViolation"),
                             QMessageBox::Ok);
        return;
    }
    // Only an address the server has taken may show as the user's address:
    // the notifications and codes go wherever the server thinks it is.
    if (!parsed || !dispatcher.noEr() || !credentials::ServerReportsSuccess(reply.sql_diag_rec())) {
        QMessageBox::warning(this, Linguist::tr("Warning"), tr("SetUserEmailAddressFailed"), QMessageBox::Ok);
        return;
    }
    UserWriter(LoggedOnUser()).setEmailAddress(address);
    m_userEmailAddress->setText(QString::fromStdString(address));
}

std::string UserOptionsDialog::requestUserEmailAddressCode(const std::string &address) const
{
    qorv::data::VerifyUserEmailAddressResetRequest request;
    request.mutable_user()->CopyFrom(LoggedOnUser());
    request.set_user_email_address(address);
    std::string bytes;
    qorv::data::VerifyUserEmailAddressResetReply reply;
    if (!Exchange(common::op::VerifyUserEmailAddressReset, request, &bytes) || !reply.ParseFromString(bytes))
        return std::string();
    return reply.user_email_address_reset_authcode();
}

std::string UserOptionsDialog::requestEnableCode() const
{
    qorv::data::VerifyEnableMultiFactorAuthenticationRequest request;
    request.mutable_user()->CopyFrom(LoggedOnUser());
    std::string bytes;
    qorv::data::VerifyEnableMultiFactorAuthenticationReply reply;
    if (!Exchange(common::op::VerifyEnableMultiFactorAuthentication, request, &bytes) || !reply.ParseFromString(bytes))
        return std::string();
    return reply.enable_multi_factor_authentication_authcode();
}

std::string UserOptionsDialog::requestDisableCode() const
{
    qorv::data::VerifyDisableMultiFactorAuthenticationRequest request;
    request.mutable_user()->CopyFrom(LoggedOnUser());
    std::string bytes;
    qorv::data::VerifyDisableMultiFactorAuthenticationReply reply;
    if (!Exchange(common::op::VerifyDisableMultiFactorAuthentication, request, &bytes) || !reply.ParseFromString(bytes))
        return std::string();
    return reply.disable_multi_factor_authentication_authcode();
}

bool UserOptionsDialog::confirmMultiFactorAuthenticationChange(const QString &title, const QString &text)
{
    QMessageBox box(this);
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setWindowTitle(title);
    // The explanation is a list in rich text, wider than a message box's own
    // text would lay out; it goes below the (empty) text instead.
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    QAbstractButton *ok = box.button(QMessageBox::Ok);
    if (grid && ok) {
        grid->addWidget(new QLabel(text, &box), 1, 0);
        ok->setText(Linguist::tr("Proceed"));
    }
    return box.exec() == QMessageBox::Ok;
}

void UserOptionsDialog::enableMultiFactorAuthentication()
{
    if (!confirmMultiFactorAuthenticationChange(tr("EnableMultiFactorAuthenticationTitle"),
                                                tr("ConfirmEnableMultiFactorAuthenticationText")))
        return;
    const std::string code = requestEnableCode();
    if (code.empty())
        return;
    if (!credentials::ConfirmAuthorizationCode(this, tr("EnableMultiFactorAuthenticationAuthorizationCodeDialogTitle"),
                                               tr("EnableMultiFactorAuthenticationAuthorizationCodeDialogLabel"),
                                               tr("InvalidEnableMultiFactorAuthenticationAuthorizationCode"), code))
        return;
    showMultiFactorAuthentication(true);
}

void UserOptionsDialog::disableMultiFactorAuthentication()
{
    if (!confirmMultiFactorAuthenticationChange(tr("DisableMultiFactorAuthenticationTitle"),
                                                tr("ConfirmDisableMultiFactorAuthenticationText")))
        return;
    const std::string code = requestDisableCode();
    if (code.empty())
        return;
    if (!credentials::ConfirmAuthorizationCode(this, tr("DisableMultiFactorAuthenticationAuthorizationCodeDialogTitle"),
                                               tr("DisableMultiFactorAuthenticationAuthorizationCodeDialogLabel"),
                                               tr("InvalidDisableMultiFactorAuthenticationAuthorizationCode"), code))
        return;
    showMultiFactorAuthentication(false);
}

void UserOptionsDialog::accepted()
{
    if (m_loaded)
        accept();
}

void UserOptionsDialog::rejected()
{
    reject();
}
