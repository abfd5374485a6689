#include "base/dataerror.h"
#include "base/datapaths.h"
#include "base/linelistfile.h"
#include "tests/support/tempdatadir.h"

#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class TestLineListFile : public QObject {
    Q_OBJECT
private slots:
    void decodesEncodingsAndLineEnds_data();
    void decodesEncodingsAndLineEnds();
    void writesCrlfWithoutByteOrderMark();
    void roundTripsThroughAFile();
    void unreadableFileThrowsNamingTheFile();
    void interruptedSaveLeavesOldFileIntact();
    void saveOnFullDiskKeepsOldFileAndSaysWhich_data();
    void saveOnFullDiskKeepsOldFileAndSaysWhich();
    void missingLineThrowsNamingTheFile();
    void resolvesPathsWithoutRegardToCase();
    void countsFilesButNotFolders();
    void countFollowsEveryChangeOfTheDirectory();
};

namespace {

// Sets a directory's modification time, as the clock tick of a change would leave it.
void setModified(const QString &path, qint64 msecsSinceEpoch)
{
    const timespec when{time_t(msecsSinceEpoch / 1000), long(msecsSinceEpoch % 1000) * 1'000'000L};
    const timespec times[2] = {when, when};
    if (utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) != 0)
        qFatal("cannot set the time of %s", qPrintable(path));
}

// A file system of 64 KiB mounted for the test and filled to the last block; needs root.
class FullFileSystem {
public:
    FullFileSystem()
    {
        if (geteuid() != 0 || !m_dir.isValid())
            return;
        if (QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=64k", "tmpfs", m_dir.path()}) != 0)
            return;
        m_mounted = true;
    }
    ~FullFileSystem()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_dir.path()});
    }
    bool mounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    // Writes a filler file until the file system refuses more.
    void fill() const
    {
        QFile filler(m_dir.filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            qFatal("cannot create the filler file");
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

} // namespace

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
    QTest::newRow("utf-8 bom") << QByteArray("\xEF\xBB\xBFR\xC3\xA9sum\xC3\xA9\r\n")
                               << QStringList{QStringLiteral("Résumé")};
    QTest::newRow("utf-8 without bom") << QByteArray("caf\xC3\xA9\n") << QStringList{QStringLiteral("café")};
    QTest::newRow("utf-16le bom") << QByteArray("\xFF\xFE"
                                                "a\0\r\0\n\0\xAC\x20",
                                                10)
                                  << QStringList{"a", QStringLiteral("€")};
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

void TestLineListFile::saveOnFullDiskKeepsOldFileAndSaysWhich_data()
{
    QTest::addColumn<QByteArray>("old");
    QTest::newRow("replacing a profile") << QByteArray("Thabo\r\n57\r\nlv\r\n");
    QTest::newRow("first save") << QByteArray();
}

void TestLineListFile::saveOnFullDiskKeepsOldFileAndSaysWhich()
{
    QFETCH(QByteArray, old);
    FullFileSystem disk;
    if (!disk.mounted())
        QSKIP("mounting a small file system needs root");
    const QString path = disk.path() + QStringLiteral("/Thabo.sav");
    if (!old.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    }
    disk.fill();
    try {
        LineListFile::write(path, {QStringLiteral("Thabo"), QStringLiteral("58"), QStringLiteral("lv")});
        QFAIL("a save on a full disk must not report success");
    } catch (const DataError &error) {
        QVERIFY2(error.text().contains(path), qPrintable(error.text()));
    }
    const QStringList expected = old.isEmpty() ? QStringList{"filler"} : QStringList{"Thabo.sav", "filler"};
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files, QDir::Name), expected);
    if (!old.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
    }
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

void TestLineListFile::countFollowsEveryChangeOfTheDirectory()
{
    TempDataDir dir;
    dir.writeBytes(QStringLiteral("Questions/1.lrn"), "x");
    dir.writeBytes(QStringLiteral("Questions/2.lrn"), "x");
    const QString questions = dir.filePath(QStringLiteral("Questions"));

    // A directory unchanged for an hour: counted again from an earlier listing, and every file
    // added or removed afterwards still counts at once.
    setModified(questions, QDateTime::currentMSecsSinceEpoch() - 3'600'000);
    QCOMPARE(DataPaths::countFiles(QStringLiteral("Questions")), 2);
    QCOMPARE(DataPaths::countFiles(QStringLiteral("Questions")), 2);
    dir.writeBytes(QStringLiteral("Questions/3.lrn"), "x");
    QCOMPARE(DataPaths::countFiles(QStringLiteral("Questions")), 3);
    QVERIFY(QFile::remove(dir.filePath(QStringLiteral("Questions/1.lrn"))));
    QVERIFY(QFile::remove(dir.filePath(QStringLiteral("Questions/2.lrn"))));
    QCOMPARE(DataPaths::countFiles(QStringLiteral("questions")), 1);

    // A change in the same clock tick as the listing leaves the directory's time as it was: a
    // directory changed just now is never counted from an earlier listing.
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    setModified(questions, now);
    QCOMPARE(DataPaths::countFiles(QStringLiteral("Questions")), 1);
    dir.writeBytes(QStringLiteral("Questions/4.lrn"), "x");
    setModified(questions, now);
    QCOMPARE(DataPaths::countFiles(QStringLiteral("Questions")), 2);
}

QTEST_GUILESS_MAIN(TestLineListFile)
#include "tst_linelistfile.moc"
