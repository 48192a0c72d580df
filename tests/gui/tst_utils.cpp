#include "filechooser.h"
#include "testenvironment.h"
#include "utils.h"
#include "waitcursor.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTranslator>

QORV_ISOLATE_TEST_ENVIRONMENT()

class TestUtils : public QObject
{
    Q_OBJECT

private:
    QTranslator m_translator;
    QTemporaryDir m_dir;

    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write(bytes);
        return file.fileName();
    }

    static QByteArray readAll(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_translator.load(QStringLiteral(":build/client_en.qm")));
        QCoreApplication::installTranslator(&m_translator);
    }

    void fullName_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("middle");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("full");
        QTest::addColumn<QString>("alphabetical");
        QTest::newRow("first and last") << "Ann"
                                        << ""
                                        << "Lee"
                                        << "Ann Lee"
                                        << "Lee, Ann";
        QTest::newRow("with middle") << "Ann"
                                     << "Marie"
                                     << "Lee"
                                     << "Ann Marie Lee"
                                     << "Lee, Ann Marie";
        QTest::newRow("no first") << ""
                                  << "Marie"
                                  << "Lee"
                                  << ""
                                  << "";
        QTest::newRow("no last") << "Ann"
                                 << "Marie"
                                 << ""
                                 << ""
                                 << "";
        QTest::newRow("no names") << ""
                                  << ""
                                  << ""
                                  << ""
                                  << "";
        QTest::newRow("UTF-8") << QStringLiteral("Zo\u00eb") << "" << QStringLiteral("M\u00fcller")
                               << QStringLiteral("Zo\u00eb M\u00fcller") << QStringLiteral("M\u00fcller, Zo\u00eb");
    }

    void fullName()
    {
        QFETCH(QString, first);
        QFETCH(QString, middle);
        QFETCH(QString, last);
        QFETCH(QString, full);
        QFETCH(QString, alphabetical);
        const std::string f = first.toStdString(), m = middle.toStdString(), l = last.toStdString();
        QCOMPARE(utils::GetFullName(f, m, l), full);
        QCOMPARE(utils::GetAlphabeticalName(f, m, l), alphabetical);
    }

    void namesStopAtTheFirstNul()
    {
        const std::string last("Lee\0junk", 8);
        QCOMPARE(utils::GetAlphabeticalName("Ann", "", last), QStringLiteral("Lee, Ann"));
    }

    void dateTimeFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("expected");
        const QDateTime instant(QDate(2026, 3, 1), QTime(14, 5, 9), Qt::UTC);
        QTest::newRow("empty") << "" << QDateTime();
        QTest::newRow("seconds") << "2026-03-01 14:05:09" << instant;
        QTest::newRow("microseconds") << "2026-03-01 14:05:09.123456" << instant;
        QTest::newRow("date only") << "2026-03-01" << QDateTime();
        QTest::newRow("garbage") << "not a time at all!!" << QDateTime();
    }

    void dateTimeFromText()
    {
        QFETCH(QString, text);
        QFETCH(QDateTime, expected);
        const QDateTime parsed = utils::GetDateTimeFromStringDateTime(text.toStdString(), Qt::UTC);
        QCOMPARE(parsed.isValid(), expected.isValid());
        if (expected.isValid()) {
            QCOMPARE(parsed, expected);
            QCOMPARE(parsed.timeSpec(), Qt::UTC);
        }
    }

    void dateTimeFromTextIsWallTimeOfTheGivenZone()
    {
        testsupport::SetTimeZone("Europe/Berlin");
        // 02:30 does not exist in Berlin on that night, but it does in UTC.
        const QDateTime parsed = utils::GetDateTimeFromStringDateTime("2026-03-29 02:30:00", Qt::UTC);
        QCOMPARE(parsed, QDateTime(QDate(2026, 3, 29), QTime(2, 30), Qt::UTC));
        const QDateTime local = utils::GetDateTimeFromStringDateTime("2026-01-10 08:00:00", Qt::LocalTime);
        QCOMPARE(local.toUTC(), QDateTime(QDate(2026, 1, 10), QTime(7, 0), Qt::UTC));
        testsupport::SetTimeZone("UTC");
    }

    void dayDuration_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QDateTime>("first");
        QTest::newRow("UTC") << QByteArray("UTC") << QDate(2026, 6, 1)
                             << QDateTime(QDate(2026, 6, 1), QTime(0, 0), Qt::UTC);
        QTest::newRow("east") << QByteArray("Europe/Berlin") << QDate(2026, 6, 1)
                              << QDateTime(QDate(2026, 5, 31), QTime(22, 0), Qt::UTC);
        QTest::newRow("clock change") << QByteArray("Europe/Berlin") << QDate(2026, 3, 29)
                                      << QDateTime(QDate(2026, 3, 28), QTime(23, 0), Qt::UTC);
        QTest::newRow("west") << QByteArray("America/New_York") << QDate(2026, 11, 1)
                              << QDateTime(QDate(2026, 11, 1), QTime(4, 0), Qt::UTC);
    }

    void dayDuration()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QDate, date);
        QFETCH(QDateTime, first);
        testsupport::SetTimeZone(zone);
        const auto [start, last] = utils::DateToDurationUTC(date);
        testsupport::SetTimeZone("UTC");
        QCOMPARE(start, first);
        QCOMPARE(start.timeSpec(), Qt::UTC);
        QCOMPARE(last.timeSpec(), Qt::UTC);
        QCOMPARE(start.msecsTo(last), 24 * 3600 * 1000 - 1);
    }

    void stringFromVariant()
    {
        QCOMPARE(utils::GetStringFromVariant(QVariant(42)), QStringLiteral("42"));
        QCOMPARE(utils::GetStringFromVariant(QVariant(QStringLiteral("text"))), QStringLiteral("text"));
        QCOMPARE(utils::GetStringFromVariant(QVariant()), QString());
        QCOMPARE(utils::GetStringFromVariant(QVariant(QSize(1, 2))), QString());
    }

    void waitCursorNestsAndRestoresOnce()
    {
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        {
            utils::WaitCursor outer(true);
            QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
            {
                utils::WaitCursor inner(true);
                inner.restore();
                inner.restore(); // pops once only
                QVERIFY(QGuiApplication::overrideCursor());
            }
            QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
            outer.restore();
            QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        } // restored already: the destructor pops nothing more
        QGuiApplication::setOverrideCursor(QCursor(Qt::IBeamCursor));
        {
            utils::WaitCursor pushed(true);
        }
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::IBeamCursor);
        {
            utils::WaitCursor popper(false); // pops at once, counts as restored
            QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        }
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void copyResource_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("copy");
        QTest::newRow("LF") << QByteArray("one\ntwo\n") << QByteArray("one\ntwo\n");
        QTest::newRow("CRLF") << QByteArray("one\r\ntwo\r\n") << QByteArray("one\ntwo\n");
        QTest::newRow("no final line end") << QByteArray("one\ntwo") << QByteArray("one\ntwo\n");
        QTest::newRow("UTF-8") << QByteArray("Zo\xc3\xab\n") << QByteArray("Zo\xc3\xab\n");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("empty lines") << QByteArray("\n\none\n\n") << QByteArray("\n\none\n\n");
        QTest::newRow("lone CR") << QByteArray("one\rtwo\r") << QByteArray("onetwo\n");
        QTest::newRow("CR CR LF") << QByteArray("one\r\r\ntwo") << QByteArray("one\ntwo\n");
        QTest::newRow("NUL") << QByteArray("a\0b\n", 4) << QByteArray("a\0b\n", 4);
        QTest::newRow("byte-order mark") << QByteArray("\xef\xbb\xbfone\ntwo") << QByteArray("one\ntwo\n");
        QTest::newRow("not UTF-8") << QByteArray("a\xff\xfe"
                                                 "b\n")
                                   << QByteArray("a\xef\xbf\xbd\xef\xbf\xbd"
                                                 "b\n");
        QTest::newRow("cut UTF-8") << QByteArray("\xc3") << QByteArray("\n");
    }

    void copyResource()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, copy);
        const QString source = writeFile(QStringLiteral("source.txt"), content);
        QTemporaryFile file;
        const QString path = utils::CopyResourceToTempororyFile(source, file);
        QVERIFY(!path.isEmpty());
        QCOMPARE(path, QDir::toNativeSeparators(file.fileName()));
        QVERIFY(file.isOpen());
        QCOMPARE(readAll(path), copy);
    }

    void copyBuiltInResource()
    {
        QTemporaryFile file;
        const QString path = utils::CopyResourceToTempororyFile(QStringLiteral(":resources/license.txt"), file);
        QVERIFY(!path.isEmpty());
        QFile original(QStringLiteral(":resources/license.txt"));
        QVERIFY(original.open(QIODevice::ReadOnly));
        QCOMPARE(readAll(path), original.readAll());
    }

    void copyResourceFailures()
    {
        QTemporaryFile first;
        QCOMPARE(utils::CopyResourceToTempororyFile(QString(), first), QString());
        QVERIFY(!first.isOpen());
        QTemporaryFile second;
        QCOMPARE(utils::CopyResourceToTempororyFile(QStringLiteral(":resources/missing.txt"), second), QString());
        QTemporaryFile third(QStringLiteral("/nonexistent-folder/XXXXXX"));
        QCOMPARE(utils::CopyResourceToTempororyFile(QStringLiteral(":resources/license.txt"), third), QString());
    }

    // What the directory dialog reported, and the one directory the user
    // chose: the dialog may report the folder it shows, or a row still
    // selected, beside the path that was typed.
    void chosenDirectory_data()
    {
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen");
        const QString shown = QStringLiteral("/srv/start");
        const QString home = QDir::homePath();

        QTest::newRow("one selected") << QStringList{"/srv/start/a"} << QString() << "/srv/start/a";
        QTest::newRow("the shown folder itself") << QStringList{shown} << QString() << shown;
        QTest::newRow("typed beside the shown folder") << QStringList{shown, "/srv/pictures"} << "/srv/pictures"
                                                       << "/srv/pictures";
        QTest::newRow("typed after the shown folder, nothing typed left")
            << QStringList{shown, "/srv/pictures"} << QString() << "/srv/pictures";
        QTest::newRow("typed beside a selected row") << QStringList{"/srv/start/a", "/srv/pictures"} << "/srv/pictures"
                                                     << "/srv/pictures";
        QTest::newRow("typed relative to the shown folder") << QStringList{"/srv/start/a", "/srv/start/b"} << "b"
                                                            << "/srv/start/b";
        QTest::newRow("typed from home") << QStringList{shown, home + "/pictures"} << "~/pictures"
                                         << home + "/pictures";
        QTest::newRow("typed with a trailing slash") << QStringList{shown, "/srv/pictures"} << "/srv/pictures/"
                                                     << "/srv/pictures";
        QTest::newRow("two rows, nothing typed")
            << QStringList{"/srv/start/a", "/srv/start/b"} << QString() << QString();
        QTest::newRow("nothing reported") << QStringList{} << "/srv/pictures" << QString();
    }

    void chosenDirectory()
    {
        QFETCH(QStringList, selected);
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        QCOMPARE(utils::ChosenDirectory({selected, QStringLiteral("/srv/start"), typed}), chosen);
    }
};

QTEST_MAIN(TestUtils)
#include "tst_utils.moc"
