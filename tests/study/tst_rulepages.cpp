#include "base/messages.h"
#include "tests/support/messagerecorder.h"
#include "controls/textfader.h"
#include "study/rulepage.h"
#include "study/studytexts.h"
#include "study/studywidgets.h"
#include "tests/study/studyfixtures.h"
#include "tests/support/tempdatadir.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;
using Kind = RulePage::Kind;

Q_DECLARE_METATYPE(RulePage::Kind)

namespace {

const QString convoys = u"Driving in Convoys"_s;

void choose(RulePage &page, int row)
{
    topicListOf(page)->setCurrentRow(row);
    page.topicClicked();
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
    void everyTextCanBeReadToItsEnd_data();
    void everyTextCanBeReadToItsEnd();
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
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("title"); // as shown: trailing blanks and apostrophes as they stand
    QTest::newRow("cardinal first") << Kind::Cardinal << 27 << 0 << u"Why do we have rules of the road?"_s;
    QTest::newRow("cardinal trailing blank") << Kind::Cardinal << 27 << 3 << u"Seat Belts "_s;
    QTest::newRow("cardinal last") << Kind::Cardinal << 27 << 26 << u"Seat Belt Maintenance "_s;
    QTest::newRow("driving ampersand") << Kind::Driving << 13 << 10 << u"Clutch & Gear"_s;
    QTest::newRow("driving last") << Kind::Driving << 13 << 12 << u"Accelerate"_s;
    QTest::newRow("responsibilities typographic apostrophe")
        << Kind::Responsibilities << 31 << 11 << u"Why You Shouldn\u2019t Drink and Drive"_s;
    QTest::newRow("responsibilities plain apostrophe")
        << Kind::Responsibilities << 31 << 23 << u"Pedestrian's Responsibilities"_s;
    QTest::newRow("responsibilities last")
        << Kind::Responsibilities << 31 << 30 << u"Accidents Involving Dangerous Goods"_s;
    QTest::newRow("driverules first") << Kind::Driverules << 78 << 0 << u"Road Shoulders"_s;
    QTest::newRow("driverules headlights") << Kind::Driverules << 78 << 44 << u"When to Use Headlights (Motorcycle) "_s;
    QTest::newRow("driverules tyres") << Kind::Driverules << 78 << 62 << u"Tyres "_s;
    QTest::newRow("driverules last two") << Kind::Driverules << 78 << 76 << u"Carrying Passengers "_s;
    QTest::newRow("driverules last") << Kind::Driverules << 78 << 77 << u"Carrying Passengers"_s;
    QTest::newRow("learners first") << Kind::LearnersT << 14 << 0 << u"Introduction to the Learner\u2019s Licence"_s;
    QTest::newRow("learners plain apostrophe") << Kind::LearnersT << 14 << 4 << u"Learner's Licence Restrictions"_s;
    QTest::newRow("learners validity") << Kind::LearnersT << 14 << 10
                                       << u"Learner\u2019s Licence Validity: 24 Months"_s;
    QTest::newRow("learners last") << Kind::LearnersT << 14 << 13 << u"Driver Licence Codes"_s;
}

void TestRulePages::topicsAreExactAndEveryTopicHasAText()
{
    QFETCH(Kind, kind);
    QFETCH(int, count);
    QFETCH(int, row);
    QFETCH(QString, title);
    RulePage page(kind);
    QCOMPARE(topicListOf(page)->count(), count);
    QCOMPARE(topicListOf(page)->item(row)->text(), title);
    QCOMPARE(page.texts().size(), count);
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
    QTest::addColumn<QString>("pictureName"); // empty: no picture table, a fixed picture instead
    QTest::newRow("Cardinal") << Kind::Cardinal << "Cardinal"
                              << "ListBox7"
                              << "Cardenal"
                              << "ListBox8"
                              << "Image24";
    QTest::newRow("Driving") << Kind::Driving << "Driving"
                             << "ListBox5"
                             << "defence"
                             << "ListBox6" << QString();
    QTest::newRow("Responsibilities") << Kind::Responsibilities << "Responsibilities"
                                      << "ListBox9"
                                      << "Responce"
                                      << "ListBox10"
                                      << "DRimage";
    QTest::newRow("Driverules") << Kind::Driverules << "Driverules"
                                << "ListBox11"
                                << "driverul"
                                << "ListBox12" << QString();
    QTest::newRow("LearnersT") << Kind::LearnersT << "LearnersT"
                               << "ListBox3"
                               << "Learn"
                               << "ListBox4" << QString();
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
    QCOMPARE(page.findChild<StudyListBox *>(topicName), topicListOf(page));
    QCOMPARE(page.topicHandlerName(), topicName + u"Click"_s);
    QCOMPARE(topicListOf(page)->viewport()->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(page.findChild<QLabel *>(textName), textLabelOf(page));
    QVERIFY(textLabelOf(page)->wordWrap());
    QCOMPARE(page.textListName(), textListName);
    if (pictureName.isEmpty()) {
        QVERIFY(!pictureBoxOf(page));
        QVERIFY(fixedPictureOf(page));
    } else {
        QCOMPARE(page.findChild<QLabel *>(pictureName), pictureBoxOf(page));
        QVERIFY(pictureBoxOf(page));
        QVERIFY(!fixedPictureOf(page));
    }
}

void TestRulePages::everyTextCanBeReadToItsEnd_data()
{
    QTest::addColumn<Kind>("kind");
    for (const Kind kind : {Kind::Cardinal, Kind::Driving, Kind::Responsibilities, Kind::Driverules, Kind::LearnersT})
        QTest::newRow(qPrintable(RulePage::look(kind).page)) << kind;
}

// A text longer than its box is not cut off: the whole wrapped text is laid out, and scrolling to the
// end brings its last line into the box.
void TestRulePages::everyTextCanBeReadToItsEnd()
{
    QFETCH(Kind, kind);
    TempDataDir dir;
    MessageRecorder recorder;
    writeCardinalPictures(dir);
    for (int i = 1; i <= 16; ++i)
        writePicture(dir, u"images/res%1.png"_s.arg(i));
    RulePage page(kind);
    page.resize(1000, 702);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto *box = qobject_cast<QScrollArea *>(textLabelOf(page)->parentWidget()->parentWidget());
    QVERIFY(box);
    QCOMPARE(box->geometry(), RulePage::look(kind).textGeometry);
    for (int row = 0; row < page.texts().size(); ++row) {
        choose(page, row);
        QCoreApplication::processEvents();
        QLabel *text = textLabelOf(page);
        QVERIFY2(text->heightForWidth(text->width()) <= text->height(), qPrintable(page.texts().at(row)));
        QCOMPARE(box->verticalScrollBar()->value(), 0);
        box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
        const QPoint end = text->mapTo(box, QPoint(0, text->height()));
        QVERIFY2(end.y() <= box->viewport()->height() + box->viewport()->y(), qPrintable(page.texts().at(row)));
    }
}

void TestRulePages::openingShowsTheFirstTopicWhateverWasChosen_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("chosenBefore"); // -1: first visit
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
        QCOMPARE(textLabelOf(page)->text(), page.texts().at(chosenBefore));
        QCOMPARE(page.textRow(), chosenBefore);
    }
    page.open();
    QCOMPARE(topicListOf(page)->currentRow(), 0);
    QCOMPARE(page.textRow(), 0);
    QCOMPARE(textLabelOf(page)->text(), page.texts().at(0));
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
    QCOMPARE(shownPicture(pictureBoxOf(page)), picture);
    QCOMPARE(pictureBoxOf(page)->pixmap().size(), QPixmap(dir.filePath(picture)).size());
    QCOMPARE(textLabelOf(page)->text(), page.texts().at(row));
    QCOMPARE(recorder.all(), QStringList());
}

