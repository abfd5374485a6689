#include "testing/myprogresspage.h"

#include "base/guard.h"
#include "base/sessionstate.h"
#include "controls/palette.h"
#include "testing/mocktestpage.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStackedWidget>

namespace {
using Palette::maroon;
using Palette::slate;
// The colours of the main menu's gauges: rules of the road, vehicle controls, road signs.
const QColor sectionColours[] = {QColor(220, 0, 0), QColor(255, 128, 0), QColor(0, 150, 0)};

QString pageTitle(const QString &page)
{
    if (page == u"Cardinal")
        return QStringLiteral("Cardinal Rules");
    if (page == u"Driving")
        return QStringLiteral("Defensive Driving");
    if (page == u"Responsibilities")
        return QStringLiteral("Driver Responsibilities");
    if (page == u"Driverules")
        return QStringLiteral("Driving Rules");
    return QStringLiteral("The Learner's Exam");
}
} // namespace

MockHistoryChart::MockHistoryChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ProgressChartHistory"));
    setAccessibleName(QStringLiteral("Mock test history chart"));
}

void MockHistoryChart::setHistory(const QList<MockHistory::Entry> &history, const MockSettings &settings)
{
    m_history = history.mid(std::max<qsizetype>(0, history.size() - maxTests));
    m_settings = settings;
    QStringList described;
    for (const MockHistory::Entry &e : m_history)
        described << e.when.toString(QStringLiteral("yyyy-MM-dd")) +
                         (e.passed ? QStringLiteral(" passed") : QStringLiteral(" failed"));
    setAccessibleDescription(described.join(QStringLiteral(", ")));
    update();
}

void MockHistoryChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const QRectF plot(44, 30, width() - 60, height() - 70);
    QFont small(QStringLiteral("Arial"));
    small.setPixelSize(12);
    p.setFont(small);
    p.setPen(QColor(200, 206, 220));
    for (int pct = 0; pct <= 100; pct += 25) {
        const qreal y = plot.bottom() - plot.height() * pct / 100;
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.drawText(QRectF(0, y - 8, plot.left() - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("%1%").arg(pct));
    }
    const int n = int(m_history.size());
    auto xAt = [&](int i) { return n <= 1 ? plot.center().x() : plot.left() + plot.width() * i / (n - 1); };
    for (int s = 0; s < MockSettings::sectionCount; ++s) {
        // The pass mark of the test as it is set now.
        const qreal mark = 100.0 * m_settings.passMarks[s] / m_settings.counts[s];
        const qreal y = plot.bottom() - plot.height() * mark / 100;
        p.setPen(QPen(sectionColours[s], 1.5, Qt::DashLine));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        QPainterPath line;
        for (int i = 0; i < n; ++i) {
            const SectionResult &r = m_history.at(i).sections[s];
            const QPointF at(xAt(i), plot.bottom() - plot.height() * (r.asked ? 100.0 * r.right / r.asked : 0) / 100);
            i == 0 ? line.moveTo(at) : line.lineTo(at);
            p.setPen(Qt::NoPen);
            p.setBrush(sectionColours[s]);
            p.drawEllipse(at, 4, 4);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(sectionColours[s], 2.5));
        p.drawPath(line);
        p.drawText(QRectF(plot.left() + 190 * s, 4, 190, 18), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("\u25CF ") + sectionName(s));
    }
    p.setPen(slate);
    if (n == 0)
        p.drawText(plot, Qt::AlignCenter, QStringLiteral("No mock test taken yet."));
    for (int i = 0; i < n; ++i)
        if (i == 0 || i == n - 1 || n <= 6)
            p.drawText(QRectF(xAt(i) - 40, plot.bottom() + 4, 80, 16), Qt::AlignCenter,
                       m_history.at(i).when.toString(QStringLiteral("d MMM")));
    p.drawText(QRectF(plot.left(), height() - 18, plot.width(), 16), Qt::AlignCenter,
               QStringLiteral("Dashed: the pass mark of each section"));
}

MyProgressPage::MyProgressPage(SessionState &state, QWidget *parent)
    : Page(QStringLiteral("ProgressT"), QStringLiteral("My Progress"), QStringLiteral("ProgressBackground"), parent),
      m_state(state)
{
    setFocusPolicy(Qt::StrongFocus);
    m_views = new QStackedWidget(this);
    m_views->setObjectName(QStringLiteral("ProgressViews"));
    m_views->setGeometry(0, 0, Width, Height);
    buildOverview();
    buildDrill();
}

