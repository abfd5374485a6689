#include "controls/piegauge.h"

#include <QPainter>

PieGauge::PieGauge(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PieGauge::SetMaxValue(int value)
{
    value = qMax(value, MinValue());
    if (value == fMaxValue)
        return;
    fMaxValue = value;
    fProgress = qMin(fProgress, fMaxValue);
    update();
}

void PieGauge::SetProgress(int value)
{
    value = qBound(MinValue(), value, fMaxValue);
    if (value == fProgress)
        return;
    fProgress = value;
    update();
}

void PieGauge::SetForeColor(const QColor &colour)
{
    if (colour == fForeColor)
        return;
    fForeColor = colour;
    update();
}

int PieGauge::PercentDone() const
{
    const int range = fMaxValue - MinValue();
    if (range <= 0)
        return 0;
    // 64-bit so that large maxima cannot overflow the product.
    return static_cast<int>(static_cast<qint64>(fProgress - MinValue()) * 100 / range);
}

void PieGauge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF circle = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(fForeColor, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(circle);
    const int percent = PercentDone();
    if (percent <= 0)
        return;
    painter.setBrush(fForeColor);
    if (percent >= 100) {
        painter.drawEllipse(circle);
        return;
    }
    // The slice grows clockwise from twelve o'clock, as a clock hand sweeps; Qt counts angles
    // anticlockwise in sixteenths of a degree.
    painter.drawPie(circle, 90 * 16, -percent * 360 * 16 / 100);
}
