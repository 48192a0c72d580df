#ifndef SCROLLINGMENU_H
#define SCROLLINGMENU_H

#include <QMenu>
#include <QPointer>

// A menu for long lists: one column that scrolls, at most half the screen's
// height, where a plain menu would lay out column after column across the
// screen. It opens below the widget that opens it, leaving that widget and
// what lies beside it in view.
class ScrollingMenu : public QMenu
{
    Q_OBJECT

public:
    // The opener places the menu but does not own it.
    explicit ScrollingMenu(const QWidget *opener, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPointer<const QWidget> m_opener;
};

#endif // SCROLLINGMENU_H
