#ifndef ABSTRACTSELECTKEYUSERWIZARDPAGE_H
#define ABSTRACTSELECTKEYUSERWIZARDPAGE_H

#include <QList>
#include <QWizardPage>

class QListWidgetItem;
class SelectUsersWidget;

// The users who are to receive a copy of a new key, picked with the user
// picker. Whoever already holds a key for the item is never offered; the
// subclass asks the server who that is once, while its wizard is being built.
// The wizard goes on only while at least one user is picked.
class AbstractSelectKeyUserWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    ~AbstractSelectKeyUserWizardPage() override;

    // Going back keeps the picked users.
    void cleanupPage() override;
    bool isComplete() const override;

    // Every picked user, in list order, each carrying its User under the
    // user role.
    QList<QListWidgetItem *> selectedItems() const;
    // For callers that pick some users before the wizard runs.
    SelectUsersWidget *getSelectUsersWidget() const;

protected:
    // The subclass looks title and subtitle up in its own context.
    AbstractSelectKeyUserWizardPage(const QString &title, const QString &subTitle, const QList<int> &keyHolderIds,
                                    QWidget *parent);

private slots:
    void setMode(int mode);

private:
    SelectUsersWidget *m_selectUsersWidget;
};

#endif // ABSTRACTSELECTKEYUSERWIZARDPAGE_H
