// The data-directory checker, run as the learner's installer would run it: on the data directory
// the build assembles, on copies of it with one thing broken at a time, and on small made-up banks
// for the rules about the questions' content.

#include "base/linelistfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString checker = QStringLiteral(TARMIKA_CHECK);
const QString builtData = QStringLiteral(TARMIKA_DATA_DIR);
// The checks of files alone; the shipped bank does not carry its explanations and study topics yet.
const QString filesOnly = QStringLiteral("--files-only");

struct Run {
    int exitCode = -1;
    QStringList problems; // every line but the summary
    QString summary;      // the last line
    QString all;
};

Run runChecker(const QStringList &arguments)
{
    QProcess process;
    process.start(checker, arguments);
    Run run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.all = QString::fromUtf8(process.readAllStandardOutput());
    run.problems = run.all.split(u'\n', Qt::SkipEmptyParts);
    if (!run.problems.isEmpty())
        run.summary = run.problems.takeLast();
    return run;
}

// Copies a folder tree. With `linked` the files become hard links to the originals, which makes a
// copy of the data directory almost free; every change below then replaces a file rather than
// writing into it, so the originals stay as they are.
bool copyTree(const QString &from, const QString &to, bool linked)
{
    if (!QDir().mkpath(to))
        return false;
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QString target = to + u'/' + it.fileName();
        bool copied;
        if (it.fileInfo().isDir())
            copied = copyTree(it.filePath(), target, linked);
        else if (linked)
            copied = ::link(QFile::encodeName(it.filePath()).constData(), QFile::encodeName(target).constData()) == 0;
        else
            copied = QFile::copy(it.filePath(), target);
        if (!copied)
            return false;
    }
    return true;
}

// Replaces a file with new content (LineListFile::write replaces through QSaveFile likewise).
void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile::remove(path);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    file.write(bytes);
}

void setQuestionLine(const QString &dir, int number, int line, const QString &text)
{
    const QString path = dir + QStringLiteral("/Questions/") + QString::number(number) + QStringLiteral(".lrn");
    QStringList lines = LineListFile::read(path);
    lines[line] = text;
    LineListFile::write(path, lines);
}

void remove(const QString &path)
{
    QVERIFY2(QFile::remove(path), qPrintable(path));
}

// One way of breaking a copy of the data directory.
using Breakage = std::function<void(const QString &dir)>;

// A made-up bank, one list of lines per question, and one change to it.
using Bank = QList<QStringList>;
using BankChange = std::function<void(Bank &bank)>;

QStringList question(const QString &text, const QString &key, const QString &topic)
{
    return {text,
            u"A. First statement."_s,
            u"B. Second statement."_s,
            u"C. Third statement."_s,
            u"1. Only A is correct"_s,
            u"2. Only B is correct"_s,
            u"3. Only C is correct"_s,
            u"4. A and B are correct"_s,
            key,
            u"1"_s,
            u"0"_s,
            u"The rule says so, with its figure."_s,
            topic};
}

// Sound as it stands: keys never three in a row, and topics that need exact spelling (a title with a
// trailing blank, one with a typographic apostrophe).
Bank soundBank()
{
    return {question(u"What is the general speed limit in town?"_s, u"a1"_s, u"Cardinal|General Speed Limits"_s),
            question(u"How long is a learner's licence valid?"_s, u"a1"_s,
                     u"LearnersT|Learner’s Licence Validity: 24 Months"_s),
            question(u"How deep must the tread of a tyre be?"_s, u"b1"_s, u"Driverules|Tyres "_s),
            question(u"Where must a warning triangle be placed?"_s, u"c1"_s, u"Responsibilities|Emergency Triangles"_s),
            question(u"When may you drive on the shoulder?"_s, u"c1"_s, u"Driverules|Road Shoulders"_s),
            question(u"What must you do when you see a hazard?"_s, u"a1"_s, u"Driving|Observe"_s)};
}

} // namespace

