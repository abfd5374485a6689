#include "base/messages.h"
#include "tests/support/messagerecorder.h"
#include "study/controlspage.h"
#include "tests/study/studyfixtures.h"
#include "tests/support/tempdatadir.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;
using Kind = ControlsPage::Kind;

Q_DECLARE_METATYPE(ControlsPage::Kind)

namespace {

const QString lightStart =
    u"Familiarize yourself with the vehicles controls, mouse over the control names on the right"_s;
const QString motorcycleStart =
    u"Familiarize yourself with the Motorcycles controls, mouse over the control names on the right"_s;

// The pointer moving onto and off a label, delivered the way the window system does.
void enter(QLabel *label)
{
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(label, &event);
}

void leave(QLabel *label)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(label, &event);
}

// Every picture either page can show, each with a size of its own.
void writeControlPictures(const TempDataDir &dir)
{
    const QStringList names{u"m0"_s,     u"m1"_s,      u"m3"_s,      u"m4"_s,     u"m5"_s,       u"m6"_s,
                            u"m8"_s,     u"m9"_s,      u"m10"_s,     u"defpic"_s, u"Cflicker"_s, u"Csteer"_s,
                            u"Crear"_s,  u"Cmirror"_s, u"Cclutch"_s, u"Cgear"_s,  u"Cbrake"_s,   u"Cpetrol"_s,
                            u"Cwiper"_s, u"Chbrake"_s, u"Choot"_s};
    for (int i = 0; i < names.size(); ++i)
        writePicture(dir, u"images/"_s + names.at(i) + u".png"_s, QSize(30 + i, 20 + i));
}

} // namespace

class TestControlsPages : public QObject {
    Q_OBJECT

private slots:
    void pointingShowsPictureAndExplanation_data();
    void pointingShowsPictureAndExplanation();
    void startingCaptionComesBackOnlyFromSteeringWheel();
    void movingStraightToTheNextName();
    void pagesStartAtRest_data();
    void pagesStartAtRest();
    void unopenablePictureStillExplains_data();
    void unopenablePictureStillExplains();
    void courseSelectsThePage_data();
    void courseSelectsThePage();
    void backButtonAsksForTheMenu_data();
    void backButtonAsksForTheMenu();
};

void TestControlsPages::pointingShowsPictureAndExplanation_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("explanation");
    QTest::addColumn<bool>("highlight");
    QTest::addColumn<QString>("afterLeave");

    const Kind m = Kind::MotorcycleT;
    QTest::newRow("Label17")
        << m << "Label17"
        << "Indicator Controller"
        << "images/m4.png"
        << "Use the indicators to signal to others your intention to change lanes or direction, once a manoeuvre has "
           "been completed, make sure the indicator has been cancelled"
        << true << QString();
    QTest::newRow("Label5")
        << m << "Label5"
        << "Mirrors"
        << "images/m8.png"
        << "Look in the mirrors both right and left to check that it is safe behind and to the sides of your vehicle."
        << false << QString();
    QTest::newRow("Label4")
        << m << "Label4"
        << "Clutch Lever"
        << "images/m9.png"
        << "Use the clutch lever to disengage the drive between the engine and the gearbox in order to change gears "
           "(Automatic Motorcycles do not have a clutch lever)"
        << false << QString();
    QTest::newRow("Label36") << m << "Label36"
                             << "Foot-Brake Pedal"
                             << "images/m6.png"
                             << "Use the fooot brake to slow down the motorcycle or to stop" << true << QString();

    const Kind l = Kind::LightVT;
    QTest::newRow("Label24")
        << l << "Label24"
        << " Indicators"
        << "images/Cflicker.png"
        << "Use the indicators to signal to others your intention to change lanes or direction, once a manoeuvre has "
           "been completed, make sure the indicator has been cancelled"
        << true << QString();
    QTest::newRow("Label28") << l << "Label28"
                             << " Steering Wheel"
                             << "images/Csteer.png"
                             << "Used to steer in the direction you want to move provided its safe to do so." << true
                             << lightStart;
    QTest::newRow("Label26")
        << l << "Label26"
        << " Hand break"
        << "images/Chbrake.png"
        << "Use the handbrake to keep the vehicle stationary. Always depress the rachet release when applying the "
           "handbrake."
        << true << QString();
    QTest::newRow("Label27") << l << "Label27"
                             << " Hooter/Horn"
                             << "images/Choot.png"
                             << "Use to warn other road users in an emergency." << true << QString();
}

