#include <QApplication>
#include "tests/support/messagerecorder.h"
#include "testingfixture.h"

#include <QPainter>
#include <QPushButton>
#include <functional>

#include <atomic>
#include <optional>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString imagesQuest = QStringLiteral("images/quest.png");
const QString imagesDot = QStringLiteral("images/dot.png");
const QString imagesDot2 = QStringLiteral("images/dot2.png");
const QString imagesTest = QStringLiteral("images/test.png");

QColor textColour(QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2));
}

// A FIFO in place of a file. Should the page open it, the open would wait for a writer for ever;
// after two seconds this gives it one that writes nothing, and records that it had to.
class Fifo {
public:
    explicit Fifo(const QString &path) : m_path(QFile::encodeName(path))
    {
        QFile::remove(path);
        if (mkfifo(m_path.constData(), 0600) != 0)
            qFatal("cannot make a FIFO");
        m_releaser = std::thread([this] {
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
            while (!m_done) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                if (std::chrono::steady_clock::now() < deadline)
                    continue;
                // Opening for writing succeeds only while a reader waits on the FIFO.
                const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    ::close(fd);
                    m_released = true;
                }
            }
        });
    }
    ~Fifo()
    {
        m_done = true;
        m_releaser.join();
    }
    bool hung() const { return m_released; }

private:
    QByteArray m_path;
    std::atomic<bool> m_done{false};
    std::atomic<bool> m_released{false};
    std::thread m_releaser;
};

// The smallest rectangle holding every pixel of `image` for which `hit` holds.
QRect boundsOf(const QImage &image, const std::function<bool(QRgb)> &hit)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (hit(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

QImage groupBoxImage(Harness &h)
{
    return h.child<QWidget>("GroupBox1")->grab().toImage().convertToFormat(QImage::Format_RGB32);
}
} // namespace

class TestQuestionPage : public QObject {
    Q_OBJECT
private slots:
    void workedExampleCountsUpAndDown();
    void practiceVerdictsWriteNoFile_data();
    void practiceVerdictsWriteNoFile();
    void rightAnswersRaiseTheirSection_data();
    void rightAnswersRaiseTheirSection();
    void wrongAnswerAtZeroStaysZeroButRewrites();
    void questionOutsideSectionsShowsTestModeOnly();
    void unmatchedKeyLeavesPageUnchanged_data();
    void unmatchedKeyLeavesPageUnchanged();
    void scoreAboveMaximumShowsTheMaximum_data();
    void scoreAboveMaximumShowsTheMaximum();
    void endOfBankReturnsToMenuAndRestarts();
    void backOnFirstQuestionEndsOnMenuStoringZero();
    void backBeyondBankRunsResetStep_data();
    void backBeyondBankRunsResetStep();
    void nextFollowsCourseRanges_data();
    void nextFollowsCourseRanges();
    void backStepsIntoSkippedRange();
    void pictureCodeChoosesPicture_data();
    void pictureCodeChoosesPicture();
    void verdictShowsOverWholeDiagram_data();
    void verdictShowsOverWholeDiagram();
    void tallPictureShowsWholeInProportion();
    void questionTextsShowAsTyped_data();
    void questionTextsShowAsTyped();
    void firstWalkSavesMaximaOfShownQuestions();
    void testYourselfResetsStoredScores();
    void menuKeepsNumberOnlyWithProfile_data();
    void menuKeepsNumberOnlyWithProfile();
    void keysWorkLikeMarkersAndHotSpots();

    // Faults the page handles soundly.
    void missingProgressFileIsCreatedAtTestAnswer();
    void nextWithoutLearnerWritesNoProfile_data();
    void nextWithoutLearnerWritesNoProfile();
    void missingPictureKeepsPrevious();
    void malformedQuestionFileReturnsToMenu_data();
    void malformedQuestionFileReturnsToMenu();
};

void TestQuestionPage::workedExampleCountsUpAndDown()
{
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writePictures(questionPagePictures);
    dir.writeQuestion(1, QStringLiteral("b1"), QStringLiteral("1"));
    dir.writeProgress(QStringLiteral("Learner1"), {"3", "0", "0", "0", "0", "0"});
    dir.writeLines(QStringLiteral("doc/maxcount.lrn"), {"66", "22", "69"});
    Harness h;
    h.signIn();
    h.chart.Button1Click();
    QCOMPARE(h.state.rrscore, 3);
    h.state.mode = 0;
    h.showQuestion(1);

    click(h.child("A2b"));
    QCOMPARE(h.state.rrscore, 4);
    QCOMPARE(dir.readLines(QStringLiteral("doc/Learner1.lrn")),
             QStringList({"Learner1", "4", "0", "0", "0", "0", "0"}));
    QCOMPARE(h.child<PieGauge>("GaugeRR")->Progress(), 4);
    QCOMPARE(h.text("Label33"), QStringLiteral("4 %"));
    QCOMPARE(h.text("info"), QStringLiteral("Test Mode"));
    QCOMPARE(h.picture("displayit"), imagesTest);

    click(h.child("Image11"));
    QCOMPARE(h.state.rrscore, 3);
    QCOMPARE(dir.readLines(QStringLiteral("doc/Learner1.lrn")).value(1), QStringLiteral("3"));
    QCOMPARE(h.text("Label33"), QStringLiteral("3 %"));
    QCOMPARE(h.picture("Image11"), imagesDot2);
    QCOMPARE(h.picture("Image12"), imagesDot);
    QCOMPARE(h.picture("Image13"), imagesDot);
    QCOMPARE(h.picture("Image14"), imagesDot);
    QVERIFY(recorder.all().isEmpty());
}

void TestQuestionPage::keysWorkLikeMarkersAndHotSpots()
{
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writePictures(questionPagePictures);
    dir.writeBank(3); // key "a1"
    Harness h;
    h.signIn();
    QVERIFY(h.page.openPractice());
    h.page.show();
    QVERIFY(QTest::qWaitForWindowActive(&h.page));
    // Keys go to the widget holding the focus, as the window sends them.
    auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(&h.page));
    press(Qt::Key_1);
    QCOMPARE(h.text("info"), QStringLiteral("Correct"));
    QCOMPARE(h.picture("Image11"), QStringLiteral("images/dot2.png"));
    press(Qt::Key_4);
    QCOMPARE(h.text("info"), QStringLiteral("Incorrect"));
    press(Qt::Key_Right);
    QCOMPARE(h.text("Label12"), QStringLiteral("Question no:2 / 3"));
    press(Qt::Key_Left);
    QCOMPARE(h.text("Label12"), QStringLiteral("Question no:1 / 3"));
    QCOMPARE(h.menuRequests, 0);
    press(Qt::Key_Escape);
    QCOMPARE(h.menuRequests, 1);
    QVERIFY(recorder.all().isEmpty());
}

