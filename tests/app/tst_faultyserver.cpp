#include "app/menupage.h"
#include "app/tform2.h"
#include "base/datapaths.h"
#include "base/messages.h"
#include "tests/support/children.h"
#include "tests/support/messagerecorder.h"
#include "controls/page.h"
#include "controls/textfader.h"
#include "learner/loginpage.h"
#include "tests/support/ftpserverfixture.h"
#include "tests/support/tempdatadir.h"
#include "tests/support/timebudget.h"
#include "update/ftpcurl.h"
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
constexpr long requestSeconds = 2;
// The build of the test server takes a second at the slowest speed accepted.
constexpr long minBytesPerSecond = 60000;
const FtpCurl::Timeouts timeouts{connectSeconds, readSeconds, requestSeconds, minBytesPerSecond};
// A silent or dripping server costs one time limit for each of a handler's two fetches at most;
// the rest of its work takes milliseconds.
constexpr qint64 handlerLimitMs = 2 * (connectSeconds + requestSeconds) * 1000 + 1500;
// The longest the window may go without repainting while a handler waits for the server.
constexpr qint64 paintGapLimitMs = 700;

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

// Asks a widget to repaint every 50 ms and records the longest time between two of its paints.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget *widget) : m_widget(widget)
    {
        widget->installEventFilter(this);
        m_ticker.setInterval(50);
        QObject::connect(&m_ticker, &QTimer::timeout, widget, qOverload<>(&QWidget::update));
    }
    void start()
    {
        m_longestGap = 0;
        m_clock.start();
        m_last = 0;
        m_ticker.start();
    }
    qint64 stop()
    {
        m_ticker.stop();
        return qMax(m_longestGap, m_clock.elapsed() - m_last);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_widget && event->type() == QEvent::Paint && m_ticker.isActive()) {
            m_longestGap = qMax(m_longestGap, m_clock.elapsed() - m_last);
            m_last = m_clock.elapsed();
        }
        return false;
    }

private:
    QWidget *m_widget;
    QTimer m_ticker;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longestGap = 0;
};

// Runs one handler of the window; notes it when it held the window too long in all or kept it
// from repainting.
void timed(const QString &name, PaintWatch &watch, QStringList &slow, const std::function<void()> &handler)
{
    QElapsedTimer clock;
    clock.start();
    watch.start();
    handler();
    const qint64 gap = watch.stop();
    if (clock.elapsed() > timeBudget(handlerLimitMs) || gap > timeBudget(paintGapLimitMs))
        slow << QStringLiteral("%1: %2 ms, no repaint for %3 ms").arg(name).arg(clock.elapsed()).arg(gap);
}

// Applies a misbehaviour written "kind:file" to the server's options and files.
void applyTrick(const QString &trick, FtpServerFixture::Options &options)
{
    const QString kind = trick.section(u':', 0, 0);
    const QString name = trick.section(u':', 1);
    if (kind == "short")
        options.shorten = {{name, 30}};
    else if (kind == "drip")
        options.drip = {name};
    else if (kind == "size")
        options.size = {{name, 5000}};
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
    QTest::addColumn<QString>("drop");  // a file cut off after 40 bytes
    QTest::addColumn<QString>("trick"); // "short", "drip", "size" or "empty", ":" and a file
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("errorBoxes");

    const QString right = FtpServerFixture::password();
    const QByteArray three("3\r\n");
    const QStringList none;
    // A start that fails ends with the no-connection line; the repeat fetch of the count on the
    // closed connection then shows its one error box.
    QTest::newRow("count is a word") << QByteArray("abc\r\n") << right << none << none << QString() << QString()
                                     << noConnection << 1;
    QTest::newRow("count is negative") << QByteArray("-5\r\n") << right << none << none << QString() << QString()
                                       << noConnection << 1;
    QTest::newRow("count is absurd") << QByteArray("999999999\r\n") << right << none << none << QString() << QString()
                                     << noConnection << 1;
    QTest::newRow("count is binary") << binaryGarbage() << right << none << none << QString() << QString()
                                     << noConnection << 1;
    QTest::newRow("count is refused") << three << right << QStringList{"qcount.txt"} << none << QString() << QString()
                                      << noConnection << 1;
    QTest::newRow("count never answers") << three << right << none << QStringList{"qcount.txt"} << QString()
                                         << QString() << noConnection << 1;
    QTest::newRow("count is cut off") << QByteArray("3\r\n").repeated(40) << right << none << none << "qcount.txt"
                                      << QString() << noConnection << 1;
    QTest::newRow("wrong password") << three << "wrong" << none << none << QString() << QString() << noConnection << 1;
    // A countdown that fails part-way ends with its own line and no box.
    QTest::newRow("first question refused")
        << three << right << QStringList{"3.lrn"} << none << QString() << QString() << questionsFailed << 0;
    QTest::newRow("last question refused")
        << three << right << QStringList{"1.lrn"} << none << QString() << QString() << questionsFailed << 0;
    QTest::newRow("question never answers")
        << three << right << none << QStringList{"2.lrn"} << QString() << QString() << questionsFailed << 0;
    QTest::newRow("question cut off") << three << right << none << none << "2.lrn" << QString() << questionsFailed << 0;
    // A transfer that ends short, or comes a byte a second, never counts.
    QTest::newRow("count drips") << three << right << none << none << QString() << "drip:qcount.txt" << noConnection
                                 << 1;
    QTest::newRow("question drips") << three << right << none << none << QString() << "drip:2.lrn" << questionsFailed
                                    << 0;
    QTest::newRow("question ends short") << three << right << none << none << QString() << "short:2.lrn"
                                         << questionsFailed << 0;
    QTest::newRow("question size lies") << three << right << none << none << QString() << "size:2.lrn"
                                        << questionsFailed << 0;
    QTest::newRow("question empty") << three << right << none << none << QString() << "empty:1.lrn" << questionsFailed
                                    << 0;
    // The sound server, so the rows above prove the failures and not the set-up.
    QTest::newRow("sound server") << three << right << none << none << QString() << QString() << questionsDone << 0;
}

