#include "controls/textfader.h"
#include "tests/controls/countingfader.h"

#include <QEnterEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const QRgb Black = qRgb(0, 0, 0);

QImage solid(const QSize &size, QRgb colour, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(size, format);
    image.fill(colour);
    return image;
}

// A picture whose every pixel tells where it came from: red = 10 x, green = 10 y.
QPixmap coordinatePicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(10 * x, 10 * y, 0));
    return QPixmap::fromImage(image);
}

// The bounding box of every pixel that differs from the background.
QRect inkRect(const QImage &image, QRgb background)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// Runs of rows that hold ink, separated by rows without any: one per shown line of text.
int inkBands(const QImage &image, QRgb background)
{
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width() && !ink; ++x)
            ink = image.pixel(x, y) != background;
        if (ink && !inBand)
            ++bands;
        inBand = ink;
    }
    return bands;
}

// An opaque fader drawing white text on black, ready to show lines one tick each.
std::unique_ptr<TTextFader> textFader(const QSize &size, int fontPixels = 20)
{
    auto fader = std::make_unique<TTextFader>();
    fader->resize(size);
    fader->SetColor(Qt::black);
    fader->SetFontColor(Qt::white);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(fontPixels);
    fader->SetFont(font);
    fader->SetFadeStep(100);
    return fader;
}

// Puts `line` on display as the fully faded-in current text.
void showLine(TTextFader &fader, const QString &line)
{
    fader.SetLines({line});
    fader.SetActive(true);
    fader.Reset();
    fader.TimerExpired();
    QCOMPARE(fader.FadeProgress(), 100);
}

} // namespace

class TextFaderTest : public QObject {
    Q_OBJECT

private slots:
    void translateResolvesEscapes_data();
    void translateResolvesEscapes();
    void fadeTakesHundredOverStepTicks_data();
    void fadeTakesHundredOverStepTicks();
    void repeatCountStopsOnTheLastLine_data();
    void repeatCountStopsOnTheLastLine();
    void lineIndexIsClamped_data();
    void lineIndexIsClamped();
    void tickAfterAClampedIndexWrapsToTheFirstLine();
    void deletingLinesPullsTheIndexBack();
    void resetStartsAgainFromTheFirstLine();
    void timerFollowsTheStates();
    void zeroIntervalStopsTheTicks_data();
    void zeroIntervalStopsTheTicks();
    void activeBeforeShownStartsWhenShown();
    void repaintsAtOnce_data();
    void repaintsAtOnce();
    void inactiveControlDoesNotPaint();
    void clickNeedsPressAndReleaseInside_data();
    void clickNeedsPressAndReleaseInside();

    void blendIsPerByteWithTruncation_data();
    void blendIsPerByteWithTruncation();
    void blendMatchesTheFormulaOnAnyPixels_data();
    void blendMatchesTheFormulaOnAnyPixels();
    void fadeStepBlendsOldAndNewLine_data();
    void fadeStepBlendsOldAndNewLine();
    void neverActiveControlPaintsOnlyItsBackground();
    void backgroundPictureFollowsItsMode_data();
    void backgroundPictureFollowsItsMode();
    void transparentCopiesWhatLiesBeneath();
    void transparentFaderInsideAGrabbedParent();
    void alignmentMovesTheInk_data();
    void alignmentMovesTheInk();
    void textIsCentredVertically();
    void lineBreaksAndWordWrap_data();
    void lineBreaksAndWordWrap();
    void tabsExpandToEightAverageCharacters();
    void ampersandIsShownAsItStands();
};

void TextFaderTest::translateResolvesEscapes_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << "Road Signs / Signals"
                           << "Road Signs / Signals";
    QTest::newRow("line break") << "A\\nB"
                                << "A\r\nB";
    QTest::newRow("tab") << "a\\tb"
                         << "a\tb";
    QTest::newRow("doubled backslash") << "C:\\\\doc"
                                       << "C:\\doc";
    QTest::newRow("escaped backslash before n") << "x\\\\n"
                                                << "x\\n";
    QTest::newRow("unknown escape drops both") << "a\\qb"
                                               << "ab";
    QTest::newRow("capital N is unknown") << "a\\Nb"
                                          << "ab";
    QTest::newRow("final backslash") << "end\\"
                                     << "end";
    QTest::newRow("lone backslash") << "\\"
                                    << "";
    QTest::newRow("ampersand untouched") << "Tom & Jerry"
                                         << "Tom & Jerry";
    QTest::newRow("empty") << ""
                           << "";
}

