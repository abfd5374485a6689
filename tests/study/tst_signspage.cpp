#include "base/messages.h"
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
    const QList<QListWidgetItem *> found = page.ListBox2->findItems(category, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    page.ListBox2->setCurrentItem(found.first());
    page.ListBox2Click();
}

void chooseSign(SignsPage &page, int row)
{
    page.discbox->setCurrentRow(row);
    page.discboxClick();
}

// The general picture and the first category's sign list, which every opening of the page reads.
void writeOpeningFiles(const TempDataDir &dir)
{
    writePicture(dir, QStringLiteral("images/rs.png"), QSize(2, 2));
    dir.writeLines(QStringLiteral("doc/") + combination + QStringLiteral(".lrn"), captions(QStringLiteral("combo"), 26));
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
    QCOMPARE(page.ListBox2->count(), 28);
    QCOMPARE(page.ListBox2->item(0)->text(), combination);
    QCOMPARE(page.ListBox2->item(27)->text(), QStringLiteral("WARNING MARKINGS"));
    QStringList sorted = rows(page.ListBox2);
    sorted.sort();
    QCOMPARE(rows(page.ListBox2), sorted);
    QCOMPARE(rows(page.discbox), (QStringList{"Stop sign", "Stop signs", "Stop/Yield Sign", "3 - Way stop sign",
                                              "4 - way Stop sign"}));
    QCOMPARE(page.Label2->text(), QStringLiteral("Traffic Signs"));
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
    dir.writeLines(QStringLiteral("doc/") + combination + QStringLiteral(".lrn"), captions(QStringLiteral("combo"), 26));
    dir.writeLines(QStringLiteral("doc/HAND SIGNALS.lrn"), captions(QStringLiteral("hand"), 13));

    SignsPage page;
    if (!previousCategory.isEmpty()) {
        page.open();
        chooseCategory(page, previousCategory);
        chooseSign(page, previousSign);
        QVERIFY(shownPicture(page.Sign) != QStringLiteral("images/rs.png"));
    }
    page.open();

    QCOMPARE(page.ListBox2->currentRow(), 0);
    QCOMPARE(rows(page.discbox), captions(QStringLiteral("combo"), 26));
    QCOMPARE(page.discbox->currentRow(), -1);
    QCOMPARE(shownPicture(page.Sign), QStringLiteral("images/rs.png"));
    QVERIFY(!page.Sign->pixmap().isNull());
    QCOMPARE(page.TextFader13->Lines(), QStringList{combination});
    QCOMPARE(recorder.all(), QStringList());
}

