#include "clienttranslation.h"
#include "createmessagedialog.h"
#include "testenvironment.h"

#include "message3.pb.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
// The boxes in the order the tabs show them, with the bit each writes.
const QList<int> ContentBits = {0, 3, 4, 5, 6, 7};
const QList<int> UserBits = {8, 9, 10};

QTabWidget *Tabs(const QDialog &dialog)
{
    return dialog.findChild<QTabWidget *>();
}

QList<QCheckBox *> Boxes(const QDialog &dialog, int tab)
{
    return Tabs(dialog)->widget(tab)->findChildren<QCheckBox *>();
}

QCheckBox *Box(const QDialog &dialog, int bit)
{
    if (ContentBits.contains(bit))
        return Boxes(dialog, 1).value(ContentBits.indexOf(bit));
    return Boxes(dialog, 2).value(UserBits.indexOf(bit));
}

QList<QCheckBox *> PermissionBoxes(const QDialog &dialog)
{
    return Boxes(dialog, 1) + Boxes(dialog, 2);
}

QLineEdit *Subject(const QDialog &dialog)
{
    return dialog.findChild<QLineEdit *>(QStringLiteral("messageSubjectLineEdit"));
}

QCheckBox *ReadOnly(const QDialog &dialog)
{
    return dialog.findChild<QCheckBox *>(QStringLiteral("messageReadOnlyCheckBox"));
}

QAbstractButton *Ok(const QDialog &dialog)
{
    return dialog.findChild<QDialogButtonBox *>()->buttons().value(0);
}

unsigned int Permissions(const qorv::data::Message &message)
{
    return message.message_security_descriptor().permissions();
}

QStringList RowLabels(const QWidget *tab)
{
    QStringList labels;
    const auto *form = qobject_cast<const QFormLayout *>(tab->layout());
    for (int row = 0; form && row < form->rowCount(); ++row) {
        if (const auto *label = qobject_cast<const QLabel *>(form->itemAt(row, QFormLayout::LabelRole)->widget()))
            labels.append(label->text());
    }
    return labels;
}
}

