#pragma once

#include "controls/page.h"
#include "testing/mockquestionview.h"
#include "testing/mocktest.h"

#include <QElapsedTimer>
#include <QTimer>

#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class MockResultView;
class MockReviewView;
struct SessionState;

// The mock test: a timed test drawn afresh for the learner's course, one question at a time, with
// flags and an overview to jump from; then the result by section and a review of every answer.
// The rules live in MockTest; this page shows them and takes the learner's keys and clicks.
class MockTestPage : public Page {
    Q_OBJECT
public:
    enum class View { Question, Overview, Result, Review };

    explicit MockTestPage(SessionState &state, QWidget *parent = nullptr);

    // Draws a new test and shows its first question; what went wrong in the draw is said first.
    // False, after a message, when the bank holds no question for the course.
    bool start();
    // Ends the test now, as the time limit does: scores it, records it and shows the result.
    void finishTest();

    const MockTest &test() const { return m_test; }
    View view() const;
    bool confirmingEnd() const;
    // Whether a study link leads to a rule page topic; "Study this" is offered only then.
    void setStudyCheck(std::function<bool(const StudyLink &)> check);

signals:
    void menuRequested();
    void studyRequested(const StudyLink &link);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildQuestionView();
    void buildOverview();
    void buildConfirm();
    void fillOverview();
    void showCurrent();
    void showView(View view);
    void choose(int option);
    void step(bool forward);
    void toggleFlag();
    void askEnd();
    void cancelEnd();
    void tick();
    int secondsUsed() const;
    bool questionKey(QKeyEvent *event);

    SessionState &m_state;
    MockTest m_test;
    MockPictures m_pictures;
    QTimer m_clock;
    QElapsedTimer m_elapsed;
    bool m_running = false;

    QStackedWidget *m_views;
    QWidget *m_questionPane;
    QLabel *m_counter, *m_section, *m_clockLabel, *m_notice;
    MockQuestionView *m_question;
    QPushButton *m_back, *m_next, *m_flag, *m_overviewButton, *m_end;
    QFrame *m_confirm;
    QLabel *m_confirmText;
    QWidget *m_overviewPane;
    QScrollArea *m_overviewScroll;
    QList<QPushButton *> m_overviewButtons;
    MockResultView *m_result;
    MockReviewView *m_review;
};

// A push button in the look of the mock pages; it never takes the keyboard from the page.
QPushButton *mockButton(QWidget *parent, const QString &name, const QString &text, const QRect &geometry);
// A label in the mock pages' font. It keeps no accessible name of its own, so assistive tools
// read its text.
QLabel *mockLabel(QWidget *parent, const QString &name, const QRect &geometry, int pixels, const QColor &colour,
                  bool bold = false);
