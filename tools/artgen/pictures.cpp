// Course tiles and icons, the question page's pictures, the vehicle-controls pictures and the adverts.
#include "art.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace art {

namespace {
void vehicle(QPainter &p, const QString &kind, const QRectF &box, const QColor &body, const QColor &glass,
             const QColor &tyre)
{
    if (kind == QLatin1String("hv"))
        truck(p, box, body, glass, tyre);
    else if (kind == QLatin1String("m"))
        motorcycle(p, box, body, tyre);
    else
        car(p, box, body, glass, tyre);
}

QString vehicleWord(const QString &kind)
{
    if (kind == QLatin1String("hv"))
        return QStringLiteral("TRUCK");
    if (kind == QLatin1String("m"))
        return QStringLiteral("MOTORCYCLE");
    return QStringLiteral("CAR");
}

void tag(QPainter &p, const QPointF &tl, const QString &s, qreal px = 15, const QColor &bg = Maroon)
{
    const QFont f = sans(px, QFont::Bold);
    const qreal w = QFontMetricsF(f).horizontalAdvance(s) + px * 1.6;
    const QRectF r(tl, QSizeF(w, px * 1.9));
    softShadow(p, r, r.height() / 2, 3);
    roundBox(p, r, r.height() / 2, bg, Qt::white, 1.5);
    text(p, r, s, f, Qt::white);
}
} // namespace

QImage courseTile(const QString &kind, int state)
{
    QImage img = canvas(200, 205, Qt::transparent);
    QPainter p(&img);
    prepare(p);
    const QRectF tile(6, 6, 188, 193);
    const bool lit = state > 0;
    softShadow(p, tile, 24, lit ? 6 : 3);
    QLinearGradient g(tile.topLeft(), tile.bottomLeft());
    if (lit) {
        g.setColorAt(0, QColor(178, 30, 30));
        g.setColorAt(1, QColor(112, 0, 0));
    } else {
        g.setColorAt(0, QColor(240, 240, 243));
        g.setColorAt(1, QColor(220, 221, 226));
    }
    roundBox(p, tile, 24, g, lit ? LightBlue : QColor(196, 198, 206), lit ? 3 : 2);
    if (lit) {
        QRadialGradient glow(100, 92, 80);
        glow.setColorAt(0, QColor(255, 255, 255, 70));
        glow.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(QPointF(100, 92), 80, 70);
    }
    const QColor body = lit ? Qt::white : QColor(168, 170, 178);
    const QColor glass = lit ? LightBlue : QColor(214, 216, 222);
    // The motorcycle's wheels are open rings, which only read on the maroon tile when they are light.
    const QColor tyre =
        lit ? (kind == QLatin1String("m") ? QColor(246, 236, 236) : QColor(40, 10, 10)) : QColor(140, 142, 150);
    vehicle(p, kind, QRectF(24, 46, 152, 96), body, glass, tyre);
    text(p, QRectF(6, 150, 188, 30), vehicleWord(kind), sans(16, QFont::Bold), lit ? Qt::white : QColor(150, 152, 160),
         Qt::AlignCenter);
    if (state == 2) {
        const QPointF c(156, 46);
        p.setPen(QPen(Qt::white, 4));
        p.setBrush(DarkBlue);
        p.drawEllipse(c, 34, 34);
        tick(p, QRectF(c.x() - 20, c.y() - 18, 40, 36), Qt::white, 9);
    }
    return img;
}

QImage courseIcon(const QString &kind, bool selected)
{
    QImage img = canvas(99, 74, Qt::transparent);
    QPainter p(&img);
    prepare(p);
    const QRectF r(2, 2, 95, 70);
    if (selected) {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, QColor(176, 28, 28));
        g.setColorAt(1, QColor(112, 0, 0));
        roundBox(p, r, 14, g, LightBlue, 2);
        vehicle(p, kind, r.adjusted(12, 10, -12, -12), Qt::white, LightBlue,
                kind == QLatin1String("m") ? QColor(246, 236, 236) : QColor(40, 10, 10));
    } else {
        roundBox(p, r, 14, QColor(232, 233, 237), QColor(200, 202, 210), 1.5);
        vehicle(p, kind, r.adjusted(12, 10, -12, -12), QColor(168, 170, 178), QColor(214, 216, 222),
                QColor(140, 142, 150));
    }
    return img;
}

