#include "clienttranslation.h"
#include "common/majorcode.h"
#include "common/mimeformat.h"
#include "common/minortag.h"
#include "dispatchtotestserver.h"
#include "itemrole.h"
#include "itemtype.h"
#include "listfillguard.h"
#include "messagebrowsermainpanetreewidget.h"
#include "messagebrowsersidepanetreewidget.h"
#include "messagestore.h"
#include "syntheticdrag.h"
#include "testenvironment.h"

#include "messagefolder3.pb.h"

#include <QApplication>
#include <QDateTime>
#include <QDrag>
#include <QHeaderView>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>

QORV_ISOLATE_TEST_ENVIRONMENT()

using messagestest::MessageStore;
namespace data = qorv::data;

namespace
{
constexpr int Bob = 7;
constexpr int Cy = 8;
constexpr int Ann = MessageStore::SessionUserId;
constexpr int Root = MessageStore::RootFolderId;
constexpr int Work = 701;

// The permission bits of the nine rows, in their order.
const QList<int> RowBits = {0, 3, 4, 5, 6, 7, 8, 9, 10};

unsigned int Permissions(const data::Message &message)
{
    return message.message_security_descriptor().permissions();
}

data::Message Edited(const QTreeWidgetItem *row)
{
    return row->data(0, EditedRecordRole).value<data::Message>();
}

data::Message Saved(const QTreeWidgetItem *row)
{
    return row->data(0, SavedRecordRole).value<data::Message>();
}

QList<QTreeWidgetItem *> PermissionRows(QTreeWidgetItem *row)
{
    QList<QTreeWidgetItem *> rows;
    for (int index = 0; index < row->child(0)->childCount(); ++index)
        rows.append(row->child(0)->child(index));
    return rows;
}

QStringList Subjects(const QTreeWidget &tree)
{
    QStringList subjects;
    for (int index = 0; index < tree.topLevelItemCount(); ++index)
        subjects.append(tree.topLevelItem(index)->text(2));
    return subjects;
}

// Distinct modification times that come out of the order they are given in:
// 7919 shares no factor with 4000, so the first 4000 indexes give 4000
// minutes.
std::string ShuffledDate(int index)
{
    const QDateTime base(QDate(2025, 1, 1), QTime(0, 0), Qt::UTC);
    return base.addSecs(60LL * ((index * 7919) % 4000)).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")).toStdString();
}

// The Modified texts of the message rows, top to bottom.
QStringList ModifiedTexts(const QTreeWidget &tree)
{
    QStringList texts;
    for (int index = 0; index < tree.topLevelItemCount(); ++index)
        texts.append(tree.topLevelItem(index)->text(4));
    return texts;
}

bool NewestFirst(const QStringList &texts)
{
    return std::is_sorted(texts.cbegin(), texts.cend(), std::greater<QString>());
}

QImage Picture(const QIcon &icon)
{
    return icon.pixmap(32).toImage();
}

QMimeData *MessageData(const data::Message &message)
{
    auto *mimeData = new QMimeData;
    mimeData->setData(QString::fromLatin1(common::mime::Message),
                      QByteArray::fromStdString(message.SerializeAsString()));
    return mimeData;
}

// Drags onto the tree and drops there; true when the drop was taken.
bool Drop(QTreeWidget &tree, const QPoint &position, const QMimeData *mimeData,
          Qt::DropActions actions = Qt::MoveAction)
{
    return testsupport::SyntheticDrag(&tree, mimeData, actions).enterAndDrop(position);
}

bool Show(QWidget &widget)
{
    widget.resize(900, 400);
    widget.show();
    return QTest::qWaitForWindowExposed(&widget);
}
}

// The two trees of the message browser: the message tree with its permission
// rows, and the folder tree, each fed by the window's slots and reporting the
// user's gestures as signals.
class TestMessagePanes : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<testsupport::TestServer> m_server;
    std::unique_ptr<MessageStore> m_store;

    data::Message stored(int id) const { return m_store->message(id); }

    // An unread received copy of Bob's message 2 in the root folder.
    data::Message receivedCopy(unsigned int properties = 0x5) const
    {
        data::Message copy = stored(2);
        copy.set_message_user_is_recipient(true);
        copy.set_message_user_message_id(2);
        copy.set_message_user_user_id(Ann);
        copy.set_message_user_message_folder_id(Root);
        copy.set_message_user_properties(properties);
        return copy;
    }

