#include "clienttranslation.h"
#include "icontoolbar.h"
#include "testenvironment.h"

#include <QAction>
#include <QComboBox>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWidgetAction>

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
const QString Action24 = QStringLiteral(":/content/icons/default/action/svg/production/24px/");

QStringList Texts(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts.append(box->itemText(i));
    return texts;
}

// What the user does: picks an item, which the box reports as activated.
void Choose(QComboBox *box, const QString &text)
{
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

QString Inserted(const QSignalSpy &spy, int index)
{
    return spy.at(index).at(0).toString();
}
}

// The icon tool bar: its state after start, the ring of ten remembered icons,
// and group and size choices.
class TestIconToolBar : public QObject
{
    Q_OBJECT

private:
    // Picks the icon at the index from the selection menu, then clicks the
    // button, as the user inserts an icon.
    static void insertFromMenu(IconToolBar &bar, int index)
    {
        QToolButton *selection = bar.iconSelectionToolButton();
        emit selection->triggered(selection->menu()->actions().at(index));
        selection->click();
    }

private slots:
    void initTestCase() { QVERIFY(testsupport::InstallClientTranslation()); }

    void stateBeforeAndAfterStart()
    {
        IconToolBar bar;
        QCOMPARE(bar.iconGroupComboBox()->count(), 0);
        QCOMPARE(bar.iconSizeComboBox()->count(), 0);
        QVERIFY(!bar.iconSelectionToolButton()->menu());
        QVERIFY(!bar.iconSelectionToolButton()->defaultAction());
        QCOMPARE(bar.iconMemoryCount(), quint32(0));

        bar.initialize();
        QCOMPARE(bar.windowTitle(), QStringLiteral("Icon Toolbar"));
        QCOMPARE(bar.allowedAreas(), Qt::TopToolBarArea | Qt::BottomToolBarArea);
        QCOMPARE(bar.iconGroupComboBox()->toolTip(), QStringLiteral("Icon Group"));
        QCOMPARE(bar.iconSizeComboBox()->toolTip(), QStringLiteral("Icon Size"));
        QCOMPARE(bar.iconGroupComboBox()->currentText(), QStringLiteral("Action"));
        QCOMPARE(bar.iconGroupComboBox()->count(), 16);
        QCOMPARE(Texts(bar.iconSizeComboBox()), QStringList({"18px", "24px", "48px"}));
        QCOMPARE(bar.iconSizeComboBox()->currentText(), QStringLiteral("24px"));

        QToolButton *selection = bar.iconSelectionToolButton();
        QCOMPARE(selection->popupMode(), QToolButton::MenuButtonPopup);
        QCOMPARE(selection->menu()->actions().size(), 215);
        QCOMPARE(selection->defaultAction()->text(), QStringLiteral("3d rotation"));
        QCOMPARE(selection->defaultAction()->data().toString(), Action24 + QStringLiteral("ic_3d_rotation_24px.svg"));
        // The button takes the tip of its current icon.
        QCOMPARE(selection->toolTip(), QStringLiteral("3d rotation"));
        for (int i = 0; i < IconToolBar::MemorySize; ++i) {
            QVERIFY(bar.iconMemoryToolButton(i));
            QVERIFY(!bar.iconMemoryToolButton(i)->defaultAction());
        }
        QVERIFY(!bar.iconMemoryToolButton(IconToolBar::MemorySize));
        QCOMPARE(bar.iconMemoryCount(), quint32(0));
    }

    // Group box | size box | selection | ten memory buttons |
    void layoutOfTheBar()
    {
        IconToolBar bar;
        bar.initialize();
        const QList<QAction *> actions = bar.actions();
        QCOMPARE(actions.size(), 17);
        QList<QWidget *> widgets;
        QList<int> separators;
        for (int i = 0; i < actions.size(); ++i) {
            if (actions.at(i)->isSeparator())
                separators.append(i);
            else
                widgets.append(bar.widgetForAction(actions.at(i)));
        }
        QCOMPARE(separators, QList<int>({1, 3, 5, 16}));
        QCOMPARE(widgets.at(0), bar.iconGroupComboBox());
        QCOMPARE(widgets.at(1), bar.iconSizeComboBox());
        QCOMPARE(widgets.at(2), bar.iconSelectionToolButton());
        for (int i = 0; i < IconToolBar::MemorySize; ++i)
            QCOMPARE(widgets.at(3 + i), bar.iconMemoryToolButton(i));
    }

