#include "base/linelistfile.h"
#include "base/messages.h"
#include "tests/support/children.h"
#include "tests/support/messagerecorder.h"
#include "controls/textfader.h"
#include "tests/support/ftpserverfixture.h"
#include "tests/support/tempdatadir.h"
#include "update/buildsignature.h"
#include "update/updatepanel.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

#include <unistd.h>

namespace {

const QString noConnection = QStringLiteral("No internet conection, Connect internet and try again");
const QString updates = QStringLiteral("/public_html/updates/");

struct Harness {
    QTimer qdowload, dlq, uptime1;
    std::unique_ptr<UpdatePanel> panel;

    Harness(const QString &host, quint16 port)
    {
        for (QTimer *timer : {&qdowload, &dlq, &uptime1})
            timer->setInterval(3600 * 1000);
        panel = std::make_unique<UpdatePanel>(&qdowload, &dlq, &uptime1, serverAt(host, port));
        panel->setFtpTimeouts({3, 3});
    }
    QStringList status() const { return child<TTextFader>(panel.get(), "updatestatus")->Lines(); }
};

// A stand-in build: a script line, then binary bytes up to the size.
QByteArray buildBytes(int size)
{
    QByteArray data(size, '\0');
    for (int i = 0; i < size; ++i)
        data[i] = static_cast<char>(i * 13 % 256);
    const QByteArray script("#!/bin/sh\n");
    return data.replace(0, qMin<qsizetype>(script.size(), size), script);
}

// A stand-in for the updater: notes the folder it was started in, then ends.
QString writeDummyUpdater(const QTemporaryDir &dir)
{
    const QString path = dir.filePath("TarmikaUpdate");
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return {};
    script.write("#!/bin/sh\npwd -P > started.txt\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

// A folder no file can be added to, even by root: a read-only file system mounted on it, or for
// other users a folder without write permission.
class ReadOnlyFolder {
public:
    ReadOnlyFolder()
    {
        if (::geteuid() == 0) {
            m_mounted = QProcess::execute(QStringLiteral("mount"),
                                          {"-t", "tmpfs", "-o", "ro,size=64k", "tmpfs", m_dir.path()}) == 0;
            m_ready = m_mounted;
        } else {
            m_ready = QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        }
    }
    ~ReadOnlyFolder()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_dir.path()});
        else
            QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;
    bool ready() const { return m_ready; }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    bool m_ready = false;
};

} // namespace

class ProgramUpdateTest : public QObject {
    Q_OBJECT

private slots:
    void checkComparesExactText_data();
    void checkComparesExactText();
    void handOverInstallsAndAsksToClose_data();
    void handOverInstallsAndAsksToClose();
    void missingBuildKeepsTheInstalledVersion();
    void updaterThatCannotStartKeepsTheInstalledVersion();
    void unsafeVersionIsNeverDownloaded();
    void checkIsRefusedDuringProgramDownload();
    void laterCheckDisarmsTheWait_data();
    void laterCheckDisarmsTheWait();
    void readOnlyProgramFolderIsSaidBeforeDownload();
    void onlyASignedBuildIsInstalled_data();
    void onlyASignedBuildIsInstalled();
};

