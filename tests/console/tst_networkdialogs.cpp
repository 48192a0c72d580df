#include "consoletestsupport.h"
#include "consoleview.h"
#include "dialoganswerer.h"
#include "logondialog.h"
#include "networksettings.h"
#include "networksettingsdialog.h"
#include "testenvironment.h"
#include "timezonedatabase.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
void StoreNetworkSettings(const QVariant &serverName, const QVariant &serverPort, const QVariant &timeZone)
{
    NetworkSettings settings;
    settings.remove(QStringLiteral("NetworkSettings"));
    if (serverName.isValid())
        settings.setValue(QStringLiteral("NetworkSettings/ServerName"), serverName);
    if (serverPort.isValid())
        settings.setValue(QStringLiteral("NetworkSettings/ServerPort"), serverPort);
    if (timeZone.isValid())
        settings.setValue(QStringLiteral("NetworkSettings/DefaultTimeZone"), timeZone);
}

template <typename Widget>
Widget *Field(const QWidget *dialog, const char *name)
{
    return dialog->findChild<Widget *>(QLatin1String(name));
}

// The named field that has the focus: a spin box, for one, hands it to its
// own line edit.
QString FocusedField(const QWidget *dialog)
{
    for (QWidget *widget = QApplication::focusWidget(); widget && widget != dialog; widget = widget->parentWidget()) {
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")))
            return widget->objectName();
    }
    return QString();
}

QString FirstRegion()
{
    return QString::fromStdString(TimeZoneDatabase::instance()->getTimeZoneDatabase().region_list().front());
}
}

class TestNetworkDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(consoletest::SetUpLikeTheProgram());
        QCOMPARE(FirstRegion(), QStringLiteral("Africa/Abidjan"));
    }

    void storedPortIsShownOnlyWhenUsable_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("shown");
        QTest::newRow("8080") << QVariant(8080) << 8080;
        QTest::newRow("lowest") << QVariant(1024) << 1024;
        QTest::newRow("highest") << QVariant(65535) << 65535;
        QTest::newRow("80") << QVariant(80) << 1024;
        QTest::newRow("0") << QVariant(0) << 1024;
        QTest::newRow("above the range") << QVariant(65536) << 1024;
        QTest::newRow("none") << QVariant() << 1024;
    }

    void storedPortIsShownOnlyWhenUsable()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, shown);
        StoreNetworkSettings(QStringLiteral("srv"), stored, QVariant());
        NetworkSettingsDialog dialog(nullptr);
        QCOMPARE(Field<QSpinBox>(&dialog, "serverPortSpinBox")->minimum(), 1024);
        QCOMPARE(Field<QSpinBox>(&dialog, "serverPortSpinBox")->maximum(), 65535);
        QCOMPARE(dialog.getServerPort(), shown);
    }

    void storedTimeZoneIsSelectedExactly_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("selected");
        QTest::newRow("in the table") << QVariant(QStringLiteral("Europe/Berlin")) << QStringLiteral("Europe/Berlin");
        QTest::newRow("other letter case") << QVariant(QStringLiteral("europe/berlin")) << FirstRegion();
        QTest::newRow("not in the table") << QVariant(QStringLiteral("Mars/Olympus_Mons")) << FirstRegion();
        QTest::newRow("none") << QVariant() << QStringLiteral("America/New_York");
        QTest::newRow("empty") << QVariant(QString()) << QStringLiteral("America/New_York");
    }

    void storedTimeZoneIsSelectedExactly()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, selected);
        StoreNetworkSettings(QStringLiteral("srv"), 8080, stored);
        NetworkSettingsDialog settingsDialog(nullptr);
        QCOMPARE(settingsDialog.getDefaultTimeZone(), selected);
        LogonDialog logonDialog(nullptr);
        QCOMPARE(logonDialog.getDefaultTimeZone(), selected);
    }

    void timeZonesAreTheWholeTableInItsOrder()
    {
        StoreNetworkSettings(QVariant(), QVariant(), QVariant());
        NetworkSettingsDialog dialog(nullptr);
        const auto *zones = Field<QComboBox>(&dialog, "defaultTimeZoneComboBox");
        const std::vector<std::string> regions = TimeZoneDatabase::instance()->getTimeZoneDatabase().region_list();
        QCOMPARE(zones->count(), static_cast<int>(regions.size()));
        QStringList texts;
        for (int index = 0; index < zones->count(); ++index)
            texts.append(zones->itemText(index));
        QStringList sorted = texts;
        std::sort(sorted.begin(), sorted.end(),
                  [](const QString &a, const QString &b) { return a.toUtf8() < b.toUtf8(); });
        QCOMPARE(texts, sorted);
    }

    void serverNameIsShownAsStoredAndReturnedTrimmed()
    {
        StoreNetworkSettings(QStringLiteral("  srv.example  "), 8080, QVariant());
        NetworkSettingsDialog dialog(nullptr);
        QCOMPARE(Field<QLineEdit>(&dialog, "serverNameLineEdit")->text(), QStringLiteral("  srv.example  "));
        QCOMPARE(dialog.getServerName(), QStringLiteral("srv.example"));
    }

    void networkSettingsDialogLooks()
    {
        StoreNetworkSettings(QVariant(), QVariant(), QVariant());
        NetworkSettingsDialog dialog(nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Network Settings"));
        QVERIFY(!dialog.windowIcon().isNull());
        QCOMPARE(dialog.minimumWidth(), 250);
        QCOMPARE(Field<QPushButton>(&dialog, "okPushButton")->text(), QStringLiteral("OK"));
        QCOMPARE(Field<QPushButton>(&dialog, "cancelPushButton")->text(), QStringLiteral("Cancel"));
        QStringList labels;
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            labels.append(label->text());
        QCOMPARE(labels, QStringList({"Server name:", "Server port:", "Default time zone:"}));
    }

    void okAndCancelEndTheDialog()
    {
        StoreNetworkSettings(QVariant(), QVariant(), QVariant());
        NetworkSettingsDialog accepting(nullptr);
        QTimer::singleShot(0, Field<QPushButton>(&accepting, "okPushButton"), &QPushButton::click);
        QCOMPARE(accepting.exec(), int(QDialog::Accepted));
        NetworkSettingsDialog rejecting(nullptr);
        QTimer::singleShot(0, Field<QPushButton>(&rejecting, "cancelPushButton"), &QPushButton::click);
        QCOMPARE(rejecting.exec(), int(QDialog::Rejected));
    }

    void logonDialogShowsTheNetworkRowsOnlyWithoutAServer_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("shown");
        QTest::newRow("none") << QVariant() << true;
        QTest::newRow("blanks only") << QVariant(QStringLiteral("   ")) << true;
        QTest::newRow("a server") << QVariant(QStringLiteral("srv")) << false;
    }

    void logonDialogShowsTheNetworkRowsOnlyWithoutAServer()
    {
        QFETCH(QVariant, stored);
        QFETCH(bool, shown);
        StoreNetworkSettings(stored, 8080, QVariant());
        LogonDialog dialog(nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(Field<QCheckBox>(&dialog, "optionsCheckBox")->isChecked(), shown);
        for (const char *name : {"serverNameLineEdit", "serverPortSpinBox", "defaultTimeZoneComboBox"})
            QCOMPARE(Field<QWidget>(&dialog, name)->isVisible(), shown);
        QCOMPARE(dialog.focusWidget(), Field<QWidget>(&dialog, "userNameLineEdit"));
        // Hidden or not, the fields keep their values.
        QCOMPARE(dialog.getServerPort(), 8080);
        QCOMPARE(dialog.getServerName(), stored.toString().trimmed());
    }

    void optionsSwitchHidesAndRestoresTheNetworkRows()
    {
        StoreNetworkSettings(QVariant(), 8080, QVariant());
        LogonDialog dialog(nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Field<QLineEdit>(&dialog, "serverNameLineEdit")->setText(QStringLiteral("typed"));
        const int fullHeight = dialog.height();

        Field<QCheckBox>(&dialog, "optionsCheckBox")->setChecked(false);
        QTRY_VERIFY(dialog.height() < fullHeight);
        QVERIFY(!Field<QWidget>(&dialog, "serverNameLineEdit")->isVisible());
        QCOMPARE(dialog.getServerName(), QStringLiteral("typed"));

        Field<QCheckBox>(&dialog, "optionsCheckBox")->setChecked(true);
        QTRY_COMPARE(dialog.height(), fullHeight);
        QVERIFY(Field<QWidget>(&dialog, "serverNameLineEdit")->isVisible());
        QCOMPARE(Field<QLineEdit>(&dialog, "serverNameLineEdit")->text(), QStringLiteral("typed"));
        QCOMPARE(dialog.focusWidget(), Field<QWidget>(&dialog, "userNameLineEdit"));
    }

    void tabFollowsTheFieldsOnScreen_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QStringList>("order");
        const QStringList user = {"userNameLineEdit", "userPasswordLineEdit"};
        const QStringList network = {"serverNameLineEdit", "serverPortSpinBox", "defaultTimeZoneComboBox"};
        const QStringList buttons = {"okPushButton", "cancelPushButton", "showPasswordCheckBox", "optionsCheckBox"};
        QTest::newRow("network rows shown") << QVariant() << user + network + buttons;
        // Hidden fields are passed over.
        QTest::newRow("network rows hidden") << QVariant(QStringLiteral("srv")) << user + buttons;
    }

    void tabFollowsTheFieldsOnScreen()
    {
        QFETCH(QVariant, stored);
        QFETCH(QStringList, order);
        StoreNetworkSettings(stored, 8080, QVariant());
        LogonDialog dialog(nullptr);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTRY_COMPARE(FocusedField(&dialog), order.first());

        // Once round and back to the start.
        QStringList walked;
        for (int step = 0; step < order.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked.append(FocusedField(&dialog));
        }
        QCOMPARE(walked, order.mid(1) + order.mid(0, 1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(FocusedField(&dialog), order.last());
    }

    void emptyServerNameKeepsTheDialogOpen_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("network rows shown") << QVariant();
        // Emptied, then put out of view: it is brought back.
        QTest::newRow("network rows hidden") << QVariant(QStringLiteral("srv"));
    }

    void emptyServerNameKeepsTheDialogOpen()
    {
        QFETCH(QVariant, stored);
        StoreNetworkSettings(stored, 8080, QVariant());
        LogonDialog dialog(nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Field<QLineEdit>(&dialog, "userNameLineEdit")->setText(QStringLiteral("ann"));
        Field<QLineEdit>(&dialog, "userPasswordLineEdit")->setText(QStringLiteral("secret"));
        Field<QLineEdit>(&dialog, "serverNameLineEdit")->setText(QStringLiteral("  "));

        testsupport::DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);
        Field<QPushButton>(&dialog, "okPushButton")->click();
        QVERIFY(answerer.waitForAll());

        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(answerer.seen().at(0).title, QStringLiteral("Warning"));
        QCOMPARE(answerer.seen().at(0).text, QStringLiteral("The server name is invalid."));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(Field<QLineEdit>(&dialog, "userNameLineEdit")->text(), QStringLiteral("ann"));
        QCOMPARE(Field<QLineEdit>(&dialog, "userPasswordLineEdit")->text(), QStringLiteral("secret"));
        // The field to put right is in view and has the focus.
        QVERIFY(Field<QCheckBox>(&dialog, "optionsCheckBox")->isChecked());
        QVERIFY(Field<QWidget>(&dialog, "serverNameLineEdit")->isVisible());
        QCOMPARE(dialog.focusWidget(), Field<QWidget>(&dialog, "serverNameLineEdit"));

        // Put right, the same dialog is accepted with everything typed.
        Field<QLineEdit>(&dialog, "serverNameLineEdit")->setText(QStringLiteral("srv.example"));
        Field<QPushButton>(&dialog, "okPushButton")->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.getUserName(), QStringLiteral("ann"));
        QCOMPARE(dialog.getServerName(), QStringLiteral("srv.example"));
    }

    void userNameAndPasswordComeBackTrimmed()
    {
        StoreNetworkSettings(QStringLiteral("srv"), 8080, QVariant());
        LogonDialog dialog(nullptr);
        Field<QLineEdit>(&dialog, "userNameLineEdit")->setText(QStringLiteral("  ann  "));
        Field<QLineEdit>(&dialog, "userPasswordLineEdit")->setText(QStringLiteral("  two words \t"));
        QCOMPARE(dialog.getUserName(), QStringLiteral("ann"));
        QCOMPARE(dialog.getUserPassword(), QStringLiteral("two words"));
        dialog.clearUserName();
        QCOMPARE(dialog.getUserName(), QString());
        QCOMPARE(dialog.getUserPassword(), QStringLiteral("two words"));
        dialog.clear();
        QCOMPARE(dialog.getUserPassword(), QString());
    }

    void passwordIsHiddenUnlessAskedFor()
    {
        StoreNetworkSettings(QStringLiteral("srv"), 8080, QVariant());
        LogonDialog dialog(nullptr);
        auto *password = Field<QLineEdit>(&dialog, "userPasswordLineEdit");
        auto *show = Field<QCheckBox>(&dialog, "showPasswordCheckBox");
        QVERIFY(!show->isChecked());
        QCOMPARE(password->echoMode(), QLineEdit::Password);
        show->setChecked(true);
        QCOMPARE(password->echoMode(), QLineEdit::Normal);
        show->setChecked(false);
        QCOMPARE(password->echoMode(), QLineEdit::Password);
    }

    void logonDialogLooks()
    {
        StoreNetworkSettings(QStringLiteral("srv"), 8080, QVariant());
        LogonDialog dialog(nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Log On"));
        QVERIFY(!dialog.windowIcon().isNull());
        QCOMPARE(dialog.minimumWidth(), 250);
        QCOMPARE(Field<QCheckBox>(&dialog, "showPasswordCheckBox")->text(), QStringLiteral("Show password"));
        QCOMPARE(Field<QCheckBox>(&dialog, "optionsCheckBox")->text(), QStringLiteral("Options"));
        const auto *forgotUserName = Field<QLabel>(&dialog, "forgotUserNameLabel");
        const auto *forgotPassword = Field<QLabel>(&dialog, "forgotPasswordLabel");
        QCOMPARE(forgotUserName->text(), QStringLiteral("<a href='#'>Forgot user name?</a>"));
        QCOMPARE(forgotPassword->text(), QStringLiteral("<a href='#'>Forgot user password?</a>"));
        QCOMPARE(forgotUserName->textFormat(), Qt::RichText);
        QVERIFY(!forgotUserName->openExternalLinks());
        QCOMPARE(forgotPassword->focusPolicy(), Qt::NoFocus);
        // The picture and the two field labels of the dialog's own rows.
        bool picture = false;
        QStringList labels;
        for (const QLabel *label : dialog.findChildren<QLabel *>()) {
            picture = picture || !label->pixmap().isNull();
            labels.append(label->text());
        }
        QVERIFY(picture);
        QVERIFY(labels.contains(QStringLiteral("User name:")));
        QVERIFY(labels.contains(QStringLiteral("User password:")));
    }

    void consoleStoresTheNetworkSettingsOnlyWhenAccepted()
    {
        StoreNetworkSettings(QStringLiteral("old.example"), 8080, QStringLiteral("Europe/Berlin"));
        ConsoleView console;
        QAction *networkSettings = consoletest::FindAction(&console, QStringLiteral("Network settings..."));
        QVERIFY(networkSettings && networkSettings->isEnabled());

        testsupport::DialogAnswerer answerer;
        answerer.expect([](QWidget *dialog) {
            Field<QLineEdit>(dialog, "serverNameLineEdit")->setText(QStringLiteral(" new.example "));
            Field<QPushButton>(dialog, "cancelPushButton")->click();
        });
        networkSettings->trigger();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.lastTitle(), QStringLiteral("Network Settings"));
        QCOMPARE(NetworkSettings().getServerName(), QStringLiteral("old.example"));

        answerer.expect([](QWidget *dialog) {
            Field<QLineEdit>(dialog, "serverNameLineEdit")->setText(QStringLiteral(" new.example "));
            Field<QSpinBox>(dialog, "serverPortSpinBox")->setValue(9443);
            Field<QComboBox>(dialog, "defaultTimeZoneComboBox")->setCurrentText(QStringLiteral("Asia/Tokyo"));
            Field<QPushButton>(dialog, "okPushButton")->click();
        });
        networkSettings->trigger();
        QVERIFY(answerer.waitForAll());
        const NetworkSettings stored;
        QCOMPARE(stored.getServerName(), QStringLiteral("new.example"));
        QCOMPARE(stored.getServerPort(), 9443u);
        QCOMPARE(stored.getDefaultTimeZone(), QStringLiteral("Asia/Tokyo"));
    }
};

QTEST_MAIN(TestNetworkDialogs)
#include "tst_networkdialogs.moc"
