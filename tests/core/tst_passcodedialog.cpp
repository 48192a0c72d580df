#include "clienttranslation.h"
#include "keypad.h"
#include "passcodedialog.h"

#include "dialoganswerer.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TestPasscodeDialog : public QObject
{
    Q_OBJECT

private:
    static QLineEdit *display(QWidget *dialog) { return dialog->findChild<QLineEdit *>(); }

    // Runs the dialog modally with the given keys pressed on its keypad.
    static int run(PasscodeDialog &dialog, const QString &keys)
    {
        testsupport::DialogAnswerer answerer;
        answerer.expect([&keys](QWidget *shown) { testsupport::TypeOnKeypad(shown, keys); });
        return dialog.exec();
    }

private slots:
    void initTestCase() { QVERIFY(testsupport::InstallClientTranslation()); }

    void keypadLayout_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("label");
        QTest::newRow("1") << 0 << 0 << "1";
        QTest::newRow("2") << 0 << 1 << "2  ABC";
        QTest::newRow("3") << 0 << 2 << "3  DEF";
        QTest::newRow("4") << 1 << 0 << "4  GHI";
        QTest::newRow("5") << 1 << 1 << "5  JKL";
        QTest::newRow("6") << 1 << 2 << "6  MNO";
        QTest::newRow("7") << 2 << 0 << "7 PQRS";
        QTest::newRow("8") << 2 << 1 << "8  TUV";
        QTest::newRow("9") << 2 << 2 << "9 WXYZ";
        QTest::newRow("Enter") << 3 << 0 << "Enter ";
        QTest::newRow("0") << 3 << 1 << "0     ";
        QTest::newRow("Delete") << 3 << 2 << "Delete";
    }

    void keypadLayout()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, label);

        PasscodeDialog dialog(nullptr);
        QPushButton *key = testsupport::KeypadKey(&dialog, row, column);
        QVERIFY(key);
        QCOMPARE(key->text(), label);
        QCOMPARE(key->font().family(), QStringLiteral("Courier"));
        QCOMPARE(key->font().pointSize(), 12);
        QCOMPARE(key->font().weight(), QFont::Normal);
        QVERIFY(!key->font().italic());
        QVERIFY(key->icon().isNull());
        // The keys can be reached with Tab and pressed from the keyboard.
        QCOMPARE(key->focusPolicy(), QPushButton().focusPolicy());
    }

    void displayAndFrame()
    {
        QWidget window;
        PasscodeDialog dialog(&window);
        QCOMPARE(dialog.parentWidget(), &window);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Set Passcode"));
        QLineEdit *edit = display(&dialog);
        QVERIFY(edit);
        QVERIFY(edit->isReadOnly());
        QCOMPARE(edit->echoMode(), QLineEdit::Password);
        QCOMPARE(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(edit->focusPolicy(), Qt::NoFocus);
        // The keypad is all there is: no label, no OK or Cancel.
        QCOMPARE(dialog.findChildren<QPushButton *>().size(), 12);
        QCOMPARE(dialog.findChildren<QLineEdit *>().size(), 1);
        QVERIFY(dialog.findChildren<QLabel *>().isEmpty());
        QVERIFY(dialog.findChildren<QDialogButtonBox *>().isEmpty());
        QVERIFY(dialog.getPasscode().isEmpty());
    }

    void ending_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("passcode");
        QTest::newRow("digits and Enter") << "1234567890E" << int(QDialog::Accepted) << "1234567890";
        QTest::newRow("a corrected digit") << "12D3E" << int(QDialog::Accepted) << "13";
        QTest::newRow("Delete on an empty display") << "DD7E" << int(QDialog::Accepted) << "7";
        QTest::newRow("Enter with nothing typed") << "E" << int(QDialog::Rejected) << "";
        QTest::newRow("typed and deleted to nothing") << "123DDDE" << int(QDialog::Rejected) << "";
    }

    void ending()
    {
        QFETCH(QString, keys);
        QFETCH(int, result);
        QFETCH(QString, passcode);

        PasscodeDialog dialog(nullptr);
        QCOMPARE(run(dialog, keys), result);
        QCOMPARE(dialog.getPasscode(), passcode);
    }

    void displayFollowsTheKeys()
    {
        PasscodeDialog dialog(nullptr);
        testsupport::TypeOnKeypad(&dialog, QStringLiteral("905"));
        QCOMPARE(display(&dialog)->text(), QStringLiteral("905"));
        testsupport::TypeOnKeypad(&dialog, QStringLiteral("D"));
        QCOMPARE(display(&dialog)->text(), QStringLiteral("90"));
        // Only Enter hands the display over.
        QVERIFY(dialog.getPasscode().isEmpty());
    }

    void closingRejectsAndKeepsNothing_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("close button") << false;
        QTest::newRow("Escape") << true;
    }

    void closingRejectsAndKeepsNothing()
    {
        QFETCH(bool, escape);

        PasscodeDialog dialog(nullptr);
        testsupport::DialogAnswerer answerer;
        answerer.expect([escape](QWidget *shown) {
            testsupport::TypeOnKeypad(shown, QStringLiteral("42"));
            if (escape)
                QTest::keyClick(shown, Qt::Key_Escape);
            else
                shown->close();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(dialog.getPasscode().isEmpty());
    }

    void setPasscodeTrimsAndLeavesTheDisplay()
    {
        PasscodeDialog dialog(nullptr);
        dialog.setPasscode(QStringLiteral(" 1234 "));
        QCOMPARE(dialog.getPasscode(), QStringLiteral("1234"));
        QVERIFY(display(&dialog)->text().isEmpty());
    }
};

QTEST_MAIN(TestPasscodeDialog)
#include "tst_passcodedialog.moc"
