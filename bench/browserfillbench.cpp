// Filling the document browser from one select reply that lists n documents
// (parsing it, one item per document with its icon, record and tool tip, and
// the list laid out and painted), against a bare QListWidget given the same
// names and laid out and painted the same way.
#include "listfillbench.h"

#include "documentbrowsermainpanelistwidget.h"
#include "documentbrowserview.h"

#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "user3.pb.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QStringList>

#include <chrono>
#include <memory>
#include <string>

namespace
{
constexpr int HomeFolderId = 100;
constexpr int SelectDocument = 41;
constexpr int OpenFolder = -38;

QString Name(int index)
{
    return QStringLiteral("Document %1").arg(index, 5, 10, QLatin1Char('0'));
}

std::string SelectReply(int count)
{
    qorv::data::SelectDocumentReply reply;
    for (int index = 0; index < count; ++index) {
        qorv::data::Document *document = reply.add_document();
        document->set_document_id(1000 + index);
        document->set_document_user_id(42);
        document->set_document_folder_id(HomeFolderId);
        document->set_document_name(Name(index).toStdString());
        document->set_document_description("Quarterly figures");
        document->set_document_creation_date("2024-03-05 14:07:09");
        document->set_document_modification_date("2024-06-12 10:00:00");
    }
    return reply.SerializeAsString();
}

bench::Round ProjectFill(int count)
{
    bench::LogOn(42, [](qorv::data::User &ann) { ann.set_user_folder_id(HomeFolderId); });
    auto window = std::make_shared<DocumentBrowserView>();
    bench::WaitUntilActive(window.get(), "the browser");
    auto *mainPane = window->findChild<MainPaneListWidget *>();
    qorv::data::SelectDocumentRequest request;
    request.set_document_folder_id(HomeFolderId);
    const std::string requestPayload = request.SerializeAsString();
    const std::string replyPayload = SelectReply(count);

    return [window, mainPane, requestPayload, replyPayload, count] {
        mainPane->clear();
        // The browser takes a select reply only while it is the active
        // window; the bare list's rounds take that from it.
        bench::WaitUntilActive(window.get(), "the browser");
        const auto start = std::chrono::steady_clock::now();
        window->receiveReply(SelectDocument, OpenFolder, requestPayload, 0, 0, replyPayload);
        bench::LayOutAndPaint(mainPane);
        const double seconds = bench::SecondsSince(start);
        if (mainPane->count() != count)
            throw bench::Failure("the browser did not list every document");
        return seconds;
    };
}

bench::Round BareFill(int count)
{
    auto list = std::make_shared<QListWidget>();
    list->resize(800, 600);
    bench::WaitUntilActive(list.get(), "the list");
    QStringList names;
    for (int index = 0; index < count; ++index)
        names.append(Name(index));

    return [list, names] {
        list->clear();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        for (const QString &name : names)
            list->addItem(name);
        bench::LayOutAndPaint(list.get());
        return bench::SecondsSince(start);
    };
}

const bool Registered = [] {
    bench::RegisterFillPairs("browser fill", "documents", ProjectFill, BareFill);
    return true;
}();
}
