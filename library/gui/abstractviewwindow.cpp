#include "abstractviewwindow.h"

#include "linguist.h"
#include "textdialog.h"

#include <QAction>
#include <QFile>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

AbstractViewWindow::AbstractViewWindow(QWidget *parent)
    : AbstractMainWindow(parent)
    , m_fileMenu(new QMenu(Linguist::tr("File"), this))
    , m_editMenu(new QMenu(Linguist::tr("Edit"), this))
    , m_viewMenu(new QMenu(Linguist::tr("View"), this))
    , m_toolsMenu(new QMenu(Linguist::tr("Tools"), this))
    , m_helpMenu(new QMenu(Linguist::tr("Help"), this))
    , m_standardToolBar(new QToolBar(Linguist::tr("StandardToolbar"), this))
    , m_statusBar(statusBar())
    , m_fileMenuAction(menuBar()->addMenu(m_fileMenu))
    , m_editMenuAction(menuBar()->addMenu(m_editMenu))
    , m_viewMenuAction(menuBar()->addMenu(m_viewMenu))
    , m_toolsMenuAction(menuBar()->addMenu(m_toolsMenu))
    , m_helpMenuAction(menuBar()->addMenu(m_helpMenu))
    , m_mode(new Mode(this))
{
    setMinimumSize(800, 600);
    setAttribute(Qt::WA_DeleteOnClose);
    connect(m_mode, &Mode::enterMode, this, &AbstractViewWindow::enterMode);
    connect(m_mode, &Mode::leaveMode, this, &AbstractViewWindow::leaveMode);
}

int AbstractViewWindow::getMode() const
{
    return m_mode->getMode();
}

std::string AbstractViewWindow::getModeName(int mode) const
{
    return m_mode->getModeName(mode);
}

void AbstractViewWindow::setMode(int mode)
{
    m_mode->setMode(mode);
}

int AbstractViewWindow::registerMode(int parent, const std::string &name)
{
    return m_mode->registerMode(parent, name);
}

int AbstractViewWindow::registerMode(const std::string &name, int parent)
{
    return m_mode->registerMode(name, parent);
}

void AbstractViewWindow::registerProp(int mode, Mode::Condition condition, QObject *object, const std::string &property,
                                      const QVariant &value)
{
    m_mode->registerProp(mode, condition, object, property, value);
}

void AbstractViewWindow::registerTran(int source, int target)
{
    m_mode->registerTran(source, target);
}

QAction *AbstractViewWindow::addAction(QObject *parent, const QString &text, const QString &statusTip)
{
    auto *action = new QAction(text, parent);
    if (!statusTip.isEmpty())
        action->setStatusTip(statusTip);
    return action;
}

QAction *AbstractViewWindow::addAction(QObject *parent, QMenu *menu, const QString &text, const QString &statusTip)
{
    QAction *action = addAction(parent, text, statusTip);
    menu->addAction(action);
    return action;
}

QAction *AbstractViewWindow::addAction(QObject *parent, const QIcon &icon, const QString &text,
                                       const QString &statusTip)
{
    auto *action = new QAction(icon, text, parent);
    if (!statusTip.isEmpty())
        action->setStatusTip(statusTip);
    return action;
}

QAction *AbstractViewWindow::addAction(QObject *parent, QMenu *menu, const QIcon &icon, const QString &text,
                                       const QString &statusTip)
{
    QAction *action = addAction(parent, icon, text, statusTip);
    menu->addAction(action);
    return action;
}

QAction *AbstractViewWindow::addAction(QObject *parent, QMenu *menu, const QString &text, const QString &shortcut,
                                       const QString &statusTip)
{
    auto *action = new QAction(text, parent);
    action->setShortcut(QKeySequence(shortcut, QKeySequence::NativeText));
    if (!statusTip.isEmpty())
        action->setStatusTip(statusTip);
    menu->addAction(action);
    return action;
}

QAction *AbstractViewWindow::addAction(QObject *parent, QMenu *menu, const QIcon &icon, const QString &text,
                                       const QString &shortcut, const QString &statusTip)
{
    auto *action = new QAction(icon, text, parent);
    action->setShortcut(QKeySequence(shortcut, QKeySequence::NativeText));
    if (!statusTip.isEmpty())
        action->setStatusTip(statusTip);
    menu->addAction(action);
    return action;
}

void AbstractViewWindow::initializeStandardToolBar()
{
    m_standardToolBar->setObjectName(QStringLiteral("StandardToolBar"));
    addToolBar(Qt::TopToolBarArea, m_standardToolBar);
}

void AbstractViewWindow::setWindowCaption(const QString &title, const QString &serverName, const QString &userName)
{
    if (serverName.isEmpty())
        setWindowTitle(title);
    else if (!userName.isEmpty())
        setWindowTitle(QStringLiteral("%1 [%2 @ %3]").arg(title, userName, serverName));
    else if (!title.isEmpty())
        setWindowTitle(QStringLiteral("%1 [%2]").arg(title, serverName));
    else
        setWindowTitle(QString());
}

void AbstractViewWindow::helpAbout()
{
    QFile license(QStringLiteral(":resources/license.txt"));
    if (!license.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    const QString text = QString::fromUtf8(license.readAll());
    TextDialog dialog(this, Linguist::tr("AboutQORV"), Linguist::tr("QorvCopyrightNotice"), text);
    dialog.exec();
}

void AbstractViewWindow::enterMode(int)
{
}

void AbstractViewWindow::leaveMode(int)
{
}
