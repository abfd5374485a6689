#include "app/menupage.h"
#include "app/tform2.h"
#include "base/messages.h"
#include "controls/page.h"
#include "tests/support/children.h"
#include "tests/support/messagerecorder.h"
#include "controls/textfader.h"
#include "learner/coursepage.h"
#include "learner/loginpage.h"
#include "testing/questionpage.h"
#include "tests/support/tempdatadir.h"

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString namePrompt =
    QStringLiteral("Please enter your name and click the next button on the bottom right or press the enter key");

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
    child<QLineEdit>(form.Login, "edit2")->setText(name);
    clickOn(child<HotSpot>(form.Login, "SpeedButton21"));
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
    void signInWhileTheBankDownloadsKeepsThePlace();
    void nameIsKeptExactlyAsTyped();
    void nameInAnotherCaseIsThatLearner();
    void greetingsKeepToOneLine_data();
    void greetingsKeepToOneLine();
    void unsafeOrReservedNamesAreRefused_data();
    void unsafeOrReservedNamesAreRefused();
    void longestSavableNameKeepsItsFiles();
    void damagedProfileChangesNothing();
    void tilesLightAndDimUnderThePointer();
    void tilesFollowThePointer();
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
    QCOMPARE(child<TTextFader>(form.Course, "TextFader1")->Lines(), QStringList{QStringLiteral("Welcome Learner1")});
    QCOMPARE(child<TTextFader>(form.MenuT, "TextFader26")->Lines(), QStringList{QStringLiteral("Welcome Learner1")});
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
    QTest::keyClicks(child<QLineEdit>(form.Login, "edit2"), QStringLiteral("Naledi"));
    QTest::keyClick(child<QLineEdit>(form.Login, "edit2"), Qt::Key_Return);
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
    QTest::newRow("25 motorcycle") << "25"
                                   << "m" << 2 << "24" << 25;
    QTest::newRow("1 light") << "1"
                             << "lv" << 1 << "0" << 1;
    QTest::newRow("7 heavy") << "7"
                             << "hv" << 0 << "6" << 7;
    QTest::newRow("not a number") << "x"
                                  << "lv" << 1 << "-1" << 0;
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

void TestSignIn::signInWhileTheBankDownloadsKeepsThePlace()
{
    TempDataDir dir;
    prepare(dir, 0);
    dir.mkdir(QStringLiteral("Questions")); // the download has not brought a file yet
    dir.writeLines(QStringLiteral("Sipho.sav"), {QStringLiteral("Sipho"), QStringLiteral("12"), QStringLiteral("lv")});
    MessageRecorder recorder;
    TForm2 form;
    signIn(form, QStringLiteral("Sipho"));
    QCOMPARE(dir.readLines(QStringLiteral("Sipho.sav")).value(1), QStringLiteral("12"));
    QVERIFY2(recorder.all().isEmpty(), qPrintable(recorder.all().join(u'|')));
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
    QCOMPARE(child<TTextFader>(form.Course, "TextFader1")->Lines(),
             QStringList{QStringLiteral("Welcome  Zoë van Wyk ")});
}

void TestSignIn::nameInAnotherCaseIsThatLearner()
{
    TempDataDir dir;
    prepare(dir);
    dir.writeLines(QStringLiteral("Learner1.sav"), {"Learner1", "25", "m"});
    dir.writeLines(QStringLiteral("doc/Learner1.lrn"), {"Learner1", "3", "4", "5", "0", "0", "0"});
    MessageRecorder recorder;
    TForm2 form;
    signIn(form, QStringLiteral("learner1"));
    form.Course->Image38MouseEnter();
    form.Course->Image33Click();
    clickOn(child<HotSpot>(form.Course, "SpeedButton22"));
    // A returning learner, resumed from the one profile there is, with the one progress file.
    QCOMPARE(savFiles(dir), QStringList{QStringLiteral("Learner1.sav")});
    QCOMPARE(dir.readLines(QStringLiteral("Learner1.sav")), (QStringList{"Learner1", "24", "m"}));
    QCOMPARE(QDir(dir.filePath(QStringLiteral("doc"))).entryList({QStringLiteral("*.lrn")}, QDir::Files),
             QStringList{QStringLiteral("Learner1.lrn")});
}

