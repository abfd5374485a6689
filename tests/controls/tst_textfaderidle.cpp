#include "controls/textfader.h"
#include "tests/controls/countingfader.h"

#include <QtTest>

// A control that has nothing new to show does not paint: a line fading into itself, as every
// pass of a single-line control does, looks the same at every step. The main menu keeps a column
// of such controls running for as long as it is shown.
class TextFaderIdleTest : public QObject {
    Q_OBJECT
private slots:
    void fadeStepsPaintOnlyWhenTheTextChanges_data();
    void fadeStepsPaintOnlyWhenTheTextChanges();
};

void TextFaderIdleTest::fadeStepsPaintOnlyWhenTheTextChanges_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("transparent");
    QTest::addColumn<bool>("paintsWhileFading");
    QTest::newRow("one line, transparent") << QStringList{"Controls"} << true << false;
    QTest::newRow("one line, opaque") << QStringList{"Controls"} << false << false;
    QTest::newRow("two lines") << QStringList{"Controls", "Test yourself"} << true << true;
    QTest::newRow("two equal lines") << QStringList{"Controls", "Controls"} << true << false;
}

void TextFaderIdleTest::fadeStepsPaintOnlyWhenTheTextChanges()
{
    QFETCH(QStringList, lines);
    QFETCH(bool, transparent);
    QFETCH(bool, paintsWhileFading);

    QWidget window;
    window.resize(400, 100);
    auto *fader = new CountingFader(&window);
    fader->setGeometry(10, 10, 308, 38);
    fader->SetTransparent(transparent);
    fader->SetLines(lines);
    fader->SetActive(true);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    fader->SetFadeDelay(0); // time is driven by hand from here on
    fader->SetLineDelay(0);
    // The first pass brings the first line in from nothing, which is a change.
    do
        fader->TimerExpired();
    while (fader->FadeProgress() < 100);
    QCoreApplication::processEvents();
    const QImage shown = fader->grab().toImage();

    // Two more passes through the lines, step by step.
    const int before = fader->paints;
    int steps = 0;
    for (int pass = 0; pass < 2 * lines.size(); ++pass) {
        do {
            fader->TimerExpired();
            ++steps;
        } while (fader->FadeProgress() < 100);
    }
    QCOMPARE(fader->paints - before > 0, paintsWhileFading);
    if (paintsWhileFading)
        QCOMPARE(fader->paints - before, steps);
    // Whatever was skipped, the control shows what it showed: its line, fully faded in.
    if (!paintsWhileFading)
        QCOMPARE(fader->grab().toImage(), shown);
}

QTEST_MAIN(TextFaderIdleTest)
#include "tst_textfaderidle.moc"
