#include "controls/piegauge.h"

#include <QImage>
#include <QtTest>

class TestPieGauge : public QObject {
    Q_OBJECT
private slots:
    void progressIsClampedIntoRange_data();
    void progressIsClampedIntoRange();
    void loweringMaximumLowersProgress_data();
    void loweringMaximumLowersProgress();
    void sliceCoversThePercentage_data();
    void sliceCoversThePercentage();
};

void TestPieGauge::progressIsClampedIntoRange_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("progress");
    QTest::addColumn<int>("percent");
    QTest::newRow("inside the range") << 66 << 12 << 12 << 18;
    QTest::newRow("above the maximum") << 10 << 14 << 10 << 100;
    QTest::newRow("below zero") << 10 << -3 << 0 << 0;
    QTest::newRow("empty range") << 0 << 5 << 0 << 0;
    QTest::newRow("a third rounds down") << 3 << 1 << 1 << 33;
    QTest::newRow("two thirds round down") << 3 << 2 << 2 << 66;
    QTest::newRow("large maximum does not overflow") << 100000000 << 99999999 << 99999999 << 99;
}

void TestPieGauge::progressIsClampedIntoRange()
{
    QFETCH(int, maximum);
    QFETCH(int, requested);
    PieGauge gauge;
    gauge.SetMaxValue(maximum);
    gauge.SetProgress(requested);
    QTEST(gauge.Progress(), "progress");
    QTEST(gauge.PercentDone(), "percent");
}

void TestPieGauge::loweringMaximumLowersProgress_data()
{
    QTest::addColumn<int>("newMaximum");
    QTest::addColumn<int>("progress");
    QTest::newRow("below the progress") << 20 << 20;
    QTest::newRow("above the progress") << 80 << 50;
    QTest::newRow("to zero") << 0 << 0;
    QTest::newRow("negative is taken as zero") << -5 << 0;
}

void TestPieGauge::loweringMaximumLowersProgress()
{
    QFETCH(int, newMaximum);
    PieGauge gauge;
    gauge.SetMaxValue(66);
    gauge.SetProgress(50);
    gauge.SetMaxValue(newMaximum);
    QTEST(gauge.Progress(), "progress");
    QCOMPARE(gauge.MaxValue(), qMax(newMaximum, 0));
}

void TestPieGauge::sliceCoversThePercentage_data()
{
    QTest::addColumn<int>("progress");
    QTest::addColumn<bool>("upperRight");
    QTest::addColumn<bool>("lowerRight");
    QTest::addColumn<bool>("lowerLeft");
    QTest::addColumn<bool>("upperLeft");
    // Maximum 100, so the progress is the percentage.
    QTest::newRow("empty") << 0 << false << false << false << false;
    QTest::newRow("a quarter") << 25 << true << false << false << false;
    QTest::newRow("a half") << 50 << true << true << false << false;
    QTest::newRow("three quarters") << 75 << true << true << true << false;
    QTest::newRow("full") << 100 << true << true << true << true;
}

void TestPieGauge::sliceCoversThePercentage()
{
    QFETCH(int, progress);
    QFETCH(bool, upperRight);
    QFETCH(bool, lowerRight);
    QFETCH(bool, lowerLeft);
    QFETCH(bool, upperLeft);
    const QColor fore(255, 128, 0);
    PieGauge gauge;
    gauge.resize(90, 90);
    gauge.SetForeColor(fore);
    gauge.SetMaxValue(100);
    gauge.SetProgress(progress);
    QImage image(90, 90, QImage::Format_RGB32);
    image.fill(Qt::black);
    gauge.render(&image);
    auto filled = [&](int x, int y) { return image.pixelColor(x, y) == fore; };
    // Points well inside each quarter of the circle, away from its edges.
    QCOMPARE(filled(60, 30), upperRight);
    QCOMPARE(filled(60, 60), lowerRight);
    QCOMPARE(filled(30, 60), lowerLeft);
    QCOMPARE(filled(30, 30), upperLeft);
    // Outside the circle the ground is white, with no border.
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
    QCOMPARE(image.pixelColor(89, 89), QColor(Qt::white));
}

QTEST_MAIN(TestPieGauge)
#include "tst_piegauge.moc"