void ProgramUpdateTest::checkComparesExactText_data()
{
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QByteArray>("serverFile"); // null: no ver.txt on the server
    QTest::addColumn<QStringList>("status");
    QTest::addColumn<bool>("armed");
    QTest::addColumn<bool>("keepsServerCopy");
    QTest::addColumn<bool>("connected");
    const QStringList fresh{"New update available", "Downloading"};
    const QStringList none{"No new updates available"};
    const QStringList invalid{"The update on the server is not valid"};
    QTest::newRow("equal") << "1001" << QByteArray("1001\r\n") << none << false << false << true;
    QTest::newRow("newer") << "1001" << QByteArray("1002\r\n") << fresh << true << true << true;
    QTest::newRow("lower counts as new") << "1002" << QByteArray("1001\r\n") << fresh << true << true << true;
    QTest::newRow("trailing blank counts as new") << "1002" << QByteArray("1002 \r\n") << fresh << true << true << true;
    QTest::newRow("letter case counts") << "100a" << QByteArray("100A") << fresh << true << true << true;
    QTest::newRow("ver.txt missing") << "1001" << QByteArray() << QStringList{noConnection} << false << false << false;
    QTest::newRow("ver.txt empty") << "1001" << QByteArray("") << QStringList{noConnection} << false << true << false;
    QTest::newRow("version leaves the folder")
        << "1001" << QByteArray("/../../evil\r\n") << invalid << false << false << true;
    QTest::newRow("version with backslash")
        << "1001" << QByteArray("..\\..\\evil\r\n") << invalid << false << false << true;
}

void ProgramUpdateTest::checkComparesExactText()
{
    QFETCH(QString, installed);
    QFETCH(QByteArray, serverFile);
    QFETCH(QStringList, status);
    QFETCH(bool, armed);
    QFETCH(bool, keepsServerCopy);
    QFETCH(bool, connected);
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    if (!serverFile.isNull())
        server.addFile("public_html/updates/ver.txt", serverFile);
    TempDataDir data;
    data.writeLines("doc/ver.txt", {installed});
    data.writeLines("doc/tempver.txt", {"stale"});
    MessageRecorder messages;
    Harness h(server.host(), server.port());
    child<QPlainTextEdit>(h.panel.get(), "Memo1")->show();

    h.panel->SpeedButton7Click();
    QVERIFY(child<QPlainTextEdit>(h.panel.get(), "Memo1")->isHidden());
    QCOMPARE(h.status(), status);
    QCOMPARE(h.uptime1.isActive(), armed);
    QCOMPARE(data.exists("doc/tempver.txt"), keepsServerCopy);
    QCOMPARE(h.panel->ftp().Connected(), connected);
    QCOMPARE(data.readLines("doc/ver.txt"), QStringList{installed});
    // The installed version is read only once the server's version has arrived.
    if (!serverFile.isNull())
        QCOMPARE(h.panel->v1, QStringList{installed});
    if (armed)
        QCOMPARE(h.panel->v2.value(0), LineListFile::decode(serverFile).value(0));
    QVERIFY(messages.all().isEmpty());
    QCOMPARE(server.retrieved(), serverFile.isNull() ? QStringList() : QStringList{updates + "ver.txt"});
    // Nothing is ever written outside the data directory.
    QVERIFY(!QFileInfo::exists(QDir(data.path()).filePath("../../evil")));
}

void ProgramUpdateTest::handOverInstallsAndAsksToClose_data()
{
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<int>("buildSize");
    QTest::newRow("newer build") << "1001"
                                 << "1002" << 20000;
    QTest::newRow("lower build") << "1002"
                                 << "1001" << 5000;
    QTest::newRow("version with trailing blank") << "1002"
                                                 << "1002 " << 100;
}

