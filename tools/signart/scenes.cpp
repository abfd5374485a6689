// Road markings, traffic signals and hand signals: drawn as small scenes rather than as
// sign plates. Each scene is laid out on a 240 x 240 grid and scaled to the canvas.
#include "drawing.h"

#include <QHash>
#include <QtMath>
#include <functional>

namespace {

constexpr qreal kGrid = 240.0;
const QColor kLine(245, 245, 245);
const QColor kYellowLine(250, 200, 20);

void rect(QPainter &p, const QRectF &r, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRect(r);
}

// A vertical line at x from y0 to y1; dashed when `dash` > 0.
void vline(QPainter &p, qreal x, const QColor &c, qreal w = 5, qreal dash = 0, qreal gap = 0, qreal y0 = 0,
           qreal y1 = kGrid)
{
    if (dash <= 0) {
        rect(p, QRectF(x - w / 2, y0, w, y1 - y0), c);
        return;
    }
    for (qreal y = y0; y < y1; y += dash + gap)
        rect(p, QRectF(x - w / 2, y, w, qMin(dash, y1 - y)), c);
}

void word(QPainter &p, const QString &text, QPointF at, qreal height, const QColor &c = kLine)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    // Road words are painted tall and narrow so that drivers read them in perspective.
    p.save();
    p.translate(at);
    p.scale(0.75, 1.6);
    p.drawPath(textPath(text, {0, 0}, height / 1.6));
    p.restore();
}

