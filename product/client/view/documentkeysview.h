#ifndef DOCUMENTKEYSVIEW_H
#define DOCUMENTKEYSVIEW_H

#include "abstractviewwindow.h"

#include "documentkey3.pb.h"

class DocumentKeysPaneTreeWidget;
class QAction;
class QLabel;

// "My Document Keyring": the document keys that other users gave to the
// logged-on user, for looking only. It reads them from the server as it
// opens and on Refresh, and opens the document of the chosen key through the
// key opener, which checks the key's conditions and passcode first. It takes
// no part in the bus traffic of other windows.
class DocumentKeysView : public AbstractViewWindow
{
    Q_OBJECT

public:
    explicit DocumentKeysView(QWidget *parent = nullptr);
    ~DocumentKeysView() override;

signals:
    void addDocumentKey(const qorv::data::DocumentKey &documentKey);
    void resizeColumnsToContents();
    void viewPermissionsToggled(bool view);
    void viewDaysToggled(bool view);
    void viewMonthsToggled(bool view);

public slots:
    void openDocument();
    void refresh();

private:
    void initializeFileMenu();
    void initializeEditMenu();
    void initializeViewMenu();
    void initializeToolsMenu();
    void initializeStandardToolBar();
    void connectSignals();

    QAction *m_openDocumentAction;
    QAction *m_refreshAction;
    QAction *m_viewMonthsAction;
    QAction *m_viewDaysAction;
    QAction *m_viewPermissionsAction;
    QAction *m_aboutAction;
    DocumentKeysPaneTreeWidget *m_documentKeysPaneTreeWidget;
    // Says in the status bar that the last refresh failed; a message of the
    // status bar's own would give way to the next status tip.
    QLabel *m_refreshFailedLabel;
};

#endif // DOCUMENTKEYSVIEW_H
