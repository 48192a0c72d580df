#ifndef ABSTRACTKEYPANETREEWIDGET_H
#define ABSTRACTKEYPANETREEWIDGET_H

#include "abstractpanetreewidget.h"
#include "keytreerows.h"

#include <QStringList>

// What the keyring panes and the received-keys panes of both kinds of key
// share: the columns fit their contents whenever a row opens or closes, and
// the "view" toggles open or close every permission, day or month heading.
// The rows themselves are the subclasses'.
class AbstractKeyPaneTreeWidget : public AbstractPaneTreeWidget
{
    Q_OBJECT

public:
    ~AbstractKeyPaneTreeWidget() override;

    const keytree::KeySubtrees &subtrees() const;

public slots:
    void resizeColumnsToContents();
    void viewPermissionsToggled(bool view);
    void viewDaysToggled(bool view);
    void viewMonthsToggled(bool view);

protected:
    // kindRole is the role under which each row keeps its kind.
    AbstractKeyPaneTreeWidget(QWidget *parent, const QStringList &headerLabels, int kindRole,
                              keytree::KeySubtrees subtrees);

private:
    void toggleHeadings(const keytree::Subtree &subtree, bool view);

    const int m_kindRole;
    const keytree::KeySubtrees m_subtrees;
};

#endif // ABSTRACTKEYPANETREEWIDGET_H
