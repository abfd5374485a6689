#include "base/linelistfile.h"
#include "tests/support/ftpserverfixture.h"
#include "update/ftpclient.h"
#include "update/ftpcurl.h"
#include "update/updateserver.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void connectTo(FtpClient &client, const FtpServerFixture &server)
{
    const UpdateServer account = serverAt(server.host(), server.port());
    client.setHost(account.host);
    client.setPort(account.port);
    client.setUser(account.user);
    client.setPassword(account.password);
    client.Connect();
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The text of the FtpError a call throws, or "<no error>".
template <typename Call>
QString errorOf(Call &&call)
{
    try {
        call();
    } catch (const FtpError &error) {
        return error.text();
    }
    return QStringLiteral("<no error>");
}

} // namespace

class FtpClientTest : public QObject {
    Q_OBJECT

private slots:
    void urlCarriesDirectoryAndFile_data();
    void urlCarriesDirectoryAndFile();
    void changeDirJoinsPaths_data();
    void changeDirJoinsPaths();

    void fetchesFromTheDirectoryLastEntered_data();
    void fetchesFromTheDirectoryLastEntered();
    void textFilesArriveInAsciiType();
    void refusesToReplaceExistingLocalFile();
    void mayOverwriteReplacesLocalFile();
    void failuresThrowAndLeaveNoLocalFile_data();
    void failuresThrowAndLeaveNoLocalFile();
    void callsWithoutConnectionFail();
    void connectAgainStartsAFreshSession();
    void nothingListeningFailsWithinConnectTimeout();
    void silentServerTimesOut();
    void defaultServerHoldsTheAccount();
};

void FtpClientTest::urlCarriesDirectoryAndFile_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("url");
    QTest::newRow("log-in directory") << QString() << QString() << QByteArray("ftp://h:21/");
    QTest::newRow("absolute directory") << "/public_html/questions" << QString()
                                        << QByteArray("ftp://h:21/%2Fpublic_html/questions/");
    QTest::newRow("file in absolute directory") << "/public_html/updates"
                                                << "ver.txt" << QByteArray("ftp://h:21/%2Fpublic_html/updates/ver.txt");
    QTest::newRow("root directory") << "/"
                                    << "a.lrn" << QByteArray("ftp://h:21/%2F/a.lrn");
    QTest::newRow("relative directory") << "sub/dir"
                                        << "1.lrn" << QByteArray("ftp://h:21/sub/dir/1.lrn");
    QTest::newRow("blank in file name") << "/u"
                                        << "Tarmika1002 .exe" << QByteArray("ftp://h:21/%2Fu/Tarmika1002%20.exe");
    QTest::newRow("url characters are escaped") << "/a#b"
                                                << "x?y;type=a" << QByteArray("ftp://h:21/%2Fa%23b/x%3Fy%3Btype%3Da");
}

void FtpClientTest::urlCarriesDirectoryAndFile()
{
    QFETCH(QString, dir);
    QFETCH(QString, file);
    QFETCH(QByteArray, url);
    QCOMPARE(FtpCurl::url(QStringLiteral("h"), 21, dir, file), url);
}

void FtpClientTest::changeDirJoinsPaths_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("joined");
    QTest::newRow("absolute replaces") << "/public_html/questions"
                                       << "/public_html/updates"
                                       << "/public_html/updates";
    QTest::newRow("relative appends") << "/public_html"
                                      << "updates"
                                      << "/public_html/updates";
    QTest::newRow("parent") << "/public_html/questions"
                            << ".."
                            << "/public_html";
    QTest::newRow("relative from log-in directory") << QString() << "a/b"
                                                    << "a/b";
    QTest::newRow("back to log-in directory") << "a"
                                              << ".." << QString();
    QTest::newRow("trailing slash dropped") << QString() << "/public_html/"
                                            << "/public_html";
    QTest::newRow("empty keeps current") << "/x" << QString() << "/x";
}

void FtpClientTest::changeDirJoinsPaths()
{
    QFETCH(QString, current);
    QFETCH(QString, dir);
    QFETCH(QString, joined);
    QCOMPARE(FtpCurl::joinDir(current, dir), joined);
}

void FtpClientTest::fetchesFromTheDirectoryLastEntered_data()
{
    QTest::addColumn<QStringList>("dirs");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("serverPath");
    QTest::newRow("questions") << QStringList{"/public_html/questions"} << QByteArray("q")
                               << "/public_html/questions/same.txt";
    QTest::newRow("questions then updates") << QStringList{"/public_html/questions", "/public_html/updates"}
                                            << QByteArray("u") << "/public_html/updates/same.txt";
    QTest::newRow("relative step") << QStringList{"/public_html", "updates"} << QByteArray("u")
                                   << "/public_html/updates/same.txt";
    QTest::newRow("up and across") << QStringList{"/public_html/updates", "../questions"} << QByteArray("q")
                                   << "/public_html/questions/same.txt";
}

