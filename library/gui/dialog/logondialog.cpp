#include "logondialog.h"

#include "credentialinput.h"
#include "credentialresetflow.h"
#include "linguist.h"
#include "networksettings.h"
#include "utils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpacerItem>
#include <QSpinBox>
#include <QVBoxLayout>

#include <iterator>

namespace
{
const QString LinkTemplate = QStringLiteral("<a href='#'>%1%</a>");
const QString LinkStyleSheet = QStringLiteral("QLabel { color: #1a73e8; }");
constexpr int MinimumWidth = 250;
constexpr int SpacerExtent = 25;

QString LinkText(const QString &text)
{
    QString link = LinkTemplate;
    return link.replace(QStringLiteral("%1%"), text);
}

// A row that pushes its one label to the right edge.
QHBoxLayout *RightAligned(QWidget *widget)
{
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch();
    row->addWidget(widget);
    return row;
}
}

LogonDialog::LogonDialog(QWidget *parent)
    : NetworkDialog(parent)
    , m_userNameLabel(new QLabel(tr("UserName"), this))
    , m_userPasswordLabel(new QLabel(tr("UserPassword"), this))
    , m_userNameLineEdit(new QLineEdit(this))
    , m_userPasswordLineEdit(new QLineEdit(this))
    , m_showPasswordCheckBox(new QCheckBox(Linguist::tr("ShowPassword"), this))
    , m_optionsCheckBox(new QCheckBox(Linguist::tr("Options"), this))
    , m_forgotUserNameLabel(new QLabel(this))
    , m_forgotPasswordLabel(new QLabel(this))
{
    m_userNameLineEdit->setObjectName(QStringLiteral("userNameLineEdit"));
    m_userPasswordLineEdit->setObjectName(QStringLiteral("userPasswordLineEdit"));
    m_showPasswordCheckBox->setObjectName(QStringLiteral("showPasswordCheckBox"));
    m_optionsCheckBox->setObjectName(QStringLiteral("optionsCheckBox"));
    m_forgotUserNameLabel->setObjectName(QStringLiteral("forgotUserNameLabel"));
    m_forgotPasswordLabel->setObjectName(QStringLiteral("forgotPasswordLabel"));
    initialize();
}

QString LogonDialog::getUserName() const
{
    return m_userNameLineEdit->text().trimmed();
}

QString LogonDialog::getUserPassword() const
{
    return m_userPasswordLineEdit->text().trimmed();
}

void LogonDialog::setFocusUserName()
{
    m_userNameLineEdit->setFocus(Qt::OtherFocusReason);
}

void LogonDialog::setFocusUserPassword()
{
    m_userPasswordLineEdit->setFocus(Qt::OtherFocusReason);
}

void LogonDialog::setFocusServerName()
{
    m_serverNameLineEdit->setFocus(Qt::OtherFocusReason);
}

void LogonDialog::clearUserName()
{
    m_userNameLineEdit->clear();
}

void LogonDialog::clearUserPassword()
{
    m_userPasswordLineEdit->clear();
}

void LogonDialog::clear()
{
    clearUserName();
    clearUserPassword();
}

void LogonDialog::initialize()
{
    initializeWindow();
    initializeLayout();
    initializeWidgets();
}

void LogonDialog::initializeWindow()
{
    setWindowTitle(tr("LogonDialogWindowTitle"));
    setWindowIcon(utils::ActionIcon("log_in.png"));
    setMinimumWidth(MinimumWidth);
}