void TestQuestionPage::practiceVerdictsWriteNoFile_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("picture");
    QTest::newRow("right option label") << "A2b"
                                        << "Correct"
                                        << "images/correct.png";
    QTest::newRow("right option marker") << "Image12"
                                         << "Correct"
                                         << "images/correct.png";
    QTest::newRow("wrong option label") << "A4d"
                                        << "Incorrect"
                                        << "images/incorrect.png";
    QTest::newRow("wrong option marker") << "Image11"
                                         << "Incorrect"
                                         << "images/incorrect.png";
}

void TestQuestionPage::practiceVerdictsWriteNoFile()
{
    QFETCH(QString, option);
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writePictures(questionPagePictures);
    dir.writeQuestion(1, QStringLiteral("b1"), QStringLiteral("2"));
    dir.writeLines(QStringLiteral("doc/maxcount.lrn"), {"66", "22", "69"});
    Harness h;
    h.signIn();
    QVERIFY(h.page.openPractice());
    const QByteArray profile = dir.readBytes(QStringLiteral("Learner1.sav"));
    const QStringList docBefore = QDir(QStringLiteral("doc")).entryList(QDir::Files);

    click(h.child(option.toLatin1().constData()));
    QTEST(h.text("info"), "verdict");
    QTEST(h.picture("displayit"), "picture");
    QCOMPARE(h.state.vcscore, 0);
    QCOMPARE(QDir(QStringLiteral("doc")).entryList(QDir::Files), docBefore);
    QCOMPARE(dir.readBytes(QStringLiteral("Learner1.sav")), profile);
    QVERIFY(!dir.exists(QStringLiteral("doc/Learner1.lrn")));
    QVERIFY(recorder.all().isEmpty());
}

void TestQuestionPage::rightAnswersRaiseTheirSection_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("line");
    QTest::newRow("road signs") << "3"
                                << "Label31" << 3;
    QTest::newRow("vehicle controls") << "2"
                                      << "Label32" << 2;
    QTest::newRow("rules of the road") << "1"
                                       << "Label33" << 1;
}