void TestSignIn::greetingsKeepToOneLine_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("whole");
    QTest::newRow("two names") << "Thandiwe Nkosi" << true;
    QTest::newRow("four names") << "Thandiwe Nomvula Nkosi-Mahlangu Dlamini" << false;
}

void TestSignIn::greetingsKeepToOneLine()
{
    QFETCH(QString, name);
    QFETCH(bool, whole);
    TempDataDir dir;
    prepare(dir);
    MessageRecorder recorder;
    TForm2 form;
    signIn(form, name);
    for (TTextFader *greeting :
         {child<TTextFader>(form.Course, "TextFader1"), child<TTextFader>(form.MenuT, "TextFader26")}) {
        const QString line = greeting->Lines().value(0);
        QVERIFY(line.startsWith(QStringLiteral("Welcome ")));
        QCOMPARE(line == QStringLiteral("Welcome ") + name, whole);
        QCOMPARE(line.endsWith(QChar(0x2026)), !whole);
        for (int tick = 0; tick < 100 && greeting->CurText() != line; ++tick)
            greeting->TimerExpired();
        while (greeting->FadeProgress() < 100)
            greeting->TimerExpired();
        // The maroon ink lies on one line, clear of the box's top and bottom edges.
        const QImage canvas = greeting->PaintCanvas();
        QRect ink;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x) {
                const QColor p = canvas.pixelColor(x, y);
                if (p.red() > 90 && p.green() < 50 && p.blue() < 50)
                    ink |= QRect(x, y, 1, 1);
            }
        QVERIFY2(
            ink.height() <= QFontMetrics(greeting->font()).height() && ink.top() > 0 &&
                ink.bottom() < canvas.height() - 1,
            qPrintable(
                QStringLiteral("%1: ink rows %2 to %3").arg(greeting->objectName()).arg(ink.top()).arg(ink.bottom())));
    }
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
    // The name fits a file name, but the save's temporary copy needs seven bytes more.
    QTest::newRow("245 bytes") << QString(245, QLatin1Char('n'));
    QTest::newRow("251 bytes") << QString(251, QLatin1Char('n'));
    QTest::newRow("246 bytes in two-byte letters") << QString(123, QChar(0xEB));
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
    QVERIFY2(recorder.messages.value(0).contains(QStringLiteral("cannot be used")) ||
                 recorder.messages.value(0).contains(QStringLiteral("program's own files")),
             qPrintable(recorder.all().value(0)));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), afterStart);
    QVERIFY(!QFileInfo::exists(dir.path() + QStringLiteral("/../outside.sav")));
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.Login));
}

void TestSignIn::longestSavableNameKeepsItsFiles()
{
    TempDataDir dir;
    prepare(dir);
    MessageRecorder recorder;
    TForm2 form;
    const QString name(244, QLatin1Char('n'));
    signIn(form, name);
    form.Course->Image36MouseEnter();
    form.Course->Image32Click();
    clickOn(child<HotSpot>(form.Course, "SpeedButton22"));
    QVERIFY2(recorder.all().isEmpty(), qPrintable(recorder.all().value(0)));
    QCOMPARE(dir.readLines(name + QStringLiteral(".sav")), (QStringList{name, "1", "hv"}));
    QCOMPARE(dir.readLines(QStringLiteral("doc/") + name + QStringLiteral(".lrn")).size(), 7);
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
    QVERIFY(!child<QLabel>(course, "Image34")->isHidden() && !child<QLabel>(course, "Image31")->isHidden() &&
            child<QLabel>(course, "Image35")->isHidden());
    course->Image34MouseEnter();
    QVERIFY(child<QLabel>(course, "Image34")->isHidden() && !child<QLabel>(course, "Image31")->isHidden());
    course->Image31MouseLeave();
    QVERIFY(!child<QLabel>(course, "Image34")->isHidden() && child<QLabel>(course, "Image31")->isHidden());
    // A ticked tile stays ticked when the pointer leaves.
    course->Image36MouseEnter();
    course->Image32Click();
    course->Image32MouseLeave();
    QVERIFY(!child<QLabel>(course, "Image37")->isHidden());
    QVERIFY(child<QLabel>(course, "Image32")->isHidden());
}