QImage diagramMotorcycle()
{
    QImage img = canvas(420, 300, Qt::transparent);
    QPainter p(&img);
    prepare(p);
    roundBox(p, QRectF(1, 1, 418, 298), 14, QColor(250, 251, 255), LightBlue, 1.5);
    const qreal s = 0.72;
    const auto map = [&](qreal x, qreal y) { return QPointF(210 + (x - 200) * s, 12 + (y - 10) * s); };
    p.save();
    p.translate(210 - 200 * s, 12 - 10 * s);
    p.scale(s, s);
    bikeTop(p);
    p.restore();
    text(p, QRectF(12, 272, 140, 20), QStringLiteral("FRONT \u2191"), sans(11, QFont::Bold), Slate,
         Qt::AlignLeft | Qt::AlignVCenter);
    // Left hand and foot controls on the left, right hand and foot controls on the right.
    callout(p, QPointF(46, 40), map(108, 113), 1, 11);
    callout(p, QPointF(46, 80), map(142, 122), 4, 11);
    callout(p, QPointF(46, 120), map(145, 131), 5, 11);
    callout(p, QPointF(46, 160), map(143, 139.5), 6, 11);
    callout(p, QPointF(60, 214), map(122, 240), 7, 11);
    callout(p, QPointF(374, 40), map(292, 113), 2, 11);
    callout(p, QPointF(374, 100), map(298, 131), 3, 11);
    callout(p, QPointF(360, 214), map(278, 240), 8, 11);
    return img;
}

QImage diagramLightVehicle()
{
    QImage img = canvas(360, 250, Qt::transparent);
    QPainter p(&img);
    prepare(p);
    const qreal s = 250.0 / 483.0;
    const QPointF o((360 - 690 * s) / 2, 0);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(o, QSizeF(690 * s, 250)), 12, 12);
    p.save();
    p.setClipPath(clip);
    p.translate(o);
    p.scale(s, s);
    cockpit(p);
    p.restore();
    const auto at = [&](qreal x, qreal y) { return o + QPointF(x, y) * s; };
    const qreal r = 9;
    callout(p, at(578, 348), at(514, 374), 1, r);
    callout(p, at(490, 258), at(460, 298), 2, r);
    callout(p, at(642, 288), at(568, 281), 3, r);
    callout(p, at(654, 186), at(614, 204), 4, r);
    callout(p, at(292, 304), at(330, 282), 5, r);
    callout(p, at(450, 124), at(450, 160), 6, r);
    callout(p, at(374, 447), at(374, 447), 7, r);
    callout(p, at(455, 447), at(455, 447), 8, r);
    callout(p, at(542, 446), at(542, 446), 9, r);
    callout(p, at(124, 330), at(174, 348), 10, r);
    callout(p, at(42, 372), at(90, 396), 11, r);
    return img;
}