void FtpClientTest::fetchesFromTheDirectoryLastEntered()
{
    QFETCH(QStringList, dirs);
    QFETCH(QByteArray, expected);
    QFETCH(QString, serverPath);
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile("public_html/questions/same.txt", "q");
    server.addFile("public_html/updates/same.txt", "u");
    QTemporaryDir local;

    FtpClient client;
    connectTo(client, server);
    for (const QString &dir : dirs)
        client.ChangeDir(dir);
    client.Get("same.txt", local.filePath("same.txt"));
    QCOMPARE(contents(local.filePath("same.txt")), expected);
    QCOMPARE(server.retrieved(), QStringList{serverPath});
    QVERIFY(client.Connected());
}

void FtpClientTest::textFilesArriveInAsciiType()
{
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    // A file authored with mixed line ends: ASCII type sends both as CRLF, and the client stores
    // the local text convention. A binary transfer would keep the bytes as they are.
    server.addFile("public_html/questions/qcount.txt", "3\r\nnot used\n");
    for (int n = 1; n <= 3; ++n)
        server.addFile(QStringLiteral("public_html/questions/%1.lrn").arg(n), "line\n");
    QTemporaryDir local;

    FtpClient client;
    connectTo(client, server);
    client.ChangeDir("/public_html/questions");
    client.Get("qcount.txt", local.filePath("qcount.txt"));
    QCOMPARE(contents(local.filePath("qcount.txt")), QByteArray("3\nnot used\n"));
    QCOMPARE(LineListFile::read(local.filePath("qcount.txt")), (QStringList{"3", "not used"}));
    for (int n = 3; n >= 1; --n)
        client.Get(QStringLiteral("%1.lrn").arg(n), local.filePath(QStringLiteral("%1.lrn").arg(n)));
    QCOMPARE(server.retrieved(), (QStringList{"/public_html/questions/qcount.txt", "/public_html/questions/3.lrn",
                                              "/public_html/questions/2.lrn", "/public_html/questions/1.lrn"}));
}

void FtpClientTest::refusesToReplaceExistingLocalFile()
{
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile("public_html/updates/ver.txt", "1002\n");
    QTemporaryDir local;
    const QString target = local.filePath("tempver.txt");
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("1001\r\n");
    old.close();

    FtpClient client;
    connectTo(client, server);
    client.ChangeDir("/public_html/updates");
    QCOMPARE(errorOf([&] { client.Get("ver.txt", target); }), QString("Destination file already exists."));
    QCOMPARE(contents(target), QByteArray("1001\r\n"));
    QVERIFY(server.retrieved().isEmpty());
    // The refusal is local: the session goes on.
    QVERIFY(client.Connected());
    client.Get("ver.txt", local.filePath("other.txt"));
    QCOMPARE(contents(local.filePath("other.txt")), QByteArray("1002\n"));
}

void FtpClientTest::mayOverwriteReplacesLocalFile()
{
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile("public_html/updates/ver.txt", "1002\n");
    QTemporaryDir local;
    const QString target = local.filePath("tempver.txt");
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("a much longer old content\r\n");
    old.close();

    FtpClient client;
    connectTo(client, server);
    client.ChangeDir("/public_html/updates");
    client.Get("ver.txt", target, true);
    QCOMPARE(contents(target), QByteArray("1002\n"));
}

void FtpClientTest::failuresThrowAndLeaveNoLocalFile_data()
{
    QTest::addColumn<QString>("serverPassword");
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("failingStep");
    QTest::addColumn<bool>("connectedAfter");
    const QString right = FtpServerFixture::password();
    QTest::newRow("wrong password") << "other"
                                    << "/public_html/updates"
                                    << "ver.txt"
                                    << "Connect" << false;
    QTest::newRow("missing directory") << right << "/public_html/nothing"
                                       << "ver.txt"
                                       << "ChangeDir" << true;
    QTest::newRow("missing file") << right << "/public_html/updates"
                                  << "none.txt"
                                  << "Get" << true;
    QTest::newRow("file refused") << right << "/public_html/updates"
                                  << "refused.txt"
                                  << "Get" << true;
    QTest::newRow("directory instead of file") << right << "/public_html"
                                               << "updates"
                                               << "Get" << true;
    QTest::newRow("connection lost mid-file") << right << "/public_html/updates"
                                              << "big.bin"
                                              << "Get" << false;
}

