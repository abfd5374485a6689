#include "base/dataerror.h"
#include "base/messages.h"
#include "tests/support/messagerecorder.h"
#include "tests/support/ftpserverfixture.h"
#include "update/ftpdownload.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// Everything the download showed.
struct RecordingSink : ProgressSink {
    QList<int> positions;
    QStringList texts;
    int cancelAfterTexts = -1;

    void setPosition(int percent) override { positions.append(percent); }
    void setText(const QString &text) override { texts.append(text); }
    bool cancelRequested() const override { return cancelAfterTexts >= 0 && texts.size() >= cancelAfterTexts; }
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Bytes that ASCII type would change: bare line feeds, carriage returns, and all other values.
QByteArray binaryContent(int size)
{
    QByteArray data(size, '\0');
    for (int i = 0; i < size; ++i)
        data[i] = static_cast<char>((i * 7 + i / 256) % 256);
    for (int i = 0; i < size; i += 97)
        data[i] = '\n';
    return data;
}

const QString updates = QStringLiteral("/public_html/updates");

} // namespace

class FtpDownloadTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void downloadsInBinaryTypeWithProgress();
    void replacesAnOlderLocalFile();
    void failuresAreReportedAndLeaveNoFile_data();
    void failuresAreReportedAndLeaveNoFile();
    void readOnlyLocalFileFailsWithoutMessage();
    void emptyFileShowsComplete();
    void windowHandlesEventsBetweenBlocks();
    void cancelEndsWithoutFile();
};

