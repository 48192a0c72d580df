#include "themeiconindex.h"

#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

ThemeIconIndex::ThemeIconIndex(const QString &themeDirectory)
{
    QDirIterator files(themeDirectory, {QStringLiteral("*.svg")}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QFileInfo file(files.next());
        bool isSize = false;
        const int size = file.dir().dirName().toInt(&isSize);
        if (!isSize || size <= 0)
            continue;
        m_drawings[file.completeBaseName()].append({size, file.filePath()});
    }
    // Equal sizes in two contexts: the first in path order wins, whatever
    // order the file system lists them in.
    for (QList<Drawing> &drawings : m_drawings) {
        std::sort(drawings.begin(), drawings.end(), [](const Drawing &a, const Drawing &b) {
            return a.size != b.size ? a.size < b.size : a.path < b.path;
        });
    }
}

bool ThemeIconIndex::isEmpty() const
{
    return m_drawings.isEmpty();
}

QString ThemeIconIndex::find(const QString &name, int size) const
{
    const auto found = m_drawings.constFind(name);
    if (found == m_drawings.cend() || found->isEmpty())
        return {};
    for (const Drawing &drawing : *found) {
        if (drawing.size >= size)
            return drawing.path;
    }
    return found->constLast().path;
}
