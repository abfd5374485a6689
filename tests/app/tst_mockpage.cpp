#include "app/menupage.h"
#include "app/tform2.h"
#include "base/messages.h"
#include "tests/study/studyfixtures.h"
#include "tests/support/children.h"
#include "tests/support/messagerecorder.h"
#include "controls/textfader.h"
#include "learner/loginpage.h"
#include "study/rulepage.h"
#include "study/studywidgets.h"
#include "testing/mocktestpage.h"
#include "testing/myprogresspage.h"
#include "tests/support/tempdatadir.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

// A learner takes a short mock test from the main menu with the keyboard alone, reads the result
// and the review, and follows a study link.
class TestMockPage : public QObject {
    Q_OBJECT
private slots:
    void shortTestByKeyboardEndsInResultHistoryAndReview();
    void drawProblemsAreSaidOnceBeforeTheClockRuns();
    void questionPictureComesFromImagesOnly_data();
    void questionPictureComesFromImagesOnly();
};

namespace {

QString text(const TForm2 &form, const char *name)
{
    const QLabel *label = form.MockT->findChild<QLabel *>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

void press(Qt::Key key)
{
    // Keys go where the window sends them: to the widget that holds the focus.
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, key);
}

// The number of the question on screen, from its text "Question <n>".
int shownQuestion(const TForm2 &form)
{
    return text(form, "MockQuestion").section(u' ', 1).toInt();
}

// Thabo, on the light motor vehicle course, clicks "Mock Test" on the main menu.
void openMockTest(TForm2 &form)
{
    child<QLineEdit>(form.Login, "edit2")->setText(QStringLiteral("Thabo"));
    form.state().RadioGroup1 = 1;
    form.state().ctype = QStringLiteral("lv");
    form.showPage(form.MenuT);
    QTest::mouseClick(child<TTextFader>(form.MenuT, "MockTestEntry"), Qt::LeftButton, {}, QPoint(5, 5));
}

} // namespace

void TestMockPage::shortTestByKeyboardEndsInResultHistoryAndReview()
{
    TempDataDir dir;
    // Five questions for a test of 2 rules, 1 control and 2 signs; option 2 is right throughout.
    const char *sections = "11233";
    for (int n = 1; n <= 5; ++n)
        dir.writeLines(QStringLiteral("Questions/%1.lrn").arg(n),
                       {QStringLiteral("Question %1").arg(n), "A. a", "B. b", "C. c", "1. one", "2. two", "3. three",
                        "4. four", "b1", QString(QLatin1Char(sections[n - 1])), "0",
                        QStringLiteral("Because of rule %1.").arg(n), "Driverules|No-Parking Places and Distances"});
    dir.writeLines(QStringLiteral("doc/mocktest.lrn"), {"2", "1", "2", "1", "1", "2", "5"});
    MessageRecorder recorder;
    TForm2 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    openMockTest(form);
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.MockT));
    QCOMPARE(text(form, "MockCounter"), QStringLiteral("Question 1 of 5"));
    QVERIFY2(text(form, "MockClock").startsWith(QStringLiteral("Time left 0")), qPrintable(text(form, "MockClock")));
    QVERIFY(form.MockT->findChild<QLabel *>(QStringLiteral("MockQuestion"))->font().pixelSize() >= 16);

    // Every question right except question 5; the last one is first left open.
    int wrongAt = -1;
    for (int i = 0; i < 5; ++i) {
        const int n = shownQuestion(form);
        if (n == 5)
            wrongAt = i;
        if (i < 4)
            press(n == 5 ? Qt::Key_3 : Qt::Key_2);
        press(Qt::Key_Right);
    }
    QCOMPARE(text(form, "MockCounter"), QStringLiteral("Question 5 of 5"));
    press(Qt::Key_End);
    QCOMPARE(text(form, "MockConfirmText"), QStringLiteral("Not answered: 1 of 5 questions. Finish the test now?"));
    press(Qt::Key_Escape);
    QVERIFY(!form.MockT->confirmingEnd());
    press(shownQuestion(form) == 5 ? Qt::Key_3 : Qt::Key_2);
    press(Qt::Key_F);
    QVERIFY(text(form, "MockSection").contains(QStringLiteral("flagged")));
    press(Qt::Key_End);
    press(Qt::Key_Return);

    QCOMPARE(form.MockT->view(), MockTestPage::View::Result);
    QCOMPARE(text(form, "MockVerdict"), QStringLiteral("FAILED"));
    QCOMPARE((QStringList{text(form, "MockSection0Column1"), text(form, "MockSection1Column1"),
                          text(form, "MockSection2Column1")}),
             (QStringList{"2 / 2", "1 / 1", "1 / 2"}));
    QCOMPARE(text(form, "MockSection2Column3"), QStringLiteral("failed"));
    const QStringList history = dir.readLines(QStringLiteral("doc/Thabo.mock"));
    QCOMPARE(history.size(), 1);
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d;lv;2/2;1/1;1/2;FAIL;\\d+$"))
                 .match(history.value(0))
                 .hasMatch(),
             qPrintable(history.value(0)));
    QCOMPARE(dir.readLines(QStringLiteral("doc/Thabo.answers")).size(), 5);

    // The review, wrong answers only: question 5 with its explanation, then its study topic.
    press(Qt::Key_Return);
    QCOMPARE(form.MockT->view(), MockTestPage::View::Review);
    QTest::mouseClick(form.MockT->findChild<QWidget *>(QStringLiteral("ReviewWrongOnly")), Qt::LeftButton);
    QCOMPARE(text(form, "ReviewCounter"),
             QStringLiteral("Review 1 of 1 \u2013 question %1 of the test, wrong").arg(wrongAt + 1));
    QCOMPARE(text(form, "ReviewExplanation"), QStringLiteral("Why: Because of rule 5."));
    QCOMPARE(text(form, "ReviewAnswers"), QStringLiteral("Your answer: 3   Right answer: 2"));
    QTest::mouseClick(form.MockT->findChild<QPushButton *>(QStringLiteral("ReviewStudy")), Qt::LeftButton);
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.Driverules));
    QCOMPARE(topicListOf(*form.Driverules)->currentItem()->text(), QStringLiteral("No-Parking Places and Distances"));
    QVERIFY(textLabelOf(*form.Driverules)->text() ==
            form.Driverules->texts().value(topicListOf(*form.Driverules)->currentRow()));

    // My Progress counts the test and drills question 5 until it is right twice in a row.
    form.showPage(form.MenuT);
    QTest::mouseClick(child<TTextFader>(form.MenuT, "MyProgressEntry"), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.ProgressT));
    auto progressText = [&](const char *name) {
        return form.ProgressT->findChild<QLabel *>(QString::fromLatin1(name))->text();
    };
    QCOMPARE(progressText("ProgressSummary"), QStringLiteral("Mock tests taken: 1\nPassed: 0"));
    QCOMPARE(form.ProgressT->findChild<QPushButton *>(QStringLiteral("ProgressTopic1"))->text(),
             QStringLiteral("No-Parking Places and Distances (Driving Rules) \u2013 1 wrong"));
    QTest::mouseClick(form.ProgressT->findChild<QPushButton *>(QStringLiteral("ProgressPractise")), Qt::LeftButton);
    for (const Qt::Key key :
         {Qt::Key_2, Qt::Key_Return, Qt::Key_3, Qt::Key_Return, Qt::Key_2, Qt::Key_Return, Qt::Key_2}) {
        QVERIFY(progressText("DrillCounter").startsWith(QStringLiteral("To practise: 1 ")));
        press(key);
    }
    QCOMPARE(progressText("DrillExplanation"), QStringLiteral("Why: Because of rule 5."));
    press(Qt::Key_Return);
    QVERIFY(progressText("DrillCounter").startsWith(QStringLiteral("Well done")));
    QVERIFY2(dir.readLines(QStringLiteral("doc/Thabo.answers")).value(5).contains(QStringLiteral(";drill;5;3;2;2")),
             qPrintable(dir.readLines(QStringLiteral("doc/Thabo.answers")).join(u'|')));
    QVERIFY2(recorder.all().isEmpty(), qPrintable(recorder.all().join(u'\n')));
}

