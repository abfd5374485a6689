#include "tests/support/messagerecorder.h"
#include "testingfixture.h"

#include "base/dataerror.h"
#include "testing/progressrecords.h"

using ProgressRecords::Section;

class TestProgressChart : public QObject {
    Q_OBJECT
private slots:
    void shortFilesAreCompleted_data();
    void shortFilesAreCompleted();
    void counterTextsReadAsSpinEdits_data();
    void counterTextsReadAsSpinEdits();
    void unusableLearnerNamesAreRefused_data();
    void unusableLearnerNamesAreRefused();

    void firstLearnerGetsNewFileAndGaugesRunToZero();
    void secondLearnerGetsExactlySevenLines();
    void runDownMovesRoadRulesBeforeVehicleControls();
    void runDownEnds_data();
    void runDownEnds();
    void gaugesBelowTheirScoresClimbToThem();
    void timerDrivesTheRunDown();
    void countingMaximaMovesGaugeMaxima_data();
    void countingMaximaMovesGaugeMaxima();
    void shortProgressFileIsReadAsZerosAndWrittenWhole();
    void longProgressFileKeepsItsExtraLines();
    void shortMaximumFileReadsMissingSectionsAsZero();
    void resetCreatesMissingProgressFile();
};

void TestProgressChart::shortFilesAreCompleted_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("progress");
    QTest::addColumn<QStringList>("maxima");
    QTest::newRow("empty") << QStringList() << QStringList{"Ann", "0", "0", "0", "0", "0", "0"}
                           << QStringList{"0", "0", "0"};
    QTest::newRow("two lines") << QStringList{"Bob", "4"} << QStringList{"Bob", "4", "0", "0", "0", "0", "0"}
                               << QStringList{"Bob", "4", "0"};
    QTest::newRow("complete") << QStringList{"C", "1", "2", "3", "4", "5", "6"}
                              << QStringList{"C", "1", "2", "3", "4", "5", "6"}
                              << QStringList{"C", "1", "2", "3", "4", "5", "6"};
    QTest::newRow("longer") << QStringList{"C", "1", "2", "3", "4", "5", "6", "x"}
                            << QStringList{"C", "1", "2", "3", "4", "5", "6", "x"}
                            << QStringList{"C", "1", "2", "3", "4", "5", "6", "x"};
}

void TestProgressChart::shortFilesAreCompleted()
{
    QFETCH(QStringList, stored);
    QTEST(ProgressRecords::completeProgress(stored, QStringLiteral("Ann")), "progress");
    QTEST(ProgressRecords::completeMaxima(stored), "maxima");
}

void TestProgressChart::counterTextsReadAsSpinEdits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("number") << "12" << 12;
    QTest::newRow("negative") << "-3" << -3;
    QTest::newRow("blanks around") << " 7 " << 7;
    QTest::newRow("word") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("fraction") << "2.5" << 0;
    QTest::newRow("too large") << "99999999999" << 0;
}

void TestProgressChart::counterTextsReadAsSpinEdits()
{
    QFETCH(QString, text);
    QTEST(ProgressRecords::valueOf(text), "value");
}

void TestProgressChart::unusableLearnerNamesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("section maximum file") << "maxcount";
    QTest::newRow("section maximum file in capitals") << "MAXCOUNT";
    QTest::newRow("path out of the directory") << "../escape";
    QTest::newRow("empty") << "";
}

void TestProgressChart::unusableLearnerNamesAreRefused()
{
    QFETCH(QString, name);
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writeLines(QStringLiteral("doc/maxcount.lrn"), {"66", "22", "69"});
    const QByteArray maxima = dir.readBytes(QStringLiteral("doc/maxcount.lrn"));
    Harness h;
    h.state.learnerName = name;
    h.chart.Button1Click();
    QCOMPARE(recorder.errors.size(), 1);
    QCOMPARE(dir.readBytes(QStringLiteral("doc/maxcount.lrn")), maxima);
    QVERIFY(!dir.exists(QStringLiteral("escape.lrn")));
    QVERIFY(!h.timer.isActive());
}