namespace {

// The course page on screen with a signed-in learner, the pointer resting away from the tiles.
CoursePage *showCoursePage(TForm2 &form)
{
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return nullptr;
    signIn(form, QStringLiteral("Learner1"));
    QTest::mouseMove(form.Course, QPoint(100, 600));
    return form.Course;
}

const QRect tileRow(228, 304, 724, 205);

// The painted faces of the light, heavy and motorcycle tiles, inside their rounded rims.
QList<QImage> tileFaces(CoursePage *course)
{
    const QImage row = course->grab(tileRow).toImage();
    return {row.copy(16, 16, 168, 173), row.copy(280, 16, 168, 173), row.copy(540, 16, 168, 173)};
}

} // namespace

void TestSignIn::tilesFollowThePointer()
{
    TempDataDir dir;
    prepare(dir);
    MessageRecorder recorder;
    TForm2 form;
    CoursePage *course = showCoursePage(form);
    QVERIFY(course);
    const QList<QImage> atRest = tileFaces(course);
    QTest::mouseMove(course, QPoint(328, 400));
    const QList<QImage> lightLit = tileFaces(course);
    QVERIFY(lightLit.at(0) != atRest.at(0));
    // Pressed on the lit light tile, released 150 px to its left: no click.
    QTest::mousePress(child<QLabel>(course, "Image31"), Qt::LeftButton, {}, QPoint(100, 96));
    QTest::mouseRelease(child<QLabel>(course, "Image31"), Qt::LeftButton, {}, QPoint(-150, 96));
    QCOMPARE(form.state().RadioGroup1, -1);
    QCOMPARE(tileFaces(course), lightLit);
    // One move from the light tile onto the heavy one, then one move off the tiles.
    QTest::mouseMove(course, QPoint(592, 400));
    QCOMPARE(tileFaces(course).at(0), atRest.at(0));
    QTest::mouseMove(course, QPoint(500, 620));
    QCOMPARE(tileFaces(course), atRest);
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
    QCOMPARE(child<TTextFader>(form.MenuT, "TextFader3")->Lines(),
             QStringList{QStringLiteral("Light Motor Vehicle Course")});
    course->Image38MouseEnter();
    course->Image33Click();
    QCOMPARE(form.state().RadioGroup1, 2);
    QVERIFY(!child<QLabel>(course, "Image34")->isHidden()); // light slot dimmed again
    QVERIFY(child<QLabel>(course, "Image35")->isHidden());
    QVERIFY(!child<QLabel>(course, "Image39")->isHidden()); // motorcycle slot ticked
    QCOMPARE(child<TTextFader>(form.MenuT, "TextFader3")->Lines(), QStringList{QStringLiteral("Motorcycle Course")});
    QCOMPARE(child<TTextFader>(form.MenuT, "TextFader6")->Lines(), QStringList{QStringLiteral("Motorcycle Controls")});
    QVERIFY(!child<QLabel>(form.MenuT, "Image20")->pixmap().isNull());
    QVERIFY(form.state().ctype.isEmpty()); // a tile click sets no course code
    QVERIFY(recorder.all().isEmpty());
}

void TestSignIn::dimmedLightTileClickTicksWithoutSelecting()
{
    TempDataDir dir;
    prepare(dir);
    TForm2 form;
    form.Course->Image34Click();
    QVERIFY(!child<QLabel>(form.Course, "Image35")->isHidden());
    QVERIFY(child<QLabel>(form.Course, "Image34")->isHidden());
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
    clickOn(child<HotSpot>(form.Course, "SpeedButton22"));
    QCOMPARE(recorder.messages,
             QStringList{QStringLiteral(
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
    clickOn(child<HotSpot>(form.Course, "SpeedButton22"));
    QCOMPARE(form.state().ctype, QStringLiteral("hv"));
    QCOMPARE(dir.readLines(QStringLiteral("Learner1.sav")), (QStringList{"Learner1", "1", "hv"}));
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.MenuT));
    QVERIFY(child<QPushButton>(form.MenuT, "Button1")->isHidden());
    QCOMPARE(dir.readLines(QStringLiteral("doc/Learner1.lrn")),
             (QStringList{"Learner1", "0", "0", "0", "0", "0", "0"}));
    QVERIFY(form.Timer1->isActive());
    QVERIFY(recorder.all().isEmpty());
}

QTEST_MAIN(TestSignIn)
#include "tst_signin.moc"
