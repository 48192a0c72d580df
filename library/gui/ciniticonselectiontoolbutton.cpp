#include "ciniticonselectiontoolbutton.h"

#include "resourceicon.h"
#include "scrollingmenu.h"

#include <QAction>
#include <QDir>
#include <QIcon>
#include <QString>
#include <QToolButton>

namespace content::icons
{
namespace
{
// A file is "ic_" + name + "_<size>px.svg"; the menu shows the name with
// blanks. The size part is taken as nine characters, so "_26x24px.svg" leaves
// "_26" on the name.
QString MenuText(const QString &fileName)
{
    QString text = fileName.mid(3, fileName.size() - 12);
    text.replace(QLatin1Char('_'), QLatin1Char(' '));
    return text;
}
}

CInitIconSelectionToolButton::CInitIconSelectionToolButton(QToolButton *toolButton)
    : m_toolButton(toolButton)
{
}

void CInitIconSelectionToolButton::operator()(const QString &groupDirectory, const QString &sizeDirectory) const
{
    static const QString PrefixAction = QStringLiteral(":/content/icons/default/");
    static const QString SuffixAction = QStringLiteral("/svg/production/");
    static const QString DirSeparator = QStringLiteral("/");

    const QString directory = PrefixAction + groupDirectory + SuffixAction + sizeDirectory + DirSeparator;
    const QStringList entries = QDir(directory).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    // Every folder of the catalogue holds pictures; an empty listing is a
    // folder that does not exist, and the button keeps what it shows.
    if (entries.isEmpty())
        return;

    // A group holds up to two hundred icons: in the columns of a plain menu
    // they would cover the whole of a small screen.
    auto *menu = new ScrollingMenu(m_toolButton);
    for (const QString &entry : entries) {
        const QString path = directory + entry;
        QAction *action = menu->addAction(utils::ResourceIcon(path), MenuText(entry));
        action->setData(path);
    }
    // The old menu takes its actions with it, the button's current one among
    // them, which the button then forgets.
    delete m_toolButton->menu();
    m_toolButton->setMenu(menu);
    m_toolButton->setDefaultAction(menu->actions().constFirst());
}
}