void TestProgressChart::firstLearnerGetsNewFileAndGaugesRunToZero()
{
    TempDataDir dir;
    MessageRecorder recorder;
    Harness h;
    h.state.learnerName = QStringLiteral("Learner1");
    h.chart.Button1Click();
    QCOMPARE(dir.readLines(QStringLiteral("doc/Learner1.lrn")),
             QStringList({"Learner1", "0", "0", "0", "0", "0", "0"}));
    QCOMPARE(h.state.ListBox1, dir.readLines(QStringLiteral("doc/Learner1.lrn")));
    QVERIFY(h.timer.isActive());
    // One step per tick from the full gauges 66, 22 and 69, then one tick that stops the timer.
    QCOMPARE(h.runDown(), 66 + 22 + 69 + 1);
    for (const char *gauge : {"GaugeRR", "GaugeVC", "GaugeRS"})
        QCOMPARE(h.child<PieGauge>(gauge)->Progress(), 0);
    for (const char *label : {"Label31", "Label32", "Label33"})
        QCOMPARE(h.text(label), QStringLiteral("0 %"));
    QVERIFY(recorder.all().isEmpty());
}

void TestProgressChart::secondLearnerGetsExactlySevenLines()
{
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writeProgress(QStringLiteral("First"), {"5", "6", "7", "0", "0", "0"});
    Harness h;
    h.state.learnerName = QStringLiteral("First");
    h.chart.Button1Click();
    h.state.learnerName = QStringLiteral("Second");
    h.chart.Button1Click();
    QCOMPARE(dir.readLines(QStringLiteral("doc/Second.lrn")), QStringList({"Second", "0", "0", "0", "0", "0", "0"}));
    QCOMPARE(dir.readLines(QStringLiteral("doc/First.lrn")), QStringList({"First", "5", "6", "7", "0", "0", "0"}));
}

void TestProgressChart::runDownMovesRoadRulesBeforeVehicleControls()
{
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writeLines(QStringLiteral("doc/maxcount.lrn"), {"66", "22", "69"});
    dir.writeProgress(QStringLiteral("Learner1"), {"12", "5", "30", "0", "0", "0"});
    Harness h;
    h.state.learnerName = QStringLiteral("Learner1");
    h.chart.Button1Click();
    auto *rr = h.child<PieGauge>("GaugeRR");
    auto *vc = h.child<PieGauge>("GaugeVC");
    auto *rs = h.child<PieGauge>("GaugeRS");
    QCOMPARE(h.state.rrscore, 12);
    QCOMPARE(h.state.SpinRS, 30);
    int ticks = 0;
    while (rr->Progress() != 12) {
        QVERIFY(ticks++ < 100);
        h.chart.Timer1Timer();
        QCOMPARE(vc->Progress(), 22);
        QCOMPARE(rs->Progress(), 69);
        QCOMPARE(h.text("Label33"), QStringLiteral("%1 %").arg(rr->Progress()));
    }
    QCOMPARE(ticks, 66 - 12);
    h.chart.Timer1Timer();
    QCOMPARE(rr->Progress(), 12);
    QCOMPARE(vc->Progress(), 21);
    QCOMPARE(h.text("Label32"), QStringLiteral("21 %"));
    QCOMPARE(rs->Progress(), 69);
    QVERIFY(h.runDown() > 0);
    QCOMPARE(vc->Progress(), 5);
    QCOMPARE(rs->Progress(), 30);
    QCOMPARE(h.text("Label31"), QStringLiteral("30 %"));
}

void TestProgressChart::runDownEnds_data()
{
    QTest::addColumn<QStringList>("maxima");
    QTest::addColumn<QStringList>("scores");
    QTest::addColumn<QList<int>>("shown");
    QTest::newRow("scores within the maxima")
        << QStringList{"66", "22", "69"} << QStringList{"3", "4", "5"} << QList<int>{3, 4, 5};
    QTest::newRow("road rules above its maximum")
        << QStringList{"10", "5", "8"} << QStringList{"14", "3", "2"} << QList<int>{10, 3, 2};
    QTest::newRow("every score above its maximum")
        << QStringList{"10", "5", "8"} << QStringList{"99", "99", "99"} << QList<int>{10, 5, 8};
    QTest::newRow("negative score") << QStringList{"10", "5", "8"} << QStringList{"-4", "1", "1"}
                                    << QList<int>{0, 1, 1};
    QTest::newRow("empty section") << QStringList{"0", "5", "8"} << QStringList{"3", "1", "1"} << QList<int>{0, 1, 1};
    QTest::newRow("no maximum file") << QStringList() << QStringList{"70", "0", "69"} << QList<int>{66, 0, 69};
    const QStringList huge{"2000000000", "2000000000", "2000000000"};
    QTest::newRow("huge maxima and scores") << huge << huge << QList<int>{2000000000, 2000000000, 2000000000};
}

