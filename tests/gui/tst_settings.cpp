#include "programsetup.h"
#include "settings.h"
#include "settingssingleton.h"
#include "testenvironment.h"

#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

QORV_ISOLATE_TEST_ENVIRONMENT()

class GeometryWidget : public QWidget
{
    Q_OBJECT
};

class TestSettings : public QObject
{
    Q_OBJECT

private:
    static QString screenGroup(const QString &group, const QWidget &widget)
    {
        const QRect available = widget.screen()->availableGeometry();
        return QStringLiteral("%1/geometry/%2x%3").arg(group).arg(available.width()).arg(available.height());
    }

private slots:
    void initTestCase() { QVERIFY(testsupport::SetUpLikeTheProgram()); }

    void init() { Settings().clear(); }

    void firstOpeningUsesTheDefaults()
    {
        GeometryWidget widget;
        widget.resize(10, 10);
        // Stored for another screen size only: does not count.
        Settings().setValue(QStringLiteral("GeometryWidget/geometry/1x1/size"), QSize(300, 300));
        Settings().restoreWidgetGeometrySettings(&widget, Settings::ClassName);
        QCOMPARE(widget.size(), QSize(640, 480));
        QCOMPARE(widget.pos(), QPoint(64, 48));
        Settings().restoreWidgetGeometrySettings(&widget, Settings::ClassName, QSize(200, 100), QPoint(5, 6));
        QCOMPARE(widget.size(), QSize(200, 100));
        QCOMPARE(widget.pos(), QPoint(5, 6));
    }

    void saveAndRestoreByClassName()
    {
        GeometryWidget first;
        first.resize(321, 234);
        first.move(11, 22);
        Settings().saveWidgetGeometrySettings(&first, Settings::ClassName);
        Settings settings;
        const QString group = screenGroup(QStringLiteral("GeometryWidget"), first);
        QCOMPARE(settings.value(group + QStringLiteral("/size")).toSize(), QSize(321, 234));
        QCOMPARE(settings.value(group + QStringLiteral("/pos")).toPoint(), QPoint(11, 22));

        GeometryWidget second;
        Settings().restoreWidgetGeometrySettings(&second, Settings::ClassName);
        QCOMPARE(second.size(), QSize(321, 234));
        QCOMPARE(second.pos(), QPoint(11, 22));
    }

    void lastWindowDestroyedWins()
    {
        GeometryWidget first;
        GeometryWidget second;
        first.resize(300, 200);
        second.resize(500, 400);
        Settings().saveWidgetGeometrySettings(&second, Settings::ClassName);
        Settings().saveWidgetGeometrySettings(&first, Settings::ClassName);
        GeometryWidget third;
        Settings().restoreWidgetGeometrySettings(&third, Settings::ClassName);
        QCOMPARE(third.size(), QSize(300, 200));
    }

    void objectName()
    {
        QWidget named;
        named.setObjectName(QStringLiteral("Named"));
        named.resize(345, 123);
        Settings().saveWidgetGeometrySettings(&named, Settings::ObjectName);
        QVERIFY(Settings().contains(screenGroup(QStringLiteral("Named"), named) + QStringLiteral("/size")));

        QWidget unnamed;
        unnamed.resize(111, 99);
        unnamed.move(7, 8);
        Settings().saveWidgetGeometrySettings(&unnamed, Settings::ObjectName);
        Settings().restoreWidgetGeometrySettings(&unnamed, Settings::ObjectName);
        QCOMPARE(unnamed.size(), QSize(111, 99));
        QCOMPARE(unnamed.pos(), QPoint(7, 8));
        QCOMPARE(Settings().childGroups(), QStringList({"Named"}));
    }

    void unknownGroupNameDoesNothing()
    {
        GeometryWidget widget;
        widget.resize(123, 45);
        Settings().saveWidgetGeometrySettings(&widget, static_cast<Settings::GroupName>(7));
        Settings().restoreWidgetGeometrySettings(&widget, static_cast<Settings::GroupName>(7));
        QCOMPARE(widget.size(), QSize(123, 45));
        QVERIFY(Settings().allKeys().isEmpty());
    }

