#include "base/datapaths.h"
#include "base/linelistfile.h"
#include "base/messages.h"
#include "tests/support/messagerecorder.h"
#include "controls/page.h"
#include "controls/textfader.h"
#include "tests/support/children.h"
#include "tests/support/ftpserverfixture.h"
#include "tests/support/tempdatadir.h"
#include "update/questioncount.h"
#include "update/updatepanel.h"

#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const QString noConnection = QStringLiteral("No internet conection, Connect internet and try again");
const QString done = QStringLiteral("Update succesfull,please close program and reopen");
const QString failed = QStringLiteral("Question download failed, please close program and reopen");

// The panel with the window's three timers. The timers never fire by themselves here: the tests
// run their handlers, as the window's message loop would.
struct Harness {
    QTimer qdowload, dlq, uptime1;
    std::unique_ptr<UpdatePanel> panel;

    Harness(const QString &host, quint16 port, const QString &password = FtpServerFixture::password())
    {
        for (QTimer *timer : {&qdowload, &dlq, &uptime1})
            timer->setInterval(3600 * 1000);
        UpdateServer server = serverAt(host, port);
        server.password = password;
        panel = std::make_unique<UpdatePanel>(&qdowload, &dlq, &uptime1, server);
        panel->setFtpTimeouts({3, 3});
    }
    QStringList status() const { return child<TTextFader>(panel.get(), "updatestatus")->Lines(); }
    bool marquee() const { return child<QProgressBar>(panel.get(), "ProgressBar1")->maximum() == 0; }
};

QStringList questionPaths(const QList<int> &numbers)
{
    QStringList paths;
    for (int n : numbers)
        paths << QStringLiteral("/public_html/questions/%1.lrn").arg(n);
    return paths;
}

QByteArray questionText(int n)
{
    return QStringLiteral("Question %1\r\na1\r\n1\r\n0\r\n").arg(n).toUtf8();
}