void TestProgressChart::runDownEnds()
{
    QFETCH(QStringList, maxima);
    QFETCH(QStringList, scores);
    QFETCH(QList<int>, shown);
    TempDataDir dir;
    MessageRecorder recorder;
    if (!maxima.isEmpty())
        dir.writeLines(QStringLiteral("doc/maxcount.lrn"), maxima);
    dir.writeProgress(QStringLiteral("Learner1"), scores + QStringList{"0", "0", "0"});
    Harness h;
    h.state.learnerName = QStringLiteral("Learner1");
    h.chart.Button1Click();
    QVERIFY2(h.runDown() > 0, "the run-down does not end");
    const char *gauges[] = {"GaugeRR", "GaugeVC", "GaugeRS"};
    const char *labels[] = {"Label33", "Label32", "Label31"};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(h.child<PieGauge>(gauges[i])->Progress(), shown.at(i));
        QCOMPARE(h.text(labels[i]), QStringLiteral("%1 %").arg(shown.at(i)));
    }
    // The stored scores stay the learner's scores; only the gauges clamp.
    QCOMPARE(h.state.SpinRR, ProgressRecords::valueOf(scores.at(0)));
    QCOMPARE(h.state.rrscore, ProgressRecords::valueOf(scores.at(0)));
}

void TestProgressChart::gaugesBelowTheirScoresClimbToThem()
{
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writeLines(QStringLiteral("doc/maxcount.lrn"), {"66", "22", "69"});
    dir.writeProgress(QStringLiteral("First"), {"0", "0", "0", "0", "0", "0"});
    dir.writeProgress(QStringLiteral("Second"), {"4", "5", "6", "0", "0", "0"});
    Harness h;
    h.state.learnerName = QStringLiteral("First");
    h.chart.Button1Click();
    QVERIFY(h.runDown() > 0);
    h.state.learnerName = QStringLiteral("Second");
    h.chart.Button1Click();
    QCOMPARE(h.runDown(), 4 + 5 + 6 + 1);
    QCOMPARE(h.child<PieGauge>("GaugeRR")->Progress(), 4);
    QCOMPARE(h.child<PieGauge>("GaugeVC")->Progress(), 5);
    QCOMPARE(h.child<PieGauge>("GaugeRS")->Progress(), 6);
    QCOMPARE(h.text("Label31"), QStringLiteral("6 %"));
}

void TestProgressChart::timerDrivesTheRunDown()
{
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writeProgress(QStringLiteral("Learner1"), {"60", "20", "65", "0", "0", "0"});
    Harness h;
    h.state.learnerName = QStringLiteral("Learner1");
    h.chart.Button1Click();
    QTRY_VERIFY_WITH_TIMEOUT(!h.timer.isActive(), 5000);
    QCOMPARE(h.text("Label33"), QStringLiteral("60 %"));
    QCOMPARE(h.text("Label32"), QStringLiteral("20 %"));
    QCOMPARE(h.text("Label31"), QStringLiteral("65 %"));
}

void TestProgressChart::countingMaximaMovesGaugeMaxima_data()
{
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QStringList>("maxcount");
    QTest::addColumn<QList<int>>("gaugeMaxima");
    QTest::addColumn<int>("roadSignsProgress");
    // The gauges start full at 66, 22 and 69; a section never counted keeps its starting maximum.
    QTest::newRow("one of each") << QStringList{"1", "2", "3"} << QStringList{"1", "1", "1"} << QList<int>{1, 1, 1}
                                 << 1;
    // The first count lowers the full gauge to 1; later counts raise the maximum but not the progress.
    QTest::newRow("repeats count again") << QStringList{"3", "3", "1", "3"} << QStringList{"1", "0", "3"}
                                         << QList<int>{1, 22, 3} << 1;
    QTest::newRow("other codes count nowhere")
        << QStringList{"4", "", "1 ", "2"} << QStringList{"0", "1", "0"} << QList<int>{66, 1, 69} << 69;
}