void TextFaderTest::translateResolvesEscapes()
{
    QFETCH(QString, line);
    QFETCH(QString, shown);
    QCOMPARE(TTextFader::Translate(line), shown);
}

void TextFaderTest::fadeTakesHundredOverStepTicks_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("lastBelowHundred");
    QTest::newRow("100: one step") << 100 << 1 << 0;
    QTest::newRow("3: 3..99 then held at 100") << 3 << 34 << 99;
    QTest::newRow("4: the default") << 4 << 25 << 96;
    QTest::newRow("30") << 30 << 4 << 90;
}

void TextFaderTest::fadeTakesHundredOverStepTicks()
{
    QFETCH(int, step);
    QFETCH(int, ticks);
    QFETCH(int, lastBelowHundred);

    TTextFader fader;
    fader.SetLines({QStringLiteral("one"), QStringLiteral("two")});
    fader.SetFadeStep(step);
    fader.SetActive(true);
    fader.Loaded();
    QSignalSpy completed(&fader, &TTextFader::OnComplete);

    QList<int> progress;
    do {
        fader.TimerExpired();
        progress << fader.FadeProgress();
        if (progress.last() < 100) {
            QCOMPARE(fader.timer()->interval(), fader.FadeDelay());
            QCOMPARE(completed.count(), 0);
        }
    } while (progress.last() < 100 && progress.size() < 200);

    QCOMPARE(progress.size(), ticks);
    for (int i = 0; i + 1 < progress.size(); ++i)
        QCOMPARE(progress.at(i), step * (i + 1));
    if (ticks > 1)
        QCOMPARE(progress.at(ticks - 2), lastBelowHundred);
    QCOMPARE(fader.CurText(), QStringLiteral("one"));
    QCOMPARE(completed.count(), 1);
    QCOMPARE(completed.first().first().value<TTextFader *>(), &fader);
    QCOMPARE(fader.timer()->interval(), fader.LineDelay());
    QVERIFY(fader.timer()->isActive());
}

void TextFaderTest::repeatCountStopsOnTheLastLine_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("repeatCount");
    QTest::addColumn<QStringList>("completions");
    QTest::newRow("three lines twice") << QStringList{"1", "2", "3"} << 2
                                       << QStringList{"1", "2", "3", "1", "2", "3", "3"};
    QTest::newRow("one line once") << QStringList{"only"} << 1 << QStringList{"only", "only"};
    // With no lines the very first tick ends a pass.
    QTest::newRow("empty list once") << QStringList{} << 1 << QStringList{""};
}

void TextFaderTest::repeatCountStopsOnTheLastLine()
{
    QFETCH(QStringList, lines);
    QFETCH(int, repeatCount);
    QFETCH(QStringList, completions);

    TTextFader fader;
    fader.SetLines(lines);
    fader.SetFadeStep(100);
    fader.SetRepeatCount(repeatCount);
    fader.SetActive(true);
    fader.Loaded();

    QStringList shown;
    connect(&fader, &TTextFader::OnComplete, this, [&](TTextFader *sender) { shown << sender->CurText(); });
    for (int tick = 0; tick < 50 && fader.Active(); ++tick)
        fader.TimerExpired();

    QCOMPARE(shown, completions);
    QVERIFY(!fader.Active());
    QVERIFY(!fader.timer()->isActive());
    QCOMPARE(fader.ReapeatedCount(), repeatCount);
    QCOMPARE(fader.LineIndex(), int(lines.size()) - 1);
    QCOMPARE(fader.CurText(), completions.last());
    QCOMPARE(fader.FadeProgress(), 100);
}

void TextFaderTest::lineIndexIsClamped_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("stored");
    QTest::newRow("past the end") << 3 << 5 << 2;
    QTest::newRow("negative") << 3 << -4 << 0;
    QTest::newRow("inside") << 3 << 1 << 1;
    QTest::newRow("empty list") << 0 << 3 << -1;
    QTest::newRow("empty list, negative") << 0 << -1 << -1;
}

