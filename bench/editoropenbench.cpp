// Opening a 1 MiB document in the editor: from the select reply (parsed) to
// the window shown and painted, against a bare QTextEdit given the same HTML
// and shown and painted the same way.
#include "listfillbench.h"

#include "documenteditorview.h"

#include "selectdocumentreply3.pb.h"

#include <QTextEdit>

#include <chrono>
#include <memory>
#include <string>

namespace
{
constexpr int BodyBytes = 1024 * 1024;

std::string Body()
{
    std::string body = "<html><body>";
    const std::string paragraph = "<p>The quarterly figures, <b>revised</b> by the committee, with notes.</p>\n";
    while (body.size() + paragraph.size() + 14 < BodyBytes)
        body += paragraph;
    body += "</body></html>";
    return body;
}

std::string SelectReply()
{
    qorv::data::SelectDocumentReply reply;
    qorv::data::Document *document = reply.add_document();
    document->set_document_id(21);
    document->set_document_user_id(42);
    document->set_document_folder_id(100);
    document->set_document_name("Figures");
    document->set_document_body(Body());
    document->mutable_document_security_descriptor()->set_permissions(0xFFF);
    return reply.SerializeAsString();
}

bench::Round ProjectOpen()
{
    bench::LogOn(42);
    return [replyPayload = SelectReply()] {
        const auto start = std::chrono::steady_clock::now();
        qorv::data::SelectDocumentReply reply;
        reply.ParseFromString(replyPayload);
        auto window = std::make_unique<DocumentEditorView>(reply.document(0));
        window->show();
        bench::LayOutAndPaint(window.get());
        return bench::SecondsSince(start);
    };
}

bench::Round BareOpen()
{
    return [html = QString::fromStdString(Body())] {
        const auto start = std::chrono::steady_clock::now();
        auto edit = std::make_unique<QTextEdit>();
        edit->resize(640, 480);
        edit->setHtml(html);
        edit->show();
        bench::LayOutAndPaint(edit.get());
        return bench::SecondsSince(start);
    };
}

const bool Registered = [] {
    bench::PairOptions options;
    options.rounds = 10;
    bench::RegisterPair("editor open/1 MiB document", ProjectOpen, BareOpen, options);
    return true;
}();
}