void TestSignsPage::switchingCategoryResetsPictureAndKeepsCaption()
{
    TempDataDir dir;
    MessageRecorder recorder;
    writeOpeningFiles(dir);
    writePicture(dir, QStringLiteral("images/883.png"));
    dir.writeLines(QStringLiteral("doc/TOURISM.lrn"), {QStringLiteral("Tourist route"), QStringLiteral("Tourist area")});
    dir.writeLines(QStringLiteral("doc/TRAFFIC SIGNALS.lrn"), captions(QStringLiteral("signal"), 28));

    SignsPage page;
    page.open();
    chooseCategory(page, QStringLiteral("TOURISM"));
    chooseSign(page, 1);
    QCOMPARE(page.Label2->text(), QStringLiteral("Tourist area"));
    QCOMPARE(shownPicture(page.Sign), QStringLiteral("images/883.png"));

    chooseCategory(page, QStringLiteral("TRAFFIC SIGNALS"));
    QCOMPARE(shownPicture(page.Sign), QStringLiteral("images/rs.png"));
    QCOMPARE(page.Label2->text(), QStringLiteral("Tourist area"));
    QCOMPARE(page.TextFader13->Lines(), QStringList{QStringLiteral("TRAFFIC SIGNALS")});
    QCOMPARE(rows(page.discbox), captions(QStringLiteral("signal"), 28));
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
    dir.writeLines(QStringLiteral("doc/") + category + QStringLiteral(".lrn"), captions(QStringLiteral("sign"), rowCount));

    SignsPage page;
    page.open();
    chooseCategory(page, category);
    chooseSign(page, row);

    QCOMPARE(page.Label2->text(), QStringLiteral("sign %1").arg(row));
    QCOMPARE(shownPicture(page.Sign), picture);
    QCOMPARE(page.Sign->pixmap().size(), QSize(7, 5));
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
    QCOMPARE(page.discbox->count(), 5);
    chooseSign(page, 0);
    for (int row : {2, 4}) {
        chooseSign(page, row);
        QCOMPARE(page.Label2->text(), QStringLiteral("tourism %1").arg(row));
        QCOMPARE(shownPicture(page.Sign), QStringLiteral("images/883.png"));
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
    QCOMPARE(page.discbox->count(), 0);
    QTest::mouseClick(page.discbox->viewport(), Qt::LeftButton, {}, QPoint(20, 8));
    QTest::keyClick(page.discbox, Qt::Key_Down);
    QCOMPARE(page.Label2->text(), QStringLiteral("Traffic Signs"));
    QCOMPARE(shownPicture(page.Sign), QStringLiteral("images/rs.png"));
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
    QVERIFY2(recorder.messages.first().contains(QStringLiteral("doc/TOURISM.lrn")), qPrintable(recorder.messages.first()));
    QVERIFY(!dir.exists(QStringLiteral("doc/TOURISM.lrn")));
    QCOMPARE(QDir(dir.filePath(QStringLiteral("doc"))).entryList(QDir::Files), docBefore);
    // No rows of the previous category are left to pair with this category's pictures.
    QCOMPARE(rows(page.discbox), QStringList());

    // Asking again reports again; the category never becomes a list of category names.
    chooseCategory(page, QStringLiteral("TOURISM"));
    QCOMPARE(recorder.messages.size(), 2);
    QVERIFY(!dir.exists(QStringLiteral("doc/TOURISM.lrn")));
}

void TestSignsPage::unopenablePictureKeepsThePreviousOne_data()
{
    QTest::addColumn<QByteArray>("badContent");   // empty: no file at all
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

    QCOMPARE(page.Label2->text(), QStringLiteral("hand 1"));
    QCOMPARE(shownPicture(page.Sign), QStringLiteral("images/258.png"));
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
    QCOMPARE(rows(page.discbox), captions(QStringLiteral("tourism"), 2));
    QCOMPARE(page.TextFader13->Lines(), QStringList{QStringLiteral("TOURISM")});
}

void TestSignsPage::learnerChoosesByMouseAndKeyboard()
{
    TempDataDir dir;
    MessageRecorder recorder;
    writePicture(dir, QStringLiteral("images/rs.png"));
    writePicture(dir, QStringLiteral("images/832.png"));
    writePicture(dir, QStringLiteral("images/833.png"));
    dir.writeLines(QStringLiteral("doc/") + combination + QStringLiteral(".lrn"), captions(QStringLiteral("combo"), 26));
    dir.writeLines(QStringLiteral("doc/COMMAND SIGNS.lrn"), captions(QStringLiteral("command"), 37));

    SignsPage page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.open();

    QCOMPARE(page.discbox->visualItemRect(page.discbox->item(0)).height(), 17);
    const QPoint second = page.discbox->visualItemRect(page.discbox->item(1)).center();
    QTest::mouseClick(page.discbox->viewport(), Qt::LeftButton, {}, second);
    QCOMPARE(page.Label2->text(), QStringLiteral("combo 1"));
    QCOMPARE(shownPicture(page.Sign), QStringLiteral("images/833.png"));

    QTest::keyClick(page.discbox, Qt::Key_Up);
    QCOMPARE(page.Label2->text(), QStringLiteral("combo 0"));
    QCOMPARE(shownPicture(page.Sign), QStringLiteral("images/832.png"));

    QTest::keyClick(page.ListBox2, Qt::Key_Down);
    QCOMPARE(page.TextFader13->Lines(), QStringList{QStringLiteral("COMMAND SIGNS")});
    QCOMPARE(page.discbox->count(), 37);
    QCOMPARE(shownPicture(page.Sign), QStringLiteral("images/rs.png"));
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
        QWheelEvent wheel(QPointF(20, 20), page.discbox->viewport()->mapToGlobal(QPointF(20, 20)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(page.discbox->viewport(), &wheel);
    }
    QVERIFY(page.discbox->itemAt(QPoint(20, 2)) != page.discbox->item(0));
    const QListWidgetItem *command = page.ListBox2->findItems(QStringLiteral("COMMAND SIGNS"), Qt::MatchExactly).first();
    QTest::mouseClick(page.ListBox2->viewport(), Qt::LeftButton, {}, page.ListBox2->visualItemRect(command).center());
    QCOMPARE(page.TextFader13->Lines(), QStringList{QStringLiteral("COMMAND SIGNS")});
    QCoreApplication::processEvents();
    QCOMPARE(page.discbox->itemAt(QPoint(20, 2)), page.discbox->item(0));
    QCOMPARE(page.discbox->item(0)->text(), QStringLiteral("command 0"));
}

void TestSignsPage::backButtonAsksForTheMenu()
{
    SignsPage page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QSignalSpy spy(&page, &SignsPage::menuRequested);
    QTest::mouseClick(page.SpeedButton5, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
}

QTEST_MAIN(TestSignsPage)
#include "tst_signspage.moc"
