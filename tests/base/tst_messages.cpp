#include "base/dataerror.h"
#include "base/guard.h"
#include "base/messages.h"
#include "tests/support/messagerecorder.h"
#include "base/safename.h"

#include <QtTest>

class TestMessages : public QObject {
    Q_OBJECT
private slots:
    void guardReportsEscapingErrorAndSkipsTheRest();
    void guardPassesWhenNothingFails();
    void fileNameCheck_data();
    void fileNameCheck();
};

void TestMessages::guardReportsEscapingErrorAndSkipsTheRest()
{
    MessageRecorder recorder;
    bool after = false;
    const bool ok = guarded([&] {
        Messages::show(QStringLiteral("before"));
        throw DataError(QStringLiteral("Cannot open file \"x\"."));
        after = true;
    });
    QVERIFY(!ok);
    QVERIFY(!after);
    QCOMPARE(recorder.messages, QStringList{QStringLiteral("before")});
    QCOMPARE(recorder.errors, QStringList{QStringLiteral("Cannot open file \"x\".")});
    QCOMPARE(recorder.all().size(), 2);
}

void TestMessages::guardPassesWhenNothingFails()
{
    MessageRecorder recorder;
    int runs = 0;
    QVERIFY(guarded([&] { ++runs; }));
    QCOMPARE(runs, 1);
    QVERIFY(recorder.all().isEmpty());
}

void TestMessages::fileNameCheck_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("safe");
    QTest::newRow("plain") << "Learner1" << true;
    QTest::newRow("blanks and case kept") << " Thabo Mokoena " << true;
    QTest::newRow("accents") << QStringLiteral("Zoë") << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("dotdot") << ".." << false;
    QTest::newRow("slash") << "a/b" << false;
    QTest::newRow("backslash") << "..\\x" << false;
    QTest::newRow("colon") << "c:" << false;
    QTest::newRow("star") << "a*" << false;
    QTest::newRow("question") << "why?" << false;
    QTest::newRow("quote") << "say \"hi\"" << false;
    QTest::newRow("pipe") << "a|b" << false;
    QTest::newRow("angle") << "<b>" << false;
    QTest::newRow("tab") << "a\tb" << false;
    QTest::newRow("newline") << "a\nb" << false;
    QTest::newRow("device") << "con" << false;
    QTest::newRow("device with extension") << "LPT1.txt" << false;
    QTest::newRow("device-like word") << "Connie" << true;
    QTest::newRow("COM0 is no device") << "COM0" << true;
    QTest::newRow("too long") << QString(260, QLatin1Char('x')) << false;
    // 244 bytes, ".sav" and the save's seven-byte temporary ending make 255.
    QTest::newRow("long but fits") << QString(244, QLatin1Char('x')) << true;
}

void TestMessages::fileNameCheck()
{
    QFETCH(QString, name);
    QFETCH(bool, safe);
    QCOMPARE(fileNameProblem(name, QStringLiteral(".sav")).isEmpty(), safe);
}

QTEST_GUILESS_MAIN(TestMessages)
#include "tst_messages.moc"
