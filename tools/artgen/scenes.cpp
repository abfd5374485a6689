#include "art.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace art {

namespace {
QPainterPath strokeArea(const QPainterPath &line, qreal width)
{
    QPainterPathStroker s;
    s.setWidth(width);
    s.setCapStyle(Qt::RoundCap);
    s.setJoinStyle(Qt::RoundJoin);
    return s.createStroke(line).simplified();
}

QPainterPath lineTo(const QPointF &a, const QPointF &b)
{
    QPainterPath path(a);
    path.lineTo(b);
    return path;
}

QPainterPath lever(const QPointF &pivot, const QPointF &ctrl, const QPointF &tip)
{
    QPainterPath path(pivot);
    path.quadTo(ctrl, tip);
    return path;
}

void ribs(QPainter &p, const QRectF &r, int n, const QColor &c)
{
    p.save();
    p.setPen(QPen(c, 1.2));
    for (int i = 1; i < n; ++i) {
        const qreal x = r.left() + r.width() * i / n;
        p.drawLine(QPointF(x, r.top() + 1.5), QPointF(x, r.bottom() - 1.5));
    }
    p.restore();
}

const QColor kBikeTyre(38, 38, 44);
const QColor kBikeMetal(168, 172, 182);
const QColor kBikeDark(62, 64, 74);

QLinearGradient bikePaint()
{
    QLinearGradient paint(150, 0, 250, 0);
    paint.setColorAt(0, Maroon.darker(120));
    paint.setColorAt(0.5, QColor(178, 28, 28));
    paint.setColorAt(1, Maroon.darker(120));
    return paint;
}

void bikeRunningGear(QPainter &p, const QLinearGradient &paint)
{
    // Tyres.
    p.setBrush(kBikeTyre);
    p.drawRoundedRect(QRectF(189, 16, 22, 90), 10, 10);
    p.drawRoundedRect(QRectF(185, 296, 30, 94), 13, 13);
    // Front mudguard and headlight.
    p.setBrush(paint);
    p.drawRoundedRect(QRectF(185, 34, 30, 56), 13, 13);
    p.setBrush(QColor(70, 72, 82));
    p.drawRoundedRect(QRectF(179, 96, 42, 22), 9, 9);
    p.setBrush(QColor(255, 244, 180));
    p.drawRoundedRect(QRectF(186, 93, 28, 8), 4, 4);
    // Exhaust on the right.
    QLinearGradient chrome(240, 0, 266, 0);
    chrome.setColorAt(0, QColor(150, 154, 162));
    chrome.setColorAt(0.5, QColor(235, 236, 240));
    chrome.setColorAt(1, QColor(140, 144, 152));
    p.setBrush(chrome);
    p.drawRoundedRect(QRectF(244, 268, 18, 96), 8, 8);
    // Engine sides.
    p.setBrush(kBikeMetal);
    p.drawRoundedRect(QRectF(146, 186, 22, 40), 6, 6);
    p.drawRoundedRect(QRectF(232, 186, 22, 40), 6, 6);
    p.setBrush(QColor(120, 124, 134));
    p.drawRoundedRect(QRectF(160, 226, 80, 30), 8, 8);
}

void bikeFootControls(QPainter &p, QMap<QString, QPainterPath> &parts)
{
    // Foot pegs.
    p.setBrush(kBikeDark);
    p.drawRoundedRect(QRectF(116, 262, 40, 9), 4, 4);
    p.drawRoundedRect(QRectF(244, 262, 40, 9), 4, 4);
    // Gear selector (left foot) and rear brake pedal (right foot).
    const QPainterPath gear = lever(QPointF(162, 250), QPointF(140, 250), QPointF(122, 238));
    const QPainterPath rear = lever(QPointF(238, 250), QPointF(260, 250), QPointF(278, 238));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(90, 92, 102), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(gear);
    p.drawPath(rear);
    p.setPen(Qt::NoPen);
    p.setBrush(kBikeDark);
    p.drawEllipse(QPointF(122, 238), 6, 5);
    p.drawRoundedRect(QRectF(270, 232, 16, 11), 4, 4);
    parts[QStringLiteral("gear")] = strokeArea(gear, 10).united(strokeArea(lineTo({118, 238}, {126, 238}), 12));
    parts[QStringLiteral("rearbrake")] = strokeArea(rear, 10).united(strokeArea(lineTo({272, 237}, {284, 237}), 12));
}

void bikeBody(QPainter &p, const QLinearGradient &paint)
{
    // Tank.
    p.setBrush(paint);
    p.drawEllipse(QRectF(162, 134, 76, 96));
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawEllipse(QRectF(176, 146, 20, 52));
    p.setBrush(kBikeMetal);
    p.drawEllipse(QPointF(200, 152), 7, 7);
    // Seat and tail.
    p.setBrush(QColor(44, 44, 52));
    p.drawRoundedRect(QRectF(172, 224, 56, 96), 22, 22);
    p.setPen(QPen(QColor(70, 70, 80), 1.5));
    p.drawLine(QPointF(178, 268), QPointF(222, 268));
    p.setPen(Qt::NoPen);
    p.setBrush(paint);
    p.drawRoundedRect(QRectF(180, 314, 40, 40), 12, 12);
    p.setBrush(QColor(220, 40, 40));
    p.drawRoundedRect(QRectF(188, 348, 24, 7), 3, 3);
    p.setBrush(Amber);
    p.drawEllipse(QPointF(176, 346), 4, 4);
    p.drawEllipse(QPointF(224, 346), 4, 4);
}

void bikeMirrors(QPainter &p, QMap<QString, QPainterPath> &parts)
{
    // Mirrors.
    const QPainterPath stalkL = lineTo(QPointF(142, 118), QPointF(122, 80));
    const QPainterPath stalkR = lineTo(QPointF(258, 118), QPointF(278, 80));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(90, 92, 102), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stalkL);
    p.drawPath(stalkR);
    p.setPen(Qt::NoPen);
    QPainterPath mirrors;
    mirrors.addEllipse(QRectF(98, 64, 44, 20));
    mirrors.addEllipse(QRectF(258, 64, 44, 20));
    p.setBrush(QColor(50, 52, 60));
    p.drawPath(mirrors);
    p.setBrush(QColor(190, 214, 246));
    p.drawEllipse(QRectF(102, 67, 36, 14));
    p.drawEllipse(QRectF(262, 67, 36, 14));
    parts[QStringLiteral("mirrors")] = mirrors.united(strokeArea(stalkL, 6)).united(strokeArea(stalkR, 6));
}

