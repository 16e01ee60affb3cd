// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/ToolIcons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace rumbela {

namespace {

// Drawings are made on a 16 x 16 grid and scaled to each icon size.
const QColor kInk(0x40, 0x40, 0x48);
const QColor kBlue(0x2a, 0x62, 0xb8);
const QColor kGreen(0x2e, 0x9b, 0x3a);
const QColor kRed(0xc8, 0x37, 0x2d);
const QColor kYellow(0xe8, 0xb4, 0x30);
const QColor kGrey(0x9a, 0x9a, 0xa4);
const QColor kBrown(0xa8, 0x74, 0x3c);
const QColor kPurple(0x7a, 0x3c, 0xa8);

using Drawing = std::function<void(QPainter&)>;

void Pen(QPainter& p, const QColor& color, qreal width = 1.0)
{
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void Page(QPainter& p, const QRectF& r, bool lines = true)
{
    const qreal fold = 3.5;
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    Pen(p, kInk);
    p.setBrush(Qt::white);
    p.drawPath(path);
    if (!lines)
        return;
    Pen(p, kGrey);
    for (qreal y = r.top() + 4; y < r.bottom() - 1.5; y += 2.5)
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
}

void TextLines(QPainter& p, qreal left, qreal right)
{
    Pen(p, kInk);
    for (qreal y = 3.5; y < 14; y += 3)
        p.drawLine(QPointF(left, y), QPointF(right, y));
}

void Arrow(QPainter& p, const QPointF& from, const QPointF& to, const QColor& color)
{
    Pen(p, color, 2.0);
    p.drawLine(from, to);
    const QLineF shaft(to, from);
    QLineF wing = shaft;
    wing.setLength(4);
    wing.setAngle(shaft.angle() + 40);
    p.drawLine(wing);
    wing.setAngle(shaft.angle() - 40);
    p.drawLine(wing);
}

void Cross(QPainter& p, const QPointF& c, qreal half, const QColor& color)
{
    Pen(p, color, 2.0);
    p.drawLine(c + QPointF(-half, -half), c + QPointF(half, half));
    p.drawLine(c + QPointF(-half, half), c + QPointF(half, -half));
}

void Plus(QPainter& p, const QPointF& c, qreal half, const QColor& color)
{
    Pen(p, color, 2.0);
    p.drawLine(c + QPointF(-half, 0), c + QPointF(half, 0));
    p.drawLine(c + QPointF(0, -half), c + QPointF(0, half));
}

void Floppy(QPainter& p, const QRectF& r)
{
    Pen(p, kInk);
    p.setBrush(kBlue);
    p.drawRoundedRect(r, 1, 1);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.left() + r.width() * 0.2, r.top(), r.width() * 0.6, r.height() * 0.4));
    p.setBrush(kGrey);
    p.drawRect(QRectF(r.left() + r.width() * 0.25, r.bottom() - r.height() * 0.35, r.width() * 0.5,
                      r.height() * 0.35));
}

void Folder(QPainter& p)
{
    Pen(p, kInk);
    p.setBrush(kYellow.darker(115));
    p.drawRect(QRectF(1.5, 3.5, 6, 3));
    p.setBrush(kYellow);
    p.drawRect(QRectF(1.5, 5.5, 13, 8));
}

void Magnifier(QPainter& p, const QPointF& c, qreal radius)
{
    Pen(p, kInk, 2.0);
    p.drawLine(c + QPointF(radius * 0.7, radius * 0.7), c + QPointF(radius * 1.8, radius * 1.8));
    Pen(p, kInk, 1.5);
    p.setBrush(QColor(0xd8, 0xea, 0xfa));
    p.drawEllipse(c, radius, radius);
}

void Ribbon(QPainter& p, const QRectF& r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right(), r.top());
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.center().x(), r.bottom() - r.width() / 2);
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    Pen(p, kBlue.darker(130));
    p.setBrush(kBlue);
    p.drawPath(path);
}

void Windows(QPainter& p, const QList<QRectF>& rects)
{
    for (const QRectF& r : rects) {
        Pen(p, kInk);
        p.setBrush(Qt::white);
        p.drawRect(r);
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 0.5, 2.5));
    }
}