QStringList bankFiles()
{
    return QDir(DataPaths::questionsDir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class QuestionDownloadTest : public QObject {
    Q_OBJECT

private slots:
    void countLineIsAWholeNumberInRange_data();
    void countLineIsAWholeNumberInRange();
    void openingArmsTheDownload_data();
    void openingArmsTheDownload();
    void countdownFetchesFromHighestDown_data();
    void countdownFetchesFromHighestDown();
    void failedStartReportsOnceAndNeverCounts_data();
    void failedStartReportsOnceAndNeverCounts();
    void failedFetchStopsCountdownAndLeavesNoPartialBank_data();
    void failedFetchStopsCountdownAndLeavesNoPartialBank();
    void leftoverStagingIsClearedByTheNextDownload();
    void checkForUpdatesIsRefusedDuringCountdown();
    void closeEntryDeletesStrayCountCopy_data();
    void closeEntryDeletesStrayCountCopy();
    void entriesRespondToClicks();
};

void QuestionDownloadTest::countLineIsAWholeNumberInRange_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("count");
    QTest::newRow("one") << "1" << 1;
    QTest::newRow("blanks around") << " 250 " << 250;
    QTest::newRow("leading zero") << "007" << 7;
    QTest::newRow("upper bound") << "100000" << 100000;
    QTest::newRow("above bound") << "100001" << 0;
    QTest::newRow("too many digits") << "1000000000000" << 0;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("negative") << "-3" << 0;
    QTest::newRow("plus sign") << "+3" << 0;
    QTest::newRow("decimal") << "3.0" << 0;
    QTest::newRow("trailing letter") << "3x" << 0;
    QTest::newRow("word") << "three" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("arabic-indic digit") << QString(QChar(0x0663)) << 0;
}

void QuestionDownloadTest::countLineIsAWholeNumberInRange()
{
    QFETCH(QString, line);
    QFETCH(int, count);
    QCOMPARE(QuestionCount::parse(line), count);
}

void QuestionDownloadTest::openingArmsTheDownload_data()
{
    QTest::addColumn<bool>("deleteMaxCount");
    QTest::newRow("bank folder was missing") << false;
    QTest::newRow("bank folder was empty") << true;
}

void QuestionDownloadTest::openingArmsTheDownload()
{
    QFETCH(bool, deleteMaxCount);
    TempDataDir data;
    data.writeLines("doc/maxcount.lrn", {"10", "20", "30"});
    Harness h(QStringLiteral("127.0.0.1"), unusedLocalPort());
    child<QPlainTextEdit>(h.panel.get(), "Memo1")->show();

    h.panel->openForQuestionDownload(deleteMaxCount);
    QVERIFY(!h.panel->isHidden());
    QVERIFY(child<QPlainTextEdit>(h.panel.get(), "Memo1")->isHidden());
    QVERIFY(!child<TTextFader>(h.panel.get(), "updatestatus")->isHidden());
    QCOMPARE(h.status().last(), QString("Checking for Question updates..."));
    QVERIFY(h.qdowload.isActive());
    QVERIFY(!h.dlq.isActive());
    QCOMPARE(data.exists("doc/maxcount.lrn"), !deleteMaxCount);
}

void QuestionDownloadTest::countdownFetchesFromHighestDown_data()
{
    QTest::addColumn<QByteArray>("countFile");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("leftoverCountCopy");
    QTest::newRow("three") << QByteArray("3\r\n") << 3 << false;
    QTest::newRow("one, finishes on the first tick") << QByteArray("1\r\n") << 1 << false;
    QTest::newRow("leftover count copy is replaced") << QByteArray("2\r\n") << 2 << true;
    QTest::newRow("further lines unused, no line end") << QByteArray("4\r\nnotes") << 4 << false;
}

void QuestionDownloadTest::countdownFetchesFromHighestDown()
{
    QFETCH(QByteArray, countFile);
    QFETCH(int, count);
    QFETCH(bool, leftoverCountCopy);
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile("public_html/questions/qcount.txt", countFile);
    for (int n = 1; n <= count; ++n)
        server.addFile(QStringLiteral("public_html/questions/%1.lrn").arg(n), questionText(n));
    TempDataDir data;
    data.mkdir("doc");
    data.mkdir("Questions");
    if (leftoverCountCopy)
        data.writeLines("doc/qcount.txt", {"99"});
    MessageRecorder messages;
    Harness h(server.host(), server.port());

    h.panel->openForQuestionDownload(false);
    h.panel->qdowloadTimer();
    QVERIFY(!h.qdowload.isActive());
    QCOMPARE(h.status(), QStringList{"Downloading Question updates..."});
    QCOMPARE(h.panel->countdown(), count);
    QVERIFY(h.dlq.isActive());
    QVERIFY(h.marquee());
    QVERIFY(h.panel->ftp().Connected());
    // Text files arrive in ASCII type, so the line ends are the local system's.
    QCOMPARE(LineListFile::decode(data.readBytes("doc/qcount.txt")), LineListFile::decode(countFile));
    QCOMPARE(h.panel->details.value(0), QString::number(count));

    QList<int> expectedOrder;
    for (int tick = 1; tick <= count; ++tick) {
        QVERIFY2(h.dlq.isActive(), qPrintable(QString("stopped before tick %1").arg(tick)));
        h.panel->dlqTimer();
        expectedOrder << count - tick + 1;
        QCOMPARE(h.panel->countdown(), count - tick);
    }
    QVERIFY(!h.dlq.isActive());
    QCOMPARE(h.status(), QStringList{done});
    QVERIFY(!h.marquee());
    QCOMPARE(server.retrieved(),
             QStringList({"/public_html/questions/qcount.txt", "/public_html/questions/qcount.txt"}) +
                 questionPaths(expectedOrder));
    QCOMPARE(bankFiles().size(), count);
    for (int n = 1; n <= count; ++n)
        QCOMPARE(LineListFile::decode(data.readBytes(QStringLiteral("Questions/%1.lrn").arg(n))),
                 LineListFile::decode(questionText(n)));
    QVERIFY(!data.exists("Questions.download"));
    QVERIFY2(messages.all().isEmpty(), qPrintable(messages.all().join('|')));
    // The connection stays open after the last file.
    QVERIFY(h.panel->ftp().Connected());
}

void QuestionDownloadTest::failedStartReportsOnceAndNeverCounts_data()
{
    QTest::addColumn<bool>("listening");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("countFile"); // null: no count file on the server
    const QString right = FtpServerFixture::password();
    QTest::newRow("nothing listening") << false << right << QByteArray("3\r\n");
    QTest::newRow("refused log-in") << true << "wrong" << QByteArray("3\r\n");
    QTest::newRow("count file missing") << true << right << QByteArray();
    QTest::newRow("count file empty") << true << right << QByteArray("");
    QTest::newRow("count not a number") << true << right << QByteArray("three\r\n");
    QTest::newRow("count beyond any bank") << true << right << QByteArray("100001\r\n");
}

void QuestionDownloadTest::failedStartReportsOnceAndNeverCounts()
{
    QFETCH(bool, listening);
    QFETCH(QString, password);
    QFETCH(QByteArray, countFile);
    FtpServerFixture::Options options;
    options.password = password;
    FtpServerFixture server(options);
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    if (!countFile.isNull())
        server.addFile("public_html/questions/qcount.txt", countFile);
    server.addFile("public_html/questions/1.lrn", questionText(1));
    TempDataDir data;
    data.mkdir("doc");
    data.mkdir("Questions");
    MessageRecorder messages;
    Harness h(server.host(), listening ? server.port() : unusedLocalPort());

    h.panel->openForQuestionDownload(false);
    h.panel->qdowloadTimer();
    QCOMPARE(h.status(), QStringList{noConnection});
    QVERIFY(!h.dlq.isActive());
    QVERIFY(!h.qdowload.isActive());
    QVERIFY(!h.marquee());
    QCOMPARE(child<QProgressBar>(h.panel.get(), "ProgressBar1")->maximum(), 100);
    QVERIFY(!h.panel->ftp().Connected());
    QCOMPARE(h.panel->countdown(), 0);
    // The repeat fetch on the closed connection is the one error box, and nothing else shows.
    QCOMPARE(messages.errors.size(), 1);
    QVERIFY(messages.messages.isEmpty());
    QCOMPARE(bankFiles(), QStringList());
    QVERIFY(!data.exists("Questions.download"));
}

void QuestionDownloadTest::failedFetchStopsCountdownAndLeavesNoPartialBank_data()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("file missing on the server") << "missing";
    QTest::newRow("server refuses the file") << "refuse";
    QTest::newRow("connection lost part-way") << "drop";
}