Q_DECLARE_METATYPE(Breakage)
Q_DECLARE_METATYPE(BankChange)

class DataCheckTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void builtDataDirectoryIsComplete();
    void brokenCopyIsReported_data();
    void brokenCopyIsReported();
    void contentRulesOnAMadeUpBank_data();
    void contentRulesOnAMadeUpBank();
    void summaryCountsTheProblems();
    void refusesAMissingDirectory();
    void cleanupTestCase();

private:
    QString freshCopy();

    QTemporaryDir m_temp;
    QString m_pristine;
    int m_copies = 0;
};

void DataCheckTest::initTestCase()
{
    QVERIFY2(QFileInfo(checker).isExecutable(), qPrintable(checker));
    QVERIFY(m_temp.isValid());
    // The folders the checker reads, without the program and the learner files beside them.
    m_pristine = m_temp.filePath(QStringLiteral("pristine"));
    for (const QString &folder : QStringList{"Questions", "doc", "images", "adds"})
        QVERIFY2(copyTree(builtData + u'/' + folder, m_pristine + u'/' + folder, false), qPrintable(folder));
}

QString DataCheckTest::freshCopy()
{
    const QString dir = m_temp.filePath(QStringLiteral("copy%1").arg(++m_copies));
    if (!copyTree(m_pristine, dir, true))
        return {};
    return dir;
}

void DataCheckTest::builtDataDirectoryIsComplete()
{
    // The shipped data passes every rule, the content rules of the bank included.
    const Run run = runChecker({builtData});
    QVERIFY2(run.exitCode == 0, qPrintable(run.all));
    QVERIFY2(run.problems.isEmpty(), qPrintable(run.all));
    static const QRegularExpression ok(
        QStringLiteral("^OK: ([0-9]+) questions, 28 sign lists, 5 documents, ([0-9]+) pictures$"));
    const QRegularExpressionMatch match = ok.match(run.summary);
    QVERIFY2(match.hasMatch(), qPrintable(run.summary));
    // Every question file is counted, and the pictures include at least the road-sign table's.
    QCOMPARE(match.captured(1).toInt(), QDir(builtData + QStringLiteral("/Questions")).entryList(QDir::Files).size());
    QVERIFY(match.captured(2).toInt() > 500);
}