void MyProgressPage::buildOverview()
{
    m_overview = new QWidget;
    m_views->addWidget(m_overview);
    m_chart = new MockHistoryChart(m_overview);
    m_chart->setGeometry(64, 56, 600, 330);
    m_summary = mockLabel(m_overview, QStringLiteral("ProgressSummary"), {690, 60, 294, 84}, 18, maroon, true);
    m_practise = mockButton(m_overview, QStringLiteral("ProgressPractise"), QStringLiteral("Practise my mistakes"),
                            {690, 156, 294, 44});
    m_drillNote = mockLabel(m_overview, QStringLiteral("ProgressDrillNote"), {690, 208, 294, 80}, 15, slate);
    m_topicsHeading =
        mockLabel(m_overview, QStringLiteral("ProgressTopicsHeading"), {64, 404, 920, 26}, 18, maroon, true);
    for (int i = 0; i < 5; ++i) {
        QPushButton *topic =
            mockButton(m_overview, QStringLiteral("ProgressTopic%1").arg(i + 1), {}, {64, 438 + 38 * i, 600, 32});
        topic->setStyleSheet(
            QStringLiteral("QPushButton { background: white; color: #800000; border: 1px solid #b8c4d8;"
                           " border-radius: 5px; text-align: left; padding: 0 10px; }"
                           "QPushButton:hover { border-color: #800000; }"));
        connect(topic, &QPushButton::clicked, this, [this, i] { emit studyRequested(m_topicLinks.value(i)); });
        m_topicButtons << topic;
    }
    QPushButton *menu =
        mockButton(m_overview, QStringLiteral("ProgressMenu"), QStringLiteral("Main menu (Esc)"), {824, 626, 160, 36});
    connect(m_practise, &QPushButton::clicked, this, &MyProgressPage::startDrill);
    connect(menu, &QPushButton::clicked, this, &MyProgressPage::menuRequested);
}

void MyProgressPage::buildDrill()
{
    m_drillPane = new QWidget;
    m_drillPane->setObjectName(QStringLiteral("ProgressDrill"));
    m_views->addWidget(m_drillPane);
    m_drillCounter = mockLabel(m_drillPane, QStringLiteral("DrillCounter"), {64, 52, 920, 28}, 18, maroon, true);
    m_drillQuestion = new MockQuestionView(QStringLiteral("Drill"), m_drillPane);
    m_drillQuestion->move(64, 88);
    connect(m_drillQuestion, &MockQuestionView::optionClicked, this, &MyProgressPage::answerDrill);
    m_drillVerdict = mockLabel(m_drillPane, QStringLiteral("DrillVerdict"), {64, 562, 300, 26}, 18, maroon, true);
    m_drillExplanation = mockLabel(m_drillPane, QStringLiteral("DrillExplanation"), {64, 588, 740, 78}, 15, slate);
    m_drillNext =
        mockButton(m_drillPane, QStringLiteral("DrillNext"), QStringLiteral("Next (Enter)"), {824, 570, 160, 36});
    QPushButton *stop =
        mockButton(m_drillPane, QStringLiteral("DrillStop"), QStringLiteral("Stop (Esc)"), {824, 626, 160, 36});
    connect(m_drillNext, &QPushButton::clicked, this, &MyProgressPage::nextDrillQuestion);
    connect(stop, &QPushButton::clicked, this, &MyProgressPage::stopDrill);
}

void MyProgressPage::open()
{
    m_views->setCurrentWidget(m_overview);
    QList<MockHistory::Entry> history;
    QList<MockHistory::AnswerRecord> answers;
    guarded([&] {
        history = MockHistory::readHistory(m_state.learnerName);
        answers = MockHistory::readAnswers(m_state.learnerName);
    });
    m_chart->setHistory(history, loadMockSettings().settings);
    const auto passed = std::count_if(history.begin(), history.end(), [](const auto &e) { return e.passed; });
    m_summary->setText(QStringLiteral("Mock tests taken: %1\nPassed: %2").arg(history.size()).arg(passed));
    m_drillNumbers = MockHistory::drillQuestions(answers);
    m_practise->setEnabled(!m_drillNumbers.isEmpty());
    m_drillNote->setText(m_drillNumbers.isEmpty()
                             ? QStringLiteral("No wrong answers from your mock tests wait to be practised.")
                             : QStringLiteral("To practise: %1 answered wrong in mock tests. Each comes back until "
                                              "you answer it right twice in a row.")
                                   .arg(m_drillNumbers.size()));
    showTopics(topicsMostWrong(answers, int(m_topicButtons.size())));
}

