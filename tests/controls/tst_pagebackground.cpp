#include "controls/page.h"
#include "controls/readypicture.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QtTest>

// A page decodes its full-page background only when it is first shown or painted, so building the
// window's fourteen pages does not decode fourteen pictures; what the learner sees is unchanged.
class TestPageBackground : public QObject {
    Q_OBJECT
private slots:
    void backgroundWaitsForTheFirstShow();
    void backgroundIsDrawnWhenAPageIsRenderedUnshown();
    void laterLoadRunsOnceOnFirstShow();
    void laterLoadGivesWayToAPictureSetFirst();
    void labelIsSizedToItsTextOnFirstShow();
    void prefetchedPictureIsTheSamePicture();
    void readyPictureDrawsAsItsSourceAndRefusesDamage();
};

namespace {

// A point where the page's own picture is not the page's white, with the picture's colour there;
// the check looks there, so a page drawn without its picture cannot pass.
QPair<QPoint, QRgb> markOfDesign(const QString &pageName)
{
    const QImage design =
        designPicture(QStringLiteral("bg_") + pageName).toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = design.height() / 2; y < design.height(); y += 7) {
        for (int x = design.width() / 2; x < design.width(); x += 7) {
            if (design.pixel(x, y) != qRgb(255, 255, 255))
                return {QPoint(x, y), design.pixel(x, y)};
        }
    }
    return {QPoint(-1, -1), 0};
}

} // namespace

void TestPageBackground::backgroundWaitsForTheFirstShow()
{
    QVERIFY2(!designPicture(QStringLiteral("bg_MenuT")).isNull(), "the design pictures are not compiled in");
    Page page(QStringLiteral("MenuT"), QStringLiteral("Main Menu"), QStringLiteral("Image17"));
    QCOMPARE(page.background()->objectName(), QStringLiteral("Image17"));
    QVERIFY(page.background()->pixmap().isNull());

    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    const QPixmap shown = page.background()->pixmap();
    QCOMPARE(shown.size(), QSize(Page::Width, Page::Height));
    const auto [point, colour] = markOfDesign(QStringLiteral("MenuT"));
    QVERIFY(point.x() >= 0);
    QCOMPARE(page.grab().toImage().convertToFormat(QImage::Format_RGB32).pixel(point), colour);
}

void TestPageBackground::backgroundIsDrawnWhenAPageIsRenderedUnshown()
{
    // Controls that draw what lies behind them render their page, which may never have been shown.
    Page page(QStringLiteral("Login"), QStringLiteral("logintab"), QStringLiteral("Image29"));
    const QImage image = page.grab().toImage();
    QCOMPARE(image.size(), QSize(Page::Width, Page::Height));
    const auto [point, colour] = markOfDesign(QStringLiteral("Login"));
    QVERIFY(point.x() >= 0);
    QCOMPARE(image.convertToFormat(QImage::Format_RGB32).pixel(point), colour);
}

void TestPageBackground::laterLoadRunsOnceOnFirstShow()
{
    QWidget parent;
    auto *box = new QLabel(&parent);
    int loads = 0;
    loadPictureLater(box, [&] { ++loads; });
    QCOMPARE(loads, 0);
    parent.show();
    QCOMPARE(loads, 1);
    box->hide();
    box->show();
    box->repaint();
    QCOMPARE(loads, 1);

    // A second request replaces the first; a hidden box waits until it is shown.
    auto *hidden = new QLabel(&parent);
    hidden->hide();
    int first = 0, second = 0;
    loadPictureLater(hidden, [&] { ++first; });
    loadPictureLater(hidden, [&] { ++second; });
    parent.repaint();
    QCOMPARE(first + second, 0);
    hidden->show();
    QCOMPARE(first, 0);
    QCOMPARE(second, 1);
}