void Badge(QPainter& p, const QColor& color, const QString& text)
{
    Pen(p, color.darker(140));
    p.setBrush(color);
    p.drawRoundedRect(QRectF(0.5, 1.5, 15, 13), 3, 3);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(text.size() > 1 ? 8 : 10);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 1, 16, 14), Qt::AlignCenter, text);
}

void Gear(QPainter& p)
{
    Pen(p, kInk);
    p.setBrush(kGrey);
    p.save();
    p.translate(8, 8);
    for (int i = 0; i < 8; ++i) {
        p.drawRect(QRectF(-1.5, -7.5, 3, 4));
        p.rotate(45);
    }
    p.restore();
    p.drawEllipse(QPointF(8, 8), 5, 5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 8), 2, 2);
}

void CurvedArrow(QPainter& p, bool left)
{
    // Drawn pointing left; mirrored for the other direction.
    p.save();
    if (!left) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    Pen(p, kBlue, 2.0);
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(3, 6);
    path.cubicTo(8, 2, 15, 5, 12, 13);
    p.drawPath(path);
    p.drawLine(QPointF(3, 6), QPointF(7, 5));
    p.drawLine(QPointF(3, 6), QPointF(4, 10));
    p.restore();
}

void Reload(QPainter& p)
{
    Pen(p, kGreen, 2.0);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2.5, 2.5, 11, 11), 100 * 16, 290 * 16);
    p.drawLine(QPointF(8.5, 2.5), QPointF(5.5, 0.5));
    p.drawLine(QPointF(8.5, 2.5), QPointF(5.5, 5));
}

void Printer(QPainter& p)
{
    Pen(p, kInk);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(kGrey);
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
}

void Scissors(QPainter& p)
{
    Pen(p, kInk, 1.5);
    p.drawLine(QPointF(5.5, 10), QPointF(11, 1.5));
    p.drawLine(QPointF(10.5, 10), QPointF(5, 1.5));
    p.setBrush(Qt::NoBrush);
    Pen(p, kRed, 1.5);
    p.drawEllipse(QPointF(4.5, 12), 2.3, 2.3);
    p.drawEllipse(QPointF(11.5, 12), 2.3, 2.3);
}

void Clipboard(QPainter& p)
{
    Pen(p, kInk);
    p.setBrush(kBrown);
    p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1, 1);
    p.setBrush(kGrey);
    p.drawRect(QRectF(4.5, 1.5, 4, 2.5));
    Page(p, QRectF(6.5, 5.5, 8, 9.5));
}

void Globe(QPainter& p)
{
    Pen(p, kBlue.darker(130));
    p.setBrush(QColor(0x9c, 0xc8, 0xf0));
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(8, 8), 3, 6.5);
    p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
    p.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
}

void Slashes(QPainter& p, const QColor& color)
{
    Pen(p, color, 1.5);
    p.drawLine(QPointF(1, 13), QPointF(4, 3));
    p.drawLine(QPointF(4, 13), QPointF(7, 3));
}

