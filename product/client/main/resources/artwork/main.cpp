// Draws the client's built-in pictures at build time: every action icon, the
// wizard pictures and the log-on picture named in the list file. Each picture is
// a coloured tile with a simple glyph for the first word of its name and small
// badges for the words that follow (add, delete, edit, lock, ...), so that
// related actions look related. Nothing is loaded from outside.
//
// Usage: artwork <list file> <output directory>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QStringList>
#include <QTextStream>

#include <cmath>
#include <cstdio>

namespace artwork
{
namespace
{
// A stable colour per name: the hue comes from an FNV-1a hash of the text, so
// a rebuild draws the same pictures.
QColor ColourOf(const QString &text)
{
    quint32 hash = 2166136261u;
    for (const QChar c : text) {
        hash ^= c.unicode();
        hash *= 16777619u;
    }
    return QColor::fromHsv(static_cast<int>(hash % 360), 150, 200);
}

QColor FolderColour(const QString &folder)
{
    if (folder == QLatin1String("blue_dark_grey"))
        return QColor(60, 90, 170);
    if (folder == QLatin1String("dark_grey"))
        return QColor(80, 80, 80);
    if (folder == QLatin1String("green_dark_grey"))
        return QColor(50, 140, 70);
    if (folder == QLatin1String("orange_dark_grey"))
        return QColor(220, 130, 40);
    return QColor();
}

// All glyphs are drawn on a 100 x 100 canvas; the painter is scaled to the
// picture's size.
void Pen(QPainter &painter, const QColor &colour, qreal width = 5)
{
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void Folder(QPainter &p)
{
    Pen(p, QColor(120, 80, 10));
    p.setBrush(QColor(250, 200, 80));
    QPainterPath path;
    path.moveTo(12, 30);
    path.lineTo(40, 30);
    path.lineTo(46, 38);
    path.lineTo(88, 38);
    path.lineTo(88, 80);
    path.lineTo(12, 80);
    path.closeSubpath();
    p.drawPath(path);
}

void Document(QPainter &p, qreal dx = 0, qreal dy = 0)
{
    Pen(p, QColor(60, 60, 60), 4);
    p.setBrush(Qt::white);
    QPolygonF page;
    page << QPointF(26 + dx, 14 + dy) << QPointF(62 + dx, 14 + dy) << QPointF(76 + dx, 28 + dy)
         << QPointF(76 + dx, 86 + dy) << QPointF(26 + dx, 86 + dy);
    p.drawPolygon(page);
    Pen(p, QColor(140, 140, 140), 3);
    for (int line = 0; line < 4; ++line)
        p.drawLine(QPointF(34 + dx, 38 + dy + line * 12), QPointF(68 + dx, 38 + dy + line * 12));
}

void Person(QPainter &p, qreal x, qreal y, qreal scale, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(x, y - 18 * scale), 12 * scale, 12 * scale);
    p.drawChord(QRectF(x - 24 * scale, y - 4 * scale, 48 * scale, 48 * scale), 0, 180 * 16);
}

void Key(QPainter &p, qreal x = 0, qreal y = 0, qreal s = 1)
{
    Pen(p, QColor(120, 90, 0), 8 * s);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(30 * s + x, 50 * s + y), 14 * s, 14 * s);
    p.drawLine(QPointF(44 * s + x, 50 * s + y), QPointF(86 * s + x, 50 * s + y));
    p.drawLine(QPointF(74 * s + x, 50 * s + y), QPointF(74 * s + x, 64 * s + y));
    p.drawLine(QPointF(84 * s + x, 50 * s + y), QPointF(84 * s + x, 62 * s + y));
}

void Lock(QPainter &p, qreal x = 0, qreal y = 0, qreal s = 1)
{
    Pen(p, QColor(90, 90, 90), 7 * s);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(32 * s + x, 18 * s + y, 36 * s, 40 * s), 0, 180 * 16);
    p.drawLine(QPointF(32 * s + x, 38 * s + y), QPointF(32 * s + x, 48 * s + y));
    p.drawLine(QPointF(68 * s + x, 38 * s + y), QPointF(68 * s + x, 48 * s + y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 170, 30));
    p.drawRoundedRect(QRectF(24 * s + x, 46 * s + y, 52 * s, 40 * s), 6 * s, 6 * s);
}

