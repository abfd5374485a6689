#include "base/messages.h"
#include "controls/textfader.h"
#include "study/rulepage.h"
#include "study/studytexts.h"
#include "study/studywidgets.h"
#include "tests/study/studyfixtures.h"
#include "tests/support/tempdatadir.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;
using Kind = RulePage::Kind;

Q_DECLARE_METATYPE(RulePage::Kind)

namespace {

// The topic titles as the pages show them, trailing blanks and typographic apostrophes included.
const QStringList cardinalTitles = {
    u"Why do we have rules of the road?"_s, u"What is a road?"_s, u"Introduction to the Most Important Rules"_s,
    u"Seat Belts "_s, u"Introduction to Driving to the Left"_s, u"Keeping Left on a Laned, Divided Road"_s,
    u"Keeping Left on an Unlaned Road"_s, u"Keeping Left on a Curve"_s, u"Driving tip for keeping left "_s,
    u"Rules When Traffic Officers Are Directing Traffic"_s, u"Speeding Kills and is Unnecessary"_s,
    u"Speed Limit Signs"_s, u"You must drive slower than the limit if:"_s, u"General Speed Limits"_s,
    u"Safe speed guidelines"_s, u"If You Are Driving Slower Than the Speed Limit"_s, u"Penalties for Speeding"_s,
    u"Introduction to Safe Following Distance"_s, u"The 2-Second Rule "_s, u"The 3-Second Rule "_s,
    u"When Longer Following Distances are Required "_s, u"Driving in Convoys"_s, u"Introduction to Seat Belts "_s,
    u"Seat Belt Regulation "_s, u"Responsibility"_s, u"How to Wear a Seat Belt "_s, u"Seat Belt Maintenance "_s};

const QStringList drivingTitles = {
    u"Introduction to Defensive Driving"_s, u"Defensive Driving Action Plan"_s,
    u"Single Hazard Course of Action"_s, u"Multiple Hazards Course of Action"_s, u"Defensive Driving Manoeuvres"_s,
    u"Observe"_s, u"Check blind spots"_s, u"Signal"_s, u"Mirrors"_s, u"Brake"_s, u"Clutch & Gear"_s, u"Steer"_s,
    u"Accelerate"_s};

const QStringList responsibilitiesTitles = {
    u"Introduction to Driver Responsibilities"_s, u"Common Driver Distractions"_s,
    u"Obstructing vehicle control"_s, u"Distractions"_s, u"Safety"_s, u"Animals"_s,
    u"Pollution and damage to the road"_s, u"Stationery Vehicles"_s, u"Moving Vehicles"_s,
    u"Obstructing Traffic or Emergency Vehicles"_s, u"Motorcycles, Motor-Tricycles and Quadbikes "_s,
    u"Why You Shouldn’t Drink and Drive"_s, u"The Law on Drink Driving"_s,
    u"The Maximum Level of Alcohol Permissible"_s, u"Communication Devices"_s,
    u"Regulations on Communication Devices"_s, u"Introduction to Driver Fatigue"_s,
    u"Recognise the Warning Signs"_s, u"If You Start Feeling Sleepy"_s, u"Tips to Avoid Driver Fatigue"_s,
    u"Pedestrian Crossings"_s, u"Pedestrian Crossing Signs"_s, u"Driver Responsibilities to Pedestrians"_s,
    u"Pedestrian's Responsibilities"_s, u"Accidents"_s, u"Crash Warning Signs"_s, u"Emergency Triangles"_s,
    u"Reporting an Accident"_s, u"Tips for Dealing with Accidents"_s, u"Basic First Aid"_s,
    u"Accidents Involving Dangerous Goods"_s};

const QStringList driverulesTitles = {
    u"Road Shoulders"_s, u"Crossing or Entering a Lane"_s, u"Changing Lanes at an Intersection"_s,
    u"Overtaking Lanes"_s, u"Special Vehicle Lanes"_s, u"Merging"_s, u"Merge Like a Zip"_s,
    u"Leaving a Merge Lane after Turning Right at an Intersection"_s, u"Using On-Ramps When Entering a Freeway"_s,
    u"Using Off-Ramps When Leaving a Freeway"_s, u"Give Way Sign"_s, u"Stop Sign"_s,
    u"Overview of Traffic Circles"_s, u"Entering a Traffic Circle"_s, u"Signalling at Traffic Circles"_s,
    u"Important Tips at Traffic Circles"_s, u"The Dangers of Overtaking"_s, u"Overtaking on the Right"_s,
    u"Overtaking on the Left"_s, u"Overtaking Cyclists, Horses and Pedestrians"_s, u"Parked vehicles"_s,
    u"No-Overtaking Road Markings and Signs"_s, u"No-Overtaking Places"_s,
    u"When You May Overtake at a No-Overtaking Line"_s, u"Being Overtaken"_s, u"Freeways"_s,
    u"Freeway Signs & Signals"_s, u"Vehicles Not Allowed on Freeways"_s, u"Pedestrians and Animals"_s,
    u"Exempted Vehicles and People"_s, u"Safe Driving on Freeways"_s, u"Stopping on Freeways"_s,
    u"Turning & Intersections"_s, u"Mandatory Lane Direction Arrows"_s, u"General Rules of Turning"_s,
    u"Turning Procedure"_s, u"Making a Left Turn"_s, u"Making a Right Turn"_s,
    u"Making a Right Turn From a Right-Turn Bay"_s,
    u"Two Vehicles Turning into the Same Road at a Laned Intersection"_s, u"Turning from a Driveway"_s,
    u"Making a U-turn"_s, u"Making a Turn over a No-Overtaking Line"_s, u"When to Use Headlights "_s,
    u"When to Use Headlights (Motorcycle) "_s, u"Dipping Your Headlights"_s, u"Parking Lights"_s,
    u"Flashing Emergency Lights"_s, u"Introduction to Giving Signals"_s, u"When to Give Signals"_s,
    u"Using your Light Indicators"_s, u"Using Your Stop Lights "_s, u"Stopping and Parking"_s, u"Parking"_s,
    u"Parking Signs and Road Markings"_s, u"How to Park Safely"_s, u"Parking in Hills"_s,
    u"No-Parking Places and Distances"_s, u"Parking at Night"_s, u"Abandoned Vehicles"_s,
    u"Introduction to Stopping"_s, u"No-Stopping Places and Distances"_s, u"Tyres "_s, u"Tyres Motorcycle"_s,
    u"Towing with a Motor Cycle"_s, u"Towing "_s, u"Towing Guidelines "_s, u"Towing Safety "_s,
    u"Introduction to Carrying Loads "_s, u"Introduction to Carrying Loads (MC)"_s,
    u"Maximum Projection Limits: Length "_s, u"Maximum Projection Limits: Height "_s,
    u"Maximum Projection Limits: Width "_s, u"Maximum Projection Limits: Length (MC)"_s,
    u"Maximum Projection Limits: Width (MC)"_s, u"Safety Markings"_s, u"Carrying Passengers "_s,
    u"Carrying Passengers"_s};

const QStringList learnersTitles = {
    u"Introduction to the Learner’s Licence"_s, u"How the Driver’s Licence Is Structured"_s,
    u"License Codes & Exam Objectives"_s, u"How to Schedule Your Exam"_s, u"Learner's Licence Restrictions"_s,
    u"Minimum Requirements for the Exam"_s, u"About the Exam"_s, u"Exam Structure and Scoring"_s, u"Exam Format"_s,
    u"What the Learner’s Licence Permits"_s, u"Learner’s Licence Validity: 24 Months"_s,
    u"Unauthorised Use of Vehicle"_s, u"The Driver’s Licence"_s, u"Driver Licence Codes"_s};

void choose(RulePage &page, int row)
{
    page.topicList()->setCurrentRow(row);
    page.topicClicked();
}

QStringList rows(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

void writeCardinalPictures(const TempDataDir &dir)
{
    for (int i = 1; i <= 10; ++i)
        writePicture(dir, u"images/cardrule%1.png"_s.arg(i), QSize(i, i));
}

} // namespace

class TestRulePages : public QObject {
    Q_OBJECT

private slots:
    void topicsAreExactAndEveryTopicHasAText_data();
    void topicsAreExactAndEveryTopicHasAText();
    void pagesHaveTheirLook_data();
    void pagesHaveTheirLook();
    void openingShowsTheFirstTopicWhateverWasChosen_data();
    void openingShowsTheFirstTopicWhateverWasChosen();
    void topicsShowTheirTablePictures_data();
    void topicsShowTheirTablePictures();
    void reopenedCardinalKeepsTheLastPicture();
    void responsibilitiesStartsWithAnEmptyPicture();
    void learnersBannerFollowsChosenTopicsOnly();
    void learnerChoosesByMouseAndKeyboard();
    void unopenablePictureKeepsThePreviousOne();
    void backButtonAsksForTheMenu_data();
    void backButtonAsksForTheMenu();
};

void TestRulePages::topicsAreExactAndEveryTopicHasAText_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("Cardinal") << Kind::Cardinal << cardinalTitles;
    QTest::newRow("Driving") << Kind::Driving << drivingTitles;
    QTest::newRow("Responsibilities") << Kind::Responsibilities << responsibilitiesTitles;
    QTest::newRow("Driverules") << Kind::Driverules << driverulesTitles;
    QTest::newRow("LearnersT") << Kind::LearnersT << learnersTitles;
}

