#include "base/linelistfile.h"
#include "testing/mockdrill.h"
#include "testing/mockhistory.h"
#include "testing/mocksettings.h"
#include "testing/mocktest.h"

#include "testingfixture.h"

#include <QRandomGenerator>
#include <QSet>
#include <QtTest>

// The mock test's rules on real files: drawing, scoring, settings, history and answer records, and
// the drill's order.
class TestMockTest : public QObject {
    Q_OBJECT

private slots:
    void drawAsksEachSectionItsCountOnceForTheCourse_data();
    void drawAsksEachSectionItsCountOnceForTheCourse();
    void drawLeavesOutDamagedFilesAndSaysSo();
    void tooSmallBankGivesWhatThereIsWithScaledPassMark();
    void everySectionMustReachItsPassMark_data();
    void everySectionMustReachItsPassMark();
    void settingsFileFallsBackLineByLine_data();
    void settingsFileFallsBackLineByLine();
    void historyAppendKeepsEveryLineAlreadyThere();
    void drillAsksWrongQuestionsMostOftenWrongFirst();
    void drillQuestionLeavesAfterTwoRightInARow();
};

namespace {

// A question file with lines 0-10, and lines 11 and 12 when given.
void writeQuestion(const TempDataDir &dir, int n, const QString &section, const QString &key = QStringLiteral("b1"),
                   const QStringList &extra = {})
{
    const QString t = QString::number(n);
    dir.writeLines(QStringLiteral("Questions/%1.lrn").arg(t),
                   QStringList{QStringLiteral("Question ") + t, QStringLiteral("A."), QStringLiteral("B."),
                               QStringLiteral("C."), QStringLiteral("1."), QStringLiteral("2."), QStringLiteral("3."),
                               QStringLiteral("4."), key, section, QStringLiteral("0")} +
                       extra);
}

// Questions 1..size: every eighth one vehicle controls, the rest alternating rules and signs.
void writeBank(const TempDataDir &dir, int size)
{
    for (int n = 1; n <= size; ++n)
        writeQuestion(dir, n, n % 8 == 0 ? QStringLiteral("2") : n % 2 ? QStringLiteral("1") : QStringLiteral("3"));
}

MockSettings settings(int rr, int vc, int rs, int prr, int pvc, int prs)
{
    MockSettings s;
    s.counts = {rr, vc, rs};
    s.passMarks = {prr, pvc, prs};
    return s;
}

// A test whose learner answers right as many questions of each section as given.
MockResult resultWithRight(MockTest &test, std::array<int, 3> right)
{
    for (int i = 0; i < test.count(); ++i) {
        test.goTo(i);
        const MockQuestion &q = test.currentQuestion();
        const bool answerRight = right[q.section]-- > 0;
        test.choose(answerRight ? q.rightOption : q.rightOption % 4 + 1);
    }
    return test.result(100);
}

} // namespace

void TestMockTest::drawAsksEachSectionItsCountOnceForTheCourse_data()
{
    QTest::addColumn<QString>("course");
    QTest::addColumn<QList<int>>("never"); // first and last number of each range the course never meets
    QTest::newRow("motorcycle") << "m" << QList<int>{127, 138, 150, 157};
    QTest::newRow("light vehicle") << "lv" << QList<int>{103, 119};
    QTest::newRow("heavy vehicle") << "hv" << QList<int>{103, 119};
}

void TestMockTest::drawAsksEachSectionItsCountOnceForTheCourse()
{
    QFETCH(QString, course);
    QFETCH(QList<int>, never);
    TempDataDir dir;
    writeBank(dir, 400);
    QRandomGenerator random(7);
    QSet<int> seen;
    for (int run = 0; run < 20; ++run) {
        const DrawnTest test = drawMockTest(MockSettings(), course, random);
        QCOMPARE(test.questions.size(), 64);
        std::array<int, 3> perSection{};
        QSet<int> numbers;
        for (const MockQuestion &q : test.questions) {
            ++perSection[q.section];
            numbers << q.number;
            for (int r = 0; r < never.size(); r += 2)
                QVERIFY2(q.number < never.at(r) || q.number > never.at(r + 1), qPrintable(QString::number(q.number)));
        }
        QCOMPARE(numbers.size(), 64);
        QCOMPARE(perSection, (std::array<int, 3>{28, 8, 28}));
        QVERIFY(test.damagedFiles.isEmpty() && test.shortage.isEmpty());
        seen += numbers;
    }
    // Drawn afresh: twenty tests together meet far more than one test's questions.
    QVERIFY2(seen.size() > 200, qPrintable(QString::number(seen.size())));
}