void bikeSwitches(QPainter &p, QMap<QString, QPainterPath> &parts)
{
    // Left switch housing: indicator slider, hooter button, dip switch.
    p.setBrush(QColor(30, 32, 38));
    p.drawRoundedRect(QRectF(132, 117, 26, 26), 5, 5);
    const QRectF indicator(135, 119, 20, 6);
    const QRectF hooter(140.5, 126.5, 9, 9);
    const QRectF dip(135, 137, 20, 5);
    p.setBrush(Amber);
    p.drawRoundedRect(indicator, 2.5, 2.5);
    p.setBrush(QColor(225, 228, 236));
    p.drawEllipse(hooter);
    p.setBrush(LightBlue);
    p.drawRoundedRect(dip, 2, 2);
    QPainterPath ind, hoot, dp;
    ind.addRoundedRect(indicator, 2, 2);
    hoot.addEllipse(hooter);
    dp.addRoundedRect(dip, 2, 2);
    parts[QStringLiteral("indicator")] = ind;
    parts[QStringLiteral("hooter")] = hoot;
    parts[QStringLiteral("dip")] = dp;
}
} // namespace

QMap<QString, QPainterPath> bikeTop(QPainter &p)
{
    QMap<QString, QPainterPath> parts;
    const QLinearGradient paint = bikePaint();
    p.save();
    p.setPen(Qt::NoPen);
    // Ground shadow.
    p.setBrush(QColor(0, 0, 0, 22));
    p.drawRoundedRect(QRectF(160, 26, 90, 366), 40, 40);
    bikeRunningGear(p, paint);
    bikeFootControls(p, parts);
    bikeBody(p, paint);
    bikeMirrors(p, parts);
    // Handlebar with a gentle backward sweep.
    QPainterPath bar;
    bar.moveTo(92, 132);
    bar.cubicTo(130, 126, 160, 121, 200, 121);
    bar.cubicTo(240, 121, 270, 126, 308, 132);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 124, 134), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(bar);
    p.setPen(Qt::NoPen);
    // Instruments between the bars.
    p.setBrush(QColor(34, 36, 42));
    p.drawEllipse(QPointF(200, 110), 14, 11);
    p.setBrush(QColor(230, 236, 250));
    p.drawEllipse(QPointF(200, 110), 9, 7);
    // Grips: plain left grip, twist-grip throttle on the right.
    const QRectF gripL(88, 124, 40, 14);
    const QRectF gripR(272, 124, 40, 14);
    p.setBrush(QColor(46, 46, 54));
    p.drawRoundedRect(gripL, 6, 6);
    p.drawRoundedRect(gripR, 6, 6);
    ribs(p, gripL, 7, QColor(90, 90, 100));
    ribs(p, gripR, 7, QColor(90, 90, 100));
    p.setBrush(QColor(20, 20, 26));
    p.drawRoundedRect(QRectF(264, 121, 10, 20), 3, 3);
    QPainterPath throttle;
    throttle.addRoundedRect(gripR.adjusted(-8, -3, 0, 3), 6, 6);
    parts[QStringLiteral("throttle")] = throttle;
    bikeSwitches(p, parts);
    // Right-hand brake fluid reservoir.
    p.setBrush(QColor(80, 82, 92));
    p.drawRoundedRect(QRectF(240, 108, 16, 12), 3, 3);
    // Clutch lever (left) and front brake lever (right), reaching ahead of the grips.
    const QPainterPath clutch = lever(QPointF(148, 116), QPointF(124, 108), QPointF(94, 114));
    const QPainterPath front = lever(QPointF(252, 116), QPointF(276, 108), QPointF(306, 114));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(196, 200, 208), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(clutch);
    p.drawPath(front);
    p.setPen(QPen(QColor(110, 114, 124), 1.2));
    p.drawPath(clutch);
    p.drawPath(front);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 82, 92));
    p.drawEllipse(QPointF(148, 116), 4, 4);
    p.drawEllipse(QPointF(252, 116), 4, 4);
    parts[QStringLiteral("clutch")] = strokeArea(clutch, 9);
    parts[QStringLiteral("frontbrake")] = strokeArea(front, 9);
    QPainterPath bars = strokeArea(bar, 10);
    bars.addRoundedRect(gripL, 6, 6);
    bars.addRoundedRect(gripR, 6, 6);
    parts[QStringLiteral("handlebars")] = bars.simplified();
    p.restore();
    return parts;
}

