#include "study/rtfreader.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

// Indents and tab stops at the very ends of the number range, as a damaged document carries them.
// Tab stops are placed from the first line's start, a difference of two such numbers; it must
// come out as the far stop it is, clamped like every other measure, and not wrap round.
class TestRtfExtremes : public QObject {
    Q_OBJECT
private slots:
    void tabStopsFromExtremeIndentsAreClamped_data();
    void tabStopsFromExtremeIndentsAreClamped();
};

void TestRtfExtremes::tabStopsFromExtremeIndentsAreClamped_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<double>("firstStop");
    const double far = RtfReader::maxPictureSide;
    QTest::newRow("far stop, far negative indent")
        << QByteArray("{\\rtf1\\li-99999999999\\tx99999999999 x\\par}") << far;
    QTest::newRow("far stop, both indents far negative")
        << QByteArray("{\\rtf1\\li-99999999999\\fi-99999999999\\tx99999999999 x\\par}") << far;
    QTest::newRow("hanging indent at the bottom of the range")
        << QByteArray("{\\rtf1\\li100\\fi-99999999999 x\\par}") << far;
    QTest::newRow("ordinary stop") << QByteArray("{\\rtf1\\li300\\tx1500 x\\par}") << 1200 / 15.0;
}

void TestRtfExtremes::tabStopsFromExtremeIndentsAreClamped()
{
    QFETCH(QByteArray, rtf);
    QFETCH(double, firstStop);
    QTextDocument document;
    QString error;
    QVERIFY2(RtfReader::load(rtf, &document, &error), qPrintable(error));
    QTextBlock block = document.begin();
    while (block.isValid() && !block.text().contains(u'x'))
        block = block.next();
    QVERIFY(block.isValid());
    const QList<QTextOption::Tab> tabs = block.blockFormat().tabPositions();
    QVERIFY(!tabs.isEmpty());
    QCOMPARE(tabs.first().position, firstStop);
}

QTEST_MAIN(TestRtfExtremes)
#include "tst_rtfextremes.moc"
