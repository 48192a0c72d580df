#ifndef RESTOREDOCUMENTSELECTFOLDERWIZARDPAGE_H
#define RESTOREDOCUMENTSELECTFOLDERWIZARDPAGE_H

#include <QList>
#include <QWizardPage>

class QListWidget;
class QListWidgetItem;
class QToolButton;

// The folder to restore into, found by walking down from the home folder
// with back, home and forward buttons.
class RestoreDocumentSelectFolderWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit RestoreDocumentSelectFolderWizardPage(QWidget *parent = nullptr);

    void initializePage() override;
    bool isComplete() const override;
    bool validatePage() override;

    void selectFolder(int folderId);
    bool isHomeFolderSelected() const;

public slots:
    void folderItemClicked(QListWidgetItem *item);
    void folderItemDoubleClicked(QListWidgetItem *item);

private slots:
    void undoSelectFolder();
    void selectHomeFolder();
    void redoSelectFolder();

private:
    void initializeWindow();
    void initializeLayout();

    QListWidget *m_folderListWidget;
    QToolButton *m_backToolButton;
    QToolButton *m_homeToolButton;
    QToolButton *m_forwardToolButton;
    QList<int> m_backHistory;
    QList<int> m_forwardHistory;
};

#endif // RESTOREDOCUMENTSELECTFOLDERWIZARDPAGE_H