// The dialog of a new message: its subject and what the recipients may do,
// written straight into the caller's message.
class TestCreateMessageDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(testsupport::InstallClientTranslation()); }

    void newDialog()
    {
        qorv::data::Message message;
        CreateMessageDialog dialog(&message, nullptr);

        QCOMPARE(dialog.windowTitle(), QStringLiteral("Create Message"));
        QVERIFY(dialog.minimumWidth() >= 480);
        QCOMPARE(Tabs(dialog)->count(), 3);
        QCOMPARE(Tabs(dialog)->tabText(0), QStringLiteral("General"));
        QCOMPARE(Tabs(dialog)->tabText(1), QStringLiteral("Message Content Permissions"));
        QCOMPARE(Tabs(dialog)->tabText(2), QStringLiteral("Message User Permissions"));
        QVERIFY(Tabs(dialog)->tabIcon(0).isNull());
        QVERIFY(!Tabs(dialog)->tabIcon(1).isNull() && !Tabs(dialog)->tabIcon(2).isNull());
        QCOMPARE(RowLabels(Tabs(dialog)->widget(0)), QStringList({"Message subject:", "Message read-only"}));
        QCOMPARE(RowLabels(Tabs(dialog)->widget(1)),
                 QStringList({"Allow the contents of the message to be viewed",
                              "Allow the contents of the message to be copied to the clipboard",
                              "Allow the contents of the document to be exported to a text file",
                              "Allow the contents of the message to be exported to a PDF file",
                              "Allow the contents of the message to be printed",
                              "Allow the contents of the message to be searched"}));
        QCOMPARE(RowLabels(Tabs(dialog)->widget(2)),
                 QStringList({"Allow reply", "Allow reply to all", "Allow forward to others"}));
        QCOMPARE(Ok(dialog)->text(), QStringLiteral("OK"));
        QVERIFY(!Ok(dialog)->isEnabled());
        QCOMPARE(dialog.focusWidget(), Subject(dialog));
        // View, search, reply and reply to all.
        QCOMPARE(Permissions(message), 897U);
        QString checked;
        for (const QCheckBox *box : PermissionBoxes(dialog))
            checked += box->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
        QCOMPARE(checked, QStringLiteral("100001110"));
        QVERIFY(message.message_subject().empty());
    }

    void reservedBitsAreLeftAlone()
    {
        qorv::data::Message message;
        message.mutable_message_security_descriptor()->set_permissions(0x6);

        CreateMessageDialog dialog(&message, nullptr);
        ReadOnly(dialog)->setChecked(true);
        ReadOnly(dialog)->setChecked(false);

        QCOMPARE(Permissions(message), 769U | 0x6U);
    }

    void subject_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("okEnabled");
        QTest::newRow("plain") << "Lunch"
                               << "Lunch" << true;
        QTest::newRow("blanks around") << "  Lunch at noon  "
                                       << "Lunch at noon" << true;
        QTest::newRow("blanks only") << "   "
                                     << "" << false;
        QTest::newRow("umlauts") << "Grüße"
                                 << "Grüße" << true;
    }

    void subject()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(bool, okEnabled);
        qorv::data::Message message;
        CreateMessageDialog dialog(&message, nullptr);

        // Typed through the input method, as a user types any character.
        QInputMethodEvent typing;
        typing.setCommitString(typed);
        QCoreApplication::sendEvent(Subject(dialog), &typing);

        QCOMPARE(Subject(dialog)->text(), typed);
        QCOMPARE(QString::fromStdString(message.message_subject()), stored);
        QCOMPARE(Ok(dialog)->isEnabled(), okEnabled);
    }

    void clearedSubjectKeepsTheLastOneButDisablesOk()
    {
        qorv::data::Message message;
        CreateMessageDialog dialog(&message, nullptr);
        QTest::keyClicks(Subject(dialog), QStringLiteral(" Lunch "));

        Subject(dialog)->selectAll();
        QTest::keyClick(Subject(dialog), Qt::Key_Backspace);

        QVERIFY(!Ok(dialog)->isEnabled());
        QCOMPARE(message.message_subject(), std::string("Lunch"));
    }

    void eachBoxWritesItsBit_data()
    {
        QTest::addColumn<int>("bit");
        for (int bit : ContentBits + UserBits)
            QTest::newRow(qPrintable(QStringLiteral("bit %1").arg(bit))) << bit;
    }

    void eachBoxWritesItsBit()
    {
        QFETCH(int, bit);
        qorv::data::Message message;
        CreateMessageDialog dialog(&message, nullptr);
        const unsigned int before = Permissions(message);

        Box(dialog, bit)->click();

        QCOMPARE(Permissions(message), before ^ (1U << bit));
        Box(dialog, bit)->click();
        QCOMPARE(Permissions(message), before);
    }

    void readOnly()
    {
        qorv::data::Message message;
        CreateMessageDialog dialog(&message, nullptr);
        Box(dialog, 10)->click();
        Box(dialog, 3)->click();

        ReadOnly(dialog)->click();

        QCOMPARE(Permissions(message), 1U);
        for (const QCheckBox *box : PermissionBoxes(dialog))
            QVERIFY(!box->isEnabled());
        QVERIFY(Box(dialog, 0)->isChecked());

        ReadOnly(dialog)->click();

        // View, reply and reply to all; the earlier choices do not come back.
        QCOMPARE(Permissions(message), 769U);
        for (const QCheckBox *box : PermissionBoxes(dialog))
            QVERIFY(box->isEnabled());
        QVERIFY(!Box(dialog, 7)->isChecked());
        QVERIFY(!Box(dialog, 10)->isChecked());
    }

    void readOnlyReachesTheContentTabFirst()
    {
        qorv::data::Message message;
        CreateMessageDialog dialog(&message, nullptr);
        QStringList order;
        for (QCheckBox *box : Boxes(dialog, 1))
            connect(box, &QCheckBox::stateChanged, this, [&order] { order.append(QStringLiteral("content")); });
        for (QCheckBox *box : Boxes(dialog, 2))
            connect(box, &QCheckBox::stateChanged, this, [&order] { order.append(QStringLiteral("user")); });

        ReadOnly(dialog)->click();

        QVERIFY(!order.isEmpty());
        QCOMPARE(order.first(), QStringLiteral("content"));
        QCOMPARE(order.lastIndexOf(QStringLiteral("content")) < order.indexOf(QStringLiteral("user")), true);
    }

    void okAcceptsAndCancelRejects_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("ok") << true;
        QTest::newRow("cancel") << false;
    }

    void okAcceptsAndCancelRejects()
    {
        QFETCH(bool, ok);
        qorv::data::Message message;
        CreateMessageDialog dialog(&message, nullptr);
        QTest::keyClicks(Subject(dialog), QStringLiteral("Lunch"));
        dialog.show();

        dialog.findChild<QDialogButtonBox *>()->buttons().value(ok ? 0 : 1)->click();

        QCOMPARE(dialog.result(), ok ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(message.message_subject(), std::string("Lunch"));
    }
};

QTEST_MAIN(TestCreateMessageDialog)
#include "tst_createmessagedialog.moc"
