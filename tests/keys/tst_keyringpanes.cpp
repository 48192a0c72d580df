#include "acelogcapture.h"
#include "clienttranslation.h"
#include "documentkeyringpanetreewidget.h"
#include "folderkeyringpanetreewidget.h"
#include "itemrole.h"
#include "keyrules.h"
#include "testenvironment.h"

#include "documentkey3.pb.h"
#include "folderkey3.pb.h"

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QTest>
#include <QTreeWidgetItem>

QORV_ISOLATE_TEST_ENVIRONMENT()

using testsupport::KeyRules;

namespace
{
const QString KeyIcon = QStringLiteral(":icons/32x32/key.png");
const QString KeyEditIcon = QStringLiteral(":icons/32x32/key_edit.png");

qorv::data::DocumentKey DocumentKey(int userId, const qorv::data::SecurityDescriptor &descriptor,
                                    const std::string &revision = "9999-12-31 00:00:00")
{
    qorv::data::DocumentKey key = testsupport::DocumentKeyWith(descriptor);
    key.mutable_document_key_user()->set_user_id(userId);
    key.set_document_key_document_revision(revision);
    return key;
}

qorv::data::FolderKey FolderKey(int userId, const qorv::data::SecurityDescriptor &descriptor)
{
    qorv::data::FolderKey key = testsupport::FolderKeyWith(descriptor);
    key.mutable_folder_key_user()->set_user_id(userId);
    return key;
}

bool ShowsIcon(const QTreeWidgetItem *item, const QString &path)
{
    return item->icon(0).pixmap(32, 32).toImage() == QIcon(path).pixmap(32, 32).toImage();
}

QString Checks(const QTreeWidgetItem *heading, int column)
{
    QString checks;
    for (int index = 0; index < heading->childCount(); ++index)
        checks += heading->child(index)->checkState(column) == Qt::Checked ? QLatin1Char('1') : QLatin1Char('0');
    return checks;
}

// The key row's "Active" box, then the permission, day and month leaves.
QString AllChecks(const QTreeWidgetItem *row, int daysColumn)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(row->checkState(1) == Qt::Checked ? QLatin1Char('1') : QLatin1Char('0'))
        .arg(Checks(row->child(0), 0), Checks(row->child(1), daysColumn), Checks(row->child(2), daysColumn));
}

QStringList Texts(const QTreeWidgetItem *row, int columns)
{
    QStringList texts;
    for (int column = 0; column < columns; ++column)
        texts.append(row->text(column));
    return texts;
}

// Ticks or unticks a box as the user does: the view changes the box, then
// reports the click.
void Click(QTreeWidget *tree, QTreeWidgetItem *item, int column)
{
    item->setCheckState(column, item->checkState(column) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    emit tree->itemClicked(item, column);
}
}

