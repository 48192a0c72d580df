// Draws the built-in icon catalogue at build time: for each name and size of
// the manifest, the glyph of that name in the packaged icon font as an SVG
// picture, and the resource list that compiles them into the collection
// "content". The font's style sheet gives each name its code point.
//
// Usage: iconcatalogue <manifest> <code points> <font> <output directory>
// Writes <output directory>/content.qrc and the pictures below
// <output directory>/content/icons/default/.

#include "glyphpicture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>

#include <cstdio>

namespace
{
const char *const CatalogueRoot = "content/icons/default";
// The icon font is drawn on a grid of 24 units.
constexpr int EmSize = 24;

struct Icon
{
    QString group;
    QString name;
    QString size; // "24" or "26x24"
    int width;
    int height;
};

void Fail(const QString &message)
{
    std::fprintf(stderr, "iconcatalogue: %s\n", qPrintable(message));
}

// "NxM" is N wide and M high; "M" is square.
bool ParseSize(const QString &size, int &width, int &height)
{
    bool widthOk = true;
    bool heightOk = true;
    height = size.section(QLatin1Char('x'), -1).toInt(&heightOk);
    width = size.contains(QLatin1Char('x')) ? size.section(QLatin1Char('x'), 0, 0).toInt(&widthOk) : height;
    return widthOk && heightOk && width > 0 && height > 0 && width <= 256 && height <= 256;
}

bool ReadManifest(const QString &fileName, QList<Icon> &icons)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        Fail(fileName + QStringLiteral(": cannot be read"));
        return false;
    }
    static const QRegularExpression Word(QStringLiteral("^[a-z0-9_]+$"));
    QTextStream lines(&file);
    int lineNumber = 0;
    while (!lines.atEnd()) {
        const QString line = lines.readLine();
        ++lineNumber;
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.size() < 3 || !Word.match(words.at(0)).hasMatch() || !Word.match(words.at(1)).hasMatch()) {
            Fail(QStringLiteral("%1:%2: not \"group name size...\"").arg(fileName).arg(lineNumber));
            return false;
        }
        for (const QString &size : words.mid(2)) {
            Icon icon{words.at(0), words.at(1), size, 0, 0};
            if (!ParseSize(size, icon.width, icon.height)) {
                Fail(QStringLiteral("%1:%2: bad size %3").arg(fileName).arg(lineNumber).arg(size));
                return false;
            }
            icons.append(icon);
        }
    }
    return true;
}

// The font's style sheet lists its names as  "name": hex,
QHash<QString, char32_t> ReadCodePoints(const QString &fileName)
{
    QHash<QString, char32_t> codePoints;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return codePoints;
    static const QRegularExpression Entry(QStringLiteral(R"re("([a-z0-9_]+)":\s*([0-9a-fA-F]+))re"));
    QRegularExpressionMatchIterator entries = Entry.globalMatch(QString::fromUtf8(file.readAll()));
    while (entries.hasNext()) {
        const QRegularExpressionMatch entry = entries.next();
        codePoints.insert(entry.captured(1), entry.captured(2).toUInt(nullptr, 16));
    }
    return codePoints;
}

bool Write(const QString &fileName, const QString &text)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) >= 0 && file.flush();
}
}

int main(int argc, char *argv[])
{
    // Reading a font needs the GUI library, never a screen, whatever the build's
    // environment says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: iconcatalogue <manifest> <code points> <font> <output directory>\n");
        return 2;
    }
    QList<Icon> icons;
    if (!ReadManifest(QString::fromLocal8Bit(argv[1]), icons))
        return 1;
    const QHash<QString, char32_t> codePoints = ReadCodePoints(QString::fromLocal8Bit(argv[2]));
    if (codePoints.isEmpty()) {
        Fail(QString::fromLocal8Bit(argv[2]) + QStringLiteral(": no code points"));
        return 1;
    }
    const GlyphPicture pictures(QString::fromLocal8Bit(argv[3]), EmSize);
    if (!pictures.isValid()) {
        Fail(QString::fromLocal8Bit(argv[3]) + QStringLiteral(": not a font"));
        return 1;
    }

    const QDir output(QString::fromLocal8Bit(argv[4]));
    // A name dropped from the manifest must not linger in the folders.
    QDir(output.filePath(QStringLiteral("content"))).removeRecursively();

    QSet<QString> paths;
    QString qrc = QStringLiteral("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"/\">\n");
    for (const Icon &icon : std::as_const(icons)) {
        const auto codePoint = codePoints.constFind(icon.name);
        if (codePoint == codePoints.cend()) {
            Fail(icon.name + QStringLiteral(": not in the icon font"));
            return 1;
        }
        // A wide picture belongs in the folder of its height.
        const QString relative = QStringLiteral("%1/%2/svg/production/%3px/ic_%4_%5px.svg")
                                     .arg(QLatin1String(CatalogueRoot), icon.group)
                                     .arg(icon.height)
                                     .arg(icon.name, icon.size);
        if (paths.contains(relative)) {
            Fail(relative + QStringLiteral(": listed twice"));
            return 1;
        }
        paths.insert(relative);
        QString title = icon.name;
        title.replace(QLatin1Char('_'), QLatin1Char(' '));
        const QString svg = pictures.svg(*codePoint, icon.width, icon.height, title);
        if (svg.isEmpty()) {
            Fail(icon.name + QStringLiteral(": the font has no outline for it"));
            return 1;
        }
        const QString file = output.filePath(relative);
        if (!QDir().mkpath(QFileInfo(file).absolutePath()) || !Write(file, svg)) {
            Fail(file + QStringLiteral(": cannot be written"));
            return 1;
        }
        qrc += QStringLiteral("        <file>") + relative + QStringLiteral("</file>\n");
    }
    qrc += QStringLiteral("    </qresource>\n</RCC>\n");
    if (!Write(output.filePath(QStringLiteral("content.qrc")), qrc)) {
        Fail(QStringLiteral("content.qrc cannot be written"));
        return 1;
    }
    return 0;
}
