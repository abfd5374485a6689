// Page backgrounds (1000 x 702) and the update panel. Every navigation hot spot of the program lies
// over a word drawn here, so the button rectangles below are the program's hot-spot rectangles.
#include "art.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QtMath>

namespace art {

namespace {

QImage page()
{
    return canvas(1000, 702);
}

// Three-step progress strip of the start pages: name, course, study.
void stepsRow(QPainter &p, int current)
{
    const QStringList names{QStringLiteral("Your name"), QStringLiteral("Course"), QStringLiteral("Study")};
    const qreal y = 42;
    const qreal x0 = 640;
    p.save();
    p.setPen(QPen(LightBlue, 3));
    p.drawLine(QPointF(x0, y), QPointF(x0 + 260, y));
    for (int i = 0; i < 3; ++i) {
        const QPointF c(x0 + i * 130, y);
        const bool on = i + 1 == current;
        const bool done = i + 1 < current;
        p.setPen(QPen(on ? LightBlue : Qt::white, 3));
        p.setBrush(on ? DarkBlue : (done ? Maroon : Mist));
        p.drawEllipse(c, on ? 15 : 12, on ? 15 : 12);
        text(p, QRectF(c.x() - 15, c.y() - 15, 30, 30), QString::number(i + 1), sans(on ? 15 : 12, QFont::Bold),
             on || done ? Qt::white : Slate);
        text(p, QRectF(c.x() - 60, c.y() + 18, 120, 18), names[i], sans(13, on ? QFont::Bold : QFont::Normal),
             on ? DarkBlue : Slate);
    }
    p.restore();
}

void card(QPainter &p, const QRectF &r, qreal radius = 14)
{
    softShadow(p, r, radius, 8);
    roundBox(p, r, radius, Qt::white, LightBlue, 2);
}

// A frame just outside a control's rectangle, so the control itself is never painted over.
void frame(QPainter &p, const QRect &control, const QColor &fill = Qt::transparent, int gap = 5)
{
    const QRectF r = QRectF(control).adjusted(-gap, -gap, gap, gap);
    roundBox(p, r, 10, fill, LightBlue, 1.8);
}

void studyBack(QPainter &p, const QRect &hot)
{
    buttonWord(p, hot, QStringLiteral("MENU"));
}

void lPlate(QPainter &p, const QRectF &r)
{
    softShadow(p, r, 10, 6);
    roundBox(p, r, 10, Qt::white, Maroon, r.width() * 0.05);
    QPainterPath l;
    const qreal w = r.width();
    l.moveTo(r.left() + w * 0.3, r.top() + w * 0.18);
    l.lineTo(r.left() + w * 0.3, r.bottom() - w * 0.2);
    l.lineTo(r.right() - w * 0.26, r.bottom() - w * 0.2);
    p.save();
    p.setPen(QPen(Red, w * 0.15, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(l);
    p.restore();
}

void gearIcon(QPainter &p, const QPointF &c, qreal r, const QColor &col)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(col);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 45);
        p.drawRoundedRect(QRectF(-r * 0.18, -r, r * 0.36, r * 0.5), 1.5, 1.5);
        p.restore();
    }
    p.drawEllipse(c, r * 0.72, r * 0.72);
    p.setBrush(Qt::white);
    p.drawEllipse(c, r * 0.3, r * 0.3);
    p.restore();
}

// A stopwatch and a rising bar chart, drawn like the gear before "Options".
void stopwatchIcon(QPainter &p, const QPointF &c, qreal r, const QColor &col)
{
    p.save();
    p.setPen(QPen(col, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c + QPointF(0, 1.5), r * 0.78, r * 0.78);
    p.drawLine(c + QPointF(0, 1.5), c + QPointF(0, 1.5 - r * 0.5));
    p.drawLine(c + QPointF(0, 1.5), c + QPointF(r * 0.35, 1.5 + r * 0.2));
    p.drawLine(c + QPointF(-r * 0.3, -r * 0.95), c + QPointF(r * 0.3, -r * 0.95));
    p.restore();
}

void chartIcon(QPainter &p, const QPointF &c, qreal r, const QColor &col)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(col);
    const qreal heights[] = {0.7, 1.1, 1.6};
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(c.x() - r + i * r * 0.72, c.y() + r * 0.8 - r * heights[i], r * 0.5, r * heights[i]),
                          1, 1);
    p.restore();
}

