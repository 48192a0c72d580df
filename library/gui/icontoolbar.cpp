#include "icontoolbar.h"

#include "icons.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QToolButton>

namespace
{
// The tool bar speaks in the editor window's words.
QString Text(const char *key)
{
    return QCoreApplication::translate("AbstractTextEditorView", key);
}

// "ic_3d_rotation_24px" from its path, with blanks: the memory button's tip
// names the size too, as the same icon at two sizes takes two buttons.
QString MemoryToolTip(const QString &path)
{
    QString tip = QFileInfo(path).baseName();
    tip.replace(QLatin1Char('_'), QLatin1Char(' '));
    return tip;
}
}

IconToolBar::IconToolBar(QWidget *parent)
    : QToolBar(parent)
    , m_iconGroupComboBox(new QComboBox(this))
    , m_iconSizeComboBox(new QComboBox(this))
    , m_iconSelectionToolButton(new QToolButton(this))
    , m_iconMemoryCount(0)
    , m_iconMemoryToolButtons{}
    , m_iconMemoryToolButtonsEnabled(true)
{
    setObjectName(QStringLiteral("IconToolBar"));
    for (QToolButton *&button : m_iconMemoryToolButtons)
        button = new QToolButton(this);
}

IconToolBar::~IconToolBar()
{
    // The selection menu has no parent (each refill replaces it); the last
    // one goes with the tool bar.
    delete m_iconSelectionToolButton->menu();
}

void IconToolBar::initialize()
{
    m_iconGroupComboBox->setToolTip(Text(QT_TRANSLATE_NOOP("AbstractTextEditorView", "IconGroup")));
    m_iconSizeComboBox->setToolTip(Text(QT_TRANSLATE_NOOP("AbstractTextEditorView", "IconSize")));
    m_iconSelectionToolButton->setToolTip(Text(QT_TRANSLATE_NOOP("AbstractTextEditorView", "IconSelection")));
    // The arrow opens the menu; a click on the button inserts its icon.
    m_iconSelectionToolButton->setPopupMode(QToolButton::MenuButtonPopup);

    addWidget(m_iconGroupComboBox);
    addSeparator();
    addWidget(m_iconSizeComboBox);
    addSeparator();
    addWidget(m_iconSelectionToolButton);
    addSeparator();
    for (QToolButton *button : m_iconMemoryToolButtons)
        addWidget(button);
    addSeparator();

    setWindowTitle(Text(QT_TRANSLATE_NOOP("AbstractTextEditorView", "IconToolbar")));
    setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);

    content::icons::InitIconGroupComboBox(m_iconGroupComboBox);
    content::icons::InitIconSizeComboBox(m_iconSizeComboBox, content::icons::Action);
    content::icons::InitIconSelectionToolButton(m_iconSelectionToolButton, content::icons::Action,
                                                content::icons::Size24px);

    // Only the user's choices count: the boxes' activated signals are not
    // emitted when the program refills them.
    connect(m_iconGroupComboBox, &QComboBox::activated, this, &IconToolBar::iconGroupChanged);
    connect(m_iconSizeComboBox, &QComboBox::activated, this, &IconToolBar::iconSizeChanged);
    connect(m_iconSelectionToolButton, &QToolButton::triggered, this, &IconToolBar::iconSelectionTriggered);
    connect(m_iconSelectionToolButton, &QToolButton::clicked, this, &IconToolBar::iconSelectionClicked);
    for (QToolButton *button : m_iconMemoryToolButtons)
        connect(button, &QToolButton::triggered, this, &IconToolBar::iconMemoryToolButtonTriggered);
}

void IconToolBar::setSelectionEnabled(bool enabled)
{
    m_iconGroupComboBox->setEnabled(enabled);
    m_iconSizeComboBox->setEnabled(enabled);
    m_iconSelectionToolButton->setEnabled(enabled);
}

void IconToolBar::setIconMemoryToolButtonsEnabled(bool enabled)
{
    m_iconMemoryToolButtonsEnabled = enabled;
    for (QToolButton *button : m_iconMemoryToolButtons)
        button->setEnabled(enabled);
}

QComboBox *IconToolBar::iconGroupComboBox() const
{
    return m_iconGroupComboBox;
}

QComboBox *IconToolBar::iconSizeComboBox() const
{
    return m_iconSizeComboBox;
}

QToolButton *IconToolBar::iconSelectionToolButton() const
{
    return m_iconSelectionToolButton;
}

QToolButton *IconToolBar::iconMemoryToolButton(int index) const
{
    return index >= 0 && index < MemorySize ? m_iconMemoryToolButtons.at(static_cast<std::size_t>(index)) : nullptr;
}

quint32 IconToolBar::iconMemoryCount() const
{
    return m_iconMemoryCount;
}

void IconToolBar::iconGroupChanged(int index)
{
    bool ok = false;
    const int group = m_iconGroupComboBox->itemData(index).toInt(&ok);
    if (!ok || group < 0 || group >= content::icons::GroupCount)
        return;
    // A new group starts at 24 px, whatever size the last one showed.
    content::icons::InitIconSizeComboBox(m_iconSizeComboBox, static_cast<content::icons::Group>(group));
    content::icons::InitIconSelectionToolButton(m_iconSelectionToolButton, static_cast<content::icons::Group>(group),
                                                content::icons::Size24px);
}

void IconToolBar::iconSizeChanged(int index)
{
    bool sizeOk = false;
    bool groupOk = false;
    const int size = m_iconSizeComboBox->itemData(index).toInt(&sizeOk);
    const int group = m_iconGroupComboBox->currentData().toInt(&groupOk);
    if (!sizeOk || !groupOk)
        return;
    content::icons::InitIconSelectionToolButton(m_iconSelectionToolButton, static_cast<content::icons::Group>(group),
                                                static_cast<content::icons::Size>(size));
}

void IconToolBar::iconSelectionTriggered(QAction *action)
{
    // A choice from the menu only changes what the button shows; the next
    // click on the button inserts it.
    if (action)
        m_iconSelectionToolButton->setDefaultAction(action);
}

void IconToolBar::iconSelectionClicked(bool)
{
    const QAction *selection = m_iconSelectionToolButton->defaultAction();
    if (!selection)
        return;
    const QVariant path = selection->data();
    emit insertIcon(path.toString());

    // An icon already remembered keeps its place.
    for (const QToolButton *button : m_iconMemoryToolButtons) {
        if (button->defaultAction() && button->defaultAction()->data() == path)
            return;
    }

    // The buttons fill from the left; once all hold an icon, the one
    // remembered longest ago makes room.
    QToolButton *button = m_iconMemoryToolButtons.at(m_iconMemoryCount % MemorySize);
    delete button->defaultAction();
    auto *remembered = new QAction(selection->icon(), selection->text(), this);
    remembered->setData(path);
    button->setDefaultAction(remembered);
    // Taking an action also takes its enabled state; the window's choice
    // stands.
    button->setEnabled(m_iconMemoryToolButtonsEnabled);
    button->setToolTip(MemoryToolTip(path.toString()));
    ++m_iconMemoryCount;
}

void IconToolBar::iconMemoryToolButtonTriggered(QAction *action)
{
    if (!action)
        return;
    const QVariant path = action->data();
    if (!path.isValid() || !path.canConvert<QString>())
        return;
    emit insertIcon(path.toString());
}
