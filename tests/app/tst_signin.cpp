#include "app/menupage.h"
#include "app/tform2.h"
#include "base/messages.h"
#include "controls/textfader.h"
#include "learner/coursepage.h"
#include "learner/loginpage.h"
#include "testing/questionpage.h"
#include "tests/support/tempdatadir.h"

#include <QImage>
#include <QLineEdit>
#include <QtTest>

namespace {

const QString namePrompt = QStringLiteral("Please enter your name and click the next button on the bottom right or press the enter key");

// A data directory with a small bank and the course icons.
void prepare(TempDataDir &dir, int questions = 30)
{
    for (int n = 1; n <= questions; ++n)
        dir.writeQuestion(n);
    dir.mkdir(QStringLiteral("images"));
    for (const char *icon : {"lvs", "lvb", "hvs", "hb", "mcs", "mb"}) {
        QImage picture(99, 74, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture.save(dir.filePath(QStringLiteral("images/%1.png").arg(QLatin1String(icon))));
    }
}

void signIn(TForm2 &form, const QString &name)
{
    form.Login->edit2->setText(name);
    form.Login->SpeedButton21->click();
}

QStringList savFiles(const TempDataDir &dir)
{
    return QDir(dir.path()).entryList({QStringLiteral("*.sav")}, QDir::Files);
}

} // namespace

class TestSignIn : public QObject {
    Q_OBJECT
private slots:
    void newLearnerGetsProfileAndGreeting();
    void enterKeyPressesNext();
    void promptOrEmptyNameIsRefused_data();
    void promptOrEmptyNameIsRefused();
    void returningLearnerResumes_data();
    void returningLearnerResumes();
    void nameIsKeptExactlyAsTyped();
    void unsafeOrReservedNamesAreRefused_data();
    void unsafeOrReservedNamesAreRefused();
    void damagedProfileChangesNothing();
    void tilesLightAndDimUnderThePointer();
    void lastTileClickDecidesTheCourse();
    void dimmedLightTileClickTicksWithoutSelecting();
    void nextWithoutTileShowsMessage();
    void nextAfterHeavyConfirmsTheCourse();
};

void TestSignIn::newLearnerGetsProfileAndGreeting()
{
    TempDataDir dir;
    prepare(dir);
    MessageRecorder recorder;
    TForm2 form;
    signIn(form, QStringLiteral("Learner1"));
    QCOMPARE(dir.readLines(QStringLiteral("Learner1.sav")), (QStringList{"Learner1", "1", "lv"}));
    QCOMPARE(form.Course->TextFader1->Lines(), QStringList{QStringLiteral("Welcome Learner1")});
    QCOMPARE(form.MenuT->TextFader26->Lines(), QStringList{QStringLiteral("Welcome Learner1")});
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.Course));
    QVERIFY(recorder.all().isEmpty());
    // A new learner has no course yet: nothing was selected by the sign-in.
    QCOMPARE(form.state().RadioGroup1, -1);
}

void TestSignIn::enterKeyPressesNext()
{
    TempDataDir dir;
    prepare(dir);
    MessageRecorder recorder;
    TForm2 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClicks(form.Login->edit2, QStringLiteral("Naledi"));
    QTest::keyClick(form.Login->edit2, Qt::Key_Return);
    QVERIFY(dir.exists(QStringLiteral("Naledi.sav")));
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.Course));
}

void TestSignIn::promptOrEmptyNameIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("prompt") << "Enter your name here";
    QTest::newRow("empty") << "";
}

void TestSignIn::promptOrEmptyNameIsRefused()
{
    QFETCH(QString, name);
    TempDataDir dir;
    prepare(dir);
    MessageRecorder recorder;
    TForm2 form;
    signIn(form, name);
    QCOMPARE(recorder.messages, QStringList{namePrompt});
    QVERIFY(savFiles(dir).isEmpty());
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.Login));
}

