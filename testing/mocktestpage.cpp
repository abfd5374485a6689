#include "testing/mocktestpage.h"

#include "base/course.h"
#include "base/guard.h"
#include "base/messages.h"
#include "base/sessionstate.h"
#include "controls/label.h"
#include "controls/palette.h"
#include "testing/mockhistory.h"
#include "testing/mockreview.h"
#include "testing/questionbank.h"

#include <QDateTime>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStackedWidget>

namespace {
using Palette::maroon;
using Palette::slate;
} // namespace

QPushButton *mockButton(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAccessibleName(QString(text).remove(QRegularExpression(QStringLiteral("\\s*\\(.*\\)"))));
    button->setGeometry(geometry);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    button->setFont(font);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { background: #800000; color: white; border: none; border-radius: 5px; padding: 0 10px; }"
        "QPushButton:hover { background: #a01010; color: #ffff00; }"
        "QPushButton:disabled { background: #c9b6b6; color: #f4eeee; }"));
    return button;
}

QLabel *mockLabel(QWidget *parent, const QString &name, const QRect &geometry, int pixels, const QColor &colour,
                  bool bold)
{
    return makeLabel(parent, {.name = name,
                              .geometry = geometry,
                              .font = pixelFont(QStringLiteral("Arial"), pixels, bold),
                              .colour = colour,
                              .wordWrap = true});
}

MockTestPage::MockTestPage(SessionState &state, QWidget *parent)
    : Page(QStringLiteral("MockT"), QStringLiteral("Mock Test"), QStringLiteral("MockBackground"), parent),
      m_state(state)
{
    setFocusPolicy(Qt::StrongFocus);
    m_views = new QStackedWidget(this);
    m_views->setObjectName(QStringLiteral("MockViews"));
    m_views->setGeometry(0, 0, Width, Height);
    buildQuestionView();
    buildOverview();
    m_result = new MockResultView;
    m_review = new MockReviewView;
    m_views->addWidget(m_result);
    m_views->addWidget(m_review);
    connect(m_result, &MockResultView::reviewRequested, this, [this] { showView(View::Review); });
    connect(m_result, &MockResultView::menuRequested, this, &MockTestPage::menuRequested);
    connect(m_review, &MockReviewView::resultRequested, this, [this] { showView(View::Result); });
    connect(m_review, &MockReviewView::menuRequested, this, &MockTestPage::menuRequested);
    connect(m_review, &MockReviewView::studyRequested, this, &MockTestPage::studyRequested);
    m_clock.setInterval(1000);
    connect(&m_clock, &QTimer::timeout, this, &MockTestPage::tick);
}

void MockTestPage::buildQuestionView()
{
    m_questionPane = new QWidget;
    m_questionPane->setObjectName(QStringLiteral("MockQuestionPane"));
    m_views->addWidget(m_questionPane);
    m_counter = mockLabel(m_questionPane, QStringLiteral("MockCounter"), {64, 52, 300, 28}, 20, maroon, true);
    m_section = mockLabel(m_questionPane, QStringLiteral("MockSection"), {330, 54, 400, 26}, 16, slate);
    m_clockLabel = mockLabel(m_questionPane, QStringLiteral("MockClock"), {744, 50, 240, 30}, 20, maroon, true);
    m_clockLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_question = new MockQuestionView(QStringLiteral("Mock"), m_questionPane);
    m_question->move(64, 96);
    connect(m_question, &MockQuestionView::optionClicked, this, &MockTestPage::choose);
    m_back = mockButton(m_questionPane, QStringLiteral("MockBack"), QStringLiteral("\u25C0 Back"), {64, 580, 110, 36});
    m_next = mockButton(m_questionPane, QStringLiteral("MockNext"), QStringLiteral("Next \u25B6"), {184, 580, 110, 36});
    m_flag = mockButton(m_questionPane, QStringLiteral("MockFlag"), QStringLiteral("Flag (F)"), {320, 580, 130, 36});
    m_overviewButton = mockButton(m_questionPane, QStringLiteral("MockOverviewButton"), QStringLiteral("Overview"),
                                  {460, 580, 130, 36});
    m_end =
        mockButton(m_questionPane, QStringLiteral("MockEnd"), QStringLiteral("End test (End)"), {844, 580, 140, 36});
    connect(m_back, &QPushButton::clicked, this, [this] { step(false); });
    connect(m_next, &QPushButton::clicked, this, [this] { step(true); });
    connect(m_flag, &QPushButton::clicked, this, &MockTestPage::toggleFlag);
    connect(m_overviewButton, &QPushButton::clicked, this, [this] { showView(View::Overview); });
    connect(m_end, &QPushButton::clicked, this, &MockTestPage::askEnd);
    m_notice = mockLabel(m_questionPane, QStringLiteral("MockNotice"), {64, 622, 920, 44}, 13, slate);
    m_notice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    buildConfirm();
}

