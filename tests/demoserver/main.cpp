// A stand-alone test server on 127.0.0.1 for trying the client by hand:
//
//     QuillaneTestServer [--port 30000] [--data sample.json] [--keys DIR]
//                        [--hostile [SEED]] [--hostile-rate 0.3] [--spare-log-on] [--stalls]
//
// It answers until it gets SIGINT or SIGTERM. Port 0 takes a free port; the
// line "Listening on 127.0.0.1:<port>" tells which, once it is ready. With
// --hostile it spoils a share of the replies, prints the seed (to run the
// same spoils again) and one line for every spoilt reply. It prints
// "Logged on as <name>" and "Logged off" as accounts come and go.

#include "demoserver.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <pthread.h>
#include <random>

namespace
{
constexpr unsigned short DefaultPort = 30000;
const QString HostileFlag = QStringLiteral("--hostile");

// QCommandLineParser has no option with an optional value: the seed after
// --hostile, when there is one, is taken out before it parses the rest.
std::optional<std::uint32_t> TakeHostileSeed(QStringList &arguments)
{
    const qsizetype flag = arguments.indexOf(HostileFlag);
    if (flag < 0 || flag + 1 >= arguments.size())
        return std::nullopt;
    bool isNumber = false;
    const uint seed = arguments.at(flag + 1).toUInt(&isNumber);
    if (!isNumber)
        return std::nullopt;
    arguments.removeAt(flag + 1);
    return static_cast<std::uint32_t>(seed);
}
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
    const QCommandLineOption hostileOption(
        QStringLiteral("hostile"),
        QStringLiteral("Spoil a share of the replies (cut, wrong tag, huge lengths, trickle, no answer, wrong "
                       "opcode). An optional seed may follow; without one a random seed is printed."));
    const QCommandLineOption rateOption(QStringLiteral("hostile-rate"),
                                        QStringLiteral("The share of replies spoilt, 0 to 1."), QStringLiteral("rate"),
                                        QStringLiteral("0.3"));
    const QCommandLineOption spareLogOnOption(QStringLiteral("spare-log-on"),
                                              QStringLiteral("Answer the log-on soundly in hostile mode."));
    const QCommandLineOption stallsOption(
        QStringLiteral("stalls"),
        QStringLiteral("Also stall in hostile mode: part of a reply, then silence until the client gives up."));
    parser.addOptions({portOption, dataOption, keysOption, hostileOption, rateOption, spareLogOnOption, stallsOption});
    QStringList arguments = application.arguments();
    const std::optional<std::uint32_t> givenSeed = TakeHostileSeed(arguments);
    parser.process(arguments);

    bool portValid = false;
    const uint port = parser.value(portOption).toUInt(&portValid);
    if (!portValid || port > 65535) {
        std::fprintf(stderr, "Not a port: %s\n", qPrintable(parser.value(portOption)));
        return 2;
    }
    testsupport::HostileSchedule::Options hostile;
    bool rateValid = false;
    hostile.rate = parser.value(rateOption).toDouble(&rateValid);
    if (!rateValid || hostile.rate < 0.0 || hostile.rate > 1.0) {
        std::fprintf(stderr, "Not a rate from 0 to 1: %s\n", qPrintable(parser.value(rateOption)));
        return 2;
    }
    hostile.spareLogOn = parser.isSet(spareLogOnOption);
    hostile.stalls = parser.isSet(stallsOption);

    // Blocked before the server's thread starts, so that thread inherits the
    // mask and the signals reach only the wait below.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    QString error;
    const std::unique_ptr<demoserver::DemoServer> server = demoserver::DemoServer::fromSampleFile(
        parser.value(dataOption), parser.value(keysOption).toStdString(), &error);
    if (!server) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    // run.sh --demo starts the client again after a log-off.
    server->setSessionLog([](const std::string &line) {
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
    });
    if (!server->start(static_cast<unsigned short>(port))) {
        std::fprintf(stderr, "Cannot listen on 127.0.0.1:%u\n", port);
        return 1;
    }
    std::printf("Listening on 127.0.0.1:%u\n", static_cast<unsigned>(server->port()));
    std::printf("Authorization code of the forgotten user name and password: %s\n",
                demoserver::DemoServer::ResetAuthcode);
    if (parser.isSet(hostileOption)) {
        const std::uint32_t seed = givenSeed ? *givenSeed : std::random_device()();
        std::printf("Hostile mode: seed %u, rate %g%s%s\n", static_cast<unsigned>(seed), hostile.rate,
                    hostile.spareLogOn ? ", log-on spared" : "", hostile.stalls ? ", with stalls" : "");
        server->setFaultLog([](const std::string &line) {
            std::printf("Hostile: %s\n", line.c_str());
            std::fflush(stdout);
        });
        server->setHostile(seed, hostile);
    }
    std::fflush(stdout);

    int received = 0;
    sigwait(&stopSignals, &received);
    return 0;
}
