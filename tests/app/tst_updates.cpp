#include "app/menupage.h"
#include "app/tform2.h"
#include "base/messages.h"
#include "controls/textfader.h"
#include "tests/support/ftpserverfixture.h"
#include "tests/support/tempdatadir.h"
#include "update/updatepanel.h"
#include "update/updateserver.h"

#include <QLabel>
#include <QProgressBar>
#include <QtTest>

// The whole window against a real update server: the bank arrives at start-up, and a newer build
// is fetched and handed to the updater.
class TestUpdates : public QObject {
    Q_OBJECT
private slots:
    void emptyBankIsDownloadedAtStartUp();
    void newerBuildIsHandedToTheUpdater();
};

void TestUpdates::emptyBankIsDownloadedAtStartUp()
{
    FtpServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    server.addFile(QStringLiteral("public_html/questions/qcount.txt"), "3\r\n");
    for (int n = 1; n <= 3; ++n)
        server.addFile(QStringLiteral("public_html/questions/%1.lrn").arg(n),
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
    QCOMPARE(form.Panel2->updatestatus->Lines(),
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
    server.addFile(QStringLiteral("public_html/updates/Tarmika1002.exe"), QByteArray(20000, 'x'));
    TempDataDir dir;
    dir.writeQuestion(1);
    // A stand-in updater that leaves a mark where it was started.
    dir.writeBytes(QStringLiteral("updater.sh"), "#!/bin/sh\necho started > updater-ran\n");
    QFile::setPermissions(dir.filePath(QStringLiteral("updater.sh")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    MessageRecorder recorder;
    TForm2 form(serverAt(server.host(), server.port()));
    form.Panel2->setUpdaterPath(dir.filePath(QStringLiteral("updater.sh")));
    form.show();
    form.showPage(form.MenuT);
    QTest::mouseClick(form.MenuT->TextFader22, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(form.Panel2->isVisible());

    form.Panel2->SpeedButton7Click();
    QCOMPARE(form.Panel2->updatestatus->Lines(), (QStringList{"New update available", "Downloading"}));
    QVERIFY(form.uptime1->isActive());
    form.uptime1->stop();
    form.Panel2->uptime1Timer();

    QCOMPARE(dir.readBytes(QStringLiteral("Tarmika1002.exe")).size(), 20000);
    QCOMPARE(dir.readLines(QStringLiteral("doc/ver.txt")), QStringList{QStringLiteral("1002")});
    QCOMPARE(form.Panel2->DLstatus->text(), QStringLiteral("Installing New Update"));
    QCOMPARE(form.Panel2->updatestatus->Lines(), QStringList{QStringLiteral("Applying Update")});
    QVERIFY(!dir.exists(QStringLiteral("doc/tempver.txt")));
    QVERIFY(!form.isVisible());   // the window closed itself for the updater
    QTRY_VERIFY(dir.exists(QStringLiteral("updater-ran")));
    QVERIFY(recorder.all().isEmpty());
}

QTEST_MAIN(TestUpdates)
#include "tst_updates.moc"
