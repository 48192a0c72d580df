#ifndef FOLDERKEYSVIEW_H
#define FOLDERKEYSVIEW_H

#include "abstractkeysview.h"

#include "folderkey3.pb.h"

class FolderKeysPaneTreeWidget;

// "My Folder Keyring": the folder keys that other users gave to the logged-on
// user, the twin of the document keys window. The folder of the chosen key
// opens in a document browser of its own.
class FolderKeysView : public AbstractKeysView
{
    Q_OBJECT

public:
    explicit FolderKeysView(QWidget *parent = nullptr);
    ~FolderKeysView() override;

signals:
    void addFolderKey(const qorv::data::FolderKey &folderKey);

public slots:
    void openFolder();

protected:
    bool selectKeys() override;

private:
    static Texts texts();

    FolderKeysPaneTreeWidget *m_folderKeysPaneTreeWidget;
};

#endif // FOLDERKEYSVIEW_H