void MockTestPage::buildConfirm()
{
    m_confirm = new QFrame(m_questionPane);
    m_confirm->setObjectName(QStringLiteral("MockConfirm"));
    m_confirm->setGeometry(64, 572, 920, 52);
    m_confirm->setStyleSheet(QStringLiteral("QFrame#MockConfirm { background: #fff6d5; border: 2px solid #800000;"
                                            " border-radius: 6px; }"));
    m_confirmText = mockLabel(m_confirm, QStringLiteral("MockConfirmText"), {12, 4, 600, 44}, 15, Qt::black, true);
    m_confirmText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPushButton *finish =
        mockButton(m_confirm, QStringLiteral("MockConfirmFinish"), QStringLiteral("Finish (Enter)"), {626, 8, 140, 36});
    QPushButton *keepGoing = mockButton(m_confirm, QStringLiteral("MockConfirmCancel"),
                                        QStringLiteral("Keep going (Esc)"), {774, 8, 136, 36});
    connect(finish, &QPushButton::clicked, this, &MockTestPage::finishTest);
    connect(keepGoing, &QPushButton::clicked, this, &MockTestPage::cancelEnd);
    m_confirm->hide();
}

void MockTestPage::buildOverview()
{
    m_overviewPane = new QWidget;
    m_overviewPane->setObjectName(QStringLiteral("MockOverview"));
    m_views->addWidget(m_overviewPane);
    mockLabel(m_overviewPane, QStringLiteral("MockOverviewTitle"), {64, 52, 700, 28}, 20, maroon, true)
        ->setText(QStringLiteral("All questions: click one to go to it"));
    mockLabel(m_overviewPane, QStringLiteral("MockOverviewLegend"), {64, 84, 920, 24}, 15, slate)
        ->setText(QStringLiteral("Blue: answered \u2003 White: not answered yet \u2003 \u2691 orange: flagged"));
    m_overviewScroll = new QScrollArea(m_overviewPane);
    m_overviewScroll->setObjectName(QStringLiteral("MockOverviewGrid"));
    m_overviewScroll->setGeometry(64, 116, 920, 450);
    m_overviewScroll->setFrameShape(QFrame::NoFrame);
    m_overviewScroll->setFocusPolicy(Qt::NoFocus);
    m_overviewScroll->setWidgetResizable(true);
    QPushButton *back = mockButton(m_overviewPane, QStringLiteral("MockOverviewBack"),
                                   QStringLiteral("Back to the question (Esc)"), {64, 580, 260, 36});
    connect(back, &QPushButton::clicked, this, [this] { showView(View::Question); });
}

void MockTestPage::fillOverview()
{
    auto *grid = new QWidget;
    auto *layout = new QGridLayout(grid);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    m_overviewButtons.clear();
    for (int i = 0; i < m_test.count(); ++i) {
        QPushButton *button = mockButton(grid, QStringLiteral("MockJump%1").arg(i + 1), QString::number(i + 1), {});
        button->setFixedSize(82, 40);
        connect(button, &QPushButton::clicked, this, [this, i] {
            m_test.goTo(i);
            showView(View::Question);
        });
        layout->addWidget(button, i / 10, i % 10);
        m_overviewButtons << button;
    }
    layout->setRowStretch(layout->rowCount(), 1);
    m_overviewScroll->setWidget(grid); // deletes the previous grid
}

