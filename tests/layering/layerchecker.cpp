#include "layerchecker.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace
{
const QRegularExpression IncludePattern(QStringLiteral(R"(^[ \t]*#[ \t]*include[ \t]*[<"]([^>"]+)[>"])"),
                                        QRegularExpression::MultilineOption);
const QRegularExpression TargetPattern(QStringLiteral(R"(\b(?:add_library|add_executable)\s*\(\s*([A-Za-z0-9_.+-]+))"));

// CMake code without its line comments ('#' outside a quoted argument).
QString WithoutComments(const QString &cmake)
{
    QStringList lines = cmake.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        bool quoted = false;
        for (int i = 0; i < line.size(); ++i) {
            if (line.at(i) == QLatin1Char('"'))
                quoted = !quoted;
            else if (line.at(i) == QLatin1Char('#') && !quoted) {
                line.truncate(i);
                break;
            }
        }
    }
    return lines.join(QLatin1Char('\n'));
}

QString Folder(const QString &path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash);
}
}

LayerChecker::LayerChecker(const QString &root, const QStringList &layers)
    : m_root(QDir(root).absolutePath())
    , m_layers(layers)
{
    QSet<QString> tops;
    for (const QString &layer : layers)
        tops.insert(layer.section(QLatin1Char('/'), 0, 0));
    const QDir rootDir(m_root);
    for (const QString &top : tops) {
        QDirIterator it(m_root + QLatin1Char('/') + top, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = rootDir.relativeFilePath(it.next());
            const QString suffix = QFileInfo(path).suffix();
            if (suffix == QLatin1String("h") || suffix == QLatin1String("cpp"))
                m_codeFiles.append(path);
            else if (suffix == QLatin1String("proto"))
                m_schemaFiles.append(path);
            else if (QFileInfo(path).fileName() == QLatin1String("CMakeLists.txt"))
                m_cmakeFiles.append(path);
        }
    }
    m_codeFiles.sort();
    m_cmakeFiles.sort();

    for (const QString &cmakeFile : std::as_const(m_cmakeFiles)) {
        const int layer = layerOf(cmakeFile);
        auto targets = TargetPattern.globalMatch(WithoutComments(read(cmakeFile)));
        while (targets.hasNext())
            m_targetLayers.insert(targets.next().captured(1), layer);
    }
}

QStringList LayerChecker::upwardIncludes() const
{
    QStringList found;
    for (const QString &file : m_codeFiles) {
        const int layer = layerOf(file);
        if (layer < 0)
            continue;
        auto includes = IncludePattern.globalMatch(read(file));
        while (includes.hasNext()) {
            const QString include = includes.next().captured(1);
            const int included = includedLayer(file, include);
            if (included > layer)
                found.append(QStringLiteral("%1 includes %2 of %3").arg(file, include, m_layers.at(included)));
        }
    }
    return found;
}

QStringList LayerChecker::upwardLinks(const QList<CMakeLinkGraph::Link> &links) const
{
    QStringList found;
    for (const CMakeLinkGraph::Link &link : links) {
        const QString &target = link.first;
        const QString &linked = link.second;
        // Imported targets (Qt6::Widgets) and those of the tests are not the
        // layers' own libraries.
        if (!m_targetLayers.contains(target) || !m_targetLayers.contains(linked))
            continue;
        const int layer = m_targetLayers.value(target);
        const int linkedLayer = m_targetLayers.value(linked);
        if (linkedLayer > layer)
            found.append(QStringLiteral("%1 of %2 links %3 of %4")
                             .arg(target, layer < 0 ? QStringLiteral("no layer") : m_layers.at(layer), linked,
                                  m_layers.at(linkedLayer)));
    }
    // A target linked both privately and publicly shows in the graph twice.
    found.sort();
    found.removeDuplicates();
    return found;
}

QStringList LayerChecker::filesOutsideLayers() const
{
    QStringList found;
    for (const QString &file : m_codeFiles) {
        if (layerOf(file) < 0)
            found.append(QStringLiteral("%1 is in no layer").arg(file));
    }
    return found;
}

int LayerChecker::layerOf(const QString &path) const
{
    int found = -1;
    int foundLength = -1;
    for (int i = 0; i < m_layers.size(); ++i) {
        const QString &layer = m_layers.at(i);
        if (path.startsWith(layer + QLatin1Char('/')) && layer.size() > foundLength) {
            found = i;
            foundLength = layer.size();
        }
    }
    return found;
}

// The layer of the header, -1 when it is not in the tree. The includer's own
// folder is searched first, as the compiler does for a quoted include; of
// several headers of that path elsewhere the lowest counts, since any of them
// might be the one the include path finds.
int LayerChecker::includedLayer(const QString &includer, const QString &include) const
{
    // QDir::cleanPath folds "a/../b" to "b" and keeps the ".." that climb out.
    const QString ownFolderPath = QDir::cleanPath(Folder(includer) + QLatin1Char('/') + include);
    if (m_codeFiles.contains(ownFolderPath))
        return layerOf(ownFolderPath);
    // Not beside the includer: the include path finds it, from a folder the
    // tree does not tell, so what is left after the climbing counts.
    QString path = QDir::cleanPath(include);
    while (path.startsWith(QLatin1String("../")))
        path.remove(0, 3);

    QStringList candidates;
    const QString generatedSuffix = QStringLiteral(".pb.h");
    if (path.endsWith(generatedSuffix)) {
        const QString schema = path.chopped(generatedSuffix.size()) + QStringLiteral(".proto");
        for (const QString &file : m_schemaFiles) {
            if (QFileInfo(file).fileName() == QFileInfo(schema).fileName())
                candidates.append(file);
        }
    } else {
        for (const QString &file : m_codeFiles) {
            if (file == path || file.endsWith(QLatin1Char('/') + path))
                candidates.append(file);
        }
    }
    int lowest = -1;
    for (const QString &candidate : std::as_const(candidates)) {
        const int layer = layerOf(candidate);
        if (layer >= 0 && (lowest < 0 || layer < lowest))
            lowest = layer;
    }
    return lowest;
}

QString LayerChecker::read(const QString &path) const
{
    QFile file(m_root + QLatin1Char('/') + path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}
