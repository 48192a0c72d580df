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
    auto *item = new QTreeWidgetItem(invisibleRootItem());
    Rows::fill(documentKey, item, KeyRole, KindRole, subtrees());
    resizeColumnsToContents();
    item->setHidden(false);
}
