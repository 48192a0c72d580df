#include "documentkeysview.h"

#include "askpasscode.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "documentkeyopener.h"
#include "documentkeyspanetreewidget.h"
#include "itemrecord.h"
#include "keyopenerwindow.h"
#include "linguist.h"
#include "receivedkeysexchange.h"
#include "registry.h"
#include "settings.h"

#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"

#include <QAction>

DocumentKeysView::DocumentKeysView(QWidget *parent)
    : AbstractKeysView(parent, texts(), "document_text_lock.png")
    , m_documentKeysPaneTreeWidget(new DocumentKeysPaneTreeWidget(this))
{
    Settings().restoreWidgetGeometrySettings(this, Settings::ClassName, QSize(640, 480), QPoint(64, 48));
    setPane(m_documentKeysPaneTreeWidget);
    connect(openAction(), &QAction::triggered, this, &DocumentKeysView::openDocument);
    connect(this, &DocumentKeysView::addDocumentKey, m_documentKeysPaneTreeWidget,
            &DocumentKeysPaneTreeWidget::addDocumentKey);
    refresh();
}

DocumentKeysView::~DocumentKeysView()
{
    Settings().saveWidgetGeometrySettings(this, Settings::ClassName);
}

void DocumentKeysView::openDocument()
{
    const QTreeWidgetItem *keyRow = currentKeyRow();
    if (keyRow == nullptr)
        return;
    const qorv::data::DocumentKey documentKey =
        itemrecord::FromVariant<qorv::data::DocumentKey>(keyRow->data(0, DocumentKeysPaneTreeWidget::KeyRole))
            .value_or(qorv::data::DocumentKey());
    // The opener tells the user why it refuses; the document opens in its
    // own window.
    static_cast<void>(DocumentKeyOpener(documentKey).open(KeyOpenerWindow(this), AskPasscode));
}

bool DocumentKeysView::selectKeys()
{
    qorv::data::SelectDocumentKeyRequest request;
    request.set_document_key_user_id(RegistrySingleton::instance()->getUser().user_id());
    qorv::data::SelectDocumentKeyReply reply;
    if (!receivedkeys::Select(common::op::SelectDocumentKey, common::tag::RefreshDocumentKeys, request, reply))
        return false;
    for (const qorv::data::DocumentKey &documentKey : reply.document_key())
        emit addDocumentKey(documentKey);
    return true;
}

AbstractKeysView::Texts DocumentKeysView::texts()
{
    return {tr("DocumentKeysViewTitle"),     tr("OpenDocument"),
            tr("OpenDocumentStatusTip"),     tr("OpenDocumentToolTip"),
            tr("RefreshStatusTip"),          tr("RefreshToolTip"),
            Linguist::tr("ViewMonths"),      tr("ViewMonthsStatusTip"),
            tr("ViewMonthsToolTip"),         Linguist::tr("ViewDays"),
            tr("ViewDaysStatusTip"),         tr("ViewDaysToolTip"),
            Linguist::tr("ViewPermissions"), tr("ViewPermissionsStatusTip"),
            tr("ViewPermissionsToolTip"),    tr("DocumentKeysNotRead")};
}
