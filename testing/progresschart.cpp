#include "testing/progresschart.h"

#include "base/guard.h"
#include "controls/page.h"
#include "base/sessionstate.h"
#include "controls/label.h"
#include "controls/palette.h"
#include "controls/piegauge.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QWidget>

using ProgressRecords::Section;

namespace {

constexpr auto &sections = SectionScores::sections;

PieGauge *makeGauge(QWidget *parent, const QString &name, const QRect &geometry, const QColor &colour, int start)
{
    auto *gauge = new PieGauge(parent);
    gauge->setObjectName(name);
    gauge->setGeometry(geometry);
    gauge->SetForeColor(colour);
    gauge->SetMaxValue(start);
    gauge->SetProgress(start);
    return gauge;
}

QLabel *makeValueLabel(QWidget *parent, const QString &name, const QRect &geometry)
{
    return makeLabel(parent, {.name = name,
                              .geometry = geometry,
                              .font = pixelFont(QStringLiteral("Arial Rounded MT Bold"), 27),
                              .alignment = Qt::AlignHCenter | Qt::AlignTop,
                              .text = QStringLiteral("0 %")});
}

} // namespace

ProgressChart::ProgressChart(SessionState &state, QTimer *Timer1, QWidget *menuPage)
    : QObject(menuPage), m_scores(state), m_timer(Timer1)
{
    setObjectName(QStringLiteral("ProgressChart"));

    // The frame lies beneath the headings and gauges, so it is made first.
    Shape4 = new QFrame(menuPage);
    Shape4->setObjectName(QStringLiteral("Shape4"));
    // The menu's background already frames the chart; the shape only gives the gauges white ground,
    // inside that frame and below the rule under the heading, so both stay visible.
    Shape4->setGeometry(72, 426, 568, 174);
    Shape4->setFrameShape(QFrame::NoFrame);
    Shape4->setAutoFillBackground(true);
    QPalette framePalette = Shape4->palette();
    framePalette.setColor(QPalette::Window, Qt::white);
    framePalette.setColor(QPalette::WindowText, Palette::maroon);
    Shape4->setPalette(framePalette);

    Label47 = makeLabel(menuPage, {.name = QStringLiteral("Label47"),
                                   .font = pixelFont(QStringLiteral("Arial"), 15, true),
                                   .colour = Palette::maroon,
                                   .text = QStringLiteral("Learning Progress Chart")});
    Label47->move(72, 396);
    adjustSizeOnFirstShow(Label47);

    const struct {
        const char *name;
        const char *text;
        QPoint at;
    } headings[] = {{"Label34", "Road Rules", {148, 431}},
                    {"Label35", "Vehicle Controls", {309, 431}},
                    {"Label36", "Road Signs", {491, 431}}};
    for (const auto &heading : headings) {
        QLabel *label = makeLabel(menuPage, {.name = QString::fromLatin1(heading.name),
                                             .font = pixelFont(QStringLiteral("Arial"), 13, true),
                                             .colour = Palette::maroon,
                                             .text = QString::fromLatin1(heading.text)});
        label->move(heading.at);
        adjustSizeOnFirstShow(label);
    }

    GaugeRR = makeGauge(menuPage, QStringLiteral("GaugeRR"), {132, 450, 90, 90}, Palette::gaugeRed, 66);
    GaugeVC = makeGauge(menuPage, QStringLiteral("GaugeVC"), {304, 450, 90, 90}, Palette::gaugeOrange, 22);
    GaugeRS = makeGauge(menuPage, QStringLiteral("GaugeRS"), {477, 450, 90, 90}, Palette::gaugeGreen, 69);

    Label33 = makeValueLabel(menuPage, QStringLiteral("Label33"), {148, 556, 66, 30});
    Label32 = makeValueLabel(menuPage, QStringLiteral("Label32"), {319, 556, 66, 33});
    Label31 = makeValueLabel(menuPage, QStringLiteral("Label31"), {491, 556, 66, 33});

    if (m_timer) {
        m_timer->setInterval(1);
        connect(m_timer, &QTimer::timeout, this, &ProgressChart::Timer1Timer);
    }
}

ProgressChart::Row ProgressChart::row(Section section) const
{
    switch (section) {
    case Section::RoadRules:
        return {GaugeRR, Label33};
    case Section::VehicleControls:
        return {GaugeVC, Label32};
    case Section::RoadSigns:
        break;
    }
    return {GaugeRS, Label31};
}

PieGauge *ProgressChart::gauge(Section section) const
{
    return row(section).gauge;
}

QLabel *ProgressChart::valueLabel(Section section) const
{
    return row(section).label;
}

void ProgressChart::showProgress(const Row &r)
{
    r.label->setText(QString::number(r.gauge->Progress()) + QStringLiteral(" %"));
}

void ProgressChart::showMaxima()
{
    for (Section section : sections)
        row(section).gauge->SetMaxValue(m_scores.maximum(section));
}

void ProgressChart::Button1Click()
{
    guarded([&] {
        if (m_scores.load())
            showMaxima();
        if (m_timer)
            m_timer->start();
    });
}

void ProgressChart::Timer1Timer()
{
    for (Section section : sections) {
        const Row r = row(section);
        // A score outside the gauge's range can never be shown, so the gauge is done once it
        // stands at the nearest value it can hold; otherwise the run-down would never end.
        const int target = qBound(r.gauge->MinValue(), m_scores.storedScore(section), r.gauge->MaxValue());
        const int progress = r.gauge->Progress();
        if (progress == target)
            continue;
        // Normally the gauges run down from full; one left below its score by an earlier learner
        // climbs to it instead of standing still. Scores and maxima are read from files and may
        // be huge, so a gauge far from its score first jumps to a short walk away from it.
        constexpr int longestWalk = 200;
        int next = progress > target ? progress - 1 : progress + 1;
        if (progress - target > longestWalk)
            next = target + longestWalk;
        else if (target - progress > longestWalk)
            next = target - longestWalk;
        r.gauge->SetProgress(next);
        showProgress(r);
        return;
    }
    // Gauges that had nothing to run down (or were lowered with their maximum) show their value too.
    for (Section section : sections)
        showProgress(row(section));
    if (m_timer)
        m_timer->stop();
}

void ProgressChart::resetTestResults()
{
    m_scores.reset();
    for (Section section : {Section::VehicleControls, Section::RoadRules, Section::RoadSigns}) {
        const Row r = row(section);
        r.gauge->SetProgress(0);
        r.label->setText(QStringLiteral("0 %"));
    }
    m_scores.saveProgress();
}

void ProgressChart::countSectionMaximum(const QString &code)
{
    if (const std::optional<Section> section = m_scores.countMaximum(code))
        row(*section).gauge->SetMaxValue(m_scores.maximum(*section));
}

void ProgressChart::saveSectionMaximumFile()
{
    m_scores.saveMaxima();
    showMaxima();
}

void ProgressChart::recordSectionScore(Section section)
{
    m_scores.record(section);
    const Row r = row(section);
    r.gauge->SetProgress(m_scores.storedScore(section));
    showProgress(r);
    m_scores.saveProgress();
}