void TestQuestionPage::rightAnswersRaiseTheirSection()
{
    QFETCH(QString, section);
    QFETCH(QString, label);
    QFETCH(int, line);
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writeQuestion(1, QStringLiteral("c1"), section);
    dir.writeLines(QStringLiteral("doc/maxcount.lrn"), {"66", "22", "69"});
    dir.writeProgress(QStringLiteral("Learner1"), {"0", "0", "0", "0", "0", "0"});
    Harness h;
    h.signIn();
    h.state.mode = 0;
    h.showQuestion(1);
    for (int i = 0; i < 3; ++i)
        h.page.A3cClick();
    const int scores[] = {h.state.rrscore, h.state.vcscore, h.state.rsscore};
    for (int s = 1; s <= 3; ++s)
        QCOMPARE(scores[s - 1], s == line ? 3 : 0);
    QCOMPARE(h.text(label.toLatin1().constData()), QStringLiteral("3 %"));
    QStringList expected{"Learner1", "0", "0", "0", "0", "0", "0"};
    expected[line] = QStringLiteral("3");
    QCOMPARE(dir.readLines(QStringLiteral("doc/Learner1.lrn")), expected);
    QVERIFY(recorder.all().isEmpty());
}

void TestQuestionPage::wrongAnswerAtZeroStaysZeroButRewrites()
{
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writePictures(questionPagePictures);
    dir.writeQuestion(1, QStringLiteral("a1"), QStringLiteral("2"));
    dir.writeLines(QStringLiteral("doc/maxcount.lrn"), {"66", "22", "69"});
    // The stored line differs from the score of this run, so a rewrite shows in the file.
    dir.writeProgress(QStringLiteral("Learner1"), {"0", "5", "0", "0", "0", "0"});
    Harness h;
    h.signIn();
    h.state.mode = 0;
    h.showQuestion(1);
    h.page.A4dClick();
    QCOMPARE(h.state.vcscore, 0);
    QCOMPARE(h.text("info"), QStringLiteral("Test Mode"));
    QCOMPARE(h.picture("displayit"), imagesTest);
    QCOMPARE(h.text("Label32"), QStringLiteral("0 %"));
    QCOMPARE(dir.readLines(QStringLiteral("doc/Learner1.lrn")),
             QStringList({"Learner1", "0", "0", "0", "0", "0", "0"}));
}

void TestQuestionPage::questionOutsideSectionsShowsTestModeOnly()
{
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writePictures(questionPagePictures);
    dir.writeQuestion(1, QStringLiteral("a1"), QStringLiteral("1"));
    dir.writeQuestion(2, QStringLiteral("a1"), QStringLiteral("5"));
    dir.writeLines(QStringLiteral("doc/maxcount.lrn"), {"66", "22", "69"});
    dir.writeProgress(QStringLiteral("Learner1"), {"2", "2", "2", "0", "0", "0"});
    Harness h;
    h.signIn();
    h.chart.Button1Click();
    h.state.mode = 0;
    h.showQuestion(1);
    h.page.SpeedButton2Click();
    QCOMPARE(h.state.Qnumber, 2);
    QCOMPARE(h.text("Label13"), QStringLiteral("Question type: Road Rules"));
    const QByteArray before = dir.readBytes(QStringLiteral("doc/Learner1.lrn"));
    h.page.A1aClick();
    h.page.A2bClick();
    QCOMPARE(h.text("info"), QStringLiteral("Test Mode"));
    QCOMPARE(h.picture("displayit"), imagesTest);
    QCOMPARE(h.state.rrscore, 2);
    QCOMPARE(h.state.vcscore, 2);
    QCOMPARE(h.state.rsscore, 2);
    QCOMPARE(dir.readBytes(QStringLiteral("doc/Learner1.lrn")), before);
}

void TestQuestionPage::unmatchedKeyLeavesPageUnchanged_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("capital letter") << "A1";
    QTest::newRow("trailing blank") << "a1 ";
    QTest::newRow("empty") << "";
}

void TestQuestionPage::unmatchedKeyLeavesPageUnchanged()
{
    QFETCH(QString, key);
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writePictures(questionPagePictures);
    dir.writeQuestion(1, key, QStringLiteral("1"));
    dir.writeLines(QStringLiteral("doc/maxcount.lrn"), {"66", "22", "69"});
    dir.writeProgress(QStringLiteral("Learner1"), {"4", "0", "0", "0", "0", "0"});
    Harness h;
    h.signIn();
    h.state.mode = 0;
    h.state.rrscore = 4;
    h.showQuestion(1);
    const QByteArray before = dir.readBytes(QStringLiteral("doc/Learner1.lrn"));
    for (const char *option : {"A1a", "A2b", "A3c", "A4d"}) {
        click(h.child(option));
        QCOMPARE(h.text("info"), QString());
        QCOMPARE(h.picture("displayit"), imagesQuest);
        QCOMPARE(h.state.rrscore, 4);
    }
    QCOMPARE(dir.readBytes(QStringLiteral("doc/Learner1.lrn")), before);
}

void TestQuestionPage::scoreAboveMaximumShowsTheMaximum_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("raised");
    QTest::newRow("above the maximum") << "13"
                                       << "14";
    // The largest score a file can hold stays there rather than turning negative.
    QTest::newRow("largest score") << "2147483647"
                                   << "2147483647";
}