    void choosingAGroupResetsTheSizeTo24px()
    {
        IconToolBar bar;
        bar.initialize();
        QPointer<QMenu> startMenu = bar.iconSelectionToolButton()->menu();

        Choose(bar.iconGroupComboBox(), QStringLiteral("Navigation"));
        QCOMPARE(Texts(bar.iconSizeComboBox()), QStringList({"18px", "24px", "36px", "48px"}));
        QCOMPARE(bar.iconSizeComboBox()->currentText(), QStringLiteral("24px"));
        QCOMPARE(bar.iconSelectionToolButton()->menu()->actions().size(), 27);
        QVERIFY(!startMenu); // the previous menu went with its actions

        Choose(bar.iconSizeComboBox(), QStringLiteral("36px"));
        QCOMPARE(bar.iconSelectionToolButton()->menu()->actions().size(), 20);
        QVERIFY(bar.iconSelectionToolButton()->defaultAction()->data().toString().contains(
            QLatin1String("/navigation/svg/production/36px/")));

        Choose(bar.iconGroupComboBox(), QStringLiteral("Communication"));
        QCOMPARE(Texts(bar.iconSizeComboBox()), QStringList({"24px", "48px"}));
        QCOMPARE(bar.iconSizeComboBox()->currentText(), QStringLiteral("24px"));
        QCOMPARE(bar.iconSelectionToolButton()->menu()->actions().size(), 50);

        Choose(bar.iconSizeComboBox(), QStringLiteral("48px"));
        QCOMPARE(bar.iconSelectionToolButton()->menu()->actions().size(), 46);
        Choose(bar.iconGroupComboBox(), QStringLiteral("Alert"));
        QCOMPARE(Texts(bar.iconSizeComboBox()), QStringList({"18px", "24px", "36px", "48px"}));
        QCOMPARE(bar.iconSizeComboBox()->currentText(), QStringLiteral("24px"));
        QCOMPARE(bar.iconSelectionToolButton()->menu()->actions().size(), 4);
    }

    void aGroupOutOfRangeIsIgnored()
    {
        IconToolBar bar;
        bar.initialize();
        bar.iconGroupComboBox()->addItem(QStringLiteral("Beyond"), 16);
        bar.iconGroupComboBox()->addItem(QStringLiteral("No number"), QStringLiteral("x"));
        QMenu *menu = bar.iconSelectionToolButton()->menu();
        Choose(bar.iconGroupComboBox(), QStringLiteral("Beyond"));
        Choose(bar.iconGroupComboBox(), QStringLiteral("No number"));
        QCOMPARE(Texts(bar.iconSizeComboBox()), QStringList({"18px", "24px", "48px"}));
        QCOMPARE(bar.iconSelectionToolButton()->menu(), menu);
    }

    void choosingFromTheMenuInsertsNothingUntilTheClick()
    {
        IconToolBar bar;
        bar.initialize();
        QSignalSpy inserted(&bar, &IconToolBar::insertIcon);
        QToolButton *selection = bar.iconSelectionToolButton();
        QAction *fifth = selection->menu()->actions().at(4);
        emit selection->triggered(fifth);
        QCOMPARE(inserted.count(), 0);
        QCOMPARE(selection->defaultAction(), fifth);
        QCOMPARE(bar.iconMemoryCount(), quint32(0));

        selection->click();
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(Inserted(inserted, 0), fifth->data().toString());
        QVERIFY(Inserted(inserted, 0).startsWith(Action24));
        QCOMPARE(bar.iconMemoryToolButton(0)->defaultAction()->data(), fifth->data());
        QCOMPARE(bar.iconMemoryToolButton(0)->defaultAction()->text(), fifth->text());
        QCOMPARE(bar.iconMemoryCount(), quint32(1));
    }

    // Buttons fill from the left; the eleventh and twelfth icons replace the
    // ones remembered longest ago.
    void twelveIconsFillTheRing()
    {
        IconToolBar bar;
        bar.initialize();
        QSignalSpy inserted(&bar, &IconToolBar::insertIcon);
        const QList<QAction *> menu = bar.iconSelectionToolButton()->menu()->actions();
        for (int i = 0; i < 12; ++i)
            insertFromMenu(bar, i);
        QCOMPARE(inserted.count(), 12);
        QCOMPARE(bar.iconMemoryCount(), quint32(12));
        for (int button = 0; button < IconToolBar::MemorySize; ++button) {
            const int icon = button < 2 ? button + 10 : button;
            const QAction *remembered = bar.iconMemoryToolButton(button)->defaultAction();
            QVERIFY(remembered);
            QCOMPARE(remembered->data(), menu.at(icon)->data());
            QCOMPARE(remembered->text(), menu.at(icon)->text());
            QVERIFY(!remembered->icon().isNull());
        }
        // The tip is the file's base name with blanks, size and all.
        QCOMPARE(bar.iconMemoryToolButton(2)->toolTip(),
                 QFileInfo(menu.at(2)->data().toString()).baseName().replace(QLatin1Char('_'), QLatin1Char(' ')));
        QVERIFY(bar.iconMemoryToolButton(2)->toolTip().startsWith(QLatin1String("ic ")));
        QVERIFY(bar.iconMemoryToolButton(2)->toolTip().endsWith(QLatin1String(" 24px")));
    }

