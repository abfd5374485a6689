#include "art.h"

#include "controls/readypicture.h"

#include <QDir>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QSaveFile>
#include <QtMath>

namespace art {

QFont sans(qreal px, int weight, bool italic)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(qMax(1, qRound(px)));
    f.setWeight(QFont::Weight(weight));
    f.setItalic(italic);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

QFont narrow(qreal px, int weight)
{
    QFont f(QStringLiteral("Liberation Sans Narrow"));
    f.setPixelSize(qMax(1, qRound(px)));
    f.setWeight(QFont::Weight(weight));
    f.setStyleHint(QFont::SansSerif);
    return f;
}

QImage canvas(int w, int h, const QColor &fill)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

void prepare(QPainter &p)
{
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
}

void text(QPainter &p, const QRectF &r, const QString &s, const QFont &f, const QColor &c, int flags)
{
    p.save();
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, flags, s);
    p.restore();
}

QFont fitted(const QString &s, QFont f, qreal maxWidth, qreal minPx)
{
    while (f.pixelSize() > minPx && QFontMetricsF(f).horizontalAdvance(s) > maxWidth)
        f.setPixelSize(f.pixelSize() - 1);
    return f;
}

void roundBox(QPainter &p, const QRectF &r, qreal radius, const QBrush &fill, const QColor &pen, qreal penWidth)
{
    p.save();
    p.setBrush(fill);
    if (penWidth > 0 && pen.alpha() > 0)
        p.setPen(QPen(pen, penWidth));
    else
        p.setPen(Qt::NoPen);
    p.drawRoundedRect(r, radius, radius);
    p.restore();
}

void softShadow(QPainter &p, const QRectF &r, qreal radius, int depth)
{
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = depth; i > 0; --i) {
        p.setBrush(QColor(0, 0, 0, 7));
        p.drawRoundedRect(r.adjusted(-i + 2, -i + 4, i + 2, i + 4), radius + i, radius + i);
    }
    p.restore();
}

void buttonWord(QPainter &p, const QRect &hot, const QString &word)
{
    const QRectF r(hot);
    const qreal radius = qMin(r.height() / 2.0, 9.0);
    p.save();
    softShadow(p, r, radius, 3);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(160, 22, 22));
    g.setColorAt(1, QColor(110, 0, 0));
    roundBox(p, r, radius, g, QColor(255, 255, 255, 230), 1.5);
    QFont f = fitted(word, sans(qMin(14.0, r.height() * 0.6), QFont::Bold), r.width() - 8);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    text(p, r, word, f, Qt::white);
    p.restore();
}

