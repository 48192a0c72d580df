#include "builtindictionary.h"
#include "clienttranslation.h"
#include "screenshot.h"
#include "spellchecker.h"
#include "spellcheckerdialog.h"
#include "testenvironment.h"

#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTextEdit>

QORV_ISOLATE_TEST_ENVIRONMENT()

// The spell-check dialog as a user sees it, stopped at a misspelt word over
// its editor, kept as pictures in the build tree.
class TestSpellCheckerScreenshot : public QObject
{
    Q_OBJECT

private:
    testsupport::BuiltInDictionary m_dictionary;

private slots:
    void initTestCase()
    {
        QVERIFY(testsupport::InstallClientTranslation());
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

        const testsupport::Screenshot dialogShot(&dialog, QStringLiteral("spellchecker-dialog"));
        const testsupport::Screenshot editorShot(&editor, QStringLiteral("spellchecker-editor"));
        QVERIFY2(dialogShot.isSaved(), qPrintable(dialogShot.path()));
        QVERIFY2(editorShot.isSaved(), qPrintable(editorShot.path()));

        // Whole windows with text, buttons and the word's selection drawn.
        QVERIFY(dialogShot.image().width() >= 200 && dialogShot.image().height() >= 150);
        QVERIFY(dialogShot.colours() >= 16);
        QVERIFY(editorShot.colours() >= 16);
    }
};

QTEST_MAIN(TestSpellCheckerScreenshot)
#include "tst_spellcheckerscreenshot.moc"
