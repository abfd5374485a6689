#include "update/programlock.h"
#include "update/updater/programreplacer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QStringList fileNames(const QString &dir)
{
    QStringList names = QDir(dir).entryList(QDir::Files | QDir::Hidden);
    std::sort(names.begin(), names.end());
    return names;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A stand-in for a build of the program: a script that answers the updater's question, and
// otherwise leaves a marker in its working directory.
QByteArray programScript(const QByteArray &name)
{
    return "#!/bin/sh\n[ \"$1\" = --answer-updater ] && exit 0\necho " + name + " > started.txt\n";
}

// This computer's own kind of program, for another processor.
QByteArray foreignProgram()
{
    QFile self(QCoreApplication::applicationFilePath());
    if (!self.open(QIODevice::ReadOnly))
        return {};
    QByteArray header = self.read(4096);
    header[18] = static_cast<char>(header[18] ^ 0x55);
    return header;
}

bool waitForFile(const QString &path, int ms)
{
    QDeadlineTimer deadline(ms);
    while (!QFile::exists(path) || QFileInfo(path).size() == 0) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    return true;
}

// Makes one of the renames fail, the way a locked or vanished file would.
class FailingReplacer : public ProgramReplacer {
public:
    FailingReplacer(const QString &dir, const QString &failingSource)
        : ProgramReplacer(dir, dir), m_failingSource(failingSource)
    {}

protected:
    bool moveFile(const QString &from, const QString &to) override
    {
        if (QFileInfo(from).fileName() == m_failingSource)
            return false;
        return ProgramReplacer::moveFile(from, to);
    }

private:
    QString m_failingSource;
};

} // namespace

class UpdaterTest : public QObject {
    Q_OBJECT

private slots:
    void buildNameComesFromTheServerVersionFile_data();
    void buildNameComesFromTheServerVersionFile();
    void installReplacesTheProgram();
    void failedReplacementKeepsTheOldProgram_data();
    void failedReplacementKeepsTheOldProgram();
    void missingBuildChangesNothing();
    void brokenBuildIsRolledBack_data();
    void brokenBuildIsRolledBack();
    void waitsForTheProgramToRelease_data();
    void waitsForTheProgramToRelease();
    void programThatDoesNotCloseIsReplacedButNotStartedTwice();
    void updaterProgramReplacesAndRestarts();
    void updaterProgramWithoutBuildRestartsTheOldProgram();
};

void UpdaterTest::buildNameComesFromTheServerVersionFile_data()
{
    QTest::addColumn<QString>("versionPath");
    QTest::addColumn<QByteArray>("versionFile");
    QTest::addColumn<QString>("buildName");
    QTest::newRow("four digits") << "doc/tempver.txt" << QByteArray("1002\r\n") << "Tarmika1002.exe";
    QTest::newRow("only line 0 counts") << "doc/tempver.txt" << QByteArray("1005\r\n1001\r\n") << "Tarmika1005.exe";
    QTest::newRow("trailing blank kept") << "doc/tempver.txt" << QByteArray("1002 \r\n") << "Tarmika1002 .exe";
    QTest::newRow("directory in other case") << "Doc/tempver.txt" << QByteArray("1003") << "Tarmika1003.exe";
    QTest::newRow("path out of the directory") << "doc/tempver.txt" << QByteArray("/../../etc/x\r\n") << QString();
    QTest::newRow("backslash") << "doc/tempver.txt" << QByteArray("1\\..\\x\r\n") << QString();
    QTest::newRow("empty file") << "doc/tempver.txt" << QByteArray() << QString();
    QTest::newRow("no version file") << "doc/other.txt" << QByteArray("1002") << QString();
}

void UpdaterTest::buildNameComesFromTheServerVersionFile()
{
    QFETCH(QString, versionPath);
    QFETCH(QByteArray, versionFile);
    QFETCH(QString, buildName);
    QTemporaryDir dir;
    writeFile(dir.filePath(versionPath), versionFile);
    ProgramReplacer replacer(dir.path(), dir.path());
    QString error;
    QCOMPARE(replacer.downloadedBuildName(&error), buildName);
    QCOMPARE(error.isEmpty(), !buildName.isEmpty());
}

