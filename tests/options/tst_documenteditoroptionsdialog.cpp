#include "documenteditoroptionsdialog.h"
#include "programsetup.h"
#include "settingssingleton.h"
#include "testenvironment.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
const QString Prefix = QStringLiteral("DocumentEditor/Options/");

// The English group titles, which tell the five groups apart.
const QString Standard = QStringLiteral("Standard Tool Bar Options");
const QString Formatting = QStringLiteral("Formatting Tool Bar Options");
const QString Icon = QStringLiteral("Icon Tool Bar Options");
const QString Attachments = QStringLiteral("URL Attachments Dock Widget Options");
const QString Revision = QStringLiteral("Revision History Dock Widget Options");

QGroupBox *Group(const QDialog &dialog, const QString &title)
{
    for (QGroupBox *box : dialog.findChildren<QGroupBox *>()) {
        if (box->title() == title)
            return box;
    }
    return nullptr;
}

QCheckBox *CheckBox(const QDialog &dialog, const QString &group, const QString &text)
{
    for (QCheckBox *box : Group(dialog, group)->findChildren<QCheckBox *>()) {
        if (box->text() == text)
            return box;
    }
    return nullptr;
}

QCheckBox *DisplayBox(const QDialog &dialog, const QString &group)
{
    return CheckBox(dialog, group, QStringLiteral("Display by Default"));
}

QCheckBox *BreakBox(const QDialog &dialog, const QString &group)
{
    return CheckBox(dialog, group, QStringLiteral("Add Tool Bar break"));
}

// The checked area of a group as its flag value; 0 when none is checked.
int CheckedArea(const QDialog &dialog, const QString &group)
{
    int area = 0;
    for (QRadioButton *button : Group(dialog, group)->findChildren<QRadioButton *>()) {
        if (!button->isChecked())
            continue;
        const QString text = button->text();
        area = text.contains(QLatin1String("Left"))    ? 1
               : text.contains(QLatin1String("Right")) ? 2
               : text.contains(QLatin1String("Top"))   ? 4
                                                       : 8;
    }
    return area;
}

void CheckArea(const QDialog &dialog, const QString &group, const QString &which)
{
    for (QRadioButton *button : Group(dialog, group)->findChildren<QRadioButton *>()) {
        if (button->text().contains(which))
            button->setChecked(true);
    }
}

Settings &Store()
{
    return *SettingsSingleton::instance();
}

QPushButton *Button(const QDialog &dialog, QDialogButtonBox::StandardButton which)
{
    return dialog.findChild<QDialogButtonBox *>()->button(which);
}
}

class TestDocumentEditorOptionsDialog : public QObject
{
    Q_OBJECT

private:
    static void addFactoryRows()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("standard display") << "StandardToolBarDisplay" << QVariant(true);
        QTest::newRow("formatting display") << "FormattingToolBarDisplay" << QVariant(true);
        QTest::newRow("icon display") << "IconToolBarDisplay" << QVariant(false);
        QTest::newRow("attachments display") << "UrlAttachmentsDockWidgetDisplay" << QVariant(false);
        QTest::newRow("standard area") << "StandardToolBarArea" << QVariant(4);
        QTest::newRow("formatting area") << "FormattingToolBarArea" << QVariant(4);
        QTest::newRow("icon area") << "IconToolBarArea" << QVariant(4);
        QTest::newRow("attachments area") << "UrlAttachmentsDockWidgetArea" << QVariant(8);
        QTest::newRow("revision area") << "RevisionHistoryDockWidgetArea" << QVariant(1);
        QTest::newRow("standard break") << "StandardToolBarBreak" << QVariant(true);
        QTest::newRow("formatting break") << "FormattingToolBarBreak" << QVariant(true);
        QTest::newRow("icon break") << "IconToolBarBreak" << QVariant(false);
    }

    static void verifyFactoryWidgets(const QDialog &dialog)
    {
        QVERIFY(DisplayBox(dialog, Standard)->isChecked());
        QVERIFY(DisplayBox(dialog, Formatting)->isChecked());
        QVERIFY(!DisplayBox(dialog, Icon)->isChecked());
        QVERIFY(!DisplayBox(dialog, Attachments)->isChecked());
        QCOMPARE(CheckedArea(dialog, Standard), 4);
        QCOMPARE(CheckedArea(dialog, Formatting), 4);
        QCOMPARE(CheckedArea(dialog, Icon), 4);
        QCOMPARE(CheckedArea(dialog, Attachments), 8);
        QCOMPARE(CheckedArea(dialog, Revision), 1);
        QVERIFY(BreakBox(dialog, Standard)->isChecked());
        QVERIFY(BreakBox(dialog, Formatting)->isChecked());
        QVERIFY(!BreakBox(dialog, Icon)->isChecked());
    }