void MyProgressPage::showTopics(const QList<TopicCount> &topics)
{
    m_topicsHeading->setText(topics.isEmpty() ? QStringLiteral("Study topics with the most wrong answers: none yet")
                                              : QStringLiteral("Study topics with the most wrong answers"));
    m_topicLinks.clear();
    for (int i = 0; i < m_topicButtons.size(); ++i) {
        QPushButton *button = m_topicButtons.at(i);
        button->setVisible(i < topics.size());
        if (i >= topics.size())
            continue;
        const TopicCount &t = topics.at(i);
        m_topicLinks << t.link;
        button->setText(
            QStringLiteral("%1 (%2) \u2013 %3 wrong").arg(t.link.topic, pageTitle(t.link.page)).arg(t.wrong));
        button->setAccessibleName(button->text());
        button->setEnabled(!m_canStudy || m_canStudy(t.link));
    }
}

bool MyProgressPage::drilling() const
{
    return m_views->currentWidget() == m_drillPane;
}

void MyProgressPage::startDrill()
{
    QList<MockQuestion> questions;
    guarded([&] { questions = loadDrillQuestions(m_drillNumbers); });
    if (questions.isEmpty())
        return;
    m_pictures.load(questions, m_drillQuestion->pictureSize());
    m_drill = MistakeDrill(questions);
    m_views->setCurrentWidget(m_drillPane);
    showDrillQuestion();
}

void MyProgressPage::showDrillQuestion()
{
    m_answered = false;
    m_drillVerdict->clear();
    m_drillExplanation->clear();
    m_drillNext->setEnabled(false);
    m_drillQuestion->setVisible(!m_drill.finished());
    if (m_drill.finished()) {
        m_drillCounter->setText(QStringLiteral("Well done: every question was answered right twice in a row."));
        return;
    }
    m_drillQuestion->showQuestion(m_drill.current(), m_pictures.picture(m_drill.current()));
    m_drillQuestion->markChosen(0);
    m_drillQuestion->setOptionsEnabled(true);
    m_drillCounter->setText(QStringLiteral("To practise: %1 \u2013 this one answered right %2 of 2 times in a row")
                                .arg(m_drill.remaining())
                                .arg(m_drill.streak()));
}

void MyProgressPage::answerDrill(int option)
{
    if (m_answered || m_drill.finished())
        return;
    m_answered = true;
    const MockQuestion question = m_drill.current();
    const MistakeDrill::Outcome outcome = m_drill.answer(option);
    m_drillQuestion->markVerdict(option, question.rightOption);
    m_drillQuestion->setOptionsEnabled(false);
    m_drillVerdict->setText(outcome.right ? QStringLiteral("Right")
                                          : QStringLiteral("Wrong: the right answer is %1").arg(question.rightOption));
    m_drillExplanation->setText(question.explanation().isEmpty() ? QString()
                                                                 : QStringLiteral("Why: ") + question.explanation());
    m_drillCounter->setText(
        outcome.mastered
            ? QStringLiteral("Answered right twice in a row: this question is done. Left: %1").arg(m_drill.remaining())
            : QStringLiteral("To practise: %1 \u2013 this one answered right %2 of 2 times in a row")
                  .arg(m_drill.remaining())
                  .arg(outcome.streak));
    if (outcome.mastered)
        guarded([&] {
            MockHistory::append(MockHistory::answersFile(m_state.learnerName),
                                {MockHistory::drillLine(QDateTime::currentDateTime(), question)});
        });
    m_drillNext->setEnabled(true);
}

void MyProgressPage::nextDrillQuestion()
{
    if (m_answered)
        showDrillQuestion();
}

void MyProgressPage::stopDrill()
{
    open();
}

void MyProgressPage::showEvent(QShowEvent *event)
{
    Page::showEvent(event);
    setFocus();
}

void MyProgressPage::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (!drilling()) {
        if (key == Qt::Key_Escape)
            emit menuRequested();
        else
            Page::keyPressEvent(event);
        return;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_4)
        answerDrill(key - Qt::Key_0);
    else if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Right)
        nextDrillQuestion();
    else if (key == Qt::Key_Escape)
        stopDrill();
    else
        Page::keyPressEvent(event);
}
