#pragma once

#include <QColor>
#include <QWidget>

// A round gauge with a minimum of 0, a maximum and a progress, drawn as a pie slice in the fore
// colour on a white ground, without border or text.
class PieGauge : public QWidget {
    Q_OBJECT
public:
    explicit PieGauge(QWidget *parent = nullptr);

    int MinValue() const { return 0; }

    int MaxValue() const { return fMaxValue; }
    // A maximum below the minimum is taken as the minimum; a maximum below the progress lowers
    // the progress with it.
    void SetMaxValue(int value);

    int Progress() const { return fProgress; }
    // Clamped into the range from the minimum to the maximum.
    void SetProgress(int value);

    QColor ForeColor() const { return fForeColor; }
    void SetForeColor(const QColor &colour);

    // The whole percentage of the range that the progress covers, rounded down; 0 for an empty range.
    int PercentDone() const;

    QSize sizeHint() const override { return {90, 90}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int fMaxValue = 100;
    int fProgress = 0;
    QColor fForeColor = Qt::black;
};
