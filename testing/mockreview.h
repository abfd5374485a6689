#pragma once

#include "testing/mockquestionview.h"
#include "testing/mocktest.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;

// The result of a finished mock test: each section's right answers against its pass mark, the
// overall verdict and the time used.
class MockResultView : public QWidget {
    Q_OBJECT
public:
    explicit MockResultView(QWidget *parent = nullptr);
    void showResult(const MockResult &result, int limitSeconds, const QString &note);

signals:
    void reviewRequested();
    void menuRequested();

private:
    QLabel *m_verdict, *m_rule, *m_time, *m_note;
    QLabel *m_rows[MockSettings::sectionCount][4];
};

// Goes through the finished test's questions with the learner's answer, the right one, the
// explanation and a way to the study topic; optionally only the ones answered wrong.
class MockReviewView : public QWidget {
    Q_OBJECT
public:
    explicit MockReviewView(QWidget *parent = nullptr);

    void setTest(const MockTest *test, const MockPictures *pictures);
    void setStudyCheck(std::function<bool(const StudyLink &)> check) { m_canStudy = std::move(check); }
    void step(bool forward);
    void setWrongOnly(bool wrongOnly);
    // The test's index of the question on screen; -1 when the filter leaves none.
    int currentIndex() const;

signals:
    void resultRequested();
    void menuRequested();
    void studyRequested(const StudyLink &link);

private:
    void showCurrent();

    const MockTest *m_test = nullptr;
    const MockPictures *m_pictures = nullptr;
    std::function<bool(const StudyLink &)> m_canStudy;
    QList<int> m_shown; // indices the filter lets through
    int m_pos = 0;
    QLabel *m_counter, *m_answers, *m_explanation;
    MockQuestionView *m_question;
    QCheckBox *m_wrongOnly;
    QPushButton *m_previous, *m_next, *m_study;
};
