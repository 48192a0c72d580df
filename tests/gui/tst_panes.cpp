#include "abstractbrowserview.h"
#include "abstractmainpanelistwidget.h"
#include "abstractmainpanetreeview.h"
#include "abstractmainpanetreewidget.h"
#include "abstractsidepanelistwidget.h"
#include "abstractsidepanetreewidget.h"
#include "common/eventcode.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "itemrole.h"
#include "itemtype.h"
#include "testenvironment.h"

#include "folder3.pb.h"

#include <QListWidgetItem>
#include <QSignalSpy>
#include <QSplitter>
#include <QTest>
#include <QTreeWidgetItem>

#include <google/protobuf/util/message_differencer.h>

QORV_ISOLATE_TEST_ENVIRONMENT()

// The two panes of a browser as the concrete browsers declare them.
class MainPane : public AbstractMainPaneListWidget
{
    Q_OBJECT

public:
    using AbstractMainPaneListWidget::AbstractMainPaneListWidget;
    QWidget *owner() const { return m_parentWidget; }
};

class SidePane : public AbstractSidePaneTreeWidget
{
    Q_OBJECT

public:
    using AbstractSidePaneTreeWidget::AbstractSidePaneTreeWidget;
    QWidget *owner() const { return m_parentWidget; }
};

class Browser : public AbstractBrowserView<MainPane, SidePane>
{
    Q_OBJECT

public:
    using AbstractBrowserView::AbstractBrowserView;
    MainPane *mainPane() const { return m_mainPane; }
    SidePane *sidePane() const { return m_sidePane; }
    QSplitter *splitter() const { return m_splitter; }
};

class TestPanes : public QObject
{
    Q_OBJECT

private slots:
    void listSelection()
    {
        AbstractMainPaneListWidget pane;
        pane.setSelectionMode(QAbstractItemView::MultiSelection);
        auto *first = new QListWidgetItem(QStringLiteral("first"), &pane, FolderItemType);
        auto *second = new QListWidgetItem(QStringLiteral("second"), &pane, DocumentItemType);
        QCOMPARE(pane.getSelectedListWidgetItem(), nullptr);
        first->setSelected(true);
        QCOMPARE(pane.getSelectedListWidgetItem(), first);
        second->setSelected(true);
        QCOMPARE(pane.getSelectedListWidgetItem(), nullptr);
        first->setSelected(false);
        QCOMPARE(pane.getSelectedListWidgetItem(), second);
    }

    void treeSelection()
    {
        AbstractMainPaneTreeWidget pane;
        pane.setSelectionMode(QAbstractItemView::MultiSelection);
        auto *top = new QTreeWidgetItem(&pane, MessageFolderRootItemType);
        auto *child = new QTreeWidgetItem(top, MessageFolderItemType);
        QCOMPARE(pane.getSelectedTreeWidgetItem(), nullptr);
        child->setSelected(true);
        QCOMPARE(pane.getSelectedTreeWidgetItem(), child);
        top->setSelected(true);
        QCOMPARE(pane.getSelectedTreeWidgetItem(), nullptr);
    }

    void panesRememberTheirOwnerAndIgnoreTheBus()
    {
        QWidget owner;
        SidePane pane(&owner);
        QCOMPARE(pane.owner(), &owner);
        QSignalSpy requests(&pane, &AbstractPaneTreeWidget::deliverRequest);
        pane.receiveRequest(common::op::SelectDocument, common::tag::OpenFolder, "payload");
        pane.receiveReply(common::op::SelectDocument);
        pane.receiveEvent(common::ev::ClockTick);
        QCOMPARE(requests.count(), 0);
        AbstractMainPaneTreeView view(&owner);
        QCOMPARE(view.parentWidget(), &owner);
    }

    void browserLayout()
    {
        Browser browser;
        QSplitter *splitter = browser.splitter();
        QCOMPARE(browser.centralWidget(), splitter);
        QCOMPARE(splitter->orientation(), Qt::Horizontal);
        QCOMPARE(splitter->count(), 2);
        QCOMPARE(splitter->widget(0), browser.sidePane());
        QCOMPARE(splitter->widget(1), browser.mainPane());
        QCOMPARE(browser.sidePane()->sizePolicy().horizontalStretch(), 0);
        QCOMPARE(browser.mainPane()->sizePolicy().horizontalStretch(), 1);
        QCOMPARE(browser.mainPane()->owner(), &browser);
        QCOMPARE(browser.sidePane()->owner(), &browser);
    }

    void wideningWidensTheMainPaneOnly()
    {
        Browser browser;
        browser.resize(800, 600);
        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));
        const int side = browser.sidePane()->width();
        const int main = browser.mainPane()->width();
        browser.resize(1200, 600);
        QTRY_COMPARE(browser.mainPane()->width(), main + 400);
        QCOMPARE(browser.sidePane()->width(), side);
    }

    void itemsCarryRecordsUnderTheirRoles()
    {
        AbstractSidePaneListWidget pane;
        auto *homeGroups = new QListWidgetItem(QStringLiteral("Home Groups"), &pane, HomeGroupsItemType);
        QCOMPARE(homeGroups->type(), 2006);
        QVERIFY(!homeGroups->data(FolderRole).isValid());

        qorv::data::Folder folder;
        folder.set_folder_id(12);
        auto *home = new QListWidgetItem(QStringLiteral("Home Folder"), &pane, HomeFolderItemType);
        home->setData(FolderRole, QVariant::fromValue(folder));
        QCOMPARE(home->data(257).value<qorv::data::Folder>().folder_id(), 12);
    }

    void editedCopyMakesARowModified()
    {
        // The keyring panes and the message pane keep the saved record under 256
        // and the edited one under 257; a row is modified while they differ.
        const auto modified = [](const QTreeWidgetItem &item) {
            const auto saved = item.data(0, SavedRecordRole).value<qorv::data::Folder>();
            const auto edited = item.data(0, EditedRecordRole).value<qorv::data::Folder>();
            return !google::protobuf::util::MessageDifferencer::Equals(saved, edited);
        };
        qorv::data::Folder folder;
        folder.set_folder_name("Reports");
        QTreeWidgetItem row;
        row.setData(0, SavedRecordRole, QVariant::fromValue(folder));
        row.setData(0, EditedRecordRole, QVariant::fromValue(folder));
        QVERIFY(!modified(row));
        folder.set_folder_name("Reports 2026");
        row.setData(0, EditedRecordRole, QVariant::fromValue(folder));
        QVERIFY(modified(row));
        row.setData(0, SavedRecordRole, QVariant::fromValue(folder)); // the save was confirmed
        QVERIFY(!modified(row));
    }
};

QTEST_MAIN(TestPanes)
#include "tst_panes.moc"
