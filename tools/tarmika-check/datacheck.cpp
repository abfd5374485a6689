#include "datacheck.h"

#include "base/course.h"
#include "base/dataerror.h"
#include "base/datapaths.h"
#include "base/linelistfile.h"
#include "study/controlspagelayout.h"
#include "study/documentchoice.h"
#include "study/rtfreader.h"
#include "study/rulepagelayout.h"
#include "study/signpicturetable.h"
#include "study/studytexts.h"
#include "testing/questionbank.h"
#include "testing/questionpictures.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocument>

#include <algorithm>

namespace DataCheck {

namespace {

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

// "question 7" or "questions 7 to 9" for a run of missing numbers.
QString numberRun(const QString &singular, const QString &plural, int first, int last)
{
    return first == last ? singular + u' ' + QString::number(first)
                         : plural + u' ' + QString::number(first) + QStringLiteral(" to ") + QString::number(last);
}

// Runs of consecutive numbers missing from `present` between `from` and `to`.
QList<QPair<int, int>> gaps(const QSet<int> &present, int from, int to)
{
    QList<QPair<int, int>> runs;
    for (int n = from; n <= to; ++n) {
        if (present.contains(n))
            continue;
        if (!runs.isEmpty() && runs.last().second == n - 1)
            runs.last().second = n;
        else
            runs.append({n, n});
    }
    return runs;
}

// Entries of a data directory that are not directories (the ones the program counts), by name.
QStringList fileEntries(const QString &dir)
{
    QStringList names;
    const QFileInfoList entries =
        QDir(dir).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (!entry.isDir())
            names.append(entry.fileName());
    }
    return names;
}

class Checker {
public:
    Result result;

    void checkQuestions();
    void checkSignLists();
    void checkProgramPictures();
    void checkQuestionPictures();
    void checkAdverts();
    void checkDocuments();
    void checkContent();

private:
    void problem(const QString &text) { result.problems.append(text); }
    // Checks a picture once, however many uses name it; `use` says what shows it.
    void checkPicture(const QString &path, const QString &use, const char *format = nullptr);
    void checkQuestionFile(int number, const QString &path);
    void checkTeaching(const QString &path, const QStringList &lines);
    void checkKeyRuns();
    void checkRepeats();