QImage questionPicture()
{
    QImage img = canvas(255, 166, Qt::transparent);
    QPainter p(&img);
    prepare(p);
    const QRectF r(2, 2, 251, 162);
    QPainterPath clip;
    clip.addRoundedRect(r, 16, 16);
    p.save();
    p.setClipPath(clip);
    QLinearGradient sky(0, 0, 0, 110);
    sky.setColorAt(0, QColor(196, 218, 248));
    sky.setColorAt(1, QColor(236, 243, 253));
    p.fillRect(r, sky);
    p.fillRect(QRectF(0, 110, 255, 60), QColor(160, 196, 120));
    QPolygonF road;
    road << QPointF(118, 108) << QPointF(137, 108) << QPointF(210, 170) << QPointF(45, 170);
    p.setPen(Qt::NoPen);
    p.setBrush(Asphalt);
    p.drawPolygon(road);
    p.setPen(QPen(Qt::white, 2.5, Qt::DashLine));
    p.drawLine(QPointF(127.5, 110), QPointF(127.5, 166));
    p.restore();
    roundBox(p, r, 16, Qt::transparent, LightBlue, 2);
    // A question badge over the empty road: no sign, so the picture hints at no answer.
    p.setPen(QPen(Qt::white, 3));
    p.setBrush(Maroon);
    p.drawEllipse(QPointF(127, 62), 38, 38);
    text(p, QRectF(89, 22, 76, 80), QStringLiteral("?"), sans(56, QFont::Bold), Qt::white);
    return img;
}

QImage verdictPicture(int verdict)
{
    QImage img = canvas(255, 166, Qt::transparent);
    QPainter p(&img);
    prepare(p);
    const QRectF r(2, 2, 251, 162);
    const QColor base = verdict == 0 ? Green : verdict == 1 ? Red : DarkBlue;
    const auto pale = [&](qreal amount) {
        return QColor::fromRgbF(base.redF() + (1 - base.redF()) * amount, base.greenF() + (1 - base.greenF()) * amount,
                                base.blueF() + (1 - base.blueF()) * amount);
    };
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, pale(0.9));
    g.setColorAt(1, pale(0.75));
    roundBox(p, r, 16, g, pale(0.4), 2);
    // Small decorative sparks around the badge.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 160));
    for (const QPointF &c :
         {QPointF(40, 36), QPointF(214, 44), QPointF(56, 130), QPointF(200, 128), QPointF(30, 86), QPointF(226, 90)})
        p.drawEllipse(c, 5, 5);
    const QPointF c(127.5, 83);
    p.setPen(QPen(Qt::white, 5));
    p.setBrush(base);
    p.drawEllipse(c, 56, 56);
    if (verdict == 0) {
        tick(p, QRectF(c.x() - 30, c.y() - 26, 60, 52), Qt::white, 12);
    } else if (verdict == 1) {
        cross(p, QRectF(c.x() - 22, c.y() - 22, 44, 44), Qt::white, 12);
    } else {
        // Clipboard with ticked lines: the answer is recorded for the test score.
        roundBox(p, QRectF(c.x() - 24, c.y() - 30, 48, 60), 6, Qt::white);
        roundBox(p, QRectF(c.x() - 11, c.y() - 36, 22, 12), 4, LightBlue);
        for (int i = 0; i < 3; ++i) {
            const qreal y = c.y() - 14 + i * 15;
            tick(p, QRectF(c.x() - 18, y - 5, 10, 10), Green, 2.5);
            p.fillRect(QRectF(c.x() - 4, y - 1.5, 22, 3), QColor(150, 160, 190));
        }
    }
    return img;
}

QImage optionMarker(bool chosen)
{
    QImage img = canvas(31, 30, Qt::transparent);
    QPainter p(&img);
    prepare(p);
    const QPointF c(15.5, 15);
    if (chosen) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(143, 172, 239, 120));
        p.drawEllipse(c, 14.5, 14.5);
    }
    p.setPen(QPen(DarkBlue, 2.5));
    p.setBrush(Qt::white);
    p.drawEllipse(c, 11, 11);
    if (chosen) {
        p.setPen(Qt::NoPen);
        p.setBrush(Maroon);
        p.drawEllipse(c, 6.5, 6.5);
    }
    return img;
}