void wordmark(QPainter &p, const QPointF &tl, qreal h, const QColor &textColour)
{
    p.save();
    const QRectF plate(tl, QSizeF(h, h));
    roundBox(p, plate, h * 0.22, Qt::white, Maroon, qMax(1.0, h * 0.08));
    // A road bending away inside the plate.
    QPainterPath road;
    road.moveTo(plate.left() + h * 0.22, plate.bottom() - h * 0.12);
    road.cubicTo(plate.left() + h * 0.45, plate.top() + h * 0.6, plate.left() + h * 0.75, plate.top() + h * 0.55,
                 plate.left() + h * 0.62, plate.top() + h * 0.14);
    p.setPen(QPen(Maroon, h * 0.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(road);
    p.setPen(QPen(Qt::white, h * 0.05, Qt::DashLine, Qt::FlatCap));
    p.drawPath(road);
    text(p, QRectF(plate.right() + h * 0.3, tl.y() - h * 0.1, h * 6, h * 1.2), QStringLiteral("Tarmika"),
         sans(h * 0.8, QFont::Bold), textColour, Qt::AlignLeft | Qt::AlignVCenter);
    p.restore();
}

void pageBase(QPainter &p, bool mark)
{
    p.fillRect(QRect(0, 0, 1000, 702), Qt::white);
    // A faint wash at the top gives the page some depth without disturbing the text on it.
    QLinearGradient wash(0, 0, 0, 120);
    wash.setColorAt(0, QColor(246, 248, 253));
    wash.setColorAt(1, Qt::white);
    p.fillRect(QRect(0, 0, 1000, 120), wash);
    QLinearGradient band(0, 672, 0, 702);
    band.setColorAt(0, QColor(140, 8, 8));
    band.setColorAt(1, DeepMaroon);
    p.fillRect(QRect(0, 672, 1000, 30), band);
    p.fillRect(QRect(0, 668, 1000, 4), LightBlue);
    if (mark)
        wordmark(p, QPointF(20, 678), 18, Qt::white);
}

void heading(QPainter &p, const QPointF &tl, const QString &s, qreal px, const QString &sub)
{
    p.save();
    const QFont f = sans(px, QFont::Bold);
    const QFontMetricsF fm(f);
    roundBox(p, QRectF(tl.x(), tl.y() + 2, 7, fm.height() - 4), 3, Maroon);
    text(p, QRectF(tl.x() + 18, tl.y(), 900, fm.height()), s, f, Maroon, Qt::AlignLeft | Qt::AlignVCenter);
    const qreal w = fm.horizontalAdvance(s);
    p.fillRect(QRectF(tl.x() + 18, tl.y() + fm.height() + 1, qMin(w, 120.0), 3), LightBlue);
    if (!sub.isEmpty())
        text(p, QRectF(tl.x() + 18, tl.y() + fm.height() + 7, 900, px * 0.65), sub, sans(px * 0.46), Slate,
             Qt::AlignLeft | Qt::AlignVCenter);
    p.restore();
}

void stepBadge(QPainter &p, const QPointF &c, int n, qreal r)
{
    p.save();
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.3);
    g.setColorAt(0, QColor(70, 92, 210));
    g.setColorAt(1, DarkBlue);
    p.setPen(QPen(LightBlue, 3));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    text(p, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), QString::number(n), sans(r * 1.15, QFont::Bold), Qt::white);
    p.restore();
}

void tick(QPainter &p, const QRectF &r, const QColor &c, qreal w)
{
    QPainterPath t;
    t.moveTo(r.left() + r.width() * 0.08, r.top() + r.height() * 0.55);
    t.lineTo(r.left() + r.width() * 0.38, r.top() + r.height() * 0.85);
    t.lineTo(r.left() + r.width() * 0.94, r.top() + r.height() * 0.14);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(t);
    p.restore();
}

void cross(QPainter &p, const QRectF &r, const QColor &c, qreal w)
{
    p.save();
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
    p.restore();
}

void callout(QPainter &p, const QPointF &at, const QPointF &target, int n, qreal r)
{
    p.save();
    p.setPen(QPen(DarkBlue, 1.4));
    const QLineF line(at, target);
    if (line.length() > r) {
        p.drawLine(QLineF(line.pointAt(r / line.length()), target));
        p.setBrush(DarkBlue);
        p.drawEllipse(target, 2.2, 2.2);
    }
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(DarkBlue);
    p.drawEllipse(at, r, r);
    text(p, QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r), QString::number(n), sans(r * 1.15, QFont::Bold), Qt::white);
    p.restore();
}