void QuestionDownloadTest::failedFetchStopsCountdownAndLeavesNoPartialBank()
{
    QFETCH(QString, mode);
    FtpServerFixture::Options options;
    if (mode == "refuse")
        options.refuse = QStringList{"2.lrn"};
    if (mode == "drop")
        options.drop = {{"2.lrn", 5}};
    FtpServerFixture server(options);
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile("public_html/questions/qcount.txt", "3\r\n");
    server.addFile("public_html/questions/3.lrn", questionText(3));
    if (mode != "missing")
        server.addFile("public_html/questions/2.lrn", questionText(2).repeated(50));
    server.addFile("public_html/questions/1.lrn", questionText(1));
    TempDataDir data;
    data.mkdir("doc");
    data.mkdir("Questions");
    MessageRecorder messages;
    Harness h(server.host(), server.port());

    h.panel->openForQuestionDownload(false);
    h.panel->qdowloadTimer();
    QVERIFY(h.dlq.isActive());
    h.panel->dlqTimer(); // 3.lrn
    QVERIFY(h.dlq.isActive());
    h.panel->dlqTimer(); // 2.lrn fails
    QVERIFY(!h.dlq.isActive());
    QCOMPARE(h.status(), QStringList{failed});
    QVERIFY(!h.marquee());
    QVERIFY2(messages.all().isEmpty(), qPrintable(messages.all().join('|')));
    // Nothing of the broken download counts as a bank, so the next start fetches it again.
    QCOMPARE(DataPaths::countFiles(DataPaths::questionsDir), 0);
    QVERIFY(!data.exists("Questions.download"));
    QVERIFY(!server.retrieved().contains("/public_html/questions/1.lrn"));
}

