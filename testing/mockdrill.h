#pragma once

#include "testing/mockhistory.h"
#include "testing/mocktest.h"

#include <QList>
#include <QString>

// "Practise my mistakes": the questions a learner got wrong in mock tests, each asked again until
// it is answered right twice in a row. A question answered goes to the back of the queue, so
// others come between its attempts while there are others.
class MistakeDrill {
public:
    MistakeDrill() = default;
    explicit MistakeDrill(const QList<MockQuestion> &questions);

    bool finished() const { return m_queue.isEmpty(); }
    int remaining() const { return int(m_queue.size()); }
    const MockQuestion &current() const { return m_queue.front().question; }
    int streak() const { return m_queue.front().streak; }

    struct Outcome {
        bool right = false;
        bool mastered = false; // right twice in a row: the question leaves the drill
        int streak = 0;        // right answers in a row to it now
    };
    // Judges an answer to the current question and moves on.
    Outcome answer(int option);

private:
    struct Item {
        MockQuestion question;
        int streak = 0;
        explicit Item(MockQuestion q) : question(std::move(q)) {}
    };
    QList<Item> m_queue;
};

// Reads the drill's questions from the bank, in the order of MockHistory::drillQuestions; a file
// that has gone missing or is damaged is left out.
QList<MockQuestion> loadDrillQuestions(const QList<int> &numbers);

// Study topics by the number of wrong answers in mock tests to questions that name them, most
// first (ties in page and topic order), at most `limit`.
struct TopicCount {
    StudyLink link;
    int wrong = 0;
};
QList<TopicCount> topicsMostWrong(const QList<MockHistory::AnswerRecord> &records, int limit);