namespace {
// The cockpit is a right-hand-drive car: the driver sits behind the wheel on the right, the
// gear lever and the parking brake lie to the driver's left, and the pedals under the wheel
// run clutch, brake, accelerator from left to right.
const QPointF kHub(450, 310);

// The view through the windscreen: the car keeps left, so the centre line runs ahead on its right.
void windscreenView(QPainter &p)
{
    QPolygonF screen;
    screen << QPointF(66, 10) << QPointF(624, 10) << QPointF(664, 156) << QPointF(26, 156);
    p.save();
    QPainterPath clip;
    clip.addPolygon(screen);
    p.setClipPath(clip);
    QLinearGradient sky(0, 10, 0, 110);
    sky.setColorAt(0, QColor(150, 192, 242));
    sky.setColorAt(1, QColor(222, 236, 252));
    p.fillRect(QRectF(0, 0, 690, 112), sky);
    p.fillRect(QRectF(0, 104, 690, 60), QColor(150, 186, 112));
    p.setBrush(QColor(120, 160, 96));
    p.drawEllipse(QRectF(40, 84, 200, 40));
    p.drawEllipse(QRectF(470, 90, 180, 30));
    QPolygonF road;
    road << QPointF(333, 104) << QPointF(357, 104) << QPointF(810, 160) << QPointF(190, 160);
    p.setBrush(QColor(96, 100, 110));
    p.drawPolygon(road);
    p.setPen(QPen(Qt::white, 3, Qt::DashLine));
    p.drawLine(QPointF(346, 106), QPointF(500, 160));
    p.setPen(QPen(QColor(250, 220, 80), 2));
    p.drawLine(QPointF(335, 106), QPointF(200, 160));
    p.drawLine(QPointF(357, 106), QPointF(790, 160));
    p.setPen(Qt::NoPen);
    p.restore();
}

void mirrors(QPainter &p, QMap<QString, QPainterPath> &parts)
{
    const QRectF rearBody(288, 18, 114, 38);
    p.setBrush(QColor(40, 42, 50));
    p.drawRect(QRectF(340, 6, 10, 14));
    p.drawRoundedRect(rearBody, 12, 12);
    QLinearGradient rg(0, 22, 0, 52);
    rg.setColorAt(0, QColor(210, 226, 248));
    rg.setColorAt(1, QColor(150, 176, 214));
    p.setBrush(rg);
    p.drawRoundedRect(rearBody.adjusted(5, 5, -5, -5), 8, 8);
    QPainterPath rear;
    rear.addRoundedRect(rearBody, 12, 12);
    parts[QStringLiteral("rear")] = rear;
    QPainterPath sides;
    const QRectF leftMirror(6, 92, 64, 40);
    const QRectF rightMirror(620, 92, 64, 40);
    sides.addRoundedRect(leftMirror, 10, 10);
    sides.addRoundedRect(rightMirror, 10, 10);
    p.setBrush(QColor(34, 36, 44));
    p.drawPath(sides);
    p.setBrush(rg);
    p.drawRoundedRect(leftMirror.adjusted(5, 5, -5, -5), 7, 7);
    p.drawRoundedRect(rightMirror.adjusted(5, 5, -5, -5), 7, 7);
    parts[QStringLiteral("side")] = sides;
}

void dashboard(QPainter &p)
{
    QPainterPath dash;
    dash.moveTo(0, 170);
    dash.cubicTo(160, 140, 530, 140, 690, 170);
    dash.lineTo(690, 483);
    dash.lineTo(0, 483);
    dash.closeSubpath();
    QLinearGradient dg(0, 140, 0, 483);
    dg.setColorAt(0, QColor(86, 88, 100));
    dg.setColorAt(0.35, QColor(64, 66, 76));
    dg.setColorAt(1, QColor(40, 42, 50));
    p.setBrush(dg);
    p.drawPath(dash);
    p.setPen(QPen(QColor(110, 112, 124), 2));
    p.drawLine(QPointF(0, 268), QPointF(690, 268));
    p.setPen(Qt::NoPen);
    // Footwell under the wheel, and the glovebox lid on the passenger's side.
    p.setBrush(QColor(30, 31, 37));
    p.drawRoundedRect(QRectF(284, 386, 300, 120), 24, 24);
    p.setBrush(QColor(52, 54, 62));
    p.drawRoundedRect(QRectF(10, 196, 90, 56), 8, 8);
}

// Instrument cluster behind the wheel; a truck has air pressure gauges beside a smaller speedometer.
void instruments(QPainter &p, bool heavy, QMap<QString, QPainterPath> &parts)
{
    p.setBrush(QColor(28, 30, 36));
    p.drawRoundedRect(QRectF(370, 150, 160, 84), 18, 18);
    const qreal speedoR = heavy ? 30 : 36;
    const QPointF dial = heavy ? QPointF(424, 190) : QPointF(450, 190);
    p.setBrush(QColor(236, 240, 250));
    p.drawEllipse(dial, speedoR, speedoR);
    p.setPen(QPen(QColor(40, 42, 50), 1.6));
    for (int i = 0; i <= 10; ++i) {
        const qreal a = qDegreesToRadians(225.0 - i * 27.0);
        const QPointF dir(qCos(a), -qSin(a));
        p.drawLine(dial + dir * (speedoR - 3), dial + dir * (speedoR - (i % 2 ? 7 : 10)));
    }
    p.setPen(QPen(QColor(210, 20, 20), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(dial, dial + QPointF(qCos(qDegreesToRadians(150.0)), -qSin(qDegreesToRadians(150.0))) * (speedoR - 8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 42, 50));
    p.drawEllipse(dial, 4, 4);
    QPainterPath speedo;
    speedo.addEllipse(dial, speedoR + 2, speedoR + 2);
    parts[QStringLiteral("speedo")] = speedo;
    if (!heavy) {
        p.setBrush(QColor(40, 200, 90));
        p.drawEllipse(QPointF(394, 224), 3, 3);
        p.setBrush(QColor(250, 170, 20));
        p.drawEllipse(QPointF(506, 224), 3, 3);
        return;
    }
    QPainterPath air;
    for (int i = 0; i < 2; ++i) {
        const QPointF c(482 + i * 30, 180 + i * 22);
        p.setBrush(QColor(236, 240, 250));
        p.drawEllipse(c, 14, 14);
        p.setPen(QPen(QColor(20, 120, 60), 2));
        p.drawLine(c, c + QPointF(8, -7));
        p.setPen(Qt::NoPen);
        air.addEllipse(c, 16, 16);
    }
    parts[QStringLiteral("air")] = air;
}

// Light switch on the dashboard between the wheel and the driver's door.
void lightSwitch(QPainter &p, QMap<QString, QPainterPath> &parts)
{
    const QPointF knob(602, 212);
    p.setBrush(QColor(28, 30, 36));
    p.drawEllipse(knob, 22, 22);
    p.setBrush(QColor(120, 124, 136));
    p.drawEllipse(knob, 16, 16);
    p.setPen(QPen(QColor(255, 236, 150), 2));
    p.drawArc(QRectF(knob.x() - 8, knob.y() - 6, 10, 12), 90 * 16, 180 * 16);
    p.drawLine(knob + QPointF(-3, -6), knob + QPointF(-3, 6));
    for (int i = -1; i <= 1; ++i)
        p.drawLine(knob + QPointF(2, i * 4.0), knob + QPointF(9, i * 4.0));
    p.setPen(Qt::NoPen);
    QPainterPath lights;
    lights.addEllipse(knob, 23, 23);
    parts[QStringLiteral("lights")] = lights;
}

// Centre stack with vents and radio, and the console between the seats, left of the driver.
void centreStack(QPainter &p)
{
    p.setBrush(QColor(48, 50, 58));
    p.drawRoundedRect(QRectF(120, 168, 150, 96), 12, 12);
    p.setBrush(QColor(30, 32, 38));
    for (int i = 0; i < 2; ++i)
        p.drawRoundedRect(QRectF(132 + i * 68, 178, 58, 26), 8, 8);
    p.setPen(QPen(QColor(80, 82, 92), 1.5));
    for (int i = 0; i < 2; ++i)
        for (int k = 1; k < 4; ++k)
            p.drawLine(QPointF(136 + i * 68, 178 + k * 6.5), QPointF(186 + i * 68, 178 + k * 6.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 110, 170));
    p.drawRoundedRect(QRectF(146, 216, 98, 24), 4, 4);
    p.setBrush(QColor(140, 144, 156));
    p.drawEllipse(QPointF(136, 252), 6, 6);
    p.drawEllipse(QPointF(254, 252), 6, 6);
    p.setBrush(QColor(50, 52, 60));
    p.drawRoundedRect(QRectF(80, 290, 180, 230), 26, 26);
}

void pedals(QPainter &p, bool heavy, QMap<QString, QPainterPath> &parts)
{
    struct Pedal {
        QString name;
        QRectF pad;
    };
    const QList<Pedal> all{
        {QStringLiteral("clutch"), heavy ? QRectF(342, 426, 60, 42) : QRectF(348, 428, 52, 38)},
        {QStringLiteral("brake"), QRectF(424, 426, 62, 42)},
        {QStringLiteral("accel"), QRectF(528, 414, 28, 64)},
    };
    for (const Pedal &pd : all) {
        p.setBrush(QColor(90, 94, 104));
        p.drawRect(QRectF(pd.pad.center().x() - 4, 392, 8, pd.pad.top() - 392 + 4));
        QLinearGradient pg(pd.pad.topLeft(), pd.pad.bottomLeft());
        pg.setColorAt(0, QColor(150, 154, 166));
        pg.setColorAt(1, QColor(96, 100, 112));
        p.setBrush(pg);
        p.drawRoundedRect(pd.pad, 6, 6);
        p.setPen(QPen(QColor(70, 72, 82), 2));
        for (qreal y = pd.pad.top() + 8; y < pd.pad.bottom() - 4; y += 7)
            p.drawLine(QPointF(pd.pad.left() + 6, y), QPointF(pd.pad.right() - 6, y));
        p.setPen(Qt::NoPen);
        QPainterPath pp;
        pp.addRoundedRect(pd.pad, 6, 6);
        parts[pd.name] = pp;
    }
}

// Steering column with the indicator stalk on the right and the wiper stalk on the left.
void stalks(QPainter &p, bool heavy, QMap<QString, QPainterPath> &parts)
{
    p.setBrush(QColor(34, 36, 42));
    p.drawRoundedRect(QRectF(kHub.x() - 22, 286, 44, 40), 10, 10);
    const QPainterPath indicator = lineTo(QPointF(468, 296), QPointF(574, 280));
    const QPainterPath wiper = lineTo(QPointF(432, 296), QPointF(326, 280));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(26, 28, 34), 10, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(indicator);
    p.drawPath(wiper);
    p.setPen(QPen(Amber, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(572, 280), QPointF(560, 282));
    p.setPen(QPen(LightBlue, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(328, 280), QPointF(340, 282));
    parts[QStringLiteral("indicator")] = strokeArea(indicator, 14);
    parts[QStringLiteral("wiper")] = strokeArea(wiper, 14);
    if (heavy) {
        // The retarder (exhaust brake) stalk sits below the wiper stalk.
        const QPainterPath retarder = lineTo(QPointF(432, 318), QPointF(334, 330));
        p.setPen(QPen(QColor(26, 28, 34), 9, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(retarder);
        p.setPen(QPen(QColor(90, 200, 120), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(336, 330), QPointF(346, 329));
        parts[QStringLiteral("retarder")] = strokeArea(retarder, 14);
    }
    p.setPen(Qt::NoPen);
}

void steeringWheel(QPainter &p, bool heavy, QMap<QString, QPainterPath> &parts)
{
    const QPointF hub = kHub;
    const qreal rim = heavy ? 98 : 88;
    for (const QPointF &end :
         {QPointF(hub.x() - rim, hub.y() + 8), QPointF(hub.x() + rim, hub.y() + 8), QPointF(hub.x(), hub.y() + rim)}) {
        p.setPen(QPen(QColor(36, 38, 46), 16, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(hub, end);
    }
    p.setPen(QPen(QColor(30, 30, 36), 17));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(hub, rim, rim);
    p.setPen(QPen(QColor(70, 72, 82), 3));
    p.drawArc(QRectF(hub.x() - rim + 4, hub.y() - rim + 4, 2 * rim - 8, 2 * rim - 8), 30 * 16, 120 * 16);
    QPainterPath ring;
    ring.addEllipse(hub, rim + 9, rim + 9);
    QPainterPath hole;
    hole.addEllipse(hub, rim - 9, rim - 9);
    parts[QStringLiteral("steer")] = ring.subtracted(hole);
    // Hub with the hooter symbol.
    p.setPen(Qt::NoPen);
    QRadialGradient hg(hub - QPointF(8, 8), 40);
    hg.setColorAt(0, QColor(84, 86, 98));
    hg.setColorAt(1, QColor(38, 40, 48));
    p.setBrush(hg);
    p.drawEllipse(hub, 32, 28);
    QPainterPath horn;
    horn.moveTo(hub + QPointF(-14, -5));
    horn.lineTo(hub + QPointF(-6, -5));
    horn.lineTo(hub + QPointF(8, -13));
    horn.lineTo(hub + QPointF(8, 13));
    horn.lineTo(hub + QPointF(-6, 5));
    horn.lineTo(hub + QPointF(-14, 5));
    horn.closeSubpath();
    p.setBrush(QColor(215, 218, 228));
    p.drawPath(horn);
    QPainterPath hoot;
    hoot.addEllipse(hub, 33, 29);
    parts[QStringLiteral("hoot")] = hoot;
}

// Gear lever and, beyond it on the console, the parking brake lever: both at the driver's left hand.
void leversOnConsole(QPainter &p, bool heavy, QMap<QString, QPainterPath> &parts)
{
    const QPointF gearBase(190, 430);
    const QPointF knobC(190, heavy ? 338 : 352);
    p.setBrush(QColor(26, 27, 32));
    p.drawEllipse(gearBase, 38, 18);
    p.setPen(QPen(QColor(190, 194, 204), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(gearBase, knobC);
    p.setPen(Qt::NoPen);
    QRadialGradient kg(knobC - QPointF(6, 6), 26);
    kg.setColorAt(0, QColor(90, 92, 104));
    kg.setColorAt(1, QColor(24, 25, 30));
    p.setBrush(kg);
    p.drawEllipse(knobC, 20, 17);
    p.setPen(QPen(Qt::white, 1.6));
    p.drawLine(knobC + QPointF(-8, -7), knobC + QPointF(-8, 7));
    p.drawLine(knobC + QPointF(0, -7), knobC + QPointF(0, 7));
    p.drawLine(knobC + QPointF(8, -7), knobC + QPointF(8, 7));
    p.drawLine(knobC + QPointF(-8, 0), knobC + QPointF(8, 0));
    p.setPen(Qt::NoPen);
    QPainterPath gear;
    gear.addEllipse(knobC, 21, 18);
    parts[QStringLiteral("gear")] = gear.united(strokeArea(lineTo(knobC, gearBase), 13));
    const QPointF hbBase(130, 468);
    const QPointF hbGrip(94, 394);
    p.setBrush(QColor(26, 27, 32));
    p.drawRoundedRect(QRectF(114, 440, 30, 40), 8, 8);
    p.setPen(QPen(QColor(140, 144, 156), 11, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(hbBase, hbGrip);
    p.setPen(QPen(QColor(30, 30, 36), 15, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(hbBase + (hbGrip - hbBase) * 0.45, hbGrip);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 194, 204));
    p.drawEllipse(hbGrip, 6, 6);
    parts[QStringLiteral("handbrake")] = strokeArea(lineTo(hbBase, hbGrip), 20);
}

// Trailer brake valve on the dashboard, at the driver's right hand.
void trailerValve(QPainter &p, QMap<QString, QPainterPath> &parts)
{
    p.setBrush(QColor(28, 30, 36));
    p.drawRoundedRect(QRectF(596, 270, 60, 30), 8, 8);
    p.setBrush(QColor(230, 200, 40));
    p.drawRoundedRect(QRectF(612, 262, 28, 18), 5, 5);
    QPainterPath trailer;
    trailer.addRoundedRect(QRectF(596, 262, 60, 38), 8, 8);
    parts[QStringLiteral("trailer")] = trailer;
}
} // namespace

QMap<QString, QPainterPath> cockpit(QPainter &p, bool heavy)
{
    QMap<QString, QPainterPath> parts;
    p.save();
    p.setClipRect(QRectF(0, 0, 690, 483), Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, 0, 690, 483), QColor(58, 60, 70));
    windscreenView(p);
    mirrors(p, parts);
    dashboard(p);
    instruments(p, heavy, parts);
    lightSwitch(p, parts);
    centreStack(p);
    pedals(p, heavy, parts);
    stalks(p, heavy, parts);
    steeringWheel(p, heavy, parts);
    leversOnConsole(p, heavy, parts);
    if (heavy)
        trailerValve(p, parts);
    p.restore();
    return parts;
}

} // namespace art
