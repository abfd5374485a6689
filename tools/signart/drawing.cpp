#include "drawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QtMath>

QPen roundPen(const QColor &color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath textPath(const QString &text, QPointF center, qreal height, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(100);
    font.setBold(bold);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QFontMetricsF fm(font);
    // Scale by the cap height so numbers and capitals of every sign look alike.
    const qreal scale = height / fm.capHeight();
    const QRectF r = path.boundingRect();
    QTransform t;
    t.translate(center.x(), center.y());
    t.scale(scale, scale);
    t.translate(-r.center().x(), fm.capHeight() / 2.0);
    return t.map(path);
}

void drawTextLines(QPainter &p, const QRectF &box, const QString &text, const QColor &color)
{
    const QStringList lines = text.split(u'/');
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    int size = int(box.height() / lines.size() * 0.78);
    for (; size > 6; --size) {
        font.setPixelSize(size);
        const QFontMetricsF fm(font);
        qreal widest = 0;
        for (const QString &line : lines)
            widest = qMax(widest, fm.horizontalAdvance(line));
        if (widest <= box.width() && fm.height() * lines.size() <= box.height())
            break;
    }
    font.setPixelSize(size);
    const QFontMetricsF fm(font);
    const qreal lineHeight = fm.height();
    qreal y = box.center().y() - lineHeight * lines.size() / 2.0;
    p.save();
    p.setPen(color);
    p.setFont(font);
    for (const QString &line : lines) {
        p.drawText(QRectF(box.left(), y, box.width(), lineHeight), Qt::AlignCenter, line);
        y += lineHeight;
    }
    p.restore();
}

void drawArrow(QPainter &p, const QPainterPath &path, const QColor &color, qreal width)
{
    const QPointF tip = path.pointAtPercent(1.0);
    const qreal angle = qDegreesToRadians(path.angleAtPercent(1.0));
    const QPointF dir(qCos(angle), -qSin(angle));
    const QPointF normal(-dir.y(), dir.x());
    const qreal headLength = width * 2.6;
    const qreal headWidth = width * 1.9;
    // Stop the shaft inside the head so its round cap does not poke through the point.
    QPainterPath shaft = path;
    const QPointF base = tip - dir * headLength;
    QPainterPath trimmed;
    trimmed.moveTo(shaft.pointAtPercent(0));
    for (int i = 1; i <= 60; ++i) {
        const QPointF pt = shaft.pointAtPercent(i / 60.0);
        if (QLineF(pt, tip).length() < headLength * 0.8)
            break;
        trimmed.lineTo(pt);
    }
    p.save();
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(trimmed);
    QPolygonF head;
    head << tip << base + normal * headWidth << base - normal * headWidth;
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(head);
    p.restore();
}

namespace {

QPolygonF regularPolygon(QPointF c, qreal r, int sides, qreal startDeg)
{
    QPolygonF poly;
    for (int i = 0; i < sides; ++i) {
        const qreal a = qDegreesToRadians(startDeg + 360.0 * i / sides);
        poly << c + QPointF(r * qCos(a), r * qSin(a));
    }
    return poly;
}

QPolygonF triangle(const QRectF &box, bool pointUp)
{
    const qreal h = box.width() * qSqrt(3.0) / 2.0;
    const qreal top = box.center().y() - h / 2.0 + (pointUp ? box.height() * 0.06 : -box.height() * 0.06);
    QPolygonF t;
    if (pointUp)
        t << QPointF(box.center().x(), top) << QPointF(box.right(), top + h) << QPointF(box.left(), top + h);
    else
        t << QPointF(box.left(), top) << QPointF(box.right(), top) << QPointF(box.center().x(), top + h);
    return t;
}

// Shrinks a polygon towards its centroid by `amount` pixels along each edge normal
// (good enough for the convex shapes of signs).
QPolygonF inset(const QPolygonF &poly, qreal amount)
{
    QPointF c;
    for (const QPointF &pt : poly)
        c += pt;
    c /= poly.size();
    QPolygonF result;
    const int n = int(poly.size());
    for (int i = 0; i < n; ++i) {
        const QPointF prev = poly[(i + n - 1) % n], cur = poly[i], next = poly[(i + 1) % n];
        QLineF a(prev, cur), b(cur, next);
        QPointF na(-(a.dy()) / a.length(), a.dx() / a.length());
        QPointF nb(-(b.dy()) / b.length(), b.dx() / b.length());
        if (QPointF::dotProduct(na, c - cur) < 0)
            na = -na;
        if (QPointF::dotProduct(nb, c - cur) < 0)
            nb = -nb;
        const QLineF a2 = a.translated(na * amount), b2 = b.translated(nb * amount);
        QPointF hit;
        a2.intersects(b2, &hit);
        result << hit;
    }
    return result;
}

bool symbolsInBox(QPainter &p, const QStringList &symbols, const QRectF &box, const QColor &ink, const QColor &paper,
                  QString &error)
{
    if (symbols.isEmpty())
        return true;
    const int n = int(symbols.size());
    // Several pictograms share the box side by side, each in its own square.
    const qreal w = box.width() / n;
    const qreal side = qMin(w, box.height());
    for (int i = 0; i < n; ++i) {
        const QRectF cell(box.left() + w * i + (w - side) / 2, box.center().y() - side / 2, side, side);
        bool ok = true;
        inUnitBox(p, cell, [&] { ok = drawPictogram(p, symbols.at(i), ink, paper); });
        if (!ok) {
            error = QStringLiteral("unknown pictogram \"%1\"").arg(symbols.at(i));
            return false;
        }
    }
    return true;
}

void plateBelow(QPainter &p, const QRectF &box, const QString &text)
{
    p.setPen(QPen(Ink::black, 3));
    p.setBrush(Ink::white);
    p.drawRoundedRect(box, 6, 6);
    drawTextLines(p, box.adjusted(8, 4, -8, -4), text, Ink::black);
}

void handleBelow(QPainter &p, const QRectF &box)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 110, 110));
    p.drawRoundedRect(QRectF(box.center().x() - 7, box.top(), 14, box.height()), 4, 4);
}

