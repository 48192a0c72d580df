#include "editortestsupport.h"
#include "picturedirectoriesdialog.h"
#include "screenshot.h"
#include "testenvironment.h"
#include "textdocument.h"
#include "textreader.h"

#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
int PixelsOf(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    }
    return count;
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
        const testsupport::Screenshot shot(&dialog, QStringLiteral("picture-directories"));
        QVERIFY2(shot.isSaved(), qPrintable(shot.path()));
        QVERIFY(shot.image().width() >= 400);
        QVERIFY(shot.colours() >= 16);
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
            "<tr><td width=\"100\"><b>Item</b></td><td width=\"150\"><b>Count</b></td><td "
            "width=\"200\"><b>Remark</b></td></tr>"
            "<tr><td>Paper</td><td>120</td><td>ordered again</td></tr>"
            "<tr><td>Ink</td><td>14</td><td>enough for the month</td></tr></table>"
            "<p>Chart: <img src=\"pictures:chart.png\" width=\"48\" height=\"32\"></p>"));
        reader.resize(560, 360);
        reader.show();
        const testsupport::Screenshot shot(&reader, QStringLiteral("text-reader"));
        QVERIFY2(shot.isSaved(), qPrintable(shot.path()));
        QVERIFY(shot.colours() >= 16);
        // The picture was found through the search path and drawn whole.
        QVERIFY(PixelsOf(shot.image(), qRgb(200, 30, 30)) >= 40 * 28);
        QDir::setSearchPaths(QStringLiteral("pictures"), {});
    }
};

QTEST_MAIN(TestEditorScreenshot)
#include "tst_editorscreenshot.moc"