    void theSameIconIsRememberedOnce()
    {
        IconToolBar bar;
        bar.initialize();
        QSignalSpy inserted(&bar, &IconToolBar::insertIcon);
        insertFromMenu(bar, 0);
        insertFromMenu(bar, 1);
        insertFromMenu(bar, 0);
        QCOMPARE(inserted.count(), 3);
        QCOMPARE(Inserted(inserted, 2), Inserted(inserted, 0));
        QCOMPARE(bar.iconMemoryCount(), quint32(2));
        QVERIFY(!bar.iconMemoryToolButton(2)->defaultAction());
        // Re-inserting a remembered icon does not move it.
        QCOMPARE(bar.iconMemoryToolButton(0)->defaultAction()->data().toString(), Inserted(inserted, 0));
    }

    void oneIconAtTwoSizesTakesTwoButtons()
    {
        IconToolBar bar;
        bar.initialize();
        QSignalSpy inserted(&bar, &IconToolBar::insertIcon);
        insertFromMenu(bar, 0);
        Choose(bar.iconSizeComboBox(), QStringLiteral("48px"));
        insertFromMenu(bar, 0);
        QCOMPARE(Inserted(inserted, 0), Action24 + QStringLiteral("ic_3d_rotation_24px.svg"));
        QCOMPARE(Inserted(inserted, 1),
                 QStringLiteral(":/content/icons/default/action/svg/production/48px/ic_3d_rotation_48px.svg"));
        QCOMPARE(bar.iconMemoryCount(), quint32(2));
        QCOMPARE(bar.iconMemoryToolButton(0)->toolTip(), QStringLiteral("ic 3d rotation 24px"));
        QCOMPARE(bar.iconMemoryToolButton(1)->toolTip(), QStringLiteral("ic 3d rotation 48px"));
    }

    void memoryButtonsInsertWithoutChangingTheMemory()
    {
        IconToolBar bar;
        bar.initialize();
        QSignalSpy inserted(&bar, &IconToolBar::insertIcon);
        bar.iconMemoryToolButton(0)->click(); // empty: nothing
        QCOMPARE(inserted.count(), 0);

        insertFromMenu(bar, 3);
        insertFromMenu(bar, 7);
        inserted.clear();
        bar.iconMemoryToolButton(0)->click();
        bar.iconMemoryToolButton(1)->click();
        bar.iconMemoryToolButton(2)->click();
        QCOMPARE(inserted.count(), 2);
        QCOMPARE(Inserted(inserted, 0), bar.iconMemoryToolButton(0)->defaultAction()->data().toString());
        QCOMPARE(Inserted(inserted, 1), bar.iconMemoryToolButton(1)->defaultAction()->data().toString());
        QCOMPARE(bar.iconMemoryCount(), quint32(2));
    }

    void aMemoryActionWithoutTextInsertsNothing()
    {
        IconToolBar bar;
        bar.initialize();
        QSignalSpy inserted(&bar, &IconToolBar::insertIcon);
        QToolButton *button = bar.iconMemoryToolButton(5);
        QAction noData(QStringLiteral("no data"));
        QAction notText(QStringLiteral("not text"));
        notText.setData(QVariant::fromValue(QSize(1, 2)));
        emit button->triggered(&noData);
        emit button->triggered(&notText);
        emit button->triggered(nullptr);
        QCOMPARE(inserted.count(), 0);
    }

    void enablingSwitchesTheControls()
    {
        IconToolBar bar;
        bar.initialize();
        insertFromMenu(bar, 0);
        bar.setSelectionEnabled(false);
        bar.setIconMemoryToolButtonsEnabled(false);
        QVERIFY(!bar.iconGroupComboBox()->isEnabled());
        QVERIFY(!bar.iconSizeComboBox()->isEnabled());
        QVERIFY(!bar.iconSelectionToolButton()->isEnabled());
        for (int i = 0; i < IconToolBar::MemorySize; ++i)
            QVERIFY(!bar.iconMemoryToolButton(i)->isEnabled());

        // A button that takes an icon keeps the window's choice.
        bar.setSelectionEnabled(true);
        insertFromMenu(bar, 1);
        QVERIFY(bar.iconMemoryToolButton(1)->defaultAction());
        QVERIFY(!bar.iconMemoryToolButton(1)->isEnabled());

        bar.setIconMemoryToolButtonsEnabled(true);
        for (int i = 0; i < IconToolBar::MemorySize; ++i)
            QVERIFY(bar.iconMemoryToolButton(i)->isEnabled());
        QVERIFY(bar.iconGroupComboBox()->isEnabled());
    }

    void theLastMenuGoesWithTheBar()
    {
        QPointer<QMenu> menu;
        {
            QMainWindow window;
            auto *bar = new IconToolBar(&window);
            bar->initialize();
            menu = bar->iconSelectionToolButton()->menu();
            QVERIFY(menu);
        }
        QVERIFY(!menu);
    }
};

QTEST_MAIN(TestIconToolBar)
#include "tst_icontoolbar.moc"
