// Study illustrations: cardinal rules, driver responsibilities and the fixed pictures of the rule pages.
#include "art.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>
#include <iterator>

namespace art {

namespace {

QImage backdrop(int w, int h)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(244, 247, 254));
    g.setColorAt(1, QColor(226, 235, 251));
    p.fillRect(img.rect(), g);
    return img;
}

void tag(QPainter &p, const QString &s, const QPointF &tl = QPointF(12, 12))
{
    const QFont f = sans(14, QFont::Bold);
    const qreal w = QFontMetricsF(f).horizontalAdvance(s) + 26;
    const QRectF r(tl, QSizeF(w, 28));
    softShadow(p, r, 14, 3);
    roundBox(p, r, 14, Maroon, Qt::white, 1.5);
    text(p, r, s, f, Qt::white);
}

void note(QPainter &p, const QRectF &r, const QString &s, qreal px = 16, const QColor &c = Ink,
          int align = Qt::AlignLeft | Qt::AlignVCenter)
{
    text(p, r, s, sans(px, QFont::Bold), c, align | Qt::TextWordWrap);
}

// A straight road running across the picture, seen from above.
void roadBand(QPainter &p, const QRectF &r, bool centreLine = true)
{
    p.save();
    p.fillRect(QRectF(r.left(), r.top() - 8, r.width(), r.height() + 16), QColor(170, 200, 140));
    p.fillRect(r, Asphalt);
    p.setPen(QPen(Qt::white, 2.5));
    p.drawLine(QPointF(r.left(), r.top() + 5), QPointF(r.right(), r.top() + 5));
    p.drawLine(QPointF(r.left(), r.bottom() - 5), QPointF(r.right(), r.bottom() - 5));
    if (centreLine) {
        p.setPen(QPen(Qt::white, 3, Qt::CustomDashLine));
        QPen pen(Qt::white, 3);
        pen.setDashPattern({6, 5});
        p.setPen(pen);
        p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    }
    p.restore();
}

// A road running away from the viewer towards a horizon.
void roadAhead(QPainter &p, const QRectF &r, qreal horizon)
{
    p.save();
    QLinearGradient sky(0, r.top(), 0, horizon);
    sky.setColorAt(0, QColor(176, 206, 246));
    sky.setColorAt(1, QColor(232, 241, 253));
    p.fillRect(QRectF(r.left(), r.top(), r.width(), horizon - r.top()), sky);
    p.fillRect(QRectF(r.left(), horizon, r.width(), r.bottom() - horizon), QColor(160, 196, 120));
    const qreal cx = r.center().x();
    QPolygonF road;
    road << QPointF(cx - 12, horizon) << QPointF(cx + 12, horizon) << QPointF(cx + r.width() * 0.42, r.bottom())
         << QPointF(cx - r.width() * 0.42, r.bottom());
    p.setPen(Qt::NoPen);
    p.setBrush(Asphalt);
    p.drawPolygon(road);
    QPen dash(Qt::white, 3);
    dash.setDashPattern({5, 4});
    p.setPen(dash);
    p.drawLine(QPointF(cx, horizon + 2), QPointF(cx, r.bottom()));
    p.restore();
}

void prohibit(QPainter &p, const QPointF &c, qreal r)
{
    p.save();
    p.setPen(QPen(Red, r * 0.16));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    p.drawLine(c + QPointF(-r * 0.7, -r * 0.7), c + QPointF(r * 0.7, r * 0.7));
    p.restore();
}

void phone(QPainter &p, const QPointF &c, qreal h)
{
    const QRectF body(c.x() - h * 0.28, c.y() - h / 2, h * 0.56, h);
    roundBox(p, body, h * 0.08, QColor(40, 42, 50));
    roundBox(p, body.adjusted(h * 0.05, h * 0.1, -h * 0.05, -h * 0.14), h * 0.03, QColor(120, 170, 240));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 200, 210));
    p.drawEllipse(QPointF(c.x(), body.bottom() - h * 0.07), h * 0.035, h * 0.035);
    p.restore();
}

void cup(QPainter &p, const QPointF &c, qreal h)
{
    p.save();
    QPainterPath body;
    body.moveTo(c.x() - h * 0.32, c.y() - h * 0.3);
    body.lineTo(c.x() + h * 0.32, c.y() - h * 0.3);
    body.lineTo(c.x() + h * 0.24, c.y() + h * 0.4);
    body.lineTo(c.x() - h * 0.24, c.y() + h * 0.4);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 90, 50));
    p.drawPath(body);
    p.setBrush(QColor(240, 240, 244));
    p.drawRoundedRect(QRectF(c.x() - h * 0.36, c.y() - h * 0.42, h * 0.72, h * 0.14), 3, 3);
    p.setPen(QPen(QColor(160, 160, 170), h * 0.04, Qt::SolidLine, Qt::RoundCap));
    for (int i = -1; i <= 1; ++i) {
        QPainterPath steam;
        steam.moveTo(c.x() + i * h * 0.16, c.y() - h * 0.5);
        steam.cubicTo(c.x() + i * h * 0.16 + h * 0.08, c.y() - h * 0.6, c.x() + i * h * 0.16 - h * 0.08,
                      c.y() - h * 0.7, c.x() + i * h * 0.16, c.y() - h * 0.8);
        p.setBrush(Qt::NoBrush);
        p.drawPath(steam);
    }
    p.restore();
}