void ProgramUpdateTest::handOverInstallsAndAsksToClose()
{
    QFETCH(QString, installed);
    QFETCH(QString, offered);
    QFETCH(int, buildSize);
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    const QString buildName = "Tarmika" + offered + ".exe";
    server.addFile("public_html/updates/ver.txt", offered.toUtf8() + "\r\n");
    server.addFile("public_html/updates/" + buildName, buildBytes(buildSize));
    TempDataDir data;
    data.writeLines("doc/ver.txt", {installed, "second line"});
    QTemporaryDir tools;
    MessageRecorder messages;
    Harness h(server.host(), server.port());
    h.panel->setUpdaterPath(writeDummyUpdater(tools));
    QSignalSpy closing(h.panel.get(), &UpdatePanel::closeProgramRequested);

    h.panel->SpeedButton7Click();
    QVERIFY(h.uptime1.isActive());
    QVERIFY(h.panel->ftp().Connected());
    h.panel->uptime1Timer();

    QVERIFY(!h.uptime1.isActive());
    QCOMPARE(data.readBytes(buildName), buildBytes(buildSize));
    QCOMPARE(child<QProgressBar>(h.panel.get(), "ProgressBar1")->value(), 100);
    // The updater records the new version once the build is in place; until then the installed
    // one stands, and the offer waits for the updater.
    QCOMPARE(data.readLines("doc/ver.txt"), QStringList({installed, "second line"}));
    QCOMPARE(LineListFile::read(data.filePath("doc/tempver.txt")), QStringList{offered});
    QCOMPARE(h.status(), QStringList{"Applying Update"});
    QCOMPARE(child<QLabel>(h.panel.get(), "DLstatus")->text(), QString("Installing New Update"));
    QVERIFY(!h.panel->ftp().Connected());
    QCOMPARE(closing.count(), 1);
    QVERIFY(messages.all().isEmpty());
    QCOMPARE(server.retrieved(), QStringList({updates + "ver.txt", updates + buildName, updates + buildName + ".sig"}));
    // The updater runs in the data directory.
    QTRY_VERIFY(data.exists("started.txt"));
    QTRY_COMPARE(data.readBytes("started.txt").trimmed(), QFileInfo(data.path()).canonicalFilePath().toUtf8());
}

void ProgramUpdateTest::missingBuildKeepsTheInstalledVersion()
{
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile("public_html/updates/ver.txt", "1002\r\n");
    TempDataDir data;
    data.writeLines("doc/ver.txt", {"1001"});
    QTemporaryDir tools;
    MessageRecorder messages;
    Harness h(server.host(), server.port());
    h.panel->setUpdaterPath(writeDummyUpdater(tools));
    QSignalSpy closing(h.panel.get(), &UpdatePanel::closeProgramRequested);

    h.panel->SpeedButton7Click();
    h.panel->uptime1Timer();
    QCOMPARE(messages.all(), QStringList{"Cannot find file Tarmika1002.exe"});
    QCOMPARE(data.readLines("doc/ver.txt"), QStringList{"1001"});
    QCOMPARE(h.status(), QStringList({"New update available", "Downloading"}));
    QVERIFY(!data.exists("Tarmika1002.exe"));
    QVERIFY(data.exists("doc/tempver.txt"));
    QCOMPARE(closing.count(), 0);
    QTest::qWait(100);
    QVERIFY(!data.exists("started.txt"));
}

void ProgramUpdateTest::updaterThatCannotStartKeepsTheInstalledVersion()
{
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile("public_html/updates/ver.txt", "1002\r\n");
    server.addFile("public_html/updates/Tarmika1002.exe", buildBytes(1000));
    TempDataDir data;
    data.writeLines("doc/ver.txt", {"1001"});
    QTemporaryDir tools;
    MessageRecorder messages;
    Harness h(server.host(), server.port());
    h.panel->setUpdaterPath(tools.filePath("TarmikaUpdate")); // not there
    QSignalSpy closing(h.panel.get(), &UpdatePanel::closeProgramRequested);

    h.panel->SpeedButton7Click();
    h.panel->uptime1Timer();
    QCOMPARE(closing.count(), 0);
    QCOMPARE(data.readLines("doc/ver.txt"), QStringList{"1001"});
    QCOMPARE(h.panel->v1, QStringList{"1001"});
    QCOMPARE(h.status(), QStringList{"The update could not be installed"});
    QVERIFY(child<QLabel>(h.panel.get(), "DLstatus")->text().isEmpty());

    // The next check offers the same update again.
    server.addFile("public_html/updates/ver.txt", "1002\r\n");
    h.panel->SpeedButton7Click();
    QVERIFY(h.uptime1.isActive());
}