void FtpClientTest::failuresThrowAndLeaveNoLocalFile()
{
    QFETCH(QString, serverPassword);
    QFETCH(QString, dir);
    QFETCH(QString, file);
    QFETCH(QString, failingStep);
    QFETCH(bool, connectedAfter);
    FtpServerFixture::Options options;
    options.password = serverPassword;
    options.refuse = QStringList{"refused.txt"};
    options.drop = {{"big.bin", 50000}};
    FtpServerFixture server(options);
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile("public_html/updates/ver.txt", "1002\n");
    server.addFile("public_html/updates/refused.txt", "x\n");
    server.addFile("public_html/updates/big.bin", QByteArray(200000, 'b'));
    QTemporaryDir local;

    FtpClient client;
    QString step = QStringLiteral("none");
    try {
        step = "Connect";
        connectTo(client, server);
        step = "ChangeDir";
        client.ChangeDir(dir);
        step = "Get";
        client.Get(file, local.filePath("target"));
        step = "none";
    } catch (const FtpError &error) {
        QVERIFY(!error.text().isEmpty());
    }
    QCOMPARE(step, failingStep);
    QCOMPARE(client.Connected(), connectedAfter);
    QVERIFY(!QFile::exists(local.filePath("target")));
    QCOMPARE(QDir(local.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    if (connectedAfter) {
        // The session survives the server's refusal and still works in the same directory.
        client.ChangeDir("/public_html/updates");
        client.Get("ver.txt", local.filePath("ver.txt"));
        QCOMPARE(contents(local.filePath("ver.txt")), QByteArray("1002\n"));
    }
}

void FtpClientTest::callsWithoutConnectionFail()
{
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile("public_html/updates/ver.txt", "1002\n");
    QTemporaryDir local;

    FtpClient client;
    client.Disconnect(); // harmless before any connection
    QVERIFY(!client.Connected());
    connectTo(client, server);
    QVERIFY(client.Connected());
    client.Disconnect();
    client.Disconnect();
    QVERIFY(!client.Connected());
    QCOMPARE(errorOf([&] { client.ChangeDir("/public_html/updates"); }), QString("Not connected."));
    QCOMPARE(errorOf([&] { client.Get("ver.txt", local.filePath("v")); }), QString("Not connected."));
    QVERIFY(!QFile::exists(local.filePath("v")));
    QVERIFY(server.retrieved().isEmpty());
}

void FtpClientTest::connectAgainStartsAFreshSession()
{
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile("public_html/updates/ver.txt", "1002\n");
    server.addFile("ver.txt", "root\n");
    QTemporaryDir local;

    FtpClient client;
    connectTo(client, server);
    client.ChangeDir("/public_html/updates");
    QCOMPARE(client.currentDir(), QString("/public_html/updates"));
    client.Connect();
    QCOMPARE(client.currentDir(), QString());
    client.Get("ver.txt", local.filePath("v"));
    QCOMPARE(contents(local.filePath("v")), QByteArray("root\n"));

    // New settings take effect at the next Connect: a wrong password now fails the log-in.
    client.setPassword("wrong");
    QVERIFY(errorOf([&] { client.Connect(); }) != QString("<no error>"));
    QVERIFY(!client.Connected());
}

void FtpClientTest::nothingListeningFailsWithinConnectTimeout()
{
    const quint16 port = unusedLocalPort();
    QVERIFY(port != 0);
    FtpClient client(QStringLiteral("127.0.0.1"), port);
    client.setUser(FtpServerFixture::user());
    client.setPassword(FtpServerFixture::password());
    QElapsedTimer clock;
    clock.start();
    QVERIFY(errorOf([&] { client.Connect(); }) != QString("<no error>"));
    QVERIFY(clock.elapsed() < 16000);
    QVERIFY(!client.Connected());
}

void FtpClientTest::silentServerTimesOut()
{
    FtpServerFixture::Options options;
    options.stall = QStringList{"ver.txt"};
    FtpServerFixture server(options);
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile("public_html/updates/ver.txt", "1002\n");
    QTemporaryDir local;

    FtpClient client;
    client.setTimeouts({2, 2});
    connectTo(client, server);
    client.ChangeDir("/public_html/updates");
    QElapsedTimer clock;
    clock.start();
    QVERIFY(errorOf([&] { client.Get("ver.txt", local.filePath("v")); }) != QString("<no error>"));
    QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!client.Connected());
    QVERIFY(!QFile::exists(local.filePath("v")));
}

void FtpClientTest::defaultServerHoldsTheAccount()
{
    const UpdateServer server = defaultServer();
    QVERIFY(!server.host.isEmpty());
    QCOMPARE(server.user, QString("vomkaledtr"));
    QCOMPARE(server.password, QString("T84QW7kp2"));
    QCOMPARE(server.questionDir, QString("/public_html/questions"));
    QCOMPARE(server.programDir, QString("/public_html/updates"));
}

QTEST_GUILESS_MAIN(FtpClientTest)
#include "tst_ftpclient.moc"
