#include "layerchecker.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>

// The tree's layers (library/CMakeLists.txt) hold: nothing includes or links
// upwards. The checker itself is tried on small trees first, among them the
// ways the key openers and the view managers once reached up.
namespace
{
using Tree = QMap<QString, QString>; // path -> content

QStringList TreeLayers()
{
    return QString::fromUtf8(QORV_LAYERS).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool Write(const QTemporaryDir &dir, const Tree &tree)
{
    for (auto it = tree.cbegin(); it != tree.cend(); ++it) {
        const QString path = dir.filePath(it.key());
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            return false;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(it.value().toUtf8()) < 0)
            return false;
    }
    return true;
}

// The layer folders that hold a CMakeLists.txt, bottom first.
QStringList CMakeFolders(const Tree &tree, const QStringList &layers)
{
    QStringList folders;
    for (const QString &layer : layers) {
        if (tree.contains(layer + QStringLiteral("/CMakeLists.txt")))
            folders.append(layer);
    }
    return folders;
}

// A small tree's CMakeLists.txt files under one project, as the tree's own
// top file joins the layers; Qt6::Widgets stands in for the imported targets.
Tree WithProject(Tree tree, const QStringList &cmakeFolders)
{
    QString project = QStringLiteral("cmake_minimum_required(VERSION 3.22)\n"
                                     "project(Fixture LANGUAGES CXX)\n"
                                     "add_library(Qt6::Widgets INTERFACE IMPORTED)\n");
    for (const QString &folder : cmakeFolders)
        project += QStringLiteral("add_subdirectory(%1)\n").arg(folder);
    tree.insert(QStringLiteral("CMakeLists.txt"), project);
    return tree;
}

CMakeLinkGraph LinkGraph()
{
    return CMakeLinkGraph(QStringLiteral(QORV_CMAKE), QStringLiteral(QORV_CMAKE_GENERATOR),
                          QStringLiteral(QORV_CXX_COMPILER));
}

// One finding a line, so that a failure shows them all.
QString Findings(const LayerChecker &checker, const QList<CMakeLinkGraph::Link> &links)
{
    return (checker.upwardIncludes() + checker.upwardLinks(links) + checker.filesOutsideLayers())
        .join(QLatin1Char('\n'));
}

const QStringList TwoLayers = {QStringLiteral("library/low"), QStringLiteral("library/high")};
}

