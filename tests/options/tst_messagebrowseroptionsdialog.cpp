#include "messagebrowseroptionsdialog.h"
#include "programsetup.h"
#include "settings.h"
#include "testenvironment.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
const QString Key = QStringLiteral("MessageBrowser/Options/ActivationMode");
const QString ShowAll = QStringLiteral("Display all messages");
const QString ShowNotAssigned = QStringLiteral("Display all messages that have not been assigned to a folder");

QRadioButton *Choice(const QDialog &dialog, const QString &text)
{
    for (QRadioButton *button : dialog.findChildren<QRadioButton *>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

QPushButton *Button(const QDialog &dialog, const QString &text)
{
    for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}
}

class TestMessageBrowserOptionsDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(testsupport::SetUpLikeTheProgram()); }

    void init() { Settings().clear(); }

    void dialogIsBuiltAsDescribed()
    {
        MessageBrowserOptionsDialog dialog(nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Message Browser Options"));
        QCOMPARE(dialog.minimumWidth(), 640);
        QCOMPARE(dialog.minimumHeight(), 240);
        QVERIFY(!dialog.windowIcon().isNull());
        auto *tabs = dialog.findChild<QTabWidget *>();
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 1);
        QCOMPARE(tabs->tabText(0), QStringLiteral("General"));
        QVERIFY(Button(dialog, QStringLiteral("OK")));
        QVERIFY(Button(dialog, QStringLiteral("Cancel")));
        QVERIFY(Choice(dialog, ShowAll));
        QVERIFY(Choice(dialog, ShowNotAssigned));
    }

    void storedModeIsShown_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("warned");
        QTest::addColumn<int>("activationMode");
        QTest::newRow("absent") << QVariant() << ShowAll << false << 0;
        QTest::newRow("0") << QVariant(0) << ShowAll << false << 0;
        QTest::newRow("1") << QVariant(1) << ShowNotAssigned << false << 1;
        QTest::newRow("5") << QVariant(5) << ShowAll << true << 5;
        QTest::newRow("-1") << QVariant(-1) << ShowAll << true << -1;
    }

    void storedModeIsShown()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, shown);
        QFETCH(bool, warned);
        QFETCH(int, activationMode);
        if (stored.isValid())
            Settings().setValue(Key, stored);
        if (warned)
            QTest::ignoreMessage(QtWarningMsg, "Activation mode value incorrect; using default value.");
        MessageBrowserOptionsDialog dialog(nullptr);
        QVERIFY(Choice(dialog, shown)->isChecked());
        // No range test: the browser decides what an unknown value means.
        QCOMPARE(MessageBrowserOptionsDialog::GetActivationMode(), activationMode);
    }

    void okStoresTheCheckedMode_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("saved");
        QTest::newRow("absent, all") << QVariant() << ShowAll << 0;
        QTest::newRow("absent, not assigned") << QVariant() << ShowNotAssigned << 1;
        QTest::newRow("1, all") << QVariant(1) << ShowAll << 0;
        QTest::newRow("5 as shown") << QVariant(5) << QString() << 0;
    }

    void okStoresTheCheckedMode()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, choice);
        QFETCH(int, saved);
        if (stored.isValid())
            Settings().setValue(Key, stored);
        if (stored == QVariant(5))
            QTest::ignoreMessage(QtWarningMsg, "Activation mode value incorrect; using default value.");
        MessageBrowserOptionsDialog dialog(nullptr);
        if (!choice.isEmpty())
            Choice(dialog, choice)->setChecked(true);
        Button(dialog, QStringLiteral("OK"))->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(Settings().value(Key).toInt(), saved);
        QCOMPARE(MessageBrowserOptionsDialog::GetActivationMode(), saved);
    }

    void cancelLeavesTheStore()
    {
        Settings().setValue(Key, 5);
        QTest::ignoreMessage(QtWarningMsg, "Activation mode value incorrect; using default value.");
        MessageBrowserOptionsDialog dialog(nullptr);
        Choice(dialog, ShowNotAssigned)->setChecked(true);
        Button(dialog, QStringLiteral("Cancel"))->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(MessageBrowserOptionsDialog::GetActivationMode(), 5);
    }
};

QTEST_MAIN(TestMessageBrowserOptionsDialog)
#include "tst_messagebrowseroptionsdialog.moc"
