// The document search dialogs' result tables filled from one search whose
// reply lists n records (the exchange with the test server, parsing, three
// cells per row with the record on the first, laid out and painted): the
// folder's document search and the folder key's document-key search, against
// a bare sortable QTableWidget given the same cells.
#include "listfillbench.h"

#include "folderdocumentsearchdialog.h"
#include "folderkeydocumentsearchdialog.h"
#include "testserver.h"

#include "common/majorcode.h"
#include "document3.pb.h"
#include "documentkey3.pb.h"
#include "folder3.pb.h"
#include "folderkey3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentreply3.pb.h"

#include <QCoreApplication>
#include <QTableWidget>

#include <memory>
#include <string>

namespace
{
constexpr int FolderId = 100;

// Names out of their order.
std::string Name(int index)
{
    return QStringLiteral("Figures %1").arg((index * 7919) % 1000003, 7, 10, QLatin1Char('0')).toStdString();
}

void FillDocument(qorv::data::Document &document, int index)
{
    document.set_document_id(1000 + index);
    document.set_document_folder_id(FolderId);
    document.set_document_name(Name(index));
    document.set_document_creation_date("2024-03-05 14:07:09");
    document.set_document_modification_date("2024-06-12 10:00:00");
}

std::string Documents(int count)
{
    qorv::data::SelectDocumentReply reply;
    for (int index = 0; index < count; ++index)
        FillDocument(*reply.add_document(), index);
    return reply.SerializeAsString();
}

std::string DocumentKeys(int count)
{
    qorv::data::SelectDocumentKeyReply reply;
    for (int index = 0; index < count; ++index)
        FillDocument(*reply.add_document_key()->mutable_document_key_document(), index);
    return reply.SerializeAsString();
}

template <typename Dialog>
bench::Round SearchRound(std::shared_ptr<testsupport::TestServer> server, std::shared_ptr<Dialog> dialog, int count)
{
    dialog->resize(800, 600);
    bench::WaitUntilActive(dialog.get(), "the dialog");
    auto *results = dialog->template findChild<QTableWidget *>();
    return [server, dialog, results, count] {
        dialog->reset();
        server->clearRequests();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        dialog->search();
        bench::LayOutAndPaint(results);
        const double seconds = bench::SecondsSince(start);
        if (results->rowCount() != count)
            throw bench::Failure("the dialog did not list every result");
        return seconds;
    };
}

bench::Round FolderSearch(int count)
{
    std::shared_ptr<testsupport::TestServer> server = bench::StartServer();
    server->reply(common::op::SelectDocument, 1, Documents(count));
    qorv::data::Folder folder;
    folder.set_folder_id(FolderId);
    folder.set_folder_name("Reports");
    return SearchRound(server, std::make_shared<FolderDocumentSearchDialog>(folder, nullptr), count);
}

bench::Round FolderKeySearch(int count)
{
    std::shared_ptr<testsupport::TestServer> server = bench::StartServer();
    server->reply(common::op::SelectDocumentKey, 1, DocumentKeys(count));
    qorv::data::FolderKey folderKey;
    folderKey.mutable_folder_key_folder()->set_folder_id(FolderId);
    folderKey.mutable_folder_key_folder()->set_folder_name("Reports");
    return SearchRound(server, std::make_shared<FolderKeyDocumentSearchDialog>(folderKey, nullptr), count);
}

bench::Round BareTable(int count)
{
    auto table = std::make_shared<QTableWidget>(0, 3);
    table->resize(800, 600);
    table->setSortingEnabled(true);
    bench::WaitUntilActive(table.get(), "the table");
    QStringList names;
    for (int index = 0; index < count; ++index)
        names.append(QString::fromStdString(Name(index)));
    return [table, names, count] {
        table->setRowCount(0);
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        table->setSortingEnabled(false);
        table->setRowCount(count);
        for (int row = 0; row < count; ++row) {
            table->setItem(row, 0, new QTableWidgetItem(names.at(row)));
            table->setItem(row, 1, new QTableWidgetItem(QStringLiteral("2024-03-05 14:07:09")));
            table->setItem(row, 2, new QTableWidgetItem(QStringLiteral("2024-06-12 10:00:00")));
        }
        table->setSortingEnabled(true);
        table->resizeColumnsToContents();
        bench::LayOutAndPaint(table.get());
        return bench::SecondsSince(start);
    };
}

const bool Registered = [] {
    bench::RegisterFillPairs("folder document search fill", "documents", FolderSearch, BareTable);
    bench::RegisterFillPairs("folder-key document search fill", "keys", FolderKeySearch, BareTable);
    return true;
}();
}
