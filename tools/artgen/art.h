#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QStringList>

// Shared palette, fonts and small drawing pieces of the artwork generator.
namespace art {

inline const QColor Maroon{128, 0, 0};
inline const QColor DeepMaroon{96, 0, 0};
inline const QColor SoftMaroon{170, 40, 40};
inline const QColor DarkBlue{33, 53, 171};
inline const QColor LightBlue{143, 172, 239};
inline const QColor PaleBlue{231, 238, 252};
inline const QColor Ink{38, 40, 52};
inline const QColor Slate{92, 98, 116};
inline const QColor Mist{236, 237, 241};
inline const QColor Asphalt{78, 82, 92};
inline const QColor Grass{118, 170, 92};
inline const QColor Sky{205, 224, 250};
inline const QColor Green{38, 150, 76};
inline const QColor Red{200, 30, 36};
inline const QColor Amber{245, 170, 20};

// Liberation Sans stands in for Arial wherever the fonts are installed, and fontconfig falls back otherwise.
QFont sans(qreal px, int weight = QFont::Normal, bool italic = false);
QFont narrow(qreal px, int weight = QFont::Normal);

QImage canvas(int w, int h, const QColor &fill = Qt::white);
void prepare(QPainter &p);

void text(QPainter &p, const QRectF &r, const QString &s, const QFont &f, const QColor &c, int flags = Qt::AlignCenter);
// Shrinks the font until the text fits into the rectangle on one line.
QFont fitted(const QString &s, QFont f, qreal maxWidth, qreal minPx = 8);

void roundBox(QPainter &p, const QRectF &r, qreal radius, const QBrush &fill, const QColor &pen = Qt::transparent,
              qreal penWidth = 0);
void softShadow(QPainter &p, const QRectF &r, qreal radius, int depth = 6);

// A caption-less hot spot of the program lies exactly over this drawn button word.
void buttonWord(QPainter &p, const QRect &hot, const QString &word);

// Common page furniture: white page, maroon footer band and the program's name in it.
void pageBase(QPainter &p, bool wordmark = true);
void heading(QPainter &p, const QPointF &topLeft, const QString &s, qreal px = 30, const QString &sub = {});
void stepBadge(QPainter &p, const QPointF &centre, int n, qreal radius = 26);
void wordmark(QPainter &p, const QPointF &topLeft, qreal height, const QColor &textColour);

// Small glyphs used across the pictures.
void tick(QPainter &p, const QRectF &r, const QColor &c, qreal width);
void cross(QPainter &p, const QRectF &r, const QColor &c, qreal width);
void callout(QPainter &p, const QPointF &at, const QPointF &target, int n, qreal radius = 9);
void person(QPainter &p, const QPointF &feet, qreal height, const QColor &c);
void warningTriangle(QPainter &p, const QPointF &centre, qreal size, const QColor &border = QColor(200, 30, 36));
void roundSign(QPainter &p, const QPointF &centre, qreal radius, const QString &number);

// Vehicles seen from the side, facing right, fitted into the box.
void car(QPainter &p, const QRectF &box, const QColor &body, const QColor &glass = QColor(200, 222, 248),
         const QColor &tyre = QColor(40, 40, 46));
void truck(QPainter &p, const QRectF &box, const QColor &body, const QColor &glass = QColor(200, 222, 248),
           const QColor &tyre = QColor(40, 40, 46));
void motorcycle(QPainter &p, const QRectF &box, const QColor &body, const QColor &tyre = QColor(40, 40, 46));
// A car seen from above, centred at `c`, nose pointing at `angle` degrees (0 = right, 90 = down).
void carTop(QPainter &p, const QPointF &c, qreal length, qreal angle, const QColor &body);

// The motorcycle from above (front up) in a 400 x 400 scene; returns its controls' outlines by name.
QMap<QString, QPainterPath> bikeTop(QPainter &p);
// The driver's view of a car (or a truck cab) in a 690 x 483 scene; returns the controls' outlines by name.
QMap<QString, QPainterPath> cockpit(QPainter &p, bool heavy = false);
// Dims everything of the scene except `part` and rings the part.
void spotlight(QPainter &p, const QRectF &scene, const QPainterPath &part);

// Output bookkeeping: every picture goes through here so that a missing one is noticed.
class Output {
public:
    bool save(const QImage &img, const QString &dir, const QString &name);
    QStringList written;
    int failures = 0;
};

} // namespace art
