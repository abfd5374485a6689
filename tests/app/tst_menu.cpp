#include "app/adverts.h"
#include "app/menupage.h"
#include "app/tform2.h"
#include "base/messages.h"
#include "tests/study/studyfixtures.h"
#include "tests/support/children.h"
#include "tests/support/messagerecorder.h"
#include "controls/page.h"
#include "controls/textfader.h"
#include "learner/coursepage.h"
#include "learner/loginpage.h"
#include "study/controlspage.h"
#include "study/documentviewer.h"
#include "study/rulepage.h"
#include "study/signspage.h"
#include "testing/questionpage.h"
#include "tests/support/tempdatadir.h"
#include "update/updatepanel.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

namespace {
const QString noName = QStringLiteral(
    "Enter your name in the \u201CEnter your name\u201D field and hit enter or click the login button, then select a "
    "course by clicking on one either Truck, Car or Bike icons");
const QString noCourse = QStringLiteral("select a course by clicking on one either Truck, Car or Bike icons");
const QString noCourseCapital = QStringLiteral("Select a course by clicking on one either Truck, Car or Bike icons");

void click(TTextFader *fader)
{
    QTest::mouseClick(fader, Qt::LeftButton, {}, QPoint(5, 5));
}

void writePng(const TempDataDir &dir, const QString &relative, const QColor &colour, QSize size = {560, 114})
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    QDir().mkpath(QFileInfo(dir.filePath(relative)).absolutePath());
    QVERIFY(picture.save(dir.filePath(relative)));
}
} // namespace

class TestMenu : public QObject {
    Q_OBJECT
private slots:
    void gateStopsGatedEntries_data();
    void gateStopsGatedEntries();
    void ungatedEntriesOpenWithoutName();
    void hoverLeavesEntriesInTheirColour_data();
    void hoverLeavesEntriesInTheirColour();
    void agentsBannerIsStillInDevelopment();
    void optionsShowsThePanel();
    void exitClosesTheWindow();
    void layoutOfTheEntryColumn();
    void chartGroundLeavesItsFrameVisible();
    void studyEntriesOpenTheirPages();
    void panelsCoverTheChart_data();
    void panelsCoverTheChart();
    void controlsAndDocumentsFollowTheCourse_data();
    void controlsAndDocumentsFollowTheCourse();
    void advertsRotate();
    void advertsWithoutPicturesStayQuiet();
    void enterOnTheMenuLeavesTheChartAlone();
};

void TestMenu::gateStopsGatedEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("noCourseMessage");
    for (const char *name : {"TextFader4", "TextFader6", "TextFader8", "TextFader12", "TextFader16", "TextFader17",
                             "TextFader18", "TextFader21"})
        QTest::newRow(name) << QString::fromLatin1(name) << noCourse;
    QTest::newRow("TextFader7") << "TextFader7" << noCourseCapital;
    QTest::newRow("MockTestEntry") << "MockTestEntry" << noCourse;
    QTest::newRow("MyProgressEntry") << "MyProgressEntry" << noCourse;
}

void TestMenu::gateStopsGatedEntries()
{
    QFETCH(QString, entry);
    QFETCH(QString, noCourseMessage);
    TempDataDir dir;
    dir.writeQuestion(1);
    MessageRecorder recorder;
    TForm2 form;
    form.showPage(form.MenuT);
    TTextFader *fader = form.MenuT->entry(entry);
    QVERIFY(fader);

    // The prompt text fails first, whatever the course.
    form.state().RadioGroup1 = 1;
    click(fader);
    QCOMPARE(recorder.messages, QStringList{noName});
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.MenuT));

    recorder.clear();
    form.state().RadioGroup1 = -1;
    child<QLineEdit>(form.Login, "edit2")->setText(QString()); // an empty name passes the first test
    click(fader);
    QCOMPARE(recorder.messages, QStringList{noCourseMessage});
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.MenuT));
    QVERIFY(!dir.exists(QStringLiteral("doc/.lrn")));
}