void stopDisc(QPainter &p, QPointF c, qreal r)
{
    const QPolygonF oct = regularPolygon(c, r / qCos(M_PI / 8) * 0.98, 8, 22.5);
    p.setBrush(Ink::white);
    p.drawPolygon(oct);
    p.setBrush(Ink::red);
    p.drawPolygon(inset(oct, r * 0.06));
    p.setBrush(Ink::white);
    p.drawPath(textPath(QStringLiteral("STOP"), c, r * 0.42));
}

void goDisc(QPainter &p, QPointF c, qreal r)
{
    p.setBrush(Ink::white);
    p.drawEllipse(c, r, r);
    p.setBrush(Ink::green);
    p.drawEllipse(c, r * 0.93, r * 0.93);
    p.setBrush(Ink::white);
    p.drawPath(textPath(QStringLiteral("GO"), c, r * 0.5));
}

bool yieldTriangle(QPainter &p, const QRectF &disc, const QStringList &symbols, QString &error)
{
    const QPointF c = disc.center();
    const QPolygonF t = triangle(disc.adjusted(2, 2, -2, -2), false);
    p.setBrush(Ink::red);
    p.drawPolygon(t);
    const QPolygonF inner = inset(t, disc.width() * 0.13);
    p.setBrush(Ink::white);
    p.drawPolygon(inner);
    if (!symbols.isEmpty()) {
        const qreal side = disc.width() * 0.3;
        const QRectF sbox(c.x() - side / 2, inner.boundingRect().top() + side * 0.15, side, side);
        return symbolsInBox(p, symbols, sbox, Ink::black, Ink::white, error);
    }
    return true;
}

