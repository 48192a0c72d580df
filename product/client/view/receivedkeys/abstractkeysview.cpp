#include "abstractkeysview.h"

#include "abstractkeypanetreewidget.h"
#include "keytreerows.h"
#include "linguist.h"
#include "listfillguard.h"
#include "messagedispatcher.h"
#include "utils.h"

#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

AbstractKeysView::AbstractKeysView(QWidget *parent, const Texts &texts, const char *iconFileName)
    : AbstractViewWindow(parent)
    , m_keysNotRead(texts.keysNotRead)
    , m_openAction(m_fileMenu->addAction(utils::ActionIcon("keyhole.png"), texts.open))
    , m_refreshAction(m_viewMenu->addAction(utils::ActionIcon("refresh.png"), Linguist::tr("Refresh"), this,
                                            &AbstractKeysView::refresh))
    , m_viewMonthsAction(m_viewMenu->addAction(utils::ActionIcon("calendar.png"), texts.viewMonths))
    , m_viewDaysAction(m_viewMenu->addAction(utils::ActionIcon("calendar_7.png"), texts.viewDays))
    , m_viewPermissionsAction(m_viewMenu->addAction(utils::ActionIcon("checkbox.png"), texts.viewPermissions))
    , m_aboutAction(m_helpMenu->addAction(Linguist::tr("AboutQORV"), this, &AbstractViewWindow::helpAbout))
    , m_refreshFailedLabel(new QLabel(this))
{
    m_refreshFailedLabel->setObjectName(QStringLiteral("refreshFailedLabel"));
    m_statusBar->addWidget(m_refreshFailedLabel);
    // triggered, unlike toggled, fires only when the user toggles the action.
    connect(m_viewMonthsAction, &QAction::triggered, this, &AbstractKeysView::viewMonthsToggled);
    connect(m_viewDaysAction, &QAction::triggered, this, &AbstractKeysView::viewDaysToggled);
    connect(m_viewPermissionsAction, &QAction::triggered, this, &AbstractKeysView::viewPermissionsToggled);

    setWindowCaption(texts.title, QString::fromStdString(MessageDispatcher::getServerName()), QString());
    setWindowIcon(utils::ActionIcon(iconFileName));

    m_openAction->setStatusTip(texts.openStatusTip);
    m_refreshAction->setStatusTip(texts.refreshStatusTip);
    m_viewMonthsAction->setStatusTip(texts.viewMonthsStatusTip);
    m_viewDaysAction->setStatusTip(texts.viewDaysStatusTip);
    m_viewPermissionsAction->setStatusTip(texts.viewPermissionsStatusTip);
    m_openAction->setToolTip(texts.openToolTip);
    m_refreshAction->setToolTip(texts.refreshToolTip);
    m_viewMonthsAction->setToolTip(texts.viewMonthsToolTip);
    m_viewDaysAction->setToolTip(texts.viewDaysToolTip);
    m_viewPermissionsAction->setToolTip(texts.viewPermissionsToolTip);
    initializeMenus();
    initializeStandardToolBar();
}

AbstractKeysView::~AbstractKeysView() = default;

void AbstractKeysView::refresh()
{
    for (QAction *action : {m_viewMonthsAction, m_viewDaysAction, m_viewPermissionsAction})
        action->setChecked(false);
    m_pane->clear();
    // The pane fits its columns once, after the last key of the reply.
    const ListFillGuard fill(m_pane, ListFillGuard::ResizeColumnsToContents);
    if (selectKeys()) {
        m_refreshFailedLabel->clear();
    } else {
        // An empty pane alone would say that nobody gave the user a key.
        m_refreshFailedLabel->setText(m_keysNotRead);
    }
}

void AbstractKeysView::setPane(AbstractKeyPaneTreeWidget *pane)
{
    m_pane = pane;
    setCentralWidget(pane);
    connect(this, &AbstractKeysView::resizeColumnsToContents, pane,
            &AbstractKeyPaneTreeWidget::resizeColumnsToContents);
    connect(this, &AbstractKeysView::viewPermissionsToggled, pane, &AbstractKeyPaneTreeWidget::viewPermissionsToggled);
    connect(this, &AbstractKeysView::viewDaysToggled, pane, &AbstractKeyPaneTreeWidget::viewDaysToggled);
    connect(this, &AbstractKeysView::viewMonthsToggled, pane, &AbstractKeyPaneTreeWidget::viewMonthsToggled);
}

QAction *AbstractKeysView::openAction() const
{
    return m_openAction;
}

QTreeWidgetItem *AbstractKeysView::currentKeyRow() const
{
    QTreeWidgetItem *current = m_pane->currentItem();
    while (current != nullptr && current->parent() != nullptr)
        current = current->parent();
    return current;
}

void AbstractKeysView::initializeMenus()
{
    m_openAction->setIconVisibleInMenu(true);
    m_editMenuAction->setVisible(false);
    m_refreshAction->setIconVisibleInMenu(true);
    for (QAction *action : {m_viewMonthsAction, m_viewDaysAction, m_viewPermissionsAction}) {
        action->setIconVisibleInMenu(true);
        action->setCheckable(true);
        action->setChecked(false);
    }
    m_viewMenu->insertSeparator(m_viewMonthsAction);
    m_viewMenu->insertSeparator(m_viewPermissionsAction);
    m_toolsMenuAction->setVisible(false);
}

void AbstractKeysView::initializeStandardToolBar()
{
    AbstractViewWindow::initializeStandardToolBar();
    m_standardToolBar->addAction(m_openAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_refreshAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_viewMonthsAction);
    m_standardToolBar->addAction(m_viewDaysAction);
    m_standardToolBar->addAction(m_viewPermissionsAction);
}