bool MockTestPage::start()
{
    const LoadedMockSettings settings = loadMockSettings();
    const QString course = m_state.ctype.isEmpty() ? Course::codeOfIndex(m_state.RadioGroup1) : m_state.ctype;
    DrawnTest drawn = drawMockTest(settings.settings, course, *QRandomGenerator::global());
    QStringList notices = settings.problems;
    if (!drawn.damagedFiles.isEmpty())
        notices
            << QStringLiteral("Left out as missing or damaged: %1.").arg(drawn.damagedFiles.join(QStringLiteral(", ")));
    if (!drawn.shortage.isEmpty())
        notices << drawn.shortage;
    if (drawn.questions.isEmpty()) {
        Messages::show((notices << QStringLiteral("The question bank holds no question for this course, so no mock "
                                                  "test can be drawn."))
                           .join(u'\n'));
        return false;
    }
    m_test = MockTest(std::move(drawn));
    m_pictures.load(m_test.drawn().questions, m_question->pictureSize());
    m_review->setTest(&m_test, &m_pictures);
    fillOverview();
    m_notice->setText(notices.join(u' '));
    m_confirm->hide();
    showView(View::Question);
    if (!notices.isEmpty())
        Messages::show(notices.join(u'\n'));
    // The clock starts once the learner has read what the draw had to say.
    m_running = true;
    m_elapsed.start();
    m_clock.start();
    tick();
    return true;
}

MockTestPage::View MockTestPage::view() const
{
    const QWidget *shown = m_views->currentWidget();
    if (shown == m_overviewPane)
        return View::Overview;
    if (shown == m_result)
        return View::Result;
    if (shown == m_review)
        return View::Review;
    return View::Question;
}

bool MockTestPage::confirmingEnd() const
{
    return !m_confirm->isHidden();
}

void MockTestPage::setStudyCheck(std::function<bool(const StudyLink &)> check)
{
    m_review->setStudyCheck(std::move(check));
}

void MockTestPage::showView(View view)
{
    QWidget *panes[] = {m_questionPane, m_overviewPane, m_result, m_review};
    m_views->setCurrentWidget(panes[int(view)]);
    if (view == View::Question)
        showCurrent();
    if (view == View::Overview)
        for (int i = 0; i < m_overviewButtons.size(); ++i) {
            QPushButton *b = m_overviewButtons.at(i);
            const bool answered = m_test.answer(i) != 0, flagged = m_test.flagged(i);
            b->setText(QString::number(i + 1) + (flagged ? QStringLiteral(" \u2691") : QString()));
            b->setAccessibleName(QStringLiteral("Question %1, %2%3")
                                     .arg(i + 1)
                                     .arg(answered ? QStringLiteral("answered") : QStringLiteral("not answered"))
                                     .arg(flagged ? QStringLiteral(", flagged") : QString()));
            b->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: %2; border: 3px solid %3;"
                                            " border-radius: 5px; font-weight: %4; }")
                                 .arg(answered ? QStringLiteral("#213599") : QStringLiteral("white"),
                                      answered ? QStringLiteral("white") : QStringLiteral("black"),
                                      flagged ? QStringLiteral("#ff8000") : QStringLiteral("#b8c4d8"),
                                      i == m_test.current() ? QStringLiteral("bold") : QStringLiteral("normal")));
        }
}