void signsDecoration(QPainter &p, const QPointF &at)
{
    // Stop sign.
    QPolygonF oct;
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(22.5 + i * 45.0);
        oct << at + QPointF(qCos(a) * 24, qSin(a) * 24);
    }
    p.save();
    p.setPen(QPen(Qt::white, 2.5));
    p.setBrush(Red);
    p.drawPolygon(oct);
    text(p, QRectF(at.x() - 24, at.y() - 24, 48, 48), QStringLiteral("STOP"), sans(12, QFont::Bold), Qt::white);
    // Yield sign (point down).
    const QPointF y = at + QPointF(70, 0);
    QPolygonF tri;
    tri << y + QPointF(-26, -20) << y + QPointF(26, -20) << y + QPointF(0, 24);
    p.setPen(QPen(Red, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPolygon(tri);
    p.restore();
    roundSign(p, at + QPointF(140, 0), 25, QStringLiteral("60"));
    warningTriangle(p, at + QPointF(208, 2), 50);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(at.x() + 205, at.y() - 8, 6, 12));
    p.drawEllipse(at + QPointF(208, 10), 3, 3);
    p.restore();
}

} // namespace

QImage bgLogin()
{
    QImage img = page();
    QPainter p(&img);
    prepare(p);
    pageBase(p);
    stepsRow(p, 1);
    const QRectF box(150, 200, 760, 320);
    card(p, box);
    stepBadge(p, QPointF(230, 262), 1, 30);
    text(p, QRectF(278, 236, 600, 40), QStringLiteral("ENTER YOUR NAME"), sans(34, QFont::Bold), Maroon,
         Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(280, 278, 600, 24),
         QStringLiteral("Your name keeps your place in the questions and your test scores."), sans(15), Slate,
         Qt::AlignLeft | Qt::AlignVCenter);
    lPlate(p, QRectF(206, 336, 112, 112));
    // The name field (a separate control) sits inside this frame.
    const QRectF field(404, 365, 413, 37);
    text(p, QRectF(404, 336, 413, 22), QStringLiteral("Your name"), sans(14, QFont::Bold), DarkBlue,
         Qt::AlignLeft | Qt::AlignVCenter);
    roundBox(p, field.adjusted(-8, -8, 8, 8), 12, PaleBlue, DarkBlue, 3);
    roundBox(p, field, 4, LightBlue);
    text(p, QRectF(404, 416, 413, 22), QStringLiteral("Press Enter or click NEXT to continue"), sans(14), Slate,
         Qt::AlignLeft | Qt::AlignVCenter);
    buttonWord(p, QRect(920, 642, 65, 34), QStringLiteral("NEXT"));
    return img;
}

QImage bgCourse()
{
    QImage img = page();
    QPainter p(&img);
    prepare(p);
    pageBase(p);
    stepsRow(p, 2);
    stepBadge(p, QPointF(400, 176), 2, 30);
    text(p, QRectF(446, 150, 520, 44), QStringLiteral("SELECT A COURSE"), sans(34, QFont::Bold), Maroon,
         Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(290, 214, 600, 24), QStringLiteral("Point at a vehicle, then click it to choose your course"),
         sans(16), Slate, Qt::AlignCenter);
    for (const int x : {228, 492, 752}) {
        const QRectF slot(x - 8, 298, 216, 219);
        softShadow(p, slot, 26, 6);
        roundBox(p, slot, 26, PaleBlue, LightBlue, 2);
    }
    text(p, QRectF(190, 540, 800, 24),
         QStringLiteral("Your course decides the questions you practise, the controls page and the inspection guide."),
         sans(15), Slate, Qt::AlignCenter);
    buttonWord(p, QRect(920, 642, 65, 34), QStringLiteral("NEXT"));
    return img;
}

