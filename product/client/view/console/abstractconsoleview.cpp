#include "abstractconsoleview.h"

#include "clock.h"
#include "common/errorcode.h"
#include "common/eventcode.h"
#include "linguist.h"
#include "networksettings.h"
#include "networksettingsdialog.h"
#include "utils.h"

#include <QAction>
#include <QCloseEvent>
#include <QColor>
#include <QDateTime>
#include <QIcon>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPalette>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>

#include <unistd.h>

#include <array>

namespace
{
const QColor LogInactiveColor(211, 211, 211);
const QColor LogActiveColor(255, 255, 255);
const QString Failure = QStringLiteral("outcome=failure");
const QString HighlightedFailure = QStringLiteral("<font color=\"red\">outcome=failure</font>");
const QString LogTimeFormat = QStringLiteral("MMM dd hh:mm:ss");

// The machine's name as the system gives it; false when it cannot be read.
bool ReadHostName(QString *hostName)
{
    std::array<char, 1024> buffer{};
    if (::gethostname(buffer.data(), buffer.size() - 1) != 0)
        return false;
    *hostName = QString::fromLocal8Bit(buffer.data());
    return true;
}
}

AbstractConsoleView::AbstractConsoleView(QWidget *parent)
    : AbstractViewWindow(parent)
    , m_logOnAction(
          m_fileMenu->addAction(utils::ActionIcon("log_in.png"), tr("LogOn"), this, &AbstractConsoleView::logOn))
    , m_logOffAction(
          m_fileMenu->addAction(utils::ActionIcon("log_out.png"), tr("LogOff"), this, &AbstractConsoleView::logOff))
    , m_networkSettingsAction(m_editMenu->addAction(utils::ActionIcon("client_network.png"), tr("NetworkSettings"),
                                                    this, &AbstractConsoleView::networkSettings))
    , m_viewLogAction(m_viewMenu->addAction(utils::ActionIcon("history2.png"), tr("ViewLog")))
    , m_aboutAction(m_helpMenu->addAction(Linguist::tr("AboutQORV"), this, &AbstractViewWindow::helpAbout))
    , m_logTextEdit(new QTextEdit(this))
    , m_loggedOffMode(registerMode(-1, std::string()))
    , m_loggedOnMode(registerMode(-1, std::string()))
{
    m_logOnAction->setStatusTip(tr("LogOnStatusTip"));
    m_logOnAction->setToolTip(tr("LogOnToolTip"));
    m_logOffAction->setStatusTip(tr("LogOffStatusTip"));
    m_logOffAction->setToolTip(tr("LogOffToolTip"));
    m_networkSettingsAction->setStatusTip(tr("NetworkSettingsStatusTip"));
    m_networkSettingsAction->setToolTip(tr("NetworkSettingsToolTip"));
    m_viewLogAction->setStatusTip(tr("ViewLogStatusTip"));
    m_viewLogAction->setToolTip(tr("ViewLogToolTip"));
    for (QAction *action : {m_logOnAction, m_logOffAction, m_networkSettingsAction, m_viewLogAction})
        action->setIconVisibleInMenu(true);

    m_viewLogAction->setCheckable(true);
    connect(m_viewLogAction, &QAction::toggled, this, &AbstractConsoleView::toggleViewLog);
}

void AbstractConsoleView::receiveEvent(common::Evcode majorEvcode, common::Evcode, const std::string &event)
{
    if (majorEvcode != common::ev::Audit || !m_viewLogAction->isChecked() || event.empty())
        return;

    // The line is the server's and the user's data: it is shown as text, and
    // only the failure marker is made red.
    QString line = QString::fromUtf8(event.data(), static_cast<int>(event.size())).toHtmlEscaped();
    line.replace(Failure, HighlightedFailure);

    QString hostName;
    if (!ReadHostName(&hostName)) {
        qWarning("The host name cannot be read; an audit line is not shown.");
        return;
    }
    const QDateTime now = QDateTime::fromSecsSinceEpoch(static_cast<qint64>(Clock::nowTimeT()));
    const QString prefix = QLocale::c().toString(now, LogTimeFormat) + QLatin1Char(' ') + hostName + QLatin1Char(' ');
    // The span makes the whole paragraph rich text, with or without a marker.
    m_logTextEdit->append(QStringLiteral("<span>%1</span>").arg(prefix.toHtmlEscaped() + line));
}

void AbstractConsoleView::networkSettings()
{
    NetworkSettingsDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    NetworkSettings settings;
    settings.setServerPort(static_cast<unsigned int>(dialog.getServerPort()));
    settings.setServerName(dialog.getServerName());
    settings.setDefaultTimeZone(dialog.getDefaultTimeZone());
}

void AbstractConsoleView::toggleViewLog(bool checked)
{
    if (checked) {
        setLogBaseColor(LogActiveColor);
        return;
    }
    // Switched off, the log is dropped: nothing is kept for the next time.
    setLogBaseColor(LogInactiveColor);
    m_logTextEdit->clear();
}

