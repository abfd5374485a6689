#include "testing/mockreview.h"

#include "controls/label.h"
#include "controls/palette.h"
#include "testing/mocktestpage.h"
#include "testing/questionbank.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {
using Palette::failRed;
using Palette::maroon;
using Palette::passGreen;
using Palette::slate;
} // namespace

MockResultView::MockResultView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MockResult"));
    m_verdict = mockLabel(this, QStringLiteral("MockVerdict"), {64, 70, 600, 56}, 40, passGreen, true);
    m_rule = mockLabel(this, QStringLiteral("MockPassRule"), {64, 130, 880, 26}, 16, slate);
    m_rule->setText(QStringLiteral("A pass needs every section at or above its pass mark."));
    const char *headings[] = {"Section", "Right / asked", "Pass mark", "Result"};
    const int columns[] = {64, 380, 580, 760};
    for (int c = 0; c < 4; ++c)
        mockLabel(this, QStringLiteral("MockResultHeading%1").arg(c), {columns[c], 182, 200, 26}, 16, slate, true)
            ->setText(QString::fromLatin1(headings[c]));
    for (int s = 0; s < MockSettings::sectionCount; ++s)
        for (int c = 0; c < 4; ++c)
            m_rows[s][c] = mockLabel(this, QStringLiteral("MockSection%1Column%2").arg(s).arg(c),
                                     {columns[c], 222 + 48 * s, 300, 34}, 22, Qt::black, c == 3);
    m_time = mockLabel(this, QStringLiteral("MockTimeUsed"), {64, 380, 880, 30}, 20, Qt::black);
    m_note = mockLabel(this, QStringLiteral("MockResultNote"), {64, 420, 880, 60}, 15, failRed);
    QPushButton *review = mockButton(this, QStringLiteral("MockReviewButton"), QStringLiteral("Review answers (Enter)"),
                                     {64, 500, 240, 40});
    QPushButton *menu =
        mockButton(this, QStringLiteral("MockResultMenu"), QStringLiteral("Main menu (Esc)"), {320, 500, 200, 40});
    connect(review, &QPushButton::clicked, this, &MockResultView::reviewRequested);
    connect(menu, &QPushButton::clicked, this, &MockResultView::menuRequested);
}

void MockResultView::showResult(const MockResult &result, int limitSeconds, const QString &note)
{
    m_verdict->setText(result.passed() ? QStringLiteral("PASSED") : QStringLiteral("FAILED"));
    setTextColour(m_verdict, result.passed() ? passGreen : failRed);
    for (int s = 0; s < MockSettings::sectionCount; ++s) {
        const SectionResult &r = result.sections[s];
        QString name = sectionName(s);
        name[0] = name[0].toUpper();
        m_rows[s][0]->setText(name);
        m_rows[s][1]->setText(QStringLiteral("%1 / %2").arg(r.right).arg(r.asked));
        m_rows[s][2]->setText(QString::number(r.passMark));
        m_rows[s][3]->setText(r.passed() ? QStringLiteral("passed") : QStringLiteral("failed"));
        setTextColour(m_rows[s][3], r.passed() ? passGreen : failRed);
    }
    m_time->setText(QStringLiteral("Time used %1 of %2").arg(clockText(result.secondsUsed), clockText(limitSeconds)));
    m_note->setText(note);
}

