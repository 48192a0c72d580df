// Filling the message browser's message tree from one select reply of n own
// messages (parsing it, one row per message with its five columns, icon and
// two stored copies, the Permissions row with its nine check boxes, the To
// column looked up on the test server once per row as the window does,
// sorted newest first, columns fitted, laid out and painted), against a bare
// QTreeWidget given the same rows and children, sorted and sized the same
// way.
#include "listfillbench.h"

#include "messagebrowsermainpanetreewidget.h"
#include "messagebrowserview.h"
#include "testserver.h"

#include "message3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "user3.pb.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QStringList>
#include <QTreeWidget>

#include <memory>
#include <string>

namespace
{
constexpr int AnnId = 42;
constexpr int RootFolderId = 500;
constexpr int SelectMessage = 50;

const QStringList PermissionTexts = {
    "View",   "Copy to clipboard", "Export to text file", "Export to PDF file", "Print", "Search", "Reply", "Reply All",
    "Forward"};

// Modification times spread over a year out of their order, so that sorting
// has work to do.
std::string ModificationDate(int index)
{
    const int day = (index * 7919) % 365;
    const int second = (index * 104729) % 86400;
    return QStringLiteral("2025-%1-%2 %3:%4:%5")
        .arg(day / 28 % 12 + 1, 2, 10, QLatin1Char('0'))
        .arg(day % 28 + 1, 2, 10, QLatin1Char('0'))
        .arg(second / 3600, 2, 10, QLatin1Char('0'))
        .arg(second / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(second % 60, 2, 10, QLatin1Char('0'))
        .toStdString();
}

qorv::data::SelectMessageReply Reply(int count)
{
    qorv::data::SelectMessageReply reply;
    for (int index = 0; index < count; ++index) {
        qorv::data::Message *message = reply.add_message();
        message->set_message_id(1000 + index);
        message->set_message_user_id(AnnId);
        message->set_message_folder_id(RootFolderId);
        message->set_message_subject(QStringLiteral("Quarterly figures %1").arg(index).toStdString());
        message->set_message_creation_date("2025-01-01 08:00:00");
        message->set_message_modification_date(ModificationDate(index));
        message->mutable_message_security_descriptor()->set_permissions(0x7FF);
        qorv::data::User *sender = message->mutable_message_sender();
        sender->set_user_id(AnnId);
        sender->set_user_first_name("Ann");
        sender->set_user_last_name("Lee");
    }
    return reply;
}

bench::Round ProjectFill(int count)
{
    std::shared_ptr<testsupport::TestServer> server = bench::StartServer();
    bench::LogOn(AnnId, [](qorv::data::User &ann) { ann.set_user_message_folder_id(RootFolderId); });
    auto window = std::make_shared<MessageBrowserView>();
    window->resize(800, 600);
    bench::WaitUntilActive(window.get(), "the browser");
    auto *pane = window->findChild<MessageBrowserMainPaneTreeWidget *>();
    qorv::data::SelectMessageRequest request;
    request.set_message_user_id(AnnId);
    const std::string requestPayload = request.SerializeAsString();
    const std::string replyPayload = Reply(count).SerializeAsString();

    return [server, window, pane, requestPayload, replyPayload, count] {
        pane->resetPane(RootFolderId);
        server->clearRequests();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        window->setActiveView(true);
        window->receiveReply(SelectMessage, 1, requestPayload, 0, 0, replyPayload);
        bench::LayOutAndPaint(pane);
        const double seconds = bench::SecondsSince(start);
        if (pane->topLevelItemCount() != count)
            throw bench::Failure("the browser did not list every message");
        return seconds;
    };
}

bench::Round BareFill(int count)
{
    auto tree = std::make_shared<QTreeWidget>();
    tree->resize(800, 600);
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree->setHeaderLabels({"To", "From", "Subject", "Created", "Modified"});
    tree->setSortingEnabled(true);
    tree->sortByColumn(4, Qt::DescendingOrder);
    bench::WaitUntilActive(tree.get(), "the tree");
    auto reply = std::make_shared<const qorv::data::SelectMessageReply>(Reply(count));

    return [tree, reply, count] {
        tree->clear();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        QList<QTreeWidgetItem *> rows;
        rows.reserve(count);
        for (const qorv::data::Message &message : reply->message()) {
            auto *row = new QTreeWidgetItem(
                {QString(), QStringLiteral("Lee, Ann"), QString::fromStdString(message.message_subject()),
                 QStringLiteral("2025-01-01 08:00:00"), QString::fromStdString(message.message_modification_date())});
            auto *permissions = new QTreeWidgetItem(row, {QStringLiteral("Permissions")});
            for (const QString &text : PermissionTexts)
                (new QTreeWidgetItem(permissions, {text}))->setCheckState(0, Qt::Checked);
            rows.append(row);
        }
        tree->addTopLevelItems(rows);
        tree->setCurrentItem(rows.last());
        bench::LayOutAndPaint(tree.get());
        return bench::SecondsSince(start);
    };
}

const bool Registered = [] {
    bench::RegisterFillPairs("message pane fill", "messages", ProjectFill, BareFill);
    return true;
}();
}