void noEntryDisc(QPainter &p, QPointF c, qreal r)
{
    p.setBrush(Ink::red);
    p.drawEllipse(c, r, r);
    p.setBrush(Ink::white);
    p.drawRect(QRectF(c.x() - r * 0.7, c.y() - r * 0.16, r * 1.4, r * 0.32));
}

bool commandDisc(QPainter &p, const SignDesign &d, const QStringList &symbols, QPointF c, qreal r, QString &error)
{
    p.setBrush(Ink::white);
    p.drawEllipse(c, r, r);
    p.setBrush(Ink::blue);
    p.drawEllipse(c, r * 0.94, r * 0.94);
    if (!d.text.isEmpty())
        p.setBrush(Ink::white), p.drawPath(textPath(d.text, c, r * (d.text.size() > 2 ? 0.5 : 0.62)));
    const QRectF sbox(c.x() - r * 0.72, c.y() - r * 0.72, r * 1.44, r * 1.44);
    return symbolsInBox(p, symbols, sbox, Ink::white, Ink::blue, error);
}

// The bars across a ringed disc: one for a prohibition, a cross for no stopping, three thin
// ones for the end of a restriction.
void ringedDiscBars(QPainter &p, const QString &f, QPointF c, qreal inner)
{
    if (f == u"prohib") {
        p.save();
        p.translate(c);
        p.rotate(45);
        p.setBrush(Ink::red);
        p.drawRect(QRectF(-inner, -inner * 0.09, inner * 2, inner * 0.18));
        p.restore();
    } else if (f == u"nostop") {
        p.save();
        p.translate(c);
        p.setBrush(Ink::red);
        for (int angle : {45, -45}) {
            p.save();
            p.rotate(angle);
            p.drawRect(QRectF(-inner, -inner * 0.1, inner * 2, inner * 0.2));
            p.restore();
        }
        p.restore();
    } else if (f == u"derestrict") {
        p.save();
        p.translate(c);
        p.rotate(-45);
        p.setBrush(Ink::black);
        for (qreal off : {-0.14, 0.0, 0.14})
            p.drawRect(QRectF(-inner, inner * (off - 0.03), inner * 2, inner * 0.06));
        p.restore();
    }
}

// The ringed white discs: prohibitions, limits, reservations and de-restrictions.
bool ringedDisc(QPainter &p, const SignDesign &d, const QStringList &symbols, QPointF c, qreal r, QString &error)
{
    const QString &f = d.family;
    const bool derestrict = f == u"derestrict";
    p.setBrush(derestrict ? Ink::black : Ink::red);
    p.drawEllipse(c, r, r);
    p.setBrush(Ink::white);
    const qreal inner = derestrict ? r * 0.95 : r * 0.8;
    p.drawEllipse(c, inner, inner);
    const QColor ink = derestrict ? Ink::grey : Ink::black;
    const QString text = f == u"reserve" ? QString() : d.text;
    if (!symbols.isEmpty()) {
        const bool withText = !text.isEmpty();
        const qreal side = withText ? inner * 0.95 : inner * 1.35;
        const QRectF sbox(c.x() - side / 2, c.y() - (withText ? inner * 0.82 : side / 2), side, side);
        if (!symbolsInBox(p, symbols, sbox, ink, Ink::white, error))
            return false;
        if (withText)
            p.setBrush(ink), p.drawPath(textPath(text, QPointF(c.x(), c.y() + inner * 0.5), inner * 0.3));
    } else if (!text.isEmpty()) {
        p.setBrush(ink);
        p.drawPath(textPath(text, c, inner * (text.size() > 2 ? 0.56 : 0.72)));
    }
    p.setPen(Qt::NoPen);
    ringedDiscBars(p, f, c, inner);
    return true;
}

