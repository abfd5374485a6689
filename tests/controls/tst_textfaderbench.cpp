#include "controls/textfader.h"
#include "tests/controls/countingfader.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

QPixmap pagePicture(const QSize &size)
{
    QPixmap picture(size);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor(120, 0, 0));
    gradient.setColorAt(1, QColor(20, 40, 160));
    painter.fillRect(QRect(QPoint(0, 0), size), gradient);
    return picture;
}

} // namespace

// The cost of one paint of a main-menu entry: a 308 x 38 transparent fader on a full page with
// a background picture and a column of other entries, as the main menu has them.
class TextFaderBenchmark : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fadeStepPaint();
    void holdRepaint();

private:
    std::unique_ptr<QWidget> m_page;
    CountingFader *m_fader = nullptr;
};

void TextFaderBenchmark::init()
{
    m_page = std::make_unique<QWidget>();
    m_page->setFixedSize(1000, 702);
    m_page->setAutoFillBackground(true);
    auto *background = new QLabel(m_page.get());
    background->setGeometry(0, 0, 1000, 702);
    background->setPixmap(pagePicture(QSize(1000, 702)));

    FaderSettings settings;
    settings.geometry = QRect(40, 120, 308, 38);
    settings.lineDelay = 1000;
    settings.handCursor = true;
    for (int i = 0; i < 8; ++i) {
        settings.name = QStringLiteral("Entry%1").arg(i);
        settings.lines = QStringList{QStringLiteral("Entry %1").arg(i)};
        makeFader(m_page.get(), settings)->setGeometry(settings.geometry.translated(0, 48 * i));
    }

    m_fader = new CountingFader(m_page.get());
    m_fader->setObjectName(QStringLiteral("TextFader4"));
    m_fader->setGeometry(560, 250, 308, 38);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(27);
    m_fader->SetFont(font);
    m_fader->SetFontColor(Qt::white);
    m_fader->SetAlignment(taLeftJustify);
    m_fader->SetTransparent(true);
    m_fader->SetLines({QStringLiteral("Road Signs / Signals"), QStringLiteral("Learners Questions")});
    m_fader->SetActive(true);

    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    // Time is driven by hand from here on: zero delays stop the fader's own ticks.
    m_fader->SetLineDelay(0);
    m_fader->SetFadeDelay(0);
    QVERIFY(!m_fader->timer()->isActive());
}

void TextFaderBenchmark::cleanup()
{
    m_page.reset();
    m_fader = nullptr;
}

void TextFaderBenchmark::fadeStepPaint()
{
    m_fader->Reset();
    while (m_fader->CurText() != QLatin1String("Learners Questions"))
        m_fader->TimerExpired();
    for (int step = 0; step < 12; ++step)
        m_fader->TimerExpired();
    QCOMPARE(m_fader->FadeProgress(), 52);
    QCOMPARE(m_fader->OldText(), QStringLiteral("Road Signs / Signals"));
    QVERIFY(!m_fader->timer()->isActive());

    const int before = m_fader->paints;
    int repaints = 0;
    QBENCHMARK
    {
        m_fader->repaint();
        ++repaints;
    }
    QCOMPARE(m_fader->paints - before, repaints);
}

void TextFaderBenchmark::holdRepaint()
{
    m_fader->Reset();
    do
        m_fader->TimerExpired();
    while (m_fader->FadeProgress() < 100);
    QCOMPARE(m_fader->CurText(), QStringLiteral("Road Signs / Signals"));
    QVERIFY(!m_fader->timer()->isActive());

    const int before = m_fader->paints;
    int repaints = 0;
    QBENCHMARK
    {
        m_fader->repaint();
        ++repaints;
    }
    QCOMPARE(m_fader->paints - before, repaints);
}

QTEST_MAIN(TextFaderBenchmark)
#include "tst_textfaderbench.moc"