class TestLayering : public QObject
{
    Q_OBJECT

private slots:
    void checkerFindsWhatReachesUp_data()
    {
        QTest::addColumn<Tree>("tree");
        QTest::addColumn<QStringList>("layers");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("upward include") << Tree{{"library/low/a.cpp", "#include \"a.h\"\n  #  include \"b.h\"\n"},
                                                {"library/low/a.h", ""},
                                                {"library/high/b.h", ""}}
                                        << TwoLayers << QStringList{"library/low/a.cpp includes b.h of library/high"};
        QTest::newRow("downward and own includes") << Tree{{"library/high/b.cpp", "#include \"b.h\"\n#include <a.h>\n"},
                                                           {"library/high/b.h", ""},
                                                           {"library/low/a.h", ""}}
                                                   << TwoLayers << QStringList();
        QTest::newRow("headers outside the tree")
            << Tree{{"library/low/a.cpp", "#include <QWidget>\n#include \"builtinkeys.h\"\n#include <vector>\n"}}
            << TwoLayers << QStringList();
        QTest::newRow("include by a path")
            << Tree{{"library/low/a.cpp", "#include \"common/code.h\"\n"}, {"library/high/common/code.h", ""}}
            << TwoLayers << QStringList{"library/low/a.cpp includes common/code.h of library/high"};
        QTest::newRow("include climbing out of the folder")
            << Tree{{"library/gui/window.cpp", "#include \"../../product/client/dialog/passcodedialog.h\"\n"},
                    {"library/gui/log/event.cpp", "#include \"../../../library/gui/window.h\"\n"},
                    {"library/gui/window.h", ""},
                    {"library/core/proxy/opener.cpp", "#include \"../../product/client/dialog/passcodedialog.h\"\n"},
                    {"product/client/dialog/passcodedialog.h", ""},
                    {"product/client/dialog/passcodedialog.cpp", "#include \"../../../library/gui/window.h\"\n"}}
            << QStringList{"library/core/proxy", "library/gui", "library/gui/log", "product/client/dialog"}
            << QStringList{"library/core/proxy/opener.cpp includes ../../product/client/dialog/passcodedialog.h of "
                           "product/client/dialog",
                           "library/gui/window.cpp includes ../../product/client/dialog/passcodedialog.h of "
                           "product/client/dialog"};
        QTest::newRow("generated schema header")
            << Tree{{"library/low/a.cpp", "#include \"record3.pb.h\"\n"}, {"library/high/proto/record3.proto", ""}}
            << TwoLayers << QStringList{"library/low/a.cpp includes record3.pb.h of library/high"};
        QTest::newRow("a subfolder is a layer above its folder")
            << Tree{{"library/gui/window.cpp", "#include \"textdialog.h\"\n"},
                    {"library/gui/window.h", ""},
                    {"library/gui/dialog/textdialog.h", ""},
                    {"library/gui/dialog/logon.cpp", "#include \"window.h\"\n"}}
            << QStringList{"library/gui", "library/gui/dialog"}
            << QStringList{"library/gui/window.cpp includes textdialog.h of library/gui/dialog"};
        QTest::newRow("code beside the layers")
            << Tree{{"library/low/a.h", ""}, {"library/extra/helper.cpp", "#include \"a.h\"\n"}} << TwoLayers
            << QStringList{"library/extra/helper.cpp is in no layer"};

        QTest::newRow("upward link") << Tree{
            {"library/low/CMakeLists.txt",
             "add_library(low STATIC a.cpp)\n"
             "target_link_libraries(low\n    PUBLIC Qt6::Widgets $<LINK_ONLY:high>\n    PRIVATE high)\n"},
            {"library/low/a.cpp", ""},
            {"library/high/CMakeLists.txt", "add_library(high STATIC b.cpp)\ntarget_link_libraries(high PUBLIC low)\n"},
            {"library/high/b.cpp",
             ""}} << TwoLayers << QStringList{"low of library/low links high of library/high"};
        QTest::newRow("links in comments and texts") << Tree{
            {"library/low/CMakeLists.txt", "add_library(low STATIC a.cpp) # target_link_libraries(low PRIVATE high)\n"
                                           "message(\"#\") # target_link_libraries(low high)\n"},
            {"library/low/a.cpp", ""},
            {"library/high/CMakeLists.txt", "add_library(high STATIC b.cpp)\n"},
            {"library/high/b.cpp", ""}} << TwoLayers << QStringList();
        QTest::newRow("a target linked from another folder") << Tree{
            {"library/low/CMakeLists.txt", "add_library(low STATIC a.cpp)\n"},
            {"library/low/a.cpp", ""},
            {"library/high/CMakeLists.txt", "add_library(high STATIC b.cpp)\ntarget_link_libraries(low PUBLIC high)\n"},
            {"library/high/b.cpp", ""}} << TwoLayers << QStringList{"low of library/low links high of library/high"};
        QTest::newRow("link through a generator expression")
            << Tree{{"library/low/CMakeLists.txt",
                     "add_library(low STATIC a.cpp)\ntarget_link_libraries(low PRIVATE $<BUILD_INTERFACE:high>)\n"},
                    {"library/low/a.cpp", ""},
                    {"library/high/CMakeLists.txt", "add_library(high STATIC b.cpp)\n"},
                    {"library/high/b.cpp", ""}}
            << TwoLayers << QStringList{"low of library/low links high of library/high"};
        QTest::newRow("link through a variable")
            << Tree{{"library/low/CMakeLists.txt", "set(QORV_UI_LIBRARIES high)\nadd_library(low STATIC a.cpp)\n"
                                                   "target_link_libraries(low PUBLIC ${QORV_UI_LIBRARIES})\n"},
                    {"library/low/a.cpp", ""},
                    {"library/high/CMakeLists.txt", "add_library(high STATIC b.cpp)\n"},
                    {"library/high/b.cpp", ""}}
            << TwoLayers << QStringList{"low of library/low links high of library/high"};

        const QStringList clientLayers = {"library/core/proxy", "library/gui", "product/client/dialog",
                                          "product/client/view", "product/client/component"};
        QTest::newRow("the key openers on the dialogs and windows")
            << Tree{{"library/core/proxy/keyopenerchecks.cpp",
                     "#include \"keyopenerchecks.h\"\n#include \"linguist.h\"\n#include \"passcodedialog.h\"\n"},
                    {"library/core/proxy/keyopenerchecks.h", ""},
                    {"library/core/proxy/documentkeyopener.cpp", "#include \"abstractviewwindow.h\"\n"},
                    {"library/core/proxy/CMakeLists.txt",
                     "add_library(qorv_keyopener STATIC keyopenerchecks.cpp)\n"
                     "target_link_libraries(qorv_keyopener\n    PUBLIC qorv_gui Qt6::Widgets\n"
                     "    PRIVATE qorv_clientdialog)\n"},
                    {"library/gui/linguist.h", ""},
                    {"library/gui/abstractviewwindow.h", ""},
                    {"library/gui/abstractviewwindow.cpp", ""},
                    {"library/gui/CMakeLists.txt", "add_library(qorv_gui STATIC abstractviewwindow.cpp)\n"},
                    {"product/client/dialog/passcodedialog.h", ""},
                    {"product/client/dialog/passcodedialog.cpp", ""},
                    {"product/client/dialog/CMakeLists.txt",
                     "add_library(qorv_clientdialog STATIC passcodedialog.cpp)\n"}}
            << clientLayers
            << QStringList{"library/core/proxy/documentkeyopener.cpp includes abstractviewwindow.h of library/gui",
                           "library/core/proxy/keyopenerchecks.cpp includes linguist.h of library/gui",
                           "library/core/proxy/keyopenerchecks.cpp includes passcodedialog.h of product/client/dialog",
                           "qorv_keyopener of library/core/proxy links qorv_clientdialog of product/client/dialog",
                           "qorv_keyopener of library/core/proxy links qorv_gui of library/gui"};
        QTest::newRow("the view managers on the component that builds them")
            << Tree{{"product/client/view/consolemanager.cpp", "#include \"applicationcomponent.h\"\n"},
                    {"product/client/component/applicationcomponent.cpp", "#include \"consolemanager.h\"\n"},
                    {"product/client/component/applicationcomponent.h", ""},
                    {"product/client/view/consolemanager.h", ""}}
            << clientLayers
            << QStringList{"product/client/view/consolemanager.cpp includes applicationcomponent.h of "
                           "product/client/component"};
    }