private slots:
    void initTestCase()
    {
        testsupport::SetTimeZone("UTC");
        QVERIFY(testsupport::InstallClientTranslation());
        MessageStore::logOn();
    }

    void init()
    {
        m_server = std::make_unique<testsupport::TestServer>();
        QVERIFY(testsupport::StartAndDispatchTo(*m_server));
        m_store = std::make_unique<MessageStore>(*m_server);
        m_store->install();
        m_store->addUser(MessageStore::User(Bob, "Bob", "", "Ray"));
        m_store->addUser(MessageStore::User(Cy, "Cy", "J", "Dee"));
        m_store->addUser(MessageStore::User(Ann, "Ann", "B", "Lee", Root));
        // 1: Ann's own, to Bob and Cy; 2: Bob's, to Ann.
        m_store->addMessage(MessageStore::Message(1, "Budget", Ann, Root, 0x7FF & ~(1U << 8), "2026-01-02 10:00:00"));
        m_store->addRecipient(1, Bob, data::Message::TO, Root);
        m_store->addRecipient(1, Cy, data::Message::TO, Root);
        m_store->addRecipient(1, Bob, data::Message::CC, Root);
        m_store->addMessage(MessageStore::Message(2, "Lunch", Bob, Work, 0x1 | 0x6 | (1U << 6), "2026-01-10 09:00:00"));
        m_store->addRecipient(2, Ann, data::Message::TO, Root, 1);
    }

    void cleanup()
    {
        m_store.reset();
        m_server.reset();
    }

    // The message tree

    void headerAndSorting()
    {
        MessageBrowserMainPaneTreeWidget pane;

        QStringList labels;
        for (int column = 0; column < pane.columnCount(); ++column)
            labels.append(pane.headerItem()->text(column));
        QCOMPARE(labels, QStringList({"To", "From", "Subject", "Created", "Modified"}));
        QVERIFY(pane.isSortingEnabled());
        QCOMPARE(pane.header()->sortIndicatorSection(), 4);
        QCOMPARE(pane.header()->sortIndicatorOrder(), Qt::DescendingOrder);
        QVERIFY(pane.alternatingRowColors());
        QCOMPARE(pane.dragDropMode(), QAbstractItemView::DragDrop);
    }

    void columnsOfAMessage()
    {
        MessageBrowserMainPaneTreeWidget pane;

        pane.addMessageItem(stored(1));

        QCOMPARE(pane.topLevelItemCount(), 1);
        QTreeWidgetItem *row = pane.topLevelItem(0);
        QStringList texts;
        for (int column = 0; column < 5; ++column)
            texts.append(row->text(column));
        // Only the TO recipients, in the server's order.
        QCOMPARE(texts, QStringList({"Ray, Bob; Dee, Cy J", "Lee, Ann B", "Budget", "2026-01-01 08:00:00",
                                     "2026-01-02 10:00:00"}));
        QCOMPARE(row->data(0, RowKindRole).toInt(), 0);
        QCOMPARE(Edited(row).SerializeAsString(), stored(1).SerializeAsString());
        QCOMPARE(Saved(row).SerializeAsString(), stored(1).SerializeAsString());
        QCOMPARE(pane.currentItem(), row);
        QCOMPARE(row->child(0)->text(0), QStringLiteral("Permissions"));
        QVERIFY(!row->child(0)->isExpanded());
    }

    void unparsableDatesAndAFailedLookUpLeaveCellsEmpty()
    {
        MessageBrowserMainPaneTreeWidget pane;
        data::Message message = stored(1);
        message.set_message_creation_date("soon");
        message.set_message_modification_date("");
        m_server->reply(common::op::SelectMessageUser, common::tag::Plain, std::string("\x0a\xff", 2));

        pane.addMessageItem(message);

        QTreeWidgetItem *row = pane.topLevelItem(0);
        QVERIFY(row->text(0).isEmpty());
        QVERIFY(row->text(3).isEmpty());
        QVERIFY(row->text(4).isEmpty());
        QCOMPARE(row->text(2), QStringLiteral("Budget"));
    }

    void iconFollowsTheRelation_data()
    {
        QTest::addColumn<int>("relation");
        QTest::addColumn<QString>("icon");
        QTest::newRow("reply") << 1 << ":icons/32x32/mail_reply.png";
        QTest::newRow("reply to all") << 2 << ":icons/32x32/mail_reply_all.png";
        QTest::newRow("forward") << 3 << ":icons/32x32/mail_forward.png";
        QTest::newRow("none") << 0 << ":icons/32x32/mail_out.png";
        QTest::newRow("unknown") << 7 << ":icons/32x32/mail_out.png";
        QTest::newRow("unset") << -1 << ":icons/32x32/mail_out.png";
    }

    void iconFollowsTheRelation()
    {
        QFETCH(int, relation);
        QFETCH(QString, icon);
        MessageBrowserMainPaneTreeWidget pane;
        data::Message message = stored(1);
        if (relation < 0)
            message.clear_message_parent_relation();
        else
            message.set_message_parent_relation(relation);

        pane.addMessageItem(message);

        QCOMPARE(Picture(pane.topLevelItem(0)->icon(0)), Picture(QIcon(icon)));
    }

    void permissionRowsAreTheAuthorsOnly_data()
    {
        QTest::addColumn<bool>("own");
        QTest::newRow("own message") << true;
        QTest::newRow("received copy of another's") << false;
    }

    void permissionRowsAreTheAuthorsOnly()
    {
        QFETCH(bool, own);
        MessageBrowserMainPaneTreeWidget pane;

        pane.addMessageItem(own ? stored(1) : receivedCopy());

        QTreeWidgetItem *row = pane.topLevelItem(0);
        QCOMPARE(row->childCount(), 1);
        QCOMPARE(row->child(0)->data(0, RowKindRole).toInt(), 1);
        QCOMPARE(row->child(0)->flags().testFlag(Qt::ItemIsEnabled), own);
        const QList<QTreeWidgetItem *> rows = PermissionRows(row);
        QStringList texts;
        QString checks;
        for (int index = 0; index < rows.size(); ++index) {
            texts.append(rows[index]->text(0));
            QCOMPARE(rows[index]->data(0, RowKindRole).toInt(), index + 2);
            QCOMPARE(rows[index]->flags().testFlag(Qt::ItemIsEnabled), own);
            checks += rows[index]->checkState(0) == Qt::Checked ? QLatin1Char('1') : QLatin1Char('0');
        }
        QCOMPARE(texts, QStringList({"View", "Copy to clipboard", "Export to text file", "Export to PDF file", "Print",
                                     "Search", "Reply", "Reply All", "Forward"}));
        QCOMPARE(checks, own ? QStringLiteral("111111011") : QStringLiteral("100010000"));
    }

    void unreadCopiesAreBold_data()
    {
        QTest::addColumn<bool>("received");
        QTest::addColumn<unsigned int>("properties");
        QTest::addColumn<bool>("bold");
        QTest::newRow("unread copy") << true << 0x5U << true;
        QTest::newRow("read copy") << true << 0x4U << false;
        QTest::newRow("own message") << false << 0x5U << false;
    }

    void unreadCopiesAreBold()
    {
        QFETCH(bool, received);
        QFETCH(unsigned int, properties);
        QFETCH(bool, bold);
        MessageBrowserMainPaneTreeWidget pane;
        data::Message message = received ? receivedCopy(properties) : stored(1);
        message.set_message_user_properties(properties);

        pane.addMessageItem(message);

        const QTreeWidgetItem *row = pane.topLevelItem(0);
        for (int column = 0; column < 5; ++column)
            QCOMPARE(row->font(column).bold(), bold && (column == 2 || column == 4));
    }

    void openingAnUnreadCopyMarksItRead()
    {
        MessageBrowserMainPaneTreeWidget pane;
        pane.addMessageItem(receivedCopy(0x5));
        pane.addMessageItem(stored(1));
        const QTreeWidgetItem *row =
            pane.topLevelItem(0)->text(2) == QStringLiteral("Lunch") ? pane.topLevelItem(0) : pane.topLevelItem(1);

        pane.handleOpenMessage(receivedCopy(0x5));

        QVERIFY(!row->font(2).bold() && !row->font(4).bold());
        QCOMPARE(Edited(row).message_user_properties(), 0x4U);
        QCOMPARE(Saved(row).message_user_properties(), 0x4U);
        QVERIFY(!pane.isMessageModified());
    }

    void openingChangesNothingElse_data()
    {
        QTest::addColumn<int>("messageId");
        QTest::addColumn<unsigned int>("properties");
        QTest::newRow("not listed") << 9 << 0x1U;
        QTest::newRow("already read") << 2 << 0x4U;
    }

    void openingChangesNothingElse()
    {
        QFETCH(int, messageId);
        QFETCH(unsigned int, properties);
        MessageBrowserMainPaneTreeWidget pane;
        pane.addMessageItem(receivedCopy(0x5));
        data::Message opened = receivedCopy(properties);
        opened.set_message_id(messageId);

        pane.handleOpenMessage(opened);

        const QTreeWidgetItem *row = pane.topLevelItem(0);
        QVERIFY(row->font(2).bold());
        QCOMPARE(Edited(row).message_user_properties(), 0x5U);
        QCOMPARE(Saved(row).message_user_properties(), 0x5U);
    }

    void addingAListedMessageRefreshesItsRow()
    {
        MessageBrowserMainPaneTreeWidget pane;
        pane.addMessageItem(receivedCopy(0x1));
        data::Message changed = receivedCopy(0x1);
        changed.set_message_subject("Lunch moved");
        changed.set_message_creation_date("2026-02-01 08:00:00");
        changed.set_message_modification_date("2026-02-02 08:00:00");
        changed.set_message_parent_relation(3);
        changed.mutable_message_security_descriptor()->set_permissions(0x1 | (1U << 10));
        m_server->clearRequests();

        pane.addMessageItem(changed);

        QCOMPARE(pane.topLevelItemCount(), 1);
        QTreeWidgetItem *row = pane.topLevelItem(0);
        QCOMPARE(row->text(2), QStringLiteral("Lunch moved"));
        QCOMPARE(row->text(3), QStringLiteral("2026-01-01 08:00:00"));
        QCOMPARE(row->text(4), QStringLiteral("2026-02-02 08:00:00"));
        QCOMPARE(Picture(row->icon(0)), Picture(QIcon(QStringLiteral(":icons/32x32/mail_forward.png"))));
        QVERIFY(row->font(2).bold());
        QCOMPARE(PermissionRows(row)[8]->checkState(0), Qt::Checked);
        QCOMPARE(PermissionRows(row)[4]->checkState(0), Qt::Unchecked);
        QCOMPARE(Saved(row).message_subject(), std::string("Lunch moved"));
        QCOMPARE(Edited(row).message_subject(), std::string("Lunch moved"));
        // The To column is read again.
        QCOMPARE(m_server->requests().size(), size_t(1));
    }

    void toggledBoxBecomesAnEditOfTheEditedCopyOnly()
    {
        MessageBrowserMainPaneTreeWidget pane;
        pane.addMessageItem(stored(1));
        QTreeWidgetItem *row = pane.topLevelItem(0);
        QVERIFY(!pane.isMessageModified());

        QTreeWidgetItem *reply = PermissionRows(row)[6];
        reply->setCheckState(0, Qt::Checked);
        pane.updateMessageItem(reply, 0);

        QCOMPARE(Permissions(Edited(row)), Permissions(stored(1)) | (1U << 8));
        QCOMPARE(Permissions(Saved(row)), Permissions(stored(1)));
        QVERIFY(pane.isMessageModified());
        QVERIFY(pane.isMessageModified(reply));
        QStringList subjects;
        QVERIFY(pane.isMessageModified(subjects));
        QCOMPARE(subjects, QStringList({"Budget"}));
        data::Message edited;
        data::Message saved;
        QVERIFY(pane.isMessageModified(row->child(0), edited, saved));
        QCOMPARE(Permissions(edited), Permissions(Edited(row)));

        // The server's answer is the new saved state.
        pane.updateMessageItem(Edited(row));

        QVERIFY(!pane.isMessageModified());
        QVERIFY(!pane.isMessageModified(subjects));
    }

    void bitsWithoutARowSurviveEdits()
    {
        MessageBrowserMainPaneTreeWidget pane;
        data::Message message = stored(1);
        message.mutable_message_security_descriptor()->set_permissions(0x6 | 0x1);
        pane.addMessageItem(message);
        QTreeWidgetItem *row = pane.topLevelItem(0);

        for (QTreeWidgetItem *box : PermissionRows(row)) {
            box->setCheckState(0, Qt::Checked);
            pane.updateMessageItem(box, 0);
            box->setCheckState(0, Qt::Unchecked);
            pane.updateMessageItem(box, 0);
        }

        QCOMPARE(Permissions(Edited(row)), 0x6U);
    }

    void newestModificationFirst()
    {
        MessageBrowserMainPaneTreeWidget pane;
        data::Message undated = stored(1);
        undated.set_message_id(3);
        undated.set_message_subject("Undated");
        undated.set_message_modification_date("");

        pane.addMessageItem(stored(1));
        pane.addMessageItem(undated);
        pane.addMessageItem(stored(2));

        QTRY_COMPARE(Subjects(pane), QStringList({"Lunch", "Budget", "Undated"}));
    }

    // A pane filled with a few thousand messages in one go, then changed one
    // message at a time: every change lands where it would in a short list,
    // and the rows are still found by their ids.
    void singleChangesAfterALongFill()
    {
        constexpr int Count = 2000;
        MessageBrowserMainPaneTreeWidget pane;
        {
            const ListFillGuard fill(&pane);
            for (int index = 0; index < Count; ++index) {
                pane.addMessageItem(MessageStore::Message(1000 + index, "Note " + std::to_string(index), Ann, Root,
                                                          0x7FF, ShuffledDate(index)));
            }
        }
        QCOMPARE(pane.topLevelItemCount(), Count);
        QVERIFY(NewestFirst(ModifiedTexts(pane)));
        QCOMPARE(pane.currentItem()->text(2), QStringLiteral("Note 1999"));

        // A new message between the others takes its place in the order and
        // becomes the current row.
        data::Message added = MessageStore::Message(5000, "Added", Ann, Root, 0x7FF, "2025-01-02 12:00:30");
        pane.addMessageItem(added);
        QCOMPARE(pane.topLevelItemCount(), Count + 1);
        QVERIFY(NewestFirst(ModifiedTexts(pane)));
        QCOMPARE(pane.currentItem()->text(2), QStringLiteral("Added"));
        QCOMPARE(pane.savedMessage(5000)->message_subject(), "Added");

        // Added again, it refreshes its row and moves with its new time.
        added.set_message_subject("Added, later");
        added.set_message_modification_date("2026-06-01 08:00:00");
        pane.addMessageItem(added);
        QCOMPARE(pane.topLevelItemCount(), Count + 1);
        QTRY_COMPARE(pane.topLevelItem(0)->text(2), QStringLiteral("Added, later"));

        // Removed rows are no longer found, the others still are, and a
        // removed message comes back as a new row.
        pane.removeMessageItem(1500);
        pane.removeMessageItem(5000);
        QCOMPARE(pane.topLevelItemCount(), Count - 1);
        QVERIFY(!pane.savedMessage(1500));
        QVERIFY(!pane.savedMessage(5000));
        QCOMPARE(pane.savedMessage(1501)->message_subject(), "Note 501");
        pane.addMessageItem(MessageStore::Message(1500, "Back", Ann, Root, 0x7FF, ShuffledDate(500)));
        QCOMPARE(pane.topLevelItemCount(), Count);
        QCOMPARE(pane.savedMessage(1500)->message_subject(), "Back");
        QVERIFY(NewestFirst(ModifiedTexts(pane)));

        // Emptied, the pane finds nothing it held.
        pane.resetPane(Root);
        QVERIFY(!pane.savedMessage(1000));
        pane.addMessageItem(stored(1));
        QCOMPARE(pane.topLevelItemCount(), 1);
        QCOMPARE(pane.savedMessage(1)->message_subject(), "Budget");
    }

    void aRowOfNoKnownKindHasNoMessageRow()
    {
        MessageBrowserMainPaneTreeWidget pane;
        auto *stray = new QTreeWidgetItem(&pane);

        QTest::ignoreMessage(QtWarningMsg,
                             "MessageBrowserMainPaneTreeWidget::getTopLevelItem: no top level item found!");
        QVERIFY(!pane.getTopLevelItem(stray));
        QTest::ignoreMessage(QtWarningMsg,
                             "MessageBrowserMainPaneTreeWidget::getTopLevelItem: no top level item found!");
        QVERIFY(!pane.isMessageModified(stray));
    }

    void editAndDeleteCarryTheCurrentRowsMessage_data()
    {
        QTest::addColumn<bool>("onMessageRow");
        QTest::newRow("message row") << true;
        QTest::newRow("permission row") << false;
    }

    void editAndDeleteCarryTheCurrentRowsMessage()
    {
        QFETCH(bool, onMessageRow);
        MessageBrowserMainPaneTreeWidget pane;
        pane.addMessageItem(stored(1));
        QTreeWidgetItem *row = pane.topLevelItem(0);
        pane.setCurrentItem(onMessageRow ? row : row->child(0));
        QSignalSpy edits(&pane, qOverload<const data::Message &>(&MessageBrowserMainPaneTreeWidget::editMessage));
        QSignalSpy deletes(&pane, qOverload<const data::Message &>(&MessageBrowserMainPaneTreeWidget::deleteMessage));

        pane.editMessage();
        pane.deleteMessage();

        QCOMPARE(edits.size(), onMessageRow ? 1 : 0);
        QCOMPARE(deletes.size(), onMessageRow ? 1 : 0);
        if (onMessageRow)
            QCOMPARE(edits.at(0).at(0).value<data::Message>().message_id(), 1);
    }

    void removingAFolder_data()
    {
        QTest::addColumn<int>("shownFolder");
        QTest::addColumn<int>("deletedFolder");
        QTest::addColumn<QStringList>("remaining");
        QTest::addColumn<int>("viewerResets");
        QTest::newRow("the shown folder") << Work << Work << QStringList() << 1;
        QTest::newRow("another folder, adjacent rows") << Root << Work << QStringList({"Budget"}) << 2;
        QTest::newRow("a folder of none") << Root << 999 << QStringList({"Lunch", "Lunch 2", "Budget"}) << 0;
    }

    void removingAFolder()
    {
        QFETCH(int, shownFolder);
        QFETCH(int, deletedFolder);
        QFETCH(QStringList, remaining);
        QFETCH(int, viewerResets);
        MessageBrowserMainPaneTreeWidget pane;
        pane.resetPane(shownFolder);
        data::Message second = stored(2);
        second.set_message_id(4);
        second.set_message_subject("Lunch 2");
        second.set_message_modification_date("2026-01-09 09:00:00");
        pane.addMessageItem(stored(1));
        pane.addMessageItem(stored(2));
        pane.addMessageItem(second);
        QTRY_COMPARE(Subjects(pane), QStringList({"Lunch", "Lunch 2", "Budget"}));
        QSignalSpy resets(&pane, &MessageBrowserMainPaneTreeWidget::resetMessageViewerPane);

        pane.removeMessageFolderMessageItems(deletedFolder);

        QCOMPARE(Subjects(pane), remaining);
        QCOMPARE(resets.size(), viewerResets);
        if (shownFolder == deletedFolder) {
            // The pane now stands for the root folder: a message moved there
            // is listed.
            pane.moveMessageItem(stored(1));
            QCOMPARE(Subjects(pane), QStringList({"Budget"}));
        }
    }

    void movedMessage_data()
    {
        QTest::addColumn<int>("newFolder");
        QTest::addColumn<bool>("listedBefore");
        QTest::addColumn<QStringList>("subjects");
        QTest::newRow("moved away") << Work << true << QStringList();
        QTest::newRow("moved here") << Root << false << QStringList({"Budget"});
        QTest::newRow("moved here, listed") << Root << true << QStringList({"Budget"});
    }

    void movedMessage()
    {
        QFETCH(int, newFolder);
        QFETCH(bool, listedBefore);
        QFETCH(QStringList, subjects);
        MessageBrowserMainPaneTreeWidget pane;
        pane.resetPane(Root);
        if (listedBefore)
            pane.addMessageItem(stored(1));
        pane.setCurrentItem(nullptr);
        QSignalSpy resets(&pane, &MessageBrowserMainPaneTreeWidget::resetMessageViewerPane);
        data::Message moved = stored(1);
        moved.set_message_folder_id(newFolder);

        pane.moveMessageItem(moved);

        QCOMPARE(Subjects(pane), subjects);
        QCOMPARE(resets.size(), newFolder == Root ? 0 : 1);
        if (!subjects.isEmpty())
            QCOMPARE(Edited(pane.topLevelItem(0)).message_folder_id(), Root);
        if (!listedBefore)
            QCOMPARE(pane.currentItem(), pane.topLevelItem(0));
    }

    void dragStartsOnlyBeyondTheThreshold()
    {
        MessageBrowserMainPaneTreeWidget pane;
        pane.addMessageItem(stored(1));
        QVERIFY(Show(pane));
        const QPoint press = pane.visualItemRect(pane.topLevelItem(0)).center();
        QTest::mousePress(pane.viewport(), Qt::LeftButton, Qt::NoModifier, press);
        const int threshold = QApplication::startDragDistance() + 25;
        const auto moveTo = [&pane](const QPoint &position) {
            QMouseEvent move(QEvent::MouseMove, position, pane.viewport()->mapToGlobal(position), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(pane.viewport(), &move);
        };

        moveTo(press + QPoint(threshold - 10, 10));
        QVERIFY(!pane.findChild<QDrag *>());

        moveTo(press + QPoint(threshold - 10, 11));
        const QDrag *drag = pane.findChild<QDrag *>();
        QVERIFY(drag);
        const QByteArray bytes = drag->mimeData()->data(QStringLiteral("qorv/proto/Message"));
        QCOMPARE(bytes.toStdString(), stored(1).SerializeAsString());
        QCOMPARE(drag->supportedActions(), Qt::MoveAction);
        // The row stays until the server agrees to the move.
        QCOMPARE(pane.topLevelItemCount(), 1);
    }

    void dropsOfMessagesFromOtherTrees_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("messageFolder");
        QTest::addColumn<int>("action");
        QTest::addColumn<bool>("parsable");
        QTest::addColumn<bool>("moved");
        // 0: this pane, 1: another message tree, 2: a list
        QTest::newRow("from another tree, other folder") << 1 << Work << int(Qt::MoveAction) << true << true;
        QTest::newRow("from another tree, this folder") << 1 << Root << int(Qt::MoveAction) << true << false;
        QTest::newRow("from this tree") << 0 << Work << int(Qt::MoveAction) << true << false;
        QTest::newRow("from a list") << 2 << Work << int(Qt::MoveAction) << true << false;
        QTest::newRow("copied") << 1 << Work << int(Qt::CopyAction) << true << false;
        QTest::newRow("not a message") << 1 << Work << int(Qt::MoveAction) << false << false;
    }

    void dropsOfMessagesFromOtherTrees()
    {
        QFETCH(int, source);
        QFETCH(int, messageFolder);
        QFETCH(int, action);
        QFETCH(bool, parsable);
        QFETCH(bool, moved);
        MessageBrowserMainPaneTreeWidget pane;
        MessageBrowserMainPaneTreeWidget otherTree;
        QListWidget list;
        pane.resetPane(Root);
        const QObject *sources[] = {&pane, &otherTree, &list};
        data::Message message = stored(1);
        message.set_message_folder_id(messageFolder);
        std::unique_ptr<QMimeData> mimeData(MessageData(message));
        if (!parsable)
            mimeData->setData(QStringLiteral("qorv/proto/Message"), QByteArray("\x0a\xff", 2));
        QSignalSpy moves(&pane, &MessageBrowserMainPaneTreeWidget::moveMessage);

        QCOMPARE(pane.dropMessage(sources[source], Qt::DropAction(action), mimeData.get()), moved);

        QCOMPARE(moves.size(), moved ? 1 : 0);
        if (moved) {
            QCOMPARE(moves.at(0).at(0).value<data::Message>().message_id(), 1);
            QCOMPARE(moves.at(0).at(1).toInt(), Root);
        }
    }

    void dropWithoutASourceIsRefused()
    {
        MessageBrowserMainPaneTreeWidget pane;
        QVERIFY(Show(pane));
        std::unique_ptr<QMimeData> mimeData(MessageData(stored(2)));
        QSignalSpy moves(&pane, &MessageBrowserMainPaneTreeWidget::moveMessage);

        QVERIFY(!Drop(pane, QPoint(5, 5), mimeData.get()));
        QCOMPARE(moves.size(), 0);
    }

    void dragsAreAcceptedForMovedMessagesOnly_data()
    {
        QTest::addColumn<bool>("message");
        QTest::addColumn<int>("actions");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("message, move") << true << int(Qt::MoveAction) << true;
        QTest::newRow("message, copy") << true << int(Qt::CopyAction) << false;
        QTest::newRow("text, move") << false << int(Qt::MoveAction) << false;
    }

    void dragsAreAcceptedForMovedMessagesOnly()
    {
        QFETCH(bool, message);
        QFETCH(int, actions);
        QFETCH(bool, accepted);
        MessageBrowserMainPaneTreeWidget mainPane;
        MessageBrowserSidePaneTreeWidget sidePane;
        QVERIFY(Show(mainPane));
        QVERIFY(Show(sidePane));
        std::unique_ptr<QMimeData> mimeData(message ? MessageData(stored(1)) : new QMimeData);
        if (!message)
            mimeData->setText(QStringLiteral("Budget"));

        for (QTreeWidget *tree : {static_cast<QTreeWidget *>(&mainPane), static_cast<QTreeWidget *>(&sidePane)}) {
            testsupport::SyntheticDrag drag(tree, mimeData.get(), Qt::DropActions(actions));
            QCOMPARE(drag.enter(QPoint(5, 5)), accepted);
            QCOMPARE(drag.move(QPoint(5, 5)), accepted);
        }
    }

    // The folder tree

    void rootItemStandsForTheRootFolder()
    {
        MessageBrowserSidePaneTreeWidget pane;

        QCOMPARE(pane.topLevelItemCount(), 1);
        const QTreeWidgetItem *root = pane.topLevelItem(0);
        QCOMPARE(root->type(), int(MessageFolderRootItemType));
        QCOMPARE(root->text(0), QStringLiteral("Messages"));
        const auto folder = root->data(0, MessageFolderRole).value<data::MessageFolder>();
        data::MessageFolder expected;
        expected.set_message_folder_user_id(Ann);
        expected.set_message_folder_description("Root Message Folder");
        expected.set_message_folder_id(Root);
        QCOMPARE(folder.SerializeAsString(), expected.SerializeAsString());
        QVERIFY(pane.isHeaderHidden());
        QCOMPARE(pane.selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(!pane.isSortingEnabled());
    }

    void foldersBelowTheRootOnly()
    {
        MessageBrowserSidePaneTreeWidget pane;
        data::MessageFolder work;
        work.set_message_folder_id(Work);
        work.set_message_folder_parent_id(Root);
        work.set_message_folder_name("Work");
        data::MessageFolder nested = work;
        nested.set_message_folder_id(702);
        nested.set_message_folder_parent_id(Work);
        nested.set_message_folder_name("Nested");
        data::MessageFolder home = work;
        home.set_message_folder_id(703);
        home.set_message_folder_name("Home");

        pane.addMessageFolderItem(work);
        pane.addMessageFolderItem(nested);
        pane.addMessageFolderItem(home);
        pane.addMessageFolderItem(work);

        QTreeWidgetItem *root = pane.topLevelItem(0);
        QStringList names;
        for (int index = 0; index < root->childCount(); ++index) {
            names.append(root->child(index)->text(0));
            QCOMPARE(root->child(index)->type(), int(MessageFolderItemType));
        }
        // Kept in the order added, twice when added twice.
        QCOMPARE(names, QStringList({"Work", "Home", "Work"}));
        QCOMPARE(root->child(1)->data(0, MessageFolderRole).value<data::MessageFolder>().message_folder_id(), 703);
        QCOMPARE(Picture(root->child(0)->icon(0)), Picture(QIcon(QStringLiteral(":icons/32x32/folder3.png"))));

        pane.resetPane();

        QCOMPARE(root->childCount(), 0);
        QCOMPARE(pane.topLevelItemCount(), 1);
    }

    void commandsCarryTheSelectedFolder_data()
    {
        QTest::addColumn<int>("selected"); // -1 none, 0 the root, 1 a folder
        QTest::addColumn<int>("newMessageFolder");
        QTest::addColumn<int>("editedFolder");
        QTest::newRow("nothing selected") << -1 << -1 << -1;
        QTest::newRow("root selected") << 0 << Root << -1;
        QTest::newRow("folder selected") << 1 << Work << Work;
    }

    void commandsCarryTheSelectedFolder()
    {
        QFETCH(int, selected);
        QFETCH(int, newMessageFolder);
        QFETCH(int, editedFolder);
        MessageBrowserSidePaneTreeWidget pane;
        data::MessageFolder work;
        work.set_message_folder_id(Work);
        work.set_message_folder_parent_id(Root);
        pane.addMessageFolderItem(work);
        QTreeWidgetItem *root = pane.topLevelItem(0);
        pane.clearSelection();
        if (selected >= 0)
            pane.setCurrentItem(selected == 0 ? root : root->child(0));
        using Side = MessageBrowserSidePaneTreeWidget;
        QSignalSpy newMessages(&pane, qOverload<int>(&Side::newMessage));
        QSignalSpy newFolders(&pane, qOverload<int>(&Side::newMessageFolder));
        QSignalSpy edits(&pane, qOverload<const data::MessageFolder &>(&Side::editMessageFolder));
        QSignalSpy deletes(&pane, qOverload<const data::MessageFolder &>(&Side::deleteMessageFolder));

        pane.newMessage();
        pane.newMessageFolder();
        pane.editMessageFolder();
        pane.deleteMessageFolder();

        QCOMPARE(newMessages.size(), newMessageFolder < 0 ? 0 : 1);
        if (newMessageFolder >= 0)
            QCOMPARE(newMessages.at(0).at(0).toInt(), newMessageFolder);
        // A new folder always goes below the root.
        QCOMPARE(newFolders.size(), 1);
        QCOMPARE(newFolders.at(0).at(0).toInt(), Root);
        QCOMPARE(edits.size(), editedFolder < 0 ? 0 : 1);
        QCOMPARE(deletes.size(), editedFolder < 0 ? 0 : 1);
        if (editedFolder >= 0) {
            QCOMPARE(edits.at(0).at(0).value<data::MessageFolder>().message_folder_id(), editedFolder);
            QCOMPARE(deletes.at(0).at(0).value<data::MessageFolder>().message_folder_id(), editedFolder);
        }
    }

    void renamingAndRemovingFolders()
    {
        MessageBrowserSidePaneTreeWidget pane;
        for (int id : {Work, 703}) {
            data::MessageFolder folder;
            folder.set_message_folder_id(id);
            folder.set_message_folder_parent_id(Root);
            folder.set_message_folder_name(id == Work ? "Work" : "Home");
            pane.addMessageFolderItem(folder);
        }
        QTreeWidgetItem *root = pane.topLevelItem(0);
        data::MessageFolder renamed;
        renamed.set_message_folder_id(703);
        renamed.set_message_folder_name("House");

        pane.updateMessageFolderItem(renamed);
        renamed.set_message_folder_id(999);
        pane.updateMessageFolderItem(renamed);

        QCOMPARE(root->child(0)->text(0), QStringLiteral("Work"));
        QCOMPARE(root->child(1)->text(0), QStringLiteral("House"));
        QCOMPARE(root->child(1)->data(0, MessageFolderRole).value<data::MessageFolder>().message_folder_name(),
                 std::string("House"));

        pane.setCurrentItem(root->child(1));
        QSignalSpy clicks(&pane, &MessageBrowserSidePaneTreeWidget::messageFolderItemSelected);
        pane.removeMessageFolderItem(703);
        pane.removeMessageFolderItem(999);

        QCOMPARE(root->childCount(), 1);
        QCOMPARE(pane.currentItem(), root);
        QVERIFY(root->isSelected());
        QCOMPARE(clicks.size(), 0);
    }

    void clicksTellWhatToList()
    {
        MessageBrowserSidePaneTreeWidget pane;
        data::MessageFolder work;
        work.set_message_folder_id(Work);
        work.set_message_folder_parent_id(Root);
        pane.addMessageFolderItem(work);
        QTreeWidgetItem *root = pane.topLevelItem(0);
        QVERIFY(Show(pane));
        root->setExpanded(true);
        QSignalSpy rootClicks(&pane, &MessageBrowserSidePaneTreeWidget::messagesSelected);
        QSignalSpy folderClicks(&pane, &MessageBrowserSidePaneTreeWidget::messageFolderItemSelected);

        QTest::mouseClick(pane.viewport(), Qt::LeftButton, Qt::NoModifier,
                          pane.visualItemRect(root->child(0)).center());
        QCOMPARE(folderClicks.size(), 1);
        QCOMPARE(folderClicks.at(0).at(0).value<data::MessageFolder>().message_folder_id(), Work);
        QVERIFY(root->isExpanded());

        QTest::mouseClick(pane.viewport(), Qt::LeftButton, Qt::NoModifier, pane.visualItemRect(root).center());
        QCOMPARE(rootClicks.size(), 1);
        QVERIFY(root->isExpanded());

        // Keys never move the current item.
        QTest::keyClick(pane.viewport(), Qt::Key_Down);
        QTest::keyClick(&pane, Qt::Key_Down);
        QCOMPARE(pane.currentItem(), root);
    }

    void dropsOnFolders_data()
    {
        QTest::addColumn<int>("target"); // 0 the root, 1 the folder, 2 below every item
        QTest::addColumn<int>("messageFolder");
        QTest::addColumn<bool>("received");
        QTest::addColumn<int>("movedTo");
        QTest::newRow("own message onto the root") << 0 << Work << false << Root;
        QTest::newRow("own message onto its folder") << 1 << Work << false << -1;
        QTest::newRow("own message onto the folder") << 1 << Root << false << Work;
        QTest::newRow("received copy onto the folder") << 1 << Root << true << Work;
        QTest::newRow("received copy onto the root it lies in") << 0 << Root << true << -1;
        QTest::newRow("between items") << 2 << Work << false << -1;
    }

    void dropsOnFolders()
    {
        QFETCH(int, target);
        QFETCH(int, messageFolder);
        QFETCH(bool, received);
        QFETCH(int, movedTo);
        MessageBrowserSidePaneTreeWidget pane;
        data::MessageFolder work;
        work.set_message_folder_id(Work);
        work.set_message_folder_parent_id(Root);
        pane.addMessageFolderItem(work);
        QTreeWidgetItem *root = pane.topLevelItem(0);
        QVERIFY(Show(pane));
        root->setExpanded(true);
        const QPoint positions[] = {pane.visualItemRect(root).center(), pane.visualItemRect(root->child(0)).center(),
                                    QPoint(5, pane.viewport()->height() - 5)};
        data::Message message = received ? receivedCopy() : stored(1);
        if (received)
            message.set_message_user_message_folder_id(messageFolder);
        else
            message.set_message_folder_id(messageFolder);
        std::unique_ptr<QMimeData> mimeData(MessageData(message));
        QSignalSpy moves(&pane, &MessageBrowserSidePaneTreeWidget::moveMessage);

        QCOMPARE(Drop(pane, positions[target], mimeData.get()), movedTo >= 0);

        QCOMPARE(moves.size(), movedTo >= 0 ? 1 : 0);
        if (movedTo >= 0) {
            QCOMPARE(moves.at(0).at(0).value<data::Message>().SerializeAsString(), message.SerializeAsString());
            QCOMPARE(moves.at(0).at(1).toInt(), movedTo);
        }
        QCOMPARE(root->childCount(), 1);
    }

    void refusedDropsOnFolders()
    {
        MessageBrowserSidePaneTreeWidget pane;
        QVERIFY(Show(pane));
        const QPoint onRoot = pane.visualItemRect(pane.topLevelItem(0)).center();
        std::unique_ptr<QMimeData> broken(new QMimeData);
        broken->setData(QStringLiteral("qorv/proto/Message"), QByteArray("\x0a\xff", 2));
        std::unique_ptr<QMimeData> message(MessageData(stored(2)));
        QSignalSpy moves(&pane, &MessageBrowserSidePaneTreeWidget::moveMessage);

        QVERIFY(!Drop(pane, onRoot, broken.get()));
        QVERIFY(!Drop(pane, onRoot, message.get(), Qt::CopyAction));
        QCOMPARE(moves.size(), 0);
        QVERIFY(Drop(pane, onRoot, message.get()));
    }
};

QTEST_MAIN(TestMessagePanes)
#include "tst_messagepanes.moc"