void TestMenu::ungatedEntriesOpenWithoutName()
{
    TempDataDir dir;
    dir.writeQuestion(1);
    MessageRecorder recorder;
    TForm2 form;
    form.showPage(form.MenuT);
    click(child<TTextFader>(form.MenuT, "TextFader11"));
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.QuestionT));
    QCOMPARE(form.state().mode, 1);
    form.showPage(form.MenuT);
    click(child<TTextFader>(form.MenuT, "TextFader14"));
    click(child<TTextFader>(form.MenuT, "TextFader15"));
    QVERIFY(recorder.messages.isEmpty());
}

void TestMenu::hoverLeavesEntriesInTheirColour_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QColor>("rest");
    for (const char *name :
         {"TextFader4", "TextFader6", "TextFader7", "TextFader8", "TextFader9", "TextFader11", "TextFader12",
          "TextFader14", "TextFader15", "TextFader16", "TextFader17", "TextFader18", "TextFader21"})
        QTest::newRow(name) << QString::fromLatin1(name) << QColor(255, 255, 255);
    QTest::newRow("TextFader22") << "TextFader22" << QColor(128, 0, 0);
    QTest::newRow("MockTestEntry") << "MockTestEntry" << QColor(128, 0, 0);
    QTest::newRow("MyProgressEntry") << "MyProgressEntry" << QColor(128, 0, 0);
}

void TestMenu::hoverLeavesEntriesInTheirColour()
{
    QFETCH(QString, entry);
    QFETCH(QColor, rest);
    TempDataDir dir;
    dir.writeQuestion(1);
    TForm2 form;
    TTextFader *fader = form.MenuT->entry(entry);
    QCOMPARE(fader->FontColor(), rest);
    QVERIFY(fader->cursor().shape() == Qt::PointingHandCursor);
    emit fader->OnMouseEnter(fader);
    QCOMPARE(fader->FontColor(), QColor(255, 255, 0));
    emit fader->OnMouseLeave(fader);
    QCOMPARE(fader->FontColor(), rest);
}

void TestMenu::agentsBannerIsStillInDevelopment()
{
    TempDataDir dir;
    dir.writeQuestion(1);
    MessageRecorder recorder;
    TForm2 form;
    form.showPage(form.MenuT);
    const QColor before = child<TTextFader>(form.MenuT, "TextFader25")->FontColor();
    click(child<TTextFader>(form.MenuT, "TextFader25"));
    QCOMPARE(recorder.messages, QStringList{QStringLiteral("Still in Development")});
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.MenuT));
    emit child<TTextFader>(form.MenuT, "TextFader25")->OnMouseEnter(child<TTextFader>(form.MenuT, "TextFader25"));
    QCOMPARE(child<TTextFader>(form.MenuT, "TextFader25")->FontColor(), before);
    QCOMPARE(child<TTextFader>(form.MenuT, "TextFader25")->Lines(),
             (QStringList{"Tarmika Agents", "", "Recommended Driving schools"}));
}

void TestMenu::optionsShowsThePanel()
{
    TempDataDir dir;
    dir.writeQuestion(1);
    TForm2 form;
    QVERIFY(form.Panel2->isHidden());
    click(child<TTextFader>(form.MenuT, "TextFader22"));
    QVERIFY(!form.Panel2->isHidden());
}

void TestMenu::exitClosesTheWindow()
{
    TempDataDir dir;
    dir.writeQuestion(1);
    MessageRecorder recorder;
    TForm2 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.showPage(form.MenuT);
    click(child<TTextFader>(form.MenuT, "TextFader9"));
    QVERIFY(!form.isVisible());
    QVERIFY(recorder.all().isEmpty());
}

void TestMenu::layoutOfTheEntryColumn()
{
    TempDataDir dir;
    dir.writeQuestion(1);
    TForm2 form;
    const struct {
        const char *name;
        int top;
        int delay;
    } rows[] = {{"TextFader15", 15, 2000},  {"TextFader14", 65, 2000},  {"TextFader16", 116, 2000},
                {"TextFader17", 167, 2000}, {"TextFader7", 218, 1000},  {"TextFader18", 269, 2000},
                {"TextFader4", 320, 1000},  {"TextFader6", 371, 1000},  {"TextFader8", 422, 1000},
                {"TextFader21", 473, 1000}, {"TextFader11", 524, 1000}, {"TextFader12", 576, 1000}};
    for (const auto &row : rows) {
        TTextFader *fader = form.MenuT->entry(QString::fromLatin1(row.name));
        QCOMPARE(fader->geometry(), QRect(672, row.top, 308, 38));
        QCOMPARE(fader->LineDelay(), row.delay);
        QVERIFY(fader->Active());
        QVERIFY(fader->Transparent());
        QCOMPARE(fader->Alignment(), taLeftJustify);
    }
    QCOMPARE(child<TTextFader>(form.MenuT, "TextFader21")->Lines(), QStringList{QStringLiteral("Interior Inpection")});
    QCOMPARE(child<QLabel>(form.MenuT, "ver")->text(), QStringLiteral("1004"));
    QCOMPARE(child<TTextFader>(form.MenuT, "TextFader9")->geometry(), QRect(760, 656, 128, 29));
}

