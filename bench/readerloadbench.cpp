// Loading 1 MiB of rich text into the reader and laying all of it out, against
// a bare QTextEdit doing the same with the same HTML at the same width.
#include "benchpair.h"

#include <benchmark/benchmark.h>

#include "richtextsample.h"
#include "textreader.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QTextEdit>

#include <chrono>

namespace
{
constexpr int BodyBytes = 1024 * 1024;

const QString &Html()
{
    static const QString html = richtextsample::MakeRichText(BodyBytes);
    return html;
}

bench::Round ProjectLoad()
{
    return [] {
        const auto start = std::chrono::steady_clock::now();
        TextReader reader;
        reader.resize(800, 600);
        benchmark::DoNotOptimize(richtextsample::LoadAndLayOut(reader, Html()));
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
}

bench::Round BareLoad()
{
    return [] {
        const auto start = std::chrono::steady_clock::now();
        QTextEdit edit;
        edit.resize(800, 600);
        edit.setHtml(Html());
        QTextDocument *document = edit.document();
        document->setTextWidth(edit.viewport()->width());
        benchmark::DoNotOptimize(document->documentLayout()->documentSize().height());
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
}

const bool Registered = [] {
    bench::PairOptions options;
    options.rounds = 10;
    bench::RegisterPair("reader load/1 MiB rich text", ProjectLoad, BareLoad, options);
    return true;
}();
}
