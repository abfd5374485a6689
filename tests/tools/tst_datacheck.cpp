// The data-directory checker, run as the learner's installer would run it: on the data directory
// the build assembles, and on copies of it with one thing broken at a time.

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

namespace {

const QString checker = QStringLiteral(TARMIKA_CHECK);
const QString builtData = QStringLiteral(TARMIKA_DATA_DIR);

struct Run {
    int exitCode = -1;
    QStringList problems;   // every line but the summary
    QString summary;        // the last line
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

void remove(const QString &path) { QVERIFY2(QFile::remove(path), qPrintable(path)); }

// One way of breaking a copy of the data directory.
using Breakage = std::function<void(const QString &dir)>;

} // namespace

Q_DECLARE_METATYPE(Breakage)

class DataCheckTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void builtDataDirectoryIsComplete();
    void brokenCopyIsReported_data();
    void brokenCopyIsReported();
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
    QTest::newRow("short question file")
        << Breakage([=](const QString &d) {
               const QString path = d + qs + QStringLiteral("12.lrn");
               LineListFile::write(path, LineListFile::read(path).mid(0, 9));
           })
        << QStringList{QStringLiteral("^Questions/12\\.lrn has 9 lines; a question needs 11 ")};
    QTest::newRow("answer key in capitals")
        << Breakage([](const QString &d) { setQuestionLine(d, 20, 8, QStringLiteral("A1")); })
        << QStringList{QStringLiteral("^Questions/20\\.lrn: the answer key is \"A1\"; it must be exactly a1, b1, "
                                      "c1 or d1\\.$")};
    QTest::newRow("unknown section")
        << Breakage([](const QString &d) { setQuestionLine(d, 22, 9, QStringLiteral("4")); })
        << QStringList{QStringLiteral("^Questions/22\\.lrn: the section is \"4\"; it must be exactly 1 ")};
    QTest::newRow("empty option")
        << Breakage([](const QString &d) { setQuestionLine(d, 23, 6, QString()); })
        << QStringList{QStringLiteral("^Questions/23\\.lrn: option 3 is empty\\.$")};
    QTest::newRow("question names a missing picture")
        << Breakage([](const QString &d) { setQuestionLine(d, 24, 10, QStringLiteral("nosuchpicture")); })
        << QStringList{QStringLiteral("^images/nosuchpicture\\.png is missing \\(named by question 24\\)\\.$")};
    QTest::newRow("question picture outside images")
        << Breakage([](const QString &d) { setQuestionLine(d, 25, 10, QStringLiteral("../doc/ver")); })
        << QStringList{QStringLiteral("^Questions/25\\.lrn: the picture \"\\.\\./doc/ver\" is not a picture name")};
    QTest::newRow("picture named in other letter case is found")
        << Breakage([](const QString &d) {
               setQuestionLine(d, 26, 10, QStringLiteral("QUEST"));
               QVERIFY(QFile::rename(d + QStringLiteral("/images/m4.png"), d + QStringLiteral("/images/M4.PNG")));
           })
        << QStringList{};
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
        << Breakage([=](const QString &d) { QVERIFY(QDir().mkpath(d + qs + QStringLiteral("old"))); })
        << QStringList{};
    QTest::newRow("sign list with a line too many")
        << Breakage([](const QString &d) {
               const QString path = d + QStringLiteral("/doc/TOURISM.lrn");
               LineListFile::write(path, LineListFile::read(path) << QStringLiteral("Tourist route"));
           })
        << QStringList{QStringLiteral("^doc/TOURISM\\.lrn has 3 lines; the road-sign browser has 2 pictures for "
                                      "TOURISM, one per line\\.$")};
    QTest::newRow("missing sign list")
        << Breakage([](const QString &d) {
               remove(d + QStringLiteral("/doc/RESERVATION & PARKING RESERVATION SIGNS.lrn"));
           })
        << QStringList{QStringLiteral("^doc/RESERVATION & PARKING RESERVATION SIGNS\\.lrn is missing")};
    QTest::newRow("missing control picture")
        << Breakage([](const QString &d) { remove(d + QStringLiteral("/images/Cclutch.png")); })
        << QStringList{QStringLiteral("^images/Cclutch\\.png is missing \\(light vehicle control \"Clutch "
                                      "Pedal\"\\)\\.$")};
    QTest::newRow("missing sign picture")
        << Breakage([](const QString &d) { remove(d + QStringLiteral("/images/8450.png")); })
        << QStringList{QStringLiteral("^images/8450\\.png is missing \\(road sign 14 of COMBINATION SIGNS\\)\\.$")};
    QTest::newRow("missing course icon")
        << Breakage([](const QString &d) { remove(d + QStringLiteral("/images/mcs.png")); })
        << QStringList{QStringLiteral("^images/mcs\\.png is missing \\(a course icon of the main menu\\)\\.$")};
    QTest::newRow("broken PNG")
        << Breakage([](const QString &d) {
               writeBytes(d + QStringLiteral("/images/dot2.png"), QByteArray::fromHex("89504e470d0a1a0a") + " garbage");
           })
        << QStringList{QStringLiteral("^images/dot2\\.png cannot be read as a picture \\(a picture of the question "
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
    QTest::newRow("missing document")
        << Breakage([](const QString &d) { remove(d + QStringLiteral("/doc/Introduction to the Learner.rtf")); })
        << QStringList{QStringLiteral("^doc/Introduction to the Learner\\.rtf is missing \\(the introduction\\)\\.$")};
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
    Run run = runChecker({dir});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.summary, QStringLiteral("1 problem found"));

    remove(dir + QStringLiteral("/images/res16.png"));
    setQuestionLine(dir, 30, 9, QStringLiteral("RR"));
    run = runChecker({dir});
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
    const Run run = runChecker({m_pristine});
    QVERIFY2(run.exitCode == 0, qPrintable(run.all));
}

QTEST_GUILESS_MAIN(DataCheckTest)
#include "tst_datacheck.moc"
