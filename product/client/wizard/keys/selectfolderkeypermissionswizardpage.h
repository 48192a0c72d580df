#ifndef SELECTFOLDERKEYPERMISSIONSWIZARDPAGE_H
#define SELECTFOLDERKEYPERMISSIONSWIZARDPAGE_H

#include <QWizardPage>

class QCheckBox;

// What a new folder key permits: viewing and searching the folder's contents.
class SelectFolderKeyPermissionsWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit SelectFolderKeyPermissionsWizardPage(QWidget *parent);
    ~SelectFolderKeyPermissionsWizardPage() override;

    // Going back keeps the choices.
    void cleanupPage() override;

private:
    QCheckBox *m_viewCheckBox;
    QCheckBox *m_searchCheckBox;
};

#endif // SELECTFOLDERKEYPERMISSIONSWIZARDPAGE_H
