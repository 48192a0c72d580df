#include "keyringview.h"

#include "linguist.h"
#include "utils.h"

#include <google/protobuf/message_lite.h>

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

KeyringView::KeyringView(QWidget *parent)
    : AbstractViewWindow(parent)
    , m_revertAction(m_fileMenu->addAction(Linguist::tr("Revert"), this, &KeyringView::revertKey))
    , m_revertAllAction(m_fileMenu->addAction(Linguist::tr("RevertAll"), this, &KeyringView::revertAllKeys))
    , m_saveAction(m_fileMenu->addAction(utils::ActionIcon("floppy_disk.png"), Linguist::tr("Save"), this,
                                         &KeyringView::saveKey))
    , m_saveAllAction(m_fileMenu->addAction(utils::ActionIcon("floppy_disks.png"), Linguist::tr("SaveAll"), this,
                                            &KeyringView::saveAllKeys))
    , m_closeAction(m_fileMenu->addAction(Linguist::tr("Close"), this, &QWidget::close))
    , m_setActiveHoursAction(m_editMenu->addAction(utils::ActionIcon("clock.png"), Linguist::tr("SetActiveHours"), this,
                                                   &KeyringView::setActiveHours))
    , m_setSessionDurationAction(m_editMenu->addAction(utils::ActionIcon("stopwatch.png"),
                                                       Linguist::tr("SetSessionDuration"), this,
                                                       &KeyringView::setSessionDuration))
    , m_setExpirationDateAction(m_editMenu->addAction(
          utils::ActionIcon("hourglass.png"), Linguist::tr("SetExpirationDate"), this, &KeyringView::setExpirationDate))
    , m_setPasscodeAction(m_editMenu->addAction(utils::ActionIcon("lock3.png"), Linguist::tr("SetPasscode"), this,
                                                &KeyringView::setPasscode))
    , m_deleteAction(m_editMenu->addAction(utils::ActionIcon("key_delete.png"), Linguist::tr("Delete"), this,
                                           &KeyringView::deleteKey))
    , m_viewMonthsAction(m_viewMenu->addAction(utils::ActionIcon("calendar.png"), Linguist::tr("ViewMonths")))
    , m_viewDaysAction(m_viewMenu->addAction(utils::ActionIcon("calendar_7.png"), Linguist::tr("ViewDays")))
    , m_viewPermissionsAction(m_viewMenu->addAction(utils::ActionIcon("checkbox.png"), Linguist::tr("ViewPermissions")))
    , m_aboutAction(m_helpMenu->addAction(Linguist::tr("AboutQORV"), this, &AbstractViewWindow::helpAbout))
    , m_keyActionsTimer(new QTimer(this))
{
    m_keyActionsTimer->setSingleShot(true);
    m_keyActionsTimer->setInterval(0);
    connect(m_keyActionsTimer, &QTimer::timeout, this, &KeyringView::updateKeyActions);
}

KeyringView::~KeyringView()
{
    delete m_keyActionsTimer;
}

void KeyringView::followPane(QTreeWidget *pane, std::function<CurrentKey()> currentKey,
                             const QList<QAction *> &keyActions)
{
    m_currentKey = std::move(currentKey);
    m_keyActions = keyActions;
    m_keyActions << m_setActiveHoursAction << m_setSessionDurationAction << m_setExpirationDateAction
                 << m_setPasscodeAction << m_deleteAction;
    // Tied to the timer, which goes with this window's own destructor: the
    // pane still reports its rows going while the window's bases tear it
    // down.
    QTimer *timer = m_keyActionsTimer;
    const auto schedule = [timer] { timer->start(); };
    const QAbstractItemModel *model = pane->model();
    connect(pane, &QTreeWidget::currentItemChanged, timer, schedule);
    connect(model, &QAbstractItemModel::dataChanged, timer, schedule);
    connect(model, &QAbstractItemModel::rowsInserted, timer, schedule);
    connect(model, &QAbstractItemModel::rowsRemoved, timer, schedule);
    connect(model, &QAbstractItemModel::modelReset, timer, schedule);
    updateKeyActions();
}

void KeyringView::updateKeyActions()
{
    const CurrentKey current = m_currentKey();
    m_revertAction->setEnabled(current.modified);
    m_saveAction->setEnabled(current.modified);
    const bool anyModified = isModified();
    m_revertAllAction->setEnabled(anyModified);
    m_saveAllAction->setEnabled(anyModified);
    for (QAction *action : std::as_const(m_keyActions))
        action->setEnabled(current.exists);
}

void KeyringView::closeEvent(QCloseEvent *event)
{
    if (!isModified()) {
        event->accept();
        return;
    }
    QMessageBox question(this);
    question.setWindowTitle(QCoreApplication::applicationName());
    question.setText(
        QStringLiteral("%1%2").arg(Linguist::tr("DoYouWantToSaveYourChanges"), Linguist::tr("QuestionMark")));
    question.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    question.setDefaultButton(QMessageBox::Save);
    switch (question.exec()) {
    case QMessageBox::Save:
        // The saves are answered before saveAllKeys() returns; a refused one
        // keeps its key modified, and the window open.
        saveAllKeys();
        event->setAccepted(!isModified());
        break;
    case QMessageBox::Discard:
        event->accept();
        break;
    default:
        event->ignore();
        break;
    }
}