// The keyring panes: how a key becomes a row, and how ticks, updates,
// reverts and deletes change the rows.
class TestKeyringPanes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(testsupport::InstallClientTranslation()); }

    void documentKeyRow_data()
    {
        QTest::addColumn<qorv::data::DocumentKey>("key");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("checks");
        QTest::addColumn<bool>("bold");

        const QString all = QStringLiteral("1 10000000 1111111 111111111111");
        QTest::newRow("current revision")
            << DocumentKey(7, KeyRules().descriptor())
            << QStringList{"Lee, Ann", "", "", "", "Europe/Berlin", "", "9999-12-31 01:00:00"} << all << true;
        QTest::newRow("older revision in local time")
            << DocumentKey(7, KeyRules().descriptor(), "2026-03-01 09:15:02.123456")
            << QStringList{"Lee, Ann", "", "2026-03-01 10:15:02", "", "Europe/Berlin", "", "9999-12-31 01:00:00"} << all
            << true;
        QTest::newRow("any time on the last day is current")
            << DocumentKey(7, KeyRules().descriptor(), "9999-12-31 12:00:00")
            << QStringList{"Lee, Ann", "", "", "", "Europe/Berlin", "", "9999-12-31 01:00:00"} << all << true;
        QTest::newRow("earliest date") << DocumentKey(7, KeyRules().descriptor(), "1400-01-01 00:00:00")
                                       << QStringList{"Lee, Ann",           "", "", "", "Europe/Berlin", "",
                                                      "9999-12-31 01:00:00"}
                                       << all << true;
        QTest::newRow("no revision") << DocumentKey(7, KeyRules().descriptor(), "")
                                     << QStringList{"Lee, Ann", "", "", "", "Europe/Berlin", "", "9999-12-31 01:00:00"}
                                     << all << true;
        QTest::newRow("unreadable revision")
            << DocumentKey(7, KeyRules().descriptor(), "yesterday")
            << QStringList{"Lee, Ann", "", "", "", "Europe/Berlin", "", "9999-12-31 01:00:00"} << all << true;
        QTest::newRow("hours, duration, expiration")
            << DocumentKey(7, KeyRules()
                                  .hours("America/New_York", "08:00:00", "17:00:00")
                                  .expiration("2027-12-09 23:00:00")
                                  .permissions(0xFC3)
                                  .descriptor())
            << QStringList{"Lee, Ann", "", "", "08:00 AM - 05:00 PM", "America/New_York", "", "2027-12-10 00:00:00"}
            << QStringLiteral("1 11111111 1111111 111111111111") << true;
        qorv::data::DocumentKey session = DocumentKey(7, KeyRules().descriptor());
        session.mutable_document_key_security_descriptor()->set_session_duration(5400);
        QTest::newRow("duration in minutes")
            << session << QStringList{"Lee, Ann", "", "", "", "Europe/Berlin", "90 minutes", "9999-12-31 01:00:00"}
            << all << true;
        // Switched on, some weekday, some month, but no permission: no use.
        QTest::newRow("no permission") << DocumentKey(
            7, KeyRules().active(0x1 | (1u << 14) | (1u << 1)).permissions(0).descriptor())
                                       << QStringList{"Lee, Ann",           "", "", "", "Europe/Berlin", "",
                                                      "9999-12-31 01:00:00"}
                                       << QStringLiteral("1 00000000 1000000 100000000000") << false;
        QTest::newRow("switched off") << DocumentKey(7, KeyRules().active(0xFFFFE).descriptor())
                                      << QStringList{"Lee, Ann", "", "", "", "Europe/Berlin", "", "9999-12-31 01:00:00"}
                                      << QStringLiteral("0 10000000 1111111 111111111111") << false;
        QTest::newRow("Sunday and December only")
            << DocumentKey(7, KeyRules().active(0x1 | (1u << 13) | (1u << 12)).descriptor())
            << QStringList{"Lee, Ann", "", "", "", "Europe/Berlin", "", "9999-12-31 01:00:00"}
            << QStringLiteral("1 10000000 0000001 000000000001") << true;
        qorv::data::DocumentKey nameless = DocumentKey(7, KeyRules().descriptor());
        nameless.mutable_document_key_user()->clear_user_first_name();
        QTest::newRow("holder without a first name")
            << nameless << QStringList{"", "", "", "", "Europe/Berlin", "", "9999-12-31 01:00:00"} << all << true;
        // What the server sends is not trusted to be readable.
        QTest::newRow("malformed times and date")
            << DocumentKey(7, KeyRules().hours("Europe/Paris", "8 o'clock", "17:00:00").expiration("soon").descriptor())
            << QStringList{"Lee, Ann", "", "", "", "Europe/Paris", "", ""} << all << true;
        QTest::newRow("malformed end time")
            << DocumentKey(7,
                           KeyRules().hours("Europe/Paris", "08:00:00", "17:xx").expiration("2027-13-40").descriptor())
            << QStringList{"Lee, Ann", "", "", "", "Europe/Paris", "", ""} << all << true;
    }

    void documentKeyRow()
    {
        QFETCH(qorv::data::DocumentKey, key);
        QFETCH(QStringList, cells);
        QFETCH(QString, checks);
        QFETCH(bool, bold);

        testsupport::AceLogCapture log;
        DocumentKeyringPaneTreeWidget pane(nullptr);
        pane.addDocumentKey(key);

        QCOMPARE(pane.columnCount(), 7);
        QCOMPARE(pane.topLevelItemCount(), 1);
        QTreeWidgetItem *row = pane.topLevelItem(0);
        QCOMPARE(Texts(row, 7), cells);
        QCOMPARE(AllChecks(row, 1), checks);
        QCOMPARE(row->font(0).bold(), bold);
        QCOMPARE(row->font(0).strikeOut(), !bold);
        QVERIFY(ShowsIcon(row, KeyIcon));
        QVERIFY(IsDocumentKeyTreeWidgetItem(row));
        QCOMPARE(GetDocumentKey(row).SerializeAsString(), key.SerializeAsString());
        QCOMPARE(GetDocumentKeyBase(row).SerializeAsString(), key.SerializeAsString());
        QCOMPARE(log.count(QStringLiteral("assertion failed")), 0);
    }

    void rowLayout()
    {
        DocumentKeyringPaneTreeWidget pane(nullptr);
        pane.addDocumentKey(DocumentKey(7, KeyRules().descriptor()));
        QTreeWidgetItem *row = pane.topLevelItem(0);
        QCOMPARE(Texts(pane.headerItem(), 7),
                 (QStringList{"User", "Active", "Revision", "Hours", "Region", "Duration", "Expiration"}));
        QCOMPARE(row->child(0)->text(0), QStringLiteral("Permissions"));
        QCOMPARE(row->child(1)->text(1), QStringLiteral("Days"));
        QCOMPARE(row->child(2)->text(1), QStringLiteral("Months"));
        QCOMPARE(row->child(0)->child(2)->text(0), QStringLiteral("Copy from clipboard"));
        // The labels elide in a narrow window; their tool tips name the rule whole.
        QCOMPARE(row->child(0)->child(2)->toolTip(0), QStringLiteral("Copy from clipboard"));
        QCOMPARE(row->child(0)->toolTip(0), QStringLiteral("Permissions"));
        QCOMPARE(row->child(0)->child(7)->text(0), QStringLiteral("Search"));
        QCOMPARE(row->child(1)->child(0)->text(1), QStringLiteral("Monday"));
        QCOMPARE(row->child(1)->child(6)->text(1), QStringLiteral("Sunday"));
        QCOMPARE(row->child(2)->child(11)->text(1), QStringLiteral("December"));
        // Headings carry no box, leaves and the "Active" cell do.
        QVERIFY(!row->child(0)->data(0, Qt::CheckStateRole).isValid());
        QVERIFY(row->child(0)->child(0)->flags().testFlag(Qt::ItemIsUserCheckable));
        QVERIFY(row->text(1).isEmpty() && row->data(1, Qt::CheckStateRole).isValid());
        QCOMPARE(row->child(1)->child(0)->data(1, RowKindRole).toInt(), 16);
        QCOMPARE(row->child(1)->child(6)->data(1, RowKindRole).toInt(), 22);
        QCOMPARE(row->child(2)->child(0)->data(1, RowKindRole).toInt(), 24);
        // The row finders.
        QVERIFY(!IsDocumentKeyTreeWidgetItem(nullptr));
        QVERIFY(!IsDocumentKeyTreeWidgetItem(row->child(2)));
        QCOMPARE(GetDocumentKeyTreeWidgetItem(row->child(2)->child(4)), row);
        QCOMPARE(GetDocumentKey(row->child(1)).ByteSizeLong(), std::size_t(0));
        QTreeWidgetItem bare;
        QVERIFY(!IsDocumentKeyTreeWidgetItem(&bare));
        QVERIFY(!row->child(0)->isExpanded());
    }

    void ticksMarkTheRowModified()
    {
        DocumentKeyringPaneTreeWidget pane(nullptr);
        pane.addDocumentKey(DocumentKey(7, KeyRules().descriptor()));
        QTreeWidgetItem *row = pane.topLevelItem(0);
        QTreeWidgetItem *update = row->child(0)->child(1);

        Click(&pane, update, 0);
        QCOMPARE(GetDocumentKey(row).document_key_security_descriptor().permissions(), 0x3u);
        QCOMPARE(GetDocumentKeyBase(row).document_key_security_descriptor().permissions(), 0x1u);
        QVERIFY(ShowsIcon(row, KeyEditIcon));

        // Back to the saved rules: the mark follows the comparison, not a flag.
        Click(&pane, update, 0);
        QCOMPARE(GetDocumentKey(row).document_key_security_descriptor().permissions(), 0x1u);
        QVERIFY(ShowsIcon(row, KeyIcon));

        // A click on a label without a change writes the bit it already has.
        emit pane.itemClicked(row->child(2)->child(3), 1);
        QCOMPARE(GetDocumentKey(row).SerializeAsString(), GetDocumentKeyBase(row).SerializeAsString());

        // Headings, the name and the text cells change nothing.
        for (const auto &[item, column] :
             std::initializer_list<std::pair<QTreeWidgetItem *, int>>{{row->child(0), 0},
                                                                      {row->child(1), 1},
                                                                      {row->child(2), 1},
                                                                      {row, 0},
                                                                      {row, 2},
                                                                      {row, 6},
                                                                      {row->child(0)->child(0), 1}})
            emit pane.itemClicked(item, column);
        QCOMPARE(GetDocumentKey(row).SerializeAsString(), GetDocumentKeyBase(row).SerializeAsString());
        QVERIFY(ShowsIcon(row, KeyIcon));
    }

    void eachBoxWritesItsBit_data()
    {
        QTest::addColumn<int>("child");
        QTest::addColumn<int>("leaf");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("permission");
        QTest::addColumn<int>("bit");

        QTest::newRow("active") << -1 << -1 << 1 << false << 0;
        const int permissionBits[] = {0, 1, 7, 8, 9, 10, 11, 6};
        for (int leaf = 0; leaf < 8; ++leaf)
            QTest::addRow("permission %d", leaf) << 0 << leaf << 0 << true << permissionBits[leaf];
        const int dayBits[] = {14, 15, 16, 17, 18, 19, 13};
        for (int leaf = 0; leaf < 7; ++leaf)
            QTest::addRow("day %d", leaf) << 1 << leaf << 1 << false << dayBits[leaf];
        for (int leaf = 0; leaf < 12; ++leaf)
            QTest::addRow("month %d", leaf) << 2 << leaf << 1 << false << leaf + 1;
    }

    void eachBoxWritesItsBit()
    {
        QFETCH(int, child);
        QFETCH(int, leaf);
        QFETCH(int, column);
        QFETCH(bool, permission);
        QFETCH(int, bit);

        DocumentKeyringPaneTreeWidget pane(nullptr);
        pane.addDocumentKey(DocumentKey(7, KeyRules().permissions(0xFC3).descriptor()));
        QTreeWidgetItem *row = pane.topLevelItem(0);
        QTreeWidgetItem *box = child < 0 ? row : row->child(child)->child(leaf);
        Click(&pane, box, column);

        const qorv::data::SecurityDescriptor edited = GetDocumentKey(row).document_key_security_descriptor();
        QCOMPARE(permission ? edited.permissions() : edited.active(), (permission ? 0xFC3u : 0xFFFFFu) & ~(1u << bit));
        QCOMPARE(permission ? edited.active() : edited.permissions(), permission ? 0xFFFFFu : 0xFC3u);
        QVERIFY(ShowsIcon(row, KeyEditIcon));
        // Unticking the switch strikes the key through at once.
        if (child < 0)
            QVERIFY(row->font(0).strikeOut() && !row->font(0).bold());
    }

    void fontFollowsEveryTick()
    {
        DocumentKeyringPaneTreeWidget pane(nullptr);
        pane.addDocumentKey(DocumentKey(7, KeyRules().permissions(0).descriptor()));
        QTreeWidgetItem *row = pane.topLevelItem(0);
        QVERIFY(row->font(0).strikeOut());
        Click(&pane, row->child(0)->child(6), 0); // Print
        QVERIFY(row->font(0).bold() && !row->font(0).strikeOut());
        QTreeWidgetItem *days = row->child(1);
        for (int index = 0; index < days->childCount(); ++index)
            Click(&pane, days->child(index), 1);
        QVERIFY(!row->font(0).bold() && row->font(0).strikeOut());
    }

    void updateRevertAndDeleteByHolder()
    {
        DocumentKeyringPaneTreeWidget pane(nullptr);
        pane.addDocumentKey(DocumentKey(7, KeyRules().descriptor()));
        pane.addDocumentKey(DocumentKey(8, KeyRules().descriptor()));
        pane.addDocumentKey(DocumentKey(7, KeyRules().descriptor()));
        qorv::data::DocumentKey noId = DocumentKey(0, KeyRules().descriptor());
        noId.mutable_document_key_user()->clear_user_id();
        pane.addDocumentKey(noId);
        QTreeWidgetItem *first = pane.topLevelItem(0);
        QTreeWidgetItem *second = pane.topLevelItem(1);
        QTreeWidgetItem *third = pane.topLevelItem(2);
        Click(&pane, first->child(0)->child(1), 0);
        Click(&pane, second->child(0)->child(1), 0);

        // The saved key comes back: both copies equal, every cell and box
        // shows it, and only the upper row of the holder changes.
        const qorv::data::DocumentKey saved =
            DocumentKey(7, KeyRules().hours("Asia/Tokyo", "09:00:00", "18:00:00").permissions(0x41).descriptor(),
                        "2026-03-01 09:15:02");
        pane.updateDocumentKey(saved);
        QCOMPARE(GetDocumentKey(first).SerializeAsString(), saved.SerializeAsString());
        QCOMPARE(GetDocumentKeyBase(first).SerializeAsString(), saved.SerializeAsString());
        QCOMPARE(Texts(first, 7), (QStringList{"Lee, Ann", "", "2026-03-01 10:15:02", "09:00 AM - 06:00 PM",
                                               "Asia/Tokyo", "", "9999-12-31 01:00:00"}));
        QCOMPARE(AllChecks(first, 1), QStringLiteral("1 10000001 1111111 111111111111"));
        QVERIFY(ShowsIcon(first, KeyIcon));
        QVERIFY(ShowsIcon(second, KeyEditIcon));
        QCOMPARE(GetDocumentKey(second).document_key_security_descriptor().permissions(), 0x3u);
        QCOMPARE(Texts(third, 7).at(2), QString());

        // Revert returns the edited row to its base key.
        pane.revertDocumentKey(GetDocumentKeyBase(second));
        QVERIFY(ShowsIcon(second, KeyIcon));
        QCOMPARE(GetDocumentKey(second).SerializeAsString(), GetDocumentKeyBase(second).SerializeAsString());
        QCOMPARE(Checks(second->child(0), 0), QStringLiteral("10000000"));

        // Nobody to update or delete: nothing happens.
        pane.updateDocumentKey(DocumentKey(99, KeyRules().descriptor()));
        pane.deleteDocumentKey(99);
        QCOMPARE(pane.topLevelItemCount(), 4);

        pane.deleteDocumentKey(7);
        QCOMPARE(pane.topLevelItemCount(), 3);
        QCOMPARE(pane.topLevelItem(0), second);
        QCOMPARE(pane.topLevelItem(1), third);
        pane.deleteDocumentKey(0);
        QCOMPARE(pane.topLevelItemCount(), 2);
    }

    void toggles()
    {
        DocumentKeyringPaneTreeWidget empty(nullptr);
        empty.viewDaysToggled(true);

        DocumentKeyringPaneTreeWidget pane(nullptr);
        pane.addDocumentKey(DocumentKey(7, KeyRules().descriptor()));
        pane.addDocumentKey(DocumentKey(8, KeyRules().descriptor()));
        const QList<QTreeWidgetItem *> rows{pane.topLevelItem(0), pane.topLevelItem(1)};
        auto expanded = [&rows](int child) {
            QString states;
            for (const QTreeWidgetItem *row : rows)
                states += (child < 0 ? row : row->child(child))->isExpanded() ? QLatin1Char('1') : QLatin1Char('0');
            return states;
        };
        QCOMPARE(expanded(-1), QStringLiteral("00"));
        pane.viewDaysToggled(true);
        QCOMPARE(expanded(-1) + expanded(0) + expanded(1) + expanded(2), QStringLiteral("11001100"));
        pane.viewPermissionsToggled(true);
        pane.viewDaysToggled(false);
        // Key rows are never collapsed by a toggle; the other headings stay.
        QCOMPARE(expanded(-1) + expanded(0) + expanded(1) + expanded(2), QStringLiteral("11110000"));
        pane.viewMonthsToggled(true);
        QCOMPARE(expanded(2), QStringLiteral("11"));
        pane.viewMonthsToggled(false);
        pane.viewPermissionsToggled(false);
        QCOMPARE(expanded(-1) + expanded(0) + expanded(1) + expanded(2), QStringLiteral("11000000"));
    }

    void folderKeyRows()
    {
        FolderKeyringPaneTreeWidget pane(nullptr);
        pane.addFolderKey(FolderKey(7, KeyRules().permissions(0x41).expiration("2027-12-09 23:00:00").descriptor()));
        pane.addFolderKey(FolderKey(8, KeyRules().hours("Europe/Paris", "25:00", "x").descriptor()));
        QCOMPARE(pane.columnCount(), 6);
        QCOMPARE(Texts(pane.headerItem(), 6),
                 (QStringList{"User", "Active", "Hours", "Region", "Duration", "Expiration"}));
        QTreeWidgetItem *row = pane.topLevelItem(0);
        QCOMPARE(Texts(row, 6), (QStringList{"Lee, Ann", "", "", "Europe/Berlin", "", "2027-12-10 00:00:00"}));
        QCOMPARE(AllChecks(row, 1), QStringLiteral("1 11 1111111 111111111111"));
        QCOMPARE(row->child(0)->child(1)->text(0), QStringLiteral("Search"));
        QCOMPARE(row->child(1)->child(0)->data(1, RowKindRole).toInt(), 6);
        QCOMPARE(row->child(2)->child(11)->data(1, RowKindRole).toInt(), 25);
        QCOMPARE(pane.topLevelItem(1)->text(2), QString());

        Click(&pane, row->child(0)->child(1), 0);
        QCOMPARE(GetFolderKey(row).folder_key_security_descriptor().permissions(), 0x1u);
        QVERIFY(ShowsIcon(row, KeyEditIcon));
        Click(&pane, row->child(1)->child(6), 1);
        QCOMPARE(GetFolderKey(row).folder_key_security_descriptor().active(), 0xFFFFFu & ~(1u << 13));

        pane.revertFolderKey(GetFolderKeyBase(row));
        QVERIFY(ShowsIcon(row, KeyIcon));
        QCOMPARE(AllChecks(row, 1), QStringLiteral("1 11 1111111 111111111111"));
        QCOMPARE(GetFolderKey(row).SerializeAsString(), GetFolderKeyBase(row).SerializeAsString());

        pane.updateFolderKey(FolderKey(7, KeyRules().permissions(0x40).active(0xFFFFE).descriptor()));
        QCOMPARE(AllChecks(row, 1), QStringLiteral("0 01 1111111 111111111111"));
        QVERIFY(row->font(0).strikeOut());
        QVERIFY(IsFolderKeyTreeWidgetItem(row) && !IsFolderKeyTreeWidgetItem(row->child(0)));
        QCOMPARE(GetFolderKeyTreeWidgetItem(row->child(2)->child(0)), row);
        pane.deleteFolderKey(7);
        QCOMPARE(pane.topLevelItemCount(), 1);
        pane.viewMonthsToggled(true);
        QVERIFY(pane.topLevelItem(0)->child(2)->isExpanded());
    }
};

QTEST_MAIN(TestKeyringPanes)
#include "tst_keyringpanes.moc"