void TestQuestionPage::scoreAboveMaximumShowsTheMaximum()
{
    QFETCH(QString, stored);
    QFETCH(QString, raised);
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writeQuestion(1, QStringLiteral("a1"), QStringLiteral("1"));
    dir.writeLines(QStringLiteral("doc/maxcount.lrn"), {"10", "22", "69"});
    dir.writeProgress(QStringLiteral("Learner1"), {stored, "0", "0", "0", "0", "0"});
    Harness h;
    h.signIn();
    h.chart.Button1Click();
    h.state.mode = 0;
    h.showQuestion(1);
    h.page.A1aClick();
    QCOMPARE(QString::number(h.state.rrscore), raised);
    QCOMPARE(dir.readLines(QStringLiteral("doc/Learner1.lrn")).value(1), raised);
    QCOMPARE(h.child<PieGauge>("GaugeRR")->Progress(), 10);
    QCOMPARE(h.child<PieGauge>("GaugeRR")->PercentDone(), 100);
    QCOMPARE(h.text("Label33"), QStringLiteral("10 %"));
}

void TestQuestionPage::endOfBankReturnsToMenuAndRestarts()
{
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writeBank(190);
    dir.writeLines(QStringLiteral("doc/maxcount.lrn"), {"66", "22", "69"});
    Harness h;
    h.signIn();
    h.showQuestion(190);
    QCOMPARE(h.text("Question"), QStringLiteral("Question 190"));
    QCOMPARE(h.menuRequests, 0);

    h.page.SpeedButton2Click();
    QCOMPARE(recorder.messages, QStringList{QStringLiteral("You have completed the questions")});
    QCOMPARE(h.menuRequests, 1);
    QCOMPARE(h.state.Qnumber, 1);
    QCOMPARE(h.text("Question"), QStringLiteral("Question 1"));
    QCOMPARE(h.page.Questionbox().value(0), QStringLiteral("Question 1"));
    QCOMPARE(h.text("Label12"), QStringLiteral("Question no:1 / 190"));
    QCOMPARE(dir.readLines(QStringLiteral("Learner1.sav")), QStringList({"Learner1", "1", "lv"}));

    QVERIFY(h.page.openPractice());
    QCOMPARE(h.state.Qnumber, 2);
    QCOMPARE(h.text("Question"), QStringLiteral("Question 2"));
    QCOMPARE(h.menuRequests, 1);
}

void TestQuestionPage::backOnFirstQuestionEndsOnMenuStoringZero()
{
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writeBank(5);
    Harness h;
    h.signIn();
    h.showQuestion(1);
    QCOMPARE(h.menuRequests, 0);
    h.page.SpeedButton11Click();
    QCOMPARE(h.state.Qnumber, 0);
    QCOMPARE(h.menuRequests, 1);
    QCOMPARE(dir.readLines(QStringLiteral("Learner1.sav")), QStringList({"Learner1", "0", "lv"}));
    QVERIFY(recorder.all().isEmpty());
    // The page keeps the last question it showed.
    QCOMPARE(h.text("Question"), QStringLiteral("Question 1"));
}

void TestQuestionPage::backBeyondBankRunsResetStep_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<bool>("completed");
    QTest::newRow("past the bank") << 10 << 9 << false;
    QTest::newRow("to the last vehicle question") << 158 << 157 << false;
    QTest::newRow("one past the last vehicle question") << 159 << 0 << true;
    QTest::newRow("past the last vehicle question") << 160 << 0 << true;
}

void TestQuestionPage::backBeyondBankRunsResetStep()
{
    QFETCH(int, start);
    QFETCH(bool, completed);
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writePictures(questionPagePictures);
    dir.writeBank(5);
    Harness h;
    h.signIn();
    h.showQuestion(3);
    h.state.a = 1;
    h.state.Qnumber = start;
    h.page.SpeedButton11Click();
    QTEST(h.state.Qnumber, "end");
    QCOMPARE(h.state.a, 0);
    QCOMPARE(h.menuRequests, completed ? 1 : 0);
    QCOMPARE(recorder.messages,
             completed ? QStringList{QStringLiteral("you have completed the questions")} : QStringList());
    QCOMPARE(textColour(h.child("Q1")), QColor(Qt::white));
    QCOMPARE(h.picture("displayit"), imagesQuest);
    // The reset step touches no profile and loads no question.
    QCOMPARE(dir.readLines(QStringLiteral("Learner1.sav")).value(1), QStringLiteral("3"));
    QCOMPARE(h.text("Question"), QStringLiteral("Question 3"));
}

