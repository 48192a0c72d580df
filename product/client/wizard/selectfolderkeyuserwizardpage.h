#ifndef SELECTFOLDERKEYUSERWIZARDPAGE_H
#define SELECTFOLDERKEYUSERWIZARDPAGE_H

#include <QList>
#include <QWizardPage>

class QListWidgetItem;
class SelectUsersWidget;

// The users who are to receive a copy of a new folder key: the twin of the
// document key user page. Whoever already holds a key for the folder is never
// offered; that is asked of the server once, while the wizard is being built,
// so the page must be built with its CreateFolderKeyWizard as the parent.
class SelectFolderKeyUserWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit SelectFolderKeyUserWizardPage(QWidget *parent);
    ~SelectFolderKeyUserWizardPage() override;

    // Going back keeps the picked users.
    void cleanupPage() override;
    bool isComplete() const override;

    // Every picked user, in list order, each carrying its User under the
    // user role.
    QList<QListWidgetItem *> selectedItems() const;
    // For callers that pick some users before the wizard runs.
    SelectUsersWidget *getSelectUsersWidget() const;

private slots:
    void setMode(int mode);

private:
    void initializeWindow();
    void initializeWidgets();

    SelectUsersWidget *m_selectUsersWidget;
};

#endif // SELECTFOLDERKEYUSERWIZARDPAGE_H
