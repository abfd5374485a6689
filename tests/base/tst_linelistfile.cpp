#include "base/dataerror.h"
#include "base/datapaths.h"
#include "base/linelistfile.h"
#include "tests/support/tempdatadir.h"

#include <QSaveFile>
#include <QtTest>

class TestLineListFile : public QObject {
    Q_OBJECT
private slots:
    void decodesEncodingsAndLineEnds_data();
    void decodesEncodingsAndLineEnds();
    void writesCrlfWithoutByteOrderMark();
    void roundTripsThroughAFile();
    void unreadableFileThrowsNamingTheFile();
    void interruptedSaveLeavesOldFileIntact();
    void missingLineThrowsNamingTheFile();
    void resolvesPathsWithoutRegardToCase();
    void countsFilesButNotFolders();
};

void TestLineListFile::decodesEncodingsAndLineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    const QStringList ab{QStringLiteral("a"), QStringLiteral("b")};
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << ab;
    QTest::newRow("lf") << QByteArray("a\nb\n") << ab;
    QTest::newRow("cr only") << QByteArray("a\rb\r") << ab;
    QTest::newRow("no final line end") << QByteArray("a\r\nb") << ab;
    QTest::newRow("mixed ends") << QByteArray("a\rb\nc\r\n") << QStringList{"a", "b", "c"};
    QTest::newRow("empty lines kept") << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("utf-8 bom") << QByteArray("\xEF\xBB\xBFR\xC3\xA9sum\xC3\xA9\r\n") << QStringList{QStringLiteral("Résumé")};
    QTest::newRow("utf-8 without bom") << QByteArray("caf\xC3\xA9\n") << QStringList{QStringLiteral("café")};
    QTest::newRow("utf-16le bom") << QByteArray("\xFF\xFE" "a\0\r\0\n\0\xAC\x20", 10) << QStringList{"a", QStringLiteral("€")};
    QTest::newRow("utf-16be bom") << QByteArray("\xFE\xFF\0a\0\n\0b", 8) << ab;
    QTest::newRow("windows-1252") << QByteArray("Learner\x92s \x80 caf\xE9\r\n")
                                  << QStringList{QStringLiteral("Learner’s € café")};
}

void TestLineListFile::decodesEncodingsAndLineEnds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(LineListFile::decode(bytes), lines);
}

void TestLineListFile::writesCrlfWithoutByteOrderMark()
{
    QCOMPARE(LineListFile::encode({QStringLiteral("Learner1"), QStringLiteral("é"), QString()}),
             QByteArray("Learner1\r\n\xC3\xA9\r\n\r\n"));
}

void TestLineListFile::roundTripsThroughAFile()
{
    TempDataDir dir;
    const QStringList lines{QStringLiteral("Naïve name"), QStringLiteral("12"), QStringLiteral("lv")};
    LineListFile::write(QStringLiteral("x.sav"), lines);
    QCOMPARE(LineListFile::read(QStringLiteral("x.sav")), lines);
}

void TestLineListFile::unreadableFileThrowsNamingTheFile()
{
    TempDataDir dir;
    try {
        LineListFile::read(QStringLiteral("doc/none.lrn"));
        QFAIL("reading a missing file must throw");
    } catch (const DataError &error) {
        QVERIFY(error.text().contains(QStringLiteral("doc/none.lrn")));
    }
    // A folder in the way of a file cannot be written either.
    dir.mkdir(QStringLiteral("blocked.sav"));
    QVERIFY_THROWS_EXCEPTION(DataError, LineListFile::write(QStringLiteral("blocked.sav"), {QStringLiteral("x")}));
}

void TestLineListFile::interruptedSaveLeavesOldFileIntact()
{
    TempDataDir dir;
    LineListFile::write(QStringLiteral("p.sav"), {QStringLiteral("old"), QStringLiteral("1")});
    {
        // A writer that dies before it commits: the half-written data never replaces the file.
        QSaveFile file(QStringLiteral("p.sav"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("new\r\n2");
    }
    QCOMPARE(LineListFile::read(QStringLiteral("p.sav")), (QStringList{"old", "1"}));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("p.sav")});
}

void TestLineListFile::missingLineThrowsNamingTheFile()
{
    const QStringList lines{QStringLiteral("a")};
    QCOMPARE(LineListFile::lineAt(lines, 0, QStringLiteral("f")), QStringLiteral("a"));
    QVERIFY_THROWS_EXCEPTION(DataError, LineListFile::lineAt(lines, 1, QStringLiteral("f")));
    QVERIFY_THROWS_EXCEPTION(DataError, LineListFile::lineAt(lines, -1, QStringLiteral("f")));
}

void TestLineListFile::resolvesPathsWithoutRegardToCase()
{
    TempDataDir dir;
    dir.writeLines(QStringLiteral("Doc/Ver.TXT"), {QStringLiteral("1017")});
    dir.writeLines(QStringLiteral("images/TL.png"), {});
    QCOMPARE(DataPaths::resolve(QStringLiteral("doc/ver.txt")), QStringLiteral("Doc/Ver.TXT"));
    QCOMPARE(DataPaths::resolve(QStringLiteral("doc\\ver.txt")), QStringLiteral("Doc/Ver.TXT"));
    QCOMPARE(DataPaths::image(QStringLiteral("tl")), QStringLiteral("images/TL.png"));
    QVERIFY(DataPaths::exists(QStringLiteral("DOC/ver.txt")));
    // What matches nothing keeps the spelling it was given, so it can be created as asked.
    QCOMPARE(DataPaths::resolve(QStringLiteral("doc/maxcount.lrn")), QStringLiteral("Doc/maxcount.lrn"));
    QCOMPARE(DataPaths::resolve(QStringLiteral("new/x.txt")), QStringLiteral("new/x.txt"));
    QVERIFY(!DataPaths::exists(QStringLiteral("doc/other.txt")));
}

void TestLineListFile::countsFilesButNotFolders()
{
    TempDataDir dir;
    QCOMPARE(DataPaths::countFiles(QStringLiteral("adds")), 0);
    dir.mkdir(QStringLiteral("adds/sub"));
    QCOMPARE(DataPaths::countFiles(QStringLiteral("adds")), 0);
    dir.writeBytes(QStringLiteral("adds/a0.png"), "x");
    dir.writeBytes(QStringLiteral("adds/.hidden"), "x");
    QCOMPARE(DataPaths::countFiles(QStringLiteral("ADDS")), 2);
}

QTEST_GUILESS_MAIN(TestLineListFile)
#include "tst_linelistfile.moc"
