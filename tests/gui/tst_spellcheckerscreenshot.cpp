#include "builtindictionary.h"
#include "spellchecker.h"
#include "spellcheckerdialog.h"
#include "testenvironment.h"

#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTextEdit>
#include <QTranslator>

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

QImage Picture(QWidget *window)
{
    const bool onScreen = QGuiApplication::platformName() == QLatin1String("xcb");
    return onScreen ? window->screen()->grabWindow(window->winId()).toImage() : window->grab().toImage();
}
}

// The spell-check dialog as a user sees it, stopped at a misspelt word over
// its editor, kept as pictures in the build tree. Under a real X server (Xvfb)
// the pictures are taken from the screen; on the offscreen platform the
// windows render themselves.
class TestSpellCheckerScreenshot : public QObject
{
    Q_OBJECT

private:
    QTranslator m_translator;
    testsupport::BuiltInDictionary m_dictionary;

private slots:
    void initTestCase()
    {
        QVERIFY(m_translator.load(QStringLiteral(":build/client_en.qm")));
        QCoreApplication::installTranslator(&m_translator);
        QVERIFY(m_dictionary.setUp(*SpellChecker::instance()));
    }

    void dialogStoppedAtAMisspeltWord()
    {
        QTextEdit editor;
        editor.setGeometry(40, 40, 640, 300);
        editor.setHtml(QStringLiteral("<p>Dear committee,</p><p>the <b>quarterly</b> report is attached. "
                                      "Please check the recieved figures before Friday.</p>"));
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));

        SpellCheckerDialog dialog(editor, &editor);
        QCOMPARE(dialog.findChild<QLabel *>()->text(), QStringLiteral("recieved"));
        QVERIFY(dialog.findChild<QListWidget *>()->count() > 0);
        // Beside the editor, not over it: without a window manager nothing
        // would move it off the selected word.
        dialog.move(editor.frameGeometry().right() + 20, 40);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.raise();
        dialog.activateWindow();
        QTest::qWait(300);

        const QString platform = QGuiApplication::platformName();
        const QImage dialogImage = Picture(&dialog);
        const QImage editorImage = Picture(&editor);
        const QString dialogPath =
            QStringLiteral(QORV_SCREENSHOT_DIR "/spellchecker-dialog-%1.png").arg(platform);
        const QString editorPath =
            QStringLiteral(QORV_SCREENSHOT_DIR "/spellchecker-editor-%1.png").arg(platform);
        QVERIFY2(dialogImage.save(dialogPath), qPrintable(dialogPath));
        QVERIFY2(editorImage.save(editorPath), qPrintable(editorPath));
        qInfo("screenshot: %s", qPrintable(dialogPath));
        qInfo("screenshot: %s", qPrintable(editorPath));

        // Whole windows with text, buttons and the word's selection drawn.
        QVERIFY(dialogImage.width() >= 200 && dialogImage.height() >= 150);
        QVERIFY(DistinctColours(dialogImage) >= 16);
        QVERIFY(DistinctColours(editorImage) >= 16);
    }
};

QTEST_MAIN(TestSpellCheckerScreenshot)
#include "tst_spellcheckerscreenshot.moc"