void TestProgressChart::countingMaximaMovesGaugeMaxima()
{
    QFETCH(QStringList, codes);
    QFETCH(QStringList, maxcount);
    QFETCH(QList<int>, gaugeMaxima);
    TempDataDir dir;
    Harness h;
    for (const QString &code : codes)
        h.chart.countSectionMaximum(code);
    QCOMPARE(h.state.Maxcount, maxcount);
    QCOMPARE(h.child<PieGauge>("GaugeRR")->MaxValue(), gaugeMaxima.at(0));
    QCOMPARE(h.child<PieGauge>("GaugeVC")->MaxValue(), gaugeMaxima.at(1));
    QCOMPARE(h.child<PieGauge>("GaugeRS")->MaxValue(), gaugeMaxima.at(2));
    QTEST(h.child<PieGauge>("GaugeRS")->Progress(), "roadSignsProgress");
    // Saving hands the counted maxima to all three gauges.
    h.chart.saveSectionMaximumFile();
    QCOMPARE(dir.readLines(QStringLiteral("doc/maxcount.lrn")), maxcount);
    QCOMPARE(h.child<PieGauge>("GaugeRR")->MaxValue(), maxcount.at(0).toInt());
    QCOMPARE(h.child<PieGauge>("GaugeVC")->MaxValue(), maxcount.at(1).toInt());
}

void TestProgressChart::shortProgressFileIsReadAsZerosAndWrittenWhole()
{
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writeLines(QStringLiteral("doc/maxcount.lrn"), {"66", "22", "69"});
    dir.writeLines(QStringLiteral("doc/Learner1.lrn"), {"Learner1", "2", "1"});
    Harness h;
    h.state.learnerName = QStringLiteral("Learner1");
    h.chart.Button1Click();
    QVERIFY(recorder.errors.isEmpty());
    QCOMPARE(h.state.SpinRR, 2);
    QCOMPARE(h.state.SpinVC, 1);
    QCOMPARE(h.state.SpinRS, 0);
    h.state.rsscore = 1;
    h.chart.recordSectionScore(Section::RoadSigns);
    QCOMPARE(dir.readLines(QStringLiteral("doc/Learner1.lrn")),
             QStringList({"Learner1", "2", "1", "1", "0", "0", "0"}));
}

void TestProgressChart::longProgressFileKeepsItsExtraLines()
{
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writeLines(QStringLiteral("doc/Learner1.lrn"), {"Learner1", "1", "2", "3", "4", "5", "6", "note", ""});
    Harness h;
    h.state.learnerName = QStringLiteral("Learner1");
    h.chart.resetTestResults();
    QCOMPARE(dir.readLines(QStringLiteral("doc/Learner1.lrn")),
             QStringList({"Learner1", "0", "0", "0", "4", "5", "6", "note", ""}));
}

void TestProgressChart::shortMaximumFileReadsMissingSectionsAsZero()
{
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writeLines(QStringLiteral("doc/maxcount.lrn"), {"10"});
    Harness h;
    h.state.learnerName = QStringLiteral("Learner1");
    h.chart.Button1Click();
    QVERIFY(recorder.errors.isEmpty());
    QCOMPARE(h.state.Maxcount, QStringList({"10", "0", "0"}));
    QCOMPARE(h.child<PieGauge>("GaugeRR")->MaxValue(), 10);
    QCOMPARE(h.child<PieGauge>("GaugeVC")->MaxValue(), 0);
    QCOMPARE(h.child<PieGauge>("GaugeRS")->MaxValue(), 0);
    QVERIFY(h.runDown() > 0);
    // The file is only read once it exists; it is left as it is.
    QCOMPARE(dir.readLines(QStringLiteral("doc/maxcount.lrn")), QStringList{QStringLiteral("10")});
}

void TestProgressChart::resetCreatesMissingProgressFile()
{
    TempDataDir dir;
    Harness h;
    h.state.learnerName = QStringLiteral("Learner1");
    h.state.rrscore = h.state.SpinRR = 4;
    h.chart.resetTestResults();
    QCOMPARE(dir.readLines(QStringLiteral("doc/Learner1.lrn")),
             QStringList({"Learner1", "0", "0", "0", "0", "0", "0"}));
    QCOMPARE(h.state.rrscore, 0);
    QCOMPARE(h.state.SpinRR, 0);
}

QTEST_MAIN(TestProgressChart)
#include "tst_progresschart.moc"