void UpdaterTest::installReplacesTheProgram()
{
    QTemporaryDir dir;
    ProgramReplacer replacer(dir.path(), dir.path());
    writeFile(replacer.programPath(), programScript("old"));
    writeFile(dir.filePath("Tarmika1002.exe"), programScript("new"));
    QString error;
    QVERIFY2(replacer.install(dir.filePath("Tarmika1002.exe"), &error), qPrintable(error));
    QCOMPARE(contents(replacer.programPath()), programScript("new"));
    QVERIFY(QFileInfo(replacer.programPath()).isExecutable());
    QCOMPARE(fileNames(dir.path()), QStringList{"tarmika"});
}

void UpdaterTest::failedReplacementKeepsTheOldProgram_data()
{
    QTest::addColumn<QString>("failingSource");
    QTest::newRow("moving the old program aside fails") << "tarmika";
    QTest::newRow("putting the new build in place fails") << "tarmika.new";
}

void UpdaterTest::failedReplacementKeepsTheOldProgram()
{
    QFETCH(QString, failingSource);
    QTemporaryDir dir;
    FailingReplacer replacer(dir.path(), failingSource);
    writeFile(replacer.programPath(), programScript("old"));
    QVERIFY(QFile::setPermissions(replacer.programPath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    writeFile(dir.filePath("Tarmika1002.exe"), programScript("new"));
    QString error;
    QVERIFY(!replacer.install(dir.filePath("Tarmika1002.exe"), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(contents(replacer.programPath()), programScript("old"));
    QVERIFY(QFileInfo(replacer.programPath()).isExecutable());
    // The download stays for another try; no half-finished copies are left behind.
    QCOMPARE(fileNames(dir.path()), (QStringList{"Tarmika1002.exe", "tarmika"}));
}

void UpdaterTest::missingBuildChangesNothing()
{
    QTemporaryDir dir;
    ProgramReplacer replacer(dir.path(), dir.path());
    writeFile(replacer.programPath(), programScript("old"));
    QString error;
    QVERIFY(!replacer.install(dir.filePath("Tarmika1002.exe"), &error));
    QVERIFY(error.contains("Tarmika1002.exe"));
    QCOMPARE(contents(replacer.programPath()), programScript("old"));
    QCOMPARE(fileNames(dir.path()), QStringList{"tarmika"});
}

void UpdaterTest::brokenBuildIsRolledBack_data()
{
    QTest::addColumn<QByteArray>("build");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("zeros") << QByteArray(1 << 20, '\0');
    QTest::newRow("program for another processor") << foreignProgram();
    QTest::newRow("starts and fails") << QByteArray("#!/bin/sh\nexit 3\n");
    QTest::newRow("never answers") << QByteArray("#!/bin/sh\nexec sleep 20\n");
}

void UpdaterTest::brokenBuildIsRolledBack()
{
    QFETCH(QByteArray, build);
    QTemporaryDir dir;
    ProgramReplacer replacer(dir.path(), dir.path());
    replacer.setAnswerTimeout(1000);
    writeFile(replacer.programPath(), programScript("old"));
    QVERIFY(QFile::setPermissions(replacer.programPath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    writeFile(dir.filePath("Tarmika1002.exe"), build);
    writeFile(dir.filePath("doc/ver.txt"), "1001\r\n");
    writeFile(dir.filePath("doc/tempver.txt"), "1002\r\n");

    QCOMPARE(replacer.run(200), int(ProgramReplacer::NotInstalled));
    QVERIFY(!replacer.lastError().isEmpty());
    // The old program is back and runs, the version file still names it, and nothing of the
    // broken build is left.
    QVERIFY(waitForFile(dir.filePath("started.txt"), 5000));
    QCOMPARE(contents(dir.filePath("started.txt")), QByteArray("old\n"));
    QCOMPARE(contents(replacer.programPath()), programScript("old"));
    QCOMPARE(contents(dir.filePath("doc/ver.txt")), QByteArray("1001\r\n"));
    QCOMPARE(fileNames(dir.path()), (QStringList{"started.txt", "tarmika"}));
}

void UpdaterTest::waitsForTheProgramToRelease_data()
{
    QTest::addColumn<bool>("programRuns");
    QTest::newRow("program still running") << true;
    QTest::newRow("program closed") << false;
}

void UpdaterTest::waitsForTheProgramToRelease()
{
    QFETCH(bool, programRuns);
    QTemporaryDir dir;
    QLockFile programLock(dir.filePath(programLockFileName));
    if (programRuns)
        QVERIFY(programLock.tryLock(0));
    ProgramReplacer replacer(dir.path(), dir.path());
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(replacer.waitForProgramExit(300), !programRuns);
    if (programRuns)
        QVERIFY(clock.elapsed() >= 250);
    // The updater does not keep the lock: the new build must be able to take it.
    programLock.unlock();
    QVERIFY(programLock.tryLock(0));
}

void UpdaterTest::programThatDoesNotCloseIsReplacedButNotStartedTwice()
{
    QTemporaryDir dir;
    QLockFile programLock(dir.filePath(programLockFileName));
    QVERIFY(programLock.tryLock(0));
    ProgramReplacer replacer(dir.path(), dir.path());
    writeFile(replacer.programPath(), programScript("old"));
    writeFile(dir.filePath("Tarmika1002.exe"), programScript("new"));
    writeFile(dir.filePath("doc/tempver.txt"), "1002\r\n");

    QCOMPARE(replacer.run(200), int(ProgramReplacer::StillRunning));
    QVERIFY(!replacer.lastError().isEmpty());
    QCOMPARE(contents(replacer.programPath()), programScript("new"));
    QVERIFY(!waitForFile(dir.filePath("started.txt"), 500));
}

void UpdaterTest::updaterProgramReplacesAndRestarts()
{
    QTemporaryDir dir;
    const QString updater = dir.filePath("TarmikaUpdate");
    QVERIFY(QFile::copy(QStringLiteral(TARMIKA_UPDATER_PATH), updater));
    writeFile(dir.filePath("tarmika"), programScript("old"));
    QVERIFY(QFile::setPermissions(dir.filePath("tarmika"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    writeFile(dir.filePath("Tarmika1002.exe"), programScript("new"));
    writeFile(dir.filePath("doc/ver.txt"), "1001\r\n");
    writeFile(dir.filePath("doc/tempver.txt"), "1002\r\n");

    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(updater, QStringList());
    QVERIFY(process.waitForFinished(20000));
    QVERIFY2(process.exitCode() == ProgramReplacer::Done, process.readAllStandardError().constData());
    QVERIFY(waitForFile(dir.filePath("started.txt"), 5000));
    QCOMPARE(contents(dir.filePath("started.txt")), QByteArray("new\n"));
    QCOMPARE(contents(dir.filePath("tarmika")), programScript("new"));
    QVERIFY(!QFile::exists(dir.filePath("Tarmika1002.exe")));
    QVERIFY(!QFile::exists(dir.filePath("tarmika.old")));
    QCOMPARE(contents(dir.filePath("doc/ver.txt")), QByteArray("1002\r\n"));
    QVERIFY(!QFile::exists(dir.filePath("doc/tempver.txt")));
}

void UpdaterTest::updaterProgramWithoutBuildRestartsTheOldProgram()
{
    QTemporaryDir dir;
    const QString updater = dir.filePath("TarmikaUpdate");
    QVERIFY(QFile::copy(QStringLiteral(TARMIKA_UPDATER_PATH), updater));
    writeFile(dir.filePath("tarmika"), programScript("old"));
    QVERIFY(QFile::setPermissions(dir.filePath("tarmika"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    writeFile(dir.filePath("doc/tempver.txt"), "1002\r\n");

    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(updater, QStringList());
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitCode(), int(ProgramReplacer::NotInstalled));
    QVERIFY(process.readAllStandardError().contains("Tarmika1002.exe"));
    QVERIFY(waitForFile(dir.filePath("started.txt"), 5000));
    QCOMPARE(contents(dir.filePath("started.txt")), QByteArray("old\n"));
}

QTEST_GUILESS_MAIN(UpdaterTest)
#include "tst_updater.moc"
