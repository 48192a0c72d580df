#include "dialoganswerer.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

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
        const QString code =
            QInputDialog::getText(nullptr, QStringLiteral("Code"), QStringLiteral("Enter the code:"), QLineEdit::Normal,
                                  QString(), &ok);
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

    void nothingQueuedLeavesDialogsAlone()
    {
        testsupport::DialogAnswerer answerer;
        QVERIFY(answerer.waitForAll(10));
        QCOMPARE(answerer.pending(), 0);
        QVERIFY(answerer.seen().isEmpty());
    }
};

QTEST_MAIN(TestDialogAnswerer)
#include "tst_dialoganswerer.moc"
