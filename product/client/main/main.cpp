#include "abstractapplication.h"
#include "applicationcomponent.h"
#include "firstpaintprobe.h"
#include "retainframememory.h"
#include "signalrelay.h"
#include "spellchecker.h"
#include "timezonedatabase.h"
#include "utils.h"

#include "document3.pb.h"
#include "documentkey3.pb.h"
#include "folder3.pb.h"
#include "folderkey3.pb.h"
#include "groupkey3.pb.h"
#include "message3.pb.h"
#include "messagefolder3.pb.h"
#include "securitydescriptor3.pb.h"
#include "user3.pb.h"

#include <QIcon>
#include <QMetaType>
#include <QResource>
#include <QStyleFactory>
#include <QTranslator>

#include <ace/Log_Msg.h>

#include <csignal>
#include <memory>

namespace
{
const QString ApplicationName = QStringLiteral("QuillaneClient");
const QString ApplicationVersion = QStringLiteral("1.0.0");
const QString OrganizationName = QStringLiteral("Halvemoor");
const QString OrganizationDomain = QStringLiteral("halvemoor.com");
const QString TranslationsResourceFileName = QStringLiteral(":build/client_en.qm");
const QString TimeZoneResourceFileName = QStringLiteral(":resources/resource.tmz");
const QString DictionaryResourceFileName = QStringLiteral(":resources/resource.dic");
const QString AffixResourceFileName = QStringLiteral(":resources/resource.aff");

// The ACE log (network failures, assertion reports, audit lines) goes to the
// system log under the program's name. QORV_LOG_STDERR=1 sends it to the
// standard error stream instead, so that tests and developers can read it
// without a system logger; nothing else reads that variable.
void OpenAceLog()
{
    const bool toStderr = qgetenv("QORV_LOG_STDERR") == "1";
    ACE_LOG_MSG->open(ApplicationName.toUtf8().constData(), toStderr ? ACE_Log_Msg::STDERR : ACE_Log_Msg::SYSLOG,
                      nullptr);
}

// The zone table is read in place from the built-in one; its zones are built
// when the table is first looked at.
void LoadTimeZones()
{
    const QByteArray table = QResource(TimeZoneResourceFileName).uncompressedData();
    if (table.isEmpty()) {
        qWarning("%s could not be read: no time zones", qPrintable(TimeZoneResourceFileName));
        return;
    }
    TimeZoneDatabase::instance()->loadFromText(table.toStdString());
}

// Only named here: the checker copies the built-in files for Hunspell when it
// is first asked for, which is after log-on.
void NameSpellCheckerFiles()
{
    SpellChecker *checker = SpellChecker::instance();
    checker->setDictionaryFile(DictionaryResourceFileName.toStdString());
    checker->setAffixFile(AffixResourceFileName.toStdString());
    checker->reset();
}

// Windows keep records in item data and variants.
void RegisterRecordTypes()
{
    qRegisterMetaType<qorv::data::User>();
    qRegisterMetaType<qorv::data::Folder>();
    qRegisterMetaType<qorv::data::Document>();
    qRegisterMetaType<qorv::data::GroupKey>();
    qRegisterMetaType<qorv::data::FolderKey>();
    qRegisterMetaType<qorv::data::DocumentKey>();
    qRegisterMetaType<qorv::data::SecurityDescriptor>();
    qRegisterMetaType<qorv::data::Message>();
    qRegisterMetaType<qorv::data::MessageFolder>();
}

bool InstallHandler(int signal, void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(signal, &action, nullptr) == 0;
}
}

void signal_handler(int signal)
{
    SignalRelay::post(signal);
}

int main(int argc, char **argv)
{
    // A write on a connection the server has closed must fail, not kill us.
    std::signal(SIGPIPE, SIG_IGN);
    network::RetainFrameMemory();
    const bool relayOpen = SignalRelay::open();
    if (!relayOpen || !InstallHandler(SIGINT, signal_handler)) {
        qCritical("Cannot register signal handler for SIGINT!");
        return 1;
    }
    if (!InstallHandler(SIGTERM, signal_handler)) {
        qCritical("Cannot register signal handler for SIGERR!");
        return 1;
    }

    auto *application = new AbstractApplication(argc, argv);
    new SignalRelay(application);
    FirstPaintProbe::installIfRequested(application);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    OpenAceLog();
    QApplication::setWindowIcon(utils::ActionIcon("shield_key.png"));
#ifdef QORV_CLIENT_RESOURCES
    Q_INIT_RESOURCE(client);
#endif
    QApplication::setApplicationName(ApplicationName);
    QApplication::setApplicationVersion(ApplicationVersion);
    QApplication::setOrganizationName(OrganizationName);
    QApplication::setOrganizationDomain(OrganizationDomain);

    QTranslator translator;
    if (translator.load(TranslationsResourceFileName, QString(), QString(), QString()))
        QApplication::installTranslator(&translator);

    LoadTimeZones();
    NameSpellCheckerFiles();
    RegisterRecordTypes();

    int result = 1;
    try {
        new ApplicationComponent(application);
        result = QApplication::exec();
    } catch (...) {
        qCritical("Quillane Client uncaught exception!");
        result = 1;
    }

    // The application component is its child: its destructor stops the clock,
    // then the bus goes with it.
    delete application;
    return result;
}
