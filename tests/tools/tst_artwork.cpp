// The pictures the build draws, read back from the data directory it assembles and judged by
// their painted pixels: a right-hand-drive cockpit, and signs in South African colours.

#include <QImage>
#include <QtTest>

namespace {

const QString builtImages = QStringLiteral(TARMIKA_DATA_DIR "/images/");

QImage picture(const QString &name)
{
    return QImage(builtImages + name + QStringLiteral(".png")).convertToFormat(QImage::Format_ARGB32);
}

bool near(QRgb px, const QColor &c, int tolerance)
{
    return qAbs(qRed(px) - c.red()) <= tolerance && qAbs(qGreen(px) - c.green()) <= tolerance &&
           qAbs(qBlue(px) - c.blue()) <= tolerance;
}

// Horizontal extent of the maroon ring the controls pictures draw round the control they show
// (the name tag at the top is maroon too, so the top rows are left out).
struct Span {
    int left = -1, right = -1;
    qreal centre() const { return (left + right) / 2.0; }
};

Span ringedSpan(const QString &name)
{
    const QImage img = picture(name);
    Span s;
    for (int y = 64; y < img.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (!near(line[x], QColor(128, 0, 0), 24))
                continue;
            s.left = s.left < 0 ? x : qMin(s.left, x);
            s.right = qMax(s.right, x);
        }
    }
    return s;
}

// Share of the opaque pixels within `tolerance` of a colour.
qreal share(const QImage &img, const QColor &c, int tolerance = 40)
{
    qint64 hits = 0, opaque = 0;
    for (int y = 0; y < img.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (qAlpha(line[x]) < 255)
                continue;
            ++opaque;
            hits += near(line[x], c, tolerance);
        }
    }
    return opaque ? qreal(hits) / opaque : 0;
}

const QColor signBlue(0, 82, 160), signGreen(0, 114, 64), signRed(200, 16, 46), black(20, 20, 20);

} // namespace

class TestArtwork : public QObject {
    Q_OBJECT
private slots:
    void cockpitIsRightHandDrive();
    void signColours_data();
    void signColours();
};

void TestArtwork::cockpitIsRightHandDrive()
{
    const Span wheel = ringedSpan(QStringLiteral("Csteer"));
    const Span gear = ringedSpan(QStringLiteral("Cgear"));
    const Span handbrake = ringedSpan(QStringLiteral("Chbrake"));
    const Span clutch = ringedSpan(QStringLiteral("Cclutch"));
    const Span brake = ringedSpan(QStringLiteral("Cbrake"));
    const Span accel = ringedSpan(QStringLiteral("Cpetrol"));
    QVERIFY(wheel.left >= 0 && gear.left >= 0 && handbrake.left >= 0);
    QVERIFY2(wheel.centre() > picture(QStringLiteral("Csteer")).width() / 2.0,
             qPrintable(QStringLiteral("wheel centred at x %1").arg(wheel.centre())));
    // Gear lever and parking brake at the driver's left hand, clear of the wheel.
    QVERIFY(gear.right < wheel.left);
    QVERIFY(handbrake.right < wheel.left);
    // Pedals under the wheel: clutch on the left, brake in the middle, accelerator on the right.
    QVERIFY(clutch.centre() > wheel.left && accel.centre() < wheel.right);
    QVERIFY(clutch.centre() < brake.centre() && brake.centre() < accel.centre());
}

void TestArtwork::signColours_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QColor>("present");
    QTest::addColumn<qreal>("atLeast");
    QTest::addColumn<QColor>("absent");
    for (const char *id : {"470", "471", "472", "473", "481", "489", "498", "499", "504"})
        QTest::newRow(id) << QString::fromLatin1(id) << signBlue << 0.4 << signGreen;
    for (const char *id : {"870", "871", "874", "374", "375"})
        QTest::newRow(id) << QString::fromLatin1(id) << signRed << 0.05 << black;
    // The neutral question picture shows no sign whose limit could give away an answer.
    QTest::newRow("quest") << QStringLiteral("quest") << QColor(Qt::white) << 0.0 << QColor(200, 30, 36);
}

void TestArtwork::signColours()
{
    QFETCH(QString, picture);
    QFETCH(QColor, present);
    QFETCH(qreal, atLeast);
    QFETCH(QColor, absent);
    const QImage img = ::picture(picture);
    QVERIFY2(!img.isNull(), qPrintable(picture));
    QVERIFY2(share(img, present) >= atLeast, qPrintable(QString::number(share(img, present))));
    QCOMPARE(share(img, absent, 30), 0.0);
}

QTEST_GUILESS_MAIN(TestArtwork)
#include "tst_artwork.moc"