bool roundSign(QPainter &p, const SignDesign &d, const QRectF &box, QString &error)
{
    const QString &f = d.family;
    QRectF disc = box;
    const bool withPlate = (f == u"stop" || f == u"yield" || f == u"reserve") && !d.text.isEmpty();
    const bool withHandle = d.symbols.contains(QStringLiteral("handle"));
    if (withPlate || withHandle)
        disc = QRectF(box.center().x() - box.height() * 0.36, box.top(), box.height() * 0.72, box.height() * 0.72);
    const QRectF below(box.left() + box.width() * 0.18, disc.bottom() + 6, box.width() * 0.64,
                       box.bottom() - disc.bottom() - 8);
    if (withPlate)
        plateBelow(p, below, d.text);
    if (withHandle)
        handleBelow(p, below);
    QStringList symbols = d.symbols;
    symbols.removeAll(QStringLiteral("handle"));
    const QPointF c = disc.center();
    const qreal r = disc.width() / 2.0 - 2;
    p.setPen(Qt::NoPen);

    if (f == u"stop") {
        stopDisc(p, c, r);
        return true;
    }
    if (f == u"go") {
        goDisc(p, c, r);
        return true;
    }
    if (f == u"yield")
        return yieldTriangle(p, disc, symbols, error);
    if (f == u"noentry") {
        noEntryDisc(p, c, r);
        return true;
    }
    if (f == u"command")
        return commandDisc(p, d, symbols, c, r, error);
    return ringedDisc(p, d, symbols, c, r, error);
}

