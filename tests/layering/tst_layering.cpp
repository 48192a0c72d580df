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

// One finding a line, so that a failure shows them all.
QString Findings(const LayerChecker &checker)
{
    return (checker.upwardIncludes() + checker.upwardLinks() + checker.filesOutsideLayers()).join(QLatin1Char('\n'));
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

        QTest::newRow("upward include")
            << Tree{{"library/low/a.cpp", "#include \"a.h\"\n  #  include \"b.h\"\n"},
                    {"library/low/a.h", ""},
                    {"library/high/b.h", ""}}
            << TwoLayers << QStringList{"library/low/a.cpp includes b.h of library/high"};
        QTest::newRow("downward and own includes")
            << Tree{{"library/high/b.cpp", "#include \"b.h\"\n#include <a.h>\n"},
                    {"library/high/b.h", ""},
                    {"library/low/a.h", ""}}
            << TwoLayers << QStringList();
        QTest::newRow("headers outside the tree")
            << Tree{{"library/low/a.cpp", "#include <QWidget>\n#include \"builtinkeys.h\"\n#include <vector>\n"}}
            << TwoLayers << QStringList();
        QTest::newRow("include by a path")
            << Tree{{"library/low/a.cpp", "#include \"common/code.h\"\n"}, {"library/high/common/code.h", ""}}
            << TwoLayers << QStringList{"library/low/a.cpp includes common/code.h of library/high"};
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

        QTest::newRow("upward link")
            << Tree{{"library/low/CMakeLists.txt",
                     "add_library(low STATIC a.cpp)\n"
                     "target_link_libraries(low\n    PUBLIC Qt6::Widgets $<LINK_ONLY:high>\n    PRIVATE high)\n"},
                    {"library/high/CMakeLists.txt", "add_library(high STATIC b.cpp)\ntarget_link_libraries(high PUBLIC low)\n"}}
            << TwoLayers << QStringList{"low of library/low links high of library/high"};
        QTest::newRow("links in comments and texts")
            << Tree{{"library/low/CMakeLists.txt",
                     "add_library(low STATIC a.cpp) # target_link_libraries(low PRIVATE high)\n"
                     "message(\"#\") # target_link_libraries(low high)\n"},
                    {"library/high/CMakeLists.txt", "add_library(high STATIC b.cpp)\n"}}
            << TwoLayers << QStringList();
        QTest::newRow("a target linked from another folder")
            << Tree{{"library/low/CMakeLists.txt", "add_library(low STATIC a.cpp)\n"},
                    {"library/high/CMakeLists.txt", "add_library(high STATIC b.cpp)\ntarget_link_libraries(low PUBLIC high)\n"}}
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
                    {"library/gui/CMakeLists.txt", "add_library(qorv_gui STATIC abstractviewwindow.cpp)\n"},
                    {"product/client/dialog/passcodedialog.h", ""},
                    {"product/client/dialog/CMakeLists.txt", "add_library(qorv_clientdialog STATIC passcodedialog.cpp)\n"}}
            << clientLayers
            << QStringList{"library/core/proxy/documentkeyopener.cpp includes abstractviewwindow.h of library/gui",
                           "library/core/proxy/keyopenerchecks.cpp includes linguist.h of library/gui",
                           "library/core/proxy/keyopenerchecks.cpp includes passcodedialog.h of product/client/dialog",
                           "qorv_keyopener of library/core/proxy links qorv_gui of library/gui",
                           "qorv_keyopener of library/core/proxy links qorv_clientdialog of product/client/dialog"};
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
        QVERIFY(Write(dir, tree));
        QCOMPARE(Findings(LayerChecker(dir.path(), layers)), expected.join(QLatin1Char('\n')));
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
        QCOMPARE(Findings(LayerChecker(QStringLiteral(QORV_SOURCE_ROOT), TreeLayers())), QString());
    }
};

QTEST_MAIN(TestLayering)
#include "tst_layering.moc"
