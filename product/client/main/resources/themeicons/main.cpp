// Makes the client's built-in pictures at build time from an installed icon
// theme: one PNG (or, for a .jpg name, JPEG) per line of the picture list,
// each rendered from the theme's SVG drawing at the size the picture is used
// at. See pictures.txt for the list's form.
//
// Usage: themeicons <picture list> <theme folder> <output directory>

#include "themeiconindex.h"
#include "themepicture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>

namespace
{
struct Entry
{
    QString path;
    ThemePictureRecipe recipe;
};

// "path icon [+badge] [#tint] [@WxH]"; the size comes from an "NxN" folder of
// the path unless the line names one.
bool Parse(const QString &line, Entry &entry)
{
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() < 2)
        return false;
    entry.path = words.at(0);
    entry.recipe.icon = words.at(1);
    for (const QString &word : words.mid(2)) {
        if (word.startsWith(QLatin1Char('+'))) {
            entry.recipe.badge = word.mid(1);
        } else if (word.startsWith(QLatin1Char('#'))) {
            entry.recipe.tint = QColor::fromString(word);
            if (!entry.recipe.tint.isValid())
                return false;
        } else if (word.startsWith(QLatin1Char('@'))) {
            entry.recipe.size = QSize(word.mid(1).section(QLatin1Char('x'), 0, 0).toInt(),
                                      word.section(QLatin1Char('x'), 1, 1).toInt());
        } else {
            return false;
        }
    }
    if (!entry.recipe.size.isValid()) {
        static const QRegularExpression Folder(QStringLiteral("/(\\d+)x\\1/"));
        const QRegularExpressionMatch size = Folder.match(entry.path);
        if (size.hasMatch())
            entry.recipe.size = QSize(size.captured(1).toInt(), size.captured(1).toInt());
    }
    return !entry.recipe.size.isEmpty();
}

bool Write(QImage image, const QString &fileName)
{
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    if (fileName.endsWith(QLatin1String(".jpg"))) {
        // JPEG has no transparency: the picture stands on white.
        QImage opaque(image.size(), QImage::Format_RGB32);
        opaque.fill(Qt::white);
        QPainter(&opaque).drawImage(0, 0, image);
        return opaque.save(fileName, "JPG", 90);
    }
    return image.save(fileName, "PNG");
}
}

int main(int argc, char *argv[])
{
    // Rendering needs the GUI library, never a screen, whatever the build's
    // environment says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: themeicons <picture list> <theme folder> <output directory>\n");
        return 2;
    }
    QFile list(QString::fromLocal8Bit(argv[1]));
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "themeicons: cannot read %s\n", argv[1]);
        return 1;
    }
    const ThemeIconIndex index(QString::fromLocal8Bit(argv[2]));
    if (index.isEmpty()) {
        std::fprintf(stderr, "themeicons: no icon theme in %s\n", argv[2]);
        return 1;
    }
    const ThemePicture pictures(index);
    const QDir output(QString::fromLocal8Bit(argv[3]));

    QTextStream lines(&list);
    int lineNumber = 0;
    while (!lines.atEnd()) {
        const QString line = lines.readLine().trimmed();
        ++lineNumber;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        Entry entry;
        if (!Parse(line, entry)) {
            std::fprintf(stderr, "%s:%d: not \"path icon [+badge] [#tint] [@WxH]\"\n", argv[1], lineNumber);
            return 1;
        }
        QString error;
        const QImage image = pictures.render(entry.recipe, &error);
        if (image.isNull()) {
            std::fprintf(stderr, "%s:%d: %s\n", argv[1], lineNumber, qPrintable(error));
            return 1;
        }
        if (!Write(image, output.filePath(entry.path))) {
            std::fprintf(stderr, "themeicons: cannot write %s\n", qPrintable(output.filePath(entry.path)));
            return 1;
        }
    }
    return 0;
}
