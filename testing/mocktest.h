#pragma once

#include "testing/mocksettings.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <random>

class QRandomGenerator;

// Where a question's subject is taught: a rule page (by its object name) and one of its topic
// titles, written "Driverules|No-Parking Places and Distances" on line 12 of the question file.
struct StudyLink {
    QString page;
    QString topic;
    bool isValid() const { return !page.isEmpty() && !topic.isEmpty(); }
};
// The link of a line; invalid for an empty line or one that names no rule page.
StudyLink parseStudyLink(const QString &line);

// One question of a mock test, read whole when the test is drawn.
struct MockQuestion {
    int number = 0;
    QStringList lines;   // the question file's lines, eleven or more
    int section = 0;     // 0 rules of the road, 1 vehicle controls, 2 road signs
    int rightOption = 0; // 1..4

    QString text(int line) const { return lines.value(line); }
    QString explanation() const; // line 11, empty when the file has none
    StudyLink studyLink() const; // line 12
};

// A question file as a mock test question; nothing when its key or section code is unusable.
std::optional<MockQuestion> mockQuestion(int number, const QStringList &lines);

// The numbers of the bank (1..bankSize) that belong to a course, in order: the course ranges of
// the question walk decide. An unknown course code gets every number.
QList<int> courseQuestionNumbers(const QString &courseCode, int bankSize);

struct DrawnTest {
    QList<MockQuestion> questions; // in the order they are asked
    std::array<int, MockSettings::sectionCount> asked{};
    std::array<int, MockSettings::sectionCount> passMarks{};
    int minutes = 0;
    QStringList damagedFiles; // left out while drawing
    QString shortage;         // what the bank lacked, empty when the test is whole
};

// Draws a test afresh for a course from "Questions": per section as many questions as the
// settings ask, none twice, in random order. A file that is missing, damaged or has no usable key
// or section is left out and another taken. When the bank holds too few questions of a section
// the test asks what there is, with the pass mark scaled down alike (rounded up).
DrawnTest drawMockTest(const MockSettings &settings, const QString &courseCode, QRandomGenerator &random);

struct SectionResult {
    int right = 0;
    int asked = 0;
    int passMark = 0;
    bool passed() const { return right >= passMark; }
};

struct MockResult {
    std::array<SectionResult, MockSettings::sectionCount> sections;
    int secondsUsed = 0;
    // Every section must reach its own pass mark.
    bool passed() const;
};

// A test being taken: the learner's answers (0 for none) and flags, and the question on screen.
class MockTest {
public:
    MockTest() = default;
    explicit MockTest(DrawnTest drawn);

    int count() const { return int(m_drawn.questions.size()); }
    bool isEmpty() const { return m_drawn.questions.isEmpty(); }
    const DrawnTest &drawn() const { return m_drawn; }
    int limitSeconds() const { return m_drawn.minutes * 60; }

    int current() const { return m_current; }
    const MockQuestion &question(int index) const { return m_drawn.questions.at(index); }
    const MockQuestion &currentQuestion() const { return question(m_current); }
    int answer(int index) const { return m_answers.at(index); }
    bool flagged(int index) const { return m_flags.at(index); }
    bool isRight(int index) const { return answer(index) == question(index).rightOption; }
    int unanswered() const;
    // "Question 12 of 64"
    QString counterText() const;

    // Each returns false when it changed nothing.
    bool choose(int option);
    bool toggleFlag();
    bool goTo(int index);
    bool next() { return goTo(m_current + 1); }
    bool previous() { return goTo(m_current - 1); }

    MockResult result(int secondsUsed) const;

private:
    DrawnTest m_drawn;
    QList<int> m_answers;
    QList<bool> m_flags;
    int m_current = 0;
};

// Minutes and seconds, "mm:ss" ("75:00" for an hour and a quarter); negative counts as 0.
QString clockText(int seconds);