void TestMockPage::drawProblemsAreSaidOnceBeforeTheClockRuns()
{
    TempDataDir dir;
    for (int n = 1; n <= 4; ++n)
        dir.writeQuestion(n, QStringLiteral("a1"), n == 4 ? QStringLiteral("2") : QStringLiteral("1"));
    dir.writeLines(QStringLiteral("Questions/5.lrn"), {"cut short"});
    dir.writeLines(QStringLiteral("doc/mocktest.lrn"), {"lots", "1", "1", "2", "1", "1", "5"});
    MessageRecorder recorder;
    TForm2 form;
    openMockTest(form);
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.MockT));
    // The garbage line, the damaged file and the missing road signs, in one message.
    QCOMPARE(recorder.all().size(), 1);
    const QString said = recorder.messages.value(0);
    QVERIFY2(said.contains(QStringLiteral("\"lots\"")) && said.contains(QStringLiteral("Questions/5.lrn")) &&
                 said.contains(QStringLiteral("0 of the 1 road signs questions")),
             qPrintable(said));
    QCOMPARE(text(form, "MockCounter"), QStringLiteral("Question 1 of 4"));
    QVERIFY(text(form, "MockNotice").contains(QStringLiteral("Questions/5.lrn")));
}

void TestMockPage::questionPictureComesFromImagesOnly_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("shown");
    QTest::newRow("picture file") << "TL" << true;
    // A code from a question file names a file inside "images", never one elsewhere.
    QTest::newRow("parent folder") << "../outside/evil" << false;
}

void TestMockPage::questionPictureComesFromImagesOnly()
{
    QFETCH(QString, code);
    QFETCH(bool, shown);
    TempDataDir dir;
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    dir.mkdir(QStringLiteral("images"));
    dir.mkdir(QStringLiteral("outside"));
    QVERIFY(red.save(dir.filePath(QStringLiteral("images/TL.png"))));
    QVERIFY(red.save(dir.filePath(QStringLiteral("outside/evil.png"))));
    for (int n = 1; n <= 3; ++n)
        dir.writeQuestion(n, QStringLiteral("a1"), QString::number(n), code);
    dir.writeLines(QStringLiteral("doc/mocktest.lrn"), {"1", "1", "1", "1", "1", "1", "5"});
    MessageRecorder recorder;
    TForm2 form;
    openMockTest(form);
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.MockT));
    QLabel *box = form.MockT->findChild<QLabel *>(QStringLiteral("MockPicture"));
    QVERIFY(box);
    const QImage seen = box->grab().toImage();
    QCOMPARE(seen.pixelColor(seen.rect().center()) == QColor(Qt::red), shown);
}

QTEST_MAIN(TestMockPage)
#include "tst_mockpage.moc"
