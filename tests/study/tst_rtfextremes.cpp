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
    void hugeParagraphContinuesInNewParagraphs();
    void hugeDocumentEndsWithANote();
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

void TestRtfExtremes::hugeParagraphContinuesInNewParagraphs()
{
    // 25 000 characters of one paragraph, in alternating bold and plain runs, then a short one.
    QByteArray rtf("{\\rtf1\\qc ");
    QString expected;
    for (int i = 0; i < 2500; ++i) {
        rtf += (i % 2 ? "\\b0 " : "\\b ") + QByteArray::number(i % 10).repeated(10);
        expected += QString::number(i % 10).repeated(10);
    }
    rtf += "\\par after\\par}";
    QTextDocument document;
    QVERIFY(RtfReader::load(rtf, &document));

    QString joined;
    QTextBlock block = document.begin();
    int longBlocks = 0;
    for (; block.isValid() && !block.text().startsWith(u"after"); block = block.next()) {
        QVERIFY(block.length() - 1 <= RtfReader::maxParagraphCharacters);
        QCOMPARE(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        longBlocks += block.length() - 1 == RtfReader::maxParagraphCharacters;
        joined += block.text();
    }
    // Nothing lost, nothing added, and the formatting kept along the way.
    QCOMPARE(joined, expected);
    QCOMPARE(longBlocks, 2);
    QVERIFY(block.isValid());
    QCOMPARE(block.text(), u"after");
    const QTextCursor at(document.find(QStringLiteral("1111111111")));
    QVERIFY(!at.isNull());
    QCOMPARE(at.charFormat().fontWeight(), int(QFont::Normal));
    QCOMPARE(document.find(QStringLiteral("2222222222")).charFormat().fontWeight(), int(QFont::Bold));
    QVERIFY(!document.toPlainText().contains(QString::fromUtf16(RtfReader::truncationNote)));
}

void TestRtfExtremes::hugeDocumentEndsWithANote()
{
    // Ten megabytes of text in one paragraph, as a damaged file may hold, is cut at the limit
    // with the reason at the end.
    QByteArray rtf("{\\rtf1 ");
    const QByteArray unit("word\\b bold\\b0  ");
    rtf.reserve(10 * 1024 * 1024 + unit.size());
    while (rtf.size() < 10 * 1024 * 1024)
        rtf += unit;
    QTextDocument document;
    QElapsedTimer clock;
    clock.start();
    QVERIFY(RtfReader::load(rtf, &document));
    qDebug("10 MB paragraph read in %lld ms", clock.elapsed());

    const QString note = QString::fromUtf16(RtfReader::truncationNote);
    QVERIFY(document.characterCount() <= RtfReader::maxDocumentCharacters + note.size() + 2);
    QVERIFY(document.characterCount() >= RtfReader::maxDocumentCharacters);
    QCOMPARE(document.lastBlock().text(), note);
    QVERIFY(document.find(note).charFormat().fontItalic());
    QVERIFY(document.firstBlock().text().startsWith(u"wordbold wordbold"));
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        QVERIFY(block.length() - 1 <= RtfReader::maxParagraphCharacters);
}

QTEST_MAIN(TestRtfExtremes)
#include "tst_rtfextremes.moc"