void TestQuestionPage::nextFollowsCourseRanges_data()
{
    QTest::addColumn<QString>("course");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("banner");
    QTest::newRow("lv skips motorcycles") << "lv" << 102 << 120 << "Skipped 17 Motor Cycle Questions";
    QTest::newRow("hv skips motorcycles") << "hv" << 102 << 120 << "Skipped 17 Motor Cycle Questions";
    QTest::newRow("lv keeps vehicles") << "lv" << 126 << 127 << "Light Motor Vehicle Questions";
    QTest::newRow("hv banner") << "hv" << 20 << 21 << "Heavy Motor Vehicle Questions";
    QTest::newRow("m skips 12") << "m" << 126 << 139 << "Skipped 12 Motor Vehicle Questions";
    QTest::newRow("m skips 8") << "m" << 149 << 158 << "Skipped 8 Motor Vehicle Questions";
    QTest::newRow("m keeps motorcycles") << "m" << 102 << 103 << "Motor Cycle questions";
    QTest::newRow("no course steps over nothing") << "" << 102 << 103 << "";
}

void TestQuestionPage::nextFollowsCourseRanges()
{
    QFETCH(QString, course);
    QFETCH(int, from);
    QFETCH(int, shown);
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writeBank(190);
    Harness h;
    h.signIn(QStringLiteral("Learner1"), course);
    h.state.ctype = course;
    h.state.Qnumber = from;
    h.page.SpeedButton2Click();
    QCOMPARE(h.state.Qnumber, shown);
    QCOMPARE(h.text("Question"), QStringLiteral("Question %1").arg(shown));
    QTEST(h.text("Label14"), "banner");
    QCOMPARE(dir.readLines(QStringLiteral("Learner1.sav")).value(1), QString::number(shown));
}

void TestQuestionPage::backStepsIntoSkippedRange()
{
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writeBank(190);
    Harness h;
    h.signIn();
    h.state.Qnumber = 102;
    h.page.SpeedButton2Click();
    QCOMPARE(h.state.Qnumber, 120);
    h.page.SpeedButton11Click();
    QCOMPARE(h.state.Qnumber, 119);
    QCOMPARE(h.text("Question"), QStringLiteral("Question 119"));
    QCOMPARE(h.text("Label12"), QStringLiteral("Question no:119 / 190"));
}

void TestQuestionPage::pictureCodeChoosesPicture_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("displayitShown");
    QTest::addColumn<bool>("motorcycleShown");
    QTest::addColumn<bool>("lightVehicleShown");
    QTest::addColumn<QString>("picture");
    QTest::newRow("neutral") << "0" << true << false << false << "images/quest.png";
    QTest::newRow("motorcycle diagram") << "m" << false << true << false << "images/quest.png";
    QTest::newRow("light vehicle diagram") << "lv" << false << false << true << "images/quest.png";
    QTest::newRow("picture file") << "TL" << true << false << false << "images/TL.png";
    // A code from a question file names a file inside "images", never one elsewhere.
    QTest::newRow("parent folder") << "../outside/evil" << true << false << false << "images/quest.png";
    QTest::newRow("parent folder, backslashes") << "..\\outside\\evil" << true << false << false << "images/quest.png";
    QTest::newRow("sub folder") << "sub/evil" << true << false << false << "images/quest.png";
}

void TestQuestionPage::pictureCodeChoosesPicture()
{
    QFETCH(QString, code);
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writePictures(questionPagePictures);
    QDir().mkpath(QStringLiteral("images/sub"));
    QDir().mkpath(QStringLiteral("outside"));
    dir.writePictures({QStringLiteral("TL"), QStringLiteral("sub/evil")});
    QFile::copy(QStringLiteral("images/TL.png"), QStringLiteral("outside/evil.png"));
    dir.writeQuestion(1, QStringLiteral("a1"), QStringLiteral("1"), QStringLiteral("m"));
    dir.writeQuestion(2, QStringLiteral("a1"), QStringLiteral("1"), code);
    Harness h;
    h.page.show();
    h.signIn();
    h.state.mode = 1;
    h.showQuestion(1);
    h.page.SpeedButton2Click();
    QTEST(h.child("displayit")->isVisible(), "displayitShown");
    QTEST(h.child("MCpic")->isVisible(), "motorcycleShown");
    QTEST(h.child("lvpic")->isVisible(), "lightVehicleShown");
    QTEST(h.picture("displayit"), "picture");
    // A verdict brings the picture area back over a diagram.
    h.page.A1aClick();
    QVERIFY(h.child("displayit")->isVisible());
    QCOMPARE(h.picture("displayit"), QStringLiteral("images/correct.png"));
}

