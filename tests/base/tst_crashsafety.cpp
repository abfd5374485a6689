#include "base/linelistfile.h"
#include "base/saveleftovers.h"
#include "tests/support/tempdatadir.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

// A learner's files must survive the program being killed at any moment: after the kill each file
// holds its old or its new content whole, never a part of either and never nothing. The test
// binary re-runs itself as the saving process and kills it at random moments.

namespace {

const char saveLoopArgument[] = "--save-loop";

// Two complete versions of each file. The padding makes every save long enough (some dozen
// kilobytes) that a kill lands inside the write often, so a save that is not atomic shows here.
QStringList version(const QString &kind, int which)
{
    QStringList lines;
    if (kind == u"profile")
        lines << QStringLiteral("Thabo") << QString::number(which ? 57 : 121)
              << (which ? QStringLiteral("lv") : QStringLiteral("m"));
    else
        lines << QStringLiteral("Thabo") << QString::number(which ? 12 : 30) << QStringLiteral("4")
              << QStringLiteral("40") << QStringLiteral("0") << QStringLiteral("0") << QStringLiteral("0");
    const int padding = which ? 2000 : 3000; // the two versions differ in length too
    for (int i = 0; i < padding; ++i)
        lines << QStringLiteral("%1 version %2 line %3").arg(kind).arg(which).arg(i);
    return lines;
}

QString profilePath(const QString &dir)
{
    return dir + QStringLiteral("/Thabo.sav");
}
QString progressPath(const QString &dir)
{
    return dir + QStringLiteral("/doc/Thabo.lrn");
}

// The saving process: writes both files, alternating their versions, until it is killed. It says
// "ready" once both files have been replaced once, so the parent knows saves are under way.
int saveLoop(const QString &dir)
{
    const QStringList profiles[2] = {version(QStringLiteral("profile"), 0), version(QStringLiteral("profile"), 1)};
    const QStringList progress[2] = {version(QStringLiteral("progress"), 0), version(QStringLiteral("progress"), 1)};
    // Each run starts with the version that is not on disk, so the kills leave either version.
    const int first = LineListFile::read(profilePath(dir)) == profiles[0] ? 1 : 0;
    for (unsigned long long round = 0;; ++round) {
        const int which = int((round + first) % 2);
        LineListFile::write(profilePath(dir), profiles[which]);
        LineListFile::write(progressPath(dir), progress[1 - which]);
        if (round == 0) {
            std::fputs("ready\n", stdout);
            std::fflush(stdout);
        }
    }
}

} // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT
private slots:
    void killedSaveLeavesOldOrNewFileWhole();
    void onlyLeftoversOfOwnSavesAreRemoved();
};

void TestCrashSafety::killedSaveLeavesOldOrNewFileWhole()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("doc")));
    const QByteArray profiles[2] = {LineListFile::encode(version(QStringLiteral("profile"), 0)),
                                    LineListFile::encode(version(QStringLiteral("profile"), 1))};
    const QByteArray progress[2] = {LineListFile::encode(version(QStringLiteral("progress"), 0)),
                                    LineListFile::encode(version(QStringLiteral("progress"), 1))};
    LineListFile::write(profilePath(dir.path()), version(QStringLiteral("profile"), 0));
    LineListFile::write(progressPath(dir.path()), version(QStringLiteral("progress"), 0));

    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    const auto check = [&](const QString &path, const QByteArray(&versions)[2], int kill) {
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly),
                 qPrintable(QStringLiteral("kill %1 (seed %2): %3 is missing").arg(kill).arg(seed).arg(path)));
        const QByteArray content = file.readAll();
        QVERIFY2(content == versions[0] || content == versions[1],
                 qPrintable(QStringLiteral("kill %1 (seed %2): %3 holds %4 bytes, neither version whole")
                                .arg(kill)
                                .arg(seed)
                                .arg(path)
                                .arg(content.size())));
    };

    int changed = 0;
    QByteArray previous = profiles[0];
    QElapsedTimer clock;
    clock.start();
    for (int kill = 0; kill < 200; ++kill) {
        QProcess saver;
        saver.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(saveLoopArgument), dir.path()});
        QVERIFY2(saver.waitForStarted(10000), qPrintable(saver.errorString()));
        QVERIFY2(saver.waitForReadyRead(10000), "the saving process did not start saving");
        QTest::qSleep(int(random.bounded(12)));
        saver.kill();
        QVERIFY(saver.waitForFinished(10000));
        QCOMPARE(saver.exitStatus(), QProcess::CrashExit);

        check(profilePath(dir.path()), profiles, kill);
        check(progressPath(dir.path()), progress, kill);
        if (QTest::currentTestFailed())
            return;
        QFile file(profilePath(dir.path()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray now = file.readAll();
        changed += now != previous;
        previous = now;
    }
    // The kills really fell among the saves: the files kept changing between them.
    QVERIFY2(changed >= 20, qPrintable(QStringLiteral("only %1 of 200 kills saw a new profile").arg(changed)));
    qInfo("200 kills in %lld ms, the profile changed across %d of them", clock.elapsed(), changed);
}

void TestCrashSafety::onlyLeftoversOfOwnSavesAreRemoved()
{
    TempDataDir dir;
    const QStringList leftovers{"Thabo.sav.CpHhxt",   "doc/Thabo.lrn.QwErTy",    "doc/maxcount.lrn.abcdef",
                                "doc/ver.txt.ZZZZZZ", "Questions/12.lrn.HhHhHh", "Tarmika1002.exe.pLmNoK"};
    // Look-alikes: other files, other folders, other endings, and entries that are no plain file.
    const QStringList others{"Thabo.sav",
                             "Thabo.sav.Ab12Cd",
                             "Thabo.sav.AbCdEfG",
                             "notes.txt.AbCdEf",
                             "doc/guide.rtf.AbCdEf",
                             "images/quest.png.AbCdEf",
                             "Questions/x.lrn.AbCdEf",
                             "adds/a0.png.AbCdEf",
                             "outside.txt"};
    for (const QString &file : leftovers + others)
        dir.writeBytes(file, "Thabo\r\n1\r\nlv\r\n");
    dir.mkdir(QStringLiteral("Naledi.sav.FolDer"));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("outside.txt")), dir.filePath(QStringLiteral("Sipho.sav.LinkAb"))));

    QStringList removed = SaveLeftovers::remove();
    removed.sort();
    QStringList expected = leftovers;
    expected.sort();
    QCOMPARE(removed, expected);
    for (const QString &file : leftovers)
        QVERIFY2(!dir.exists(file), qPrintable(file));
    for (const QString &file : others + QStringList{"Naledi.sav.FolDer", "Sipho.sav.LinkAb"})
        QVERIFY2(dir.exists(file), qPrintable(file));
}

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], saveLoopArgument) == 0)
        return saveLoop(QString::fromLocal8Bit(argv[2]));
    QCoreApplication application(argc, argv);
    TestCrashSafety test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crashsafety.moc"