void TestPageBackground::laterLoadGivesWayToAPictureSetFirst()
{
    QWidget parent;
    auto *box = new QLabel(&parent);
    int loads = 0;
    loadPictureLater(box, [&] { ++loads; });
    cancelPictureLater(box);
    parent.show();
    QCOMPARE(loads, 0);

    // A load that sets its picture through code that cancels waiting loads cancels nothing else.
    auto *other = new QLabel(&parent);
    other->hide();
    loadPictureLater(other, [&] {
        cancelPictureLater(other);
        other->setPixmap(designPicture(QStringLiteral("panel2")));
        ++loads;
    });
    other->show();
    QCOMPARE(loads, 1);
    QVERIFY(!other->pixmap().isNull());
}

void TestPageBackground::labelIsSizedToItsTextOnFirstShow()
{
    QWidget page;
    auto *label = new QLabel(QStringLiteral("Learning Progress Chart"), &page);
    label->resize(10, 5);
    adjustSizeOnFirstShow(label);
    QCOMPARE(label->size(), QSize(10, 5));
    page.show();
    QCOMPARE(label->size(), label->sizeHint());
    QVERIFY(label->width() > 10);
}

void TestPageBackground::prefetchedPictureIsTheSamePicture()
{
    const QImage direct = designPicture(QStringLiteral("bg_Login")).toImage();
    QVERIFY(!direct.isNull());
    prefetchDesignPicture(QStringLiteral("bg_Login"));
    prefetchDesignPicture(QStringLiteral("bg_Login")); // a second request replaces the first
    QCOMPARE(designPicture(QStringLiteral("bg_Login")).toImage(), direct);
    // Taken once; afterwards the picture loads as usual.
    QCOMPARE(designPicture(QStringLiteral("bg_Login")).toImage(), direct);

    // A page built while its background is being decoded shows that background.
    prefetchDesignPicture(QStringLiteral("bg_Login"));
    Page page(QStringLiteral("Login"), QStringLiteral("logintab"), QStringLiteral("Image29"));
    page.show();
    QCOMPARE(page.background()->pixmap().toImage(), direct);

    prefetchDesignPicture(QStringLiteral("no_such_picture"));
    QVERIFY(designPicture(QStringLiteral("no_such_picture")).isNull());
}

void TestPageBackground::readyPictureDrawsAsItsSourceAndRefusesDamage()
{
    // Half-transparent pixels are stored premultiplied; drawn over white they look as the source does.
    QImage source(6, 4, QImage::Format_ARGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            source.setPixel(x, y, qRgba(40 * x, 60 * y, 200, x == 0 ? 0 : 50 * y + 90));
    const QByteArray bytes = ReadyPicture::encode(source);
    const auto drawnOnWhite = [](const QImage &picture) {
        QImage canvas(picture.size(), QImage::Format_RGB32);
        canvas.fill(Qt::white);
        QPainter(&canvas).drawImage(0, 0, picture);
        return canvas;
    };
    QCOMPARE(drawnOnWhite(ReadyPicture::decode(bytes)), drawnOnWhite(source));

    // A damaged resource gives no picture instead of reading past its end.
    QVERIFY(ReadyPicture::decode(bytes.chopped(1)).isNull());
    QVERIFY(ReadyPicture::decode(bytes + QByteArray(4, '\0')).isNull());
    QVERIFY(ReadyPicture::decode(bytes.left(ReadyPicture::headerSize)).isNull());
    QByteArray huge = bytes;
    qToLittleEndian<quint32>(0x40000000u, huge.data() + 4);
    QVERIFY(ReadyPicture::decode(huge).isNull());
    QByteArray otherFormat = bytes;
    otherFormat[12] = char(QImage::Format_Indexed8);
    QVERIFY(ReadyPicture::decode(otherFormat).isNull());
    QVERIFY(ReadyPicture::decode(QByteArray("\x89PNG\r\n\x1a\n")).isNull());
}

QTEST_MAIN(TestPageBackground)
#include "tst_pagebackground.moc"
