// Filling the message search's result table from one search whose first
// reply lists n messages (both exchanges with the test server, parsing, four
// cells per message with the record on the first, sorted by sender, columns
// fitted, laid out and painted), against a bare sortable QTableWidget given
// the same cells.
#include "listfillbench.h"

#include "messagesearchdialog.h"
#include "testserver.h"

#include "message3.pb.h"
#include "selectmessagereply3.pb.h"

#include <QCoreApplication>
#include <QTableWidget>

#include <memory>
#include <string>

namespace
{
constexpr int SelectMessage = 50;
constexpr int FolderId = 500;
constexpr int AnnId = 42;

qorv::data::SelectMessageReply Reply(int count)
{
    qorv::data::SelectMessageReply reply;
    for (int index = 0; index < count; ++index) {
        qorv::data::Message *message = reply.add_message();
        message->set_message_id(1000 + index);
        message->set_message_subject(QStringLiteral("Quarterly figures %1").arg(index).toStdString());
        message->set_message_creation_date("2025-01-01 08:00:00");
        message->set_message_modification_date("2025-01-02 09:30:00");
        qorv::data::User *sender = message->mutable_message_sender();
        sender->set_user_first_name(QStringLiteral("Ann%1").arg((index * 7919) % 1000).toStdString());
        sender->set_user_last_name("Lee");
    }
    return reply;
}

bench::Round ProjectFill(int count)
{
    std::shared_ptr<testsupport::TestServer> server = bench::StartServer();
    server->reply(SelectMessage, 1, Reply(count).SerializeAsString());
    auto dialog = std::make_shared<MessageSearchDialog>(FolderId, AnnId, nullptr);
    dialog->resize(800, 600);
    bench::WaitUntilActive(dialog.get(), "the dialog");
    auto *results = dialog->findChild<QTableWidget *>();

    return [server, dialog, results, count] {
        dialog->reset();
        server->clearRequests();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        dialog->search();
        bench::LayOutAndPaint(results);
        const double seconds = bench::SecondsSince(start);
        if (results->rowCount() != count)
            throw bench::Failure("the dialog did not list every message");
        return seconds;
    };
}

bench::Round BareFill(int count)
{
    auto table = std::make_shared<QTableWidget>(0, 4);
    table->resize(800, 600);
    table->setSortingEnabled(true);
    bench::WaitUntilActive(table.get(), "the table");
    auto reply = std::make_shared<const qorv::data::SelectMessageReply>(Reply(count));

    return [table, reply, count] {
        table->setRowCount(0);
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        table->setSortingEnabled(false);
        table->setRowCount(count);
        int row = 0;
        for (const qorv::data::Message &message : reply->message()) {
            const qorv::data::User &sender = message.message_sender();
            table->setItem(row, 0,
                           new QTableWidgetItem(
                               QString::fromStdString(sender.user_last_name() + ", " + sender.user_first_name())));
            table->setItem(row, 1, new QTableWidgetItem(QString::fromStdString(message.message_subject())));
            table->setItem(row, 2, new QTableWidgetItem(QString::fromStdString(message.message_creation_date())));
            table->setItem(row, 3, new QTableWidgetItem(QString::fromStdString(message.message_modification_date())));
            ++row;
        }
        table->setSortingEnabled(true);
        table->resizeColumnsToContents();
        bench::LayOutAndPaint(table.get());
        return bench::SecondsSince(start);
    };
}

const bool Registered = [] {
    bench::RegisterFillPairs("message search fill", "messages", ProjectFill, BareFill);
    return true;
}();
}