void TextFaderTest::lineIndexIsClamped()
{
    QFETCH(int, lineCount);
    QFETCH(int, value);
    QFETCH(int, stored);

    TTextFader fader;
    QStringList lines;
    for (int i = 0; i < lineCount; ++i)
        lines << QString::number(i);
    fader.SetLines(lines);
    fader.SetLineIndex(value);
    QCOMPARE(fader.LineIndex(), stored);
}

void TextFaderTest::tickAfterAClampedIndexWrapsToTheFirstLine()
{
    TTextFader fader;
    fader.SetLines({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    fader.SetActive(true);
    fader.Loaded();
    fader.SetLineIndex(5);
    QCOMPARE(fader.LineIndex(), 2);
    QVERIFY(fader.CurText().isEmpty()); // the shown text waits for the next tick

    fader.TimerExpired();
    QCOMPARE(fader.LineIndex(), 0);
    QCOMPARE(fader.CurText(), QStringLiteral("a"));
    QCOMPARE(fader.ReapeatedCount(), 1);
}

void TextFaderTest::deletingLinesPullsTheIndexBack()
{
    TTextFader fader;
    fader.SetLines({"0", "1", "2", "3", "4"});
    fader.SetLineIndex(4);

    fader.DeleteLine(4);
    QCOMPARE(fader.LineIndex(), 3);
    fader.DeleteLine(3);
    QCOMPARE(fader.LineIndex(), 2);
    fader.SetLineIndex(1);
    fader.DeleteLine(0);
    QCOMPARE(fader.LineIndex(), 1); // still inside the list: the index stays
    fader.DeleteLine(7);
    fader.DeleteLine(-1);
    QCOMPARE(fader.Lines(), (QStringList{"1", "2"}));

    fader.SetLines({"x"});
    QCOMPARE(fader.LineIndex(), 0);
    fader.ClearLines();
    QCOMPARE(fader.LineIndex(), -1);

    // A banner whose single line is replaced keeps showing the old text until the next line
    // change, and then fades in the new one.
    fader.AddLine(QStringLiteral("Cardinal Rules"));
    fader.SetFadeStep(100);
    fader.SetActive(true);
    fader.TimerExpired();
    QCOMPARE(fader.CurText(), QStringLiteral("Cardinal Rules"));
    fader.ClearLines();
    fader.AddLine(QStringLiteral("Driving Rules"));
    QCOMPARE(fader.CurText(), QStringLiteral("Cardinal Rules"));
    fader.TimerExpired();
    QCOMPARE(fader.CurText(), QStringLiteral("Driving Rules"));
    QCOMPARE(fader.OldText(), QStringLiteral("Cardinal Rules"));
}

void TextFaderTest::resetStartsAgainFromTheFirstLine()
{
    TTextFader fader;
    fader.SetLines({"a", "b", "c"});
    fader.SetFadeStep(50);
    fader.SetActive(true);
    fader.Loaded();
    for (int tick = 0; tick < 5; ++tick)
        fader.TimerExpired();
    QCOMPARE(fader.CurText(), QStringLiteral("c"));
    QCOMPARE(fader.FadeProgress(), 50);

    fader.Reset();
    QCOMPARE(fader.LineIndex(), -1);
    QCOMPARE(fader.FadeProgress(), 100);
    QVERIFY(fader.CurText().isEmpty());
    QVERIFY(fader.OldText().isEmpty());
    QCOMPARE(fader.timer()->interval(), 5);
    QVERIFY(fader.timer()->isActive());

    fader.TimerExpired();
    QCOMPARE(fader.CurText(), QStringLiteral("a"));
    QVERIFY(fader.OldText().isEmpty());
}

void TextFaderTest::timerFollowsTheStates()
{
    TTextFader fader;
    fader.SetLines({"a", "b"});
    fader.SetFadeStep(50);
    fader.SetFadeDelay(40);
    fader.SetLineDelay(900);
    fader.Loaded();
    QVERIFY(!fader.timer()->isActive());

    fader.SetActive(true); // starting
    QVERIFY(fader.timer()->isActive());
    QCOMPARE(fader.timer()->interval(), 5);

    fader.TimerExpired(); // fading
    QCOMPARE(fader.timer()->interval(), 40);
    fader.SetLineDelay(800); // a hold delay changes nothing while fading
    QCOMPARE(fader.timer()->interval(), 40);
    fader.SetFadeDelay(35);
    QCOMPARE(fader.timer()->interval(), 35);

    fader.TimerExpired(); // holding
    QCOMPARE(fader.timer()->interval(), 800);
    fader.SetFadeDelay(20); // a fade delay changes nothing while holding
    QCOMPARE(fader.timer()->interval(), 800);
    fader.SetLineDelay(1200);
    QCOMPARE(fader.timer()->interval(), 1200);

    fader.SetActive(false); // stopped
    QVERIFY(!fader.timer()->isActive());
    QCOMPARE(fader.CurText(), QStringLiteral("a"));
}

void TextFaderTest::zeroIntervalStopsTheTicks_data()
{
    QTest::addColumn<bool>("whileFading");
    QTest::newRow("fade delay 0 while fading") << true;
    QTest::newRow("line delay 0 while holding") << false;
}

void TextFaderTest::zeroIntervalStopsTheTicks()
{
    QFETCH(bool, whileFading);

    TTextFader fader;
    fader.SetLines({"a", "b"});
    fader.SetFadeStep(whileFading ? 10 : 100);
    fader.SetActive(true);
    fader.Loaded();
    fader.TimerExpired();
    if (whileFading)
        fader.SetFadeDelay(0);
    else
        fader.SetLineDelay(0);
    QVERIFY(!fader.timer()->isActive());

    const int progress = fader.FadeProgress();
    const QString text = fader.CurText();
    QTest::qWait(60); // a zero-interval QTimer would fire on every pass of the event loop
    QCOMPARE(fader.FadeProgress(), progress);
    QCOMPARE(fader.CurText(), text);

    if (whileFading)
        fader.SetFadeDelay(25);
    else
        fader.SetLineDelay(700);
    QVERIFY(fader.timer()->isActive());
    QCOMPARE(fader.timer()->interval(), whileFading ? 25 : 700);
}

void TextFaderTest::activeBeforeShownStartsWhenShown()
{
    QWidget window;
    window.resize(300, 100);
    auto *fader = new TTextFader(&window);
    fader->SetLines({QStringLiteral("Hello")});
    fader->SetFadeDelay(1);
    fader->SetActive(true);
    QVERIFY(!fader->timer()->isActive()); // still loading

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(fader->timer()->isActive());
    QTRY_COMPARE(fader->CurText(), QStringLiteral("Hello"));
    QTRY_COMPARE(fader->FadeProgress(), 100);
    QCOMPARE(fader->timer()->interval(), fader->LineDelay());

    // Showing again is no second start: the hold period runs on.
    fader->hide();
    fader->show();
    QCOMPARE(fader->timer()->interval(), fader->LineDelay());
    fader->Loaded();
    QCOMPARE(fader->timer()->interval(), fader->LineDelay());
}

void TextFaderTest::repaintsAtOnce_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("fade step") << "tick";
    QTest::newRow("font colour") << "fontColor";
    QTest::newRow("font") << "font";
    QTest::newRow("alignment") << "alignment";
    QTest::newRow("transparent") << "transparent";
    QTest::newRow("word wrap") << "wordWrap";
    QTest::newRow("background mode") << "backgroundMode";
    QTest::newRow("background") << "background";
    QTest::newRow("switched off") << "off";
}

void TextFaderTest::repaintsAtOnce()
{
    QFETCH(QString, action);

    QWidget window;
    window.resize(300, 100);
    auto *fader = new CountingFader(&window);
    fader->SetLines({"a", "b"});
    fader->SetActive(true);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    fader->SetFadeDelay(0); // no ticks of its own while the test counts
    fader->SetLineDelay(0);
    QCoreApplication::processEvents();

    const int before = fader->paints;
    if (action == "tick") {
        fader->TimerExpired();
    } else if (action == "fontColor") {
        fader->SetFontColor(Qt::yellow);
    } else if (action == "font") {
        QFont font = fader->font();
        font.setPixelSize(31);
        fader->SetFont(font);
    } else if (action == "alignment") {
        fader->SetAlignment(taRightJustify);
    } else if (action == "transparent") {
        fader->SetTransparent(true);
    } else if (action == "wordWrap") {
        fader->SetWordWrap(false);
    } else if (action == "backgroundMode") {
        fader->SetBackgroundMode(bmStretched);
    } else if (action == "background") {
        fader->SetBackground(coordinatePicture(3, 3));
    } else if (action == "off") {
        fader->SetActive(false);
    }
    QVERIFY2(fader->paints > before, "painted only at the next paint cycle");
}

void TextFaderTest::inactiveControlDoesNotPaint()
{
    QWidget window;
    window.resize(300, 100);
    auto *fader = new CountingFader(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    const int before = fader->paints;
    QTest::qWait(80);
    QCOMPARE(fader->paints, before);
    QVERIFY(!fader->timer()->isActive());
}

void TextFaderTest::clickNeedsPressAndReleaseInside_data()
{
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("clicks");
    QTest::newRow("left inside") << QPoint(10, 5) << Qt::LeftButton << 1;
    QTest::newRow("released outside") << QPoint(250, 5) << Qt::LeftButton << 0;
    QTest::newRow("right button") << QPoint(10, 5) << Qt::RightButton << 0;
}

void TextFaderTest::clickNeedsPressAndReleaseInside()
{
    QFETCH(QPoint, releaseAt);
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, clicks);

    TTextFader fader;
    QSignalSpy clicked(&fader, &TTextFader::OnClick);
    QTest::mousePress(&fader, button, {}, QPoint(10, 5));
    QTest::mouseRelease(&fader, button, {}, releaseAt);
    QCOMPARE(clicked.count(), clicks);
    if (clicks)
        QCOMPARE(clicked.first().first().value<TTextFader *>(), &fader);
}

void TextFaderTest::blendIsPerByteWithTruncation_data()
{
    QTest::addColumn<QRgb>("target");
    QTest::addColumn<QRgb>("source");
    QTest::addColumn<int>("amount");
    QTest::addColumn<QRgb>("expected");
    QTest::newRow("half way") << qRgb(200, 100, 50) << qRgb(0, 50, 250) << 50 << qRgb(100, 75, 150);
    QTest::newRow("all target") << qRgb(200, 100, 50) << qRgb(0, 50, 250) << 0 << qRgb(200, 100, 50);
    QTest::newRow("all source") << qRgb(200, 100, 50) << qRgb(0, 50, 250) << 100 << qRgb(0, 50, 250);
    // 255 * 67 / 100 = 170.85 and 255 * 33 / 100 = 84.15: truncated, never rounded
    QTest::newRow("truncates") << qRgb(255, 255, 0) << qRgb(0, 0, 255) << 33 << qRgb(170, 170, 84);
    QTest::newRow("white into black at 99") << qRgb(0, 0, 0) << qRgb(255, 255, 255) << 99 << qRgb(252, 252, 252);
}

void TextFaderTest::blendIsPerByteWithTruncation()
{
    QFETCH(QRgb, target);
    QFETCH(QRgb, source);
    QFETCH(int, amount);
    QFETCH(QRgb, expected);

    QImage image = solid(QSize(7, 3), target);
    TTextFader::DrawTransparent(image, solid(QSize(7, 3), source), amount);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(image.pixel(x, y), expected);

    // A source larger than the target is cut to the target's size.
    QImage small = solid(QSize(3, 2), target);
    TTextFader::DrawTransparent(small, solid(QSize(9, 9), source), amount);
    QCOMPARE(small.pixel(2, 1), expected);
}

void TextFaderTest::blendMatchesTheFormulaOnAnyPixels_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("opaque images") << int(QImage::Format_RGB32);
    QTest::newRow("images with alpha") << int(QImage::Format_ARGB32);
}

