#include "testing/mockhistory.h"

#include "base/dataerror.h"
#include "base/datapaths.h"
#include "base/linelistfile.h"
#include "base/safename.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace MockHistory {

namespace {

const QString stampFormat = QStringLiteral("yyyy-MM-dd HH:mm");

QString learnerFile(const QString &learnerName, const QString &suffix)
{
    if (const QString problem = fileNameProblem(learnerName, suffix); !problem.isEmpty())
        throw DataError(problem);
    return DataPaths::docDir + u'/' + learnerName + suffix;
}

std::optional<SectionResult> parseFraction(const QString &text)
{
    const QStringList parts = text.split(u'/');
    bool okRight = false, okAsked = false;
    if (parts.size() != 2)
        return std::nullopt;
    const int right = parts.at(0).toInt(&okRight), asked = parts.at(1).toInt(&okAsked);
    if (!okRight || !okAsked || right < 0 || asked < right)
        return std::nullopt;
    return SectionResult{right, asked, 0};
}

int sectionOfCode(const QString &code)
{
    return code == u"1" ? 0 : code == u"2" ? 1 : code == u"3" ? 2 : -1;
}

QStringList readLines(const QString &relativePath)
{
    const QString path = DataPaths::resolve(relativePath);
    return QFileInfo::exists(path) ? LineListFile::read(path) : QStringList();
}

} // namespace

QString historyFile(const QString &learnerName)
{
    return learnerFile(learnerName, QStringLiteral(".mock"));
}

QString answersFile(const QString &learnerName)
{
    return learnerFile(learnerName, QStringLiteral(".answers"));
}

QString historyLine(const QDateTime &when, const QString &course, const MockResult &result)
{
    QStringList fields{when.toString(stampFormat), course};
    for (const SectionResult &s : result.sections)
        fields << QStringLiteral("%1/%2").arg(s.right).arg(s.asked);
    fields << (result.passed() ? QStringLiteral("PASS") : QStringLiteral("FAIL"))
           << QString::number(result.secondsUsed);
    return fields.join(u';');
}

std::optional<Entry> parseHistoryLine(const QString &line)
{
    const QStringList fields = line.split(u';');
    if (fields.size() != 7)
        return std::nullopt;
    Entry entry;
    entry.when = QDateTime::fromString(fields.at(0), stampFormat);
    entry.course = fields.at(1);
    bool okSeconds = false;
    entry.secondsUsed = fields.at(6).toInt(&okSeconds);
    if (!entry.when.isValid() || !okSeconds || entry.secondsUsed < 0 ||
        (fields.at(5) != u"PASS" && fields.at(5) != u"FAIL"))
        return std::nullopt;
    entry.passed = fields.at(5) == u"PASS";
    for (int s = 0; s < MockSettings::sectionCount; ++s) {
        const std::optional<SectionResult> section = parseFraction(fields.at(2 + s));
        if (!section)
            return std::nullopt;
        entry.sections[s] = *section;
    }
    return entry;
}

QStringList answerLines(const QDateTime &when, const MockTest &test)
{
    QStringList lines;
    const QString stamp = when.toString(stampFormat);
    for (int i = 0; i < test.count(); ++i) {
        const MockQuestion &q = test.question(i);
        lines << QStringLiteral("%1;mock;%2;%3;%4;%5")
                     .arg(stamp)
                     .arg(q.number)
                     .arg(q.section + 1)
                     .arg(test.answer(i))
                     .arg(q.rightOption);
    }
    return lines;
}

QString drillLine(const QDateTime &when, const MockQuestion &question)
{
    return QStringLiteral("%1;drill;%2;%3;%4;%4")
        .arg(when.toString(stampFormat))
        .arg(question.number)
        .arg(question.section + 1)
        .arg(question.rightOption);
}

std::optional<AnswerRecord> parseAnswerLine(const QString &line)
{
    const QStringList fields = line.split(u';');
    if (fields.size() != 6 || !QDateTime::fromString(fields.at(0), stampFormat).isValid() ||
        (fields.at(1) != u"mock" && fields.at(1) != u"drill"))
        return std::nullopt;
    AnswerRecord record;
    record.kind = fields.at(1) == u"mock" ? AnswerRecord::Kind::Mock : AnswerRecord::Kind::Drill;
    bool ok[3] = {};
    record.number = fields.at(2).toInt(&ok[0]);
    record.section = sectionOfCode(fields.at(3));
    record.chosen = fields.at(4).toInt(&ok[1]);
    record.right = fields.at(5).toInt(&ok[2]);
    if (!ok[0] || !ok[1] || !ok[2] || record.number < 1 || record.section < 0 || record.chosen < 0 ||
        record.chosen > 4 || record.right < 1 || record.right > 4)
        return std::nullopt;
    return record;
}

void append(const QString &relativePath, const QStringList &lines)
{
    if (!QFileInfo::exists(DataPaths::resolve(DataPaths::docDir)))
        QDir().mkdir(DataPaths::docDir);
    // Read afresh: another run of the program may have added lines since this one started.
    const QStringList existing = readLines(relativePath);
    LineListFile::write(DataPaths::resolve(relativePath), existing + lines);
}

QList<Entry> readHistory(const QString &learnerName)
{
    QList<Entry> entries;
    for (const QString &line : readLines(historyFile(learnerName)))
        if (const std::optional<Entry> entry = parseHistoryLine(line))
            entries << *entry;
    return entries;
}

QList<AnswerRecord> readAnswers(const QString &learnerName)
{
    QList<AnswerRecord> records;
    for (const QString &line : readLines(answersFile(learnerName)))
        if (const std::optional<AnswerRecord> record = parseAnswerLine(line))
            records << *record;
    return records;
}

void recordTest(const QString &learnerName, const QDateTime &when, const QString &course, const MockTest &test,
                const MockResult &result)
{
    append(historyFile(learnerName), {historyLine(when, course, result)});
    append(answersFile(learnerName), answerLines(when, test));
}

QList<int> drillQuestions(const QList<AnswerRecord> &records)
{
    struct Tally {
        int wrong = 0;
        int lastWrong = -1;
        bool due = false;
    };
    QHash<int, Tally> tallies;
    for (int i = 0; i < records.size(); ++i) {
        Tally &t = tallies[records.at(i).number];
        t.due = !records.at(i).isRight();
        if (t.due) {
            ++t.wrong;
            t.lastWrong = i;
        }
    }
    QList<int> due;
    for (auto it = tallies.cbegin(); it != tallies.cend(); ++it)
        if (it->due)
            due << it.key();
    std::sort(due.begin(), due.end(), [&](int x, int y) {
        const Tally &a = tallies[x], &b = tallies[y];
        if (a.wrong != b.wrong)
            return a.wrong > b.wrong;
        if (a.lastWrong != b.lastWrong)
            return a.lastWrong > b.lastWrong;
        return x < y;
    });
    return due;
}

} // namespace MockHistory