void TestQuestionPage::verdictShowsOverWholeDiagram_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("diagram");
    QTest::newRow("motorcycle") << "m"
                                << "MCpic";
    QTest::newRow("light vehicle") << "lv"
                                   << "lvpic";
}

void TestQuestionPage::verdictShowsOverWholeDiagram()
{
    QFETCH(QString, code);
    QFETCH(QString, diagram);
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writePictures(questionPagePictures);
    dir.writeQuestion(1);
    dir.writeQuestion(2, QStringLiteral("a1"), QStringLiteral("2"), code);
    Harness h;
    h.page.show();
    h.signIn();
    h.state.mode = 1;
    h.showQuestion(1);
    const QImage neutral = groupBoxImage(h);
    h.page.SpeedButton2Click();
    const QImage withDiagram = groupBoxImage(h);

    // The diagram is painted whole, in its proportions, inside the frame around the options. The
    // texts of the two questions, which differ too, lie left of it.
    QRect painted;
    for (int y = 0; y < neutral.height(); ++y)
        for (int x = 400; x < neutral.width(); ++x)
            if (neutral.pixel(x, y) != withDiagram.pixel(x, y))
                painted |= QRect(x, y, 1, 1);
    const QSize picture = h.child(qPrintable(diagram))->pixmap().size();
    QVERIFY2(qAbs(painted.width() - picture.width()) <= 1 && qAbs(painted.height() - picture.height()) <= 1,
             qPrintable(QStringLiteral("painted %1 x %2 of %3 x %4")
                            .arg(painted.width())
                            .arg(painted.height())
                            .arg(picture.width())
                            .arg(picture.height())));
    const QSize design = designPictureSize(QStringLiteral("diagram_") + code);
    QVERIFY(qAbs(double(picture.width()) / picture.height() - double(design.width()) / design.height()) < 0.01);
    const QRect frameInside = h.child<QWidget>("Shape5")->geometry().adjusted(3, 3, -3, -3);
    QVERIFY2(frameInside.contains(painted),
             qPrintable(QStringLiteral("diagram painted down to y = %1").arg(painted.bottom())));

    // The verdict picture shows over the middle of the diagram.
    h.page.A1aClick();
    const QPoint middle = h.child("displayit")->geometry().center();
    QCOMPARE(QColor(groupBoxImage(h).pixel(middle)).name(), QColor::fromHsv(40, 255, 255).name());
}

void TestQuestionPage::tallPictureShowsWholeInProportion()
{
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writePictures(questionPagePictures);
    // A sign 200 x 240 with a red rim, as tall as the sign pictures are.
    QImage sign(200, 240, QImage::Format_RGB32);
    sign.fill(Qt::red);
    QPainter(&sign).fillRect(sign.rect().adjusted(4, 4, -4, -4), Qt::white);
    sign.save(QStringLiteral("images/sign.png"));
    dir.writeQuestion(1, QStringLiteral("a1"), QStringLiteral("3"), QStringLiteral("sign"));
    Harness h;
    h.page.show();
    h.signIn();
    h.showQuestion(1);
    const QRect area = h.child("displayit")->geometry();
    const QImage shown = groupBoxImage(h).copy(area);
    const QRect rim = boundsOf(shown, [](QRgb p) { return qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80; });
    QCOMPARE(rim.height(), area.height());
    QVERIFY2(qAbs(rim.width() - 200 * area.height() / 240) <= 2, qPrintable(QString::number(rim.width())));
    // The top and bottom of the rim are there: the sign is not cut.
    for (const int y : {rim.top(), rim.bottom()})
        QVERIFY(qRed(shown.pixel(rim.center().x(), y)) > 200 && qGreen(shown.pixel(rim.center().x(), y)) < 80);
}

void TestQuestionPage::questionTextsShowAsTyped_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("line");
    QTest::newRow("question") << "Question" << 0;
    QTest::newRow("statement") << "Q2" << 2;
    QTest::newRow("option") << "A3c" << 6;
}

void TestQuestionPage::questionTextsShowAsTyped()
{
    QFETCH(QString, label);
    QFETCH(int, line);
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writePictures(questionPagePictures);
    dir.writeQuestion(1);
    const QString typed = QStringLiteral("<b>Keep</b> left &amp; go");
    QStringList lines = dir.readLines(QStringLiteral("Questions/1.lrn"));
    lines[line] = typed;
    dir.writeLines(QStringLiteral("Questions/1.lrn"), lines);
    Harness h;
    h.page.show();
    h.signIn();
    h.showQuestion(1);
    QLabel *shown = h.child(qPrintable(label));
    const QImage box = groupBoxImage(h);
    const QImage image = box.copy(shown->geometry() & box.rect());
    const QRect ink = boundsOf(image, [](QRgb p) { return qGray(p) < 160; });
    const int typedWidth = QFontMetrics(shown->font()).horizontalAdvance(typed);
    QVERIFY2(qAbs(ink.width() - typedWidth) <= 4,
             qPrintable(QStringLiteral("ink %1 px, typed text %2 px").arg(ink.width()).arg(typedWidth)));
}