void Envelope(QPainter &p)
{
    Pen(p, QColor(60, 60, 90), 4);
    p.setBrush(QColor(245, 245, 235));
    p.drawRect(QRectF(14, 28, 72, 48));
    p.drawLine(QPointF(14, 28), QPointF(50, 56));
    p.drawLine(QPointF(86, 28), QPointF(50, 56));
}

void Clock(QPainter &p)
{
    Pen(p, QColor(40, 40, 40), 5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(50, 50), 34, 34);
    p.drawLine(QPointF(50, 50), QPointF(50, 28));
    p.drawLine(QPointF(50, 50), QPointF(66, 58));
}

void Calendar(QPainter &p)
{
    Pen(p, QColor(60, 60, 60), 4);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(16, 20, 68, 64));
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(16, 20, 68, 14));
    Pen(p, QColor(120, 120, 120), 3);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column)
            p.drawPoint(QPointF(28 + column * 15, 46 + row * 13));
}

void Grid(QPainter &p)
{
    Pen(p, QColor(50, 50, 80), 4);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(14, 20, 72, 60));
    for (int i = 1; i < 3; ++i) {
        p.drawLine(QPointF(14, 20 + i * 20), QPointF(86, 20 + i * 20));
        p.drawLine(QPointF(14 + i * 24, 20), QPointF(14 + i * 24, 80));
    }
}

void Lines(QPainter &p, int alignment)
{
    Pen(p, QColor(30, 30, 30), 6);
    const qreal lengths[] = {64, 44, 64, 36, 56};
    for (int i = 0; i < 5; ++i) {
        const qreal length = alignment == 3 ? 64 : lengths[i];
        qreal left = 18;
        if (alignment == 1)
            left = 50 - length / 2;
        else if (alignment == 2)
            left = 82 - length;
        p.drawLine(QPointF(left, 22 + i * 14), QPointF(left + length, 22 + i * 14));
    }
}

void Bullets(QPainter &p, bool numbered)
{
    Pen(p, QColor(30, 30, 30), 6);
    for (int i = 0; i < 3; ++i) {
        const qreal y = 28 + i * 22;
        if (numbered)
            p.drawLine(QPointF(20, y - 6), QPointF(20, y + 6));
        else
            p.drawPoint(QPointF(20, y));
        p.drawLine(QPointF(36, y), QPointF(84, y));
    }
}

void Arrow(QPainter &p, qreal fromX, qreal fromY, qreal toX, qreal toY, const QColor &colour, qreal width = 8)
{
    Pen(p, colour, width);
    p.drawLine(QPointF(fromX, fromY), QPointF(toX, toY));
    const qreal angle = std::atan2(toY - fromY, toX - fromX);
    const qreal head = width * 2.2;
    p.drawLine(QPointF(toX, toY), QPointF(toX - head * std::cos(angle - 0.6), toY - head * std::sin(angle - 0.6)));
    p.drawLine(QPointF(toX, toY), QPointF(toX - head * std::cos(angle + 0.6), toY - head * std::sin(angle + 0.6)));
}

void CurvedArrow(QPainter &p, bool clockwise)
{
    Pen(p, QColor(30, 60, 150), 8);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(20, 24, 60, 56), clockwise ? 200 * 16 : -20 * 16, clockwise ? -220 * 16 : 220 * 16);
    if (clockwise)
        Arrow(p, 70, 40, 78, 56, QColor(30, 60, 150));
    else
        Arrow(p, 30, 40, 22, 56, QColor(30, 60, 150));
}

void Magnifier(QPainter &p)
{
    Pen(p, QColor(40, 40, 40), 8);
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(QPointF(42, 42), 22, 22);
    Pen(p, QColor(90, 60, 30), 12);
    p.drawLine(QPointF(58, 58), QPointF(82, 82));
}

void Printer(QPainter &p)
{
    Pen(p, QColor(50, 50, 50), 4);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(30, 14, 40, 28));
    p.setBrush(QColor(150, 150, 160));
    p.drawRoundedRect(QRectF(14, 40, 72, 32), 6, 6);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(30, 62, 40, 24));
}