QImage bgMenu()
{
    QImage img = page();
    QPainter p(&img);
    prepare(p);
    pageBase(p);
    // The entry column; its own filled shape lies over the top 653 pixels of it.
    QLinearGradient col(653, 0, 1000, 702);
    col.setColorAt(0, QColor(140, 6, 6));
    col.setColorAt(1, QColor(104, 0, 0));
    p.fillRect(QRect(653, 0, 347, 702), col);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    const int tops[] = {15, 65, 116, 167, 218, 269, 320, 371, 422, 473, 524, 576};
    for (int i = 1; i < 12; ++i)
        p.drawLine(QPointF(672, tops[i] - 6.5), QPointF(985, tops[i] - 6.5));
    p.setPen(QPen(QColor(255, 255, 255, 110), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const int t : tops) {
        const qreal cy = t + 19;
        p.drawLine(QPointF(978, cy - 5), QPointF(984, cy));
        p.drawLine(QPointF(984, cy), QPointF(978, cy + 5));
    }
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawLine(QPointF(672, 642), QPointF(985, 642));
    // Power symbol before "Exit Program".
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(734, 662, 17, 17), 120 * 16, 300 * 16);
    p.drawLine(QPointF(742.5, 659), QPointF(742.5, 669));

    stepBadge(p, QPointF(98, 116), 3, 26);
    text(p, QRectF(136, 92, 500, 40), QStringLiteral("MAIN MENU"), sans(34, QFont::Bold), Maroon,
         Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(138, 132, 500, 22), QStringLiteral("Pick a topic on the right; your test scores are charted below."),
         sans(14), Slate, Qt::AlignLeft | Qt::AlignVCenter);
    p.fillRect(QRectF(72, 168, 568, 2), Mist);
    gearIcon(p, QPointF(104, 201), 11, Maroon);
    stopwatchIcon(p, QPointF(244, 201), 11, Maroon);
    chartIcon(p, QPointF(394, 201), 11, Maroon);
    p.fillRect(QRectF(72, 220, 568, 2), Mist);
    // Advert frame and the progress chart card.
    softShadow(p, QRectF(72, 272, 560, 114), 2, 5);
    roundBox(p, QRectF(64, 393, 584, 212), 12, Qt::transparent, LightBlue, 1.8);
    p.fillRect(QRectF(76, 422, 560, 1.5), Mist);
    wordmark(p, QPointF(20, 678), 18, Qt::white);
    return img;
}

QImage bgQuestion()
{
    QImage img = page();
    QPainter p(&img);
    prepare(p);
    pageBase(p, false);
    heading(p, QPointF(60, 6), QStringLiteral("QUESTIONS"), 26);
    text(p, QRectF(560, 10, 430, 30), QStringLiteral("Choose the marker of the correct combination"), sans(14), Slate,
         Qt::AlignRight | Qt::AlignVCenter);
    roundBox(p, QRectF(61, 47, 938, 563), 6, Qt::transparent, LightBlue, 2);
    // A question badge in the margin.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Maroon);
    p.drawEllipse(QPointF(31, 82), 19, 19);
    text(p, QRectF(12, 63, 38, 38), QStringLiteral("?"), sans(26, QFont::Bold), Qt::white);
    p.setBrush(LightBlue);
    p.drawRoundedRect(QRectF(28, 110, 6, 480), 3, 3);
    p.restore();
    buttonWord(p, QRect(792, 642, 60, 23), QStringLiteral("MENU"));
    buttonWord(p, QRect(864, 642, 62, 23), QStringLiteral("BACK"));
    buttonWord(p, QRect(932, 642, 53, 23), QStringLiteral("NEXT"));
    return img;
}

// The mock test and My Progress: a heading and the page's band; their controls draw the rest.
QImage bgMockTest()
{
    QImage img = page();
    QPainter p(&img);
    prepare(p);
    pageBase(p, false);
    heading(p, QPointF(60, 6), QStringLiteral("MOCK TEST"), 26);
    text(p, QRectF(480, 10, 510, 30), QStringLiteral("A timed test: every section must reach its pass mark"), sans(14),
         Slate, Qt::AlignRight | Qt::AlignVCenter);
    return img;
}

