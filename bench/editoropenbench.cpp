// Opening a 1 MiB document in the editor: from the select reply (parsed) to
// the window shown and painted, against a bare QTextEdit given the same HTML
// and shown and painted the same way.
#include "benchpair.h"

#include "documenteditorview.h"
#include "registry.h"

#include "selectdocumentreply3.pb.h"
#include "user3.pb.h"

#include <QApplication>
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

void ShowAndPaint(QWidget *window)
{
    window->show();
    QCoreApplication::processEvents();
    window->repaint();
}

bench::Round ProjectOpen()
{
    qorv::data::User ann;
    ann.set_user_id(42);
    RegistrySingleton::instance()->setUser(ann);
    return [replyPayload = SelectReply()] {
        const auto start = std::chrono::steady_clock::now();
        qorv::data::SelectDocumentReply reply;
        reply.ParseFromString(replyPayload);
        auto window = std::make_unique<DocumentEditorView>(reply.document(0));
        ShowAndPaint(window.get());
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
}

bench::Round BareOpen()
{
    return [html = QString::fromStdString(Body())] {
        const auto start = std::chrono::steady_clock::now();
        auto edit = std::make_unique<QTextEdit>();
        edit->resize(640, 480);
        edit->setHtml(html);
        ShowAndPaint(edit.get());
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
}

const bool Registered = [] {
    bench::PairOptions options;
    options.rounds = 10;
    bench::RegisterPair("editor open/1 MiB document", ProjectOpen, BareOpen, options);
    return true;
}();
}