void cow(QPainter &p, const QPointF &c, qreal s)
{
    p.save();
    p.translate(c);
    p.scale(s, s);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 50, 40));
    for (const qreal x : {-28.0, -16.0, 18.0, 30.0})
        p.drawRoundedRect(QRectF(x - 4, 10, 8, 32), 3, 3);
    p.setBrush(QColor(245, 240, 232));
    p.drawRoundedRect(QRectF(-40, -20, 84, 40), 18, 18);
    p.setBrush(QColor(70, 50, 40));
    p.drawEllipse(QRectF(-22, -16, 24, 18));
    p.drawEllipse(QRectF(12, -6, 18, 16));
    p.setBrush(QColor(245, 240, 232));
    p.drawRoundedRect(QRectF(36, -34, 30, 26), 10, 10);
    p.setBrush(QColor(230, 170, 160));
    p.drawRoundedRect(QRectF(52, -22, 16, 14), 6, 6);
    p.setBrush(QColor(70, 50, 40));
    p.drawEllipse(QPointF(46, -26), 2.5, 2.5);
    p.setPen(QPen(QColor(70, 50, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-40, -10), QPointF(-48, 10));
    p.restore();
}

void officer(QPainter &p, const QPointF &feet, qreal h)
{
    p.save();
    const QColor uniform(30, 44, 110);
    p.setPen(QPen(uniform, h * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF hip(feet.x(), feet.y() - h * 0.45);
    const QPointF neck(feet.x(), feet.y() - h * 0.8);
    p.drawLine(hip, feet + QPointF(-h * 0.1, 0));
    p.drawLine(hip, feet + QPointF(h * 0.1, 0));
    p.setPen(QPen(uniform, h * 0.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(hip, neck);
    p.setPen(QPen(uniform, h * 0.09, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(neck + QPointF(0, h * 0.04), neck + QPointF(-h * 0.1, -h * 0.32));
    p.drawLine(neck + QPointF(0, h * 0.04), neck + QPointF(h * 0.34, h * 0.02));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(neck + QPointF(-h * 0.1, -h * 0.35), h * 0.05, h * 0.05);
    p.drawEllipse(neck + QPointF(h * 0.36, h * 0.02), h * 0.05, h * 0.05);
    p.setBrush(QColor(250, 230, 60));
    p.drawRect(QRectF(feet.x() - h * 0.1, feet.y() - h * 0.72, h * 0.2, h * 0.06));
    p.setBrush(QColor(120, 80, 60));
    p.drawEllipse(QPointF(feet.x(), feet.y() - h * 0.9), h * 0.085, h * 0.085);
    p.setBrush(uniform);
    p.drawRoundedRect(QRectF(feet.x() - h * 0.11, feet.y() - h * 1.02, h * 0.22, h * 0.08), 2, 2);
    p.restore();
}

void speedometer(QPainter &p, const QPointF &c, qreal r, qreal needleFraction)
{
    p.save();
    p.setPen(QPen(QColor(40, 42, 50), r * 0.08));
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    const QRectF arc(c.x() - r * 0.8, c.y() - r * 0.8, r * 1.6, r * 1.6);
    p.setPen(QPen(Green, r * 0.12, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(arc, 225 * 16, -160 * 16);
    p.setPen(QPen(Amber, r * 0.12, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(arc, 65 * 16, -50 * 16);
    p.setPen(QPen(Red, r * 0.12, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(arc, 15 * 16, -60 * 16);
    const qreal a = qDegreesToRadians(225.0 - 270.0 * needleFraction);
    p.setPen(QPen(Maroon, r * 0.07, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(qCos(a), -qSin(a)) * r * 0.72);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 42, 50));
    p.drawEllipse(c, r * 0.1, r * 0.1);
    p.restore();
}

void seatedBelted(QPainter &p, const QPointF &c, qreal s)
{
    p.save();
    p.translate(c);
    p.scale(s, s);
    p.setPen(Qt::NoPen);
    // Seat.
    p.setBrush(QColor(70, 74, 86));
    p.drawRoundedRect(QRectF(-60, -70, 34, 130), 12, 12);
    p.drawRoundedRect(QRectF(-60, 30, 110, 30), 10, 10);
    p.drawRoundedRect(QRectF(-62, -100, 30, 32), 10, 10);
    // Occupant.
    p.setBrush(QColor(120, 80, 60));
    p.drawEllipse(QPointF(-30, -88), 18, 20);
    p.setBrush(DarkBlue);
    p.drawRoundedRect(QRectF(-50, -66, 44, 96), 16, 16);
    p.drawRoundedRect(QRectF(-30, 10, 90, 26), 12, 12);
    p.drawRoundedRect(QRectF(44, 10, 22, 70), 10, 10);
    p.setBrush(QColor(120, 80, 60));
    p.drawEllipse(QPointF(20, -10), 8, 8);
    p.setPen(QPen(DarkBlue, 14, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-28, -50), QPointF(18, -12));
    // The belt: shoulder strap and lap strap.
    p.setPen(QPen(QColor(250, 200, 40), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-44, -62), QPointF(-8, 26));
    p.drawLine(QPointF(-48, 24), QPointF(20, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 204, 214));
    p.drawRoundedRect(QRectF(-14, 18, 14, 12), 3, 3);
    p.restore();
}

void iconCard(QPainter &p, const QRectF &r, const QString &caption)
{
    softShadow(p, r, 14, 4);
    roundBox(p, r, 14, Qt::white, LightBlue, 1.5);
    text(p, QRectF(r.left(), r.bottom() - 34, r.width(), 28), caption, sans(14, QFont::Bold), Maroon);
}

constexpr int kCardRuleWidth = 561;
constexpr int kCardRuleHeight = 241;

void cardRule1(QPainter &p)
{
    const int w = kCardRuleWidth;
    roadBand(p, QRectF(0, 160, w, 60));
    carTop(p, QPointF(120, 175), 60, 0, Maroon);
    carTop(p, QPointF(260, 175), 60, 0, DarkBlue);
    carTop(p, QPointF(420, 205), 60, 180, QColor(60, 140, 90));
    // A rule book.
    roundBox(p, QRectF(340, 30, 90, 110), 8, DarkBlue);
    roundBox(p, QRectF(348, 36, 78, 98), 6, Qt::white);
    for (int i = 0; i < 5; ++i)
        p.fillRect(QRectF(358, 52 + i * 15, 56 - (i % 2) * 16, 4), LightBlue);
    tick(p, QRectF(392, 100, 26, 24), Green, 5);
    tag(p, QStringLiteral("WHY RULES OF THE ROAD?"));
    note(p, QRectF(20, 58, 300, 90), QStringLiteral("Rules let every road user know what others will do next."));
}

void cardRule2(QPainter &p)
{
    const qreal y = 120;
    const qreal hgt = 80;
    p.fillRect(QRectF(0, y, 80, hgt), QColor(200, 200, 206));
    p.fillRect(QRectF(80, y, 40, hgt), QColor(180, 160, 130));
    p.fillRect(QRectF(120, y, 320, hgt), Asphalt);
    p.fillRect(QRectF(440, y, 40, hgt), QColor(180, 160, 130));
    p.fillRect(QRectF(480, y, 81, hgt), QColor(200, 200, 206));
    QPen dash(Qt::white, 3);
    dash.setDashPattern({5, 4});
    p.setPen(dash);
    p.drawLine(QPointF(280, y), QPointF(280, y + hgt));
    p.setPen(QPen(Qt::white, 2.5));
    p.drawLine(QPointF(124, y), QPointF(124, y + hgt));
    p.drawLine(QPointF(436, y), QPointF(436, y + hgt));
    carTop(p, QPointF(200, 160), 60, -90, Maroon);
    carTop(p, QPointF(360, 160), 60, 90, DarkBlue);
    person(p, QPointF(40, 190), 60, Ink);
    const auto brace = [&](qreal x1, qreal x2, const QString &s) {
        p.setPen(QPen(DarkBlue, 2));
        p.drawLine(QPointF(x1 + 2, 212), QPointF(x2 - 2, 212));
        p.drawLine(QPointF(x1 + 2, 206), QPointF(x1 + 2, 218));
        p.drawLine(QPointF(x2 - 2, 206), QPointF(x2 - 2, 218));
        text(p, QRectF(x1 - 20, 218, x2 - x1 + 40, 20), s, sans(12, QFont::Bold), DarkBlue);
    };
    brace(0, 80, QStringLiteral("Sidewalk"));
    brace(80, 120, QStringLiteral("Shoulder"));
    brace(120, 440, QStringLiteral("Roadway"));
    brace(440, 480, QStringLiteral("Shoulder"));
    brace(480, 561, QStringLiteral("Sidewalk"));
    tag(p, QStringLiteral("WHAT IS A ROAD?"));
    note(p, QRectF(20, 50, 520, 60),
         QStringLiteral("The whole public road: roadway, shoulders, sidewalks and the verge between the fences."), 15);
}

void cardRule3(QPainter &p)
{
    tag(p, QStringLiteral("THE MOST IMPORTANT RULES"));
    const QStringList caps{QStringLiteral("Keep left"), QStringLiteral("Buckle up"),
                           QStringLiteral("Keep to the limit"), QStringLiteral("Safe distance")};
    for (int i = 0; i < 4; ++i) {
        const QRectF r(14 + i * 136, 52, 124, 176);
        iconCard(p, r, caps[i]);
        const QPointF c(r.center().x(), r.top() + 66);
        if (i == 0) {
            p.fillRect(QRectF(c.x() - 30, c.y() - 46, 60, 92), Asphalt);
            QPen dash(Qt::white, 2);
            dash.setDashPattern({4, 3});
            p.setPen(dash);
            p.drawLine(QPointF(c.x(), c.y() - 46), QPointF(c.x(), c.y() + 46));
            carTop(p, QPointF(c.x() - 15, c.y() + 4), 40, -90, Maroon);
            p.setPen(QPen(Green, 4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(c.x() + 16, c.y() + 20), QPointF(c.x() + 16, c.y() - 30));
        } else if (i == 1) {
            seatedBelted(p, c + QPointF(4, 6), 0.48);
        } else if (i == 2) {
            roundSign(p, c, 40, QStringLiteral("60"));
        } else {
            carTop(p, QPointF(c.x() - 26, c.y() + 26), 40, -90, DarkBlue);
            carTop(p, QPointF(c.x() - 26, c.y() - 34), 40, -90, Maroon);
            p.setPen(QPen(Green, 2.5));
            p.drawLine(QPointF(c.x() + 4, c.y() - 10), QPointF(c.x() + 4, c.y() + 2));
            text(p, QRectF(c.x() + 8, c.y() - 20, 50, 30), QStringLiteral("2 s"), sans(16, QFont::Bold), Green,
                 Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
}

void cardRule4(QPainter &p)
{
    tag(p, QStringLiteral("SEAT BELTS"));
    seatedBelted(p, QPointF(150, 140), 0.95);
    note(p, QRectF(280, 60, 260, 60), QStringLiteral("Buckle up: every seat, every trip."), 22, Maroon);
    note(p, QRectF(280, 120, 260, 90), QStringLiteral("Shoulder strap across the chest, lap strap low over the hips."),
         15);
}

void cardRule5(QPainter &p)
{
    const int w = kCardRuleWidth;
    tag(p, QStringLiteral("KEEP LEFT"));
    roadBand(p, QRectF(0, 90, w, 110));
    carTop(p, QPointF(170, 118), 70, 0, Maroon);
    carTop(p, QPointF(420, 172), 70, 180, DarkBlue);
    p.setPen(QPen(Green, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(230, 118), QPointF(300, 118));
    p.drawLine(QPointF(288, 108), QPointF(300, 118));
    p.drawLine(QPointF(288, 128), QPointF(300, 118));
    p.drawLine(QPointF(360, 172), QPointF(290, 172));
    p.drawLine(QPointF(302, 162), QPointF(290, 172));
    p.drawLine(QPointF(302, 182), QPointF(290, 172));
    note(p, QRectF(20, 206, 520, 30), QStringLiteral("Drive as far left as is safe; overtake on the right."), 15);
}

void cardRule6(QPainter &p)
{
    const int w = kCardRuleWidth;
    tag(p, QStringLiteral("TRAFFIC OFFICER DIRECTING TRAFFIC"));
    p.fillRect(QRectF(0, 120, w, 80), Asphalt);
    p.fillRect(QRectF(230, 50, 100, 191), Asphalt);
    p.setPen(QPen(Qt::white, 4));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(236 + i * 17, 110), QPointF(236 + i * 17, 118));
    carTop(p, QPointF(150, 140), 64, 0, Maroon);
    carTop(p, QPointF(410, 180), 64, 180, DarkBlue);
    officer(p, QPointF(280, 196), 96);
    note(p, QRectF(360, 56, 190, 60), QStringLiteral("The officer's signal overrides lights and signs."), 14);
}

void cardRule7(QPainter &p)
{
    tag(p, QStringLiteral("SPEED LIMIT SIGNS"));
    const QStringList limits{QStringLiteral("60"), QStringLiteral("80"), QStringLiteral("100"), QStringLiteral("120")};
    const QStringList where{QStringLiteral("In towns"), QStringLiteral("Where shown"), QStringLiteral("Outside towns"),
                            QStringLiteral("On freeways")};
    for (int i = 0; i < 4; ++i) {
        const QPointF c(75 + i * 137, 126);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(140, 144, 154));
        p.drawRect(QRectF(c.x() - 3, c.y() + 40, 6, 44));
        roundSign(p, c, 46, limits[i]);
        text(p, QRectF(c.x() - 66, 206, 132, 24), where[i], sans(14, QFont::Bold), DarkBlue);
    }
}

void cardRule8(QPainter &p)
{
    tag(p, QStringLiteral("SPEEDING KILLS"));
    speedometer(p, QPointF(130, 140), 78, 0.9);
    // A fine.
    p.save();
    p.translate(410, 116);
    p.rotate(-6);
    softShadow(p, QRectF(-90, -70, 180, 140), 8, 5);
    roundBox(p, QRectF(-90, -70, 180, 140), 8, Qt::white, LightBlue, 1.5);
    p.fillRect(QRectF(-90, -70, 180, 30), Maroon);
    text(p, QRectF(-90, -70, 180, 30), QStringLiteral("SPEEDING FINE"), sans(15, QFont::Bold), Qt::white);
    for (int i = 0; i < 4; ++i)
        p.fillRect(QRectF(-74, -26 + i * 18, 148 - (i % 2) * 50, 5), QColor(200, 206, 220));
    p.restore();
    note(p, QRectF(270, 204, 280, 34), QStringLiteral("Every km/h over the limit adds to your stopping distance."), 13);
}

void cardRule9(QPainter &p)
{
    const int w = kCardRuleWidth;
    tag(p, QStringLiteral("SAFE FOLLOWING DISTANCE"));
    roadBand(p, QRectF(0, 100, w, 100));
    carTop(p, QPointF(120, 125), 70, 0, DarkBlue);
    carTop(p, QPointF(400, 125), 70, 0, Maroon);
    p.setPen(QPen(Green, 3));
    p.drawLine(QPointF(160, 160), QPointF(360, 160));
    p.drawLine(QPointF(160, 152), QPointF(160, 168));
    p.drawLine(QPointF(360, 152), QPointF(360, 168));
    text(p, QRectF(160, 162, 200, 30), QStringLiteral("at least 2 seconds"), sans(16, QFont::Bold), Qt::white);
    // A fixed point beside the road to count from.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 124, 134));
    p.drawRect(QRectF(357, 64, 6, 34));
    p.setBrush(Amber);
    p.drawEllipse(QPointF(360, 62), 8, 8);
    note(p, QRectF(20, 206, 530, 30),
         QStringLiteral("Count from a fixed point: one thousand and one, one thousand and two."), 14);
}

void cardRule10(QPainter &p)
{
    const int w = kCardRuleWidth;
    tag(p, QStringLiteral("DRIVING IN CONVOYS"));
    roadBand(p, QRectF(0, 100, w, 110));
    for (int i = 0; i < 3; ++i)
        truck(p, QRectF(8 + i * 190, 96, 130, 60), i == 1 ? DarkBlue : Maroon);
    p.setPen(QPen(Green, 3));
    for (int i = 0; i < 2; ++i) {
        const qreal x1 = 142 + i * 190;
        p.drawLine(QPointF(x1, 164), QPointF(x1 + 54, 164));
        p.drawLine(QPointF(x1, 158), QPointF(x1, 170));
        p.drawLine(QPointF(x1 + 54, 158), QPointF(x1 + 54, 170));
    }
    note(p, QRectF(20, 48, 530, 40),
         QStringLiteral("Leave gaps between the vehicles so that others can overtake safely."), 14);
}

} // namespace

QImage cardinalPicture(int n)
{
    QImage img = backdrop(kCardRuleWidth, kCardRuleHeight);
    QPainter p(&img);
    prepare(p);
    static void (*const pictures[])(QPainter &) = {cardRule1, cardRule2, cardRule3, cardRule4, cardRule5,
                                                   cardRule6, cardRule7, cardRule8, cardRule9, cardRule10};
    // A number outside the range draws the last picture.
    const int count = int(std::size(pictures));
    pictures[n >= 1 && n < count ? n - 1 : count - 1](p);
    return img;
}

namespace {

constexpr int kResponsibilityWidth = 561;
constexpr int kResponsibilityHeight = 249;

void responsibility1(QPainter &p)
{
    const int w = kResponsibilityWidth;
    tag(p, QStringLiteral("STATIONARY VEHICLES"));
    p.fillRect(QRectF(0, 190, w, 59), Asphalt);
    p.fillRect(QRectF(0, 180, w, 12), QColor(200, 200, 206));
    car(p, QRectF(150, 100, 240, 110), Maroon);
    p.setPen(QPen(Amber, 3, Qt::SolidLine, Qt::RoundCap));
    for (const qreal a : {-30.0, 0.0, 30.0}) {
        const qreal r = qDegreesToRadians(a);
        p.drawLine(QPointF(160, 148) + QPointF(-qCos(r), qSin(r)) * 12,
                   QPointF(160, 148) + QPointF(-qCos(r), qSin(r)) * 26);
    }
    roundBox(p, QRectF(450, 60, 60, 60), 8, DarkBlue, Qt::white, 3);
    text(p, QRectF(450, 60, 60, 60), QStringLiteral("P"), sans(40, QFont::Bold), Qt::white);
    p.fillRect(QRectF(477, 120, 6, 62), QColor(130, 134, 144));
    note(p, QRectF(20, 50, 300, 46), QStringLiteral("Park where you are seen and leave the road clear."), 14);
}

void responsibility2(QPainter &p)
{
    tag(p, QStringLiteral("AVOID DISTRACTIONS"));
    const QPointF c(280, 118);
    p.setPen(QPen(QColor(40, 42, 50), 12));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 58, 58);
    p.setPen(QPen(QColor(40, 42, 50), 10, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(-58, 5));
    p.drawLine(c, c + QPointF(58, 5));
    p.drawLine(c, c + QPointF(0, 58));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 62, 72));
    p.drawEllipse(c, 18, 18);
    phone(p, QPointF(90, 110), 60);
    prohibit(p, QPointF(90, 110), 40);
    cup(p, QPointF(470, 120), 56);
    prohibit(p, QPointF(470, 116), 40);
    note(p, QRectF(20, 200, 520, 40), QStringLiteral("Eyes on the road, both hands on the wheel."), 16, Maroon,
         Qt::AlignCenter);
}

void responsibility3(QPainter &p)
{
    const int w = kResponsibilityWidth;
    const int h = kResponsibilityHeight;
    tag(p, QStringLiteral("ANIMALS ON THE ROAD"));
    const QRectF r(0, 0, w, h);
    roadAhead(p, r.adjusted(0, 50, 0, 0), 110);
    cow(p, QPointF(300, 170), 1.0);
    warningTriangle(p, QPointF(80, 120), 80);
    cow(p, QPointF(78, 134), 0.3);
    note(p, QRectF(380, 56, 170, 60), QStringLiteral("Slow down and pass wide."), 15, Ink);
}

void responsibility4(QPainter &p)
{
    const int w = kResponsibilityWidth;
    tag(p, QStringLiteral("PROTECT THE ROAD AND THE AIR"));
    p.fillRect(QRectF(0, 196, w, 53), Asphalt);
    car(p, QRectF(220, 96, 220, 110), DarkBlue);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        p.setBrush(QColor(110, 110, 118, 170 - i * 25));
        p.drawEllipse(QPointF(200 - i * 34, 176 - i * 10), 16 + i * 6, 12 + i * 5);
    }
    prohibit(p, QPointF(110, 150), 56);
    p.setBrush(QColor(30, 30, 36));
    QPainterPath drop;
    drop.moveTo(460, 206);
    drop.cubicTo(470, 222, 476, 230, 476, 236);
    drop.cubicTo(476, 246, 444, 246, 444, 236);
    drop.cubicTo(444, 230, 450, 222, 460, 206);
    p.drawPath(drop);
    note(p, QRectF(300, 50, 250, 44), QStringLiteral("No smoking exhausts, leaking oil or litter."), 14);
}

void responsibility5(QPainter &p)
{
    const int w = kResponsibilityWidth;
    tag(p, QStringLiteral("SAFETY FIRST"));
    p.fillRect(QRectF(0, 200, w, 49), Asphalt);
    car(p, QRectF(60, 96, 260, 120), Maroon);
    QPainterPath shield;
    const QPointF c(430, 120);
    shield.moveTo(c + QPointF(0, -70));
    shield.cubicTo(c + QPointF(40, -54), c + QPointF(60, -56), c + QPointF(64, -56));
    shield.cubicTo(c + QPointF(64, 10), c + QPointF(40, 50), c + QPointF(0, 74));
    shield.cubicTo(c + QPointF(-40, 50), c + QPointF(-64, 10), c + QPointF(-64, -56));
    shield.cubicTo(c + QPointF(-60, -56), c + QPointF(-40, -54), c + QPointF(0, -70));
    p.setPen(QPen(Qt::white, 4));
    p.setBrush(DarkBlue);
    p.drawPath(shield);
    tick(p, QRectF(c.x() - 30, c.y() - 24, 60, 48), Qt::white, 10);
}

void responsibility6(QPainter &p)
{
    const int w = kResponsibilityWidth;
    tag(p, QStringLiteral("MAKE WAY FOR EMERGENCY VEHICLES"));
    roadBand(p, QRectF(0, 100, w, 110));
    carTop(p, QPointF(300, 122), 66, 0, DarkBlue);
    carTop(p, QPointF(420, 122), 66, 0, QColor(60, 140, 90));
    // Ambulance from above.
    p.save();
    p.translate(130, 180);
    roundBox(p, QRectF(-50, -20, 100, 40), 8, Qt::white, QColor(180, 180, 190), 1.5);
    p.fillRect(QRectF(-6, -12, 12, 24), Red);
    p.fillRect(QRectF(-12, -6, 24, 12), Red);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 110, 255));
    p.drawEllipse(QPointF(26, -12), 6, 6);
    p.drawEllipse(QPointF(26, 12), 6, 6);
    p.setBrush(QColor(40, 110, 255, 60));
    p.drawEllipse(QPointF(26, 0), 30, 30);
    p.restore();
    p.setPen(QPen(Green, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(300, 150), QPointF(300, 132));
    p.drawLine(QPointF(292, 140), QPointF(300, 132));
    p.drawLine(QPointF(308, 140), QPointF(300, 132));
    note(p, QRectF(20, 212, 520, 34), QStringLiteral("Pull over to the left and let it pass."), 15);
}

void responsibility7(QPainter &p)
{
    const int w = kResponsibilityWidth;
    tag(p, QStringLiteral("MOTORCYCLES, TRICYCLES AND QUADS"));
    p.fillRect(QRectF(0, 204, w, 45), Asphalt);
    motorcycle(p, QRectF(60, 80, 240, 140), Maroon);
    // Helmet.
    const QPointF c(420, 130);
    QPainterPath helmet;
    helmet.moveTo(c + QPointF(-60, 34));
    helmet.cubicTo(c + QPointF(-70, -50), c + QPointF(48, -70), c + QPointF(62, 6));
    helmet.cubicTo(c + QPointF(66, 30), c + QPointF(56, 44), c + QPointF(30, 44));
    helmet.lineTo(c + QPointF(-40, 44));
    helmet.cubicTo(c + QPointF(-52, 44), c + QPointF(-58, 40), c + QPointF(-60, 34));
    p.setPen(Qt::NoPen);
    p.setBrush(DarkBlue);
    p.drawPath(helmet);
    p.setBrush(QColor(40, 44, 60));
    p.drawRoundedRect(QRectF(c.x() + 4, c.y() - 16, 60, 30), 12, 12);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawRoundedRect(QRectF(c.x() + 14, c.y() - 12, 30, 7), 3, 3);
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 56, c.y() - 52, 100, 100), 100 * 16, 70 * 16);
    note(p, QRectF(330, 180, 220, 24), QStringLiteral("Helmet on, lights on."), 15, Maroon, Qt::AlignCenter);
}

void responsibility8(QPainter &p)
{
    tag(p, QStringLiteral("DON'T DRINK AND DRIVE"));
    // Beer glass.
    const QPointF c(160, 135);
    QPainterPath glass;
    glass.moveTo(c + QPointF(-36, -56));
    glass.lineTo(c + QPointF(36, -56));
    glass.lineTo(c + QPointF(28, 60));
    glass.lineTo(c + QPointF(-28, 60));
    glass.closeSubpath();
    p.setPen(QPen(QColor(150, 150, 160), 3));
    p.setBrush(QColor(245, 180, 40));
    p.drawPath(glass);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(c.x() - 40, c.y() - 70, 80, 28));
    prohibit(p, c, 84);
    // Car key.
    p.save();
    p.translate(400, 130);
    p.rotate(-30);
    roundBox(p, QRectF(-70, -26, 56, 52), 14, QColor(40, 42, 50));
    p.fillRect(QRectF(-16, -7, 90, 14), QColor(190, 194, 204));
    p.fillRect(QRectF(40, 7, 10, 10), QColor(190, 194, 204));
    p.fillRect(QRectF(58, 7, 8, 8), QColor(190, 194, 204));
    p.restore();
    note(p, QRectF(300, 190, 250, 50), QStringLiteral("Alcohol slows reactions. Plan a sober driver."), 14);
}

void responsibility9(QPainter &p)
{
    tag(p, QStringLiteral("PHONES DOWN WHILE DRIVING"));
    phone(p, QPointF(160, 136), 130);
    prohibit(p, QPointF(160, 136), 80);
    roundBox(p, QRectF(310, 70, 230, 120), 14, Qt::white, LightBlue, 1.5);
    note(p, QRectF(326, 80, 200, 100),
         QStringLiteral("Hold no phone while driving. Use a hands-free kit, or stop safely first."), 15, Ink);
}

void responsibility10(QPainter &p)
{
    tag(p, QStringLiteral("DRIVER FATIGUE"));
    const QPointF c(140, 140);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 210, 80));
    p.drawEllipse(c, 70, 70);
    p.setPen(QPen(QColor(90, 60, 20), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - 40, c.y() - 20, 28, 18), 200 * 16, 140 * 16);
    p.drawArc(QRectF(c.x() + 12, c.y() - 20, 28, 18), 200 * 16, 140 * 16);
    p.drawEllipse(QPointF(c.x(), c.y() + 32), 10, 8);
    text(p, QRectF(196, 50, 90, 60), QStringLiteral("Z z z"), sans(30, QFont::Bold), DarkBlue);
    cup(p, QPointF(330, 150), 70);
    roundBox(p, QRectF(390, 90, 156, 110), 14, Qt::white, LightBlue, 1.5);
    note(p, QRectF(400, 96, 140, 98), QStringLiteral("Stop and rest every 2 hours or 200 km."), 15, Maroon,
         Qt::AlignCenter);
}

void responsibility11(QPainter &p)
{
    tag(p, QStringLiteral("WARN OTHERS OF A CRASH"));
    // Hazard light switch.
    roundBox(p, QRectF(60, 70, 140, 140), 24, QColor(40, 42, 50));
    roundBox(p, QRectF(74, 84, 112, 112), 18, QColor(70, 72, 84));
    warningTriangle(p, QPointF(130, 144), 72, Red);
    // A car with flashing hazard lights.
    car(p, QRectF(250, 90, 280, 130), DarkBlue);
    p.setPen(QPen(Amber, 4, Qt::SolidLine, Qt::RoundCap));
    for (const qreal a : {-35.0, 0.0, 35.0}) {
        const qreal r = qDegreesToRadians(a);
        p.drawLine(QPointF(264, 150) + QPointF(-qCos(r), qSin(r)) * 14,
                   QPointF(264, 150) + QPointF(-qCos(r), qSin(r)) * 32);
        p.drawLine(QPointF(518, 150) + QPointF(qCos(r), qSin(r)) * 14,
                   QPointF(518, 150) + QPointF(qCos(r), qSin(r)) * 32);
    }
}

void responsibility12(QPainter &p)
{
    const int w = kResponsibilityWidth;
    tag(p, QStringLiteral("PEDESTRIAN CROSSINGS"));
    p.fillRect(QRectF(0, 60, w, 150), Asphalt);
    p.fillRect(QRectF(0, 52, w, 8), QColor(200, 200, 206));
    p.fillRect(QRectF(0, 210, w, 8), QColor(200, 200, 206));
    for (int i = 0; i < 7; ++i)
        p.fillRect(QRectF(250, 68 + i * 20, 80, 11), Qt::white);
    person(p, QPointF(292, 150), 70, Maroon);
    carTop(p, QPointF(170, 112), 70, 0, DarkBlue);
    p.setPen(QPen(Qt::white, 4));
    p.drawLine(QPointF(226, 68), QPointF(226, 134));
    note(p, QRectF(350, 120, 200, 80), QStringLiteral("Stop for people on the crossing."), 15, Qt::white);
}

void responsibility13(QPainter &p)
{
    const int w = kResponsibilityWidth;
    tag(p, QStringLiteral("ACCIDENTS"));
    roadBand(p, QRectF(0, 90, w, 120));
    carTop(p, QPointF(210, 150), 80, 20, Maroon);
    carTop(p, QPointF(300, 126), 80, 200, DarkBlue);
    QPolygonF star;
    for (int i = 0; i < 16; ++i) {
        const qreal a = M_PI * i / 8;
        const qreal r = i % 2 ? 12 : 26;
        star << QPointF(256, 138) + QPointF(qCos(a) * r, qSin(a) * r);
    }
    p.setPen(QPen(Red, 2));
    p.setBrush(Amber);
    p.drawPolygon(star);
    phone(p, QPointF(470, 140), 80);
    note(p, QRectF(300, 48, 250, 34), QStringLiteral("Stop, help, report."), 18, Maroon,
         Qt::AlignRight | Qt::AlignVCenter);
}

void responsibility14(QPainter &p)
{
    const int w = kResponsibilityWidth;
    tag(p, QStringLiteral("EMERGENCY TRIANGLES"));
    roadAhead(p, QRectF(0, 50, w, 199), 96);
    car(p, QRectF(230, 84, 140, 64), Maroon);
    warningTriangle(p, QPointF(290, 206), 64, Red);
    p.setPen(QPen(Green, 3, Qt::DashLine));
    p.drawLine(QPointF(330, 150), QPointF(330, 196));
    note(p, QRectF(360, 160, 190, 60), QStringLiteral("Place the triangle well behind the vehicle."), 14, Qt::white);
}

void responsibility15(QPainter &p)
{
    tag(p, QStringLiteral("BASIC FIRST AID"));
    const QRectF kit(170, 70, 220, 150);
    softShadow(p, kit, 18, 6);
    roundBox(p, kit, 18, QColor(30, 140, 80), Qt::white, 3);
    roundBox(p, QRectF(240, 52, 80, 26), 8, QColor(20, 100, 56));
    p.fillRect(QRectF(264, 100, 32, 90), Qt::white);
    p.fillRect(QRectF(235, 129, 90, 32), Qt::white);
    note(p, QRectF(410, 80, 140, 120), QStringLiteral("Keep a first-aid kit in the vehicle."), 15, Ink);
}

void responsibility16(QPainter &p)
{
    const int w = kResponsibilityWidth;
    tag(p, QStringLiteral("DANGEROUS GOODS"));
    p.fillRect(QRectF(0, 204, w, 45), Asphalt);
    truck(p, QRectF(40, 70, 330, 150), Maroon);
    // Hazard diamond with a flame.
    p.save();
    p.translate(460, 130);
    p.rotate(45);
    roundBox(p, QRectF(-46, -46, 92, 92), 6, QColor(236, 70, 40), Qt::white, 4);
    p.restore();
    QPainterPath flame;
    flame.moveTo(460, 100);
    flame.cubicTo(480, 124, 482, 140, 472, 154);
    flame.cubicTo(466, 160, 454, 160, 448, 154);
    flame.cubicTo(438, 140, 446, 124, 460, 100);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(flame);
}

} // namespace

QImage responsibilityPicture(int n)
{
    QImage img = backdrop(kResponsibilityWidth, kResponsibilityHeight);
    QPainter p(&img);
    prepare(p);
    static void (*const pictures[])(QPainter &) = {
        responsibility1,  responsibility2,  responsibility3,  responsibility4,  responsibility5,  responsibility6,
        responsibility7,  responsibility8,  responsibility9,  responsibility10, responsibility11, responsibility12,
        responsibility13, responsibility14, responsibility15, responsibility16};
    // A number outside the range draws the last picture.
    const int count = int(std::size(pictures));
    pictures[n >= 1 && n < count ? n - 1 : count - 1](p);
    return img;
}

QImage fixedDriving()
{
    QImage img = backdrop(500, 250);
    QPainter p(&img);
    prepare(p);
    roadAhead(p, QRectF(0, 0, 500, 250), 110);
    car(p, QRectF(210, 110, 80, 40), DarkBlue);
    // Driver's eye scanning ahead.
    const QPointF eye(90, 60);
    p.setPen(QPen(Maroon, 4));
    p.setBrush(Qt::white);
    QPainterPath lid;
    lid.moveTo(eye + QPointF(-44, 0));
    lid.quadTo(eye + QPointF(0, -40), eye + QPointF(44, 0));
    lid.quadTo(eye + QPointF(0, 40), eye + QPointF(-44, 0));
    p.drawPath(lid);
    p.setPen(Qt::NoPen);
    p.setBrush(DarkBlue);
    p.drawEllipse(eye, 15, 15);
    p.setBrush(Qt::black);
    p.drawEllipse(eye, 6, 6);
    const QStringList steps{QStringLiteral("SEE"), QStringLiteral("THINK"), QStringLiteral("ACT")};
    for (int i = 0; i < 3; ++i) {
        const QRectF r(100 + i * 110, 196, 96, 36);
        softShadow(p, r, 18, 3);
        roundBox(p, r, 18, i == 2 ? Maroon : DarkBlue, Qt::white, 2);
        text(p, r, steps[i], sans(17, QFont::Bold), Qt::white);
    }
    return img;
}

QImage fixedDriverules()
{
    QImage img = backdrop(465, 161);
    QPainter p(&img);
    prepare(p);
    const QPointF c(232, 80);
    p.fillRect(QRectF(0, 58, 465, 44), Asphalt);
    p.fillRect(QRectF(210, 0, 44, 161), Asphalt);
    p.setPen(Qt::NoPen);
    p.setBrush(Asphalt);
    p.drawEllipse(c, 64, 64);
    p.setBrush(Grass);
    p.drawEllipse(c, 28, 28);
    // Traffic turns clockwise, keeping the island on its right.
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 46, c.y() - 46, 92, 92), 150 * 16, -120 * 16);
    p.drawArc(QRectF(c.x() - 46, c.y() - 46, 92, 92), -30 * 16, -120 * 16);
    p.drawLine(c + QPointF(39, -24), c + QPointF(42, -11));
    p.drawLine(c + QPointF(39, -24), c + QPointF(28, -18));
    p.drawLine(c + QPointF(-39, 24), c + QPointF(-42, 11));
    p.drawLine(c + QPointF(-39, 24), c + QPointF(-28, 18));
    carTop(p, QPointF(60, 70), 44, 0, Maroon);
    carTop(p, QPointF(400, 90), 44, 180, DarkBlue);
    carTop(p, QPointF(244, 144), 38, -90, QColor(60, 140, 90));
    roundBox(p, QRectF(8, 114, 150, 36), 10, Qt::white, LightBlue, 1.5);
    text(p, QRectF(8, 114, 150, 36), QStringLiteral("Yield to the right"), sans(14, QFont::Bold), Maroon);
    return img;
}

QImage fixedLearners()
{
    QImage img = backdrop(500, 250);
    QPainter p(&img);
    prepare(p);
    // The licence card.
    const QRectF card(40, 40, 270, 170);
    softShadow(p, card, 14, 7);
    roundBox(p, card, 14, Qt::white, LightBlue, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(Maroon);
    p.drawRoundedRect(QRectF(card.left(), card.top(), card.width(), 40), 14, 14);
    p.drawRect(QRectF(card.left(), card.top() + 20, card.width(), 20));
    text(p, QRectF(card.left(), card.top(), card.width(), 40), QStringLiteral("LEARNER'S LICENCE"),
         sans(17, QFont::Bold), Qt::white);
    roundBox(p, QRectF(56, 96, 72, 92), 8, PaleBlue);
    p.setBrush(Slate);
    p.drawEllipse(QPointF(92, 130), 16, 16);
    p.drawRoundedRect(QRectF(68, 150, 48, 34), 14, 14);
    for (int i = 0; i < 4; ++i)
        p.fillRect(QRectF(146, 104 + i * 22, 140 - (i % 2) * 40, 8), QColor(214, 220, 234));
    // L plate and validity.
    const QRectF plate(340, 40, 110, 110);
    softShadow(p, plate, 10, 6);
    roundBox(p, plate, 10, Qt::white, Maroon, 5);
    QPainterPath l;
    l.moveTo(372, 60);
    l.lineTo(372, 128);
    l.lineTo(424, 128);
    p.setPen(QPen(Red, 16, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(l);
    roundBox(p, QRectF(330, 170, 140, 40), 20, DarkBlue, Qt::white, 2);
    text(p, QRectF(330, 170, 140, 40), QStringLiteral("Valid 24 months"), sans(15, QFont::Bold), Qt::white);
    return img;
}

} // namespace art
