// The audit line of a select reply listing 1,000 documents, as the service
// router builds it for the log, against parsing the same reply and joining its
// ids by hand.
#include "listfillbench.h"

#include <benchmark/benchmark.h>

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
    bench::LogOn(42, [](qorv::data::User &user) { user.mutable_user_security_descriptor()->set_audits(1u << 1); });
}

constexpr int CallsPerRound = 200;

bench::Round ProjectLine()
{
    AuditSelects();
    // The line is built and handed to the log; where the log writes is not
    // what this case measures. The log stays silent for the rest of the run.
    ACE_LOG_MSG->set_flags(ACE_Log_Msg::SILENT);
    const std::string reply = SelectReply();
    return bench::Repeated(CallsPerRound, [reply] {
        const std::string request;
        SelectDocumentLogEvent event(SelectDocument, 1, request, 0, 0, reply, nullptr);
        const std::string line = event();
        if (line.empty())
            throw bench::Failure("no line");
        benchmark::DoNotOptimize(line.data());
    });
}

bench::Round BareLine()
{
    const std::string reply = SelectReply();
    return bench::Repeated(CallsPerRound, [reply] {
        qorv::data::SelectDocumentReply parsed;
        if (!parsed.ParseFromString(reply))
            throw bench::Failure("no reply");
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
    });
}

const bool Registered = [] {
    bench::RegisterPair("audit line/select 1000 ids", ProjectLine, BareLine);
    return true;
}();
}
