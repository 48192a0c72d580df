#include "clienttranslation.h"
#include "documentrevisiondialog.h"
#include "testenvironment.h"
#include "textdialog.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

QORV_ISOLATE_TEST_ENVIRONMENT()

class TestTextDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(testsupport::InstallClientTranslation()); }

    void cleanup() { testsupport::SetTimeZone("UTC"); }

    void textDialogShowsTextAsTyped()
    {
        QWidget parent;
        TextDialog dialog(&parent, QStringLiteral("About"), QStringLiteral("<p><b>Notice</b></p>"),
                          QStringLiteral("<b>not bold</b>\nsecond line"));
        QCOMPARE(dialog.parentWidget(), &parent);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About"));
        QCOMPARE(dialog.minimumSize(), QSize(640, 480));
        auto *layout = qobject_cast<QVBoxLayout *>(dialog.layout());
        QVERIFY(layout);
        QCOMPARE(layout->count(), 3);
        auto *heading = qobject_cast<QLabel *>(layout->itemAt(0)->widget());
        auto *text = qobject_cast<QTextEdit *>(layout->itemAt(1)->widget());
        auto *buttons = qobject_cast<QDialogButtonBox *>(layout->itemAt(2)->widget());
        QVERIFY(heading && text && buttons);
        QCOMPARE(heading->textFormat(), Qt::AutoText);
        QVERIFY(Qt::mightBeRichText(heading->text()));
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->toPlainText(), QStringLiteral("<b>not bold</b>\nsecond line"));
        QCOMPARE(buttons->standardButtons(), QDialogButtonBox::Ok);

        QTimer::singleShot(0, buttons->button(QDialogButtonBox::Ok), &QPushButton::click);
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    }

    void revisionTitle_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("revision");
        QTest::addColumn<QString>("title");
        QTest::newRow("UTC") << QByteArray("UTC") << "2024-03-09 23:00:00"
                             << "Document 'Plan' (revision 2024-03-09 23:00:00)";
        QTest::newRow("one hour east") << QByteArray("UTC-1") << "2024-03-09 23:00:00"
                                       << "Document 'Plan' (revision 2024-03-10 00:00:00)";
        QTest::newRow("fraction ignored") << QByteArray("UTC-1") << "2024-03-09 23:00:00.123456"
                                          << "Document 'Plan' (revision 2024-03-10 00:00:00)";
    }

    void revisionTitle()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QString, revision);
        QFETCH(QString, title);
        testsupport::SetTimeZone(zone);
        DocumentRevisionDialog dialog(QStringLiteral("Plan"), revision, QStringLiteral("<p>body</p>"), nullptr);
        QCOMPARE(dialog.windowTitle(), title);
    }

    void revisionNameIsTakenAsTyped()
    {
        DocumentRevisionDialog dialog(QStringLiteral("50%2 off %1"), QStringLiteral("2024-03-09 23:00:00"), QString(),
                                      nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Document '50%2 off %1' (revision 2024-03-09 23:00:00)"));
    }

    void unreadableRevisionLeavesTheTitleEmpty_data()
    {
        QTest::addColumn<QString>("revision");
        QTest::newRow("empty") << "";
        QTest::newRow("malformed") << "yesterday at noon!!";
    }

    void unreadableRevisionLeavesTheTitleEmpty()
    {
        QFETCH(QString, revision);
        QTest::ignoreMessage(
            QtWarningMsg, "DocumentRevisionDialog::DocumentRevisionDialog: not documentRevisionDateTimeUTC.isValid()");
        DocumentRevisionDialog dialog(QStringLiteral("Plan"), revision, QStringLiteral("<p>still shown</p>"), nullptr);
        QCOMPARE(dialog.windowTitle(), QString());
        QCOMPARE(dialog.findChild<QTextEdit *>()->toPlainText(), QStringLiteral("still shown"));
    }

    void revisionBodyCannotBeSelected()
    {
        QWidget parent;
        DocumentRevisionDialog dialog(QStringLiteral("Plan"), QStringLiteral("2024-03-09 23:00:00"),
                                      QStringLiteral("<p><b>Secret</b> plan</p>"), &parent);
        QCOMPARE(dialog.parentWidget(), &parent);
        QCOMPARE(dialog.minimumSize(), QSize(800, 600));
        QVERIFY(!dialog.windowIcon().isNull());
        auto *layout = qobject_cast<QVBoxLayout *>(dialog.layout());
        QVERIFY(layout);
        QCOMPARE(layout->count(), 3);
        auto *text = qobject_cast<QTextEdit *>(layout->itemAt(0)->widget());
        auto *line = qobject_cast<QFrame *>(layout->itemAt(1)->widget());
        auto *buttons = qobject_cast<QDialogButtonBox *>(layout->itemAt(2)->widget());
        QVERIFY(text && line && buttons);
        QCOMPARE(line->frameShape(), QFrame::HLine);
        QCOMPARE(line->frameShadow(), QFrame::Raised);
        QVERIFY(line->minimumHeight() >= 10);
        QCOMPARE(buttons->standardButtons(), QDialogButtonBox::Close);
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->textInteractionFlags(), Qt::NoTextInteraction);
        QCOMPARE(text->toPlainText(), QStringLiteral("Secret plan"));

        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseDClick(text->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(!text->textCursor().hasSelection());
    }

    void closeEndsTheDialogAsRejected()
    {
        DocumentRevisionDialog dialog(QStringLiteral("Plan"), QStringLiteral("2024-03-09 23:00:00"), QString(),
                                      nullptr);
        auto *buttons = dialog.findChild<QDialogButtonBox *>();
        QTimer::singleShot(0, buttons->button(QDialogButtonBox::Close), &QPushButton::click);
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(TestTextDialogs)
#include "tst_textdialogs.moc"
