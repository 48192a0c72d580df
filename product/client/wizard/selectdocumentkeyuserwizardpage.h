#ifndef SELECTDOCUMENTKEYUSERWIZARDPAGE_H
#define SELECTDOCUMENTKEYUSERWIZARDPAGE_H

#include <QList>
#include <QWizardPage>

class QListWidgetItem;
class SelectUsersWidget;

// The users who are to receive a copy of a new document key, picked with the
// user picker. Whoever already holds a key for the document is never offered;
// that is asked of the server once, while the wizard is being built, so the
// page must be built with its CreateDocumentKeyWizard as the parent. The
// wizard goes on only while at least one user is picked.
class SelectDocumentKeyUserWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit SelectDocumentKeyUserWizardPage(QWidget *parent);
    ~SelectDocumentKeyUserWizardPage() override;

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

#endif // SELECTDOCUMENTKEYUSERWIZARDPAGE_H