QImage bgProgress()
{
    QImage img = page();
    QPainter p(&img);
    prepare(p);
    pageBase(p, false);
    heading(p, QPointF(60, 6), QStringLiteral("MY PROGRESS"), 26);
    text(p, QRectF(480, 10, 510, 30), QStringLiteral("Your mock tests, and the questions to practise"), sans(14), Slate,
         Qt::AlignRight | Qt::AlignVCenter);
    return img;
}

QImage bgSigns()
{
    QImage img = page();
    QPainter p(&img);
    prepare(p);
    pageBase(p);
    heading(p, QPointF(93, 16), QStringLiteral("ROAD SIGNS"), 28, QStringLiteral("Signs, signals and road markings"));
    signsDecoration(p, QPointF(720, 40));
    // Maroon band under the white category banner.
    QLinearGradient band(0, 78, 0, 116);
    band.setColorAt(0, QColor(156, 16, 16));
    band.setColorAt(1, QColor(108, 0, 0));
    roundBox(p, QRectF(118, 78, 797, 37), 8, band);
    // One frame holds the category list, the sign list and the sign picture.
    roundBox(p, QRectF(86, 124, 904, 443), 10, Qt::transparent, LightBlue, 1.8);
    p.fillRect(QRectF(395.25, 132, 1.5, 427), LightBlue);
    p.fillRect(QRectF(405, 311.25, 573, 1.5), LightBlue);
    studyBack(p, QRect(927, 642, 57, 22));
    return img;
}

QImage bgLearners()
{
    QImage img = page();
    QPainter p(&img);
    prepare(p);
    pageBase(p);
    // Light band under the black topic banner.
    p.fillRect(QRectF(0, 12, 1000, 36), PaleBlue);
    p.fillRect(QRectF(0, 46, 1000, 2), LightBlue);
    frame(p, QRect(80, 80, 297, 529));
    frame(p, QRect(411, 80, 550, 241), QColor(250, 251, 255));
    frame(p, QRect(439, 349, 500, 250));
    lPlate(p, QRectF(82, 624, 34, 34));
    text(p, QRectF(128, 620, 600, 40), QStringLiteral("THE LEARNER'S LICENCE"), sans(26, QFont::Bold), Maroon,
         Qt::AlignLeft | Qt::AlignVCenter);
    studyBack(p, QRect(925, 644, 57, 22));
    return img;
}

namespace {
QImage rulePage(const QString &title, const QString &sub, const QRect &list, const QRect &label, const QRect &picture,
                bool pictureStartsEmpty, const QRect &back, qreal titleWidth = 900)
{
    QImage img = page();
    QPainter p(&img);
    prepare(p);
    pageBase(p);
    heading(p, QPointF(list.left(), 14), title, titleWidth < 400 ? 26 : 28, sub);
    frame(p, list);
    frame(p, label, QColor(250, 251, 255));
    if (pictureStartsEmpty) {
        roundBox(p, QRectF(picture).adjusted(-5, -5, 5, 5), 10, PaleBlue, LightBlue, 1.8);
        wordmark(p, QPointF(picture.center().x() - 60, picture.center().y() - 14), 28, LightBlue.darker(115));
    } else {
        frame(p, picture);
    }
    studyBack(p, back);
    return img;
}
} // namespace

QImage bgCardinal()
{
    // The page's own banner names the cardinal rules beside this heading.
    return rulePage(QStringLiteral("RULES OF THE ROAD"), QStringLiteral("The cardinal rules every road user lives by"),
                    QRect(80, 80, 289, 417), QRect(408, 80, 561, 268), QRect(408, 360, 561, 241), false,
                    QRect(920, 642, 65, 22), 300);
}

