#ifndef FOLDERKEYRINGPANETREEWIDGET_H
#define FOLDERKEYRINGPANETREEWIDGET_H

#include "abstractkeypanetreewidget.h"

#include "folderkey3.pb.h"

class QTreeWidgetItem;

// The keys given out for one folder: the twin of the document keyring pane,
// without a revision column and with a folder's two permissions (view and
// search).
class FolderKeyringPaneTreeWidget : public AbstractKeyPaneTreeWidget
{
    Q_OBJECT

public:
    explicit FolderKeyringPaneTreeWidget(QWidget *parent);
    ~FolderKeyringPaneTreeWidget() override;

public slots:
    void addFolderKey(const qorv::data::FolderKey &folderKey);
    void updateFolderKey(const qorv::data::FolderKey &folderKey);
    void revertFolderKey(const qorv::data::FolderKey &folderKeyBase);
    void deleteFolderKey(int userId);
    void folderKeyChanged(QTreeWidgetItem *item, int column);
};

bool IsFolderKeyTreeWidgetItem(const QTreeWidgetItem *item);
QTreeWidgetItem *GetFolderKeyTreeWidgetItem(QTreeWidgetItem *item);
qorv::data::FolderKey GetFolderKey(QTreeWidgetItem *item);
qorv::data::FolderKey GetFolderKeyBase(QTreeWidgetItem *item);

#endif // FOLDERKEYRINGPANETREEWIDGET_H
