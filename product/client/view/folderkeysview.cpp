#include "folderkeysview.h"

#include "askpasscode.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "folderkeyopener.h"
#include "folderkeyspanetreewidget.h"
#include "itemrecord.h"
#include "keyopenerwindow.h"
#include "keytreerows.h"
#include "linguist.h"
#include "messagedispatcher.h"
#include "receivedkeysexchange.h"
#include "registry.h"
#include "settings.h"

#include "selectfolderkeyreply3.pb.h"
#include "selectfolderkeyrequest3.pb.h"

#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

namespace
{
QIcon Icon(const char *fileName)
{
    return QIcon(QStringLiteral(":icons/32x32/") + QLatin1String(fileName));
}
}

FolderKeysView::FolderKeysView(QWidget *parent)
    : AbstractViewWindow(parent)
    , m_openFolderAction(m_fileMenu->addAction(Icon("keyhole.png"), tr("OpenFolder"), this, SLOT(openFolder())))
    , m_refreshAction(m_viewMenu->addAction(Icon("refresh.png"), Linguist::tr("Refresh"), this, SLOT(refresh())))
    , m_viewMonthsAction(m_viewMenu->addAction(Icon("calendar.png"), tr("ViewMonths")))
    , m_viewDaysAction(m_viewMenu->addAction(Icon("calendar_7.png"), tr("ViewDays")))
    , m_viewPermissionsAction(m_viewMenu->addAction(Icon("checkbox.png"), tr("ViewPermissions")))
    , m_aboutAction(m_helpMenu->addAction(Linguist::tr("AboutQORV"), this, SLOT(helpAbout())))
    , m_folderKeysPaneTreeWidget(new FolderKeysPaneTreeWidget(this))
    , m_refreshFailedLabel(new QLabel(this))
{
    m_refreshFailedLabel->setObjectName(QStringLiteral("refreshFailedLabel"));
    m_statusBar->addWidget(m_refreshFailedLabel);
    // triggered, unlike toggled, fires only when the user toggles the action.
    connect(m_viewMonthsAction, &QAction::triggered, this, &FolderKeysView::viewMonthsToggled);
    connect(m_viewDaysAction, &QAction::triggered, this, &FolderKeysView::viewDaysToggled);
    connect(m_viewPermissionsAction, &QAction::triggered, this, &FolderKeysView::viewPermissionsToggled);

    Settings().restoreWidgetGeometrySettings(this, Settings::ClassName, QSize(640, 480), QPoint(64, 48));
    setWindowCaption(tr("FolderKeysViewTitle"), QString::fromStdString(MessageDispatcher::getServerName()),
                     QString());
    setWindowIcon(Icon("folder_document_lock.png"));
    setCentralWidget(m_folderKeysPaneTreeWidget);

    initializeFileMenu();
    initializeEditMenu();
    initializeViewMenu();
    initializeToolsMenu();
    initializeStandardToolBar();
    connectSignals();
    refresh();
}

FolderKeysView::~FolderKeysView()
{
    Settings().saveWidgetGeometrySettings(this, Settings::ClassName);
}

void FolderKeysView::openFolder()
{
    QTreeWidgetItem *current = m_folderKeysPaneTreeWidget->currentItem();
    if (current == nullptr)
        return;
    // A permission, day or month row opens its key.
    while (current->parent() != nullptr)
        current = current->parent();
    const qorv::data::FolderKey folderKey =
        itemrecord::FromVariant<qorv::data::FolderKey>(current->data(0, FolderKeysPaneTreeWidget::KeyRole))
            .value_or(qorv::data::FolderKey());
    // The opener tells the user why it refuses; the folder opens in a new
    // document browser.
    static_cast<void>(FolderKeyOpener(folderKey).openInNewBrowser(KeyOpenerWindow(this), AskPasscode));
}

void FolderKeysView::refresh()
{
    for (QAction *action : {m_viewMonthsAction, m_viewDaysAction, m_viewPermissionsAction})
        action->setChecked(false);
    m_folderKeysPaneTreeWidget->clear();

    qorv::data::SelectFolderKeyRequest request;
    request.set_folder_key_user_id(RegistrySingleton::instance()->getUser().user_id());
    qorv::data::SelectFolderKeyReply reply;
    if (receivedkeys::Select(common::op::SelectFolderKey, common::tag::RefreshFolderKeys, request, reply)) {
        m_refreshFailedLabel->clear();
        for (const qorv::data::FolderKey &folderKey : reply.folder_key())
            emit addFolderKey(folderKey);
    } else {
        // An empty pane alone would say that nobody gave the user a key.
        m_refreshFailedLabel->setText(tr("FolderKeysNotRead"));
    }
    keytree::SetReadOnlyFlags(m_folderKeysPaneTreeWidget);
}

void FolderKeysView::initializeFileMenu()
{
    m_openFolderAction->setIconVisibleInMenu(true);
    m_openFolderAction->setStatusTip(tr("OpenFolderStatusTip"));
}

void FolderKeysView::initializeEditMenu()
{
    m_editMenuAction->setVisible(false);
}

void FolderKeysView::initializeViewMenu()
{
    m_refreshAction->setIconVisibleInMenu(true);
    for (QAction *action : {m_viewMonthsAction, m_viewDaysAction, m_viewPermissionsAction}) {
        action->setIconVisibleInMenu(true);
        action->setCheckable(true);
        action->setChecked(false);
    }
    m_refreshAction->setStatusTip(tr("RefreshStatusTip"));
    m_viewMonthsAction->setStatusTip(tr("ViewMonthsStatusTip"));
    m_viewDaysAction->setStatusTip(tr("ViewDaysStatusTip"));
    m_viewPermissionsAction->setStatusTip(tr("ViewPermissionsStatusTip"));
    m_viewMenu->insertSeparator(m_viewMonthsAction);
    m_viewMenu->insertSeparator(m_viewPermissionsAction);
}

void FolderKeysView::initializeToolsMenu()
{
    m_toolsMenuAction->setVisible(false);
}

void FolderKeysView::initializeStandardToolBar()
{
    AbstractViewWindow::initializeStandardToolBar();
    m_openFolderAction->setToolTip(tr("OpenFolderToolTip"));
    m_refreshAction->setToolTip(tr("RefreshToolTip"));
    m_viewMonthsAction->setToolTip(tr("ViewMonthsToolTip"));
    m_viewDaysAction->setToolTip(tr("ViewDaysToolTip"));
    m_viewPermissionsAction->setToolTip(tr("ViewPermissionsToolTip"));
    m_standardToolBar->addAction(m_openFolderAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_refreshAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_viewMonthsAction);
    m_standardToolBar->addAction(m_viewDaysAction);
    m_standardToolBar->addAction(m_viewPermissionsAction);
}

void FolderKeysView::connectSignals()
{
    FolderKeysPaneTreeWidget *pane = m_folderKeysPaneTreeWidget;
    connect(this, &FolderKeysView::addFolderKey, pane, &FolderKeysPaneTreeWidget::addFolderKey);
    connect(this, &FolderKeysView::resizeColumnsToContents, pane,
            &FolderKeysPaneTreeWidget::resizeColumnsToContents);
    connect(this, &FolderKeysView::viewPermissionsToggled, pane,
            &FolderKeysPaneTreeWidget::viewPermissionsToggled);
    connect(this, &FolderKeysView::viewDaysToggled, pane, &FolderKeysPaneTreeWidget::viewDaysToggled);
    connect(this, &FolderKeysView::viewMonthsToggled, pane, &FolderKeysPaneTreeWidget::viewMonthsToggled);
}