void TestControlsPages::pointingShowsPictureAndExplanation()
{
    QFETCH(Kind, kind);
    QFETCH(QString, label);
    QFETCH(QString, caption);
    QFETCH(QString, picture);
    QFETCH(QString, explanation);
    QFETCH(bool, highlight);
    QFETCH(QString, afterLeave);
    TempDataDir dir;
    MessageRecorder recorder;
    writeControlPictures(dir);

    ControlsPage page(kind);
    auto *name = page.findChild<QLabel *>(label);
    QVERIFY(name);
    QCOMPARE(name->text(), caption);
    QVERIFY(!name->autoFillBackground());
    QCOMPARE(name->palette().color(QPalette::Window), QColor(143, 172, 239));
    QCOMPARE(name->palette().color(QPalette::WindowText), QColor(33, 53, 171));
    QCOMPARE(name->cursor().shape(), Qt::PointingHandCursor);

    enter(name);
    QCOMPARE(shownPicture(pictureBoxOf(page)), picture);
    QCOMPARE(pictureBoxOf(page)->size(), QPixmap(dir.filePath(picture)).size());
    QCOMPARE(explanationOf(page)->text(), explanation);
    QCOMPARE(name->autoFillBackground(), highlight);

    leave(name);
    const QString resting = kind == Kind::LightVT ? u"images/defpic.png"_s : u"images/m0.png"_s;
    QCOMPARE(shownPicture(pictureBoxOf(page)), resting);
    QCOMPARE(pictureBoxOf(page)->size(), QPixmap(dir.filePath(resting)).size());
    QVERIFY(!name->autoFillBackground());
    QCOMPARE(explanationOf(page)->text(), afterLeave);
    QCOMPARE(recorder.all(), QStringList());
}

void TestControlsPages::startingCaptionComesBackOnlyFromSteeringWheel()
{
    TempDataDir dir;
    MessageRecorder recorder;
    writeControlPictures(dir);

    ControlsPage light(Kind::LightVT);
    QCOMPARE(explanationOf(light)->text(), lightStart);
    enter(child<QLabel>(&light, u"Label27"_s));
    leave(child<QLabel>(&light, u"Label27"_s));
    QCOMPARE(explanationOf(light)->text(), QString());
    enter(child<QLabel>(&light, u"Label28"_s));
    leave(child<QLabel>(&light, u"Label28"_s));
    QCOMPARE(explanationOf(light)->text(), lightStart);

    ControlsPage motorcycle(Kind::MotorcycleT);
    QCOMPARE(explanationOf(motorcycle)->text(), motorcycleStart);
    for (QLabel *name : controlLabelsOf(motorcycle)) {
        enter(name);
        leave(name);
        QCOMPARE(explanationOf(motorcycle)->text(), QString());
    }
}

void TestControlsPages::movingStraightToTheNextName()
{
    TempDataDir dir;
    MessageRecorder recorder;
    writeControlPictures(dir);
    ControlsPage page(Kind::LightVT);
    QLabel *indicators = child<QLabel>(&page, u"Label24"_s);
    QLabel *steering = child<QLabel>(&page, u"Label28"_s);
    enter(indicators);
    leave(indicators);
    QCOMPARE(shownPicture(pictureBoxOf(page)), u"images/defpic.png"_s);
    QCOMPARE(explanationOf(page)->text(), QString());
    enter(steering);
    QCOMPARE(shownPicture(pictureBoxOf(page)), u"images/Csteer.png"_s);
    QVERIFY(steering->autoFillBackground());
    QVERIFY(!indicators->autoFillBackground());
    // The page was never shown: its first show must not bring back the resting picture.
    page.show();
    QCOMPARE(shownPicture(pictureBoxOf(page)), u"images/Csteer.png"_s);
}

void TestControlsPages::pagesStartAtRest_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("pageName");
    QTest::addColumn<QString>("pictureName");
    QTest::addColumn<QPoint>("pictureCorner");
    QTest::addColumn<QString>("resting");
    QTest::addColumn<QString>("explanationName");
    QTest::addColumn<QString>("startingCaption");
    QTest::addColumn<int>("labelCount");
    QTest::newRow("MotorcycleT") << Kind::MotorcycleT << "MotorcycleT"
                                 << "Image3" << QPoint(64, 117) << "images/m0.png"
                                 << "mvc" << motorcycleStart << 8;
    QTest::newRow("LightVT") << Kind::LightVT << "LightVT"
                             << "Image15" << QPoint(64, 62) << "images/defpic.png"
                             << "Lvc" << lightStart << 11;
}