void TestRulePages::reopenedCardinalKeepsTheLastPicture()
{
    TempDataDir dir;
    MessageRecorder recorder;
    writeCardinalPictures(dir);
    RulePage page(Kind::Cardinal);
    QCOMPARE(shownPicture(pictureBoxOf(page)), QString());
    page.show();
    QCOMPARE(shownPicture(pictureBoxOf(page)), u"images/cardrule1.png"_s);
    page.open();
    choose(page, 21);
    QCOMPARE(topicListOf(page)->item(21)->text(), convoys);
    page.open();
    QCOMPARE(textLabelOf(page)->text(), page.texts().at(0));
    QCOMPARE(shownPicture(pictureBoxOf(page)), u"images/cardrule10.png"_s);
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
    QCOMPARE(textLabelOf(page)->text(), page.texts().at(0));
    QVERIFY(pictureBoxOf(page)->pixmap().isNull());
    QCOMPARE(shownPicture(pictureBoxOf(page)), QString());
    choose(page, 0);
    QCOMPARE(shownPicture(pictureBoxOf(page)), u"images/res5.png"_s);
    QVERIFY(!pictureBoxOf(page)->pixmap().isNull());
}

void TestRulePages::learnersBannerFollowsChosenTopicsOnly()
{
    TempDataDir dir;
    MessageRecorder recorder;
    RulePage page(Kind::LearnersT);
    const QStringList starting{u"The Learner's Licence : Intoduction"_s};
    QCOMPARE(bannerOf(page)->objectName(), u"TextFader19"_s);
    QCOMPARE(bannerOf(page)->Lines(), starting);

    page.open();
    QCOMPARE(bannerOf(page)->Lines(), starting);
    QCOMPARE(textLabelOf(page)->text(), page.texts().at(0));

    choose(page, 0);
    QCOMPARE(bannerOf(page)->Lines(), QStringList{u"Introduction to the Learner\u2019s Licence"_s});

    choose(page, 13);
    QCOMPARE(textLabelOf(page)->text(), page.texts().at(13));
    page.open();
    QCOMPARE(bannerOf(page)->Lines(), QStringList{u"Driver Licence Codes"_s});
    QCOMPARE(textLabelOf(page)->text(), page.texts().at(0));

    // The cardinal banner never follows the topics.
    writeCardinalPictures(dir);
    RulePage cardinal(Kind::Cardinal);
    QCOMPARE(bannerOf(cardinal)->objectName(), u"TextFader20"_s);
    cardinal.open();
    choose(cardinal, 5);
    QCOMPARE(bannerOf(cardinal)->Lines(), QStringList{u"Cardinal Rules"_s});
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
    StudyListBox *topics = topicListOf(page);
    const QPoint first = topics->visualItemRect(topics->item(0)).center();
    QTest::mouseClick(topics->viewport(), Qt::LeftButton, {}, first);
    QCOMPARE(bannerOf(page)->Lines(), QStringList{topicListOf(page)->item(0)->text()});

    QTest::keyClick(topics, Qt::Key_Down);
    QCOMPARE(topics->currentRow(), 1);
    QCOMPARE(textLabelOf(page)->text(), page.texts().at(1));
    QCOMPARE(bannerOf(page)->Lines(), QStringList{topicListOf(page)->item(1)->text()});

    const QPoint third = topics->visualItemRect(topics->item(2)).center();
    QTest::mouseClick(topics->viewport(), Qt::LeftButton, {}, third);
    QCOMPARE(textLabelOf(page)->text(), page.texts().at(2));
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
    QCOMPARE(textLabelOf(page)->text(), page.texts().at(17));
    QCOMPARE(shownPicture(pictureBoxOf(page)), u"images/cardrule8.png"_s);
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
