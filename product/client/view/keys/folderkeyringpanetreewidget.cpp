#include "folderkeyringpanetreewidget.h"

#include "folderkeyrowtraits.h"
#include "itemrole.h"
#include "keyringpanerows.h"

namespace
{
using Rows = KeyringPaneRows<FolderKeyRowTraits>;
}

FolderKeyringPaneTreeWidget::FolderKeyringPaneTreeWidget(QWidget *parent)
    : AbstractKeyPaneTreeWidget(parent, Rows::headerLabels(), RowKindRole,
                                FolderKeyRowTraits::subtrees(Rows::ActiveColumn))
{
    connect(this, &QTreeWidget::itemClicked, this, &FolderKeyringPaneTreeWidget::folderKeyChanged);
}

FolderKeyringPaneTreeWidget::~FolderKeyringPaneTreeWidget() = default;

void FolderKeyringPaneTreeWidget::addFolderKey(const qorv::data::FolderKey &folderKey)
{
    Rows::add(this, folderKey);
}

void FolderKeyringPaneTreeWidget::updateFolderKey(const qorv::data::FolderKey &folderKey)
{
    Rows::update(this, folderKey);
}

void FolderKeyringPaneTreeWidget::revertFolderKey(const qorv::data::FolderKey &folderKeyBase)
{
    Rows::update(this, folderKeyBase);
}

void FolderKeyringPaneTreeWidget::deleteFolderKey(int userId)
{
    delete Rows::findKeyRow(this, userId);
}

void FolderKeyringPaneTreeWidget::folderKeyChanged(QTreeWidgetItem *item, int column)
{
    Rows::tick(this, item, column);
}

bool IsFolderKeyTreeWidgetItem(const QTreeWidgetItem *item)
{
    return Rows::isKeyRow(item);
}

QTreeWidgetItem *GetFolderKeyTreeWidgetItem(QTreeWidgetItem *item)
{
    return Rows::keyRow(item);
}

qorv::data::FolderKey GetFolderKey(QTreeWidgetItem *item)
{
    return Rows::editedKey(item);
}

qorv::data::FolderKey GetFolderKeyBase(QTreeWidgetItem *item)
{
    return Rows::baseKey(item);
}
