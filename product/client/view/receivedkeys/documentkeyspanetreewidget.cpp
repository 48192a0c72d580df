#include "documentkeyspanetreewidget.h"

#include "documentkeyrowtraits.h"
#include "receivedkeyrows.h"

namespace
{
using Rows = ReceivedKeyRows<DocumentKeyRowTraits>;
}

DocumentKeysPaneTreeWidget::DocumentKeysPaneTreeWidget(QWidget *parent)
    : AbstractKeyPaneTreeWidget(parent, Rows::headerLabels(), KindRole,
                                DocumentKeyRowTraits::subtrees(Rows::ActiveColumn))
{
}

DocumentKeysPaneTreeWidget::~DocumentKeysPaneTreeWidget() = default;

void DocumentKeysPaneTreeWidget::addDocumentKey(const qorv::data::DocumentKey &documentKey)
{
    // Filled before it joins the pane, which would announce every cell and
    // child of a shown row to its view.
    auto *item = new QTreeWidgetItem;
    Rows::fill(documentKey, item, KeyRole, KindRole, subtrees());
    addTopLevelItem(item);
    resizeColumnsToContents();
    item->setHidden(false);
}