namespace {
struct BikePart {
    QString id;
    QString name;
    QPointF focus;
    qreal zoom;
};

BikePart bikePart(const QString &id)
{
    static const QList<BikePart> parts{
        {QStringLiteral("throttle"), QStringLiteral("Accelerator throttle"), QPointF(284, 128), 3.2},
        {QStringLiteral("handlebars"), QStringLiteral("Handlebars"), QPointF(200, 118), 0.95},
        {QStringLiteral("indicator"), QStringLiteral("Indicator switch"), QPointF(146, 128), 4.5},
        {QStringLiteral("gear"), QStringLiteral("Gear selector"), QPointF(140, 248), 3.2},
        {QStringLiteral("rearbrake"), QStringLiteral("Foot brake pedal"), QPointF(260, 248), 3.2},
        {QStringLiteral("mirrors"), QStringLiteral("Mirrors"), QPointF(200, 96), 0.95},
        {QStringLiteral("clutch"), QStringLiteral("Clutch lever"), QPointF(122, 118), 3.0},
        {QStringLiteral("frontbrake"), QStringLiteral("Hand brake lever"), QPointF(278, 118), 3.0},
    };
    for (const BikePart &b : parts)
        if (b.id == id)
            return b;
    return {};
}

// The picture shown before a control is chosen: the title and how to use the page.
void motorcycleOverview(QPainter &p)
{
    text(p, QRectF(360, 60, 320, 40), QStringLiteral("MOTORCYCLE"), sans(30, QFont::Bold), Maroon,
         Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(360, 100, 320, 30), QStringLiteral("controls, seen from the rider's seat"), sans(17), Slate,
         Qt::AlignLeft | Qt::AlignVCenter);
    roundBox(p, QRectF(360, 150, 310, 110), 14, Qt::white, LightBlue, 2);
    // A mouse pointer.
    QPolygonF arrow;
    arrow << QPointF(0, 0) << QPointF(0, 34) << QPointF(9, 26) << QPointF(15, 40) << QPointF(21, 37) << QPointF(15, 24)
          << QPointF(26, 24);
    p.save();
    p.translate(392, 184);
    p.setPen(QPen(DarkBlue, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPolygon(arrow);
    p.restore();
    text(p, QRectF(450, 160, 210, 90),
         QStringLiteral("Point at a control name on the right to find it on the motorcycle."), sans(16), Ink,
         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
}
} // namespace

QImage motorcyclePicture(const QString &id)
{
    QImage img = canvas(698, 328);
    QPainter p(&img);
    prepare(p);
    QLinearGradient bg(0, 0, 0, 328);
    bg.setColorAt(0, QColor(246, 248, 253));
    bg.setColorAt(1, QColor(232, 238, 250));
    p.fillRect(img.rect(), bg);
    const qreal s = 0.8;
    const QPointF o(16, 4);
    p.save();
    p.translate(o);
    p.scale(s, s);
    const QMap<QString, QPainterPath> parts = bikeTop(p);
    p.restore();
    if (id.isEmpty()) {
        motorcycleOverview(p);
        return img;
    }
    const BikePart part = bikePart(id);
    QTransform toImage;
    toImage.translate(o.x(), o.y());
    toImage.scale(s, s);
    spotlight(p, QRectF(img.rect()), toImage.map(parts.value(id)));
    // Magnifier: the same scene enlarged around the control.
    const QPointF lens(548, 140);
    const qreal radius = 112;
    const QPointF focus = toImage.map(part.focus);
    p.save();
    p.setPen(QPen(QColor(33, 53, 171, 90), 2));
    const QLineF toLens(focus, lens);
    const QPointF normal = QPointF(-toLens.dy(), toLens.dx()) / toLens.length();
    p.drawLine(focus, lens + normal * radius);
    p.drawLine(focus, lens - normal * radius);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(lens, radius, radius);
    QPainterPath lensClip;
    lensClip.addEllipse(lens, radius, radius);
    p.setClipPath(lensClip);
    p.fillRect(QRectF(lens.x() - radius, lens.y() - radius, 2 * radius, 2 * radius), QColor(238, 243, 252));
    p.translate(lens);
    p.scale(part.zoom, part.zoom);
    p.translate(-part.focus);
    const QMap<QString, QPainterPath> zoomed = bikeTop(p);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 214, 0, 170), 8 / part.zoom, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(zoomed.value(id));
    p.setPen(QPen(Maroon, 2.5 / part.zoom, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(zoomed.value(id));
    p.restore();
    p.save();
    p.setPen(QPen(DarkBlue, 4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(lens, radius, radius);
    p.restore();
    const QFont f = sans(17, QFont::Bold);
    const qreal w = QFontMetricsF(f).horizontalAdvance(part.name) + 34;
    const QRectF tagRect(lens.x() - w / 2, 276, w, 34);
    softShadow(p, tagRect, 17, 3);
    roundBox(p, tagRect, 17, Maroon, Qt::white, 2);
    text(p, tagRect, part.name, f, Qt::white);
    return img;
}

QImage lightVehiclePicture(const QString &id)
{
    QImage img = canvas(690, 483);
    QPainter p(&img);
    prepare(p);
    const QMap<QString, QPainterPath> parts = cockpit(p);
    static const QMap<QString, QString> names{
        {QStringLiteral("indicator"), QStringLiteral("Indicator lever")},
        {QStringLiteral("steer"), QStringLiteral("Steering wheel")},
        {QStringLiteral("rear"), QStringLiteral("Rear-view mirror")},
        {QStringLiteral("side"), QStringLiteral("Side mirrors")},
        {QStringLiteral("clutch"), QStringLiteral("Clutch pedal")},
        {QStringLiteral("gear"), QStringLiteral("Gear lever")},
        {QStringLiteral("brake"), QStringLiteral("Foot brake pedal")},
        {QStringLiteral("accel"), QStringLiteral("Accelerator pedal")},
        {QStringLiteral("wiper"), QStringLiteral("Windscreen wiper lever")},
        {QStringLiteral("handbrake"), QStringLiteral("Hand brake")},
        {QStringLiteral("hoot"), QStringLiteral("Hooter")},
    };
    if (id.isEmpty()) {
        tag(p, QPointF(78, 18), QStringLiteral("Point at a control name"), 15, DarkBlue);
        return img;
    }
    spotlight(p, QRectF(0, 0, 690, 483), parts.value(id));
    tag(p, QPointF(78, 18), names.value(id), 17);
    return img;
}

namespace {

void advertPlaceholder(QPainter &p, const QRectF &r)
{
    QLinearGradient g(0, 0, 560, 114);
    g.setColorAt(0, QColor(248, 250, 255));
    g.setColorAt(1, QColor(226, 234, 252));
    p.fillRect(r, g);
    p.setPen(QPen(DarkBlue, 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(4, 4, -4, -4), 10, 10);
    // Megaphone.
    p.save();
    p.translate(58, 57);
    p.setPen(Qt::NoPen);
    p.setBrush(Maroon);
    QPolygonF horn;
    horn << QPointF(-22, -8) << QPointF(14, -26) << QPointF(14, 26) << QPointF(-22, 8);
    p.drawPolygon(horn);
    p.drawRoundedRect(QRectF(-32, -10, 14, 20), 4, 4);
    p.setPen(QPen(Maroon, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(10, -20, 28, 40), -50 * 16, 100 * 16);
    p.restore();
    text(p, QRectF(118, 14, 430, 40), QStringLiteral("Advertise here"), sans(32, QFont::Bold), Maroon,
         Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(120, 54, 430, 22), QStringLiteral("Reach learner drivers every time they study."), sans(16), Ink,
         Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(120, 80, 430, 22), QStringLiteral("adverts@tarmika.example"), sans(16, QFont::Bold), DarkBlue,
         Qt::AlignLeft | Qt::AlignVCenter);
}

void drivingSchoolAdvert(QPainter &p, const QRectF &r)
{
    // A driving school.
    QLinearGradient g(0, 0, 560, 0);
    g.setColorAt(0, QColor(150, 12, 12));
    g.setColorAt(1, QColor(96, 0, 0));
    p.fillRect(r, g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 30));
    p.drawEllipse(QPointF(470, 60), 120, 120);
    car(p, QRectF(392, 22, 150, 74), Qt::white, LightBlue, QColor(40, 10, 10));
    roundBox(p, QRectF(520, 14, 26, 26), 4, Qt::white, Red, 2);
    text(p, QRectF(520, 14, 26, 26), QStringLiteral("L"), sans(18, QFont::Bold), Red);
    text(p, QRectF(20, 10, 380, 38), QStringLiteral("Safe Start Driving School"), sans(27, QFont::Bold), Qt::white,
         Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(20, 48, 380, 24), QStringLiteral("Patient instructors \u2022 dual-control cars \u2022 test prep"),
         sans(15), QColor(255, 225, 225), Qt::AlignLeft | Qt::AlignVCenter);
    roundBox(p, QRectF(20, 78, 210, 26), 13, Qt::white);
    text(p, QRectF(20, 78, 210, 26), QStringLiteral("www.safestart.example"), sans(14, QFont::Bold), Maroon);
}

void seatBeltAdvert(QPainter &p, const QRectF &r)
{
    // A road-safety message.
    QLinearGradient g(0, 0, 0, 114);
    g.setColorAt(0, QColor(42, 66, 190));
    g.setColorAt(1, DarkBlue.darker(120));
    p.fillRect(r, g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 28));
    p.drawEllipse(QPointF(70, 57), 80, 80);
    // Seat belt buckle.
    p.save();
    p.translate(70, 57);
    p.rotate(-30);
    roundBox(p, QRectF(-30, -14, 34, 28), 6, QColor(220, 224, 234));
    roundBox(p, QRectF(-2, -10, 34, 20), 4, QColor(160, 166, 180));
    p.fillRect(QRectF(-70, -7, 42, 14), QColor(30, 30, 36));
    p.fillRect(QRectF(30, -7, 40, 14), QColor(30, 30, 36));
    p.restore();
    text(p, QRectF(150, 12, 400, 40), QStringLiteral("Buckle up. Every seat, every trip."), sans(25, QFont::Bold),
         Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(150, 52, 400, 24), QStringLiteral("A seat belt halves your risk in a crash."), sans(16), LightBlue,
         Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(150, 80, 400, 24), QStringLiteral("Road Safety Club \u2022 roadsafety.example.org"),
         sans(14, QFont::Bold), Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
}

void academyAdvert(QPainter &p, const QRectF &r)
{
    // A heavy vehicle and motorcycle school.
    p.fillRect(r, Qt::white);
    QLinearGradient g(0, 0, 0, 114);
    g.setColorAt(0, QColor(250, 246, 235));
    g.setColorAt(1, QColor(244, 236, 214));
    p.fillRect(r, g);
    p.fillRect(QRectF(0, 0, 10, 114), Maroon);
    truck(p, QRectF(352, 20, 120, 60), Maroon);
    motorcycle(p, QRectF(478, 36, 76, 48), DarkBlue);
    p.fillRect(QRectF(360, 86, 196, 4), Asphalt);
    text(p, QRectF(26, 10, 340, 36), QStringLiteral("Drive Right Academy"), sans(27, QFont::Bold), Maroon,
         Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(26, 46, 340, 24), QStringLiteral("Truck and motorcycle lessons, weekends too"), sans(15), Ink,
         Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(26, 74, 340, 26), QStringLiteral("bookings@driveright.example.com"), sans(15, QFont::Bold), DarkBlue,
         Qt::AlignLeft | Qt::AlignVCenter);
}

} // namespace

QImage advert(int n)
{
    QImage img = canvas(560, 114);
    QPainter p(&img);
    prepare(p);
    const QRectF r(0, 0, 560, 114);
    if (n < 0)
        advertPlaceholder(p, r);
    else if (n == 0)
        drivingSchoolAdvert(p, r);
    else if (n == 1)
        seatBeltAdvert(p, r);
    else
        academyAdvert(p, r);
    return img;
}

} // namespace art
