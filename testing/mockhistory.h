#pragma once

#include "testing/mocktest.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// A learner's mock test records, two line list files in "doc":
//   "<name>.mock"    one line per finished test:
//                    "yyyy-MM-dd HH:mm;course;rr right/asked;vc right/asked;rs right/asked;PASS|FAIL;seconds"
//   "<name>.answers" one line per question answered in a test or mastered in the drill:
//                    "yyyy-MM-dd HH:mm;mock|drill;question number;section code;chosen option;right option"
//                    (chosen 0: left unanswered)
// Both are read afresh before every append and written whole and atomically; a line that cannot
// be read is kept as it stands and skipped by the readers.
namespace MockHistory {

QString historyFile(const QString &learnerName);
QString answersFile(const QString &learnerName);

struct Entry {
    QDateTime when;
    QString course;
    std::array<SectionResult, MockSettings::sectionCount> sections;
    bool passed = false;
    int secondsUsed = 0;
};

QString historyLine(const QDateTime &when, const QString &course, const MockResult &result);
std::optional<Entry> parseHistoryLine(const QString &line);

struct AnswerRecord {
    enum class Kind { Mock, Drill };
    Kind kind = Kind::Mock;
    int number = 0;
    int section = 0; // 0..2
    int chosen = 0;
    int right = 0;
    bool isRight() const { return chosen == right; }
};
QStringList answerLines(const QDateTime &when, const MockTest &test);
QString drillLine(const QDateTime &when, const MockQuestion &question);
std::optional<AnswerRecord> parseAnswerLine(const QString &line);

// Appends lines to a learner's file: reads what is there, adds, writes the whole file atomically.
// Throws DataError when the name cannot serve as a file name or the file cannot be read or written.
void append(const QString &relativePath, const QStringList &lines);

// A learner's history, oldest first, and the answer records; unreadable lines are skipped. A
// missing file gives nothing.
QList<Entry> readHistory(const QString &learnerName);
QList<AnswerRecord> readAnswers(const QString &learnerName);

// Writes the finished test to both files.
void recordTest(const QString &learnerName, const QDateTime &when, const QString &course, const MockTest &test,
                const MockResult &result);

// The questions to practise: those whose latest record is a wrong answer, the most often wrong
// first, then the most recently wrong, then by number.
QList<int> drillQuestions(const QList<AnswerRecord> &records);

} // namespace MockHistory