void AbstractConsoleView::initializeLogTextEdit()
{
    setLogBaseColor(LogInactiveColor);
    m_logTextEdit->setReadOnly(true);
    m_logTextEdit->setLineWrapMode(QTextEdit::NoWrap);
}

void AbstractConsoleView::authenticateUserReplyHandler(int, int, const std::string &, int majorErcode, int minorErcode,
                                                       const std::string &)
{
    // Keyed by the major code alone: a minor code beside a major 0 is no failure.
    if (majorErcode == common::er::Success)
        return;

    QMessageBox::Icon icon = QMessageBox::Critical;
    QString text;
    switch (majorErcode) {
    case common::er::NoReply:
        icon = QMessageBox::Warning;
        text = tr("AuthenticateUserServiceNoReplyEr");
        break;
    case common::er::DatabaseConnection:
        text = tr("AuthenticateUserDatabaseConnectionEr");
        break;
    case common::er::DatabaseExecuteStatement:
        text = tr("AuthenticateUserDatabaseExecuteStatementEr");
        break;
    case common::er::DatabaseInvalidArgument:
        text = tr("AuthenticateUserDatabaseInvalidArgumentEr");
        break;
    case common::er::DatabaseNullPointer:
        text = tr("AuthenticateUserDatabaseNullPointerEr");
        break;
    case common::er::DatabasePrepareStatement:
        text = tr("AuthenticateUserDatabasePrepareStatementEr");
        break;
    case common::er::ServiceBadPassword:
        icon = QMessageBox::Warning;
        text = tr("AuthenticateUserServiceBadPasswordEr");
        break;
    case common::er::ServiceBadSequenceValue:
        text = tr("AuthenticateUserServiceBadSequenceValueEr");
        break;
    case common::er::ServiceDecryptionAuthentication:
        text = tr("AuthenticateUserServiceDecryptionAuthenticationEr");
        break;
    case common::er::ServiceEncryptionAuthentication:
        text = tr("AuthenticateUserServiceEncryptionAuthenticationEr");
        break;
    case common::er::ServiceInsertSessionRecord:
        text = tr("AuthenticateUserServiceInsertSessionRecordEr");
        break;
    case common::er::ServiceInvalidMajorProtocol:
        icon = QMessageBox::Warning;
        text = tr("AuthenticateUserServiceInvalidMajorProtocolEr");
        break;
    case common::er::ServiceInvalidMinorProtocol:
        icon = QMessageBox::Warning;
        text = tr("AuthenticateUserServiceInvalidMinorProtocolEr");
        break;
    case common::er::ServiceNoUserFound:
        icon = QMessageBox::Warning;
        text = tr("AuthenticateUserServiceNoUserFoundEr");
        break;
    default:
        text = tr("AuthenticateUserDefaultEr").arg(majorErcode).arg(minorErcode);
        break;
    }
    QMessageBox box(icon, tr("AuthenticateUser"), text, QMessageBox::Ok, this);
    box.exec();
}

void AbstractConsoleView::initializeMode()
{
    const std::pair<QAction *, bool> bindings[] = {
        {m_logOnAction, true}, {m_logOffAction, false}, {m_networkSettingsAction, true}, {m_viewLogAction, false}};
    for (const auto &[action, enabledLoggedOff] : bindings) {
        registerProp(m_loggedOffMode, Mode::Enter, action, "enabled", enabledLoggedOff);
        registerProp(m_loggedOnMode, Mode::Enter, action, "enabled", !enabledLoggedOff);
    }
    setMode(m_loggedOffMode);
}

void AbstractConsoleView::initializeWindow()
{
    setCentralWidget(m_logTextEdit);
    m_statusBar->showMessage(tr("Greeting"));
    // A status tip takes the bar over while the pointer rests on an action
    // and leaves it empty afterwards, and so does a refused log-on once its
    // message has timed out; until somebody logs on, the greeting is what
    // the bar has to say.
    connect(m_statusBar, &QStatusBar::messageChanged, this, [this](const QString &message) {
        if (message.isEmpty() && getMode() == m_loggedOffMode)
            m_statusBar->showMessage(tr("Greeting"));
    });
}

void AbstractConsoleView::initializeStandardToolBar()
{
    m_standardToolBar->addAction(m_logOnAction);
    m_standardToolBar->addAction(m_logOffAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_networkSettingsAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_viewLogAction);
    m_standardToolBar->addSeparator();
}

void AbstractConsoleView::closeEvent(QCloseEvent *event)
{
    if (logOff())
        event->accept();
    else
        event->ignore();
}

void AbstractConsoleView::setLogBaseColor(const QColor &color)
{
    QPalette palette = m_logTextEdit->palette();
    palette.setBrush(QPalette::All, QPalette::Base, QBrush(color, Qt::SolidPattern));
    m_logTextEdit->setPalette(palette);
}