QImage bgDriving()
{
    return rulePage(QStringLiteral("DEFENSIVE DRIVING"), QStringLiteral("See the danger early, plan, act in time"),
                    QRect(85, 81, 284, 520), QRect(411, 80, 558, 241), QRect(435, 351, 500, 250), false,
                    QRect(920, 642, 65, 22));
}

QImage bgResponsibilities()
{
    return rulePage(QStringLiteral("DRIVER RESPONSIBILITIES"), QStringLiteral("Your duties behind the wheel"),
                    QRect(80, 81, 289, 528), QRect(408, 79, 553, 242), QRect(408, 352, 561, 249), true,
                    QRect(920, 642, 65, 22));
}

QImage bgDriverules()
{
    return rulePage(QStringLiteral("DRIVING RULES"), QStringLiteral("Lanes, turns, overtaking, parking and more"),
                    QRect(80, 87, 385, 514), QRect(504, 88, 465, 321), QRect(504, 440, 465, 161), false,
                    QRect(920, 642, 65, 22));
}

QImage bgExterior()
{
    QImage img = page();
    QPainter p(&img);
    prepare(p);
    pageBase(p);
    heading(p, QPointF(60, 6), QStringLiteral("VEHICLE INSPECTION"), 26);
    text(p, QRectF(560, 10, 430, 30), QStringLiteral("Check your vehicle before every trip"), sans(14), Slate,
         Qt::AlignRight | Qt::AlignVCenter);
    roundBox(p, QRectF(61, 47, 938, 565), 6, Qt::transparent, LightBlue, 2);
    studyBack(p, QRect(920, 642, 65, 23));
    return img;
}

QImage bgMotorcycle()
{
    QImage img = page();
    QPainter p(&img);
    prepare(p);
    pageBase(p);
    heading(p, QPointF(60, 28), QStringLiteral("MOTORCYCLE CONTROLS"), 30,
            QStringLiteral("Point at a control name to see where it is and what it does"));
    frame(p, QRect(64, 117, 698, 328), Qt::transparent, 4);
    roundBox(p, QRectF(58, 494, 934, 106), 12, QColor(250, 251, 255), LightBlue, 1.8);
    studyBack(p, QRect(920, 642, 67, 23));
    return img;
}

QImage bgLightV()
{
    QImage img = page();
    QPainter p(&img);
    prepare(p);
    pageBase(p);
    heading(p, QPointF(60, 8), QStringLiteral("LIGHT VEHICLE CONTROLS"), 28);
    text(p, QRectF(430, 12, 340, 32), QStringLiteral("Point at a control name on the right"), sans(14), Slate,
         Qt::AlignRight | Qt::AlignVCenter);
    roundBox(p, QRectF(60, 58, 698, 491), 8, Qt::transparent, LightBlue, 1.8);
    studyBack(p, QRect(920, 642, 67, 23));
    return img;
}

