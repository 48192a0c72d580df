// Showing a message with a chain of n parents from one chain reply (the
// chain query and, as every block names its To and Cc recipients, two
// recipient queries per parent on the test server; the blocks built, joined
// and laid out in the reader), against a bare QTextEdit given the same HTML
// and laid out at the same width.
#include "listfillbench.h"

#include <benchmark/benchmark.h>

#include "messageviewer.h"
#include "testserver.h"
#include "textreader.h"

#include "message3.pb.h"
#include "selectmessagereply3.pb.h"

#include <QAbstractTextDocumentLayout>
#include <QStringList>
#include <QTextDocument>
#include <QTextEdit>

#include <memory>
#include <string>

namespace
{
constexpr int SelectMessage = 50;

qorv::data::Message Parent(int index)
{
    qorv::data::Message message;
    message.set_message_id(1000 + index);
    message.set_message_parent_id(999 + index);
    message.set_message_subject(QStringLiteral("Quarterly figures %1").arg(index).toStdString());
    message.set_message_creation_date("2025-01-01 08:00:00");
    message.set_message_modification_date("2025-01-02 09:30:00");
    message.set_message_body("<p>The figures are in.</p>");
    message.mutable_message_security_descriptor()->set_permissions(0x7FF);
    qorv::data::User *sender = message.mutable_message_sender();
    sender->set_user_first_name("Ann");
    sender->set_user_last_name("Lee");
    return message;
}

// The viewer with its reader reachable, to lay the chain out.
class ChainViewer : public MessageViewer
{
public:
    TextReader *reader() const { return m_textReader; }
};

double LayOut(QTextEdit *edit)
{
    QTextDocument *document = edit->document();
    document->setTextWidth(edit->viewport()->width());
    return document->documentLayout()->documentSize().height();
}

bench::Round ProjectFill(int count)
{
    std::shared_ptr<testsupport::TestServer> server = bench::StartServer();
    qorv::data::SelectMessageReply reply;
    for (int index = 0; index < count; ++index)
        *reply.add_message() = Parent(index);
    server->reply(SelectMessage, 1, reply.SerializeAsString());
    qorv::data::Message message = Parent(count);
    message.clear_message_security_descriptor(); // only its parents show
    auto viewer = std::make_shared<ChainViewer>();
    viewer->reader()->resize(800, 600);

    return [server, viewer, message] {
        viewer->reader()->clear();
        server->clearRequests();
        const auto start = std::chrono::steady_clock::now();
        viewer->displayMessageChain(message, false, false, false, false);
        benchmark::DoNotOptimize(LayOut(viewer->reader()));
        const double seconds = bench::SecondsSince(start);
        if (viewer->reader()->document()->isEmpty())
            throw bench::Failure("the viewer showed no chain");
        return seconds;
    };
}

bench::Round BareFill(int count)
{
    QStringList blocks;
    for (int index = 0; index < count; ++index) {
        const qorv::data::Message parent = Parent(index);
        blocks.append(
            QStringLiteral("<b>From</b>: Lee, Ann<br><b>Created</b>: 2025-01-01 08:00:00<br>"
                           "<b>Modified</b>: 2025-01-02 09:30:00<br><b>Subject</b>: %1<br>"
                           "<b>To</b>: <br>%2")
                .arg(QString::fromStdString(parent.message_subject()), QString::fromStdString(parent.message_body())));
    }
    const QString html = blocks.join(QStringLiteral("<hr>"));
    auto edit = std::make_shared<QTextEdit>();
    edit->resize(800, 600);

    return [edit, html] {
        edit->clear();
        const auto start = std::chrono::steady_clock::now();
        edit->setHtml(html);
        benchmark::DoNotOptimize(LayOut(edit.get()));
        return bench::SecondsSince(start);
    };
}

const bool Registered = [] {
    bench::RegisterFillPairs("message chain fill", "parents", ProjectFill, BareFill);
    return true;
}();
}
