// The audit line of a select reply listing 1,000 documents, as the service
// router builds it for the log, against parsing the same reply and joining its
// ids by hand.
#include "benchpair.h"

#include "registry.h"
#include "selectdocumentlogevent.h"

#include "selectdocumentreply3.pb.h"
#include "user3.pb.h"

#include <ace/Log_Msg.h>

#include <charconv>
#include <string>

namespace
{
constexpr int SelectDocument = 41;
constexpr int RecordCount = 1000;

std::string SelectReply()
{
    qorv::data::SelectDocumentReply reply;
    for (int i = 0; i < RecordCount; ++i) {
        qorv::data::Document *document = reply.add_document();
        document->set_document_id(100000 + 7 * i);
        document->set_document_name("Document");
    }
    return reply.SerializeAsString();
}

// A logged-on user whose audit mask selects the select events' severity.
void AuditSelects()
{
    qorv::data::User user;
    user.set_user_id(42);
    user.mutable_user_security_descriptor()->set_audits(1u << 1);
    RegistrySingleton::instance()->setUser(user);
}

void ProjectLine(benchmark::State &state)
{
    AuditSelects();
    // The line is built and handed to the log; where the log writes is not
    // what this case measures.
    ACE_LOG_MSG->set_flags(ACE_Log_Msg::SILENT);
    const std::string request;
    const std::string reply = SelectReply();
    for (auto _ : state) {
        SelectDocumentLogEvent event(SelectDocument, 1, request, 0, 0, reply, nullptr);
        const std::string line = event();
        if (line.empty())
            state.SkipWithError("no line");
        benchmark::DoNotOptimize(line.data());
    }
    ACE_LOG_MSG->clr_flags(ACE_Log_Msg::SILENT);
}

void BareLine(benchmark::State &state)
{
    const std::string reply = SelectReply();
    for (auto _ : state) {
        qorv::data::SelectDocumentReply parsed;
        if (!parsed.ParseFromString(reply))
            state.SkipWithError("no reply");
        std::string line;
        line.reserve(static_cast<std::size_t>(parsed.document_size()) * 12);
        char digits[16];
        for (const qorv::data::Document &document : parsed.document()) {
            if (!line.empty())
                line += ", ";
            const auto end = std::to_chars(digits, digits + sizeof digits, document.document_id()).ptr;
            line.append(digits, end);
        }
        benchmark::DoNotOptimize(line.data());
    }
}

const bool Registered = [] {
    bench::RegisterPair("audit line/select 1000 ids", ProjectLine, BareLine);
    return true;
}();
}
