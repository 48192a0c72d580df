#include "clienttranslation.h"
#include "icons.h"
#include "testenvironment.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QStyle>
#include <QSvgRenderer>
#include <QTest>
#include <QToolButton>

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
const QString Root = QStringLiteral(":/content/icons/default/");

// The catalogue as the program promises it: the pictures per group folder
// and size folder, 0 where the group has no such size.
struct Folder
{
    const char *group;
    int counts[4]; // 18, 24, 36, 48 px
};
const Folder Folders[] = {
    {"action", {4, 215, 0, 207}},      {"alert", {2, 4, 2, 4}},     {"audiovisual", {3, 80, 0, 79}},
    {"communication", {0, 50, 0, 46}}, {"content", {0, 41, 0, 40}}, {"device", {40, 90, 0, 79}},
    {"editor", {52, 68, 0, 67}},       {"file", {5, 14, 0, 14}},    {"hardware", {0, 48, 0, 47}},
    {"image", {0, 155, 0, 150}},       {"maps", {0, 68, 0, 68}},    {"navigation", {20, 27, 20, 27}},
    {"notification", {3, 54, 0, 54}},  {"places", {0, 19, 0, 19}},  {"social", {12, 30, 0, 30}},
    {"toggle", {0, 8, 0, 5}},
};
const char *const Sizes[] = {"18px", "24px", "36px", "48px"};

QString FolderPath(const QString &group, const QString &size)
{
    return Root + group + QStringLiteral("/svg/production/") + size + QLatin1Char('/');
}

QStringList Listing(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

QStringList AllFiles()
{
    QStringList files;
    QDirIterator it(Root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    return files;
}

QStringList Texts(const QComboBox &box)
{
    QStringList texts;
    for (int i = 0; i < box.count(); ++i)
        texts.append(box.itemText(i));
    return texts;
}

QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage Rendered(const QString &file, const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(file).render(&painter);
    return image;
}

// The share of the picture's pixels that are drawn on.
qreal Coverage(const QImage &image)
{
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            drawn += qAlpha(image.pixel(x, y)) > 64 ? 1 : 0;
    }
    return qreal(drawn) / (image.width() * image.height());
}

QList<int> Data(const QComboBox &box)
{
    QList<int> data;
    for (int i = 0; i < box.count(); ++i)
        data.append(box.itemData(i).toInt());
    return data;
}
}

