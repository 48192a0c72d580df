#ifndef ABSTRACTBROWSERVIEW_H
#define ABSTRACTBROWSERVIEW_H

#include "abstractviewwindow.h"

#include <QSplitter>

// A view window laid out from a side pane on the left and a main pane on the
// right; extra width goes to the main pane. Each concrete browser declares its
// own meta-object and builds its menus, modes and connections on top.
template <class Main, class Side>
class AbstractBrowserView : public AbstractViewWindow
{
public:
    explicit AbstractBrowserView(QWidget *parent = nullptr);

protected:
    Main *m_mainPane;
    Side *m_sidePane;
    QSplitter *m_splitter;
};

template <class Main, class Side>
AbstractBrowserView<Main, Side>::AbstractBrowserView(QWidget *parent)
    : AbstractViewWindow(parent)
    , m_mainPane(new Main(this))
    , m_sidePane(new Side(this))
    , m_splitter(new QSplitter(Qt::Horizontal))
{
    m_splitter->addWidget(m_sidePane);
    m_splitter->addWidget(m_mainPane);
    m_splitter->setStretchFactor(1, 1);
    setCentralWidget(m_splitter);
}

#endif // ABSTRACTBROWSERVIEW_H