// A fat painted lane arrow pointing up, optionally with a branch to one side.
void laneArrow(QPainter &p, qreal x, qreal yBase, bool straight, int branch)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kLine);
    const qreal top = yBase - 150;
    QPainterPath shaft;
    shaft.addRect(QRectF(x - 6, top + 30, 12, 120));
    if (straight) {
        QPolygonF head;
        head << QPointF(x, top) << QPointF(x + 20, top + 34) << QPointF(x - 20, top + 34);
        shaft.addPolygon(head);
    }
    p.drawPath(shaft.simplified());
    if (branch != 0) {
        QPainterPath b;
        const qreal s = branch;
        b.moveTo(x, yBase - 50);
        b.quadTo(x, yBase - 95, x + s * 38, yBase - 95);
        p.setPen(QPen(kLine, 12, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(b);
        p.setPen(Qt::NoPen);
        p.setBrush(kLine);
        QPolygonF head;
        head << QPointF(x + s * 68, yBase - 95) << QPointF(x + s * 36, yBase - 115) << QPointF(x + s * 36, yBase - 75);
        p.drawPolygon(head);
    }
}

void turnOnlyArrow(QPainter &p, qreal x, qreal yBase, int side)
{
    QPainterPath a;
    a.moveTo(x, yBase);
    a.lineTo(x, yBase - 70);
    a.quadTo(x, yBase - 110, x + side * 40, yBase - 110);
    p.setPen(QPen(kLine, 12, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(a);
    p.setPen(Qt::NoPen);
    p.setBrush(kLine);
    QPolygonF head;
    head << QPointF(x + side * 72, yBase - 110) << QPointF(x + side * 38, yBase - 132)
         << QPointF(x + side * 38, yBase - 88);
    p.drawPolygon(head);
}

void zebra(QPainter &p, qreal y, qreal h)
{
    for (qreal x = 24; x < 216; x += 26)
        rect(p, QRectF(x, y, 15, h), kLine);
}

using Scene = std::function<void(QPainter &)>;

// Standard two-lane road: yellow edges, the centre left to the scene.
void road(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Ink::asphalt);
    p.drawRoundedRect(QRectF(2, 2, kGrid - 4, kGrid - 4), 18, 18);
    vline(p, 14, kYellowLine, 5);
    vline(p, kGrid - 14, kYellowLine, 5);
}

QHash<QString, Scene> lineMarkings()
{
    return {
        {"stopline",
         [](QPainter &p) {
             vline(p, 120, kLine, 4, 0, 0, 0, 150);
             rect(p, QRectF(14, 150, 106, 14), kLine);
         }},
        {"yieldline",
         [](QPainter &p) {
             vline(p, 120, kLine, 4, 0, 0, 0, 150);
             for (qreal x = 18; x < 116; x += 22)
                 rect(p, QRectF(x, 150, 14, 12), kLine);
         }},
        {"zebra", [](QPainter &p) { zebra(p, 80, 80); }},
        {"pedlines",
         [](QPainter &p) {
             rect(p, QRectF(14, 80, 212, 6), kLine);
             rect(p, QRectF(14, 150, 212, 6), kLine);
             rect(p, QRectF(14, 175, 106, 12), kLine);
         }},
        {"solidcentre", [](QPainter &p) { vline(p, 120, kLine, 6); }},
        {"doublecentre",
         [](QPainter &p) {
             vline(p, 113, kLine, 5);
             vline(p, 127, kLine, 5);
         }},
        {"solidbroken",
         [](QPainter &p) {
             vline(p, 113, kLine, 5);
             vline(p, 127, kLine, 5, 26, 20);
         }},
        {"brokencentre", [](QPainter &p) { vline(p, 120, kLine, 5, 30, 30); }},
        {"island",
         [](QPainter &p) {
             vline(p, 120, kLine, 5, 0, 0, 0, 40);
             vline(p, 120, kLine, 5, 0, 0, 200, 240);
             QPolygonF outline;
             outline << QPointF(120, 40) << QPointF(150, 90) << QPointF(150, 150) << QPointF(120, 200)
                     << QPointF(90, 150) << QPointF(90, 90);
             p.setPen(QPen(kLine, 5));
             p.setBrush(Qt::NoBrush);
             p.drawPolygon(outline);
             p.save();
             QPainterPath clip;
             clip.addPolygon(outline);
             p.setClipPath(clip);
             p.setPen(QPen(kLine, 5));
             for (qreal y = 30; y < 220; y += 18)
                 p.drawLine(QPointF(80, y + 20), QPointF(160, y - 20));
             p.restore();
         }},
        {"solidlane", [](QPainter &p) { vline(p, 120, kLine, 5); }},
        {"redline",
         [](QPainter &p) {
             vline(p, 120, kLine, 5, 30, 30);
             vline(p, 26, Ink::red, 7);
         }},
        {"buslane",
         [](QPainter &p) {
             vline(p, 120, kLine, 8);
             word(p, "BUS", {67, 120}, 40);
         }},
        {"cyclelane",
         [](QPainter &p) {
             vline(p, 70, kLine, 6);
             inUnitBox(p, QRectF(20, 90, 46, 46), [&] { drawPictogram(p, "bicycle", kLine, Ink::asphalt); });
         }},
    };
}

QHash<QString, Scene> arrowMarkings()
{
    return {
        {"arrowstraight",
         [](QPainter &p) {
             laneArrow(p, 67, 215, true, 0);
             vline(p, 120, kLine, 5, 30, 30);
         }},
        {"arrowrightroad",
         [](QPainter &p) {
             turnOnlyArrow(p, 157, 215, 1);
             vline(p, 120, kLine, 5, 30, 30);
         }},
        {"arrowleftroad",
         [](QPainter &p) {
             turnOnlyArrow(p, 83, 215, -1);
             vline(p, 120, kLine, 5, 30, 30);
         }},
        {"arrowstraightleft",
         [](QPainter &p) {
             laneArrow(p, 85, 215, true, -1);
             vline(p, 120, kLine, 5, 30, 30);
         }},
        {"arrowstraightright",
         [](QPainter &p) {
             laneArrow(p, 155, 215, true, 1);
             vline(p, 120, kLine, 5, 30, 30);
         }},
        {"arrowleftright",
         [](QPainter &p) {
             turnOnlyArrow(p, 120, 215, -1);
             turnOnlyArrow(p, 120, 215, 1);
         }},
        {"mergearrow",
         [](QPainter &p) {
             vline(p, 120, kLine, 5, 30, 30);
             QPainterPath a;
             a.moveTo(170, 220);
             a.cubicTo(170, 150, 80, 140, 80, 60);
             p.setPen(QPen(kLine, 12, Qt::SolidLine, Qt::FlatCap));
             p.setBrush(Qt::NoBrush);
             p.drawPath(a);
             QPolygonF head;
             head << QPointF(80, 25) << QPointF(100, 62) << QPointF(60, 62);
             p.setPen(Qt::NoPen);
             p.setBrush(kLine);
             p.drawPolygon(head);
         }},
    };
}

QHash<QString, Scene> wordAndGuideMarkings()
{
    return {
        {"keepclear",
         [](QPainter &p) {
             const QRectF box(30, 50, 180, 140);
             p.setPen(QPen(kYellowLine, 6));
             p.setBrush(Qt::NoBrush);
             p.drawRect(box);
             p.save();
             p.setClipRect(box);
             for (qreal d = -200; d < 400; d += 40) {
                 p.drawLine(QPointF(box.left() + d, box.top()), QPointF(box.left() + d + 140, box.bottom()));
                 p.drawLine(QPointF(box.left() + d, box.bottom()), QPointF(box.left() + d + 140, box.top()));
             }
             p.restore();
         }},
        {"stopword",
         [](QPainter &p) {
             word(p, "STOP", {67, 110}, 42);
             rect(p, QRectF(14, 180, 106, 14), kLine);
             vline(p, 120, kLine, 5, 0, 0, 0, 180);
         }},
        {"speed60",
         [](QPainter &p) {
             word(p, "60", {67, 120}, 60);
             vline(p, 120, kLine, 5, 30, 30);
         }},
        {"brokenlane", [](QPainter &p) { vline(p, 120, kLine, 5, 30, 50); }},
        {"guidelines",
         [](QPainter &p) {
             rect(p, QRectF(2, 70, 236, 100), Ink::asphalt);
             vline(p, 120, kLine, 5, 0, 0, 0, 70);
             vline(p, 120, kLine, 5, 0, 0, 170, 240);
             vline(p, 14, kLine, 4, 10, 10, 75, 165);
             vline(p, 226, kLine, 4, 10, 10, 75, 165);
         }},
    };
}

QHash<QString, Scene> approachMarkings()
{
    return {
        {"busstop",
         [](QPainter &p) {
             vline(p, 120, kLine, 5, 30, 30);
             p.setPen(QPen(kYellowLine, 5));
             p.setBrush(Qt::NoBrush);
             p.drawRect(QRectF(22, 40, 80, 160));
             word(p, "BUS", {62, 120}, 30, kYellowLine);
         }},
        {"catseyes",
         [](QPainter &p) {
             vline(p, 120, kLine, 5, 30, 30);
             for (qreal y = 45; y < 240; y += 60) {
                 rect(p, QRectF(113, y - 7, 14, 14), QColor(230, 230, 230));
                 rect(p, QRectF(116, y - 4, 8, 8), Ink::red);
             }
         }},
        {"median",
         [](QPainter &p) {
             vline(p, 100, kYellowLine, 5);
             vline(p, 140, kYellowLine, 5);
             p.save();
             p.setClipRect(QRectF(100, 0, 40, 240));
             p.setPen(QPen(kYellowLine, 4));
             for (qreal y = -40; y < 280; y += 24)
                 p.drawLine(QPointF(100, y + 20), QPointF(140, y - 20));
             p.restore();
         }},
        {"yieldahead",
         [](QPainter &p) {
             vline(p, 120, kLine, 5, 30, 30);
             p.setPen(QPen(kLine, 7));
             p.setBrush(Qt::NoBrush);
             QPolygonF t;
             t << QPointF(67, 200) << QPointF(37, 40) << QPointF(97, 40);
             p.drawPolygon(t);
         }},
        {"humpmark",
         [](QPainter &p) {
             rect(p, QRectF(2, 90, 236, 60), QColor(95, 97, 101));
             for (qreal x = 30; x < 220; x += 46) {
                 QPolygonF t;
                 t << QPointF(x, 140) << QPointF(x + 28, 140) << QPointF(x + 14, 100);
                 p.setPen(Qt::NoPen);
                 p.setBrush(kLine);
                 p.drawPolygon(t);
             }
         }},
        {"diamond",
         [](QPainter &p) {
             vline(p, 120, kLine, 5, 30, 30);
             p.setPen(QPen(kLine, 6));
             p.setBrush(Qt::NoBrush);
             QPolygonF d;
             d << QPointF(67, 40) << QPointF(97, 120) << QPointF(67, 200) << QPointF(37, 120);
             p.drawPolygon(d);
         }},
    };
}

QHash<QString, Scene> hazardMarkings()
{
    return {
        {"returnarrows",
         [](QPainter &p) {
             vline(p, 120, kLine, 5, 0, 0, 0, 90);
             vline(p, 120, kLine, 5, 30, 30, 90, 240);
             for (qreal y : {150.0, 210.0}) {
                 QPainterPath a;
                 a.moveTo(150, y);
                 a.lineTo(115, y - 40);
                 p.setPen(QPen(kLine, 10, Qt::SolidLine, Qt::FlatCap));
                 p.drawPath(a);
                 QPolygonF h;
                 h << QPointF(100, y - 58) << QPointF(127, y - 52) << QPointF(107, y - 32);
                 p.setPen(Qt::NoPen);
                 p.setBrush(kLine);
                 p.drawPolygon(h);
             }
         }},
        {"rumble",
         [](QPainter &p) {
             vline(p, 120, kLine, 5, 30, 30);
             for (qreal y = 60; y < 190; y += 16)
                 rect(p, QRectF(14, y, 212, 8), QColor(225, 225, 225));
         }},
        {"chevrons",
         [](QPainter &p) {
             p.setPen(QPen(kLine, 8, Qt::SolidLine, Qt::FlatCap));
             p.setBrush(Qt::NoBrush);
             for (qreal y = 40; y < 220; y += 40)
                 p.drawPolyline(QPolygonF({QPointF(60, y + 30), QPointF(120, y), QPointF(180, y + 30)}));
         }},
        {"warningline",
         [](QPainter &p) {
             vline(p, 120, kLine, 5, 0, 0, 0, 60);
             vline(p, 120, kLine, 5, 45, 15, 60, 240);
         }},
        {"slowword",
         [](QPainter &p) {
             word(p, "SLOW", {120, 120}, 50);
         }},
        {"schoolword",
         [](QPainter &p) {
             word(p, "SCHOOL", {120, 120}, 46);
         }},
        {"railmark",
         [](QPainter &p) {
             vline(p, 120, kLine, 5, 30, 30);
             p.setPen(QPen(kLine, 8));
             p.drawLine(QPointF(35, 60), QPointF(100, 180));
             p.drawLine(QPointF(100, 60), QPointF(35, 180));
         }},
        {"obstruction",
         [](QPainter &p) {
             vline(p, 120, kLine, 5, 0, 0, 0, 20);
             QPolygonF v;
             v << QPointF(120, 20) << QPointF(170, 200) << QPointF(70, 200);
             p.setPen(QPen(kLine, 5));
             p.setBrush(Qt::NoBrush);
             p.drawPolygon(v);
             p.save();
             QPainterPath clip;
             clip.addPolygon(v);
             p.setClipPath(clip);
             for (qreal y = 0; y < 260; y += 20)
                 p.drawLine(QPointF(60, y + 30), QPointF(180, y - 30));
             p.restore();
             rect(p, QRectF(70, 200, 100, 30), Ink::black);
         }},
        {"stopahead",
         [](QPainter &p) {
             vline(p, 120, kLine, 5, 30, 30);
             word(p, "STOP", {67, 80}, 30);
             word(p, "AHEAD", {67, 170}, 30);
         }},
    };
}

QHash<QString, Scene> edgeAndBayMarkings()
{
    return {
        {"laneline",
         [](QPainter &p) {
             vline(p, 80, kLine, 5, 30, 30);
             vline(p, 160, kLine, 5, 30, 30);
         }},
        {"continuity",
         [](QPainter &p) {
             vline(p, 120, kLine, 5, 30, 30);
             vline(p, 180, kLine, 7, 10, 10);
             QPainterPath exit;
             exit.moveTo(226, 240);
             exit.lineTo(226, 0);
             p.setPen(QPen(kYellowLine, 5));
             p.drawPath(exit);
         }},
        {"leftedge",
         [](QPainter &p) {
             // The shoulder lies to the left of the yellow edge line.
             rect(p, QRectF(2, 0, 44, 240), QColor(150, 142, 124));
             vline(p, 48, kYellowLine, 9);
             vline(p, 135, kLine, 5, 30, 30);
         }},
        {"rightedge",
         [](QPainter &p) {
             rect(p, QRectF(180, 0, 58, 240), QColor(120, 150, 90));
             vline(p, 170, kYellowLine, 9);
             vline(p, 95, kLine, 5, 30, 30);
         }},
        {"channel",
         [](QPainter &p) {
             vline(p, 120, kLine, 5, 0, 0, 0, 100);
             p.setPen(QPen(kLine, 5));
             p.setBrush(Qt::NoBrush);
             p.drawLine(QPointF(120, 100), QPointF(60, 235));
             p.drawLine(QPointF(120, 100), QPointF(180, 235));
             p.save();
             QPainterPath clip;
             clip.addPolygon(QPolygonF({QPointF(120, 100), QPointF(180, 235), QPointF(60, 235)}));
             p.setClipPath(clip);
             for (qreal y = 90; y < 260; y += 18)
                 p.drawLine(QPointF(40, y + 30), QPointF(200, y - 30));
             p.restore();
         }},
        {"parkingbays",
         [](QPainter &p) {
             vline(p, 90, kLine, 5);
             for (qreal y = 20; y < 240; y += 55)
                 rect(p, QRectF(14, y, 76, 5), kLine);
             word(p, "P", {52, 75}, 26);
         }},
    };
}
// The marking table is gathered from one group of scenes each.
const QHash<QString, Scene> &markings()
{
    static const QHash<QString, Scene> table = [] {
        QHash<QString, Scene> all;
        for (const auto group :
             {lineMarkings, arrowMarkings, wordAndGuideMarkings, approachMarkings, hazardMarkings, edgeAndBayMarkings})
            all.insert(group());
        return all;
    }();
    return table;
}

void housing(QPainter &p, const QRectF &r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 110, 110));
    p.drawRect(QRectF(r.center().x() - 8, r.bottom(), 16, kGrid - r.bottom()));
    p.setBrush(Ink::black);
    p.drawRoundedRect(r, 14, 14);
}