void TestRulePages::topicsAreExactAndEveryTopicHasAText()
{
    QFETCH(Kind, kind);
    QFETCH(QStringList, titles);
    RulePage page(kind);
    QCOMPARE(rows(page.topicList()), titles);
    QCOMPARE(page.texts().size(), titles.size());
    for (const QString &text : page.texts()) {
        QVERIFY(!text.trimmed().isEmpty());
        QVERIFY(!text.contains(u'\n') && !text.contains(u'\r'));
    }
}

void TestRulePages::pagesHaveTheirLook_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("pageName");
    QTest::addColumn<QString>("topicName");
    QTest::addColumn<QString>("textName");
    QTest::addColumn<QString>("textListName");
    QTest::addColumn<QString>("pictureName");   // empty: no picture table, a fixed picture instead
    QTest::newRow("Cardinal") << Kind::Cardinal << "Cardinal" << "ListBox7" << "Cardenal" << "ListBox8" << "Image24";
    QTest::newRow("Driving") << Kind::Driving << "Driving" << "ListBox5" << "defence" << "ListBox6" << QString();
    QTest::newRow("Responsibilities") << Kind::Responsibilities << "Responsibilities" << "ListBox9" << "Responce"
                                      << "ListBox10" << "DRimage";
    QTest::newRow("Driverules") << Kind::Driverules << "Driverules" << "ListBox11" << "driverul" << "ListBox12"
                                << QString();
    QTest::newRow("LearnersT") << Kind::LearnersT << "LearnersT" << "ListBox3" << "Learn" << "ListBox4" << QString();
}