void ProgramUpdateTest::unsafeVersionIsNeverDownloaded()
{
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile("public_html/updates/ver.txt", "1002\r\n");
    TempDataDir data;
    data.writeLines("doc/ver.txt", {"1001"});
    MessageRecorder messages;
    Harness h(server.host(), server.port());
    QSignalSpy closing(h.panel.get(), &UpdatePanel::closeProgramRequested);

    // Even when the download runs without a check before it, a version that is no plain file
    // name stops it.
    h.panel->v2 = QStringList{"/../x"};
    h.panel->uptime1Timer();
    QCOMPARE(messages.errors.size(), 1);
    QCOMPARE(server.retrieved(), QStringList());
    QCOMPARE(data.readLines("doc/ver.txt"), QStringList{"1001"});
    QCOMPARE(closing.count(), 0);
}

void ProgramUpdateTest::checkIsRefusedDuringProgramDownload()
{
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile("public_html/updates/ver.txt", "1002\r\n");
    server.addFile("public_html/updates/Tarmika1002.exe", buildBytes(2000000));
    TempDataDir data;
    data.writeLines("doc/ver.txt", {"1001"});
    QTemporaryDir tools;
    MessageRecorder messages;
    Harness h(server.host(), server.port());
    h.panel->setUpdaterPath(writeDummyUpdater(tools));
    QSignalSpy closing(h.panel.get(), &UpdatePanel::closeProgramRequested);

    h.panel->SpeedButton7Click();
    QStringList seenDuring;
    bool tempverDuring = false;
    // Runs while the download lets the window handle its events, as a click would.
    QTimer::singleShot(0, h.panel.get(), [&] {
        h.panel->SpeedButton7Click();
        seenDuring = h.status();
        tempverDuring = data.exists("doc/tempver.txt");
    });
    h.panel->uptime1Timer();

    QCOMPARE(seenDuring.size(), 3);
    QVERIFY(seenDuring.last().startsWith("Please wait"));
    QVERIFY(tempverDuring);
    QVERIFY(!h.uptime1.isActive());
    QCOMPARE(server.retrieved(),
             QStringList({updates + "ver.txt", updates + "Tarmika1002.exe", updates + "Tarmika1002.exe.sig"}));
    QCOMPARE(data.readBytes("Tarmika1002.exe"), buildBytes(2000000));
    QCOMPARE(closing.count(), 1);
    QCOMPARE(data.readLines("doc/ver.txt"), QStringList{"1001"});
    QCOMPARE(LineListFile::read(data.filePath("doc/tempver.txt")), QStringList{"1002"});
}

void ProgramUpdateTest::laterCheckDisarmsTheWait_data()
{
    QTest::addColumn<bool>("serverGone");
    QTest::addColumn<QStringList>("status");
    QTest::newRow("versions now equal") << false << QStringList{"No new updates available"};
    QTest::newRow("no connection") << true << QStringList{noConnection};
}

void ProgramUpdateTest::laterCheckDisarmsTheWait()
{
    QFETCH(bool, serverGone);
    QFETCH(QStringList, status);
    auto server = std::make_unique<FtpServerFixture>();
    QVERIFY2(server->isRunning(), qPrintable(server->errorString()));
    server->addFile("public_html/updates/ver.txt", "1002\r\n");
    server->addFile("public_html/updates/Tarmika1002.exe", buildBytes(1000));
    TempDataDir data;
    data.writeLines("doc/ver.txt", {"1001"});
    QTemporaryDir tools;
    MessageRecorder messages;
    Harness h(server->host(), server->port());
    h.panel->setUpdaterPath(writeDummyUpdater(tools));
    h.uptime1.setInterval(300);
    QSignalSpy closing(h.panel.get(), &UpdatePanel::closeProgramRequested);

    h.panel->SpeedButton7Click();
    QVERIFY(h.uptime1.isActive());
    // Within the wait, a second check finds the versions equal or no server at all.
    if (serverGone)
        server.reset();
    else
        server->addFile("public_html/updates/ver.txt", "1001\r\n");
    h.panel->SpeedButton7Click();
    QCOMPARE(h.status(), status);
    QTest::qWait(700);
    QCOMPARE(h.status(), status);
    QVERIFY(!data.exists("Tarmika1002.exe"));
    QCOMPARE(closing.count(), 0);
    QVERIFY(messages.all().isEmpty());
}

