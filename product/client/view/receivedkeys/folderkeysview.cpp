#include "folderkeysview.h"

#include "askpasscode.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "folderkeyopener.h"
#include "folderkeyspanetreewidget.h"
#include "itemrecord.h"
#include "keyopenerwindow.h"
#include "linguist.h"
#include "receivedkeysexchange.h"
#include "registry.h"
#include "settings.h"

#include "selectfolderkeyreply3.pb.h"
#include "selectfolderkeyrequest3.pb.h"

#include <QAction>

FolderKeysView::FolderKeysView(QWidget *parent)
    : AbstractKeysView(parent, texts(), "folder_document_lock.png")
    , m_folderKeysPaneTreeWidget(new FolderKeysPaneTreeWidget(this))
{
    Settings().restoreWidgetGeometrySettings(this, Settings::ClassName, QSize(640, 480), QPoint(64, 48));
    setPane(m_folderKeysPaneTreeWidget);
    connect(openAction(), &QAction::triggered, this, &FolderKeysView::openFolder);
    connect(this, &FolderKeysView::addFolderKey, m_folderKeysPaneTreeWidget, &FolderKeysPaneTreeWidget::addFolderKey);
    refresh();
}

FolderKeysView::~FolderKeysView()
{
    Settings().saveWidgetGeometrySettings(this, Settings::ClassName);
}

void FolderKeysView::openFolder()
{
    const QTreeWidgetItem *keyRow = currentKeyRow();
    if (keyRow == nullptr)
        return;
    const qorv::data::FolderKey folderKey =
        itemrecord::FromVariant<qorv::data::FolderKey>(keyRow->data(0, FolderKeysPaneTreeWidget::KeyRole))
            .value_or(qorv::data::FolderKey());
    // The opener tells the user why it refuses; the folder opens in a new
    // document browser.
    static_cast<void>(FolderKeyOpener(folderKey).openInNewBrowser(KeyOpenerWindow(this), AskPasscode));
}

bool FolderKeysView::selectKeys()
{
    qorv::data::SelectFolderKeyRequest request;
    request.set_folder_key_user_id(RegistrySingleton::instance()->getUser().user_id());
    qorv::data::SelectFolderKeyReply reply;
    if (!receivedkeys::Select(common::op::SelectFolderKey, common::tag::RefreshFolderKeys, request, reply))
        return false;
    for (const qorv::data::FolderKey &folderKey : reply.folder_key())
        emit addFolderKey(folderKey);
    return true;
}

AbstractKeysView::Texts FolderKeysView::texts()
{
    return {tr("FolderKeysViewTitle"),
            tr("OpenFolder"),
            tr("OpenFolderStatusTip"),
            tr("OpenFolderToolTip"),
            tr("RefreshStatusTip"),
            tr("RefreshToolTip"),
            tr("ViewMonths"),
            tr("ViewMonthsStatusTip"),
            tr("ViewMonthsToolTip"),
            tr("ViewDays"),
            tr("ViewDaysStatusTip"),
            tr("ViewDaysToolTip"),
            tr("ViewPermissions"),
            tr("ViewPermissionsStatusTip"),
            tr("ViewPermissionsToolTip"),
            tr("FolderKeysNotRead")};
}