// The built-in icon catalogue and the functions that fill the icon tool bar's
// widgets from it.
class TestIconCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(testsupport::InstallClientTranslation()); }

    void folderCounts_data()
    {
        QTest::addColumn<int>("groupNumber");
        QTest::addColumn<int>("sizeNumber");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("size");
        QTest::addColumn<int>("count");
        for (int group = 0; group < 16; ++group) {
            const Folder &folder = Folders[group];
            for (int size = 0; size < 4; ++size)
                QTest::addRow("%s %s", folder.group, Sizes[size])
                    << group << size << QString::fromLatin1(folder.group) << QString::fromLatin1(Sizes[size])
                    << folder.counts[size];
        }
    }

    void folderCounts()
    {
        QFETCH(int, groupNumber);
        QFETCH(int, sizeNumber);
        QFETCH(QString, group);
        QFETCH(QString, size);
        QFETCH(int, count);
        const QString folder = FolderPath(group, size);
        QCOMPARE(QDir(folder).exists(), count > 0);
        // Pictures only: no sub-folders.
        QCOMPARE(Listing(folder).size(), count);
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), count);

        const auto groupId = static_cast<content::icons::Group>(groupNumber);
        const auto sizeId = static_cast<content::icons::Size>(sizeNumber);
        QCOMPARE(content::icons::Exists(groupId, sizeId), count > 0);
        QCOMPARE(content::icons::GroupDirectory(groupId), group);
        QCOMPARE(content::icons::SizeDirectory(sizeId), size);
    }

    void numbersOutOfRangeHaveNoFolder()
    {
        QVERIFY(!content::icons::Exists(static_cast<content::icons::Group>(16), content::icons::Size24px));
        QVERIFY(!content::icons::Exists(static_cast<content::icons::Group>(-1), content::icons::Size24px));
        QVERIFY(!content::icons::Exists(content::icons::Action, static_cast<content::icons::Size>(4)));
        QVERIFY(content::icons::GroupDirectory(static_cast<content::icons::Group>(16)).isEmpty());
        QVERIFY(content::icons::SizeDirectory(static_cast<content::icons::Size>(-1)).isEmpty());
    }

    void catalogueHoldsTheSixteenGroupsAndNothingElse()
    {
        QStringList groups;
        for (const Folder &folder : Folders)
            groups.append(QString::fromLatin1(folder.group));
        groups.sort();
        QCOMPARE(Listing(Root), groups);
        for (const QString &group : std::as_const(groups))
            QCOMPARE(Listing(Root + group), QStringList{QStringLiteral("svg")});
    }

    void totalAndDistinctNames()
    {
        const QStringList files = AllFiles();
        QCOMPARE(files.size(), 2070);
        // ic_<name>_<size>.svg in the folder of its size; eleven device
        // pictures at 24 px are 26 wide.
        const QRegularExpression pattern(QStringLiteral(R"(^:/content/icons/default/([a-z]+)/svg/production/(\d+px)/)"
                                                        R"(ic_([a-z0-9_]+)_(\d+px)\.svg$)"));
        const QRegularExpression wide(QStringLiteral(R"(^ic_[a-z0-9_]+_26x24px\.svg$)"));
        QSet<QString> names;
        QStringList wideFiles;
        for (const QString &file : files) {
            const QString fileName = file.section(QLatin1Char('/'), -1);
            if (wide.match(fileName).hasMatch()) {
                QVERIFY2(file.startsWith(FolderPath(QStringLiteral("device"), QStringLiteral("24px"))),
                         qPrintable(file));
                wideFiles.append(fileName);
                names.insert(fileName.mid(3, fileName.size() - 3 - 12));
                continue;
            }
            const QRegularExpressionMatch match = pattern.match(file);
            QVERIFY2(match.hasMatch(), qPrintable(file));
            QCOMPARE(match.captured(4), match.captured(2));
            names.insert(match.captured(3));
        }
        QCOMPARE(wideFiles.size(), 11);
        QVERIFY(wideFiles.contains(QStringLiteral("ic_signal_wifi_statusbar_null_26x24px.svg")));
        QCOMPARE(names.size(), 972);
    }

    void firstIconOfTheActionGroup()
    {
        const QStringList files = Listing(FolderPath(QStringLiteral("action"), QStringLiteral("24px")));
        QVERIFY(!files.isEmpty());
        QCOMPARE(files.first(), QStringLiteral("ic_3d_rotation_24px.svg"));
    }

    // Every picture is a valid SVG drawing of its size that loads as an icon
    // and shows something: a glyph that the font lacks would come out blank.
    void everyFileLoads()
    {
        int checked = 0;
        for (const QString &file : AllFiles()) {
            QSvgRenderer renderer(file);
            QVERIFY2(renderer.isValid(), qPrintable(file));
            const QString size = file.section(QLatin1Char('_'), -1).chopped(6); // "24" or "26x24"
            const int height = size.section(QLatin1Char('x'), -1).toInt();
            const int width = size.contains(QLatin1Char('x')) ? size.section(QLatin1Char('x'), 0, 0).toInt() : height;
            QCOMPARE(renderer.defaultSize(), QSize(width, height));
            const QIcon icon(file);
            QVERIFY2(!icon.isNull() && !icon.pixmap(QSize(width, height)).isNull(), qPrintable(file));
            const qreal covered = Coverage(Rendered(file, QSize(width, height)));
            QVERIFY2(covered > 0.02 && covered < 0.95, qPrintable(file));
            ++checked;
        }
        QCOMPARE(checked, 2070);
    }

    // The pictures are the icon set's glyphs, one outline each, named in
    // their title; the sizes of one icon show the same drawing.
    void picturesAreTheGlyphsOfTheirNames()
    {
        const QString file =
            FolderPath(QStringLiteral("action"), QStringLiteral("24px")) + QStringLiteral("ic_3d_rotation_24px.svg");
        const QByteArray svg = Contents(file);
        QVERIFY(svg.contains("<title>3d rotation</title>"));
        QCOMPARE(svg.count("<path "), 1);
        QVERIFY(!svg.contains("<text"));
        const QByteArray large = Contents(FolderPath(QStringLiteral("action"), QStringLiteral("48px"))
                                          + QStringLiteral("ic_3d_rotation_48px.svg"));
        QCOMPARE(large.mid(large.indexOf("<path")), svg.mid(svg.indexOf("<path")));

        // Two names, two drawings.
        const QStringList files = Listing(FolderPath(QStringLiteral("editor"), QStringLiteral("24px")));
        QSet<QByteArray> drawings;
        for (const QString &name : files) {
            const QByteArray picture = Contents(FolderPath(QStringLiteral("editor"), QStringLiteral("24px")) + name);
            drawings.insert(picture.mid(picture.indexOf("<path")));
        }
        QCOMPARE(drawings.size(), files.size());
    }

    void groupBoxListsTheSixteenGroups()
    {
        QComboBox box;
        content::icons::InitIconGroupComboBox(&box);
        QCOMPARE(Texts(box), QStringList({"Action", "Alert", "Audiovisual", "Communication", "Content", "Device",
                                          "Editor", "File", "Hardware", "Image", "Maps", "Navigation", "Notification",
                                          "Places", "Social", "Toggle"}));
        QCOMPARE(Data(box), QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
        QCOMPARE(box.currentIndex(), 0);
        QVERIFY(box.itemIcon(0).isNull());

        // It appends: the box is not cleared first.
        content::icons::InitIconGroupComboBox(&box);
        QCOMPARE(box.count(), 32);
        QCOMPARE(box.currentIndex(), 0);
    }

    void sizeBoxOffersTheGroupsSizes_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<int>>("sizes");
        QTest::addColumn<int>("current");
        QTest::newRow("action") << 0 << QStringList{"18px", "24px", "48px"} << QList<int>{0, 1, 3} << 1;
        QTest::newRow("alert") << 1 << QStringList{"18px", "24px", "36px", "48px"} << QList<int>{0, 1, 2, 3} << 1;
        QTest::newRow("communication") << 3 << QStringList{"24px", "48px"} << QList<int>{1, 3} << 0;
        QTest::newRow("navigation") << 11 << QStringList{"18px", "24px", "36px", "48px"} << QList<int>{0, 1, 2, 3} << 1;
        QTest::newRow("toggle") << 15 << QStringList{"24px", "48px"} << QList<int>{1, 3} << 0;
        QTest::newRow("out of range") << 16 << QStringList{} << QList<int>{} << -1;
        QTest::newRow("negative") << -1 << QStringList{} << QList<int>{} << -1;
    }

    void sizeBoxOffersTheGroupsSizes()
    {
        QFETCH(int, group);
        QFETCH(QStringList, texts);
        QFETCH(QList<int>, sizes);
        QFETCH(int, current);
        QComboBox box;
        box.addItem(QStringLiteral("left over"), 9);
        content::icons::InitIconSizeComboBox(&box, static_cast<content::icons::Group>(group));
        QCOMPARE(Texts(box), texts);
        QCOMPARE(Data(box), sizes);
        QCOMPARE(box.currentIndex(), current);
        if (current >= 0)
            QCOMPARE(box.currentText(), QStringLiteral("24px"));
    }

    void selectionButtonListsTheFolder()
    {
        QToolButton button;
        content::icons::InitIconSelectionToolButton(&button, content::icons::Action, content::icons::Size24px);
        QMenu *menu = button.menu();
        QVERIFY(menu);
        QVERIFY(!menu->parent());
        const QList<QAction *> actions = menu->actions();
        QCOMPARE(actions.size(), 215);
        QCOMPARE(button.defaultAction(), actions.first());
        QCOMPARE(actions.first()->text(), QStringLiteral("3d rotation"));
        const QString folder = FolderPath(QStringLiteral("action"), QStringLiteral("24px"));
        QCOMPARE(actions.first()->data().toString(), folder + QStringLiteral("ic_3d_rotation_24px.svg"));
        QVERIFY(!actions.first()->icon().isNull());
        const QStringList files = Listing(folder);
        for (int i = 0; i < actions.size(); ++i) {
            QCOMPARE(actions.at(i)->data().toString(), folder + files.at(i));
            QVERIFY(!actions.at(i)->text().contains(QLatin1Char('_')));
        }
        // The button shows its current icon.
        QCOMPARE(button.text(), QStringLiteral("3d rotation"));
        delete menu;
    }

    void wideDevicePicturesKeepTheirWidthInTheText()
    {
        QToolButton button;
        content::icons::InitIconSelectionToolButton(&button, content::icons::Device, content::icons::Size24px);
        QMenu *menu = button.menu();
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 90);
        QStringList wide;
        for (const QAction *action : menu->actions()) {
            if (action->data().toString().endsWith(QLatin1String("_26x24px.svg")))
                wide.append(action->text());
        }
        QCOMPARE(wide.size(), 11);
        for (const QString &text : std::as_const(wide))
            QVERIFY2(text.endsWith(QLatin1String(" 26")), qPrintable(text));
        QVERIFY(wide.contains(QStringLiteral("signal wifi statusbar null 26")));
        delete menu;
    }

    // The largest folders hold over two hundred icons: the menu is one
    // scrolling column beside the button, not columns across the screen.
    void largeMenuScrollsInsteadOfCoveringTheScreen()
    {
        QToolButton button;
        content::icons::InitIconSelectionToolButton(&button, content::icons::Action, content::icons::Size24px);
        QMenu *menu = button.menu();
        QVERIFY(menu);
        QVERIFY(menu->style()->styleHint(QStyle::SH_Menu_Scrollable, nullptr, menu));
        const QRect screen = button.screen()->availableGeometry();
        menu->popup(screen.topLeft());
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QVERIFY2(menu->height() <= screen.height() / 2, qPrintable(QString::number(menu->height())));
        QVERIFY2(menu->width() < screen.width() / 2, qPrintable(QString::number(menu->width())));
        menu->hide();
        delete menu;
    }

    void refillReplacesTheMenuAndAMissingPairChangesNothing()
    {
        QToolButton button;
        content::icons::InitIconSelectionToolButton(&button, content::icons::Navigation, content::icons::Size36px);
        QPointer<QMenu> first = button.menu();
        QVERIFY(first);
        QCOMPARE(first->actions().size(), 20);
        QPointer<QAction> firstCurrent = button.defaultAction();

        // Communication has no 18 px pictures, and numbers out of range name no folder.
        content::icons::InitIconSelectionToolButton(&button, content::icons::Communication, content::icons::Size18px);
        content::icons::InitIconSelectionToolButton(&button, static_cast<content::icons::Group>(16),
                                                    content::icons::Size24px);
        content::icons::InitIconSelectionToolButton(&button, content::icons::Toggle,
                                                    static_cast<content::icons::Size>(4));
        QCOMPARE(button.menu(), first.data());
        QCOMPARE(button.defaultAction(), firstCurrent.data());

        content::icons::InitIconSelectionToolButton(&button, content::icons::Toggle, content::icons::Size48px);
        QVERIFY(!first);
        QVERIFY(!firstCurrent);
        QCOMPARE(button.menu()->actions().size(), 5);
        QCOMPARE(button.defaultAction(), button.menu()->actions().first());
        delete button.menu();
    }
};

QTEST_MAIN(TestIconCatalogue)
#include "tst_iconcatalogue.moc"