void TestMockTest::drawLeavesOutDamagedFilesAndSaysSo()
{
    TempDataDir dir;
    for (int n = 1; n <= 4; ++n)
        writeQuestion(dir, n, QStringLiteral("1"));
    dir.writeLines(QStringLiteral("Questions/5.lrn"), {QStringLiteral("cut short")});
    writeQuestion(dir, 6, QStringLiteral("1"), QStringLiteral("B1")); // no usable key
    writeQuestion(dir, 7, QStringLiteral("2"));
    writeQuestion(dir, 8, QStringLiteral("3"));
    QRandomGenerator random(3);
    const DrawnTest test = drawMockTest(settings(4, 1, 1, 3, 1, 1), QStringLiteral("lv"), random);
    QCOMPARE(test.questions.size(), 6);
    for (const MockQuestion &q : test.questions)
        QVERIFY(q.number != 5 && q.number != 6);
    QStringList damaged = test.damagedFiles;
    damaged.sort();
    QCOMPARE(damaged, (QStringList{QStringLiteral("Questions/5.lrn"), QStringLiteral("Questions/6.lrn")}));
    QVERIFY(test.shortage.isEmpty());
}

void TestMockTest::tooSmallBankGivesWhatThereIsWithScaledPassMark()
{
    TempDataDir dir;
    writeBank(dir, 40); // 5 vehicle-controls questions
    QRandomGenerator random(1);
    const DrawnTest test = drawMockTest(MockSettings(), QStringLiteral("lv"), random);
    QCOMPARE(test.asked, (std::array<int, 3>{20, 5, 15}));
    QCOMPARE(test.questions.size(), 40);
    // 22 of 28, 6 of 8 and 23 of 28 scale to 16 of 20, 4 of 5 and 13 of 15, rounded up.
    QCOMPARE(test.passMarks, (std::array<int, 3>{16, 4, 13}));
    QVERIFY2(test.shortage.contains(QStringLiteral("5 of the 8 vehicle controls questions (pass mark 4)")) &&
                 test.shortage.contains(QStringLiteral("asks 40 questions")),
             qPrintable(test.shortage));
}

void TestMockTest::everySectionMustReachItsPassMark_data()
{
    QTest::addColumn<int>("rr");
    QTest::addColumn<int>("vc");
    QTest::addColumn<int>("rs");
    QTest::addColumn<QString>("line");
    QTest::newRow("all at the mark") << 22 << 6 << 23 << "22/28;6/8;23/28;PASS";
    QTest::newRow("rules one short") << 21 << 8 << 28 << "21/28;8/8;28/28;FAIL";
    QTest::newRow("controls one short") << 28 << 5 << 28 << "28/28;5/8;28/28;FAIL";
    QTest::newRow("signs one short") << 28 << 8 << 22 << "28/28;8/8;22/28;FAIL";
}

void TestMockTest::everySectionMustReachItsPassMark()
{
    QFETCH(int, rr);
    QFETCH(int, vc);
    QFETCH(int, rs);
    QFETCH(QString, line);
    TempDataDir dir;
    writeBank(dir, 200);
    QRandomGenerator random(11);
    MockTest test(drawMockTest(MockSettings(), QStringLiteral("lv"), random));
    const MockResult result = resultWithRight(test, {rr, vc, rs});
    const QString written = MockHistory::historyLine(QDateTime({2026, 12, 9}, {14, 5}), QStringLiteral("lv"), result);
    QCOMPARE(written, QStringLiteral("2026-12-09 14:05;lv;") + line + QStringLiteral(";100"));
}

void TestMockTest::settingsFileFallsBackLineByLine_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<int>>("expected"); // counts, pass marks, minutes
    QTest::addColumn<int>("problems");
    QTest::newRow("missing") << QByteArray() << QList<int>{28, 8, 28, 22, 6, 23, 60} << 0;
    QTest::newRow("partial") << QByteArray("30\r\n10\r\n") << QList<int>{30, 10, 28, 22, 6, 23, 60} << 0;
    QTest::newRow("small counts") << QByteArray("4\n2\n3\n") << QList<int>{4, 2, 3, 4, 2, 3, 60} << 0;
    QTest::newRow("garbage") << QByteArray("lots\n-1\n28.5\n99\n6\n \n0\n") << QList<int>{28, 8, 28, 22, 6, 23, 60}
                             << 6;
    QTest::newRow("sources differ") << QByteArray("30\n8\n30\n23\n6\n24\n60\n") << QList<int>{30, 8, 30, 23, 6, 24, 60}
                                    << 0;
}

