#include "editortestsupport.h"
#include "picturedirectoriesdialog.h"
#include "testenvironment.h"
#include "textdocument.h"
#include "textreader.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QListWidget>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
int DistinctColours(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    }
    return colours.size();
}

int PixelsOf(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    }
    return count;
}

// Under a real X server (Xvfb) the picture is taken from the screen; on the
// offscreen platform the widget renders itself.
QImage Picture(QWidget *widget, const QString &name)
{
    widget->raise();
    widget->activateWindow();
    QTest::qWait(300);
    const bool onScreen = QGuiApplication::platformName() == QLatin1String("xcb");
    const QImage image = (onScreen ? widget->screen()->grabWindow(widget->winId()) : widget->grab())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    const QString path =
        QStringLiteral(QORV_SCREENSHOT_DIR "/%1-%2.png").arg(name, QGuiApplication::platformName());
    if (!image.save(path))
        return QImage();
    qInfo("screenshot: %s", qPrintable(path));
    return image;
}
}

// The picture-directories dialog and a reader showing a table and a picture,
// as the user sees them, kept as pictures in the build tree.
class TestEditorScreenshot : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(editortest::InstallTranslation());
    }

    void pictureDirectoriesDialog()
    {
        PictureDirectoriesDialog dialog;
        QListWidget *list = dialog.getDirectoryListWidget();
        (new QListWidgetItem(QStringLiteral("/home/ann/Pictures"), list))->setFlags(Qt::NoItemFlags);
        new QListWidgetItem(QStringLiteral("/srv/shared/pictures"), list);
        new QListWidgetItem(QStringLiteral("/home/ann/Documents/scans"), list);
        list->item(1)->setSelected(true);
        dialog.resize(520, 260);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QImage image = Picture(&dialog, QStringLiteral("picture-directories"));
        QVERIFY(!image.isNull());
        QVERIFY(image.width() >= 400);
        QVERIFY(DistinctColours(image) >= 16);
    }

    void readerWithTableAndPicture()
    {
        QImage picture(48, 32, QImage::Format_RGB32);
        picture.fill(QColor(200, 30, 30));
        QVERIFY(picture.save(m_dir.filePath(QStringLiteral("chart.png"))));
        QDir::setSearchPaths(QStringLiteral("pictures"), {m_dir.path()});

        TextReader reader;
        reader.setDocument(new TextDocument(&reader));
        reader.setReadOnly(true);
        reader.setHtml(QStringLiteral(
            "<h2>Quarterly stock</h2>"
            "<p>Counted on the first day; <b>late entries</b> in <span style=\"color:#8b0000;\">dark red</span>.</p>"
            "<table border=\"1\" cellpadding=\"2\" cellspacing=\"1\">"
            "<tr><td width=\"100\"><b>Item</b></td><td width=\"150\"><b>Count</b></td><td width=\"200\"><b>Remark</b></td></tr>"
            "<tr><td>Paper</td><td>120</td><td>ordered again</td></tr>"
            "<tr><td>Ink</td><td>14</td><td>enough for the month</td></tr></table>"
            "<p>Chart: <img src=\"pictures:chart.png\" width=\"48\" height=\"32\"></p>"));
        reader.resize(560, 360);
        reader.show();
        QVERIFY(QTest::qWaitForWindowExposed(&reader));
        const QImage image = Picture(&reader, QStringLiteral("text-reader"));
        QVERIFY(!image.isNull());
        QVERIFY(DistinctColours(image) >= 16);
        // The picture was found through the search path and drawn whole.
        QVERIFY(PixelsOf(image, qRgb(200, 30, 30)) >= 40 * 28);
        QDir::setSearchPaths(QStringLiteral("pictures"), {});
    }
};

QTEST_MAIN(TestEditorScreenshot)
#include "tst_editorscreenshot.moc"