void ProgramUpdateTest::readOnlyProgramFolderIsSaidBeforeDownload()
{
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile("public_html/updates/ver.txt", "1002\r\n");
    server.addFile("public_html/updates/Tarmika1002.exe", buildBytes(1000));
    TempDataDir data;
    data.writeLines("doc/ver.txt", {"1001"});
    ReadOnlyFolder programFolder;
    if (!programFolder.ready())
        QSKIP("No read-only folder can be made here.");
    MessageRecorder messages;
    Harness h(server.host(), server.port());
    h.panel->setUpdaterPath(programFolder.filePath("TarmikaUpdate"));

    h.panel->SpeedButton7Click();
    QCOMPARE(h.status(),
             QStringList({"New update available", "Updates cannot be installed: the program folder is read-only"}));
    QVERIFY(!h.uptime1.isActive());
    QCOMPARE(server.retrieved(), QStringList{updates + "ver.txt"});
    QVERIFY(!data.exists("doc/tempver.txt"));
    QCOMPARE(data.readLines("doc/ver.txt"), QStringList{"1001"});
    QVERIFY(messages.all().isEmpty());
}

void ProgramUpdateTest::onlyASignedBuildIsInstalled_data()
{
    QTest::addColumn<QByteArray>("signature"); // empty: the one the project's key makes
    QTest::addColumn<bool>("tampered");        // the build changed after it was signed
    QTest::addColumn<bool>("installed");
    QTest::newRow("signed") << QByteArray() << false << true;
    QTest::newRow("no signature") << QByteArray("-") << false << false;
    QTest::newRow("changed after signing") << QByteArray() << true << false;
    QTest::newRow("signature of another key")
        << BuildSignature::signFile(QStringLiteral(TARMIKA_SOURCE_DIR "/README.md"),
                                    BuildSignature::generateKeyPair().privateKey)
        << false << false;
}

void ProgramUpdateTest::onlyASignedBuildIsInstalled()
{
    QFETCH(QByteArray, signature);
    QFETCH(bool, tampered);
    QFETCH(bool, installed);
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    const QString build = QStringLiteral("public_html/updates/Tarmika1002.exe");
    server.addFile("public_html/updates/ver.txt", "1002\r\n");
    server.addFile(build, buildBytes(5000), signature.isEmpty());
    if (tampered)
        server.addFile(build, buildBytes(5000).replace(4000, 1, "!"), false);
    if (!signature.isEmpty() && signature != "-")
        server.addFile(build + ".sig", signature);
    TempDataDir data;
    data.writeLines("doc/ver.txt", {"1001"});
    QTemporaryDir tools;
    MessageRecorder messages;
    Harness h(server.host(), server.port());
    h.panel->setUpdaterPath(writeDummyUpdater(tools));
    QSignalSpy closing(h.panel.get(), &UpdatePanel::closeProgramRequested);

    h.panel->SpeedButton7Click();
    h.panel->uptime1Timer();

    QCOMPARE(closing.count(), installed ? 1 : 0);
    QCOMPARE(data.exists("Tarmika1002.exe"), installed);
    QVERIFY(!data.exists("Tarmika1002.exe.sig"));
    QVERIFY2(messages.all().isEmpty(), qPrintable(messages.all().join(u'|')));
    QCOMPARE(data.readLines("doc/ver.txt"), QStringList{"1001"});
    if (!installed)
        QCOMPARE(h.status().last(), QString("The update on the server is not valid"));
}

QTEST_MAIN(ProgramUpdateTest)
#include "tst_programupdate.moc"
