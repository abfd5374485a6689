#include "app/menupage.h"
#include "app/tform2.h"
#include "base/messages.h"
#include "tests/support/children.h"
#include "tests/support/messagerecorder.h"
#include "controls/textfader.h"
#include "tests/support/ftpserverfixture.h"
#include "tests/support/tempdatadir.h"
#include "tests/support/timebudget.h"
#include "update/updatepanel.h"
#include "update/updateserver.h"

#include "base/linelistfile.h"
#include "learner/coursepage.h"
#include "learner/loginpage.h"
#include "update/ftpcurl.h"

#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QtTest>

namespace {

QByteArray questionText(int n)
{
    return QStringLiteral("Question %1\r\nA\r\nB\r\nC\r\n1\r\n2\r\n3\r\n4\r\na1\r\n1\r\n0\r\n").arg(n).toUtf8();
}

// A server holding a bank of `count` question files and build 1002 of the program.
void stock(const FtpServerFixture &server, int count, const QByteArray &build = "#!/bin/sh\n" + QByteArray(20000, 'x'))
{
    server.addFile(QStringLiteral("public_html/questions/qcount.txt"), QByteArray::number(count) + "\r\n");
    for (int n = 1; n <= count; ++n)
        server.addFile(QStringLiteral("public_html/questions/%1.lrn").arg(n), questionText(n));
    server.addFile(QStringLiteral("public_html/updates/ver.txt"), "1002\r\n");
    server.addFile(QStringLiteral("public_html/updates/Tarmika1002.exe"), build);
}

void writeCourseIcons(const TempDataDir &dir)
{
    dir.mkdir(QStringLiteral("images"));
    for (const char *icon : {"lvs", "lvb", "hvs", "hb", "mcs", "mb"}) {
        QImage picture(99, 74, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture.save(dir.filePath(QStringLiteral("images/%1.png").arg(QLatin1String(icon))));
    }
}

// A stand-in updater that leaves a mark where it was started.
QString writeUpdater(const TempDataDir &dir)
{
    dir.writeBytes(QStringLiteral("updater.sh"), "#!/bin/sh\necho started > updater-ran\n");
    QFile::setPermissions(dir.filePath(QStringLiteral("updater.sh")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return dir.filePath(QStringLiteral("updater.sh"));
}

QStringList bank(const TempDataDir &dir)
{
    return QDir(dir.filePath(QStringLiteral("Questions"))).entryList(QDir::Files, QDir::Name);
}

// A small file system of its own mounted on the data directory (needs root; else the test skips),
// so that the disk really runs full.
class SmallDisk {
public:
    SmallDisk(const TempDataDir &dir, int kilobytes) : m_path(dir.path())
    {
        m_mounted =
            QProcess::execute(QStringLiteral("mount"),
                              {"-t", "tmpfs", "-o", QStringLiteral("size=%1k").arg(kilobytes), "tmpfs", m_path}) == 0;
        // The working directory must be the mounted folder, not the one under it.
        if (m_mounted)
            QDir::setCurrent(m_path);
    }
    ~SmallDisk()
    {
        if (!m_mounted)
            return;
        QDir::setCurrent(QDir::tempPath());
        QProcess::execute(QStringLiteral("umount"), {m_path});
        QDir::setCurrent(m_path);
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;
    bool mounted() const { return m_mounted; }

private:
    QString m_path;
    bool m_mounted = false;
};

} // namespace

// The whole window against a real update server: the bank arrives at start-up, and a newer build
// is fetched and handed to the updater.
class TestUpdates : public QObject {
    Q_OBJECT
private slots:
    void emptyBankIsDownloadedAtStartUp();
    void newerBuildIsHandedToTheUpdater();
    void countdownKeepsItsPlaceWhileALearnerSignsIn();
    void noConnectionReportWaitsForTheMenu();
    void exitDuringProgramDownloadChangesNothing();
    void fullDiskInstallsNothing_data();
    void fullDiskInstallsNothing();
};

void TestUpdates::emptyBankIsDownloadedAtStartUp()
{
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile(QStringLiteral("public_html/questions/qcount.txt"), "3\r\n");
    for (int n = 1; n <= 3; ++n)
        server.addFile(
            QStringLiteral("public_html/questions/%1.lrn").arg(n),
            QStringLiteral("Question %1\r\nA\r\nB\r\nC\r\n1\r\n2\r\n3\r\n4\r\na1\r\n1\r\n0\r\n").arg(n).toUtf8());
    TempDataDir dir;
    MessageRecorder recorder;
    TForm2 form(serverAt(server.host(), server.port()));
    QVERIFY(form.qdowload->isActive());
    // The timers' own ticks, without their waits.
    form.qdowload->stop();
    form.Panel2->qdowloadTimer();
    QVERIFY(form.dlq->isActive());
    for (int tick = 0; tick < 3 && form.dlq->isActive(); ++tick)
        form.Panel2->dlqTimer();
    QVERIFY(!form.dlq->isActive());
    QCOMPARE(QDir(dir.filePath(QStringLiteral("Questions"))).entryList(QDir::Files),
             (QStringList{"1.lrn", "2.lrn", "3.lrn"}));
    QCOMPARE(child<TTextFader>(form.Panel2, "updatestatus")->Lines(),
             QStringList{QStringLiteral("Update succesfull,please close program and reopen")});
    QCOMPARE(form.state().Qnumber, 0);
    QVERIFY(recorder.all().isEmpty());
    QCOMPARE(server.retrieved().mid(2), (QStringList{"/public_html/questions/3.lrn", "/public_html/questions/2.lrn",
                                                     "/public_html/questions/1.lrn"}));
}

void TestUpdates::newerBuildIsHandedToTheUpdater()
{
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile(QStringLiteral("public_html/updates/ver.txt"), "1002\r\n");
    const QByteArray build = "#!/bin/sh\n" + QByteArray(20000, 'x');
    server.addFile(QStringLiteral("public_html/updates/Tarmika1002.exe"), build);
    TempDataDir dir;
    dir.writeQuestion(1);
    // A stand-in updater that leaves a mark where it was started.
    dir.writeBytes(QStringLiteral("updater.sh"), "#!/bin/sh\necho started > updater-ran\n");
    QFile::setPermissions(dir.filePath(QStringLiteral("updater.sh")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    MessageRecorder recorder;
    TForm2 form(serverAt(server.host(), server.port()));
    form.Panel2->setUpdaterPath(dir.filePath(QStringLiteral("updater.sh")));
    form.show();
    form.showPage(form.MenuT);
    QTest::mouseClick(child<TTextFader>(form.MenuT, "TextFader22"), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(form.Panel2->isVisible());

    form.Panel2->SpeedButton7Click();
    QCOMPARE(child<TTextFader>(form.Panel2, "updatestatus")->Lines(),
             (QStringList{"New update available", "Downloading"}));
    QVERIFY(form.uptime1->isActive());
    form.uptime1->stop();
    form.Panel2->uptime1Timer();

    QCOMPARE(dir.readBytes(QStringLiteral("Tarmika1002.exe")), build);
    // The updater records the new version once the new build is in place and answers.
    QCOMPARE(dir.readLines(QStringLiteral("doc/ver.txt")), QStringList{QStringLiteral("1001")});
    QCOMPARE(LineListFile::read(dir.filePath(QStringLiteral("doc/tempver.txt"))), QStringList{QStringLiteral("1002")});
    QCOMPARE(child<QLabel>(form.Panel2, "DLstatus")->text(), QStringLiteral("Installing New Update"));
    QCOMPARE(child<TTextFader>(form.Panel2, "updatestatus")->Lines(), QStringList{QStringLiteral("Applying Update")});
    QVERIFY(!form.isVisible()); // the window closed itself for the updater
    QTRY_VERIFY(dir.exists(QStringLiteral("updater-ran")));
    QVERIFY(recorder.all().isEmpty());
}

void TestUpdates::countdownKeepsItsPlaceWhileALearnerSignsIn()
{
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    stock(server, 5);
    TempDataDir dir;
    writeCourseIcons(dir);
    dir.writeLines(QStringLiteral("Sipho.sav"), {QStringLiteral("Sipho"), QStringLiteral("12"), QStringLiteral("lv")});
    MessageRecorder recorder;
    TForm2 form(serverAt(server.host(), server.port()));
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.qdowload->stop();
    form.dlq->setInterval(3600 * 1000);
    form.Panel2->qdowloadTimer();
    form.Panel2->dlqTimer();
    form.Panel2->dlqTimer();

    // A returning learner signs in while the countdown runs.
    QTest::keyClicks(child<QLineEdit>(form.Login, "edit2"), QStringLiteral("Sipho"));
    QTest::keyClick(child<QLineEdit>(form.Login, "edit2"), Qt::Key_Return);
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.Course));
    const int learnersQuestion = form.state().Qnumber;
    const QStringList profile = dir.readLines(QStringLiteral("Sipho.sav"));

    for (int tick = 0; tick < 10 && form.dlq->isActive(); ++tick)
        form.Panel2->dlqTimer();
    QCOMPARE(child<TTextFader>(form.Panel2, "updatestatus")->Lines(),
             QStringList{QStringLiteral("Update succesfull,please close program and reopen")});
    QCOMPARE(bank(dir), (QStringList{"1.lrn", "2.lrn", "3.lrn", "4.lrn", "5.lrn"}));
    QStringList order;
    for (int n = 5; n >= 1; --n)
        order << QStringLiteral("/public_html/questions/%1.lrn").arg(n);
    QCOMPARE(server.retrieved().mid(2), order);
    // The learner's place is the learner's: the download neither moved nor stored it.
    QCOMPARE(form.state().Qnumber, learnersQuestion);
    QCOMPARE(dir.readLines(QStringLiteral("Sipho.sav")), profile);
}

void TestUpdates::noConnectionReportWaitsForTheMenu()
{
    TempDataDir dir;
    writeCourseIcons(dir);
    MessageRecorder recorder;
    TForm2 form(serverAt(QStringLiteral("127.0.0.1"), unusedLocalPort()));
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    // The learner types a name while the start-up download finds no server.
    QTest::keyClicks(child<QLineEdit>(form.Login, "edit2"), QStringLiteral("Tha"));
    QTRY_COMPARE(child<TTextFader>(form.Panel2, "updatestatus")->Lines(),
                 QStringList{QStringLiteral("No internet conection, Connect internet and try again")});
    QTest::keyClicks(child<QLineEdit>(form.Login, "edit2"), QStringLiteral("bo"));
    QCOMPARE(child<QLineEdit>(form.Login, "edit2")->text(), QStringLiteral("Thabo"));
    QVERIFY(child<QLineEdit>(form.Login, "edit2")->hasFocus());
    QVERIFY2(recorder.errors.isEmpty(), qPrintable(recorder.errors.join('|')));

    // The report comes once the learner reaches the main menu, where the panel shows it.
    QTest::keyClick(child<QLineEdit>(form.Login, "edit2"), Qt::Key_Return);
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.Course));
    QVERIFY(recorder.errors.isEmpty());
    form.showPage(form.MenuT);
    QTRY_COMPARE(recorder.errors.size(), 1);
    QTest::qWait(50);
    QCOMPARE(recorder.errors.size(), 1);
}

void TestUpdates::exitDuringProgramDownloadChangesNothing()
{
    FtpServerFixture::Options options;
    options.drip = {QStringLiteral("Tarmika1002.exe")};
    FtpServerFixture server(options);
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    stock(server, 1);
    TempDataDir dir;
    dir.writeQuestion(1);
    dir.writeLines(QStringLiteral("doc/ver.txt"), {QStringLiteral("1001")});
    MessageRecorder recorder;
    TForm2 form(serverAt(server.host(), server.port()));
    form.Panel2->setUpdaterPath(writeUpdater(dir));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.showPage(form.MenuT);
    form.Panel2->SpeedButton7Click();
    QVERIFY(form.uptime1->isActive());
    form.uptime1->stop();

    // The learner clicks "Exit Program" while the build arrives a byte a second.
    QTimer::singleShot(1500, &form, [&] {
        QTest::mouseClick(child<TTextFader>(form.MenuT, "TextFader9"), Qt::LeftButton, {}, QPoint(5, 5));
    });
    QElapsedTimer clock;
    clock.start();
    form.Panel2->uptime1Timer();
    QVERIFY2(clock.elapsed() < timeBudget(4000), qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!form.isVisible());
    QVERIFY(!dir.exists(QStringLiteral("Tarmika1002.exe")));
    QCOMPARE(dir.readLines(QStringLiteral("doc/ver.txt")), QStringList{QStringLiteral("1001")});
    QTest::qWait(300);
    QVERIFY(!dir.exists(QStringLiteral("updater-ran")));
    QVERIFY(!form.uptime1->isActive());
}

void TestUpdates::fullDiskInstallsNothing_data()
{
    QTest::addColumn<bool>("build");
    QTest::newRow("question bank") << false;
    QTest::newRow("program build") << true;
}

void TestUpdates::fullDiskInstallsNothing()
{
    QFETCH(bool, build);
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    // A build a little larger than the space left.
    stock(server, 0, "#!/bin/sh\n" + QByteArray(146 * 1024, 'x'));
    // Many small files, each less than a write buffer, as a real bank is.
    server.addFile(QStringLiteral("public_html/questions/qcount.txt"), "60\r\n");
    for (int n = 1; n <= 60; ++n)
        server.addFile(QStringLiteral("public_html/questions/%1.lrn").arg(n), questionText(n).repeated(20));
    TempDataDir dir;
    SmallDisk disk(dir, 160);
    if (!disk.mounted())
        QSKIP("A small file system needs root.");
    dir.writeLines(QStringLiteral("doc/ver.txt"), {QStringLiteral("1001")});
    if (build)
        dir.writeQuestion(1);
    MessageRecorder recorder;
    TForm2 form(serverAt(server.host(), server.port()));
    form.Panel2->setUpdaterPath(writeUpdater(dir));
    form.show();
    form.showPage(form.MenuT);
    if (build) {
        form.Panel2->SpeedButton7Click();
        QVERIFY(form.uptime1->isActive());
        form.uptime1->stop();
        form.Panel2->uptime1Timer();
        // The disk's refusal is reported and nothing of the build stays.
        QCOMPARE(recorder.errors.size(), 1);
        QVERIFY(recorder.errors.first().contains(QStringLiteral("Tarmika1002.exe")));
        QVERIFY(!dir.exists(QStringLiteral("Tarmika1002.exe")));
        QVERIFY(!dir.exists(QStringLiteral("updater-ran")));
    } else {
        form.qdowload->stop();
        form.dlq->setInterval(3600 * 1000);
        form.Panel2->qdowloadTimer();
        for (int tick = 0; tick < 70 && form.dlq->isActive(); ++tick)
            form.Panel2->dlqTimer();
        QCOMPARE(child<TTextFader>(form.Panel2, "updatestatus")->Lines(),
                 QStringList{QStringLiteral("Question download failed, please close program and reopen")});
        QCOMPARE(bank(dir), QStringList());
    }
    QCOMPARE(dir.readLines(QStringLiteral("doc/ver.txt")), QStringList{QStringLiteral("1001")});
    QVERIFY(form.isVisible());
}

QTEST_MAIN(TestUpdates)
#include "tst_updates.moc"