void Floppy(QPainter &p, qreal dx = 0, qreal dy = 0)
{
    Pen(p, QColor(20, 20, 60), 4);
    p.setBrush(QColor(60, 90, 200));
    p.drawRect(QRectF(18 + dx, 18 + dy, 64, 64));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(30 + dx, 18 + dy, 40, 24));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(28 + dx, 56 + dy, 44, 26));
}

void Star(QPainter &p, qreal cx, qreal cy, qreal radius, const QColor &colour)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? radius : radius * 0.45;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        star << QPointF(cx + r * std::cos(angle), cy + r * std::sin(angle));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(star);
}

void House(QPainter &p, qreal dx = 0, qreal s = 1)
{
    Pen(p, QColor(110, 40, 20), 4 * s);
    p.setBrush(QColor(240, 230, 210));
    p.drawRect(QRectF(26 * s + dx, 50 * s, 48 * s, 36 * s));
    p.setBrush(QColor(200, 60, 40));
    QPolygonF roof;
    roof << QPointF(16 * s + dx, 52 * s) << QPointF(50 * s + dx, 18 * s) << QPointF(84 * s + dx, 52 * s);
    p.drawPolygon(roof);
}

void Shield(QPainter &p)
{
    Pen(p, QColor(20, 50, 100), 5);
    p.setBrush(QColor(70, 130, 200));
    QPainterPath path;
    path.moveTo(50, 10);
    path.lineTo(84, 22);
    path.cubicTo(84, 60, 70, 80, 50, 90);
    path.cubicTo(30, 80, 16, 60, 16, 22);
    path.closeSubpath();
    p.drawPath(path);
}

void Gear(QPainter &p, qreal cx, qreal cy, qreal radius)
{
    Pen(p, QColor(70, 70, 70), radius * 0.35);
    for (int i = 0; i < 8; ++i) {
        const qreal angle = i * M_PI / 4;
        p.drawLine(QPointF(cx, cy), QPointF(cx + radius * 1.25 * std::cos(angle), cy + radius * 1.25 * std::sin(angle)));
    }
    p.setBrush(QColor(150, 150, 150));
    p.drawEllipse(QPointF(cx, cy), radius, radius);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(cx, cy), radius * 0.35, radius * 0.35);
}

void Check(QPainter &p, qreal x, qreal y, qreal s, const QColor &colour)
{
    Pen(p, colour, 10 * s);
    p.drawLine(QPointF(x + 20 * s, y + 52 * s), QPointF(x + 42 * s, y + 74 * s));
    p.drawLine(QPointF(x + 42 * s, y + 74 * s), QPointF(x + 82 * s, y + 28 * s));
}

void Cross(QPainter &p, qreal x, qreal y, qreal s, const QColor &colour)
{
    Pen(p, colour, 10 * s);
    p.drawLine(QPointF(x + 24 * s, y + 24 * s), QPointF(x + 76 * s, y + 76 * s));
    p.drawLine(QPointF(x + 76 * s, y + 24 * s), QPointF(x + 24 * s, y + 76 * s));
}

void Pencil(QPainter &p, qreal x = 0, qreal y = 0, qreal s = 1)
{
    Pen(p, QColor(60, 40, 10), 3 * s);
    p.setBrush(QColor(250, 190, 40));
    QPolygonF body;
    body << QPointF(x + 70 * s, y + 14 * s) << QPointF(x + 86 * s, y + 30 * s) << QPointF(x + 36 * s, y + 80 * s)
         << QPointF(x + 16 * s, y + 84 * s) << QPointF(x + 20 * s, y + 64 * s);
    p.drawPolygon(body);
}

void TrafficLight(QPainter &p, int lit)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    p.drawRoundedRect(QRectF(32, 8, 36, 84), 8, 8);
    const QColor on[] = {QColor(230, 30, 30), QColor(250, 200, 20), QColor(30, 200, 60)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(i == lit ? on[i] : QColor(90, 90, 90));
        p.drawEllipse(QPointF(50, 22 + i * 28), 10, 10);
    }
}

void Flag(QPainter &p)
{
    Pen(p, QColor(60, 60, 60), 5);
    p.drawLine(QPointF(22, 12), QPointF(22, 90));
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 6; ++column) {
            p.setBrush((row + column) % 2 == 0 ? Qt::black : Qt::white);
            p.drawRect(QRectF(24 + column * 10, 14 + row * 10, 10, 10));
        }
}

