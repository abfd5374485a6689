// The pictograms of the signs, each drawn in the unit square [-1, 1] (y grows downwards).
// Right-hand variants are the left-hand drawings mirrored.
#include "drawing.h"

#include <QHash>
#include <QtMath>
#include <functional>

namespace {

using Draw = std::function<void(QPainter &, const QColor &ink, const QColor &paper)>;

QPainterPath poly(std::initializer_list<QPointF> pts)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF &pt : pts) {
        if (first)
            path.moveTo(pt), first = false;
        else
            path.lineTo(pt);
    }
    return path;
}

void stroke(QPainter &p, const QPainterPath &path, const QColor &c, qreal w)
{
    p.setPen(roundPen(c, w));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void fill(QPainter &p, const QPainterPath &path, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(path);
}

void disc(QPainter &p, QPointF c, qreal r, const QColor &color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(c, r, r);
}

void ring(QPainter &p, QPointF c, qreal r, const QColor &color, qreal w)
{
    p.setPen(QPen(color, w));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
}

// Side view of a wheel: ink tyre with a paper gap so it reads against the body.
void wheel(QPainter &p, QPointF c, qreal r, const QColor &ink, const QColor &paper)
{
    disc(p, c, r + 0.04, paper);
    disc(p, c, r, ink);
    disc(p, c, r * 0.35, paper);
}

// Walking person facing left; `scale` shrinks about the feet.
void person(QPainter &p, const QColor &ink, QPointF at = {0, 0}, qreal scale = 1.0, bool armUp = false)
{
    p.save();
    p.translate(at);
    p.scale(scale, scale);
    disc(p, {-0.02, -0.68}, 0.15, ink);
    stroke(p, poly({{0.0, -0.45}, {0.05, 0.15}}), ink, 0.2);
    stroke(p, poly({{0.05, 0.15}, {-0.22, 0.5}, {-0.38, 0.82}}), ink, 0.17);
    stroke(p, poly({{0.05, 0.15}, {0.22, 0.5}, {0.28, 0.84}}), ink, 0.17);
    if (armUp)
        stroke(p, poly({{0.0, -0.35}, {-0.3, -0.45}, {-0.42, -0.7}}), ink, 0.13);
    else
        stroke(p, poly({{0.0, -0.35}, {-0.25, -0.05}, {-0.35, 0.15}}), ink, 0.13);
    stroke(p, poly({{0.02, -0.35}, {0.24, -0.05}, {0.32, 0.12}}), ink, 0.13);
    p.restore();
}

void carSide(QPainter &p, const QColor &ink, const QColor &paper, QPointF at = {0, 0}, qreal s = 1.0)
{
    p.save();
    p.translate(at);
    p.scale(s, s);
    QPainterPath body;
    body.moveTo(-0.9, 0.25);
    body.lineTo(-0.88, -0.02);
    body.lineTo(-0.55, -0.1);
    body.lineTo(-0.35, -0.4);
    body.lineTo(0.3, -0.4);
    body.lineTo(0.55, -0.1);
    body.lineTo(0.88, -0.05);
    body.lineTo(0.9, 0.25);
    body.closeSubpath();
    fill(p, body, ink);
    fill(p, poly({{-0.3, -0.32}, {-0.05, -0.32}, {-0.05, -0.12}, {-0.45, -0.12}}), paper);
    fill(p, poly({{0.03, -0.32}, {0.27, -0.32}, {0.43, -0.12}, {0.03, -0.12}}), paper);
    wheel(p, {-0.52, 0.27}, 0.18, ink, paper);
    wheel(p, {0.52, 0.27}, 0.18, ink, paper);
    p.restore();
}

void carRear(QPainter &p, const QColor &ink, const QColor &paper, QPointF at, qreal s)
{
    p.save();
    p.translate(at);
    p.scale(s, s);
    fill(p, poly({{-0.5, -0.2}, {-0.35, -0.6}, {0.35, -0.6}, {0.5, -0.2}}), ink);
    QPainterPath body;
    body.addRoundedRect(QRectF(-0.62, -0.25, 1.24, 0.6), 0.1, 0.1);
    fill(p, body, ink);
    fill(p, poly({{-0.38, -0.25}, {-0.28, -0.52}, {0.28, -0.52}, {0.38, -0.25}}), paper);
    QPainterPath tyres;
    tyres.addRect(QRectF(-0.6, 0.3, 0.25, 0.25));
    tyres.addRect(QRectF(0.35, 0.3, 0.25, 0.25));
    fill(p, tyres, ink);
    p.restore();
}

void truckSide(QPainter &p, const QColor &ink, const QColor &paper)
{
    QPainterPath box;
    box.addRect(QRectF(-0.95, -0.55, 1.3, 0.75));
    fill(p, box, ink);
    fill(p, poly({{0.42, -0.4}, {0.72, -0.4}, {0.92, -0.1}, {0.95, 0.2}, {0.42, 0.2}}), ink);
    fill(p, poly({{0.5, -0.32}, {0.7, -0.32}, {0.84, -0.1}, {0.5, -0.1}}), paper);
    wheel(p, {-0.65, 0.27}, 0.17, ink, paper);
    wheel(p, {-0.25, 0.27}, 0.17, ink, paper);
    wheel(p, {0.65, 0.27}, 0.17, ink, paper);
}

void busSide(QPainter &p, const QColor &ink, const QColor &paper, qreal length = 1.0)
{
    QPainterPath body;
    body.addRoundedRect(QRectF(-0.95 * length, -0.5, 1.9 * length, 0.72), 0.12, 0.12);
    fill(p, body, ink);
    const int windows = length > 0.8 ? 5 : 3;
    const qreal span = 1.7 * length;
    for (int i = 0; i < windows; ++i) {
        const qreal x = -0.85 * length + span * i / windows;
        QPainterPath w;
        w.addRect(QRectF(x, -0.4, span / windows - 0.07, 0.25));
        fill(p, w, paper);
    }
    wheel(p, {-0.6 * length, 0.25}, 0.16, ink, paper);
    wheel(p, {0.6 * length, 0.25}, 0.16, ink, paper);
}

void bicycle(QPainter &p, const QColor &ink, qreal s = 1.0, QPointF at = {0, 0.2})
{
    p.save();
    p.translate(at);
    p.scale(s, s);
    ring(p, {-0.5, 0.2}, 0.32, ink, 0.1);
    ring(p, {0.5, 0.2}, 0.32, ink, 0.1);
    stroke(p, poly({{-0.5, 0.2}, {-0.15, -0.3}, {0.35, -0.3}, {0.5, 0.2}}), ink, 0.09);
    stroke(p, poly({{-0.5, 0.2}, {0.05, 0.2}, {0.35, -0.3}}), ink, 0.09);
    stroke(p, poly({{0.05, 0.2}, {-0.2, -0.45}}), ink, 0.09);
    stroke(p, poly({{-0.32, -0.47}, {-0.08, -0.47}}), ink, 0.1);
    stroke(p, poly({{0.35, -0.3}, {0.3, -0.52}, {0.45, -0.55}}), ink, 0.09);
    p.restore();
}

void horse(QPainter &p, const QColor &ink, bool rider)
{
    QPainterPath body;
    body.addEllipse(QRectF(-0.6, -0.2, 1.0, 0.42));
    fill(p, body, ink);
    fill(p, poly({{-0.5, -0.05}, {-0.7, -0.55}, {-0.95, -0.4}, {-0.92, -0.3}, {-0.72, -0.35}, {-0.5, 0.1}}), ink);
    for (qreal x : {-0.5, -0.35, 0.15, 0.3})
        stroke(p, poly({{x, 0.1}, {x + (x < 0 ? -0.05 : 0.05), 0.72}}), ink, 0.1);
    stroke(p, poly({{0.38, -0.05}, {0.62, 0.3}}), ink, 0.09);
    if (rider) {
        disc(p, {-0.08, -0.8}, 0.12, ink);
        stroke(p, poly({{-0.08, -0.65}, {-0.05, -0.25}}), ink, 0.16);
        stroke(p, poly({{-0.05, -0.3}, {-0.2, 0.05}}), ink, 0.1);
        stroke(p, poly({{-0.08, -0.55}, {-0.35, -0.4}}), ink, 0.09);
    }
}

void cow(QPainter &p, const QColor &ink)
{
    QPainterPath body;
    body.addRoundedRect(QRectF(-0.55, -0.3, 1.15, 0.55), 0.15, 0.15);
    fill(p, body, ink);
    QPainterPath head;
    head.addEllipse(QRectF(-0.92, -0.45, 0.42, 0.32));
    fill(p, head, ink);
    stroke(p, poly({{-0.8, -0.42}, {-0.88, -0.62}}), ink, 0.07);
    stroke(p, poly({{-0.6, -0.42}, {-0.52, -0.62}}), ink, 0.07);
    for (qreal x : {-0.45, -0.3, 0.35, 0.5})
        stroke(p, poly({{x, 0.15}, {x, 0.65}}), ink, 0.11);
    stroke(p, poly({{0.6, -0.25}, {0.75, 0.3}}), ink, 0.06);
}

void buck(QPainter &p, const QColor &ink)
{
    QPainterPath body;
    body.addEllipse(QRectF(-0.45, -0.15, 1.0, 0.4));
    fill(p, body, ink);
    fill(p, poly({{-0.35, 0.0}, {-0.55, -0.5}, {-0.8, -0.45}, {-0.82, -0.35}, {-0.6, -0.33}, {-0.25, 0.05}}), ink);
    QPainterPath horns;
    horns.moveTo(-0.6, -0.5);
    horns.cubicTo(-0.4, -0.7, -0.75, -0.8, -0.5, -0.98);
    horns.moveTo(-0.66, -0.5);
    horns.cubicTo(-0.85, -0.7, -0.55, -0.8, -0.75, -0.98);
    stroke(p, horns, ink, 0.06);
    for (qreal x : {-0.3, -0.18, 0.32, 0.45})
        stroke(p, poly({{x, 0.15}, {x + (x < 0 ? -0.08 : 0.08), 0.75}}), ink, 0.07);
}

void roadLines(QPainter &p, const QPainterPath &path, const QColor &ink)
{
    stroke(p, path, ink, 0.26);
}

void curveArrow(QPainter &p, const QColor &ink, qreal bend)
{
    QPainterPath path;
    path.moveTo(0.25, 0.85);
    path.lineTo(0.25, 0.1);
    path.quadTo(0.25, -0.45, -0.2 - 0.4 * bend, -0.45 - 0.1 * (1 - bend));
    drawArrow(p, path, ink, 0.2);
}

void threeArrows(QPainter &p, const QColor &ink)
{
    // Clockwise circulation: South African traffic circles are driven clockwise. With y
    // pointing down, growing angles run clockwise on screen.
    for (int i = 0; i < 3; ++i) {
        QPainterPath arc;
        for (int k = 0; k <= 20; ++k) {
            const qreal a = qDegreesToRadians(i * 120.0 - 160.0 + k * 4.8);
            const QPointF pt(0.58 * qCos(a), 0.58 * qSin(a));
            k == 0 ? arc.moveTo(pt) : arc.lineTo(pt);
        }
        drawArrow(p, arc, ink, 0.12);
    }
}

void trafficLight(QPainter &p, const QColor &ink, QPointF at, qreal s, bool coloured)
{
    p.save();
    p.translate(at);
    p.scale(s, s);
    QPainterPath housing;
    housing.addRoundedRect(QRectF(-0.32, -0.85, 0.64, 1.7), 0.15, 0.15);
    fill(p, housing, ink);
    const QColor lamps[3] = {coloured ? Ink::red : QColor(255, 255, 255), coloured ? Ink::amber : QColor(255, 255, 255),
                             coloured ? Ink::signalGreen : QColor(255, 255, 255)};
    for (int i = 0; i < 3; ++i)
        disc(p, {0, -0.52 + 0.52 * i}, 0.18, lamps[i]);
    p.restore();
}

QHash<QString, Draw> arrows()
{
    return {
        // Arrows
        {"up",
         [](QPainter &p, auto &ink, auto &) {
             drawArrow(p, poly({{0, 0.8}, {0, -0.8}}), ink, 0.24);
         }},
        {"down",
         [](QPainter &p, auto &ink, auto &) {
             drawArrow(p, poly({{0, -0.8}, {0, 0.8}}), ink, 0.24);
         }},
        {"left",
         [](QPainter &p, auto &ink, auto &) {
             drawArrow(p, poly({{0.85, 0}, {-0.85, 0}}), ink, 0.24);
         }},
        {"upleft",
         [](QPainter &p, auto &ink, auto &) {
             drawArrow(p, poly({{0.5, 0.65}, {-0.55, -0.4}}), ink, 0.22);
         }},
        {"keepleft",
         [](QPainter &p, auto &ink, auto &) {
             drawArrow(p, poly({{0.5, -0.5}, {-0.45, 0.45}}), ink, 0.22);
         }},
        {"turnleft",
         [](QPainter &p, auto &ink, auto &) {
             QPainterPath a;
             a.moveTo(0.35, 0.85);
             a.lineTo(0.35, 0.15);
             a.quadTo(0.35, -0.2, 0.0, -0.2);
             a.lineTo(-0.8, -0.2);
             drawArrow(p, a, ink, 0.22);
         }},
        {"aheadleft",
         [](QPainter &p, auto &ink, auto &) {
             QPainterPath a;
             a.moveTo(0.3, 0.9);
             a.lineTo(0.3, -0.25);
             a.quadTo(0.3, -0.55, 0.0, -0.55);
             a.lineTo(-0.75, -0.55);
             drawArrow(p, a, ink, 0.2);
         }},
        {"straightleft",
         [](QPainter &p, auto &ink, auto &) {
             drawArrow(p, poly({{0.3, 0.9}, {0.3, -0.85}}), ink, 0.2);
             QPainterPath b;
             b.moveTo(0.3, 0.45);
             b.quadTo(0.3, 0.05, -0.1, 0.05);
             b.lineTo(-0.8, 0.05);
             drawArrow(p, b, ink, 0.2);
         }},
    };
}

QHash<QString, Draw> branchingArrows()
{
    return {
        {"leftright",
         [](QPainter &p, auto &ink, auto &) {
             stroke(p, poly({{0, 0.85}, {0, 0.1}}), ink, 0.22);
             QPainterPath l, r;
             l.moveTo(0, 0.2);
             l.quadTo(0, -0.15, -0.35, -0.15);
             l.lineTo(-0.85, -0.15);
             r.moveTo(0, 0.2);
             r.quadTo(0, -0.15, 0.35, -0.15);
             r.lineTo(0.85, -0.15);
             drawArrow(p, l, ink, 0.2);
             drawArrow(p, r, ink, 0.2);
         }},
        {"eitherside",
         [](QPainter &p, auto &ink, auto &) {
             drawArrow(p, poly({{-0.12, -0.6}, {-0.62, 0.4}}), ink, 0.18);
             drawArrow(p, poly({{0.12, -0.6}, {0.62, 0.4}}), ink, 0.18);
         }},
        {"uturn",
         [](QPainter &p, auto &ink, auto &) {
             QPainterPath a;
             a.moveTo(0.4, 0.85);
             a.lineTo(0.4, -0.15);
             a.arcTo(QRectF(-0.4, -0.55, 0.8, 0.8), 0, 180);
             a.lineTo(-0.4, 0.5);
             drawArrow(p, a, ink, 0.2);
         }},
        {"circle", [](QPainter &p, auto &ink, auto &) { threeArrows(p, ink); }},
        {"splitpath",
         [](QPainter &p, auto &ink, auto &) {
             stroke(p, poly({{0, -0.95}, {0, 0.95}}), ink, 0.08);
             bicycle(p, ink, 0.48, {-0.48, 0.05});
             person(p, ink, {0.5, 0.0}, 0.55);
         }},
    };
}

QHash<QString, Draw> junctions()
{
    return {
        // Road layouts
        {"crossroads",
         [](QPainter &p, auto &ink, auto &) {
             roadLines(p, poly({{0, 0.85}, {0, -0.85}}), ink);
             roadLines(p, poly({{-0.7, 0}, {0.7, 0}}), ink);
         }},
        {"tjunction",
         [](QPainter &p, auto &ink, auto &) {
             roadLines(p, poly({{0, 0.85}, {0, -0.4}}), ink);
             roadLines(p, poly({{-0.75, -0.4}, {0.75, -0.4}}), ink);
         }},
        {"sideleft",
         [](QPainter &p, auto &ink, auto &) {
             roadLines(p, poly({{0.15, 0.85}, {0.15, -0.85}}), ink);
             roadLines(p, poly({{0.15, -0.05}, {-0.6, -0.05}}), ink);
         }},
        {"staggered",
         [](QPainter &p, auto &ink, auto &) {
             roadLines(p, poly({{0, 0.85}, {0, -0.85}}), ink);
             roadLines(p, poly({{0, 0.35}, {-0.65, 0.35}}), ink);
             roadLines(p, poly({{0, -0.35}, {0.65, -0.35}}), ink);
         }},
        {"yjunction",
         [](QPainter &p, auto &ink, auto &) {
             roadLines(p, poly({{-0.6, -0.75}, {0, 0}, {0.6, -0.75}}), ink);
             roadLines(p, poly({{0, 0}, {0, 0.85}}), ink);
         }},
        {"dualbegin",
         [](QPainter &p, auto &ink, auto &) {
             QPainterPath a;
             a.moveTo(0, 0.85);
             a.lineTo(0, 0.35);
             a.cubicTo(0, 0.05, -0.4, 0.05, -0.4, -0.25);
             a.lineTo(-0.4, -0.85);
             a.moveTo(0, 0.35);
             a.cubicTo(0, 0.05, 0.4, 0.05, 0.4, -0.25);
             a.lineTo(0.4, -0.85);
             roadLines(p, a, ink);
         }},
        {"dualend",
         [](QPainter &p, auto &ink, auto &) {
             QPainterPath a;
             a.moveTo(-0.4, 0.85);
             a.lineTo(-0.4, 0.25);
             a.cubicTo(-0.4, -0.05, 0, -0.05, 0, -0.35);
             a.lineTo(0, -0.85);
             a.moveTo(0.4, 0.85);
             a.lineTo(0.4, 0.25);
             a.cubicTo(0.4, -0.05, 0, -0.05, 0, -0.35);
             roadLines(p, a, ink);
         }},
    };
}

QHash<QString, Draw> narrowingRoads()
{
    return {
        {"narrows",
         [](QPainter &p, auto &ink, auto &) {
             QPainterPath a;
             a.moveTo(-0.5, 0.85);
             a.lineTo(-0.5, 0.25);
             a.cubicTo(-0.5, 0.0, -0.22, 0.0, -0.22, -0.25);
             a.lineTo(-0.22, -0.85);
             a.moveTo(0.5, 0.85);
             a.lineTo(0.5, 0.25);
             a.cubicTo(0.5, 0.0, 0.22, 0.0, 0.22, -0.25);
             a.lineTo(0.22, -0.85);
             stroke(p, a, ink, 0.14);
         }},
        {"narrowsleft",
         [](QPainter &p, auto &ink, auto &) {
             QPainterPath a;
             a.moveTo(-0.5, 0.85);
             a.lineTo(-0.5, 0.25);
             a.cubicTo(-0.5, 0.0, -0.1, 0.0, -0.1, -0.25);
             a.lineTo(-0.1, -0.85);
             a.moveTo(0.45, 0.85);
             a.lineTo(0.45, -0.85);
             stroke(p, a, ink, 0.14);
         }},
        {"narrowbridge",
         [](QPainter &p, auto &ink, auto &) {
             QPainterPath a;
             a.moveTo(-0.5, 0.85);
             a.lineTo(-0.5, 0.45);
             a.lineTo(-0.25, 0.25);
             a.lineTo(-0.25, -0.45);
             a.lineTo(-0.5, -0.65);
             a.moveTo(0.5, 0.85);
             a.lineTo(0.5, 0.45);
             a.lineTo(0.25, 0.25);
             a.lineTo(0.25, -0.45);
             a.lineTo(0.5, -0.65);
             stroke(p, a, ink, 0.14);
         }},
        {"mergeleft",
         [](QPainter &p, auto &ink, auto &) {
             roadLines(p, poly({{0.2, 0.85}, {0.2, -0.85}}), ink);
             QPainterPath s;
             s.moveTo(-0.6, 0.85);
             s.quadTo(-0.55, 0.0, 0.2, -0.3);
             stroke(p, s, ink, 0.2);
         }},
        {"laneends",
         [](QPainter &p, auto &ink, auto &) {
             QPainterPath a;
             a.moveTo(-0.45, 0.85);
             a.lineTo(-0.45, 0.2);
             a.cubicTo(-0.45, -0.1, 0.05, -0.1, 0.05, -0.4);
             a.lineTo(0.05, -0.85);
             a.moveTo(0.5, 0.85);
             a.lineTo(0.5, -0.85);
             stroke(p, a, ink, 0.14);
             stroke(p, poly({{0.05, 0.85}, {0.05, 0.55}}), ink, 0.08);
             stroke(p, poly({{0.05, 0.3}, {0.05, 0.05}}), ink, 0.08);
         }},
    };
}

QHash<QString, Draw> bends()
{
    return {
        // Bends
        {"curveleft", [](QPainter &p, auto &ink, auto &) { curveArrow(p, ink, 1.0); }},
        {"gentleleft",
         [](QPainter &p, auto &ink, auto &) {
             QPainterPath a;
             a.moveTo(0.3, 0.85);
             a.cubicTo(0.3, 0.1, -0.35, 0.0, -0.35, -0.8);
             drawArrow(p, a, ink, 0.2);
         }},
        {"windingleft",
         [](QPainter &p, auto &ink, auto &) {
             QPainterPath a;
             a.moveTo(0.15, 0.9);
             a.cubicTo(0.15, 0.55, -0.4, 0.55, -0.4, 0.25);
             a.cubicTo(-0.4, -0.05, 0.4, -0.05, 0.4, -0.35);
             a.cubicTo(0.4, -0.6, 0.0, -0.6, -0.1, -0.85);
             drawArrow(p, a, ink, 0.17);
         }},
        {"hairpinleft",
         [](QPainter &p, auto &ink, auto &) {
             QPainterPath a;
             a.moveTo(0.45, 0.85);
             a.lineTo(0.45, -0.1);
             a.arcTo(QRectF(-0.45, -0.55, 0.9, 0.9), 0, 180);
             a.lineTo(-0.45, 0.55);
             drawArrow(p, a, ink, 0.2);
         }},
        {"twoway",
         [](QPainter &p, auto &ink, auto &) {
             drawArrow(p, poly({{-0.3, 0.85}, {-0.3, -0.85}}), ink, 0.17);
             drawArrow(p, poly({{0.3, -0.85}, {0.3, 0.85}}), ink, 0.17);
         }},
    };
}

QHash<QString, Draw> peopleAndAnimals()
{
    return {
        // People and animals
        {"pedestrian",
         [](QPainter &p, auto &ink, auto &) {
             person(p, ink, {0, 0}, 1.0);
         }},
        {"children",
         [](QPainter &p, auto &ink, auto &) {
             person(p, ink, {-0.35, 0.1}, 0.85);
             person(p, ink, {0.4, 0.28}, 0.66);
             stroke(p, poly({{-0.05, 0.2}, {0.2, 0.3}}), ink, 0.1);
         }},
        {"ped2",
         [](QPainter &p, auto &ink, auto &) {
             person(p, ink, {0, -0.15}, 0.78);
             QPainterPath stripes;
             for (int i = 0; i < 5; ++i)
                 stripes.addRect(QRectF(-0.85 + i * 0.36, 0.62, 0.2, 0.22));
             fill(p, stripes, ink);
         }},
        {"pedcrossing",
         [](QPainter &p, auto &ink, auto &) {
             person(p, ink, {0, -0.2}, 0.75);
             QPainterPath stripes;
             for (int i = 0; i < 5; ++i)
                 stripes.addRect(QRectF(-0.85 + i * 0.36, 0.6, 0.2, 0.3));
             fill(p, stripes, ink);
         }},
        {"hitchhiker",
         [](QPainter &p, auto &ink, auto &) {
             disc(p, {0.15, -0.68}, 0.15, ink);
             stroke(p, poly({{0.15, -0.45}, {0.15, 0.15}}), ink, 0.2);
             stroke(p, poly({{0.15, 0.15}, {0.0, 0.85}}), ink, 0.16);
             stroke(p, poly({{0.15, 0.15}, {0.3, 0.85}}), ink, 0.16);
             stroke(p, poly({{0.15, -0.35}, {-0.55, -0.3}}), ink, 0.13);
             stroke(p, poly({{-0.6, -0.3}, {-0.6, -0.5}}), ink, 0.09);
             stroke(p, poly({{0.17, -0.35}, {0.35, 0.1}}), ink, 0.13);
         }},
        {"wheelchair",
         [](QPainter &p, auto &ink, auto &) {
             disc(p, {-0.1, -0.72}, 0.15, ink);
             stroke(p, poly({{-0.1, -0.48}, {-0.1, 0.05}, {0.35, 0.05}, {0.55, 0.5}}), ink, 0.15);
             stroke(p, poly({{-0.1, -0.3}, {0.25, -0.3}}), ink, 0.12);
             QPainterPath arc;
             arc.arcMoveTo(QRectF(-0.7, -0.2, 0.9, 0.9), 100);
             arc.arcTo(QRectF(-0.7, -0.2, 0.9, 0.9), 100, 290);
             stroke(p, arc, ink, 0.12);
         }},
        {"flagman",
         [](QPainter &p, auto &ink, auto &) {
             person(p, ink, {0.1, 0}, 0.95, true);
             stroke(p, poly({{-0.3, -0.65}, {-0.3, 0.2}}), ink, 0.06);
             fill(p, poly({{-0.3, -0.65}, {-0.85, -0.55}, {-0.3, -0.35}}), ink);
         }},
        {"works",
         [](QPainter &p, auto &ink, auto &) {
             disc(p, {-0.25, -0.55}, 0.14, ink);
             stroke(p, poly({{-0.2, -0.38}, {0.05, 0.15}}), ink, 0.19);
             stroke(p, poly({{0.05, 0.15}, {-0.15, 0.85}}), ink, 0.15);
             stroke(p, poly({{0.05, 0.15}, {0.3, 0.82}}), ink, 0.15);
             stroke(p, poly({{-0.15, -0.25}, {0.35, -0.05}}), ink, 0.11);
             stroke(p, poly({{0.0, -0.55}, {0.55, 0.5}}), ink, 0.07);
             fill(p, poly({{0.45, 0.45}, {0.72, 0.4}, {0.68, 0.62}}), ink);
             QPainterPath heap;
             heap.moveTo(0.35, 0.9);
             heap.quadTo(0.65, 0.55, 0.95, 0.9);
             fill(p, heap, ink);
         }},
        {"horse", [](QPainter &p, auto &ink, auto &) { horse(p, ink, true); }},
        {"cow", [](QPainter &p, auto &ink, auto &) { cow(p, ink); }},
        {"buck", [](QPainter &p, auto &ink, auto &) { buck(p, ink); }},
    };
}

QHash<QString, Draw> roadVehicles()
{
    return {
        // Vehicles
        {"car", [](QPainter &p, auto &ink, auto &paper) { carSide(p, ink, paper); }},
        {"truck", [](QPainter &p, auto &ink, auto &paper) { truckSide(p, ink, paper); }},
        {"truckcross", [](QPainter &p, auto &ink, auto &paper) { truckSide(p, ink, paper); }},
        {"bus", [](QPainter &p, auto &ink, auto &paper) { busSide(p, ink, paper); }},
        {"minibus",
         [](QPainter &p, auto &ink, auto &paper) {
             QPainterPath body;
             body.moveTo(-0.8, 0.25);
             body.lineTo(-0.8, -0.45);
             body.lineTo(0.35, -0.45);
             body.lineTo(0.8, -0.05);
             body.lineTo(0.8, 0.25);
             body.closeSubpath();
             fill(p, body, ink);
             for (int i = 0; i < 3; ++i) {
                 QPainterPath w;
                 w.addRect(QRectF(-0.72 + i * 0.34, -0.36, 0.26, 0.22));
                 fill(p, w, paper);
             }
             fill(p, poly({{0.32, -0.36}, {0.6, -0.12}, {0.32, -0.12}}), paper);
             wheel(p, {-0.45, 0.27}, 0.16, ink, paper);
             wheel(p, {0.45, 0.27}, 0.16, ink, paper);
         }},
        {"ambulance",
         [](QPainter &p, auto &ink, auto &paper) {
             QPainterPath body;
             body.addRect(QRectF(-0.85, -0.5, 1.15, 0.72));
             fill(p, body, ink);
             fill(p, poly({{0.3, -0.3}, {0.6, -0.3}, {0.85, 0.0}, {0.85, 0.22}, {0.3, 0.22}}), ink);
             QPainterPath cross;
             cross.addRect(QRectF(-0.38, -0.42, 0.12, 0.48));
             cross.addRect(QRectF(-0.56, -0.24, 0.48, 0.12));
             fill(p, cross, paper);
             wheel(p, {-0.5, 0.27}, 0.16, ink, paper);
             wheel(p, {0.5, 0.27}, 0.16, ink, paper);
         }},
        {"motorcycle",
         [](QPainter &p, auto &ink, auto &paper) {
             ring(p, {-0.55, 0.35}, 0.28, ink, 0.12);
             ring(p, {0.55, 0.35}, 0.28, ink, 0.12);
             fill(p, poly({{-0.55, 0.3}, {-0.3, -0.05}, {0.3, -0.1}, {0.45, 0.05}, {0.1, 0.3}}), ink);
             stroke(p, poly({{0.55, 0.35}, {0.35, -0.3}, {0.2, -0.35}}), ink, 0.1);
             disc(p, {-0.05, -0.68}, 0.13, ink);
             stroke(p, poly({{-0.08, -0.52}, {-0.2, -0.1}, {0.05, 0.15}}), ink, 0.14);
             stroke(p, poly({{-0.1, -0.4}, {0.25, -0.3}}), ink, 0.1);
             Q_UNUSED(paper);
         }},
        {"bicycle", [](QPainter &p, auto &ink, auto &) { bicycle(p, ink); }},
    };
}

QHash<QString, Draw> otherVehicles()
{
    return {
        {"tractor",
         [](QPainter &p, auto &ink, auto &paper) {
             fill(p, poly({{-0.3, 0.2}, {-0.3, -0.65}, {0.15, -0.65}, {0.15, -0.15}, {0.75, -0.15}, {0.75, 0.25}}),
                  ink);
             fill(p, poly({{-0.2, -0.55}, {0.05, -0.55}, {0.05, -0.25}, {-0.2, -0.25}}), paper);
             wheel(p, {-0.35, 0.35}, 0.42, ink, paper);
             wheel(p, {0.6, 0.5}, 0.22, ink, paper);
         }},
        {"cart",
         [](QPainter &p, auto &ink, auto &paper) {
             p.save();
             p.translate(-0.4, 0.1);
             p.scale(0.6, 0.6);
             horse(p, ink, false);
             p.restore();
             QPainterPath box;
             box.addRect(QRectF(0.15, -0.25, 0.7, 0.3));
             fill(p, box, ink);
             stroke(p, poly({{0.15, -0.05}, {-0.2, 0.0}}), ink, 0.06);
             wheel(p, {0.5, 0.25}, 0.24, ink, paper);
         }},
        {"handcart",
         [](QPainter &p, auto &ink, auto &paper) {
             QPainterPath box;
             box.addRect(QRectF(-0.7, -0.35, 0.9, 0.4));
             fill(p, box, ink);
             stroke(p, poly({{0.2, -0.2}, {0.8, -0.6}}), ink, 0.08);
             wheel(p, {-0.25, 0.3}, 0.26, ink, paper);
         }},
        {"train",
         [](QPainter &p, auto &ink, auto &paper) {
             QPainterPath body;
             body.addRect(QRectF(-0.85, -0.2, 1.1, 0.45));
             body.addRect(QRectF(0.2, -0.6, 0.6, 0.85));
             body.addRect(QRectF(-0.7, -0.55, 0.18, 0.4));
             fill(p, body, ink);
             QPainterPath w;
             w.addRect(QRectF(0.35, -0.5, 0.3, 0.2));
             fill(p, w, paper);
             for (qreal x : {-0.6, -0.2, 0.45})
                 wheel(p, {x, 0.35}, 0.17, ink, paper);
         }},
        {"aircraft",
         [](QPainter &p, auto &ink, auto &) {
             p.save();
             p.rotate(-30);
             QPainterPath plane;
             plane.addRoundedRect(QRectF(-0.09, -0.9, 0.18, 1.75), 0.09, 0.09);
             fill(p, plane, ink);
             fill(p, poly({{-0.08, -0.25}, {-0.85, 0.15}, {-0.85, 0.28}, {0.85, 0.28}, {0.85, 0.15}, {0.08, -0.25}}),
                  ink);
             fill(p, poly({{-0.06, 0.6}, {-0.35, 0.82}, {0.35, 0.82}, {0.06, 0.6}}), ink);
             p.restore();
         }},
        {"overtake",
         [](QPainter &p, auto &ink, auto &paper) {
             carRear(p, ink, paper, {-0.42, 0.05}, 0.62);
             carRear(p, ink == Ink::black ? Ink::red : ink, paper, {0.42, 0.05}, 0.62);
         }},
        {"overtaketruck",
         [](QPainter &p, auto &ink, auto &paper) {
             QPainterPath t;
             t.addRoundedRect(QRectF(-0.85, -0.55, 0.85, 0.85), 0.06, 0.06);
             t.addRect(QRectF(-0.8, 0.3, 0.18, 0.18));
             t.addRect(QRectF(-0.24, 0.3, 0.18, 0.18));
             fill(p, t, ink);
             carRear(p, Ink::red, paper, {0.45, 0.05}, 0.6);
         }},
    };
}

QHash<QString, Draw> surfaceHazards()
{
    return {
        // Hazards
        {"rocks",
         [](QPainter &p, auto &ink, auto &) {
             fill(p, poly({{0.2, -0.85}, {0.9, -0.85}, {0.9, 0.85}, {0.5, 0.85}, {0.55, 0.2}, {0.3, -0.2}}), ink);
             for (auto [x, y, r] : {std::tuple{-0.1, -0.35, 0.12},
                                    {-0.35, 0.05, 0.15},
                                    {-0.05, 0.35, 0.11},
                                    {-0.55, 0.55, 0.18},
                                    {0.15, 0.7, 0.14}})
                 fill(p,
                      poly({{x - r, y},
                            {x - r * 0.3, y - r},
                            {x + r, y - r * 0.5},
                            {x + r * 0.7, y + r},
                            {x - r * 0.6, y + r * 0.8}}),
                      ink);
         }},
        {"slippery",
         [](QPainter &p, auto &ink, auto &paper) {
             carRear(p, ink, paper, {0, -0.35}, 0.75);
             for (qreal x : {-0.35, 0.35}) {
                 QPainterPath s;
                 s.moveTo(x, 0.15);
                 s.cubicTo(x - 0.35, 0.35, x + 0.35, 0.55, x - 0.1, 0.85);
                 stroke(p, s, ink, 0.1);
             }
         }},
        {"hump",
         [](QPainter &p, auto &ink, auto &) {
             QPainterPath h;
             h.moveTo(-0.85, 0.45);
             h.lineTo(-0.5, 0.45);
             h.cubicTo(-0.3, -0.25, 0.3, -0.25, 0.5, 0.45);
             h.lineTo(0.85, 0.45);
             h.lineTo(0.85, 0.6);
             h.lineTo(-0.85, 0.6);
             h.closeSubpath();
             fill(p, h, ink);
         }},
        {"uneven",
         [](QPainter &p, auto &ink, auto &) {
             QPainterPath h;
             h.moveTo(-0.85, 0.45);
             h.cubicTo(-0.65, -0.1, -0.35, -0.1, -0.15, 0.45);
             h.cubicTo(0.05, -0.1, 0.35, -0.1, 0.55, 0.45);
             h.lineTo(0.85, 0.45);
             h.lineTo(0.85, 0.6);
             h.lineTo(-0.85, 0.6);
             h.closeSubpath();
             fill(p, h, ink);
         }},
        {"bumps",
         [](QPainter &p, auto &ink, auto &) {
             QPainterPath h;
             h.moveTo(-0.85, 0.55);
             for (int i = 0; i < 6; ++i)
                 h.quadTo(-0.85 + 0.283 * i + 0.14, 0.25, -0.85 + 0.283 * (i + 1), 0.55);
             h.lineTo(0.85, 0.65);
             h.lineTo(-0.85, 0.65);
             h.closeSubpath();
             fill(p, h, ink);
         }},
        {"dip",
         [](QPainter &p, auto &ink, auto &) {
             QPainterPath h;
             h.moveTo(-0.85, 0.0);
             h.lineTo(-0.5, 0.0);
             h.cubicTo(-0.3, 0.6, 0.3, 0.6, 0.5, 0.0);
             h.lineTo(0.85, 0.0);
             h.lineTo(0.85, 0.75);
             h.lineTo(-0.85, 0.75);
             h.closeSubpath();
             fill(p, h, ink);
         }},
    };
}

QHash<QString, Draw> roadAheadHazards()
{
    return {
        {"crest",
         [](QPainter &p, auto &ink, auto &paper) {
             QPainterPath h;
             h.moveTo(-0.85, 0.7);
             h.cubicTo(-0.4, -0.1, 0.4, -0.1, 0.85, 0.7);
             h.closeSubpath();
             fill(p, h, ink);
             carSide(p, ink, paper, {0.0, -0.38}, 0.3);
         }},
        {"descent",
         [](QPainter &p, auto &ink, auto &) {
             fill(p, poly({{-0.85, -0.4}, {0.85, 0.6}, {-0.85, 0.6}}), ink);
         }},
        {"ascent",
         [](QPainter &p, auto &ink, auto &) {
             fill(p, poly({{-0.85, 0.6}, {0.85, -0.4}, {0.85, 0.6}}), ink);
         }},
        {"boom",
         [](QPainter &p, auto &ink, auto &) {
             QPainterPath post;
             post.addRect(QRectF(-0.85, -0.45, 0.16, 1.3));
             fill(p, post, ink);
             QPainterPath bar;
             bar.addRect(QRectF(-0.69, -0.15, 1.55, 0.2));
             fill(p, bar, ink);
             QPainterPath gaps;
             for (int i = 0; i < 3; ++i)
                 gaps.addRect(QRectF(-0.5 + i * 0.45, -0.11, 0.22, 0.12));
             fill(p, gaps, Ink::white);
         }},
        {"signals",
         [](QPainter &p, auto &ink, auto &) {
             trafficLight(p, ink, {0, 0}, 0.9, true);
         }},
        {"stopahead",
         [](QPainter &p, auto &, auto &) {
             QPolygonF oct;
             for (int i = 0; i < 8; ++i)
                 oct << QPointF(0.8 * qCos(qDegreesToRadians(22.5 + 45 * i)),
                                0.8 * qSin(qDegreesToRadians(22.5 + 45 * i)));
             p.setPen(Qt::NoPen);
             p.setBrush(Ink::red);
             p.drawPolygon(oct);
             fill(p, textPath(QStringLiteral("STOP"), {0, 0}, 0.34), Ink::white);
         }},
        {"yieldahead",
         [](QPainter &p, auto &, auto &) {
             fill(p, poly({{-0.85, -0.6}, {0.85, -0.6}, {0, 0.85}}), Ink::red);
             fill(p, poly({{-0.5, -0.4}, {0.5, -0.4}, {0, 0.45}}), Ink::white);
         }},
        {"gravel",
         [](QPainter &p, auto &ink, auto &paper) {
             carRear(p, ink, paper, {0, 0.25}, 0.7);
             for (auto [x, y] :
                  {std::pair{-0.7, -0.5}, {-0.45, -0.75}, {0.5, -0.55}, {0.72, -0.3}, {-0.75, -0.15}, {0.25, -0.85}})
                 disc(p, {x, y}, 0.07, ink);
         }},
        {"tarend",
         [](QPainter &p, auto &ink, auto &) {
             fill(p, poly({{-0.6, 0.85}, {0.6, 0.85}, {0.35, 0.0}, {-0.35, 0.0}}), ink);
             for (int r = 0; r < 3; ++r)
                 for (int c = -2; c <= 2; ++c)
                     disc(p, {c * 0.13 * (1.0 - r * 0.18), -0.15 - r * 0.22}, 0.045, ink);
         }},
        {"windsock",
         [](QPainter &p, auto &ink, auto &) {
             stroke(p, poly({{-0.6, 0.85}, {-0.6, -0.7}}), ink, 0.1);
             fill(p, poly({{-0.6, -0.75}, {0.8, -0.5}, {0.8, -0.35}, {-0.6, -0.2}}), ink);
         }},
    };
}

QHash<QString, Draw> otherHazards()
{
    return {
        {"water",
         [](QPainter &p, auto &ink, auto &) {
             for (int i = 0; i < 3; ++i) {
                 QPainterPath w;
                 const qreal y = -0.3 + i * 0.35;
                 w.moveTo(-0.8, y);
                 for (int k = 0; k < 4; ++k)
                     w.quadTo(-0.8 + 0.4 * k + 0.2, y - 0.18 * (k % 2 ? -1 : 1), -0.8 + 0.4 * (k + 1), y);
                 stroke(p, w, ink, 0.1);
             }
         }},
        {"fog",
         [](QPainter &p, auto &ink, auto &) {
             for (int i = 0; i < 4; ++i)
                 stroke(p,
                        poly({{-0.75 + (i % 2) * 0.2, -0.45 + i * 0.3}, {0.75 - ((i + 1) % 2) * 0.2, -0.45 + i * 0.3}}),
                        ink, 0.1);
         }},
        {"tunnel",
         [](QPainter &p, auto &ink, auto &paper) {
             QPainterPath t;
             t.addRect(QRectF(-0.85, -0.5, 1.7, 1.2));
             fill(p, t, ink);
             QPainterPath hole;
             hole.moveTo(-0.45, 0.7);
             hole.lineTo(-0.45, 0.1);
             hole.arcTo(QRectF(-0.45, -0.35, 0.9, 0.9), 180, -180);
             hole.lineTo(0.45, 0.7);
             hole.closeSubpath();
             fill(p, hole, paper);
         }},
        {"exclaim",
         [](QPainter &p, auto &ink, auto &) {
             fill(p, poly({{-0.13, -0.8}, {0.13, -0.8}, {0.07, 0.3}, {-0.07, 0.3}}), ink);
             disc(p, {0, 0.6}, 0.14, ink);
         }},
        {"trees",
         [](QPainter &p, auto &ink, auto &) {
             stroke(p, poly({{-0.7, 0.75}, {0.35, -0.1}}), ink, 0.16);
             QPainterPath crown;
             crown.addEllipse(QRectF(0.1, -0.7, 0.75, 0.75));
             fill(p, crown, ink);
             stroke(p, poly({{-0.85, 0.8}, {0.85, 0.8}}), ink, 0.08);
         }},
        {"signalsmall",
         [](QPainter &p, auto &ink, auto &) {
             trafficLight(p, ink, {0, 0}, 0.9, false);
         }},
    };
}

QHash<QString, Draw> regulatoryDetails()
{
    return {
        // Regulatory details
        {"height",
         [](QPainter &p, auto &ink, auto &) {
             fill(p, poly({{-0.4, -0.95}, {0.4, -0.95}, {0, -0.45}}), ink);
             fill(p, poly({{-0.4, 0.95}, {0.4, 0.95}, {0, 0.45}}), ink);
         }},
        {"width",
         [](QPainter &p, auto &ink, auto &) {
             fill(p, poly({{-0.95, -0.4}, {-0.95, 0.4}, {-0.45, 0}}), ink);
             fill(p, poly({{0.95, -0.4}, {0.95, 0.4}, {0.45, 0}}), ink);
         }},
        {"length",
         [](QPainter &p, auto &ink, auto &paper) {
             p.save();
             p.scale(0.8, 0.8);
             truckSide(p, ink, paper);
             p.restore();
             drawArrow(p, poly({{0, 0.7}, {-0.85, 0.7}}), ink, 0.08);
             drawArrow(p, poly({{0, 0.7}, {0.85, 0.7}}), ink, 0.08);
         }},
        {"axle",
         [](QPainter &p, auto &ink, auto &paper) {
             stroke(p, poly({{-0.6, 0.3}, {0.6, 0.3}}), ink, 0.12);
             wheel(p, {-0.6, 0.3}, 0.28, ink, paper);
             wheel(p, {0.6, 0.3}, 0.28, ink, paper);
         }},
        {"horn",
         [](QPainter &p, auto &ink, auto &) {
             fill(p, poly({{-0.7, -0.2}, {-0.3, -0.2}, {0.45, -0.65}, {0.45, 0.65}, {-0.3, 0.2}, {-0.7, 0.2}}), ink);
         }},
        {"hazmat",
         [](QPainter &p, auto &ink, auto &paper) {
             truckSide(p, ink, paper);
             fill(p, poly({{-0.3, -0.5}, {-0.05, -0.17}, {-0.3, 0.16}, {-0.55, -0.17}}), paper);
             fill(p, poly({{-0.3, -0.4}, {-0.13, -0.17}, {-0.3, 0.06}, {-0.47, -0.17}}), Ink::red);
         }},
    };
}

QHash<QString, Draw> panels()
{
    return {
        // Panels and information
        {"freeway",
         [](QPainter &p, auto &ink, auto &) {
             fill(p, poly({{-0.6, 0.9}, {-0.12, -0.6}, {-0.05, -0.6}, {-0.25, 0.9}}), ink);
             fill(p, poly({{0.6, 0.9}, {0.12, -0.6}, {0.05, -0.6}, {0.25, 0.9}}), ink);
             QPainterPath bridge;
             bridge.addRect(QRectF(-0.9, -0.2, 1.8, 0.18));
             fill(p, bridge, ink);
         }},
        {"endbar",
         [](QPainter &p, auto &, auto &) {
             stroke(p, poly({{-0.85, 0.85}, {0.85, -0.85}}), Ink::red, 0.16);
         }},
        {"toll",
         [](QPainter &p, auto &ink, auto &paper) {
             disc(p, {0, 0}, 0.75, ink);
             disc(p, {0, 0}, 0.62, paper);
             fill(p, textPath(QStringLiteral("R"), {0, 0}, 0.6), ink);
         }},
        {"diagram",
         [](QPainter &p, auto &ink, auto &) {
             stroke(p, poly({{0, 0.9}, {0, -0.2}}), ink, 0.22);
             drawArrow(p, poly({{0, -0.2}, {-0.85, -0.2}}), ink, 0.16);
             drawArrow(p, poly({{0, -0.2}, {0.85, -0.2}}), ink, 0.16);
             drawArrow(p, poly({{0, -0.2}, {0, -0.9}}), ink, 0.16);
         }},
    };
}

QHash<QString, Draw> informationSymbols()
{
    return {
        {"phone",
         [](QPainter &p, auto &ink, auto &) {
             QPainterPath h;
             h.moveTo(-0.7, -0.25);
             h.cubicTo(-0.7, -0.8, 0.7, -0.8, 0.7, -0.25);
             h.lineTo(0.35, -0.1);
             h.lineTo(0.3, -0.35);
             h.cubicTo(0.1, -0.45, -0.1, -0.45, -0.3, -0.35);
             h.lineTo(-0.35, -0.1);
             h.closeSubpath();
             fill(p, h, ink);
             fill(p, poly({{-0.3, -0.05}, {0.3, -0.05}, {0.6, 0.7}, {-0.6, 0.7}}), ink);
         }},
        {"fuel",
         [](QPainter &p, auto &ink, auto &paper) {
             QPainterPath pump;
             pump.addRoundedRect(QRectF(-0.6, -0.8, 0.8, 1.6), 0.08, 0.08);
             fill(p, pump, ink);
             QPainterPath window;
             window.addRect(QRectF(-0.48, -0.65, 0.56, 0.4));
             fill(p, window, paper);
             stroke(p, poly({{0.2, -0.4}, {0.55, -0.3}, {0.55, 0.5}, {0.7, 0.5}, {0.7, -0.5}}), ink, 0.09);
         }},
        {"noexit",
         [](QPainter &p, auto &ink, auto &) {
             stroke(p, poly({{0, 0.85}, {0, -0.45}}), ink, 0.34);
             QPainterPath bar;
             bar.addRect(QRectF(-0.6, -0.75, 1.2, 0.26));
             fill(p, bar, Ink::red);
         }},
        {"camera",
         [](QPainter &p, auto &ink, auto &paper) {
             QPainterPath body;
             body.addRoundedRect(QRectF(-0.8, -0.4, 1.6, 1.0), 0.12, 0.12);
             body.addRect(QRectF(-0.3, -0.6, 0.6, 0.25));
             fill(p, body, ink);
             disc(p, {0, 0.1}, 0.36, paper);
             disc(p, {0, 0.1}, 0.22, ink);
         }},
        {"police",
         [](QPainter &p, auto &ink, auto &) {
             fill(p, textPath(QStringLiteral("POLICE"), {0, 0}, 0.34), ink);
         }},
        {"i",
         [](QPainter &p, auto &ink, auto &) {
             fill(p, textPath(QStringLiteral("i"), {0, 0}, 1.3, true), ink);
         }},
        {"H",
         [](QPainter &p, auto &ink, auto &) {
             fill(p, textPath(QStringLiteral("H"), {0, 0}, 1.2), ink);
         }},
        {"P",
         [](QPainter &p, auto &ink, auto &) {
             fill(p, textPath(QStringLiteral("P"), {0, 0}, 1.2), ink);
         }},
    };
}

QHash<QString, Draw> laneChanges()
{
    return {
        // Temporary lane changes: two lanes seen from above.
        {"closedleft",
         [](QPainter &p, auto &ink, auto &) {
             drawArrow(p, poly({{0.4, 0.85}, {0.4, -0.85}}), ink, 0.16);
             QPainterPath m;
             m.moveTo(-0.4, 0.85);
             m.lineTo(-0.4, 0.1);
             m.cubicTo(-0.4, -0.2, 0.2, -0.2, 0.3, -0.5);
             drawArrow(p, m, ink, 0.16);
             stroke(p, poly({{-0.7, -0.1}, {-0.1, -0.1}}), Ink::red, 0.14);
         }},
        {"shiftleft",
         [](QPainter &p, auto &ink, auto &) {
             for (qreal x : {0.05, 0.55}) {
                 QPainterPath m;
                 m.moveTo(x, 0.85);
                 m.lineTo(x, 0.3);
                 m.cubicTo(x, 0.0, x - 0.5, 0.0, x - 0.5, -0.3);
                 m.lineTo(x - 0.5, -0.85);
                 drawArrow(p, m, ink, 0.14);
             }
         }},
    };
}
// The pictogram table is gathered from one group of drawings each.
const QHash<QString, Draw> &pictograms()
{
    static const QHash<QString, Draw> table = [] {
        QHash<QString, Draw> all;
        for (const auto group : {arrows, branchingArrows, junctions, narrowingRoads, bends, peopleAndAnimals,
                                 roadVehicles, otherVehicles, surfaceHazards, roadAheadHazards, otherHazards,
                                 regulatoryDetails, panels, informationSymbols, laneChanges})
            all.insert(group());
        return all;
    }();
    return table;
}

} // namespace

bool drawPictogram(QPainter &p, const QString &name, const QColor &ink, const QColor &paper)
{
    const auto &table = pictograms();
    const auto it = table.constFind(name);
    if (it != table.cend()) {
        (*it)(p, ink, paper);
        return true;
    }
    if (name.endsWith(u"right")) {
        QString left = name;
        left.replace(left.size() - 5, 5, QStringLiteral("left"));
        const auto mirrored = table.constFind(left);
        if (mirrored != table.cend()) {
            p.save();
            p.scale(-1, 1);
            (*mirrored)(p, ink, paper);
            p.restore();
            return true;
        }
    }
    return false;
}
