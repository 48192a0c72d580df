#ifndef THEMEICONINDEX_H
#define THEMEICONINDEX_H

#include <QHash>
#include <QList>
#include <QString>

// The SVG files of an installed freedesktop icon theme by icon name, across
// its contexts (actions, places, apps, ...) and the sizes each name is drawn
// at, so that a picture can be made from the drawing meant for the size
// closest to the one wanted.
class ThemeIconIndex
{
public:
    // Reads the folder tree <theme>/<context>/<size>/<name>.svg. High-density
    // copies ("22@2x") and symbolic variants are left out: they repeat a
    // drawing of another size.
    explicit ThemeIconIndex(const QString &themeDirectory);

    bool isEmpty() const;

    // The file drawn for exactly that size if there is one, else the one for
    // the smallest larger size, else the largest; empty for an unknown name.
    QString find(const QString &name, int size) const;

private:
    struct Drawing
    {
        int size;
        QString path;
    };
    QHash<QString, QList<Drawing>> m_drawings;
};

#endif // THEMEICONINDEX_H