void Hourglass(QPainter &p)
{
    Pen(p, QColor(90, 60, 20), 5);
    p.setBrush(QColor(240, 220, 160));
    QPolygonF glass;
    glass << QPointF(26, 14) << QPointF(74, 14) << QPointF(52, 50) << QPointF(74, 86) << QPointF(26, 86)
          << QPointF(48, 50);
    p.drawPolygon(glass);
}

void Server(QPainter &p, qreal dx = 0)
{
    Pen(p, QColor(40, 40, 60), 4);
    p.setBrush(QColor(170, 170, 190));
    p.drawRect(QRectF(28 + dx, 14, 30, 72));
    Pen(p, QColor(40, 200, 60), 5);
    p.drawPoint(QPointF(36 + dx, 24));
    p.drawPoint(QPointF(36 + dx, 40));
}

void Photo(QPainter &p)
{
    Pen(p, QColor(50, 50, 50), 4);
    p.setBrush(QColor(150, 200, 250));
    p.drawRect(QRectF(12, 22, 76, 56));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 150, 60));
    QPolygonF hills;
    hills << QPointF(14, 76) << QPointF(40, 44) << QPointF(58, 62) << QPointF(70, 52) << QPointF(86, 76);
    p.drawPolygon(hills);
    p.setBrush(QColor(250, 220, 40));
    p.drawEllipse(QPointF(70, 36), 7, 7);
}

void Scissors(QPainter &p)
{
    Pen(p, QColor(40, 40, 40), 6);
    p.drawLine(QPointF(28, 14), QPointF(64, 70));
    p.drawLine(QPointF(72, 14), QPointF(36, 70));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(30, 78), 10, 10);
    p.drawEllipse(QPointF(70, 78), 10, 10);
}

void Bubble(QPainter &p)
{
    Pen(p, QColor(60, 60, 60), 4);
    p.setBrush(QColor(255, 255, 200));
    p.drawRoundedRect(QRectF(12, 18, 76, 46), 10, 10);
    QPolygonF tail;
    tail << QPointF(30, 62) << QPointF(24, 84) << QPointF(46, 62);
    p.drawPolygon(tail);
}

void Wand(QPainter &p)
{
    Pen(p, QColor(40, 20, 60), 8);
    p.drawLine(QPointF(20, 84), QPointF(62, 42));
    Star(p, 70, 32, 20, QColor(250, 210, 40));
}

void Recycle(QPainter &p)
{
    const QColor green(40, 150, 60);
    Arrow(p, 30, 74, 50, 22, green, 7);
    Arrow(p, 58, 24, 80, 70, green, 7);
    Arrow(p, 74, 80, 24, 80, green, 7);
}