void MockTestPage::showCurrent()
{
    if (m_test.isEmpty())
        return;
    const MockQuestion &q = m_test.currentQuestion();
    m_question->showQuestion(q, m_pictures.picture(q));
    m_question->markChosen(m_test.answer(m_test.current()));
    m_counter->setText(m_test.counterText());
    QString section = sectionName(q.section);
    section[0] = section[0].toUpper();
    m_section->setText(m_test.flagged(m_test.current()) ? section + QStringLiteral("  \u2691 flagged") : section);
    m_flag->setText(m_test.flagged(m_test.current()) ? QStringLiteral("Unflag (F)") : QStringLiteral("Flag (F)"));
    m_back->setEnabled(m_test.current() > 0);
    m_next->setEnabled(m_test.current() + 1 < m_test.count());
}

void MockTestPage::choose(int option)
{
    if (m_running && m_test.choose(option))
        m_question->markChosen(option);
}

void MockTestPage::step(bool forward)
{
    if (forward ? m_test.next() : m_test.previous())
        showCurrent();
}

void MockTestPage::toggleFlag()
{
    if (m_running && m_test.toggleFlag())
        showCurrent();
}

void MockTestPage::askEnd()
{
    if (!m_running)
        return;
    const int open = m_test.unanswered();
    m_confirmText->setText(
        open == 0
            ? QStringLiteral("Finish the test now?")
            : QStringLiteral("Not answered: %1 of %2 questions. Finish the test now?").arg(open).arg(m_test.count()));
    showView(View::Question);
    m_confirm->show();
    m_confirm->raise();
}

void MockTestPage::cancelEnd()
{
    m_confirm->hide();
}

int MockTestPage::secondsUsed() const
{
    return int(m_elapsed.elapsed() / 1000);
}

void MockTestPage::tick()
{
    const int left = m_test.limitSeconds() - secondsUsed();
    m_clockLabel->setText(QStringLiteral("Time left ") + clockText(left));
    if (left <= 0)
        finishTest();
}

void MockTestPage::finishTest()
{
    if (!m_running)
        return;
    m_running = false;
    m_clock.stop();
    m_confirm->hide();
    const MockResult result = m_test.result(secondsUsed());
    const QString course = m_state.ctype.isEmpty() ? Course::codeOfIndex(m_state.RadioGroup1) : m_state.ctype;
    QString note;
    if (!guarded([&] {
            MockHistory::recordTest(m_state.learnerName, QDateTime::currentDateTime(), course, m_test, result);
        }))
        note = QStringLiteral("This test could not be added to your progress history.");
    m_result->showResult(result, m_test.limitSeconds(), note);
    m_review->setTest(&m_test, &m_pictures);
    showView(View::Result);
}

void MockTestPage::showEvent(QShowEvent *event)
{
    Page::showEvent(event);
    setFocus();
}

bool MockTestPage::questionKey(QKeyEvent *event)
{
    const int key = event->key();
    if (confirmingEnd()) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            finishTest();
        else if (key == Qt::Key_Escape)
            cancelEnd();
        return true; // nothing else while the question is asked
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_4)
        choose(key - Qt::Key_0);
    else if (key == Qt::Key_Right || key == Qt::Key_Return || key == Qt::Key_Enter)
        step(true);
    else if (key == Qt::Key_Left)
        step(false);
    else if (key == Qt::Key_F)
        toggleFlag();
    else if (key == Qt::Key_End)
        askEnd();
    else if (key == Qt::Key_O)
        showView(View::Overview);
    else
        return false;
    return true;
}

void MockTestPage::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    bool handled = true;
    switch (view()) {
    case View::Question:
        handled = m_running && questionKey(event);
        break;
    case View::Overview:
        if (key == Qt::Key_Escape || key == Qt::Key_O)
            showView(View::Question);
        else
            handled = false;
        break;
    case View::Result:
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            showView(View::Review);
        else if (key == Qt::Key_Escape)
            emit menuRequested();
        else
            handled = false;
        break;
    case View::Review:
        if (key == Qt::Key_Right || key == Qt::Key_Left)
            m_review->step(key == Qt::Key_Right);
        else if (key == Qt::Key_Escape)
            showView(View::Result);
        else
            handled = false;
        break;
    }
    if (!handled)
        Page::keyPressEvent(event);
}