void TestRulePages::pagesHaveTheirLook()
{
    QFETCH(Kind, kind);
    QFETCH(QString, pageName);
    QFETCH(QString, topicName);
    QFETCH(QString, textName);
    QFETCH(QString, textListName);
    QFETCH(QString, pictureName);

    RulePage page(kind);
    QCOMPARE(page.objectName(), pageName);
    QCOMPARE(page.findChild<StudyListBox *>(topicName), page.topicList());
    QCOMPARE(page.topicHandlerName(), topicName + u"Click"_s);
    QCOMPARE(page.topicList()->viewport()->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(page.findChild<QLabel *>(textName), page.textLabel());
    QVERIFY(page.textLabel()->wordWrap());
    QCOMPARE(page.textListName(), textListName);
    if (pictureName.isEmpty()) {
        QVERIFY(!page.pictureBox());
        QVERIFY(page.fixedPicture());
    } else {
        QCOMPARE(page.findChild<QLabel *>(pictureName), page.pictureBox());
        QVERIFY(page.pictureBox());
        QVERIFY(!page.fixedPicture());
    }
}

void TestRulePages::openingShowsTheFirstTopicWhateverWasChosen_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("chosenBefore");   // -1: first visit
    QTest::newRow("Cardinal, first visit") << Kind::Cardinal << -1;
    QTest::newRow("Cardinal, after the last topic") << Kind::Cardinal << 26;
    QTest::newRow("Driving, after topic 5") << Kind::Driving << 5;
    QTest::newRow("Responsibilities, after topic 30") << Kind::Responsibilities << 30;
    QTest::newRow("Driverules, first visit") << Kind::Driverules << -1;
    QTest::newRow("Driverules, after topic 77") << Kind::Driverules << 77;
    QTest::newRow("LearnersT, after topic 13") << Kind::LearnersT << 13;
}

void TestRulePages::openingShowsTheFirstTopicWhateverWasChosen()
{
    QFETCH(Kind, kind);
    QFETCH(int, chosenBefore);
    TempDataDir dir;
    MessageRecorder recorder;
    writeCardinalPictures(dir);
    for (int i = 1; i <= 16; ++i)
        writePicture(dir, u"images/res%1.png"_s.arg(i));

    RulePage page(kind);
    if (chosenBefore >= 0) {
        page.open();
        choose(page, chosenBefore);
        QCOMPARE(page.textLabel()->text(), page.texts().at(chosenBefore));
        QCOMPARE(page.textRow(), chosenBefore);
    }
    page.open();
    QCOMPARE(page.topicList()->currentRow(), 0);
    QCOMPARE(page.textRow(), 0);
    QCOMPARE(page.textLabel()->text(), page.texts().at(0));
    QCOMPARE(recorder.all(), QStringList());
}

