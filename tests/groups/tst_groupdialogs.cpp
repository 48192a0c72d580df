#include "clienttranslation.h"
#include "creategroupdialog.h"
#include "dialoganswerer.h"
#include "editgroupdialog.h"
#include "testenvironment.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
QLineEdit *Field(const QDialog &dialog, const char *name)
{
    return dialog.findChild<QLineEdit *>(QLatin1String(name));
}

// Types the two values, then presses the button.
testsupport::DialogAnswerer::Action Fill(const QString &name, const QString &description, const char *button)
{
    return [name, description, button](QWidget *shown) {
        auto *nameField = shown->findChild<QLineEdit *>(QStringLiteral("groupNameLineEdit"));
        auto *descriptionField = shown->findChild<QLineEdit *>(QStringLiteral("groupDescriptionLineEdit"));
        nameField->selectAll();
        QTest::keyClicks(nameField, name);
        descriptionField->selectAll();
        QTest::keyClicks(descriptionField, description);
        shown->findChild<QPushButton *>(QLatin1String(button))->click();
    };
}
}

// The dialogs that name a user group: what they show, and the values the
// caller reads back.
class TestGroupDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(testsupport::InstallClientTranslation()); }

    void createDialogShows()
    {
        CreateGroupDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Create Group"));
        QCOMPARE(dialog.minimumWidth(), 300);
        QStringList labels;
        for (const QLabel *label : dialog.findChildren<QLabel *>()) {
            labels.append(label->text());
            QVERIFY(qobject_cast<QLineEdit *>(label->buddy()));
        }
        QCOMPARE(labels, QStringList({"Group name:", "Group description:"}));
        QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("okPushButton"))->text(), QStringLiteral("OK"));
        QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("cancelPushButton"))->text(), QStringLiteral("Cancel"));
    }

    void valuesComeBackTrimmed_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("groupName");
        QTest::addColumn<QString>("groupDescription");
        QTest::newRow("blanks around") << "  Book club  "
                                       << "\tMonday nights "
                                       << "Book club"
                                       << "Monday nights";
        QTest::newRow("both empty still accepted") << ""
                                                   << ""
                                                   << ""
                                                   << "";
        QTest::newRow("only blanks") << "   "
                                     << "  "
                                     << ""
                                     << "";
    }

    void valuesComeBackTrimmed()
    {
        QFETCH(QString, name);
        QFETCH(QString, description);
        QFETCH(QString, groupName);
        QFETCH(QString, groupDescription);
        CreateGroupDialog dialog;
        testsupport::DialogAnswerer answerer;
        answerer.expect(Fill(name, description, "okPushButton"));

        QCOMPARE(dialog.exec(), int(QDialog::Accepted));

        QCOMPARE(dialog.getGroupName(), groupName);
        QCOMPARE(dialog.getGroupDescription(), groupDescription);
    }

    void cancelRejects()
    {
        CreateGroupDialog dialog;
        testsupport::DialogAnswerer answerer;
        answerer.expect(Fill(QStringLiteral("Team"), QString(), "cancelPushButton"));
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    }

    void editDialogComesFilled()
    {
        EditGroupDialog dialog;
        dialog.setGroupName(QStringLiteral(" Book club "));
        dialog.setGroupDescription(QStringLiteral("Monday nights"));

        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Group"));
        QCOMPARE(Field(dialog, "groupNameLineEdit")->text(), QStringLiteral(" Book club "));
        QCOMPARE(Field(dialog, "groupDescriptionLineEdit")->text(), QStringLiteral("Monday nights"));
        QCOMPARE(dialog.getGroupName(), QStringLiteral("Book club"));
        QCOMPARE(dialog.getGroupDescription(), QStringLiteral("Monday nights"));
        QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("okPushButton"))->text(), QStringLiteral("OK"));
    }
};

QTEST_MAIN(TestGroupDialogs)
#include "tst_groupdialogs.moc"