void lamp(QPainter &p, QPointF c, const QColor &lit, bool on, bool flashing = false)
{
    p.setPen(Qt::NoPen);
    if (on && flashing) {
        p.setPen(QPen(lit, 4, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 8; ++i) {
            const qreal a = qDegreesToRadians(i * 45.0);
            p.drawLine(c + QPointF(qCos(a), qSin(a)) * 29, c + QPointF(qCos(a), qSin(a)) * 38);
        }
        p.setPen(Qt::NoPen);
    }
    p.setBrush(on ? lit : Ink::unlit);
    p.drawEllipse(c, 22, 22);
}

// Three-lamp head; `lit` is 0 red, 1 amber, 2 green, -1 none.
void threeLamp(QPainter &p, int lit, bool flashing = false)
{
    housing(p, QRectF(85, 12, 70, 186));
    const QColor colours[3] = {Ink::red, Ink::amber, Ink::signalGreen};
    for (int i = 0; i < 3; ++i)
        lamp(p, QPointF(120, 45 + 60 * i), colours[i], lit == i, flashing);
}

void greenArrowLamp(QPainter &p, int dir)
{
    housing(p, QRectF(85, 12, 70, 186));
    lamp(p, QPointF(120, 45), Ink::red, true);
    lamp(p, QPointF(120, 105), Ink::amber, false);
    lamp(p, QPointF(120, 165), Ink::signalGreen, false);
    p.save();
    p.translate(120, 165);
    p.rotate(dir * 90.0);
    QPainterPath a;
    a.moveTo(0, 15);
    a.lineTo(0, -15);
    drawArrow(p, a, Ink::signalGreen, 7);
    p.restore();
}

void figureLamp(QPainter &p, QPointF c, const QColor &colour, bool walking)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Ink::unlit);
    p.drawRoundedRect(QRectF(c.x() - 30, c.y() - 30, 60, 60), 6, 6);
    inUnitBox(p, QRectF(c.x() - 24, c.y() - 24, 48, 48), [&] {
        if (walking) {
            drawPictogram(p, "pedestrian", colour, Ink::unlit);
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawEllipse(QPointF(0, -0.7), 0.17, 0.17);
            p.setPen(roundPen(colour, 0.24));
            p.drawLine(QPointF(0, -0.45), QPointF(0, 0.2));
            p.setPen(roundPen(colour, 0.16));
            p.drawLine(QPointF(-0.1, 0.2), QPointF(-0.12, 0.85));
            p.drawLine(QPointF(0.1, 0.2), QPointF(0.12, 0.85));
            p.drawLine(QPointF(-0.15, -0.35), QPointF(-0.3, 0.2));
            p.drawLine(QPointF(0.15, -0.35), QPointF(0.3, 0.2));
        }
    });
}

