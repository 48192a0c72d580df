// The document's own lists filled from one reply of n records: the revision
// list of the restore wizard's page (the revision query, one item per
// revision with its icon, local time, tool tip and start, the first made
// current) and the editor's web-address list (the web-address query, one
// sorted item per secure address with its description). Each against a bare
// QListWidget given the same texts the same way.
#include "listfillbench.h"

#include "documenteditorview.h"
#include "revisionhistorylistwidget.h"
#include "selectrevisionwizardpage.h"
#include "testserver.h"
#include "urllistwidget.h"

#include "common/majorcode.h"
#include "common/minortag.h"
#include "document3.pb.h"
#include "documentwebpage3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentwebpagereply3.pb.h"

#include <QCoreApplication>
#include <QIcon>
#include <QListWidget>
#include <QStringList>

#include <memory>
#include <string>

namespace
{
constexpr int AnnId = 42;
constexpr int DocumentId = 21;

// Revision starts one minute apart, newest first as the server lists them.
QString RevisionStart(int index, int count)
{
    const int minutes = count - index;
    return QStringLiteral("2024-%1-%2 %3:%4:00")
        .arg(minutes / (28 * 24 * 60) % 12 + 1, 2, 10, QLatin1Char('0'))
        .arg(minutes / (24 * 60) % 28 + 1, 2, 10, QLatin1Char('0'))
        .arg(minutes / 60 % 24, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// Addresses out of their sorted order.
QString Address(int index)
{
    return QStringLiteral("https://figures.example/%1").arg((index * 7919) % 1000003, 7, 10, QLatin1Char('0'));
}

bench::Round ProjectRevisions(int count)
{
    std::shared_ptr<testsupport::TestServer> server = bench::StartServer();
    qorv::data::SelectDocumentReply reply;
    for (int index = 0; index < count; ++index) {
        qorv::data::Document *revision = reply.add_document();
        revision->set_document_id(DocumentId);
        revision->mutable_sys_period()->set_from(RevisionStart(index, count).toStdString());
    }
    server->reply(common::op::SelectDocument, common::tag::ListRevisions, reply.SerializeAsString());
    auto page = std::make_shared<SelectRevisionWizardPage>(nullptr, DocumentId);
    page->resize(640, 480);
    bench::WaitUntilActive(page.get(), "the page");
    auto *list = page->findChild<RevisionHistoryListWidget *>();
    return [server, page, list, count] {
        page->toggleCurrentRevision(true);
        server->clearRequests();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        page->toggleCurrentRevision(false);
        bench::LayOutAndPaint(list);
        const double seconds = bench::SecondsSince(start);
        if (list->count() != count)
            throw bench::Failure("the page did not list every revision");
        return seconds;
    };
}

bench::Round BareRevisions(int count)
{
    auto list = std::make_shared<QListWidget>();
    list->resize(640, 480);
    bench::WaitUntilActive(list.get(), "the list");
    QStringList starts;
    for (int index = 0; index < count; ++index)
        starts.append(RevisionStart(index, count));
    const QIcon icon(QStringLiteral(":icons/32x32/document_empty_clock_back.png"));
    return [list, starts, icon] {
        list->clear();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        for (const QString &text : starts) {
            auto *item = new QListWidgetItem(icon, text, list.get());
            item->setData(Qt::UserRole, text);
            item->setToolTip(text);
        }
        list->setCurrentRow(0);
        bench::LayOutAndPaint(list.get());
        return bench::SecondsSince(start);
    };
}

bench::Round ProjectAddresses(int count)
{
    std::shared_ptr<testsupport::TestServer> server = bench::StartServer();
    bench::LogOn(AnnId);
    qorv::data::SelectDocumentWebpageReply reply;
    for (int index = 0; index < count; ++index) {
        qorv::data::DocumentWebpage *webpage = reply.add_document_webpage();
        webpage->set_document_webpage_document_id(DocumentId);
        webpage->set_document_webpage_url(Address(index).toStdString());
        webpage->set_document_webpage_description("Quarterly figures");
    }
    server->reply(common::op::SelectDocumentWebpage, 1, reply.SerializeAsString());
    qorv::data::Document document;
    document.set_document_id(DocumentId);
    document.set_document_user_id(AnnId);
    document.set_document_name("Figures");
    document.set_document_body("<html><body><p>Figures</p></body></html>");
    document.mutable_document_security_descriptor()->set_permissions(0xFFF);
    auto window = std::make_shared<DocumentEditorView>(document);
    window->resize(800, 600);
    bench::WaitUntilActive(window.get(), "the editor");
    auto *list = window->findChild<UrlListWidget *>();
    return [server, window, list, count] {
        list->clear();
        server->clearRequests();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        window->toggleUrlAttachments(true);
        bench::LayOutAndPaint(list);
        const double seconds = bench::SecondsSince(start);
        if (list->count() != count)
            throw bench::Failure("the editor did not list every web address");
        return seconds;
    };
}

bench::Round BareAddresses(int count)
{
    auto list = std::make_shared<QListWidget>();
    list->resize(300, 600);
    list->setSortingEnabled(true);
    bench::WaitUntilActive(list.get(), "the list");
    QStringList addresses;
    for (int index = 0; index < count; ++index)
        addresses.append(Address(index));
    return [list, addresses] {
        list->clear();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        list->setSortingEnabled(false);
        for (const QString &address : addresses) {
            auto *item = new QListWidgetItem(address, list.get());
            item->setData(Qt::StatusTipRole, QStringLiteral("Quarterly figures"));
        }
        list->setSortingEnabled(true);
        list->sortItems();
        bench::LayOutAndPaint(list.get());
        return bench::SecondsSince(start);
    };
}

const bool Registered = [] {
    bench::RegisterFillPairs("revision list fill", "revisions", ProjectRevisions, BareRevisions);
    bench::RegisterFillPairs("web-address list fill", "addresses", ProjectAddresses, BareAddresses);
    return true;
}();
}