    void pictureDirectories()
    {
        Settings settings;
        QVERIFY(settings.getPictureDirectories().isEmpty());
        settings.setPictureDirectories({"/a", "/b", "/c"});
        settings.setPictureDirectories({"/x", ""});
        QCOMPARE(Settings().getPictureDirectories(), QStringList({"/x", ""}));
        QCOMPARE(Settings().value(QStringLiteral("MachineSettings/PictureDirectories/size")).toInt(), 2);
        QCOMPARE(Settings().value(QStringLiteral("MachineSettings/PictureDirectories/1/PictureDirectory")).toString(),
                 QStringLiteral("/x"));
        settings.setPictureDirectories({});
        QCOMPARE(Settings().value(QStringLiteral("MachineSettings/PictureDirectories/size")).toInt(), 0);
        QVERIFY(settings.getPictureDirectories().isEmpty());
    }

    void addPictureDirectory()
    {
        Settings settings;
        settings.addPictureDirectory(QStringLiteral("/home/ann/Photos"));
        settings.addPictureDirectory(QStringLiteral("/home/ann/Photos"));
        settings.addPictureDirectory(QStringLiteral("/home/ann/photos"));
        settings.addPictureDirectory(QStringLiteral("/home/ann/Photos/"));
        QCOMPARE(settings.getPictureDirectories(),
                 QStringList({"/home/ann/Photos", "/home/ann/photos", "/home/ann/Photos/"}));
    }

    void singletonSharesTheStore()
    {
        SettingsSingleton::instance()->setPictureDirectories({"/shared"});
        QCOMPARE(Settings().getPictureDirectories(), QStringList({"/shared"}));
        Settings().setValue(QStringLiteral("MessageBrowser/Options/ActivationMode"), 1);
        QCOMPARE(SettingsSingleton::instance()->value(QStringLiteral("MessageBrowser/Options/ActivationMode")).toInt(),
                 1);
    }

    void homePictureDirectory()
    {
        QTemporaryDir home;
        const QByteArray previous = qgetenv("HOME");
        qputenv("HOME", home.path().toLocal8Bit());
        Settings settings;
        settings.setPictureDirectories({"/stored"});
        QCOMPARE(settings.getHomePictureDirectory(), QString());
        QCOMPARE(settings.getPictureSearchPaths(), QStringList({"/stored"}));

        const QString pictures = QDir::homePath() + QStringLiteral("/Pictures");
        QVERIFY(QDir().mkpath(pictures));
        QCOMPARE(settings.getHomePictureDirectory(), pictures);
        settings.addPictureDirectory(pictures);
        QCOMPARE(settings.getPictureSearchPaths(), QStringList({pictures, "/stored", pictures}));
        qputenv("HOME", previous);
    }

    void homePageUrl_data()
    {
        QTest::addColumn<QVariant>("index");
        QTest::addColumn<QString>("custom");
        QTest::addColumn<QString>("choice");
        QTest::newRow("nothing stored") << QVariant() << ""
                                        << "HomePageChoice1Url";
        QTest::newRow("custom") << QVariant(0) << "https://intranet.example/"
                                << "";
        QTest::newRow("empty custom") << QVariant(0) << ""
                                      << "HomePageChoice1Url";
        QTest::newRow("one") << QVariant(1) << "https://intranet.example/"
                             << "HomePageChoice1Url";
        QTest::newRow("two") << QVariant(2) << ""
                             << "HomePageChoice2Url";
        QTest::newRow("five") << QVariant(5) << ""
                              << "HomePageChoice5Url";
        QTest::newRow("six") << QVariant(6) << ""
                             << "HomePageChoice1Url";
    }

    void homePageUrl()
    {
        QFETCH(QVariant, index);
        QFETCH(QString, custom);
        QFETCH(QString, choice);
        Settings settings;
        if (index.isValid())
            settings.setValue(QStringLiteral("WebBrowser/Options/HomePageUrlIndex"), index);
        settings.setValue(QStringLiteral("WebBrowser/Options/HomePageCustomUrl"), custom);
        const QString expected = choice.isEmpty() ? custom : QCoreApplication::translate("Linguist", choice.toUtf8());
        QVERIFY(expected.startsWith(QStringLiteral("https://")));
        QCOMPARE(settings.getHomePageUrl(), expected);
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
