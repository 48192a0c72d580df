#include "linguist.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QTextDocument>
#include <QTextStream>
#include <QTranslator>

// What the client carries built in: the English translation, the pictures and
// the licence text.
class TestResources : public QObject
{
    Q_OBJECT

private:
    QTranslator m_translator;

private slots:
    void initTestCase()
    {
        // Without the translator every text shows its key.
        QCOMPARE(Linguist::tr("AboutQORV"), QStringLiteral("AboutQORV"));
        QVERIFY(m_translator.load(QStringLiteral(":build/client_en.qm")));
        QCoreApplication::installTranslator(&m_translator);
    }

    void translations_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("menu") << "Linguist" << "File" << "File";
        QTest::newRow("tool bar") << "Linguist" << "StandardToolbar" << "Standard";
        QTest::newRow("about") << "Linguist" << "AboutQORV" << "About Quillane...";
        QTest::newRow("ok") << "Linguist" << "Ok" << "OK";
        QTest::newRow("user groups") << "Linguist" << "UserGroups" << "My Groups";
        QTest::newRow("save all") << "Linguist" << "SaveAll" << "Select All";
        QTest::newRow("save all tip") << "Linguist" << "SaveAllStatusTip" << "Save all changes.";
        QTest::newRow("delete, untranslated") << "Linguist" << "Delete" << "Delete";
        QTest::newRow("revert, untranslated") << "Linguist" << "Revert" << "Revert";
        QTest::newRow("revert tip, untranslated") << "Linguist" << "RevertStatusTip" << "RevertStatusTip";
        QTest::newRow("month shows its key") << "Linguist" << "January" << "January";
        QTest::newRow("not equal") << "Linguist" << "NotEqual" << "Not equal";
        QTest::newRow("date time format") << "Linguist" << "QDateTimeFormat" << "yyyy-MM-dd HH:mm:ss";
        QTest::newRow("keypad spacing") << "Linguist" << "P02BL" << "2  ABC";
        QTest::newRow("keypad zero") << "Linguist" << "P11BL" << "0     ";
        QTest::newRow("condition") << "Linguist" << "ConditionKeyHasExpiredDate" << "Key has expired.";
        QTest::newRow("tool tip markup") << "Linguist" << "SaveToolTip"
                                         << "Save Changes<p><small>Save your changes.</small></p>";
        QTest::newRow("permission") << "Linguist" << "PermissionPrintDocumentContents"
                                    << "Allow the contents of the document to be printed";
        QTest::newRow("revision title") << "DocumentRevisionDialog" << "WindowTitle" << "Document '%1' (revision %2)";
        QTest::newRow("audit event") << "DeleteDocumentLogEvent" << "Name" << "delete document";
        QTest::newRow("audit event, untranslated") << "PasteDocumentFromClipboardLogEvent" << "Name" << "Name";
        QTest::newRow("full stop in key") << "QObject" << "CannotParseReply." << "Cannot parse reply.";
        QTest::newRow("unknown key") << "Linguist" << "NoSuchKey" << "NoSuchKey";
    }

    void translations()
    {
        QFETCH(QString, context);
        QFETCH(QString, key);
        QFETCH(QString, text);
        QCOMPARE(QCoreApplication::translate(context.toLatin1().constData(), key.toUtf8().constData()), text);
    }

    void copyrightNoticeIsRichText()
    {
        const QString notice = Linguist::tr("QorvCopyrightNotice");
        QVERIFY(Qt::mightBeRichText(notice));
        QVERIFY(notice.contains(QStringLiteral("Quillane")));
        QVERIFY(notice.contains(QStringLiteral("1.0.0")));
        QVERIFY(notice.contains(QStringLiteral("Halvemoor")));
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("path");
        QFile list(QStringLiteral(QORV_PICTURE_LIST));
        QVERIFY(list.open(QIODevice::ReadOnly | QIODevice::Text));
        QTextStream lines(&list);
        int count = 0;
        while (!lines.atEnd()) {
            const QString entry = lines.readLine().trimmed();
            if (entry.isEmpty() || entry.startsWith(QLatin1Char('#')))
                continue;
            QTest::newRow(qPrintable(entry)) << entry;
            ++count;
        }
        QVERIFY(count > 140);
    }

    void pictures()
    {
        QFETCH(QString, path);
        const QImage image(QLatin1Char(':') + path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QSize size(32, 32);
        if (path.startsWith(QLatin1String("icons/256x256/")))
            size = QSize(256, 256);
        else if (path.startsWith(QLatin1String("icons/128x128/")))
            size = QSize(128, 128);
        else if (path == QLatin1String("images/login.jpg"))
            size = QSize(304, 86);
        QCOMPARE(image.size(), size);
    }

    void picturesTheWindowsUse_data()
    {
        QTest::addColumn<QString>("path");
        for (const char *path : {":icons/32x32/shield_key.png", ":icons/32x32/clock_forward.png",
                                 ":icons/32x32/log_in.png", ":icons/32x32/users_star.png",
                                 ":icons/32x32/orange_dark_grey/list_style_roman.png", ":icons/32x32/zoom_out.png",
                                 ":icons/256x256/magic_wand_recycle.png"})
            QTest::newRow(path) << QString::fromLatin1(path);
    }

    void picturesTheWindowsUse()
    {
        QFETCH(QString, path);
        QVERIFY(!QIcon(path).pixmap(32, 32).isNull());
    }

    void logonPictureIsAJpeg()
    {
        QFile file(QStringLiteral(":images/login.jpg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(3) == QByteArray("\xff\xd8\xff"));
        QCOMPARE(QPixmap(QStringLiteral(":images/login.jpg")).size(), QSize(304, 86));
    }

    void missingIconIsEmpty()
    {
        QVERIFY(QIcon(QStringLiteral(":icons/32x32/no_such_icon.png")).pixmap(32, 32).isNull());
    }

    void licenceText()
    {
        QFile file(QStringLiteral(":resources/license.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QByteArray text = file.readAll();
        for (const char c : text)
            QVERIFY2(static_cast<unsigned char>(c) < 0x80, "the licence is plain ASCII");
        for (const char *notice : {"END-USER LICENCE AGREEMENT", "Qt 6", "ACE", "OpenSSL", "Protocol Buffers",
                                   "Hunspell", "SCOWL", "Boost Software License", "time-zone table"})
            QVERIFY2(text.contains(notice), notice);
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
