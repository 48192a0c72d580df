#ifndef STANDINDOCUMENTBROWSERVIEW_H
#define STANDINDOCUMENTBROWSERVIEW_H

#include "abstractviewwindow.h"
#include "folderkey3.pb.h"

#include <vector>

// Stands in for the document browser until it lands. It has the browser's
// interface towards its manager and keeps the folder keys it was handed, in
// order, where the real browser would add a shortcut item and open the key.
class StandInDocumentBrowserView : public AbstractViewWindow
{
    Q_OBJECT

public:
    explicit StandInDocumentBrowserView(QWidget *parent = nullptr);
    ~StandInDocumentBrowserView() override;

    const std::vector<qorv::data::FolderKey> &shortcutFolderKeys() const;
    const std::vector<qorv::data::FolderKey> &openedFolderKeys() const;

signals:
    void addFolderKeyShortcutItem(const qorv::data::FolderKey &folderKey);

public slots:
    void openFolderKey(const qorv::data::FolderKey &folderKey);

private slots:
    void keepShortcutFolderKey(const qorv::data::FolderKey &folderKey);

private:
    std::vector<qorv::data::FolderKey> m_shortcutFolderKeys;
    std::vector<qorv::data::FolderKey> m_openedFolderKeys;
};

#endif // STANDINDOCUMENTBROWSERVIEW_H
