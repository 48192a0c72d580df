#ifndef ICONTOOLBAR_H
#define ICONTOOLBAR_H

#include <QToolBar>

#include <array>

class QAction;
class QComboBox;
class QToolButton;

// The editor window's tool bar of catalogue icons: a group box, a size box, a
// selection button whose menu lists the icons of the chosen group and size,
// and ten memory buttons that keep the last ten different icons inserted from
// the selection button. It never touches text: it asks for an icon to be
// inserted through insertIcon, with the icon's resource path.
//
// The window creates it, calls initialize() once and places it; the window's
// enabling operations switch its controls through the two set...Enabled
// operations.
class IconToolBar : public QToolBar
{
    Q_OBJECT

public:
    static constexpr int MemorySize = 10;

    explicit IconToolBar(QWidget *parent = nullptr);
    ~IconToolBar() override;

    // Tips, layout, title and areas, the first group (Action at 24 px) and the
    // connections. Called once.
    void initialize();

    // The group and size boxes and the selection button.
    void setSelectionEnabled(bool enabled);
    // The ten memory buttons.
    void setIconMemoryToolButtonsEnabled(bool enabled);

    QComboBox *iconGroupComboBox() const;
    QComboBox *iconSizeComboBox() const;
    QToolButton *iconSelectionToolButton() const;
    QToolButton *iconMemoryToolButton(int index) const;
    // How many icons the memory has taken in since the window opened; the
    // next one goes to button count mod 10.
    quint32 iconMemoryCount() const;

signals:
    void insertIcon(QString iconPath);

protected slots:
    void iconGroupChanged(int index);
    void iconSizeChanged(int index);
    void iconSelectionTriggered(QAction *action);
    void iconSelectionClicked(bool checked);
    void iconMemoryToolButtonTriggered(QAction *action);

private:
    QComboBox *m_iconGroupComboBox;
    QComboBox *m_iconSizeComboBox;
    QToolButton *m_iconSelectionToolButton;
    quint32 m_iconMemoryCount;
    std::array<QToolButton *, MemorySize> m_iconMemoryToolButtons;
    bool m_iconMemoryToolButtonsEnabled;
};

#endif // ICONTOOLBAR_H
