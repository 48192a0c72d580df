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
    auto *item = new QTreeWidgetItem(invisibleRootItem());
    Rows::fill(folderKey, item, KeyRole, KindRole, subtrees());
    resizeColumnsToContents();
    item->setHidden(false);
}