void TestControlsPages::pagesStartAtRest()
{
    QFETCH(Kind, kind);
    QFETCH(QString, pageName);
    QFETCH(QString, pictureName);
    QFETCH(QPoint, pictureCorner);
    QFETCH(QString, resting);
    QFETCH(QString, explanationName);
    QFETCH(QString, startingCaption);
    QFETCH(int, labelCount);
    TempDataDir dir;
    MessageRecorder recorder;
    writeControlPictures(dir);

    ControlsPage page(kind);
    QCOMPARE(page.objectName(), pageName);
    QCOMPARE(pictureBoxOf(page)->objectName(), pictureName);
    QCOMPARE(pictureBoxOf(page)->pos(), pictureCorner);
    // The resting picture is read when the page is first shown, not when it is built.
    QVERIFY(pictureBoxOf(page)->pixmap().isNull());
    page.show();
    QCOMPARE(shownPicture(pictureBoxOf(page)), resting);
    QCOMPARE(pictureBoxOf(page)->size(), QPixmap(dir.filePath(resting)).size());
    QCOMPARE(explanationOf(page)->objectName(), explanationName);
    QCOMPARE(explanationOf(page)->text(), startingCaption);
    QCOMPARE(controlLabelsOf(page).size(), labelCount);
    // The column of names stands inside its frame, one name under the other.
    int previousBottom = 0;
    for (QLabel *name : controlLabelsOf(page)) {
        QVERIFY2(frameOf(page)->geometry().contains(name->geometry()), qPrintable(name->objectName()));
        QVERIFY(name->y() > previousBottom - 1);
        previousBottom = name->y() + name->height();
        QVERIFY(!name->text().isEmpty());
        QVERIFY(name->width() >= name->sizeHint().width());
    }
    QCOMPARE(recorder.all(), QStringList());
}

void TestControlsPages::unopenablePictureStillExplains_data()
{
    QTest::addColumn<bool>("pointerMovesOn");
    QTest::newRow("pointer stays on the name") << false;
    QTest::newRow("pointer moves on while the box is open") << true;
}

void TestControlsPages::unopenablePictureStillExplains()
{
    QFETCH(bool, pointerMovesOn);
    TempDataDir dir;
    writeControlPictures(dir);
    QFile::remove(dir.filePath(u"images/m4.png"_s));

    ControlsPage page(Kind::MotorcycleT);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QTest::mouseMove(&page, QPoint(300, 650));
    QStringList errors;
    // The error box lets the window system deliver the pointer's moves while it is open.
    Messages::setSink([&](Messages::Kind, const QString &text) {
        errors.append(text);
        if (pointerMovesOn)
            QCursor::setPos(page.mapToGlobal(QPoint(300, 650)));
        QCoreApplication::processEvents();
    });
    QLabel *indicator = child<QLabel>(&page, u"Label17"_s);
    QTest::mouseMove(indicator, QPoint(20, 15));
    Messages::setSink({});
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().contains(u"images/m4.png"_s), qPrintable(errors.first()));
    QCOMPARE(shownPicture(pictureBoxOf(page)), u"images/m0.png"_s);
    const QColor lit(143, 172, 239);
    const QColor corner = page.grab(indicator->geometry()).toImage().pixelColor(1, 1);
    QCOMPARE(corner == lit, !pointerMovesOn);
    QCOMPARE(explanationOf(page)->text().startsWith(u"Use the indicators"_s), !pointerMovesOn);
    QTest::mouseMove(&page, QPoint(300, 650));
    QVERIFY(page.grab(indicator->geometry()).toImage().pixelColor(1, 1) != lit);
    QCOMPARE(errors.size(), 1);
}

void TestControlsPages::courseSelectsThePage_data()
{
    QTest::addColumn<int>("courseSelection");
    QTest::addColumn<Kind>("kind");
    QTest::newRow("heavy motor vehicle") << 0 << Kind::LightVT;
    QTest::newRow("light motor vehicle") << 1 << Kind::LightVT;
    QTest::newRow("motorcycle") << 2 << Kind::MotorcycleT;
}

void TestControlsPages::courseSelectsThePage()
{
    QFETCH(int, courseSelection);
    QFETCH(Kind, kind);
    QCOMPARE(ControlsPage::kindForCourse(courseSelection), kind);
}

void TestControlsPages::backButtonAsksForTheMenu_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("button");
    QTest::newRow("MotorcycleT") << Kind::MotorcycleT << "SpeedButton8";
    QTest::newRow("LightVT") << Kind::LightVT << "SpeedButton4";
}

void TestControlsPages::backButtonAsksForTheMenu()
{
    QFETCH(Kind, kind);
    QFETCH(QString, button);
    TempDataDir dir;
    MessageRecorder recorder;
    ControlsPage page(kind);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto *back = page.findChild<HotSpot *>(button);
    QVERIFY(back);
    QCOMPARE(back->geometry(), QRect(920, 642, 67, 23));
    QSignalSpy spy(&page, &ControlsPage::menuRequested);
    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
}

QTEST_MAIN(TestControlsPages)
#include "tst_controlspages.moc"
