// Filling the document browser from one select reply that lists 10,000
// documents (parsing it, one item per document with its icon, record and tool
// tip, and the list laid out and painted), against a bare QListWidget given
// the same 10,000 names and laid out and painted the same way.
#include "benchpair.h"

#include "documentbrowserview.h"
#include "mainpanelistwidget.h"
#include "registry.h"

#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "user3.pb.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QStringList>

#include <chrono>
#include <memory>
#include <string>

namespace
{
constexpr int DocumentCount = 10000;
constexpr int HomeFolderId = 100;
constexpr int SelectDocument = 41;
constexpr int OpenFolder = -38;

QString Name(int index)
{
    return QStringLiteral("Document %1").arg(index, 5, 10, QLatin1Char('0'));
}

std::string SelectReply()
{
    qorv::data::SelectDocumentReply reply;
    for (int index = 0; index < DocumentCount; ++index) {
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

bool WaitUntilActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    QElapsedTimer waited;
    waited.start();
    while (QApplication::activeWindow() != window && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return QApplication::activeWindow() == window;
}

// The delayed layout and the paint that follow a fill.
void LayOutAndPaint(QListWidget *list)
{
    QCoreApplication::processEvents();
    list->viewport()->repaint();
}

void ProjectFill(benchmark::State &state)
{
    qorv::data::User ann;
    ann.set_user_id(42);
    ann.set_user_folder_id(HomeFolderId);
    RegistrySingleton::instance()->setUser(ann);
    const std::unique_ptr<DocumentBrowserView> window = std::make_unique<DocumentBrowserView>();
    if (!WaitUntilActive(window.get())) {
        state.SkipWithError("the browser did not become the active window");
        return;
    }
    auto *mainPane = window->findChild<MainPaneListWidget *>();
    qorv::data::SelectDocumentRequest request;
    request.set_document_folder_id(HomeFolderId);
    const std::string requestPayload = request.SerializeAsString();
    const std::string replyPayload = SelectReply();

    for (auto _ : state) {
        mainPane->clear();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        window->receiveReply(SelectDocument, OpenFolder, requestPayload, 0, 0, replyPayload);
        LayOutAndPaint(mainPane);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (mainPane->count() != DocumentCount)
            state.SkipWithError("the browser did not list every document");
    }
}

void BareFill(benchmark::State &state)
{
    QListWidget list;
    list.resize(800, 600);
    if (!WaitUntilActive(&list)) {
        state.SkipWithError("the list did not become the active window");
        return;
    }
    QStringList names;
    for (int index = 0; index < DocumentCount; ++index)
        names.append(Name(index));

    for (auto _ : state) {
        list.clear();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        for (const QString &name : names)
            list.addItem(name);
        LayOutAndPaint(&list);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}

const bool Registered = [] {
    const bench::Pair pair = bench::RegisterPair("browser fill/10000 documents", ProjectFill, BareFill);
    for (benchmark::internal::Benchmark *case_ : {pair.project, pair.bare})
        case_->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
    return true;
}();
}