void TestMenu::chartGroundLeavesItsFrameVisible()
{
    TempDataDir dir;
    dir.writeQuestion(1);
    TForm2 form;
    const QImage page = form.MenuT->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage background = designPicture(QStringLiteral("bg_MenuT")).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(page.size(), background.size());
    // The chart card's frame and the rule under its heading are drawn in the background: on each side
    // of the card and along the rule the page shows the background, not the gauges' white ground.
    const QPoint frame[] = {{64, 500}, {648, 450}, {648, 500}, {648, 560}, {350, 605}, {200, 422}, {600, 422}};
    for (const QPoint &at : frame) {
        const QByteArray where = QStringLiteral("%1,%2").arg(at.x()).arg(at.y()).toLatin1();
        QVERIFY2(background.pixel(at) != qRgb(255, 255, 255), "no frame drawn at " + where);
        QVERIFY2(page.pixel(at) == background.pixel(at), "frame covered at " + where);
    }
}

namespace {
// A data directory with the shipped documents and sign lists, a signed-in learner and a course.
void prepareStudy(const TempDataDir &dir, TForm2 &form, int course)
{
    for (const QString &file : QDir(QStringLiteral(TARMIKA_SOURCE_DIR "/content/doc")).entryList(QDir::Files))
        QFile::copy(QStringLiteral(TARMIKA_SOURCE_DIR "/content/doc/") + file,
                    dir.filePath(QStringLiteral("doc/") + file));
    child<QLineEdit>(form.Login, "edit2")->setText(QStringLiteral("Learner1"));
    form.state().RadioGroup1 = course;
    form.showPage(form.MenuT);
}
} // namespace

void TestMenu::panelsCoverTheChart_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("options panel") << "TextFader22";
    QTest::newRow("introduction") << "TextFader15";
}

void TestMenu::panelsCoverTheChart()
{
    QFETCH(QString, entry);
    TempDataDir dir;
    dir.writeQuestion(1);
    dir.mkdir(QStringLiteral("doc"));
    MessageRecorder recorder;
    TForm2 form;
    prepareStudy(dir, form, 1);
    click(form.MenuT->entry(entry));
    QWidget *covering = entry == QStringLiteral("TextFader22") ? static_cast<QWidget *>(form.Panel2)
                                                               : static_cast<QWidget *>(form.RichEdit2);
    QVERIFY(covering->isVisibleTo(form.MenuT));
    // Around the open panel, where the chart with its frame and "0 %" labels lay, the page is bare.
    const QImage page = form.MenuT->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect chartArea(62, 392, 590, 216);
    int shows = 0;
    for (int y = chartArea.top(); y <= chartArea.bottom(); ++y)
        for (int x = chartArea.left(); x <= chartArea.right(); ++x)
            if (!covering->geometry().contains(x, y) && page.pixel(x, y) != qRgb(255, 255, 255))
                ++shows;
    QCOMPARE(shows, 0);
    // Closed again, the chart is back.
    covering->hide();
    const QImage closed = form.MenuT->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(closed.copy(chartArea) != page.copy(chartArea));
}