// The glyph of the picture's first word (and the words that qualify it).
void Glyph(QPainter &p, const QStringList &words)
{
    const QString first = words.value(0);
    const QString all = words.join(QLatin1Char('_'));
    if (first == QLatin1String("folder") || first == QLatin1String("folders") || first == QLatin1String("folder3")) {
        Folder(p);
        if (first == QLatin1String("folders"))
            Arrow(p, 26, 60, 44, 60, QColor(120, 80, 10), 4);
        if (words.contains(QLatin1String("document")))
            Document(p, 16, 6);
    } else if (first == QLatin1String("document") || first == QLatin1String("documents")) {
        if (first == QLatin1String("documents"))
            Document(p, -8, -6);
        Document(p, first == QLatin1String("documents") ? 6 : 0, first == QLatin1String("documents") ? 4 : 0);
    } else if (first == QLatin1String("user")) {
        Person(p, 50, 56, 1.4, QColor(40, 90, 170));
    } else if (first.startsWith(QLatin1String("users"))) {
        Person(p, 36, 56, 1.0, QColor(40, 90, 170));
        Person(p, 64, 60, 1.0, QColor(200, 110, 40));
        if (first == QLatin1String("users4"))
            Person(p, 50, 72, 0.7, QColor(60, 150, 60));
    } else if (first == QLatin1String("key") || first == QLatin1String("keys")) {
        Key(p);
        if (first == QLatin1String("keys"))
            Key(p, 6, 18, 0.8);
    } else if (first == QLatin1String("keyhole")) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 40, 40));
        p.drawEllipse(QPointF(50, 38), 16, 16);
        p.drawPolygon(QPolygonF() << QPointF(42, 46) << QPointF(58, 46) << QPointF(64, 86) << QPointF(36, 86));
    } else if (first == QLatin1String("lock") || first == QLatin1String("lock3")) {
        Lock(p);
        if (words.contains(QLatin1String("open")))
            p.eraseRect(QRectF(60, 30, 12, 14));
    } else if (first == QLatin1String("mail") || first == QLatin1String("mails")) {
        Envelope(p);
    } else if (first == QLatin1String("clock") || first == QLatin1String("history2")
               || first == QLatin1String("stopwatch")) {
        Clock(p);
    } else if (first == QLatin1String("calendar")) {
        Calendar(p);
    } else if (first == QLatin1String("table")) {
        Grid(p);
    } else if (first == QLatin1String("text") && words.size() > 2 && words.at(1) == QLatin1String("align")) {
        const QString how = words.at(2);
        Lines(p, how == QLatin1String("center") ? 1 : how == QLatin1String("right") ? 2 : how == QLatin1String("justified") ? 3 : 0);
    } else if (first == QLatin1String("text") || first == QLatin1String("code") || first == QLatin1String("font")) {
        Lines(p, 0);
    } else if (first == QLatin1String("indent")) {
        Lines(p, 2);
        Arrow(p, words.value(1) == QLatin1String("increase") ? 14 : 34, 50, words.value(1) == QLatin1String("increase") ? 34 : 14, 50, QColor(30, 60, 150), 5);
    } else if (first == QLatin1String("list")) {
        Bullets(p, all.contains(QLatin1String("numbered")) || all.contains(QLatin1String("roman")));
    } else if (first == QLatin1String("magnifying") || first == QLatin1String("zoom") || first == QLatin1String("find")
               || first == QLatin1String("spellcheck")) {
        Magnifier(p);
    } else if (first == QLatin1String("printer")) {
        Printer(p);
    } else if (first == QLatin1String("floppy") || first == QLatin1String("save")) {
        if (words.value(1) == QLatin1String("disks"))
            Floppy(p, -8, -8);
        Floppy(p, words.value(1) == QLatin1String("disks") ? 6 : 0, words.value(1) == QLatin1String("disks") ? 6 : 0);
    } else if (first == QLatin1String("home") || first == QLatin1String("houses")) {
        if (first == QLatin1String("houses")) {
            House(p, -10, 0.8);
            House(p, 30, 0.8);
        } else {
            House(p);
        }
    } else if (first == QLatin1String("shield")) {
        Shield(p);
        Key(p, 18, 8, 0.6);
    } else if (first == QLatin1String("gearwheels") || first == QLatin1String("window")) {
        Gear(p, 40, 42, 18);
        Gear(p, 68, 68, 12);
    } else if (first == QLatin1String("ok") || first == QLatin1String("checkbox") || first == QLatin1String("navigate")) {
        Check(p, 0, 0, 1, QColor(30, 150, 50));
    } else if (first == QLatin1String("delete") || first == QLatin1String("close")) {
        Cross(p, 0, 0, 1, QColor(200, 30, 30));
    } else if (first == QLatin1String("edit") || first == QLatin1String("tool")) {
        if (first == QLatin1String("tool"))
            Bubble(p);
        else
            Pencil(p);
    } else if (first == QLatin1String("photo")) {
        Photo(p);
    } else if (first == QLatin1String("clipboard")) {
        Pen(p, QColor(90, 60, 20), 4);
        p.setBrush(QColor(200, 150, 90));
        p.drawRoundedRect(QRectF(20, 16, 60, 72), 6, 6);
        Document(p, 8, 10);
    } else if (first == QLatin1String("copy")) {
        Document(p, -10, -6);
        Document(p, 8, 6);
    } else if (first == QLatin1String("cut")) {
        Scissors(p);
    } else if (first == QLatin1String("undo") || first == QLatin1String("redo")) {
        CurvedArrow(p, first == QLatin1String("redo"));
    } else if (first == QLatin1String("refresh") || (first == QLatin1String("nav") && words.value(1) == QLatin1String("refresh"))) {
        CurvedArrow(p, true);
    } else if (first == QLatin1String("nav")) {
        const bool left = words.value(1) == QLatin1String("left");
        Arrow(p, left ? 80 : 20, 50, left ? 20 : 80, 50, QColor(30, 60, 150), 10);
    } else if (first == QLatin1String("hourglass")) {
        Hourglass(p);
    } else if (first == QLatin1String("trafficlight")) {
        const QString light = words.value(1);
        TrafficLight(p, light == QLatin1String("red") ? 0 : light == QLatin1String("yellow") ? 1 : 2);
    } else if (first == QLatin1String("signal")) {
        Flag(p);
    } else if (first == QLatin1String("server") || first == QLatin1String("client")) {
        Server(p, -12);
        Server(p, 26);
    } else if (first == QLatin1String("recycle")) {
        Recycle(p);
    } else if (first == QLatin1String("magic")) {
        Wand(p);
    } else if (first == QLatin1String("password")) {
        Pen(p, QColor(40, 40, 40), 4);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(10, 34, 80, 32));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 40, 40));
        for (int i = 0; i < 5; ++i)
            p.drawEllipse(QPointF(22 + i * 14, 50), 4.5, 4.5);
    } else if (first == QLatin1String("compass")) {
        Pen(p, QColor(40, 40, 40), 5);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(50, 50), 36, 36);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 30, 30));
        p.drawPolygon(QPolygonF() << QPointF(50, 18) << QPointF(58, 50) << QPointF(42, 50));
    } else if (first == QLatin1String("log")) {
        Pen(p, QColor(90, 60, 30), 5);
        p.setBrush(QColor(230, 210, 180));
        p.drawRect(QRectF(46, 14, 36, 72));
        Arrow(p, words.value(1) == QLatin1String("in") ? 10 : 60, 50, words.value(1) == QLatin1String("in") ? 56 : 14, 50,
              QColor(30, 120, 40), 8);
    } else {
        Star(p, 50, 50, 34, QColor(250, 210, 40));
    }
}

