#include "isvalidport.h"
#include "networksettings.h"
#include "testenvironment.h"

#include <QtTest>

QORV_ISOLATE_TEST_ENVIRONMENT()

class TestNetworkSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Halvemoor"));
        QCoreApplication::setApplicationName(QStringLiteral("QuillaneClient"));
    }

    void init() { QSettings().clear(); }

    void freshStore()
    {
        const NetworkSettings settings;
        QCOMPARE(settings.getServerName(), QString());
        QCOMPARE(settings.getServerPort(), 0u);
        QCOMPARE(settings.getDefaultTimeZone(), QStringLiteral("America/New_York"));
    }

    void valuesPersistUnderTheirKeys()
    {
        {
            NetworkSettings settings;
            settings.setServerName(QStringLiteral("vault.example.org"));
            settings.setServerPort(4433);
            settings.setDefaultTimeZone(QStringLiteral("Europe/Lisbon"));
        }

        const QSettings store;
        QCOMPARE(store.value(QStringLiteral("NetworkSettings/ServerName")).toString(),
                 QStringLiteral("vault.example.org"));
        QCOMPARE(store.value(QStringLiteral("NetworkSettings/ServerPort")).toUInt(), 4433u);
        QCOMPARE(store.value(QStringLiteral("NetworkSettings/DefaultTimeZone")).toString(),
                 QStringLiteral("Europe/Lisbon"));

        const NetworkSettings settings;
        QCOMPARE(settings.getServerName(), QStringLiteral("vault.example.org"));
        QCOMPARE(settings.getServerPort(), 4433u);
        QCOMPARE(settings.getDefaultTimeZone(), QStringLiteral("Europe/Lisbon"));
    }

    void storedEmptyRegionReadsAsDefault()
    {
        NetworkSettings settings;
        settings.setDefaultTimeZone(QString());
        QCOMPARE(settings.getDefaultTimeZone(), QStringLiteral("America/New_York"));
    }

    void storedPortThatIsNoNumberReadsAsZero()
    {
        QSettings().setValue(QStringLiteral("NetworkSettings/ServerPort"), QStringLiteral("eighty"));
        QCOMPARE(NetworkSettings().getServerPort(), 0u);
    }

    void settersDoNotCheck()
    {
        NetworkSettings settings;
        settings.setServerPort(80);
        QCOMPARE(settings.getServerPort(), 80u);
        QVERIFY(!network::IsValidPort(static_cast<int>(settings.getServerPort())));
    }

    void isValidPort_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("valid");
        QTest::newRow("lowest") << 1024 << true;
        QTest::newRow("highest") << 65535 << true;
        QTest::newRow("typical") << 8443 << true;
        QTest::newRow("below") << 1023 << false;
        QTest::newRow("above") << 65536 << false;
        QTest::newRow("zero") << 0 << false;
        QTest::newRow("negative") << -1 << false;
        QTest::newRow("most negative") << std::numeric_limits<int>::min() << false;
    }

    void isValidPort()
    {
        QFETCH(int, port);
        QFETCH(bool, valid);
        QCOMPARE(network::IsValidPort(port), valid);
    }
};

QTEST_GUILESS_MAIN(TestNetworkSettings)
#include "tst_networksettings.moc"
