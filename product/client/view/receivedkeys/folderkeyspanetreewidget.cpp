#include "folderkeyspanetreewidget.h"

#include "folderkeyrowtraits.h"
#include "receivedkeyrows.h"

namespace
{
using Rows = ReceivedKeyRows<FolderKeyRowTraits>;
}

FolderKeysPaneTreeWidget::FolderKeysPaneTreeWidget(QWidget *parent)
    : AbstractKeyPaneTreeWidget(parent, Rows::headerLabels(), KindRole,
                                FolderKeyRowTraits::subtrees(Rows::ActiveColumn))
{
}

FolderKeysPaneTreeWidget::~FolderKeysPaneTreeWidget() = default;

void FolderKeysPaneTreeWidget::addFolderKey(const qorv::data::FolderKey &folderKey)
{
    // Filled before it joins the pane, which would announce every cell and
    // child of a shown row to its view.
    auto *item = new QTreeWidgetItem;
    Rows::fill(folderKey, item, KeyRole, KindRole, subtrees());
    addTopLevelItem(item);
    resizeColumnsToContents();
    item->setHidden(false);
}