void FtpDownloadTest::downloadsInBinaryTypeWithProgress()
{
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    const QByteArray build = binaryContent(10000);
    server.addFile("public_html/updates/Tarmika1002.exe", build);
    QTemporaryDir local;
    const QString target = local.filePath("Tarmika1002.exe");
    MessageRecorder messages;
    RecordingSink progress;

    QVERIFY(FtpDownloadFile(server.host(), server.user(), server.password(), server.port(), updates, "Tarmika1002.exe",
                            target, progress));
    QCOMPARE(contents(target), build);
    QVERIFY(messages.all().isEmpty());
    QCOMPARE(server.retrieved(), QStringList{"/public_html/updates/Tarmika1002.exe"});
    // One update per block of at most 4096 bytes, and one more when the end is reached.
    QVERIFY2(progress.texts.size() >= 4, qPrintable(progress.texts.join(" | ")));
    QCOMPARE(progress.positions.size(), progress.texts.size());
    QCOMPARE(progress.texts.last(), QString("10.00 Kb of 10.00 Kb / 100 %"));
    QCOMPARE(progress.positions.last(), 100);
    QVERIFY(std::is_sorted(progress.positions.begin(), progress.positions.end()));
    QVERIFY(progress.positions.first() < 100);
    QVERIFY(progress.texts.first().endsWith(QStringLiteral(" of 10.00 Kb / %1 %").arg(progress.positions.first())));
    QCOMPARE(QDir(local.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Tarmika1002.exe"});
}

void FtpDownloadTest::replacesAnOlderLocalFile()
{
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile("public_html/updates/Tarmika1002.exe", "new build");
    QTemporaryDir local;
    const QString target = local.filePath("Tarmika1002.exe");
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an older and longer download");
    old.close();
    MessageRecorder messages;
    RecordingSink progress;

    QVERIFY(FtpDownloadFile(server.host(), server.user(), server.password(), server.port(), updates, "Tarmika1002.exe",
                            target, progress));
    QCOMPARE(contents(target), QByteArray("new build"));
}

void FtpDownloadTest::failuresAreReportedAndLeaveNoFile_data()
{
    QTest::addColumn<QString>("serverPassword");
    QTest::addColumn<bool>("listening");
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QStringList>("messages");
    const QString right = FtpServerFixture::password();
    QTest::newRow("wrong password") << "other" << true << updates << "Tarmika1002.exe"
                                    << QStringList{"Host \"127.0.0.1\" is not available"};
    QTest::newRow("nothing listening") << right << false << updates << "Tarmika1002.exe"
                                       << QStringList{"Host \"127.0.0.1\" is not available"};
    QTest::newRow("missing directory") << right << true << "/public_html/gone"
                                       << "Tarmika1002.exe"
                                       << QStringList{"Cannot set directory to /public_html/gone."};
    QTest::newRow("missing file") << right << true << updates << "Tarmika1003.exe"
                                  << QStringList{"Cannot find file Tarmika1003.exe"};
    QTest::newRow("file name with a trailing blank")
        << right << true << updates << "Tarmika1002 .exe" << QStringList{"Cannot find file Tarmika1002 .exe"};
    // The file is listed but the server will not send it: no message, only the result.
    QTest::newRow("transfer refused") << right << true << updates << "refused.exe" << QStringList();
    // A transfer broken off part-way is not a finished download.
    QTest::newRow("connection lost mid-file") << right << true << updates << "dropped.exe" << QStringList();
}

void FtpDownloadTest::failuresAreReportedAndLeaveNoFile()
{
    QFETCH(QString, serverPassword);
    QFETCH(bool, listening);
    QFETCH(QString, directory);
    QFETCH(QString, fileName);
    QFETCH(QStringList, messages);
    FtpServerFixture::Options options;
    options.password = serverPassword;
    options.refuse = QStringList{"refused.exe"};
    options.drop = {{"dropped.exe", 20000}};
    FtpServerFixture server(options);
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile("public_html/updates/Tarmika1002.exe", "build");
    server.addFile("public_html/updates/refused.exe", "build");
    server.addFile("public_html/updates/dropped.exe", binaryContent(100000));
    const quint16 port = listening ? server.port() : unusedLocalPort();
    QTemporaryDir local;
    const QString target = local.filePath(fileName);
    MessageRecorder recorder;
    RecordingSink progress;

    const DownloadResult result =
        FtpDownloadFile(server.host(), server.user(), server.password(), port, directory, fileName, target, progress);
    QVERIFY(!result);
    QCOMPARE(result.message.isEmpty() ? QStringList() : QStringList{result.message}, messages);
    QVERIFY(recorder.messages.isEmpty());
    QVERIFY(recorder.errors.isEmpty());
    QCOMPARE(QDir(local.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    if (!progress.positions.isEmpty())
        QVERIFY(progress.positions.last() < 100);
}

void FtpDownloadTest::readOnlyLocalFileFailsWithoutMessage()
{
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile("public_html/updates/Tarmika1002.exe", "new build");
    QTemporaryDir local;
    const QString target = local.filePath("Tarmika1002.exe");
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("kept");
    old.close();
    QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadUser));
    RecordingSink progress;

    DownloadResult result = FtpDownloadFile(server.host(), server.user(), server.password(), server.port(), updates,
                                            "Tarmika1002.exe", target, progress);
    QVERIFY(!result);
    QVERIFY(result.message.isEmpty());
    QCOMPARE(contents(target), QByteArray("kept"));
    QCOMPARE(QDir(local.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Tarmika1002.exe"});

    // A local folder that does not exist fails the same way.
    result = FtpDownloadFile(server.host(), server.user(), server.password(), server.port(), updates, "Tarmika1002.exe",
                             local.filePath("gone/Tarmika1002.exe"), progress);
    QVERIFY(!result);
    QVERIFY(result.message.isEmpty());
    QVERIFY(!QFile::exists(local.filePath("gone")));
}

void FtpDownloadTest::emptyFileShowsComplete()
{
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile("public_html/updates/Tarmika1002.exe", QByteArray());
    QTemporaryDir local;
    const QString target = local.filePath("Tarmika1002.exe");
    MessageRecorder messages;
    RecordingSink progress;

    QVERIFY(FtpDownloadFile(server.host(), server.user(), server.password(), server.port(), updates, "Tarmika1002.exe",
                            target, progress));
    QVERIFY(QFile::exists(target));
    QCOMPARE(contents(target), QByteArray());
    QCOMPARE(progress.positions, QList<int>{100});
    QCOMPARE(progress.texts, QStringList{"0 bytes of 0 bytes / 100 %"});
}

void FtpDownloadTest::windowHandlesEventsBetweenBlocks()
{
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    const int size = 3000000;
    server.addFile("public_html/updates/Tarmika1002.exe", binaryContent(size));
    QTemporaryDir local;
    const QString target = local.filePath("Tarmika1002.exe");
    MessageRecorder messages;
    RecordingSink progress;

    int ticks = 0;
    QTimer timer;
    timer.setInterval(0);
    connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start();
    QVERIFY(FtpDownloadFile(server.host(), server.user(), server.password(), server.port(), updates, "Tarmika1002.exe",
                            target, progress));
    timer.stop();
    QCOMPARE(QFileInfo(target).size(), qint64(size));
    QVERIFY2(ticks >= 10, qPrintable(QString::number(ticks)));
    QVERIFY(progress.texts.size() >= size / 4096);
}

void FtpDownloadTest::cancelEndsWithoutFile()
{
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile("public_html/updates/Tarmika1002.exe", binaryContent(3000000));
    QTemporaryDir local;
    const QString target = local.filePath("Tarmika1002.exe");
    MessageRecorder messages;
    RecordingSink progress;
    progress.cancelAfterTexts = 2;

    DownloadResult result = FtpDownloadFile(server.host(), server.user(), server.password(), server.port(), updates,
                                            "Tarmika1002.exe", target, progress);
    QVERIFY(!result);
    QVERIFY(result.message.isEmpty());
    QCOMPARE(QDir(local.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    QVERIFY(progress.positions.last() < 100);
}

QTEST_GUILESS_MAIN(FtpDownloadTest)
#include "tst_ftpdownload.moc"
