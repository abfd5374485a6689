#include "base/messages.h"
#include "controls/page.h"
#include "tests/support/children.h"
#include "tests/support/messagerecorder.h"
#include "controls/textfader.h"
#include "study/signspage.h"
#include "study/studywidgets.h"
#include "tests/study/studyfixtures.h"
#include "tests/support/tempdatadir.h"

#include <QDir>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

namespace {

// The page's controls, found by their object names.
StudyListBox *categoryList(const SignsPage &page)
{
    return child<StudyListBox>(&page, "ListBox2");
}
StudyListBox *signList(const SignsPage &page)
{
    return child<StudyListBox>(&page, "discbox");
}
QLabel *signPicture(const SignsPage &page)
{
    return child<QLabel>(&page, "Sign");
}
QLabel *signCaption(const SignsPage &page)
{
    return child<QLabel>(&page, "Label2");
}
TTextFader *categoryBanner(const SignsPage &page)
{
    return child<TTextFader>(&page, "TextFader13");
}

const QString combination = QStringLiteral("COMBINATION SIGNS");

// Numbered captions, so a row's caption names its row.
QStringList captions(const QString &prefix, int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(prefix + u' ' + QString::number(i));
    return lines;
}

void chooseCategory(SignsPage &page, const QString &category)
{
    const QList<QListWidgetItem *> found = categoryList(page)->findItems(category, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    categoryList(page)->setCurrentItem(found.first());
    page.ListBox2Click();
}

void chooseSign(SignsPage &page, int row)
{
    signList(page)->setCurrentRow(row);
    page.discboxClick();
}

// The general picture and the first category's sign list, which every opening of the page reads.
void writeOpeningFiles(const TempDataDir &dir)
{
    writePicture(dir, QStringLiteral("images/rs.png"), QSize(2, 2));
    dir.writeLines(QStringLiteral("doc/") + combination + QStringLiteral(".lrn"),
                   captions(QStringLiteral("combo"), 26));
}

QStringList rows(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

} // namespace

class TestSignsPage : public QObject {
    Q_OBJECT

private slots:
    void startsWithItsDesignState();
    void openingAlwaysShowsTheFirstCategory_data();
    void openingAlwaysShowsTheFirstCategory();
    void switchingCategoryResetsPictureAndKeepsCaption();
    void signRowsShowTheirTablePictures_data();
    void signRowsShowTheirTablePictures();
    void rowsBeyondTheTableChangeOnlyTheCaption();
    void emptySignListLeavesNothingToChoose();
    void missingSignListIsReportedAndNothingIsWritten();
    void unopenablePictureKeepsThePreviousOne_data();
    void unopenablePictureKeepsThePreviousOne();
    void missingGeneralPictureStillListsTheSigns();
    void learnerChoosesByMouseAndKeyboard();
    void everyCategoryOpensAtItsFirstRow();
    void backButtonAsksForTheMenu();
};

void TestSignsPage::startsWithItsDesignState()
{
    SignsPage page;
    QCOMPARE(page.objectName(), QStringLiteral("Signs"));
    QCOMPARE(categoryList(page)->count(), 28);
    QCOMPARE(categoryList(page)->item(0)->text(), combination);
    QCOMPARE(categoryList(page)->item(27)->text(), QStringLiteral("WARNING MARKINGS"));
    QStringList sorted = rows(categoryList(page));
    sorted.sort();
    QCOMPARE(rows(categoryList(page)), sorted);
    QCOMPARE(rows(signList(page)),
             (QStringList{"Stop sign", "Stop signs", "Stop/Yield Sign", "3 - Way stop sign", "4 - way Stop sign"}));
    QCOMPARE(signCaption(page)->text(), QStringLiteral("Traffic Signs"));
}

void TestSignsPage::openingAlwaysShowsTheFirstCategory_data()
{
    QTest::addColumn<QString>("previousCategory");
    QTest::addColumn<int>("previousSign");
    QTest::newRow("first visit") << QString() << -1;
    QTest::newRow("after a hand signal") << QStringLiteral("HAND SIGNALS") << 10;
    QTest::newRow("after a sign of the first category") << combination << 13;
}

void TestSignsPage::openingAlwaysShowsTheFirstCategory()
{
    QFETCH(QString, previousCategory);
    QFETCH(int, previousSign);
    TempDataDir dir;
    MessageRecorder recorder;
    writePicture(dir, QStringLiteral("images/rs.png"));
    writePicture(dir, QStringLiteral("images/TR.png"));
    writePicture(dir, QStringLiteral("images/8450.png"));
    dir.writeLines(QStringLiteral("doc/") + combination + QStringLiteral(".lrn"),
                   captions(QStringLiteral("combo"), 26));
    dir.writeLines(QStringLiteral("doc/HAND SIGNALS.lrn"), captions(QStringLiteral("hand"), 13));

    SignsPage page;
    if (!previousCategory.isEmpty()) {
        page.open();
        chooseCategory(page, previousCategory);
        chooseSign(page, previousSign);
        QVERIFY(shownPicture(signPicture(page)) != QStringLiteral("images/rs.png"));
    }
    page.open();

    QCOMPARE(categoryList(page)->currentRow(), 0);
    QCOMPARE(rows(signList(page)), captions(QStringLiteral("combo"), 26));
    QCOMPARE(signList(page)->currentRow(), -1);
    QCOMPARE(shownPicture(signPicture(page)), QStringLiteral("images/rs.png"));
    QVERIFY(!signPicture(page)->pixmap().isNull());
    QCOMPARE(categoryBanner(page)->Lines(), QStringList{combination});
    QCOMPARE(recorder.all(), QStringList());
}

void TestSignsPage::switchingCategoryResetsPictureAndKeepsCaption()
{
    TempDataDir dir;
    MessageRecorder recorder;
    writeOpeningFiles(dir);
    writePicture(dir, QStringLiteral("images/883.png"));
    dir.writeLines(QStringLiteral("doc/TOURISM.lrn"),
                   {QStringLiteral("Tourist route"), QStringLiteral("Tourist area")});
    dir.writeLines(QStringLiteral("doc/TRAFFIC SIGNALS.lrn"), captions(QStringLiteral("signal"), 28));

    SignsPage page;
    page.open();
    chooseCategory(page, QStringLiteral("TOURISM"));
    chooseSign(page, 1);
    QCOMPARE(signCaption(page)->text(), QStringLiteral("Tourist area"));
    QCOMPARE(shownPicture(signPicture(page)), QStringLiteral("images/883.png"));

    chooseCategory(page, QStringLiteral("TRAFFIC SIGNALS"));
    QCOMPARE(shownPicture(signPicture(page)), QStringLiteral("images/rs.png"));
    QCOMPARE(signCaption(page)->text(), QStringLiteral("Tourist area"));
    QCOMPARE(categoryBanner(page)->Lines(), QStringList{QStringLiteral("TRAFFIC SIGNALS")});
    QCOMPARE(rows(signList(page)), captions(QStringLiteral("signal"), 28));
    QCOMPARE(recorder.all(), QStringList());
}

void TestSignsPage::signRowsShowTheirTablePictures_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("picture");
    const QString hand = QStringLiteral("HAND SIGNALS");
    const QString signals_ = QStringLiteral("TRAFFIC SIGNALS");
    QTest::newRow("hand signal 9: turn left") << hand << 13 << 9 << "images/TL.png";
    QTest::newRow("hand signal 10: turn right") << hand << 13 << 10 << "images/TR.png";
    QTest::newRow("hand signal 11: slow down") << hand << 13 << 11 << "images/SD.png";
    QTest::newRow("hand signal 12: stop") << hand << 13 << 12 << "images/Stop.png";
    QTest::newRow("hand signal 8 shares 270") << hand << 13 << 8 << "images/270.png";
    QTest::newRow("tourism 0") << "TOURISM" << 2 << 0 << "images/883.png";
    QTest::newRow("tourism 1 shares it") << "TOURISM" << 2 << 1 << "images/883.png";
    QTest::newRow("traffic signal 0") << signals_ << 28 << 0 << "images/227.png";
    QTest::newRow("traffic signal 11") << signals_ << 28 << 11 << "images/227.png";
    QTest::newRow("traffic signal 17") << signals_ << 28 << 17 << "images/227.png";
    QTest::newRow("traffic signal 21") << signals_ << 28 << 21 << "images/227.png";
    QTest::newRow("traffic signal 27") << signals_ << 28 << 27 << "images/240.png";
    QTest::newRow("combination 13 keeps its trailing 0") << combination << 26 << 13 << "images/8450.png";
    QTest::newRow("combination 14") << combination << 26 << 14 << "images/847.png";
    QTest::newRow("file name keeps blanks and ampersand")
        << "RESERVATION & PARKING RESERVATION SIGNS" << 77 << 76 << "images/171.png";
}

void TestSignsPage::signRowsShowTheirTablePictures()
{
    QFETCH(QString, category);
    QFETCH(int, rowCount);
    QFETCH(int, row);
    QFETCH(QString, picture);
    TempDataDir dir;
    MessageRecorder recorder;
    writeOpeningFiles(dir);
    writePicture(dir, picture, QSize(7, 5));
    dir.writeLines(QStringLiteral("doc/") + category + QStringLiteral(".lrn"),
                   captions(QStringLiteral("sign"), rowCount));

    SignsPage page;
    page.open();
    chooseCategory(page, category);
    chooseSign(page, row);

    QCOMPARE(signCaption(page)->text(), QStringLiteral("sign %1").arg(row));
    QCOMPARE(shownPicture(signPicture(page)), picture);
    QCOMPARE(signPicture(page)->pixmap().size(), QSize(7, 5));
    QCOMPARE(recorder.all(), QStringList());
}

void TestSignsPage::rowsBeyondTheTableChangeOnlyTheCaption()
{
    TempDataDir dir;
    MessageRecorder recorder;
    writeOpeningFiles(dir);
    writePicture(dir, QStringLiteral("images/883.png"));
    dir.writeLines(QStringLiteral("doc/TOURISM.lrn"), captions(QStringLiteral("tourism"), 5));

    SignsPage page;
    page.open();
    chooseCategory(page, QStringLiteral("TOURISM"));
    QCOMPARE(signList(page)->count(), 5);
    chooseSign(page, 0);
    for (int row : {2, 4}) {
        chooseSign(page, row);
        QCOMPARE(signCaption(page)->text(), QStringLiteral("tourism %1").arg(row));
        QCOMPARE(shownPicture(signPicture(page)), QStringLiteral("images/883.png"));
    }
    QCOMPARE(recorder.all(), QStringList());
}

void TestSignsPage::emptySignListLeavesNothingToChoose()
{
    TempDataDir dir;
    MessageRecorder recorder;
    writeOpeningFiles(dir);
    dir.writeBytes(QStringLiteral("doc/TOURISM.lrn"), QByteArray());

    SignsPage page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.open();
    chooseCategory(page, QStringLiteral("TOURISM"));
    QCOMPARE(signList(page)->count(), 0);
    QTest::mouseClick(signList(page)->viewport(), Qt::LeftButton, {}, QPoint(20, 8));
    QTest::keyClick(signList(page), Qt::Key_Down);
    QCOMPARE(signCaption(page)->text(), QStringLiteral("Traffic Signs"));
    QCOMPARE(shownPicture(signPicture(page)), QStringLiteral("images/rs.png"));
    QCOMPARE(recorder.all(), QStringList());
}

void TestSignsPage::missingSignListIsReportedAndNothingIsWritten()
{
    TempDataDir dir;
    MessageRecorder recorder;
    writePicture(dir, QStringLiteral("images/rs.png"));
    const QStringList combos = captions(QStringLiteral("combo"), 26);
    dir.writeLines(QStringLiteral("doc/") + combination + QStringLiteral(".lrn"), combos);
    const QStringList docBefore = QDir(dir.filePath(QStringLiteral("doc"))).entryList(QDir::Files);

    SignsPage page;
    page.open();
    chooseCategory(page, QStringLiteral("TOURISM"));

    QCOMPARE(recorder.errors, QStringList());
    QCOMPARE(recorder.messages.size(), 1);
    QVERIFY2(recorder.messages.first().contains(QStringLiteral("doc/TOURISM.lrn")),
             qPrintable(recorder.messages.first()));
    QVERIFY(!dir.exists(QStringLiteral("doc/TOURISM.lrn")));
    QCOMPARE(QDir(dir.filePath(QStringLiteral("doc"))).entryList(QDir::Files), docBefore);
    // No rows of the previous category are left to pair with this category's pictures.
    QCOMPARE(rows(signList(page)), QStringList());

    // Asking again reports again; the category never becomes a list of category names.
    chooseCategory(page, QStringLiteral("TOURISM"));
    QCOMPARE(recorder.messages.size(), 2);
    QVERIFY(!dir.exists(QStringLiteral("doc/TOURISM.lrn")));
}

void TestSignsPage::unopenablePictureKeepsThePreviousOne_data()
{
    QTest::addColumn<QByteArray>("badContent"); // empty: no file at all
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("not a picture") << QByteArray("this is not a PNG");
}

void TestSignsPage::unopenablePictureKeepsThePreviousOne()
{
    QFETCH(QByteArray, badContent);
    TempDataDir dir;
    MessageRecorder recorder;
    writeOpeningFiles(dir);
    writePicture(dir, QStringLiteral("images/258.png"));
    if (!badContent.isEmpty())
        dir.writeBytes(QStringLiteral("images/259.png"), badContent);
    dir.writeLines(QStringLiteral("doc/HAND SIGNALS.lrn"), captions(QStringLiteral("hand"), 13));

    SignsPage page;
    page.open();
    chooseCategory(page, QStringLiteral("HAND SIGNALS"));
    chooseSign(page, 0);
    chooseSign(page, 1);

    QCOMPARE(signCaption(page)->text(), QStringLiteral("hand 1"));
    QCOMPARE(shownPicture(signPicture(page)), QStringLiteral("images/258.png"));
    QCOMPARE(recorder.errors.size(), 1);
    QVERIFY2(recorder.errors.first().contains(QStringLiteral("images/259.png")), qPrintable(recorder.errors.first()));
}

void TestSignsPage::missingGeneralPictureStillListsTheSigns()
{
    TempDataDir dir;
    MessageRecorder recorder;
    dir.writeLines(QStringLiteral("doc/TOURISM.lrn"), captions(QStringLiteral("tourism"), 2));

    SignsPage page;
    chooseCategory(page, QStringLiteral("TOURISM"));
    QCOMPARE(recorder.errors.size(), 1);
    QVERIFY2(recorder.errors.first().contains(QStringLiteral("images/rs.png")), qPrintable(recorder.errors.first()));
    QCOMPARE(rows(signList(page)), captions(QStringLiteral("tourism"), 2));
    QCOMPARE(categoryBanner(page)->Lines(), QStringList{QStringLiteral("TOURISM")});
}

void TestSignsPage::learnerChoosesByMouseAndKeyboard()
{
    TempDataDir dir;
    MessageRecorder recorder;
    writePicture(dir, QStringLiteral("images/rs.png"));
    writePicture(dir, QStringLiteral("images/832.png"));
    writePicture(dir, QStringLiteral("images/833.png"));
    dir.writeLines(QStringLiteral("doc/") + combination + QStringLiteral(".lrn"),
                   captions(QStringLiteral("combo"), 26));
    dir.writeLines(QStringLiteral("doc/COMMAND SIGNS.lrn"), captions(QStringLiteral("command"), 37));

    SignsPage page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.open();

    QCOMPARE(signList(page)->visualItemRect(signList(page)->item(0)).height(), 17);
    const QPoint second = signList(page)->visualItemRect(signList(page)->item(1)).center();
    QTest::mouseClick(signList(page)->viewport(), Qt::LeftButton, {}, second);
    QCOMPARE(signCaption(page)->text(), QStringLiteral("combo 1"));
    QCOMPARE(shownPicture(signPicture(page)), QStringLiteral("images/833.png"));

    QTest::keyClick(signList(page), Qt::Key_Up);
    QCOMPARE(signCaption(page)->text(), QStringLiteral("combo 0"));
    QCOMPARE(shownPicture(signPicture(page)), QStringLiteral("images/832.png"));

    QTest::keyClick(categoryList(page), Qt::Key_Down);
    QCOMPARE(categoryBanner(page)->Lines(), QStringList{QStringLiteral("COMMAND SIGNS")});
    QCOMPARE(signList(page)->count(), 37);
    QCOMPARE(shownPicture(signPicture(page)), QStringLiteral("images/rs.png"));
    QCOMPARE(recorder.all(), QStringList());
}

void TestSignsPage::everyCategoryOpensAtItsFirstRow()
{
    TempDataDir dir;
    MessageRecorder recorder;
    writeOpeningFiles(dir);
    dir.writeLines(QStringLiteral("doc/COMMAND SIGNS.lrn"), captions(QStringLiteral("command"), 37));

    SignsPage page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.open();
    QCoreApplication::processEvents();
    // The learner scrolls down the first category with the wheel, then picks the next one.
    for (int turn = 0; turn < 10; ++turn) {
        QWheelEvent wheel(QPointF(20, 20), signList(page)->viewport()->mapToGlobal(QPointF(20, 20)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(signList(page)->viewport(), &wheel);
    }
    QVERIFY(signList(page)->itemAt(QPoint(20, 2)) != signList(page)->item(0));
    const QListWidgetItem *command =
        categoryList(page)->findItems(QStringLiteral("COMMAND SIGNS"), Qt::MatchExactly).first();
    QTest::mouseClick(categoryList(page)->viewport(), Qt::LeftButton, {},
                      categoryList(page)->visualItemRect(command).center());
    QCOMPARE(categoryBanner(page)->Lines(), QStringList{QStringLiteral("COMMAND SIGNS")});
    QCoreApplication::processEvents();
    QCOMPARE(signList(page)->itemAt(QPoint(20, 2)), signList(page)->item(0));
    QCOMPARE(signList(page)->item(0)->text(), QStringLiteral("command 0"));
}

void TestSignsPage::backButtonAsksForTheMenu()
{
    SignsPage page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QSignalSpy spy(&page, &SignsPage::menuRequested);
    QTest::mouseClick(child<HotSpot>(&page, "SpeedButton5"), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
}

QTEST_MAIN(TestSignsPage)
#include "tst_signspage.moc"
