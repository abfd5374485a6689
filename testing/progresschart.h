#pragma once

#include "testing/progressrecords.h"
#include "testing/sectionscores.h"

#include <QObject>

class PieGauge;
class QFrame;
class QLabel;
class QTimer;
class QWidget;
struct SessionState;

// The progress chart of the main menu: three pie gauges with their value labels, showing the
// learner's section scores as the steps that load, reset and record them and count the section
// maxima change them.
//
// Button1Click and Timer1Timer are handlers and report their own errors. The other steps run
// inside a handler of the question page and throw DataError, so that its guard skips the rest.
class ProgressChart : public QObject {
    Q_OBJECT
public:
    // Creates the chart's controls on `menuPage` (the 1000 x 702 main menu page). `Timer1` belongs
    // to the window; its ticks run the gauge run-down.
    ProgressChart(SessionState &state, QTimer *Timer1, QWidget *menuPage);

    // Loads the learner's progress (creating the file for a new learner) and the section maxima,
    // then starts the run-down of the gauges to the stored scores.
    void Button1Click();

    // One step of the run-down: moves the first gauge that has not reached its score by one.
    void Timer1Timer();

    // Sets the stored scores, the counters, the gauges and their labels to 0.
    void resetTestResults();

    // Counts the question just shown into its section's maximum (section code "1".."3").
    void countSectionMaximum(const QString &code);

    // Saves the counted maxima as the section maximum file and gives them to the gauges.
    void saveSectionMaximumFile();

    // Stores the section's current score in the progress file and shows it on its gauge.
    void recordSectionScore(ProgressRecords::Section section);

    PieGauge *gauge(ProgressRecords::Section section) const;
    QLabel *valueLabel(ProgressRecords::Section section) const;

private:
    struct Row {
        PieGauge *gauge;
        QLabel *label;
    };
    Row row(ProgressRecords::Section section) const;
    void showProgress(const Row &row);
    void showMaxima();

    SectionScores m_scores;
    QTimer *m_timer;

    QLabel *Label47;
    QFrame *Shape4;
    PieGauge *GaugeRR;
    PieGauge *GaugeVC;
    PieGauge *GaugeRS;
    QLabel *Label33;
    QLabel *Label32;
    QLabel *Label31;
};