MockReviewView::MockReviewView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MockReview"));
    m_counter = mockLabel(this, QStringLiteral("ReviewCounter"), {64, 52, 560, 28}, 18, maroon, true);
    m_answers = mockLabel(this, QStringLiteral("ReviewAnswers"), {560, 52, 424, 28}, 16, Qt::black, true);
    m_answers->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_question = new MockQuestionView(QStringLiteral("Review"), this);
    m_question->move(64, 88);
    m_question->setOptionsEnabled(false);
    m_explanation = mockLabel(this, QStringLiteral("ReviewExplanation"), {64, 560, 920, 60}, 15, slate);
    m_previous =
        mockButton(this, QStringLiteral("ReviewPrevious"), QStringLiteral("\u25C0 Previous"), {64, 626, 130, 36});
    m_next = mockButton(this, QStringLiteral("ReviewNext"), QStringLiteral("Next \u25B6"), {204, 626, 110, 36});
    m_wrongOnly = new QCheckBox(QStringLiteral("Wrong answers only"), this);
    m_wrongOnly->setObjectName(QStringLiteral("ReviewWrongOnly"));
    m_wrongOnly->setAccessibleName(QStringLiteral("Wrong answers only"));
    m_wrongOnly->setGeometry(330, 626, 200, 36);
    m_wrongOnly->setFocusPolicy(Qt::NoFocus);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    m_wrongOnly->setFont(font);
    m_study = mockButton(this, QStringLiteral("ReviewStudy"), QStringLiteral("Study this"), {540, 626, 130, 36});
    QPushButton *result =
        mockButton(this, QStringLiteral("ReviewResult"), QStringLiteral("Result"), {684, 626, 110, 36});
    QPushButton *menu =
        mockButton(this, QStringLiteral("ReviewMenu"), QStringLiteral("Main menu"), {804, 626, 180, 36});
    connect(m_previous, &QPushButton::clicked, this, [this] { step(false); });
    connect(m_next, &QPushButton::clicked, this, [this] { step(true); });
    connect(m_wrongOnly, &QCheckBox::toggled, this, &MockReviewView::setWrongOnly);
    connect(m_study, &QPushButton::clicked, this, [this] {
        if (currentIndex() >= 0)
            emit studyRequested(m_test->question(currentIndex()).studyLink());
    });
    connect(result, &QPushButton::clicked, this, &MockReviewView::resultRequested);
    connect(menu, &QPushButton::clicked, this, &MockReviewView::menuRequested);
}

void MockReviewView::setTest(const MockTest *test, const MockPictures *pictures)
{
    m_test = test;
    m_pictures = pictures;
    m_wrongOnly->blockSignals(true);
    m_wrongOnly->setChecked(false);
    m_wrongOnly->blockSignals(false);
    setWrongOnly(false);
}

void MockReviewView::setWrongOnly(bool wrongOnly)
{
    if (m_wrongOnly->isChecked() != wrongOnly) {
        m_wrongOnly->setChecked(wrongOnly); // its toggle comes back here
        return;
    }
    const int keep = currentIndex();
    m_shown.clear();
    for (int i = 0; m_test && i < m_test->count(); ++i)
        if (!wrongOnly || !m_test->isRight(i))
            m_shown << i;
    // Stay on the question on screen when the filter keeps it.
    m_pos = std::max<int>(0, int(m_shown.indexOf(keep)));
    showCurrent();
}

int MockReviewView::currentIndex() const
{
    return m_pos >= 0 && m_pos < m_shown.size() ? m_shown.at(m_pos) : -1;
}

void MockReviewView::step(bool forward)
{
    const int to = m_pos + (forward ? 1 : -1);
    if (to < 0 || to >= m_shown.size())
        return;
    m_pos = to;
    showCurrent();
}

void MockReviewView::showCurrent()
{
    const int index = currentIndex();
    m_question->setVisible(index >= 0);
    m_previous->setEnabled(m_pos > 0);
    m_next->setEnabled(m_pos + 1 < m_shown.size());
    if (index < 0) {
        m_counter->setText(QStringLiteral("No wrong answers to review: every question was answered right."));
        m_answers->clear();
        m_explanation->clear();
        m_study->setEnabled(false);
        return;
    }
    const MockQuestion &q = m_test->question(index);
    const int chosen = m_test->answer(index);
    m_question->showQuestion(q, m_pictures ? m_pictures->picture(q) : QPixmap());
    m_question->markVerdict(chosen, q.rightOption);
    m_counter->setText(QStringLiteral("Review %1 of %2 \u2013 question %3 of the test, %4")
                           .arg(m_pos + 1)
                           .arg(m_shown.size())
                           .arg(index + 1)
                           .arg(m_test->isRight(index) ? QStringLiteral("right") : QStringLiteral("wrong")));
    m_answers->setText(QStringLiteral("Your answer: %1   Right answer: %2")
                           .arg(chosen ? QString::number(chosen) : QStringLiteral("none"))
                           .arg(q.rightOption));
    m_explanation->setText(q.explanation().isEmpty() ? QStringLiteral("No explanation is given for this question.")
                                                     : QStringLiteral("Why: ") + q.explanation());
    const StudyLink link = q.studyLink();
    m_study->setEnabled(link.isValid() && (!m_canStudy || m_canStudy(link)));
    m_study->setToolTip(link.isValid() ? link.topic : QString());
}