void TestFaultyServer::questionDownloadSurvivesTheServer()
{
    QFETCH(QByteArray, countFile);
    QFETCH(QString, password);
    QFETCH(QStringList, refuse);
    QFETCH(QStringList, stall);
    QFETCH(QString, drop);
    QFETCH(QString, trick);
    QFETCH(QString, status);
    QFETCH(int, errorBoxes);

    FtpServerFixture::Options options;
    options.password = password;
    options.refuse = refuse;
    options.stall = stall;
    if (!drop.isEmpty())
        options.drop = {{drop, 40}};
    applyTrick(trick, options);
    FtpServerFixture server(options);
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile(QStringLiteral("public_html/questions/qcount.txt"),
                   trick.startsWith("drip") ? countFile.repeated(20) : countFile);
    for (int n = 1; n <= 3; ++n)
        server.addFile(QStringLiteral("public_html/questions/%1.lrn").arg(n),
                       questionText(n).repeated(n == 2 ? 20 : 1));
    if (trick == "empty:1.lrn")
        server.addFile(QStringLiteral("public_html/questions/1.lrn"), QByteArray());

    TempDataDir dir;
    MessageRecorder recorder;
    {
        TForm2 form(serverAt(server.host(), server.port()));
        form.Panel2->setFtpTimeouts(timeouts);
        form.show();
        QVERIFY(form.qdowload->isActive());
        form.qdowload->stop();
        // The window's own timer must not run a tick while the test runs one.
        form.dlq->setInterval(3600 * 1000);

        QStringList slow;
        PaintWatch watch(form.Login);
        timed(QStringLiteral("qdowloadTimer"), watch, slow, [&] { form.Panel2->qdowloadTimer(); });
        // One tick per file at most; a countdown still running after that would never end.
        for (int tick = 1; tick <= 4 && form.dlq->isActive(); ++tick)
            timed(QStringLiteral("dlqTimer tick %1").arg(tick), watch, slow, [&] { form.Panel2->dlqTimer(); });
        QVERIFY2(slow.isEmpty(), qPrintable(slow.join(QStringLiteral("; "))));
        QVERIFY(!form.dlq->isActive());
        QVERIFY(!form.qdowload->isActive());
        QCOMPARE(child<TTextFader>(form.Panel2, "updatestatus")->Lines(), QStringList{status});
        QVERIFY2(recorder.messages.isEmpty(), qPrintable(recorder.messages.join(QStringLiteral(" | "))));
        // The marquee has stopped and the window is still where it was, with no box over it.
        QCOMPARE(child<QProgressBar>(form.Panel2, "ProgressBar1")->maximum(), 100);
        QVERIFY(form.isVisible());
        QCOMPARE(form.activePage(), static_cast<QWidget *>(form.Login));
        QVERIFY(recorder.errors.isEmpty());
        // The report waits for the main menu, where the panel is.
        form.showPage(form.MenuT);
        QTRY_COMPARE(recorder.errors.size(), errorBoxes);
        for (const QString &error : recorder.errors)
            QVERIFY2(!error.trimmed().isEmpty() && error.size() < 300, qPrintable(error));
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
    QTest::addColumn<QString>("drop");  // a file cut off after 5000 bytes
    QTest::addColumn<QString>("trick"); // as for the question download
    QTest::addColumn<QByteArray>("build");
    QTest::addColumn<QStringList>("status");
    QTest::addColumn<bool>("handedOver");

    const QString right = FtpServerFixture::password();
    const QByteArray newer("1005\r\n");
    const QStringList none;
    const QStringList downloading{QStringLiteral("New update available"), QStringLiteral("Downloading")};
    const QByteArray program = "#!/bin/sh\n" + QByteArray(60000, 'x');
    const QStringList refused{badVersion};
    QTest::newRow("wrong password") << newer << "wrong" << none << none << QString() << QString() << program
                                    << QStringList{noConnection} << false;
    QTest::newRow("version never answers") << newer << right << none << QStringList{"ver.txt"} << QString() << QString()
                                           << program << QStringList{noConnection} << false;
    QTest::newRow("version is binary") << binaryGarbage() << right << none << none << QString() << QString() << program
                                       << refused << false;
    QTest::newRow("version names a path") << QByteArray("../../evil\r\n") << right << none << none << QString()
                                          << QString() << program << refused << false;
    // A build that does not arrive whole is never handed over; the status stays as the check
    // left it.
    QTest::newRow("build refused") << newer << right << QStringList{"Tarmika1005.exe"} << none << QString() << QString()
                                   << program << downloading << false;
    QTest::newRow("build never answers") << newer << right << none << QStringList{"Tarmika1005.exe"} << QString()
                                         << QString() << program << downloading << false;
    QTest::newRow("build cut off") << newer << right << none << none << "Tarmika1005.exe" << QString() << program
                                   << downloading << false;
    QTest::newRow("build ends short") << newer << right << none << none << QString() << "short:Tarmika1005.exe"
                                      << program << downloading << false;
    QTest::newRow("build drips") << newer << right << none << none << QString() << "drip:Tarmika1005.exe" << program
                                 << downloading << false;
    // A whole build that is no program of this computer is refused before the hand-over.
    QTest::newRow("build is empty") << newer << right << none << none << QString() << QString() << QByteArray()
                                    << refused << false;
    QTest::newRow("build is zeros") << newer << right << none << none << QString() << QString()
                                    << QByteArray(60000, '\0') << refused << false;
    QTest::newRow("sound server") << newer << right << none << none << QString() << QString() << program
                                  << QStringList{"Applying Update"} << true;
}

void TestFaultyServer::programUpdateSurvivesTheServer()
{
    QFETCH(QByteArray, serverVersion);
    QFETCH(QString, password);
    QFETCH(QStringList, refuse);
    QFETCH(QStringList, stall);
    QFETCH(QString, drop);
    QFETCH(QString, trick);
    QFETCH(QByteArray, build);
    QFETCH(QStringList, status);
    QFETCH(bool, handedOver);

    FtpServerFixture::Options options;
    options.password = password;
    options.refuse = refuse;
    options.stall = stall;
    if (!drop.isEmpty())
        options.drop = {{drop, 5000}};
    applyTrick(trick, options);
    FtpServerFixture server(options);
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile(QStringLiteral("public_html/updates/ver.txt"), serverVersion);
    server.addFile(QStringLiteral("public_html/updates/Tarmika1005.exe"), build);

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
    form.Panel2->setFtpTimeouts(timeouts);
    form.Panel2->setUpdaterPath(dir.filePath(QStringLiteral("updater.sh")));
    form.show();
    form.showPage(form.MenuT);
    form.TextFader22Click();

    QStringList slow;
    PaintWatch watch(form.Panel2);
    timed(QStringLiteral("SpeedButton7Click"), watch, slow, [&] { form.Panel2->SpeedButton7Click(); });
    if (form.uptime1->isActive()) {
        form.uptime1->stop();
        timed(QStringLiteral("uptime1Timer"), watch, slow, [&] { form.Panel2->uptime1Timer(); });
    }
    QVERIFY2(slow.isEmpty(), qPrintable(slow.join(QStringLiteral("; "))));
    QCOMPARE(child<TTextFader>(form.Panel2, "updatestatus")->Lines(), status);
    QVERIFY2(recorder.all().isEmpty(), qPrintable(recorder.all().join(QStringLiteral(" | "))));
    QVERIFY(!form.Panel2->downloadRunning());
    QCOMPARE(form.isVisible(), !handedOver);

    const QStringList after = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    if (handedOver) {
        QCOMPARE(dir.readBytes(QStringLiteral("Tarmika1005.exe")), build);
        // The updater, not the program, records the new version once the build is in place.
        QCOMPARE(dir.readLines(QStringLiteral("doc/ver.txt")), QStringList{QStringLiteral("1004")});
        return;
    }
    // No build, whole or partial, and the installed version stands.
    QCOMPARE(after, before);
    QCOMPARE(dir.readLines(QStringLiteral("doc/ver.txt")), QStringList{QStringLiteral("1004")});
    // Nothing beside the data directory's own folders either: the offered version named no path.
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("../evil.exe"))));
    // The window still answers: the panel closes and the menu opens a page.
    QTest::mouseClick(child<HotSpot>(form.Panel2, "SpeedButton20"), Qt::LeftButton);
    QVERIFY(form.Panel2->isHidden());
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.MenuT));
}

QTEST_MAIN(TestFaultyServer)
#include "tst_faultyserver.moc"