void TestQuestionPage::firstWalkSavesMaximaOfShownQuestions()
{
    TempDataDir dir;
    MessageRecorder recorder;
    for (int n = 1; n <= 125; ++n) {
        const char *section = n == 50 ? "5" : n <= 102 ? "1" : n <= 119 ? "2" : "3";
        dir.writeQuestion(n, QStringLiteral("a1"), QString::fromLatin1(section));
    }
    QDir().mkpath(QStringLiteral("doc"));
    Harness h;
    h.signIn();
    QVERIFY(h.page.openPractice());
    int steps = 0;
    while (h.menuRequests == 0 && steps++ < 300)
        h.page.SpeedButton2Click();
    QCOMPARE(recorder.messages, QStringList{QStringLiteral("You have completed the questions")});
    // Questions 1..102 (50 in no section) and 120..125; the motorcycle range is stepped over.
    QCOMPARE(dir.readLines(QStringLiteral("doc/maxcount.lrn")), QStringList({"101", "0", "6"}));
    QCOMPARE(h.child<PieGauge>("GaugeRR")->MaxValue(), 101);
    QCOMPARE(h.child<PieGauge>("GaugeVC")->MaxValue(), 0);
    QCOMPARE(h.child<PieGauge>("GaugeRS")->MaxValue(), 6);
    // Once the file exists, showing questions counts nothing more.
    h.page.SpeedButton2Click();
    QCOMPARE(h.state.rrmax, 101);
    QCOMPARE(dir.readLines(QStringLiteral("doc/maxcount.lrn")), QStringList({"101", "0", "6"}));
}

void TestQuestionPage::testYourselfResetsStoredScores()
{
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writeBank(3);
    dir.writeLines(QStringLiteral("doc/maxcount.lrn"), {"66", "22", "69"});
    dir.writeProgress(QStringLiteral("Learner1"), {"5", "6", "7", "8", "9", "10"});
    Harness h;
    h.signIn();
    h.chart.Button1Click();
    h.runDown();
    QCOMPARE(h.text("Label32"), QStringLiteral("6 %"));
    h.state.mode = 1;
    QVERIFY(h.page.openTest());
    QCOMPARE(h.state.mode, 0);
    QCOMPARE(h.state.Qnumber, 1);
    QCOMPARE(dir.readLines(QStringLiteral("doc/Learner1.lrn")),
             QStringList({"Learner1", "0", "0", "0", "8", "9", "10"}));
    for (const char *label : {"Label31", "Label32", "Label33"})
        QCOMPARE(h.text(label), QStringLiteral("0 %"));
    for (const char *gauge : {"GaugeRR", "GaugeVC", "GaugeRS"})
        QCOMPARE(h.child<PieGauge>(gauge)->Progress(), 0);
    QCOMPARE(h.state.rrscore + h.state.vcscore + h.state.rsscore, 0);
    QCOMPARE(h.state.SpinRR + h.state.SpinVC + h.state.SpinRS, 0);
}

void TestQuestionPage::menuKeepsNumberOnlyWithProfile_data()
{
    QTest::addColumn<bool>("profile");
    QTest::addColumn<int>("number");
    QTest::newRow("with profile") << true << 42;
    QTest::newRow("without profile") << false << 0;
}

void TestQuestionPage::menuKeepsNumberOnlyWithProfile()
{
    QFETCH(bool, profile);
    TempDataDir dir;
    Harness h;
    if (profile)
        h.signIn();
    h.state.Qnumber = 42;
    h.page.SpeedButton3Click();
    QTEST(h.state.Qnumber, "number");
    QCOMPARE(h.menuRequests, 1);
}

void TestQuestionPage::missingProgressFileIsCreatedAtTestAnswer()
{
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writeQuestion(1, QStringLiteral("d1"), QStringLiteral("1"));
    dir.writeLines(QStringLiteral("doc/maxcount.lrn"), {"66", "22", "69"});
    Harness h;
    h.signIn();
    h.state.mode = 0;
    h.showQuestion(1);
    QVERIFY(!dir.exists(QStringLiteral("doc/Learner1.lrn")));
    h.page.A4dClick();
    QVERIFY(recorder.errors.isEmpty());
    QCOMPARE(dir.readLines(QStringLiteral("doc/Learner1.lrn")),
             QStringList({"Learner1", "1", "0", "0", "0", "0", "0"}));
    QCOMPARE(h.text("Label33"), QStringLiteral("1 %"));
}