QHash<QString, Drawing> Drawings()
{
    QHash<QString, Drawing> d;
    d.insert(QStringLiteral("start"), [](QPainter& p) {
        Pen(p, kGreen.darker(130));
        p.setBrush(kGreen);
        p.drawPolygon(QPolygonF({{3.5, 2}, {13.5, 8}, {3.5, 14}}));
    });
    d.insert(QStringLiteral("stop"), [](QPainter& p) {
        Pen(p, kRed.darker(130));
        p.setBrush(kRed);
        p.drawRoundedRect(QRectF(3, 3, 10, 10), 1.5, 1.5);
    });
    d.insert(QStringLiteral("view"), Globe);
    d.insert(QStringLiteral("new"), [](QPainter& p) {
        Page(p, QRectF(2.5, 1.5, 10, 13));
        Plus(p, QPointF(12, 12), 3, kGreen);
    });
    d.insert(QStringLiteral("open"), [](QPainter& p) { Folder(p); });
    d.insert(QStringLiteral("close"), [](QPainter& p) {
        Page(p, QRectF(2.5, 1.5, 10, 13));
        Cross(p, QPointF(12, 12), 2.5, kRed);
    });
    d.insert(QStringLiteral("save"), [](QPainter& p) { Floppy(p, QRectF(1.5, 1.5, 13, 13)); });
    d.insert(QStringLiteral("saveall"), [](QPainter& p) {
        Floppy(p, QRectF(0.5, 0.5, 10, 10));
        Floppy(p, QRectF(5.5, 5.5, 10, 10));
    });
    d.insert(QStringLiteral("saveas"), [](QPainter& p) {
        Floppy(p, QRectF(0.5, 0.5, 12, 12));
        Pen(p, kYellow.darker(130), 2.5);
        p.drawLine(QPointF(8, 14.5), QPointF(14.5, 8));
    });
    d.insert(QStringLiteral("reload"), Reload);
    d.insert(QStringLiteral("print"), Printer);
    d.insert(QStringLiteral("undo"), [](QPainter& p) { CurvedArrow(p, true); });
    d.insert(QStringLiteral("redo"), [](QPainter& p) { CurvedArrow(p, false); });
    d.insert(QStringLiteral("cut"), Scissors);
    d.insert(QStringLiteral("copy"), [](QPainter& p) {
        Page(p, QRectF(1.5, 1.5, 8, 10));
        Page(p, QRectF(6.5, 4.5, 8, 10));
    });
    d.insert(QStringLiteral("paste"), Clipboard);
    d.insert(QStringLiteral("delete"), [](QPainter& p) { Cross(p, QPointF(8, 8), 5, kRed); });
    d.insert(QStringLiteral("prop"), Gear);
    d.insert(QStringLiteral("find"), [](QPainter& p) { Magnifier(p, QPointF(6.5, 6.5), 4.5); });
    d.insert(QStringLiteral("findnext"), [](QPainter& p) {
        Magnifier(p, QPointF(5.5, 5.5), 3.5);
        Arrow(p, QPointF(13, 6), QPointF(13, 14.5), kBlue);
    });
    d.insert(QStringLiteral("findprev"), [](QPainter& p) {
        Magnifier(p, QPointF(5.5, 5.5), 3.5);
        Arrow(p, QPointF(13, 14.5), QPointF(13, 6), kBlue);
    });
    d.insert(QStringLiteral("tabl"), [](QPainter& p) {
        TextLines(p, 8, 15);
        Arrow(p, QPointF(1, 8), QPointF(6.5, 8), kBlue);
    });
    d.insert(QStringLiteral("tabr"), [](QPainter& p) {
        TextLines(p, 8, 15);
        Arrow(p, QPointF(6.5, 8), QPointF(1, 8), kBlue);
    });
    d.insert(QStringLiteral("cblock"), [](QPainter& p) {
        TextLines(p, 9, 15);
        Slashes(p, kGreen);
    });
    d.insert(QStringLiteral("ublock"), [](QPainter& p) {
        TextLines(p, 9, 15);
        Slashes(p, kGrey);
        Cross(p, QPointF(4, 8), 2.5, kRed);
    });
    d.insert(QStringLiteral("tbmark"), [](QPainter& p) { Ribbon(p, QRectF(4.5, 1.5, 7, 13)); });
    d.insert(QStringLiteral("nbmark"), [](QPainter& p) {
        Ribbon(p, QRectF(1.5, 1.5, 6, 12));
        Arrow(p, QPointF(12, 3), QPointF(12, 14), kGreen);
    });
    d.insert(QStringLiteral("pbmark"), [](QPainter& p) {
        Ribbon(p, QRectF(1.5, 1.5, 6, 12));
        Arrow(p, QPointF(12, 14), QPointF(12, 3), kGreen);
    });
    d.insert(QStringLiteral("cbmark"), [](QPainter& p) {
        Ribbon(p, QRectF(1.5, 1.5, 6, 12));
        Cross(p, QPointF(12, 11), 2.5, kRed);
    });
    d.insert(QStringLiteral("pline"),
             [](QPainter& p) { Arrow(p, QPointF(8, 14), QPointF(8, 2), kBlue); });
    d.insert(QStringLiteral("nline"),
             [](QPainter& p) { Arrow(p, QPointF(8, 2), QPointF(8, 14), kBlue); });
    d.insert(QStringLiteral("ctag"), [](QPainter& p) {
        Pen(p, kPurple, 2.0);
        p.drawPolyline(QPolygonF({{6, 3}, {1.5, 8}, {6, 13}}));
        p.drawPolyline(QPolygonF({{10, 3}, {14.5, 8}, {10, 13}}));
    });
    d.insert(QStringLiteral("tilehor"), [](QPainter& p) {
        Windows(p, {QRectF(1.5, 1.5, 13, 6), QRectF(1.5, 8.5, 13, 6)});
    });
    d.insert(QStringLiteral("tilever"), [](QPainter& p) {
        Windows(p, {QRectF(1.5, 1.5, 6, 13), QRectF(8.5, 1.5, 6, 13)});
    });
    d.insert(QStringLiteral("cascade"), [](QPainter& p) {
        Windows(p, {QRectF(0.5, 0.5, 9, 7), QRectF(3.5, 4, 9, 7), QRectF(6.5, 7.5, 9, 7)});
    });
    d.insert(QStringLiteral("help"), [](QPainter& p) { Badge(p, kBlue, QStringLiteral("?")); });
    for (int i = 1; i <= 10; ++i) {
        const QString number = QString::number(i);
        d.insert(QStringLiteral("mac") + number,
                 [number](QPainter& p) { Badge(p, QColor(0x2f, 0x7f, 0x86), number); });
    }
    d.insert(QStringLiteral("cmac"),
             [](QPainter& p) { Badge(p, QColor(0x2f, 0x7f, 0x86), QStringLiteral("+")); });
    return d;
}

