#include "editortestsupport.h"
#include "finddialog.h"
#include "replacedialog.h"
#include "testenvironment.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
template <typename Widget>
Widget *Named(const QWidget *dialog, const QString &text)
{
    for (Widget *widget : dialog->findChildren<Widget *>()) {
        if (widget->text() == text)
            return widget;
    }
    return nullptr;
}

QPushButton *Button(const QWidget *dialog, const char *text)
{
    return Named<QPushButton>(dialog, QString::fromLatin1(text));
}

QRadioButton *Radio(const QWidget *dialog, const char *text)
{
    return Named<QRadioButton>(dialog, QString::fromLatin1(text));
}

QLineEdit *FindText(const QWidget *dialog)
{
    return dialog->findChildren<QLineEdit *>().at(0);
}

QLineEdit *ReplacementText(const QWidget *dialog)
{
    return dialog->findChildren<QLineEdit *>().at(1);
}

// The search starts where the caret is drawn, so the text must be laid out on
// screen.
void ShowLaidOut(QTextEdit &edit)
{
    edit.resize(400, 200);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
}

void Select(QTextEdit &edit, int start, int end)
{
    QTextCursor cursor(edit.document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
}

// The selection as "start-end".
QString Selection(const QTextEdit &edit)
{
    const QTextCursor cursor = edit.textCursor();
    return QStringLiteral("%1-%2").arg(cursor.selectionStart()).arg(cursor.selectionEnd());
}

QStringList Highlights(const QTextEdit &edit)
{
    QStringList highlighted;
    for (const QTextEdit::ExtraSelection &selection : edit.extraSelections()) {
        highlighted.append(
            QStringLiteral("%1-%2").arg(selection.cursor.selectionStart()).arg(selection.cursor.selectionEnd()));
        if (selection.format.background() != QBrush(Qt::lightGray, Qt::SolidPattern))
            highlighted.last() += QStringLiteral(" wrong colour");
    }
    return highlighted;
}
}

