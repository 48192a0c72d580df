// A stand-alone test server on 127.0.0.1 for trying the client by hand:
//
//     QuillaneTestServer [--port 30000] [--data sample.json] [--keys DIR]
//
// It answers until it gets SIGINT or SIGTERM. Port 0 takes a free port; the
// line "Listening on 127.0.0.1:<port>" tells which, once it is ready.

#include "demoserver.h"
#include "sampledata.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <pthread.h>

namespace
{
constexpr unsigned short DefaultPort = 30000;
}

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("QuillaneTestServer"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A test server for the Quillane Client on 127.0.0.1."));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("The port to listen on (0: any free)."),
                                        QStringLiteral("port"), QString::number(DefaultPort));
    const QCommandLineOption dataOption(QStringLiteral("data"), QStringLiteral("The JSON file of sample records."),
                                        QStringLiteral("file"), QStringLiteral(QORV_SAMPLE_DATA));
    const QCommandLineOption keysOption(QStringLiteral("keys"),
                                        QStringLiteral("The folder of the server's and client's key halves."),
                                        QStringLiteral("folder"), QStringLiteral(QORV_FIXTURE_KEY_DIR));
    parser.addOptions({portOption, dataOption, keysOption});
    parser.process(application);

    bool portValid = false;
    const uint port = parser.value(portOption).toUInt(&portValid);
    if (!portValid || port > 65535) {
        std::fprintf(stderr, "Not a port: %s\n", qPrintable(parser.value(portOption)));
        return 2;
    }
    QString error;
    const std::optional<demoserver::SampleData> data = demoserver::SampleData::load(parser.value(dataOption), &error);
    if (!data) {
        std::fprintf(stderr, "Cannot read the sample data: %s\n", qPrintable(error));
        return 1;
    }

    // Blocked before the server's thread starts, so that thread inherits the
    // mask and the signals reach only the wait below.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    demoserver::DemoServer server(parser.value(keysOption).toStdString());
    if (!server.isValid()) {
        std::fprintf(stderr, "Cannot read the keys in %s\n", qPrintable(parser.value(keysOption)));
        return 1;
    }
    server.seed(*data);
    if (!server.start(static_cast<unsigned short>(port))) {
        std::fprintf(stderr, "Cannot listen on 127.0.0.1:%u\n", port);
        return 1;
    }
    std::printf("Listening on 127.0.0.1:%u\n", static_cast<unsigned>(server.port()));
    std::fflush(stdout);

    int received = 0;
    sigwait(&stopSignals, &received);
    return 0;
}