void TextFaderTest::blendMatchesTheFormulaOnAnyPixels()
{
    QFETCH(int, format);

    QRandomGenerator random(20240611);
    auto noise = [&random, format](int width, int height) {
        QImage image(width, height, QImage::Format(format));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, random.generate());
        return image;
    };
    const QImage target = noise(37, 5); // an odd width leaves a tail after any vector loop
    const QImage source = noise(37, 5);
    auto mix = [](int t, int s, int amount) { return (t * (100 - amount) + s * amount) / 100; };

    for (int amount = 0; amount <= 100; amount += 7) {
        QImage blended = target;
        TTextFader::DrawTransparent(blended, source, amount);
        for (int y = 0; y < target.height(); ++y) {
            for (int x = 0; x < target.width(); ++x) {
                const QRgb t = target.pixel(x, y);
                const QRgb s = source.pixel(x, y);
                const QRgb expected = qRgba(mix(qRed(t), qRed(s), amount), mix(qGreen(t), qGreen(s), amount),
                                            mix(qBlue(t), qBlue(s), amount), qAlpha(t));
                QCOMPARE(blended.pixel(x, y), expected);
            }
        }
    }
}

void TextFaderTest::fadeStepBlendsOldAndNewLine_data()
{
    QTest::addColumn<int>("step");
    QTest::newRow("50") << 50;
    QTest::newRow("30") << 30;
}

