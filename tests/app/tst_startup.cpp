#include "app/tform2.h"
#include "base/messages.h"
#include "tests/support/children.h"
#include "base/versionfile.h"
#include "tests/support/messagerecorder.h"
#include "controls/textfader.h"
#include "learner/loginpage.h"
#include "tests/support/tempdatadir.h"
#include "update/updatepanel.h"

#include <QLineEdit>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void firstRunCreatesBankFolderAndVersion();
    void emptyBankArmsDownloadAndDropsStaleMaximum();
    void filledBankStartsQuietly();
    void existingVersionIsShownAndKept();
    void emptyVersionFileIsRepaired();
    void longVersionLineIsCutInTheCaption();
    void pagesAreInTheirOrder();
    void firstKeyReplacesPrompt();
};

void TestStartup::firstRunCreatesBankFolderAndVersion()
{
    TempDataDir dir;
    MessageRecorder recorder;
    TForm2 form;
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("Questions"))).isDir());
    QCOMPARE(dir.readLines(QStringLiteral("doc/ver.txt")), QStringList{QStringLiteral("1001")});
    QCOMPARE(dir.readBytes(QStringLiteral("doc/ver.txt")), QByteArray("1001\r\n"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Tarmika V 1001"));
    QVERIFY(form.qdowload->isActive());
    QVERIFY(!form.Panel2->isHidden());
    QVERIFY(child<TTextFader>(form.Panel2, "updatestatus")
                ->Lines()
                .contains(QStringLiteral("Checking for Question updates...")));
    QCOMPARE(form.activePage(), static_cast<QWidget *>(form.Login));
    QVERIFY(recorder.all().isEmpty());
}

void TestStartup::emptyBankArmsDownloadAndDropsStaleMaximum()
{
    TempDataDir dir;
    dir.mkdir(QStringLiteral("Questions/sub"));
    dir.writeLines(QStringLiteral("doc/maxcount.lrn"), {"60", "20", "70"});
    TForm2 form;
    QVERIFY(form.qdowload->isActive());
    QVERIFY(!dir.exists(QStringLiteral("doc/maxcount.lrn")));
}

void TestStartup::filledBankStartsQuietly()
{
    TempDataDir dir;
    dir.writeQuestion(1);
    dir.writeLines(QStringLiteral("doc/maxcount.lrn"), {"60", "20", "70"});
    TForm2 form;
    QVERIFY(!form.qdowload->isActive());
    QVERIFY(form.Panel2->isHidden());
    QVERIFY(dir.exists(QStringLiteral("doc/maxcount.lrn")));
    QCOMPARE(form.Timer2->interval(), 5000);
    QVERIFY(form.Timer2->isActive());
    for (QTimer *idle : {form.dlq, form.uptime1, form.Timer1})
        QVERIFY2(!idle->isActive(), qPrintable(idle->objectName()));
}

void TestStartup::existingVersionIsShownAndKept()
{
    TempDataDir dir;
    dir.writeQuestion(1);
    dir.writeBytes(QStringLiteral("Doc/VER.txt"), "1017\nsecond line");
    TForm2 form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Tarmika V 1017"));
    QCOMPARE(dir.readBytes(QStringLiteral("Doc/VER.txt")), QByteArray("1017\nsecond line"));
    QVERIFY(!dir.exists(QStringLiteral("doc")));
}

void TestStartup::emptyVersionFileIsRepaired()
{
    TempDataDir dir;
    dir.writeQuestion(1);
    dir.writeBytes(QStringLiteral("doc/ver.txt"), "");
    MessageRecorder recorder;
    TForm2 form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Tarmika V 1001"));
    QCOMPARE(dir.readLines(QStringLiteral("doc/ver.txt")), QStringList{QStringLiteral("1001")});
    QVERIFY(recorder.all().isEmpty());
}

void TestStartup::longVersionLineIsCutInTheCaption()
{
    TempDataDir dir;
    dir.writeQuestion(1);
    const QByteArray line = QByteArray("2001").append(QByteArray(100000, 'x'));
    dir.writeBytes(QStringLiteral("doc/ver.txt"), line);
    TForm2 form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Tarmika V ") +
                                     QString::fromLatin1(line.left(VersionFile::maxCaptionVersion)) +
                                     QStringLiteral("..."));
    // The file and the version the update check compares are untouched.
    QCOMPARE(form.Panel2->v1.value(0), QString::fromLatin1(line));
    QCOMPARE(dir.readBytes(QStringLiteral("doc/ver.txt")), line);
}

void TestStartup::pagesAreInTheirOrder()
{
    TempDataDir dir;
    dir.writeQuestion(1);
    TForm2 form;
    const QStringList names{"MotorcycleT", "Signs", "LearnersT", "MenuT", "QuestionT", "LightVT", "Cardinal", "Driving",
                            "Responsibilities", "Driverules", "exterior", "heavyVT", "Login", "Course",
                            // the pages added after the fourteen of the design
                            "MockT", "ProgressT"};
    QCOMPARE(form.PageControl1->count(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(form.PageControl1->widget(i)->objectName(), names.at(i));
        QCOMPARE(form.PageControl1->widget(i)->size(), QSize(1000, 702));
    }
    QCOMPARE(form.size(), QSize(1008, 730));
    QVERIFY(form.maximumWidth() <= 1024 && form.maximumHeight() <= 768);
}

void TestStartup::firstKeyReplacesPrompt()
{
    TempDataDir dir;
    dir.writeQuestion(1);
    TForm2 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QLineEdit *edit2 = child<QLineEdit>(form.Login, "edit2");
    QCOMPARE(edit2->text(), QStringLiteral("Enter your name here"));
    QCOMPARE(edit2->selectedText(), edit2->text());
    QTest::keyClicks(edit2, QStringLiteral("Thabo"));
    QCOMPARE(edit2->text(), QStringLiteral("Thabo"));
    QCOMPARE(form.state().learnerName, QStringLiteral("Thabo"));

    // Keys typed the moment the field gets the focus replace the whole text, none is lost.
    form.setFocus();
    QTRY_VERIFY(!edit2->hasFocus());
    edit2->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(edit2, QStringLiteral("Lerato"));
    QCoreApplication::processEvents();
    QCOMPARE(edit2->text(), QStringLiteral("Lerato"));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
