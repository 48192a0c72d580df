// Filling a message's attachment list from one reply of n attached documents
// (the exchange with the test server, parsing the reply, one item per
// document with its icon and record, kept sorted by name as the message
// editor keeps it, laid out and painted), against a bare sorted QListWidget
// given the same names.
#include "listfillbench.h"

#include "messageattachmentitem.h"
#include "testserver.h"

#include "document3.pb.h"
#include "messagedocument3.pb.h"
#include "selectmessagedocumentreply3.pb.h"

#include <QCoreApplication>
#include <QIcon>
#include <QListWidget>

#include <memory>
#include <string>

namespace
{
constexpr int MessageId = 900;
constexpr int SelectMessageDocument = 48;

// Names out of their sorted order, so that sorting has work to do.
QString Name(int index)
{
    return QStringLiteral("Figures %1").arg((index * 7919) % 1000003, 7, 10, QLatin1Char('0'));
}

bench::Round ProjectFill(int count)
{
    std::shared_ptr<testsupport::TestServer> server = bench::StartServer();
    qorv::data::SelectMessageDocumentReply reply;
    for (int index = 0; index < count; ++index) {
        qorv::data::MessageDocument *attachment = reply.add_message_document();
        attachment->set_message_document_message_id(MessageId);
        attachment->set_message_document_document_id(2000 + index);
        qorv::data::Document *document = attachment->mutable_message_document_document();
        document->set_document_id(2000 + index);
        document->set_document_name(Name(index).toStdString());
    }
    server->reply(SelectMessageDocument, 1, reply.SerializeAsString());
    auto list = std::make_shared<QListWidget>();
    list->resize(300, 600);
    list->setSortingEnabled(true);
    bench::WaitUntilActive(list.get(), "the list");

    return [server, list, count] {
        list->clear();
        server->clearRequests();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        MessageAttachmentItem::addAttachments(MessageId, list.get());
        bench::LayOutAndPaint(list.get());
        const double seconds = bench::SecondsSince(start);
        if (list->count() != count)
            throw bench::Failure("the list did not show every attachment");
        return seconds;
    };
}

bench::Round BareFill(int count)
{
    auto list = std::make_shared<QListWidget>();
    list->resize(300, 600);
    list->setSortingEnabled(true);
    bench::WaitUntilActive(list.get(), "the list");
    const QIcon icon(QStringLiteral(":icons/32x32/document_attachment.png"));
    QStringList names;
    for (int index = 0; index < count; ++index)
        names.append(Name(index));

    return [list, icon, names] {
        list->clear();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        list->setSortingEnabled(false);
        for (const QString &name : names)
            new QListWidgetItem(icon, name, list.get());
        list->setSortingEnabled(true);
        list->sortItems();
        bench::LayOutAndPaint(list.get());
        return bench::SecondsSince(start);
    };
}

const bool Registered = [] {
    bench::RegisterFillPairs("message attachment fill", "documents", ProjectFill, BareFill);
    return true;
}();
}