void TestMockTest::settingsFileFallsBackLineByLine()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<int>, expected);
    QFETCH(int, problems);
    TempDataDir dir;
    if (!file.isEmpty())
        dir.writeBytes(QStringLiteral("doc/mocktest.lrn"), file);
    const LoadedMockSettings loaded = loadMockSettings();
    const MockSettings &s = loaded.settings;
    QCOMPARE(
        (QList<int>{s.counts[0], s.counts[1], s.counts[2], s.passMarks[0], s.passMarks[1], s.passMarks[2], s.minutes}),
        expected);
    QCOMPARE(loaded.problems.size(), problems);
    if (problems)
        QVERIFY2(loaded.problems.first().contains(QStringLiteral("\"lots\"")), qPrintable(loaded.problems.first()));
}

void TestMockTest::historyAppendKeepsEveryLineAlreadyThere()
{
    TempDataDir dir;
    // A damaged line, a line in Windows-1252 and one without a line end: all are kept.
    dir.writeBytes(QStringLiteral("doc/Thabo.mock"),
                   "2026-12-01 09:00;lv;20/28;6/8;25/28;FAIL;3000\r\n##garbage\r\n2026-12-02 10:00;lv;x;y\r\n"
                   "caf\xe9");
    MockResult result;
    result.sections = {SectionResult{25, 28, 22}, SectionResult{7, 8, 6}, SectionResult{24, 28, 23}};
    result.secondsUsed = 2710;
    MockHistory::append(MockHistory::historyFile(QStringLiteral("Thabo")),
                        {MockHistory::historyLine(QDateTime({2026, 12, 9}, {14, 5}), QStringLiteral("lv"), result)});
    QCOMPARE(dir.readLines(QStringLiteral("doc/Thabo.mock")),
             (QStringList{QStringLiteral("2026-12-01 09:00;lv;20/28;6/8;25/28;FAIL;3000"), QStringLiteral("##garbage"),
                          QStringLiteral("2026-12-02 10:00;lv;x;y"), QStringLiteral("caf\u00e9"),
                          QStringLiteral("2026-12-09 14:05;lv;25/28;7/8;24/28;PASS;2710")}));
    const QList<MockHistory::Entry> history = MockHistory::readHistory(QStringLiteral("Thabo"));
    QCOMPARE(history.size(), 2);
    QVERIFY(!history.first().passed && history.last().passed);
    QCOMPARE(history.last().sections[1].right, 7);
}

void TestMockTest::drillAsksWrongQuestionsMostOftenWrongFirst()
{
    TempDataDir dir;
    dir.writeLines(QStringLiteral("doc/Thabo.answers"),
                   {QStringLiteral("2026-12-01 09:00;mock;10;1;2;1"), QStringLiteral("2026-12-01 09:00;mock;20;3;0;4"),
                    QStringLiteral("2026-12-01 09:00;mock;30;2;1;1"), QStringLiteral("2026-12-01 09:00;mock;40;1;3;2"),
                    QStringLiteral("damaged line"), QStringLiteral("2026-12-05 09:00;mock;20;3;1;4"),
                    QStringLiteral("2026-12-05 09:00;mock;10;1;1;1"), QStringLiteral("2026-12-05 09:00;mock;50;1;4;2"),
                    QStringLiteral("2026-12-06 09:00;mock;40;1;3;2"),
                    QStringLiteral("2026-12-06 09:00;drill;50;1;2;2")});
    // 10 was later right and 50 mastered in the drill; 20 and 40 are twice wrong, 40 the latest.
    QCOMPARE(MockHistory::drillQuestions(MockHistory::readAnswers(QStringLiteral("Thabo"))), (QList<int>{40, 20}));
}

void TestMockTest::drillQuestionLeavesAfterTwoRightInARow()
{
    MockQuestion a{1, {}, 0, 2}, b{2, {}, 0, 3};
    MistakeDrill drill({a, b});
    QString asked;
    // a right, b wrong, a wrong, b right, a right, b right (b done), a right (a done)
    for (const int option : {2, 1, 1, 3, 2, 3, 2}) {
        asked += QString::number(drill.current().number);
        drill.answer(option);
    }
    QCOMPARE(asked, QStringLiteral("1212121"));
    QVERIFY(drill.finished());
}

QTEST_MAIN(TestMockTest)
#include "tst_mocktest.moc"