void TestQuestionPage::nextWithoutLearnerWritesNoProfile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("saver");
    QTest::newRow("prompt text") << "Enter your name here" << QStringList{"Enter your name here", "1", "lv"};
    QTest::newRow("empty name") << "" << QStringList{"", "1", "lv"};
    QTest::newRow("empty profile list") << "Learner1" << QStringList();
    QTest::newRow("profile list of one line") << "Learner1" << QStringList{"Learner1"};
}

void TestQuestionPage::nextWithoutLearnerWritesNoProfile()
{
    QFETCH(QString, name);
    QFETCH(QStringList, saver);
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writeBank(3);
    Harness h;
    h.state.learnerName = name;
    h.state.Saver = saver;
    QVERIFY(h.page.openPractice());
    QCOMPARE(h.text("Question"), QStringLiteral("Question 1"));
    h.page.SpeedButton2Click();
    QCOMPARE(h.text("Question"), QStringLiteral("Question 2"));
    QVERIFY(recorder.all().isEmpty());
    QCOMPARE(QDir().entryList({QStringLiteral("*.sav")}, QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(h.state.Saver, saver);
}

void TestQuestionPage::missingPictureKeepsPrevious()
{
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writePictures({QStringLiteral("quest"), QStringLiteral("dot")});
    dir.writeQuestion(1, QStringLiteral("a1"), QStringLiteral("1"), QStringLiteral("sign42"));
    dir.writeBytes(QStringLiteral("images/broken.png"), "not a picture");
    dir.writeQuestion(2, QStringLiteral("a1"), QStringLiteral("1"), QStringLiteral("broken"));
    Harness h;
    h.signIn();
    h.state.mode = 1;
    h.showQuestion(1);
    QCOMPARE(h.picture("displayit"), imagesQuest);
    QVERIFY(!h.child("displayit")->pixmap().isNull());
    // correct.png and dot2.png are missing too.
    h.page.A1aClick();
    QCOMPARE(h.text("info"), QStringLiteral("Correct"));
    QCOMPARE(h.picture("displayit"), imagesQuest);
    QCOMPARE(h.picture("Image11"), imagesDot);
    h.page.SpeedButton2Click();
    QCOMPARE(h.text("Question"), QStringLiteral("Question 2"));
    QCOMPARE(h.picture("displayit"), imagesQuest);
    QVERIFY(recorder.all().isEmpty());
}

void TestQuestionPage::malformedQuestionFileReturnsToMenu_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("fifo");
    QTest::newRow("practice opening") << "practice" << false;
    QTest::newRow("test opening") << "test" << false;
    QTest::newRow("next") << "next" << false;
    QTest::newRow("back") << "back" << false;
    QTest::newRow("next onto a FIFO") << "next" << true;
    QTest::newRow("back onto a FIFO") << "back" << true;
}

void TestQuestionPage::malformedQuestionFileReturnsToMenu()
{
    QFETCH(QString, how);
    QFETCH(bool, fifo);
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writeBank(9);
    dir.writeLines(QStringLiteral("Questions/7.lrn"), {"Question 7", "A.", "B.", "C.", "1.", "2."});
    std::optional<Fifo> special;
    if (fifo)
        special.emplace(QStringLiteral("Questions/7.lrn"));
    dir.writeLines(QStringLiteral("doc/maxcount.lrn"), {"66", "22", "69"});
    Harness h;
    h.signIn();
    h.showQuestion(6);
    h.state.Qnumber = how == QStringLiteral("back") ? 8 : 6;
    bool reported = true;
    if (how == QStringLiteral("practice"))
        reported = !h.page.openPractice();
    else if (how == QStringLiteral("test"))
        reported = !h.page.openTest();
    else if (how == QStringLiteral("next"))
        h.page.SpeedButton2Click();
    else
        h.page.SpeedButton11Click();
    QVERIFY(reported);
    QVERIFY2(!special || !special->hung(), "the page waited on the FIFO");
    QCOMPARE(recorder.errors.size(), 1);
    QVERIFY2(recorder.errors.first().contains(QStringLiteral("Questions/7.lrn")), qPrintable(recorder.errors.first()));
    QCOMPARE(h.menuRequests, 1);
    // The profile is not moved on to the damaged question, and the learner can walk past it.
    QCOMPARE(dir.readLines(QStringLiteral("Learner1.sav")).value(1), QStringLiteral("6"));
    h.page.SpeedButton2Click();
    QCOMPARE(h.text("Question"), QStringLiteral("Question 8"));
    QCOMPARE(h.menuRequests, 1);
}

QTEST_MAIN(TestQuestionPage)
#include "tst_questionpage.moc"