void TestSignIn::returningLearnerResumes_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("course");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<int>("shownNext");
    QTest::newRow("25 motorcycle") << "25" << "m" << 2 << "24" << 25;
    QTest::newRow("1 light") << "1" << "lv" << 1 << "0" << 1;
    QTest::newRow("7 heavy") << "7" << "hv" << 0 << "6" << 7;
    QTest::newRow("not a number") << "x" << "lv" << 1 << "-1" << 0;
}

void TestSignIn::returningLearnerResumes()
{
    QFETCH(QString, stored);
    QFETCH(QString, course);
    QFETCH(int, index);
    QFETCH(QString, storedAfter);
    QFETCH(int, shownNext);
    TempDataDir dir;
    prepare(dir);
    dir.writeLines(QStringLiteral("Sipho.sav"), {QStringLiteral("Sipho"), stored, course});
    MessageRecorder recorder;
    TForm2 form;
    signIn(form, QStringLiteral("Sipho"));
    QCOMPARE(form.state().ctype, course);
    QCOMPARE(form.state().RadioGroup1, index);
    QCOMPARE(dir.readLines(QStringLiteral("Sipho.sav")).value(1), storedAfter);
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.Course));

    // The next "Learners Questions" resumes at the stored question.
    form.TextFader11Click();
    QCOMPARE(form.state().Qnumber, shownNext);
    if (shownNext >= 1) {
        QCOMPARE(form.QuestionT->Questionbox().value(0), QStringLiteral("Question %1").arg(shownNext));
        QCOMPARE(form.activePage(), static_cast<QWidget *>(form.QuestionT));
    }
}

void TestSignIn::nameIsKeptExactlyAsTyped()
{
    TempDataDir dir;
    prepare(dir);
    MessageRecorder recorder;
    TForm2 form;
    signIn(form, QStringLiteral(" Zoë van Wyk "));
    QCOMPARE(savFiles(dir), QStringList{QStringLiteral(" Zoë van Wyk .sav")});
    QCOMPARE(dir.readLines(QStringLiteral(" Zoë van Wyk .sav")).value(0), QStringLiteral(" Zoë van Wyk "));
    QCOMPARE(form.Course->TextFader1->Lines(), QStringList{QStringLiteral("Welcome  Zoë van Wyk ")});
}

void TestSignIn::unsafeOrReservedNamesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("parent folder") << "../outside";
    QTest::newRow("sub folder") << "doc/x";
    QTest::newRow("dots") << "..";
    QTest::newRow("device") << "NUL";
    QTest::newRow("forbidden character") << "who?";
    QTest::newRow("control character") << "a\tb";
    QTest::newRow("maximum file") << "MaxCount";
    QTest::newRow("sign list") << "Road Markings";
    QTest::newRow("mock test settings") << "MockTest";
    QTest::newRow("too long") << QString(300, QLatin1Char('n'));
}

void TestSignIn::unsafeOrReservedNamesAreRefused()
{
    QFETCH(QString, name);
    TempDataDir dir;
    prepare(dir);
    MessageRecorder recorder;
    TForm2 form;
    const QStringList afterStart = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    signIn(form, name);
    QCOMPARE(recorder.all().size(), 1);
    QVERIFY2(recorder.messages.value(0).contains(QStringLiteral("cannot be used"))
                 || recorder.messages.value(0).contains(QStringLiteral("program's own files")),
             qPrintable(recorder.all().value(0)));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), afterStart);
    QVERIFY(!QFileInfo::exists(dir.path() + QStringLiteral("/../outside.sav")));
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.Login));
}

void TestSignIn::damagedProfileChangesNothing()
{
    TempDataDir dir;
    prepare(dir);
    dir.writeBytes(QStringLiteral("Short.sav"), "Short\r\n12\r\n");
    MessageRecorder recorder;
    TForm2 form;
    signIn(form, QStringLiteral("Short"));
    QCOMPARE(recorder.all().size(), 1);
    QVERIFY(recorder.all().value(0).contains(QStringLiteral("Short.sav")));
    QCOMPARE(dir.readBytes(QStringLiteral("Short.sav")), QByteArray("Short\r\n12\r\n"));
    QCOMPARE(form.state().Qnumber, 0);
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.Login));
}