QImage bgHeavyV()
{
    QImage img = page();
    QPainter p(&img);
    prepare(p);
    pageBase(p);
    heading(p, QPointF(40, 10), QStringLiteral("HEAVY VEHICLE CONTROLS"), 28,
            QStringLiteral("The driver's place in a truck cab"));
    const qreal s = 0.92;
    const QPointF origin(40, 92);
    p.save();
    p.translate(origin);
    p.scale(s, s);
    const QMap<QString, QPainterPath> parts = cockpit(p, true);
    p.restore();
    roundBox(p, QRectF(origin.x() - 3, origin.y() - 3, 690 * s + 6, 483 * s + 6), 8, Qt::transparent, LightBlue, 2);
    const auto at = [&](qreal x, qreal y) { return origin + QPointF(x, y) * s; };
    struct Item {
        QString name;
        QPointF mark;
        QPointF target;
    };
    const QList<Item> items{
        {QStringLiteral("Steering wheel"), at(578, 345), at(519, 380)},
        {QStringLiteral("Hooter"), at(490, 262), at(458, 298)},
        {QStringLiteral("Indicator lever"), at(640, 290), at(568, 281)},
        {QStringLiteral("Light switch"), at(650, 196), at(610, 206)},
        {QStringLiteral("Windscreen wiper lever"), at(298, 270), at(330, 281)},
        {QStringLiteral("Speedometer"), at(370, 128), at(415, 172)},
        {QStringLiteral("Clutch pedal"), at(372, 447), at(372, 447)},
        {QStringLiteral("Foot brake pedal"), at(455, 447), at(455, 447)},
        {QStringLiteral("Accelerator pedal"), at(542, 446), at(542, 446)},
        {QStringLiteral("Gear lever"), at(130, 326), at(174, 338)},
        {QStringLiteral("Parking brake"), at(44, 382), at(90, 396)},
    };
    roundBox(p, QRectF(700, 92, 284, 446), 12, QColor(250, 251, 255), LightBlue, 1.8);
    text(p, QRectF(716, 100, 260, 28), QStringLiteral("Controls"), sans(18, QFont::Bold), Maroon,
         Qt::AlignLeft | Qt::AlignVCenter);
    for (int i = 0; i < items.size(); ++i) {
        callout(p, items[i].mark, items[i].target, i + 1, 10);
        const qreal y = 142 + i * 27.5;
        callout(p, QPointF(728, y), QPointF(728, y), i + 1, 10);
        text(p, QRectF(746, y - 12, 234, 24), items[i].name, sans(15), Ink, Qt::AlignLeft | Qt::AlignVCenter);
    }
    text(p, QRectF(40, 558, 940, 100),
         QStringLiteral("A loaded truck needs far more room to stop than a car, so keep a longer following distance, "
                        "and always apply the parking brake before you leave the cab. Controls that only some heavy "
                        "vehicles have differ from truck to truck: learn them from the vehicle's own handbook."),
         sans(17), Ink, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    return img;
}

// Entry rectangles (x, y, w, h within the panel): CHECK FOR UPDATES (12, 10, 196, 34),
// ABOUT (220, 10, 96, 34), CLOSE (328, 10, 90, 34); the framed box is (12, 56) 554 x 252.
QImage panel2()
{
    QImage img = canvas(578, 320);
    QPainter p(&img);
    prepare(p);
    roundBox(p, QRectF(0.75, 0.75, 576.5, 318.5), 6, Qt::white, LightBlue, 1.5);
    struct Entry {
        QRectF r;
        QString word;
        int icon;
    };
    const QList<Entry> entries{{QRectF(12, 10, 196, 34), QStringLiteral("CHECK FOR UPDATES"), 0},
                               {QRectF(220, 10, 96, 34), QStringLiteral("ABOUT"), 1},
                               {QRectF(328, 10, 90, 34), QStringLiteral("CLOSE"), 2}};
    for (const Entry &e : entries) {
        roundBox(p, e.r, 8, PaleBlue, LightBlue, 1.5);
        const QPointF c(e.r.left() + 17, e.r.center().y());
        p.save();
        p.setPen(QPen(Maroon, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        if (e.icon == 0) {
            p.drawArc(QRectF(c.x() - 7, c.y() - 7, 14, 14), 60 * 16, 280 * 16);
            p.drawLine(c + QPointF(3.5, -6), c + QPointF(7.5, -8.5));
            p.drawLine(c + QPointF(3.5, -6), c + QPointF(6.5, -1.5));
        } else if (e.icon == 1) {
            p.drawEllipse(c, 8, 8);
            p.drawLine(c + QPointF(0, -1), c + QPointF(0, 4.5));
            p.drawPoint(c + QPointF(0, -4.5));
        } else {
            p.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
            p.drawLine(c + QPointF(5, -5), c + QPointF(-5, 5));
        }
        p.restore();
        text(p, e.r.adjusted(30, 0, -6, 0), e.word, fitted(e.word, sans(15, QFont::Bold), e.r.width() - 38), Maroon,
             Qt::AlignLeft | Qt::AlignVCenter);
    }
    wordmark(p, QPointF(452, 17), 20, Maroon);
    roundBox(p, QRectF(12, 56, 554, 252), 10, Qt::white, DarkBlue, 2);
    return img;
}

} // namespace art
