#include "testing/mocktest.h"

#include "base/dataerror.h"
#include "testing/questionbank.h"

#include <QRandomGenerator>

#include <algorithm>

namespace {

constexpr int explanationLine = QuestionBank::LineCount;   // 11
constexpr int studyLinkLine = QuestionBank::LineCount + 1; // 12

} // namespace

StudyLink parseStudyLink(const QString &line)
{
    static const QStringList pages{QStringLiteral("Cardinal"), QStringLiteral("Driving"),
                                   QStringLiteral("Responsibilities"), QStringLiteral("Driverules"),
                                   QStringLiteral("LearnersT")};
    const qsizetype bar = line.indexOf(u'|');
    if (bar < 0)
        return {};
    const QString page = line.left(bar).trimmed();
    const QString topic = line.mid(bar + 1).trimmed();
    if (!pages.contains(page) || topic.isEmpty())
        return {};
    return {page, topic};
}

QString MockQuestion::explanation() const
{
    return lines.value(explanationLine).trimmed();
}

StudyLink MockQuestion::studyLink() const
{
    return parseStudyLink(lines.value(studyLinkLine));
}

std::optional<MockQuestion> mockQuestion(int number, const QStringList &lines)
{
    if (lines.size() < QuestionBank::LineCount)
        return std::nullopt;
    const QuestionBank::AnswerFlags flags = QuestionBank::answerFlags(lines.at(QuestionBank::KeyLine));
    int right = 0;
    for (int option = 1; option <= 4; ++option)
        if (flags.forOption(option) == 1)
            right = option;
    const QString code = lines.at(QuestionBank::SectionLine);
    const int section = code == u"1" ? 0 : code == u"2" ? 1 : code == u"3" ? 2 : -1;
    if (right == 0 || section < 0)
        return std::nullopt;
    return MockQuestion{number, lines, section, right};
}

QList<int> courseQuestionNumbers(const QString &courseCode, int bankSize)
{
    // The walk of the question page decides which numbers a course meets.
    QList<int> numbers;
    for (int n = QuestionBank::nextQuestionNumber(0, courseCode).number; n >= 1 && n <= bankSize;) {
        numbers << n;
        const int following = QuestionBank::nextQuestionNumber(n, courseCode).number;
        if (following <= n)
            break;
        n = following;
    }
    return numbers;
}

namespace {

// A question of the bank when it can serve in a test; nothing (and its name noted) otherwise.
std::optional<MockQuestion> readCandidate(int number, QStringList &damaged)
{
    std::optional<MockQuestion> question;
    try {
        if (const std::optional<QStringList> lines = QuestionBank::load(number))
            question = mockQuestion(number, *lines);
    } catch (const DataError &) {
    }
    if (!question)
        damaged << QuestionBank::fileName(number);
    return question;
}

QString shortageText(const DrawnTest &test, const MockSettings &settings)
{
    QStringList parts;
    for (int s = 0; s < MockSettings::sectionCount; ++s)
        if (test.asked[s] < settings.counts[s])
            parts << QStringLiteral("%1 of the %2 %3 questions (pass mark %4)")
                         .arg(test.asked[s])
                         .arg(settings.counts[s])
                         .arg(sectionName(s))
                         .arg(test.passMarks[s]);
    if (parts.isEmpty())
        return {};
    return QStringLiteral("The question bank is too small for a whole test: it holds only %1. This test asks %2 "
                          "questions.")
        .arg(parts.join(QStringLiteral(", ")))
        .arg(test.questions.size());
}

} // namespace

DrawnTest drawMockTest(const MockSettings &settings, const QString &courseCode, QRandomGenerator &random)
{
    DrawnTest test;
    test.minutes = settings.minutes;
    QList<int> numbers = courseQuestionNumbers(courseCode, QuestionBank::CountFiles());
    std::shuffle(numbers.begin(), numbers.end(), random);
    // Files are read in random order only until every section is full.
    for (const int number : numbers) {
        if (test.asked == settings.counts)
            break;
        std::optional<MockQuestion> question = readCandidate(number, test.damagedFiles);
        if (!question || test.asked[question->section] >= settings.counts[question->section])
            continue;
        ++test.asked[question->section];
        test.questions << std::move(*question);
    }
    for (int s = 0; s < MockSettings::sectionCount; ++s) {
        // A short section keeps the proportion of right answers its pass mark asks.
        const int wanted = settings.counts[s];
        test.passMarks[s] = (settings.passMarks[s] * test.asked[s] + wanted - 1) / wanted;
    }
    std::shuffle(test.questions.begin(), test.questions.end(), random);
    test.shortage = shortageText(test, settings);
    return test;
}

bool MockResult::passed() const
{
    return std::all_of(sections.begin(), sections.end(), [](const SectionResult &s) { return s.passed(); });
}

MockTest::MockTest(DrawnTest drawn)
    : m_drawn(std::move(drawn)), m_answers(m_drawn.questions.size(), 0), m_flags(m_drawn.questions.size(), false)
{}

int MockTest::unanswered() const
{
    return int(std::count(m_answers.begin(), m_answers.end(), 0));
}

QString MockTest::counterText() const
{
    return QStringLiteral("Question %1 of %2").arg(m_current + 1).arg(count());
}

bool MockTest::choose(int option)
{
    if (isEmpty() || option < 1 || option > 4 || m_answers[m_current] == option)
        return false;
    m_answers[m_current] = option;
    return true;
}

bool MockTest::toggleFlag()
{
    if (isEmpty())
        return false;
    m_flags[m_current] = !m_flags[m_current];
    return true;
}

bool MockTest::goTo(int index)
{
    if (index < 0 || index >= count() || index == m_current)
        return false;
    m_current = index;
    return true;
}

MockResult MockTest::result(int secondsUsed) const
{
    MockResult result;
    result.secondsUsed = std::clamp(secondsUsed, 0, limitSeconds());
    for (int s = 0; s < MockSettings::sectionCount; ++s) {
        result.sections[s].asked = m_drawn.asked[s];
        result.sections[s].passMark = m_drawn.passMarks[s];
    }
    for (int i = 0; i < count(); ++i)
        if (isRight(i))
            ++result.sections[question(i).section].right;
    return result;
}

QString clockText(int seconds)
{
    seconds = std::max(seconds, 0);
    return QStringLiteral("%1:%2")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