// Small marks in the lower right corner for the words after the glyph's.
void Badges(QPainter &p, const QStringList &words)
{
    for (int index = 1; index < words.size(); ++index) {
        const QString &word = words.at(index);
        p.save();
        p.translate(52, 52);
        p.scale(0.46, 0.46);
        const bool zoom = words.first() == QLatin1String("zoom");
        if (zoom && (word == QLatin1String("in") || word == QLatin1String("out"))) {
            Pen(p, QColor(20, 20, 20), 16);
            p.drawLine(QPointF(22, 50), QPointF(78, 50));
            if (word == QLatin1String("in"))
                p.drawLine(QPointF(50, 22), QPointF(50, 78));
        } else if (word == QLatin1String("add")) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(30, 160, 50));
            p.drawEllipse(QPointF(50, 50), 46, 46);
            Pen(p, Qt::white, 14);
            p.drawLine(QPointF(50, 24), QPointF(50, 76));
            p.drawLine(QPointF(24, 50), QPointF(76, 50));
        } else if (word == QLatin1String("delete")) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 30, 30));
            p.drawEllipse(QPointF(50, 50), 46, 46);
            Cross(p, 0, 0, 1, Qt::white);
        } else if (word == QLatin1String("edit")) {
            Pencil(p);
        } else if (word == QLatin1String("lock")) {
            Lock(p);
        } else if (word == QLatin1String("key") || word == QLatin1String("keys")) {
            Key(p);
        } else if (word == QLatin1String("right") || word == QLatin1String("forward")
                   || word == QLatin1String("out") || word == QLatin1String("into")) {
            Arrow(p, 10, 50, 90, 50, QColor(30, 60, 150), 14);
        } else if (word == QLatin1String("back") || word == QLatin1String("left") || word == QLatin1String("reply")) {
            Arrow(p, 90, 50, 10, 50, QColor(30, 60, 150), 14);
        } else if (word == QLatin1String("star")) {
            Star(p, 50, 50, 48, QColor(250, 200, 20));
        } else if (word == QLatin1String("ok") || word == QLatin1String("check")) {
            Check(p, 0, 0, 1, QColor(30, 150, 50));
        } else if (word == QLatin1String("play")) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(30, 160, 50));
            p.drawPolygon(QPolygonF() << QPointF(20, 10) << QPointF(90, 50) << QPointF(20, 90));
        } else if (word == QLatin1String("stop")) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 30, 30));
            p.drawRect(QRectF(14, 14, 72, 72));
        } else if (word == QLatin1String("mail")) {
            Envelope(p);
        } else if (word == QLatin1String("clock")) {
            Clock(p);
        } else if (word == QLatin1String("gear")) {
            Gear(p, 50, 50, 30);
        } else if (word == QLatin1String("in")) {
            Arrow(p, 10, 50, 90, 50, QColor(30, 120, 40), 14);
        } else if (word == QLatin1String("bold") || word == QLatin1String("italics") || word == QLatin1String("underline")) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(30, 30, 30));
            p.drawRect(QRectF(20, 10, word == QLatin1String("bold") ? 40 : 20, 80));
            if (word == QLatin1String("underline"))
                p.drawRect(QRectF(10, 92, 80, 8));
        } else if (word == QLatin1String("all")) {
            Person(p, 50, 60, 1.2, QColor(200, 110, 40));
        }
        p.restore();
    }
}

