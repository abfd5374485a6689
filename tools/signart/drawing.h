#pragma once

#include "signdesign.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace Ink {
inline const QColor red{200, 16, 46};
inline const QColor blue{0, 82, 160};
inline const QColor green{0, 114, 64};
inline const QColor brown{122, 72, 36};
inline const QColor yellow{255, 204, 0};
inline const QColor amber{255, 150, 0};
inline const QColor black{20, 20, 20};
inline const QColor white{255, 255, 255};
inline const QColor grey{150, 150, 150};
inline const QColor asphalt{78, 80, 84};
inline const QColor signalGreen{40, 220, 90};
inline const QColor unlit{60, 60, 60};
} // namespace Ink

// Round-capped pen; widths are in the units of the current transformation.
QPen roundPen(const QColor &color, qreal width);

// Text as a path, centred on `center`, whose capital letters are `height` high.
QPainterPath textPath(const QString &text, QPointF center, qreal height, bool bold = true);

// Lines of text ("/" separated) filled into `box`, as large as fits, centred.
void drawTextLines(QPainter &p, const QRectF &box, const QString &text, const QColor &color);

// A stroked path with an arrow head at its end, in the current units.
void drawArrow(QPainter &p, const QPainterPath &path, const QColor &color, qreal width = 0.16);

// Runs `body` with the unit square [-1, 1] mapped onto `box` (a square).
template <typename F>
void inUnitBox(QPainter &p, const QRectF &box, F body)
{
    p.save();
    p.translate(box.center());
    const qreal s = qMin(box.width(), box.height()) / 2.0;
    p.scale(s, s);
    body();
    p.restore();
}

// Draws pictogram `name` in the unit square, `ink` on `paper`. Returns false for an
// unknown name so a typo in the design table fails the build instead of leaving a gap.
bool drawPictogram(QPainter &p, const QString &name, const QColor &ink, const QColor &paper);

// Families drawn as scenes rather than sign plates.
bool drawMarking(QPainter &p, const QString &name, const QSize &size);
bool drawSignal(QPainter &p, const QString &name, const QSize &size);
bool drawHandSignal(QPainter &p, const QString &name, const QSize &size);

// A whole sign of a family filling `box`; false when the family or a symbol is unknown.
bool drawSign(QPainter &p, const SignDesign &design, const QRectF &box, QString &error);

// Canvas size the picture of a design is drawn on.
QSize canvasSize(const SignDesign &design);