void QuestionDownloadTest::leftoverStagingIsClearedByTheNextDownload()
{
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile("public_html/questions/qcount.txt", "2\r\n");
    server.addFile("public_html/questions/1.lrn", questionText(1));
    server.addFile("public_html/questions/2.lrn", questionText(2));
    TempDataDir data;
    data.mkdir("doc");
    data.mkdir("Questions");
    // What a download that died with the program left behind.
    data.writeBytes("Questions.download/2.lrn", "half a que");
    data.writeBytes("Questions.download/7.lrn", questionText(7));
    MessageRecorder messages;
    Harness h(server.host(), server.port());

    h.panel->openForQuestionDownload(false);
    h.panel->qdowloadTimer();
    h.panel->dlqTimer();
    h.panel->dlqTimer();
    QCOMPARE(h.status(), QStringList{done});
    QCOMPARE(bankFiles(), QStringList({"1.lrn", "2.lrn"}));
    QCOMPARE(LineListFile::decode(data.readBytes("Questions/2.lrn")), LineListFile::decode(questionText(2)));
    QVERIFY(!data.exists("Questions.download"));
    QVERIFY(messages.all().isEmpty());
}

void QuestionDownloadTest::checkForUpdatesIsRefusedDuringCountdown()
{
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile("public_html/questions/qcount.txt", "3\r\n");
    for (int n = 1; n <= 3; ++n)
        server.addFile(QStringLiteral("public_html/questions/%1.lrn").arg(n), questionText(n));
    server.addFile("public_html/updates/ver.txt", "1002\r\n");
    TempDataDir data;
    data.writeLines("doc/ver.txt", {"1001"});
    data.mkdir("Questions");
    MessageRecorder messages;
    Harness h(server.host(), server.port());

    h.panel->openForQuestionDownload(false);
    // Armed but not yet started counts as running too.
    h.panel->SpeedButton7Click();
    QVERIFY(!h.status().contains("Checking for updates..."));
    h.panel->qdowloadTimer();
    h.panel->dlqTimer();
    h.panel->SpeedButton7Click();
    QCOMPARE(h.status().size(), 2);
    QVERIFY(h.status().last().startsWith("Please wait"));
    QVERIFY(!h.uptime1.isActive());
    QVERIFY(!data.exists("doc/tempver.txt"));
    h.panel->dlqTimer();
    h.panel->dlqTimer();
    QCOMPARE(h.status(), QStringList{done});
    QCOMPARE(bankFiles().size(), 3);
    QVERIFY(!server.retrieved().contains("/public_html/updates/ver.txt"));

    // Once the countdown is over the check runs again.
    h.panel->SpeedButton7Click();
    QCOMPARE(h.status(), QStringList({"New update available", "Downloading"}));
}

void QuestionDownloadTest::closeEntryDeletesStrayCountCopy_data()
{
    QTest::addColumn<bool>("stray");
    QTest::newRow("with a stray copy") << true;
    QTest::newRow("without") << false;
}

void QuestionDownloadTest::closeEntryDeletesStrayCountCopy()
{
    QFETCH(bool, stray);
    TempDataDir data;
    if (stray)
        data.writeLines("doc/qcounttmp.txt", {"5"});
    data.writeLines("doc/qcount.txt", {"5"});
    Harness h(QStringLiteral("127.0.0.1"), unusedLocalPort());
    h.panel->show();

    h.panel->SpeedButton20Click();
    QVERIFY(h.panel->isHidden());
    QVERIFY(!data.exists("doc/qcounttmp.txt"));
    QVERIFY(data.exists("doc/qcount.txt"));
}

void QuestionDownloadTest::entriesRespondToClicks()
{
    TempDataDir data;
    Harness h(QStringLiteral("127.0.0.1"), unusedLocalPort());
    h.panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.panel.get()));
    child<QPlainTextEdit>(h.panel.get(), "Memo1")->hide();

    QTest::mouseClick(child<HotSpot>(h.panel.get(), "SpeedButton19"), Qt::LeftButton);
    QVERIFY(!child<QPlainTextEdit>(h.panel.get(), "Memo1")->isHidden());
    QCOMPARE(child<QPlainTextEdit>(h.panel.get(), "Memo1")->document()->blockCount(), 8);
    QTest::mouseClick(child<HotSpot>(h.panel.get(), "SpeedButton20"), Qt::LeftButton);
    QVERIFY(h.panel->isHidden());
}

QTEST_MAIN(QuestionDownloadTest)
#include "tst_questiondownload.moc"
