#ifndef ABSTRACTVIEWWINDOW_H
#define ABSTRACTVIEWWINDOW_H

#include "abstractmainwindow.h"
#include "mode.h"

#include <string>

class QAction;
class QIcon;
class QMenu;
class QStatusBar;
class QToolBar;

// What every view window shares: the five standard menus and the standard tool
// bar, the status bar, a Mode with forwarding operations, the caption with
// server and user, the About box and the minimum size. View windows are
// destroyed when closed.
class AbstractViewWindow : public AbstractMainWindow
{
    Q_OBJECT

public:
    explicit AbstractViewWindow(QWidget *parent = nullptr);

    using AbstractMainWindow::addAction;

    int getMode() const;
    std::string getModeName(int mode) const;
    void setMode(int mode);
    int registerMode(int parent, const std::string &name);
    int registerMode(const std::string &name, int parent);
    void registerProp(int mode, Mode::Condition condition, QObject *object, const std::string &property,
                      const QVariant &value);
    void registerTran(int source, int target);

    QAction *addAction(QObject *parent, const QString &text, const QString &statusTip);
    QAction *addAction(QObject *parent, QMenu *menu, const QString &text, const QString &statusTip);
    QAction *addAction(QObject *parent, const QIcon &icon, const QString &text, const QString &statusTip);
    QAction *addAction(QObject *parent, QMenu *menu, const QIcon &icon, const QString &text, const QString &statusTip);
    QAction *addAction(QObject *parent, QMenu *menu, const QString &text, const QString &shortcut,
                       const QString &statusTip);
    QAction *addAction(QObject *parent, QMenu *menu, const QIcon &icon, const QString &text, const QString &shortcut,
                       const QString &statusTip);

    void initializeStandardToolBar();
    void setWindowCaption(const QString &title, const QString &serverName, const QString &userName);

public slots:
    void helpAbout();

protected slots:
    virtual void enterMode(int mode);
    virtual void leaveMode(int mode);

protected:
    QMenu *m_fileMenu;
    QMenu *m_editMenu;
    QMenu *m_viewMenu;
    QMenu *m_toolsMenu;
    QMenu *m_helpMenu;
    QToolBar *m_standardToolBar;
    QStatusBar *m_statusBar;
    QAction *m_fileMenuAction;
    QAction *m_editMenuAction;
    QAction *m_viewMenuAction;
    QAction *m_toolsMenuAction;
    QAction *m_helpMenuAction;
    Mode *m_mode;
};

#endif // ABSTRACTVIEWWINDOW_H