void DataCheckTest::brokenCopyIsReported_data()
{
    QTest::addColumn<Breakage>("breakage");
    // Each line the breakage must add to the report, as a pattern; empty: the copy stays sound.
    QTest::addColumn<QStringList>("expected");

    const QString qs = QStringLiteral("/Questions/");
    QTest::newRow("gap in the numbering")
        << Breakage([=](const QString &d) { remove(d + qs + QStringLiteral("57.lrn")); })
        << QStringList{QStringLiteral("^Questions/: question 57 is missing; questions must be numbered 1 to \\d+ "
                                      "without gaps\\.$")};
    QTest::newRow("bank ends inside the motorcycle range")
        << Breakage([=](const QString &d) {
               for (int n = 111; QFile::exists(d + qs + QString::number(n) + QStringLiteral(".lrn")); ++n)
                   remove(d + qs + QString::number(n) + QStringLiteral(".lrn"));
           })
        << QStringList{QStringLiteral("^Questions/: the bank ends at question 110, inside the motorcycle questions "
                                      "103 to 119; questions 111 to 119 are missing\\.$")};
    QTest::newRow("short question file") << Breakage([=](const QString &d) {
        const QString path = d + qs + QStringLiteral("12.lrn");
        LineListFile::write(path, LineListFile::read(path).mid(0, 9));
    }) << QStringList{QStringLiteral("^Questions/12\\.lrn has 9 lines; a question needs 11 ")};
    QTest::newRow("answer key in capitals")
        << Breakage([](const QString &d) { setQuestionLine(d, 20, 8, QStringLiteral("A1")); })
        << QStringList{QStringLiteral("^Questions/20\\.lrn: the answer key is \"A1\"; it must be exactly a1, b1, "
                                      "c1 or d1\\.$")};
    QTest::newRow("unknown section") << Breakage([](const QString &d) {
        setQuestionLine(d, 22, 9, QStringLiteral("4"));
    }) << QStringList{QStringLiteral("^Questions/22\\.lrn: the section is \"4\"; it must be exactly 1 ")};
    QTest::newRow("empty option") << Breakage([](const QString &d) { setQuestionLine(d, 23, 6, QString()); })
                                  << QStringList{QStringLiteral("^Questions/23\\.lrn: option 3 is empty\\.$")};
    QTest::newRow("question names a missing picture")
        << Breakage([](const QString &d) { setQuestionLine(d, 24, 10, QStringLiteral("nosuchpicture")); })
        << QStringList{QStringLiteral("^images/nosuchpicture\\.png is missing \\(named by question 24\\)\\.$")};
    QTest::newRow("question picture outside images")
        << Breakage([](const QString &d) { setQuestionLine(d, 25, 10, QStringLiteral("../doc/ver")); })
        << QStringList{QStringLiteral("^Questions/25\\.lrn: the picture \"\\.\\./doc/ver\" is not a picture name")};
    QTest::newRow("picture named in other letter case is found") << Breakage([](const QString &d) {
        setQuestionLine(d, 26, 10, QStringLiteral("QUEST"));
        QVERIFY(QFile::rename(d + QStringLiteral("/images/m4.png"), d + QStringLiteral("/images/M4.PNG")));
    }) << QStringList{};
    QTest::newRow("stray file among the questions")
        << Breakage([=](const QString &d) { writeBytes(d + qs + QStringLiteral("notes.txt"), "todo\n"); })
        << QStringList{QStringLiteral("^Questions/notes\\.txt is not a question file; the program counts every "
                                      "file in Questions/ as a question")};
    QTest::newRow("the same question twice in other letter case")
        << Breakage([=](const QString &d) {
               QVERIFY(QFile::copy(d + qs + QStringLiteral("5.lrn"), d + qs + QStringLiteral("5.LRN")));
           })
        << QStringList{QStringLiteral("^Questions/5\\.(lrn|LRN) and Questions/5\\.(lrn|LRN) are the same question "
                                      "twice\\.$")};
    QTest::newRow("folder among the questions is not counted")
        << Breakage([=](const QString &d) { QVERIFY(QDir().mkpath(d + qs + QStringLiteral("old"))); }) << QStringList{};
    QTest::newRow("sign list with a line too many")
        << Breakage([](const QString &d) {
               const QString path = d + QStringLiteral("/doc/TOURISM.lrn");
               LineListFile::write(path, LineListFile::read(path) << QStringLiteral("Tourist route"));
           })
        << QStringList{QStringLiteral("^doc/TOURISM\\.lrn has 3 lines; the road-sign browser has 2 pictures for "
                                      "TOURISM, one per line\\.$")};
    QTest::newRow("missing sign list") << Breakage([](const QString &d) {
        remove(d + QStringLiteral("/doc/RESERVATION & PARKING RESERVATION SIGNS.lrn"));
    }) << QStringList{QStringLiteral("^doc/RESERVATION & PARKING RESERVATION SIGNS\\.lrn is missing")};
    QTest::newRow("missing control picture")
        << Breakage([](const QString &d) { remove(d + QStringLiteral("/images/Cclutch.png")); })
        << QStringList{QStringLiteral("^images/Cclutch\\.png is missing \\(light vehicle control \"Clutch "
                                      "Pedal\"\\)\\.$")};
    QTest::newRow("missing sign picture")
        << Breakage([](const QString &d) { remove(d + QStringLiteral("/images/8450.png")); })
        << QStringList{QStringLiteral("^images/8450\\.png is missing \\(road sign 14 of COMBINATION SIGNS\\)\\.$")};
    QTest::newRow("missing course icon") << Breakage([](const QString &d) {
        remove(d + QStringLiteral("/images/mcs.png"));
    }) << QStringList{QStringLiteral("^images/mcs\\.png is missing \\(a course icon of the main menu\\)\\.$")};
    QTest::newRow("broken PNG") << Breakage([](const QString &d) {
        writeBytes(d + QStringLiteral("/images/dot2.png"), QByteArray::fromHex("89504e470d0a1a0a") + " garbage");
    })
                                << QStringList{QStringLiteral(
                                       "^images/dot2\\.png cannot be read as a picture \\(a picture of the question "
                                       "page\\)\\.$")};
    QTest::newRow("stray file among the adverts")
        << Breakage([](const QString &d) { writeBytes(d + QStringLiteral("/adds/Thumbs.db"), "x"); })
        << QStringList{QStringLiteral("^adds/Thumbs\\.db is not an advert picture; the program counts every file "
                                      "in adds/ as an advert")};
    QTest::newRow("gap among the adverts")
        << Breakage([](const QString &d) { remove(d + QStringLiteral("/adds/a1.png")); })
        << QStringList{QStringLiteral("^adds/: a1\\.png is missing; adverts must be numbered")};
    QTest::newRow("document that is not RTF")
        << Breakage([](const QString &d) { writeBytes(d + QStringLiteral("/doc/mve.rtf"), "Plain words\n"); })
        << QStringList{QStringLiteral("^doc/mve\\.rtf cannot be read as a rich-text document: ")};
    QTest::newRow("document without text")
        << Breakage([](const QString &d) { writeBytes(d + QStringLiteral("/doc/Hmvi.rtf"), "{\\rtf1\\ansi }"); })
        << QStringList{QStringLiteral("^doc/Hmvi\\.rtf holds no text \\(interior inspection\\)\\.$")};
    QTest::newRow("missing document") << Breakage([](const QString &d) {
        remove(d + QStringLiteral("/doc/Introduction to the Learner.rtf"));
    }) << QStringList{QStringLiteral("^doc/Introduction to the Learner\\.rtf is missing \\(the introduction\\)\\.$")};
}