void TextFaderTest::fadeStepBlendsOldAndNewLine()
{
    QFETCH(int, step);

    auto fader = textFader(QSize(120, 30));
    fader->SetColor(QColor(0, 0, 160));
    fader->SetLines({QStringLiteral("OLD"), QStringLiteral("NEW")});
    fader->SetFadeStep(step);
    fader->SetActive(true);
    while (fader->CurText() != QLatin1String("OLD") || fader->FadeProgress() < 100)
        fader->TimerExpired();
    const QImage oldImage = fader->PaintCanvas();
    fader->TimerExpired();
    QCOMPARE(fader->FadeProgress(), step);
    const QImage midway = fader->PaintCanvas();
    while (fader->FadeProgress() < 100)
        fader->TimerExpired();
    const QImage newImage = fader->PaintCanvas();
    QVERIFY(oldImage != newImage);

    // `step` percent of the new line's image, the rest of the old line's.
    QImage expected = newImage;
    TTextFader::DrawTransparent(expected, oldImage, 100 - step);
    QCOMPARE(midway, expected);
    QVERIFY(midway != oldImage && midway != newImage);
}

void TextFaderTest::neverActiveControlPaintsOnlyItsBackground()
{
    TTextFader fader;
    fader.resize(60, 20);
    fader.SetColor(QColor(10, 20, 30));
    fader.SetFontColor(Qt::white);
    QVERIFY(!fader.Lines().isEmpty());
    const QImage canvas = fader.PaintCanvas();
    QCOMPARE(canvas.size(), QSize(60, 20));
    QCOMPARE(inkRect(canvas, qRgb(10, 20, 30)), QRect());

    // Through the widget's own paint path as well.
    QCOMPARE(fader.grab().toImage().convertToFormat(QImage::Format_RGB32), canvas);
}

