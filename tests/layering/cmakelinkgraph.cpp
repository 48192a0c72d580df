#include "cmakelinkgraph.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>

namespace
{
// "node3" [ label = "qorv_gui", shape = octagon ]; the legend's nodes have
// other names and stand for no target.
const QRegularExpression NodePattern(QStringLiteral(R"re(^\s*"(node\d+)"\s*\[\s*label\s*=\s*"([^"]*)")re"),
                                     QRegularExpression::MultilineOption);
// "node1" -> "node0" [ style = dotted ] // low -> high
const QRegularExpression EdgePattern(QStringLiteral(R"re(^\s*"(node\d+)"\s*->\s*"(node\d+)")re"),
                                     QRegularExpression::MultilineOption);

// One graph for the whole project: CMake would otherwise write two more files
// for every target.
const char *const GraphOptions = "set(GRAPHVIZ_GENERATE_PER_TARGET FALSE)\n"
                                 "set(GRAPHVIZ_GENERATE_DEPENDERS FALSE)\n";

// Configuring a whole project on a busy machine can take a while.
constexpr int ConfigureTimeoutMs = 240 * 1000;
}

CMakeLinkGraph::CMakeLinkGraph(const QString &cmake, const QString &generator, const QString &cxxCompiler)
    : m_cmake(cmake)
    , m_generator(generator)
    , m_cxxCompiler(cxxCompiler)
{
}

bool CMakeLinkGraph::read(const QString &sourceDir, const QString &buildDir, const QStringList &definitions)
{
    m_links.clear();
    m_error.clear();
    if (!QDir().mkpath(buildDir)) {
        m_error = QStringLiteral("cannot make %1").arg(buildDir);
        return false;
    }
    QFile options(buildDir + QStringLiteral("/CMakeGraphVizOptions.cmake"));
    if (!options.open(QIODevice::WriteOnly) || options.write(GraphOptions) < 0) {
        m_error = QStringLiteral("cannot write %1").arg(options.fileName());
        return false;
    }
    options.close();

    const QString dotFile = buildDir + QStringLiteral("/links.dot");
    QProcess cmake;
    cmake.setWorkingDirectory(buildDir);
    cmake.setProcessChannelMode(QProcess::MergedChannels);
    cmake.start(m_cmake,
                QStringList{QStringLiteral("-S"), sourceDir, QStringLiteral("-B"), buildDir, QStringLiteral("-G"),
                            m_generator, QStringLiteral("-DCMAKE_CXX_COMPILER=") + m_cxxCompiler,
                            QStringLiteral("--graphviz=") + dotFile}
                    + definitions);
    if (!cmake.waitForFinished(ConfigureTimeoutMs) || cmake.exitStatus() != QProcess::NormalExit
        || cmake.exitCode() != 0) {
        cmake.kill();
        cmake.waitForFinished();
        m_error = QStringLiteral("configuring %1 failed:\n%2").arg(sourceDir, QString::fromLocal8Bit(cmake.readAll()));
        return false;
    }
    return parse(dotFile);
}

bool CMakeLinkGraph::parse(const QString &dotFile)
{
    QFile file(dotFile);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("CMake wrote no graph %1").arg(dotFile);
        return false;
    }
    const QString graph = QString::fromUtf8(file.readAll());

    QHash<QString, QString> names; // node id -> target name
    auto nodes = NodePattern.globalMatch(graph);
    while (nodes.hasNext()) {
        const QRegularExpressionMatch node = nodes.next();
        names.insert(node.captured(1), node.captured(2));
    }
    auto edges = EdgePattern.globalMatch(graph);
    while (edges.hasNext()) {
        const QRegularExpressionMatch edge = edges.next();
        if (names.contains(edge.captured(1)) && names.contains(edge.captured(2)))
            m_links.append({names.value(edge.captured(1)), names.value(edge.captured(2))});
    }
    return true;
}