void TestSignIn::tilesLightAndDimUnderThePointer()
{
    TempDataDir dir;
    prepare(dir);
    TForm2 form;
    CoursePage *course = form.Course;
    QVERIFY(!course->Image34->isHidden() && !course->Image31->isHidden() && course->Image35->isHidden());
    course->Image34MouseEnter();
    QVERIFY(course->Image34->isHidden() && !course->Image31->isHidden());
    course->Image31MouseLeave();
    QVERIFY(!course->Image34->isHidden() && course->Image31->isHidden());
    // A ticked tile stays ticked when the pointer leaves.
    course->Image36MouseEnter();
    course->Image32Click();
    course->Image32MouseLeave();
    QVERIFY(!course->Image37->isHidden());
    QVERIFY(course->Image32->isHidden());
}

void TestSignIn::lastTileClickDecidesTheCourse()
{
    TempDataDir dir;
    prepare(dir);
    MessageRecorder recorder;
    TForm2 form;
    CoursePage *course = form.Course;
    course->Image34MouseEnter();
    course->Image31Click();
    QCOMPARE(form.state().RadioGroup1, 1);
    QCOMPARE(form.MenuT->TextFader3->Lines(), QStringList{QStringLiteral("Light Motor Vehicle Course")});
    course->Image38MouseEnter();
    course->Image33Click();
    QCOMPARE(form.state().RadioGroup1, 2);
    QVERIFY(!course->Image34->isHidden());   // light slot dimmed again
    QVERIFY(course->Image35->isHidden());
    QVERIFY(!course->Image39->isHidden());   // motorcycle slot ticked
    QCOMPARE(form.MenuT->TextFader3->Lines(), QStringList{QStringLiteral("Motorcycle Course")});
    QCOMPARE(form.MenuT->TextFader6->Lines(), QStringList{QStringLiteral("Motorcycle Controls")});
    QVERIFY(!form.MenuT->Image20->pixmap().isNull());
    QVERIFY(form.state().ctype.isEmpty());   // a tile click sets no course code
    QVERIFY(recorder.all().isEmpty());
}

void TestSignIn::dimmedLightTileClickTicksWithoutSelecting()
{
    TempDataDir dir;
    prepare(dir);
    TForm2 form;
    form.Course->Image34Click();
    QVERIFY(!form.Course->Image35->isHidden());
    QVERIFY(form.Course->Image34->isHidden());
    QCOMPARE(form.state().RadioGroup1, -1);
}

void TestSignIn::nextWithoutTileShowsMessage()
{
    TempDataDir dir;
    prepare(dir);
    dir.writeLines(QStringLiteral("Sipho.sav"), {"Sipho", "5", "m"});
    MessageRecorder recorder;
    TForm2 form;
    signIn(form, QStringLiteral("Sipho"));
    recorder.clear();
    form.Course->SpeedButton22->click();
    QCOMPARE(recorder.messages, QStringList{QStringLiteral(
                                    "Select a Course you want to study for by clicking on one of the images (car,truck or bike)")});
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.Course));
}

void TestSignIn::nextAfterHeavyConfirmsTheCourse()
{
    TempDataDir dir;
    prepare(dir);
    MessageRecorder recorder;
    TForm2 form;
    signIn(form, QStringLiteral("Learner1"));
    form.Course->Image36MouseEnter();
    form.Course->Image32Click();
    form.Course->SpeedButton22->click();
    QCOMPARE(form.state().ctype, QStringLiteral("hv"));
    QCOMPARE(dir.readLines(QStringLiteral("Learner1.sav")), (QStringList{"Learner1", "1", "hv"}));
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.MenuT));
    QVERIFY(form.MenuT->Button1->isHidden());
    QCOMPARE(dir.readLines(QStringLiteral("doc/Learner1.lrn")), (QStringList{"Learner1", "0", "0", "0", "0", "0", "0"}));
    QVERIFY(form.Timer1->isActive());
    QVERIFY(recorder.all().isEmpty());
}

QTEST_MAIN(TestSignIn)
#include "tst_signin.moc"