void TextFaderTest::backgroundPictureFollowsItsMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QSize>("pictureSize");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QRgb>("expected");
    const QRgb grey = qRgb(90, 90, 90);
    QTest::newRow("none") << int(bmNone) << QSize(4, 4) << QPoint(1, 1) << grey;
    QTest::newRow("tiled, first tile") << int(bmTiled) << QSize(4, 3) << QPoint(1, 2) << qRgb(10, 20, 0);
    QTest::newRow("tiled, next column") << int(bmTiled) << QSize(4, 3) << QPoint(9, 0) << qRgb(10, 0, 0);
    QTest::newRow("tiled, next row") << int(bmTiled) << QSize(4, 3) << QPoint(2, 4) << qRgb(20, 10, 0);
    QTest::newRow("stretched, top left") << int(bmStretched) << QSize(2, 2) << QPoint(0, 0) << qRgb(0, 0, 0);
    QTest::newRow("stretched, bottom right") << int(bmStretched) << QSize(2, 2) << QPoint(9, 5) << qRgb(10, 10, 0);
    QTest::newRow("centred, smaller") << int(bmCentered) << QSize(5, 5) << QPoint(2, 0) << qRgb(0, 0, 0);
    QTest::newRow("centred, smaller, outside") << int(bmCentered) << QSize(5, 5) << QPoint(1, 0) << grey;
    // (10 - 15) div 2 = -2 and (6 - 9) div 2 = -1: truncated toward zero, not floored
    QTest::newRow("centred, larger") << int(bmCentered) << QSize(15, 9) << QPoint(0, 0) << qRgb(20, 10, 0);
}

void TextFaderTest::backgroundPictureFollowsItsMode()
{
    QFETCH(int, mode);
    QFETCH(QSize, pictureSize);
    QFETCH(QPoint, at);
    QFETCH(QRgb, expected);

    TTextFader fader;
    fader.resize(10, 6);
    fader.SetColor(QColor(90, 90, 90));
    fader.SetBackground(coordinatePicture(pictureSize.width(), pictureSize.height()));
    fader.SetBackgroundMode(TBackgroundMode(mode));
    QCOMPARE(fader.PaintCanvas().pixel(at), expected);

    // A transparent fader has no parent here, so neither colour nor picture shows.
    fader.SetTransparent(true);
    QCOMPARE(fader.PaintCanvas().pixel(at), Black);
}