    QSet<QString> m_checkedPictures;
    // Questions with all eleven lines the program reads, by number: the content rules look at these.
    struct Question {
        QString path;
        QStringList lines;
    };
    QMap<int, Question> m_questions;
    // Pictures named by questions, checked after the program's own so that a picture both use is
    // reported under the program's name for it.
    QList<QPair<QString, int>> m_questionPictures;
};

void Checker::checkPicture(const QString &path, const QString &use, const char *format)
{
    const QString resolved = DataPaths::resolve(path);
    const QString key = QFileInfo(resolved).absoluteFilePath().toLower();
    if (m_checkedPictures.contains(key))
        return;
    m_checkedPictures.insert(key);
    ++result.pictures;
    const QFileInfo info(resolved);
    if (!info.exists() || info.isDir()) {
        problem(QStringLiteral("%1 is missing (%2).").arg(path, use));
        return;
    }
    QImage image;
    if (!image.load(resolved, format) || image.isNull())
        problem(QStringLiteral("%1 cannot be read as a picture (%2).").arg(path, use));
}

void Checker::checkQuestions()
{
    const QString dir = DataPaths::resolve(DataPaths::questionsDir);
    if (!QFileInfo(dir).isDir()) {
        problem(QStringLiteral("The question folder Questions/ is missing."));
        return;
    }
    static const QRegularExpression questionName(QStringLiteral("^([1-9][0-9]{0,8})\\.lrn$"),
                                                 QRegularExpression::CaseInsensitiveOption);
    QMap<int, QString> files; // question number -> file name as it lies on disk
    for (const QString &name : fileEntries(dir)) {
        const QRegularExpressionMatch match = questionName.match(name);
        if (!match.hasMatch()) {
            problem(QStringLiteral("Questions/%1 is not a question file; the program counts every file in "
                                   "Questions/ as a question, so it must go.")
                        .arg(name));
            continue;
        }
        const int number = match.captured(1).toInt();
        if (files.contains(number)) {
            problem(QStringLiteral("Questions/%1 and Questions/%2 are the same question twice.")
                        .arg(files.value(number), name));
            continue;
        }
        files.insert(number, name);
    }
    result.questions = int(files.size());
    if (files.isEmpty()) {
        problem(QStringLiteral("The question folder Questions/ holds no questions."));
        return;
    }

    const int highest = files.lastKey();
    const QSet<int> present(files.keyBegin(), files.keyEnd());
    for (const auto &[first, last] : gaps(present, 1, highest)) {
        problem(QStringLiteral("Questions/: %1 missing; questions must be numbered 1 to %2 without gaps.")
                    .arg(numberRun(QStringLiteral("question"), QStringLiteral("questions"), first, last) +
                             (first == last ? QStringLiteral(" is") : QStringLiteral(" are")),
                         QString::number(highest)));
    }
    // The question page steps over a range as a whole, so a bank that reaches into one must hold
    // all of it.
    for (const QuestionBank::ReservedRange &range : QuestionBank::reservedRanges) {
        if (highest >= range.first && highest < range.last) {
            const QString belongsTo =
                range.motorcycle ? QStringLiteral("motorcycle questions") : QStringLiteral("motor vehicle questions");
            problem(
                QStringLiteral("Questions/: the bank ends at question %1, inside the %2 %3 to %4; %5 missing.")
                    .arg(QString::number(highest), belongsTo, QString::number(range.first), QString::number(range.last),
                         numberRun(QStringLiteral("question"), QStringLiteral("questions"), highest + 1, range.last) +
                             (highest + 1 == range.last ? QStringLiteral(" is") : QStringLiteral(" are"))));
        }
    }
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        checkQuestionFile(it.key(), QStringLiteral("Questions/") + it.value());
}

void Checker::checkQuestionFile(int number, const QString &path)
{
    QStringList lines;
    try {
        lines = LineListFile::read(DataPaths::resolve(path));
    } catch (const DataError &error) {
        problem(QStringLiteral("%1 cannot be read: %2").arg(path, error.text()));
        return;
    }
    using namespace QuestionBank;
    if (lines.size() < LineCount) {
        problem(QStringLiteral("%1 has %2 lines; a question needs %3 (question, three statements, four options, "
                               "answer key, section, picture).")
                    .arg(path, QString::number(lines.size()), QString::number(int(LineCount))));
        return;
    }
    m_questions.insert(number, {path, lines});
    if (lines.at(QuestionLine).trimmed().isEmpty())
        problem(QStringLiteral("%1: the question text is empty.").arg(path));
    for (int option = Option1; option <= Option4; ++option) {
        if (lines.at(option).trimmed().isEmpty())
            problem(QStringLiteral("%1: option %2 is empty.").arg(path, QString::number(option - Option1 + 1)));
    }
    if (!answerFlags(lines.at(KeyLine)).any()) {
        problem(QStringLiteral("%1: the answer key is %2; it must be exactly a1, b1, c1 or d1.")
                    .arg(path, quoted(lines.at(KeyLine))));
    }
    if (!sectionTypeText(lines.at(SectionLine))) {
        problem(QStringLiteral("%1: the section is %2; it must be exactly 1 (road rules), 2 (vehicle controls) "
                               "or 3 (road signs).")
                    .arg(path, quoted(lines.at(SectionLine))));
    }
    const QString &picture = lines.at(PictureLine);
    if (pictureKind(picture) != PictureKind::File)
        return;
    if (picture.isEmpty() || picture.contains(u'/') || picture.contains(u'\\') || picture.startsWith(u'.')) {
        problem(QStringLiteral("%1: the picture %2 is not a picture name; it must be 0, m, lv or the name of a "
                               "picture in images/.")
                    .arg(path, quoted(picture)));
        return;
    }
    m_questionPictures.append({DataPaths::imagesDir + u'/' + picture + QStringLiteral(".png"), number});
}

void Checker::checkQuestionPictures()
{
    for (const auto &[path, number] : m_questionPictures)
        checkPicture(path, QStringLiteral("named by question %1").arg(number));
}

void Checker::checkSignLists()
{
    for (const QString &category : SignPictureTable::categories()) {
        const QString path = DataPaths::docDir + u'/' + category + QStringLiteral(".lrn");
        const QString resolved = DataPaths::resolve(path);
        if (!QFileInfo(resolved).isFile()) {
            problem(QStringLiteral("%1 is missing (the sign list of %2).").arg(path, category));
            continue;
        }
        QStringList lines;
        try {
            lines = LineListFile::read(resolved);
        } catch (const DataError &error) {
            problem(QStringLiteral("%1 cannot be read: %2").arg(path, error.text()));
            continue;
        }
        ++result.signLists;
        const int rows = SignPictureTable::rowCount(category);
        if (lines.size() != rows) {
            problem(QStringLiteral("%1 has %2 lines; the road-sign browser has %3 pictures for %4, one per line.")
                        .arg(path, QString::number(lines.size()), QString::number(rows), category));
        }
    }
}

void Checker::checkProgramPictures()
{
    const auto image = [](const QString &name) { return DataPaths::imagesDir + u'/' + name + QStringLiteral(".png"); };
    for (const QString &name : QuestionPictures::all())
        checkPicture(image(name), QStringLiteral("a picture of the question page"));
    for (const QString &name : Course::allIconPictures())
        checkPicture(image(name), QStringLiteral("a course icon of the main menu"));

    const QStringList cardinal = RulePictureTables::cardinal();
    for (int row = 0; row < cardinal.size(); ++row)
        checkPicture(image(cardinal.at(row)), QStringLiteral("cardinal rules topic %1").arg(row + 1));
    const QStringList responsibilities = RulePictureTables::responsibilities();
    for (int row = 0; row < responsibilities.size(); ++row)
        checkPicture(image(responsibilities.at(row)), QStringLiteral("driver responsibilities topic %1").arg(row + 1));

    using ControlsPageLayout::Kind;
    for (const auto &[kind, page] : {std::pair{Kind::MotorcycleT, QStringLiteral("motorcycle")},
                                     std::pair{Kind::LightVT, QStringLiteral("light vehicle")}}) {
        const ControlsPageLayout::Look look = ControlsPageLayout::look(kind);
        checkPicture(look.restingPicture, QStringLiteral("resting picture of the %1 controls").arg(page));
        for (const ControlsPageLayout::Control &control : look.controls) {
            checkPicture(control.picture, QStringLiteral("%1 control %2").arg(page, quoted(control.caption.trimmed())));
        }
    }

    checkPicture(image(QStringLiteral("rs")), QStringLiteral("the general road-sign picture"));
    for (const QString &category : SignPictureTable::categories()) {
        const int rows = SignPictureTable::rowCount(category);
        for (int row = 0; row < rows; ++row) {
            if (const std::optional<QString> id = SignPictureTable::identifier(category, row))
                checkPicture(image(*id), QStringLiteral("road sign %1 of %2").arg(row + 1).arg(category));
        }
    }
}

void Checker::checkAdverts()
{
    const QString dir = DataPaths::resolve(DataPaths::advertsDir);
    if (!QFileInfo(dir).isDir()) {
        problem(QStringLiteral("The advert folder adds/ is missing."));
        return;
    }
    static const QRegularExpression advertName(QStringLiteral("^a(0|[1-9][0-9]{0,8})\\.png$"),
                                               QRegularExpression::CaseInsensitiveOption);
    QMap<int, QString> adverts;
    for (const QString &name : fileEntries(dir)) {
        const QRegularExpressionMatch match = advertName.match(name);
        if (!match.hasMatch()) {
            problem(QStringLiteral("adds/%1 is not an advert picture; the program counts every file in adds/ as an "
                                   "advert, so it must go.")
                        .arg(name));
            continue;
        }
        const int number = match.captured(1).toInt();
        if (adverts.contains(number)) {
            problem(QStringLiteral("adds/%1 and adds/%2 are the same advert twice.").arg(adverts.value(number), name));
            continue;
        }
        adverts.insert(number, name);
    }
    if (adverts.isEmpty()) {
        problem(QStringLiteral("The advert folder adds/ holds no adverts (a0.png, a1.png and so on)."));
        return;
    }
    const QSet<int> present(adverts.keyBegin(), adverts.keyEnd());
    for (const auto &[first, last] : gaps(present, 0, adverts.lastKey())) {
        problem(QStringLiteral("adds/: %1 missing; adverts must be numbered a0.png, a1.png and so on without gaps.")
                    .arg(first == last ? QStringLiteral("a%1.png is").arg(first)
                                       : QStringLiteral("a%1.png to a%2.png are").arg(first).arg(last)));
    }
    for (auto it = adverts.cbegin(); it != adverts.cend(); ++it)
        checkPicture(QStringLiteral("adds/") + it.value(), QStringLiteral("an advert"), "PNG");
}

void Checker::checkDocuments()
{
    const QList<QPair<QString, QString>> documents{
        {DocumentChoice::introduction, QStringLiteral("the introduction")},
        {DocumentChoice::exteriorInspection(0), QStringLiteral("exterior inspection, heavy motor vehicle")},
        {DocumentChoice::exteriorInspection(1), QStringLiteral("exterior inspection, light motor vehicle")},
        {DocumentChoice::exteriorInspection(2), QStringLiteral("exterior inspection, motorcycle")},
        {DocumentChoice::interiorInspection(0), QStringLiteral("interior inspection")},
    };
    QSet<QString> seen;
    for (const auto &[path, use] : documents) {
        if (seen.contains(path))
            continue;
        seen.insert(path);
        const QString resolved = DataPaths::resolve(path);
        if (!QFileInfo(resolved).isFile()) {
            problem(QStringLiteral("%1 is missing (%2).").arg(path, use));
            continue;
        }
        QTextDocument document;
        QString error;
        if (!RtfReader::loadFile(resolved, &document, &error)) {
            problem(QStringLiteral("%1 cannot be read as a rich-text document: %2").arg(path, error));
            continue;
        }
        if (document.toPlainText().trimmed().isEmpty()) {
            problem(QStringLiteral("%1 holds no text (%2).").arg(path, use));
            continue;
        }
        ++result.documents;
    }
}

// Lines after the eleven the question page reads: what the learner is told after answering, and
// where the rule is taught.
constexpr int explanationLine = QuestionBank::LineCount;
constexpr int topicLine = QuestionBank::LineCount + 1;

// Topic titles by rule-page name ("Driverules"), from the pages' own tables.
const QHash<QString, QStringList> &topicsByPage()
{
    static const QHash<QString, QStringList> pages = [] {
        QHash<QString, QStringList> byPage;
        for (const RulePageLayout::Kind kind : RulePageLayout::kinds) {
            const RulePageLayout::Layout layout = RulePageLayout::layout(kind);
            byPage.insert(layout.page, StudyTexts::titles(layout.textSet));
        }
        return byPage;
    }();
    return pages;
}

void Checker::checkTeaching(const QString &path, const QStringList &lines)
{
    if (lines.value(explanationLine).trimmed().isEmpty())
        problem(QStringLiteral("%1 has no explanation; its 12th line must say in a sentence or two why the right "
                               "answer is right.")
                    .arg(path));
    const QString topic = lines.value(topicLine);
    if (topic.trimmed().isEmpty()) {
        problem(QStringLiteral("%1 names no study topic; its 13th line must name the page and topic that teach it, "
                               "as Driverules|Stopping and Parking.")
                    .arg(path));
        return;
    }
    const qsizetype bar = topic.indexOf(u'|');
    const QString page = topic.left(bar);
    const QString title = topic.mid(bar + 1);
    if (bar < 0 || !topicsByPage().contains(page)) {
        problem(QStringLiteral("%1: the study topic %2 names no study page; it must start with Cardinal|, Driving|, "
                               "Responsibilities|, Driverules| or LearnersT|.")
                    .arg(path, quoted(topic)));
        return;
    }
    const QStringList &titles = topicsByPage().value(page);
    if (titles.contains(title))
        return;
    // A title that differs only in blanks or letter case is almost always meant: say how it is written.
    const auto near = std::find_if(titles.cbegin(), titles.cend(), [&](const QString &t) {
        return t.trimmed().compare(title.trimmed(), Qt::CaseInsensitive) == 0;
    });
    problem(QStringLiteral("%1: the study topic %2 is not a topic of %3%4.")
                .arg(path, quoted(topic), page,
                     near == titles.cend() ? QString()
                                           : QStringLiteral("; the page writes that title %1").arg(quoted(*near))));
}

void Checker::checkKeyRuns()
{
    // A run is broken by a missing number or a question without a valid key.
    int first = 0, last = 0;
    QString key;
    const auto report = [&] {
        if (last - first >= 2)
            problem(QStringLiteral("Questions %1 to %2 all have the answer key %3; no key may come more than twice in "
                                   "a row, or learners learn the positions instead of the rules.")
                        .arg(QString::number(first), QString::number(last), key));
    };
    for (auto it = m_questions.cbegin(); it != m_questions.cend(); ++it) {
        const QString &k = it->lines.at(QuestionBank::KeyLine);
        if (!QuestionBank::answerFlags(k).any()) {
            report();
            first = last = 0;
            key.clear();
            continue;
        }
        if (k == key && it.key() == last + 1) {
            last = it.key();
            continue;
        }
        report();
        first = last = it.key();
        key = k;
    }
    report();
}

// Two questions are the same when their question text, statements and picture agree once letter
// case is ignored and every run of blanks counts as one. The options are left out: the same
// statements with reshuffled options still ask the same thing.
void Checker::checkRepeats()
{
    QHash<QString, int> firstAsking;
    for (auto it = m_questions.cbegin(); it != m_questions.cend(); ++it) {
        QStringList parts;
        for (int line : {int(QuestionBank::QuestionLine), int(QuestionBank::StatementA), int(QuestionBank::StatementB),
                         int(QuestionBank::StatementC), int(QuestionBank::PictureLine)})
            parts.append(it->lines.at(line).simplified().toCaseFolded());
        const QString identity = parts.join(u'\n');
        const auto earlier = firstAsking.constFind(identity);
        if (earlier == firstAsking.cend()) {
            firstAsking.insert(identity, it.key());
            continue;
        }
        problem(QStringLiteral("%1 and %2 ask the same question: the same question text, statements and picture "
                               "(letter case and spacing aside).")
                    .arg(m_questions.value(*earlier).path, it->path));
    }
}

void Checker::checkContent()
{
    for (const Question &question : std::as_const(m_questions))
        checkTeaching(question.path, question.lines);
    checkKeyRuns();
    checkRepeats();
}

} // namespace

Result checkCurrentDirectory(Rules rules)
{
    Checker checker;
    checker.checkQuestions();
    if (rules == Rules::FilesAndContent)
        checker.checkContent();
    checker.checkSignLists();
    checker.checkProgramPictures();
    checker.checkQuestionPictures();
    checker.checkAdverts();
    checker.checkDocuments();
    return checker.result;
}

QString summary(const Result &result)
{
    if (!result.ok()) {
        const qsizetype n = result.problems.size();
        return QStringLiteral("%1 %2 found")
            .arg(n)
            .arg(n == 1 ? QStringLiteral("problem") : QStringLiteral("problems"));
    }
    return QStringLiteral("OK: %1 questions, %2 sign lists, %3 documents, %4 pictures")
        .arg(result.questions)
        .arg(result.signLists)
        .arg(result.documents)
        .arg(result.pictures);
}

} // namespace DataCheck