    void checkerFindsWhatReachesUp()
    {
        QFETCH(Tree, tree);
        QFETCH(QStringList, layers);
        QFETCH(QStringList, expected);

        const QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QStringList cmakeFolders = CMakeFolders(tree, layers);
        QVERIFY(Write(dir, cmakeFolders.isEmpty() ? tree : WithProject(tree, cmakeFolders)));
        CMakeLinkGraph graph = LinkGraph();
        if (!cmakeFolders.isEmpty())
            QVERIFY2(graph.read(dir.path(), dir.filePath(QStringLiteral("build"))), qPrintable(graph.error()));
        QCOMPARE(Findings(LayerChecker(dir.path(), layers), graph.links()), expected.join(QLatin1Char('\n')));
    }

    void everyLayerIsAFolderOfTheTree()
    {
        const QStringList layers = TreeLayers();
        QVERIFY(layers.size() > 1);
        for (const QString &layer : layers)
            QVERIFY2(QDir(QStringLiteral(QORV_SOURCE_ROOT)).exists(layer), qPrintable(layer));
    }

    void nothingReachesUp()
    {
        // The project configured afresh, without the tests: the links are
        // those of the sources as they are now, not of the build running this.
        const QTemporaryDir build;
        QVERIFY(build.isValid());
        CMakeLinkGraph graph = LinkGraph();
        QVERIFY2(graph.read(QStringLiteral(QORV_SOURCE_ROOT), build.path(), {QStringLiteral("-DQORV_BUILD_TESTS=OFF")}),
                 qPrintable(graph.error()));
        QVERIFY(!graph.links().isEmpty());
        QCOMPARE(Findings(LayerChecker(QStringLiteral(QORV_SOURCE_ROOT), TreeLayers()), graph.links()), QString());
    }
};

QTEST_MAIN(TestLayering)
#include "tst_layering.moc"