QImage DrawIcon(const QString &name, const QString &folder, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 100.0, size / 100.0);

    QColor tile = FolderColour(folder);
    if (!tile.isValid())
        tile = ColourOf(name);
    QLinearGradient gradient(0, 0, 0, 100);
    gradient.setColorAt(0, tile.lighter(150));
    gradient.setColorAt(1, tile);
    painter.setPen(QPen(tile.darker(160), 2));
    painter.setBrush(gradient);
    painter.drawRoundedRect(QRectF(2, 2, 96, 96), 16, 16);

    QStringList words = name.split(QLatin1Char('_'), Qt::SkipEmptyParts);
    // "magic_wand_document_key": the wand, then what it makes.
    if (words.value(0) == QLatin1String("magic") && words.value(1) == QLatin1String("wand"))
        words.removeAt(1);
    Glyph(painter, words);
    Badges(painter, words);
    return image;
}

QImage DrawLogonPicture()
{
    QImage image(304, 86, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 304, 86);
    gradient.setColorAt(0, QColor(30, 60, 120));
    gradient.setColorAt(1, QColor(90, 150, 210));
    painter.fillRect(image.rect(), gradient);
    painter.save();
    painter.translate(8, 3);
    painter.scale(0.8, 0.8);
    Shield(painter);
    Key(painter, 18, 8, 0.6);
    painter.restore();
    // A quill drawn as a long feather stroke across the banner.
    QPainterPath feather;
    feather.moveTo(110, 70);
    feather.cubicTo(160, 20, 230, 10, 290, 14);
    feather.cubicTo(240, 30, 180, 50, 110, 70);
    painter.setPen(QPen(QColor(240, 240, 255), 2));
    painter.setBrush(QColor(220, 230, 250, 180));
    painter.drawPath(feather);
    return image;
}

bool Write(const QImage &image, const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const bool jpeg = path.endsWith(QLatin1String(".jpg"));
    return image.save(path, jpeg ? "JPG" : "PNG", jpeg ? 90 : -1);
}
}
}

int main(int argc, char *argv[])
{
    // Drawing needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: artwork <list file> <output directory>\n");
        return 2;
    }
    QFile list(QString::fromLocal8Bit(argv[1]));
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "artwork: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir output(QString::fromLocal8Bit(argv[2]));
    QTextStream lines(&list);
    while (!lines.atEnd()) {
        const QString entry = lines.readLine().trimmed();
        if (entry.isEmpty() || entry.startsWith(QLatin1Char('#')))
            continue;
        const QString path = output.filePath(entry);
        QImage image;
        if (entry.startsWith(QLatin1String("images/"))) {
            image = artwork::DrawLogonPicture();
        } else {
            const QStringList parts = entry.split(QLatin1Char('/'));
            const int size = parts.value(1).section(QLatin1Char('x'), 0, 0).toInt();
            const QString folder = parts.size() > 3 ? parts.at(2) : QString();
            image = artwork::DrawIcon(QFileInfo(entry).completeBaseName(), folder, size > 0 ? size : 32);
        }
        if (!artwork::Write(image, path)) {
            std::fprintf(stderr, "artwork: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