// Find and replace over a text edit: no wrap-around, Find All and Replace All
// from the start, the direction, case and whole-word options.
class TestSearchDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(editortest::InstallTranslation()); }

    void layoutsAsTheUserSeesThem()
    {
        QTextEdit edit;
        FindDialog find(edit, &edit);
        QCOMPARE(find.windowTitle(), QStringLiteral("Find Text"));
        QCOMPARE(find.minimumWidth(), 320);
        QCOMPARE(find.parentWidget(), &edit);
        for (const char *text : {"Find", "Find All", "Close"})
            QVERIFY2(Button(&find, text), text);
        for (const char *text : {"Search forward", "Search backward", "Case sensitive", "Case insensitive"})
            QVERIFY2(Radio(&find, text), text);
        QVERIFY(Named<QCheckBox>(&find, QStringLiteral("Match only complete words")));
        QCOMPARE(find.findChildren<QGroupBox *>().size(), 2);
        QCOMPARE(find.findChildren<QGroupBox *>().at(0)->styleSheet(),
                 QStringLiteral("QGroupBox { border: 1px solid lightGray; }"));
        QVERIFY(!Button(&find, "Replace..."));

        ReplaceDialog replace(edit, &edit);
        QCOMPARE(replace.windowTitle(), QStringLiteral("Find and Replace Text"));
        QCOMPARE(replace.minimumWidth(), 320);
        for (const char *text : {"Find", "Find All", "Close", "Replace...", "Replace All"})
            QVERIFY2(Button(&replace, text), text);
    }

    void findIsOfferedOnceThereIsAText()
    {
        QTextEdit edit;
        FindDialog dialog(edit, &edit);
        QVERIFY(!Button(&dialog, "Find")->isEnabled());
        QVERIFY(Radio(&dialog, "Search forward")->isEnabled());
        QVERIFY(Radio(&dialog, "Search backward")->isEnabled());
        QVERIFY(Radio(&dialog, "Search forward")->isChecked());
        QVERIFY(Radio(&dialog, "Case insensitive")->isChecked());
        QTest::keyClicks(FindText(&dialog), QStringLiteral("a"));
        QVERIFY(Button(&dialog, "Find")->isEnabled());
        FindText(&dialog)->clear();
        QVERIFY(!Button(&dialog, "Find")->isEnabled());
        QVERIFY(!Radio(&dialog, "Search forward")->isEnabled());
        QVERIFY(!Radio(&dialog, "Search backward")->isEnabled());
        QVERIFY(Button(&dialog, "Find All")->isEnabled());
        QVERIFY(Button(&dialog, "Close")->isEnabled());
    }

    void flags_data()
    {
        QTest::addColumn<bool>("backward");
        QTest::addColumn<bool>("caseSensitive");
        QTest::addColumn<bool>("wholeWords");
        QTest::addColumn<int>("flags");
        QTest::newRow("defaults") << false << false << false << 0;
        QTest::newRow("backward") << true << false << false << 1;
        QTest::newRow("case") << false << true << false << 2;
        QTest::newRow("whole words") << false << false << true << 4;
        QTest::newRow("all") << true << true << true << 7;
    }

    void flags()
    {
        QFETCH(bool, backward);
        QFETCH(bool, caseSensitive);
        QFETCH(bool, wholeWords);
        QFETCH(int, flags);
        QTextEdit edit;
        FindDialog dialog(edit, &edit);
        Radio(&dialog, backward ? "Search backward" : "Search forward")->setChecked(true);
        Radio(&dialog, caseSensitive ? "Case sensitive" : "Case insensitive")->setChecked(true);
        Named<QCheckBox>(&dialog, QStringLiteral("Match only complete words"))->setChecked(wholeWords);
        QCOMPARE(int(dialog.getFindFlags()), flags);
        // Each pair is exclusive on its own.
        QVERIFY(Radio(&dialog, "Search forward")->isChecked() != Radio(&dialog, "Search backward")->isChecked());
        QVERIFY(Radio(&dialog, "Case sensitive")->isChecked() != Radio(&dialog, "Case insensitive")->isChecked());
    }

    void findWalksForwardWithoutWrapping()
    {
        QTextEdit edit;
        ShowLaidOut(edit);
        edit.setPlainText(QStringLiteral("one two one two one"));
        Select(edit, 0, 7); // the search starts at the caret, not the selection's start
        FindDialog dialog(edit, &edit);
        FindText(&dialog)->setText(QStringLiteral("one"));
        Button(&dialog, "Find")->click();
        QCOMPARE(Selection(edit), QStringLiteral("8-11"));
        Button(&dialog, "Find")->click();
        QCOMPARE(Selection(edit), QStringLiteral("16-19"));
        Button(&dialog, "Find")->click(); // past the last: no wrap, no change
        QCOMPARE(Selection(edit), QStringLiteral("16-19"));

        Radio(&dialog, "Search backward")->setChecked(true);
        Button(&dialog, "Find")->click();
        QCOMPARE(Selection(edit), QStringLiteral("8-11"));
    }

    void caseAndWholeWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("search");
        QTest::addColumn<bool>("caseSensitive");
        QTest::addColumn<bool>("wholeWords");
        QTest::addColumn<QString>("found");
        QTest::newRow("case insensitive") << "One one"
                                          << "one" << false << false << "0-3";
        QTest::newRow("case sensitive") << "One one"
                                        << "one" << true << false << "4-7";
        QTest::newRow("part of a word") << "bone one"
                                        << "one" << false << false << "1-4";
        QTest::newRow("whole words") << "bone one"
                                     << "one" << false << true << "5-8";
        QTest::newRow("nothing found") << "bone"
                                       << "one" << false << true << "0-0";
    }

    void caseAndWholeWords()
    {
        QFETCH(QString, text);
        QFETCH(QString, search);
        QFETCH(bool, caseSensitive);
        QFETCH(bool, wholeWords);
        QFETCH(QString, found);
        QTextEdit edit;
        edit.setPlainText(text);
        FindDialog dialog(edit, &edit);
        FindText(&dialog)->setText(search);
        Radio(&dialog, caseSensitive ? "Case sensitive" : "Case insensitive")->setChecked(true);
        Named<QCheckBox>(&dialog, QStringLiteral("Match only complete words"))->setChecked(wholeWords);
        Button(&dialog, "Find")->click();
        QCOMPARE(Selection(edit), found);
    }

    void findAllHighlightsFromTheStart()
    {
        QTextEdit edit;
        ShowLaidOut(edit);
        edit.setPlainText(QStringLiteral("one two one two one"));
        edit.moveCursor(QTextCursor::End);
        FindDialog dialog(edit, &edit);
        FindText(&dialog)->setText(QStringLiteral("one"));
        Button(&dialog, "Find All")->click(); // from the start, whatever the caret
        QCOMPARE(Highlights(edit), QStringList({"0-3", "8-11", "16-19"}));
        QCOMPARE(Selection(edit), QStringLiteral("16-19"));

        Radio(&dialog, "Search backward")->setChecked(true);
        Button(&dialog, "Find All")->click(); // backward from the start finds nothing
        QVERIFY(edit.extraSelections().isEmpty());
        QCOMPARE(Selection(edit), QStringLiteral("0-0"));
    }

    void findGoesOnFromTheLastFindAfterFindAll()
    {
        QTextEdit edit;
        ShowLaidOut(edit);
        edit.setPlainText(QStringLiteral("one two one two one"));
        edit.moveCursor(QTextCursor::Start);
        FindDialog dialog(edit, &edit);
        FindText(&dialog)->setText(QStringLiteral("one"));
        Button(&dialog, "Find")->click();
        QCOMPARE(Selection(edit), QStringLiteral("0-3"));
        Button(&dialog, "Find All")->click();
        QCOMPARE(Selection(edit), QStringLiteral("16-19"));
        Button(&dialog, "Find")->click();
        QCOMPARE(Selection(edit), QStringLiteral("8-11"));
    }

    void closingRestoresTheEditor()
    {
        QTextEdit edit;
        edit.setPlainText(QStringLiteral("one two one"));
        Select(edit, 4, 7);
        {
            FindDialog dialog(edit, &edit);
            FindText(&dialog)->setText(QStringLiteral("one"));
            Button(&dialog, "Find All")->click();
            QCOMPARE(edit.extraSelections().size(), 2);
        }
        QVERIFY(edit.extraSelections().isEmpty());
        QCOMPARE(Selection(edit), QStringLiteral("4-7"));
    }

    void emptyFindTextDoesNothing()
    {
        QTextEdit edit;
        edit.setPlainText(QStringLiteral("one two"));
        Select(edit, 0, 3);
        ReplaceDialog dialog(edit, &edit);
        ReplacementText(&dialog)->setText(QStringLiteral("x"));
        Button(&dialog, "Find All")->click();
        Button(&dialog, "Replace...")->click();
        Button(&dialog, "Replace All")->click();
        QCOMPARE(edit.toPlainText(), QStringLiteral("one two"));
        QCOMPARE(Selection(edit), QStringLiteral("0-3"));
        QVERIFY(edit.extraSelections().isEmpty());
    }

    void replaceReplacesTheSelection()
    {
        QTextEdit edit;
        edit.setPlainText(QStringLiteral("one two one"));
        ReplaceDialog dialog(edit, &edit);
        FindText(&dialog)->setText(QStringLiteral("one"));
        ReplacementText(&dialog)->setText(QStringLiteral("1"));
        Button(&dialog, "Replace...")->click(); // nothing selected
        QCOMPARE(edit.toPlainText(), QStringLiteral("one two one"));
        Button(&dialog, "Find")->click();
        Button(&dialog, "Replace...")->click();
        QCOMPARE(edit.toPlainText(), QStringLiteral("1 two one"));
        Select(edit, 2, 5); // not the text searched for, still replaced
        Button(&dialog, "Replace...")->click();
        QCOMPARE(edit.toPlainText(), QStringLiteral("1 1 one"));
    }

    void replaceAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<bool>("backward");
        QTest::addColumn<QString>("result");
        QTest::newRow("every occurrence") << "one two one"
                                          << "one"
                                          << "1" << false << "1 two 1";
        QTest::newRow("replacement holds the text") << "one two one"
                                                    << "one"
                                                    << "oneone" << false << "oneone two oneone";
        QTest::newRow("empty replacement deletes") << "one two one"
                                                   << "one"
                                                   << "" << false << " two ";
        QTest::newRow("backward finds nothing") << "one two one"
                                                << "one"
                                                << "1" << true << "one two one";
    }

    void replaceAll()
    {
        QFETCH(QString, text);
        QFETCH(QString, search);
        QFETCH(QString, replacement);
        QFETCH(bool, backward);
        QFETCH(QString, result);
        QTextEdit edit;
        edit.setPlainText(text);
        edit.moveCursor(QTextCursor::End); // Replace All starts at the start whatever the caret
        ReplaceDialog dialog(edit, &edit);
        FindText(&dialog)->setText(search);
        ReplacementText(&dialog)->setText(replacement);
        Radio(&dialog, backward ? "Search backward" : "Search forward")->setChecked(true);
        Button(&dialog, "Replace All")->click();
        QCOMPARE(edit.toPlainText(), result);
        if (backward)
            QCOMPARE(edit.textCursor().position(), 0);
    }

    void replacementsStayWhenTheDialogCloses()
    {
        QTextEdit edit;
        edit.setPlainText(QStringLiteral("one two one"));
        {
            ReplaceDialog dialog(edit, &edit);
            FindText(&dialog)->setText(QStringLiteral("one"));
            ReplacementText(&dialog)->setText(QStringLiteral("three"));
            Button(&dialog, "Replace All")->click();
        }
        QCOMPARE(edit.toPlainText(), QStringLiteral("three two three"));
        edit.undo(); // each replacement is an edit of its own
        QCOMPARE(edit.toPlainText(), QStringLiteral("three two one"));
    }
};

QTEST_MAIN(TestSearchDialogs)
#include "tst_searchdialogs.moc"