void TestMenu::studyEntriesOpenTheirPages()
{
    TempDataDir dir;
    dir.writeQuestion(1);
    dir.mkdir(QStringLiteral("doc"));
    MessageRecorder recorder;
    TForm2 form;
    prepareStudy(dir, form, 1);

    click(child<TTextFader>(form.MenuT, "TextFader15")); // Introduction: shown on the menu itself
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.MenuT));
    QVERIFY(!form.RichEdit2->isHidden());
    QVERIFY(form.RichEdit2->toPlainText().size() > 100);
    // Its picture is fitted to the small viewer: nothing to scroll sideways.
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_COMPARE(form.RichEdit2->horizontalScrollBar()->maximum(), 0);

    const struct {
        TTextFader *entry;
        QWidget *page;
        HotSpot *back;
    } rows[] = {
        {child<TTextFader>(form.MenuT, "TextFader14"), form.LearnersT, backButtonOf(*form.LearnersT)},
        {child<TTextFader>(form.MenuT, "TextFader16"), form.Cardinal, backButtonOf(*form.Cardinal)},
        {child<TTextFader>(form.MenuT, "TextFader17"), form.Driverules, backButtonOf(*form.Driverules)},
        {child<TTextFader>(form.MenuT, "TextFader7"), form.Driving, backButtonOf(*form.Driving)},
        {child<TTextFader>(form.MenuT, "TextFader18"), form.Responsibilities, backButtonOf(*form.Responsibilities)},
        {child<TTextFader>(form.MenuT, "TextFader4"), form.Signs, child<HotSpot>(form.Signs, "SpeedButton5")},
        {child<TTextFader>(form.MenuT, "TextFader6"), form.LightVT, backButtonOf(*form.LightVT)},
        {child<TTextFader>(form.MenuT, "TextFader8"), form.exterior, child<HotSpot>(form.exterior, "SpeedButton6")},
    };
    for (const auto &row : rows) {
        click(row.entry);
        QCOMPARE(form.activePage(), row.page);
        row.back->click();
        QCOMPARE(form.activePage(), static_cast<QWidget *>(form.MenuT));
    }
    // The study pages hide the introduction; the inspection documents leave it as it was.
    QVERIFY(form.RichEdit2->isHidden());
    QCOMPARE(child<TTextFader>(form.Signs, "TextFader13")->Lines(), QStringList{QStringLiteral("COMBINATION SIGNS")});
    // This data directory has no pictures: only their absence may be reported.
    for (const QString &error : recorder.errors)
        QVERIFY2(error.contains(QStringLiteral("images/")), qPrintable(error));
}

void TestMenu::controlsAndDocumentsFollowTheCourse_data()
{
    QTest::addColumn<int>("course");
    QTest::addColumn<QString>("controlsPage");
    QTest::addColumn<QString>("exteriorFile");
    QTest::addColumn<QString>("interiorFile");
    QTest::newRow("heavy") << 0 << "LightVT"
                           << "doc/Hmve.rtf"
                           << "doc/Hmvi.rtf";
    QTest::newRow("light") << 1 << "LightVT"
                           << "doc/lmve.rtf"
                           << "doc/Hmvi.rtf";
    QTest::newRow("motorcycle") << 2 << "MotorcycleT"
                                << "doc/mve.rtf"
                                << "";
}

void TestMenu::controlsAndDocumentsFollowTheCourse()
{
    QFETCH(int, course);
    QFETCH(QString, controlsPage);
    QFETCH(QString, exteriorFile);
    QFETCH(QString, interiorFile);
    TempDataDir dir;
    dir.writeQuestion(1);
    dir.mkdir(QStringLiteral("doc"));
    MessageRecorder recorder;
    TForm2 form;
    prepareStudy(dir, form, course);
    click(child<TTextFader>(form.MenuT, "TextFader6"));
    QCOMPARE(form.activePage()->objectName(), controlsPage);
    form.showPage(form.MenuT);
    click(child<TTextFader>(form.MenuT, "TextFader8"));
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.exterior));
    QCOMPARE(child<DocumentViewer>(form.exterior, "RichEdit4")->documentFile(), exteriorFile);
    form.showPage(form.MenuT);
    click(child<TTextFader>(form.MenuT, "TextFader21"));
    if (interiorFile.isEmpty()) {
        QCOMPARE(form.activePage(), static_cast<QWidget *>(form.MenuT)); // nothing at all for motorcycles
        QCOMPARE(child<DocumentViewer>(form.exterior, "RichEdit4")->documentFile(), exteriorFile);
    } else {
        QCOMPARE(form.activePage(), static_cast<QWidget *>(form.exterior));
        QCOMPARE(child<DocumentViewer>(form.exterior, "RichEdit4")->documentFile(), interiorFile);
    }
    QVERIFY(recorder.all().isEmpty());
}

