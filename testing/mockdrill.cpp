#include "testing/mockdrill.h"

#include "base/dataerror.h"
#include "testing/questionbank.h"

#include <QHash>
#include <QMap>

#include <algorithm>

MistakeDrill::MistakeDrill(const QList<MockQuestion> &questions)
{
    for (const MockQuestion &question : questions)
        m_queue.append(Item(question));
}

MistakeDrill::Outcome MistakeDrill::answer(int option)
{
    Outcome outcome;
    if (finished())
        return outcome;
    Item item = m_queue.takeFirst();
    outcome.right = option == item.question.rightOption;
    item.streak = outcome.right ? item.streak + 1 : 0;
    outcome.mastered = item.streak >= 2;
    outcome.streak = item.streak;
    if (!outcome.mastered)
        m_queue.append(std::move(item));
    return outcome;
}

namespace {

std::optional<MockQuestion> readQuestion(int number)
{
    try {
        if (const std::optional<QStringList> lines = QuestionBank::load(number))
            return mockQuestion(number, *lines);
    } catch (const DataError &) {
    }
    return std::nullopt;
}

} // namespace

QList<MockQuestion> loadDrillQuestions(const QList<int> &numbers)
{
    QList<MockQuestion> questions;
    for (const int number : numbers)
        if (std::optional<MockQuestion> question = readQuestion(number))
            questions << std::move(*question);
    return questions;
}

QList<TopicCount> topicsMostWrong(const QList<MockHistory::AnswerRecord> &records, int limit)
{
    QHash<int, int> wrongByQuestion;
    for (const MockHistory::AnswerRecord &r : records)
        if (r.kind == MockHistory::AnswerRecord::Kind::Mock && !r.isRight())
            ++wrongByQuestion[r.number];
    // Keyed by page and topic, so equal counts come in a stable order.
    QMap<std::pair<QString, QString>, int> byTopic;
    for (auto it = wrongByQuestion.cbegin(); it != wrongByQuestion.cend(); ++it)
        if (const std::optional<MockQuestion> q = readQuestion(it.key()); q && q->studyLink().isValid())
            byTopic[{q->studyLink().page, q->studyLink().topic}] += it.value();
    QList<TopicCount> topics;
    for (auto it = byTopic.cbegin(); it != byTopic.cend(); ++it)
        topics << TopicCount{{it.key().first, it.key().second}, it.value()};
    std::stable_sort(topics.begin(), topics.end(),
                     [](const TopicCount &a, const TopicCount &b) { return a.wrong > b.wrong; });
    if (topics.size() > limit)
        topics.resize(limit);
    return topics;
}