void person(QPainter &p, const QPointF &feet, qreal h, const QColor &c)
{
    p.save();
    p.setPen(QPen(c, h * 0.11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(c);
    const QPointF hip(feet.x(), feet.y() - h * 0.45);
    const QPointF neck(feet.x(), feet.y() - h * 0.8);
    p.drawLine(hip, QPointF(feet.x() - h * 0.12, feet.y()));
    p.drawLine(hip, QPointF(feet.x() + h * 0.12, feet.y()));
    p.drawLine(hip, neck);
    p.drawLine(QPointF(neck.x(), neck.y() + h * 0.05), QPointF(feet.x() - h * 0.16, feet.y() - h * 0.5));
    p.drawLine(QPointF(neck.x(), neck.y() + h * 0.05), QPointF(feet.x() + h * 0.16, feet.y() - h * 0.5));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(feet.x(), feet.y() - h * 0.91), h * 0.09, h * 0.09);
    p.restore();
}

void warningTriangle(QPainter &p, const QPointF &c, qreal s, const QColor &border)
{
    QPolygonF tri;
    tri << QPointF(c.x(), c.y() - s * 0.55) << QPointF(c.x() + s * 0.55, c.y() + s * 0.42)
        << QPointF(c.x() - s * 0.55, c.y() + s * 0.42);
    p.save();
    p.setPen(QPen(border, s * 0.11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPolygon(tri);
    p.restore();
}

void roundSign(QPainter &p, const QPointF &c, qreal r, const QString &number)
{
    p.save();
    p.setPen(QPen(Red, r * 0.2));
    p.setBrush(Qt::white);
    p.drawEllipse(c, r * 0.9, r * 0.9);
    text(p, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), number,
         sans(number.size() > 2 ? r * 0.72 : r * 0.9, QFont::Bold), Qt::black);
    p.restore();
}

namespace {
// Maps a design box of size (w, h) into `box`, keeping the aspect and centring.
void fitInto(QPainter &p, const QRectF &box, qreal w, qreal h)
{
    const qreal s = qMin(box.width() / w, box.height() / h);
    p.translate(box.center().x() - w * s / 2, box.center().y() - h * s / 2);
    p.scale(s, s);
}

void wheel(QPainter &p, const QPointF &c, qreal r, const QColor &tyre)
{
    p.setPen(Qt::NoPen);
    p.setBrush(tyre);
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(215, 218, 226));
    p.drawEllipse(c, r * 0.55, r * 0.55);
    p.setBrush(tyre.lighter(160));
    p.drawEllipse(c, r * 0.18, r * 0.18);
}
} // namespace

void car(QPainter &p, const QRectF &box, const QColor &body, const QColor &glass, const QColor &tyre)
{
    p.save();
    fitInto(p, box, 220, 100);
    QPainterPath shell;
    shell.moveTo(8, 72);
    shell.lineTo(8, 56);
    shell.cubicTo(10, 46, 22, 42, 44, 40);
    shell.lineTo(64, 18);
    shell.cubicTo(70, 12, 78, 10, 88, 10);
    shell.lineTo(140, 10);
    shell.cubicTo(150, 10, 156, 13, 162, 19);
    shell.lineTo(182, 40);
    shell.cubicTo(200, 42, 212, 48, 213, 58);
    shell.lineTo(213, 72);
    shell.cubicTo(213, 78, 208, 80, 202, 80);
    shell.lineTo(16, 80);
    shell.cubicTo(10, 80, 8, 78, 8, 72);
    QLinearGradient g(0, 10, 0, 80);
    g.setColorAt(0, body.lighter(125));
    g.setColorAt(1, body.darker(115));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(shell);
    QPainterPath win;
    win.moveTo(54, 40);
    win.lineTo(70, 21);
    win.cubicTo(74, 17, 79, 16, 86, 16);
    win.lineTo(108, 16);
    win.lineTo(108, 40);
    win.closeSubpath();
    win.moveTo(114, 40);
    win.lineTo(114, 16);
    win.lineTo(138, 16);
    win.cubicTo(145, 16, 150, 18, 154, 22);
    win.lineTo(170, 40);
    win.closeSubpath();
    p.setBrush(glass);
    p.drawPath(win);
    p.setBrush(QColor(255, 240, 160));
    p.drawRoundedRect(QRectF(200, 50, 12, 7), 3, 3);
    p.setBrush(QColor(230, 60, 50));
    p.drawRoundedRect(QRectF(8, 50, 8, 8), 2, 2);
    p.setPen(QPen(body.darker(140), 1.5));
    p.drawLine(QPointF(111, 42), QPointF(111, 74));
    p.drawLine(QPointF(96, 50), QPointF(104, 50));
    p.drawLine(QPointF(124, 50), QPointF(132, 50));
    wheel(p, QPointF(52, 80), 17, tyre);
    wheel(p, QPointF(170, 80), 17, tyre);
    p.restore();
}

void truck(QPainter &p, const QRectF &box, const QColor &body, const QColor &glass, const QColor &tyre)
{
    p.save();
    fitInto(p, box, 240, 110);
    // Cargo box.
    QLinearGradient cg(0, 8, 0, 80);
    cg.setColorAt(0, QColor(248, 248, 250));
    cg.setColorAt(1, QColor(214, 216, 224));
    roundBox(p, QRectF(6, 8, 150, 74), 4, cg, body.darker(120), 2);
    p.fillRect(QRectF(14, 40, 134, 6), body);
    // Cab.
    QPainterPath cab;
    cab.moveTo(160, 84);
    cab.lineTo(160, 22);
    cab.cubicTo(160, 16, 164, 14, 170, 14);
    cab.lineTo(200, 14);
    cab.cubicTo(208, 14, 212, 18, 216, 26);
    cab.lineTo(230, 52);
    cab.cubicTo(233, 58, 234, 62, 234, 68);
    cab.lineTo(234, 84);
    cab.closeSubpath();
    QLinearGradient g(0, 14, 0, 84);
    g.setColorAt(0, body.lighter(125));
    g.setColorAt(1, body.darker(115));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(cab);
    QPainterPath win;
    win.moveTo(182, 22);
    win.lineTo(206, 22);
    win.cubicTo(208, 22, 210, 24, 211, 26);
    win.lineTo(224, 50);
    win.lineTo(182, 50);
    win.closeSubpath();
    p.setBrush(glass);
    p.drawPath(win);
    p.setBrush(QColor(255, 240, 160));
    p.drawRoundedRect(QRectF(226, 62, 8, 8), 2, 2);
    p.fillRect(QRectF(4, 84, 232, 8), QColor(60, 62, 70));
    wheel(p, QPointF(38, 92), 16, tyre);
    wheel(p, QPointF(74, 92), 16, tyre);
    wheel(p, QPointF(200, 92), 16, tyre);
    p.restore();
}

void motorcycle(QPainter &p, const QRectF &box, const QColor &body, const QColor &tyre)
{
    p.save();
    fitInto(p, box, 220, 120);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(tyre, 11));
    p.drawEllipse(QPointF(45, 88), 25, 25);
    p.drawEllipse(QPointF(177, 88), 25, 25);
    p.setPen(QPen(QColor(200, 204, 212), 3));
    p.drawEllipse(QPointF(45, 88), 12, 12);
    p.drawEllipse(QPointF(177, 88), 12, 12);
    // Frame and forks.
    p.setPen(QPen(QColor(70, 72, 80), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(45, 88), QPointF(96, 78));
    p.drawLine(QPointF(177, 88), QPointF(156, 36));
    p.setPen(QPen(QColor(60, 62, 70), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(150, 30), QPointF(136, 22));
    // Engine block.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 124, 134));
    p.drawRoundedRect(QRectF(86, 62, 42, 30), 6, 6);
    // Tank, seat and tail.
    QPainterPath tank;
    tank.moveTo(92, 58);
    tank.cubicTo(96, 40, 112, 34, 136, 36);
    tank.cubicTo(152, 38, 156, 46, 154, 56);
    tank.cubicTo(140, 64, 110, 64, 92, 58);
    QLinearGradient g(0, 34, 0, 64);
    g.setColorAt(0, body.lighter(130));
    g.setColorAt(1, body.darker(110));
    p.setBrush(g);
    p.drawPath(tank);
    QPainterPath seat;
    seat.moveTo(40, 56);
    seat.cubicTo(50, 46, 74, 46, 96, 52);
    seat.lineTo(94, 60);
    seat.cubicTo(76, 60, 56, 62, 40, 64);
    seat.closeSubpath();
    p.setBrush(QColor(45, 45, 52));
    p.drawPath(seat);
    QPainterPath tail;
    tail.moveTo(16, 54);
    tail.cubicTo(24, 52, 34, 54, 42, 56);
    tail.lineTo(42, 64);
    tail.cubicTo(32, 64, 22, 60, 16, 54);
    p.setBrush(body);
    p.drawPath(tail);
    p.setBrush(QColor(255, 240, 160));
    p.drawEllipse(QPointF(164, 42), 6, 6);
    p.setBrush(QColor(150, 152, 160));
    p.drawRoundedRect(QRectF(60, 86, 34, 6), 3, 3);
    p.restore();
}

void carTop(QPainter &p, const QPointF &c, qreal len, qreal angle, const QColor &body)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    const qreal w = len * 0.46;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(QRectF(-len / 2 + 2, -w / 2 + 3, len, w), w * 0.3, w * 0.3);
    QLinearGradient g(0, -w / 2, 0, w / 2);
    g.setColorAt(0, body.lighter(130));
    g.setColorAt(0.5, body);
    g.setColorAt(1, body.darker(125));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(-len / 2, -w / 2, len, w), w * 0.3, w * 0.3);
    p.setBrush(QColor(40, 50, 70, 200));
    p.drawRoundedRect(QRectF(len * 0.08, -w * 0.36, len * 0.16, w * 0.72), 3, 3);
    p.drawRoundedRect(QRectF(-len * 0.34, -w * 0.34, len * 0.1, w * 0.68), 3, 3);
    p.setBrush(body.lighter(115));
    p.drawRoundedRect(QRectF(-len * 0.22, -w * 0.36, len * 0.29, w * 0.72), 4, 4);
    p.setBrush(QColor(255, 244, 170));
    p.drawEllipse(QPointF(len / 2 - 3, -w * 0.32), 2.5, 2.5);
    p.drawEllipse(QPointF(len / 2 - 3, w * 0.32), 2.5, 2.5);
    p.restore();
}

