#include "dialoganswerer.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

class TestDialogAnswerer : public QObject
{
    Q_OBJECT

private slots:
    void pressesTheQueuedButtonAndRecords()
    {
        testsupport::DialogAnswerer answerer;
        answerer.expect(QMessageBox::No);
        const auto answer = QMessageBox::question(nullptr, QStringLiteral("Log Off"), QStringLiteral("Really?"),
                                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        QCOMPARE(answer, QMessageBox::No);
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(answerer.lastTitle(), QStringLiteral("Log Off"));
        QCOMPARE(answerer.lastText(), QStringLiteral("Really?"));
        QCOMPARE(answerer.seen().first().className, QStringLiteral("QMessageBox"));
        QVERIFY(answerer.seen().first().answered);
    }

    void answersDialogsInTurn()
    {
        testsupport::DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);
        answerer.expect(QDialogButtonBox::Cancel);
        QMessageBox::warning(nullptr, QStringLiteral("Warning"), QStringLiteral("first"));
        QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), QStringLiteral("second"),
                        QMessageBox::Ok | QMessageBox::Cancel);
        box.setInformativeText(QStringLiteral("details"));
        QCOMPARE(box.exec(), int(QMessageBox::Cancel));
        QCOMPARE(answerer.seen().size(), 2);
        QCOMPARE(answerer.seen().at(0).text, QStringLiteral("first"));
        QCOMPARE(answerer.seen().at(1).informativeText, QStringLiteral("details"));
    }

    void sameBoxShownTwiceIsAnsweredTwice()
    {
        testsupport::DialogAnswerer answerer;
        answerer.expect(QMessageBox::Yes);
        answerer.expect(QMessageBox::No);
        QMessageBox box(QMessageBox::Question, QStringLiteral("Again"), QStringLiteral("?"),
                        QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.exec(), int(QMessageBox::Yes));
        QCOMPARE(box.exec(), int(QMessageBox::No));
        QCOMPARE(answerer.pending(), 0);
    }

    void customActionFillsAnInputDialog()
    {
        testsupport::DialogAnswerer answerer;
        answerer.expect([](QWidget *dialog) {
            auto *input = qobject_cast<QInputDialog *>(dialog);
            QVERIFY(input);
            input->setTextValue(QStringLiteral(" 12 34 "));
            input->accept();
        });
        bool ok = false;
        const QString code = QInputDialog::getText(nullptr, QStringLiteral("Code"), QStringLiteral("Enter the code:"),
                                                   QLineEdit::Normal, QString(), &ok);
        QVERIFY(ok);
        QCOMPARE(code, QStringLiteral(" 12 34 "));
        QCOMPARE(answerer.lastTitle(), QStringLiteral("Code"));
        QCOMPARE(answerer.lastText(), QStringLiteral("Enter the code:"));
    }

    void missingButtonRejectsInsteadOfHanging()
    {
        testsupport::DialogAnswerer answerer;
        answerer.expect(QMessageBox::Retry);
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Warning"), QStringLiteral("only OK"), QMessageBox::Ok);
        box.exec();
        QCOMPARE(answerer.seen().size(), 1);
        QVERIFY(!answerer.seen().first().answered);
        QVERIFY(!box.isVisible());
    }

    void nothingQueuedIsNothingToWaitFor()
    {
        testsupport::DialogAnswerer answerer;
        QVERIFY(answerer.waitForAll(10));
        QCOMPARE(answerer.pending(), 0);
        QVERIFY(answerer.sawNoDialog());
        QVERIFY(answerer.seen().isEmpty());
    }

    // The failure that the answerer reports is the point of the next three
    // tests, so it is expected: were the answerer to let the dialog pass, the
    // check after it would pass unexpectedly (XPASS) and fail the test.
    void anUnexpectedDialogIsClosedAndFailsTheTest()
    {
        testsupport::DialogAnswerer answerer;
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Surprise"), QStringLiteral("nobody asked"),
                        QMessageBox::Ok);
        // Only for an answerer that misses the dialog: this test must end.
        QTimer::singleShot(5000, &box, &QDialog::reject);
        QEXPECT_FAIL("", "a dialog that nobody expected fails the test", Continue);
        box.exec();
        QCOMPARE(answerer.unexpected().size(), 1);
        QCOMPARE(answerer.unexpected().value(0).title, QStringLiteral("Surprise"));
        QCOMPARE(answerer.unexpected().value(0).text, QStringLiteral("nobody asked"));
        QVERIFY(!answerer.unexpected().value(0).answered);
        QVERIFY(!box.isVisible());
        QVERIFY(!answerer.sawNoDialog());
    }

    void aDialogBeyondTheQueuedAnswersIsUnexpected()
    {
        testsupport::DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);
        QMessageBox::information(nullptr, QStringLiteral("First"), QStringLiteral("answered"));
        QMessageBox second(QMessageBox::Question, QStringLiteral("Second"), QStringLiteral("not queued"),
                           QMessageBox::Yes | QMessageBox::No);
        QTimer::singleShot(5000, &second, &QDialog::reject);
        QEXPECT_FAIL("", "a dialog beyond the queued answers fails the test", Continue);
        second.exec();
        QCOMPARE(answerer.seen().size(), 2);
        QVERIFY(answerer.seen().at(0).expected);
        QVERIFY(answerer.seen().at(0).answered);
        QCOMPARE(answerer.unexpected().size(), 1);
        QCOMPARE(answerer.unexpected().value(0).title, QStringLiteral("Second"));
    }

    // A dialog shown without an event loop of its own leaves the code under
    // test running; the check for no dialog finds it.
    void aDialogShownWithoutItsOwnLoopIsFoundToo()
    {
        testsupport::DialogAnswerer answerer;
        QMessageBox box(QMessageBox::Information, QStringLiteral("Shown"), QStringLiteral("no loop"), QMessageBox::Ok);
        box.open();
        QEXPECT_FAIL("", "a dialog that nobody expected fails the test", Continue);
        const bool none = answerer.sawNoDialog();
        QVERIFY(!none);
        QCOMPARE(answerer.unexpected().value(0).title, QStringLiteral("Shown"));
        QVERIFY(!box.isVisible());
    }

    // A test may hold one answerer while a second one carries the answers.
    void anAnswerQueuedOnAnotherAnswererIsNoSurprise()
    {
        testsupport::DialogAnswerer first;
        testsupport::DialogAnswerer second;
        second.expect(QMessageBox::Yes);
        const auto answer = QMessageBox::question(nullptr, QStringLiteral("Again"), QStringLiteral("?"));
        QCOMPARE(answer, QMessageBox::Yes);
        QVERIFY(first.sawNoDialog());
        QCOMPARE(second.seen().size(), 1);
        QVERIFY(second.unexpected().isEmpty());
    }
};

QTEST_MAIN(TestDialogAnswerer)
#include "tst_dialoganswerer.moc"