void DataCheckTest::brokenCopyIsReported()
{
    QFETCH(Breakage, breakage);
    QFETCH(QStringList, expected);

    const QString dir = freshCopy();
    QVERIFY(!dir.isEmpty());
    breakage(dir);
    if (QTest::currentTestFailed())
        return;
    const Run run = runChecker({filesOnly, dir});

    QCOMPARE(run.problems.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const QRegularExpression pattern(expected.at(i));
        QVERIFY2(pattern.match(run.problems.at(i)).hasMatch(), qPrintable(run.all));
    }
    QCOMPARE(run.exitCode, expected.isEmpty() ? 0 : 1);
}

void DataCheckTest::contentRulesOnAMadeUpBank_data()
{
    QTest::addColumn<BankChange>("change");
    QTest::addColumn<QStringList>("expected"); // patterns of the lines the change must add

    QTest::newRow("sound bank") << BankChange([](Bank &) {}) << QStringList{};
    QTest::newRow("no explanation line")
        << BankChange([](Bank &b) { b[1] = b[1].mid(0, 11); })
        << QStringList{u"^Questions/2\\.lrn has no explanation; its 12th line must say"_s,
                       u"^Questions/2\\.lrn names no study topic; its 13th line must name the page and topic"_s};
    QTest::newRow("blank explanation") << BankChange([](Bank &b) { b[2][11] = u" \t "_s; })
                                       << QStringList{u"^Questions/3\\.lrn has no explanation; "_s};
    QTest::newRow("topic on no page")
        << BankChange([](Bank &b) { b[0][12] = u"Rules|General Speed Limits"_s; })
        << QStringList{u"^Questions/1\\.lrn: the study topic \"Rules\\|General Speed Limits\" names no study "
                       "page; it must start with Cardinal\\|, "_s};
    QTest::newRow("title of another page")
        << BankChange([](Bank &b) { b[3][12] = u"Driverules|Emergency Triangles"_s; })
        << QStringList{u"^Questions/4\\.lrn: the study topic \"Driverules\\|Emergency Triangles\" is not a "
                       "topic of Driverules\\.$"_s};
    QTest::newRow("title without its trailing blank")
        << BankChange([](Bank &b) { b[2][12] = u"Driverules|Tyres"_s; })
        << QStringList{u"^Questions/3\\.lrn: the study topic \"Driverules\\|Tyres\" is not a topic of "
                       "Driverules; the page writes that title \"Tyres \"\\.$"_s};
    QTest::newRow("key three times in a row")
        << BankChange([](Bank &b) { b[2][8] = u"a1"_s; })
        << QStringList{u"^Questions 1 to 3 all have the answer key a1; no key may come more than twice in a row"_s};
    QTest::newRow("same question in other case and spacing") << BankChange([](Bank &b) {
        b[5] = b[0];
        b[5][0] = u"  what is the GENERAL speed   limit in town? "_s;
        b[5][6] = u"3. A and C are correct"_s;
        b[5][8] = u"d1"_s;
    }) << QStringList{u"^Questions/1\\.lrn and Questions/6\\.lrn ask the same question: "_s};
    QTest::newRow("same text and statements with another picture") << BankChange([](Bank &b) {
        b[5][0] = b[0][0];
        b[5][10] = u"lv"_s;
    }) << QStringList{};
}