void spotlight(QPainter &p, const QRectF &scene, const QPainterPath &part)
{
    p.save();
    QPainterPath outside;
    outside.addRect(scene);
    QPainterPathStroker grow;
    grow.setWidth(10);
    grow.setJoinStyle(Qt::RoundJoin);
    const QPainterPath halo = part.united(grow.createStroke(part));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawPath(outside.subtracted(halo));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 214, 0, 150), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(halo);
    p.setPen(QPen(Maroon, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(halo);
    p.restore();
}

namespace {

// A picture with no transparent pixel is stored without an alpha channel: it decodes faster and
// the program shows it without first making a premultiplied copy.
QImage withoutNeedlessAlpha(const QImage &img)
{
    if (!img.hasAlphaChannel())
        return img;
    const QImage argb = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) != 255)
                return img;
        }
    }
    return argb.convertToFormat(QImage::Format_RGB32);
}

} // namespace

bool Output::save(const QImage &img, const QString &dir, const QString &name)
{
    QDir().mkpath(dir);
    const QString path = dir + QLatin1Char('/') + name;
    // Pictures compiled into the program are kept in the form it draws; the data directory's are PNG files.
    const QImage picture = withoutNeedlessAlpha(img);
    bool saved = false;
    if (name.endsWith(QLatin1String(".pix"))) {
        QSaveFile file(path);
        saved = file.open(QIODevice::WriteOnly) && file.write(ReadyPicture::encode(picture)) >= 0 && file.commit();
    } else {
        saved = picture.save(path, "PNG");
    }
    if (!saved) {
        ++failures;
        return false;
    }
    written << path;
    return true;
}

} // namespace art
