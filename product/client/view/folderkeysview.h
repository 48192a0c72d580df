#ifndef FOLDERKEYSVIEW_H
#define FOLDERKEYSVIEW_H

#include "abstractviewwindow.h"

#include "folderkey3.pb.h"

class FolderKeysPaneTreeWidget;
class QAction;
class QLabel;

// "My Folder Keyring": the folder keys that other users gave to the logged-on
// user, the twin of the document keys window. The folder of the chosen key
// opens in a document browser of its own.
class FolderKeysView : public AbstractViewWindow
{
    Q_OBJECT

public:
    explicit FolderKeysView(QWidget *parent = nullptr);
    ~FolderKeysView() override;

signals:
    void addFolderKey(const qorv::data::FolderKey &folderKey);
    void resizeColumnsToContents();
    void viewPermissionsToggled(bool view);
    void viewDaysToggled(bool view);
    void viewMonthsToggled(bool view);

public slots:
    void openFolder();
    void refresh();

private:
    void initializeFileMenu();
    void initializeEditMenu();
    void initializeViewMenu();
    void initializeToolsMenu();
    void initializeStandardToolBar();
    void connectSignals();

    QAction *m_openFolderAction;
    QAction *m_refreshAction;
    QAction *m_viewMonthsAction;
    QAction *m_viewDaysAction;
    QAction *m_viewPermissionsAction;
    QAction *m_aboutAction;
    FolderKeysPaneTreeWidget *m_folderKeysPaneTreeWidget;
    // Says in the status bar that the last refresh failed; a message of the
    // status bar's own would give way to the next status tip.
    QLabel *m_refreshFailedLabel;
};

#endif // FOLDERKEYSVIEW_H
