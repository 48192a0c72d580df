#include "dialoganswerer.h"

#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

// The guard that every test program carries: with no DialogAnswerer alive, a
// modal dialog fails the test at once and is closed instead of waiting for a
// click. The failure is the point of the first two tests, so it is expected:
// were the guard to let the dialog pass, the check after it would pass
// unexpectedly (XPASS) and fail the test.
class TestModalDialogGuard : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(!testsupport::DialogAnswerer::anyAlive()); }

    void aModalDialogWithNoAnswererFailsTheTest()
    {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Unguarded"), QStringLiteral("nobody answers"),
                        QMessageBox::Ok);
        // Only for a guard that misses the dialog: this test must end.
        QTimer::singleShot(5000, &box, &QDialog::reject);
        QEXPECT_FAIL("", "a modal dialog with no answerer fails the test", Continue);
        const int result = box.exec();
        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY(!box.isVisible());
    }

    // Window-modal and shown without a loop of its own: the test goes on, and
    // the dialog is caught as soon as events are handled.
    void aDialogOpenedWithoutItsOwnLoopFailsTheTestToo()
    {
        QDialog dialog;
        dialog.open();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.windowModality(), Qt::WindowModal);
        QEXPECT_FAIL("", "a modal dialog with no answerer fails the test", Continue);
        QCoreApplication::processEvents();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }

    void aDialogTheTestEndsItselfIsNoHang()
    {
        QDialog dialog;
        QTimer::singleShot(0, &dialog, &QDialog::accept);
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    }

    void aWindowThatIsNotModalIsLeftAlone()
    {
        QDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCoreApplication::processEvents();
        QVERIFY(dialog.isVisible());
    }

    // With an answerer alive the answerer alone decides.
    void anAnswererTakesOverFromTheGuard()
    {
        testsupport::DialogAnswerer answerer;
        answerer.expect(QMessageBox::Yes);
        const auto answer = QMessageBox::question(nullptr, QStringLiteral("Go on?"), QStringLiteral("?"));
        QCOMPARE(answer, QMessageBox::Yes);
        QVERIFY(answerer.unexpected().isEmpty());
    }
};

QTEST_MAIN(TestModalDialogGuard)
#include "tst_modaldialogguard.moc"