void KeyringView::initializeFileMenu()
{
    m_fileMenu->insertSeparator(m_revertAction);
    m_fileMenu->insertSeparator(m_saveAction);
    m_fileMenu->insertSeparator(m_closeAction);
    for (QAction *action : {m_revertAction, m_revertAllAction, m_saveAction, m_saveAllAction, m_closeAction})
        action->setIconVisibleInMenu(true);
    m_revertAction->setStatusTip(Linguist::tr("RevertStatusTip"));
    m_revertAllAction->setStatusTip(Linguist::tr("RevertAllStatusTip"));
    m_saveAction->setStatusTip(Linguist::tr("SaveStatusTip"));
    m_saveAllAction->setStatusTip(Linguist::tr("SaveAllStatusTip"));
    m_closeAction->setStatusTip(Linguist::tr("CloseStatusTip"));
}

void KeyringView::initializeEditMenu()
{
    for (QAction *action : {m_setActiveHoursAction, m_setSessionDurationAction, m_setExpirationDateAction,
                            m_setPasscodeAction, m_deleteAction})
        action->setIconVisibleInMenu(true);
    m_setActiveHoursAction->setStatusTip(Linguist::tr("SetActiveHoursStatusTip"));
    m_setSessionDurationAction->setStatusTip(Linguist::tr("SetSessionDurationStatusTip"));
    m_setExpirationDateAction->setStatusTip(Linguist::tr("SetExpirationDateStatusTip"));
    m_setPasscodeAction->setStatusTip(Linguist::tr("SetPasscodeStatusTip"));
    m_deleteAction->setStatusTip(Linguist::tr("DeleteStatusTip"));
    m_editMenu->insertSeparator(m_deleteAction);
}

void KeyringView::initializeViewMenu()
{
    for (QAction *action : {m_viewMonthsAction, m_viewDaysAction, m_viewPermissionsAction}) {
        action->setCheckable(true);
        action->setChecked(false);
        action->setIconVisibleInMenu(true);
    }
    m_viewMonthsAction->setStatusTip(Linguist::tr("ViewMonthsStatusTip"));
    m_viewDaysAction->setStatusTip(Linguist::tr("ViewDaysStatusTip"));
    m_viewPermissionsAction->setStatusTip(Linguist::tr("ViewPermissionsStatusTip"));
    m_viewMenu->insertSeparator(m_viewPermissionsAction);
}

void KeyringView::initializeToolsMenu()
{
    m_toolsMenuAction->setVisible(false);
}

void KeyringView::initializeStandardToolBar()
{
    AbstractViewWindow::initializeStandardToolBar();
    m_saveAction->setToolTip(Linguist::tr("SaveToolTip"));
    m_saveAllAction->setToolTip(Linguist::tr("SaveAllToolTip"));
    m_setActiveHoursAction->setToolTip(Linguist::tr("SetActiveHoursToolTip"));
    m_setSessionDurationAction->setToolTip(Linguist::tr("SetSessionDurationToolTip"));
    m_setExpirationDateAction->setToolTip(Linguist::tr("SetExpirationDateToolTip"));
    m_setPasscodeAction->setToolTip(Linguist::tr("SetPasscodeToolTip"));
    m_deleteAction->setToolTip(Linguist::tr("DeleteToolTip"));
    m_viewMonthsAction->setToolTip(Linguist::tr("ViewMonthsToolTip"));
    m_viewDaysAction->setToolTip(Linguist::tr("ViewDaysToolTip"));
    m_viewPermissionsAction->setToolTip(Linguist::tr("ViewPermissionsToolTip"));
    m_standardToolBar->addAction(m_saveAction);
    m_standardToolBar->addAction(m_saveAllAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_setActiveHoursAction);
    m_standardToolBar->addAction(m_setSessionDurationAction);
    m_standardToolBar->addAction(m_setExpirationDateAction);
    m_standardToolBar->addAction(m_setPasscodeAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_deleteAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_viewMonthsAction);
    m_standardToolBar->addAction(m_viewDaysAction);
    m_standardToolBar->addAction(m_viewPermissionsAction);
}

bool KeyringView::sendKeyRequest(common::Opcode majorOpcode, const google::protobuf::MessageLite &request)
{
    std::string payload;
    if (!request.SerializeToString(&payload))
        return false;
    m_pendingRequest = PendingRequest{majorOpcode, payload, false};
    emit deliverRequest(majorOpcode, common::tag::Plain, payload);
    const bool carriedOut = m_pendingRequest->carriedOut;
    m_pendingRequest.reset();
    return carriedOut;
}

void KeyringView::acknowledge(common::Opcode majorOpcode, const std::string &request)
{
    if (m_pendingRequest && m_pendingRequest->majorOpcode == majorOpcode && m_pendingRequest->payload == request)
        m_pendingRequest->carriedOut = true;
}

void KeyringView::reportNotDone(const QString &text, const QStringList &userNames)
{
    QMessageBox box(QMessageBox::Warning, Linguist::tr("Warning"), text, QMessageBox::Ok, this);
    box.setInformativeText(InformativeText(userNames.join(QLatin1Char('\n'))));
    box.exec();
}

QString KeyringView::InformativeText(const QString &plainText)
{
    return Qt::convertFromPlainText(plainText, Qt::WhiteSpaceNormal);
}

void KeyringView::reportNotSaved(const QStringList &userNames)
{
    reportNotDone(tr("KeysNotSaved"), userNames);
}

void KeyringView::reportNotCreated(const QStringList &userNames)
{
    reportNotDone(tr("KeysNotCreated"), userNames);
}

void KeyringView::reportNotDeleted(const QString &userName)
{
    reportNotDone(tr("KeyNotDeleted"), {userName});
}