void TextFaderTest::transparentCopiesWhatLiesBeneath()
{
    QWidget parent;
    parent.resize(100, 60);
    parent.setAutoFillBackground(true);
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, Qt::white);
    parent.setPalette(pal);

    auto *picture = new QLabel(&parent);
    picture->setGeometry(0, 0, 50, 50);
    picture->setPixmap(coordinatePicture(25, 25).scaled(50, 50)); // 2 x 2 blocks

    auto filled = [&parent](const QColor &colour, const QRect &geometry) {
        auto *widget = new QWidget(&parent);
        widget->setGeometry(geometry);
        widget->setAutoFillBackground(true);
        QPalette p = widget->palette();
        p.setColor(QPalette::Window, colour);
        widget->setPalette(p);
        return widget;
    };
    QWidget *hidden = filled(Qt::yellow, QRect(20, 10, 10, 10));
    hidden->hide();
    // Qt would otherwise make every sibling of a native widget native as well.
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    const auto restore =
        qScopeGuard([] { QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings, false); });
    QWidget *native = filled(Qt::blue, QRect(20, 20, 10, 10));
    native->setAttribute(Qt::WA_DontCreateNativeAncestors);
    native->setAttribute(Qt::WA_NativeWindow);
    filled(Qt::green, QRect(55, 25, 20, 20)); // earlier, partly beneath the fader
    const QImage behind = parent.grab(QRect(20, 10, 40, 20)).toImage().convertToFormat(QImage::Format_RGB32);

    auto *fader = new TTextFader(&parent);
    fader->setGeometry(20, 10, 40, 20);
    fader->SetTransparent(true);
    fader->SetColor(Qt::red);
    filled(Qt::red, QRect(20, 10, 10, 5)); // above the fader

    const QImage canvas = fader->PaintCanvas();
    QCOMPARE(canvas.size(), QSize(40, 20));

    // The picture, pixel for pixel at its place: a picture pixel (x, y) lies at 2x, 2y.
    QCOMPARE(canvas.pixel(0, 0), qRgb(100, 50, 0));          // parent (20, 10)
    QCOMPARE(canvas.pixel(8, 4), qRgb(140, 70, 0));          // parent (28, 14): later sibling not copied
    QCOMPARE(canvas.pixel(4, 12), qRgb(120, 110, 0));        // parent (24, 22): native sibling not copied
    QCOMPARE(canvas.pixel(4, 2), qRgb(120, 60, 0));          // parent (24, 12): hidden sibling not copied
    QCOMPARE(canvas.pixel(32, 19), QColor(Qt::white).rgb()); // parent's own background
    QCOMPARE(canvas.pixel(36, 16), QColor(Qt::green).rgb()); // earlier sibling, partly overlapping
    QCOMPARE(canvas.pixel(30, 14), QColor(Qt::white).rgb()); // beside that sibling

    // Away from the native sibling, the copy matches the view of the parent before the fader came.
    QCOMPARE(canvas.copy(10, 0, 30, 20), behind.copy(10, 0, 30, 20));
}

void TextFaderTest::transparentFaderInsideAGrabbedParent()
{
    // Rendering a whole page renders the fader, which renders the page again without children:
    // that must neither recurse nor lose the picture beneath.
    QWidget parent;
    parent.resize(80, 40);
    auto *picture = new QLabel(&parent);
    picture->setGeometry(0, 0, 80, 40);
    picture->setPixmap(coordinatePicture(20, 10).scaled(80, 40));
    auto *fader = new TTextFader(&parent);
    fader->setGeometry(8, 4, 60, 30);
    fader->SetTransparent(true);

    const QImage page = parent.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(page.copy(fader->geometry()), fader->PaintCanvas());
    QCOMPARE(page.pixel(12, 8), qRgb(30, 20, 0));
}

void TextFaderTest::alignmentMovesTheInk_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("rightToLeft");
    QTest::addColumn<int>("side"); // -1 left, 0 centre, 1 right
    QTest::newRow("left") << int(taLeftJustify) << false << -1;
    QTest::newRow("right") << int(taRightJustify) << false << 1;
    QTest::newRow("centre") << int(taCenter) << false << 0;
    QTest::newRow("left, right to left") << int(taLeftJustify) << true << 1;
}

