#include "app/menupage.h"
#include "app/tform2.h"
#include "base/datapaths.h"
#include "base/messages.h"
#include "base/page.h"
#include "controls/textfader.h"
#include "learner/loginpage.h"
#include "tests/support/ftpserverfixture.h"
#include "tests/support/tempdatadir.h"
#include "update/updatepanel.h"
#include "update/updateserver.h"

#include <QElapsedTimer>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QtTest>

#include <functional>

// The whole window against an update server that misbehaves: cut-off transfers, silence, nonsense
// in its files, refusals and a wrong password. Whatever the server does, the window answers
// within its timeouts, says what happened on the status line, shows at most the one error box of
// the repeat count fetch, and never keeps a partial question bank or a partial program build.
namespace {

const QString noConnection = QStringLiteral("No internet conection, Connect internet and try again");
const QString questionsDone = QStringLiteral("Update succesfull,please close program and reopen");
const QString questionsFailed = QStringLiteral("Question download failed, please close program and reopen");
const QString badVersion = QStringLiteral("The update on the server is not valid");

constexpr long connectSeconds = 2;
constexpr long readSeconds = 2;
// One silent server costs one read timeout; the rest of a handler's work takes milliseconds.
constexpr qint64 handlerLimitMs = (connectSeconds + readSeconds) * 1000 + 1500;

QByteArray questionText(int n)
{
    return QStringLiteral("Question %1\r\nA\r\nB\r\nC\r\n1\r\n2\r\n3\r\n4\r\na1\r\n1\r\n0\r\n").arg(n).toUtf8();
}

QByteArray binaryGarbage()
{
    QRandomGenerator generator(1234);
    QByteArray bytes(600, '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i % 5 == 0 ? 0 : generator.bounded(256));
    return bytes;
}

// Runs one handler of the window and records how long it held the window.
qint64 timed(const std::function<void()> &handler)
{
    QElapsedTimer clock;
    clock.start();
    handler();
    return clock.elapsed();
}

QStringList bank()
{
    return QDir(DataPaths::questionsDir).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

} // namespace

class TestFaultyServer : public QObject {
    Q_OBJECT
private slots:
    void questionDownloadSurvivesTheServer_data();
    void questionDownloadSurvivesTheServer();
    void programUpdateSurvivesTheServer_data();
    void programUpdateSurvivesTheServer();
};

void TestFaultyServer::questionDownloadSurvivesTheServer_data()
{
    QTest::addColumn<QByteArray>("countFile");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QStringList>("refuse");
    QTest::addColumn<QStringList>("stall");
    QTest::addColumn<QString>("drop");      // a file cut off after 40 bytes
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("errorBoxes");

    const QString right = FtpServerFixture::password();
    const QByteArray three("3\r\n");
    const QStringList none;
    // A start that fails ends with the no-connection line; the repeat fetch of the count on the
    // closed connection then shows its one error box.
    QTest::newRow("count is a word") << QByteArray("abc\r\n") << right << none << none << QString() << noConnection << 1;
    QTest::newRow("count is negative") << QByteArray("-5\r\n") << right << none << none << QString() << noConnection << 1;
    QTest::newRow("count is absurd") << QByteArray("999999999\r\n") << right << none << none << QString() << noConnection << 1;
    QTest::newRow("count is binary") << binaryGarbage() << right << none << none << QString() << noConnection << 1;
    QTest::newRow("count is refused") << three << right << QStringList{"qcount.txt"} << none << QString() << noConnection << 1;
    QTest::newRow("count never answers") << three << right << none << QStringList{"qcount.txt"} << QString() << noConnection << 1;
    QTest::newRow("count is cut off") << QByteArray("3\r\n").repeated(40) << right << none << none << "qcount.txt" << noConnection << 1;
    QTest::newRow("wrong password") << three << "wrong" << none << none << QString() << noConnection << 1;
    // A countdown that fails part-way ends with its own line and no box.
    QTest::newRow("first question refused") << three << right << QStringList{"3.lrn"} << none << QString() << questionsFailed << 0;
    QTest::newRow("last question refused") << three << right << QStringList{"1.lrn"} << none << QString() << questionsFailed << 0;
    QTest::newRow("question never answers") << three << right << none << QStringList{"2.lrn"} << QString() << questionsFailed << 0;
    QTest::newRow("question cut off") << three << right << none << none << "2.lrn" << questionsFailed << 0;
    // The sound server, so the rows above prove the failures and not the set-up.
    QTest::newRow("sound server") << three << right << none << none << QString() << questionsDone << 0;
}

void TestFaultyServer::questionDownloadSurvivesTheServer()
{
    QFETCH(QByteArray, countFile);
    QFETCH(QString, password);
    QFETCH(QStringList, refuse);
    QFETCH(QStringList, stall);
    QFETCH(QString, drop);
    QFETCH(QString, status);
    QFETCH(int, errorBoxes);

    FtpServerFixture::Options options;
    options.password = password;
    options.refuse = refuse;
    options.stall = stall;
    if (!drop.isEmpty())
        options.drop = {{drop, 40}};
    FtpServerFixture server(options);
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile(QStringLiteral("public_html/questions/qcount.txt"), countFile);
    for (int n = 1; n <= 3; ++n)
        server.addFile(QStringLiteral("public_html/questions/%1.lrn").arg(n), questionText(n).repeated(n == 2 ? 20 : 1));

    TempDataDir dir;
    MessageRecorder recorder;
    {
        TForm2 form(serverAt(server.host(), server.port()));
        form.Panel2->setFtpTimeouts({connectSeconds, readSeconds});
        form.show();
        QVERIFY(form.qdowload->isActive());
        form.qdowload->stop();

        QStringList slow;
        const qint64 start = timed([&] { form.Panel2->qdowloadTimer(); });
        if (start > handlerLimitMs)
            slow << QStringLiteral("qdowloadTimer %1 ms").arg(start);
        // One tick per file at most; a countdown still running after that would never end.
        for (int tick = 1; tick <= 4 && form.dlq->isActive(); ++tick) {
            const qint64 ms = timed([&] { form.Panel2->dlqTimer(); });
            if (ms > handlerLimitMs)
                slow << QStringLiteral("dlqTimer tick %1: %2 ms").arg(tick).arg(ms);
        }
        QVERIFY2(slow.isEmpty(), qPrintable(slow.join(QStringLiteral("; "))));
        QVERIFY(!form.dlq->isActive());
        QVERIFY(!form.qdowload->isActive());
        QCOMPARE(form.Panel2->updatestatus->Lines(), QStringList{status});
        QCOMPARE(recorder.errors.size(), errorBoxes);
        for (const QString &error : recorder.errors)
            QVERIFY2(!error.trimmed().isEmpty() && error.size() < 300, qPrintable(error));
        QVERIFY2(recorder.messages.isEmpty(), qPrintable(recorder.messages.join(QStringLiteral(" | "))));
        // The marquee has stopped and the window is still where it was.
        QCOMPARE(form.Panel2->ProgressBar1->maximum(), 100);
        QVERIFY(form.isVisible());
        QCOMPARE(form.activePage(), static_cast<QWidget *>(form.Login));
    }
    QVERIFY(!dir.exists(QStringLiteral("Questions.download")));
    if (status == questionsDone) {
        QCOMPARE(bank(), (QStringList{"1.lrn", "2.lrn", "3.lrn"}));
        return;
    }
    // No partial bank: the folder stays empty, so the next start downloads the bank again.
    QCOMPARE(bank(), QStringList());
    recorder.clear();
    TForm2 again(serverAt(QStringLiteral("127.0.0.1"), unusedLocalPort()));
    QVERIFY(again.qdowload->isActive());
    QVERIFY(recorder.all().isEmpty());
}

void TestFaultyServer::programUpdateSurvivesTheServer_data()
{
    QTest::addColumn<QByteArray>("serverVersion");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QStringList>("refuse");
    QTest::addColumn<QStringList>("stall");
    QTest::addColumn<QString>("drop");      // a file cut off after 5000 bytes
    QTest::addColumn<QStringList>("status");
    QTest::addColumn<bool>("handedOver");

    const QString right = FtpServerFixture::password();
    const QByteArray newer("1005\r\n");
    const QStringList none;
    const QStringList downloading{QStringLiteral("New update available"), QStringLiteral("Downloading")};
    QTest::newRow("wrong password") << newer << "wrong" << none << none << QString() << QStringList{noConnection} << false;
    QTest::newRow("version never answers") << newer << right << none << QStringList{"ver.txt"} << QString()
                                           << QStringList{noConnection} << false;
    QTest::newRow("version is binary") << binaryGarbage() << right << none << none << QString() << QStringList{badVersion}
                                       << false;
    QTest::newRow("version names a path") << QByteArray("../../evil\r\n") << right << none << none << QString()
                                          << QStringList{badVersion} << false;
    // A build that does not arrive whole is never handed over; the status stays as the check
    // left it.
    QTest::newRow("build refused") << newer << right << QStringList{"Tarmika1005.exe"} << none << QString() << downloading
                                   << false;
    QTest::newRow("build never answers") << newer << right << none << QStringList{"Tarmika1005.exe"} << QString()
                                         << downloading << false;
    QTest::newRow("build cut off") << newer << right << none << none << "Tarmika1005.exe" << downloading << false;
    QTest::newRow("sound server") << newer << right << none << none << QString() << QStringList{"Applying Update"}
                                  << true;
}

void TestFaultyServer::programUpdateSurvivesTheServer()
{
    QFETCH(QByteArray, serverVersion);
    QFETCH(QString, password);
    QFETCH(QStringList, refuse);
    QFETCH(QStringList, stall);
    QFETCH(QString, drop);
    QFETCH(QStringList, status);
    QFETCH(bool, handedOver);

    FtpServerFixture::Options options;
    options.password = password;
    options.refuse = refuse;
    options.stall = stall;
    if (!drop.isEmpty())
        options.drop = {{drop, 5000}};
    FtpServerFixture server(options);
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile(QStringLiteral("public_html/updates/ver.txt"), serverVersion);
    server.addFile(QStringLiteral("public_html/updates/Tarmika1005.exe"), QByteArray(60000, 'x'));

    TempDataDir dir;
    dir.writeQuestion(1);
    dir.writeLines(QStringLiteral("doc/ver.txt"), {QStringLiteral("1004")});
    // A stand-in updater that does nothing, so a hand-over can happen in the sound case.
    dir.writeBytes(QStringLiteral("updater.sh"), "#!/bin/sh\nexit 0\n");
    QFile::setPermissions(dir.filePath(QStringLiteral("updater.sh")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    MessageRecorder recorder;
    TForm2 form(serverAt(server.host(), server.port()));
    form.Panel2->setFtpTimeouts({connectSeconds, readSeconds});
    form.Panel2->setUpdaterPath(dir.filePath(QStringLiteral("updater.sh")));
    form.show();
    form.showPage(form.MenuT);
    form.TextFader22Click();

    QStringList slow;
    const qint64 check = timed([&] { form.Panel2->SpeedButton7Click(); });
    if (check > handlerLimitMs)
        slow << QStringLiteral("SpeedButton7Click %1 ms").arg(check);
    if (form.uptime1->isActive()) {
        form.uptime1->stop();
        const qint64 download = timed([&] { form.Panel2->uptime1Timer(); });
        if (download > handlerLimitMs)
            slow << QStringLiteral("uptime1Timer %1 ms").arg(download);
    }
    QVERIFY2(slow.isEmpty(), qPrintable(slow.join(QStringLiteral("; "))));
    QCOMPARE(form.Panel2->updatestatus->Lines(), status);
    QVERIFY2(recorder.all().isEmpty(), qPrintable(recorder.all().join(QStringLiteral(" | "))));
    QVERIFY(!form.Panel2->downloadRunning());
    QCOMPARE(form.isVisible(), !handedOver);

    const QStringList after = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    if (handedOver) {
        QCOMPARE(dir.readBytes(QStringLiteral("Tarmika1005.exe")).size(), 60000);
        QCOMPARE(dir.readLines(QStringLiteral("doc/ver.txt")), QStringList{QStringLiteral("1005")});
        return;
    }
    // No build, whole or partial, and the installed version stands.
    QCOMPARE(after, before);
    QCOMPARE(dir.readLines(QStringLiteral("doc/ver.txt")), QStringList{QStringLiteral("1004")});
    // Nothing beside the data directory's own folders either: the offered version named no path.
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("../evil.exe"))));
    // The window still answers: the panel closes and the menu opens a page.
    QTest::mouseClick(form.Panel2->SpeedButton20, Qt::LeftButton);
    QVERIFY(form.Panel2->isHidden());
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.MenuT));
}

QTEST_MAIN(TestFaultyServer)
#include "tst_faultyserver.moc"