void TestRulePages::topicsShowTheirTablePictures_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("picture");
    QTest::newRow("cardinal 0") << Kind::Cardinal << 0 << "images/cardrule1.png";
    QTest::newRow("cardinal 3: seat belts") << Kind::Cardinal << 3 << "images/cardrule4.png";
    QTest::newRow("cardinal 8") << Kind::Cardinal << 8 << "images/cardrule5.png";
    QTest::newRow("cardinal 9") << Kind::Cardinal << 9 << "images/cardrule6.png";
    QTest::newRow("cardinal 10: speeding kills") << Kind::Cardinal << 10 << "images/cardrule8.png";
    QTest::newRow("cardinal 11") << Kind::Cardinal << 11 << "images/cardrule7.png";
    QTest::newRow("cardinal 15") << Kind::Cardinal << 15 << "images/cardrule7.png";
    QTest::newRow("cardinal 16: penalties") << Kind::Cardinal << 16 << "images/cardrule8.png";
    QTest::newRow("cardinal 17") << Kind::Cardinal << 17 << "images/cardrule9.png";
    QTest::newRow("cardinal 21: convoys") << Kind::Cardinal << 21 << "images/cardrule10.png";
    QTest::newRow("cardinal 26") << Kind::Cardinal << 26 << "images/cardrule4.png";
    QTest::newRow("responsibilities 0") << Kind::Responsibilities << 0 << "images/res5.png";
    QTest::newRow("responsibilities 3") << Kind::Responsibilities << 3 << "images/res2.png";
    QTest::newRow("responsibilities 7") << Kind::Responsibilities << 7 << "images/res1.png";
    QTest::newRow("responsibilities 13") << Kind::Responsibilities << 13 << "images/res8.png";
    QTest::newRow("responsibilities 24") << Kind::Responsibilities << 24 << "images/res13.png";
    QTest::newRow("responsibilities 25") << Kind::Responsibilities << 25 << "images/res11.png";
    QTest::newRow("responsibilities 26") << Kind::Responsibilities << 26 << "images/res14.png";
    QTest::newRow("responsibilities 28") << Kind::Responsibilities << 28 << "images/res13.png";
    QTest::newRow("responsibilities 30") << Kind::Responsibilities << 30 << "images/res16.png";
}

void TestRulePages::topicsShowTheirTablePictures()
{
    QFETCH(Kind, kind);
    QFETCH(int, row);
    QFETCH(QString, picture);
    TempDataDir dir;
    MessageRecorder recorder;
    writeCardinalPictures(dir);
    for (int i = 1; i <= 16; ++i)
        writePicture(dir, u"images/res%1.png"_s.arg(i), QSize(20 + i, 10));

    RulePage page(kind);
    page.open();
    choose(page, row);
    QCOMPARE(shownPicture(page.pictureBox()), picture);
    QCOMPARE(page.pictureBox()->pixmap().size(), QPixmap(dir.filePath(picture)).size());
    QCOMPARE(page.textLabel()->text(), page.texts().at(row));
    QCOMPARE(recorder.all(), QStringList());
}

void TestRulePages::reopenedCardinalKeepsTheLastPicture()
{
    TempDataDir dir;
    MessageRecorder recorder;
    writeCardinalPictures(dir);
    RulePage page(Kind::Cardinal);
    QCOMPARE(shownPicture(page.pictureBox()), u"images/cardrule1.png"_s);
    page.open();
    choose(page, cardinalTitles.indexOf(u"Driving in Convoys"_s));
    page.open();
    QCOMPARE(page.textLabel()->text(), page.texts().at(0));
    QCOMPARE(shownPicture(page.pictureBox()), u"images/cardrule10.png"_s);
    QCOMPARE(recorder.all(), QStringList());
}

void TestRulePages::responsibilitiesStartsWithAnEmptyPicture()
{
    TempDataDir dir;
    MessageRecorder recorder;
    for (int i = 1; i <= 16; ++i)
        writePicture(dir, u"images/res%1.png"_s.arg(i));
    RulePage page(Kind::Responsibilities);
    page.open();
    QCOMPARE(page.textLabel()->text(), page.texts().at(0));
    QVERIFY(page.pictureBox()->pixmap().isNull());
    QCOMPARE(shownPicture(page.pictureBox()), QString());
    choose(page, 0);
    QCOMPARE(shownPicture(page.pictureBox()), u"images/res5.png"_s);
    QVERIFY(!page.pictureBox()->pixmap().isNull());
}