void TextFaderTest::alignmentMovesTheInk()
{
    QFETCH(int, alignment);
    QFETCH(bool, rightToLeft);
    QFETCH(int, side);

    auto fader = textFader(QSize(240, 40));
    fader->SetAlignment(TAlignment(alignment));
    if (rightToLeft)
        fader->setLayoutDirection(Qt::RightToLeft);
    showLine(*fader, QStringLiteral("Controls"));
    const QRect ink = inkRect(fader->PaintCanvas(), Black);
    QVERIFY(!ink.isEmpty());
    QVERIFY(ink.width() < 160);
    switch (side) {
    case -1:
        QVERIFY2(ink.left() <= 4, qPrintable(QString::number(ink.left())));
        break;
    case 1:
        QVERIFY2(ink.right() >= 235, qPrintable(QString::number(ink.right())));
        break;
    default:
        QVERIFY2(qAbs(ink.left() + ink.right() + 1 - 240) <= 4, qPrintable(QString::number(ink.left())));
    }
}

void TextFaderTest::textIsCentredVertically()
{
    auto low = textFader(QSize(200, 40));
    auto high = textFader(QSize(200, 80));
    showLine(*low, QStringLiteral("Hg"));
    showLine(*high, QStringLiteral("Hg"));
    const QRect lowInk = inkRect(low->PaintCanvas(), Black);
    const QRect highInk = inkRect(high->PaintCanvas(), Black);
    QVERIFY(!lowInk.isEmpty());
    // 40 more pixels of height put the text exactly 20 lower, whatever the text's height.
    QCOMPARE(highInk, lowInk.translated(0, 20));
    QVERIFY2(qAbs(lowInk.top() + lowInk.bottom() + 1 - 40) <= 8, qPrintable(QString::number(lowInk.top())));

    // Text taller than the control is shifted up and clipped at its edges.
    auto tiny = textFader(QSize(200, 10), 30);
    showLine(*tiny, QStringLiteral("H"));
    const QRect tinyInk = inkRect(tiny->PaintCanvas(), Black);
    QCOMPARE(tinyInk.top(), 0);
    QCOMPARE(tinyInk.bottom(), 9);
}

void TextFaderTest::lineBreaksAndWordWrap_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("wordWrap");
    QTest::addColumn<int>("bands");
    QTest::newRow("escape breaks, wrapping") << "A\\nB" << true << 2;
    QTest::newRow("escape breaks, not wrapping") << "A\\nB" << false << 2;
    QTest::newRow("long line wraps") << "Driver Responsibilities" << true << 2;
    QTest::newRow("long line stays one") << "Driver Responsibilities" << false << 1;
    QTest::newRow("short line") << "Options" << true << 1;
}

void TextFaderTest::lineBreaksAndWordWrap()
{
    QFETCH(QString, line);
    QFETCH(bool, wordWrap);
    QFETCH(int, bands);

    auto fader = textFader(QSize(120, 80));
    fader->SetWordWrap(wordWrap);
    showLine(*fader, line);
    QCOMPARE(inkBands(fader->PaintCanvas(), Black), bands);
}

void TextFaderTest::tabsExpandToEightAverageCharacters()
{
    auto fader = textFader(QSize(300, 30), 12);
    fader->SetAlignment(taLeftJustify);
    showLine(*fader, QStringLiteral("\\tI"));
    const QRect ink = inkRect(fader->PaintCanvas(), Black);
    const qreal stop = 8 * QFontMetricsF(fader->font()).averageCharWidth();
    QVERIFY2(ink.left() >= int(stop) - 1 && ink.left() <= int(stop) + 4,
             qPrintable(QStringLiteral("ink at %1, tab stop at %2").arg(ink.left()).arg(stop)));
}

void TextFaderTest::ampersandIsShownAsItStands()
{
    auto fader = textFader(QSize(200, 40));
    fader->SetAlignment(taLeftJustify);
    showLine(*fader, QStringLiteral("A"));
    const int plain = inkRect(fader->PaintCanvas(), Black).width();
    showLine(*fader, QStringLiteral("&A"));
    const int withAmpersand = inkRect(fader->PaintCanvas(), Black).width();
    QVERIFY2(withAmpersand > plain + 5, "the ampersand was taken as a mnemonic marker");
}

QTEST_MAIN(TextFaderTest)
#include "tst_textfader.moc"
