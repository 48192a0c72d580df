#ifndef ABSTRACTKEYSVIEW_H
#define ABSTRACTKEYSVIEW_H

#include "abstractviewwindow.h"

#include <QString>

class AbstractKeyPaneTreeWidget;
class QAction;
class QLabel;
class QTreeWidgetItem;

// What the windows of the document keys and of the folder keys that other
// users gave to the logged-on user share: the menus and tool bar, the
// refresh that empties the pane and fills it afresh from the server, and the
// status bar note when that fails. Reading the keys and opening one are the
// subclasses'; so are the window's geometry settings, which are stored under
// the subclass's name.
class AbstractKeysView : public AbstractViewWindow
{
    Q_OBJECT

public:
    ~AbstractKeysView() override;

signals:
    void resizeColumnsToContents();
    void viewPermissionsToggled(bool view);
    void viewDaysToggled(bool view);
    void viewMonthsToggled(bool view);

public slots:
    void refresh();

protected:
    // The texts name the kind of key, so the subclass looks them up in its
    // own translation context.
    struct Texts
    {
        QString title;
        QString open;
        QString openStatusTip;
        QString openToolTip;
        QString refreshStatusTip;
        QString refreshToolTip;
        QString viewMonths;
        QString viewMonthsStatusTip;
        QString viewMonthsToolTip;
        QString viewDays;
        QString viewDaysStatusTip;
        QString viewDaysToolTip;
        QString viewPermissions;
        QString viewPermissionsStatusTip;
        QString viewPermissionsToolTip;
        QString keysNotRead;
    };

    AbstractKeysView(QWidget *parent, const Texts &texts, const char *iconFileName);

    // Shows the pane and hands it the view toggles; called once, before the
    // first refresh.
    void setPane(AbstractKeyPaneTreeWidget *pane);
    QAction *openAction() const;
    // The key row of the current row (a permission, day or month row opens
    // its key), or null when no row is current.
    QTreeWidgetItem *currentKeyRow() const;

    // Reads the user's keys from the server and emits each one to the pane;
    // false when they could not be read.
    virtual bool selectKeys() = 0;

private:
    void initializeMenus();
    void initializeStandardToolBar();

    const QString m_keysNotRead;
    QAction *m_openAction;
    QAction *m_refreshAction;
    QAction *m_viewMonthsAction;
    QAction *m_viewDaysAction;
    QAction *m_viewPermissionsAction;
    QAction *m_aboutAction;
    AbstractKeyPaneTreeWidget *m_pane = nullptr;
    // Says in the status bar that the last refresh failed; a message of the
    // status bar's own would give way to the next status tip.
    QLabel *m_refreshFailedLabel;
};

#endif // ABSTRACTKEYSVIEW_H