const QHash<QString, Scene> &signalScenes()
{
    static const QHash<QString, Scene> table = {
        {"red", [](QPainter &p) { threeLamp(p, 0); }},
        {"amber", [](QPainter &p) { threeLamp(p, 1); }},
        {"green", [](QPainter &p) { threeLamp(p, 2); }},
        {"dark", [](QPainter &p) { threeLamp(p, -1); }},
        {"flashamber", [](QPainter &p) { threeLamp(p, 1, true); }},
        {"greenleft", [](QPainter &p) { greenArrowLamp(p, -1); }},
        {"greenright", [](QPainter &p) { greenArrowLamp(p, 1); }},
        {"greenup", [](QPainter &p) { greenArrowLamp(p, 0); }},
        {"flashred", [](QPainter &p) { threeLamp(p, 0, true); }},
        {"redman",
         [](QPainter &p) {
             housing(p, QRectF(80, 20, 80, 160));
             figureLamp(p, QPointF(120, 60), Ink::red, false);
             figureLamp(p, QPointF(120, 140), Ink::unlit.lighter(130), true);
         }},
        {"greenman",
         [](QPainter &p) {
             housing(p, QRectF(80, 20, 80, 160));
             figureLamp(p, QPointF(120, 60), Ink::unlit.lighter(130), false);
             figureLamp(p, QPointF(120, 140), Ink::signalGreen, true);
         }},
        {"flashredman",
         [](QPainter &p) {
             housing(p, QRectF(80, 20, 80, 160));
             p.setPen(QPen(Ink::red, 4, Qt::SolidLine, Qt::RoundCap));
             for (int i = 0; i < 3; ++i) {
                 p.drawLine(QPointF(62, 40 + i * 20), QPointF(50, 36 + i * 24));
                 p.drawLine(QPointF(178, 40 + i * 20), QPointF(190, 36 + i * 24));
             }
             figureLamp(p, QPointF(120, 60), Ink::red, false);
             figureLamp(p, QPointF(120, 140), Ink::unlit.lighter(130), true);
         }},
        {"bicycle",
         [](QPainter &p) {
             housing(p, QRectF(85, 12, 70, 186));
             const QColor colours[3] = {Ink::unlit, Ink::unlit, Ink::signalGreen};
             for (int i = 0; i < 3; ++i) {
                 p.setPen(Qt::NoPen);
                 p.setBrush(QColor(40, 40, 40));
                 p.drawEllipse(QPointF(120, 45 + 60 * i), 24, 24);
                 inUnitBox(p, QRectF(100, 25 + 60 * i, 40, 40),
                           [&] { drawPictogram(p, "bicycle", i == 2 ? colours[2] : QColor(90, 90, 90), Ink::black); });
             }
         }},
        {"lanegreen",
         [](QPainter &p) {
             housing(p, QRectF(50, 40, 140, 140));
             QPainterPath a;
             a.moveTo(120, 60);
             a.lineTo(120, 160);
             drawArrow(p, a, Ink::signalGreen, 18);
         }},
        {"lanered",
         [](QPainter &p) {
             housing(p, QRectF(50, 40, 140, 140));
             p.setPen(QPen(Ink::red, 18, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(80, 70), QPointF(160, 150));
             p.drawLine(QPointF(160, 70), QPointF(80, 150));
         }},
    };
    return table;
}

// The traffic officer, facing the viewer, in the unit square. Each arm is given as
// elbow and hand positions; `palm` marks a hand held up flat (stop).
struct Arm {
    QPointF elbow, hand;
    bool palm;
};

void officer(QPainter &p, const Arm &left, const Arm &right)
{
    const QColor uniform(30, 50, 110);
    const QColor skin(120, 80, 55);
    p.setPen(Qt::NoPen);
    p.setBrush(uniform);
    p.drawRoundedRect(QRectF(-0.22, -0.42, 0.44, 0.72), 0.08, 0.08);
    p.setPen(roundPen(uniform, 0.17));
    p.drawLine(QPointF(-0.11, 0.28), QPointF(-0.14, 0.92));
    p.drawLine(QPointF(0.11, 0.28), QPointF(0.14, 0.92));
    p.setPen(Qt::NoPen);
    p.setBrush(skin);
    p.drawEllipse(QPointF(0, -0.58), 0.14, 0.15);
    p.setBrush(uniform);
    p.drawRect(QRectF(-0.16, -0.78, 0.32, 0.1));
    p.drawRect(QRectF(-0.2, -0.7, 0.4, 0.04));
    // White gloves and sleeve bands make the arms easy to see, as on duty.
    for (const auto &[arm, shoulder] : {std::pair{left, QPointF(-0.2, -0.36)}, {right, QPointF(0.2, -0.36)}}) {
        p.setPen(roundPen(uniform, 0.12));
        p.drawPolyline(QPolygonF({shoulder, arm.elbow, arm.hand}));
        p.setPen(Qt::NoPen);
        p.setBrush(Ink::white);
        if (arm.palm)
            p.drawRoundedRect(QRectF(arm.hand.x() - 0.08, arm.hand.y() - 0.13, 0.16, 0.2), 0.05, 0.05);
        else
            p.drawEllipse(arm.hand, 0.075, 0.075);
    }
}

const Arm kDown{{-0.28, -0.05}, {-0.3, 0.22}, false};
Arm mirrored(const Arm &a)
{
    return {{-a.elbow.x(), a.elbow.y()}, {-a.hand.x(), a.hand.y()}, a.palm};
}

void trafficArrow(QPainter &p, QPointF from, QPointF to, bool stop)
{
    QPainterPath a;
    a.moveTo(from);
    a.lineTo(to);
    drawArrow(p, a, stop ? Ink::red : Ink::green, 0.08);
    if (stop) {
        p.setPen(roundPen(Ink::red, 0.07));
        const QPointF n = QPointF(-(to - from).y(), (to - from).x()) / QLineF(from, to).length() * 0.13;
        p.drawLine(to + (to - from) * 0.12 + n, to + (to - from) * 0.12 - n);
    }
}

void driver(QPainter &p, const std::function<void()> &arm)
{
    // Rear view of a car: the driver sits on the right, so the right arm signals.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 90, 120));
    p.drawPolygon(QPolygonF({QPointF(-0.75, -0.05), QPointF(-0.55, -0.5), QPointF(0.35, -0.5), QPointF(0.5, -0.05)}));
    p.drawRoundedRect(QRectF(-0.85, -0.1, 1.45, 0.6), 0.1, 0.1);
    p.setBrush(QColor(200, 225, 240));
    p.drawPolygon(QPolygonF({QPointF(-0.62, -0.1), QPointF(-0.48, -0.42), QPointF(0.28, -0.42), QPointF(0.4, -0.1)}));
    p.setBrush(QColor(120, 80, 55));
    p.drawEllipse(QPointF(0.12, -0.26), 0.1, 0.11);
    p.setBrush(Ink::red);
    p.drawRect(QRectF(-0.8, 0.05, 0.22, 0.1));
    p.drawRect(QRectF(0.33, 0.05, 0.22, 0.1));
    p.setBrush(Ink::black);
    p.drawRect(QRectF(-0.82, 0.5, 0.28, 0.22));
    p.drawRect(QRectF(0.28, 0.5, 0.28, 0.22));
    p.setPen(roundPen(QColor(120, 80, 55), 0.1));
    arm();
}

// The right arm out with the forearm raised, palm to the front.
void forearmUp(QPainter &p)
{
    p.drawPolyline(QPolygonF({QPointF(0.45, -0.2), QPointF(0.78, -0.2), QPointF(0.78, -0.7)}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 80, 55));
    p.drawRoundedRect(QRectF(0.72, -0.86, 0.12, 0.17), 0.05, 0.05);
}

const QHash<QString, Scene> &hands()
{
    static const QHash<QString, Scene> table = {
        {"stopfront",
         [](QPainter &p) {
             officer(p, kDown, {{0.3, -0.6}, {0.32, -0.88}, true});
             trafficArrow(p, {-0.75, 0.9}, {-0.75, 0.45}, true);
         }},
        {"stopbehind",
         [](QPainter &p) {
             officer(p, {{-0.5, -0.4}, {-0.8, -0.42}, true}, mirrored(kDown));
             trafficArrow(p, {0.75, -0.9}, {0.75, -0.45}, true);
         }},
        {"stopboth",
         [](QPainter &p) {
             officer(p, {{-0.5, -0.4}, {-0.8, -0.42}, true}, {{0.3, -0.6}, {0.32, -0.88}, true});
             trafficArrow(p, {-0.75, 0.9}, {-0.75, 0.45}, true);
             trafficArrow(p, {0.75, -0.9}, {0.75, -0.45}, true);
         }},
        {"stopall",
         [](QPainter &p) {
             officer(p, {{-0.3, -0.6}, {-0.32, -0.9}, true}, {{0.3, -0.6}, {0.32, -0.9}, true});
             trafficArrow(p, {-0.75, 0.9}, {-0.75, 0.45}, true);
             trafficArrow(p, {0.75, -0.9}, {0.75, -0.45}, true);
         }},
        {"goleft",
         [](QPainter &p) {
             officer(p, {{-0.5, -0.38}, {-0.62, -0.62}, false}, mirrored(kDown));
             trafficArrow(p, {-0.95, 0.6}, {-0.45, 0.6}, false);
         }},
        {"goright",
         [](QPainter &p) {
             officer(p, kDown, {{0.5, -0.38}, {0.62, -0.62}, false});
             trafficArrow(p, {0.95, 0.6}, {0.45, 0.6}, false);
         }},
        {"gofront",
         [](QPainter &p) {
             officer(p, kDown, {{0.42, -0.2}, {0.2, -0.05}, false});
             trafficArrow(p, {-0.75, 0.95}, {-0.75, 0.35}, false);
         }},
        {"gobehind",
         [](QPainter &p) {
             officer(p, {{-0.45, -0.45}, {-0.7, -0.3}, false}, mirrored(kDown));
             trafficArrow(p, {0.75, -0.95}, {0.75, -0.35}, false);
         }},
        {"driverright", [](QPainter &p) { driver(p, [&] { p.drawLine(QPointF(0.45, -0.2), QPointF(0.95, -0.2)); }); }},
        {"driverstop", [](QPainter &p) { driver(p, [&] { forearmUp(p); }); }},
        // Slowing down suddenly is shown with the same raised forearm as stopping.
        {"driverslow", [](QPainter &p) { driver(p, [&] { forearmUp(p); }); }},
        {"driverleft",
         [](QPainter &p) {
             driver(p, [&] {
                 p.drawPolyline(QPolygonF({QPointF(0.45, -0.2), QPointF(0.84, -0.2), QPointF(0.84, 0.22)}));
             });
             // The hanging forearm swings round anticlockwise (seen from behind).
             const QRectF orbit(0.66, -0.02, 0.36, 0.36);
             QPainterPath c;
             c.arcMoveTo(orbit, 200);
             c.arcTo(orbit, 200, 270);
             drawArrow(p, c, Ink::red, 0.05);
         }},
    };
    return table;
}

bool runScene(QPainter &p, const QHash<QString, Scene> &table, const QString &name, const QSize &size, bool unitBox,
              void (*background)(QPainter &))
{
    const auto it = table.constFind(name);
    if (it == table.cend())
        return false;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / kGrid, size.height() / kGrid);
    if (background)
        background(p);
    if (unitBox)
        inUnitBox(p, QRectF(0, 0, kGrid, kGrid), [&] { (*it)(p); });
    else
        (*it)(p);
    p.restore();
    return true;
}

} // namespace

bool drawMarking(QPainter &p, const QString &name, const QSize &size)
{
    return runScene(p, markings(), name, size, false, road);
}

bool drawSignal(QPainter &p, const QString &name, const QSize &size)
{
    return runScene(p, signalScenes(), name, size, false, nullptr);
}

bool drawHandSignal(QPainter &p, const QString &name, const QSize &size)
{
    return runScene(p, hands(), name, size, true, nullptr);
}