void TestRulePages::learnersBannerFollowsChosenTopicsOnly()
{
    TempDataDir dir;
    MessageRecorder recorder;
    RulePage page(Kind::LearnersT);
    const QStringList starting{u"The Learner's Licence : Intoduction"_s};
    QCOMPARE(page.banner()->objectName(), u"TextFader19"_s);
    QCOMPARE(page.banner()->Lines(), starting);

    page.open();
    QCOMPARE(page.banner()->Lines(), starting);
    QCOMPARE(page.textLabel()->text(), page.texts().at(0));

    choose(page, 0);
    QCOMPARE(page.banner()->Lines(), QStringList{u"Introduction to the Learner\u2019s Licence"_s});

    choose(page, 13);
    QCOMPARE(page.textLabel()->text(), page.texts().at(13));
    page.open();
    QCOMPARE(page.banner()->Lines(), QStringList{u"Driver Licence Codes"_s});
    QCOMPARE(page.textLabel()->text(), page.texts().at(0));

    // The cardinal banner never follows the topics.
    writeCardinalPictures(dir);
    RulePage cardinal(Kind::Cardinal);
    QCOMPARE(cardinal.banner()->objectName(), u"TextFader20"_s);
    cardinal.open();
    choose(cardinal, 5);
    QCOMPARE(cardinal.banner()->Lines(), QStringList{u"Cardinal Rules"_s});
    QCOMPARE(recorder.all(), QStringList());
}

void TestRulePages::learnerChoosesByMouseAndKeyboard()
{
    TempDataDir dir;
    MessageRecorder recorder;
    RulePage page(Kind::LearnersT);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.open();

    // A press on the topic already selected is a choice too: it brings the topic's title up.
    StudyListBox *topics = page.topicList();
    const QPoint first = topics->visualItemRect(topics->item(0)).center();
    QTest::mouseClick(topics->viewport(), Qt::LeftButton, {}, first);
    QCOMPARE(page.banner()->Lines(), QStringList{learnersTitles.at(0)});

    QTest::keyClick(topics, Qt::Key_Down);
    QCOMPARE(topics->currentRow(), 1);
    QCOMPARE(page.textLabel()->text(), page.texts().at(1));
    QCOMPARE(page.banner()->Lines(), QStringList{learnersTitles.at(1)});

    const QPoint third = topics->visualItemRect(topics->item(2)).center();
    QTest::mouseClick(topics->viewport(), Qt::LeftButton, {}, third);
    QCOMPARE(page.textLabel()->text(), page.texts().at(2));
}

void TestRulePages::unopenablePictureKeepsThePreviousOne()
{
    TempDataDir dir;
    MessageRecorder recorder;
    writeCardinalPictures(dir);
    QFile::remove(dir.filePath(u"images/cardrule9.png"_s));
    RulePage page(Kind::Cardinal);
    page.open();
    choose(page, 16);
    choose(page, 17);
    QCOMPARE(page.textLabel()->text(), page.texts().at(17));
    QCOMPARE(shownPicture(page.pictureBox()), u"images/cardrule8.png"_s);
    QCOMPARE(recorder.errors.size(), 1);
    QVERIFY2(recorder.errors.first().contains(u"images/cardrule9.png"_s), qPrintable(recorder.errors.first()));
}

void TestRulePages::backButtonAsksForTheMenu_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("Cardinal") << Kind::Cardinal << "SpeedButton14" << QRect(920, 642, 65, 22);
    QTest::newRow("Driving") << Kind::Driving << "SpeedButton13" << QRect(920, 642, 65, 22);
    QTest::newRow("Responsibilities") << Kind::Responsibilities << "SpeedButton15" << QRect(920, 642, 65, 22);
    QTest::newRow("Driverules") << Kind::Driverules << "SpeedButton16" << QRect(920, 642, 65, 22);
    QTest::newRow("LearnersT") << Kind::LearnersT << "SpeedButton12" << QRect(925, 644, 57, 22);
}

void TestRulePages::backButtonAsksForTheMenu()
{
    TempDataDir dir;
    MessageRecorder recorder;
    QFETCH(Kind, kind);
    QFETCH(QString, button);
    QFETCH(QRect, geometry);
    RulePage page(kind);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto *back = page.findChild<HotSpot *>(button);
    QVERIFY(back);
    QCOMPARE(back->geometry(), geometry);
    QSignalSpy spy(&page, &RulePage::menuRequested);
    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
}

QTEST_MAIN(TestRulePages)
#include "tst_rulepages.moc"
