#ifndef FOLDERKEYSPANETREEWIDGET_H
#define FOLDERKEYSPANETREEWIDGET_H

#include "abstractkeypanetreewidget.h"

#include "folderkey3.pb.h"

// The folder keys that other users gave to the logged-on user: the twin of
// the document keys pane, without a revision column and with a folder's two
// permissions (view and search).
class FolderKeysPaneTreeWidget : public AbstractKeyPaneTreeWidget
{
    Q_OBJECT

public:
    // Column 0 of a key row holds the key under KeyRole; every row holds its
    // kind under KindRole in the column of its label.
    static constexpr int KeyRole = 256;
    static constexpr int KindRole = 257;

    explicit FolderKeysPaneTreeWidget(QWidget *parent);
    ~FolderKeysPaneTreeWidget() override;

public slots:
    void addFolderKey(const qorv::data::FolderKey &folderKey);
};

#endif // FOLDERKEYSPANETREEWIDGET_H
