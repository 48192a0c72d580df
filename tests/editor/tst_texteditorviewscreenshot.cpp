#include "builtindictionary.h"
#include "documenteditor.h"
#include "editortestsupport.h"
#include "icontoolbar.h"
#include "screenshot.h"
#include "spellchecker.h"
#include "testenvironment.h"
#include "textdocument.h"
#include "texteditorview.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QTest>
#include <QTextCursor>
#include <QTextTable>
#include <QToolBar>
#include <QToolButton>

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
class DocumentWindow : public TextEditorView<DocumentEditor>
{
public:
    DocumentWindow()
    {
        setWindowTitle(QStringLiteral("Quarterly report [Ann B Lee @ 127.0.0.1]"));
        m_editor->setDocument(new TextDocument(m_editor));
        setCentralWidget(m_editor);
        initializeFileMenu();
        initializeEditMenu();
        initializeViewMenu();
        initializeTableMenu();
        initializeInsertMenu();
        initializeFormatMenu();
        initializeToolsMenu();
        initializeStandardToolBar();
        initializeFormattingToolBar();
        initializeIconToolBar();
    }

    DocumentEditor *editor() const { return m_editor; }
    IconToolBar *iconToolBar() const { return m_iconToolBar; }
    QToolBar *formattingToolBar() const { return m_formattingToolBar; }
};
}

// An editor window as a user sees it, with formatted text, a list, a table and
// catalogue icons, and icons remembered on the icon tool bar; kept as a
// picture in the build tree.
class TestTextEditorViewScreenshot : public QObject
{
    Q_OBJECT

private:
    testsupport::BuiltInDictionary m_dictionary;

private slots:
    void initTestCase()
    {
        QVERIFY(editortest::InstallTranslation());
        QVERIFY(m_dictionary.setUp(*SpellChecker::instance()));
    }

    void editorWindowWithContent()
    {
        DocumentWindow window;
        window.resize(1100, 720);
        DocumentEditor *editor = window.editor();
        editor->setHtml(
            QStringLiteral("<h2>Quarterly report</h2>"
                           "<p>The <b>figures</b> for the <i>third quarter</i> are below, with the "
                           "<span style=\"color:darkred\">open questions</span> marked.</p>"
                           "<ul><li>Sales rose in every region</li><li>Costs stayed flat</li></ul>"
                           "<table border=\"1\" cellpadding=\"4\"><tr><th>Region</th><th>Sales</th></tr>"
                           "<tr><td>North</td><td>1,204</td></tr><tr><td>South</td><td>987</td></tr></table>"
                           "<p>Status: </p>"));

        // Three icons from the tool bar, remembered on its memory buttons.
        editor->moveCursor(QTextCursor::End);
        IconToolBar *icons = window.iconToolBar();
        QToolButton *selection = icons->iconSelectionToolButton();
        for (const int index : {0, 17, 42}) {
            emit selection->triggered(selection->menu()->actions().at(index));
            selection->click();
        }
        QCOMPARE(icons->iconMemoryCount(), quint32(3));

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The caret in the bold word: Bold shows checked.
        QTextCursor caret(editor->document());
        caret.setPosition(editor->toPlainText().indexOf(QLatin1String("figures")) + 2);
        editor->setTextCursor(caret);
        editor->setFocus();

        const testsupport::Screenshot shot(&window, QStringLiteral("texteditorview"));
        QVERIFY2(shot.isSaved(), qPrintable(shot.path()));

        QVERIFY(shot.image().width() >= 800 && shot.image().height() >= 600);
        QVERIFY(shot.colours(window.formattingToolBar()) >= 16);
        QVERIFY(shot.colours(icons) >= 16);
        QVERIFY(shot.colours(editor) >= 16);
    }
};

QTEST_MAIN(TestTextEditorViewScreenshot)
#include "tst_texteditorviewscreenshot.moc"
