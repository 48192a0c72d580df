#include "documentkeysview.h"

#include "askpasscode.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "documentkeyopener.h"
#include "documentkeyspanetreewidget.h"
#include "itemrecord.h"
#include "keyopenerwindow.h"
#include "keytreerows.h"
#include "linguist.h"
#include "messagedispatcher.h"
#include "receivedkeysexchange.h"
#include "registry.h"
#include "settings.h"

#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"

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

DocumentKeysView::DocumentKeysView(QWidget *parent)
    : AbstractViewWindow(parent)
    , m_openDocumentAction(m_fileMenu->addAction(Icon("keyhole.png"), tr("OpenDocument"), this, SLOT(openDocument())))
    , m_refreshAction(m_viewMenu->addAction(Icon("refresh.png"), Linguist::tr("Refresh"), this, SLOT(refresh())))
    , m_viewMonthsAction(m_viewMenu->addAction(Icon("calendar.png"), Linguist::tr("ViewMonths")))
    , m_viewDaysAction(m_viewMenu->addAction(Icon("calendar_7.png"), Linguist::tr("ViewDays")))
    , m_viewPermissionsAction(m_viewMenu->addAction(Icon("checkbox.png"), Linguist::tr("ViewPermissions")))
    , m_aboutAction(m_helpMenu->addAction(Linguist::tr("AboutQORV"), this, SLOT(helpAbout())))
    , m_documentKeysPaneTreeWidget(new DocumentKeysPaneTreeWidget(this))
    , m_refreshFailedLabel(new QLabel(this))
{
    m_refreshFailedLabel->setObjectName(QStringLiteral("refreshFailedLabel"));
    m_statusBar->addWidget(m_refreshFailedLabel);
    // triggered, unlike toggled, fires only when the user toggles the action.
    connect(m_viewMonthsAction, &QAction::triggered, this, &DocumentKeysView::viewMonthsToggled);
    connect(m_viewDaysAction, &QAction::triggered, this, &DocumentKeysView::viewDaysToggled);
    connect(m_viewPermissionsAction, &QAction::triggered, this, &DocumentKeysView::viewPermissionsToggled);

    Settings().restoreWidgetGeometrySettings(this, Settings::ClassName, QSize(640, 480), QPoint(64, 48));
    setWindowCaption(tr("DocumentKeysViewTitle"), QString::fromStdString(MessageDispatcher::getServerName()),
                     QString());
    setWindowIcon(Icon("document_text_lock.png"));
    setCentralWidget(m_documentKeysPaneTreeWidget);

    initializeFileMenu();
    initializeEditMenu();
    initializeViewMenu();
    initializeToolsMenu();
    initializeStandardToolBar();
    connectSignals();
    refresh();
}

DocumentKeysView::~DocumentKeysView()
{
    Settings().saveWidgetGeometrySettings(this, Settings::ClassName);
}

void DocumentKeysView::openDocument()
{
    QTreeWidgetItem *current = m_documentKeysPaneTreeWidget->currentItem();
    if (current == nullptr)
        return;
    // A permission, day or month row opens its key.
    while (current->parent() != nullptr)
        current = current->parent();
    const qorv::data::DocumentKey documentKey =
        itemrecord::FromVariant<qorv::data::DocumentKey>(current->data(0, DocumentKeysPaneTreeWidget::KeyRole))
            .value_or(qorv::data::DocumentKey());
    // The opener tells the user why it refuses; the document opens in its
    // own window.
    static_cast<void>(DocumentKeyOpener(documentKey).open(KeyOpenerWindow(this), AskPasscode));
}

void DocumentKeysView::refresh()
{
    for (QAction *action : {m_viewMonthsAction, m_viewDaysAction, m_viewPermissionsAction})
        action->setChecked(false);
    m_documentKeysPaneTreeWidget->clear();

    qorv::data::SelectDocumentKeyRequest request;
    request.set_document_key_user_id(RegistrySingleton::instance()->getUser().user_id());
    qorv::data::SelectDocumentKeyReply reply;
    if (receivedkeys::Select(common::op::SelectDocumentKey, common::tag::RefreshDocumentKeys, request, reply)) {
        m_refreshFailedLabel->clear();
        for (const qorv::data::DocumentKey &documentKey : reply.document_key())
            emit addDocumentKey(documentKey);
    } else {
        // An empty pane alone would say that nobody gave the user a key.
        m_refreshFailedLabel->setText(tr("DocumentKeysNotRead"));
    }
    keytree::SetReadOnlyFlags(m_documentKeysPaneTreeWidget);
}

void DocumentKeysView::initializeFileMenu()
{
    m_openDocumentAction->setIconVisibleInMenu(true);
    m_openDocumentAction->setStatusTip(tr("OpenDocumentStatusTip"));
}

void DocumentKeysView::initializeEditMenu()
{
    m_editMenuAction->setVisible(false);
}

void DocumentKeysView::initializeViewMenu()
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

void DocumentKeysView::initializeToolsMenu()
{
    m_toolsMenuAction->setVisible(false);
}

void DocumentKeysView::initializeStandardToolBar()
{
    AbstractViewWindow::initializeStandardToolBar();
    m_openDocumentAction->setToolTip(tr("OpenDocumentToolTip"));
    m_refreshAction->setToolTip(tr("RefreshToolTip"));
    m_viewMonthsAction->setToolTip(tr("ViewMonthsToolTip"));
    m_viewDaysAction->setToolTip(tr("ViewDaysToolTip"));
    m_viewPermissionsAction->setToolTip(tr("ViewPermissionsToolTip"));
    m_standardToolBar->addAction(m_openDocumentAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_refreshAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_viewMonthsAction);
    m_standardToolBar->addAction(m_viewDaysAction);
    m_standardToolBar->addAction(m_viewPermissionsAction);
}

void DocumentKeysView::connectSignals()
{
    DocumentKeysPaneTreeWidget *pane = m_documentKeysPaneTreeWidget;
    connect(this, &DocumentKeysView::addDocumentKey, pane, &DocumentKeysPaneTreeWidget::addDocumentKey);
    connect(this, &DocumentKeysView::resizeColumnsToContents, pane,
            &DocumentKeysPaneTreeWidget::resizeColumnsToContents);
    connect(this, &DocumentKeysView::viewPermissionsToggled, pane,
            &DocumentKeysPaneTreeWidget::viewPermissionsToggled);
    connect(this, &DocumentKeysView::viewDaysToggled, pane, &DocumentKeysPaneTreeWidget::viewDaysToggled);
    connect(this, &DocumentKeysView::viewMonthsToggled, pane, &DocumentKeysPaneTreeWidget::viewMonthsToggled);
}