private slots:
    void initTestCase() { QVERIFY(testsupport::SetUpLikeTheProgram()); }

    void init() { Store().clear(); }

    void dialogIsBuiltAsDescribed()
    {
        DocumentEditorOptionsDialog dialog(nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Document Editor Options"));
        QCOMPARE(dialog.minimumWidth(), 480);
        QVERIFY(!dialog.windowIcon().isNull());
        // Three tool-bar groups with display, four areas and break; the
        // attachments without break; the revision history with areas only.
        for (const QString &group : {Standard, Formatting, Icon}) {
            QCOMPARE(Group(dialog, group)->findChildren<QCheckBox *>().size(), 2);
            QCOMPARE(Group(dialog, group)->findChildren<QRadioButton *>().size(), 4);
        }
        QCOMPARE(Group(dialog, Attachments)->findChildren<QCheckBox *>().size(), 1);
        QCOMPARE(Group(dialog, Revision)->findChildren<QCheckBox *>().size(), 0);
        QCOMPARE(Group(dialog, Revision)->findChildren<QRadioButton *>().size(), 4);
        QVERIFY(Button(dialog, QDialogButtonBox::Save));
        QVERIFY(Button(dialog, QDialogButtonBox::Cancel));
        QVERIFY(Button(dialog, QDialogButtonBox::Reset));
    }

    void emptyStoreShowsTheFactoryLayout()
    {
        DocumentEditorOptionsDialog dialog(nullptr);
        verifyFactoryWidgets(dialog);
    }

    void saveOnAnEmptyStoreWritesTheFactoryLayout_data() { addFactoryRows(); }

    void saveOnAnEmptyStoreWritesTheFactoryLayout()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        DocumentEditorOptionsDialog dialog(nullptr);
        Button(dialog, QDialogButtonBox::Save)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(Store().contains(Prefix + key));
        QCOMPARE(Store().value(Prefix + key).toInt(), value.toInt());
    }

    void storedAreaIsShown_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shown");
        const struct
        {
            const char *key;
            QString group;
            int fallback;
        } groups[] = {{"StandardToolBarArea", Standard, 4},
                      {"FormattingToolBarArea", Formatting, 4},
                      {"IconToolBarArea", Icon, 4},
                      {"UrlAttachmentsDockWidgetArea", Attachments, 8},
                      {"RevisionHistoryDockWidgetArea", Revision, 1}};
        for (const auto &group : groups) {
            for (int stored : {1, 2, 4, 8})
                QTest::addRow("%s %d", group.key, stored) << group.key << group.group << stored << stored;
            // Values that name no area show the group's own default.
            for (int stored : {0, 3, 16, -1})
                QTest::addRow("%s %d", group.key, stored) << group.key << group.group << stored << group.fallback;
        }
    }

    void storedAreaIsShown()
    {
        QFETCH(QString, key);
        QFETCH(QString, group);
        QFETCH(int, stored);
        QFETCH(int, shown);
        Store().setValue(Prefix + key, stored);
        DocumentEditorOptionsDialog dialog(nullptr);
        QCOMPARE(CheckedArea(dialog, group), shown);
    }

    void storedChoicesAreShownAndSavedBack()
    {
        Store().setValue(Prefix + "StandardToolBarDisplay", false);
        Store().setValue(Prefix + "IconToolBarDisplay", true);
        Store().setValue(Prefix + "UrlAttachmentsDockWidgetDisplay", true);
        Store().setValue(Prefix + "IconToolBarArea", 2);
        Store().setValue(Prefix + "FormattingToolBarBreak", false);
        Store().setValue(Prefix + "IconToolBarBreak", true);
        DocumentEditorOptionsDialog dialog(nullptr);
        QVERIFY(!DisplayBox(dialog, Standard)->isChecked());
        QVERIFY(DisplayBox(dialog, Icon)->isChecked());
        QVERIFY(DisplayBox(dialog, Attachments)->isChecked());
        QCOMPARE(CheckedArea(dialog, Icon), 2);
        QVERIFY(!BreakBox(dialog, Formatting)->isChecked());
        QVERIFY(BreakBox(dialog, Icon)->isChecked());

        // The user's own changes are what Save writes.
        CheckArea(dialog, Revision, QStringLiteral("Bottom"));
        CheckArea(dialog, Standard, QStringLiteral("Left"));
        BreakBox(dialog, Standard)->setChecked(false);
        Button(dialog, QDialogButtonBox::Save)->click();
        QCOMPARE(Store().value(Prefix + "RevisionHistoryDockWidgetArea").toInt(), 8);
        QCOMPARE(Store().value(Prefix + "StandardToolBarArea").toInt(), 1);
        QCOMPARE(Store().value(Prefix + "StandardToolBarBreak").toBool(), false);
        QCOMPARE(Store().value(Prefix + "IconToolBarArea").toInt(), 2);
        QCOMPARE(Store().value(Prefix + "StandardToolBarDisplay").toBool(), false);
    }

    void areaButtonsExcludeEachOtherWithinTheirGroupOnly()
    {
        DocumentEditorOptionsDialog dialog(nullptr);
        CheckArea(dialog, Standard, QStringLiteral("Right"));
        int checked = 0;
        for (const QRadioButton *button : Group(dialog, Standard)->findChildren<QRadioButton *>())
            checked += button->isChecked() ? 1 : 0;
        QCOMPARE(checked, 1);
        QCOMPARE(CheckedArea(dialog, Standard), 2);
        QCOMPARE(CheckedArea(dialog, Formatting), 4);
        QCOMPARE(CheckedArea(dialog, Revision), 1);
    }

    void resetShowsTheFactoryLayoutWritesNothingAndStaysOpen()
    {
        Store().setValue(Prefix + "StandardToolBarDisplay", false);
        Store().setValue(Prefix + "RevisionHistoryDockWidgetArea", 2);
        Store().setValue(Prefix + "IconToolBarBreak", true);
        DocumentEditorOptionsDialog dialog(nullptr);
        dialog.show();
        Button(dialog, QDialogButtonBox::Reset)->click();
        verifyFactoryWidgets(dialog);
        QVERIFY(dialog.isVisible());
        QCOMPARE(Store().value(Prefix + "StandardToolBarDisplay").toBool(), false);

        // Reset then Cancel leaves the store as it was.
        Button(dialog, QDialogButtonBox::Cancel)->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(Store().allKeys().size(), 3);
        QCOMPARE(Store().value(Prefix + "RevisionHistoryDockWidgetArea").toInt(), 2);
        QCOMPARE(Store().value(Prefix + "IconToolBarBreak").toBool(), true);
    }

    void cancelWritesNothing()
    {
        DocumentEditorOptionsDialog dialog(nullptr);
        DisplayBox(dialog, Icon)->setChecked(true);
        Button(dialog, QDialogButtonBox::Cancel)->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(Store().allKeys().isEmpty());
    }
};

QTEST_MAIN(TestDocumentEditorOptionsDialog)
#include "tst_documenteditoroptionsdialog.moc"