// Theme names of the freedesktop icon naming scheme, for the keys that have one.
QString ThemeName(const QString& key)
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("start"), QStringLiteral("media-playback-start")},
        {QStringLiteral("stop"), QStringLiteral("media-playback-stop")},
        {QStringLiteral("view"), QStringLiteral("internet-web-browser")},
        {QStringLiteral("new"), QStringLiteral("document-new")},
        {QStringLiteral("open"), QStringLiteral("document-open")},
        {QStringLiteral("close"), QStringLiteral("window-close")},
        {QStringLiteral("save"), QStringLiteral("document-save")},
        {QStringLiteral("saveas"), QStringLiteral("document-save-as")},
        {QStringLiteral("reload"), QStringLiteral("view-refresh")},
        {QStringLiteral("print"), QStringLiteral("document-print")},
        {QStringLiteral("undo"), QStringLiteral("edit-undo")},
        {QStringLiteral("redo"), QStringLiteral("edit-redo")},
        {QStringLiteral("cut"), QStringLiteral("edit-cut")},
        {QStringLiteral("copy"), QStringLiteral("edit-copy")},
        {QStringLiteral("paste"), QStringLiteral("edit-paste")},
        {QStringLiteral("delete"), QStringLiteral("edit-delete")},
        {QStringLiteral("prop"), QStringLiteral("document-properties")},
        {QStringLiteral("find"), QStringLiteral("edit-find")},
        {QStringLiteral("tabl"), QStringLiteral("format-indent-more")},
        {QStringLiteral("tabr"), QStringLiteral("format-indent-less")},
        {QStringLiteral("tbmark"), QStringLiteral("bookmark-new")},
        {QStringLiteral("pline"), QStringLiteral("go-up")},
        {QStringLiteral("nline"), QStringLiteral("go-down")},
        {QStringLiteral("help"), QStringLiteral("help-contents")},
    };
    return names.value(key);
}

QIcon Drawn(const Drawing& drawing)
{
    QIcon icon;
    for (const int size : {16, 24, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 16.0, size / 16.0);
        drawing(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void Unknown(QPainter& p)
{
    Pen(p, kInk);
    p.setBrush(kGrey);
    p.drawRect(QRectF(3.5, 3.5, 9, 9));
}

} // namespace

QIcon ToolIcon(const QString& key)
{
    static const QHash<QString, Drawing> drawings = Drawings();
    const QIcon fallback = Drawn(drawings.value(key, Unknown));
    const QString themeName = ThemeName(key);
    if (themeName.isEmpty())
        return fallback;
    return QIcon::fromTheme(themeName, fallback);
}

QIcon TabImage(int image)
{
    return Drawn([image](QPainter& p) {
        Page(p, QRectF(2.5, 1.5, 11, 13));
        if (image == 2) {
            p.setPen(Qt::NoPen);
            p.setBrush(kRed);
            p.drawEllipse(QPointF(12, 12), 3, 3);
        }
    });
}

} // namespace rumbela
