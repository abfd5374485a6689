#include "base/dataerror.h"
#include "testing/questionbank.h"
#include "tests/support/tempdatadir.h"

#include <QtTest>
#include <limits>

using namespace QuestionBank;

class TestQuestionBank : public QObject {
    Q_OBJECT
private slots:
    void countsEveryFileButNoFolder();
    void missingFolderCountsZero();
    void loadsElevenLinesVerbatim();
    void shortOrMissingFiles();
    void answerKeyMatchesWholeLineExactly_data();
    void answerKeyMatchesWholeLineExactly();
    void sectionCodes();
    void pictureCodes();
    void courseRanges_data();
    void courseRanges();
};

void TestQuestionBank::countsEveryFileButNoFolder()
{
    TempDataDir dir;
    for (int n = 1; n <= 190; ++n)
        dir.writeQuestion(n);
    dir.writeBytes(QStringLiteral("Questions/readme.txt"), "stray");
    dir.mkdir(QStringLiteral("Questions/old"));
    dir.writeQuestion(191); // a file added later counts at once: no cache
    QCOMPARE(CountFiles(), 192);
    QFile::remove(dir.filePath(QStringLiteral("Questions/191.lrn")));
    QCOMPARE(CountFiles(), 191);
}

void TestQuestionBank::missingFolderCountsZero()
{
    TempDataDir dir;
    QCOMPARE(CountFiles(), 0);
    dir.mkdir(QStringLiteral("Questions"));
    QCOMPARE(CountFiles(), 0);
}

void TestQuestionBank::loadsElevenLinesVerbatim()
{
    TempDataDir dir;
    dir.writeLines(QStringLiteral("Questions/7.lrn"),
                   {" What is this? ", "A. Drive your car on the sidewalk.", "", "C. x", "1. a", "2. b",
                    "3. A and B are correct", "4. d", "b1", "3", "TL", "extra line ignored"});
    const auto lines = load(7);
    QVERIFY(lines.has_value());
    QCOMPARE(lines->at(QuestionLine), QStringLiteral(" What is this? "));
    QCOMPARE(lines->at(StatementB), QString());
    QCOMPARE(lines->at(Option3), QStringLiteral("3. A and B are correct"));
    QCOMPARE(lines->at(PictureLine), QStringLiteral("TL"));
    QCOMPARE(fileName(7), QStringLiteral("Questions/7.lrn"));
    QCOMPARE(fileName(-1), QStringLiteral("Questions/-1.lrn"));
}

void TestQuestionBank::shortOrMissingFiles()
{
    TempDataDir dir;
    QVERIFY(!load(1).has_value());
    dir.writeLines(QStringLiteral("Questions/2.lrn"), {"q", "a", "b", "c", "1", "2", "3", "4", "a1", "1"});
    try {
        load(2);
        QFAIL("a question file of ten lines must be reported");
    } catch (const DataError &error) {
        QVERIFY2(error.text().contains(QStringLiteral("Questions/2.lrn")), qPrintable(error.text()));
    }
    dir.mkdir(QStringLiteral("Questions/3.lrn"));
    QVERIFY(!load(3).has_value());
}

void TestQuestionBank::answerKeyMatchesWholeLineExactly_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("rightOption");
    QTest::newRow("a1") << "a1" << 1;
    QTest::newRow("b1") << "b1" << 2;
    QTest::newRow("c1") << "c1" << 3;
    QTest::newRow("d1") << "d1" << 4;
    QTest::newRow("capital") << "A1" << 0;
    QTest::newRow("trailing blank") << "a1 " << 0;
    QTest::newRow("leading blank") << " b1" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("e1") << "e1" << 0;
}

void TestQuestionBank::answerKeyMatchesWholeLineExactly()
{
    QFETCH(QString, key);
    QFETCH(int, rightOption);
    const AnswerFlags flags = answerFlags(key);
    for (int option = 1; option <= 4; ++option)
        QCOMPARE(flags.forOption(option), option == rightOption ? 1 : 0);
    QCOMPARE(flags.any(), rightOption != 0);
}

void TestQuestionBank::sectionCodes()
{
    QCOMPARE(sectionTypeText(QStringLiteral("1")), std::optional<QString>(QStringLiteral("Question type: Road Rules")));
    QCOMPARE(sectionTypeText(QStringLiteral("2")),
             std::optional<QString>(QStringLiteral("Question type: Vehicle Controls")));
    QCOMPARE(sectionTypeText(QStringLiteral("3")), std::optional<QString>(QStringLiteral("Question type: Road Signs")));
    QVERIFY(!sectionTypeText(QStringLiteral("4")).has_value());
    QVERIFY(!sectionTypeText(QStringLiteral("1 ")).has_value());
}

void TestQuestionBank::pictureCodes()
{
    QCOMPARE(pictureKind(QStringLiteral("0")), PictureKind::Neutral);
    QCOMPARE(pictureKind(QStringLiteral("m")), PictureKind::MotorcycleDiagram);
    QCOMPARE(pictureKind(QStringLiteral("lv")), PictureKind::LightVehicleDiagram);
    QCOMPARE(pictureKind(QStringLiteral("hv")), PictureKind::File);
    QCOMPARE(pictureKind(QStringLiteral("LV")), PictureKind::File);
    QCOMPARE(pictureKind(QStringLiteral("227")), PictureKind::File);
}

void TestQuestionBank::courseRanges_data()
{
    QTest::addColumn<QString>("course");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("next");
    QTest::addColumn<QString>("notice");
    const QString mc = QStringLiteral("Skipped 17 Motor Cycle Questions");
    const QString mv12 = QStringLiteral("Skipped 12 Motor Vehicle Questions");
    const QString mv8 = QStringLiteral("Skipped 8 Motor Vehicle Questions");
    for (const QString &course : {QStringLiteral("lv"), QStringLiteral("hv")}) {
        const QByteArray c = course.toLatin1();
        QTest::addRow("%s 101", c.data()) << course << 101 << 102 << QString();
        QTest::addRow("%s 102 skips motorcycles", c.data()) << course << 102 << 120 << mc;
        QTest::addRow("%s 110 inside range", c.data()) << course << 110 << 111 << QString();
        QTest::addRow("%s 126 keeps vehicles", c.data()) << course << 126 << 127 << QString();
        QTest::addRow("%s 149 keeps vehicles", c.data()) << course << 149 << 150 << QString();
    }
    QTest::newRow("m 102 keeps motorcycles") << "m" << 102 << 103 << QString();
    QTest::newRow("m 126 skips 12") << "m" << 126 << 139 << mv12;
    QTest::newRow("m 149 skips 8") << "m" << 149 << 158 << mv8;
    QTest::newRow("m 130 inside range") << "m" << 130 << 131 << QString();
    QTest::newRow("m 0") << "m" << 0 << 1 << QString();
    QTest::newRow("m -1") << "m" << -1 << 0 << QString();
    QTest::newRow("unknown code 102") << "x" << 102 << 103 << QString();
    QTest::newRow("no course 126") << "" << 126 << 127 << QString();
    QTest::newRow("top of range stays") << "lv" << std::numeric_limits<int>::max() << std::numeric_limits<int>::max()
                                        << QString();
}

void TestQuestionBank::courseRanges()
{
    QFETCH(QString, course);
    QFETCH(int, current);
    QFETCH(int, next);
    QFETCH(QString, notice);
    const Step step = nextQuestionNumber(current, course);
    QCOMPARE(step.number, next);
    QCOMPARE(step.notice, notice);
}

QTEST_GUILESS_MAIN(TestQuestionBank)
#include "tst_questionbank.moc"