bool warningSign(QPainter &p, const SignDesign &d, const QRectF &box, QString &error)
{
    const QPolygonF t = triangle(box.adjusted(2, 2, -2, -2), true);
    p.setPen(QPen(Ink::red, box.width() * 0.025, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Ink::red);
    p.drawPolygon(t);
    const QPolygonF inner = inset(t, box.width() * 0.1);
    p.setPen(Qt::NoPen);
    p.setBrush(d.family == u"twarning" ? Ink::yellow : Ink::white);
    p.drawPolygon(inner);
    const QRectF ib = inner.boundingRect();
    const qreal side = ib.height() * 0.64;
    QRectF sbox(ib.center().x() - side / 2, ib.bottom() - side * 1.04, side, side);
    if (!d.text.isEmpty()) {
        sbox.translate(-side * 0.12, 0);
        p.setBrush(Ink::black);
        p.drawPath(
            textPath(d.text, QPointF(ib.center().x() + side * 0.05, ib.top() + ib.height() * 0.42), side * 0.18));
    }
    return symbolsInBox(p, d.symbols, sbox, Ink::black, p.brush().color(), error);
}

bool markerBoard(QPainter &p, const QString &name, const QRectF &box)
{
    p.setPen(Qt::NoPen);
    const bool single = name.startsWith(u"single");
    const QRectF board =
        single ? QRectF(box.center().x() - box.width() * 0.25, box.top() + box.height() * 0.1, box.width() * 0.5,
                        box.height() * 0.8)
               : QRectF(box.left() + 4, box.top() + box.height() * 0.25, box.width() - 8, box.height() * 0.5);
    if (name == u"deadend") {
        p.setBrush(Ink::red);
        p.drawRect(QRectF(box.left() + 10, box.top() + box.height() * 0.3, box.width() - 20, box.height() * 0.4));
        p.setBrush(Ink::white);
        for (int i = 0; i < 4; ++i)
            p.drawEllipse(QPointF(box.left() + box.width() * (0.2 + 0.2 * i), box.center().y()), box.width() * 0.06,
                          box.width() * 0.06);
        return true;
    }
    if (name.startsWith(u"stripes")) {
        const QRectF b(box.center().x() - box.width() * 0.2, box.top() + 8, box.width() * 0.4, box.height() - 16);
        p.setBrush(Ink::white);
        p.drawRect(b);
        p.save();
        p.setClipRect(b);
        p.setBrush(Ink::red);
        const qreal step = b.width() * 0.55;
        for (qreal y = b.top() - b.width() * 2; y < b.bottom() + b.width(); y += step) {
            QPolygonF stripe;
            if (name == u"stripesboth") {
                // Chevron stripes pointing down: pass either side.
                stripe << QPointF(b.left(), y) << QPointF(b.center().x(), y + b.width() * 0.5) << QPointF(b.right(), y)
                       << QPointF(b.right(), y + step / 2) << QPointF(b.center().x(), y + b.width() * 0.5 + step / 2)
                       << QPointF(b.left(), y + step / 2);
            } else {
                // The stripes slope down towards the side on which traffic passes.
                const bool passLeft = name == u"stripesleft";
                const qreal dy = passLeft ? b.width() : -b.width();
                stripe << QPointF(b.left(), y) << QPointF(b.right(), y - dy) << QPointF(b.right(), y - dy + step / 2)
                       << QPointF(b.left(), y + step / 2);
            }
            p.drawPolygon(stripe);
        }
        p.restore();
        p.setPen(QPen(Ink::black, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(b);
        return true;
    }
    // Chevron boards are red chevrons on a white board, like the striped hazard markers.
    p.setPen(QPen(Ink::grey, 2));
    p.setBrush(Ink::white);
    p.drawRect(board);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink::red);
    auto chevron = [&](QPointF at, qreal h, bool left) {
        const qreal w = h * 0.45, t = h * 0.22;
        const qreal s = left ? -1 : 1;
        QPolygonF c;
        c << at + QPointF(-s * w / 2, -h / 2) << at + QPointF(-s * w / 2 + t, -h / 2) << at + QPointF(s * w / 2 + t, 0)
          << at + QPointF(-s * w / 2 + t, h / 2) << at + QPointF(-s * w / 2, h / 2) << at + QPointF(s * w / 2, 0);
        if (left)
            for (QPointF &pt : c)
                pt.rx() -= t;
        p.drawPolygon(c);
    };
    if (single) {
        chevron(board.center(), board.height() * 0.5, name == u"singleleft");
    } else if (name == u"chevronboth") {
        for (int i = 0; i < 2; ++i) {
            chevron(QPointF(board.left() + board.width() * (0.14 + 0.17 * i), board.center().y()), board.height() * 0.7,
                    true);
            chevron(QPointF(board.right() - board.width() * (0.14 + 0.17 * i), board.center().y()),
                    board.height() * 0.7, false);
        }
    } else {
        for (int i = 0; i < 4; ++i)
            chevron(QPointF(board.left() + board.width() * (0.16 + 0.23 * i), board.center().y()), board.height() * 0.7,
                    name == u"chevronleft");
    }
    return true;
}

bool panelSign(QPainter &p, const SignDesign &d, const QRectF &box, QString &error)
{
    QColor bg = Ink::green, fg = Ink::white, border = Ink::white;
    if (d.family == u"blue" || d.family == u"info")
        bg = Ink::blue;
    else if (d.family == u"brown")
        bg = Ink::brown;
    else if (d.family == u"yellow")
        bg = Ink::yellow, fg = Ink::black, border = Ink::black;
    else if (d.family == u"plate")
        bg = Ink::white, fg = Ink::black, border = Ink::black;
    const QRectF panel = d.family == u"plate" ? box.adjusted(4, box.height() * 0.18, -4, -box.height() * 0.18)
                                              : box.adjusted(3, 3, -3, -3);
    p.setPen(Qt::NoPen);
    p.setBrush(d.family == u"plate" || d.family == u"yellow" ? Ink::black : Ink::white);
    p.drawRoundedRect(panel, 14, 14);
    p.setBrush(bg);
    p.drawRoundedRect(panel.adjusted(5, 5, -5, -5), 10, 10);
    p.setPen(QPen(border, 2));
    p.setBrush(Qt::NoBrush);
    const QRectF inner = panel.adjusted(14, 14, -14, -14);
    if (d.family == u"info" && d.text.isEmpty()) {
        if (d.symbols.size() == 1 && d.symbols.first().size() <= 2 && d.symbols.first().at(0).isLetter() &&
            d.symbols.first() != u"i") {
            p.setPen(Qt::NoPen);
            p.setBrush(fg);
            p.drawPath(textPath(d.symbols.first(), inner.center(), inner.height() * 0.62));
            return true;
        }
        // Information pictograms stand on a white square, as on the real signs.
        const QRectF sq = inner.adjusted(8, 8, -8, -8);
        p.setPen(Qt::NoPen);
        p.setBrush(Ink::white);
        p.drawRoundedRect(sq, 8, 8);
        return symbolsInBox(p, d.symbols, sq.adjusted(10, 10, -10, -10), Ink::black, Ink::white, error);
    }
    // An end sign is the sign itself struck through with a red bar.
    if (d.symbols.contains(QStringLiteral("endbar"))) {
        SignDesign plain = d;
        plain.symbols.removeAll(QStringLiteral("endbar"));
        const bool ok = panelSign(p, plain, box, error);
        p.setPen(QPen(Ink::red, panel.height() * 0.07, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(panel.left() + 10, panel.bottom() - 10), QPointF(panel.right() - 10, panel.top() + 10));
        return ok;
    }
    if (d.symbols.isEmpty()) {
        drawTextLines(p, inner, d.text, fg);
        return true;
    }
    if (d.text.isEmpty())
        return symbolsInBox(p, d.symbols, inner.adjusted(inner.width() * 0.1, 0, -inner.width() * 0.1, 0), fg, bg,
                            error);
    const qreal symbolWidth = qMin(inner.height(), inner.width() * 0.36) * (d.symbols.size() > 1 ? 1.25 : 1.0);
    const QRectF sbox(inner.left(), inner.top(), symbolWidth, inner.height());
    const QRectF tbox(inner.left() + symbolWidth + 8, inner.top(), inner.width() - symbolWidth - 8, inner.height());
    drawTextLines(p, tbox, d.text, fg);
    return symbolsInBox(p, d.symbols, sbox.adjusted(4, 4, -4, -4), fg, bg, error);
}

bool parkingSign(QPainter &p, const SignDesign &d, const QRectF &box, QString &error)
{
    const QRectF panel = box.adjusted(20, 2, -20, -2);
    p.setPen(QPen(Ink::black, 4));
    p.setBrush(Ink::white);
    p.drawRoundedRect(panel, 10, 10);
    const qreal r = panel.width() * 0.3;
    const QPointF c(panel.center().x(), panel.top() + r + 10);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink::red);
    p.drawEllipse(c, r, r);
    p.setBrush(Ink::white);
    p.drawEllipse(c, r * 0.8, r * 0.8);
    p.setBrush(Ink::black);
    p.drawPath(textPath(QStringLiteral("P"), c, r * 0.95));
    qreal y = c.y() + r + 6;
    if (!d.symbols.isEmpty()) {
        const qreal side = panel.height() * 0.26;
        if (!symbolsInBox(p, d.symbols, QRectF(panel.center().x() - side / 2, y, side, side), Ink::black, Ink::white,
                          error))
            return false;
        y += side + 2;
    }
    if (!d.text.isEmpty())
        drawTextLines(p, QRectF(panel.left() + 8, y, panel.width() - 16, panel.bottom() - y - 6), d.text, Ink::black);
    return true;
}

bool combinationSign(QPainter &p, const SignDesign &d, const QRectF &box, QString &error)
{
    const bool temporary = d.family == u"tcombo";
    p.setPen(Qt::NoPen);
    p.setBrush(Ink::black);
    p.drawRoundedRect(box.adjusted(2, 2, -2, -2), 14, 14);
    p.setBrush(temporary ? Ink::yellow : Ink::white);
    p.drawRoundedRect(box.adjusted(6, 6, -6, -6), 11, 11);
    const QList<SignDesign> parts = partSigns(d);
    const qreal w = (box.width() - 24) / parts.size();
    for (int i = 0; i < parts.size(); ++i) {
        const qreal side = qMin(w, box.height() - 28);
        QRectF cell(box.left() + 12 + w * i + (w - side) / 2, box.center().y() - side / 2, side, side);
        if (parts[i].family == u"plate")
            cell = QRectF(box.left() + 12 + w * i + 4, box.center().y() - side * 0.35, w - 8, side * 0.7);
        if (!drawSign(p, parts[i], cell, error))
            return false;
    }
    return true;
}

bool routeMarker(QPainter &p, const SignDesign &d, const QRectF &box)
{
    const QString kind = d.symbols.value(0);
    QRectF b = box.adjusted(box.width() * 0.12, box.height() * 0.1, -box.width() * 0.12, -box.height() * 0.1);
    QPainterPath shape;
    QColor bg = Ink::green, fg = Ink::white;
    if (kind == u"N") {
        shape.moveTo(b.topLeft());
        shape.lineTo(b.topRight());
        shape.lineTo(b.right(), b.top() + b.height() * 0.55);
        shape.quadTo(b.right(), b.bottom() - b.height() * 0.12, b.center().x(), b.bottom());
        shape.quadTo(b.left(), b.bottom() - b.height() * 0.12, b.left(), b.top() + b.height() * 0.55);
        shape.closeSubpath();
    } else {
        b = b.adjusted(0, b.height() * 0.15, 0, -b.height() * 0.15);
        shape.addRoundedRect(b, 18, 18);
        if (kind == u"M")
            bg = Ink::blue;
        else
            bg = Ink::white, fg = Ink::black;
    }
    p.setPen(QPen(fg == Ink::black ? Ink::black : Ink::white, 6));
    p.setBrush(bg);
    p.drawPath(QTransform().translate(0, 0).map(shape));
    p.setPen(QPen(bg == Ink::white ? Ink::green : bg, 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    drawTextLines(p, b.adjusted(14, 14, -14, kind == u"N" ? -b.height() * 0.25 : -14), d.text, fg);
    return true;
}

} // namespace

bool drawSign(QPainter &p, const SignDesign &d, const QRectF &box, QString &error)
{
    const QString &f = d.family;
    p.save();
    bool ok = false;
    if (f == u"stop" || f == u"go" || f == u"yield" || f == u"noentry" || f == u"command" || f == u"prohib" ||
        f == u"ring" || f == u"nostop" || f == u"derestrict" || f == u"reserve")
        ok = roundSign(p, d, box, error);
    else if (f == u"warning" || f == u"twarning")
        ok = warningSign(p, d, box, error);
    else if (f == u"green" || f == u"blue" || f == u"brown" || f == u"yellow" || f == u"plate" || f == u"info")
        ok = panelSign(p, d, box, error);
    else if (f == u"parking")
        ok = parkingSign(p, d, box, error);
    else if (f == u"combo" || f == u"tcombo")
        ok = combinationSign(p, d, box, error);
    else if (f == u"route")
        ok = routeMarker(p, d, box);
    else if (f == u"marker") {
        ok = markerBoard(p, d.symbols.value(0), box);
    } else if (f == u"marking" || f == u"signal" || f == u"hand") {
        p.translate(box.topLeft());
        const QSize size = box.size().toSize();
        const QString name = d.symbols.value(0);
        ok = f == u"marking"  ? drawMarking(p, name, size)
             : f == u"signal" ? drawSignal(p, name, size)
                              : drawHandSignal(p, name, size);
    } else {
        error = QStringLiteral("unknown family \"%1\"").arg(f);
    }
    if (!ok && error.isEmpty())
        error = QStringLiteral("unknown %1 \"%2\"").arg(f, d.symbols.join(u' '));
    p.restore();
    return ok;
}

QSize canvasSize(const SignDesign &d)
{
    const QString &f = d.family;
    if (f == u"green" || f == u"blue" || f == u"brown" || f == u"yellow" || f == u"combo" || f == u"tcombo")
        return QSize(360, 240);
    if (f == u"plate")
        return QSize(320, 200);
    return QSize(240, 240);
}