void LogonDialog::initializeLayout()
{
    m_forgotUserNameLabel->setText(LinkText(tr("ForgotUserName")));
    m_forgotPasswordLabel->setText(LinkText(tr("ForgotPassword")));
    setLinkLabelInteraction();
    for (QLabel *link : {m_forgotUserNameLabel, m_forgotPasswordLabel}) {
        link->setStyleSheet(LinkStyleSheet);
        link->setFocusPolicy(Qt::NoFocus);
    }

    auto *pictureLabel = new QLabel(this);
    pictureLabel->setPixmap(QPixmap(QStringLiteral(":images/login.jpg")));
    auto *pictureRow = new QHBoxLayout;
    pictureRow->addStretch();
    pictureRow->addWidget(pictureLabel);
    pictureRow->addStretch();

    auto *form = new QFormLayout;
    form->addRow(m_userNameLabel, m_userNameLineEdit);
    form->addRow(new QLabel(this), RightAligned(m_forgotUserNameLabel));
    form->addRow(m_userPasswordLabel, m_userPasswordLineEdit);
    form->addRow(new QLabel(this), RightAligned(m_forgotPasswordLabel));
    form->addRow(m_serverNameLabel, m_serverNameLineEdit);
    form->addRow(m_serverPortLabel, m_serverPortSpinBox);
    form->addRow(m_defaultTimeZoneLabel, m_defaultTimeZoneComboBox);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_okPushButton);
    buttonRow->addWidget(m_cancelPushButton);
    buttonRow->addSpacerItem(new QSpacerItem(SpacerExtent, 1));
    buttonRow->addStretch();
    buttonRow->addWidget(m_showPasswordCheckBox);
    buttonRow->addWidget(m_optionsCheckBox);

    auto *line = new QFrame(this);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    auto *dialogLayout = new QVBoxLayout(this);
    dialogLayout->addLayout(pictureRow);
    dialogLayout->addSpacerItem(new QSpacerItem(1, SpacerExtent));
    dialogLayout->addLayout(form);
    dialogLayout->addSpacerItem(new QSpacerItem(1, SpacerExtent));
    dialogLayout->addWidget(line);
    dialogLayout->addLayout(buttonRow);
    // The dialog follows its contents: it shrinks when the network rows are
    // hidden and grows when they come back.
    dialogLayout->setSizeConstraint(QLayout::SetFixedSize);

    // The base made the network fields and the buttons before the user's
    // fields existed; Tab follows the screen, not the order of making.
    QWidget *const tabOrder[] = {m_userNameLineEdit,  m_userPasswordLineEdit,    m_serverNameLineEdit,
                                 m_serverPortSpinBox, m_defaultTimeZoneComboBox, m_okPushButton,
                                 m_cancelPushButton,  m_showPasswordCheckBox,    m_optionsCheckBox};
    for (std::size_t index = 1; index < std::size(tabOrder); ++index)
        setTabOrder(tabOrder[index - 1], tabOrder[index]);
}

void LogonDialog::initializeWidgets()
{
    m_userPasswordLineEdit->setEchoMode(QLineEdit::Password);

    // Without a server to go to, the network rows must be in view; with one,
    // they stay out of the way.
    const bool haveServer = !NetworkSettings().getServerName().trimmed().isEmpty();
    m_optionsCheckBox->setChecked(!haveServer);
    optionsStateChanged(haveServer ? Qt::Unchecked : Qt::Checked);

    setLinkLabelInteraction();

    // Made after the initial state is applied, which the direct call above did.
    connect(m_showPasswordCheckBox, &QCheckBox::stateChanged, this, &LogonDialog::toggleShowPassword);
    connect(m_optionsCheckBox, &QCheckBox::stateChanged, this, &LogonDialog::optionsStateChanged);
    connect(m_forgotUserNameLabel, &QLabel::linkActivated, this, &LogonDialog::forgotUserName);
    connect(m_forgotPasswordLabel, &QLabel::linkActivated, this, &LogonDialog::forgotPassword);
}

void LogonDialog::accept()
{
    if (!credentials::ValidNetworkSettings(this, getServerName().toUtf8().toStdString(), getServerPort())) {
        m_optionsCheckBox->setChecked(true);
        setFocusServerName();
        return;
    }
    QDialog::accept();
}

bool LogonDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Return) {
        const QObject *fields[] = {m_userNameLineEdit, m_userPasswordLineEdit, m_serverNameLineEdit,
                                   m_serverPortSpinBox, m_defaultTimeZoneComboBox};
        for (const QObject *field : fields) {
            if (watched == field) {
                focusNextPrevChild(true);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LogonDialog::toggleShowPassword(int state)
{
    m_userPasswordLineEdit->setEchoMode(state == Qt::Checked ? QLineEdit::Normal : QLineEdit::Password);
}

void LogonDialog::optionsStateChanged(int state)
{
    const bool visible = state == Qt::Checked;
    QWidget *const networkWidgets[] = {m_serverNameLabel,   m_serverNameLineEdit,   m_serverPortLabel,
                                       m_serverPortSpinBox, m_defaultTimeZoneLabel, m_defaultTimeZoneComboBox};
    for (QWidget *widget : networkWidgets)
        widget->setVisible(visible);
    setFocusUserName();
}

void LogonDialog::forgotUserName(const QString &)
{
    CredentialResetFlow(this, CredentialResetFlow::UserName).run(getServerName(), getServerPort());
}

void LogonDialog::forgotPassword(const QString &)
{
    CredentialResetFlow(this, CredentialResetFlow::Password).run(getServerName(), getServerPort());
}

void LogonDialog::setLinkLabelInteraction()
{
    for (QLabel *link : {m_forgotUserNameLabel, m_forgotPasswordLabel}) {
        link->setTextFormat(Qt::RichText);
        link->setTextInteractionFlags(Qt::TextBrowserInteraction);
        link->setOpenExternalLinks(false);
    }
}
