#pragma once

#include "controls/page.h"
#include "testing/mockdrill.h"
#include "testing/mockhistory.h"
#include "testing/mockquestionview.h"

#include <functional>

class QLabel;
class QPushButton;
class QStackedWidget;
struct SessionState;

// The mock test history as a line chart: each section's percentage per test, oldest on the left,
// with the pass marks drawn as dashed lines.
class MockHistoryChart : public QWidget {
    Q_OBJECT
public:
    static constexpr int maxTests = 20; // the latest ones
    explicit MockHistoryChart(QWidget *parent = nullptr);
    void setHistory(const QList<MockHistory::Entry> &history, const MockSettings &settings);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<MockHistory::Entry> m_history;
    MockSettings m_settings;
};

// My Progress: the chart, tests taken and passed, the study topics with the most wrong answers,
// and the drill over the questions answered wrong. Files are read when the page opens.
class MyProgressPage : public Page {
    Q_OBJECT
public:
    explicit MyProgressPage(SessionState &state, QWidget *parent = nullptr);

    // Reads the learner's history and answers afresh and shows the overview.
    void open();
    void startDrill();
    bool drilling() const;
    const MistakeDrill &drill() const { return m_drill; }
    void setStudyCheck(std::function<bool(const StudyLink &)> check) { m_canStudy = std::move(check); }

signals:
    void menuRequested();
    void studyRequested(const StudyLink &link);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildOverview();
    void buildDrill();
    void showTopics(const QList<TopicCount> &topics);
    void showDrillQuestion();
    void answerDrill(int option);
    void nextDrillQuestion();
    void stopDrill();

    SessionState &m_state;
    std::function<bool(const StudyLink &)> m_canStudy;
    QList<int> m_drillNumbers;
    MistakeDrill m_drill;
    MockPictures m_pictures;
    bool m_answered = false;

    QStackedWidget *m_views;
    QWidget *m_overview, *m_drillPane;
    MockHistoryChart *m_chart;
    QLabel *m_summary, *m_drillNote, *m_topicsHeading;
    QPushButton *m_practise;
    QList<QPushButton *> m_topicButtons;
    QList<StudyLink> m_topicLinks;
    QLabel *m_drillCounter, *m_drillVerdict, *m_drillExplanation;
    MockQuestionView *m_drillQuestion;
    QPushButton *m_drillNext;
};
