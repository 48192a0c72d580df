#include "linguist.h"

#include <QDirIterator>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextDocument>
#include <QTextStream>
#include <QTranslator>

namespace
{
QSize PictureSize(const QString &path)
{
    if (path.startsWith(QLatin1String(":icons/256x256/")))
        return QSize(256, 256);
    if (path.startsWith(QLatin1String(":icons/128x128/")))
        return QSize(128, 128);
    if (path == QLatin1String(":images/login.jpg"))
        return QSize(304, 86);
    return QSize(32, 32);
}

// Drawn, not blank: a picture is not of one colour all over and not
// transparent all over.
bool IsDrawn(const QImage &image)
{
    QSet<QRgb> colours;
    bool anyOpaque = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            colours.insert(pixel);
            anyOpaque = anyOpaque || qAlpha(pixel) > 128;
        }
    }
    return anyOpaque && colours.size() > 1;
}

// Every picture file that the program's sources name: a full resource path
// (":icons/256x256/magic_wand_recycle.png") or a bare file name, which the
// windows look up under ":icons/32x32/".
QStringList PicturesTheSourcesName()
{
    static const QRegularExpression Literal(
        QStringLiteral(R"re("(:?icons/\d+x\d+/|:?images/)?([a-z0-9_/]+\.(?:png|jpg))")re"));
    QSet<QString> paths;
    for (const char *folder : {"/product", "/library"}) {
        QDirIterator files(QStringLiteral(QORV_SOURCE_ROOT) + QLatin1String(folder),
                           {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            QRegularExpressionMatchIterator names = Literal.globalMatch(QString::fromUtf8(file.readAll()));
            while (names.hasNext()) {
                const QRegularExpressionMatch name = names.next();
                QString path = name.captured(1).isEmpty() ? QStringLiteral(":icons/32x32/") + name.captured(2)
                                                          : name.captured(1) + name.captured(2);
                if (!path.startsWith(QLatin1Char(':')))
                    path.prepend(QLatin1Char(':'));
                paths.insert(path);
            }
        }
    }
    QStringList sorted(paths.cbegin(), paths.cend());
    sorted.sort();
    return sorted;
}
}

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
        QTest::newRow("menu") << "Linguist"
                              << "File"
                              << "File";
        QTest::newRow("tool bar") << "Linguist"
                                  << "StandardToolbar"
                                  << "Standard";
        QTest::newRow("about") << "Linguist"
                               << "AboutQORV"
                               << "About Quillane...";
        QTest::newRow("ok") << "Linguist"
                            << "Ok"
                            << "OK";
        QTest::newRow("user groups") << "Linguist"
                                     << "UserGroups"
                                     << "My Groups";
        QTest::newRow("save all") << "Linguist"
                                  << "SaveAll"
                                  << "Select All";
        QTest::newRow("save all tip") << "Linguist"
                                      << "SaveAllStatusTip"
                                      << "Save all changes.";
        QTest::newRow("delete, untranslated") << "Linguist"
                                              << "Delete"
                                              << "Delete";
        QTest::newRow("revert, untranslated") << "Linguist"
                                              << "Revert"
                                              << "Revert";
        QTest::newRow("revert tip, untranslated") << "Linguist"
                                                  << "RevertStatusTip"
                                                  << "RevertStatusTip";
        QTest::newRow("month shows its key") << "Linguist"
                                             << "January"
                                             << "January";
        QTest::newRow("not equal") << "Linguist"
                                   << "NotEqual"
                                   << "Not equal";
        QTest::newRow("date time format") << "Linguist"
                                          << "QDateTimeFormat"
                                          << "yyyy-MM-dd HH:mm:ss";
        QTest::newRow("keypad spacing") << "Linguist"
                                        << "P02BL"
                                        << "2  ABC";
        QTest::newRow("keypad zero") << "Linguist"
                                     << "P11BL"
                                     << "0     ";
        QTest::newRow("condition") << "Linguist"
                                   << "ConditionKeyHasExpiredDate"
                                   << "Key has expired.";
        QTest::newRow("tool tip markup") << "Linguist"
                                         << "SaveToolTip"
                                         << "Save Changes<p><small>Save your changes.</small></p>";
        QTest::newRow("permission") << "Linguist"
                                    << "PermissionPrintDocumentContents"
                                    << "Allow the contents of the document to be printed";
        QTest::newRow("revision title") << "DocumentRevisionDialog"
                                        << "WindowTitle"
                                        << "Document '%1' (revision %2)";
        QTest::newRow("audit event") << "DeleteDocumentLogEvent"
                                     << "Name"
                                     << "delete document";
        QTest::newRow("audit event, untranslated") << "PasteDocumentFromClipboardLogEvent"
                                                   << "Name"
                                                   << "Name";
        QTest::newRow("full stop in key") << "QObject"
                                          << "CannotParseReply."
                                          << "Cannot parse reply.";
        QTest::newRow("unknown key") << "Linguist"
                                     << "NoSuchKey"
                                     << "NoSuchKey";
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
            // The resource path, then what the picture is made of.
            const QString path = entry.section(QLatin1Char(' '), 0, 0);
            QTest::newRow(qPrintable(path)) << path;
            ++count;
        }
        QVERIFY(count > 140);
    }

    void pictures()
    {
        QFETCH(QString, path);
        const QImage image(QLatin1Char(':') + path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), PictureSize(QLatin1Char(':') + path));
        QVERIFY2(IsDrawn(image), qPrintable(path));
    }

    // A window that names a picture the client does not carry would show an
    // empty icon and say nothing.
    void everyPictureTheProgramNamesIsBuiltIn_data()
    {
        QTest::addColumn<QString>("path");
        const QStringList paths = PicturesTheSourcesName();
        QVERIFY(paths.size() > 100);
        for (const QString &path : paths)
            QTest::newRow(qPrintable(path)) << path;
    }

    void everyPictureTheProgramNamesIsBuiltIn()
    {
        QFETCH(QString, path);
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), PictureSize(path));
        const QIcon icon(path);
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.pixmap(PictureSize(path)).size(), PictureSize(path));
    }

    // Actions that sit side by side, or that mean different things, must
    // not share a picture.
    void iconsThatMustBeToldApart_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        const QList<QPair<const char *, const char *>> pairs{
            {"font_style_bold", "font_style_italics"},
            {"font_style_bold", "font_style_underline"},
            {"font_style_italics", "font_style_underline"},
            {"stopwatch", "clock"},
            {"hourglass", "clock"},
            {"hourglass", "stopwatch"},
            {"spellcheck", "magnifying_glass"},
            {"find_replace", "magnifying_glass"},
            {"text_align_left", "text_align_right"},
            {"text_align_center", "text_align_justified"},
            {"indent_increase", "indent_decrease"},
            {"undo", "redo"},
            {"list_style_bullets", "dark_grey/list_style_bullets"},
            {"list_style_bullets", "blue_dark_grey/list_style_bullets"},
            {"dark_grey/list_style_bullets", "blue_dark_grey/list_style_bullets"},
            {"list_style_numbered", "green_dark_grey/list_style_numbered"},
            {"list_style_numbered", "orange_dark_grey/list_style_numbered"},
            {"green_dark_grey/list_style_numbered", "green_dark_grey/list_style_roman"},
            {"orange_dark_grey/list_style_numbered", "orange_dark_grey/list_style_roman"},
            {"log_in", "log_out"},
            {"key", "keys"},
            {"trafficlight_green", "trafficlight_yellow"},
            {"trafficlight_yellow", "trafficlight_red"},
        };
        for (const auto &[first, second] : pairs)
            QTest::addRow("%s, %s", first, second) << QString::fromLatin1(first) << QString::fromLatin1(second);
    }

    void iconsThatMustBeToldApart()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        const QImage firstImage(QStringLiteral(":icons/32x32/%1.png").arg(first));
        const QImage secondImage(QStringLiteral(":icons/32x32/%1.png").arg(second));
        QVERIFY(!firstImage.isNull() && !secondImage.isNull());
        QVERIFY(firstImage.convertToFormat(QImage::Format_ARGB32)
                != secondImage.convertToFormat(QImage::Format_ARGB32));
    }

    void picturesTheWindowsUse_data()
    {
        QTest::addColumn<QString>("path");
        for (const char *path :
             {":icons/32x32/shield_key.png", ":icons/32x32/clock_forward.png", ":icons/32x32/log_in.png",
              ":icons/32x32/users_star.png", ":icons/32x32/orange_dark_grey/list_style_roman.png",
              ":icons/32x32/zoom_out.png", ":icons/256x256/magic_wand_recycle.png"})
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
        for (const char *notice :
             {"END-USER LICENCE AGREEMENT", "Qt 6", "ACE", "OpenSSL", "Protocol Buffers", "Hunspell", "SCOWL",
              "Boost Software License", "time-zone table", "Breeze icons", "Material Design icons"})
            QVERIFY2(text.contains(notice), notice);
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
