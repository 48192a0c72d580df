// Filling the message browser's folder tree from one select reply of n
// message folders (parsing it, one item per folder with its icon and record
// below the "Messages" item, laid out and painted), against a bare
// QTreeWidget given the same folder names below one root item.
#include "listfillbench.h"

#include "messagebrowsersidepanetreewidget.h"
#include "messagebrowserview.h"

#include "messagefolder3.pb.h"
#include "selectmessagefolderreply3.pb.h"
#include "selectmessagefolderrequest3.pb.h"
#include "user3.pb.h"

#include <QCoreApplication>
#include <QIcon>
#include <QTreeWidget>

#include <memory>
#include <string>

namespace
{
constexpr int AnnId = 42;
constexpr int RootFolderId = 500;
constexpr int SelectMessageFolder = 49;

QString Name(int index)
{
    return QStringLiteral("Project %1").arg(index, 6, 10, QLatin1Char('0'));
}

bench::Round ProjectFill(int count)
{
    bench::LogOn(AnnId, [](qorv::data::User &ann) { ann.set_user_message_folder_id(RootFolderId); });
    auto window = std::make_shared<MessageBrowserView>();
    window->resize(800, 600);
    bench::WaitUntilActive(window.get(), "the browser");
    auto *pane = window->findChild<MessageBrowserSidePaneTreeWidget *>();
    pane->showPane();
    qorv::data::SelectMessageFolderRequest request;
    request.set_message_folder_user_id(AnnId);
    request.set_message_folder_parent_id(RootFolderId);
    const std::string requestPayload = request.SerializeAsString();
    qorv::data::SelectMessageFolderReply reply;
    for (int index = 0; index < count; ++index) {
        qorv::data::MessageFolder *folder = reply.add_message_folder();
        folder->set_message_folder_id(1000 + index);
        folder->set_message_folder_user_id(AnnId);
        folder->set_message_folder_parent_id(RootFolderId);
        folder->set_message_folder_name(Name(index).toStdString());
    }
    const std::string replyPayload = reply.SerializeAsString();

    return [window, pane, requestPayload, replyPayload, count] {
        pane->resetPane();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        window->setActiveView(true);
        window->receiveReply(SelectMessageFolder, 1, requestPayload, 0, 0, replyPayload);
        bench::LayOutAndPaint(pane);
        const double seconds = bench::SecondsSince(start);
        if (pane->topLevelItem(0)->childCount() != count)
            throw bench::Failure("the browser did not list every folder");
        return seconds;
    };
}

bench::Round BareFill(int count)
{
    auto tree = std::make_shared<QTreeWidget>();
    tree->resize(800, 600);
    tree->setHeaderHidden(true);
    auto *root = new QTreeWidgetItem(tree.get(), {QStringLiteral("Messages")});
    root->setExpanded(true);
    bench::WaitUntilActive(tree.get(), "the tree");
    const QIcon icon(QStringLiteral(":icons/32x32/folder3.png"));
    QStringList names;
    for (int index = 0; index < count; ++index)
        names.append(Name(index));

    return [tree, root, icon, names, count] {
        qDeleteAll(root->takeChildren());
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        QList<QTreeWidgetItem *> items;
        items.reserve(count);
        for (const QString &name : names) {
            auto *item = new QTreeWidgetItem({name});
            item->setIcon(0, icon);
            items.append(item);
        }
        root->addChildren(items);
        bench::LayOutAndPaint(tree.get());
        return bench::SecondsSince(start);
    };
}

const bool Registered = [] {
    bench::RegisterFillPairs("message folder fill", "folders", ProjectFill, BareFill);
    return true;
}();
}