void TestMenu::advertsRotate()
{
    TempDataDir dir;
    dir.writeQuestion(1);
    writePng(dir, QStringLiteral("adds/a0.png"), Qt::red);
    writePng(dir, QStringLiteral("adds/a1.png"), Qt::green);
    writePng(dir, QStringLiteral("adds/a2.png"), Qt::blue);
    dir.mkdir(QStringLiteral("adds/archive"));
    TForm2 form;
    QCOMPARE(Adverts::Countadds(), 3);
    QSet<QRgb> seen;
    for (int tick = 0; tick < 60; ++tick) {
        form.Timer2Timer();
        seen.insert(child<QLabel>(form.MenuT, "advert")->pixmap().toImage().pixel(10, 10));
    }
    QCOMPARE(seen, (QSet<QRgb>{QColor(Qt::red).rgb(), QColor(Qt::green).rgb(), QColor(Qt::blue).rgb()}));
    QCOMPARE(form.Timer2->interval(), 5000);

    // Only a0: every tick shows it again.
    QFile::remove(dir.filePath(QStringLiteral("adds/a1.png")));
    QFile::remove(dir.filePath(QStringLiteral("adds/a2.png")));
    form.Timer2Timer();
    QCOMPARE(child<QLabel>(form.MenuT, "advert")->pixmap().toImage().pixel(10, 10), QColor(Qt::red).rgb());
    // The menu drawn for the first time keeps the advert: the placeholder waiting for it is dropped.
    form.MenuT->grab();
    QCOMPARE(child<QLabel>(form.MenuT, "advert")->pixmap().toImage().pixel(10, 10), QColor(Qt::red).rgb());
}

void TestMenu::advertsWithoutPicturesStayQuiet()
{
    TempDataDir dir;
    dir.writeQuestion(1);
    MessageRecorder recorder;
    TForm2 form;
    form.MenuT->grab(); // the placeholder is decoded when the menu is first drawn
    const QImage placeholder = child<QLabel>(form.MenuT, "advert")->pixmap().toImage();
    QVERIFY(!placeholder.isNull());
    form.Timer2Timer();                                            // no folder
    dir.writeBytes(QStringLiteral("adds/b.png"), "not a picture"); // one entry, but no a0.png
    form.Timer2Timer();
    dir.writeBytes(QStringLiteral("adds/a0.png"), "broken");
    dir.writeBytes(QStringLiteral("adds/b.png"), "broken");
    for (int tick = 0; tick < 10; ++tick)
        form.Timer2Timer();
    QCOMPARE(child<QLabel>(form.MenuT, "advert")->pixmap().toImage(), placeholder);
    QVERIFY(recorder.all().isEmpty());
}

void TestMenu::enterOnTheMenuLeavesTheChartAlone()
{
    TempDataDir dir;
    dir.writeQuestion(1);
    for (const char *icon : {"lvs", "lvb", "hvs", "hb", "mcs", "mb"})
        writePng(dir, QStringLiteral("images/%1.png").arg(QLatin1String(icon)), Qt::red, {99, 74});
    MessageRecorder recorder;
    TForm2 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClicks(child<QLineEdit>(form.Login, "edit2"), QStringLiteral("Thabo"));
    QTest::keyClick(form.windowHandle(), Qt::Key_Return);
    form.Course->Image36MouseEnter();
    form.Course->Image32Click();
    clickOn(child<HotSpot>(form.Course, "SpeedButton22"));
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.MenuT));
    QTRY_VERIFY(!form.Timer1->isActive());
    QCOMPARE(form.MenuT->findChild<QLabel *>(QStringLiteral("Label33"))->text(), QStringLiteral("0 %"));
    // Only the course confirmation loads the progress; Enter on the menu must not load it again.
    dir.writeLines(QStringLiteral("doc/Thabo.lrn"), {"Thabo", "5", "5", "5", "0", "0", "0"});
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Return})
        QTest::keyClick(form.windowHandle(), key);
    QTest::qWait(50);
    QVERIFY(!form.Timer1->isActive());
    QCOMPARE(form.MenuT->findChild<QLabel *>(QStringLiteral("Label33"))->text(), QStringLiteral("0 %"));
    QVERIFY(recorder.all().isEmpty());
}

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