// A made-up bank in place of the shipped one: the files around it stay sound, so every problem
// reported comes from the questions' content.
void DataCheckTest::contentRulesOnAMadeUpBank()
{
    QFETCH(BankChange, change);
    QFETCH(QStringList, expected);

    const QString dir = freshCopy();
    QVERIFY(!dir.isEmpty());
    const QString questions = dir + QStringLiteral("/Questions");
    QVERIFY(QDir(questions).removeRecursively() && QDir().mkpath(questions));
    Bank bank = soundBank();
    change(bank);
    for (int i = 0; i < bank.size(); ++i)
        LineListFile::write(questions + u'/' + QString::number(i + 1) + QStringLiteral(".lrn"), bank.at(i));

    const Run run = runChecker({dir});
    QCOMPARE(run.problems.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const QRegularExpression pattern(expected.at(i));
        QVERIFY2(pattern.match(run.problems.at(i)).hasMatch(), qPrintable(run.all));
    }
    QCOMPARE(run.exitCode, expected.isEmpty() ? 0 : 1);
}

void DataCheckTest::summaryCountsTheProblems()
{
    const QString dir = freshCopy();
    QVERIFY(!dir.isEmpty());
    remove(dir + QStringLiteral("/images/m0.png"));
    Run run = runChecker({filesOnly, dir});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.summary, QStringLiteral("1 problem found"));

    remove(dir + QStringLiteral("/images/res16.png"));
    setQuestionLine(dir, 30, 9, QStringLiteral("RR"));
    run = runChecker({filesOnly, dir});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.problems.size(), 3);
    QCOMPARE(run.summary, QStringLiteral("3 problems found"));
}

void DataCheckTest::refusesAMissingDirectory()
{
    const Run run = runChecker({m_temp.filePath(QStringLiteral("nowhere"))});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.summary, QStringLiteral("1 problem found"));
    QCOMPARE(runChecker({}).exitCode, 1);
}

// The broken copies share their files with the sound one; none of the changes may reach it.
void DataCheckTest::cleanupTestCase()
{
    const Run run = runChecker({filesOnly, m_pristine});
    QVERIFY2(run.exitCode == 0, qPrintable(run.all));
}

QTEST_GUILESS_MAIN(DataCheckTest)
#include "tst_datacheck.moc"
